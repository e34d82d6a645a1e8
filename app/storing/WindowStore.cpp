#include <windows.h>

#include "app/storing/WindowStore.h"

#include <algorithm>
#include <utility>

#include "app/storing/NeverStored.h"
#include "app/storing/TrayIconValues.h"
#include "app/storing/TrayIcons.h"
#include "app/storing/UnansweredWindowBoxes.h"
#include "app/storing/WindowProbe.h"
#include "app/storing/pure/TrayText.h"

namespace {

// ShowWindow on another program's window waits for it: one that did not
// answer just now is told without waiting, and does it when it wakes.
void ShowForeignWindow(HWND window, int command, bool answers) {
  if (answers) {
    ShowWindow(window, command);
  } else {
    ShowWindowAsync(window, command);
  }
}

// A stored window that nothing will be left to bring back: it shows itself
// as soon as it answers.
void ShowWithoutWaiting(HWND window) {
  if (IsIconic(window)) ShowWindowAsync(window, SW_RESTORE);
  ShowWindowAsync(window, SW_SHOWNA);
}

}  // namespace

// Registers a window as waiting in a question for as long as the question is open.
class TWindowStore::TQuestionScope {
 public:
  TQuestionScope(std::vector<TInQuestion>& list, HWND window, int iconId) : list_(list), window_(window) {
    list_.push_back({window, iconId});
  }
  ~TQuestionScope() {
    auto found = std::find_if(list_.begin(), list_.end(), [&](const TInQuestion& q) { return q.window == window_; });
    if (found != list_.end()) list_.erase(found);
  }
  TQuestionScope(const TQuestionScope&) = delete;
  TQuestionScope& operator=(const TQuestionScope&) = delete;

 private:
  std::vector<TInQuestion>& list_;
  HWND window_;
};

bool TWindowStore::Pending(HWND window) const {
  return std::any_of(inQuestion_.begin(), inQuestion_.end(), [&](const TInQuestion& q) { return q.window == window; });
}

std::unique_ptr<TStoredWindow> TWindowStore::Detach(const TStoredWindow& record) {
  return table_.Release(table_.PositionOf(record));
}

int TWindowStore::ChooseIconId() const {
  std::vector<int> used;
  for (size_t i = 0; i < table_.Count(); ++i) used.push_back(table_.At(i).iconId);
  for (const TInQuestion& q : inQuestion_) {
    if (q.iconId != 0) used.push_back(q.iconId);
  }
  // A value with no record is a window a crashed copy left hidden, not yet
  // taken over: writing over it would lose that window.
  for (int id = SmallestFreeId(used, kFirstStoredIconId);; id = SmallestFreeId(used, kFirstStoredIconId)) {
    if (!TrayIconValueExists(id)) return id;
    used.push_back(id);
  }
}

bool TWindowStore::StoreWindow(HWND window) {
  if (window == nullptr || !IsWindow(window) || IsNeverStored(window)) return false;
  if (table_.FindByWindow(window) != nullptr || Pending(window)) return false;
  {
    TBusyScope busy(busy_);
    TQuestionScope question(inQuestion_, window, 0);
    bool answered = WindowAnswers(window, kStoreProbeTimeoutMs);
    // A window that closes while the question is open ends the attempts:
    // there is nothing left to store.
    while (!answered && IsWindow(window) && AskStoreAgain(boxOwner_) == kAnswerRetry) {
      answered = WindowAnswers(window, kStoreProbeTimeoutMs);
    }
    if (!answered || !IsWindow(window)) return false;
  }
  // The id is chosen once the question is over, so that a window stored while
  // it was open cannot have taken the same one.
  auto record = std::make_unique<TStoredWindow>(window, ChooseIconId());
  const unsigned endsBefore = sessionEnds_;
  {
    // Hiding waits for the window, and what is sent to us meanwhile runs: a
    // tray click, the ticks of the menu it opens, the session's end. Until
    // the window is hidden its record is in no table, its window and id are
    // held as in a question, and the store is busy, so that all of them see
    // one consistent table and leave this store alone.
    TBusyScope busy(busy_);
    TQuestionScope hiding(inQuestion_, window, record->iconId);
    Hide(*record, true);
  }
  // The session began to end meanwhile: the window was told to come back
  // with the others, and is stored again with them if the end is cancelled.
  if (sessionEnds_ != endsBefore || !IsWindow(window)) {
    // Told while the hide was under way, it may have been hidden after it.
    if (IsWindow(window)) ShowWithoutWaiting(window);
    DeleteTrayIconValue(record->iconId);
    return false;
  }
  Iconize(table_.Append(std::move(record)));
  return true;
}

