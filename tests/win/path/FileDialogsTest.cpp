#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include <shlobj.h>

#include "framework/path/FileDialogs.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/PlayedUser.h"
#include "tests/support/ShellTestFolder.h"

namespace {

// What the dialog showed when it came up.
struct Seen {
  std::string folder;
  std::string name;
  int filterIndex = -1;  // 1-based, as the record counts
  bool readOnlyVisible = false;
  bool readOnlyTicked = false;
};

std::string DialogText(HWND dialog, UINT message) {
  char text[MAX_PATH * 2] = {};
  SendMessageA(dialog, message, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

void Look(HWND dialog, Seen& seen) {
  seen.folder = DialogText(dialog, CDM_GETFOLDERPATH);
  seen.name = DialogText(dialog, CDM_GETSPEC);
  seen.filterIndex = static_cast<int>(SendDlgItemMessageA(dialog, cmb1, CB_GETCURSEL, 0, 0)) + 1;
  HWND readOnly = GetDlgItem(dialog, chx1);
  seen.readOnlyVisible = readOnly != nullptr && IsWindowVisible(readOnly);
  seen.readOnlyTicked = readOnly != nullptr && SendMessageA(readOnly, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Types `name` into the file-name box and presses `button`.
void TypeAndPress(HWND dialog, const std::string& name, int button) {
  if (HWND edit = FirstVisibleEdit(dialog)) SetWindowTextA(edit, name.c_str());
  PostMessageA(dialog, WM_COMMAND, button, 0);
}

constexpr char kFilter[] = "ﾃｷｽﾄ (*.txt)\0*.txt\0ﾛｸﾞ (*.log)\0*.log\0すべてのﾌｧｲﾙ (*.*)\0*.*\0";

class FileDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.WriteFile("notes.log", "x"));
    char longName[MAX_PATH] = {};
    ASSERT_NE(0u, GetLongPathNameA(folder_.Path().c_str(), longName, sizeof longName));
    root_ = longName;
  }
  TString InFolder(const char* name) const { return TString((root_ + "\\" + name).c_str()); }

  TShellTestFolder folder_;
  std::string root_;
  PlayedUser user_{VisibleSystemDialogOfThisThread, PressCancel};
};

TEST_F(FileDialogs, OpenStartsFromTheFileAndCancelKeepsIt) {
  struct Case {
    const char* why;
    const char* name;
    bool* readOnly;
    int filterIndex;
  } cases[] = {
      {"a log file selects the log pair", "notes.log", nullptr, 2},
      {"a text file selects the text pair", "memo.txt", nullptr, 1},
      {"another extension selects all files", "picture.bmp", nullptr, 3},
  };
  for (const Case& c : cases) {
    TFile file(InFolder(c.name));
    Seen seen;
    user_.Next([&seen](HWND dialog) {
      Look(dialog, seen);
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(ChooseFileToOpen(file, nullptr, kFilter, "txt", c.readOnly, "Open")) << c.why;
    EXPECT_EQ(InFolder(c.name), file.Path()) << c.why << ": cancelling leaves the path";
    EXPECT_EQ(c.filterIndex, seen.filterIndex) << c.why;
    EXPECT_EQ(0, lstrcmpiA(root_.c_str(), seen.folder.c_str())) << c.why << ": " << seen.folder;
    EXPECT_EQ(c.name, seen.name) << c.why;
    EXPECT_FALSE(seen.readOnlyVisible) << c.why << ": no read-only flag, no box";
  }
}

TEST_F(FileDialogs, TheReadOnlyBoxStartsFromAndWritesBackTheFlag) {
  struct Case {
    const char* why;
    bool before;
    bool click;
    bool after;
  } cases[] = {
      {"ticked stays ticked", true, false, true},
      {"unticked stays unticked", false, false, false},
      {"the user ticks it", false, true, true},
      {"the user unticks it", true, true, false},
  };
  for (const Case& c : cases) {
    TFile file(InFolder("notes.log"));
    bool readOnly = c.before;
    Seen seen;
    const std::string chosen = root_ + "\\notes.log";
    user_.Next([&](HWND dialog) {
      Look(dialog, seen);
      if (c.click) SendDlgItemMessageA(dialog, chx1, BM_CLICK, 0, 0);
      TypeAndPress(dialog, chosen, IDOK);
    });
    EXPECT_TRUE(ChooseFileToOpen(file, nullptr, kFilter, "txt", &readOnly, "Open")) << c.why;
    EXPECT_TRUE(seen.readOnlyVisible) << c.why;
    EXPECT_EQ(c.before, seen.readOnlyTicked) << c.why;
    EXPECT_EQ(c.after, readOnly) << c.why;
    EXPECT_EQ(0, lstrcmpiA(chosen.c_str(), file.Path().c_str())) << c.why << ": " << file.Path().c_str();
  }
}

// A typed name without an extension takes the selected pair's, or the
// default extension when that pair names none (as the system dialog does).
TEST_F(FileDialogs, SaveTakesTheTypedNameWithAnExtension) {
  struct Case {
    const char* why;
    const char* start;
    int filterIndex;
    const char* chosen;
  } cases[] = {
      {"the log pair is selected: its extension", "notes.log", 2, "fresh.log"},
      {"all files is selected: the default extension", "picture.bmp", 3, "fresh.txt"},
  };
  for (const Case& c : cases) {
    TFile file(InFolder(c.start));
    Seen seen;
    user_.Next([&](HWND dialog) {
      Look(dialog, seen);
      TypeAndPress(dialog, root_ + "\\fresh", IDOK);
    });
    EXPECT_TRUE(ChooseFileToSave(file, nullptr, kFilter, "txt", "Save")) << c.why;
    EXPECT_EQ(c.filterIndex, seen.filterIndex) << c.why;
    EXPECT_FALSE(seen.readOnlyVisible) << c.why;
    EXPECT_EQ(0, lstrcmpiA((root_ + "\\" + c.chosen).c_str(), file.Path().c_str())) << c.why << ": "
                                                                                       << file.Path().c_str();
  }
}

TEST_F(FileDialogs, AFileWithoutAFolderStartsOnTheDesktop) {
  char desktop[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, desktop, 0 /* CSIDL_DESKTOP */, FALSE));
  TFile file(TString("bare.txt"));
  Seen seen;
  user_.Next([&seen](HWND dialog) {
    Look(dialog, seen);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_FALSE(ChooseFileToSave(file, nullptr, kFilter, "txt", "Save"));
  EXPECT_EQ(0, lstrcmpiA(desktop, seen.folder.c_str())) << seen.folder;
  EXPECT_EQ("bare.txt", seen.name);
  EXPECT_EQ(TString("bare.txt"), file.Path());
}

TEST_F(FileDialogs, TheFocusGoesBackToTheWindowThatHadIt) {
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, owner);
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, owner, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, edit);
  SetForegroundWindow(owner);
  SetFocus(edit);
  ASSERT_EQ(edit, GetFocus());
  TFile file(InFolder("notes.log"));
  bool sawDialog = false;
  user_.Next([&sawDialog](HWND dialog) {
    sawDialog = true;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_FALSE(ChooseFileToOpen(file, owner, kFilter, nullptr, nullptr, "Open"));
  EXPECT_TRUE(sawDialog);
  EXPECT_EQ(edit, GetFocus());
  DestroyWindow(owner);
}

}  // namespace
