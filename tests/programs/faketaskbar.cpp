// faketaskbar.exe: a stand-in taskbar that makes the notification area
// observable. It owns the top-level window of class "Shell_TrayWnd" (empty
// title), to which Wine delivers every Shell_NotifyIcon call of every process,
// and logs each call as one line.
//
//   faketaskbar.exe [/log:PATH] [/takeover] [/wait:MS] [/rebar] [/refuse]
//
// How a test takes the tray over from Wine (measured under Wine 8, root mode):
// - Wine's own "Shell_TrayWnd" belongs to `explorer.exe /desktop`, which the
//   first process to touch windows starts; its taskbar window appears a few
//   hundred milliseconds after the desktop. While it starts, the desktop
//   window already belongs to it (GetWindowThreadProcessId), so "no taskbar
//   yet" and "no taskbar any more" can be told apart.
// - Ending that process (TerminateProcess from the Windows side) removes the
//   taskbar at once. The desktop window survives it, owned by nobody, and no
//   later process starts a new explorer: `explorer.exe /desktop` run again
//   exits without a taskbar. So from then on the session has no tray at all,
//   and Shell_NotifyIconA fails, until a stand-in like this one exists.
// - A stand-in's window is found by FindWindowA("Shell_TrayWnd", "") in
//   programs that were already running as well as in later ones, and so is
//   the next stand-in after one was killed: taskbar death and rebirth can be
//   played as often as a test likes.
// - /takeover ends whatever process owns the current taskbar (Wine's explorer
//   or a stray stand-in) and then takes its place. Without it the stand-in
//   waits until no taskbar exists (up to /wait:MS, else exit code 3), so a
//   test can start a successor and then kill the current taskbar.
// - From a shell: `(wine faketaskbar.exe /takeover /log:Z:\\tmp\\tray.log
//   </dev/null >/dev/null 2>&1 &)`, then read the log. A stand-in must not
//   outlive its test run: Wine gives every child its parent's Unix stderr,
//   so a leftover one keeps ctest's output pipe open and ctest waits for it
//   (the test harness starts every program in a kill-on-close job object).
// Wine sends each call as WM_COPYDATA, dwData = the NIM_ code, holding a
// 960-byte record (below) followed by the icon's mask and colour bits.
//
// Log lines (fields key=value; texts as hex bytes of code page 932):
//   READY hwnd=0x........ pid=N replaced=N
//   ADD|MODIFY|DELETE|SETFOCUS|SETVERSION hwnd=0x........ id=N flags=0x.. msg=0x....
//       tip=HEX tipw=HEX icon=WxHxBPP|- rgb=RRGGBB|- ok=0|1
//   (tipw: the tip exactly as received, its UTF-16 units as little-endian bytes)
//   GONE hwnd=0x........ id=N                     (owner window no longer exists)
//   ICONS count=N, then one ICON line per icon     (after kDumpMessage)
//   REFUSE on=0|1
//   REBUILT                                        (after kRebuildMessage: a GONE
//                                                   line per icon dropped, then the broadcast)
// It answers each call as a shell would: TRUE, but FALSE for adding an icon
// that exists, changing or deleting one that does not, and for everything
// while refusing (/refuse or kRefuseMessage). Icons whose owner window has
// been destroyed are dropped, as a shell does when their program ends.
#include <windows.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/HarnessHandles.h"
#include "tests/support/pure/HexBytes.h"
#include "tests/support/TestProgramProtocol.h"

