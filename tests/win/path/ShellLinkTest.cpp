#include <windows.h>

#include "framework/path/ShellLink.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/ShellTestFolder.h"

namespace {

class ShellLink : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(com_.Ok());
    // The shell resolves targets that exist; give every link a real one.
    ASSERT_TRUE(folder_.WriteFile("target.exe", "MZ"));
    target_ = TString(folder_.File("target.exe").c_str());
  }

  TComApartment com_;
  TShellTestFolder folder_;
  TString target_;
};

TEST_F(ShellLink, RoundTripsTargetArgumentsAndIcon) {
  const TString link(folder_.File("full.lnk").c_str());
  const TString icon("C:\\windows\\system32\\shell32.dll");
  ASSERT_TRUE(CreateShortcut(link, target_, TString("/restore \"a b\""), icon, 3));

  TString target, arguments, iconPath;
  int iconIndex = -1;
  ASSERT_TRUE(ReadShortcut(link, &target, &arguments, &iconPath, &iconIndex));
  EXPECT_EQ(0, lstrcmpiA(target_.c_str(), target.c_str())) << target.c_str();
  EXPECT_STREQ("/restore \"a b\"", arguments.c_str());
  EXPECT_EQ(0, lstrcmpiA(icon.c_str(), iconPath.c_str())) << iconPath.c_str();
  EXPECT_EQ(3, iconIndex);
}

TEST_F(ShellLink, WithoutIconPathReadsBackNoIconLocation) {
  const TString link(folder_.File("plain.lnk").c_str());
  ASSERT_TRUE(CreateShortcut(link, target_, TString()));

  TString iconPath("stale");
  int iconIndex = -1;
  TString arguments("stale");
  ASSERT_TRUE(ReadShortcut(link, nullptr, &arguments, &iconPath, &iconIndex));
  EXPECT_STREQ("", iconPath.c_str());
  EXPECT_EQ(0, iconIndex);
  EXPECT_STREQ("", arguments.c_str());
}

TEST_F(ShellLink, ShiftJisNamesSurviveTheUtf16Interface) {
  // "表" and "ソ" end in trail byte 0x5C; a byte-wise conversion would split them.
  ASSERT_TRUE(folder_.WriteFile("表ソ.exe", "MZ"));
  const TString target(folder_.File("表ソ.exe").c_str());
  const TString link(folder_.File("ｼｮｰﾄｶｯﾄ表.lnk").c_str());
  ASSERT_TRUE(CreateShortcut(link, target, TString("ﾃｽﾄ 引数")));

  TString readTarget, readArguments;
  ASSERT_TRUE(ReadShortcut(link, &readTarget, &readArguments));
  EXPECT_EQ(0, lstrcmpiA(target.c_str(), readTarget.c_str())) << readTarget.c_str();
  EXPECT_STREQ("ﾃｽﾄ 引数", readArguments.c_str());
}

TEST_F(ShellLink, FailuresLeaveTheOutputsAlone) {
  ASSERT_TRUE(folder_.WriteFile("garbage.lnk", std::string(300, '\xA5')));
  ASSERT_TRUE(folder_.WriteFile("empty.lnk", ""));
  const std::string cases[] = {
      folder_.File("missing.lnk"),
      folder_.File("garbage.lnk"),
      folder_.File("empty.lnk"),
      folder_.Path(),                                      // a folder
      folder_.File(std::string(300, 'x') + ".lnk"),        // longer than MAX_PATH
      "",
  };
  for (const std::string& path : cases) {
    TString target("kept"), arguments("kept"), iconPath("kept");
    int iconIndex = 42;
    EXPECT_FALSE(ReadShortcut(TString(path.c_str()), &target, &arguments, &iconPath, &iconIndex))
        << path;
    EXPECT_STREQ("kept", target.c_str());
    EXPECT_STREQ("kept", arguments.c_str());
    EXPECT_STREQ("kept", iconPath.c_str());
    EXPECT_EQ(42, iconIndex);
  }
}

TEST_F(ShellLink, CreateFailsWhereNoFileCanBeWritten) {
  const TString tooLong(folder_.File(std::string(300, 'x') + ".lnk").c_str());
  EXPECT_FALSE(CreateShortcut(tooLong, target_, TString()));
  const TString noFolder(folder_.File("no such folder\\a.lnk").c_str());
  EXPECT_FALSE(CreateShortcut(noFolder, target_, TString()));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(noFolder.c_str()));
}

struct TNoComAttempt {
  TString link;
  TString target;
  bool created = false;
  bool read = false;
  TString readTarget;
  HRESULT comAfterwards = E_FAIL;
};

DWORD WINAPI AttemptWithoutCom(void* param) {
  auto* attempt = static_cast<TNoComAttempt*>(param);
  attempt->created = CreateShortcut(attempt->link, attempt->target, TString());
  attempt->read = ReadShortcut(attempt->link, &attempt->readTarget);
  // S_OK: the calls left this thread without COM, as they found it.
  attempt->comAfterwards = CoInitialize(nullptr);
  if (SUCCEEDED(attempt->comAfterwards)) CoUninitialize();
  return 0;
}

TEST_F(ShellLink, AThreadWithoutComGetsItForTheCallsOnly) {
  // The program holds no COM at rest: the shortcut calls take it themselves.
  TNoComAttempt attempt{TString(folder_.File("nocom.lnk").c_str()), target_};
  HANDLE thread = CreateThread(nullptr, 0, AttemptWithoutCom, &attempt, 0, nullptr);
  ASSERT_NE(nullptr, thread);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 10000));
  CloseHandle(thread);
  EXPECT_TRUE(attempt.created);
  EXPECT_TRUE(attempt.read);
  EXPECT_EQ(target_, attempt.readTarget);
  EXPECT_EQ(S_OK, attempt.comAfterwards);
}

}  // namespace
