#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/registry/RegSection.h"
#include "framework/registry/TRegKeyList.h"
#include "framework/registry/TRegValue.h"
#include "tests/support/ThrowawayRegKey.h"

namespace {

class RegistryTypedValue : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(key_.Ok());
    ASSERT_EQ(ERROR_SUCCESS, keys_.Create());
  }
  void TearDown() override { keys_.Close(); }
  HKEY Root() const { return key_.Handle(); }
  void Plant(const char* name, DWORD type, const std::string& bytes) {
    ASSERT_EQ(ERROR_SUCCESS, RawSetValue(Root(), "", name, type, bytes.data(),
                                         static_cast<DWORD>(bytes.size())));
  }
  ThrowawayRegKey key_;
  TRegKeyList keys_{key_.Handle(), ""};
};

TEST_F(RegistryTypedValue, StringsRoundTripAndStoreLengthPlusOneBytes) {
  const std::string halfWidthKana = "\xB1\xB2\xB3\xDF";  // bytes 0xA1-0xDF
  const char* texts[] = {"", "PeriodicTimer", "ソ表能", "(無題) - メモ帳", halfWidthKana.c_str(),
                         "C:\\Program Files\\x.exe /restore"};
  for (const char* text : texts) {
    const TRegString value(keys_, "text");
    ASSERT_EQ(ERROR_SUCCESS, value.Write(text)) << text;
    const RawValue raw = RawQueryValue(Root(), "", "text");
    EXPECT_EQ(static_cast<const TRegValue&>(value).Type(), raw.type);
    EXPECT_EQ(std::string(text, lstrlenA(text) + 1), raw.bytes) << "length + 1 bytes";
    EXPECT_TRUE(value.Exists());
    TString back = "stale";
    EXPECT_EQ(ERROR_SUCCESS, value.Read(back));
    EXPECT_EQ(TString(text), back);
  }
  // A text stops at its first NUL, for the writer as for every reader.
  ASSERT_EQ(ERROR_SUCCESS, TRegString(keys_, "cut").Write(TString("ab\0cd", 5)));
  EXPECT_EQ(std::string("ab\0", 3), RawQueryValue(Root(), "", "cut").bytes);
}

TEST_F(RegistryTypedValue, DwordsAndBinariesRoundTrip) {
  for (DWORD number : {0ul, 1ul, 1300ul, 0x80000000ul, 0xFFFFFFFFul}) {
    ASSERT_EQ(ERROR_SUCCESS, TRegDword(keys_, "n").Write(number));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&number), 4),
              RawQueryValue(Root(), "", "n").bytes);
    EXPECT_EQ(number, TRegDword(keys_, "n").Get(12345));
  }
  for (size_t size : {0u, 1u, 56u, 1023u, 1024u}) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + 0x80);
    const TByteBuffer written(bytes.data(), size);
    const TRegBinary value(keys_, "bin");
    ASSERT_EQ(ERROR_SUCCESS, value.Write(written));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), RawQueryValue(Root(), "", "bin").type);
    EXPECT_TRUE(value.Exists()) << size;
    TByteBuffer back("stale", 5);
    EXPECT_EQ(ERROR_SUCCESS, value.Read(back));
    EXPECT_EQ(written, back) << size;
    EXPECT_EQ(size == 0, back.Data() == nullptr) << "an empty value holds no block";
  }
}

TEST_F(RegistryTypedValue, TooLongValuesReadAsAbsent) {
  struct Case {
    DWORD type;
    std::string bytes;
    bool readable;
  } cases[] = {
      {REG_SZ, std::string(1023, 'x') + '\0', true},
      {REG_SZ, std::string(1024, 'x') + '\0', false},
      {REG_SZ, std::string(5000, 'x') + '\0', false},
      {REG_SZ, [] { std::string s; for (int i = 0; i < 511; ++i) s += "表"; return s + "a"; }() + '\0',
       true},
      {REG_SZ, [] { std::string s; for (int i = 0; i < 512; ++i) s += "表"; return s; }() + '\0',
       false},
      {REG_BINARY, std::string(1024, '\x5A'), true},
      {REG_BINARY, std::string(1025, '\x5A'), false},
  };
  for (const Case& c : cases) {
    Plant("long", c.type, c.bytes);
    if (c.type == REG_SZ) {
      TString text = "stale";
      EXPECT_EQ(c.readable, keys_.ReadString("long", text) == ERROR_SUCCESS) << c.bytes.size();
      EXPECT_EQ(c.readable ? TString(c.bytes.c_str()) : TString(), text) << c.bytes.size();
      EXPECT_EQ(c.readable, TRegString(keys_, "long").Exists());
      EXPECT_EQ(c.readable ? TString(c.bytes.c_str()) : TString("default"),
                TRegString(keys_, "long").Get("default"));
    } else {
      TByteBuffer bytes("stale", 5);
      EXPECT_EQ(c.readable, keys_.ReadBinary("long", bytes) == ERROR_SUCCESS) << c.bytes.size();
      EXPECT_EQ(c.readable ? c.bytes.size() : 0u, bytes.Size());
      EXPECT_EQ(c.readable, TRegBinary(keys_, "long").Exists());
    }
  }
}

