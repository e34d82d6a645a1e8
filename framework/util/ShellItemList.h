#pragma once
// Owns a shell item list (PIDL) handed out by the shell, and frees it through
// the shell's own allocator as the shell requires: another heap's free would
// corrupt memory.
#include <windows.h>
#include <shlobj.h>

#include <utility>

class TShellItemList {
 public:
  TShellItemList() = default;
  explicit TShellItemList(LPITEMIDLIST taken) : list_(taken) {}
  ~TShellItemList() { Reset(); }
  TShellItemList(TShellItemList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
  TShellItemList& operator=(TShellItemList&& other) noexcept {
    if (this != &other) {
      Reset();
      list_ = std::exchange(other.list_, nullptr);
    }
    return *this;
  }
  TShellItemList(const TShellItemList&) = delete;
  TShellItemList& operator=(const TShellItemList&) = delete;

  LPITEMIDLIST Get() const { return list_; }
  explicit operator bool() const { return list_ != nullptr; }
  // The slot for a call that hands out a new list; the old one is freed first.
  LPITEMIDLIST* Receive() {
    Reset();
    return &list_;
  }
  void Reset();

 private:
  LPITEMIDLIST list_ = nullptr;
};
