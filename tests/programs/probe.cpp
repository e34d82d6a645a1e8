// probe.exe: looks at and pokes the Wine session from shell scripts and by
// hand. One command per run; output is one line per finding, "WORD key=value
// ...", numbers in decimal, handles and messages in 0x hex, texts and value
// bytes as hex. Exit code 0 = done/found, 1 = not found/failed, 2 = bad usage.
//
//   probe find [FILTER]                         WINDOW line per matching top-level window
//   probe wait [FILTER] [/timeout:MS] [/gone]   until one matches (or none is left)
//   probe post FILTER MSG [WPARAM [LPARAM]]     PostMessage to the first match
//   probe send FILTER MSG [WPARAM [LPARAM]] [/timeout:MS]
//                                               SendMessageTimeoutA (SMTO_BLOCK|SMTO_ABORTIFHUNG)
//   probe command FILTER ID                     posts WM_COMMAND ID
//   probe show FILTER SW                        ShowWindow(first match, SW)
//   probe taskbar                               the window of class "Shell_TrayWnd"
//   probe regget PATH NAME                      VALUE type=N bytes=HEX [dword=N], or MISSING
//   probe regset PATH NAME (/dword:N | /bin:HEX | /sz:HEX) [/type:N]
//   probe regdel PATH NAME                      probe regdelkey PATH (with every sub-key)
//   probe record PATH [ARGS...]                 appends GetCommandLineA() exactly as this
//                                               process got it, plus CR LF, to the file PATH
//                                               (ARGS are not parsed: anything may follow)
//
// FILTER: /hwnd:N  /class:NAME  /title:HEX  /text:ASCII  /pid:N (all given must match).
// PATH is below HKEY_CURRENT_USER. Numbers take 0x for hex.
#include <windows.h>
#include <shlwapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/HarnessHandles.h"
#include "tests/support/pure/HexBytes.h"

namespace {

constexpr DWORD kQueryTimeoutMs = 500;

struct Filter {
  HWND window = nullptr;
  bool hasClass = false, hasTitle = false;
  std::string className, title;
  DWORD pid = 0;
};

struct Arguments {
  Filter filter;
  std::vector<std::string> positional;
  DWORD timeoutMs = 5000;
  bool gone = false;
  bool hasDword = false, hasBytes = false;
  DWORD dword = 0, type = REG_BINARY;
  std::string bytes;
};

unsigned long Number(const std::string& text) { return std::strtoul(text.c_str(), nullptr, 0); }

bool Parse(int argc, char** argv, Arguments* out) {
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument.empty() || argument[0] != '/') {
      out->positional.push_back(argument);
      continue;
    }
    const size_t colon = argument.find(':');
    const std::string name = argument.substr(0, colon);
    const std::string value = colon == std::string::npos ? "" : argument.substr(colon + 1);
    bool ok = true;
    if (name == "/hwnd") {
      out->filter.window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(Number(value)));
    } else if (name == "/class") {
      out->filter.hasClass = true;
      out->filter.className = value;
    } else if (name == "/title") {
      out->filter.hasTitle = true;
      ok = BytesFromHex(value, &out->filter.title);
    } else if (name == "/text") {
      out->filter.hasTitle = true;
      out->filter.title = value;
    } else if (name == "/pid") {
      out->filter.pid = Number(value);
    } else if (name == "/timeout") {
      out->timeoutMs = Number(value);
    } else if (name == "/gone") {
      out->gone = true;
    } else if (name == "/dword") {
      out->hasDword = true;
      out->dword = Number(value);
      out->type = REG_DWORD;
    } else if (name == "/bin") {
      out->hasBytes = true;
      ok = BytesFromHex(value, &out->bytes);
    } else if (name == "/sz") {
      out->hasBytes = true;
      out->type = REG_SZ;
      ok = BytesFromHex(value, &out->bytes);
      out->bytes += '\0';
    } else if (name == "/type") {
      out->type = Number(value);
    } else {
      ok = false;
    }
    if (!ok) {
      std::fprintf(stderr, "probe: bad argument %s\n", argv[i]);
      return false;
    }
  }
  return true;
}

// The title through a bounded send: a hung window reports no title rather
// than hanging the probe.
bool ReadTitle(HWND window, std::string* title) {
  std::vector<char> buffer(32768, '\0');
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_BLOCK | SMTO_ABORTIFHUNG, kQueryTimeoutMs, &length))
    return false;
  title->assign(buffer.data(), length < buffer.size() ? length : buffer.size() - 1);
  return true;
}