TEST_F(RegistryTypedValue, ValuesOfAnotherKindKeepTheCallersDefault) {
  const DWORD textLikeNumber = 0x00636261;  // "abc\0" in memory
  struct Case {
    const char* what;
    DWORD type;
    std::string bytes;
    const char* text;  // null: not readable as a string
    bool isDword;
    bool isBinary;
  } cases[] = {
      {"dword", REG_DWORD, std::string(reinterpret_cast<const char*>(&textLikeNumber), 4), nullptr,
       true, true},
      {"string of digits", REG_SZ, std::string("12\0", 3), "12", false, true},
      {"4-byte string", REG_SZ, std::string("abc\0", 4), "abc", false, true},
      {"4-byte binary", REG_BINARY, std::string("\x01\x02\x03\x04", 4), nullptr, false, true},
      {"expandable string", REG_EXPAND_SZ, std::string("%TEMP%\\x\0", 9), "%TEMP%\\x", false, true},
      {"multi-string", REG_MULTI_SZ, std::string("a\0b\0\0", 5), nullptr, false, true},
      {"short dword", REG_DWORD, std::string("\x01\x02", 2), nullptr, false, true},
      {"qword", REG_QWORD, std::string(8, '\x01'), nullptr, false, true},
      {"none", REG_NONE, std::string(), nullptr, false, true},
  };
  for (const Case& c : cases) {
    Plant("odd", c.type, c.bytes);
    EXPECT_EQ(c.text != nullptr, TRegString(keys_, "odd").Exists()) << c.what;
    EXPECT_EQ(TString(c.text ? c.text : "default"), TRegString(keys_, "odd").Get("default"))
        << c.what;
    TString text = "stale";
    const LONG stringResult = keys_.ReadString("odd", text);
    EXPECT_EQ(c.text ? ERROR_SUCCESS : ERROR_UNSUPPORTED_TYPE, stringResult) << c.what;
    EXPECT_EQ(TString(c.text ? c.text : ""), text) << c.what;

    EXPECT_EQ(c.isDword, TRegDword(keys_, "odd").Exists()) << c.what;
    DWORD number = 777;
    keys_.ReadDword("odd", number);
    EXPECT_EQ(c.isDword ? textLikeNumber : 777u, number) << c.what;

    EXPECT_EQ(c.isBinary, TRegBinary(keys_, "odd").Exists()) << c.what;
    TByteBuffer bytes;
    keys_.ReadBinary("odd", bytes);
    EXPECT_EQ(TByteBuffer(c.bytes.data(), c.bytes.size()), bytes) << c.what;
  }
}

TEST_F(RegistryTypedValue, StringsEndAtTheStoredBytes) {
  struct Case {
    const char* what;
    std::string stored;  // exactly the bytes handed to RegSetValueExA
    std::string expected;
  } cases[] = {
      {"no terminator", "abc", "abc"},
      {"garbage after the terminator", std::string("abc\0xyz", 7), "abc"},
      {"terminator first", std::string("\0abc", 4), ""},
      {"no terminator, 1023 bytes", std::string(1023, 'y'), std::string(1023, 'y')},
      {"Japanese without terminator", "表示", "表示"},
  };
  for (const Case& c : cases) {
    Plant("raw", REG_SZ, c.stored);
    TString text;
    EXPECT_EQ(ERROR_SUCCESS, keys_.ReadString("raw", text)) << c.what;
    EXPECT_EQ(c.expected, text.Bytes()) << c.what;
  }
}

TEST_F(RegistryTypedValue, AnUnterminatedStringAtTheBufferLimitIsNeverOverRead) {
  // 1024 stored bytes fill the whole read buffer with no terminator in it.
  Plant("full", REG_SZ, std::string(1024, 'z'));
  const RawValue raw = RawQueryValue(Root(), "", "full");
  TString text = "stale";
  const LONG result = keys_.ReadString("full", text);
  EXPECT_LE(text.Length(), 1024u);
  EXPECT_EQ(std::string(text.Length(), 'z'), text.Bytes());
  if (result == ERROR_SUCCESS) {
    EXPECT_EQ(raw.bytes.substr(0, raw.bytes.find('\0')), text.Bytes());
  } else {
    EXPECT_EQ(TString(), text);
  }
}

TEST_F(RegistryTypedValue, ANeverWrittenSettingYieldsTheDefaultAndCreatesItsKey) {
  const TRegKeyList application(Root(), "App");
  {
    const TRegSection view = OpenSection(application, "View");
    const TRegDword style(view.Keys(), "FontStyle");
    EXPECT_FALSE(style.Exists());
    EXPECT_EQ(3u, style.Get(3));
    EXPECT_EQ(TString("fallback"), TRegString(view.Keys(), "Name").Get("fallback"));
  }
  EXPECT_TRUE(RawKeyExists(Root(), "App\\View"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RawQueryValue(Root(), "App\\View", "FontStyle").result);
}

}  // namespace
