#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "framework/window/core/TranslateKeys.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "framework/window/shapes/TShape.h"
#include "tests/support/WindowQueries.h"

namespace {

// Pumps what is queued for this thread, so posted closes take effect.
// A shape that records the messages reaching its object and runs a script
// from OnInitialize.
class TScriptedShape : public TShape {
 public:
  explicit TScriptedShape(HWND owner = nullptr) : TShape(owner, "test shape") { SetShow(false); }
  std::vector<UINT> seen;
  int closeAttempts = 0;
  bool allowClose = true;
  bool ownerEnabledDuringRun = true;
  void (*script)(TScriptedShape&) = nullptr;

  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    seen.push_back(msg);
    if (msg == WM_APP + 1) {
      allowClose = true;
      EndShape(static_cast<int>(wParam));
      return 0;
    }
    return TShape::WndProc(msg, wParam, lParam);
  }
  void OnInitialize() override {
    if (Owner() != nullptr) ownerEnabledDuringRun = IsWindowEnabled(Owner()) != FALSE;
    if (script != nullptr) script(*this);
  }
  bool CanClose() override {
    ++closeAttempts;
    return allowClose;
  }
};

HWND MakeOwner() {
  return CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

TEST(ShapeBinding, ObjectSeesCreateFirst) {
  TScriptedShape shape;
  shape.script = [](TScriptedShape& s) { PostMessageA(s.Handle(), WM_CLOSE, 0, 0); };
  shape.Run();
  ASSERT_FALSE(shape.seen.empty());
  // WM_GETMINMAXINFO, WM_NCCREATE and WM_NCCALCSIZE come before WM_CREATE
  // and are answered without the object.
  EXPECT_EQ(static_cast<UINT>(WM_CREATE), shape.seen.front());
  EXPECT_EQ(nullptr, shape.Handle());
}

TEST(ShapeRun, OwnerIsDisabledDuringTheRunAndRestoredAfter) {
  struct Case {
    bool ownerEnabledBefore;
    bool ownerEnabledAfter;
  } cases[] = {{true, true}, {false, false}};
  for (const auto& c : cases) {
    HWND owner = MakeOwner();
    ASSERT_NE(nullptr, owner);
    EnableWindow(owner, c.ownerEnabledBefore);
    TScriptedShape shape(owner);
    shape.script = [](TScriptedShape& s) { s.EndShape(4); };
    EXPECT_EQ(4, shape.Run());
    EXPECT_FALSE(shape.ownerEnabledDuringRun);
    EXPECT_EQ(c.ownerEnabledAfter, IsWindowEnabled(owner) != FALSE) << c.ownerEnabledBefore;
    DestroyWindow(owner);
  }
}

TEST(ShapeRun, RefusedCloseKeepsTheShapeOpen) {
  TScriptedShape shape;
  shape.allowClose = false;
  shape.script = [](TScriptedShape& s) {
    PostMessageA(s.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);  // Alt+F4
    s.EndShape(3);
    PostMessageA(s.Handle(), WM_APP + 1, 7, 0);  // then allow, and close with 7
  };
  EXPECT_EQ(7, shape.Run());
  EXPECT_EQ(3, shape.closeAttempts);
}

TEST(ShapeModeless, OwnerIsNotifiedWithTheResult) {
  struct TOwner : TShape {
    TOwner() : TShape(nullptr, "owner") { SetShow(false); }
    WPARAM notified = 0;
    LRESULT OnCommand(int id, HWND control, int code) override {
      if (id == 1000) notified = MAKEWPARAM(id, code);
      return TShape::OnCommand(id, control, code);
    }
  } owner;
  owner.Build();
  ASSERT_NE(nullptr, owner.Handle());
  TScriptedShape modeless(owner.Handle());
  modeless.RunModeless(1000);
  ASSERT_NE(nullptr, modeless.Handle());
  EXPECT_EQ(1u, ModelessShapes().size());
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));  // a modeless shape leaves its owner alone
  modeless.EndShape(2);
  PumpWaitingMessages();
  EXPECT_EQ(MAKEWPARAM(1000, 2), owner.notified);
  MSG idle{};
  DispatchToModeless(idle);  // finds the window gone and drops the shape
  EXPECT_TRUE(ModelessShapes().empty());
  DestroyWindow(owner.Handle());
  CloseAllModeless();
}

class TranslateKeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = CreateWindowExA(0, "STATIC", "keys", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    multiLine_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_MULTILINE | ES_WANTRETURN, 0, 0, 50, 20, parent_,
                                 reinterpret_cast<HMENU>(10), nullptr, nullptr);
    singleLine_ = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 30, 50, 20, parent_, reinterpret_cast<HMENU>(11),
                                  nullptr, nullptr);
    button_ = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | BS_DEFPUSHBUTTON, 0, 60, 50, 20, parent_,
                              reinterpret_cast<HMENU>(1), nullptr, nullptr);
    Drain();
  }
  void TearDown() override { DestroyWindow(parent_); }
  void Drain() {
    MSG msg;
    while (PeekMessageA(&msg, parent_, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
    }
  }
  // The WM_COMMAND wParam posted to the parent, or 0.
  WPARAM PostedCommand() {
    MSG msg;
    return PeekMessageA(&msg, parent_, WM_COMMAND, WM_COMMAND, PM_REMOVE) ? msg.wParam : 0;
  }
  MSG Key(UINT message, WPARAM key) {
    MSG msg{};
    msg.hwnd = GetFocus();
    msg.message = message;
    msg.wParam = key;
    return msg;
  }
  HWND parent_, multiLine_, singleLine_, button_;
};

TEST_F(TranslateKeysTest, EnterTypesALineInAMultiLineEditAndPressesTheDefaultButtonElsewhere) {
  const TAcceleratorTable none;
  SetFocus(multiLine_);
  EXPECT_FALSE(TranslateKeys(none, parent_, Key(WM_KEYDOWN, VK_RETURN)));
  EXPECT_EQ(0u, PostedCommand());
  SetFocus(singleLine_);
  EXPECT_TRUE(TranslateKeys(none, parent_, Key(WM_KEYDOWN, VK_RETURN)));
  EXPECT_EQ(MAKEWPARAM(1, 1), PostedCommand());
}

TEST_F(TranslateKeysTest, AcceleratorsPostTheirCommand) {
  const TAcceleratorTable table = {{FVIRTKEY, VK_F1, 9}, {FVIRTKEY | FCONTROL, 'S', 77}};
  SetFocus(singleLine_);
  EXPECT_TRUE(TranslateKeys(table, parent_, Key(WM_KEYDOWN, VK_F1)));
  EXPECT_EQ(MAKEWPARAM(9, 1), PostedCommand());
  // Ctrl is not down, so Ctrl+S does not match a plain S.
  EXPECT_FALSE(TranslateKeys(table, parent_, Key(WM_KEYDOWN, 'S')));
  EXPECT_FALSE(TranslateKeys(table, parent_, Key(WM_KEYUP, VK_F1)));
  EXPECT_EQ(0u, PostedCommand());
}

namespace {

// Whether `icon` still names a live icon.
bool IsLiveIconHandle(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return false;
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  return true;
}

}  // namespace

// A shape built from a dialog template gets the program's icons in its title
// bar; the window only borrows them, and they go with the shape.
TEST(ShapeDialog, TitleBarIconsLiveAsLongAsTheShape) {
  // An empty dialog template: no menu, the system's class, no title, no items.
  alignas(4) WORD dialogTemplate[16] = {};
  auto* header = reinterpret_cast<DLGTEMPLATE*>(dialogTemplate);
  header->style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  header->cx = 100;
  header->cy = 50;
  HICON small = nullptr;
  HICON big = nullptr;
  {
    TScriptedShape shape;
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), header, nullptr, TShape::PreDlgProc,
                                             reinterpret_cast<LPARAM>(&shape));
    ASSERT_NE(nullptr, dialog);
    PumpWaitingMessages();  // the icons are posted
    small = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
    big = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
    EXPECT_TRUE(IsLiveIconHandle(small));
    EXPECT_TRUE(IsLiveIconHandle(big));
    EXPECT_NE(small, big);
    DestroyWindow(dialog);
    EXPECT_TRUE(IsLiveIconHandle(small)) << "the window does not destroy what it borrowed";
  }
  EXPECT_FALSE(IsLiveIconHandle(small));
  EXPECT_FALSE(IsLiveIconHandle(big));
}
