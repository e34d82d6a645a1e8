// The emergency window's task manager and end-Windows commands, with the
// calls that would start a program or end the session replaced. The user is
// played by a thread timer inside each message's own loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/emergency/EmergencyCommands.h"
#include "framework/path/SystemFolders.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "framework/window/shapes/TShape.h"
#include "tests/support/ThreadShapes.h"
#include "tests/support/ThrowawayRegKey.h"

namespace {

using TAction = std::function<void(HWND)>;

// One action per message, in the order the messages appear.
std::deque<TAction> g_actions;
std::vector<std::string> g_titles;  // of each message acted on
HWND g_lastShape = nullptr;
int g_idleTicks = 0;

void CALLBACK UserTick(HWND, UINT, UINT_PTR, DWORD) {
  HWND shape = VisibleShapeOfThisThread();
  if (shape == nullptr) return;
  if (shape == g_lastShape || g_actions.empty()) {
    // A message the actions left open fails the case instead of hanging it.
    if (++g_idleTicks > 100) PostMessageA(shape, WM_CLOSE, 0, 0);
    return;
  }
  g_idleTicks = 0;
  g_lastShape = shape;
  char title[128] = {};
  GetWindowTextA(shape, title, sizeof title);
  g_titles.push_back(title);
  TAction act = std::move(g_actions.front());
  g_actions.pop_front();
  act(shape);
}

// The radio buttons of a message, from top to bottom.
std::vector<HWND> RadioButtons(HWND shape) {
  std::vector<HWND> buttons;
  for (HWND child = GetWindow(shape, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongA(child, GWL_STYLE) & 0x0F) == BS_AUTORADIOBUTTON) buttons.push_back(child);
  }
  auto top = [](HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.top;
  };
  std::sort(buttons.begin(), buttons.end(), [&](HWND a, HWND b) { return top(a) < top(b); });
  return buttons;
}

TAction Press(int button) {
  return [button](HWND shape) { SendMessageA(GetDlgItem(shape, button), BM_CLICK, 0, 0); };
}
TAction Choose(int index, int button) {
  return [=](HWND shape) {
    const std::vector<HWND> radios = RadioButtons(shape);
    ASSERT_EQ(4u, radios.size());
    SendMessageA(radios[index], BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(shape, button), BM_CLICK, 0, 0);
  };
}
TAction DoubleClick(int index) {
  return [=](HWND shape) {
    const std::vector<HWND> radios = RadioButtons(shape);
    ASSERT_EQ(4u, radios.size());
    const LPARAM at = MAKELPARAM(4, 4);
    SendMessageA(radios[index], WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(radios[index], WM_LBUTTONUP, 0, at);
    SendMessageA(radios[index], WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(radios[index], WM_LBUTTONUP, 0, at);
  };
}
TAction CloseBox() {
  return [](HWND shape) { SendMessageA(shape, WM_SYSCOMMAND, SC_CLOSE, 0); };
}

// The shutdown privilege of this process's token: 1 enabled, 0 held but
// disabled, -1 unknown.
int ShutdownPrivilegeState() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return -1;
  LUID shutdown{};
  std::vector<BYTE> bytes(4096);
  DWORD size = 0;
  int state = -1;
  if (LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &shutdown) &&
      GetTokenInformation(token, TokenPrivileges, bytes.data(), static_cast<DWORD>(bytes.size()), &size)) {
    const auto* held = reinterpret_cast<const TOKEN_PRIVILEGES*>(bytes.data());
    for (DWORD i = 0; i < held->PrivilegeCount; ++i) {
      const LUID& luid = held->Privileges[i].Luid;
      if (luid.LowPart != shutdown.LowPart || luid.HighPart != shutdown.HighPart) continue;
      state = (held->Privileges[i].Attributes & SE_PRIVILEGE_ENABLED) != 0 ? 1 : 0;
    }
  }
  CloseHandle(token);
  return state;
}

// Disables the privilege again, so that each call must enable it itself.
bool DisableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = 0;
  const bool ok = LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid) &&
                  AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  CloseHandle(token);
  return ok && ShutdownPrivilegeState() == 0;
}

std::vector<UINT> g_exitFlags;
std::vector<int> g_privilegeAtExit;  // ShutdownPrivilegeState as each exit call saw it
BOOL g_exitAnswer = TRUE;
BOOL StubExit(UINT flags, DWORD reason) {
  EXPECT_EQ(0u, reason);
  g_exitFlags.push_back(flags);
  g_privilegeAtExit.push_back(ShutdownPrivilegeState());
  return g_exitAnswer;
}

std::vector<std::string> g_started;
std::deque<UINT> g_startAnswers;
UINT StubStart(const char* commandLine, UINT show) {
  EXPECT_EQ(static_cast<UINT>(SW_SHOW), show);
  g_started.push_back(commandLine);
  if (g_startAnswers.empty()) return 0;
  const UINT answer = g_startAnswers.front();
  g_startAnswers.pop_front();
  return answer;
}

class EmergencyCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(key_.Ok());
    CreateGlobalKeyLists(nullptr, key_.Handle());
    SetExitWindowsCall(StubExit);
    SetStartProgramCall(StubStart);
    timer_ = SetTimer(nullptr, 0, 20, UserTick);
    g_actions.clear();
    g_titles.clear();
    g_lastShape = nullptr;
    g_idleTicks = 0;
    g_exitFlags.clear();
    g_privilegeAtExit.clear();
    g_exitAnswer = TRUE;
    g_started.clear();
    g_startAnswers.clear();
  }
  void TearDown() override {
    KillTimer(nullptr, timer_);
    SetExitWindowsCall(nullptr);
    SetStartProgramCall(nullptr);
    CloseAllModeless();
    DestroyGlobalKeyLists();
  }
  ThrowawayRegKey key_;
  UINT_PTR timer_ = 0;
};

struct TEndRow {
  const char* reason;
  std::vector<TAction> actions;
  BOOL exitAnswer;
  std::vector<UINT> flags;  // passed to the exit call; empty: not called
  bool ending;
};

TEST_F(EmergencyCommands, EachConfirmedChoiceEndsWindowsItsOwnWay) {
  const TEndRow rows[] = {
      {"shutting down is chosen at first", {Press(IDOK)}, TRUE, {EWX_SHUTDOWN}, true},
      {"log off", {Choose(0, IDOK)}, TRUE, {EWX_LOGOFF}, true},
      {"restart", {Choose(2, IDOK)}, TRUE, {EWX_REBOOT}, true},
      {"forced, after the warning", {Choose(3, IDOK), Press(IDOK)}, TRUE, {EWX_SHUTDOWN | EWX_FORCE}, true},
      {"a double-click confirms its choice", {DoubleClick(0)}, TRUE, {EWX_LOGOFF}, true},
      {"a double-click on the forced exit still warns", {DoubleClick(3), Press(IDOK)}, TRUE,
       {EWX_SHUTDOWN | EWX_FORCE}, true},
      {"the exit call refused: not ending, nothing else asked", {Choose(2, IDOK)}, FALSE, {EWX_REBOOT}, false},
      {"cancelled", {Press(IDCANCEL)}, TRUE, {}, false},
      {"closed by its close box", {CloseBox()}, TRUE, {}, false},
      {"the forced exit's warning cancelled", {Choose(3, IDOK), Press(IDCANCEL)}, TRUE, {}, false},
      {"the forced exit's warning closed", {Choose(3, IDOK), CloseBox()}, TRUE, {}, false},
  };
  for (const TEndRow& row : rows) {
    SCOPED_TRACE(row.reason);
    g_actions.assign(row.actions.begin(), row.actions.end());
    g_titles.clear();
    g_exitFlags.clear();
    g_privilegeAtExit.clear();
    g_exitAnswer = row.exitAnswer;
    ASSERT_TRUE(DisableShutdownPrivilege());
    EXPECT_EQ(row.ending, EndWindows(nullptr));
    EXPECT_EQ(row.flags, g_exitFlags);
    // Without it the real call refuses to shut down or restart.
    EXPECT_EQ(std::vector<int>(row.flags.size(), 1), g_privilegeAtExit) << "enabled before the exit call";
    EXPECT_TRUE(g_actions.empty()) << "a planned message was not asked";
    ASSERT_EQ(row.actions.size(), g_titles.size()) << "an unplanned message was asked";
    EXPECT_EQ("Windows の終了", g_titles[0]);
    if (g_titles.size() > 1) {
      EXPECT_EQ("Windows の終了 - 強制終了", g_titles[1]);
    }
  }
}

TEST_F(EmergencyCommands, ARememberedForcedExitAsksNoWarning) {
  {
    TRegSection section = OpenSection(ApplicationKeys(), "WithoutStereotype");
    TRegDword(section.Keys(), "ForceExit").Write(IDOK);
  }
  g_actions = {Choose(3, IDOK)};
  EXPECT_TRUE(EndWindows(nullptr));
  EXPECT_EQ(std::vector<UINT>{EWX_SHUTDOWN | EWX_FORCE}, g_exitFlags);
  EXPECT_EQ(1u, g_titles.size());
}

struct TStartRow {
  const char* reason;
  std::deque<UINT> answers;
  size_t tried;
  bool notice;
};

TEST_F(EmergencyCommands, TheTaskManagerIsTriedOldNameFirstAndAFailureIsSaid) {
  const std::string candidates[] = {std::string(WindowsFolder().c_str()) + "taskman",
                                    std::string(SystemFolder().c_str()) + "taskmgr.exe"};
  const TStartRow rows[] = {
      {"the Windows folder's task manager starts", {33}, 1, false},
      {"it is missing: the system's one starts", {ERROR_FILE_NOT_FOUND, 42}, 2, false},
      {"31 is still an error", {31, 32}, 2, false},
      {"neither starts", {ERROR_FILE_NOT_FOUND, 0}, 2, true},
  };
  for (const TStartRow& row : rows) {
    SCOPED_TRACE(row.reason);
    g_started.clear();
    g_titles.clear();
    g_startAnswers = row.answers;
    if (row.notice) g_actions = {Press(IDOK)};
    StartTaskManager(nullptr);
    ASSERT_EQ(row.tried, g_started.size());
    for (size_t i = 0; i < row.tried; ++i) EXPECT_EQ(candidates[i], g_started[i]);
    EXPECT_EQ(row.notice ? 1u : 0u, g_titles.size());
    EXPECT_TRUE(g_actions.empty());
  }
}

}  // namespace
