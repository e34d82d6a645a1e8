#include <windows.h>

#include "framework/window/paint/ButtonPainting.h"

#include "framework/text/TString.h"
#include "framework/window/core/WindowUtils.h"
#include "framework/window/paint/BackgroundPicture.h"
#include "framework/window/paint/HaloText.h"

namespace {

constexpr int kIconSide = 16;
constexpr int kIconGap = 10;         // the icon starts this far left of the caption
constexpr int kIconShift = 8;        // and pushes the caption this far right
constexpr int kMarkSide = 13;        // check and radio marks
constexpr int kMarkCaption = 18;     // where a check box's caption starts
constexpr int kGroupCaption = 9;     // where a group box's caption starts
constexpr int kGroupEdgeDrop = 6;    // the group's frame starts this far down

// Selects an object into a device context and selects the previous one back.
class TSelection {
 public:
  TSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~TSelection() {
    if (previous_ != nullptr) SelectObject(dc_, previous_);
  }
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

HFONT ControlFont(HWND hwnd) {
  auto font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
  return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The button's small icon. The answer is bounded like a title query, so a
// window that stops answering never stalls painting; without one the class's.
HICON SmallIconOf(HWND hwnd) {
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutA(hwnd, WM_GETICON, ICON_SMALL, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, kTitleQueryTimeoutMs,
                          &answer) != 0 &&
      answer != 0) {
    return reinterpret_cast<HICON>(answer);
  }
  return reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICONSM));
}

SIZE MeasureCaption(HDC dc, const TString& caption) {
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  RECT box{0, 0, 0, 0};
  if (!caption.IsEmpty()) DrawTextA(dc, caption.c_str(), -1, &box, DT_CALCRECT | DT_SINGLELINE);
  const int height = box.bottom - box.top;
  return {box.right - box.left, height > 0 ? height : static_cast<int>(metrics.tmHeight)};
}

bool HalosWanted(HDC dc) { return !IsPaletteDisplay(dc); }

void DrawCaption(HDC dc, const TString& caption, int x, int y, SIZE size, bool enabled) {
  if (caption.IsEmpty()) return;
  const RECT box{x, y, x + size.cx, y + size.cy};
  DrawHaloCaption(dc, caption, box, DT_LEFT | DT_TOP | DT_SINGLELINE, GetSysColor(COLOR_WINDOWTEXT),
                  GetSysColor(COLOR_BTNFACE), enabled, HalosWanted(dc));
}

// The piece of the shape's poster under an unfocused push button, so that
// the button looks as if it were cut out of the dialog.
void DrawPosterUnder(HWND button, HDC dc, const RECT& area) {
  HWND parent = GetParent(button);
  if (parent == nullptr || GetPropA(parent, kShapeWindowProperty) == nullptr) return;
  if (IsPaletteDisplay(dc)) return;
  RECT client{};
  GetClientRect(parent, &client);
  HWND statusBar = FindWindowExA(parent, nullptr, "msctls_statusbar32", nullptr);
  if (statusBar != nullptr && IsWindowVisible(statusBar)) {
    RECT bar{};
    GetWindowRect(statusBar, &bar);
    client.bottom -= bar.bottom - bar.top;
  }
  MapWindowPoints(parent, button, reinterpret_cast<POINT*>(&client), 2);
  DrawBackgroundPiece(*ShapeBackground(), dc, client.left, client.top, client.right - client.left,
                      client.bottom - client.top, area.left, area.top, area.right - area.left,
                      area.bottom - area.top);
}

void DrawPushFrame(HDC dc, RECT edge, const TButtonLook& look) {
  if (look.pressed) {
    DrawEdge(dc, &edge, BDR_RAISEDOUTER, BF_RECT | BF_MONO);
    InflateRect(&edge, -1, -1);
    DrawEdge(dc, &edge, BDR_RAISEDOUTER, BF_RECT | BF_FLAT);
    return;
  }
  if (look.defaultFrame) {
    FrameRect(dc, &edge, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&edge, -1, -1);
  }
  DrawEdge(dc, &edge, BDR_RAISEDOUTER, BF_RECT);
  --edge.right;
  --edge.bottom;
  DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
  DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_TOPLEFT);
}

UINT MarkKind(LONG type, int checkState) {
  if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) return DFCS_BUTTONRADIO;
  // The three-state mark is the grey one, right only for the third state.
  if ((type == BS_3STATE || type == BS_AUTO3STATE) && checkState == BST_INDETERMINATE) return DFCS_BUTTON3STATE;
  return DFCS_BUTTONCHECK;
}

}  // namespace

void PaintButton(HWND button, HDC dc, const RECT& area, const TButtonLook& look) {
  TSelection font(dc, ControlFont(button));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const TString caption = OwnWindowText(button);
  const SIZE size = MeasureCaption(dc, caption);
  const LONG type = GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  int x = area.left;
  int y = area.top;

  if (type == BS_GROUPBOX) {
    RECT edge = area;
    edge.top += kGroupEdgeDrop;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    x += kGroupCaption;
    if (!caption.IsEmpty()) {
      const RECT strip{x - 2, area.top, x + size.cx + 2, area.top + size.cy};
      FillRect(dc, &strip, GetSysColorBrush(COLOR_BTNFACE));
    }
  } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    if (!look.focused) DrawPosterUnder(button, dc, area);
    x += (width - size.cx) / 2;
    y += (height - size.cy) / 2;
    if (look.pressed) {
      ++x;
      ++y;
    }
    DrawPushFrame(dc, area, look);
  } else {
    RECT mark{area.left, area.top + (height - kMarkSide) / 2, area.left + kMarkSide, 0};
    mark.bottom = mark.top + kMarkSide;
    UINT state = MarkKind(type, look.checkState);
    if (!look.enabled) state |= DFCS_INACTIVE;
    if (look.checkState != BST_UNCHECKED) state |= DFCS_CHECKED;
    if (look.pressed) state |= DFCS_PUSHED;
    DrawFrameControl(dc, &mark, DFC_BUTTON, state);
    x += kMarkCaption;
    y += (height - size.cy) / 2;
  }

  if (HICON icon = SmallIconOf(button)) {
    DrawStateA(dc, GetSysColorBrush(COLOR_BTNSHADOW), nullptr, reinterpret_cast<LPARAM>(icon), 0, x - kIconGap,
               y + (size.cy - kIconSide) / 2, kIconSide, kIconSide, DST_ICON | (look.enabled ? 0 : DSS_DISABLED));
    x += kIconShift;
  }
  DrawCaption(dc, caption, x, y, size, look.enabled);
  if (look.focused && look.focusCue && !caption.IsEmpty()) {
    const RECT around{x - 1, y - 1, x + size.cx + 1, y + size.cy + 2};
    DrawFocusRect(dc, &around);
  }
  SetBkMode(dc, oldMode);
}
