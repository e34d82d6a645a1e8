#pragma once
// One owner-drawn push button of a button row: its window, id, caption, icon
// and whether it is the row's default button. The row owns the descriptor;
// the button's window finds it through the superclass binding, which stores
// the address of the first field, so `handle` must stay first.
#include <windows.h>

#include "framework/text/TString.h"

class TIconSource;

struct TButtonDescriptor {
  HWND handle = nullptr;  // first field: the binding stores its address
  int id = 0;
  TString caption;  // with its keyword, before the shape assigns letters
  TIconSource* icon = nullptr;  // kept by its source for the whole run; may be null
  bool isDefault = false;
};
