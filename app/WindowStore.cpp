#include <windows.h>

#include "app/WindowStore.h"

#include <algorithm>
#include <utility>

#include "app/TrayIconValues.h"
#include "app/TrayIcons.h"
#include "app/UnansweredWindowBoxes.h"
#include "app/WindowProbe.h"

bool TWindowStore::Pending(HWND window) const {
  return std::find(pending_.begin(), pending_.end(), window) != pending_.end();
}

std::unique_ptr<TStoredWindow> TWindowStore::Detach(const TStoredWindow& record) {
  return table_.Release(table_.PositionOf(record));
}

bool TWindowStore::StoreWindow(HWND window) {
  if (window == nullptr || !IsWindow(window)) return false;
  if (table_.FindByWindow(window) != nullptr || Pending(window)) return false;
  {
    TBusyScope busy(busy_);
    pending_.push_back(window);
    bool answered = WindowAnswers(window, kStoreProbeTimeoutMs);
    // A window that closes while the question is open ends the attempts:
    // there is nothing left to store.
    while (!answered && IsWindow(window) && AskStoreAgain(boxOwner_) == kAnswerRetry) {
      answered = WindowAnswers(window, kStoreProbeTimeoutMs);
    }
    pending_.erase(std::find(pending_.begin(), pending_.end(), window));
    if (!answered || !IsWindow(window)) return false;
  }
  // The id is chosen once the question is over, so that a window stored while
  // it was open cannot have taken the same one.
  TStoredWindow& record = table_.Append(std::make_unique<TStoredWindow>(window, table_.ChooseIconId()));
  HideAndIconize(record);
  return true;
}

void TWindowStore::HideAndIconize(TStoredWindow& record) {
  // The value first: a crash between hiding and the icon must not lose the window.
  WriteTrayIconValue(record.iconId, record.window);
  if (!IsIconic(record.window)) ShowWindow(record.window, SW_MINIMIZE);
  ShowWindow(record.window, SW_HIDE);
  SafeGetWindowText(record.window, record.title);
  UpdateTrayIcon(record, TIconAction::Add);
}

void TWindowStore::StoreAll(THandleList windows) {
  TBusyScope busy(busy_);
  for (HWND window : windows) StoreWindow(window);
}

TRefreshAnswer TWindowStore::RefreshStoredWindow(TStoredWindow& record) {
  if (!IsWindow(record.window) || IsWindowVisible(record.window)) return TRefreshAnswer::Gone;
  // The probe's answer is the title's length: the title needs one more question, not two.
  size_t titleLength = 0;
  if (!WindowAnswers(record.window, kRefreshProbeTimeoutMs, &titleLength)) return TRefreshAnswer::Keep;
  TString title;
  SafeGetWindowTextOfLength(record.window, titleLength, title);
  TWindowIcon current(record.window);
  current.ReadWindowIcons();
  // A new big icon alone goes unnoticed while the window has a small one:
  // the tray shows the small one.
  const bool changed = current.SmallIcon() != record.icon.SmallIcon() ||
                       (record.icon.SmallIcon() == nullptr && current.BigIcon() != record.icon.BigIcon()) ||
                       title.Bytes() != record.title.Bytes();
  if (changed) {
    record.icon.ReadWindowIcons();
    record.title = title;
    UpdateTrayIcon(record, TIconAction::Modify);
  }
  return TRefreshAnswer::Keep;
}

void TWindowStore::RestoreStoredWindow(TStoredWindow& record, bool show) {
  UpdateTrayIcon(record, TIconAction::Delete);
  // While its question is open the window is in no table: it must not be
  // stored again meanwhile.
  if (show) pending_.push_back(record.window);
  // Only Stop ends the attempts, or the window closing meanwhile.
  while (show && IsWindow(record.window)) {
    if (WindowAnswers(record.window, kStoreProbeTimeoutMs)) {
      if (IsIconic(record.window)) ShowWindow(record.window, SW_RESTORE);
      if (!IsWindowVisible(record.window)) ShowWindow(record.window, SW_SHOWNA);
      SetForegroundWindow(record.window);
      break;
    }
    if (AskRestoreAgain(boxOwner_) == kAnswerStop) break;
  }
  if (show) pending_.erase(std::find(pending_.begin(), pending_.end(), record.window));
  DeleteTrayIconValue(record.iconId);
}

void TWindowStore::RestoreThroughIcon(const TStoredWindow& stored) {
  std::unique_ptr<TStoredWindow> record = Detach(stored);
  if (!record) return;
  TBusyScope busy(busy_);
  RestoreStoredWindow(*record, true);
  if (IsWindow(record->window)) SetForegroundWindow(record->window);
}

void TWindowStore::RestoreAll() {
  TBusyScope busy(busy_);
  // Always the first record: whatever a tick or a nested call did while a
  // question was open, the walk never passes the end or meets a record twice.
  while (!table_.IsEmpty()) {
    std::unique_ptr<TStoredWindow> record = table_.Release(0);
    RestoreStoredWindow(*record, true);
  }
}

void TWindowStore::RefreshAll() {
  // A question is open: the table waits for its answer.
  if (Busy()) return;
  size_t position = 0;
  while (position < table_.Count()) {
    if (RefreshStoredWindow(table_.At(position)) == TRefreshAnswer::Keep) {
      ++position;
      continue;
    }
    std::unique_ptr<TStoredWindow> record = table_.Release(position);
    RestoreStoredWindow(*record, false);
  }
}

void TWindowStore::IconizeAllAgain() {
  for (size_t position = 0; position < table_.Count(); ++position) {
    TStoredWindow& record = table_.At(position);
    if (RefreshStoredWindow(record) == TRefreshAnswer::Keep) HideAndIconize(record);
  }
}

void TWindowStore::AdoptPersistedWindows() {
  int nextId = kFirstStoredIconId;
  for (HWND window : TakeTrayIconValues()) {
    if (window == nullptr || !IsWindow(window) || IsWindowVisible(window) || !IsWindowEnabled(window)) continue;
    // A handle listed twice is taken once: two icons for one window would
    // leave one behind when it is given back.
    if (table_.FindByWindow(window) != nullptr) continue;
    TStoredWindow& record = table_.Append(std::make_unique<TStoredWindow>(window, nextId++));
    HideAndIconize(record);
  }
}
