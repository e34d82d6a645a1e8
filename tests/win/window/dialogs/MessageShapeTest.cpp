#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/window/controls/TransparentControls.h"
#include "framework/window/dialogs/MessageShape.h"
#include "framework/window/elements/ControlElement.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "framework/window/shapes/TShape.h"
#include "tests/support/PlayedUser.h"
#include "tests/support/ThreadShapes.h"
#include "tests/support/ThrowawayRegKey.h"
#include "tests/win/icons/IconTestSupport.h"

namespace {

HWND CheckBoxOf(HWND shape) {
  for (HWND child = GetWindow(shape, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongA(child, GWL_STYLE) & 0x0F) == BS_AUTOCHECKBOX) return child;
  }
  return nullptr;
}

class MessageShapes : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(key_.Ok());
    CreateGlobalKeyLists(nullptr, key_.Handle());
  }
  void TearDown() override {
    BYTE keys[256] = {};
    SetKeyboardState(keys);
    CloseAllModeless();
    DestroyGlobalKeyLists();
  }
  // An OK / Cancel notice with the check box, as the program asks before overwriting.
  int Ask(const char* key, std::function<void(HWND)> user) {
    user_.Next(std::move(user));
    auto row = MakeButtonRow(kDockBottom, {{IDOK, "OK(&OK&)", "OK_ICON"}, {IDCANCEL, "ｷｬﾝｾﾙ(&CANCEL&)", "CANCEL_ICON"}});
    auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
    group->AddShared(WarningIcon());
    group->Add(TTextElement::Message("ﾌｧｲﾙ \"メモ.txt\" は既にあります。\n上書きしますか?"));
    auto check = MakeStereotypeCheck(key);
    const int result = MessageShape(nullptr, key, row.get(), group.get(), check.get(), nullptr);
    user_.Next(nullptr);
    return result;
  }
  DWORD Remembered(const char* key) {
    TRegSection section = OpenSection(ApplicationKeys(), "WithoutStereotype");
    return TRegDword(section.Keys(), key).Get(0xDEAD);
  }
  void HoldShift(bool held) {
    BYTE keys[256] = {};
    if (held) keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
  }
  ThrowawayRegKey key_;
  PlayedUser user_{VisibleShapeOfThisThread, PostClose};
};

auto TickAndPress(int button) {
  return [button](HWND shape) {
    SendMessageA(CheckBoxOf(shape), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(shape, button), BM_CLICK, 0, 0);
  };
}

TEST_F(MessageShapes, ARememberedAnswerReturnsAtOnceWithoutShowing) {
  EXPECT_EQ(IDOK, Ask("Overwrite", TickAndPress(IDOK)));
  EXPECT_EQ(1, user_.Seen());
  EXPECT_EQ(static_cast<DWORD>(IDOK), Remembered("Overwrite"));
  // Asked again: answered from the registry, nothing shown.
  EXPECT_EQ(IDOK, Ask("Overwrite", [](HWND shape) { SendMessageA(shape, WM_SYSCOMMAND, SC_CLOSE, 0); }));
  EXPECT_EQ(1, user_.Seen());

  // Shift shows it, ticked; unticking writes 0, and it asks again.
  HoldShift(true);
  bool wasTicked = false;
  EXPECT_EQ(IDOK, Ask("Overwrite", [&](HWND shape) {
              wasTicked = SendMessageA(CheckBoxOf(shape), BM_GETCHECK, 0, 0) == BST_CHECKED;
              SendMessageA(CheckBoxOf(shape), BM_CLICK, 0, 0);
              SendMessageA(GetDlgItem(shape, IDOK), BM_CLICK, 0, 0);
            }));
  HoldShift(false);
  EXPECT_EQ(2, user_.Seen());
  EXPECT_TRUE(wasTicked);
  EXPECT_EQ(0u, Remembered("Overwrite"));
  EXPECT_EQ(IDCANCEL, Ask("Overwrite", [](HWND shape) { SendMessageA(shape, WM_SYSCOMMAND, SC_CLOSE, 0); }));
  EXPECT_EQ(3, user_.Seen());
}

