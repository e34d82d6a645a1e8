#include <windows.h>

#include "tests/support/X11Input.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/support/WindowQueries.h"
#include "tests/support/pure/CommandLineQuoting.h"

namespace {

// Z: is the Unix root in every Wine prefix: the same file under both names.
constexpr char kUnixFolder[] = "/tmp/";
constexpr char kWineFolder[] = "Z:\\tmp\\";

// `text` as one word for /bin/sh.
std::string ShellWord(const std::string& text) {
  std::string word = "'";
  for (char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// `text` as an extended regular expression that matches only itself.
std::string ExactPattern(const std::string& text) {
  std::string pattern = "^";
  for (char c : text) {
    if (std::string(".[]()*+?{}|^$\\").find(c) != std::string::npos) pattern += '\\';
    pattern += c;
  }
  return pattern + "$";
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

XdotoolRun RunXdotool(const std::vector<std::string>& arguments, DWORD timeoutMs) {
  static unsigned serial = 0;
  const std::string stem = "stowpane-xdotool-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(GetTickCount()) + "-" + std::to_string(++serial);
  const std::string output = stem + ".out", status = stem + ".status";
  std::string script = "xdotool";
  for (const std::string& argument : arguments) script += " " + ShellWord(argument);
  // The status file appears whole (renamed once written), so a poll never reads half of it.
  script += " >" + std::string(kUnixFolder) + output + " 2>&1; echo $? >" + kUnixFolder + status + ".part && mv " +
            kUnixFolder + status + ".part " + kUnixFolder + status;

  XdotoolRun run;
  const std::string commandLine = "Z:\\bin\\sh -c " + QuoteArgument(script);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return run;
  if (info.hThread != nullptr) CloseHandle(info.hThread);
  if (info.hProcess != nullptr) CloseHandle(info.hProcess);

  const std::string statusPath = std::string(kWineFolder) + status;
  const std::string outputPath = std::string(kWineFolder) + output;
  run.finished = WaitUntil([&] { return GetFileAttributesA(statusPath.c_str()) != INVALID_FILE_ATTRIBUTES; },
                           timeoutMs, 5);
  if (run.finished) {
    std::istringstream(ReadWholeFile(statusPath)) >> run.exitCode;
    run.output = ReadWholeFile(outputPath);
    DeleteFileA(statusPath.c_str());
  }
  // A late run still writes its output: the file is left to the temporary folder then.
  DeleteFileA(outputPath.c_str());
  return run;
}

bool Xdotool(const std::vector<std::string>& arguments, DWORD timeoutMs) {
  const XdotoolRun run = RunXdotool(arguments, timeoutMs);
  return run.finished && run.exitCode == 0;
}

bool XFocusIsOnProgram(const std::string& program) {
  const XdotoolRun focus = RunXdotool({"getwindowfocus"});
  // xdotool ends with status 1 when it finds no window: an empty list.
  const XdotoolRun windows = RunXdotool({"search", "--classname", ExactPattern(program)});
  if (!focus.finished || focus.exitCode != 0 || !windows.finished) return false;
  const std::vector<std::string> focused = Words(focus.output), ids = Words(windows.output);
  return focused.size() == 1 && std::find(ids.begin(), ids.end(), focused[0]) != ids.end();
}

bool WaitForXFocusOnProgram(const std::string& program, DWORD timeoutMs) {
  return WaitUntil([&] { return XFocusIsOnProgram(program); }, timeoutMs);
}
