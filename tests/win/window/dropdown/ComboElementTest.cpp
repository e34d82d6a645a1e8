#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/icons/IconFactories.h"
#include "framework/path/ShellLink.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/window/dropdown/ComboElement.h"
#include "framework/window/dropdown/FloatComboList.h"
#include "framework/window/dropdown/pure/ComboChoice.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "framework/window/shapes/TShape.h"
#include "tests/support/CountingShape.h"
#include "tests/support/ShellTestFolder.h"
#include "tests/support/ThrowawayRegKey.h"
#include "tests/support/WindowQueries.h"

namespace {

// Pumps until `done` holds, for at most two seconds.
template <class Condition>
bool PumpUntil(Condition done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > 2000) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    PumpWaitingMessages();
  }
  return true;
}

std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::pair<int, int> SelectionOf(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

void Type(HWND edit, const char* text) {
  for (const char* c = text; *c != '\0'; ++c) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*c), 1);
}

void Key(HWND window, WPARAM key) {
  SendMessageA(window, WM_KEYDOWN, key, 1);
  PumpWaitingMessages();
}

// Every entry shows the application icon, so that drawing has one to draw.
class TIconCombo : public TOwnerDrawComboboxElement {
 public:
  using TOwnerDrawComboboxElement::TOwnerDrawComboboxElement;

 protected:
  TIconSource* IconFor(const TString& text) override {
    return text.IsEmpty() ? nullptr : StockIcon(kApplicationStockIcon);
  }
};

class ComboElement : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(key_.Ok());
    CreateGlobalKeyLists(nullptr, key_.Handle());
  }
  void TearDown() override {
    if (shape_.Handle() != nullptr && IsWindow(shape_.Handle())) DestroyWindow(shape_.Handle());
    PumpWaitingMessages();
    CloseAllModeless();
    DestroyGlobalKeyLists();
  }
  TIconCombo* AddCombo(std::vector<const char*> history, int listHeight = 120) {
    auto combo = std::make_unique<TIconCombo>(240, listHeight);
    auto* kept = combo.get();
    std::vector<TString> texts(history.begin(), history.end());
    // The history arrives as a load would leave it.
    for (auto it = texts.rbegin(); it != texts.rend(); ++it) kept->AddToHistory(&*it, kNoHistoryLimit);
    shape_.Content().Add(std::move(combo));
    return kept;
  }
  void Open() {
    shape_.RunModeless(0);
    ASSERT_NE(nullptr, shape_.Handle());
    PumpWaitingMessages();
  }
  ThrowawayRegKey key_;
  TCountingShape shape_{"combo"};
};

TEST_F(ComboElement, BuildsItsWindowsAndTheListFloatsUntilTheFieldGoes) {
  TIconCombo* combo = AddCombo({"a.txt", "b.txt"});
  Open();
  ASSERT_NE(nullptr, combo->Field());
  char name[64] = {};
  GetClassNameA(combo->Field(), name, sizeof name);
  EXPECT_STREQ("VellumCombobox", name);
  GetClassNameA(combo->Edit(), name, sizeof name);
  EXPECT_STREQ("VellumComboEdit", name);
  EXPECT_EQ(shape_.Handle(), GetParent(combo->Edit())) << "the edit is the shape's child";
  EXPECT_EQ(0x50010080u, static_cast<DWORD>(GetWindowLongA(combo->Edit(), GWL_STYLE)));
  HWND list = combo->List();
  ASSERT_NE(nullptr, list);
  EXPECT_EQ(list, FindWindowA(TFloatComboList::kClassName, TFloatComboList::kTitle)) << "a top-level window";
  EXPECT_EQ(GetDesktopWindow(), GetAncestor(list, GA_PARENT));
  EXPECT_EQ(2, SendMessageA(list, LB_GETCOUNT, 0, 0));
  EXPECT_GT(GetDlgCtrlID(list), GetDlgCtrlID(combo->Edit())) << "ids from the shape's counter";

  // The edit lies inside the field, between the icon and the drop button.
  RECT field{};
  RECT edit{};
  GetWindowRect(combo->Field(), &field);
  GetWindowRect(combo->Edit(), &edit);
  EXPECT_GE(edit.left, field.left + 16);
  EXPECT_LE(edit.right, field.right - TOwnerDrawComboboxElement::kButtonWidth);
  EXPECT_GT(edit.top, field.top);
  EXPECT_LT(edit.bottom, field.bottom);

  DestroyWindow(shape_.Handle());
  PumpWaitingMessages();
  EXPECT_FALSE(IsWindow(list)) << "the floating list goes with its shape";
}

