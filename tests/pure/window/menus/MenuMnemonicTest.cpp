#include "framework/window/menus/pure/MenuMnemonic.h"

#include <gtest/gtest.h>

TEST(MatchesMenuMnemonic, ChoosesByTheLetterAfterTheFirstLoneAmpersand) {
  struct Case {
    const char* text;
    unsigned char typed;
    bool expected;
    const char* reason;
  } cases[] = {
      {"\x82\xb7\x82\xd7\x82\xc4(&K)", 'K', true, "the upper-case letter after a Japanese label"},
      {"\x82\xb7\x82\xd7\x82\xc4(&K)", 'k', true, "lower case types the same letter"},
      {"\x82\xb7\x82\xd7\x82\xc4(&K)", 'X', false, "another letter"},
      {"&file", 'F', true, "a lower-case mnemonic in the text matches too"},
      {"&&Save &As", 'a', true, "a doubled ampersand is plain; the next one underlines"},
      {"&&Save &As", 's', false, "the S after && is not underlined"},
      {"A&&B", 'b', false, "&& followed by a letter underlines nothing"},
      {"Plain", 'p', false, "no ampersand, no mnemonic"},
      {"Ends with &", 'e', false, "an ampersand at the end"},
      {"&1 first", '1', true, "a digit"},
      {"&X then &Y", 'y', false, "only the first ampersand counts"},
      {"&\x83\x41", 'A', false, "a double-byte character is not typed; its trail byte is no letter"},
      {"\x83\x41(&B)", 'b', true, "a double-byte character before the mnemonic is stepped over whole"},
      {"&K", 0, false, "no character typed"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, MatchesMenuMnemonic(c.text, c.typed)) << c.reason;
  }
}
