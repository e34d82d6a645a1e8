#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/text/TByteBuffer.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "framework/window/shapes/TShape.h"
#include "framework/window/shapes/pure/Placement.h"
#include "tests/support/DemoElements.h"
#include "tests/support/ThrowawayRegKey.h"
#include "tests/support/WindowQueries.h"
#include "tests/win/icons/IconTestSupport.h"

namespace {

// Menu texts are shown in their display form.
std::string Shown(const char* text) { return ToDisplayText(text).Bytes(); }

std::string MenuText(HMENU menu, UINT position) {
  char text[256] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

bool IsGrayed(HMENU menu, UINT command) {
  return (GetMenuState(menu, command, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) != 0;
}
bool IsChecked(HMENU menu, UINT command) {
  return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

// Every test runs on throwaway keys, with no remembered display choice.
class ShapeBuild : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(key_.Ok());
    CreateGlobalKeyLists(nullptr, key_.Handle());
  }
  void TearDown() override {
    CloseAllModeless();
    DestroyGlobalKeyLists();
  }
  // A modeless shape, built and shown; closed by the test or the fixture.
  void Open(TShape& shape) {
    shape.RunModeless(0);
    ASSERT_NE(nullptr, shape.Handle());
    PumpWaitingMessages();
  }
  void Close(TShape& shape) {
    if (shape.Handle() != nullptr && IsWindow(shape.Handle())) DestroyWindow(shape.Handle());
    PumpWaitingMessages();
    ForgetModeless(&shape);
    shape.ClearHandle();
    shape.CleanUp();
  }
  TByteBuffer StoredPlacement(const char* name) {
    TByteBuffer bytes;
    TRegSection section = OpenSection(ApplicationKeys(), "Serialize");
    TRegBinary(section.Keys(), name).Read(bytes);
    return bytes;
  }
  void StorePlacement(const char* name, DWORD type, const void* bytes, DWORD size) {
    TRegSection section = OpenSection(ApplicationKeys(), "Serialize");
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(section.Handle(), name, 0, type, static_cast<const BYTE*>(bytes), size));
  }
  ThrowawayRegKey key_;
};

TEST_F(ShapeBuild, SystemMenuGainsPositionOnTopAndTranslucentAboveClose) {
  TShape shape(nullptr, "menu test");
  Open(shape);
  HMENU system = GetSystemMenu(shape.Handle(), FALSE);
  ASSERT_NE(nullptr, system);
  const int count = GetMenuItemCount(system);
  int close = -1;
  for (int i = 0; i < count; ++i) {
    if (GetMenuItemID(system, i) == SC_CLOSE) close = i;
  }
  ASSERT_GE(close, 4);
  const bool layering = TShape::HasLayering();
  // From the top: the position popup, always on top, translucent, separator, Close.
  const int first = close - (layering ? 4 : 3);
  HMENU position = GetSubMenu(system, first);
  ASSERT_NE(nullptr, position);
  EXPECT_EQ(Shown("表示位置(&P)"), MenuText(system, first));
  EXPECT_EQ(kAlwaysOnTopCommand, GetMenuItemID(system, first + 1));
  EXPECT_EQ(Shown("常に手前に表示(&T)\tAlt+F5"), MenuText(system, first + 1));
  if (layering) {
    EXPECT_EQ(kTranslucentCommand, GetMenuItemID(system, first + 2));
    EXPECT_EQ(Shown("半透明にする(&A)\tAlt+F3"), MenuText(system, first + 2));
  }
  EXPECT_EQ(0u, GetMenuItemID(system, close - 1));  // the separator
  const struct {
    UINT command;
    const char* text;
  } entries[] = {{kCentreCommand, "画面中央に表示(&C)"},
                 {kAtCursorCommand, "マウスカーソルの位置へ表示(&M)"},
                 {kThisPositionCommand, "次回もこの位置で表示(&S)"}};
  for (UINT i = 0; i < 3; ++i) {
    EXPECT_EQ(entries[i].command, GetMenuItemID(position, i));
    EXPECT_EQ(Shown(entries[i].text), MenuText(position, i));
    // Without a placement name there is nothing to remember a position in.
    EXPECT_TRUE(IsGrayed(position, entries[i].command));
  }
  EXPECT_FALSE(IsGrayed(system, SC_CLOSE));
  Close(shape);
}

TEST_F(ShapeBuild, PlacementNameEnablesThePositionCommandsAndAClosableFlagGraysClose) {
  TShape shape(nullptr, "named");
  shape.SetPlacementName("NamedShape");
  shape.SetClosable(false);
  Open(shape);
  HMENU system = GetSystemMenu(shape.Handle(), FALSE);
  for (UINT command : {kCentreCommand, kAtCursorCommand, kThisPositionCommand}) {
    EXPECT_FALSE(IsGrayed(system, command)) << command;
  }
  EXPECT_TRUE(IsChecked(system, kThisPositionCommand));
  EXPECT_TRUE(IsGrayed(system, SC_CLOSE));
  // A shape that may not close refuses the system close.
  EXPECT_EQ(-1, SendMessageA(shape.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0));
  EXPECT_TRUE(IsWindow(shape.Handle()));
  Close(shape);
}

TEST_F(ShapeBuild, ContentIsLaidOutInsideTheMarginsAndSizesTheClientArea) {
  TShape shape(nullptr, "layout");
  auto* left = shape.Content().Add(std::make_unique<TDemoBox>(40, 30));
  left->SetDock(kDockLeft);
  auto* second = shape.Content().Add(std::make_unique<TDemoBox>(50, 20));
  second->SetDock(kDockLeft);
  second->SetAlign(kAlignTop);
  Open(shape);
  RECT client{};
  GetClientRect(shape.Handle(), &client);
  // Content 40 + 12 + 50 wide, 30 high; margins of 12 all round.
  EXPECT_EQ(12 + 40 + 12 + 50 + 12, client.right);
  EXPECT_EQ(12 + 30 + 12, client.bottom);
  auto origin = [&](HWND child) {
    RECT rect = WindowRect(child);
    POINT point{rect.left, rect.top};
    ScreenToClient(shape.Handle(), &point);
    return point;
  };
  const POINT a = origin(static_cast<TDemoBox*>(left)->Window());
  const POINT b = origin(static_cast<TDemoBox*>(second)->Window());
  EXPECT_EQ(12, a.x);
  EXPECT_EQ(12, a.y);
  EXPECT_EQ(12 + 40 + 12, b.x);
  EXPECT_EQ(12, b.y);
  Close(shape);
}

TEST_F(ShapeBuild, CaptionsCompetingForALetterGetDistinctOnesAndIdsCountFrom5001) {
  TShape shape(nullptr, "accelerators");
  auto* retry = shape.Content().Add(DemoButton("再試行(&RETRY&)"));
  auto* renew = shape.Content().Add(DemoButton("更新(&RENEW&)"));
  auto* plain = shape.Content().Add(DemoCheckBox("そのまま"));
  for (TElement* element : {static_cast<TElement*>(retry), static_cast<TElement*>(renew),
                            static_cast<TElement*>(plain)}) {
    element->SetDock(kDockTop);
  }
  Open(shape);
  char text[128] = {};
  GetWindowTextA(retry->Window(), text, sizeof text);
  EXPECT_STREQ("再試行(&R)", text);
  GetWindowTextA(renew->Window(), text, sizeof text);
  EXPECT_STREQ("更新(&E)", text);
  EXPECT_EQ(5001, GetDlgCtrlID(retry->Window()));
  EXPECT_EQ(5002, GetDlgCtrlID(renew->Window()));
  EXPECT_EQ(5003, GetDlgCtrlID(plain->Window()));
  // The shape's font reached every child.
  EXPECT_EQ(reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)), SendMessageA(renew->Window(), WM_GETFONT, 0, 0));
  // A command of a child goes to the element that owns it.
  SendMessageA(shape.Handle(), WM_COMMAND, MAKEWPARAM(5002, BN_CLICKED), reinterpret_cast<LPARAM>(renew->Window()));
  EXPECT_EQ(1, renew->commands);
  EXPECT_EQ(0, retry->commands);
  Close(shape);
}