TEST_F(ComboElement, TypingCompletesFromTheHistoryAndDeleteTakesTheCompletionBack) {
  TIconCombo* combo = AddCombo({"C:\\Temp\\Notes.txt", "C:\\Tools\\Editor.exe"});
  Open();
  HWND edit = combo->Edit();
  SetFocus(edit);
  PumpWaitingMessages();
  shape_.changes.clear();

  Type(edit, "c:\\to");
  EXPECT_EQ("C:\\Tools\\Editor.exe", TextOf(edit)) << "another case completes to the entry";
  EXPECT_EQ(std::make_pair(5, 19), SelectionOf(edit)) << "the added part is selected";
  EXPECT_EQ(1, combo->ListSelection());
  EXPECT_FALSE(shape_.changes.empty());

  Key(edit, VK_DELETE);
  EXPECT_EQ("C:\\To", TextOf(edit)) << "Delete removes the completion, which does not come back";
  EXPECT_EQ(std::make_pair(5, 5), SelectionOf(edit));

  Type(edit, "x");
  EXPECT_EQ("C:\\Tox", TextOf(edit)) << "no entry begins so";
  Type(edit, "\b\b");  // backspace comes as a character
  EXPECT_EQ("C:\\T", TextOf(edit)) << "shrinking completes nothing";
  Type(edit, "e");
  EXPECT_EQ("C:\\Temp\\Notes.txt", TextOf(edit)) << "typing on after a deletion completes again";
  EXPECT_EQ(std::make_pair(5, 17), SelectionOf(edit));
  EXPECT_EQ(0, combo->ListSelection());
  combo->FromControls();
  EXPECT_EQ(TString("C:\\Temp\\Notes.txt"), combo->Current());
}

TEST_F(ComboElement, OpeningASecondListClosesTheFirst) {
  TIconCombo* first = AddCombo({"one"});
  TIconCombo* second = AddCombo({"two"});
  Open();
  first->ToggleList();
  PumpWaitingMessages();
  ASSERT_TRUE(first->ListOpen());
  second->ToggleList();
  EXPECT_TRUE(PumpUntil([&] { return !first->ListOpen(); })) << "one open list in the program";
  EXPECT_TRUE(second->ListOpen()) << "its own closing notice was taken back";
  second->ToggleList();
  EXPECT_FALSE(second->ListOpen()) << "the toggle closes an open list";
  // F4 in the edit is the same toggle.
  SetFocus(first->Edit());
  PumpWaitingMessages();
  Key(first->Edit(), VK_F4);
  EXPECT_TRUE(first->ListOpen());
  // Losing the focus closes it.
  SetFocus(second->Edit());
  PumpWaitingMessages();
  EXPECT_FALSE(first->ListOpen());
}

