#include <windows.h>

#include "tests/support/TestWindowProcess.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iostream>

#include "tests/support/HarnessPaths.h"
#include "tests/support/WindowQueries.h"
#include "tests/support/pure/CommandLineQuoting.h"
#include "tests/support/pure/HexBytes.h"

namespace {

const char* IconKind(unsigned set) {
  switch (set & testwindow::kBothIcons) {
    case testwindow::kSmallIcon: return "small";
    case testwindow::kBigIcon: return "big";
    case testwindow::kBothIcons: return "both";
  }
  return "none";
}

std::string Colour(unsigned rgb) {
  char text[16];
  std::snprintf(text, sizeof text, "%06x", rgb & 0xFFFFFFu);
  return text;
}

HWND HandleField(const LogLine& line) {
  unsigned long handle = 0;
  return line.Number("hwnd", &handle) ? reinterpret_cast<HWND>(static_cast<UINT_PTR>(handle)) : nullptr;
}

}  // namespace

std::string TestWindowArguments(const TestWindowOptions& options) {
  std::string arguments = QuoteArgument("/class:" + options.className) + " /title:" + HexFromBytes(options.title) +
                          " /icon:" + IconKind(options.windowIcons) + " /classicon:" +
                          IconKind(options.classIcons) + " /small:" + Colour(options.smallColour) +
                          " /big:" + Colour(options.bigColour);
  if (!options.utf8Title.empty()) arguments += " /widetitle:" + HexFromBytes(options.utf8Title);
  if (options.menu) arguments += " /menu";
  if (options.tool) arguments += " /tool";
  if (options.dialog) {
    arguments += " /dialog";
    if (!options.dialogTitle.empty()) arguments += ":" + HexFromBytes(options.dialogTitle);
  }
  if (options.show == TestWindowOptions::kHidden) arguments += " /hidden";
  if (options.show == TestWindowOptions::kMinimized) arguments += " /minimized";
  if (options.disabled) arguments += " /disabled";
  if (options.slowMinimizeMs != 0) arguments += " /slowminimize:" + std::to_string(options.slowMinimizeMs);
  return arguments;
}

TestWindowProcess::~TestWindowProcess() {
  process_.Kill();
  if (logPath_.empty()) return;
  if (::testing::Test::HasFailure()) {
    std::ifstream log(logPath_);
    std::cout << "--- testwindow log " << logPath_ << "\n" << log.rdbuf() << "---\n";
  }
  DeleteFileA(logPath_.c_str());
}

bool TestWindowProcess::Start(const TestWindowOptions& options, DWORD timeoutMs) {
  if (process_.IsRunning()) return false;
  if (!logPath_.empty()) DeleteFileA(logPath_.c_str());
  logPath_ = FreshLogPath("testwindow");
  window_ = dialog_ = nullptr;
  const std::string command = QuoteArgument(ProgramPath("testwindow.exe")) + " " + TestWindowArguments(options) +
                              " " + QuoteArgument("/log:" + logPath_);
  if (!process_.Start(command)) return false;
  return WaitUntil(
      [&] {
        for (const LogLine& line : Events()) {
          if (line.word == "DIALOG") dialog_ = HandleField(line);
          if (line.word == "READY") window_ = HandleField(line);
        }
        return window_ != nullptr;
      },
      timeoutMs);
}

std::vector<LogLine> TestWindowProcess::Events() const {
  return logPath_.empty() ? std::vector<LogLine>() : ReadLogFile(logPath_);
}

bool TestWindowProcess::WaitForEvent(const std::string& word, DWORD timeoutMs, size_t from) const {
  return WaitUntil(
      [&] {
        const std::vector<LogLine> lines = Events();
        for (size_t i = from; i < lines.size(); ++i)
          if (lines[i].word == word) return true;
        return false;
      },
      timeoutMs);
}

bool TestWindowProcess::Hang(DWORD ms, DWORD timeoutMs) {
  const size_t from = Events().size();
  // Posted messages wait behind sent ones: only the logged line tells that
  // the thread is really asleep.
  return window_ && PostMessageA(window_, testwindow::kHangMessage, ms, 0) &&
         WaitForEvent("HANG", timeoutMs, from);
}

bool TestWindowProcess::WaitForCommand(unsigned id, DWORD timeoutMs) const {
  return WaitUntil(
      [&] {
        for (const LogLine& line : Events()) {
          unsigned long command = 0;
          if (line.word == "COMMAND" && line.Number("id", &command) && command == id) return true;
        }
        return false;
      },
      timeoutMs);
}
