#pragma once
// The decisions of the drop-down combo element that need no window: which
// history entry completes a typed text, where the drop-down list opens, how
// the keyboard steps its selection and which way the list scrolls itself
// while the mouse is held beyond its ends.
#include <cstddef>
#include <vector>

#include "framework/text/TString.h"
#include "framework/window/core/pure/Rectangle.h"

constexpr int kNoEntry = -1;

// What the edit does after its text changed.
struct TCompletion {
  // The history entry that completes the text or equals it; kNoEntry: none.
  int entry = kNoEntry;
  // True when the edit takes `text` with the bytes from `selectFrom` on
  // selected; false when only the list's selection follows `entry`.
  bool completes = false;
  TString text;
  size_t selectFrom = 0;
};

// `typed` is the edit's text now, `before` the text the user had typed before
// this change (a completion's added part not counted), and the caret is at
// [`selectionStart`, `selectionEnd`). Only a text that grew with the caret at
// its end is completed, by the first entry it begins, letters compared
// without regard to case; otherwise an entry equal to it (same comparison)
// is followed. Deleting therefore never brings a completion back.
TCompletion ChooseCompletion(const std::vector<TString>& history, const TString& before, const TString& typed,
                             size_t selectionStart, size_t selectionEnd);

// Whether `text` begins with `prefix`, letters of both widths compared
// without regard to case, stepping by whole characters.
bool StartsWithIgnoringCase(const TString& text, const TString& prefix);

// The open list's height: whole entries of `entryHeight` plus the list's
// `frame`, no more than `wanted` and no more than its `entries` need, but room
// for one entry at least. Without a usable entry height, `wanted` as it is.
int DropListHeight(int wanted, int entries, int entryHeight, int frame);

// The drop-down list: under `field` with the field's width and `height`
// pixels; above it when its bottom would pass the bottom of `screen`.
TRectangle PlaceDropList(const TRectangle& field, int height, const TRectangle& screen);

enum class TListStep { LineUp, LineDown, PageUp, PageDown, Top, Bottom };

// The entry selected after `step` from `current` among `count` entries, a
// page being `page` entries (at least one). Nothing selected: the first. An
// empty list: kNoEntry. Never before the first nor past the last.
int StepSelection(int current, int count, TListStep step, int page = 1);

// While the mouse is held outside the entries: -1 to scroll one up (the
// cursor above the list), +1 one down (below it), 0 not at all (beside it, or
// over it). Rectangles and points in one co-ordinate system.
int AutoScrollDirection(int x, int y, const TRectangle& list);
