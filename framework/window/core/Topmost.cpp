#include "framework/window/core/Topmost.h"

#include <vector>

namespace {

constexpr UINT kZOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

struct TOwnedSearch {
  HWND owner;
  std::vector<HWND> owned;
};

BOOL CALLBACK CollectOwned(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<TOwnedSearch*>(context);
  if (GetWindow(window, GW_OWNER) == search->owner) search->owned.push_back(window);
  return TRUE;
}

// The windows `owner` owns itself, front to back.
std::vector<HWND> OwnedWindows(HWND owner) {
  TOwnedSearch search{owner, {}};
  EnumWindows(CollectOwned, reinterpret_cast<LPARAM>(&search));
  return search.owned;
}

void SetOwner(HWND window, HWND owner) {
  // On a top-level window GWLP_HWNDPARENT is the owner, on Windows and Wine alike.
  SetWindowLongPtrA(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

bool IsTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

}  // namespace

bool MakeTopmost(HWND window) {
  if (!IsWindow(window)) return false;
  // A window that owns nothing becomes topmost on both systems; one that owns
  // any does not under Wine 8 (calling twice, HWND_TOP first, with or without
  // SWP_NOOWNERZORDER: only its owned windows go topmost). So its windows are
  // handed back only once it is there, before the thread handles any message.
  const std::vector<HWND> owned = OwnedWindows(window);
  for (HWND each : owned) SetOwner(each, nullptr);
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kZOrderOnly);
  for (HWND each : owned) SetOwner(each, window);
  // An owned window on screen stays above its owner, as Windows keeps it;
  // back to front, so that they keep their order. It may own windows too.
  for (auto each = owned.rbegin(); each != owned.rend(); ++each) {
    if (IsWindowVisible(*each)) MakeTopmost(*each);
  }
  return IsTopmost(window);
}
