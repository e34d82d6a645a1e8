// The auto-iconize settings dialog, played as the user plays it: its buttons
// clicked, its floating edit typed into and its error message answered from
// a thread timer that runs inside whichever loop is current (the edit's, the
// message's), its settings checked in the registry and its notices at a
// stand-in owner.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/titlerules/AutoIconDialog.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/window/controls/FloatingEdit.h"
#include "framework/window/core/TranslateKeys.h"
#include "framework/window/elements/pure/History.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "tests/support/ThrowawayRegKey.h"

namespace {

using Texts = std::vector<std::string>;

constexpr char kNew[] = "新しい文字列";
const std::string kSection = std::string(kApplicationKeyPath) + "\\AutoIcon";
const std::string kTitleSection = kSection + "\\TitleList";

// ---- the owner: records the notices the dialog posts -----------------------

struct Notice {
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Notice> g_notices;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) {
    g_notices.push_back({wParam, lParam});
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND MakeWindow(const char* title, bool visible) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA record{};
    record.lpfnWndProc = OwnerProc;
    record.hInstance = GetModuleHandleA(nullptr);
    record.lpszClassName = "AutoIconTestOwner";
    RegisterClassA(&record);
    registered = true;
  }
  return CreateWindowExA(0, "AutoIconTestOwner", title, WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 600, 500,
                         200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// ---- the user, inside the dialog's loops ------------------------------------

// What the user does once the floating edit or the error message is there.
enum class Act {
  Enter,         // types `text` and presses Enter
  Escape,        // presses Esc
  ClickOutside,  // types `text` and clicks the dialog beside the box
  Deactivate,    // types `text` and activates another window
  ErrorOk,       // answers the error message with OK
  ErrorCancel,   // answers it with Cancel
};
struct Step {
  Act act;
  const char* text = "";
};

TAutoIconDialog* g_dialog = nullptr;
HWND g_otherWindow = nullptr;
std::deque<Step> g_steps;
Texts g_boxTexts;     // what the box showed when each edit step began
int g_waitTicks = 0;

BOOL CALLBACK FindMessage(HWND window, LPARAM found) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, TShape::kClassName) == 0 && IsWindowVisible(window) && window != g_dialog->Handle()) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

HWND OpenMessage() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindMessage, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

