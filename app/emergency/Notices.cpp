#include <windows.h>

#include "app/emergency/Notices.h"

#include "framework/window/dialogs/MessageShape.h"
#include "framework/window/elements/ControlElement.h"

namespace {

// An information notice with OK and the box named `checkName`.
void ShowNotice(const TWindow* owner, const char* key, const char* checkName, const TString& text) {
  auto row = MakeButtonRow(kDockBottom, {{IDOK, "OK", "OK_ICON"}});
  auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
  group->AddShared(InformationIcon());
  group->Add(TTextElement::Message(text));
  auto check = MakeStereotypeCheck(checkName);
  MessageShape(owner, key, row.get(), group.get(), check.get(), nullptr);
}

}  // namespace

void ShowStandbyNotice(const TWindow* owner, bool on) {
  if (on) {
    ShowNotice(owner, "StandbyCure", "OnStandbyCure",
               "タスクバーがダウンしたときに「応急モード」に切り替える設定が行われました。");
  } else {
    ShowNotice(owner, "StandbyCure", "OffStandbyCure",
               "タスクバーがダウンしたときに「応急モード」に切り替える設定が解除されました。");
  }
}

void ShowRegisterNotice(const TWindow* owner) {
  ShowNotice(owner, "Register", "Register",
             "ｼｽﾃﾑ起動時にStowpaneを起動する設定を行いました。\r\n"
             "（解除するにはﾀｽｸﾄﾚｲ上のこのｱﾌﾟﾘｹｰｼｮﾝのｱｲｺﾝをｸﾘｯｸして現れる\r\n"
             "　ﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰの「終了」を選択してください。）");
}

void ShowUnregisterNotice(const TWindow* owner, const TString& programPath) {
  ShowNotice(owner, "Unregister", "Unregister",
             TString("ｼｽﾃﾑ起動時にStowpaneを起動する設定を解除します。\r\n（再び \"") + programPath +
                 TString("\" を実行すれば再設定されます。）"));
}

void ShowHotKeyTakenNotice(const TWindow* owner, const std::vector<TString>& keys) {
  TString named;
  for (const TString& key : keys) named = named + TString("「") + key + TString("」");
  ShowNotice(owner, "HotKeyTaken", "HotKeyTaken",
             TString("ﾎｯﾄｷｰ") + named + TString("はほかのﾌﾟﾛｸﾞﾗﾑが使っているため、使えません。\r\n") +
                 TString("（自動ｱｲｺﾝ化設定で別のｷｰに変えるか、なしにしてください。）"));
}
