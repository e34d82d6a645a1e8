#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "tests/support/ThrowawayRegKey.h"

namespace {

class RegistrySection : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(key_.Ok()); }
  void TearDown() override { DestroyGlobalKeyLists(); }
  HKEY Root() const { return key_.Handle(); }
  ThrowawayRegKey key_;
};

TEST_F(RegistrySection, ValuesLandInTheSectionAndEveryHandleClosesWithTheScope) {
  const TRegKeyList application(Root(), "App\\");
  HKEY sectionKey = nullptr;
  HKEY copyKey = nullptr;
  {
    const TRegSection section = OpenSection(application, "Serialize");
    EXPECT_EQ(ERROR_SUCCESS, section.Result());
    sectionKey = section.Handle();
    copyKey = section.Keys().Entry(0)->Root();
    ASSERT_TRUE(IsOpenKey(sectionKey));
    ASSERT_TRUE(IsOpenKey(copyKey));
    EXPECT_EQ(ERROR_SUCCESS, TRegDword(section.Keys(), "x").Write(5));
  }
  EXPECT_FALSE(IsOpenKey(sectionKey));
  EXPECT_FALSE(IsOpenKey(copyKey));
  EXPECT_EQ(nullptr, application.Handle(0)) << "the list that was copied is never opened";
  EXPECT_EQ(std::string("\x05\0\0\0", 4), RawQueryValue(Root(), "App\\Serialize", "x").bytes);
}

TEST_F(RegistrySection, SectionsNestBelowSections) {
  const TRegKeyList library(Root(), "Lib\\");
  HKEY outerKey = nullptr;
  HKEY innerKey = nullptr;
  {
    const TRegSection mru = OpenSection(library, "MRU");
    const TRegSection kind = OpenSection(mru, "File");
    EXPECT_EQ(ERROR_SUCCESS, kind.Result());
    EXPECT_EQ(mru.Handle(), kind.Keys().Entry(0)->Root());
    outerKey = mru.Handle();
    innerKey = kind.Handle();
    EXPECT_EQ(ERROR_SUCCESS, TRegString(kind.Keys(), "000000").Write("C:\\a.txt"));
    EXPECT_EQ(ERROR_SUCCESS, TRegString(mru.Keys(), "top").Write("here"));
  }
  EXPECT_FALSE(IsOpenKey(innerKey));
  EXPECT_FALSE(IsOpenKey(outerKey));
  EXPECT_EQ(ERROR_SUCCESS, RawQueryValue(Root(), "Lib\\MRU\\File", "000000").result);
  EXPECT_EQ(ERROR_SUCCESS, RawQueryValue(Root(), "Lib\\MRU", "top").result);
}

TEST_F(RegistrySection, ASectionOfAMultiEntryListHangsFromTheFirstEntry) {
  TRegKeyList keys(Root(), "First");
  keys.Append(TRegKeyEntry(Root(), "Second"));
  {
    const TRegSection section = OpenSection(keys, "View");
    EXPECT_EQ(1, section.Keys().Count());
    EXPECT_EQ(ERROR_SUCCESS, TRegDword(section.Keys(), "v").Write(1));
  }
  EXPECT_EQ(ERROR_SUCCESS, RawQueryValue(Root(), "First\\View", "v").result);
  EXPECT_TRUE(RawKeyExists(Root(), "Second"));
  EXPECT_FALSE(RawKeyExists(Root(), "Second\\View"));
}

TEST_F(RegistrySection, ASectionThatCannotBeCreatedYieldsDefaultsAndRefusesWrites) {
  const TRegKeyList empty;
  const TRegKeyList noRoot(nullptr, "x");
  for (const TRegKeyList* keys : {&empty, &noRoot}) {
    const TRegSection section = OpenSection(*keys, "View");
    EXPECT_NE(ERROR_SUCCESS, section.Result());
    EXPECT_EQ(nullptr, section.Handle());
    EXPECT_EQ(4u, TRegDword(section.Keys(), "FontStyle").Get(4));
    EXPECT_NE(ERROR_SUCCESS, TRegDword(section.Keys(), "FontStyle").Write(1));
    const TRegSection nested = OpenSection(section, "Deeper");
    EXPECT_NE(ERROR_SUCCESS, nested.Result());
  }
}

TEST_F(RegistrySection, GlobalListsAreEmptyUntilBuiltAndAfterDestroyed) {
  DestroyGlobalKeyLists();
  EXPECT_EQ(0, ApplicationKeys().Count());
  EXPECT_EQ(0, LibraryKeys().Count());
  EXPECT_NE(ERROR_SUCCESS, OpenSection(ApplicationKeys(), "AutoIcon").Result());

  CreateGlobalKeyLists(kApplicationKeyPath);  // the program's call: names, opens nothing
  ASSERT_EQ(1, ApplicationKeys().Count());
  EXPECT_EQ(HKEY_CURRENT_USER, ApplicationKeys().Entry(0)->Root());
  EXPECT_EQ(TString("Software\\Quillon\\Stowpane\\3.x"), ApplicationKeys().Entry(0)->Path());
  EXPECT_EQ(HKEY_CURRENT_USER, LibraryKeys().Entry(0)->Root());
  EXPECT_EQ(TString("Software\\Quillon\\VellumLibrary\\"), LibraryKeys().Entry(0)->Path());
  EXPECT_EQ(nullptr, ApplicationKeys().Handle(0));

  CreateGlobalKeyLists(nullptr, Root());
  EXPECT_EQ(Root(), ApplicationKeys().Entry(0)->Root());
  EXPECT_EQ(TString(kApplicationKeyPath), ApplicationKeys().Entry(0)->Path());

  DestroyGlobalKeyLists();
  EXPECT_EQ(0, ApplicationKeys().Count());
  EXPECT_EQ(0, LibraryKeys().Count());
}

TEST_F(RegistrySection, GlobalListsBelowAThrowawayRootNeedNoRedirection) {
  CreateGlobalKeyLists(kApplicationKeyPath, Root());
  const std::string probe = "probe-" + key_.Path().substr(key_.Path().rfind('\\') + 1);
  {
    const TRegSection view = OpenSection(LibraryKeys(), "View");
    EXPECT_EQ(ERROR_SUCCESS, TRegDword(view.Keys(), probe.c_str()).Write(2));
    const TRegSection stereotype = OpenSection(ApplicationKeys(), "WithoutStereotype");
    EXPECT_EQ(ERROR_SUCCESS, TRegDword(stereotype.Keys(), probe.c_str()).Write(7));
  }
  EXPECT_EQ(nullptr, LibraryKeys().Handle(0));
  EXPECT_EQ(ERROR_SUCCESS,
            RawQueryValue(Root(), "Software\\Quillon\\VellumLibrary\\View", probe.c_str()).result);
  EXPECT_EQ(ERROR_SUCCESS,
            RawQueryValue(Root(), "Software\\Quillon\\Stowpane\\3.x\\WithoutStereotype",
                          probe.c_str())
                .result);
  EXPECT_NE(ERROR_SUCCESS, RawQueryValue(HKEY_CURRENT_USER,
                                         "Software\\Quillon\\VellumLibrary\\View", probe.c_str())
                               .result);
}

}  // namespace
