#include "framework/window/menus/IconMenu.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ResourceIds.h"
#include "framework/base/Owners.h"
#include "framework/icons/HandleIcon.h"
#include "framework/icons/IconFactories.h"
#include "framework/window/core/ShapeCommands.h"
#include "framework/window/paint/BackgroundPicture.h"
#include "tests/win/icons/IconTestSupport.h"

namespace {

// A 32-bit top-down DIB section in a memory context, read back as 0xRRGGBB.
class TMenuCanvas {
 public:
  TMenuCanvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_.Reset(CreateCompatibleDC(nullptr));
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<DWORD*>(bits);
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
  }
  ~TMenuCanvas() { SelectObject(dc_.Get(), previous_); }
  HDC Dc() const { return dc_.Get(); }
  DWORD At(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x] & 0xFFFFFFu;
  }
  // How many pixels of `rgb` lie in the rectangle.
  int Count(const RECT& area, DWORD rgb) const {
    GdiFlush();
    int count = 0;
    for (int y = std::max(0L, area.top); y < std::min<long>(height_, area.bottom); ++y) {
      for (int x = std::max(0L, area.left); x < std::min<long>(width_, area.right); ++x) {
        count += (bits_[y * width_ + x] & 0xFFFFFFu) == rgb ? 1 : 0;
      }
    }
    return count;
  }

 private:
  int width_;
  int height_;
  TMemoryDc dc_;
  TBitmapHandle bitmap_;
  DWORD* bits_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

DWORD Rgb(int colourIndex) {
  const COLORREF c = GetSysColor(colourIndex);
  return (static_cast<DWORD>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

TMenuHandle LoadTrayMenu() {
  return TMenuHandle(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_TRAY_MENU)));
}

struct TItemRecord {
  UINT id;
  UINT state;  // grayed, checked, default
  bool separator;
  HMENU submenu;
  std::string text;
};

std::vector<TItemRecord> RecordItems(HMENU menu, bool converted) {
  std::vector<TItemRecord> records;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    TItemRecord record{GetMenuItemID(menu, i), info.fState & (MFS_GRAYED | MFS_CHECKED | MFS_DEFAULT),
                       (info.fType & MFT_SEPARATOR) != 0, info.hSubMenu, ""};
    if (converted) {
      EXPECT_NE(0u, info.fType & MFT_OWNERDRAW) << "item " << i << " is owner-drawn";
      const TIconMenuItem* item = TIconMenuItem::FromItemData(info.dwItemData);
      EXPECT_NE(nullptr, item) << "item " << i << " carries its object";
      if (item != nullptr) record.text = item->Text().Bytes();
    } else if (!record.separator) {
      char text[256] = "";
      GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
      record.text = text;
    }
    records.push_back(record);
  }
  return records;
}

const TIconMenuItem* ItemAt(HMENU menu, int position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA;
  GetMenuItemInfoA(menu, position, TRUE, &info);
  return TIconMenuItem::FromItemData(info.dwItemData);
}

int PositionOf(HMENU menu, UINT command) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (GetMenuItemID(menu, i) == command) return i;
  }
  return -1;
}

THandleIcon* GreenIcon() {
  static THandleIcon icon(TIconHandle(MakeSolidIcon(16, 0x00C000)), TIconHandle(MakeSolidIcon(32, 0x00C000)));
  return &icon;
}

}  // namespace

