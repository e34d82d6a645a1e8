#pragma once
// Raw registry access below HKEY_CURRENT_USER for end-to-end tests: what a
// program under test really stored, and values planted for it, bypassing the
// product's own registry code.
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct RegistryValue {
  DWORD type = REG_NONE;
  std::string bytes;  // exactly as stored (a REG_SZ includes its terminator if it was stored)
};

std::optional<RegistryValue> ReadHkcuValue(const std::string& path, const std::string& name);
// Only a REG_DWORD of four bytes.
std::optional<DWORD> ReadHkcuDword(const std::string& path, const std::string& name);
// The key is created when missing.
bool WriteHkcuValue(const std::string& path, const std::string& name, DWORD type, const std::string& bytes);
bool WriteHkcuDword(const std::string& path, const std::string& name, DWORD value);
// The names of every value of the key, in the order the registry lists them.
std::vector<std::string> HkcuValueNames(const std::string& path);
bool DeleteHkcuValue(const std::string& path, const std::string& name);
// The key and everything below it; true also when it did not exist.
bool DeleteHkcuKey(const std::string& path);
bool HkcuKeyExists(const std::string& path);

// A key that a test's programs write into, emptied when the test starts and
// deleted when it ends, so no run sees another's settings.
class ClearedHkcuKey {
 public:
  explicit ClearedHkcuKey(std::string path) : path_(std::move(path)) { DeleteHkcuKey(path_); }
  ~ClearedHkcuKey() { DeleteHkcuKey(path_); }
  ClearedHkcuKey(const ClearedHkcuKey&) = delete;
  ClearedHkcuKey& operator=(const ClearedHkcuKey&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};
