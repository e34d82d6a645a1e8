// Stowpane.exe with the settings it reads planted wrong, as a hand edit, a
// half-written disk or another version may leave them: of the wrong type, of
// the wrong size, out of every range, and under "TrayIcon" handles of windows
// it must not take. Whatever it reads, it starts (by the user and with the
// system), stores and gives back a window, opens its tray menu and shapes,
// and ends through its exit command; every window it was shown is visible at
// the end, and nothing is left under "TrayIcon".
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "tests/support/E2eHarness.h"
#include "tests/support/OpenMenuKeys.h"
#include "tests/support/StowpaneProcess.h"

namespace {

constexpr DWORD kWaitMs = 5000;
constexpr UINT kAppIconId = 4000;
constexpr UINT kAppIconMessage = 0x8FA0;
constexpr UINT kSettingsCommand = 108;
constexpr UINT kRunFileCommand = 112;
constexpr UINT kVersionCommand = 905;
constexpr int kTestButton = 401;  // the settings dialog's Test: no other shape has it
const std::string kApp = kApplicationKey;
const std::string kLibrary = "Software\\Quillon\\VellumLibrary";
const std::string kTitle = "hostile registry target";

const WindowState kStored{true, false, true, true};
const WindowState kShown{true, true, false, true};

std::string Bytes(DWORD value) { return std::string(reinterpret_cast<const char*>(&value), sizeof value); }
std::string Handle(HWND window) { return Bytes(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(window))); }

// A placement record as shapes keep it: the 44-byte WINDOWPLACEMENT, the
// style, the extended style and the position mode.
std::string Placement(DWORD length, DWORD flags, DWORD show, int left, int top, int right, int bottom, DWORD style,
                      DWORD exStyle, DWORD mode) {
  std::string record;
  for (DWORD word : {length, flags, show, static_cast<DWORD>(left), static_cast<DWORD>(top),
                     static_cast<DWORD>(right), static_cast<DWORD>(bottom), static_cast<DWORD>(left),
                     static_cast<DWORD>(top), static_cast<DWORD>(right), static_cast<DWORD>(bottom), style, exStyle,
                     mode}) {
    record += Bytes(word);
  }
  return record;
}

// How the program reads a value.
enum class Kind { Number, Text, Placement, Handle };

struct Setting {
  std::string key;
  std::string name;
  Kind kind;
};

// Every value the program reads: at its start, from its tray menu and from
// its shapes (the settings dialog, the run dialog, the version, the notices).
const std::vector<Setting>& Settings() {
  static const std::vector<Setting> settings = {
      {kApp, "PeriodicTimer", Kind::Number},
      {kApp, "StandbyCure", Kind::Number},
      {kApp, "CureExecuteTop", Kind::Text},
      {kApp + "\\CureExecuteList", "000000", Kind::Text},
      {kApp + "\\CureExecuteList", "000001", Kind::Text},
      {kApp + "\\WithoutStereotype", "Register", Kind::Number},
      {kApp + "\\WithoutStereotype", "Unregister", Kind::Number},
      {kApp + "\\AutoIcon", "OnAutoIcon", Kind::Number},
      {kApp + "\\AutoIcon", "OnLetter", Kind::Number},
      {kApp + "\\AutoIcon", "OnCharSize", Kind::Number},
      {kApp + "\\AutoIcon", "OnPeriodic", Kind::Number},
      {kApp + "\\AutoIcon", "WatchTime", Kind::Number},
      {kApp + "\\AutoIcon\\TitleList", "000000", Kind::Text},
      {kApp + "\\AutoIcon\\TitleList", "000001", Kind::Text},
      {kApp + "\\Serialize", "AutoIcon", Kind::Placement},
      {kApp + "\\Serialize", "ExecuteFile", Kind::Placement},
      {kApp + "\\Serialize", "VersionShape", Kind::Placement},
      {kApp + "\\Serialize", "Register", Kind::Placement},
      {kApp + "\\Serialize", "Unregister", Kind::Placement},
      {kApp + "\\TrayIcon", "005000", Kind::Handle},
      {kApp + "\\TrayIcon", "005001", Kind::Handle},
      {kLibrary + "\\View", "FontStyle", Kind::Number},
      {kLibrary + "\\View", "TransparentStyle", Kind::Number},
      {kLibrary + "\\View", "TransparentAlphaLevel", Kind::Number},
      {kLibrary + "\\View", "TransparentColor", Kind::Number},
      {kLibrary + "\\MRU\\.exe", "20260101000000000_00000001", Kind::Text},
      {kLibrary + "\\MRU\\Folder", "20260101000000000_00000001", Kind::Text},
  };
  return settings;
}