TEST(AttachIconMenu, KeepsTextStateIdAndPopupOfEveryItem) {
  TMenuHandle root = LoadTrayMenu();
  ASSERT_TRUE(root);
  HMENU tray = GetSubMenu(root.Get(), 0);
  EnableMenuItem(tray, 106, MF_BYCOMMAND | MF_GRAYED);
  CheckMenuItem(tray, 109, MF_BYCOMMAND | MF_CHECKED);
  SetMenuDefaultItem(tray, 108, FALSE);
  HMENU nested = CreatePopupMenu();  // the tray popup owns it from here on
  AppendMenuA(nested, MF_STRING | MF_CHECKED, 300, "&Nested\tCtrl+N");
  AppendMenuA(tray, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(nested), "&More");
  const std::vector<TItemRecord> rootBefore = RecordItems(root.Get(), false);
  const std::vector<TItemRecord> trayBefore = RecordItems(tray, false);
  const std::vector<TItemRecord> nestedBefore = RecordItems(nested, false);

  std::vector<std::unique_ptr<TIconMenu>> submenus;
  submenus.push_back(MakeIconSubmenu(0, nullptr, {ByCommand(106, GreenIcon()), ByPosition(1, GreenIcon())}));
  auto menu = MakeIconMenu(root.Get(), {ByCommand(4242, GreenIcon())}, std::move(submenus));
  ASSERT_TRUE(AttachIconMenu(*menu));

  struct Case {
    HMENU menu;
    const std::vector<TItemRecord>* before;
    const char* reason;
  } cases[] = {
      {root.Get(), &rootBefore, "the menu itself, whose only item is a popup"},
      {tray, &trayBefore, "the tray popup, converted without being named"},
      {nested, &nestedBefore, "a popup inside the popup"},
  };
  for (const auto& c : cases) {
    const std::vector<TItemRecord> after = RecordItems(c.menu, true);
    ASSERT_EQ(c.before->size(), after.size()) << c.reason;
    for (size_t i = 0; i < after.size(); ++i) {
      const TItemRecord& was = (*c.before)[i];
      EXPECT_EQ(was.id, after[i].id) << c.reason << " #" << i;
      EXPECT_EQ(was.state, after[i].state) << c.reason << " #" << i;
      EXPECT_EQ(was.separator, after[i].separator) << c.reason << " #" << i;
      EXPECT_EQ(was.submenu, after[i].submenu) << c.reason << " #" << i;
      EXPECT_EQ(was.text, after[i].text) << c.reason << " #" << i;
    }
  }
  EXPECT_TRUE(IsMenu(nested)) << "the popup survives its conversion";
  EXPECT_EQ(GreenIcon(), ItemAt(tray, PositionOf(tray, 106))->Icon()) << "named by command";
  EXPECT_EQ(GreenIcon(), ItemAt(tray, 1)->Icon()) << "named by position";
  EXPECT_EQ(nullptr, ItemAt(tray, PositionOf(tray, 199))->Icon()) << "not named: no icon, but an object";
  EXPECT_EQ("Ctrl+N", ItemAt(nested, 0)->Shortcut().Bytes()) << "the text after the tab";

  menu.reset();
  char text[64] = "";
  GetMenuStringA(nested, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ("&Nested\tCtrl+N", text) << "a dropped object gives its item its text back";
  EXPECT_EQ(0u, GetMenuState(nested, 0, MF_BYPOSITION) & MF_OWNERDRAW);
  EXPECT_NE(0u, GetMenuState(nested, 0, MF_BYPOSITION) & MF_CHECKED);
}

TEST(HandleIconMenuMessage, MeasuresEveryItemAsTheLayoutDecides) {
  TMenuHandle root = LoadTrayMenu();
  HMENU tray = GetSubMenu(root.Get(), 0);
  AppendMenuA(tray, MF_STRING, 400, "&Translucent\tAlt+F3");
  auto menu = MakeIconMenu(tray, {});
  ASSERT_TRUE(AttachIconMenu(*menu));

  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, IconMenuFont(false));
  SIZE zen{};
  GetTextExtentPoint32A(screen, "全", 2, &zen);
  std::vector<TMenuItemText> texts;
  for (int i = 0; i < GetMenuItemCount(tray); ++i) {
    const TIconMenuItem* item = ItemAt(tray, i);
    TMenuItemText text{0, 0, 0, item->HasShortcut(), item->IsSeparator()};
    RECT label{0, 0, 0, 0};
    DrawTextA(screen, item->Label().c_str(), -1, &label, DT_CALCRECT | DT_SINGLELINE);
    RECT shortcut{0, 0, 0, 0};
    DrawTextA(screen, item->Shortcut().c_str(), -1, &shortcut, DT_CALCRECT | DT_SINGLELINE);
    text.labelWidth = label.right;
    text.labelHeight = label.bottom;
    text.shortcutWidth = shortcut.right;
    texts.push_back(text);
  }
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  const TMenuLayout expected = LayoutMenu(texts, 0, zen.cx / 2, desktop.right, true);

  for (int i = 0; i < GetMenuItemCount(tray); ++i) {
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, GetMenuItemID(tray, i), 0, 0,
                              reinterpret_cast<ULONG_PTR>(ItemAt(tray, i))};
    LRESULT result = 0;
    ASSERT_TRUE(HandleIconMenuMessage(nullptr, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result));
    EXPECT_EQ(TRUE, result);
    EXPECT_EQ(static_cast<UINT>(expected.items[i].width), measure.itemWidth) << "#" << i;
    EXPECT_EQ(static_cast<UINT>(expected.items[i].height), measure.itemHeight) << "#" << i;
  }
  EXPECT_GE(ItemAt(tray, 0)->Size().height, kSmallIconCell);
  EXPECT_GT(ItemAt(tray, PositionOf(tray, 400))->Size().width, ItemAt(tray, 0)->Size().width)
      << "Wine is NT: the shortcut makes its own item wider";

  int foreign = 0;
  struct Case {
    UINT type;
    ULONG_PTR data;
    const char* reason;
  } refused[] = {
      {ODT_MENU, reinterpret_cast<ULONG_PTR>(&foreign), "another owner's item data"},
      {ODT_MENU, 0, "no item data"},
      {ODT_BUTTON, reinterpret_cast<ULONG_PTR>(ItemAt(tray, 0)), "a button is the buttons' business"},
  };
  for (const auto& c : refused) {
    MEASUREITEMSTRUCT measure{c.type, 0, 0, 7, 7, c.data};
    LRESULT result = 0;
    EXPECT_FALSE(HandleIconMenuMessage(nullptr, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result))
        << c.reason;
    EXPECT_EQ(7u, measure.itemWidth) << c.reason;
  }
}

