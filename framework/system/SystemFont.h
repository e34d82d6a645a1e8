#pragma once
// New fonts made from the user's current system font settings.
#include "framework/base/Owners.h"

enum SystemFontKind : int {
  kCaptionFont = 0,
  kIconTitleFont = 1,
  kMenuFont = 2,
  kMessageFont = 3,
  kSmallCaptionFont = 4,
  kStatusFont = 5,
};

// A new font of the given kind (0-5, see SystemFontKind) that the returned
// object owns; an empty object for any other kind or when the system does not
// answer.
TOwnedFont CreateSystemFont(int kind);
