#include <windows.h>

#include "tests/support/HarnessPaths.h"

#include <string>

std::string ProgramPath(const std::string& fileName) {
  char path[MAX_PATH * 4] = "";
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path, length < sizeof path ? length : 0);
  const size_t slash = folder.find_last_of("\\/");
  folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
  return folder + fileName;
}

std::string FreshLogPath(const std::string& stem) {
  static unsigned serial = 0;
  char folder[MAX_PATH] = "";
  const DWORD length = GetTempPathA(sizeof folder, folder);
  std::string path(folder, length < sizeof folder ? length : 0);
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path + stem + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial) +
         ".log";
}