TEST(AttachIconMenu, MakesAMenuWithAHalfScreenWideTextAThirdOfTheScreenWide) {
  TMenuHandle menu(CreatePopupMenu());
  AppendMenuA(menu.Get(), MF_STRING, 1, "&Short");
  AppendMenuA(menu.Get(), MF_STRING, 2, std::string(800, 'W').c_str());
  auto object = MakeIconMenu(menu.Get(), {});
  ASSERT_TRUE(AttachIconMenu(*object));
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  const int third = desktop.right / 3;
  EXPECT_EQ(third, object->Widest()) << "the common width of the menu";
  EXPECT_EQ(third + third / 20, ItemAt(menu.Get(), 0)->Size().width) << "the short item takes it, a twentieth more";
  EXPECT_EQ(third + third / 20, ItemAt(menu.Get(), 1)->Size().width) << "so does the long one";
}

TEST(RefreshIconMenu, MeasuresWithTheMenuFontTheUserChose) {
  TMenuHandle menu(CreatePopupMenu());
  AppendMenuA(menu.Get(), MF_STRING, 1, "&Open");
  auto object = MakeIconMenu(menu.Get(), {});
  ASSERT_TRUE(AttachIconMenu(*object));
  const int before = ItemAt(menu.Get(), 0)->Size().height;

  NONCLIENTMETRICSA saved{};
  saved.cbSize = sizeof saved;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0));
  NONCLIENTMETRICSA large = saved;
  large.lfMenuFont.lfHeight = -40;
  ASSERT_TRUE(SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof large, &large, 0));
  RefreshIconMenu(*object);
  const TMenuItemSize grown = ItemAt(menu.Get(), 0)->Size();
  SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, 0);
  RefreshIconMenu(*object);

  EXPECT_GE(grown.height, 40) << "was " << before;
  EXPECT_EQ(kLargeIconCell, grown.iconCell) << "a tall font takes the large cell and icon";
  EXPECT_EQ(before, ItemAt(menu.Get(), 0)->Size().height) << "the old font measures as before";
}

