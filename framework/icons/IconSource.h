#pragma once
// One interface for every place an icon can come from: the program's own
// resources, stock icons, icon files, other modules, the shell. A source keeps
// the icons it hands out from GetIcon and destroys them with itself; what
// CreateIcon returns belongs to the caller. Either call defers to a fallback
// source when this one has nothing, so chains end in a stock icon.
#include <windows.h>

#include "framework/base/Owners.h"

// The kinds GetIcon serves. Only module icons serve the last two; every other
// source passes them to its fallback.
constexpr int kSmallIcon = 0;        // 16 x 16
constexpr int kLargeIcon = 1;        // 32 x 32
constexpr int kDefaultSizeIcon = 2;  // the system's icon size (LR_DEFAULTSIZE)
constexpr int kOwnSizeIcon = 3;      // the image's own size
constexpr int kIconKindCount = 4;

inline bool IsSmallOrLargeKind(int kind) { return kind == kSmallIcon || kind == kLargeIcon; }
inline bool IsIconKind(int kind) { return kind >= 0 && kind < kIconKindCount; }
// Width and height asked of the loader for `kind` (0 lets the flags decide).
int IconKindSize(int kind);
// The image-loading flags for `kind`.
UINT IconKindFlags(int kind);

// CopyImage of an icon at `width` x `height` (0 keeps the icon's own size);
// empty when there is nothing to copy or the copy fails.
inline TIconHandle CopyIconSized(HICON icon, int width, int height) {
  if (icon == nullptr) return TIconHandle();
  return TIconHandle(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, 0)));
}

class TIconSource {
 public:
  TIconSource() = default;
  virtual ~TIconSource() = default;
  TIconSource(const TIconSource&) = delete;
  TIconSource& operator=(const TIconSource&) = delete;

  // An icon this source keeps (never destroy it); when it has none, the
  // fallback's icon of the same kind; null without a fallback.
  virtual HICON GetIcon(int kind, TIconSource* fallback = nullptr) = 0;
  // A new icon of any size that the caller owns. The base copies the small
  // icon for up to 256 pixels and the large one above, else asks the fallback.
  virtual TIconHandle CreateIcon(int width, int height, TIconSource* fallback = nullptr);

 protected:
  static HICON FallbackIcon(int kind, TIconSource* fallback) {
    return fallback != nullptr ? fallback->GetIcon(kind, nullptr) : nullptr;
  }
};
