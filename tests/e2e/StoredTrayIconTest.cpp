// Tray icons of stored windows, made by this process for "foreign" windows of
// another thread (Wine cannot read another process's icons) and observed in
// the stand-in taskbar's log.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/storing/StoredWindow.h"
#include "app/storing/TrayIcons.h"
#include "app/storing/pure/TrayText.h"
#include "framework/window/core/WindowUtils.h"
#include "tests/support/E2eHarness.h"
#include "tests/support/SolidIcons.h"

namespace {

constexpr DWORD kWaitMs = 3000;

// A hidden window of this thread stands in for the main window, which owns
// every icon.
class StoredTrayIconTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tray_.Start());
    owner_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, owner_);
    AppState().mainWindow = owner_;
  }
  void TearDown() override {
    table_.RemoveAll();
    AppState().mainWindow = nullptr;
    DestroyWindow(owner_);
  }
  // Stores a record for `window` with the next free id and reads its title.
  TStoredWindow& Store(HWND window) {
    TStoredWindow& record = table_.Append(std::make_unique<TStoredWindow>(window, table_.ChooseIconId()));
    record.ReadTitle();
    return record;
  }
  FakeTaskbar tray_;
  HWND owner_ = nullptr;
  TStoredWindowTable table_;
};

ForeignWindowOptions Window(const std::string& className, const std::string& title, unsigned icons) {
  ForeignWindowOptions options;
  options.className = className;
  options.title = title;
  options.windowIcons = icons;
  options.smallColour = 0x00FF00;
  options.bigColour = 0x0000FF;
  return options;
}

}  // namespace

TEST_F(StoredTrayIconTest, EachStoredWindowGetsItsIconTitleAndCallback) {
  const std::u16string face = u"\U0001F600";  // one character in two UTF-16 units
  struct Case {
    std::string title;      // Shift-JIS, or
    std::u16string wide;    // a Unicode window's title in any script
    unsigned icons;
    std::u16string tip;     // exactly as the taskbar receives it
    long rgb;               // the tray icon's colour
  } cases[] = {
      {"Save & Exit", u"", testwindow::kSmallIcon, u"Save & Exit", 0x00FF00},
      {"tab\there\r\nline", u"", testwindow::kBigIcon, u"tab\uFF65here\uFF65\uFF65line", 0x0000FF},
      // Longer than the 63 bytes of the old tip, shorter than the 127 characters of the new one.
      {std::string(70, 'x') + "表", u"", testwindow::kNoIcons, std::u16string(70, u'x') + u"表", -2},
      {"", u"Caf\u00e9 \u4e2d\u6587 \ud55c\uad6d\uc5b4 \u0416 " + face, testwindow::kSmallIcon,
       u"Caf\u00e9 \u4e2d\u6587 \ud55c\uad6d\uc5b4 \u0416 " + face, 0x00FF00},
      // The cut at 127 units would fall inside the pair: the whole character goes.
      {"", std::u16string(126, u'x') + face + u"y", testwindow::kSmallIcon, std::u16string(126, u'x'), 0x00FF00},
  };
  std::vector<std::unique_ptr<ForeignWindowThread>> windows;
  int id = 5000;
  for (const auto& c : cases) {
    SCOPED_TRACE(id);
    ForeignWindowOptions options = Window("StowpaneStored" + std::to_string(id), c.title, c.icons);
    options.wideTitle.assign(c.wide.begin(), c.wide.end());
    windows.push_back(std::make_unique<ForeignWindowThread>(options));
    ASSERT_NE(nullptr, windows.back()->Window());
    TStoredWindow& record = Store(windows.back()->Window());
    EXPECT_EQ(id, record.iconId);
    const size_t before = tray_.Records().size();
    UpdateTrayIcon(record, TIconAction::Add);
    const auto added = tray_.WaitForRecord(TrayCall("ADD", owner_, static_cast<UINT>(id)), kWaitMs, before);
    ASSERT_TRUE(added);
    EXPECT_EQ(static_cast<uint32_t>(NIF_MESSAGE | NIF_ICON | NIF_TIP), added->flags);
    EXPECT_EQ(0x8000u + id, added->callbackMessage);
    EXPECT_TRUE(c.tip == added->wideTip) << added->wideTip.size() << " units";
    EXPECT_EQ("16x16x32", added->icon);
    if (c.rgb >= 0) {
      EXPECT_EQ(c.rgb, added->rgb);
    } else {
      // No icon of its own: the system's application icon, not a blank.
      EXPECT_NE(-1, added->rgb);
    }
    // The menu item shows the title on one line with its ampersands visible.
    EXPECT_EQ(std::string::npos, MakeSingleLineText(MakeMenuText(record.title)).Bytes().find('\t'));
    ++id;
  }
  EXPECT_EQ(5u, tray_.Icons().size());
  EXPECT_EQ("Save && Exit", MakeSingleLineText(MakeMenuText(table_.At(0).title)).Bytes());

  // The callback of an icon leads to its record; others lead nowhere.
  EXPECT_EQ(&table_.At(1), table_.FindByCallback(0x8000 + 5001));
  EXPECT_EQ(nullptr, table_.FindByCallback(0x8000 + 5005));
  EXPECT_EQ(nullptr, table_.FindByCallback(0x8FA0));

  // Freeing 5001 makes it the next id again.
  UpdateTrayIcon(table_.At(1), TIconAction::Delete);
  ASSERT_TRUE(tray_.WaitForRecord(TrayCall("DELETE", owner_, 5001), kWaitMs));
  table_.RemoveAt(1);
  EXPECT_EQ(5001, table_.ChooseIconId());
  EXPECT_EQ(4u, tray_.Icons().size());
}

TEST_F(StoredTrayIconTest, HungWindowIsShownAsUnknownWithoutWaiting) {
  ForeignWindowThread hung(Window("StowpaneStoredHung", "busy window", testwindow::kSmallIcon));
  ASSERT_NE(nullptr, hung.Window());
  ASSERT_TRUE(hung.Hang(3000));
  const DWORD start = GetTickCount();
  TStoredWindow& record = Store(hung.Window());
  UpdateTrayIcon(record, TIconAction::Add);
  EXPECT_LT(GetTickCount() - start, 600u) << "title and icon queries of 100 ms each";
  const auto added = tray_.WaitForRecord(TrayCall("ADD", owner_, 5000), kWaitMs);
  ASSERT_TRUE(added);
  EXPECT_EQ("不明", added->tip);
  EXPECT_EQ("16x16x32", added->icon);  // the fallback icon
}

TEST_F(StoredTrayIconTest, ApplicationTipCountsStoredWindowsInFullWidthDigits) {
  struct Case {
    size_t count;
    std::string tip;
  } cases[] = {
      {0, "Stowpane"},
      {1, "１枚のウィンドウをアイコン化しています。"},
      {12, "１２枚のウィンドウをアイコン化しています。"},
  };
  UpdateApplicationIcon(TIconAction::Add);
  for (const auto& c : cases) {
    const size_t before = tray_.Records().size();
    UpdateApplicationIcon(TIconAction::Modify, StoredCountText(c.count));
    const auto modified = tray_.WaitForRecord(TrayCall("MODIFY", owner_, 4000), kWaitMs, before);
    ASSERT_TRUE(modified);
    EXPECT_EQ(HexFromBytes(c.tip), HexFromBytes(modified->tip)) << c.count;
  }
  UpdateApplicationIcon(TIconAction::Delete);
  EXPECT_TRUE(tray_.WaitForRecord(TrayCall("DELETE", owner_, 4000), kWaitMs));
}