namespace {

// One item of a fresh menu drawn into a canvas larger than the item, so that
// the menu poster (bottom right of the canvas) stays clear of it.
struct TDrawnItem {
  TMenuCanvas canvas{400, 300};
  RECT area{};
  int iconTop = 0;
};

void DrawItem(TDrawnItem& drawn, const char* text, TIconSource* icon, UINT state) {
  TMenuHandle menu(CreatePopupMenu());
  AppendMenuA(menu.Get(), MF_STRING, 10, text);
  auto object = MakeIconMenu(menu.Get(), {ByCommand(10, icon)});
  ASSERT_TRUE(AttachIconMenu(*object));
  const TIconMenuItem* item = ItemAt(menu.Get(), 0);
  drawn.area = {0, 0, item->Size().width, item->Size().height};
  drawn.iconTop = (item->Size().height - 16) / 2;
  DRAWITEMSTRUCT draw{ODT_MENU, 0, 10, ODA_DRAWENTIRE, state, nullptr, drawn.canvas.Dc(), drawn.area,
                      reinterpret_cast<ULONG_PTR>(item)};
  LRESULT result = 0;
  ASSERT_TRUE(HandleIconMenuMessage(nullptr, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), result));
}

}  // namespace

TEST(HandleIconMenuMessage, DrawsIconSelectionGrayedTextAndCheckFrame) {
  const DWORD green = 0x00C000;
  struct Case {
    UINT state;
    TIconSource* icon;
    DWORD iconCentre;     // colour in the middle of the icon place
    DWORD fill;           // colour of the item's top right corner
    DWORD frameLeft;      // the cell's left edge beside the icon's middle
    int textColour;       // a colour the label shows
    int absentColour;     // a colour the label must not show (-1: no check)
    const char* reason;
  } cases[] = {
      {0, GreenIcon(), green, Rgb(COLOR_MENU), Rgb(COLOR_MENU), COLOR_MENUTEXT, -1, "plain: icon on the menu colour"},
      {ODS_SELECTED, GreenIcon(), green, Rgb(COLOR_HIGHLIGHT), Rgb(COLOR_HIGHLIGHT), COLOR_HIGHLIGHTTEXT, -1,
       "selected: the highlight fill and text"},
      {ODS_GRAYED, GreenIcon(), 0xFFFFFFFF, Rgb(COLOR_MENU), Rgb(COLOR_MENU), COLOR_BTNSHADOW, COLOR_MENUTEXT,
       "grayed: a disabled icon and an embossed label"},
      {ODS_CHECKED, GreenIcon(), green, Rgb(COLOR_MENU), Rgb(COLOR_HIGHLIGHT), COLOR_MENUTEXT, -1,
       "checked: a box of the selection colour around the icon"},
      {ODS_CHECKED | ODS_GRAYED | ODS_SELECTED, GreenIcon(), Rgb(COLOR_BTNSHADOW), Rgb(COLOR_HIGHLIGHT),
       Rgb(COLOR_BTNSHADOW), COLOR_BTNHIGHLIGHT, -1, "grayed, checked, selected: a monochrome icon in its frame"},
      {ODS_CHECKED, nullptr, 0xFFFFFFFF, Rgb(COLOR_MENU), Rgb(COLOR_HIGHLIGHT), COLOR_MENUTEXT, -1,
       "checked without an icon: the box still"},
  };
  for (const auto& c : cases) {
    TDrawnItem drawn;
    DrawItem(drawn, "&Restore all", c.icon, c.state);
    const TMenuCanvas& canvas = drawn.canvas;
    if (c.iconCentre != 0xFFFFFFFF) {
      EXPECT_EQ(c.iconCentre, canvas.At(2 + 8, drawn.iconTop + 8)) << c.reason;
    } else {
      EXPECT_NE(green, canvas.At(2 + 8, drawn.iconTop + 8)) << c.reason;
    }
    EXPECT_EQ(c.fill, canvas.At(drawn.area.right - 1, 0)) << c.reason;
    EXPECT_EQ(c.frameLeft, canvas.At(0, drawn.iconTop + 8)) << c.reason;
    const RECT label{kSmallIconCell + 6, 0, drawn.area.right, drawn.area.bottom};
    EXPECT_GT(canvas.Count(label, Rgb(c.textColour)), 5) << c.reason;
    if (c.absentColour >= 0) {
      EXPECT_EQ(0, canvas.Count(label, Rgb(c.absentColour))) << c.reason;
    }
  }
  TDrawnItem checkOnly;
  DrawItem(checkOnly, "&Standby", nullptr, ODS_CHECKED);
  const RECT cell{2, checkOnly.iconTop, 18, checkOnly.iconTop + 16};
  EXPECT_GT(checkOnly.canvas.Count(cell, Rgb(COLOR_MENUTEXT)), 6) << "a check mark stands in for the icon";

  // On and off must differ at a glance: the box around the icon differs from
  // the plain item in a whole ring of pixels, each clearly, whatever the
  // colours (a sunken edge of one pixel vanishes on a white menu).
  TDrawnItem on;
  TDrawnItem off;
  DrawItem(on, "&Standby", GreenIcon(), ODS_CHECKED);
  DrawItem(off, "&Standby", GreenIcon(), 0);
  int clearlyDifferent = 0;
  for (int y = on.area.top; y < on.area.bottom; ++y) {
    for (int x = 0; x < kSmallIconCell + 1; ++x) {
      const DWORD a = on.canvas.At(x, y);
      const DWORD b = off.canvas.At(x, y);
      int distance = 0;
      for (int shift : {0, 8, 16}) distance += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
      clearlyDifferent += distance >= 96 ? 1 : 0;
    }
  }
  EXPECT_GE(clearlyDifferent, 60) << "a checked item's box is seen at once";
}

