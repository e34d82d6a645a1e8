// testwindow.exe: a "foreign" program for end-to-end tests. It shows one
// top-level window built from its command line and reports what reaches it.
//
//   testwindow.exe [/class:NAME] [/title:HEX | /text:ASCII | /widetitle:HEX] [/icon:KIND] [/classicon:KIND]
//                  [/small:RRGGBB] [/big:RRGGBB] [/menu] [/tool] [/dialog[:HEX]]
//                  [/hidden | /minimized] [/disabled] [/pos:X,Y,W,H] [/log:PATH] [/count:N]
//                  [/slowminimize:MS]
//
// KIND is none, small, big or both. Titles are Shift-JIS bytes in hex, so any
// byte (tab, CR LF, "&", 0x5C trail bytes) arrives exactly and no length limit
// but the command line's applies; /widetitle gives UTF-8 bytes in hex and makes
// Unicode windows, whose titles hold any script. The log gets one line per event, written
// at once: READY hwnd=0x.. pid=N, COMMAND id=N, SYSCOMMAND cmd=0x...., HANG ms=N,
// AWAKE, SHOWWINDOW show=N, SIZE type=N, KEY vk=N, DIALOG hwnd=0x.., CLOSE, DESTROY.
// Posted kHangMessage (TestProgramProtocol.h) makes its thread sleep.
// /slowminimize:MS makes the first minimize take MS more (SLOW ms=N, then
// AWAKE): whoever minimizes it from another thread waits that long.
// /count:N makes N such windows (1 to 1000) on the one thread, sharing their
// icons, each logged as it is made; the program ends when the last is destroyed.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/support/HarnessHandles.h"
#include "tests/support/pure/HexBytes.h"
#include "tests/support/SolidIcons.h"
#include "tests/support/TestMenuBar.h"
#include "tests/support/TestProgramProtocol.h"

namespace {

using namespace testwindow;

struct Options {
  std::string className = kDefaultClass;
  std::string title = "testwindow";
  std::wstring wideTitle;  // when given: Unicode windows with this title
  unsigned windowIcons = kNoIcons;
  unsigned classIcons = kNoIcons;
  unsigned smallColour = kDefaultSmallColour;
  unsigned bigColour = kDefaultBigColour;
  bool menu = false;
  bool tool = false;
  bool dialog = false;
  std::string dialogTitle = "設定";
  int show = SW_SHOWNORMAL;
  bool disabled = false;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = 320, height = 200;
  std::string logPath;
  int count = 1;
  unsigned slowMinimizeMs = 0;
};

TKernelHandle g_log;
TIconHandle g_smallIcon, g_bigIcon;
int g_liveWindows = 0;
unsigned g_slowMinimizeMs = 0;

void Log(const char* format, ...) {
  if (!g_log) return;
  char line[512];
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

bool ParseIconKind(const std::string& text, unsigned* kind) {
  if (text == "none") *kind = kNoIcons;
  else if (text == "small") *kind = kSmallIcon;
  else if (text == "big") *kind = kBigIcon;
  else if (text == "both") *kind = kBothIcons;
  else return false;
  return true;
}

// Each argument is /name or /name:value; anything unknown is an error, so a
// typo in a test fails loudly instead of showing a different window.
bool ParseArguments(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    const size_t colon = argument.find(':');
    const std::string name = argument.substr(0, colon);
    const std::string value = colon == std::string::npos ? "" : argument.substr(colon + 1);
    bool ok = true;
    if (name == "/class") options->className = value;
    else if (name == "/title") ok = BytesFromHex(value, &options->title);
    else if (name == "/text") options->title = value;
    else if (name == "/widetitle") {
      // UTF-8 bytes in hex: a title in any script, emoji included.
      std::string utf8;
      ok = BytesFromHex(value, &utf8) && !utf8.empty();
      if (ok) {
        const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
        options->wideTitle.assign(units > 0 ? static_cast<size_t>(units) : 0, L'\0');
        ok = units > 0 && MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                              &options->wideTitle[0], units) == units;
      }
    }
    else if (name == "/icon") ok = ParseIconKind(value, &options->windowIcons);
    else if (name == "/classicon") ok = ParseIconKind(value, &options->classIcons);
    else if (name == "/small") options->smallColour = std::strtoul(value.c_str(), nullptr, 16);
    else if (name == "/big") options->bigColour = std::strtoul(value.c_str(), nullptr, 16);
    else if (name == "/menu") options->menu = true;
    else if (name == "/tool") options->tool = true;
    else if (name == "/dialog") {
      options->dialog = true;
      if (!value.empty()) ok = BytesFromHex(value, &options->dialogTitle);
    } else if (name == "/hidden") options->show = SW_HIDE;
    else if (name == "/minimized") options->show = SW_SHOWMINNOACTIVE;
    else if (name == "/disabled") options->disabled = true;
    else if (name == "/pos") {
      ok = std::sscanf(value.c_str(), "%d,%d,%d,%d", &options->x, &options->y, &options->width,
                       &options->height) == 4;
    } else if (name == "/log") options->logPath = value;
    else if (name == "/count") {
      char* end = nullptr;
      options->count = static_cast<int>(std::strtol(value.c_str(), &end, 10));
      ok = !value.empty() && *end == '\0' && options->count >= 1 && options->count <= 1000;
    } else if (name == "/slowminimize") {
      char* end = nullptr;
      options->slowMinimizeMs = static_cast<unsigned>(std::strtoul(value.c_str(), &end, 10));
      ok = !value.empty() && *end == '\0';
    }
    else ok = false;
    if (!ok || options->className.empty()) {
      std::fprintf(stderr, "testwindow: bad argument %s\n", argv[i]);
      return false;
    }
  }
  return true;
}