std::string ClassOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool Matches(HWND window, const Filter& filter) {
  if (filter.window && window != filter.window) return false;
  if (filter.hasClass && ClassOf(window) != filter.className) return false;
  if (filter.pid) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != filter.pid) return false;
  }
  if (filter.hasTitle) {
    std::string title;
    if (!ReadTitle(window, &title) || title != filter.title) return false;
  }
  return true;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
  reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
  return TRUE;
}

std::vector<HWND> FindWindows(const Filter& filter) {
  std::vector<HWND> all, found;
  if (filter.window) {
    if (IsWindow(filter.window)) all.push_back(filter.window);
  } else {
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  }
  for (HWND window : all)
    if (Matches(window, filter)) found.push_back(window);
  return found;
}

unsigned long HandleNumber(const void* handle) {
  return static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(handle));
}

void PrintWindow(HWND window) {
  DWORD pid = 0;
  const DWORD tid = GetWindowThreadProcessId(window, &pid);
  std::string title;
  const bool responsive = ReadTitle(window, &title);
  const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
  std::printf("WINDOW hwnd=0x%08lx pid=%lu tid=%lu visible=%d iconic=%d enabled=%d tool=%d "
              "owner=0x%08lx responsive=%d class=%s title=%s\n",
              HandleNumber(window), pid, tid, IsWindowVisible(window) ? 1 : 0, IsIconic(window) ? 1 : 0,
              IsWindowEnabled(window) ? 1 : 0, (exStyle & WS_EX_TOOLWINDOW) ? 1 : 0,
              HandleNumber(GetWindow(window, GW_OWNER)), responsive ? 1 : 0, ClassOf(window).c_str(),
              responsive ? HexFromBytes(title).c_str() : "?");
}

int Find(const Arguments& args) {
  const std::vector<HWND> found = FindWindows(args.filter);
  for (HWND window : found) PrintWindow(window);
  return found.empty() ? 1 : 0;
}

int Wait(const Arguments& args) {
  const DWORD start = GetTickCount();
  for (;;) {
    const std::vector<HWND> found = FindWindows(args.filter);
    if (!args.gone && !found.empty()) {
      PrintWindow(found.front());
      return 0;
    }
    if (args.gone && found.empty()) {
      std::printf("GONE\n");
      return 0;
    }
    if (GetTickCount() - start >= args.timeoutMs) {
      std::printf("TIMEOUT\n");
      return 1;
    }
    Sleep(10);
  }
}

HWND FirstMatch(const Arguments& args) {
  const std::vector<HWND> found = FindWindows(args.filter);
  if (found.empty()) std::printf("NOTFOUND\n");
  return found.empty() ? nullptr : found.front();
}

int Message(const Arguments& args, bool send) {
  if (args.positional.empty()) return 2;
  HWND window = FirstMatch(args);
  if (!window) return 1;
  const UINT message = Number(args.positional[0]);
  const WPARAM wParam = args.positional.size() > 1 ? Number(args.positional[1]) : 0;
  const LPARAM lParam = args.positional.size() > 2 ? static_cast<LPARAM>(Number(args.positional[2])) : 0;
  if (!send) {
    const BOOL ok = PostMessageA(window, message, wParam, lParam);
    std::printf("POSTED hwnd=0x%08lx ok=%d\n", HandleNumber(window), ok ? 1 : 0);
    return ok ? 0 : 1;
  }
  DWORD_PTR result = 0;
  const DWORD start = GetTickCount();
  const LRESULT ok = SendMessageTimeoutA(window, message, wParam, lParam, SMTO_BLOCK | SMTO_ABORTIFHUNG,
                                         args.timeoutMs, &result);
  std::printf("SENT hwnd=0x%08lx ok=%d result=%lu ms=%lu\n", HandleNumber(window), ok ? 1 : 0,
              static_cast<unsigned long>(result), GetTickCount() - start);
  return ok ? 0 : 1;
}

int Command(Arguments args) {
  if (args.positional.size() != 1) return 2;
  args.positional = {std::to_string(WM_COMMAND), args.positional[0], "0"};
  return Message(args, false);
}

int Show(const Arguments& args) {
  if (args.positional.size() != 1) return 2;
  HWND window = FirstMatch(args);
  if (!window) return 1;
  ShowWindow(window, static_cast<int>(Number(args.positional[0])));
  PrintWindow(window);
  return 0;
}

int Taskbar() {
  HWND taskbar = FindWindowA("Shell_TrayWnd", "");
  if (!taskbar) {
    std::printf("NONE\n");
    return 1;
  }
  DWORD pid = 0;
  GetWindowThreadProcessId(taskbar, &pid);
  std::printf("TASKBAR hwnd=0x%08lx pid=%lu\n", HandleNumber(taskbar), pid);
  return 0;
}