TEST_F(MessageShapes, ACancelledMessageIsNeverSuppressed) {
  EXPECT_EQ(IDCANCEL, Ask("Cancelled", TickAndPress(IDCANCEL)));
  EXPECT_EQ(0xDEADu, Remembered("Cancelled")) << "nothing written";
  EXPECT_EQ(IDOK, Ask("Cancelled", [](HWND shape) { SendMessageA(GetDlgItem(shape, IDOK), BM_CLICK, 0, 0); }));
  EXPECT_EQ(2, user_.Seen()) << "shown again";
  EXPECT_EQ(0u, Remembered("Cancelled"));
}

// A remembered answer that no button gives would leave a hidden box that
// never closes: the message is asked instead.
TEST_F(MessageShapes, AnAnswerNoButtonGivesShowsTheMessage) {
  {
    TRegSection section = OpenSection(ApplicationKeys(), "WithoutStereotype");
    TRegDword(section.Keys(), "Reused").Write(IDRETRY);
  }
  EXPECT_EQ(IDOK, Ask("Reused", [](HWND shape) { SendMessageA(GetDlgItem(shape, IDOK), BM_CLICK, 0, 0); }));
  EXPECT_EQ(1, user_.Seen());
}

// Watches the test's thread from a thread of its own, since a stuck message
// may keep the test's thread from running anything: a shape of it that has
// stayed hidden for about two seconds waits for a command nothing sends and
// is closed; a help viewer that comes up (Help pressed from a hidden message)
// is ended, which also frees a thread that waits for its answer. Both are
// counted, so that such a case fails instead of hanging the run.
class HiddenShapeWatch {
 public:
  HiddenShapeWatch() : testThread_(GetCurrentThreadId()), thread_([this] { Run(); }) {}
  ~HiddenShapeWatch() {
    stop_ = true;
    thread_.join();
  }
  HiddenShapeWatch(const HiddenShapeWatch&) = delete;
  HiddenShapeWatch& operator=(const HiddenShapeWatch&) = delete;
  int Closed() const { return closed_; }
  int HelpViewers() const { return helpViewers_; }

 private:
  static BOOL CALLBACK FindHidden(HWND window, LPARAM found) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, TShape::kClassName) != 0 || IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  void EndHelpViewer() {
    HWND viewer = FindWindowA("MS_WINHELP", nullptr);
    if (viewer == nullptr) return;
    DWORD id = 0;
    GetWindowThreadProcessId(viewer, &id);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (process == nullptr) return;
    ++helpViewers_;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
  void Run() {
    int ticks = 0;
    while (!stop_) {
      Sleep(20);
      EndHelpViewer();
      HWND hidden = nullptr;
      EnumThreadWindows(testThread_, FindHidden, reinterpret_cast<LPARAM>(&hidden));
      if (hidden == nullptr || ++ticks < 100) {
        if (hidden == nullptr) ticks = 0;
        continue;
      }
      ticks = 0;
      ++closed_;
      PostMessageA(hidden, WM_CLOSE, 0, 0);
    }
  }
  const DWORD testThread_;
  std::atomic<bool> stop_{false};
  std::atomic<int> closed_{0};
  std::atomic<int> helpViewers_{0};
  std::thread thread_;
};

