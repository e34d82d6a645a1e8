#include "app/storing/pure/TrayText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(TrayText, MenuAndSingleLineForms) {
  struct Case {
    const char* title;
    const char* menu;        // MakeSingleLineText(MakeMenuText(title))
    const char* singleLine;  // MakeSingleLineText(title)
  } cases[] = {
      {"", "", ""},
      {"Save & Exit", "Save && Exit", "Save & Exit"},
      {"&&", "&&&&", "&&"},
      {"a\tb\r\nc\n", "a\xA5" "b\xA5\xA5" "c\xA5", "a\xA5" "b\xA5\xA5" "c\xA5"},
      // The trail byte 0x26 cannot occur, but a lone lead byte at the end must survive.
      {"表&\x81", "表&&\x81", "表&\x81"},
      {"ﾒﾓ帳 - 無題", "ﾒﾓ帳 - 無題", "ﾒﾓ帳 - 無題"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.menu, MakeSingleLineText(MakeMenuText(c.title)).Bytes()) << c.title;
    EXPECT_EQ(c.singleLine, MakeSingleLineText(c.title).Bytes()) << c.title;
  }
}

TEST(TrayText, ShiftJisCutsKeepDoubleByteCharactersWhole) {
  constexpr size_t kLimit = 63;
  const std::string ascii(100, 'x');
  EXPECT_EQ(std::string(63, 'x'), CutAtCharacter(TString(ascii), kLimit).Bytes());
  // 62 ASCII bytes then a double-byte character: it does not fit whole.
  const std::string straddle = std::string(62, 'x') + "表z";
  EXPECT_EQ(std::string(62, 'x'), CutAtCharacter(TString(straddle), kLimit).Bytes());
  const std::string fits = std::string(61, 'x') + "表z";
  EXPECT_EQ(std::string(61, 'x') + "表", CutAtCharacter(TString(fits), kLimit).Bytes());
  EXPECT_EQ("short", CutAtCharacter("short", kLimit).Bytes());
}

TEST(TrayText, WideFormsKeepEveryCharacterAndNeverSplitAPair) {
  struct Case {
    std::u16string title;
    std::u16string menu;  // MakeSingleLineText(MakeMenuText(title))
  } forms[] = {
      {u"", u""},
      {u"R&D\t\u6f22\r\n", u"R&&D\uFF65\u6f22\uFF65\uFF65"},
      {u"\U0001F600 & \u00e9", u"\U0001F600 && \u00e9"},
  };
  for (const auto& c : forms) EXPECT_EQ(c.menu, MakeSingleLineText(MakeMenuText(c.title)));

  const std::u16string face = u"\U0001F600";  // one character, two units
  struct Cut {
    std::u16string text;
    size_t limit;
    std::u16string expected;
  } cuts[] = {
      {std::u16string(126, u'x') + face, kWideTipUnits, std::u16string(126, u'x')},
      {std::u16string(125, u'x') + face + u"y", kWideTipUnits, std::u16string(125, u'x') + face},
      {std::u16string(200, u'x'), kWideTipUnits, std::u16string(127, u'x')},
      {face + u"z", 1, u""},
      {u"short", kWideTipUnits, u"short"},
  };
  for (const auto& c : cuts) EXPECT_EQ(c.expected, CutAtCharacter(c.text, c.limit)) << c.text.size();
}

TEST(TrayText, SmallestFreeIdFillsGaps) {
  struct Case {
    std::vector<int> used;
    int expected;
  } cases[] = {
      {{}, 5000},
      {{5000}, 5001},
      {{5000, 5001}, 5002},
      {{5000, 5002}, 5001},
      {{5001, 5000, 5003}, 5002},
      {{4000, 6000}, 5000},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, SmallestFreeId(c.used, 5000));
}

TEST(TrayText, IconValueNamesHaveAtLeastSixDigits) {
  EXPECT_EQ("005000", TrayIconValueName(5000).Bytes());
  EXPECT_EQ("012345", TrayIconValueName(12345).Bytes());
  EXPECT_EQ("1234567", TrayIconValueName(1234567).Bytes());
}
