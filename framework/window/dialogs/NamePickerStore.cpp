#include <windows.h>

#include <objbase.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/path/PathFiles.h"
#include "framework/path/RecentDocuments.h"
#include "framework/registry/RegEnum.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/system/ComScope.h"
#include "framework/text/LetterCase.h"
#include "framework/text/TStringOps.h"
#include "framework/window/dialogs/NamePicker.h"
#include "framework/window/dialogs/pure/RecentNames.h"
#include "framework/window/elements/pure/History.h"

namespace {

std::vector<TString> ValueNames(HKEY key) {
  TTextList listed;
  EnumValueNames(key, listed);
  return std::vector<TString>(listed.begin(), listed.end());
}

// A key's names cut to the newest the store keeps; the older ones are deleted.
std::vector<TString> NewestValueNames(const TRegSection& key) {
  std::vector<TString> names = ValueNames(key.Handle());
  for (const TString& older : CutToNewest(names, kRecentNameLimit)) key.Keys().DeleteValue(older);
  return names;
}

// The user's recent documents of the picker's kinds that are there, each once.
std::vector<TString> ExistingRecentDocuments(const std::string& filter) {
  TTextList documents;
  {
    // The shell-link objects need COM on this thread.
    const TComScope com;
    documents = RecentDocuments(filter);
  }
  std::vector<TString> found;
  for (const TString& document : documents) {
    if (std::find(found.begin(), found.end(), document) != found.end()) continue;
    if (ExistsUnlessRemote(document)) found.push_back(document);
  }
  return found;
}

}  // namespace

TString RecentNameStampNow(const void* picker) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const TStampTime time{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
  return TString(RecentNameStamp(time, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(picker))));
}

void TNamePicker::Load(const TRegKeyList& keys) {
  if (!textValueName_.IsEmpty()) {
    current_ = TRegString(keys, textValueName_).Get(initialText_);
  } else if (Edit() != nullptr) {
    current_ = ControlText();
  }
  history_.clear();
  if (listValueName_.IsEmpty()) {
    LoadShared();
  } else {
    LoadNamed(keys);
  }
  if (Edit() != nullptr) ToControls();
}

void TNamePicker::Save(const TRegKeyList& keys) {
  if (listValueName_.IsEmpty()) {
    SaveShared(keys);
  } else {
    SaveNamed(keys);
  }
}

void TNamePicker::LoadNamed(const TRegKeyList& keys) {
  TRegSection section = OpenSection(keys, listValueName_);
  // The numbering ends at its first gap.
  for (size_t i = 0;; ++i) {
    TRegString value(section.Keys(), TString(HistoryValueName(i).c_str()));
    if (!value.Exists()) break;
    history_.push_back(value.Get(TString()));
  }
}

void TNamePicker::SaveNamed(const TRegKeyList& keys) {
  AddToHistory(nullptr, kNamedHistoryLimit);
  if (!textValueName_.IsEmpty()) TRegString(keys, textValueName_).Write(ControlText());
  TRegSection section = OpenSection(keys, listValueName_);
  // Overwritten in place: a longer history saved before leaves its tail,
  // which the next load reads only up to a gap.
  for (size_t i = 0; i < history_.size(); ++i) {
    TRegString(section.Keys(), TString(HistoryValueName(i).c_str())).Write(history_[i]);
  }
}

void TNamePicker::SaveShared(const TRegKeyList& keys) {
  const TString current = ControlText();
  if (!textValueName_.IsEmpty()) TRegString(keys, textValueName_).Write(current);
  const TString text = Trim(current);
  if (text.IsEmpty()) return;
  // Already the newest name: the store holds it under a recent stamp.
  if (!history_.empty() && history_.front() == text) return;
  {
    TRegSection section = OpenSection(LibraryKeys(), StoreKeyName(text));
    std::vector<TString> holding;
    for (const TString& name : ValueNames(section.Handle())) {
      TString data;
      if (section.Keys().ReadString(name, data) == ERROR_SUCCESS && data == text) holding.push_back(name);
    }
    const TString stamp = RecentNameStampNow(this);
    // The older copies go only once the new one is safely written.
    if (TRegString(section.Keys(), stamp).Write(text) == ERROR_SUCCESS) {
      for (const TString& name : holding) {
        if (name != stamp) section.Keys().DeleteValue(name);
      }
    }
  }
  Load(keys);
}

void TFileNamePicker::LoadShared() {
  std::vector<std::unique_ptr<TRegSection>> stores;
  std::vector<std::vector<TString>> namesPerKey;
  for (const TString& extension : extensions_) {
    if (extension == TString("*")) continue;
    stores.push_back(std::make_unique<TRegSection>(LibraryKeys(), TString("MRU\\.") + ToLowerLetters(extension)));
    namesPerKey.push_back(NewestValueNames(*stores.back()));
  }
  std::vector<TRecentValue> values;
  for (const TRecentRow& row : MergeNewestFirst(namesPerKey, kRecentNameLimit)) {
    TString text;
    stores[row.key]->Keys().ReadString(row.name, text);
    values.push_back(TRecentValue{row, text});
  }
  const TRecentFill fill = FillRecentHistory(ExistingRecentDocuments(filter_), values,
                                             [](const TString& text) { return ExistsUnlessRemote(text); });
  history_ = fill.history;
  for (const TRecentRow& stale : fill.stale) stores[stale.key]->Keys().DeleteValue(stale.name);
}

void TFolderNamePicker::LoadShared() {
  TRegSection store = OpenSection(LibraryKeys(), StoreKeyName(TString()));
  for (const TString& name : NewestValueNames(store)) {
    TString text;
    store.Keys().ReadString(name, text);
    history_.push_back(text);
  }
}