void TWindowStore::Hide(const TStoredWindow& record, bool answeredJustNow) {
  // The value first: a crash between hiding and the icon must not lose the window.
  WriteTrayIconValue(record.iconId, record.window);
  const bool answers = answeredJustNow || WindowAnswers(record.window, kRefreshProbeTimeoutMs);
  if (!IsIconic(record.window)) ShowForeignWindow(record.window, SW_MINIMIZE, answers);
  ShowForeignWindow(record.window, SW_HIDE, answers);
}

void TWindowStore::Iconize(TStoredWindow& record) {
  record.ReadTitle();
  UpdateTrayIcon(record, TIconAction::Add);
}

void TWindowStore::HideAndIconize(TStoredWindow& record) {
  Hide(record, false);
  Iconize(record);
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
  TWideText title;
  SafeGetWideWindowTextOfLength(record.window, titleLength, title);
  TWindowIcon current(record.window);
  current.ReadWindowIcons();
  // A new big icon alone goes unnoticed while the window has a small one:
  // the tray shows the small one.
  const bool changed = current.SmallIcon() != record.icon.SmallIcon() ||
                       (record.icon.SmallIcon() == nullptr && current.BigIcon() != record.icon.BigIcon()) ||
                       title != record.wideTitle;
  if (changed) {
    record.icon.ReadWindowIcons();
    record.SetTitle(title);
    UpdateTrayIcon(record, TIconAction::Modify);
  }
  return TRefreshAnswer::Keep;
}

bool TWindowStore::ShowAgain(HWND window) {
  while (IsWindow(window)) {
    if (WindowAnswers(window, kStoreProbeTimeoutMs)) {
      if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
      if (!IsWindowVisible(window)) ShowWindow(window, SW_SHOWNA);
      SetForegroundWindow(window);
      return true;
    }
    // Only Retry asks again. A question that could not be shown (its owner
    // is gone) answers at once: probing again would spin for as long as the
    // window hangs.
    if (AskRestoreAgain(boxOwner_) == kAnswerRetry) continue;
    if (!ending_) return false;
    ShowWithoutWaiting(window);
    return true;
  }
  return true;
}

void TWindowStore::ResendIcons() {
  for (size_t position = 0; position < table_.Count(); ++position) {
    UpdateTrayIcon(table_.At(position), TIconAction::Modify);
  }
  UpdateApplicationIcon(TIconAction::Modify, StoredCountText(table_.Count()));
}

void TWindowStore::DeleteIcon(TStoredWindow& record) {
  UpdateTrayIcon(record, TIconAction::Delete);
  // Wine's tray can lose the images of a program's other icons when one of
  // them goes: they are sent again, which changes nothing where they stayed.
  // Giving back all sends them once, at its end.
  if (restoringAll_ == 0) ResendIcons();
}

bool TWindowStore::RestoreStoredWindow(TStoredWindow& record, bool show) {
  DeleteIcon(record);
  if (show) {
    // While its question is open the window is in no table: it must not be
    // stored again meanwhile, and its id and value stay its own.
    TQuestionScope question(inQuestion_, record.window, record.iconId);
    if (!ShowAgain(record.window)) return false;
  }
  // The value goes last: until the window is shown, a crash must leave it
  // to the next copy.
  DeleteTrayIconValue(record.iconId);
  return true;
}

