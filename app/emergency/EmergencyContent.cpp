#include <windows.h>

#include "app/emergency/EmergencyContent.h"

#include "app/Commands.h"
#include "framework/icons/IconFactories.h"
#include "framework/path/SystemFolders.h"
#include "framework/window/dialogs/MessageShape.h"
#include "framework/window/elements/ControlElement.h"
#include "framework/window/shapes/TShape.h"

namespace {

constexpr int kInformationStockIcon = 32516;  // IDI_INFORMATION

TIconSource* Shell32Icon(int index) { return ModuleIcon(SystemFolder() + TString("SHELL32.DLL"), index); }

}  // namespace

void AddEmergencyContent(TShape& shape) {
  auto button = MakeButtonRow(kDockBottom, {{kCommandExitWindows, "Windows の終了(&E)...", nullptr, true, -1,
                                             Shell32Icon(-28)}});
  auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
  group->AddShared(CureIcon());
  group->Add(TTextElement::Message(
      "タスクバーがダウンしました。\r\n\r\n"
      "このままでも支障なく作業を続けることが可能な場合もありますが、\r\n"
      "Windows の動作が不安定になっていることが考えられますので、\r\n"
      "早急に必要なデータを保存し、コンピュータを再起動することをお勧めします。"));
  shape.AddContent(std::move(button), std::move(group));
}

std::vector<std::unique_ptr<TIconMenu>> MakeEmergencyMenuIcons(HMENU bar) {
  std::vector<std::unique_ptr<TIconMenu>> menus;
  const std::vector<TIconMenuSpec> specs[] = {
      {ByCommand(kCommandCloseEmergency, OwnResourceIcon("CLOSE_ICON")),
       ByCommand(kCommandTaskManager, ModuleIcon(WindowsFolder() + TString("taskman.exe"), 0)),
       ByCommand(kCommandRunFile, Shell32Icon(-25)), ByCommand(kCommandExitWindows, Shell32Icon(-28))},
      {ByCommand(kCommandRestoreAll, OwnResourceIcon("ALLRESTORE_ICON"))},
      {ByCommand(kCommandHelp, ClassIcon("hlpfile")), ByCommand(kCommandVersion, StockIcon(kInformationStockIcon))},
  };
  for (int i = 0; i < 3; ++i) {
    HMENU popup = GetSubMenu(bar, i);
    if (popup == nullptr) continue;
    menus.push_back(MakeIconMenu(popup, specs[i]));
    AttachIconMenu(*menus.back());
  }
  return menus;
}
