#include "tests/support/PlayedUser.h"

#include <utility>

namespace {

constexpr UINT kTickMs = 20;
constexpr int kGiveUpTicks = 100;

PlayedUser* g_active = nullptr;

BOOL CALLBACK FindByClass(HWND window, LPARAM found) {
  auto* search = reinterpret_cast<std::pair<const char*, HWND>*>(found);
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, search->first) == 0 && IsWindowVisible(window)) {
    search->second = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

PlayedUser::PlayedUser(Finder find, Closer giveUp) : find_(find), giveUp_(giveUp) {
  g_active = this;
  timer_ = SetTimer(nullptr, 0, kTickMs, Tick);
}

PlayedUser::~PlayedUser() {
  KillTimer(nullptr, timer_);
  if (g_active == this) g_active = nullptr;
}

void CALLBACK PlayedUser::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_active != nullptr) g_active->OnTick();
}

void PlayedUser::OnTick() {
  const HWND window = find_();
  if (window == nullptr) {
    ticksSinceAction_ = -1;
    return;
  }
  if (!action_) {
    if (ticksSinceAction_ >= 0 && ++ticksSinceAction_ > kGiveUpTicks) giveUp_(window);
    return;
  }
  ++seen_;
  ticksSinceAction_ = 0;
  // Taken first: the action may open the next window, whose loop ticks too.
  auto action = std::move(action_);
  action_ = nullptr;
  action(window);
}

HWND VisibleSystemDialogOfThisThread() {
  std::pair<const char*, HWND> search{"#32770", nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindByClass, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

HWND FirstVisibleEdit(HWND dialog) {
  std::pair<const char*, HWND> search{"Edit", nullptr};
  EnumChildWindows(dialog, FindByClass, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

void PressCancel(HWND window) { PostMessageA(window, WM_COMMAND, IDCANCEL, 0); }
void PostClose(HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); }
