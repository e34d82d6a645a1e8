#include <windows.h>

#include "app/emergency/EmergencyCommands.h"

#include "framework/base/Owners.h"
#include "framework/icons/IconFactories.h"
#include "framework/path/SystemFolders.h"
#include "framework/window/dialogs/MessageShape.h"
#include "framework/window/elements/CheckElement.h"
#include "framework/window/elements/ControlElement.h"
#include "framework/window/shapes/TShape.h"

namespace {

BOOL RealExitWindows(UINT flags, DWORD reason) { return ExitWindowsEx(flags, reason); }
UINT RealStartProgram(const char* commandLine, UINT show) { return WinExec(commandLine, show); }

TExitWindowsCall g_exitWindows = RealExitWindows;
TStartProgramCall g_startProgram = RealStartProgram;

// WinExec's results up to 31 are its errors.
constexpr UINT kLastWinExecError = 31;

// A radio group on which double-clicking a choice confirms the message as OK.
class TConfirmingRadioGroup : public TRadioGroupElement {
 public:
  using TRadioGroupElement::TRadioGroupElement;
  void Create(TShape& shape, int x, int y) override {
    shape_ = &shape;
    TRadioGroupElement::Create(shape, x, y);
  }
  bool OnCommand(int id, HWND control, int code) override {
    if (!TRadioGroupElement::OnCommand(id, control, code)) return false;
    if (code == BN_DOUBLECLICKED && shape_ != nullptr) {
      // The double-click's first click has chosen the button already.
      FromControls();
      shape_->EndShape(IDOK);
    }
    return true;
  }

 private:
  TShape* shape_ = nullptr;
};

enum TEndChoice : DWORD { kLogOff = 1, kShutDown = 2, kReboot = 3, kForce = 4 };

UINT ExitFlags(DWORD choice) {
  switch (choice) {
    case kLogOff: return EWX_LOGOFF;
    case kReboot: return EWX_REBOOT;
    case kForce: return EWX_SHUTDOWN | EWX_FORCE;
    default: return EWX_SHUTDOWN;
  }
}

TButtonSpec OkButton() { return {IDOK, "OK", "OK_ICON"}; }
TButtonSpec CancelButton() { return {IDCANCEL, "ｷｬﾝｾﾙ", "CANCEL_ICON"}; }

// The choice the user confirmed, or 0 when the message was not answered with OK.
DWORD AskEndChoice(const TWindow* owner) {
  auto row = MakeButtonRow(kDockBottom, {OkButton(), CancelButton()});
  auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
  auto icon = std::make_unique<TIconElement>(ModuleIcon(SystemFolder() + TString("SHELL32.DLL"), -136), nullptr);
  icon->SetDock(kDockLeft);
  icon->SetAlign(kAlignTop);
  group->Add(std::move(icon));
  auto column = MakeGroup(kDockLeft, kAlignTop, 0, 8);
  auto text = TTextElement::Message("次の方法で終了します。");
  text->SetDock(kDockTop);
  text->SetAlign(kAlignLeft);
  column->Add(std::move(text));
  auto choices = std::make_unique<TConfirmingRadioGroup>(TString(), static_cast<DWORD>(kShutDown));
  choices->SetDock(kDockTop);
  choices->SetAlign(kAlignLeft);
  choices->AddChoice(kLogOff, "ログオフする(&L&)");
  choices->AddChoice(kShutDown, "電源を切れる状態にする(&S&)");
  choices->AddChoice(kReboot, "再起動する(&R&)");
  choices->AddChoice(kForce, "強制終了(&F&)");
  TConfirmingRadioGroup* chosen = column->Add(std::move(choices));
  group->Add(std::move(column));
  const int result =
      MessageShapeTitled(owner, "ExitWindows", "Windows の終了", row.get(), group.get(), nullptr);
  return result == IDOK ? chosen->Value() : 0;
}

bool ConfirmForcedExit(const TWindow* owner) {
  auto row = MakeButtonRow(kDockBottom, {OkButton(), CancelButton()});
  auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
  group->AddShared(WarningIcon());
  group->Add(TTextElement::Message("強制終了を行うと、現在保存されていないデータは失われますが、よろしいですか？"));
  auto check = MakeStereotypeCheck("ForceExit");
  return MessageShapeTitled(owner, "ExitWindows_Warnning", "Windows の終了 - 強制終了", row.get(), group.get(),
                            check.get(), nullptr) == IDOK;
}

// Without this privilege ExitWindowsEx refuses to shut down or restart; a
// failure here shows as the exit call's own failure.
void EnableShutdownPrivilege() {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) return;
  TKernelHandle token(raw);
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) return;
  AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr);
}

}  // namespace

void SetExitWindowsCall(TExitWindowsCall call) { g_exitWindows = call != nullptr ? call : RealExitWindows; }
void SetStartProgramCall(TStartProgramCall call) { g_startProgram = call != nullptr ? call : RealStartProgram; }

void StartTaskManager(const TWindow* owner) {
  // Current systems have no "taskman" in the Windows folder: their task
  // manager is the system folder's "taskmgr.exe", the 64-bit one on 64-bit
  // Windows.
  const TString candidates[] = {WindowsFolder() + TString("taskman"), NativeSystemFolder() + TString("taskmgr.exe")};
  for (const TString& commandLine : candidates) {
    if (g_startProgram(commandLine.c_str(), SW_SHOW) > kLastWinExecError) return;
  }
  auto row = MakeButtonRow(kDockBottom, {OkButton()});
  auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
  group->AddShared(WarningIcon());
  group->Add(TTextElement::Message("タスクマネージャの起動に失敗しました。"));
  MessageShape(owner, "TaskManError", row.get(), group.get(), nullptr);
}

bool EndWindows(const TWindow* owner) {
  const DWORD choice = AskEndChoice(owner);
  if (choice == 0) return false;
  if (choice == kForce && !ConfirmForcedExit(owner)) return false;
  EnableShutdownPrivilege();
  return g_exitWindows(ExitFlags(choice), 0) != FALSE;
}
