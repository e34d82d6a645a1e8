#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include <shlobj.h>

#include "framework/path/FileDialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support/ShellTestFolder.h"

namespace {

// The user, played by a thread timer that the dialog's own loop runs: once
// the dialog is up, `g_user` sees it. A dialog that the action did not close
// is cancelled about two seconds later, so that a failing case fails instead
// of hanging the run.
std::function<void(HWND)> g_user;
int g_ticksSinceAction = -1;

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK UserTick(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindVisibleDialog, reinterpret_cast<LPARAM>(&dialog));
  if (dialog == nullptr) return;
  if (g_user) {
    auto user = std::move(g_user);
    g_user = nullptr;
    g_ticksSinceAction = 0;
    user(dialog);
  } else if (g_ticksSinceAction >= 0 && ++g_ticksSinceAction > 100) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }
}

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

BOOL CALLBACK FindEdit(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, "Edit") == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// Types `name` into the file-name box and presses `button`.
void TypeAndPress(HWND dialog, const std::string& name, int button) {
  HWND edit = nullptr;
  EnumChildWindows(dialog, FindEdit, reinterpret_cast<LPARAM>(&edit));
  if (edit != nullptr) SetWindowTextA(edit, name.c_str());
  PostMessageA(dialog, WM_COMMAND, button, 0);
}

constexpr char kFilter[] = "ﾃｷｽﾄ (*.txt)\0*.txt\0ﾛｸﾞ (*.log)\0*.log\0すべてのﾌｧｲﾙ (*.*)\0*.*\0";

class FileDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    timer_ = SetTimer(nullptr, 0, 20, UserTick);
    g_ticksSinceAction = -1;
    ASSERT_TRUE(folder_.WriteFile("notes.log", "x"));
    char longName[MAX_PATH] = {};
    ASSERT_NE(0u, GetLongPathNameA(folder_.Path().c_str(), longName, sizeof longName));
    root_ = longName;
  }
  void TearDown() override {
    KillTimer(nullptr, timer_);
    g_user = nullptr;
  }
  TString InFolder(const char* name) const { return TString((root_ + "\\" + name).c_str()); }

  TShellTestFolder folder_;
  std::string root_;
  UINT_PTR timer_ = 0;
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
    g_user = [&seen](HWND dialog) {
      Look(dialog, seen);
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    };
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
    g_user = [&](HWND dialog) {
      Look(dialog, seen);
      if (c.click) SendDlgItemMessageA(dialog, chx1, BM_CLICK, 0, 0);
      TypeAndPress(dialog, chosen, IDOK);
    };
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
    g_user = [&](HWND dialog) {
      Look(dialog, seen);
      TypeAndPress(dialog, root_ + "\\fresh", IDOK);
    };
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
  g_user = [&seen](HWND dialog) {
    Look(dialog, seen);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  };
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
  g_user = [&sawDialog](HWND dialog) {
    sawDialog = true;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  };
  EXPECT_FALSE(ChooseFileToOpen(file, owner, kFilter, nullptr, nullptr, "Open"));
  EXPECT_TRUE(sawDialog);
  EXPECT_EQ(edit, GetFocus());
  DestroyWindow(owner);
}

}  // namespace
