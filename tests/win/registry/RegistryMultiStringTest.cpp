#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/registry/RegMultiString.h"
#include "framework/registry/TRegKeyList.h"
#include "tests/support/ThrowawayRegKey.h"

namespace {

TStringArray ArrayOf(const std::vector<std::string>& texts) {
  TStringArray array;
  for (const std::string& text : texts) array.Append(TString(text.c_str(), text.size()));
  return array;
}

std::vector<std::string> TextsOf(const TStringArray& array) {
  std::vector<std::string> texts;
  for (size_t i = 0; i < array.Count(); ++i) texts.push_back(array.Item(i).Bytes());
  return texts;
}

class RegistryMultiString : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(key_.Ok());
    ASSERT_EQ(ERROR_SUCCESS, keys_.Create());
  }
  void TearDown() override { keys_.Close(); }
  HKEY Root() const { return key_.Handle(); }
  std::vector<std::string> ReadBack(const char* name, LONG* result = nullptr) {
    TStringArray items = ArrayOf({"stale"});
    const LONG read = keys_.ReadMultiString(name, items);
    if (result) *result = read;
    return TextsOf(items);
  }
  ThrowawayRegKey key_;
  TRegKeyList keys_{key_.Handle(), ""};
};

TEST_F(RegistryMultiString, ListsRoundTripInTheirWellFormedStoredForm) {
  struct Case {
    std::vector<std::string> written;
    std::string stored;
    std::vector<std::string> read;
  } cases[] = {
      {{"a", "b"}, std::string("a\0b\0\0", 5), {"a", "b"}},
      {{}, std::string("\0", 1), {}},
      {{"ｱｲｳ", "表示"}, std::string("ｱｲｳ\0表示\0\0", 10), {"ｱｲｳ", "表示"}},
      // An empty text would end the list for every reader: it is left out.
      {{"a", "", "b", ""}, std::string("a\0b\0\0", 5), {"a", "b"}},
      {{std::string(1022, 'x')}, std::string(1022, 'x') + std::string("\0\0", 2),
       {std::string(1022, 'x')}},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(ERROR_SUCCESS, WriteMultiString(keys_.Handle(0), "list", ArrayOf(c.written)));
    const RawValue raw = RawQueryValue(Root(), "", "list");
    EXPECT_EQ(static_cast<DWORD>(REG_MULTI_SZ), raw.type);
    EXPECT_EQ(c.stored, raw.bytes);
    EXPECT_EQ(c.read, ReadBack("list"));
  }
}

TEST_F(RegistryMultiString, AListTooLargeForTheBufferIsRefusedAndNothingWritten) {
  ASSERT_EQ(ERROR_SUCCESS, WriteMultiString(keys_.Handle(0), "kept", ArrayOf({"old"})));
  const std::vector<std::vector<std::string>> tooLarge = {
      {std::string(1023, 'x')},                       // 1023 + 1 + final = 1025
      {std::string(600, 'a'), std::string(423, 'b')},  // 601 + 424 + final = 1026
      std::vector<std::string>(342, "ab"),             // 342 * 3 + final = 1027
      {std::string(100000, 'h')},
  };
  for (const auto& texts : tooLarge) {
    EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, WriteMultiString(keys_.Handle(0), "kept", ArrayOf(texts)));
    EXPECT_EQ(std::vector<std::string>{"old"}, ReadBack("kept"));
    EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, WriteMultiString(keys_.Handle(0), "new", ArrayOf(texts)));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RawQueryValue(Root(), "", "new").result);
  }
  EXPECT_EQ(ERROR_INVALID_HANDLE, WriteMultiString(nullptr, "x", ArrayOf({"a"})));
}

TEST_F(RegistryMultiString, MalformedOrForeignValuesAreReadWithinTheirBytes) {
  struct Case {
    const char* what;
    DWORD type;
    std::string stored;
    LONG result;
    std::vector<std::string> read;
  } cases[] = {
      {"no final terminator", REG_MULTI_SZ, std::string("a\0b\0", 4), ERROR_SUCCESS, {"a", "b"}},
      {"no terminator at all", REG_MULTI_SZ, std::string("a\0bc", 4), ERROR_SUCCESS, {"a", "bc"}},
      {"empty string inside", REG_MULTI_SZ, std::string("a\0\0b\0\0", 6), ERROR_SUCCESS, {"a"}},
      {"zero bytes", REG_MULTI_SZ, std::string(), ERROR_SUCCESS, {}},
      {"over the buffer", REG_MULTI_SZ, std::string(1100, 'q') + std::string("\0\0", 2),
       ERROR_MORE_DATA, {}},
      {"single string", REG_SZ, std::string("one\0", 4), ERROR_SUCCESS, {"one"}},
      {"dword", REG_DWORD, std::string("\x01\0\0\0", 4), ERROR_UNSUPPORTED_TYPE, {}},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(ERROR_SUCCESS, RawSetValue(Root(), "", "odd", c.type, c.stored.data(),
                                         static_cast<DWORD>(c.stored.size())));
    LONG result = -1;
    const std::vector<std::string> read = ReadBack("odd", &result);
    EXPECT_EQ(c.result, result) << c.what;
    EXPECT_EQ(c.read, read) << c.what;
  }
  LONG result = -1;
  EXPECT_TRUE(ReadBack("absent", &result).empty());
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, result);
}

}  // namespace
