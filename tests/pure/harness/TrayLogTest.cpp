// The stand-in taskbar's log read back into calls, and the icon table those
// calls leave, replayed the way a shell applies them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/pure/HexBytes.h"
#include "tests/support/pure/TrayLog.h"

namespace {

std::vector<TrayRecord> Records(const std::string& text) { return TrayRecordsOf(ParseLogText(text)); }

TEST(TrayLog, CallLineBecomesARecord) {
  LogLine line;
  ASSERT_TRUE(ParseLogLine(
      "ADD hwnd=0x00020030 id=4000 flags=0x7 msg=0x8fa0 tip=b7ac2609 icon=16x16x32 rgb=00ff00 ok=1", &line));
  TrayRecord record;
  ASSERT_TRUE(TrayRecordFromLine(line, &record));
  EXPECT_EQ(record.operation, "ADD");
  EXPECT_EQ(record.window, 0x20030u);
  EXPECT_EQ(record.id, 4000u);
  EXPECT_EQ(record.flags, 7u);
  EXPECT_EQ(record.callbackMessage, 0x8FA0u);
  EXPECT_EQ(record.tip, "\xb7\xac&\t");
  EXPECT_EQ(record.icon, "16x16x32");
  EXPECT_EQ(record.rgb, 0x00FF00);
  EXPECT_TRUE(record.ok);
}

struct RecordCase {
  const char* line;
  bool ok;
  long rgb;
  bool answer;
};

TEST(TrayLog, MalformedOrForeignLinesAreNoRecords) {
  const RecordCase cases[] = {
      {"DELETE hwnd=0x1 id=2 flags=0x0 msg=0x0 tip= icon=- rgb=- ok=0", true, -1, false},
      {"GONE hwnd=0x1 id=2", true, -1, true},
      {"ICON hwnd=0x1 id=2 flags=0x1 msg=0x9389 tip= icon=- rgb=-", true, -1, true},
      {"MODIFY hwnd=0x1 id=2 flags=0x2 msg=0x0 tip= icon=16x16x32 rgb=zz0000 ok=1", true, -1, true},
      {"MODIFY hwnd=0x1 id=2 flags=0x2 msg=0x0 tip= icon=16x16x32 rgb=123456 ok=1", true, 0x123456, true},
      {"ADD hwnd=0x1 id=2 flags=0x1 msg=0x0 tip= icon=- rgb=-", false, -1, false},            // no answer
      {"ADD hwnd=0x1 id=2 flags=0x1 msg=0x0 tip= icon=- rgb=- ok=yes", false, -1, false},
      {"ADD hwnd=0x1 id=2 flags=0x1 msg=0x0 tip=4 icon=- rgb=- ok=1", false, -1, false},      // half a byte
      {"ADD hwnd=0x100000000 id=2 flags=0x1 msg=0x0 tip= ok=1", false, -1, false},           // not 32-bit
      {"ADD id=2 flags=0x1 msg=0x0 tip= ok=1", false, -1, false},
      {"READY hwnd=0x1 pid=2 replaced=0", false, -1, false},
      {"REFUSE on=1", false, -1, false},
  };
  for (const RecordCase& c : cases) {
    SCOPED_TRACE(c.line);
    LogLine line;
    ASSERT_TRUE(ParseLogLine(c.line, &line));
    TrayRecord record;
    EXPECT_EQ(TrayRecordFromLine(line, &record), c.ok);
    if (c.ok) {
      EXPECT_EQ(record.rgb, c.rgb);
      EXPECT_EQ(record.ok, c.answer);
    }
  }
}

struct Expected {
  uint32_t window, id;
  const char* tipHex;
  uint32_t callback;
  long rgb;
};

struct ReplayCase {
  const char* name;
  const char* log;
  std::vector<Expected> icons;
};

TEST(TrayLog, CurrentIconsReplayTheAcceptedCalls) {
  const ReplayCase cases[] = {
      {"add", "ADD hwnd=0x1 id=4000 flags=0x7 msg=0x8fa0 tip=61 icon=16x16x32 rgb=ff0000 ok=1\n",
       {{1, 4000, "61", 0x8FA0, 0xFF0000}}},
      {"refused add", "ADD hwnd=0x1 id=4000 flags=0x7 msg=0x8fa0 tip=61 icon=- rgb=- ok=0\n", {}},
      {"tip change keeps the rest",
       "ADD hwnd=0x1 id=4000 flags=0x7 msg=0x8fa0 tip=61 icon=16x16x32 rgb=ff0000 ok=1\n"
       "MODIFY hwnd=0x1 id=4000 flags=0x4 msg=0x0 tip=62 icon=- rgb=- ok=1\n",
       {{1, 4000, "62", 0x8FA0, 0xFF0000}}},
      {"icon change keeps the tip",
       "ADD hwnd=0x1 id=4000 flags=0x7 msg=0x8fa0 tip=61 icon=16x16x32 rgb=ff0000 ok=1\n"
       "MODIFY hwnd=0x1 id=4000 flags=0x2 msg=0x0 tip= icon=16x16x32 rgb=0000ff ok=1\n",
       {{1, 4000, "61", 0x8FA0, 0x0000FF}}},
      {"duplicate add refused",
       "ADD hwnd=0x1 id=5000 flags=0x1 msg=0x9388 tip= icon=- rgb=- ok=1\n"
       "ADD hwnd=0x1 id=5000 flags=0x5 msg=0x1 tip=78 icon=- rgb=- ok=0\n",
       {{1, 5000, "", 0x9388, -1}}},
      {"delete one of two",
       "ADD hwnd=0x1 id=5000 flags=0x1 msg=0x9388 tip= icon=- rgb=- ok=1\n"
       "ADD hwnd=0x1 id=5001 flags=0x1 msg=0x9389 tip= icon=- rgb=- ok=1\n"
       "DELETE hwnd=0x1 id=5000 flags=0x0 msg=0x0 tip= icon=- rgb=- ok=1\n",
       {{1, 5001, "", 0x9389, -1}}},
      {"same id, two windows",
       "ADD hwnd=0x1 id=4000 flags=0x1 msg=0x8fa0 tip= icon=- rgb=- ok=1\n"
       "ADD hwnd=0x2 id=4000 flags=0x1 msg=0x8fa0 tip= icon=- rgb=- ok=1\n"
       "GONE hwnd=0x1 id=4000\n",
       {{2, 4000, "", 0x8FA0, -1}}},
      {"change of a missing icon", "MODIFY hwnd=0x1 id=4000 flags=0x4 msg=0x0 tip=61 icon=- rgb=- ok=1\n", {}},
      {"unfinished last line", "ADD hwnd=0x1 id=4000 flags=0x1 msg=0x8fa0 tip= icon=- rgb=- ok=1", {}},
  };
  for (const ReplayCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<TrayRecord> icons = CurrentTrayIcons(Records(c.log));
    ASSERT_EQ(icons.size(), c.icons.size());
    for (size_t i = 0; i < icons.size(); ++i) {
      EXPECT_EQ(icons[i].operation, "ICON");
      EXPECT_EQ(HexFromBytes(icons[i].tip), c.icons[i].tipHex);
      EXPECT_EQ(icons[i].window, c.icons[i].window);
      EXPECT_EQ(icons[i].id, c.icons[i].id);
      EXPECT_EQ(icons[i].callbackMessage, c.icons[i].callback);
      EXPECT_EQ(icons[i].rgb, c.icons[i].rgb);
    }
  }
}

}  // namespace
