// messagedemo.exe: one message shape as the program shows them, for the
// screenshots. Prints the result code on exit.
//
//   messagedemo iconic       the question about a window that does not answer when stored
//   messagedemo restore      the same when it is given back
//   messagedemo overwrite    a warning with OK, Cancel and the don't-show-again box
//   messagedemo hotkey       the notice of a global key another program holds
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "app/emergency/Notices.h"
#include "app/keys/HotKeyField.h"
#include "app/storing/UnansweredWindowBoxes.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/core/Application.h"
#include "framework/window/dialogs/MessageShape.h"
#include "framework/window/elements/ControlElement.h"

int main(int argc, char** argv) {
  const char* kind = argc > 1 ? argv[1] : "iconic";
  CreateGlobalKeyLists(nullptr);
  // Untitled messages carry the application's name, as in the program.
  TApplicationInfo info;
  info.name = "Stowpane";
  SetApplicationInfo(info);
  int result = 0;
  if (std::strcmp(kind, "overwrite") == 0) {
    auto row = MakeButtonRow(kDockBottom, {{IDOK, "OK", "OK_ICON"}, {IDCANCEL, "ｷｬﾝｾﾙ", "CANCEL_ICON"}});
    auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
    group->AddShared(WarningIcon());
    group->Add(TTextElement::Message("ﾌｧｲﾙ \"C:\\ﾒﾓ\\予定.txt\" は既にあります。\n上書きしますか?"));
    auto check = MakeStereotypeCheck("ForceWrite_WhenExist");
    result = MessageShapeTitled(nullptr, "ForceWrite_WhenExist", "Stowpane", row.get(), group.get(), check.get(),
                                nullptr);
  } else if (std::strcmp(kind, "hotkey") == 0) {
    ShowHotKeyTakenNotice(nullptr, {HotKeyDisplayText(kDefaultStoreHotKey)});
  } else if (std::strcmp(kind, "restore") == 0) {
    result = AskRestoreAgain(nullptr);
  } else {
    result = AskStoreAgain(nullptr);
  }
  DestroyGlobalKeyLists();
  std::printf("%d\n", result);
  return result;
}
