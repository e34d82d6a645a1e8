#include <windows.h>

#include "app/storing/UnansweredWindowBoxes.h"

#include "app/AppState.h"
#include "framework/window/dialogs/MessageShape.h"
#include "framework/window/elements/ControlElement.h"

int AskStoreAgain(const TWindow* owner) {
  auto row = MakeButtonRow(kDockBottom, {{kAnswerRetry, "再試行(&RETRY&)", "RENEW_ICON"},
                                         {kAnswerCancel, "ｷｬﾝｾﾙ", "CANCEL_ICON"}});
  auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
  group->AddShared(ErrorIcon());
  group->Add(TTextElement::Message("格納しようとしたウィンドウが応答しません。"));
  return MessageShape(owner, "IconicError", row.get(), group.get(), nullptr);
}

int AskRestoreAgain(const TWindow* owner) {
  auto row = MakeButtonRow(kDockBottom, {{kAnswerRetry, "再試行(&RETRY&)", nullptr},
                                         {kAnswerStop, "中断(&STOP&)", nullptr}});
  auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
  group->AddShared(ErrorIcon());
  group->Add(TTextElement::Message("元に戻そうとしたウィンドウが応答しません。"));
  return MessageShapeTitled(owner, "RestoreWindow", kApplicationName, row.get(), group.get(), nullptr);
}
