#include <windows.h>
#include <shlobj.h>

#include "framework/path/RecentDocuments.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "framework/path/ShellLink.h"
#include "framework/path/SpecialFolder.h"
#include "tests/support/ShellTestFolder.h"

using namespace std::string_view_literals;

namespace {

// Planted: shortcuts to three documents, one to a file whose name has no
// extension, a garbage .lnk, a text file, and a sub-folder with a shortcut of
// its own that must not be reached.
class RecentDocuments : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(com_.Ok());
    ASSERT_TRUE(CreateDirectoryA(recent_.File("sub").c_str(), nullptr));
    Plant("report.TXT", "a.lnk");
    Plant("tool.exe", "b.lnk");
    Plant("表.doc", "c.lnk");
    Plant("noext", "d.lnk");
    Plant("hidden.txt", "sub\\e.lnk");
    ASSERT_TRUE(recent_.WriteFile("garbage.lnk", std::string(200, '\x7F')));
    ASSERT_TRUE(recent_.WriteFile("desktop.ini", "[.ShellClassInfo]\r\n"));
  }

  void Plant(const std::string& document, const std::string& linkName) {
    ASSERT_TRUE(documents_.WriteFile(document, "x"));
    ASSERT_TRUE(CreateShortcut(TString(recent_.File(linkName).c_str()),
                               TString(documents_.File(document).c_str()), TString()));
  }

  // Sorted file names of the targets: the folder's listing order is the
  // system's, not ours.
  std::vector<std::string> Names(const TTextList& targets) const {
    std::vector<std::string> names;
    for (const TString& target : targets) {
      const std::string path = target.Bytes();
      const std::string prefix = documents_.Path() + "\\";
      EXPECT_EQ(0, lstrcmpiA(prefix.c_str(), path.substr(0, prefix.size()).c_str())) << path;
      names.push_back(path.substr(std::min(prefix.size(), path.size())));
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  TComApartment com_;
  TShellTestFolder recent_;
  TShellTestFolder documents_;
};

TEST_F(RecentDocuments, WithoutFilterEveryReadableShortcut) {
  EXPECT_EQ((std::vector<std::string>{"noext", "report.TXT", "tool.exe", "表.doc"}),
            Names(RecentDocumentsIn(TString(recent_.Path().c_str()))));
  // A folder given with its final '\' lists the same.
  EXPECT_EQ(4, RecentDocumentsIn(TString((recent_.Path() + "\\").c_str())).Count());
}

TEST_F(RecentDocuments, WithFilterOnlyTheNamedExtensions) {
  struct Case {
    std::string_view filter;
    std::vector<std::string> expected;
  } cases[] = {
      {"Programs\0*.EXE;*.com\0\0"sv, {"tool.exe"}},
      {"Text\0*.txt\0Word\0*.DOC\0\0"sv, {"report.TXT", "表.doc"}},
      {"Bare\0*.\0\0"sv, {"noext"}},
      {"All\0*.*\0\0"sv, {"noext", "report.TXT", "tool.exe", "表.doc"}},
      {"Pictures\0*.png\0\0"sv, {}},
      {"Orphan description"sv, {}},  // a filter that names no extension
  };
  const TString folder(recent_.Path().c_str());
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, Names(RecentDocumentsIn(folder, c.filter)))
        << std::string(c.filter.begin(), c.filter.end());
  }
}

TEST_F(RecentDocuments, NoFolderNoDocuments) {
  EXPECT_EQ(0, RecentDocumentsIn(TString()).Count());
  EXPECT_EQ(0, RecentDocumentsIn(TString(recent_.File("missing").c_str())).Count());
}

TEST_F(RecentDocuments, ReadsTheUsersRecentFolder) {
  // The test prefix's own recent folder, with one shortcut of ours in it for
  // the length of the test.
  const TString folder = SpecialFolder(CSIDL_RECENT);
  ASSERT_FALSE(folder.IsEmpty());
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string link =
      folder.Bytes() + "shelltest_" + std::to_string(GetCurrentProcessId()) + ".lnk";
  const TString target(documents_.File("tool.exe").c_str());
  ASSERT_TRUE(CreateShortcut(TString(link.c_str()), target, TString()));

  const auto holdsTarget = [&](const TTextList& list) {
    for (const TString& item : list) {
      if (lstrcmpiA(item.c_str(), target.c_str()) == 0) return true;
    }
    return false;
  };
  EXPECT_TRUE(holdsTarget(::RecentDocuments()));
  EXPECT_TRUE(holdsTarget(::RecentDocuments("Programs\0*.exe\0\0"sv)));
  EXPECT_FALSE(holdsTarget(::RecentDocuments("Text\0*.txt\0\0"sv)));
  DeleteFileA(link.c_str());
}

}  // namespace
