#pragma once
// The menu bar of the test windows: three menus, a nested submenu, a checked,
// a grayed and a separator item, Japanese captions with accelerators and a
// tab-separated shortcut text, so copies of it can be compared item by item.
// Header-only so that the stand-alone test programs share it.
#include <windows.h>

#include "tests/support/TestProgramProtocol.h"

// The caller owns the menu until it is given to a window (DestroyMenu otherwise).
inline HMENU BuildTestMenuBar() {
  using namespace testwindow;
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kCommandNew, "新規作成(&N)");
  AppendMenuA(file, MF_STRING, kCommandOpen, "開く(&O)...\tCtrl+O");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, kCommandExit, "終了(&X)");
  HMENU edit = CreatePopupMenu();
  AppendMenuA(edit, MF_STRING, kCommandUndo, "元に戻す(&U)\tCtrl+Z");
  AppendMenuA(edit, MF_STRING | MF_CHECKED, kCommandChecked, "チェック済み(&C)");
  AppendMenuA(edit, MF_STRING | MF_GRAYED, kCommandGrayed, "使用不可(&G)");
  HMENU more = CreatePopupMenu();
  AppendMenuA(more, MF_STRING, kCommandSubFirst, "その一(&1)");
  AppendMenuA(more, MF_STRING, kCommandSubSecond, "その二(&2)");
  AppendMenuA(edit, MF_POPUP, reinterpret_cast<UINT_PTR>(more), "その他(&M)");
  HMENU help = CreatePopupMenu();
  AppendMenuA(help, MF_STRING, kCommandAbout, "バージョン情報(&A)");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "ファイル(&F)");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "編集(&E)");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "ヘルプ(&H)");
  return bar;
}
