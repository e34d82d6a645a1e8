#include <windows.h>

#include "framework/window/core/DisplayText.h"

#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/system/SystemQueries.h"
#include "framework/text/WidthConversion.h"
#include "framework/window/core/pure/QuotedRuns.h"

namespace {

enum class TKanaChoice { Undecided, HalfWidth, FullWidth };
TKanaChoice g_choice = TKanaChoice::Undecided;

DWORD ReadFontStyle() {
  DWORD fontStyle = 0;
  TRegSection view(LibraryKeys(), "View");
  TRegDword value(view.Keys(), "FontStyle");
  if (value.Exists()) value.Read(fontStyle);
  return fontStyle;
}

TKanaChoice Decide() {
  const DWORD fontStyle = ReadFontStyle();
  // The taskbar is looked at only when the setting leaves the choice open.
  const bool rebar = fontStyle == 0 && HasRebarTaskbar();
  return DisplayFullWidthKana(fontStyle, rebar) ? TKanaChoice::FullWidth : TKanaChoice::HalfWidth;
}

}  // namespace

bool DisplayFullWidthKana(unsigned long fontStyle, bool rebarTaskbar) {
  if (fontStyle == 1) return false;
  if (fontStyle != 0) return true;
  return rebarTaskbar;
}

void ResetDisplayTextChoice() { g_choice = TKanaChoice::Undecided; }

TString ToDisplayText(const TString& text) {
  if (g_choice == TKanaChoice::Undecided) g_choice = Decide();
  if (g_choice == TKanaChoice::FullWidth) {
    return ConvertOutsideQuotes(text, [](const TString& run) { return ToFullWidth(run, kWidthKana); });
  }
  return ConvertOutsideQuotes(text, [](const TString& run) { return ToHalfWidth(run, kWidthKana); });
}
