#pragma once
// The stored windows: each another program's window that is hidden and shown
// as a tray icon of its own, in the order they were stored.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/storing/WindowIcon.h"
#include "framework/system/WideText.h"
#include "framework/text/TString.h"

constexpr int kFirstStoredIconId = 5000;

struct TStoredWindow {
  explicit TStoredWindow(HWND window, int iconId) : window(window), iconId(iconId), icon(window) {}
  HWND window;
  int iconId;         // unique in the table; the tray callback is WM_APP + iconId
  TWindowIcon icon;
  // As last read, empty until the window was hidden and iconized: as the
  // window holds it (for its tip) and in the program's Shift-JIS form.
  TWideText wideTitle;
  TString title;
  // Whether the taskbar took its icon: one it refused (at logon, or busy) is
  // added again at the ticks.
  bool iconShown = false;

  // Both forms from the wide one, as the ANSI calls would convert it.
  void SetTitle(const TWideText& wide);
  // Reads the title with bounded waits ("不明" when the window does not answer).
  void ReadTitle();
};

class TStoredWindowTable {
 public:
  size_t Count() const { return records_.size(); }
  bool IsEmpty() const { return records_.empty(); }
  TStoredWindow& At(size_t position) { return *records_[position]; }
  const TStoredWindow& At(size_t position) const { return *records_[position]; }
  TStoredWindow& Append(std::unique_ptr<TStoredWindow> record);
  void RemoveAt(size_t position);
  // Takes the record out of the table and hands it over; null past the end.
  std::unique_ptr<TStoredWindow> Release(size_t position);
  // The position of `record`, or Count() when it is not in the table.
  size_t PositionOf(const TStoredWindow& record) const;
  void RemoveAll() { records_.clear(); }

  // The smallest id from 5000 that no record uses.
  int ChooseIconId() const;
  // The first record whose icon sends `message`, or null (then the message is ignored).
  TStoredWindow* FindByCallback(UINT message);
  // The first record of `window`, or null.
  TStoredWindow* FindByWindow(HWND window);

 private:
  std::vector<std::unique_ptr<TStoredWindow>> records_;
};

// The callback message of a stored window's tray icon.
inline UINT StoredIconMessage(int iconId) { return WM_APP + static_cast<UINT>(iconId); }
