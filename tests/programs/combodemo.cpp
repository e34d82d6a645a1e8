// combodemo.exe: a shape with two drop-down fields of file names, each entry
// with the file's icon, as the screenshot shows them. Files dropped on a
// field come into its edit.
//
//   combodemo [/seconds:N] [/open]   closes itself after N seconds (default:
//                                    never); /open opens the first field's
//                                    list once the shape shows
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "framework/icons/IconFactories.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/dropdown/ComboElement.h"
#include "framework/window/elements/ControlElement.h"
#include "framework/window/shapes/TShape.h"
#include "tests/support/DemoElements.h"

namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT_PTR kOpenTimer = 2;

class TFileCombo : public TOwnerDrawComboboxElement {
 public:
  using TOwnerDrawComboboxElement::TOwnerDrawComboboxElement;

 protected:
  TIconSource* IconFor(const TString& text) override { return text.IsEmpty() ? nullptr : FileIcon(text); }
};

std::unique_ptr<TFileCombo> FileCombo(std::initializer_list<const char*> files, const char* current) {
  auto combo = std::make_unique<TFileCombo>(300, 150);
  // Added oldest first: the history's top is the last one added.
  for (auto it = std::rbegin(files); it != std::rend(files); ++it) {
    const TString file(*it);
    combo->AddToHistory(&file, kNoHistoryLimit);
  }
  combo->SetCurrent(current);
  combo->SetDock(kDockTop);
  return combo;
}

class TDemoShape : public TShape {
 public:
  TDemoShape(UINT seconds, bool open) : TShape(nullptr, "ﾄﾞﾛｯﾌﾟﾀﾞｳﾝの見本"), seconds_(seconds), open_(open) {}
  TFileCombo* first = nullptr;
  void OnInitialize() override {
    if (seconds_ != 0) SetTimer(Handle(), kCloseTimer, seconds_ * 1000, nullptr);
    if (open_) SetTimer(Handle(), kOpenTimer, 300, nullptr);
  }
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_TIMER && wParam == kCloseTimer) {
      PostMessageA(Handle(), WM_CLOSE, 0, 0);
      return 0;
    }
    if (msg == WM_TIMER && wParam == kOpenTimer) {
      KillTimer(Handle(), kOpenTimer);
      if (first != nullptr) {
        SetFocus(first->Edit());
        first->ToggleList();
      }
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
  bool open_;
};

}  // namespace

int main(int argc, char** argv) {
  UINT seconds = 0;
  bool open = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "/seconds:", 9) == 0) seconds = static_cast<UINT>(std::atoi(argv[i] + 9));
    if (std::strcmp(argv[i], "/open") == 0) open = true;
  }
  CreateGlobalKeyLists(nullptr);
  {
    TDemoShape shape(seconds, open);
    auto first = FileCombo({"C:\\windows\\notepad.exe", "C:\\windows\\regedit.exe", "C:\\windows\\win.ini",
                            "C:\\windows\\system32\\calc.exe", "C:\\windows\\system32", "C:\\windows\\winhlp32.exe",
                            "C:\\windows\\explorer.exe"},
                           "C:\\windows\\notepad.exe");
    shape.first = first.get();
    auto second = FileCombo({"C:\\windows\\system.ini", "C:\\windows\\hh.exe"}, "");
    auto label = std::make_unique<TTextElement>("起動するﾌｧｲﾙ:");
    label->SetDock(kDockTop);
    auto label2 = std::make_unique<TTextElement>("作業ﾌｫﾙﾀﾞ:");
    label2->SetDock(kDockTop);
    auto fields = MakeGroup(kDockTop, kAlignLeft, 0, 4, std::move(label), std::move(first), std::move(label2),
                            std::move(second));
    auto buttons = MakeGroup(kDockBottom, kAlignRight, 8, 0, DemoButton("OK", IDOK), DemoButton("ｷｬﾝｾﾙ", IDCANCEL));
    shape.AddContent(std::move(fields), std::move(buttons));
    shape.Run();
  }
  DestroyGlobalKeyLists();
  return 0;
}
