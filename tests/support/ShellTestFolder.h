#pragma once
// A throwaway folder under %TEMP% for tests that write files, removed with
// its contents at the end; and COM for the calling thread during a test.
#include <windows.h>
#include <objbase.h>

#include <string>

class TShellTestFolder {
 public:
  TShellTestFolder() {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "shelltest_" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(counter_++);
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TShellTestFolder() { RemoveTree(path_); }
  TShellTestFolder(const TShellTestFolder&) = delete;
  TShellTestFolder& operator=(const TShellTestFolder&) = delete;

  // The folder without a final '\'.
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

  bool WriteFile(const std::string& name, const std::string& bytes) const {
    HANDLE file = CreateFileA(File(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                                nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
  }

  // Sets the file's last-write time `days` days before now.
  bool AgeFile(const std::string& name, int days) const {
    HANDLE file = CreateFileA(File(name).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time;
    time.LowPart = now.dwLowDateTime;
    time.HighPart = now.dwHighDateTime;
    time.QuadPart -= static_cast<ULONGLONG>(days) * 24 * 60 * 60 * 10000000ULL;
    FILETIME written = {time.LowPart, time.HighPart};
    const BOOL ok = SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
    return ok != FALSE;
  }

 // A folder with everything in it, read-only files too.
  static void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string full = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(full);
        } else {
          SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileA(full.c_str());
        }
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
  }

 private:
  static inline int counter_ = 0;
  std::string path_;
};

// COM on this thread for the life of the object (the shell-link object is an
// in-process COM server).
class TComApartment {
 public:
  TComApartment() : ok_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~TComApartment() {
    if (ok_) CoUninitialize();
  }
  TComApartment(const TComApartment&) = delete;
  TComApartment& operator=(const TComApartment&) = delete;
  bool Ok() const { return ok_; }

 private:
  bool ok_;
};
