#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/registry/TRegKeyList.h"
#include "framework/registry/TRegValue.h"
#include "tests/support/ThrowawayRegKey.h"

namespace {

class RegistryKeyList : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(key_.Ok()); }
  HKEY Root() const { return key_.Handle(); }
  TRegKeyList TwoEntries() const {
    TRegKeyList list(Root(), "First");
    list.Append(TRegKeyEntry(Root(), "Second"));
    return list;
  }
  ThrowawayRegKey key_;
};

TEST_F(RegistryKeyList, OpenFindsOnlyExistingKeysWhileCreateMakesTheWholePath) {
  TRegKeyList list(Root(), "a\\b\\c\\");  // trailing backslash as the framework names its key
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, list.Open());
  EXPECT_EQ(nullptr, list.Handle(0));
  EXPECT_FALSE(RawKeyExists(Root(), "a"));

  EXPECT_EQ(ERROR_SUCCESS, list.Create());
  EXPECT_NE(nullptr, list.Handle(0));
  EXPECT_TRUE(RawKeyExists(Root(), "a\\b\\c"));
  EXPECT_EQ(ERROR_SUCCESS, list.Close());
  EXPECT_EQ(ERROR_SUCCESS, list.Open());
  EXPECT_NE(nullptr, list.Handle(0));
}

TEST_F(RegistryKeyList, EveryEntryIsTriedAndTheFirstFailureReported) {
  TRegKeyList missingFirst(Root(), "Missing");
  missingFirst.Append(TRegKeyEntry(Root(), ""));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, missingFirst.Open());
  EXPECT_EQ(nullptr, missingFirst.Handle(0));
  EXPECT_NE(nullptr, missingFirst.Handle(1));

  TRegKeyList noRootFirst(nullptr, "Lost");
  noRootFirst.Append(TRegKeyEntry(Root(), "Made"));
  EXPECT_NE(ERROR_SUCCESS, noRootFirst.Create());
  EXPECT_EQ(nullptr, noRootFirst.Handle(0));
  EXPECT_NE(nullptr, noRootFirst.Handle(1));
  EXPECT_TRUE(RawKeyExists(Root(), "Made"));
  // A list that could only partly be created still closes without complaint.
  EXPECT_EQ(ERROR_SUCCESS, noRootFirst.Close());
}

TEST_F(RegistryKeyList, CloseGivesBackEveryHandle) {
  TRegKeyList list = TwoEntries();
  ASSERT_EQ(ERROR_SUCCESS, list.Create());
  const HKEY first = list.Handle(0);
  const HKEY second = list.Handle(1);
  ASSERT_TRUE(IsOpenKey(first));
  ASSERT_TRUE(IsOpenKey(second));
  EXPECT_EQ(ERROR_SUCCESS, list.Close());
  EXPECT_EQ(nullptr, list.Handle(0));
  EXPECT_EQ(nullptr, list.Handle(1));
  EXPECT_FALSE(IsOpenKey(first));
  EXPECT_FALSE(IsOpenKey(second));
  EXPECT_EQ(ERROR_SUCCESS, list.Close());  // closing twice is harmless
}

TEST_F(RegistryKeyList, DestroyingAnOpenListGivesBackItsHandles) {
  HKEY leftOpen = nullptr;
  {
    TRegKeyList list(Root(), "Forgotten");
    ASSERT_EQ(ERROR_SUCCESS, list.Create());
    leftOpen = list.Handle(0);
  }
  EXPECT_FALSE(IsOpenKey(leftOpen));
}

TEST_F(RegistryKeyList, CopiesNameTheSameKeysButStartClosed) {
  TRegKeyList source = TwoEntries();
  ASSERT_EQ(ERROR_SUCCESS, source.Create());
  const TRegKeyList copy(source);
  ASSERT_EQ(2, copy.Count());
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(nullptr, copy.Handle(i));
    EXPECT_EQ(Root(), copy.Entry(i)->Root());
    EXPECT_EQ(source.Entry(i)->Path(), copy.Entry(i)->Path());
    EXPECT_TRUE(IsOpenKey(source.Handle(i))) << "the source must stay open, entry " << i;
  }

  TRegKeyList target(Root(), "Target");
  ASSERT_EQ(ERROR_SUCCESS, target.Create());
  const HKEY replaced = target.Handle(0);
  target = source;
  EXPECT_FALSE(IsOpenKey(replaced));
  EXPECT_EQ(nullptr, target.Handle(0));
  EXPECT_EQ(TString("Second"), target.Entry(1)->Path());
}

TEST_F(RegistryKeyList, ReadsPreferTheLastEntryAndFallBackToEarlierOnes) {
  struct Case {
    const char* name;
    const char* inFirst;  // null: absent there
    const char* inLast;
    const char* expected;  // null: absent everywhere
  } cases[] = {
      {"both", "old", "new", "new"},
      {"firstOnly", "fallback", nullptr, "fallback"},
      {"lastOnly", nullptr, "own", "own"},
      {"neither", nullptr, nullptr, nullptr},
      {"emptyInLast", "fallback", "", ""},
  };
  for (const Case& c : cases) {
    if (c.inFirst) RawSetValue(Root(), "First", c.name, REG_SZ, c.inFirst, lstrlenA(c.inFirst) + 1);
    if (c.inLast) RawSetValue(Root(), "Second", c.name, REG_SZ, c.inLast, lstrlenA(c.inLast) + 1);
  }
  TRegKeyList list = TwoEntries();
  ASSERT_EQ(ERROR_SUCCESS, list.Create());
  for (const Case& c : cases) {
    TString text = "stale";
    const LONG result = list.ReadString(c.name, text);
    EXPECT_EQ(c.expected ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND, result) << c.name;
    EXPECT_EQ(TString(c.expected ? c.expected : ""), text) << c.name;
  }
}

