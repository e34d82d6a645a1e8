#include <windows.h>
#include <shellapi.h>

#include "app/emergency/RunFileDialog.h"

#include <memory>

#include "framework/icons/IconFactories.h"
#include "framework/path/SystemFolders.h"
#include "framework/path/pure/CommandLine.h"
#include "framework/system/Wow64.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/text/TStringOps.h"
#include "framework/window/core/TWindow.h"
#include "framework/window/dialogs/MessageShape.h"
#include "framework/window/dialogs/NamePicker.h"
#include "framework/window/elements/ControlElement.h"
#include "framework/window/shapes/TShape.h"

namespace {

constexpr int kPickerId = 416;
constexpr int kHistoryLimit = 20;
// Three (description, pattern) pairs and the closing empty string.
constexpr char kFilter[] =
    "ﾌﾟﾛｸﾞﾗﾑﾌｧｲﾙ {*.exe}\0*.exe\0ﾊﾞｯﾁﾌｧｲﾙ {*.bat}\0*.bat\0すべてのﾌｧｲﾙ {*.*}\0*.*\0";

bool RunWithSystem(const TString& text, const TWindow* owner) {
  {
    // A system tool typed by name is the system's own, the 64-bit one on
    // 64-bit Windows; the shell below loads libraries, so not for it.
    TNativeFileNames native;
    if (WinExec(text.c_str(), SW_SHOW) >= 32) return true;
  }
  // The shell opens documents, folders and addresses; it wants the name
  // without the quotes a program line may carry.
  const HINSTANCE result = ShellExecuteA(owner != nullptr ? owner->Handle() : nullptr, "open",
                                         StripQuotes(text).c_str(), nullptr, nullptr, SW_SHOW);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

TRunCall g_run = RunWithSystem;

// The text is run, and remembered, as the message closes with OK: the
// picker still has its window then.
class TRunFilePicker : public TFileNamePicker {
 public:
  TRunFilePicker(const TRegKeyList& keys, const TWindow* owner)
      : TFileNamePicker(kPickerId, TString(), kFilter, sizeof kFilter, "exe", "ﾌｧｲﾙの参照...", "CureExecuteTop",
                        "CureExecuteList"),
        keys_(keys),
        owner_(owner) {}

  void OnClose(TShape& shape) override {
    TFileNamePicker::OnClose(shape);
    if (shape.Result() != IDOK) return;
    const TString text = Trim(Text());
    SetText(text);
    // A text that started nothing is not remembered: the history keeps what
    // worked, and the next opening does not offer the mistake again.
    if (text.IsEmpty() || !g_run(text, owner_)) return;
    AddToHistory(&text, kHistoryLimit);
    Save(keys_);
  }

 protected:
  // A program line shows its program's icon, not that of a file "x.exe" /a".
  TIconSource* IconFor(const TString& text) override { return TFileNamePicker::IconFor(NamedFile(text)); }

 private:
  const TRegKeyList& keys_;
  const TWindow* owner_;
};

}  // namespace

void SetRunCall(TRunCall call) { g_run = call != nullptr ? call : RunWithSystem; }

void RunFileByName(const TWindow* owner) {
  TRegKeyList keys(ApplicationKeys());
  keys.Create();
  TRunFilePicker picker(keys, owner);
  picker.Load(keys);
  auto row = MakeButtonRow(kDockBottom, {{IDOK, "OK", "OK_ICON"}, {IDCANCEL, "ｷｬﾝｾﾙ", "CANCEL_ICON"}});
  auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
  group->Add(std::make_unique<TIconElement>(ModuleIcon(SystemFolder() + TString("SHELL32.DLL"), -160), nullptr));
  group->Add(TTextElement::Message(
      "開きたいﾌﾟﾛｸﾞﾗﾑ、ﾌｫﾙﾀﾞ、ﾄﾞｷｭﾒﾝﾄ、またはｲﾝﾀｰﾈｯﾄﾘｿｰｽの名前を入力してください。"));
  picker.SetDock(kDockTop);
  MessageShapeTitled(owner, "ExecuteFile", "ﾌｧｲﾙ名を指定して実行", row.get(), group.get(), &picker, nullptr);
  keys.Close();
}