// A menu's bottom item, drawn through the menu window's own context once
// with the whole window to paint and once as a partial repaint that reaches
// only the item (the clip box is then the item): the poster sits in the
// window's bottom-right corner both times, so both look alike.
TEST(HandleIconMenuMessage, ThePosterKeepsItsPlaceInTheMenuWindowOnAPartialRepaint) {
  TMenuHandle menu(CreatePopupMenu());
  AppendMenuA(menu.Get(), MF_STRING, 10, "&Restore all");
  auto object = MakeIconMenu(menu.Get(), {ByCommand(10, GreenIcon())});
  ASSERT_TRUE(AttachIconMenu(*object));
  const TIconMenuItem* item = ItemAt(menu.Get(), 0);
  // Wine's scheme gives menus the highlight's white, which leaves the relief
  // invisible: a dark highlight shows it, until the test ends.
  struct TDarkRelief {
    TDarkRelief() { RecolourPicture(*MenuBackground(), GetSysColor(COLOR_MENU), RGB(0, 0, 0)); }
    ~TDarkRelief() { RecolourForMenus(*MenuBackground()); }
  } darkRelief;
  const int width = 220;
  const int height = 160;
  const int itemHeight = item->Size().height;
  ASSERT_LE(2 * itemHeight, height) << "a poster placed by the item's clip box would miss the item";
  // Topmost and clear of the system tray's corner: nothing covers the pixels read back.
  HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 300,
                                width, height, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, window);
  UpdateWindow(window);
  const RECT area{0, height - itemHeight, width, height};
  const auto drawn = [&](bool partial) {
    HDC dc = GetDC(window);
    PatBlt(dc, 0, 0, width, height, BLACKNESS);
    if (partial) IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    DRAWITEMSTRUCT draw{ODT_MENU, 0, 10, ODA_DRAWENTIRE, 0, reinterpret_cast<HWND>(menu.Get()), dc, area,
                        reinterpret_cast<ULONG_PTR>(item)};
    EXPECT_TRUE(DrawIconMenuItem(draw));
    ReleaseDC(window, dc);
    auto shown = std::make_unique<TMenuCanvas>(width, itemHeight);
    HDC screen = GetDC(window);
    BitBlt(shown->Dc(), 0, 0, width, itemHeight, screen, 0, area.top, SRCCOPY);
    ReleaseDC(window, screen);
    return shown;
  };
  const auto whole = drawn(false);
  const auto part = drawn(true);
  DestroyWindow(window);
  // Right of the label only the fill and the poster's bottom rows show.
  const RECT right{width / 2, 0, width, itemHeight};
  const int rightPixels = (right.right - right.left) * itemHeight;
  ASSERT_LT(whole->Count(right, Rgb(COLOR_MENU)), rightPixels) << "the poster shows in the item";
  int differing = 0;
  for (int y = 0; y < itemHeight; ++y) {
    for (int x = 0; x < width; ++x) differing += whole->At(x, y) != part->At(x, y) ? 1 : 0;
  }
  EXPECT_EQ(0, differing);
}

