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

TEST_F(RegistryEnum, ANameTooLongForTheBufferEndsTheListing) {
  struct Case {
    size_t length;
    bool complete;
  } cases[] = {{254, true}, {255, false}, {1000, false}};
  for (const Case& c : cases) {
    ThrowawayRegKey key;
    ASSERT_TRUE(key.Ok());
    const std::string name(c.length, 'n');
    ASSERT_EQ(ERROR_SUCCESS, RawSetValue(key.Handle(), "", name.c_str(), REG_SZ, "x", 2));
    ASSERT_EQ(ERROR_SUCCESS, RawSetValue(key.Handle(), "", "short", REG_SZ, "x", 2));
    TTextList names;
    const LONG result = EnumValueNames(key.Handle(), names);
    EXPECT_EQ(c.complete, result == ERROR_SUCCESS) << c.length;
    if (c.complete) {
      EXPECT_EQ(2, names.Count()) << c.length;
    } else {
      EXPECT_LT(names.Count(), 2) << c.length;
      EXPECT_EQ(-1, names.Find(TString(name.c_str()))) << "never a cut name";
    }
    if (c.length <= 255) {  // the longest name a key may have
      ASSERT_EQ(ERROR_SUCCESS, RawSetValue(key.Handle(), name.c_str(), "v", REG_SZ, "x", 2));
      EXPECT_EQ(c.complete, EnumSubKeyNames(key.Handle(), names) == ERROR_SUCCESS) << c.length;
      EXPECT_EQ(c.complete ? 1 : 0, names.Count()) << c.length;
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

TEST_F(RegistryEnum, DeleteAllValuesReportsANameItCouldNotReach) {
  const std::string longName(300, 'L');
  Value(longName);
  EXPECT_NE(ERROR_SUCCESS, DeleteAllValues(Root()));
  EXPECT_EQ(ERROR_SUCCESS, RawQueryValue(Root(), "", longName.c_str()).result);
  EXPECT_EQ(ERROR_INVALID_HANDLE, DeleteAllValues(nullptr));
}

}  // namespace
