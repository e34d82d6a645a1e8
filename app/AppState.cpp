#include <windows.h>

#include "app/AppState.h"

TAppState& AppState() {
  static TAppState state;
  return state;
}
