// messagedemo.exe: one message shape as the program shows them, for the
// screenshots. Prints the result code on exit.
//
//   messagedemo iconic       an error with Retry and Cancel
//   messagedemo overwrite    a warning with OK, Cancel and the don't-show-again box
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/ControlElement.h"
#include "framework/window/MessageShape.h"

int main(int argc, char** argv) {
  const bool overwrite = argc > 1 && std::strcmp(argv[1], "overwrite") == 0;
  CreateGlobalKeyLists(nullptr);
  int result = 0;
  if (overwrite) {
    auto row = MakeButtonRow(kDockBottom, {{IDOK, "OK", "OK_ICON"}, {IDCANCEL, "ｷｬﾝｾﾙ", "CANCEL_ICON"}});
    auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
    group->AddShared(WarningIcon());
    group->Add(TTextElement::Message("ﾌｧｲﾙ \"C:\\ﾒﾓ\\予定.txt\" は既にあります。\n上書きしますか?"));
    auto check = MakeStereotypeCheck("ForceWrite_WhenExist");
    result = MessageShapeTitled(nullptr, "ForceWrite_WhenExist", "Stowpane", row.get(), group.get(), check.get(),
                                nullptr);
  } else {
    auto row = MakeButtonRow(kDockBottom, {{IDRETRY, "再試行(&RETRY&)", "RENEW_ICON"}, {IDCANCEL, "ｷｬﾝｾﾙ", "CANCEL_ICON"}});
    auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
    group->AddShared(ErrorIcon());
    group->Add(TTextElement::Message("ｳｨﾝﾄﾞｳ \"無題 - メモ帳\" が応答しないため、ｱｲｺﾝ化できません。\n"
                                     "しばらく待ってから再試行してください。"));
    result = MessageShapeTitled(nullptr, "IconicError", "Stowpane", row.get(), group.get(), nullptr);
  }
  DestroyGlobalKeyLists();
  std::printf("%d\n", result);
  return result;
}