namespace {

constexpr const char* kTaskbarClass = "Shell_TrayWnd";
constexpr DWORD kExplorerGraceMs = 3000;  // longest wait for a starting explorer's taskbar
constexpr UINT_PTR kOwnerCheckTimer = 1;

// Wine 8's record, all fields 32-bit little-endian, texts UTF-16.
struct RecordLayout {
  static constexpr size_t kWindow = 0, kId = 4, kFlags = 8, kCallback = 12;
  static constexpr size_t kTip = 16, kTipChars = 128;
  static constexpr size_t kIconWidth = 944, kIconHeight = 948, kIconBpp = 956;
  static constexpr size_t kSize = 960;  // the icon bits follow: mask, then colour
};

struct TrayIcon {
  uint32_t window = 0;
  uint32_t id = 0;
  uint32_t flags = 0;     // every NIF_ flag given so far
  uint32_t callback = 0;
  std::string tip;        // code page 932
  std::string wideTip;    // UTF-16LE bytes
  std::string iconText = "-";
  std::string rgbText = "-";
};

struct Options {
  std::string logPath;
  bool takeover = false;
  DWORD waitMs = INFINITE;
  bool rebar = false;
  bool refuse = false;
};

TKernelHandle g_log;
std::vector<TrayIcon> g_icons;
bool g_refusing = false;

void Log(const char* format, ...) {
  if (!g_log) return;
  char line[2048];  // the longest line, a 128-character tip, takes under 700
  va_list args;
  va_start(args, format);
  int length = std::vsnprintf(line, sizeof line - 1, format, args);
  va_end(args);
  if (length < 0) return;
  if (length > static_cast<int>(sizeof line) - 2) length = sizeof line - 2;
  line[length++] = '\n';
  DWORD written = 0;
  WriteFile(g_log.Get(), line, static_cast<DWORD>(length), &written, nullptr);
}

uint32_t ReadU32(const unsigned char* bytes, size_t offset) {
  return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
         (static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

std::string WideTipOf(const unsigned char* record) {
  std::string bytes;
  for (size_t i = 0; i < RecordLayout::kTipChars; ++i) {
    const size_t at = RecordLayout::kTip + 2 * i;
    if (record[at] == 0 && record[at + 1] == 0) break;
    bytes += static_cast<char>(record[at]);
    bytes += static_cast<char>(record[at + 1]);
  }
  return bytes;
}

std::string TipOf(const unsigned char* record) {
  std::wstring wide;
  for (size_t i = 0; i < RecordLayout::kTipChars; ++i) {
    const wchar_t c = static_cast<wchar_t>(record[RecordLayout::kTip + 2 * i] |
                                           (record[RecordLayout::kTip + 2 * i + 1] << 8));
    if (c == 0) break;
    wide += c;
  }
  if (wide.empty()) return std::string();
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string text(size > 0 ? size : 0, '\0');
  if (size > 0)
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &text[0], size,
                        nullptr, nullptr);
  return text;
}

// The icon's size and the colour of its centre pixel, read from the bits that
// follow the record. GetBitmapBits layout: top-down rows, each WORD-aligned.
void DescribeIcon(const unsigned char* data, size_t size, TrayIcon* icon) {
  const uint32_t width = ReadU32(data, RecordLayout::kIconWidth);
  const uint32_t height = ReadU32(data, RecordLayout::kIconHeight);
  const uint32_t bpp = ReadU32(data, RecordLayout::kIconBpp);
  icon->iconText = "-";
  icon->rgbText = "-";
  if (width == 0 || height == 0 || width > 256 || height > 256 || bpp > 32) return;
  char text[64];
  std::snprintf(text, sizeof text, "%ux%ux%u", static_cast<unsigned>(width),
                static_cast<unsigned>(height), static_cast<unsigned>(bpp));
  icon->iconText = text;
  if (bpp != 24 && bpp != 32) return;
  const size_t maskBytes = height * (((width + 15) / 16) * 2);
  const size_t colourStride = ((width * bpp + 15) / 16) * 2;
  const size_t pixel = RecordLayout::kSize + maskBytes + (height / 2) * colourStride + (width / 2) * (bpp / 8);
  if (pixel + 3 > size) return;
  std::snprintf(text, sizeof text, "%02x%02x%02x", data[pixel + 2], data[pixel + 1], data[pixel]);
  icon->rgbText = text;
}

const char* OperationName(ULONG_PTR code) {
  switch (code) {
    case NIM_ADD: return "ADD";
    case NIM_MODIFY: return "MODIFY";
    case NIM_DELETE: return "DELETE";
    case 3: return "SETFOCUS";
    case 4: return "SETVERSION";
  }
  return "NIM";
}

TrayIcon* FindIcon(uint32_t window, uint32_t id) {
  for (TrayIcon& icon : g_icons)
    if (icon.window == window && icon.id == id) return &icon;
  return nullptr;
}

void LogIcon(const char* tag, const TrayIcon& icon, const char* tail) {
  Log("%s hwnd=0x%08lx id=%lu flags=0x%lx msg=0x%lx tip=%s tipw=%s icon=%s rgb=%s%s", tag,
      static_cast<unsigned long>(icon.window), static_cast<unsigned long>(icon.id),
      static_cast<unsigned long>(icon.flags), static_cast<unsigned long>(icon.callback),
      HexFromBytes(icon.tip).c_str(), HexFromBytes(icon.wideTip).c_str(), icon.iconText.c_str(),
      icon.rgbText.c_str(), tail);
}

BOOL OnNotifyIcon(const COPYDATASTRUCT& data) {
  if (data.cbData < RecordLayout::kSize || !data.lpData) {
    Log("BAD dwData=%lu size=%lu", static_cast<unsigned long>(data.dwData),
        static_cast<unsigned long>(data.cbData));
    return FALSE;
  }
  const unsigned char* bytes = static_cast<const unsigned char*>(data.lpData);
  TrayIcon call;
  call.window = ReadU32(bytes, RecordLayout::kWindow);
  call.id = ReadU32(bytes, RecordLayout::kId);
  call.flags = ReadU32(bytes, RecordLayout::kFlags);
  call.callback = ReadU32(bytes, RecordLayout::kCallback);
  call.tip = TipOf(bytes);
  call.wideTip = WideTipOf(bytes);
  if (call.flags & NIF_ICON) DescribeIcon(bytes, data.cbData, &call);

  TrayIcon* existing = FindIcon(call.window, call.id);
  bool ok = !g_refusing;
  if (ok) {
    switch (data.dwData) {
      case NIM_ADD:
        ok = existing == nullptr;
        if (ok) g_icons.push_back(call);
        break;
      case NIM_MODIFY:
        ok = existing != nullptr;
        if (ok) {
          existing->flags |= call.flags;
          if (call.flags & NIF_MESSAGE) existing->callback = call.callback;
          if (call.flags & NIF_TIP) {
            existing->tip = call.tip;
            existing->wideTip = call.wideTip;
          }
          if (call.flags & NIF_ICON) {
            existing->iconText = call.iconText;
            existing->rgbText = call.rgbText;
          }
        }
        break;
      case NIM_DELETE:
        ok = existing != nullptr;
        if (ok) g_icons.erase(g_icons.begin() + (existing - g_icons.data()));
        break;
      default:
        ok = existing != nullptr;
        break;
    }
  }
  LogIcon(OperationName(data.dwData), call, ok ? " ok=1" : " ok=0");
  return ok ? TRUE : FALSE;
}

void DropIconsOfEndedWindows() {
  for (size_t i = 0; i < g_icons.size();) {
    HWND owner = reinterpret_cast<HWND>(static_cast<UINT_PTR>(g_icons[i].window));
    if (IsWindow(owner)) {
      ++i;
      continue;
    }
    Log("GONE hwnd=0x%08lx id=%lu", static_cast<unsigned long>(g_icons[i].window),
        static_cast<unsigned long>(g_icons[i].id));
    g_icons.erase(g_icons.begin() + i);
  }
}

LRESULT CALLBACK TaskbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COPYDATA:
      return OnNotifyIcon(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_TIMER:
      DropIconsOfEndedWindows();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case faketaskbar::kDumpMessage:
      DropIconsOfEndedWindows();
      Log("ICONS count=%lu", static_cast<unsigned long>(g_icons.size()));
      for (const TrayIcon& icon : g_icons) LogIcon("ICON", icon, "");
      return 0;
    case faketaskbar::kRebuildMessage:
      for (const TrayIcon& icon : g_icons) {
        Log("GONE hwnd=0x%08lx id=%lu", static_cast<unsigned long>(icon.window), static_cast<unsigned long>(icon.id));
      }
      g_icons.clear();
      Log("REBUILT");
      PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
      return 0;
    case faketaskbar::kRefuseMessage:
      g_refusing = wParam != 0;
      Log("REFUSE on=%d", g_refusing ? 1 : 0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK RebarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

bool ParseArguments(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    const size_t colon = argument.find(':');
    const std::string name = argument.substr(0, colon);
    const std::string value = colon == std::string::npos ? "" : argument.substr(colon + 1);
    if (name == "/log") options->logPath = value;
    else if (name == "/takeover") options->takeover = true;
    else if (name == "/wait") options->waitMs = std::strtoul(value.c_str(), nullptr, 10);
    else if (name == "/rebar") options->rebar = true;
    else if (name == "/refuse") options->refuse = true;
    else {
      std::fprintf(stderr, "faketaskbar: bad argument %s\n", argv[i]);
      return false;
    }
  }
  return true;
}

DWORD DesktopOwnerProcess() {
  DWORD pid = 0;
  GetWindowThreadProcessId(GetDesktopWindow(), &pid);
  return pid;
}

bool EndProcess(DWORD pid) {
  if (pid == 0 || pid == GetCurrentProcessId()) return false;
  TKernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
  if (!process || !TerminateProcess(process.Get(), 1)) return false;
  return WaitForSingleObject(process.Get(), 5000) == WAIT_OBJECT_0;
}

// Returns once no taskbar exists and none is about to appear; false when
// /wait ran out or the current owner could not be ended. `replaced` gets the
// process that /takeover ended.
bool WaitForFreeTaskbar(const Options& options, DWORD* replaced) {
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD elapsed = GetTickCount() - start;
    HWND existing = FindWindowA(kTaskbarClass, nullptr);
    if (existing) {
      if (options.takeover) {
        DWORD pid = 0;
        GetWindowThreadProcessId(existing, &pid);
        if (!EndProcess(pid)) return false;
        *replaced = pid;
        continue;
      }
    } else if (DesktopOwnerProcess() == 0 || elapsed >= kExplorerGraceMs) {
      return true;  // nobody left to make one, or a desktop without a taskbar
    }
    if (options.waitMs != INFINITE && elapsed >= options.waitMs) return false;
    Sleep(20);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseArguments(argc, argv, &options)) return 2;
  if (!options.logPath.empty()) {
    g_log = TakeFile(CreateFileA(options.logPath.c_str(), GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!g_log) return 4;
  }
  g_refusing = options.refuse;

  GetDesktopWindow();  // starts Wine's explorer when nobody has yet: it must not appear later
  DWORD replaced = 0;
  if (!WaitForFreeTaskbar(options, &replaced)) {
    Log("TIMEOUT");
    return 3;
  }

  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA taskbarClass = {};
  taskbarClass.lpfnWndProc = TaskbarProc;
  taskbarClass.hInstance = instance;
  taskbarClass.lpszClassName = kTaskbarClass;
  if (!RegisterClassA(&taskbarClass)) return 5;
  HWND taskbar = CreateWindowExA(WS_EX_TOOLWINDOW, kTaskbarClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                 nullptr, instance, nullptr);
  if (!taskbar) return 5;
  if (options.rebar) {
    // Some programs judge the shell by this child of the taskbar.
    WNDCLASSA rebarClass = {};
    rebarClass.lpfnWndProc = RebarProc;
    rebarClass.hInstance = instance;
    rebarClass.lpszClassName = "ReBarWindow32";
    RegisterClassA(&rebarClass);
    CreateWindowExA(0, "ReBarWindow32", "", WS_CHILD, 0, 0, 0, 0, taskbar, nullptr, instance, nullptr);
  }
  SetTimer(taskbar, kOwnerCheckTimer, 200, nullptr);
  // What a shell announces when it (re)starts.
  PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  Log("READY hwnd=0x%08lx pid=%lu replaced=%lu",
      static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(taskbar)), GetCurrentProcessId(),
      static_cast<unsigned long>(replaced));

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