// Under Wine no other process can read these; they are for screenshots.
// The windows do not own what they are given: the icons live as long as the
// program, one pair for every window it makes.
void SetSolidIcons(HWND window, unsigned which, unsigned rgb) {
  if (which & kSmallIcon) {
    if (!g_smallIcon) g_smallIcon.Reset(CreateSolidIcon(GetSystemMetrics(SM_CXSMICON), rgb));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_smallIcon.Get()));
  }
  if (which & kBigIcon) {
    if (!g_bigIcon) g_bigIcon.Reset(CreateSolidIcon(GetSystemMetrics(SM_CXICON), rgb));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(g_bigIcon.Get()));
  }
}

HWND ShowOwnedDialog(HWND owner, const std::string& title) {
  // The system dialog class: what a program's modeless dialog looks like to
  // anyone enumerating windows.
  HWND dialog = CreateWindowExA(WS_EX_DLGMODALFRAME, "#32770", title.c_str(),
                                WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 160, 160, 240, 120,
                                owner, nullptr, GetModuleHandleA(nullptr), nullptr);
  Log("DIALOG hwnd=0x%08lx", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(dialog)));
  return dialog;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      Log("COMMAND id=%u", static_cast<unsigned>(LOWORD(wParam)));
      if (LOWORD(wParam) == kCommandExit) PostMessageA(window, WM_CLOSE, 0, 0);
      return 0;
    case WM_SYSCOMMAND:
      Log("SYSCOMMAND cmd=0x%04x", static_cast<unsigned>(wParam & 0xFFF0));
      break;
    case WM_SHOWWINDOW:
      Log("SHOWWINDOW show=%u", static_cast<unsigned>(wParam));
      break;
    case WM_SIZE:
      Log("SIZE type=%u", static_cast<unsigned>(wParam));
      if (wParam == SIZE_MINIMIZED && g_slowMinimizeMs != 0) {
        const unsigned ms = g_slowMinimizeMs;
        g_slowMinimizeMs = 0;
        Log("SLOW ms=%u", ms);
        Sleep(ms);
        Log("AWAKE");
      }
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      Log("KEY vk=%u", static_cast<unsigned>(wParam));
      break;
    case WM_CLOSE:
      Log("CLOSE");
      break;
    case WM_DESTROY:
      Log("DESTROY");
      if (--g_liveWindows == 0) PostQuitMessage(0);
      return 0;
    case kHangMessage:
      Log("HANG ms=%u", static_cast<unsigned>(wParam));
      Sleep(static_cast<DWORD>(wParam));
      Log("AWAKE");
      return 0;
  }
  return IsWindowUnicode(window) ? DefWindowProcW(window, message, wParam, lParam)
                                 : DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseArguments(argc, argv, &options)) return 2;
  g_slowMinimizeMs = options.slowMinimizeMs;
  if (!options.logPath.empty()) {
    g_log = TakeFile(CreateFileA(options.logPath.c_str(), GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!g_log) return 3;
  }

  HINSTANCE instance = GetModuleHandleA(nullptr);
  TIconHandle classSmall, classBig;
  if (options.classIcons & kSmallIcon)
    classSmall.Reset(CreateSolidIcon(GetSystemMetrics(SM_CXSMICON), options.smallColour));
  if (options.classIcons & kBigIcon)
    classBig.Reset(CreateSolidIcon(GetSystemMetrics(SM_CXICON), options.bigColour));
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.hIcon = classBig.Get();
  windowClass.hIconSm = classSmall.Get();
  windowClass.lpszClassName = options.className.c_str();
  const bool unicode = !options.wideTitle.empty();
  const std::wstring wideClass(options.className.begin(), options.className.end());  // ASCII names
  if (unicode) {
    WNDCLASSEXW wide = {};
    std::memcpy(&wide, &windowClass, sizeof wide);
    wide.lpszClassName = wideClass.c_str();
    if (!RegisterClassExW(&wide)) return 4;
  } else if (!RegisterClassExA(&windowClass)) {
    return 4;
  }

  for (int i = 0; i < options.count; ++i) {
    HMENU menu = options.menu ? BuildTestMenuBar() : nullptr;  // the window owns it from here
    const DWORD exStyle = options.tool ? WS_EX_TOOLWINDOW : 0;
    HWND window = unicode ? CreateWindowExW(exStyle, wideClass.c_str(), options.wideTitle.c_str(),
                                            WS_OVERLAPPEDWINDOW, options.x, options.y, options.width,
                                            options.height, nullptr, menu, instance, nullptr)
                          : CreateWindowExA(exStyle, options.className.c_str(), options.title.c_str(),
                                            WS_OVERLAPPEDWINDOW, options.x, options.y, options.width,
                                            options.height, nullptr, menu, instance, nullptr);
    if (!window) return 5;
    ++g_liveWindows;
    SetSolidIcons(window, options.windowIcons & kSmallIcon, options.smallColour);
    SetSolidIcons(window, options.windowIcons & kBigIcon, options.bigColour);
    if (options.disabled) EnableWindow(window, FALSE);
    ShowWindow(window, options.show);
    if (options.dialog) ShowOwnedDialog(window, options.dialogTitle);
    Log("READY hwnd=0x%08lx pid=%lu", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)),
        GetCurrentProcessId());
  }

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
