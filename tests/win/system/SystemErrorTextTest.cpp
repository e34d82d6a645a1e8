#include <windows.h>

#include "framework/system/SystemErrorText.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemErrorText, KnownCodesGiveOneTrimmedText) {
  const DWORD known[] = {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_SUCCESS};
  for (DWORD code : known) {
    const TString text = SystemErrorText(code);
    ASSERT_FALSE(text.IsEmpty()) << code;
    const char last = text.At(text.Length() - 1);
    EXPECT_TRUE(last != '\r' && last != '\n' && last != ' ') << code << ": " << text.c_str();
  }
}

TEST(SystemErrorText, InsertsAreKeptAsWritten) {
  // "%1 is not a valid application": no arguments are read for the insert.
  const TString text = SystemErrorText(ERROR_BAD_EXE_FORMAT);
  ASSERT_FALSE(text.IsEmpty());
  EXPECT_NE(nullptr, strstr(text.c_str(), "%1")) << text.c_str();
}

TEST(SystemErrorText, UnknownCodesGiveNothing) {
  for (DWORD code : {0x2FFFFFFFul, 0xDEADBEEFul, 15999ul}) {
    EXPECT_STREQ("", SystemErrorText(code).c_str()) << code;
  }
}

TEST(SystemErrorText, ModuleWithoutMessagesFallsBackToTheSystem) {
  const TString fromSystem = SystemErrorText(ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(fromSystem, SystemErrorText(ERROR_FILE_NOT_FOUND, GetModuleHandleA(nullptr)));
}

}  // namespace