TEST(HandleIconMenuMessage, DrawsNothingForItemDataNotItsOwn) {
  TMenuCanvas canvas(50, 20);
  int foreign = 0;
  PatBlt(canvas.Dc(), 0, 0, 50, 20, BLACKNESS);
  DRAWITEMSTRUCT draw{ODT_MENU, 0, 1, ODA_DRAWENTIRE, ODS_SELECTED, nullptr, canvas.Dc(), {0, 0, 50, 20},
                      reinterpret_cast<ULONG_PTR>(&foreign)};
  LRESULT result = 0;
  EXPECT_FALSE(HandleIconMenuMessage(nullptr, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), result));
  EXPECT_EQ(50 * 20, canvas.Count({0, 0, 50, 20}, 0));
}

TEST(HandleIconMenuMessage, ChoosesTheItemOfTheTypedLetterInEitherCase) {
  TMenuHandle root = LoadTrayMenu();
  HMENU tray = GetSubMenu(root.Get(), 0);
  auto menu = MakeIconMenu(tray, {});
  ASSERT_TRUE(AttachIconMenu(*menu));
  struct Case {
    char typed;
    bool handled;
    int position;
    const char* reason;
  } cases[] = {
      {'k', true, 0, "lower case chooses (&K)"},
      {'K', true, 0, "upper case too"},
      {'r', true, 1, "the second item"},
      {'x', true, 9, "exit, after three separators"},
      {'q', false, 0, "no item underlines Q: the system decides"},
  };
  for (const auto& c : cases) {
    LRESULT result = 0;
    const bool handled = HandleIconMenuMessage(nullptr, WM_MENUCHAR, MAKEWPARAM(c.typed, MF_POPUP),
                                               reinterpret_cast<LPARAM>(tray), result);
    EXPECT_EQ(c.handled, handled) << c.reason;
    if (c.handled) {
      EXPECT_EQ(MAKELRESULT(c.position, MNC_EXECUTE), result) << c.reason;
    }
  }
  TMenuHandle plain = LoadTrayMenu();
  LRESULT result = 0;
  EXPECT_FALSE(HandleIconMenuMessage(nullptr, WM_MENUCHAR, MAKEWPARAM('k', MF_POPUP),
                                     reinterpret_cast<LPARAM>(GetSubMenu(plain.Get(), 0)), result))
      << "a menu that was never converted is the system's";
}