void CALLBACK UserTick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_dialog == nullptr) return;
  HWND box = g_dialog->TitleEditBox();
  HWND message = OpenMessage();
  if (g_steps.empty()) {
    // Nothing left to do but something still waits for the user: a failing
    // case ends it after about two seconds instead of hanging the run.
    if ((box != nullptr || message != nullptr) && ++g_waitTicks > 100) {
      if (message != nullptr) PostMessageA(message, WM_CLOSE, 0, 0);
      if (message == nullptr && box != nullptr) PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
      g_waitTicks = 0;
    }
    return;
  }
  const Step step = g_steps.front();
  const bool forMessage = step.act == Act::ErrorOk || step.act == Act::ErrorCancel;
  if (forMessage ? message == nullptr : (box == nullptr || message != nullptr || !IsWindowVisible(box))) return;
  g_steps.pop_front();
  g_waitTicks = 0;
  switch (step.act) {
    case Act::ErrorOk:
    case Act::ErrorCancel:
      SendMessageA(GetDlgItem(message, step.act == Act::ErrorOk ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
      return;
    case Act::Escape:
      g_boxTexts.push_back(TextOf(box));
      PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
      return;
    default:
      break;
  }
  g_boxTexts.push_back(TextOf(box));
  // No text: the user keeps what the box offers.
  if (step.text != nullptr) SetWindowTextA(box, step.text);
  if (step.act == Act::Enter) {
    PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
  } else if (step.act == Act::ClickOutside) {
    PostMessageA(g_dialog->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  } else {
    SetForegroundWindow(g_otherWindow);
    SetActiveWindow(g_otherWindow);
  }
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (DispatchToModeless(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 2000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    Pump();
  }
  return true;
}

// ---- the fixture -------------------------------------------------------------

struct Stored {
  Texts titles;
  const char* selected = "";
  bool on = true;
};

class AutoIconDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(key_.Ok());
    CreateGlobalKeyLists(nullptr, key_.Handle());
    owner_ = MakeWindow("owner", false);
    g_otherWindow = MakeWindow("other", true);
    g_notices.clear();
    g_steps.clear();
    g_boxTexts.clear();
    timer_ = SetTimer(nullptr, 0, 20, UserTick);
  }
  void TearDown() override {
    KillTimer(nullptr, timer_);
    g_steps.clear();
    Close();
    CloseAllModeless();
    DestroyWindow(g_otherWindow);
    DestroyWindow(owner_);
    DestroyGlobalKeyLists();
  }

  // Replaces whatever an earlier case stored.
  void Store(const Stored& stored) {
    SHDeleteKeyA(key_.Handle(), kSection.c_str());
    TRegSection section = OpenSection(ApplicationKeys(), "AutoIcon");
    TRegDword(section.Keys(), "OnAutoIcon").Write(stored.on ? 1 : 0);
    TRegString(section.Keys(), "SelectText").Write(stored.selected);
    TRegSection titles = OpenSection(section, "TitleList");
    for (size_t i = 0; i < stored.titles.size(); ++i) {
      TRegString(titles.Keys(), TString(HistoryValueName(i).c_str())).Write(stored.titles[i].c_str());
    }
  }
  // The dialog as the main window makes it, shown as by the tray command.
  void Open(const Stored& stored) {
    Store(stored);
    Open();
  }
  void Open() {
    dialog_ = std::make_unique<TAutoIconDialog>();
    g_dialog = dialog_.get();
    dialog_->SetOwner(owner_);
    dialog_->RunModeless(kAutoIconNotifyCommand);
    ASSERT_NE(nullptr, dialog_->Handle());
    ASSERT_FALSE(IsWindowVisible(dialog_->Handle()));
    ASSERT_FALSE(IsWindowEnabled(dialog_->Handle()));
    dialog_->ShowSettings();
    Pump();
  }
  void Press(int id, std::initializer_list<Step> steps = {}) {
    g_steps.assign(steps.begin(), steps.end());
    SendMessageA(GetDlgItem(dialog_->Handle(), id), BM_CLICK, 0, 0);
    Pump();
    EXPECT_TRUE(g_steps.empty()) << "the user still had " << g_steps.size() << " step(s) to take";
  }
  void Close() {
    g_dialog = nullptr;
    dialog_.reset();
    Pump();
  }
  HWND Item(int id) const { return GetDlgItem(dialog_->Handle(), id); }
  Texts Titles() const {
    Texts texts;
    for (const TString& text : dialog_->TitleList()) texts.push_back(text.Bytes());
    return texts;
  }
  std::string Selected() const {
    HWND list = dialog_->TitleListBox();
    const LRESULT at = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (at == LB_ERR) return "<none>";
    char text[512] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text));
    return text;
  }
  // The check boxes in the keyboard's order: switch, case, width, periodic.
  std::vector<HWND> Checks() const {
    std::vector<HWND> checks;
    for (HWND child = GetWindow(dialog_->Handle(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      if ((GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX) checks.push_back(child);
    }
    return checks;
  }
  HWND WatchEdit() const { return FindWindowExA(dialog_->Handle(), nullptr, "Edit", nullptr); }
  HWND UpDown() const { return FindWindowExA(dialog_->Handle(), nullptr, UPDOWN_CLASSA, nullptr); }
  static bool Enabled(HWND window) { return window != nullptr && IsWindowEnabled(window) != FALSE; }
  bool EntryCommandsEnabled() const {
    return Enabled(Item(kEditTitleCommand)) && Enabled(Item(kCopyTitleCommand)) && Enabled(Item(kDeleteTitleCommand));
  }
  bool EntryCommandsDisabled() const {
    return !Enabled(Item(kEditTitleCommand)) && !Enabled(Item(kCopyTitleCommand)) &&
           !Enabled(Item(kDeleteTitleCommand));
  }
  static RawValue Raw(const ThrowawayRegKey& key, const char* section, const char* name) {
    return RawQueryValue(key.Handle(), section, name);
  }

  ThrowawayRegKey key_;
  HWND owner_ = nullptr;
  UINT_PTR timer_ = 0;
  std::unique_ptr<TAutoIconDialog> dialog_;
};

TEST_F(AutoIconDialogTest, AddThreeTimesGivesThreeNumberedNames) {
  Open({});
  for (int i = 0; i < 3; ++i) Press(kAddTitleCommand, {{Act::Enter, nullptr}});
  // Enter with the text unchanged: the step types nothing new.
  EXPECT_EQ((Texts{kNew, std::string(kNew) + " 2", std::string(kNew) + " 3"}), g_boxTexts);
  EXPECT_EQ(g_boxTexts, Titles());
  EXPECT_EQ(std::string(kNew) + " 3", Selected());
  EXPECT_TRUE(EntryCommandsEnabled());
  EXPECT_TRUE(Enabled(Item(kNotifyTest)));
}

// Every way an in-place edit ends, from each of the three commands.
TEST_F(AutoIconDialogTest, AnEditInPlaceEndsAsTheUserEndsIt) {
  struct Case {
    const char* why;
    int command;
    const char* from;  // the entry selected before
    std::vector<Step> steps;
    Texts boxTexts;  // what the box showed at each edit step
    Texts titles;
    const char* selected;
  } cases[] = {
      {"Enter replaces", kEditTitleCommand, "b", {{Act::Enter, "c"}}, {"b"}, {"a", "c", "x 9"}, "c"},
      {"Esc keeps the entry", kEditTitleCommand, "b", {{Act::Escape}}, {"b"}, {"a", "b", "x 9"}, "b"},
      {"an empty text deletes; the next entry is selected", kEditTitleCommand, "b", {{Act::Enter, ""}}, {"b"},
       {"a", "x 9"}, "x 9"},
      {"a click beside the box confirms", kEditTitleCommand, "b", {{Act::ClickOutside, "c"}}, {"b"}, {"a", "c", "x 9"},
       "c"},
      {"leaving the dialog confirms", kEditTitleCommand, "b", {{Act::Deactivate, "c"}}, {"b"}, {"a", "c", "x 9"}, "c"},
      {"a duplicate, then OK: back in the box with the user's text", kEditTitleCommand, "b",
       {{Act::Enter, "a"}, {Act::ErrorOk}, {Act::Enter, "d"}}, {"b", "a"}, {"a", "d", "x 9"}, "d"},
      {"a duplicate, then Cancel: the old text stays", kEditTitleCommand, "b", {{Act::Enter, "a"}, {Act::ErrorCancel}},
       {"b"}, {"a", "b", "x 9"}, "b"},
      {"Esc after Add takes the new entry away again", kAddTitleCommand, "b", {{Act::Escape}}, {kNew},
       {"a", "b", "x 9"}, "b"},
      {"an empty text after Add too", kAddTitleCommand, "b", {{Act::Enter, ""}}, {kNew}, {"a", "b", "x 9"}, "b"},
      {"Copy numbers the copy", kCopyTitleCommand, "b", {{Act::Enter, nullptr}}, {"b 2"},
       {"a", "b", "x 9", "b 2"}, "b 2"},
      {"Copy counts up a final number", kCopyTitleCommand, "x 9", {{Act::Enter, nullptr}}, {"x 10"},
       {"a", "b", "x 9", "x 10"}, "x 10"},
      {"a duplicate after Copy, then Cancel: the copy goes", kCopyTitleCommand, "b",
       {{Act::Enter, "x 9"}, {Act::ErrorCancel}}, {"b 2"}, {"a", "b", "x 9"}, "b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Open({{"a", "b", "x 9"}, c.from});
    g_boxTexts.clear();
    g_steps.assign(c.steps.begin(), c.steps.end());
    SendMessageA(Item(c.command), BM_CLICK, 0, 0);
    Pump();
    EXPECT_TRUE(g_steps.empty());
    EXPECT_EQ(nullptr, dialog_->TitleEditBox()) << "the box has gone";
    EXPECT_EQ(nullptr, FindWindowExA(dialog_->Handle(), nullptr, TFloatingEdit::kClassName, nullptr));
    EXPECT_EQ(c.boxTexts, g_boxTexts);
    EXPECT_EQ(c.titles, Titles());
    EXPECT_EQ(c.selected, Selected());
    EXPECT_TRUE(EntryCommandsEnabled());
    Close();
  }
}

TEST_F(AutoIconDialogTest, DeleteSelectsTheNeighbourAndTheLastOneDisablesTheEntryCommands) {
  struct Case {
    const char* why;
    const char* selected;
    Texts titles;
    const char* selectedAfter;
  } cases[] = {
      {"first: the next moves up", "a", {"b", "c"}, "b"},
      {"middle", "b", {"a", "c"}, "c"},
      {"last: its predecessor", "c", {"a", "b"}, "b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Open({{"a", "b", "c"}, c.selected});
    Press(kDeleteTitleCommand);
    EXPECT_EQ(c.titles, Titles());
    EXPECT_EQ(c.selectedAfter, Selected());
    Close();
  }
  Open({{"only"}, "only"});
  ASSERT_TRUE(EntryCommandsEnabled());
  ASSERT_TRUE(Enabled(Item(kNotifyTest)));
  Press(kDeleteTitleCommand);
  EXPECT_TRUE(Titles().empty());
  EXPECT_TRUE(EntryCommandsDisabled());
  EXPECT_FALSE(Enabled(Item(kNotifyTest))) << "nothing left to test";
  EXPECT_TRUE(Enabled(Item(kAddTitleCommand)));
}

TEST_F(AutoIconDialogTest, TheSwitchRulesEverythingBelowIt) {
  Open({{"a"}, "a"});
  const std::vector<HWND> checks = Checks();
  ASSERT_EQ(4u, checks.size());
  const std::vector<HWND> below = {dialog_->TitleListBox(), checks[1], checks[2], checks[3], WatchEdit(), UpDown(),
                                   Item(kAddTitleCommand), Item(kEditTitleCommand), Item(kCopyTitleCommand),
                                   Item(kDeleteTitleCommand), Item(kNotifyTest)};
  for (HWND window : below) ASSERT_TRUE(Enabled(window));

  SendMessageA(checks[0], BM_CLICK, 0, 0);
  EXPECT_FALSE(dialog_->AutoIconOn());
  for (size_t i = 0; i < below.size(); ++i) EXPECT_FALSE(Enabled(below[i])) << "control " << i;
  EXPECT_TRUE(Enabled(Item(IDOK)));
  EXPECT_TRUE(Enabled(Item(IDCANCEL)));
  // The keys reach no command either.
  SendMessageA(dialog_->Handle(), WM_COMMAND, MAKEWPARAM(kDeleteTitleCommand, 1), 0);
  EXPECT_EQ((Texts{"a"}), Titles());

  SendMessageA(checks[0], BM_CLICK, 0, 0);
  for (size_t i = 0; i < below.size(); ++i) EXPECT_TRUE(Enabled(below[i])) << "control " << i;
}

TEST_F(AutoIconDialogTest, TheWatchTimeIsClampedAsTypedAndRewrittenWhenLeft) {
  Store({{"a"}, "a"});
  {
    TRegSection section = OpenSection(ApplicationKeys(), "AutoIcon");
    TRegDword(section.Keys(), "WatchTime").Write(200);
  }
  Open();
  EXPECT_EQ(200, dialog_->WatchTime()) << "a stored value is taken as it is";
  HWND edit = WatchEdit();
  struct Case {
    const char* typed;
    int value;
    const char* shownAfterLeaving;
  } cases[] = {{"500", 90, "90"}, {"1", 3, "3"}, {"45", 45, "45"}, {"", 45, "45"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    SetFocus(edit);
    SetWindowTextA(edit, c.typed);
    EXPECT_EQ(c.value, dialog_->WatchTime());
    EXPECT_EQ(c.typed, TextOf(edit)) << "the text stays as typed while the box has the focus";
    SetFocus(dialog_->TitleListBox());
    EXPECT_EQ(c.shownAfterLeaving, TextOf(edit));
  }
}

TEST_F(AutoIconDialogTest, OkSavesTheControlsAndTellsTheOwner) {
  Open({{"a"}, "a", false});
  AppState().menuTarget = owner_;
  const std::vector<HWND> checks = Checks();
  ASSERT_EQ(4u, checks.size());
  for (HWND check : checks) SendMessageA(check, BM_CLICK, 0, 0);  // on, case, width; periodic off
  SetWindowTextA(WatchEdit(), "25");
  Press(kAddTitleCommand, {{Act::Enter, "b"}});
  Press(IDOK);

  EXPECT_FALSE(IsWindowVisible(dialog_->Handle()));
  EXPECT_TRUE(IsWindow(dialog_->Handle()));
  EXPECT_EQ(nullptr, AppState().menuTarget);
  ASSERT_TRUE(PumpUntil([] { return !g_notices.empty(); }));
  EXPECT_EQ(MAKEWPARAM(kAutoIconNotifyCommand, kNotifyRulesChanged), g_notices[0].wParam);
  EXPECT_EQ(reinterpret_cast<LPARAM>(dialog_->Handle()), g_notices[0].lParam);

  struct Expected {
    const char* section;
    const char* name;
    DWORD type;
    std::string bytes;
  } expected[] = {
      {kSection.c_str(), "OnAutoIcon", REG_DWORD, std::string("\1\0\0\0", 4)},
      {kSection.c_str(), "OnLetter", REG_DWORD, std::string("\1\0\0\0", 4)},
      {kSection.c_str(), "OnCharSize", REG_DWORD, std::string("\1\0\0\0", 4)},
      {kSection.c_str(), "OnPeriodic", REG_DWORD, std::string("\0\0\0\0", 4)},
      {kSection.c_str(), "WatchTime", REG_DWORD, std::string("\x19\0\0\0", 4)},
      {kSection.c_str(), "SelectText", REG_SZ, std::string("b\0", 2)},
      {kTitleSection.c_str(), "000000", REG_SZ, std::string("a\0", 2)},
      {kTitleSection.c_str(), "000001", REG_SZ, std::string("b\0", 2)},
  };
  for (const Expected& e : expected) {
    const RawValue value = Raw(key_, e.section, e.name);
    EXPECT_EQ(ERROR_SUCCESS, value.result) << e.name;
    EXPECT_EQ(e.type, value.type) << e.name;
    EXPECT_EQ(e.bytes, value.bytes) << e.name;
  }
  // What the main window reads now agrees with what was saved.
  EXPECT_TRUE(dialog_->AutoIconOn());
  EXPECT_TRUE(dialog_->DistinguishCase());
  EXPECT_TRUE(dialog_->DistinguishWidth());
  EXPECT_FALSE(dialog_->PeriodicOn());
  EXPECT_EQ(25, dialog_->WatchTime());
}

TEST_F(AutoIconDialogTest, TestTellsTheOwnerAndSavesNothing) {
  Open({{"a"}, "a"});
  AppState().menuTarget = owner_;
  Press(kAddTitleCommand, {{Act::Enter, "b"}});
  Press(kNotifyTest);
  EXPECT_EQ(nullptr, AppState().menuTarget);
  ASSERT_TRUE(PumpUntil([] { return !g_notices.empty(); }));
  EXPECT_EQ(MAKEWPARAM(kAutoIconNotifyCommand, kNotifyTest), g_notices[0].wParam);
  EXPECT_TRUE(IsWindowVisible(dialog_->Handle()));
  EXPECT_EQ((Texts{"a", "b"}), Titles()) << "the rules the owner reads are the shown ones";
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, Raw(key_, kTitleSection.c_str(), "000001").result);
}

// Cancel and the close box bring back what is stored (the initial states
// where nothing is), hide the dialog and tell the owner nothing.
TEST_F(AutoIconDialogTest, CancelAndCloseRestoreTheStoredSettings) {
  struct Case {
    const char* why;
    bool stored;
    bool close;
  } cases[] = {
      {"Cancel with stored settings", true, false},
      {"the close box with stored settings", true, true},
      {"Cancel with nothing stored: the initial states", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    SHDeleteKeyA(key_.Handle(), kSection.c_str());
    if (c.stored) {
      Store({{"a", "b"}, "b"});
      TRegSection section = OpenSection(ApplicationKeys(), "AutoIcon");
      TRegDword(section.Keys(), "WatchTime").Write(30);
    }
    Open();
    const std::vector<HWND> checks = Checks();
    ASSERT_EQ(4u, checks.size());
    if (!c.stored) SendMessageA(checks[0], BM_CLICK, 0, 0);
    for (size_t i = 1; i < checks.size(); ++i) SendMessageA(checks[i], BM_CLICK, 0, 0);
    SetWindowTextA(WatchEdit(), "60");
    Press(kAddTitleCommand, {{Act::Enter, "z"}});
    if (c.close) {
      SendMessageA(dialog_->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
      Press(IDCANCEL);
    }
    Pump();
    EXPECT_TRUE(IsWindow(dialog_->Handle())) << "closing only hides it";
    EXPECT_FALSE(IsWindowVisible(dialog_->Handle()));
    EXPECT_EQ((c.stored ? Texts{"a", "b"} : Texts{}), Titles());
    EXPECT_EQ(c.stored ? "b" : "<none>", Selected());
    EXPECT_EQ(c.stored, dialog_->AutoIconOn());
    EXPECT_FALSE(dialog_->DistinguishCase());
    EXPECT_FALSE(dialog_->DistinguishWidth());
    EXPECT_TRUE(dialog_->PeriodicOn());
    EXPECT_EQ(c.stored ? 30 : 10, dialog_->WatchTime());
    EXPECT_EQ(c.stored ? "30" : "10", TextOf(WatchEdit()));
    EXPECT_EQ(c.stored, Enabled(dialog_->TitleListBox())) << "the enabling follows the restored switch";
    EXPECT_FALSE(PumpUntil([] { return !g_notices.empty(); }, 200));
    // Shown again, it shows the same.
    dialog_->ShowSettings();
    EXPECT_TRUE(IsWindowVisible(dialog_->Handle()));
    EXPECT_TRUE(IsWindowEnabled(dialog_->Handle()));
    Close();
  }
}

// The keys of the list work through the dialog's own filter; Delete belongs
// to the watch time while that has the focus.
TEST_F(AutoIconDialogTest, InsertAddsAndDeleteDeletesExceptInTheWatchTime) {
  Open({{"a", "b"}, "a"});
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == dialog_->Handle(); }));
  auto key = [&](HWND focus, WPARAM code) {
    SetFocus(focus);
    PostMessageA(focus, WM_KEYDOWN, code, 1);
    Pump();
  };
  key(WatchEdit(), VK_DELETE);
  EXPECT_EQ((Texts{"a", "b"}), Titles());
  key(dialog_->TitleListBox(), VK_DELETE);
  EXPECT_EQ((Texts{"b"}), Titles());
  g_steps.assign({{Act::Enter, "c"}});
  key(dialog_->TitleListBox(), VK_INSERT);
  EXPECT_TRUE(g_steps.empty());
  EXPECT_EQ((Texts{"b", "c"}), Titles());
}

}  // namespace

TEST_F(AutoIconDialogTest, KeyFieldsRecordWhatIsPressedBeforeTheDialogsOwnKeysAndOkKeepsIt) {
  Open({{"a", "b"}, "b"});
  std::vector<HWND> fields;
  for (HWND child = GetWindow(dialog_->Handle(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetPropA(child, kTakesKeysProperty) != nullptr) fields.push_back(child);
  }
  ASSERT_EQ(2u, fields.size());
  EXPECT_EQ("Ctrl + Alt + Shift + ↓", TextOf(fields[0]));
  EXPECT_EQ("Ctrl + Alt + Shift + ↑", TextOf(fields[1]));
  HWND store = fields[0];

  struct KeyPress {
    std::vector<int> held;  // modifier keys down while `key` is pressed
    UINT key;
    const char* shown;      // the field afterwards
  } presses[] = {
      {{VK_CONTROL, VK_MENU}, 'K', "Ctrl + Alt + K"},
      {{}, 'K', "Ctrl + Alt + K"},                  // a letter alone would be taken from every program
      {{VK_SHIFT}, 'K', "Ctrl + Alt + K"},          // and so would a capital
      {{VK_CONTROL}, VK_CONTROL, "Ctrl + Alt + K"}, // a modifier is no key
      {{VK_SHIFT}, VK_F8, "Shift + F8"},
      {{}, VK_F2, "F2"},                            // the dialog's F2 edits an entry: not here
      {{VK_LWIN}, VK_HOME, "Win + Home"},
      {{VK_CONTROL, VK_SHIFT}, VK_NUMPAD7, "Ctrl + Shift + Num 7"},
      {{}, VK_DELETE, "なし"},                      // the dialog's Delete deletes an entry: here it clears
  };
  SetFocus(store);
  for (const KeyPress& press : presses) {
    SCOPED_TRACE(press.shown);
    BYTE state[256] = {};
    for (int key : press.held) state[key] = 0x80;
    SetKeyboardState(state);
    PostMessageA(store, WM_KEYDOWN, press.key, 1);
    Pump();
    EXPECT_EQ(press.shown, TextOf(store));
  }
  BYTE none[256] = {};
  SetKeyboardState(none);
  EXPECT_EQ((Texts{"a", "b"}), Titles()) << "Delete in the field deleted an entry";
  EXPECT_TRUE(dialog_->StoreHotKey().IsOff());

  PostMessageA(store, WM_KEYDOWN, VK_F9, 1);
  Pump();
  Press(IDOK);
  TRegSection section = OpenSection(ApplicationKeys(), "AutoIcon");
  EXPECT_EQ(ValueFromHotKey(THotKey{0, VK_F9}), TRegDword(section.Keys(), "StoreHotKey").Get(0))
      << "OK writes the key";
  // Cancel after a change gives back what OK kept.
  dialog_->ShowSettings();
  Pump();
  SetFocus(store);
  PostMessageA(store, WM_KEYDOWN, VK_BACK, 1);
  Pump();
  EXPECT_EQ("なし", TextOf(store));
  Press(IDCANCEL);
  EXPECT_EQ("F9", TextOf(store));
  EXPECT_EQ((THotKey{0, VK_F9}), dialog_->StoreHotKey());
  EXPECT_EQ(kDefaultRestoreHotKey, dialog_->RestoreHotKey());
}