TEST_F(ComboElement, TheListOpensBelowTheFieldOrAboveItNearTheScreenBottom) {
  TIconCombo* combo = AddCombo({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"}, 150);
  Open();
  RECT screen{};
  GetWindowRect(GetDesktopWindow(), &screen);
  struct Case {
    const char* why;
    int fieldTop;  // wanted screen top of the shape
    bool above;
  } cases[] = {
      {"room below", 50, false},
      {"near the bottom", static_cast<int>(screen.bottom) - 90, true},
  };
  for (const Case& c : cases) {
    SetWindowPos(shape_.Handle(), nullptr, 40, c.fieldTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpWaitingMessages();
    combo->OpenList();
    PumpWaitingMessages();
    RECT field{};
    RECT list{};
    GetWindowRect(combo->Field(), &field);
    GetWindowRect(combo->List(), &list);
    EXPECT_EQ(field.left, list.left) << c.why;
    EXPECT_EQ(field.right - field.left, list.right - list.left) << c.why << ": the field's width";
    RECT inside{};
    GetClientRect(combo->List(), &inside);
    const LONG entry = static_cast<LONG>(SendMessageA(combo->List(), LB_GETITEMHEIGHT, 0, 0));
    ASSERT_GT(entry, 0);
    EXPECT_EQ(0, inside.bottom % entry) << c.why << ": whole entries only";
    EXPECT_LE(list.bottom - list.top, 150) << c.why;
    EXPECT_GT(list.bottom - list.top, 150 - entry) << c.why << ": as many entries as fit";
    if (c.above) {
      EXPECT_EQ(field.top, list.bottom) << c.why;
    } else {
      EXPECT_EQ(field.bottom, list.top) << c.why;
    }
    EXPECT_TRUE(GetWindowLongA(combo->List(), GWL_EXSTYLE) & WS_EX_TOPMOST) << c.why;
    combo->CloseList();
    EXPECT_FALSE(IsWindowVisible(combo->List())) << c.why;
  }
}

TEST_F(ComboElement, KeysInTheEditStepTheClosedListWithinItsEntries) {
  TIconCombo* combo = AddCombo({"first", "second", "third"});
  Open();
  HWND edit = combo->Edit();
  struct Case {
    const char* why;
    WPARAM key;
    int selection;
  } cases[] = {
      {"nothing selected: up takes the first", VK_UP, 0},
      {"not before the first", VK_PRIOR, 0},
      {"down one", VK_DOWN, 1},
      {"a page of a closed list is one", VK_NEXT, 2},
      {"not past the last", VK_DOWN, 2},
      {"up one", VK_UP, 1},
  };
  const char* texts[] = {"first", "second", "third"};
  for (const Case& c : cases) {
    Key(edit, c.key);
    EXPECT_EQ(c.selection, combo->ListSelection()) << c.why;
    EXPECT_EQ(texts[c.selection], TextOf(edit)) << c.why << ": the entry's text comes into the edit";
    EXPECT_EQ(std::make_pair(0, static_cast<int>(strlen(texts[c.selection]))), SelectionOf(edit)) << c.why;
    EXPECT_FALSE(combo->ListOpen()) << c.why;
  }
  // Scrolls through the edit go the same way; queued repeats of a closed list count once.
  PostMessageA(edit, WM_VSCROLL, SB_BOTTOM, 0);
  PostMessageA(edit, WM_VSCROLL, SB_TOP, 0);
  PumpWaitingMessages();
  EXPECT_EQ(2, combo->ListSelection());
  EXPECT_EQ("third", TextOf(edit));
}

TEST_F(ComboElement, TheOpenListFollowsTheMouseAndScrollsOneEntryPerTick) {
  std::vector<const char*> names = {"e00", "e01", "e02", "e03", "e04", "e05", "e06", "e07", "e08", "e09"};
  TIconCombo* combo = AddCombo(names, 60);
  Open();
  combo->ToggleList();
  PumpWaitingMessages();
  ASSERT_TRUE(combo->ListOpen());
  HWND list = combo->List();
  const int itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  ASSERT_GE(itemHeight, 16) << "room for the icons";
  RECT client{};
  GetClientRect(list, &client);

  SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(10, itemHeight + itemHeight / 2));
  EXPECT_EQ(1, combo->ListSelection()) << "the entry under the cursor";
  EXPECT_EQ("", TextOf(combo->Edit())) << "following the mouse chooses nothing yet";

  // Below the list, within its width: one entry down per tick.
  SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, client.bottom + 20));
  SendMessageA(list, WM_TIMER, TFloatComboList::kScrollTimer, 0);
  EXPECT_EQ(2, combo->ListSelection());
  SendMessageA(list, WM_TIMER, TFloatComboList::kScrollTimer, 0);
  EXPECT_EQ(3, combo->ListSelection());
  // Beside it: no scrolling.
  SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right + 30, client.bottom + 20));
  SendMessageA(list, WM_TIMER, TFloatComboList::kScrollTimer, 0);
  EXPECT_EQ(3, combo->ListSelection());
  // The real timer runs too.
  SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, -20));
  EXPECT_TRUE(PumpUntil([&] { return combo->ListSelection() == 2; })) << "one up within a bounded wait";

  // A click takes the entry and closes the list.
  shape_.changes.clear();
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 0 + itemHeight / 2));
  PumpWaitingMessages();
  const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  EXPECT_EQ(names[top], TextOf(combo->Edit()));
  EXPECT_FALSE(combo->ListOpen());
  EXPECT_FALSE(shape_.changes.empty());
  EXPECT_EQ(StockIcon(kApplicationStockIcon), combo->CurrentIcon());
}

