// Help without a WinHelp file: the manual beside the program opens in the
// browser at the section of the window that asked.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/controls/TransparentControls.h"
#include "framework/window/core/Application.h"
#include "framework/window/dialogs/MessageShape.h"
#include "framework/window/elements/ControlElement.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "tests/support/HtmlHandler.h"
#include "tests/support/PlayedUser.h"
#include "tests/support/ThreadShapes.h"
#include "tests/support/ThrowawayRegKey.h"
#include "tests/support/WindowQueries.h"

namespace {

constexpr DWORD kLaunchMs = 10000;

class ProgramHelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(key_.Ok());
    ASSERT_TRUE(browser_.Ok());
    CreateGlobalKeyLists(nullptr, key_.Handle());
    char temp[MAX_PATH];
    ASSERT_NE(0u, GetTempPathA(sizeof temp, temp));
    folder_ = std::string(temp) + "stowpane-manual-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    CreateDirectoryA((folder_ + "\\manual").c_str(), nullptr);
    HANDLE file = CreateFileA(Manual().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
    before_ = Application();
    TApplicationInfo info = before_;
    // A program with a manual and no help file, as every release is.
    info.programPath = TString((folder_ + "\\Prog.exe").c_str());
    info.helpPath = TString((folder_ + "\\Prog.HLP").c_str());
    SetApplicationInfo(info);
  }
  void TearDown() override {
    SetApplicationInfo(before_);
    CloseAllModeless();
    DestroyGlobalKeyLists();
    DeleteFileA(Manual().c_str());
    RemoveDirectoryA((folder_ + "\\manual").c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  std::string Manual() const { return folder_ + "\\manual\\manual.html"; }

  // A message with a Help button, named `key`, that the played user acts on and then answers OK.
  int Message(const char* key, std::function<void(HWND)> act) {
    user_.Next([act](HWND shape) {
      act(shape);
      SendMessageA(GetDlgItem(shape, IDOK), BM_CLICK, 0, 0);
    });
    auto row = MakeButtonRow(kDockBottom, {{IDOK, "OK", "OK_ICON"}, {IDHELP, "ﾍﾙﾌﾟ", "OK_ICON", true, 7}});
    auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
    group->AddShared(InformationIcon());
    group->Add(TTextElement::Message("ﾍﾙﾌﾟを見ますか?"));
    const int result = MessageShape(nullptr, key, row.get(), group.get(), nullptr);
    user_.Next(nullptr);
    return result;
  }
  // The one launch since `before` lines, waited for.
  std::string LaunchAfter(size_t before) {
    WaitUntil([&] { return browser_.Lines().size() > before; }, kLaunchMs);
    const auto lines = browser_.Lines();
    return lines.size() == before + 1 ? lines.back() : "<" + std::to_string(lines.size() - before) + " launches>";
  }

  ThrowawayRegKey key_;
  THtmlHandler browser_;
  PlayedUser user_{VisibleShapeOfThisThread, PostClose};
  std::string folder_;
  TApplicationInfo before_;
};

void PressHelp(HWND shape) { SendMessageA(GetDlgItem(shape, IDHELP), BM_CLICK, 0, 0); }

// F1 over a control reaches the shape as WM_HELP for that control.
void HelpOnOkButton(HWND shape) {
  HELPINFO help{};
  help.cbSize = sizeof help;
  help.iContextType = HELPINFO_WINDOW;
  help.iCtrlId = IDOK;
  help.hItemHandle = GetDlgItem(shape, IDOK);
  SendMessageA(shape, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
}

}  // namespace

TEST_F(ProgramHelpTest, HelpButtonAndF1OpenTheManualAtTheShapesSectionAndCloseNothing) {
  struct Case {
    const char* why;
    const char* key;
    void (*act)(HWND);
  } cases[] = {
      {"the Help button", "Register", PressHelp},
      {"F1 over a control", "IconicError", HelpOnOkButton},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const size_t before = browser_.Lines().size();
    // The help leaves the message open: the played user's OK answers it.
    EXPECT_EQ(IDOK, Message(c.key, c.act));
    const std::string launch = LaunchAfter(before);
    EXPECT_NE(std::string::npos, launch.find("/manual/manual.html#" + std::string(c.key))) << launch;
  }
}
