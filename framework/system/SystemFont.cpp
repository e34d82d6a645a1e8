#include <windows.h>

#include "framework/system/SystemFont.h"

namespace {

// The record as Windows 2000/XP define it; later systems accept it too, while
// the longer Vista record is refused by older ones.
constexpr UINT kNonClientMetricsSize = 340;
static_assert(sizeof(NONCLIENTMETRICSA) >= kNonClientMetricsSize,
              "NONCLIENTMETRICSA must hold the 340-byte record");

bool ReadSystemLogFont(int kind, LOGFONTA& font) {
  if (kind == kIconTitleFont) {
    return SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(font), &font, 0) != FALSE;
  }
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = kNonClientMetricsSize;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0)) {
    return false;
  }
  switch (kind) {
    case kCaptionFont: font = metrics.lfCaptionFont; return true;
    case kMenuFont: font = metrics.lfMenuFont; return true;
    case kMessageFont: font = metrics.lfMessageFont; return true;
    case kSmallCaptionFont: font = metrics.lfSmCaptionFont; return true;
    case kStatusFont: font = metrics.lfStatusFont; return true;
    default: return false;
  }
}

}  // namespace

TOwnedFont CreateSystemFont(int kind) {
  if (kind < kCaptionFont || kind > kStatusFont) return TOwnedFont();
  LOGFONTA font{};
  if (!ReadSystemLogFont(kind, font)) return TOwnedFont();
  return TOwnedFont(CreateFontIndirectA(&font));
}
