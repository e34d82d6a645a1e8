#pragma once
// How the transparent buttons of a shape look: group boxes, check boxes and
// radio buttons painted over the shape's background without a box of their
// own, and push buttons with a 16 x 16 icon before the caption and the black
// frame of the button that Enter would press.
#include <windows.h>

struct TButtonLook {
  bool enabled = true;
  int checkState = BST_UNCHECKED;  // BM_GETCHECK's answer
  bool focused = false;
  bool pressed = false;
  // Push buttons only: whether the black default frame is drawn.
  bool defaultFrame = false;
  // Whether a focus rectangle may be shown (the keyboard cues are on).
  bool focusCue = true;
};

// Paints `button` (its style decides the kind) into `area` of `dc`.
void PaintButton(HWND button, HDC dc, const RECT& area, const TButtonLook& look);
