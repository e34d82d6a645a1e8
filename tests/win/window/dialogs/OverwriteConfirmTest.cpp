#include <windows.h>

#include "framework/window/dialogs/OverwriteConfirm.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "framework/window/shapes/TShape.h"
#include "tests/support/ShellTestFolder.h"
#include "tests/support/ThreadShapes.h"
#include "tests/support/ThrowawayRegKey.h"

namespace {

// The user, played by a thread timer inside the message's own loop: it notes
// each message that shows, reads its text, and presses `g_press`.
int g_shown = 0;
int g_press = IDCANCEL;
std::string g_text;

BOOL CALLBACK CollectText(HWND window, LPARAM text) {
  char buffer[2048] = {};
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  const std::string kind = name;
  if (kind.find("Edit") != std::string::npos || kind.find("Static") != std::string::npos) {
    GetWindowTextA(window, buffer, sizeof buffer);
    *reinterpret_cast<std::string*>(text) += buffer;
  }
  return TRUE;
}

void CALLBACK UserTick(HWND, UINT, UINT_PTR, DWORD) {
  HWND shape = VisibleShapeOfThisThread();
  if (shape == nullptr) return;
  ++g_shown;
  g_text.clear();
  EnumChildWindows(shape, CollectText, reinterpret_cast<LPARAM>(&g_text));
  SendMessageA(GetDlgItem(shape, g_press), BM_CLICK, 0, 0);
}

class OverwriteConfirm : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(key_.Ok());
    CreateGlobalKeyLists(nullptr, key_.Handle());
    timer_ = SetTimer(nullptr, 0, 20, UserTick);
    g_shown = 0;
    g_press = IDCANCEL;
    g_text.clear();
    ASSERT_TRUE(folder_.WriteFile("new.txt", "x"));
    ASSERT_TRUE(folder_.WriteFile("old.txt", "x"));
    ASSERT_TRUE(folder_.AgeFile("old.txt", 45));
  }
  void TearDown() override {
    KillTimer(nullptr, timer_);
    CloseAllModeless();
    DestroyGlobalKeyLists();
  }
  TString Path(const char* name) const { return TString(folder_.File(name).c_str()); }
  void Remember(const char* key, DWORD answer) {
    TRegSection section = OpenSection(ApplicationKeys(), "WithoutStereotype");
    TRegDword(section.Keys(), key).Write(answer);
  }

  ThrowawayRegKey key_;
  TShellTestFolder folder_;
  UINT_PTR timer_ = 0;
};

TEST_F(OverwriteConfirm, AnExistingFileIsAskedAboutAndCancelStops) {
  struct Case {
    const char* why;
    int press;
    bool cancelled;
  } cases[] = {
      {"OK goes on", IDOK, false},
      {"Cancel stops", IDCANCEL, true},
  };
  for (const Case& c : cases) {
    g_shown = 0;
    g_press = c.press;
    EXPECT_EQ(c.cancelled, ConfirmOverwriteExisting(Path("new.txt"), nullptr)) << c.why;
    EXPECT_EQ(1, g_shown) << c.why;
    EXPECT_NE(std::string::npos, g_text.find("\"" + folder_.File("new.txt") + "\"")) << c.why << ": " << g_text;
    EXPECT_NE(std::string::npos, g_text.find("上書きしますか？")) << c.why << ": " << g_text;
  }
}

TEST_F(OverwriteConfirm, NothingIsAskedWhenThereIsNothingToLose) {
  struct Case {
    const char* why;
    bool (*confirm)(const TString&, const TWindow*);
    const char* name;
  } cases[] = {
      {"no file to overwrite", ConfirmOverwriteExisting, "missing.txt"},
      {"no file to be old", ConfirmOverwriteOld, "missing.txt"},
      {"a file changed today", ConfirmOverwriteOld, "new.txt"},
  };
  for (const Case& c : cases) {
    g_shown = 0;
    EXPECT_FALSE(c.confirm(Path(c.name), nullptr)) << c.why;
    EXPECT_EQ(0, g_shown) << c.why;
  }
}

TEST_F(OverwriteConfirm, AnOldFileIsAskedAbout) {
  g_press = IDCANCEL;
  EXPECT_TRUE(ConfirmOverwriteOld(Path("old.txt"), nullptr));
  EXPECT_EQ(1, g_shown);
  EXPECT_NE(std::string::npos, g_text.find("一ヶ月以上更新されてなかった")) << g_text;
  EXPECT_NE(std::string::npos, g_text.find("\"" + folder_.File("old.txt") + "\""))
      << g_text;
  g_press = IDOK;
  EXPECT_FALSE(ConfirmOverwriteOld(Path("old.txt"), nullptr));
  EXPECT_EQ(2, g_shown);
}

TEST_F(OverwriteConfirm, ARememberedAnswerAnswersWithoutAMessage) {
  struct Case {
    const char* why;
    const char* key;
    DWORD answer;
    bool (*confirm)(const TString&, const TWindow*);
    const char* name;
    bool cancelled;
  } cases[] = {
      {"existing, remembered OK", "ForceWrite_WhenExist", IDOK, ConfirmOverwriteExisting, "new.txt", false},
      {"existing, a planted Cancel", "ForceWrite_WhenExist", IDCANCEL, ConfirmOverwriteExisting, "new.txt", true},
      {"old, remembered OK", "ForceWrite_WhenElder", IDOK, ConfirmOverwriteOld, "old.txt", false},
  };
  for (const Case& c : cases) {
    Remember(c.key, c.answer);
    g_shown = 0;
    EXPECT_EQ(c.cancelled, c.confirm(Path(c.name), nullptr)) << c.why;
    EXPECT_EQ(0, g_shown) << c.why;
  }
}

TEST_F(OverwriteConfirm, EachQuestionRemembersUnderItsOwnKey) {
  Remember("ForceWrite_WhenExist", IDOK);
  g_press = IDCANCEL;
  EXPECT_TRUE(ConfirmOverwriteOld(Path("old.txt"), nullptr)) << "the other question's answer does not count";
  EXPECT_EQ(1, g_shown);
}

}  // namespace