int RegGet(const Arguments& args) {
  if (args.positional.size() != 2) return 2;
  TRegKeyHandle key;
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, args.positional[0].c_str(), 0, KEY_READ, &opened) == ERROR_SUCCESS)
    key.Reset(opened);
  DWORD type = 0, size = 0;
  if (!key || RegQueryValueExA(key.Get(), args.positional[1].c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    std::printf("MISSING\n");
    return 1;
  }
  std::string bytes(size, '\0');
  if (RegQueryValueExA(key.Get(), args.positional[1].c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(&bytes[0]), &size) != ERROR_SUCCESS) {
    std::printf("MISSING\n");
    return 1;
  }
  bytes.resize(size);
  std::printf("VALUE type=%lu bytes=%s", type, HexFromBytes(bytes).c_str());
  if (type == REG_DWORD && size == 4) {
    DWORD value = 0;
    memcpy(&value, bytes.data(), 4);
    std::printf(" dword=%lu", value);
  }
  std::printf("\n");
  return 0;
}

int RegSet(const Arguments& args) {
  if (args.positional.size() != 2 || args.hasDword == args.hasBytes) return 2;
  HKEY opened = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, args.positional[0].c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                      &opened, nullptr) != ERROR_SUCCESS)
    return 1;
  TRegKeyHandle key(opened);
  const BYTE* data = args.hasDword ? reinterpret_cast<const BYTE*>(&args.dword)
                                   : reinterpret_cast<const BYTE*>(args.bytes.data());
  const DWORD size = args.hasDword ? sizeof args.dword : static_cast<DWORD>(args.bytes.size());
  const LONG result = RegSetValueExA(key.Get(), args.positional[1].c_str(), 0, args.type, data, size);
  std::printf("SET ok=%d\n", result == ERROR_SUCCESS ? 1 : 0);
  return result == ERROR_SUCCESS ? 0 : 1;
}

int RegDel(const Arguments& args) {
  if (args.positional.size() != 2) return 2;
  HKEY opened = nullptr;
  LONG result = RegOpenKeyExA(HKEY_CURRENT_USER, args.positional[0].c_str(), 0, KEY_SET_VALUE, &opened);
  if (result == ERROR_SUCCESS) {
    TRegKeyHandle key(opened);
    result = RegDeleteValueA(key.Get(), args.positional[1].c_str());
  }
  std::printf("DELETED ok=%d\n", result == ERROR_SUCCESS ? 1 : 0);
  return result == ERROR_SUCCESS ? 0 : 1;
}

int RegDelKey(const Arguments& args) {
  if (args.positional.size() != 1) return 2;
  const DWORD result = SHDeleteKeyA(HKEY_CURRENT_USER, args.positional[0].c_str());
  std::printf("DELETED ok=%d\n", result == ERROR_SUCCESS ? 1 : 0);
  return result == ERROR_SUCCESS ? 0 : 1;
}

// One WriteFile per line in append mode, so that lines of several runs never
// interleave and a reader sees each line whole or not at all.
int Record(const char* path) {
  const TKernelHandle file = TakeFile(CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return 1;
  const std::string line = std::string(GetCommandLineA()) + "\r\n";
  DWORD written = 0;
  const BOOL ok = WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  return ok && written == line.size() ? 0 : 1;
}

int Usage() {
  std::fprintf(stderr, "usage: probe find|wait|post|send|command|show|taskbar|regget|regset|regdel|"
                       "regdelkey|record ... (see probe.cpp)\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  // Before Parse: what follows PATH is somebody else's command line.
  if (std::string(argv[1]) == "record") return argc < 3 ? Usage() : Record(argv[2]);
  Arguments args;
  if (!Parse(argc, argv, &args)) return 2;
  const std::string command = argv[1];
  int result = 2;
  if (command == "find") result = Find(args);
  else if (command == "wait") result = Wait(args);
  else if (command == "post") result = Message(args, false);
  else if (command == "send") result = Message(args, true);
  else if (command == "command") result = Command(args);
  else if (command == "show") result = Show(args);
  else if (command == "taskbar") result = Taskbar();
  else if (command == "regget") result = RegGet(args);
  else if (command == "regset") result = RegSet(args);
  else if (command == "regdel") result = RegDel(args);
  else if (command == "regdelkey") result = RegDelKey(args);
  else return Usage();
  std::fflush(stdout);
  return result == 2 ? Usage() : result;
}
