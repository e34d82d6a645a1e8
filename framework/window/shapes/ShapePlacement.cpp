#include <windows.h>

// Where a shape opens: its remembered placement, the centre of the screen or
// the mouse cursor, and the client size its content asks for. The arithmetic
// is in pure/Placement.h; this file reads the screen and applies the result.
#include <vector>

#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/text/TByteBuffer.h"
#include "framework/window/core/WindowUtils.h"
#include "framework/window/shapes/TShape.h"
#include "framework/window/shapes/pure/Placement.h"

namespace {

constexpr int kWorkAreaMargin = 10;

TRectangle FromRect(const RECT& rect) { return TRectangle{rect.left, rect.top, rect.right, rect.bottom}; }
RECT ToRect(const TRectangle& rectangle) {
  return RECT{rectangle.left, rectangle.top, rectangle.right, rectangle.bottom};
}

TRectangle WorkArea() {
  RECT work{};
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) GetWindowRect(GetDesktopWindow(), &work);
  return FromRect(work);
}

TRectangle Screen() {
  RECT screen{};
  GetWindowRect(GetDesktopWindow(), &screen);
  return FromRect(screen);
}

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info)) {
    reinterpret_cast<std::vector<TMonitorAreas>*>(list)->push_back({FromRect(info.rcMonitor), FromRect(info.rcWork)});
  }
  return TRUE;
}

