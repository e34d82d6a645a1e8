#include <windows.h>
#include <shlwapi.h>

#include "tests/support/HkcuRegistry.h"

#include <cstring>

#include "tests/support/HarnessHandles.h"

namespace {

TRegKeyHandle OpenKey(const std::string& path, REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, &key) != ERROR_SUCCESS) return TRegKeyHandle();
  return TRegKeyHandle(key);
}

}  // namespace

std::optional<RegistryValue> ReadHkcuValue(const std::string& path, const std::string& name) {
  TRegKeyHandle key = OpenKey(path, KEY_QUERY_VALUE);
  if (!key) return std::nullopt;
  RegistryValue value;
  DWORD size = 0;
  if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  value.bytes.assign(size, '\0');
  if (size > 0 && RegQueryValueExA(key.Get(), name.c_str(), nullptr, &value.type,
                                   reinterpret_cast<BYTE*>(&value.bytes[0]), &size) != ERROR_SUCCESS)
    return std::nullopt;
  value.bytes.resize(size);
  return value;
}

std::optional<DWORD> ReadHkcuDword(const std::string& path, const std::string& name) {
  const std::optional<RegistryValue> value = ReadHkcuValue(path, name);
  if (!value || value->type != REG_DWORD || value->bytes.size() != sizeof(DWORD)) return std::nullopt;
  DWORD number = 0;
  memcpy(&number, value->bytes.data(), sizeof number);
  return number;
}

bool WriteHkcuValue(const std::string& path, const std::string& name, DWORD type, const std::string& bytes) {
  HKEY created = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created,
                      nullptr) != ERROR_SUCCESS)
    return false;
  TRegKeyHandle key(created);
  return RegSetValueExA(key.Get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                        static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

bool WriteHkcuDword(const std::string& path, const std::string& name, DWORD value) {
  return WriteHkcuValue(path, name, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value));
}

std::vector<std::string> HkcuValueNames(const std::string& path) {
  std::vector<std::string> names;
  TRegKeyHandle key = OpenKey(path, KEY_READ);
  if (!key) return names;
  for (DWORD index = 0;; ++index) {
    char name[256];
    DWORD length = sizeof name;
    if (RegEnumValueA(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

bool DeleteHkcuValue(const std::string& path, const std::string& name) {
  TRegKeyHandle key = OpenKey(path, KEY_SET_VALUE);
  return key && RegDeleteValueA(key.Get(), name.c_str()) == ERROR_SUCCESS;
}

bool DeleteHkcuKey(const std::string& path) {
  if (path.empty()) return false;  // never the whole of HKEY_CURRENT_USER
  const DWORD result = SHDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool HkcuKeyExists(const std::string& path) {
  return static_cast<bool>(OpenKey(path, KEY_READ));
}