struct Planted {
  DWORD type;
  std::string bytes;
};

// One way of being wrong, applied to every setting at once: what it plants
// for a value the program reads as `kind`.
struct Hostility {
  const char* why;
  std::function<Planted(Kind)> plant;
};

// The type the program writes for `kind`.
DWORD OwnType(Kind kind) { return kind == Kind::Text ? REG_SZ : kind == Kind::Placement ? REG_BINARY : REG_DWORD; }

// `size` bytes of the value's own type, cut from a plausible value.
Planted Sized(Kind kind, size_t size) {
  const std::string whole = kind == Kind::Placement
                                ? Placement(44, 0, SW_SHOWNORMAL, 100, 100, 400, 300, WS_CAPTION, 0, 0xF669) + "!!!!"
                                : std::string("\x2C\x01\x00\x00\x01\x02\x03\x04\x05", 9);
  return {OwnType(kind), whole.substr(0, size)};
}

// `number` where a number is read; elsewhere what the program itself writes.
Planted ControlNumber(Kind kind, DWORD number) {
  if (kind == Kind::Text) return {REG_SZ, std::string("no such title") + '\0'};
  if (kind == Kind::Placement) {
    return {REG_BINARY, Placement(44, 0, SW_SHOWNORMAL, 100, 100, 400, 300, WS_CAPTION, 0, 0xF669)};
  }
  return {REG_DWORD, Bytes(number)};
}

const Hostility kHostilities[] = {
    {"the other type: text where a number is read, a number where text is",
     [](Kind kind) -> Planted {
       if (kind == Kind::Text) return {REG_DWORD, Bytes(1)};
       return {REG_SZ, std::string("1300") + '\0'};
     }},
    {"REG_BINARY holding what the right type would",
     [](Kind kind) -> Planted {
       if (kind == Kind::Placement) return {REG_DWORD, Bytes(1)};
       if (kind == Kind::Text) return {REG_BINARY, std::string("report") + '\0'};
       return {REG_BINARY, Bytes(1)};
     }},
    {"REG_MULTI_SZ and REG_EXPAND_SZ",
     [](Kind kind) -> Planted {
       if (kind == Kind::Text) return {REG_MULTI_SZ, std::string("a\0b\0\0", 5)};
       return {REG_EXPAND_SZ, std::string("%PATH%") + '\0'};
     }},
    {"0 bytes", [](Kind kind) { return Sized(kind, 0); }},
    {"1 byte", [](Kind kind) { return Sized(kind, 1); }},
    {"3 bytes", [](Kind kind) { return Sized(kind, 3); }},
    {"5 bytes", [](Kind kind) { return Sized(kind, 5); }},
    {"8 bytes", [](Kind kind) { return Sized(kind, 8); }},
    {"a placement one byte short and one long",
     [](Kind kind) -> Planted {
       const std::string record = Placement(44, 0, SW_SHOWNORMAL, 100, 100, 400, 300, WS_CAPTION, 0, 0xF669);
       if (kind == Kind::Placement) return {REG_BINARY, record.substr(0, 55)};
       return {REG_BINARY, record + "!"};
     }},
    {"huge strings",
     [](Kind kind) -> Planted {
       return {static_cast<DWORD>(kind == Kind::Placement ? REG_BINARY : REG_SZ), std::string(100000, 'W') + '\0'};
     }},
    {"strings without a terminator, one ending in a lone lead byte",
     [](Kind kind) -> Planted {
       if (kind == Kind::Text) return {REG_SZ, std::string("abc\x81")};
       return {REG_SZ, std::string("1300")};
     }},
    {"huge numbers",
     [](Kind kind) -> Planted {
       if (kind == Kind::Text) return {REG_SZ, std::string("4294967296") + '\0'};
       if (kind == Kind::Placement) {
         return {REG_BINARY, Placement(44, 0xFFFFFFFF, SW_SHOWMAXIMIZED, 32767, 32767, 32767, 32767, 0xFFFFFFFF,
                                       0xFFFFFFFF, 0xF669)};
       }
       return {REG_DWORD, Bytes(0xFFFFFFFF)};
     }},
    {"negative numbers",
     [](Kind kind) -> Planted {
       if (kind == Kind::Text) return {REG_SZ, std::string("-1") + '\0'};
       if (kind == Kind::Placement) {
         return {REG_BINARY, Placement(44, 0, SW_HIDE, -32768, -32768, -32000, -32000, WS_CHILD, 0, 0xF669)};
       }
       return {REG_DWORD, Bytes(0x80000000)};
     }},
    // A remembered answer that names a control of its message other than a
    // closing button (its text 5001, its check box 5002, Help 9).
    {"numbers that name the controls of a message: 5001", [](Kind kind) { return ControlNumber(kind, 5001); }},
    {"numbers that name the controls of a message: 5002", [](Kind kind) { return ControlNumber(kind, 5002); }},
    {"numbers that name the controls of a message: 9", [](Kind kind) { return ControlNumber(kind, IDHELP); }},
    {"a placement of nothing, centred", [](Kind kind) -> Planted {
       if (kind == Kind::Placement) return {REG_BINARY, Placement(44, 0, SW_MINIMIZE, 0, 0, 0, 0, 0, 0, 0xF667)};
       return {REG_DWORD, Bytes(0xFFFFFFFE)};
     }},
};

