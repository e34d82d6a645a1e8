#include <windows.h>

#include "tests/support/FakeTaskbar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "tests/support/HarnessPaths.h"
#include "tests/support/TestProgramProtocol.h"
#include "tests/support/WindowQueries.h"
#include "tests/support/pure/CommandLineQuoting.h"

namespace {

uint32_t HandleNumber(HWND window) { return static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(window)); }

}  // namespace

FakeTaskbar::~FakeTaskbar() {
  process_.Kill();
  if (logPath_.empty()) return;
  if (::testing::Test::HasFailure()) {
    std::ifstream log(logPath_);
    std::cout << "--- faketaskbar log " << logPath_ << "\n" << log.rdbuf() << "---\n";
  }
  DeleteFileA(logPath_.c_str());
}

bool FakeTaskbar::Launch(const Options& options) {
  if (process_.IsRunning()) return false;
  if (!logPath_.empty()) DeleteFileA(logPath_.c_str());
  logPath_ = FreshLogPath("faketaskbar");
  window_ = nullptr;
  std::string command = QuoteArgument(ProgramPath("faketaskbar.exe")) + " " + QuoteArgument("/log:" + logPath_);
  if (options.takeover) command += " /takeover";
  if (options.rebar) command += " /rebar";
  if (options.refuse) command += " /refuse";
  return process_.Start(command);
}

bool FakeTaskbar::WaitUntilReady(DWORD timeoutMs) {
  return WaitUntil(
      [this] {
        for (const LogLine& line : LogLines()) {
          unsigned long handle = 0;
          if (line.word == "READY" && line.Number("hwnd", &handle)) {
            window_ = reinterpret_cast<HWND>(static_cast<UINT_PTR>(handle));
            return true;
          }
        }
        return false;
      },
      timeoutMs);
}

bool FakeTaskbar::Start(const Options& options, DWORD timeoutMs) {
  return Launch(options) && WaitUntilReady(timeoutMs);
}

std::vector<LogLine> FakeTaskbar::LogLines() const {
  return logPath_.empty() ? std::vector<LogLine>() : ReadLogFile(logPath_);
}

std::vector<TrayRecord> FakeTaskbar::Records() const {
  std::vector<TrayRecord> calls;
  for (const TrayRecord& record : TrayRecordsOf(LogLines()))
    if (record.operation != "ICON") calls.push_back(record);
  return calls;
}

std::vector<TrayRecord> FakeTaskbar::Icons() const { return CurrentTrayIcons(Records()); }

std::optional<TrayRecord> FakeTaskbar::FindIcon(HWND owner, UINT id) const {
  for (const TrayRecord& icon : Icons())
    if (icon.window == HandleNumber(owner) && icon.id == id) return icon;
  return std::nullopt;
}

size_t FakeTaskbar::IconCountOf(HWND owner) const {
  const std::vector<TrayRecord> icons = Icons();
  return static_cast<size_t>(std::count_if(icons.begin(), icons.end(),
                                           [&](const TrayRecord& icon) { return icon.window == HandleNumber(owner); }));
}

std::optional<std::vector<TrayRecord>> FakeTaskbar::DumpedIcons(DWORD timeoutMs) const {
  const size_t from = LogLines().size();
  if (!window_ || !PostMessageA(window_, faketaskbar::kDumpMessage, 0, 0)) return std::nullopt;
  std::optional<std::vector<TrayRecord>> dumped;
  WaitUntil(
      [&] {
        const std::vector<LogLine> lines = LogLines();
        for (size_t i = from; i < lines.size(); ++i) {
          unsigned long count = 0;
          if (lines[i].word != "ICONS" || !lines[i].Number("count", &count)) continue;
          // The ICON lines follow; the last ones may not be written yet.
          const std::vector<LogLine> rest(lines.begin() + i + 1, lines.end());
          std::vector<TrayRecord> icons;
          for (const TrayRecord& record : TrayRecordsOf(rest)) {
            if (record.operation != "ICON" || icons.size() == count) break;
            icons.push_back(record);
          }
          if (icons.size() != count) return false;
          dumped = icons;
          return true;
        }
        return false;
      },
      timeoutMs);
  return dumped;
}

std::optional<TrayRecord> FakeTaskbar::WaitForRecord(const std::function<bool(const TrayRecord&)>& match,
                                                     DWORD timeoutMs, size_t from) const {
  std::optional<TrayRecord> found;
  WaitUntil(
      [&] {
        const std::vector<TrayRecord> records = Records();
        for (size_t i = from; i < records.size(); ++i) {
          if (match(records[i])) {
            found = records[i];
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  return found;
}

bool FakeTaskbar::SetRefusing(bool refuse) {
  return PostAndWaitForLine(faketaskbar::kRefuseMessage, refuse ? 1 : 0, "REFUSE");
}

bool FakeTaskbar::Rebuild() { return PostAndWaitForLine(faketaskbar::kRebuildMessage, 0, "REBUILT"); }

bool FakeTaskbar::PostAndWaitForLine(UINT message, WPARAM wParam, const std::string& word) {
  if (!window_) return false;
  const size_t before = LogLines().size();
  if (!PostMessageA(window_, message, wParam, 0)) return false;
  // Calls made before the line appears were answered as before.
  return WaitUntil(
      [&] {
        const std::vector<LogLine> lines = LogLines();
        for (size_t i = before; i < lines.size(); ++i)
          if (lines[i].word == word) return true;
        return false;
      },
      2000);
}

void FakeTaskbar::Kill() {
  process_.Kill();
  if (window_) WaitForWindowGone(window_, 2000);
}

std::function<bool(const TrayRecord&)> TrayCall(const std::string& operation, HWND owner, UINT id) {
  const uint32_t window = HandleNumber(owner);
  return [operation, window, id](const TrayRecord& record) {
    return record.operation == operation && record.window == window && record.id == id;
  };
}

std::function<bool(const TrayRecord&)> TrayCall(const std::string& operation, UINT id) {
  return [operation, id](const TrayRecord& record) { return record.operation == operation && record.id == id; };
}
