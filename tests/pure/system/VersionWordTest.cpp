#include "framework/system/pure/VersionWord.h"

#include <gtest/gtest.h>

TEST(VersionWord, PacksMajorMinorAndLowBuild) {
  EXPECT_EQ(67766221u, MakeVersionWord(4, 10, 1997));
  EXPECT_EQ(0x05010A28u, MakeVersionWord(5, 1, 2600));
  // Windows 95/98 put the version into the build's high word: only its low
  // 16 bits belong to the word.
  EXPECT_EQ(0x040A07CEu, MakeVersionWord(4, 10, 0x040A07CE));
  EXPECT_EQ(0x0400FFFFu, MakeVersionWord(4, 0, 0xFFFFFFFF));
  // Fields too wide for their byte clamp instead of spilling upwards.
  EXPECT_EQ(0x04FF0000u, MakeVersionWord(4, 256, 0));
  EXPECT_EQ(0xFF000000u, MakeVersionWord(300, 0, 0));
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
