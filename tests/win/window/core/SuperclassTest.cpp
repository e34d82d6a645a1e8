#include <windows.h>

#include <gtest/gtest.h>

#include "framework/window/core/TWindow.h"

namespace {

TSuperclass g_testEdit;
int g_messagesSeenByObject = 0;

struct TTestEdit {
  HWND handle = nullptr;  // the first field, as the binding expects
};

LRESULT CALLBACK TestEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (g_testEdit.ObjectOf(hwnd) != nullptr) ++g_messagesSeenByObject;
  return g_testEdit.CallSystem(hwnd, msg, wParam, lParam);
}

}  // namespace

TEST(Superclass, ObjectLivesAfterTheSystemExtraBytes) {
  ASSERT_TRUE(g_testEdit.Register("EDIT", "StowpaneTestEdit", TestEditProc));
  ASSERT_NE(nullptr, g_testEdit.systemProc);
  WNDCLASSA record{};
  ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "StowpaneTestEdit", &record));
  EXPECT_EQ(g_testEdit.systemExtraBytes + static_cast<int>(sizeof(void*)), record.cbWndExtra);
  // A second registration changes nothing.
  EXPECT_TRUE(g_testEdit.Register("EDIT", "StowpaneTestEdit", TestEditProc));

  HWND edit = CreateWindowExA(0, "StowpaneTestEdit", "before", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(nullptr, edit);
  // Creation ran as the plain control: no object yet.
  EXPECT_EQ(0, g_messagesSeenByObject);
  TTestEdit object;
  object.handle = edit;
  g_testEdit.Bind(edit, &object);
  EXPECT_EQ(&object, g_testEdit.ObjectOf(edit));
  // The control still works as an edit.
  SetWindowTextA(edit, "表示テキスト");
  char text[32] = {};
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ("表示テキスト", text);
  EXPECT_GT(g_messagesSeenByObject, 0);
  DestroyWindow(edit);
}

TEST(Superclass, UnknownSystemClassIsRefused) {
  TSuperclass none;
  EXPECT_FALSE(none.Register("NoSuchSystemClass", "StowpaneNoSuch", TestEditProc));
}
