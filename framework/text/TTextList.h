#pragma once
// An ordered list of owned texts; indexes count from the first node.
#include <cstddef>
#include <list>

#include "framework/text/TString.h"

class TStringArray;

class TTextList {
 public:
  int Count() const { return static_cast<int>(nodes_.size()); }
  void Append(const TString& text) { nodes_.push_back(text); }
  void AppendAll(const TTextList& other);
  void AppendAll(const TStringArray& array);
  // -1 or Count() appends; 0 or any other negative index inserts first.
  void Insert(int index, const TString& text);
  // The text at `index`; an index out of range yields the empty text.
  const TString& Item(int index) const;
  // Removes indexes first..last (clamped to the list).
  void Erase(int first, int last);
  void Erase(int index) { Erase(index, index); }
  void Clear() { nodes_.clear(); }
  // Moves the run of n nodes at `start` before the node at `before` (to the
  // end when `before` is negative). Does nothing when n <= 0, n >= Count(),
  // or start <= before <= start + n.
  void Move(int before, int start, int n);
  // Index of the first text equal byte for byte, or -1.
  int Find(const TString& text) const;
  // Byte-wise order; greatest first when `ascending` is false.
  void Sort(bool ascending);

  std::list<TString>::const_iterator begin() const { return nodes_.begin(); }
  std::list<TString>::const_iterator end() const { return nodes_.end(); }

 private:
  std::list<TString>::iterator At(int index);
  std::list<TString> nodes_;
};
