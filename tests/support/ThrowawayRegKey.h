#pragma once
// A registry key of one test's own below HKCU\Software\StowpaneTests, gone
// again when the test ends, plus raw access that bypasses the code under test
// (to plant odd values and to check what really was stored).
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>

class ThrowawayRegKey {
 public:
  ThrowawayRegKey() {
    static unsigned serial = 0;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::string(kParent) + "\\" + (test ? test->name() : "key") + "-" +
            std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) + "-" +
            std::to_string(++serial);
    DWORD disposition = 0;
    created_ = RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                               nullptr, &key_, &disposition);
  }
  ~ThrowawayRegKey() {
    if (key_) RegCloseKey(key_);
    SHDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
    // Only succeeds once no other test's key is left below it.
    RegDeleteKeyA(HKEY_CURRENT_USER, kParent);
  }
  ThrowawayRegKey(const ThrowawayRegKey&) = delete;
  ThrowawayRegKey& operator=(const ThrowawayRegKey&) = delete;

  bool Ok() const { return created_ == ERROR_SUCCESS && key_ != nullptr; }
  HKEY Handle() const { return key_; }
  // Below HKEY_CURRENT_USER.
  const std::string& Path() const { return path_; }

 private:
  static constexpr const char* kParent = "Software\\StowpaneTests";
  std::string path_;
  HKEY key_ = nullptr;
  LONG created_ = ERROR_FILE_NOT_FOUND;
};

// Stores raw bytes under `subKey` of `root` (created when missing).
inline LONG RawSetValue(HKEY root, const char* subKey, const char* name, DWORD type,
                        const void* data, DWORD size) {
  HKEY key = nullptr;
  LONG result = RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  if (result != ERROR_SUCCESS) return result;
  result = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
  return result;
}

struct RawValue {
  LONG result = ERROR_FILE_NOT_FOUND;
  DWORD type = REG_NONE;
  std::string bytes;
};

// What is stored under `subKey` of `root`, read with a buffer large enough for any test value.
inline RawValue RawQueryValue(HKEY root, const char* subKey, const char* name) {
  RawValue value;
  HKEY key = nullptr;
  value.result = RegOpenKeyExA(root, subKey, 0, KEY_READ, &key);
  if (value.result != ERROR_SUCCESS) return value;
  std::string buffer(65536, '\0');
  DWORD size = static_cast<DWORD>(buffer.size());
  value.result = RegQueryValueExA(key, name, nullptr, &value.type,
                                  reinterpret_cast<BYTE*>(&buffer[0]), &size);
  if (value.result == ERROR_SUCCESS) value.bytes.assign(buffer.data(), size);
  RegCloseKey(key);
  return value;
}

inline bool RawKeyExists(HKEY root, const char* subKey) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// True while `key` is still an open handle of this process.
inline bool IsOpenKey(HKEY key) {
  DWORD values = 0;
  return RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                          nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}