std::vector<TMonitorAreas> Monitors() {
  std::vector<TMonitorAreas> monitors;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

// Where a placement's normal rectangle has its origin (see WorkspaceToScreen).
TPoint WorkspaceOrigin(HWND window) {
  if ((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0) return TPoint{};
  const TRectangle primaryWork = WorkArea();
  return TPoint{primaryWork.left, primaryWork.top};
}

void MoveWindowTo(HWND window, const TRectangle& rectangle) {
  SetWindowPos(window, nullptr, rectangle.left, rectangle.top, rectangle.Width(), rectangle.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// Rectangles of the other top-level windows of the same class, for cascading.
std::vector<TRectangle> SameClassRectangles(HWND self) {
  std::vector<TRectangle> rectangles;
  const TString className = ClassNameOf(self);
  for (HWND window : CollectWindowsOf(nullptr, className.c_str(), nullptr)) {
    if (window == self) continue;
    RECT rect{};
    if (GetWindowRect(window, &rect)) rectangles.push_back(FromRect(rect));
  }
  return rectangles;
}

bool IsMenuItemChecked(HMENU menu, UINT command) {
  if (menu == nullptr) return false;
  const UINT state = GetMenuState(menu, command, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

}  // namespace

TRectangle TShape::WindowRectangle() const {
  RECT rect{};
  if (handle_ != nullptr) GetWindowRect(handle_, &rect);
  return FromRect(rect);
}

bool TShape::SavePlacement() {
  if (placementName_.IsEmpty() || handle_ == nullptr || !IsWindow(handle_)) return false;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(handle_, &placement)) return false;
  TPlacementRecord record;
  record.flags = placement.flags;
  record.showCommand = placement.showCmd;
  record.minX = placement.ptMinPosition.x;
  record.minY = placement.ptMinPosition.y;
  record.maxX = placement.ptMaxPosition.x;
  record.maxY = placement.ptMaxPosition.y;
  record.normal = FromRect(placement.rcNormalPosition);
  record.style = static_cast<uint32_t>(GetWindowLongA(handle_, GWL_STYLE));
  record.exStyle = static_cast<uint32_t>(GetWindowLongA(handle_, GWL_EXSTYLE));
  record.positionMode = IsMenuItemChecked(positionMenu_, kCentreCommand)     ? kPositionCentre
                        : IsMenuItemChecked(positionMenu_, kAtCursorCommand) ? kPositionCursor
                                                                             : kPositionHere;
  const std::vector<uint8_t> bytes = PlacementRecordBytes(record);
  const TByteBuffer value(bytes.data(), bytes.size());
  if (placementKeys_ != nullptr) return TRegBinary(*placementKeys_, placementName_).Write(value) == ERROR_SUCCESS;
  TRegSection section = OpenSection(ApplicationKeys(), "Serialize");
  return TRegBinary(section.Keys(), placementName_).Write(value) == ERROR_SUCCESS;
}

bool TShape::RestorePlacement() {
  if (placementName_.IsEmpty() || handle_ == nullptr) return false;
  if (positionMenu_ != nullptr) {
    for (UINT command : {kCentreCommand, kAtCursorCommand, kThisPositionCommand}) {
      EnableMenuItem(positionMenu_, command, MF_BYCOMMAND | MF_ENABLED);
    }
  }
  CheckPositionCommand(kThisPositionCommand);
  // Shift opens the shape where it would open the first time.
  if ((GetKeyState(VK_SHIFT) & 0x8000) != 0) return false;

  TByteBuffer bytes;
  if (placementKeys_ != nullptr) {
    TRegBinary(*placementKeys_, placementName_).Read(bytes);
  } else {
    TRegSection section = OpenSection(ApplicationKeys(), "Serialize");
    TRegBinary(section.Keys(), placementName_).Read(bytes);
  }
  TPlacementRecord record;
  if (!ParsePlacementRecord(bytes.Data(), bytes.Size(), record)) return false;

  // From here on everything is in screen coordinates, the saved rectangle
  // and the monitors and windows it is fitted among alike.
  const TPoint origin = WorkspaceOrigin(handle_);
  TRectangle rectangle = WorkspaceToScreen(record.normal, origin);
  const TRectangle current = WindowRectangle();
  const LONG style = GetWindowLongA(handle_, GWL_STYLE);
  if ((style & WS_THICKFRAME) == 0 && current != rectangle) {
    rectangle = KeepCurrentSize(rectangle, current.Width(), current.Height());
  }
  if (record.positionMode == kPositionCentre) {
    rectangle = CentredOn(rectangle, Screen());
    CheckPositionCommand(kCentreCommand);
  } else if (record.positionMode == kPositionCursor) {
    POINT cursor{};
    GetCursorPos(&cursor);
    rectangle = AtCursor(rectangle, cursor.x, cursor.y, Screen());
    CheckPositionCommand(kAtCursorCommand);
  }
  // Onto the monitor it was saved on, or the nearest one left.
  const TRectangle work = NearestWorkArea(rectangle, Monitors(), WorkArea());
  rectangle = KeepInsideWorkArea(rectangle, work, kWorkAreaMargin);
  const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYDLGFRAME);
  rectangle = Cascade(rectangle, SameClassRectangles(handle_), step, work);
  TakeLiveState(record, static_cast<uint32_t>(style));

  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  placement.flags = record.flags;
  placement.showCmd = record.showCommand;
  placement.ptMinPosition = POINT{record.minX, record.minY};
  placement.ptMaxPosition = POINT{record.maxX, record.maxY};
  placement.rcNormalPosition = ToRect(ScreenToWorkspace(rectangle, origin));
  SetWindowPlacement(handle_, &placement);
  // Of the saved styles only what the user changes through the system menu
  // is taken back: a record from the registry must never turn the shape into
  // a child window or take its caption away.
  const LONG exStyle = GetWindowLongA(handle_, GWL_EXSTYLE);
  const bool layered = (record.exStyle & WS_EX_LAYERED) != 0;
  SetWindowLongA(handle_, GWL_EXSTYLE, layered ? exStyle | WS_EX_LAYERED : exStyle & ~WS_EX_LAYERED);
  HWND parent = GetParent(handle_);
  const bool parentTopmost =
      parent != nullptr && IsWindow(parent) && (GetWindowLongA(parent, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  if (!parentTopmost) {
    SetWindowPos(handle_, (record.exStyle & WS_EX_TOPMOST) != 0 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (layered) SetTranslucent(true);
  return true;
}

void TShape::CenterOnScreen() {
  if (handle_ == nullptr) return;
  MoveWindowTo(handle_, CentredOn(WindowRectangle(), Screen()));
  CheckPositionCommand(kCentreCommand);
}

void TShape::MoveToCursor() {
  if (handle_ == nullptr) return;
  MoveWindowTo(handle_, CursorRectangle());
  CheckPositionCommand(kAtCursorCommand);
}

TRectangle TShape::CursorRectangle() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  return AtCursor(WindowRectangle(), cursor.x, cursor.y, Screen());
}

void TShape::SetClientSize(int width, int height) {
  if (handle_ == nullptr) return;
  // The frame around the client area depends on the menu bar's wrapping,
  // which changes with the width: a few rounds settle it.
  for (int round = 0; round < 4; ++round) {
    RECT client{};
    GetClientRect(handle_, &client);
    const int dx = width - (client.right - client.left);
    const int dy = height - (client.bottom - client.top);
    if (dx == 0 && dy == 0) return;
    const TRectangle window = WindowRectangle();
    SetWindowPos(handle_, nullptr, 0, 0, window.Width() + dx, window.Height() + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TShape::PositionAfterBuild() {
  const bool restored = RestorePlacement();
  if (!restored) {
    // The default place is not a choice of the user's: the position commands
    // keep "this position", so that where the user then moves it is kept.
    const bool ownerShown = owner_ != nullptr && IsWindowVisible(owner_);
    MoveWindowTo(handle_, ownerShown ? CentredOn(WindowRectangle(), Screen()) : CursorRectangle());
  }
  if (restored && IsWindowVisible(handle_)) {
    if (show_) {
      UpdateWindow(handle_);
    } else {
      ShowWindow(handle_, SW_HIDE);
    }
  } else if (show_) {
    ShowWindow(handle_, SW_SHOWNORMAL);
    UpdateWindow(handle_);
  }
}