void Plant(const Setting& setting, const Planted& planted) {
  ASSERT_TRUE(WriteHkcuValue(setting.key, setting.name, planted.type, planted.bytes))
      << setting.key << "\\" << setting.name;
}

// The values of a key as (name, DWORD or nothing), whatever their names' length.
std::vector<std::pair<std::string, std::optional<DWORD>>> ValuesOf(const std::string& path) {
  std::vector<std::pair<std::string, std::optional<DWORD>>> values;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
  for (DWORD index = 0;; ++index) {
    std::string name(32768, '\0');
    DWORD length = static_cast<DWORD>(name.size());
    DWORD type = REG_NONE, data = 0, size = sizeof data;
    const LONG result = RegEnumValueA(key, index, &name[0], &length, nullptr, &type, reinterpret_cast<BYTE*>(&data),
                                      &size);
    if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) break;
    name.resize(length);
    const bool isDword = result == ERROR_SUCCESS && type == REG_DWORD && size == sizeof data;
    values.emplace_back(name, isDword ? std::optional<DWORD>(data) : std::nullopt);
  }
  RegCloseKey(key);
  return values;
}

// The names of the values left under "TrayIcon", as hex.
std::string LeftTrayIconValues() {
  std::string names;
  for (const auto& [name, data] : ValuesOf(kTrayIconKey)) names += "[" + HexFromBytes(name).substr(0, 40) + "] ";
  return names;
}

bool IsOnScreen(HWND window) {
  RECT rect{}, screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, both{};
  return GetWindowRect(window, &rect) && rect.right - rect.left > 0 && rect.bottom - rect.top > 0 &&
         IntersectRect(&both, &rect, &screen) && EqualRect(&both, &rect);
}

class HostileRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    ASSERT_TRUE(tray_.Start());
  }
  void TearDown() override { ClearSettings(); }
  static void ClearSettings() {
    DeleteHkcuKey(kApp);
    DeleteHkcuKey(kLibrary);
  }

  // The program's visible shapes other than its main window.
  std::vector<HWND> Shapes() {
    std::vector<HWND> shapes;
    for (HWND w : FindTopLevelWindows({kMainWindowClass, std::nullopt, stowpane_.Process().Id()})) {
      if (w != main_ && IsWindowVisible(w)) shapes.push_back(w);
    }
    return shapes;
  }
  // The first visible shape that `match` accepts, waiting up to kWaitMs.
  HWND WaitForShape(const std::function<bool(HWND)>& match) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
          for (HWND w : Shapes()) {
            if (match(w)) found = w;
          }
          return found != nullptr;
        },
        kWaitMs);
    return found;
  }
  static bool IsSettingsDialog(HWND shape) { return GetDlgItem(shape, kTestButton) != nullptr; }
  static void Press(HWND shape, int id) {
    PostMessageA(shape, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(shape, id)));
  }
  // A notice the planted answers did not suppress is read and closed, as the user would.
  void AnswerNotices() {
    for (HWND w : Shapes()) {
      if (!IsSettingsDialog(w) && GetDlgItem(w, IDOK) != nullptr) Press(w, IDOK);
    }
  }

  // Started, with its start-up work done: the timer period it writes last
  // is there, whatever was planted in its place.
  void StartStowpane(const std::string& arguments) {
    stowpane_.ShowStartupNotices(true);
    ASSERT_TRUE(stowpane_.Start(arguments));
    main_ = stowpane_.WaitForMainWindow();
    ASSERT_NE(nullptr, main_);
    ASSERT_TRUE(tray_.WaitForRecord(TrayCall("ADD", main_, kAppIconId), kWaitMs, trayFrom_));
    const bool started = WaitUntil(
        [&] {
          AnswerNotices();
          const std::optional<DWORD> period = ReadHkcuDword(kApp, "PeriodicTimer");
          return period && *period >= 300 && *period <= 5000;
        },
        kWaitMs, 50);
    ASSERT_TRUE(started) << "the start-up work did not end";
  }

  bool UseTrayMenu(const std::vector<UINT>& keys) {
    PostMessageA(main_, kAppIconMessage, kAppIconId, WM_LBUTTONDOWN);
    return PressKeysInOpenMenu(stowpane_.Process().Id(), keys, kWaitMs);
  }
  // The icon id under which `window` is stored, or 0.
  static int StoredId(HWND window) {
    for (const auto& [name, data] : ValuesOf(kTrayIconKey)) {
      if (data == static_cast<DWORD>(reinterpret_cast<UINT_PTR>(window))) return std::atoi(name.c_str());
    }
    return 0;
  }

  // Stores `window` through the tray menu and gives it back through its icon.
  void StoreAndRestore(HWND window) {
    ASSERT_TRUE(RaiseAboveOtherWindows(window, kWaitMs));
    ASSERT_TRUE(UseTrayMenu({VK_DOWN, VK_RETURN})) << "the tray menu did not open";
    ASSERT_TRUE(WaitForWindowState(window, kStored, kWaitMs));
    int id = 0;
    ASSERT_TRUE(WaitUntil([&] { return (id = StoredId(window)) != 0; }, kWaitMs));
    PostMessageA(main_, 0x8000 + id, id, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitForWindowState(window, kShown, kWaitMs));
  }

  // The settings dialog, the run dialog and the version open where they can
  // be seen, and close.
  void OpenShapes() {
    PostMessageA(main_, WM_COMMAND, kSettingsCommand, 0);
    HWND settings = WaitForShape(IsSettingsDialog);
    ASSERT_NE(nullptr, settings) << "the settings dialog did not open";
    EXPECT_TRUE(IsOnScreen(settings));
    Press(settings, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(settings); }, kWaitMs));

    PostMessageA(main_, WM_COMMAND, kRunFileCommand, 0);
    HWND run = WaitForShape([](HWND w) { return GetDlgItem(w, IDCANCEL) != nullptr && !IsSettingsDialog(w); });
    ASSERT_NE(nullptr, run) << "the run dialog did not open";
    EXPECT_TRUE(IsOnScreen(run));
    Press(run, IDCANCEL);
    ASSERT_TRUE(WaitForWindowGone(run, kWaitMs));

    PostMessageA(main_, WM_COMMAND, kVersionCommand, 0);
    HWND version = WaitForShape([](HWND w) { return GetDlgItem(w, IDOK) != nullptr && !IsSettingsDialog(w); });
    ASSERT_NE(nullptr, version) << "the version did not open";
    EXPECT_TRUE(IsOnScreen(version));
    Press(version, IDOK);
    ASSERT_TRUE(WaitForWindowGone(version, kWaitMs));
  }

  // The exit command, with any notice on the way answered.
  void ExitStowpane() {
    PostMessageA(main_, WM_COMMAND, kExitCommand, 0);
    ASSERT_TRUE(WaitUntil(
        [&] {
          AnswerNotices();
          return !stowpane_.Process().IsRunning();
        },
        10000, 50))
        << "it did not end";
    EXPECT_EQ(0u, stowpane_.Process().ExitCode().value_or(99));
    EXPECT_EQ(0u, CountMainWindows());
    EXPECT_EQ("", LeftTrayIconValues()) << "values left under TrayIcon";
  }

  FakeTaskbar tray_;
  StowpaneProcess stowpane_;
  HWND main_ = nullptr;
  size_t trayFrom_ = 0;
};

