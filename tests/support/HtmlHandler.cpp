#include <windows.h>
#include <shlwapi.h>

#include "tests/support/HtmlHandler.h"

#include <fstream>
#include <sstream>

#include "tests/support/HarnessPaths.h"

namespace {

constexpr const char* kExtension = ".html";
constexpr const char* kProgId = "StowpaneTestHtml";

bool SetDefault(const std::string& subKey, const std::string& text) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const LONG result = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                     static_cast<DWORD>(text.size() + 1));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

}  // namespace

THtmlHandler::THtmlHandler() : logPath_(FreshLogPath("htmlhandler")) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kExtension, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    keyExisted_ = true;
    char buffer[1024] = {};
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ) {
      previousDefault_ = std::string(buffer);
    }
    RegCloseKey(key);
  }
  // Left behind by a run that was killed: the key was ours, not the prefix's.
  if (previousDefault_ == std::string(kProgId)) {
    keyExisted_ = false;
    previousDefault_.reset();
  }
  const std::string command = "\"" + ProgramPath("probe.exe") + "\" record \"" + logPath_ + "\" %1";
  ok_ = SetDefault(std::string(kProgId) + "\\shell\\open\\command", command) &&
        SetDefault(kExtension, kProgId);
}

THtmlHandler::~THtmlHandler() {
  if (!keyExisted_) {
    SHDeleteKeyA(HKEY_CLASSES_ROOT, kExtension);
  } else if (previousDefault_) {
    SetDefault(kExtension, *previousDefault_);
  } else {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kExtension, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
      RegDeleteValueA(key, nullptr);
      RegCloseKey(key);
    }
  }
  SHDeleteKeyA(HKEY_CLASSES_ROOT, kProgId);
  DeleteFileA(logPath_.c_str());
}

std::vector<std::string> THtmlHandler::Lines() const {
  std::ifstream file(logPath_, std::ios::binary);
  std::ostringstream content;
  if (file) content << file.rdbuf();
  const std::string text = content.str();
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}
