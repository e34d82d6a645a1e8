#include <windows.h>

#include "app/storing/StoredWindow.h"

#include "app/storing/pure/TrayText.h"
#include "framework/system/WideText.h"
#include "framework/window/core/WindowUtils.h"

void TStoredWindow::SetTitle(const TWideText& wide) {
  wideTitle = wide;
  title = AnsiFromWide(wide);
}

void TStoredWindow::ReadTitle() {
  TWideText wide;
  SafeGetWideWindowText(window, wide);
  SetTitle(wide);
}

TStoredWindow& TStoredWindowTable::Append(std::unique_ptr<TStoredWindow> record) {
  records_.push_back(std::move(record));
  return *records_.back();
}

void TStoredWindowTable::RemoveAt(size_t position) {
  if (position < records_.size()) records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(position));
}

std::unique_ptr<TStoredWindow> TStoredWindowTable::Release(size_t position) {
  if (position >= records_.size()) return nullptr;
  std::unique_ptr<TStoredWindow> record = std::move(records_[position]);
  records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(position));
  return record;
}

size_t TStoredWindowTable::PositionOf(const TStoredWindow& record) const {
  for (size_t i = 0; i < records_.size(); ++i) {
    if (records_[i].get() == &record) return i;
  }
  return records_.size();
}

int TStoredWindowTable::ChooseIconId() const {
  std::vector<int> used;
  used.reserve(records_.size());
  for (const auto& record : records_) used.push_back(record->iconId);
  return SmallestFreeId(used, kFirstStoredIconId);
}

TStoredWindow* TStoredWindowTable::FindByCallback(UINT message) {
  for (const auto& record : records_) {
    if (StoredIconMessage(record->iconId) == message) return record.get();
  }
  return nullptr;
}

TStoredWindow* TStoredWindowTable::FindByWindow(HWND window) {
  for (const auto& record : records_) {
    if (record->window == window) return record.get();
  }
  return nullptr;
}