// A remembered answer is used only when it names a button of the message's
// row that closes it; an edited value that names the text, the check box,
// Help or no control at all shows the message, ticked, instead of leaving a
// hidden box that never ends.
TEST_F(MessageShapes, OnlyAClosingButtonOfTheRowIsARememberedAnswer) {
  struct Case {
    const char* why;
    DWORD planted;
    bool silent;      // answered without showing, with the planted id
    bool namesChild;  // the shown message has a control of that id
  } cases[] = {
      {"OK, the row's first button", IDOK, true, true},
      {"No, another button of the row", IDNO, true, true},
      {"the message's text, the shape's first control", 5001, false, true},
      {"its own check box", 5002, false, true},
      {"Help opens the help file and closes nothing", IDHELP, false, true},
      {"beyond every control id", 0x7FFFFFFF, false, false},
      {"a negative number", static_cast<DWORD>(-2), false, false},
      {"minus one, the id of unnumbered controls", static_cast<DWORD>(-1), false, false},
  };
  HiddenShapeWatch watch;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const std::string key = "Planted" + std::to_string(c.planted);
    {
      TRegSection section = OpenSection(ApplicationKeys(), "WithoutStereotype");
      TRegDword(section.Keys(), key.c_str()).Write(c.planted);
    }
    const int seenBefore = user_.Seen();
    const int closedBefore = watch.Closed();
    const int viewersBefore = watch.HelpViewers();
    bool ticked = false;
    bool plantedNamesAChild = false;
    user_.Next([&](HWND shape) {
      ticked = SendMessageA(CheckBoxOf(shape), BM_GETCHECK, 0, 0) == BST_CHECKED;
      plantedNamesAChild = GetDlgItem(shape, static_cast<int>(c.planted)) != nullptr;
      SendMessageA(GetDlgItem(shape, IDOK), BM_CLICK, 0, 0);
    });
    auto row = MakeButtonRow(kDockBottom, {{IDOK, "OK(&OK&)", "OK_ICON"},
                                           {IDNO, "いいえ(&NO&)", "CANCEL_ICON"},
                                           {IDHELP, "ﾍﾙﾌﾟ(&HELP&)", "OK_ICON", true, 1000}});
    auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
    group->AddShared(QuestionIcon());
    group->Add(TTextElement::Message("設定を保存しますか?"));
    auto check = MakeStereotypeCheck(key.c_str());
    const int result = MessageShape(nullptr, key.c_str(), row.get(), group.get(), check.get(), nullptr);
    user_.Next(nullptr);
    EXPECT_EQ(closedBefore, watch.Closed()) << "a hidden message waited for a command nothing sends";
    EXPECT_EQ(viewersBefore, watch.HelpViewers()) << "a hidden message opened the help";
    if (c.silent) {
      EXPECT_EQ(static_cast<int>(c.planted), result);
      EXPECT_EQ(seenBefore, user_.Seen()) << "answered without showing";
    } else {
      EXPECT_EQ(IDOK, result);
      EXPECT_EQ(seenBefore + 1, user_.Seen()) << "the message was shown";
      EXPECT_TRUE(ticked) << "shown ticked, as a remembered answer is";
      if (c.namesChild) {
        EXPECT_TRUE(plantedNamesAChild) << "the planted id must name a child for the case to count";
      }
    }
  }
}

TEST_F(MessageShapes, TheFirstButtonIsTheDefaultAndCloseIsCancel) {
  bool firstIsDefault = false, secondIsDefault = true;
  std::string okText;
  EXPECT_EQ(IDCANCEL, Ask("Keys", [&](HWND shape) {
              char text[64] = {};
              GetWindowTextA(GetDlgItem(shape, IDOK), text, sizeof text);
              okText = text;
              const TButtonDescriptor* first = PushButtonDescriptor(GetDlgItem(shape, IDOK));
              const TButtonDescriptor* second = PushButtonDescriptor(GetDlgItem(shape, IDCANCEL));
              firstIsDefault = first != nullptr && first->isDefault;
              secondIsDefault = second == nullptr || second->isDefault;
              SendMessageA(shape, WM_SYSCOMMAND, SC_CLOSE, 0);
            }));
  EXPECT_TRUE(firstIsDefault);
  EXPECT_FALSE(secondIsDefault);
  EXPECT_EQ("OK(&O)", okText);
}

