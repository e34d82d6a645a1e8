#include <windows.h>

#include "tests/support/ForeignWindowThread.h"

#include <cstring>

#include "tests/support/SolidIcons.h"
#include "tests/support/TestMenuBar.h"
#include "tests/support/WindowQueries.h"

namespace {

constexpr DWORD kStartTimeoutMs = 5000;

}  // namespace

ForeignWindowThread::ForeignWindowThread(const ForeignWindowOptions& options)
    : ready_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      hanging_(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      wake_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  thread_ = std::thread([this, options] { Run(options); });
  WaitForSingleObject(ready_.Get(), kStartTimeoutMs);
}

ForeignWindowThread::~ForeignWindowThread() {
  SetEvent(wake_.Get());
  if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
  if (thread_.joinable()) thread_.join();
}

void ForeignWindowThread::Run(const ForeignWindowOptions& options) {
  threadId_ = GetCurrentThreadId();
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (options.classIcons & testwindow::kSmallIcon)
    classSmallIcon_.Reset(CreateSolidIcon(GetSystemMetrics(SM_CXSMICON), options.smallColour));
  if (options.classIcons & testwindow::kBigIcon)
    classBigIcon_.Reset(CreateSolidIcon(GetSystemMetrics(SM_CXICON), options.bigColour));
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.hIcon = classBigIcon_.Get();
  windowClass.hIconSm = classSmallIcon_.Get();
  windowClass.lpszClassName = options.className.c_str();
  // A Unicode window keeps a title in any script, as today's programs do.
  unicode_ = !options.wideTitle.empty();
  whileMinimizing_ = options.whileMinimizing;
  const std::wstring wideClass(options.className.begin(), options.className.end());  // ASCII names
  // Another live window may have registered the class already; that is fine.
  if (unicode_) {
    WNDCLASSEXW wide = {};
    std::memcpy(&wide, &windowClass, sizeof wide);
    wide.lpszClassName = wideClass.c_str();
    RegisterClassExW(&wide);
  } else {
    RegisterClassExA(&windowClass);
  }

  HMENU menu = options.menu ? BuildTestMenuBar() : nullptr;
  const DWORD exStyle = options.tool ? WS_EX_TOOLWINDOW : 0;
  HWND window = unicode_ ? CreateWindowExW(exStyle, wideClass.c_str(), options.wideTitle.c_str(), WS_OVERLAPPEDWINDOW,
                                           200, 200, 320, 200, options.owner, menu, instance, this)
                         : CreateWindowExA(exStyle, options.className.c_str(), options.title.c_str(),
                                           WS_OVERLAPPEDWINDOW, 200, 200, 320, 200, options.owner, menu, instance,
                                           this);
  if (!window) {
    if (menu) DestroyMenu(menu);
    UnregisterClassA(options.className.c_str(), instance);
    SetEvent(ready_.Get());
    return;
  }
  if (options.windowIcons & testwindow::kSmallIcon) ReplaceIcon(window, ICON_SMALL, options.smallColour);
  if (options.windowIcons & testwindow::kBigIcon) ReplaceIcon(window, ICON_BIG, options.bigColour);
  if (options.visible) ShowWindow(window, options.minimized ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
  window_ = window;
  SetEvent(ready_.Get());

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  // Fails while another window still uses the class; the last one removes it.
  UnregisterClassA(options.className.c_str(), instance);
}

LRESULT CALLBACK ForeignWindowThread::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<ForeignWindowThread*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return self ? self->OnMessage(window, message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT ForeignWindowThread::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      std::lock_guard<std::mutex> lock(mutex_);
      commands_.push_back(LOWORD(wParam));
      return 0;
    }
    case WM_SYSCOMMAND: {
      std::lock_guard<std::mutex> lock(mutex_);
      sysCommands_.push_back(static_cast<unsigned>(wParam & 0xFFF0));
      break;
    }
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      ++ownerDrawRequests_;
      return FALSE;
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED && whileMinimizing_) whileMinimizing_();
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case testwindow::kSetIconsMessage:
      if (wParam & testwindow::kSmallIcon) ReplaceIcon(window, ICON_SMALL, static_cast<unsigned>(lParam));
      if (wParam & testwindow::kBigIcon) ReplaceIcon(window, ICON_BIG, static_cast<unsigned>(lParam));
      return TRUE;
    case testwindow::kHangMessage:
      SetEvent(hanging_.Get());
      // Not pumping is the hang; the wake event lets the destructor end it early.
      WaitForSingleObject(wake_.Get(), static_cast<DWORD>(wParam));
      return 0;
  }
  return unicode_ ? DefWindowProcW(window, message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

void ForeignWindowThread::ReplaceIcon(HWND window, WPARAM kind, unsigned rgb) {
  const bool small = kind == ICON_SMALL;
  TIconHandle icon(CreateSolidIcon(GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON), rgb));
  SendMessageA(window, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon.Get()));
  (small ? smallIcon_ : bigIcon_) = std::move(icon);  // the window does not own what it is given
}

bool ForeignWindowThread::SetIcons(unsigned which, unsigned rgb) {
  DWORD_PTR done = 0;
  return window_ &&
         SendMessageTimeoutA(window_, testwindow::kSetIconsMessage, which, rgb, SMTO_BLOCK, kStartTimeoutMs, &done) &&
         done == TRUE;
}

bool ForeignWindowThread::Hang(DWORD ms) {
  ResetEvent(hanging_.Get());
  return window_ && PostMessageA(window_, testwindow::kHangMessage, ms, 0) &&
         WaitForSingleObject(hanging_.Get(), kStartTimeoutMs) == WAIT_OBJECT_0;
}

std::vector<unsigned> ForeignWindowThread::Commands() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return commands_;
}

std::vector<unsigned> ForeignWindowThread::SysCommands() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return sysCommands_;
}

bool ForeignWindowThread::WaitForCommand(unsigned id, DWORD timeoutMs) const {
  return WaitUntil(
      [&] {
        const std::vector<unsigned> commands = Commands();
        for (unsigned command : commands)
          if (command == id) return true;
        return false;
      },
      timeoutMs);
}
