#include <windows.h>

#include "framework/system/LazyLibrary.h"

#include <cstring>
#include <vector>

#include "framework/base/Owners.h"

namespace {

struct TLoadedLibrary {
  const char* name;  // a literal of this file
  TModuleHandle module;
};

HMODULE Library(const char* name) {
  // The program's one window thread asks; there are five names at most.
  static std::vector<TLoadedLibrary> loaded;
  for (const TLoadedLibrary& library : loaded) {
    if (std::strcmp(library.name, name) == 0) return library.module.Get();
  }
  TModuleHandle module(LoadLibraryA(name));
  if (!module) return nullptr;
  loaded.push_back({name, std::move(module)});
  return loaded.back().module.Get();
}

template <typename Function>
Function Find(const char* library, const char* name) {
  const HMODULE module = Library(library);
  return module != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                           : nullptr;
}

constexpr char kCommonControls[] = "comctl32.dll";

}  // namespace

bool LoadCommonControls() {
  static const bool loaded = [] {
    // Older common controls register their classes here, not when loaded.
    const auto initialize = Find<void(WINAPI*)()>(kCommonControls, "InitCommonControls");
    if (initialize == nullptr) return false;
    initialize();
    return true;
  }();
  return loaded;
}

HWND LazyCreateStatusWindow(LONG style, LPCSTR text, HWND parent, UINT id) {
  using TCreate = HWND(WINAPI*)(LONG, LPCSTR, HWND, UINT);
  const auto create = LoadCommonControls() ? Find<TCreate>(kCommonControls, "CreateStatusWindowA") : nullptr;
  return create != nullptr ? create(style, text, parent, id) : nullptr;
}

HWND LazyCreateUpDownControl(DWORD style, int x, int y, int width, int height, HWND parent, int id,
                             HINSTANCE instance, HWND buddy, int upper, int lower, int position) {
  using TCreate = HWND(WINAPI*)(DWORD, int, int, int, int, HWND, int, HINSTANCE, HWND, int, int, int);
  const auto create = LoadCommonControls() ? Find<TCreate>(kCommonControls, "CreateUpDownControl") : nullptr;
  return create != nullptr ? create(style, x, y, width, height, parent, id, instance, buddy, upper, lower, position)
                           : nullptr;
}

BOOL LazyPlaySound(LPCSTR sound, HMODULE module, DWORD flags) {
  using TPlay = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
  const auto play = Find<TPlay>("winmm.dll", "PlaySoundA");
  return play != nullptr && play(sound, module, flags);
}

HRESULT LazyDwmGetWindowAttribute(HWND window, DWORD attribute, void* value, DWORD size) {
  using TGet = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
  const auto get = Find<TGet>("dwmapi.dll", "DwmGetWindowAttribute");
  return get != nullptr ? get(window, attribute, value, size) : E_NOTIMPL;
}

void LazyAllowMessageFromAnyProcess(HWND window, UINT message) {
  constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
  using TChange = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  const auto change = Find<TChange>("user32.dll", "ChangeWindowMessageFilterEx");
  if (change != nullptr) change(window, message, kAllow, nullptr);
}

BOOL LazyGetOpenFileName(OPENFILENAMEA* record) {
  const auto open = Find<BOOL(WINAPI*)(OPENFILENAMEA*)>("comdlg32.dll", "GetOpenFileNameA");
  return open != nullptr && open(record);
}

BOOL LazyGetSaveFileName(OPENFILENAMEA* record) {
  const auto save = Find<BOOL(WINAPI*)(OPENFILENAMEA*)>("comdlg32.dll", "GetSaveFileNameA");
  return save != nullptr && save(record);
}