// Messages answered from the registry are built and closed like any other:
// a thousand of them leave the GDI count and the windows as they were.
TEST_F(MessageShapes, AThousandMessagesLeaveNothingBehind) {
  {
    TRegSection section = OpenSection(ApplicationKeys(), "WithoutStereotype");
    TRegDword(section.Keys(), "Often").Write(IDOK);
  }
  EXPECT_EQ(IDOK, Ask("Often", nullptr));
  const long before = GdiObjectCount();
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(IDOK, Ask("Often", nullptr));
  EXPECT_LE(GdiObjectCount(), before + 2);
  EXPECT_EQ(0, user_.Seen());
}

}  // namespace

namespace {

// Keys reach the message through its own loop: Enter presses the default
// button, Esc cancels, and an underlined letter presses its button.
TEST_F(MessageShapes, EnterEscAndUnderlinedLettersPressTheirButtons) {
  struct Case {
    const char* why;
    UINT message;
    WPARAM key;
    int result;
  } cases[] = {
      {"Enter: the default button", WM_KEYDOWN, VK_RETURN, IDRETRY},
      {"Esc: Cancel", WM_KEYDOWN, VK_ESCAPE, IDCANCEL},
      {"the underlined R", WM_CHAR, 'r', IDRETRY},
      {"the underlined C", WM_CHAR, 'c', IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    user_.Next([&c](HWND shape) {
      HWND target = GetFocus() != nullptr ? GetFocus() : shape;
      PostMessageA(target, c.message, c.key, 1);
    });
    auto row = MakeButtonRow(kDockBottom, {{IDRETRY, "再試行(&RETRY&)", "RENEW_ICON"},
                                           {IDCANCEL, "ｷｬﾝｾﾙ(&CANCEL&)", "CANCEL_ICON"}});
    auto group = MakeGroup(kDockTop, kAlignLeft, 12, 12);
    group->AddShared(ErrorIcon());
    group->Add(TTextElement::Message("応答がありません。"));
    EXPECT_EQ(c.result, MessageShape(nullptr, "Keys", row.get(), group.get(), nullptr));
  }
}

}  // namespace

namespace {

// The user's "Beep" setting silences message sounds unless they are forced;
// icons without a sound of their own play the default one only when forced.
TEST(MessageSounds, TheBeepSettingAndForcedSounds) {
  ThrowawayRegKey user;
  ASSERT_TRUE(user.Ok());
  // The current user's hive is the throwaway key for this test.
  ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, user.Handle()));
  struct Case {
    const char* beep;  // null: no value
    TIconElement* icon;
    bool force;
    const char* alias;  // null: silent
  } cases[] = {
      {nullptr, WarningIcon(), false, "SystemExclamation"},
      {"Yes", ErrorIcon(), false, "SystemHand"},
      {"No", WarningIcon(), false, nullptr},
      {"nO", InformationIcon(), false, nullptr},
      {"いいえ", QuestionIcon(), false, nullptr},
      {"No", QuestionIcon(), true, "SystemQuestion"},
      {"Nope", CureIcon(), false, "SystemAsterisk"},
      {nullptr, ApplicationIcon(), false, nullptr},
      {nullptr, WindowsLogoIcon(), true, ".Default"},
  };
  for (const Case& c : cases) {
    HKEY sound = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Sound", 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &sound, nullptr));
    RegDeleteValueA(sound, "Beep");
    if (c.beep != nullptr) {
      RegSetValueExA(sound, "Beep", 0, REG_SZ, reinterpret_cast<const BYTE*>(c.beep),
                     static_cast<DWORD>(std::strlen(c.beep) + 1));
    }
    RegCloseKey(sound);
    const char* alias = IconSoundAlias(*c.icon, c.force);
    EXPECT_STREQ(c.alias, alias) << (c.beep ? c.beep : "(none)") << (c.force ? " forced" : "");
  }
  RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
}

}  // namespace
