#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/registry/RegEnum.h"
#include "tests/support/ThrowawayRegKey.h"

namespace {

std::vector<std::string> Sorted(const TTextList& list) {
  TTextList copy = list;
  copy.Sort(true);
  std::vector<std::string> names;
  for (const TString& name : copy) names.push_back(name.Bytes());
  return names;
}

class RegistryEnum : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(key_.Ok()); }
  HKEY Root() const { return key_.Handle(); }
  void Value(const std::string& name) {
    ASSERT_EQ(ERROR_SUCCESS, RawSetValue(Root(), "", name.c_str(), REG_DWORD, "\0\0\0\0", 4));
  }
  void SubKey(const std::string& path) {
    ASSERT_EQ(ERROR_SUCCESS, RawSetValue(Root(), path.c_str(), "v", REG_SZ, "x", 2));
  }
  ThrowawayRegKey key_;
};

TEST_F(RegistryEnum, AKeyWithoutValuesOrSubKeysYieldsEmptyLists) {
  TTextList names;
  names.Append("stale");
  EXPECT_EQ(ERROR_SUCCESS, EnumValueNames(Root(), names));
  EXPECT_EQ(0, names.Count());
  names.Append("stale");
  EXPECT_EQ(ERROR_SUCCESS, EnumSubKeyNames(Root(), names));
  EXPECT_EQ(0, names.Count());
  names.Append("stale");
  EXPECT_EQ(ERROR_INVALID_HANDLE, EnumValueNames(nullptr, names));
  EXPECT_EQ(0, names.Count());
}

TEST_F(RegistryEnum, ListsValueAndSubKeyNamesSeparately) {
  for (const char* name : {"", "a", "ｱｲｳ", "表", "000001"}) Value(name);
  for (const char* path : {"Serialize", "ﾋﾞｭｰ", "MRU", "MRU\\Nested"}) SubKey(path);
  TTextList names;
  EXPECT_EQ(ERROR_SUCCESS, EnumValueNames(Root(), names));
  EXPECT_EQ((std::vector<std::string>{"", "000001", "a", "表", "ｱｲｳ"}), Sorted(names));
  EXPECT_EQ(ERROR_SUCCESS, EnumSubKeyNames(Root(), names));
  EXPECT_EQ((std::vector<std::string>{"MRU", "Serialize", "ﾋﾞｭｰ"}), Sorted(names));
}

// A name longer than the first buffer (an edit by hand) is listed whole, and
// so is every name after it: a listing that stopped there would lose them.
TEST_F(RegistryEnum, NamesOfAnyLengthTheRegistryHoldsAreListedWhole) {
  std::string doubleByte;
  for (int i = 0; i < 300; ++i) doubleByte += "表";
  struct Case {
    std::string name;
    const char* why;
  } cases[] = {
      {std::string(254, 'n'), "fills the first buffer"},
      {std::string(255, 'n'), "one byte more than the first buffer"},
      {std::string(1000, 'n'), "a buffer that grows more than once"},
      {std::string(16383, 'n'), "the longest value name"},
      {doubleByte, "600 bytes of double-byte characters"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ThrowawayRegKey key;
    ASSERT_TRUE(key.Ok());
    ASSERT_EQ(ERROR_SUCCESS, RawSetValue(key.Handle(), "", c.name.c_str(), REG_SZ, "x", 2));
    ASSERT_EQ(ERROR_SUCCESS, RawSetValue(key.Handle(), "", "short", REG_SZ, "x", 2));
    TTextList names;
    EXPECT_EQ(ERROR_SUCCESS, EnumValueNames(key.Handle(), names));
    EXPECT_EQ(2, names.Count());
    EXPECT_NE(-1, names.Find(TString(c.name.c_str()))) << "the name whole";
    EXPECT_NE(-1, names.Find(TString("short")));
    if (c.name.size() <= 255) {  // the longest name a key may have
      ASSERT_EQ(ERROR_SUCCESS, RawSetValue(key.Handle(), c.name.c_str(), "v", REG_SZ, "x", 2));
      EXPECT_EQ(ERROR_SUCCESS, EnumSubKeyNames(key.Handle(), names));
      EXPECT_EQ(1, names.Count());
    }
  }
}

TEST_F(RegistryEnum, DeleteAllValuesLeavesTheKeyAndItsSubKeys) {
  for (const char* name : {"", "a", "b", "表"}) Value(name);
  SubKey("Child");
  EXPECT_EQ(ERROR_SUCCESS, DeleteAllValues(Root()));
  TTextList names;
  EXPECT_EQ(ERROR_SUCCESS, EnumValueNames(Root(), names));
  EXPECT_EQ(0, names.Count());
  EXPECT_EQ(ERROR_SUCCESS, RawQueryValue(Root(), "Child", "v").result);
  EXPECT_TRUE(IsOpenKey(Root()));
  EXPECT_EQ(ERROR_SUCCESS, DeleteAllValues(Root()));  // nothing left: still fine
}

TEST_F(RegistryEnum, DeleteAllValuesReachesLongNamesAndTheNamesAfterThem) {
  const std::string longName = "000000" + std::string(300, 'L');
  Value(longName);
  Value("005000");
  EXPECT_EQ(ERROR_SUCCESS, DeleteAllValues(Root()));
  TTextList names;
  EXPECT_EQ(ERROR_SUCCESS, EnumValueNames(Root(), names));
  EXPECT_EQ(0, names.Count());
  EXPECT_EQ(ERROR_INVALID_HANDLE, DeleteAllValues(nullptr));
}

}  // namespace
