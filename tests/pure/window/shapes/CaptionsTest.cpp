#include "framework/window/shapes/pure/Captions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Runs AssignAccelerators over copies of `inputs` and returns the results.
std::vector<std::string> Assign(const std::vector<std::string>& inputs) {
  std::vector<TString> captions;
  for (const std::string& input : inputs) captions.emplace_back(input);
  std::vector<TString*> list;
  for (TString& caption : captions) list.push_back(&caption);
  AssignAccelerators(list);
  std::vector<std::string> results;
  for (const TString& caption : captions) results.push_back(caption.Bytes());
  return results;
}

}  // namespace

TEST(MeasureCaption, PutsTheWidestLetterWhereTheAcceleratorWillBe) {
  struct Case {
    std::string caption;
    std::string expected;
    const char* reason;
  } cases[] = {
      {"再試行(&RETRY&)", "再試行(W)", "keyword and both ampersands become one letter"},
      {"(&A&)", "(W)", "a one-letter keyword measures as W too"},
      {"起動後監視を続ける時間(&SECOND&)(秒)", "起動後監視を続ける時間(W)(秒)", "text after the keyword stays"},
      {"OK", "OK", "no ampersand"},
      {"常に手前に表示(&T)", "常に手前に表示(&T)", "a fixed accelerator is no keyword"},
      {"Save&", "Save&", "a lone ampersand at the end"},
      {"OK(&&)", "OK", "an empty keyword goes with its parentheses"},
      {"OK&&", "OK", "an empty keyword without parentheses"},
      {"X(&&)Y(Z)", "XY(Z)", "only the parentheses that enclose it"},
      {"X( && )", "X(  )", "parentheses not directly around it stay"},
      {"&&&", "&", "the third ampersand is text after the keyword"},
      {"a&b&c&d&", "aWc&d&", "only the first pair is the keyword"},
      {"(&12&)", "(W)", "a keyword without letters will still get one"},
      {std::string("\x81&A&", 4), "W", "a lone lead byte is not joined with the W"},
      {std::string("\x81(&&)\x40", 6), "\x40", "nor with what follows a removed keyword"},
      {std::string("A\0(&B&)", 7), std::string("A\0(W)", 5), "a NUL byte is just a byte"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, MeasureCaption(TString(c.caption)).Bytes()) << c.reason;
}

TEST(AssignAccelerators, GivesEachCaptionADistinctLetter) {
  struct Case {
    std::vector<std::string> captions;
    std::vector<std::string> expected;
    const char* reason;
  } cases[] = {
      {{"再試行(&RETRY&)", "更新(&RENEW&)"}, {"再試行(&R)", "更新(&E)"}, "R is taken, so RENEW takes its second letter"},
      {{"再試行(&RETRY&)", "中断(&STOP&)"}, {"再試行(&R)", "中断(&S)"}, "Japanese text before the keyword"},
      {{"(&AB&)", "(&AC&)", "(&C&)"}, {"(&A)", "(&B)", "(&C)"},
       "all first letters are offered before any second letter"},
      {{"(&BA&)", "(&B&)"}, {"(&B)", "(&A)"}, "a keyword out of letters takes the first free one"},
      {{"(&retry&)"}, {"(&R)"}, "letters are written upper case"},
      {{"(&r&)", "(&R&)"}, {"(&R)", "(&A)"}, "letters are compared as upper case"},
      {{"(&12&)", "(&-&)"}, {"(&A)", "(&B)"}, "keywords without letters take free letters"},
      {{"Windows の終了(&E)...", "(&EXIT&)"}, {"Windows の終了(&E)...", "(&X)"},
       "a fixed accelerator keeps its letter and reserves it"},
      {{"(&EXIT&)", "終了(&E)"}, {"(&X)", "終了(&E)"}, "even when it comes later in the list"},
      {{"OK(&&)", "(&O&)"}, {"OK", "(&O)"}, "an empty keyword is removed and takes no letter"},
      {{"A(&X&) B(&Y&)"}, {"A(&X) B(&Y&)"}, "ampersands after the keyword are kept as written"},
      {{"Save&", "Plain"}, {"Save&", "Plain"}, "captions without a keyword are left alone"},
      {{"(&\x83\x41Z&)"}, {"(&Z)"}, "the trail byte of \x83\x41 is not the letter A"},
      {{"\x83\x41(&\x83\x41&)"}, {"\x83\x41(&A)"}, "a keyword of one double-byte character gets A"},
      {{"(&ABC&)", "(&ABC&)", "(&ABC&)", "(&ABC&)"}, {"(&A)", "(&B)", "(&C)", "(&D)"},
       "later rounds and then the alphabet"},
      {{std::string("\x81&Q&", 4)}, {"&Q"}, "a lone lead byte before the keyword is dropped"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, Assign(c.captions)) << c.reason;
}

TEST(AssignAccelerators, RunsThroughTheAlphabetAndThenRemovesTheKeyword) {
  std::vector<std::string> inputs(27, "X(&A&)");
  inputs.push_back("Y&A&Z");  // without parentheses only the keyword goes
  inputs.push_back("終了(&E)");  // a fixed letter is never taken away
  const std::vector<std::string> results = Assign(inputs);
  std::vector<std::string> expected;
  expected.push_back("X(&A)");
  for (char letter = 'B'; letter <= 'Z'; ++letter) {
    if (letter != 'E') expected.push_back(std::string("X(&") + letter + ")");
  }
  expected.push_back("X");
  expected.push_back("X");
  expected.push_back("YZ");
  expected.push_back("終了(&E)");
  EXPECT_EQ(expected, results);
}

TEST(AssignAccelerators, TwentySevenEqualKeywordsLeaveTheLastWithoutOne) {
  const std::vector<std::string> results = Assign(std::vector<std::string>(27, "X(&A&)"));
  ASSERT_EQ(27u, results.size());
  for (int i = 0; i < 26; ++i) EXPECT_EQ(std::string("X(&") + static_cast<char>('A' + i) + ")", results[i]);
  EXPECT_EQ("X", results[26]);
}

TEST(AssignAccelerators, SkipsNullsAndHandlesARepeatedCaptionOnce) {
  TString first("(&AB&)");
  TString second("(&A&)");
  AssignAccelerators({nullptr, &first, &first, nullptr, &second});
  EXPECT_EQ("(&A)", first.Bytes());  // a second visit would have found no keyword
  EXPECT_EQ("(&B)", second.Bytes());
  AssignAccelerators({});
  AssignAccelerators({nullptr});
}

TEST(AssignAccelerators, MeasuresAsWideAsTheResultWithAnyLetter) {
  const std::vector<std::string> inputs = {"再試行(&RETRY&)", "更新(&RENEW&)", "(&&)OK"};
  const std::vector<std::string> results = Assign(inputs);
  // The measured form is the result with "&L" shown as "W".
  EXPECT_EQ(MeasureCaption(TString(inputs[0])).Bytes(), "再試行(W)");
  EXPECT_EQ(results[0], "再試行(&R)");
  EXPECT_EQ(MeasureCaption(TString(inputs[1])).Bytes(), "更新(W)");
  EXPECT_EQ(results[1], "更新(&E)");
  EXPECT_EQ(MeasureCaption(TString(inputs[2])).Bytes(), results[2]);
}
