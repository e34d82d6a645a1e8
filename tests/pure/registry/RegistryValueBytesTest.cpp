#include "framework/registry/pure/RegValueBytes.h"
#include "framework/text/TByteBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// The stored bytes in a block of exactly their size, so that the sanitizers
// catch any read past them.
std::unique_ptr<char[]> Exact(const std::string& bytes) {
  std::unique_ptr<char[]> block(new char[bytes.size() ? bytes.size() : 1]);
  std::copy(bytes.begin(), bytes.end(), block.get());
  return block;
}

std::vector<std::string> TextsOf(const TStringArray& array) {
  std::vector<std::string> texts;
  for (size_t i = 0; i < array.Count(); ++i) texts.push_back(array.Item(i).Bytes());
  return texts;
}

TStringArray ArrayOf(const std::vector<std::string>& texts) {
  TStringArray array;
  for (const std::string& text : texts) array.Append(TString(text.c_str(), text.size()));
  return array;
}

TEST(RegistryValueBytes, TextEndsAtTheFirstNulOrAtTheStoredSize) {
  struct Case {
    std::string stored;
    std::string text;
  } cases[] = {
      {"", ""},
      {std::string("\0", 1), ""},
      {"abc", "abc"},
      {std::string("abc\0xyz", 7), "abc"},
      {"\x83", "\x83"},          // lone lead byte at the end stays as stored
      {"\x83\x5C", "\x83\x5C"},  // trail byte 0x5C
      {"\x80\xFF\xA0\xDF", "\x80\xFF\xA0\xDF"},
      {std::string(1024, 'x'), std::string(1024, 'x')},
  };
  for (const Case& c : cases) {
    const auto block = Exact(c.stored);
    EXPECT_EQ(c.text, TextFromValueBytes(block.get(), c.stored.size()).Bytes());
  }
  EXPECT_EQ(TString(), TextFromValueBytes(nullptr, 10));
}

TEST(RegistryValueBytes, MultiStringsSplitWithinTheStoredBytes) {
  struct Case {
    std::string stored;
    std::vector<std::string> items;
  } cases[] = {
      {"", {}},
      {std::string("\0", 1), {}},
      {std::string("\0\0", 2), {}},
      {std::string("a\0b\0\0", 5), {"a", "b"}},
      {std::string("a\0b\0", 4), {"a", "b"}},  // final terminator missing
      {std::string("a\0bc", 4), {"a", "bc"}},  // last terminator missing too
      {std::string("a\0\0b\0\0", 6), {"a"}},   // an empty string ends the list
      {"\x83", {"\x83"}},
      {std::string("\x81\0\xFF\xFF\0", 5), {"\x81", "\xFF\xFF"}},
  };
  for (const Case& c : cases) {
    const auto block = Exact(c.stored);
    EXPECT_EQ(c.items, TextsOf(SplitMultiString(block.get(), c.stored.size())));
  }
  EXPECT_EQ(0u, SplitMultiString(nullptr, 5).Count());
}

TEST(RegistryValueBytes, JoiningFitsTheCapacityOrLeavesTheBytesAlone) {
  struct Case {
    std::vector<std::string> items;
    size_t capacity;
    bool fits;
    std::string bytes;
  } cases[] = {
      {{}, 1024, true, std::string("\0", 1)},
      {{}, 0, false, ""},
      {{"a", "b"}, 5, true, std::string("a\0b\0\0", 5)},
      {{"a", "b"}, 4, false, ""},
      {{"", "a", ""}, 3, true, std::string("a\0\0", 3)},
      {{std::string("ab\0cd", 5)}, 4, true, std::string("ab\0\0", 4)},  // text ends at its NUL
      {{std::string(1022, 'x')}, 1024, true, std::string(1022, 'x') + std::string(2, '\0')},
      {{std::string(1023, 'x')}, 1024, false, ""},
      {{"ｱ表", "\x80"}, 7, true, std::string("ｱ表\0\x80\0\0", 7)},
  };
  for (const Case& c : cases) {
    std::string bytes = "untouched";
    EXPECT_EQ(c.fits, JoinMultiString(ArrayOf(c.items), c.capacity, bytes)) << c.capacity;
    EXPECT_EQ(c.fits ? c.bytes : std::string("untouched"), bytes) << c.capacity;
  }
}

TEST(RegistryByteBuffer, OwnsACopyAndIsNullWhenEmpty) {
  std::string source("\x00\x80\xFF", 3);
  TByteBuffer buffer(source.data(), source.size());
  source[1] = 'x';
  ASSERT_EQ(3u, buffer.Size());
  EXPECT_EQ(0x80, buffer.Data()[1]);

  TByteBuffer copy = buffer;
  EXPECT_EQ(buffer, copy);
  EXPECT_NE(buffer.Data(), copy.Data());
  copy.Assign(copy.Data() + 1, 2);  // from its own bytes
  EXPECT_EQ(TByteBuffer("\x80\xFF", 2), copy);

  TByteBuffer moved = std::move(copy);
  EXPECT_EQ(2u, moved.Size());
  EXPECT_TRUE(copy.IsEmpty());  // NOLINT: the moved-from state is part of the contract

  for (TByteBuffer empty : {TByteBuffer(), TByteBuffer("abc", 0), TByteBuffer(nullptr, 5)}) {
    EXPECT_EQ(nullptr, empty.Data());
    EXPECT_EQ(0u, empty.Size());
    EXPECT_EQ(TByteBuffer(), empty);
  }
  EXPECT_NE(TByteBuffer("a", 1), TByteBuffer("b", 1));
  EXPECT_NE(TByteBuffer("a", 1), TByteBuffer("a\0", 2));
}

}  // namespace