TestWindowOptions Target() {
  TestWindowOptions options;
  options.title = kTitle;
  options.windowIcons = testwindow::kBothIcons;
  return options;
}

}  // namespace

TEST_F(HostileRegistry, EverySettingPlantedWrongIsReadAsAbsentOrWithinBounds) {
  for (const Hostility& hostility : kHostilities) {
    for (const char* arguments : {"", "/restore"}) {
      SCOPED_TRACE(std::string(hostility.why) + (*arguments != '\0' ? ", started with /restore" : ""));
      ClearSettings();
      for (const Setting& setting : Settings()) Plant(setting, hostility.plant(setting.kind));
      TestWindowProcess target;
      ASSERT_TRUE(target.Start(Target()));
      trayFrom_ = tray_.Records().size();
      StartStowpane(arguments);
      StoreAndRestore(target.Window());
      OpenShapes();
      ExitStowpane();
      EXPECT_EQ(kShown, ReadWindowState(target.Window()));
      if (HasFatalFailure()) return;
    }
  }
}

namespace {

// The windows a "TrayIcon" value may name: one shown, one hidden (as a copy
// that crashed leaves it), one that has closed, and the tray.
struct TrayIconWorld {
  HWND shown = nullptr;
  HWND hidden = nullptr;
  HWND closed = nullptr;
  HWND tray = nullptr;
};

struct TrayIconPlanting {
  const char* why;
  std::function<std::vector<std::pair<std::string, Planted>>(const TrayIconWorld&)> values;
  bool hiddenTaken;  // the hidden window is taken over (by a start by the user)
};

Planted Dword(DWORD value) { return {REG_DWORD, Bytes(value)}; }
Planted Of(HWND window) { return {REG_DWORD, Handle(window)}; }

const TrayIconPlanting kTrayIconPlantings[] = {
    {"no window",
     [](const TrayIconWorld&) { return std::vector<std::pair<std::string, Planted>>{{"005000", Dword(0)}}; },
     false},
    {"all bits set, a huge and a negative number",
     [](const TrayIconWorld&) {
       return std::vector<std::pair<std::string, Planted>>{
           {"005000", Dword(0xFFFFFFFF)}, {"005001", Dword(0x7FFFFFFF)}, {"005002", Dword(0x80000000)}};
     },
     false},
    {"a shown window is no stored one",
     [](const TrayIconWorld& w) { return std::vector<std::pair<std::string, Planted>>{{"005000", Of(w.shown)}}; },
     false},
    {"a closed window",
     [](const TrayIconWorld& w) { return std::vector<std::pair<std::string, Planted>>{{"005000", Of(w.closed)}}; },
     false},
    {"the tray",
     [](const TrayIconWorld& w) { return std::vector<std::pair<std::string, Planted>>{{"005000", Of(w.tray)}}; },
     false},
    {"a hidden window, taken over",
     [](const TrayIconWorld& w) { return std::vector<std::pair<std::string, Planted>>{{"005000", Of(w.hidden)}}; },
     true},
    {"a hidden window listed twice is taken once",
     [](const TrayIconWorld& w) {
       return std::vector<std::pair<std::string, Planted>>{{"005000", Of(w.hidden)}, {"005003", Of(w.hidden)}};
     },
     true},
    {"a hidden window's handle of the wrong type or size is no record",
     [](const TrayIconWorld& w) {
       const std::string handle = Handle(w.hidden);
       return std::vector<std::pair<std::string, Planted>>{
           {"005000", {REG_SZ, std::to_string(reinterpret_cast<UINT_PTR>(w.hidden)) + '\0'}},
           {"005001", {REG_BINARY, handle}},
           {"005002", {REG_DWORD, handle + handle}},
           {"005003", {REG_DWORD, handle.substr(0, 3)}},
           {"005004", {REG_DWORD, std::string()}},
           {"005005", {REG_QWORD, handle + std::string(4, '\0')}},
           {"005006", {REG_SZ, std::string(100000, '7') + '\0'}}};
     },
     false},
    {"names that are no icon ids",
     [](const TrayIconWorld& w) {
       return std::vector<std::pair<std::string, Planted>>{
           {"", Of(w.shown)}, {"-1", Of(w.closed)}, {"99999999999", Dword(0)}, {"表ﾋｮｳ", Of(w.tray)}};
     },
     false},
    {"a name longer than any the program writes, listed before a hidden window's value",
     [](const TrayIconWorld& w) {
       return std::vector<std::pair<std::string, Planted>>{{"000000" + std::string(300, 'x'), Of(w.shown)},
                                                           {"005000", Of(w.hidden)}};
     },
     true},
};

}  // namespace

