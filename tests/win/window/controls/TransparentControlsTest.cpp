#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "framework/icons/HandleIcon.h"
#include "framework/window/controls/TransparentControls.h"
#include "framework/window/core/TranslateKeys.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "framework/window/shapes/TShape.h"
#include "tests/support/WindowQueries.h"
#include "tests/win/icons/IconTestSupport.h"

namespace {

// 0xRRGGBB, as a 32-bit DIB holds a pixel.
DWORD Rgb(COLORREF colour) { return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour); }
DWORD SysRgb(int index) { return Rgb(GetSysColor(index)); }

// What a window shows, read back after every pending paint has run.
struct TCapture {
  int width = 0;
  int height = 0;
  std::vector<DWORD> pixels;
  DWORD At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFFu; }
  int Count(const RECT& box, DWORD rgb) const {
    int count = 0;
    for (int y = box.top; y < box.bottom; ++y) {
      for (int x = box.left; x < box.right; ++x) count += At(x, y) == rgb ? 1 : 0;
    }
    return count;
  }
};

TCapture CaptureClient(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpWaitingMessages();
  TCapture capture;
  RECT client{};
  GetClientRect(window, &client);
  capture.width = client.right;
  capture.height = client.bottom;
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof header.bmiHeader;
  header.bmiHeader.biWidth = capture.width;
  header.bmiHeader.biHeight = -capture.height;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  header.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  TBitmapHandle bitmap(CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0));
  TMemoryDc memory(CreateCompatibleDC(nullptr));
  if (!bitmap || !memory) return capture;
  HGDIOBJ previous = SelectObject(memory.Get(), bitmap.Get());
  HDC screen = GetDC(window);  // the shape clips no children: they are in the copy
  BitBlt(memory.Get(), 0, 0, capture.width, capture.height, screen, 0, 0, SRCCOPY);
  ReleaseDC(window, screen);
  SelectObject(memory.Get(), previous);
  const auto* first = static_cast<const DWORD*>(bits);
  capture.pixels.assign(first, first + static_cast<size_t>(capture.width) * capture.height);
  return capture;
}

// A shape that paints its owner-drawn push buttons, as every shape does.
class TButtonShape : public TShape {
 public:
  TButtonShape() : TShape(nullptr, "x") {}
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_DRAWITEM && DrawTransparentPushButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
      return TRUE;
    }
    return TShape::WndProc(msg, wParam, lParam);
  }
};

// The object an element binds to its control: the handle comes first.
struct TControlObject {
  HWND handle = nullptr;
};

constexpr DWORD kEditStyle = 0x50000884;       // multi-line, read-only message text
constexpr DWORD kCheckBoxStyle = 0x50010003;   // auto check box with a tab stop
constexpr DWORD kGroupStyle = 0x50000007;      // group box
constexpr DWORD kPushStyle = 0x5001000B;       // owner-drawn push button of a row
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_LEFT;

constexpr unsigned kSmallIconRgb = 0x2080E0;
constexpr unsigned kLargeIconRgb = 0xE08020;

class TransparentControls : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTransparentClasses();
    shape_.RunModeless(0);
    ASSERT_NE(nullptr, shape_.Handle());
    shape_.SetClientSize(360, 240);
  }
  void TearDown() override {
    if (IsWindow(shape_.Handle())) DestroyWindow(shape_.Handle());
    PumpWaitingMessages();
    CloseAllModeless();
  }

  HWND Create(const char* className, DWORD style, const char* text, RECT box, int id) {
    return CreateWindowExA(0, className, text, style, box.left, box.top, box.right - box.left,
                           box.bottom - box.top, shape_.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
  }
  // A bound control with the shape's font, as an element makes it.
  HWND Add(const char* className, DWORD style, const char* text, RECT box) {
    HWND control = Create(className, style, text, box, ++lastId_);
    objects_.emplace_back();
    objects_.back().handle = control;
    BindTransparentControl(control, &objects_.back());
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    return control;
  }
  HWND AddButton(TButtonDescriptor& descriptor, RECT box) {
    HWND button = Create(kTransparentPushButtonClass, kPushStyle, descriptor.caption.c_str(), box, descriptor.id);
    BindPushButton(button, &descriptor);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    return button;
  }

  TButtonShape shape_;
  std::deque<TControlObject> objects_;
  int lastId_ = 5000;
};

RECT Box(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

}  // namespace