TEST_F(RegistryKeyList, WritesAndDeletionsGoToTheLastEntryOnly) {
  RawSetValue(Root(), "First", "shared", REG_SZ, "first", 6);
  RawSetValue(Root(), "Second", "shared", REG_SZ, "second", 7);
  TRegKeyList list = TwoEntries();
  ASSERT_EQ(ERROR_SUCCESS, list.Create());

  EXPECT_EQ(ERROR_SUCCESS, TRegDword(list, "written").Write(42));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RawQueryValue(Root(), "First", "written").result);
  EXPECT_EQ(ERROR_SUCCESS, RawQueryValue(Root(), "Second", "written").result);

  EXPECT_EQ(ERROR_SUCCESS, list.DeleteValue("shared"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RawQueryValue(Root(), "Second", "shared").result);
  EXPECT_EQ(ERROR_SUCCESS, RawQueryValue(Root(), "First", "shared").result);
  // The earlier entry now shows through.
  EXPECT_EQ(TString("first"), TRegString(list, "shared").Get("none"));
}

TEST_F(RegistryKeyList, ClosedEmptyOrVanishedKeysYieldDefaultsAndRefuseWrites) {
  RawSetValue(Root(), "Doomed", "n", REG_DWORD, "\x07\0\0\0", 4);
  TRegKeyList doomed(Root(), "Doomed");
  ASSERT_EQ(ERROR_SUCCESS, doomed.Create());
  // Another program deletes the key while our handle is open.
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(Root(), "Doomed"));

  TRegKeyList closed(Root(), "Never");
  const TRegKeyList empty;
  const TRegKeyList* lists[] = {&doomed, &closed, &empty};
  for (const TRegKeyList* list : lists) {
    DWORD number = 99;
    EXPECT_NE(ERROR_SUCCESS, list->ReadDword("n", number));
    EXPECT_EQ(99u, number);
    TString text = "stale";
    EXPECT_NE(ERROR_SUCCESS, list->ReadString("n", text));
    EXPECT_EQ(TString(), text);
    TByteBuffer bytes("x", 1);
    EXPECT_NE(ERROR_SUCCESS, list->ReadBinary("n", bytes));
    EXPECT_TRUE(bytes.IsEmpty());
    EXPECT_NE(ERROR_SUCCESS, TRegString(*list, "w").Write("text"));
    EXPECT_NE(ERROR_SUCCESS, list->DeleteValue("n"));
  }
  EXPECT_EQ(ERROR_SUCCESS, doomed.Close());
  EXPECT_FALSE(RawKeyExists(Root(), "Doomed"));
}

TEST_F(RegistryKeyList, DeleteKeyRemovesTheLastEntrysKeyOnly) {
  TRegKeyList list(Root(), "Keep");
  list.Append(TRegKeyEntry(Root(), "Drop\\"));
  ASSERT_EQ(ERROR_SUCCESS, list.Create());
  EXPECT_EQ(ERROR_SUCCESS, list.DeleteKey());
  EXPECT_EQ(nullptr, list.Handle(1));
  EXPECT_FALSE(RawKeyExists(Root(), "Drop"));
  EXPECT_TRUE(RawKeyExists(Root(), "Keep"));
  EXPECT_NE(nullptr, list.Handle(0));
}

TEST_F(RegistryKeyList, DeleteKeyRefusesToDeleteTheRootOrAKeyWithSubKeys) {
  TRegKeyList rootItself(Root(), "\\");
  ASSERT_EQ(ERROR_SUCCESS, rootItself.Create());
  EXPECT_EQ(ERROR_INVALID_PARAMETER, rootItself.DeleteKey());
  EXPECT_TRUE(IsOpenKey(Root()));
  EXPECT_TRUE(RawKeyExists(HKEY_CURRENT_USER, key_.Path().c_str()));

  RawSetValue(Root(), "Parent\\Child", "v", REG_SZ, "x", 2);
  TRegKeyList parent(Root(), "Parent");
  EXPECT_NE(ERROR_SUCCESS, parent.DeleteKey());
  EXPECT_TRUE(RawKeyExists(Root(), "Parent\\Child"));
}

TEST_F(RegistryKeyList, DeleteKeyInAllEntriesTakesNestedEntriesFirst) {
  TRegKeyList list(Root(), "Outer");
  list.Append(TRegKeyEntry(Root(), "Outer\\Inner"));
  ASSERT_EQ(ERROR_SUCCESS, list.Create());
  EXPECT_EQ(ERROR_SUCCESS, list.DeleteKeyInAllEntries());
  EXPECT_FALSE(RawKeyExists(Root(), "Outer"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, list.DeleteKeyInAllEntries());
}

TEST_F(RegistryKeyList, RootsAreParametersSoNothingLandsInTheRealUserKey) {
  const std::string valueName = "probe-" + key_.Path().substr(key_.Path().rfind('\\') + 1);
  TRegKeyList list(Root(), "Software\\Quillon\\Stowpane\\3.x");
  ASSERT_EQ(ERROR_SUCCESS, list.Create());
  ASSERT_EQ(ERROR_SUCCESS, TRegDword(list, valueName.c_str()).Write(1));
  EXPECT_EQ(ERROR_SUCCESS,
            RawQueryValue(Root(), "Software\\Quillon\\Stowpane\\3.x", valueName.c_str()).result);
  EXPECT_NE(ERROR_SUCCESS, RawQueryValue(HKEY_CURRENT_USER, "Software\\Quillon\\Stowpane\\3.x",
                                         valueName.c_str())
                               .result);
}

}  // namespace
