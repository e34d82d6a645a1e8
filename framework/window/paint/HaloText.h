#pragma once
// Texts painted straight onto a shape's background. Where the shape paints
// its poster (every display that is not palette-based), a text is first
// drawn in the background colour around itself, a halo up to two pixels
// wide, so that it stays readable wherever it crosses the picture. A disabled
// text takes the platform's embossed look: a highlight copy one pixel down
// and right under a shadow-coloured copy. The background is never filled.
#include <windows.h>

#include "framework/text/TString.h"

// A text line by line with TabbedTextOutA (tabs expand from `x`), in the
// font selected into `dc`; an empty line still takes a line's height.
void DrawHaloText(HDC dc, const TString& text, int x, int y, COLORREF colour, COLORREF halo, bool enabled,
                  bool halos);

// A caption laid out by DrawTextA with `format` in `box` (the ampersand
// underlines its letter unless DT_NOPREFIX), with the same halo and emboss.
void DrawHaloCaption(HDC dc, const TString& caption, const RECT& box, UINT format, COLORREF colour, COLORREF halo,
                     bool enabled, bool halos);