TEST_F(TransparentControls, AreSuperclassesThatKeepTheSystemBehaviour) {
  struct Case {
    const char* className;
    const char* systemName;
  } cases[] = {{kTransparentEditClass, "EDIT"},
               {kTransparentStaticClass, "STATIC"},
               {kTransparentButtonClass, "BUTTON"},
               {kTransparentPushButtonClass, "BUTTON"}};
  for (const auto& c : cases) {
    WNDCLASSA ours{};
    WNDCLASSA system{};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), c.className, &ours)) << c.className;
    ASSERT_TRUE(GetClassInfoA(nullptr, c.systemName, &system)) << c.systemName;
    // The object's pointer lives after the system control's own bytes.
    EXPECT_EQ(system.cbWndExtra + static_cast<int>(sizeof(void*)), ours.cbWndExtra) << c.className;
  }

  HWND edit = Add(kTransparentEditClass, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, "", Box(10, 10, 120, 20));
  SetWindowTextA(edit, "入力テキスト");
  char text[32] = "";
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ("入力テキスト", text);

  HWND check = Add(kTransparentButtonClass, kCheckBoxStyle, "確認", Box(10, 40, 120, 18));
  EXPECT_EQ(BST_UNCHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
  SendMessageA(check, BM_CLICK, 0, 0);
  EXPECT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
  SendMessageA(check, BM_CLICK, 0, 0);
  EXPECT_EQ(BST_UNCHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
}

TEST_F(TransparentControls, EraseTheBackgroundOnlyWhenFocused) {
  HWND edit = Add(kTransparentEditClass, kEditStyle, "text", Box(10, 10, 120, 40));
  HWND label = Add(kTransparentStaticClass, kLabelStyle, "label", Box(10, 60, 120, 12));
  HWND check = Add(kTransparentButtonClass, kCheckBoxStyle, "check", Box(10, 80, 120, 18));
  HWND unbound = Create(kTransparentButtonClass, kCheckBoxStyle, "plain", Box(10, 100, 120, 18), 6000);
  struct Case {
    HWND control;
    bool focused;
    bool erases;
    const char* reason;
  } cases[] = {
      {edit, false, false, "an unfocused edit leaves the shape's background"},
      {label, false, false, "a label never erases"},
      {check, false, false, "an unfocused check box leaves the shape's background"},
      {edit, true, true, "a focused edit is the system's"},
      {check, true, true, "a focused check box is the system's"},
      {unbound, false, true, "before binding the control is the plain system control"},
  };
  TMemoryDc memory(CreateCompatibleDC(nullptr));
  TBitmapHandle bitmap(CreateBitmap(200, 120, 1, 32, nullptr));
  ASSERT_TRUE(memory && bitmap);
  HGDIOBJ previous = SelectObject(memory.Get(), bitmap.Get());
  for (const auto& c : cases) {
    SetFocus(c.focused ? c.control : nullptr);
    ASSERT_EQ(c.focused, GetFocus() == c.control) << c.reason;
    const LRESULT result = SendMessageA(c.control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.Get()), 0);
    EXPECT_EQ(c.erases, result != 0) << c.reason;
  }
  SelectObject(memory.Get(), previous);
  DestroyWindow(unbound);
}

