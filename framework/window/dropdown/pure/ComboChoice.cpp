#include "framework/window/dropdown/pure/ComboChoice.h"

#include <algorithm>
#include <cstdint>

#include "framework/text/LetterCase.h"
#include "framework/text/ShiftJis.h"

namespace {

uint16_t CodeAt(const std::string& bytes, size_t position, size_t length) {
  if (length == 2) {
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[position]) * 256 +
                                 static_cast<unsigned char>(bytes[position + 1]));
  }
  return static_cast<unsigned char>(bytes[position]);
}

bool EqualIgnoringCase(const TString& a, const TString& b) {
  return a.Length() == b.Length() && StartsWithIgnoringCase(a, b);
}

}  // namespace

bool StartsWithIgnoringCase(const TString& text, const TString& prefix) {
  const std::string& t = text.Bytes();
  const std::string& p = prefix.Bytes();
  if (p.size() > t.size()) return false;
  size_t i = 0;
  while (i < p.size()) {
    const size_t inPrefix = CharLength(p.size() - i, p.data() + i);
    const size_t inText = CharLength(t.size() - i, t.data() + i);
    // A character cut differently (a lead byte the prefix ends on) differs.
    if (inPrefix != inText) return false;
    if (UpperLetterCode(CodeAt(p, i, inPrefix)) != UpperLetterCode(CodeAt(t, i, inText))) return false;
    i += inPrefix;
  }
  return true;
}

TCompletion ChooseCompletion(const std::vector<TString>& history, const TString& before, const TString& typed,
                             size_t selectionStart, size_t selectionEnd) {
  TCompletion result;
  const bool caretAtEnd = selectionStart == selectionEnd && selectionEnd == typed.Length();
  if (caretAtEnd && typed.Length() > before.Length()) {
    for (size_t i = 0; i < history.size(); ++i) {
      if (!StartsWithIgnoringCase(history[i], typed)) continue;
      result.entry = static_cast<int>(i);
      result.completes = true;
      result.text = history[i];
      result.selectFrom = typed.Length();
      return result;
    }
  }
  for (size_t i = 0; i < history.size(); ++i) {
    if (EqualIgnoringCase(history[i], typed)) {
      result.entry = static_cast<int>(i);
      break;
    }
  }
  return result;
}

int DropListHeight(int wanted, int entries, int entryHeight, int frame) {
  if (entryHeight <= 0) return std::max(wanted, 0);
  frame = std::max(frame, 0);
  const int64_t fits = (static_cast<int64_t>(wanted) - frame) / entryHeight;
  const int64_t rows = std::max<int64_t>(1, std::min<int64_t>(fits, std::max(entries, 1)));
  return ClampToInt(rows * entryHeight + frame);
}

TRectangle PlaceDropList(const TRectangle& field, int height, const TRectangle& screen) {
  height = std::max(height, 0);
  TRectangle list{field.left, field.bottom, field.right, ClampToInt(static_cast<int64_t>(field.bottom) + height)};
  if (static_cast<int64_t>(field.bottom) + height > screen.bottom) {
    list.bottom = field.top;
    list.top = ClampToInt(static_cast<int64_t>(field.top) - height);
  }
  return list;
}

int StepSelection(int current, int count, TListStep step, int page) {
  if (count <= 0) return kNoEntry;
  if (current < 0 || current >= count) return 0;
  page = std::max(page, 1);
  int64_t next = current;
  switch (step) {
    case TListStep::LineUp: next = static_cast<int64_t>(current) - 1; break;
    case TListStep::LineDown: next = static_cast<int64_t>(current) + 1; break;
    case TListStep::PageUp: next = static_cast<int64_t>(current) - page; break;
    case TListStep::PageDown: next = static_cast<int64_t>(current) + page; break;
    case TListStep::Top: next = 0; break;
    case TListStep::Bottom: next = count - 1; break;
  }
  return static_cast<int>(std::clamp<int64_t>(next, 0, count - 1));
}

int AutoScrollDirection(int x, int y, const TRectangle& list) {
  if (x < list.left || x >= list.right) return 0;
  if (y < list.top) return -1;
  if (y >= list.bottom) return 1;
  return 0;
}