TEST_F(ShapeBuild, EveryBuildOfAShapeGivesTheSameIdsAndTheStatusBarItsOwn) {
  TShape shape(nullptr, "again");
  shape.SetStatusBar(-1);
  auto* first = shape.Content().Add(DemoButton("first"));
  auto* second = shape.Content().Add(DemoButton("second"));
  auto* third = shape.Content().Add(DemoCheckBox("third"));
  const auto ids = [&] {
    return std::vector<int>{GetDlgCtrlID(shape.StatusBar()), GetDlgCtrlID(first->Window()),
                            GetDlgCtrlID(second->Window()), GetDlgCtrlID(third->Window())};
  };
  const std::vector<int> expected{5000, 5001, 5002, 5003};
  for (const char* build : {"first build", "second build of the same object", "third build"}) {
    Open(shape);
    ASSERT_NE(nullptr, shape.StatusBar()) << build;
    EXPECT_EQ(expected, ids()) << build;
    Close(shape);
  }
}

TEST_F(ShapeBuild, SystemCommandsTopmostCentreAndTranslucent) {
  TShape shape(nullptr, "commands");
  shape.SetPlacementName("Commands");
  Open(shape);
  HWND window = shape.Handle();
  SendMessageA(window, WM_SYSCOMMAND, kAlwaysOnTopCommand, 0);
  EXPECT_NE(0, GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SendMessageA(window, WM_SYSCOMMAND, kAlwaysOnTopCommand, 0);
  EXPECT_EQ(0, GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

  SendMessageA(window, WM_SYSCOMMAND, kCentreCommand, 0);
  RECT screen = WindowRect(GetDesktopWindow());
  RECT rect = WindowRect(window);
  EXPECT_LE(std::abs((rect.left + rect.right) / 2 - (screen.left + screen.right) / 2), 1);
  EXPECT_LE(std::abs((rect.top + rect.bottom) / 2 - (screen.top + screen.bottom) / 2), 1);
  HMENU system = GetSystemMenu(window, FALSE);
  EXPECT_TRUE(IsChecked(system, kCentreCommand));
  EXPECT_FALSE(IsChecked(system, kThisPositionCommand));
  // Each command remembers the placement, with the position mode it chose.
  TPlacementRecord record;
  const TByteBuffer bytes = StoredPlacement("Commands");
  ASSERT_TRUE(ParsePlacementRecord(bytes.Data(), bytes.Size(), record));
  EXPECT_EQ(kPositionCentre, record.positionMode);

  if (TShape::HasLayering()) {
    SendMessageA(window, WM_SYSCOMMAND, kTranslucentCommand, 0);
    EXPECT_NE(0, GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(IsChecked(system, kTranslucentCommand));
    SendMessageA(window, WM_SYSCOMMAND, kTranslucentCommand, 0);
    EXPECT_EQ(0, GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_FALSE(IsChecked(system, kTranslucentCommand));
  }
  Close(shape);
}

TEST_F(ShapeBuild, PlacementIsRememberedAndRestored) {
  RECT moved{};
  {
    TShape shape(nullptr, "remembered");
    shape.SetPlacementName("Remembered");
    Open(shape);
    SetWindowPos(shape.Handle(), nullptr, 123, 145, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(shape.SavePlacement());
    moved = WindowRect(shape.Handle());
    const TByteBuffer bytes = StoredPlacement("Remembered");
    EXPECT_EQ(kPlacementRecordSize, bytes.Size());
    Close(shape);
  }
  TShape again(nullptr, "remembered");
  again.SetPlacementName("Remembered");
  Open(again);
  const RECT restored = WindowRect(again.Handle());
  EXPECT_EQ(moved.left, restored.left);
  EXPECT_EQ(moved.top, restored.top);
  Close(again);
}

// Whatever the registry holds, the shape opens, and on the screen.
TEST_F(ShapeBuild, BadPlacementRecordsOpenOnScreen) {
  TPlacementRecord farAway;
  farAway.normal = TRectangle{30000, 30000, 30200, 30100};
  const std::vector<uint8_t> farBytes = PlacementRecordBytes(farAway);
  TPlacementRecord child;
  child.normal = TRectangle{100, 100, 300, 200};
  child.style = WS_CHILD | WS_VISIBLE;  // would make the shape a child window
  const std::vector<uint8_t> childBytes = PlacementRecordBytes(child);
  const char text[] = "not a placement";
  const DWORD number = 7;
  struct Case {
    const char* why;
    DWORD type;
    const void* bytes;
    DWORD size;
  } cases[] = {
      {"far outside every screen", REG_BINARY, farBytes.data(), static_cast<DWORD>(farBytes.size())},
      {"a style that would make a child", REG_BINARY, childBytes.data(), static_cast<DWORD>(childBytes.size())},
      {"too short", REG_BINARY, farBytes.data(), 55},
      {"a text", REG_SZ, text, sizeof text},
      {"a number", REG_DWORD, &number, sizeof number},
  };
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    StorePlacement("Bad", c.type, c.bytes, c.size);
    TShape shape(nullptr, "bad");
    shape.SetPlacementName("Bad");
    Open(shape);
    const RECT rect = WindowRect(shape.Handle());
    EXPECT_GE(rect.left, work.left);
    EXPECT_GE(rect.top, work.top);
    EXPECT_LE(rect.right, work.right);
    EXPECT_LE(rect.bottom, work.bottom);
    EXPECT_EQ(0, GetWindowLongA(shape.Handle(), GWL_STYLE) & WS_CHILD);
    EXPECT_NE(0, GetWindowLongA(shape.Handle(), GWL_STYLE) & WS_CAPTION);
    EXPECT_TRUE(IsWindowVisible(shape.Handle()));
    Close(shape);
  }
}

TEST_F(ShapeBuild, TwoShapesRestoredToOnePlaceAreCascaded) {
  TPlacementRecord record;
  record.normal = TRectangle{200, 150, 400, 300};
  record.showCommand = SW_SHOWNORMAL;
  const std::vector<uint8_t> bytes = PlacementRecordBytes(record);
  StorePlacement("Twin", REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
  TShape first(nullptr, "twin");
  first.SetPlacementName("Twin");
  Open(first);
  TShape second(nullptr, "twin");
  second.SetPlacementName("Twin");
  Open(second);
  const RECT a = WindowRect(first.Handle());
  const RECT b = WindowRect(second.Handle());
  const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYDLGFRAME);
  EXPECT_EQ(a.left + step, b.left);
  EXPECT_EQ(a.top + step, b.top);
  Close(second);
  Close(first);
}

TEST_F(ShapeBuild, MenuHelpShowsTheCommandsStringInTheStatusBar) {
  TShape shape(nullptr, "status");
  shape.SetStatusBar(-1);
  Open(shape);
  ASSERT_NE(nullptr, shape.StatusBar());
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 905, "version");
  AppendMenuA(menu, MF_STRING | MF_GRAYED, 901, "help");
  SendMessageA(shape.Handle(), WM_MENUSELECT, MAKEWPARAM(905, MF_STRING), reinterpret_cast<LPARAM>(menu));
  EXPECT_FALSE(shape.StatusText().IsEmpty());
  EXPECT_TRUE(shape.StatusEnabled());
  SendMessageA(shape.Handle(), WM_MENUSELECT, MAKEWPARAM(901, MF_GRAYED), reinterpret_cast<LPARAM>(menu));
  EXPECT_FALSE(shape.StatusEnabled());
  SendMessageA(shape.Handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_TRUE(shape.StatusText().IsEmpty());
  DestroyMenu(menu);
  Close(shape);
}

TEST_F(ShapeBuild, TheBackgroundDragsTheShapeUnlessTheRightButtonIsDown) {
  TShape shape(nullptr, "drag");
  shape.Content().Add(std::make_unique<TDemoBox>(60, 40));
  Open(shape);
  RECT client{};
  GetClientRect(shape.Handle(), &client);
  POINT inside{client.right - 3, client.bottom - 3};
  ClientToScreen(shape.Handle(), &inside);
  EXPECT_EQ(HTCAPTION, SendMessageA(shape.Handle(), WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)));
  Close(shape);
}

TEST_F(ShapeBuild, PaintListElementsPaintAndHearOfShowing) {
  TShape shape(nullptr, "paint");
  auto* icon = shape.Content().Add(std::make_unique<TDemoIcon>(IDI_INFORMATION));
  Open(shape);
  RedrawWindow(shape.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_GT(icon->paints, 0);
  EXPECT_GT(icon->shownNotices, 0);
  Close(shape);
}

// A shape built and closed many times leaves no GDI object and no window behind.
TEST_F(ShapeBuild, ThousandBuildsLeaveNothingBehind) {
  auto topLevelWindows = [] {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
  };
  auto buildOnce = [this] {
    TShape shape(nullptr, "again");
    shape.SetStatusBar(-1);
    shape.SetPlacementName("Again");
    shape.Content().Add(DemoButton("閉じる(&CLOSE&)"));
    shape.Content().Add(std::make_unique<TDemoIcon>(IDI_WARNING));
    Open(shape);
    SendMessageA(shape.Handle(), WM_SYSCOMMAND, kThisPositionCommand, 0);
    PostMessageA(shape.Handle(), WM_CLOSE, 0, 0);
    PumpWaitingMessages();
    Close(shape);
  };
  buildOnce();  // caches and the background picture are made once
  const long gdiBefore = GdiObjectCount();
  const int windowsBefore = topLevelWindows();
  for (int i = 0; i < 1000; ++i) buildOnce();
  EXPECT_LE(GdiObjectCount(), gdiBefore + 2);
  EXPECT_EQ(windowsBefore, topLevelWindows());
}

}  // namespace

namespace {

// The "View" settings choose alpha or colour key; values of the wrong type
// count as absent and the defaults stand.
TEST_F(ShapeBuild, TranslucencyFollowsTheViewSettingsAndIgnoresBadOnes) {
  if (!TShape::HasLayering()) GTEST_SKIP() << "no layered windows on this system";
  const DWORD alphaStyle = 2, keyStyle = 1, alpha = 0x1C8;
  const char text[] = "2";
  struct Value {
    const char* name;
    DWORD type;
    const void* bytes;
    DWORD size;
  };
  struct Case {
    const char* why;
    std::vector<Value> values;
    DWORD flags;
    BYTE alpha;
  } cases[] = {
      {"nothing set: alpha 180", {}, LWA_ALPHA, 180},
      {"alpha style with a level: its low byte",
       {{"TransparentStyle", REG_DWORD, &alphaStyle, 4}, {"TransparentAlphaLevel", REG_DWORD, &alpha, 4}},
       LWA_ALPHA, 0xC8},
      {"colour key style", {{"TransparentStyle", REG_DWORD, &keyStyle, 4}}, LWA_COLORKEY, 0},
      {"a style of the wrong type counts as absent",
       {{"TransparentStyle", REG_SZ, text, sizeof text}, {"TransparentAlphaLevel", REG_BINARY, &alpha, 2}},
       LWA_ALPHA, 180},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    {
      TRegSection view(LibraryKeys(), "View");
      for (const char* name : {"TransparentStyle", "TransparentAlphaLevel", "TransparentColor"}) {
        RegDeleteValueA(view.Handle(), name);
      }
      for (const Value& v : c.values) {
        ASSERT_EQ(ERROR_SUCCESS,
                  RegSetValueExA(view.Handle(), v.name, 0, v.type, static_cast<const BYTE*>(v.bytes), v.size));
      }
    }
    TShape shape(nullptr, "translucent");
    Open(shape);
    shape.SetTranslucent(true);
    COLORREF key = 0;
    BYTE level = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(shape.Handle(), &key, &level, &flags));
    EXPECT_EQ(c.flags, flags);
    if (c.flags == LWA_ALPHA) {
      EXPECT_EQ(c.alpha, level);
    } else {
      EXPECT_EQ(GetSysColor(COLOR_BTNFACE), key);
    }
    Close(shape);
  }
}

}  // namespace

namespace {

// An element that keeps one number under its settings name.
class TStoredNumber : public TElement {
 public:
  TStoredNumber(const char* name, DWORD value) : value(value) { SetSettingsName(name); }
  TLayoutSize Measure(TShape&, HDC) override { return {1, 1}; }
  void Save(const TRegKeyList& keys) override { TRegDword(keys, SettingsName()).Write(value); }
  void Load(const TRegKeyList& keys) override { value = TRegDword(keys, SettingsName()).Get(0); }
  DWORD value;
};

// A group with a settings name keeps its children in a section of that
// name; without one they share the keys they are given.
TEST_F(ShapeBuild, GroupsSaveAndLoadTheirChildrenInTheirOwnSection) {
  TShape shape(nullptr, "settings");
  shape.SetSettingsName("Settings");
  auto* top = shape.Content().Add(std::make_unique<TStoredNumber>("Top", 1));
  auto inner = MakeGroup(kDockTop, kAlignLeft, 0, 0, std::make_unique<TStoredNumber>("Inner", 2));
  inner->SetSettingsName("Group");
  auto* group = shape.Content().Add(std::move(inner));
  auto plain = MakeGroup(kDockTop, kAlignLeft, 0, 0, std::make_unique<TStoredNumber>("Plain", 3));
  shape.Content().Add(std::move(plain));
  TRegSection dialog = OpenSection(ApplicationKeys(), "Dialog");
  const TRegKeyList& keys = dialog.Keys();
  shape.Save(keys);
  {
    TRegSection settings = OpenSection(dialog, "Settings");
    EXPECT_EQ(1u, TRegDword(settings.Keys(), "Top").Get(0));
    EXPECT_EQ(3u, TRegDword(settings.Keys(), "Plain").Get(0));
    EXPECT_FALSE(TRegDword(settings.Keys(), "Inner").Exists());
    TRegSection inGroup = OpenSection(settings, "Group");
    EXPECT_EQ(2u, TRegDword(inGroup.Keys(), "Inner").Get(0));
  }
  static_cast<TStoredNumber*>(top)->value = 0;
  static_cast<TStoredNumber&>(static_cast<TGroupElement*>(group)->Child(0)).value = 0;
  shape.Load(keys);
  EXPECT_EQ(1u, static_cast<TStoredNumber*>(top)->value);
  EXPECT_EQ(2u, static_cast<TStoredNumber&>(static_cast<TGroupElement*>(group)->Child(0)).value);
}

// A drag that brings an edge within 7 pixels of the work area's inner line
// snaps to it; Shift lets the window go where the user puts it.
TEST_F(ShapeBuild, MovingSnapsToTheWorkAreaUnlessShiftIsDown) {
  TShape shape(nullptr, "snap");
  shape.SetPlacementName("Snap");
  Open(shape);
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const RECT start = WindowRect(shape.Handle());
  const int width = start.right - start.left, height = start.bottom - start.top;
  BYTE saved[256] = {};
  GetKeyboardState(saved);
  for (bool shift : {false, true}) {
    SCOPED_TRACE(shift ? "with Shift" : "without Shift");
    BYTE keys[256] = {};
    if (shift) keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(shape.Handle(), WM_ENTERSIZEMOVE, 0, 0);
    // 5 pixels right of the line 8 pixels inside the work area's left edge.
    RECT moving{work.left + 13, work.top + 100, work.left + 13 + width, work.top + 100 + height};
    SendMessageA(shape.Handle(), WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&moving));
    EXPECT_EQ(shift ? work.left + 13 : work.left + 8, moving.left);
    EXPECT_EQ(width, moving.right - moving.left);
    SendMessageA(shape.Handle(), WM_EXITSIZEMOVE, 0, 0);
  }
  SetKeyboardState(saved);
  Close(shape);
}

TEST_F(ShapeBuild, AtTheCursorCentresTheShapeOnIt) {
  TShape shape(nullptr, "cursor");
  shape.SetPlacementName("Cursor");
  Open(shape);
  ASSERT_TRUE(SetCursorPos(400, 300));
  SendMessageA(shape.Handle(), WM_SYSCOMMAND, kAtCursorCommand, 0);
  const RECT rect = WindowRect(shape.Handle());
  EXPECT_LE(std::abs((rect.left + rect.right) / 2 - 400), 1);
  EXPECT_LE(std::abs((rect.top + rect.bottom) / 2 - 300), 1);
  EXPECT_TRUE(IsChecked(GetSystemMenu(shape.Handle(), FALSE), kAtCursorCommand));
  Close(shape);
}

}  // namespace