TEST_F(TransparentControls, DefaultFrameFollowsTheFocus) {
  TButtonDescriptor ok{nullptr, 1, "OK", nullptr, true};
  TButtonDescriptor cancel{nullptr, 2, "Cancel", nullptr, false};
  const RECT okBox = Box(40, 150, kPushButtonWidth, kPushButtonHeight);
  const RECT cancelBox = Box(140, 150, kPushButtonWidth, kPushButtonHeight);
  HWND okButton = AddButton(ok, okBox);
  HWND cancelButton = AddButton(cancel, cancelBox);
  HWND check = Add(kTransparentButtonClass, kCheckBoxStyle, "check", Box(40, 20, 120, 18));
  ASSERT_EQ(okButton, ok.handle);
  ASSERT_EQ(&cancel, PushButtonDescriptor(cancelButton));

  // The frame is black on the left and top edges, where an unframed
  // button shows its light edge.
  const auto framed = [](const TCapture& capture, const RECT& box) {
    const int middleY = (box.top + box.bottom) / 2;
    const int middleX = (box.left + box.right) / 2;
    return capture.At(box.left, middleY) == 0 && capture.At(middleX, box.top) == 0;
  };
  struct Case {
    HWND focus;
    bool okFramed;
    bool cancelFramed;
    const char* reason;
  } cases[] = {
      {cancelButton, false, true, "the focused push button has the frame"},
      {check, true, false, "with no push button focused the default button has it back"},
      {okButton, true, false, "the focused default button keeps it"},
      {cancelButton, false, true, "and gives it up when the focus moves on"},
  };
  for (const auto& c : cases) {
    // The shape's activation can reach it late from the X server (a loaded
    // machine), while the capture lets messages through; activated, a dialog
    // gives the focus back to the control it last had. A capture counts only
    // when the focus stayed where it was put throughout.
    TCapture capture;
    bool focusHeld = false;
    EXPECT_TRUE(WaitUntil(
        [&] {
          SetFocus(c.focus);
          focusHeld = GetFocus() == c.focus;
          if (!focusHeld) return false;
          capture = CaptureClient(shape_.Handle());
          return GetFocus() == c.focus;
        },
        3000));
    ASSERT_TRUE(focusHeld) << c.reason;
    ASSERT_FALSE(capture.pixels.empty());
    EXPECT_EQ(c.okFramed, framed(capture, okBox)) << c.reason;
    EXPECT_EQ(c.cancelFramed, framed(capture, cancelBox)) << c.reason;
  }

  // Enter from the check box presses the button the descriptor marks default.
  SetFocus(check);
  PumpWaitingMessages();
  MSG enter{shape_.Handle(), WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
  EXPECT_TRUE(TranslateKeys(TAcceleratorTable(), shape_.Handle(), enter));
  MSG posted{};
  ASSERT_TRUE(PeekMessageA(&posted, shape_.Handle(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
  EXPECT_EQ(1, LOWORD(posted.wParam));
  EXPECT_EQ(reinterpret_cast<LPARAM>(okButton), posted.lParam);
}

TEST_F(TransparentControls, DisabledCheckBoxShowsAnInactiveMarkAndEmbossedCaption) {
  TButtonDescriptor ok{nullptr, 1, "OK", nullptr, true};
  HWND okButton = AddButton(ok, Box(40, 150, kPushButtonWidth, kPushButtonHeight));
  Add(kTransparentButtonClass, kCheckBoxStyle, "ABCDEF", Box(20, 20, 150, 18));
  HWND disabled = Add(kTransparentButtonClass, kCheckBoxStyle, "ABCDEF", Box(20, 50, 150, 18));
  EnableWindow(disabled, FALSE);
  // Neither check box may have the focus: a focused one keeps the system's look.
  SetFocus(okButton);
  const TCapture capture = CaptureClient(shape_.Handle());
  ASSERT_FALSE(capture.pixels.empty());
  struct Case {
    int top;
    DWORD markInside;
    bool plainText;
    bool embossedText;
    const char* reason;
  } cases[] = {
      {20, SysRgb(COLOR_WINDOW), true, false, "enabled: a white mark and a plain caption"},
      {50, SysRgb(COLOR_BTNFACE), false, true, "disabled: the inactive mark and an embossed caption"},
  };
  for (const auto& c : cases) {
    // The 13-pixel mark is centred in the 18-pixel height, at the left edge.
    EXPECT_EQ(c.markInside, capture.At(20 + 6, c.top + 2 + 6)) << c.reason;
    const RECT caption = Box(20 + 18, c.top, 100, 18);
    EXPECT_EQ(c.plainText, capture.Count(caption, SysRgb(COLOR_WINDOWTEXT)) > 0) << c.reason;
    EXPECT_EQ(c.embossedText, capture.Count(caption, SysRgb(COLOR_BTNSHADOW)) > 0) << c.reason;
  }
}

TEST_F(TransparentControls, MultiLineEditShowsItsLinesWithoutABox) {
  const RECT box = Box(20, 20, 200, 60);
  Add(kTransparentEditClass, kEditStyle, "一行目\r\n\r\n三行目", box);
  TEXTMETRICA metrics{};
  HDC dc = GetDC(shape_.Handle());
  HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(shape_.Handle(), dc);
  const int line = metrics.tmHeight;
  ASSERT_GT(3 * line, 0);
  ASSERT_LE(3 * line, 60);

  const TCapture capture = CaptureClient(shape_.Handle());
  ASSERT_FALSE(capture.pixels.empty());
  const DWORD ink = SysRgb(COLOR_WINDOWTEXT);
  struct Case {
    int line;
    bool inked;
    const char* reason;
  } cases[] = {
      {0, true, "the first line"},
      {1, false, "the empty line still takes a line's height"},
      {2, true, "the third line below it"},
  };
  for (const auto& c : cases) {
    const RECT band = Box(box.left, box.top + c.line * line, 200, line);
    EXPECT_EQ(c.inked, capture.Count(band, ink) > 0) << c.reason;
  }
  // No white field and no border: the shape's face shows all round.
  EXPECT_EQ(0, capture.Count(box, SysRgb(COLOR_WINDOW)));
  for (int x = box.left; x < box.right; ++x) {
    EXPECT_EQ(SysRgb(COLOR_BTNFACE), capture.At(x, box.bottom - 1)) << x;
  }
}

TEST_F(TransparentControls, PushButtonDrawsItsSmallIconUnlessDisabled) {
  THandleIcon icon(TIconHandle(MakeSolidIcon(16, kSmallIconRgb)), TIconHandle(MakeSolidIcon(32, kLargeIconRgb)));
  TButtonDescriptor ok{nullptr, 1, "OK", &icon, true};
  TButtonDescriptor off{nullptr, 2, "OK", &icon, false};
  const RECT okBox = Box(20, 20, kPushButtonWidth, kPushButtonHeight);
  const RECT offBox = Box(20, 60, kPushButtonWidth, kPushButtonHeight);
  HWND okButton = AddButton(ok, okBox);
  HWND offButton = AddButton(off, offBox);
  EnableWindow(offButton, FALSE);
  EXPECT_EQ(reinterpret_cast<LRESULT>(icon.GetIcon(kSmallIcon)), SendMessageA(okButton, WM_GETICON, ICON_SMALL, 0));
  EXPECT_EQ(reinterpret_cast<LRESULT>(icon.GetIcon(kLargeIcon)), SendMessageA(okButton, WM_GETICON, ICON_BIG, 0));

  const TCapture capture = CaptureClient(shape_.Handle());
  ASSERT_FALSE(capture.pixels.empty());
  struct Case {
    RECT box;
    int smallPixels;
    const char* reason;
  } cases[] = {
      {okBox, 16 * 16, "the whole 16 x 16 icon, in its own colours"},
      {offBox, 0, "a disabled button shows its icon embossed"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.smallPixels, capture.Count(c.box, kSmallIconRgb)) << c.reason;
    EXPECT_EQ(0, capture.Count(c.box, kLargeIconRgb)) << "never the big icon: " << c.reason;
  }
  // The icon sits left of the caption: its right edge is left of the middle.
  int rightmost = -1;
  for (int x = okBox.left; x < okBox.right; ++x) {
    if (capture.At(x, (okBox.top + okBox.bottom) / 2) == kSmallIconRgb) rightmost = x;
  }
  EXPECT_GT(rightmost, okBox.left);
  EXPECT_LT(rightmost, (okBox.left + okBox.right) / 2);
}

TEST_F(TransparentControls, PaintingLeaksNoGdiObjects) {
  THandleIcon icon(TIconHandle(MakeSolidIcon(16, kSmallIconRgb)), TIconHandle(MakeSolidIcon(32, kLargeIconRgb)));
  const auto round = [&] {
    TButtonDescriptor ok{nullptr, 1, "OK", &icon, true};
    std::vector<HWND> made = {
        Add(kTransparentEditClass, kEditStyle, "一行目\r\n二行目", Box(10, 10, 150, 40)),
        Add(kTransparentStaticClass, kLabelStyle, "&Label", Box(10, 60, 150, 12)),
        Add(kTransparentButtonClass, kCheckBoxStyle, "check", Box(10, 80, 150, 18)),
        Add(kTransparentButtonClass, kGroupStyle, "group", Box(170, 10, 150, 100)),
        AddButton(ok, Box(200, 200, kPushButtonWidth, kPushButtonHeight)),
    };
    EnableWindow(made[2], FALSE);
    RedrawWindow(shape_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (HWND window : made) DestroyWindow(window);
    objects_.clear();
    PumpWaitingMessages();
  };
  round();  // first-use caches: the background picture, fonts
  const long before = GdiObjectCount();
  for (int i = 0; i < 1000; ++i) round();
  const long after = GdiObjectCount();
  EXPECT_LE(after - before, 5) << "before " << before << ", after " << after;
}
