#include <windows.h>

#include "framework/window/paint/HaloText.h"

#include <string>
#include <vector>

#include "framework/window/paint/pure/TextLines.h"

namespace {

// Every neighbour one pixel away and the four two pixels straight out: a
// rounded halo, without the square corners that would show on the picture.
constexpr POINT kHaloOffsets[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0},  {-1, 1},
                                  {0, 1},   {1, 1},  {-2, 0}, {2, 0},  {0, -2}, {0, 2}};

// The text modes this module sets, given back when it is done.
class TTextModes {
 public:
  explicit TTextModes(HDC dc)
      : dc_(dc), mode_(SetBkMode(dc, TRANSPARENT)), colour_(GetTextColor(dc)) {}
  ~TTextModes() {
    SetTextColor(dc_, colour_);
    SetBkMode(dc_, mode_);
  }
  TTextModes(const TTextModes&) = delete;
  TTextModes& operator=(const TTextModes&) = delete;

 private:
  HDC dc_;
  int mode_;
  COLORREF colour_;
};

// Draws one copy of the text at (x, y) in `colour`.
using TDrawCopy = void (*)(HDC dc, const void* what, int x, int y);

void DrawLooks(HDC dc, const void* what, TDrawCopy draw, int x, int y, COLORREF colour, COLORREF halo,
               bool enabled, bool halos) {
  TTextModes modes(dc);
  if (halos) {
    SetTextColor(dc, halo);
    for (const POINT& offset : kHaloOffsets) draw(dc, what, x + offset.x, y + offset.y);
  }
  if (enabled) {
    SetTextColor(dc, colour);
    draw(dc, what, x, y);
    return;
  }
  SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  draw(dc, what, x + 1, y + 1);
  SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  draw(dc, what, x, y);
}

void DrawLines(HDC dc, const void* what, int x, int y) {
  const auto& lines = *static_cast<const std::vector<std::string>*>(what);
  for (const std::string& line : lines) {
    // An empty line is one space, so that it still moves the next one down.
    const std::string shown = line.empty() ? std::string(" ") : line;
    const DWORD extent = TabbedTextOutA(dc, x, y, shown.c_str(), static_cast<int>(shown.size()), 0, nullptr, x);
    y += HIWORD(extent);
  }
}

struct TCaptionDraw {
  const TString* caption;
  RECT box;
  UINT format;
};

void DrawCaptionCopy(HDC dc, const void* what, int x, int y) {
  const auto& draw = *static_cast<const TCaptionDraw*>(what);
  RECT box = draw.box;
  OffsetRect(&box, x, y);
  DrawTextA(dc, draw.caption->c_str(), -1, &box, draw.format);
}

}  // namespace

void DrawHaloText(HDC dc, const TString& text, int x, int y, COLORREF colour, COLORREF halo, bool enabled,
                  bool halos) {
  const std::vector<std::string> lines = SplitTextLines(text);
  DrawLooks(dc, &lines, DrawLines, x, y, colour, halo, enabled, halos);
}

void DrawHaloCaption(HDC dc, const TString& caption, const RECT& box, UINT format, COLORREF colour, COLORREF halo,
                     bool enabled, bool halos) {
  // The halo and the emboss reach outside the box.
  const TCaptionDraw draw{&caption, box, format | DT_NOCLIP};
  DrawLooks(dc, &draw, DrawCaptionCopy, 0, 0, colour, halo, enabled, halos);
}
