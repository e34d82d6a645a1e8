#include "framework/system/pure/VersionWord.h"

#include <gtest/gtest.h>

// The word exists to be compared: later versions give larger words, and a
// field too wide for its place never reorders them.
TEST(VersionWord, LaterVersionsGiveLargerWords) {
  struct Version {
    uint32_t major, minor, build;
  } ascending[] = {
      {3, 95, 0xFFFFFFFF},   // a build number larger than 16 bits
      {4, 0, 950},           // Windows 95
      {4, 0, 1381},          // NT 4.0
      {4, 9, 0},
      {4, 10, 1998},         // Windows 98
      {4, 10, 2222},         // 98 SE
      {4, 90, 3000},         // Me
      {4, 300, 0},           // a minor too wide for its byte stays below 5.0
      {5, 0, 2195},          // 2000
      {5, 1, 2600},          // XP
      {6, 1, 7601},          // 7
      {10, 0, 19045},        // 10
      {300, 0, 0},           // a major too wide for its byte stays at the top
  };
  for (size_t i = 1; i < sizeof ascending / sizeof ascending[0]; ++i) {
    const Version& low = ascending[i - 1];
    const Version& high = ascending[i];
    EXPECT_LT(MakeVersionWord(low.major, low.minor, low.build),
              MakeVersionWord(high.major, high.minor, high.build))
        << low.major << "." << low.minor << "." << low.build << " < " << high.major << "."
        << high.minor << "." << high.build;
  }
  // Windows 95 and 98 report the version again in the build's high word; only
  // the build itself counts.
  EXPECT_EQ(MakeVersionWord(4, 10, 1998), MakeVersionWord(4, 10, 0x040A07CE));
}

TEST(VersionWord, NewStylesStartAfter4_10_1997) {
  struct Case {
    uint32_t major, minor, build;
    bool isNew;
  } cases[] = {
      {4, 0, 950, false},            // Windows 95
      {4, 0, 1381, false},           // NT 4.0
      {4, 0, 0x040003B6, false},     // 95 with the version in the build's high word
      {4, 9, 65535, false},          // highest build below minor 10
      {4, 10, 1996, false},
      {4, 10, 1997, false},          // the threshold itself is old
      {4, 10, 0x040A07CD, false},    // the same as 98 reports it
      {4, 10, 1998, true},           // Windows 98
      {4, 10, 0x040A07CE, true},
      {4, 10, 2222, true},           // 98 SE
      {4, 90, 3000, true},           // Me
      {5, 0, 0, true},               // 2000, any build
      {5, 0, 2195, true},
      {6, 1, 7601, true},
      {10, 0, 19045, true},
      {3, 95, 65535, false},
      {0, 0, 0, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.isNew, IsNewStyleVersion(MakeVersionWord(c.major, c.minor, c.build)))
        << c.major << "." << c.minor << "." << c.build;
  }
}
