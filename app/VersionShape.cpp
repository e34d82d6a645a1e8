#include <windows.h>

#include "app/VersionShape.h"

#include <memory>
#include <vector>

#include "app/AppState.h"
#include "framework/icons/IconFactories.h"
#include "framework/text/TStringOps.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/dialogs/MessageShape.h"
#include "framework/window/elements/ControlElement.h"
#include "framework/window/shapes/TShape.h"

namespace {

constexpr char kVersionTitle[] = "Stowpane ﾊﾞｰｼﾞｮﾝ情報";

// "3.0.0.0" from the fixed part of the program's version record; empty when
// it has none.
TString ProgramVersion() {
  char path[MAX_PATH] = {};
  if (GetModuleFileNameA(nullptr, path, MAX_PATH) == 0) return TString();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  if (size == 0) return TString();
  std::vector<char> record(size);
  if (!GetFileVersionInfoA(path, 0, size, record.data())) return TString();
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(record.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || fixed == nullptr ||
      length < sizeof(VS_FIXEDFILEINFO)) {
    return TString();
  }
  return Format("%u.%u.%u.%u", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS));
}

}  // namespace

void ShowVersionWindow(const TWindow& owner) {
  HWND open = FindWindowA(TShape::kClassName, ToDisplayText(kVersionTitle).c_str());
  if (open != nullptr) {
    ShowWindow(open, SW_RESTORE);
    SetForegroundWindow(open);
    return;
  }
  TShape shape(owner.Handle(), kVersionTitle);
  shape.SetPlacementName("VersionShape");
  const TString version = ProgramVersion();
  auto text = MakeGroup(kDockTop, kAlignLeft, 0, 6);
  for (const TString& line : {TString(kApplicationName),
                              version.IsEmpty() ? TString("ﾊﾞｰｼﾞｮﾝ不明") : TString("ﾊﾞｰｼﾞｮﾝ ") + version,
                              TString("ほかのﾌﾟﾛｸﾞﾗﾑのｳｨﾝﾄﾞｳをﾀｽｸﾄﾚｲにしまいます。")}) {
    auto element = std::make_unique<TTextElement>(line);
    element->SetDock(kDockTop);
    text->Add(std::move(element));
  }
  auto about = MakeGroup(kDockTop, kAlignLeft, 12, 0,
                         std::make_unique<TIconElement>(OwnResourceIcon("APPLICATION_ICON"),
                                                        nullptr),
                         std::move(text));
  shape.AddContent(std::move(about), MakeButtonRow(kDockBottom, {{IDOK, "OK", "OK_ICON"}}));
  shape.Run();
}
