#pragma once
// Accelerator letters of a shape's captions. Captions are written with a
// keyword instead of a fixed letter, a word between two ampersands such as
// "(&RETRY&)", and the shape turns every keyword into one accelerator ("&R")
// when it is built, so that no two captions of a shape share a letter however
// the shape is composed.
//
// The rules, for captions of any bytes (they are walked as Shift-JIS):
// - The keyword is the text between the caption's first two ampersands; every
//   ampersand after the second one is the author's text and is kept as written.
//   One ampersand alone is no keyword: the caption keeps it as a fixed
//   accelerator ("(&T)"), and its letter is reserved for it.
// - Keyword letters are the single-byte letters A-Z and a-z of the keyword, in
//   order, compared and written as upper case. Double-byte characters (whose
//   trail bytes may look like letters), digits and signs are no candidates.
// - "&&" (an empty keyword) asks for no accelerator: it is removed, with the
//   parentheses that enclose it directly, when measuring and when assigning.
// - A keyword without letters still takes a free letter from A to Z.
// - Removing or replacing a keyword never joins a lone lead byte before it with
//   what follows: such a half character is dropped.
#include <vector>

#include "framework/text/TString.h"

// The caption with its keyword and its two ampersands replaced by "W" (the
// widest letter), so that a caption measures the same whatever letter it is
// given later; an empty keyword ("&&") is removed with the parentheses that
// enclose it directly. A caption without a keyword comes back unchanged.
TString MeasureCaption(const TString& caption);

// Gives every caption of one shape a distinct accelerator letter, in list order,
// rewriting each caption in place: round n offers each caption still waiting
// the n-th letter of its keyword; captions still waiting then take the first
// free letter from A to Z; when none is left, the keyword, its ampersands and
// the parentheses that enclose them directly are removed. Null entries are
// skipped, and a caption listed twice is handled once.
void AssignAccelerators(const std::vector<TString*>& captions);
