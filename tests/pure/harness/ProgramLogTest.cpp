// The test programs' log lines and hex texts read back exactly, and anything
// malformed or half-written is refused rather than misread.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/pure/HexBytes.h"
#include "tests/support/pure/ProgramLog.h"

namespace {

TEST(HexBytes, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string hex = HexFromBytes(all);
  EXPECT_EQ(hex.size(), 512u);
  EXPECT_EQ(hex.substr(0, 6), "000102");
  EXPECT_EQ(hex.substr(506), "fdfeff");
  std::string back;
  ASSERT_TRUE(BytesFromHex(hex, &back));
  EXPECT_EQ(back, all);
}

TEST(HexBytes, ShiftJisTextIsItsBytes) {
  EXPECT_EQ(HexFromBytes("表&\t"), "955c2609");
  EXPECT_EQ(HexFromBytes(""), "");
}

struct HexCase {
  const char* hex;
  bool ok;
  std::string bytes;
};

TEST(HexBytes, DecodingRefusesWhatIsNotWholeHexBytes) {
  const HexCase cases[] = {
      {"", true, ""},
      {"41", true, "A"},
      {"8340FFfe", true, "\x83\x40\xff\xfe"},
      {"4", false, ""},        // odd length: a byte cut in half
      {"414", false, ""},
      {"4g", false, ""},
      {"0x41", false, ""},
      {" 41", false, ""},
      {"41\n", false, ""},
  };
  for (const HexCase& c : cases) {
    SCOPED_TRACE(c.hex);
    std::string bytes = "untouched";
    EXPECT_EQ(BytesFromHex(c.hex, &bytes), c.ok);
    EXPECT_EQ(bytes, c.ok ? c.bytes : "untouched");
  }
}

struct LineCase {
  const char* text;
  bool ok;
  const char* word;
  std::vector<std::pair<std::string, std::string>> fields;
};

TEST(ProgramLog, LinesSplitIntoWordAndFields) {
  const LineCase cases[] = {
      {"COMMAND id=2101", true, "COMMAND", {{"id", "2101"}}},
      {"AWAKE", true, "AWAKE", {}},
      {"READY hwnd=0x0002003e pid=320\r", true, "READY", {{"hwnd", "0x0002003e"}, {"pid", "320"}}},
      {"ADD  tip= ok=1", true, "ADD", {{"tip", ""}, {"ok", "1"}}},
      {"X a=b=c", true, "X", {{"a", "b=c"}}},
      {"", false, "", {}},
      {"\r", false, "", {}},
      {" COMMAND id=1", false, "", {}},
      {"COMMAND id", false, "", {}},
      {"COMMAND =5", false, "", {}},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.text);
    LogLine line;
    line.word = "before";
    ASSERT_EQ(ParseLogLine(c.text, &line), c.ok);
    if (!c.ok) {
      EXPECT_EQ(line.word, "before");
      continue;
    }
    EXPECT_EQ(line.word, c.word);
    EXPECT_EQ(line.fields, c.fields);
  }
}

struct NumberCase {
  const char* text;
  bool ok;
  unsigned long value;
};

TEST(ProgramLog, NumbersAreWholeDecimalOrHex) {
  const NumberCase cases[] = {
      {"0", true, 0},          {"2101", true, 2101},   {"0x8fa0", true, 0x8FA0},
      {"0xFFFFFFFF", true, 0xFFFFFFFFul},
      {"", false, 0},          {"-1", false, 0},       {"+1", false, 0},
      {"12x", false, 0},       {"0x", false, 0},       {"1 ", false, 0},
      {"99999999999999999999999", false, 0},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.text);
    LogLine line;
    line.fields = {{"n", c.text}};
    unsigned long value = 12345;
    EXPECT_EQ(line.Number("n", &value), c.ok);
    EXPECT_EQ(value, c.ok ? c.value : 12345ul);
  }
  LogLine empty;
  unsigned long value = 0;
  EXPECT_FALSE(empty.Number("n", &value));
}

TEST(ProgramLog, FieldsAndBytesByKey) {
  LogLine line;
  ASSERT_TRUE(ParseLogLine("WINDOW title=955c2609 bad=4 class=#32770", &line));
  ASSERT_NE(line.Field("class"), nullptr);
  EXPECT_EQ(*line.Field("class"), "#32770");
  EXPECT_EQ(line.Field("Class"), nullptr);
  std::string bytes;
  EXPECT_TRUE(line.Bytes("title", &bytes));
  EXPECT_EQ(bytes, "表&\t");
  EXPECT_FALSE(line.Bytes("bad", &bytes));
  EXPECT_FALSE(line.Bytes("missing", &bytes));
}

TEST(ProgramLog, TextKeepsOnlyCompleteLines) {
  const std::vector<LogLine> lines = ParseLogText("READY hwnd=0x1\r\n\nCOMMAND id=5\nHANG ms=1");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].word, "READY");
  EXPECT_EQ(lines[1].word, "COMMAND");
  EXPECT_TRUE(ParseLogText("").empty());
  EXPECT_TRUE(ParseLogText("HANG ms=1").empty());  // still being written
}

}  // namespace