TEST_F(HostileRegistry, TrayIconValuesNeverHideOrLoseAWindow) {
  TrayIconWorld world;
  for (const TrayIconPlanting& planting : kTrayIconPlantings) {
    for (const char* arguments : {"", "/restore"}) {
      const bool byUser = *arguments == '\0';
      SCOPED_TRACE(std::string(planting.why) + (byUser ? "" : ", started with /restore"));
      ClearSettings();
      TestWindowProcess shown, hidden, closing;
      ASSERT_TRUE(shown.Start(Target()));
      TestWindowOptions hiddenOptions = Target();
      hiddenOptions.show = TestWindowOptions::kHidden;
      ASSERT_TRUE(hidden.Start(hiddenOptions));
      ASSERT_TRUE(closing.Start(Target()));
      world.shown = shown.Window();
      world.hidden = hidden.Window();
      world.closed = closing.Window();
      world.tray = tray_.Window();
      PostMessageA(closing.Window(), WM_COMMAND, testwindow::kCommandExit, 0);
      ASSERT_TRUE(WaitForWindowGone(closing.Window(), kWaitMs));
      const std::vector<std::pair<std::string, Planted>> values = planting.values(world);
      for (const auto& [name, planted] : values) {
        ASSERT_TRUE(WriteHkcuValue(kTrayIconKey, name, planted.type, planted.bytes)) << name;
      }
      const size_t trayBefore = tray_.Icons().size();
      trayFrom_ = tray_.Records().size();
      StartStowpane(arguments);

      // Taken over: stored with one icon; otherwise left as it was.
      const bool taken = planting.hiddenTaken && byUser;
      const size_t icons = trayBefore + 1 + (taken ? 1 : 0);
      EXPECT_TRUE(WaitUntil([&] { return tray_.Icons().size() == icons; }, kWaitMs)) << tray_.Icons().size();
      const WindowState hiddenAsItWas{true, false, false, true};
      EXPECT_EQ(taken ? kStored : hiddenAsItWas, ReadWindowState(hidden.Window()));
      EXPECT_EQ(kShown, ReadWindowState(shown.Window()));
      EXPECT_EQ(taken ? 1u : 0u, ValuesOf(kTrayIconKey).size())
          << "every planted value is taken at the start: " << LeftTrayIconValues();
      // It works: the shown window is stored and given back.
      StoreAndRestore(shown.Window());
      ExitStowpane();
      EXPECT_EQ(kShown, ReadWindowState(shown.Window()));
      if (taken) {
        EXPECT_EQ(kShown, ReadWindowState(hidden.Window())) << "taken over, and given back";
      }
      if (HasFatalFailure()) return;
    }
  }
}

// A "TrayIcon" value names a stored window: a top-level one. A hidden child
// window (a page of a dialog, a control its program hid) is none, and taking
// it over would show it inside its parent at the exit.
TEST_F(HostileRegistry, AHiddenChildWindowIsNoStoredWindow) {
  // The parent goes with the test, whatever fails: later tests list the windows.
  std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)> parent(
      CreateWindowExA(0, "STATIC", "hostile registry parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                      nullptr, nullptr, nullptr, nullptr),
      &DestroyWindow);
  ASSERT_NE(nullptr, parent.get());
  HWND child = CreateWindowExA(0, "STATIC", "hidden page", WS_CHILD, 10, 10, 100, 50, parent.get(), nullptr, nullptr,
                               nullptr);
  ASSERT_NE(nullptr, child);
  ASSERT_TRUE(WriteHkcuValue(kTrayIconKey, "005000", REG_DWORD, Handle(child)));
  trayFrom_ = tray_.Records().size();
  // The values are taken before the start-up work ends, which StartStowpane waits for.
  StartStowpane("");
  EXPECT_EQ(1u, tray_.Icons().size()) << "the child has an icon";
  EXPECT_FALSE(IsWindowVisible(child));
  EXPECT_FALSE(IsIconic(child));
  ExitStowpane();
  EXPECT_FALSE(IsWindowVisible(child)) << "shown at the exit";
}
