// shapedemo.exe: one shape built from elements, as the screenshots show it:
// a group with an icon and a text, a check box, and a row of two buttons
// whose keywords compete for the letter R; the emergency window's menu bar
// with menu help in the status bar. Runs until it is closed.
//
//   shapedemo [/seconds:N]    closes itself after N seconds (default: never)
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/shapes/TShape.h"
#include "resources/ResourceIds.h"
#include "tests/support/DemoElements.h"

namespace {

class TDemoShape : public TShape {
 public:
  explicit TDemoShape(UINT seconds) : TShape(nullptr, "ｼｪｲﾌﾟの見本"), seconds_(seconds) {}
  void OnInitialize() override {
    if (seconds_ != 0) SetTimer(Handle(), 1, seconds_ * 1000, nullptr);
  }
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_TIMER && wParam == 1) {
      PostMessageA(Handle(), WM_CLOSE, 0, 0);
      return 0;
    }
    return TShape::WndProc(msg, wParam, lParam);
  }
  LRESULT OnCommand(int id, HWND control, int code) override {
    if (id == IDOK || id == IDCANCEL) {
      EndShape(id);
      return 0;
    }
    return TShape::OnCommand(id, control, code);
  }

 private:
  UINT seconds_;
};

}  // namespace

int main(int argc, char** argv) {
  UINT seconds = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "/seconds:", 9) == 0) seconds = static_cast<UINT>(std::atoi(argv[i] + 9));
  }
  CreateGlobalKeyLists(nullptr);
  HMENU menuBar = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_EMERGENCY_MENU));
  {
    TDemoShape shape(seconds);
    shape.SetMenu(menuBar);
    shape.SetStatusBar(-1);
    shape.SetPlacementName("ShapeDemo");

    auto message = MakeGroup(kDockTop, kAlignLeft, 12, 0, std::make_unique<TDemoIcon>(IDI_INFORMATION),
                             DemoText("ｳｨﾝﾄﾞｳ「メモ帳」が応答しません。\n再試行しますか?"));
    message->Child(0).SetAlign(kAlignTop);
    message->SetCaption("応答のないｳｨﾝﾄﾞｳ(&WINDOW&)");
    auto check = DemoCheckBox("次回からこのﾒｯｾｰｼﾞを表示しない(&WITHOUTSTEREOTYPEMESSAGE&)");
    check->SetDock(kDockTop);
    auto buttons = MakeGroup(kDockBottom, kAlignRight, 8, 0, DemoButton("再試行(&RETRY&)", IDOK),
                             DemoButton("更新(&RENEW&)", IDCANCEL));
    shape.AddContent(std::move(message), std::move(check), std::move(buttons));
    shape.Run();
  }
  // The menu bar went with its window.
  DestroyGlobalKeyLists();
  return 0;
}
