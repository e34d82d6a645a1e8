// The stand-in taskbar: it takes the tray over, logs every Shell_NotifyIcon
// call of another process exactly, answers as a shell would, and its death
// and a successor are seen by a program that keeps running (this one).
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/E2eHarness.h"
#include "tests/support/SolidIcons.h"

namespace {

constexpr UINT kCallback = 0x8FA0;
constexpr DWORD kWaitMs = 3000;

uint32_t Number(HWND window) { return static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(window)); }

// A hidden window of this thread that owns icons, as a tray program's main window does.
TTestWindow MakeOwnerWindow() {
  return TTestWindow(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
}

// The program's record layout: NOTIFYICONDATAA of the first shell version (88 bytes).
BOOL Notify(DWORD operation, HWND owner, UINT id, UINT flags, const std::string& tip, HICON icon,
            UINT callback = kCallback) {
  NOTIFYICONDATAA data = {};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = owner;
  data.uID = id;
  data.uFlags = flags;
  data.uCallbackMessage = callback;
  data.hIcon = icon;
  lstrcpynA(data.szTip, tip.c_str(), 64);
  return Shell_NotifyIconA(operation, &data);
}

// The stand-in's own table and the replay of its log agree.
void ExpectTableMatchesLog(const FakeTaskbar& tray) {
  const std::optional<std::vector<TrayRecord>> dumped = tray.DumpedIcons();
  ASSERT_TRUE(dumped);
  const std::vector<TrayRecord> replayed = tray.Icons();
  ASSERT_EQ(dumped->size(), replayed.size());
  for (size_t i = 0; i < replayed.size(); ++i) {
    EXPECT_EQ((*dumped)[i].window, replayed[i].window);
    EXPECT_EQ((*dumped)[i].id, replayed[i].id);
    EXPECT_EQ((*dumped)[i].flags, replayed[i].flags);
    EXPECT_EQ((*dumped)[i].callbackMessage, replayed[i].callbackMessage);
    EXPECT_EQ((*dumped)[i].tip, replayed[i].tip);
    EXPECT_EQ((*dumped)[i].rgb, replayed[i].rgb);
  }
}

TEST(HarnessTray, StandInOwnsTheTaskbarWindow) {
  FakeTaskbar tray;
  ASSERT_TRUE(tray.Start());
  EXPECT_EQ(FindWindowA("Shell_TrayWnd", ""), tray.Window());
  EXPECT_EQ(WindowProcessId(tray.Window()), tray.ProcessId());
  tray.Kill();
  EXPECT_FALSE(IsWindow(tray.Window()));
  EXPECT_EQ(FindWindowA("Shell_TrayWnd", ""), nullptr);
}

struct CallStep {
  const char* name;
  DWORD operation;
  UINT flags;
  std::string tip;
  unsigned rgb;           // the icon given, when flags has NIF_ICON
  BOOL answer;            // what Shell_NotifyIconA returns
  const char* logged;     // the record's operation
  size_t iconsAfter;
};

TEST(HarnessTray, LogsEveryCallExactlyAndAnswersAsAShell) {
  FakeTaskbar tray;
  ASSERT_TRUE(tray.Start());
  TTestWindow owner = MakeOwnerWindow();
  ASSERT_TRUE(owner);
  std::string tip63;  // the longest tip the record holds, ending after a double-byte run
  for (int i = 0; i < 31; ++i) tip63 += "あ";
  tip63 += "x";
  const CallStep steps[] = {
      {"add", NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP, "ｽﾄｰﾊﾟﾝ&テスト\tタブ", 0x00FF00, TRUE, "ADD", 1},
      {"add twice", NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP, "again", 0x00FF00, FALSE, "ADD", 1},
      {"63-byte tip", NIM_MODIFY, NIF_TIP, tip63, 0, TRUE, "MODIFY", 1},
      {"new colour", NIM_MODIFY, NIF_ICON, "", 0x123456, TRUE, "MODIFY", 1},
      {"delete", NIM_DELETE, 0, "", 0, TRUE, "DELETE", 0},
      {"delete twice", NIM_DELETE, 0, "", 0, FALSE, "DELETE", 0},
      {"change a missing icon", NIM_MODIFY, NIF_TIP, "gone", 0, FALSE, "MODIFY", 0},
  };
  for (const CallStep& step : steps) {
    SCOPED_TRACE(step.name);
    const size_t before = tray.Records().size();
    TIconHandle icon((step.flags & NIF_ICON) ? CreateSolidIcon(16, step.rgb) : nullptr);
    EXPECT_EQ(Notify(step.operation, owner.Get(), 4000, step.flags, step.tip, icon.Get()), step.answer);

    const std::optional<TrayRecord> record = tray.WaitForRecord(TrayCall(step.logged, owner.Get(), 4000), kWaitMs, before);
    ASSERT_TRUE(record);
    EXPECT_EQ(tray.Records().size(), before + 1);
    EXPECT_EQ(record->ok, step.answer != FALSE);
    EXPECT_EQ(record->flags, step.flags);
    if (step.flags & NIF_MESSAGE) {
      EXPECT_EQ(record->callbackMessage, kCallback);
    }
    if (step.flags & NIF_TIP) {
      EXPECT_EQ(HexFromBytes(record->tip), HexFromBytes(step.tip));
    }
    if (step.flags & NIF_ICON) {
      EXPECT_EQ(record->icon, "16x16x32");
      EXPECT_EQ(record->rgb, static_cast<long>(step.rgb));
    }
    EXPECT_EQ(tray.Icons().size(), step.iconsAfter);
    ExpectTableMatchesLog(tray);
    if (step.operation == NIM_MODIFY && step.answer) {
      // The table keeps what a change did not name.
      const std::optional<TrayRecord> now = tray.FindIcon(owner.Get(), 4000);
      ASSERT_TRUE(now);
      EXPECT_EQ(now->callbackMessage, kCallback);
      EXPECT_EQ(now->tip, tip63);
    }
  }
}

TEST(HarnessTray, RefusingTaskbarFailsEveryCall) {
  FakeTaskbar tray;
  ASSERT_TRUE(tray.Start());
  TTestWindow owner = MakeOwnerWindow();
  TIconHandle icon(CreateSolidIcon(16, 0xFF0000));
  ASSERT_TRUE(tray.SetRefusing(true));
  EXPECT_FALSE(Notify(NIM_ADD, owner.Get(), 5000, NIF_MESSAGE | NIF_ICON, "", icon.Get(), 0x8000 + 5000));
  const std::optional<TrayRecord> refused = tray.WaitForRecord(TrayCall("ADD", 5000), kWaitMs);
  ASSERT_TRUE(refused);
  EXPECT_FALSE(refused->ok);
  EXPECT_TRUE(tray.Icons().empty());

  ASSERT_TRUE(tray.SetRefusing(false));
  EXPECT_TRUE(Notify(NIM_ADD, owner.Get(), 5000, NIF_MESSAGE | NIF_ICON, "", icon.Get(), 0x8000 + 5000));
  ASSERT_EQ(tray.Icons().size(), 1u);
  EXPECT_EQ(tray.Icons()[0].callbackMessage, 0x8000u + 5000);
}

TEST(HarnessTray, IconsOfDestroyedWindowsAreDropped) {
  FakeTaskbar tray;
  ASSERT_TRUE(tray.Start());
  TTestWindow owner = MakeOwnerWindow();
  const uint32_t ownerNumber = Number(owner.Get());
  ASSERT_TRUE(Notify(NIM_ADD, owner.Get(), 4000, NIF_MESSAGE | NIF_TIP, "a", nullptr));
  ASSERT_TRUE(Notify(NIM_ADD, owner.Get(), 5001, NIF_MESSAGE | NIF_TIP, "b", nullptr));
  EXPECT_EQ(tray.Icons().size(), 2u);
  owner.Reset();
  EXPECT_TRUE(tray.WaitForRecord(
      [&](const TrayRecord& r) { return r.operation == "GONE" && r.window == ownerNumber; }, kWaitMs));
  EXPECT_TRUE(WaitUntil([&] { return tray.Icons().empty(); }, kWaitMs));
  ExpectTableMatchesLog(tray);
}

TEST(HarnessTray, DeathAndSuccessorAreSeenByARunningProgram) {
  FakeTaskbar first;
  ASSERT_TRUE(first.Start());
  HWND firstWindow = FindWindowA("Shell_TrayWnd", "");
  ASSERT_EQ(firstWindow, first.Window());

  FakeTaskbar successor;
  FakeTaskbar::Options waiting;
  waiting.takeover = false;
  ASSERT_TRUE(successor.Launch(waiting));
  EXPECT_FALSE(successor.WaitUntilReady(300)) << "took over while a taskbar was alive";

  first.Kill();
  EXPECT_FALSE(IsWindow(firstWindow));
  ASSERT_TRUE(successor.WaitUntilReady(kWaitMs));
  EXPECT_EQ(FindWindowA("Shell_TrayWnd", ""), successor.Window());
  EXPECT_NE(successor.Window(), firstWindow);

  TTestWindow owner = MakeOwnerWindow();
  EXPECT_TRUE(Notify(NIM_ADD, owner.Get(), 4000, NIF_MESSAGE | NIF_TIP, "back", nullptr));
  EXPECT_EQ(successor.Icons().size(), 1u);
  EXPECT_TRUE(first.Icons().empty());
}

TEST(HarnessTray, TakeoverEndsTheCurrentTaskbar) {
  FakeTaskbar first;
  ASSERT_TRUE(first.Start());
  FakeTaskbar second;
  ASSERT_TRUE(second.Start());
  EXPECT_FALSE(IsWindow(first.Window()));
  EXPECT_EQ(FindWindowA("Shell_TrayWnd", ""), second.Window());
}

TEST(HarnessTray, NoTaskbarMeansCallsFail) {
  ASSERT_EQ(FindWindowA("Shell_TrayWnd", ""), nullptr);
  TTestWindow owner = MakeOwnerWindow();
  EXPECT_FALSE(Notify(NIM_ADD, owner.Get(), 4000, NIF_MESSAGE, "", nullptr));
}

TEST(HarnessTray, ProbeReportsTheTaskbar) {
  const std::string probe = QuoteArgument(ProgramPath("probe.exe")) + " taskbar";
  ProgramRun none = RunProgram(probe, kWaitMs);
  EXPECT_EQ(none.exitCode, 1u);
  ASSERT_EQ(ParseLogText(none.output).size(), 1u);
  EXPECT_EQ(ParseLogText(none.output)[0].word, "NONE");

  FakeTaskbar tray;
  ASSERT_TRUE(tray.Start());
  ProgramRun found = RunProgram(probe, kWaitMs);
  EXPECT_EQ(found.exitCode, 0u);
  const std::vector<LogLine> lines = ParseLogText(found.output);
  ASSERT_EQ(lines.size(), 1u);
  unsigned long handle = 0, pid = 0;
  EXPECT_TRUE(lines[0].Number("hwnd", &handle) && lines[0].Number("pid", &pid));
  EXPECT_EQ(handle, Number(tray.Window()));
  EXPECT_EQ(pid, tray.ProcessId());
}

TEST(HarnessTray, RebarChildOnlyWhenAskedFor) {
  for (bool rebar : {false, true}) {
    SCOPED_TRACE(rebar);
    FakeTaskbar tray;
    FakeTaskbar::Options options;
    options.rebar = rebar;
    ASSERT_TRUE(tray.Start(options));
    HWND child = FindWindowExA(FindWindowA("Shell_TrayWnd", ""), nullptr, "ReBarWindow32", "");
    EXPECT_EQ(child != nullptr, rebar);
  }
}

}  // namespace
