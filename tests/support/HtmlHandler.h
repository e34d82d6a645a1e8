#pragma once
// A stand-in browser for tests that open HTML through the shell: while it
// lives, HKCR\.html names the class "StowpaneTestHtml", whose open command is
// `"<probe.exe>" record "<log>" %1`, so every launch leaves its command line
// as one line of the log. The destructor puts HKCR\.html back as it was (its
// default value, or no key at all) and removes the class, also when a test
// failed. Wine's shell reads HKCR (HKLM\Software\Classes) but not
// HKCU\Software\Classes, so it is the only place a test can plant a handler.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class THtmlHandler {
 public:
  THtmlHandler();
  ~THtmlHandler();
  THtmlHandler(const THtmlHandler&) = delete;
  THtmlHandler& operator=(const THtmlHandler&) = delete;

  // False when the registry could not be set up.
  bool Ok() const { return ok_; }
  const std::string& LogPath() const { return logPath_; }
  // The log's whole lines without their CR LF (a line still being written is left out).
  std::vector<std::string> Lines() const;

 private:
  bool keyExisted_ = false;
  std::optional<std::string> previousDefault_;
  std::string logPath_;
  bool ok_ = false;
};
