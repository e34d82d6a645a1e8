#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/window/elements/CheckElement.h"
#include "framework/window/elements/ControlElement.h"
#include "framework/window/elements/HistoryElements.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "framework/window/shapes/TShape.h"
#include "tests/support/CountingShape.h"
#include "tests/support/ThrowawayRegKey.h"
#include "tests/support/WindowQueries.h"

namespace {

class DialogElements : public ::testing::Test {
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
  void Open() {
    shape_.RunModeless(0);
    ASSERT_NE(nullptr, shape_.Handle());
    PumpWaitingMessages();
  }
  void Click(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
    PumpWaitingMessages();
  }
  ThrowawayRegKey key_;
  TCountingShape shape_{"elements"};
};

TEST_F(DialogElements, ACheckBoxPersistsItsStateAndRulesItsDependent) {
  auto* check = shape_.Content().Add(std::make_unique<TCheckElement>("自動で(&AUTO&)", false));
  auto* checkElement = static_cast<TCheckElement*>(check);
  checkElement->SetSettingsName("Auto");
  auto* dependent = static_cast<TNumberElement*>(checkElement->SetDependent(std::make_unique<TNumberElement>(60, 3, 90, 20)));
  Open();
  ASSERT_NE(nullptr, checkElement->Control());
  EXPECT_FALSE(IsWindowEnabled(dependent->Control())) << "unticked: the dependent is off";

  Click(checkElement->Control());
  EXPECT_TRUE(checkElement->Ticked());
  EXPECT_TRUE(IsWindowEnabled(dependent->Control()));
  ASSERT_EQ(1u, shape_.changes.size());
  EXPECT_EQ(static_cast<void*>(checkElement), shape_.changes[0]);
  // A click notice that changed nothing is no change.
  SendMessageA(shape_.Handle(), WM_COMMAND, MAKEWPARAM(checkElement->Id(), BN_CLICKED),
               reinterpret_cast<LPARAM>(checkElement->Control()));
  EXPECT_EQ(1u, shape_.changes.size());

  // Disabling the box takes the dependent with it; enabling gives it back only when ticked.
  checkElement->Enable(false);
  EXPECT_FALSE(IsWindowEnabled(dependent->Control()));
  checkElement->Enable(true);
  EXPECT_TRUE(IsWindowEnabled(dependent->Control()));

  TRegSection dialog = OpenSection(ApplicationKeys(), "Dialog");
  const TRegKeyList& keys = dialog.Keys();
  shape_.Save(keys);
  EXPECT_EQ(1u, TRegDword(keys, "Auto").Get(7));
  TCheckElement fresh("x", false);
  fresh.SetSettingsName("Auto");
  fresh.Load(keys);
  EXPECT_TRUE(fresh.Ticked());
  TCheckElement absent("x", true);
  absent.SetSettingsName("NotStored");
  absent.Load(keys);
  EXPECT_TRUE(absent.Ticked()) << "nothing stored: the initial state stays";
  TCheckElement unnamed("x", true);
  unnamed.Save(keys);
  EXPECT_FALSE(TRegDword(keys, "").Exists()) << "no name, nothing written";
}

TEST_F(DialogElements, ARadioGroupKeepsTheChosenValue) {
  auto radio = std::make_unique<TRadioGroupElement>("方法(&METHOD&)", 20);
  radio->SetSettingsName("Method");
  radio->AddChoice(10, "速く(&FAST&)");
  radio->AddChoice(20, "確実に(&SURE&)", std::make_unique<TNumberElement>(50, 0, 9, 1));
  auto* group = static_cast<TRadioGroupElement*>(shape_.Content().Add(std::move(radio)));
  Open();
  std::vector<HWND> buttons;
  for (HWND child = GetWindow(shape_.Handle(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongA(child, GWL_STYLE) & 0x0F) == BS_AUTORADIOBUTTON) buttons.push_back(child);
  }
  ASSERT_EQ(2u, buttons.size());
  HWND fast = GetDlgCtrlID(buttons[0]) < GetDlgCtrlID(buttons[1]) ? buttons[0] : buttons[1];
  EXPECT_EQ(BST_UNCHECKED, SendMessageA(fast, BM_GETCHECK, 0, 0));
  Click(fast);
  EXPECT_EQ(10u, group->Value());
  EXPECT_EQ(1u, shape_.changes.size());
  TRegSection dialog = OpenSection(ApplicationKeys(), "Dialog");
  const TRegKeyList& keys = dialog.Keys();
  shape_.Save(keys);
  EXPECT_EQ(10u, TRegDword(keys, "Method").Get(0));
  TRadioGroupElement fresh("", 20);
  fresh.SetSettingsName("Method");
  fresh.Load(keys);
  EXPECT_EQ(10u, fresh.Value());
}

TEST_F(DialogElements, HistoriesPersistInOrderAndEndAtAGap) {
  TRegSection dialog = OpenSection(ApplicationKeys(), "Dialog");
  const TRegKeyList& keys = dialog.Keys();
  TListElement list(100, 60);
  list.SetSettingsName("Files");
  for (const char* text : {"c.txt", "b.txt", "a.txt"}) {
    const TString entry(text);
    list.AddToHistory(&entry, 10);
  }
  list.SetCurrent("b.txt");
  list.Save(keys);
  {
    TRegSection section = OpenSection(keys, "Files");
    EXPECT_EQ("a.txt", TRegString(section.Keys(), "000000").Get("").Bytes());
    EXPECT_EQ("c.txt", TRegString(section.Keys(), "000002").Get("").Bytes());
    EXPECT_FALSE(TRegString(section.Keys(), "SelectText").Exists()) << "the selection sits beside the section";
  }
  EXPECT_EQ("b.txt", TRegString(keys, "SelectText").Get("").Bytes());

  TListElement again(100, 60);
  again.SetSettingsName("Files");
  again.Load(keys);
  ASSERT_EQ(3u, again.History().size());
  EXPECT_EQ("a.txt", again.History()[0].Bytes());
  EXPECT_EQ("b.txt", again.History()[1].Bytes());
  EXPECT_EQ("c.txt", again.History()[2].Bytes());
  EXPECT_EQ("b.txt", again.Current().Bytes());

  // A saved shorter history leaves no tail; a gap ends the list.
  {
    TRegSection section = OpenSection(keys, "Files");
    TRegString(section.Keys(), "000004").Write("beyond a gap");
  }
  again.Load(keys);
  EXPECT_EQ(3u, again.History().size());
  TComboElement combo(100, 80);
  combo.SetSettingsName("Files");
  const TString only("only");
  combo.AddToHistory(&only, 10);
  combo.Save(keys);
  again.Load(keys);
  ASSERT_EQ(1u, again.History().size());
  EXPECT_EQ("only", again.History()[0].Bytes());
}

TEST_F(DialogElements, HistoryControlsShowTheListAndSelectTheCurrentText) {
  auto list = std::make_unique<TListElement>(120, 60);
  auto combo = std::make_unique<TComboElement>(120, 80, true, TString("二番"));
  for (const char* text : {"三番", "二番", "一番"}) {
    const TString entry(text);
    list->AddToHistory(&entry, 10);
    combo->AddToHistory(&entry, 10);
  }
  list->SetCurrent("二番");
  auto* listElement = static_cast<TListElement*>(shape_.Content().Add(std::move(list)));
  auto* comboElement = static_cast<TComboElement*>(shape_.Content().Add(std::move(combo)));
  Open();
  EXPECT_EQ(3, SendMessageA(listElement->Control(), LB_GETCOUNT, 0, 0));
  EXPECT_EQ(1, SendMessageA(listElement->Control(), LB_GETCURSEL, 0, 0));
  EXPECT_NE(0, GetWindowLongA(comboElement->Control(), GWL_STYLE) & CBS_DISABLENOSCROLL);
  char text[64] = {};
  GetWindowTextA(comboElement->Control(), text, sizeof text);
  EXPECT_STREQ("二番", text);
  // The control's text goes on top when the caller names none.
  SetWindowTextA(comboElement->Control(), "四番");
  comboElement->AddToHistory(nullptr, 3);
  ASSERT_EQ(3u, comboElement->History().size());
  EXPECT_EQ("四番", comboElement->History()[0].Bytes());
  EXPECT_EQ("二番", comboElement->History()[2].Bytes()) << "the oldest dropped at the limit";
}

TEST_F(DialogElements, NumbersStayInTheirBoundsAndSlidersPageByATenth) {
  auto* number = static_cast<TNumberElement*>(shape_.Content().Add(std::make_unique<TNumberElement>(60, 3, 90, 20)));
  auto* slider = static_cast<TSliderElement*>(shape_.Content().Add(std::make_unique<TSliderElement>(120, 0, 255, 180)));
  Open();
  char text[16] = {};
  GetWindowTextA(number->Control(), text, sizeof text);
  EXPECT_STREQ("20", text);
  struct Case {
    const char* typed;
    int value;
  } cases[] = {{"45", 45}, {"999", 90}, {"1", 3}, {"", 3}};
  for (const Case& c : cases) {
    SetWindowTextA(number->Control(), c.typed);
    number->FromControls();
    EXPECT_EQ(c.value, number->Value()) << c.typed;
  }
  EXPECT_EQ(25, SendMessageA(slider->Control(), TBM_GETPAGESIZE, 0, 0));
  EXPECT_EQ(180, SendMessageA(slider->Control(), TBM_GETPOS, 0, 0));
  SendMessageA(slider->Control(), TBM_SETPOS, TRUE, 40);
  slider->FromControls();
  EXPECT_EQ(40, slider->Position());
}

}  // namespace
