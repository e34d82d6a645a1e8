#include <windows.h>

#include "framework/window/dialogs/OverwriteConfirm.h"

#include "framework/path/FileAge.h"
#include "framework/path/FileExists.h"
#include "framework/text/TStringOps.h"
#include "framework/window/dialogs/MessageShape.h"
#include "framework/window/elements/ControlElement.h"

namespace {

constexpr size_t kMessageBytes = 1024;
constexpr int kOk = 1;
constexpr int kCancel = 2;

// `text` holds one "%s" for the path; a path too long for the message is cut
// rather than overrunning it.
bool AskOverwrite(const TString& path, const TWindow* owner, const char* key, const char* text) {
  auto row = MakeButtonRow(kDockBottom, {{kOk, "OK", "OK_ICON"}, {kCancel, "ｷｬﾝｾﾙ", "CANCEL_ICON"}});
  auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
  group->AddShared(WarningIcon());
  group->Add(TTextElement::Message(FormatSized(kMessageBytes, text, path.c_str())));
  auto check = MakeStereotypeCheck(key);
  return MessageShape(owner, key, row.get(), group.get(), check.get(), nullptr) == kCancel;
}

}  // namespace

bool ConfirmOverwriteExisting(const TString& path, const TWindow* owner) {
  if (!FileExists(path)) return false;
  return AskOverwrite(path, owner, "ForceWrite_WhenExist",
                      "ﾌｧｲﾙ \"%s\" はすでに存在します。\r\n上書きしますか？");
}

bool ConfirmOverwriteOld(const TString& path, const TWindow* owner) {
  if (!FileUnchangedForAMonth(path)) return false;
  return AskOverwrite(path, owner, "ForceWrite_WhenElder",
                      "一ヶ月以上更新されてなかったﾌｧｲﾙ \"%s\" に上書きしようとしています。\r\n"
                      "処理を続けてもよろしいですか？");
}