TEST_F(ComboElement, ADropPutsItsNameOrShortcutTargetInTheEditButNeverACutName) {
  TComApartment com;
  ASSERT_TRUE(com.Ok());
  TShellTestFolder folder;
  ASSERT_TRUE(folder.WriteFile("target.txt", "x"));
  const std::string target = folder.File("target.txt");
  ASSERT_TRUE(CreateShortcut(TString(folder.File("Link.LNK").c_str()), TString(target.c_str()), TString()));
  ASSERT_TRUE(folder.WriteFile("broken.lnk", "not a shortcut"));

  TIconCombo* combo = AddCombo({});
  Open();
  const auto drop = [](const std::string& path) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + path.size() + 2);
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), path.c_str(), path.size());
    GlobalUnlock(memory);
    return reinterpret_cast<WPARAM>(memory);
  };
  // A name of `length` characters in the folder; it need not exist.
  const auto named = [&](size_t length) {
    const std::string start = folder.Path() + "\\";
    return start + std::string(length - start.size() - 4, 'n') + ".txt";
  };
  struct Case {
    const char* why;
    std::string dropped;
    std::string shown;
    bool taken;
  } cases[] = {
      {"a file: its name", target, target, true},
      {"a shortcut in any case: its target", folder.File("Link.LNK"), target, true},
      {"a shortcut that cannot be read: its own path", folder.File("broken.lnk"), folder.File("broken.lnk"), true},
      {"a name of MAX_PATH characters fits the field", named(MAX_PATH), named(MAX_PATH), true},
      {"one character more would be cut to another name: the field stays", named(MAX_PATH + 1), named(MAX_PATH),
       false},
      {"far longer: the field stays", named(1000), named(MAX_PATH), false},
  };
  for (const Case& c : cases) {
    shape_.changes.clear();
    TIconSource* const iconBefore = combo->CurrentIcon();
    // Dropped on the edit, which hands the drop to the field.
    SendMessageA(combo->Edit(), WM_DROPFILES, drop(c.dropped), 0);
    EXPECT_EQ(c.shown, TextOf(combo->Edit())) << c.why;
    EXPECT_TRUE(combo->IconSetByDrop()) << c.why;
    EXPECT_NE(nullptr, combo->CurrentIcon()) << c.why;
    if (!c.taken) {
      EXPECT_EQ(iconBefore, combo->CurrentIcon()) << c.why;
    }
    EXPECT_EQ(c.taken ? 1u : 0u, shape_.changes.size()) << c.why;
  }
  // Typing afterwards gives the icon back to the text.
  SendMessageA(combo->Edit(), WM_CHAR, 'z', 1);
  EXPECT_FALSE(combo->IconSetByDrop());
}

TEST_F(ComboElement, TheHistoryPersistsInItsSectionAndFillsTheListInOrder) {
  TIconCombo stored(200, 100);
  stored.SetSettingsName("Files");
  for (const char* text : {"old.txt", "new.txt"}) {
    const TString entry(text);
    stored.AddToHistory(&entry, kNoHistoryLimit);
  }
  stored.Save(ApplicationKeys());
  {
    TRegSection section = OpenSection(ApplicationKeys(), "Files");
    EXPECT_EQ(TString("new.txt"), TRegString(section.Keys(), "000000").Get(TString())) << "most recent first";
    EXPECT_EQ(TString("old.txt"), TRegString(section.Keys(), "000001").Get(TString()));
    EXPECT_FALSE(TRegString(section.Keys(), "000002").Exists());
  }

  TIconCombo* loaded = AddCombo({"stale"});
  loaded->SetSettingsName("Files");
  loaded->Load(ApplicationKeys());
  Open();
  HWND list = loaded->List();
  ASSERT_EQ(2, SendMessageA(list, LB_GETCOUNT, 0, 0)) << "the loaded history replaces what was there";
  // Inserted in history order whatever the sort style: each entry's data is its place.
  EXPECT_EQ(0, SendMessageA(list, LB_GETITEMDATA, 0, 0));
  SendMessageA(loaded->Edit(), WM_KEYDOWN, VK_DOWN, 1);
  PumpWaitingMessages();
  EXPECT_EQ("new.txt", TextOf(loaded->Edit()));
}

TEST_F(ComboElement, PaintsItsIconAndButtonEnabledAndDisabled) {
  TIconCombo* combo = AddCombo({"a"});
  Open();
  SetWindowTextA(combo->Edit(), "a");
  PumpWaitingMessages();
  HWND field = combo->Field();
  const auto pixelAt = [&](int x, int y) {
    RedrawWindow(field, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(field);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(field, dc);
    return colour;
  };
  RECT client{};
  GetClientRect(field, &client);
  // A point of the text area right of the edit's end cannot show an icon.
  const COLORREF enabled = pixelAt(client.right - TOwnerDrawComboboxElement::kButtonWidth - 1, 0);
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), enabled);
  combo->Enable(false);
  EXPECT_FALSE(IsWindowEnabled(combo->Edit()));
  const COLORREF disabled = pixelAt(client.right - TOwnerDrawComboboxElement::kButtonWidth - 1, 0);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), disabled);
}

}  // namespace
