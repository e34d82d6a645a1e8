#include "framework/text/TTextList.h"

#include <iterator>

#include "framework/text/TStringArray.h"

namespace {
const TString kEmpty;
}

void TTextList::AppendAll(const TTextList& other) {
  if (&other == this) {
    const std::list<TString> copy = nodes_;
    nodes_.insert(nodes_.end(), copy.begin(), copy.end());
    return;
  }
  nodes_.insert(nodes_.end(), other.nodes_.begin(), other.nodes_.end());
}

void TTextList::AppendAll(const TStringArray& array) {
  for (size_t i = 0; i < array.Count(); ++i) Append(array.Item(i));
}

std::list<TString>::iterator TTextList::At(int index) {
  if (index <= 0) return nodes_.begin();
  if (index >= Count()) return nodes_.end();
  return std::next(nodes_.begin(), index);
}

void TTextList::Insert(int index, const TString& text) {
  if (index == -1 || index >= Count()) {
    nodes_.push_back(text);
  } else {
    nodes_.insert(At(index), text);
  }
}

const TString& TTextList::Item(int index) const {
  if (index < 0 || index >= Count()) return kEmpty;
  return *std::next(nodes_.begin(), index);
}

void TTextList::Erase(int first, int last) {
  if (first < 0) first = 0;
  if (last >= Count()) last = Count() - 1;
  if (first > last) return;
  auto from = At(first);
  nodes_.erase(from, std::next(from, last - first + 1));
}

void TTextList::Move(int before, int start, int n) {
  const int count = Count();
  if (n <= 0 || n >= count) return;
  if (start <= before && before <= start + n) return;
  if (start < 0 || start + n > count) return;
  auto first = At(start);
  auto last = std::next(first, n);
  auto target = before < 0 ? nodes_.end() : At(before);
  nodes_.splice(target, nodes_, first, last);
}

int TTextList::Find(const TString& text) const {
  int index = 0;
  for (const TString& item : nodes_) {
    if (item == text) return index;
    ++index;
  }
  return -1;
}

void TTextList::Sort(bool ascending) {
  if (ascending) {
    nodes_.sort([](const TString& a, const TString& b) { return a < b; });
  } else {
    nodes_.sort([](const TString& a, const TString& b) { return b < a; });
  }
}