TEST(AttachSystemMenuIcons, GivesTheShapeCommandsTheirIcons) {
  HWND window = CreateWindowExA(0, "STATIC", "shape", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(nullptr, window);
  HMENU system = GetSystemMenu(window, FALSE);
  const UINT close = static_cast<UINT>(PositionOf(system, SC_CLOSE));
  InsertMenuA(system, close, MF_BYPOSITION | MF_STRING, kAlwaysOnTopCommand, "&Top\tAlt+F5");
  HMENU position = CreatePopupMenu();  // the system menu owns it once inserted
  AppendMenuA(position, MF_STRING, kCentreCommand, "&Centre");
  InsertMenuA(system, close, MF_BYPOSITION | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(position), "&Position");

  auto menu = AttachSystemMenuIcons(window);
  ASSERT_NE(nullptr, menu);
  struct Case {
    HMENU menu;
    int at;
    const char* icon;
  } cases[] = {
      {system, PositionOf(system, SC_CLOSE), "WINDOWCLOSE_ICON"},
      {system, PositionOf(system, SC_MOVE), "WINDOWMOVE_ICON"},
      {system, PositionOf(system, kAlwaysOnTopCommand), "WINDOWTOPMOST_ICON"},
      {system, PositionOf(system, kAlwaysOnTopCommand) - 1, "WINDOWPOSITION_ICON"},
      {position, 0, "WINDOWCENTERPOS_ICON"},
  };
  for (const auto& c : cases) {
    const TIconMenuItem* item = ItemAt(c.menu, c.at);
    ASSERT_NE(nullptr, item) << c.icon;
    EXPECT_EQ(OwnResourceIcon(TResourceName(TString(c.icon))), item->Icon()) << c.icon;
    EXPECT_NE(nullptr, item->Icon()->GetIcon(kSmallIcon)) << c.icon << " is a resource of the program";
  }
  EXPECT_EQ(-1, PositionOf(system, kTranslucentCommand)) << "a command the menu lacks is skipped";
  menu.reset();
  DestroyWindow(window);
}

TEST(IconMenuLeak, ThousandRoundsKeepGdiObjectsFlatAndFreeEveryMenu) {
  TMenuCanvas canvas(400, 300);
  auto round = [&](std::vector<HMENU>& made) {
    TMenuHandle root = LoadTrayMenu();
    made.push_back(root.Get());
    made.push_back(GetSubMenu(root.Get(), 0));
    HMENU tray = GetSubMenu(root.Get(), 0);
    CheckMenuItem(tray, 109, MF_BYCOMMAND | MF_CHECKED);
    auto menu = MakeIconMenu(tray, {ByCommand(106, GreenIcon()), ByCommand(199, GreenIcon())});
    AttachIconMenu(*menu);
    for (int i = 0; i < GetMenuItemCount(tray); ++i) {
      const TIconMenuItem* item = ItemAt(tray, i);
      DRAWITEMSTRUCT draw{ODT_MENU, 0, 0, ODA_DRAWENTIRE, i % 2 == 0 ? UINT{ODS_SELECTED} : UINT{ODS_CHECKED | ODS_GRAYED},
                          nullptr, canvas.Dc(), {0, 0, item->Size().width, item->Size().height},
                          reinterpret_cast<ULONG_PTR>(item)};
      DrawIconMenuItem(draw);
    }
    RefreshIconMenu(*menu);
  };
  std::vector<HMENU> made;
  round(made);  // the shared font, poster and icons are made once
  const long before = GdiObjectCount();
  made.clear();
  for (int i = 0; i < 1000; ++i) round(made);
  const long after = GdiObjectCount();
  EXPECT_LE(after - before, 2) << "GDI objects grew from " << before << " to " << after;
  EXPECT_EQ(0, std::count_if(made.begin(), made.end(), [](HMENU menu) { return IsMenu(menu) != FALSE; }));
}