void TWindowStore::KeepStored(std::unique_ptr<TStoredWindow> record) {
  if (!IsWindow(record->window)) {
    DeleteTrayIconValue(record->iconId);
    return;
  }
  // Same id, same value: only the icon was taken away for the question.
  TStoredWindow& kept = table_.Append(std::move(record));
  UpdateTrayIcon(kept, TIconAction::Add);
}

void TWindowStore::RestoreThroughIcon(const TStoredWindow& stored) {
  std::unique_ptr<TStoredWindow> record = Detach(stored);
  if (!record) return;
  TBusyScope busy(busy_);
  if (!RestoreStoredWindow(*record, true)) {
    KeepStored(std::move(record));
    return;
  }
  if (IsWindow(record->window) && IsWindowVisible(record->window)) SetForegroundWindow(record->window);
}

void TWindowStore::RestoreAll() {
  TBusyScope busy(busy_);
  {
    TBusyScope batch(restoringAll_);
    RestoreEach();
  }
  ResendIcons();
}

void TWindowStore::RestoreEach() {
  std::vector<std::unique_ptr<TStoredWindow>> kept;
  // Always the first record: whatever a tick or a nested call did while a
  // question was open, the walk never passes the end or meets a record twice.
  while (!table_.IsEmpty()) {
    std::unique_ptr<TStoredWindow> record = table_.Release(0);
    if (!RestoreStoredWindow(*record, true)) kept.push_back(std::move(record));
  }
  for (auto& record : kept) KeepStored(std::move(record));
}

THandleList TWindowStore::ShowWindowsInQuestion() {
  ++sessionEnds_;
  THandleList shown;
  for (const TInQuestion& q : inQuestion_) {
    if (q.iconId == 0 || !IsWindow(q.window)) continue;
    ShowWithoutWaiting(q.window);
    shown.push_back(q.window);
  }
  return shown;
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

void TWindowStore::ForgetIcons() {
  for (size_t position = 0; position < table_.Count(); ++position) table_.At(position).iconShown = false;
}

void TWindowStore::AddMissingIcons() {
  // A question is open: the table waits for its answer.
  if (Busy()) return;
  for (size_t position = 0; position < table_.Count(); ++position) {
    TStoredWindow& record = table_.At(position);
    if (!record.iconShown && !UpdateTrayIcon(record, TIconAction::Add)) return;
  }
}

void TWindowStore::AdoptPersistedWindows() {
  std::vector<TKeptValue> values = ReadTrayIconValues();
  THandleList windows;
  for (TKeptValue& value : values) {
    const HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(value.handle));
    // Enabled or not: a window that showed a modal dialog when the copy died
    // is disabled until the dialog closes, and would then be hidden for good.
    if (window == nullptr || !IsWindow(window) || IsWindowVisible(window)) continue;
    // An edited value may name one of our own windows, or the tray's.
    if (IsNeverStored(window)) continue;
    // A handle listed twice is taken once: two icons for one window would
    // leave one behind when it is given back.
    if (std::find(windows.begin(), windows.end(), window) != windows.end()) continue;
    if (table_.FindByWindow(window) != nullptr || Pending(window)) continue;
    value.takenOver = true;
    windows.push_back(window);
  }
  // The ids run on from the table's (empty at a start): 5000, 5001, ...
  int firstId = kFirstStoredIconId;
  for (size_t i = 0; i < table_.Count(); ++i) firstId = std::max(firstId, table_.At(i).iconId + 1);
  // The values are renumbered before anything is hidden again: a copy killed
  // meanwhile leaves every window a value to be found by.
  const bool renumbered = ApplyTrayIconSteps(PlanTakeOver(values, firstId));
  for (size_t i = 0; i < windows.size(); ++i) {
    // Renumbering that stopped half way may have left a window's only value
    // under an id the plan gave another: each takes an id no value holds.
    const int id = renumbered ? firstId + static_cast<int>(i) : ChooseIconId();
    TStoredWindow& record = table_.Append(std::make_unique<TStoredWindow>(windows[i], id));
    HideAndIconize(record);
  }
}
