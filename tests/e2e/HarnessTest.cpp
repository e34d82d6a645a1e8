// The end-to-end harness against real processes: testwindow.exe's windows are
// found, read and driven exactly, hangs are seen within the probe's time-out,
// programs end with their test, and probe.exe does what scripts rely on.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/E2eHarness.h"

namespace {

constexpr DWORD kWaitMs = 5000;
constexpr const char* kOrphanVariable = "STOWPANE_HARNESS_ORPHAN";

std::string LongTitle() {
  std::string title;
  for (int i = 0; i < 1500; ++i) title += (i % 2) ? "&" : "表";  // 0x5C trail bytes throughout
  return title;
}

struct TitleCase {
  const char* name;
  std::string title;
};

const std::vector<TitleCase> kTitles = {
    {"ampersand and tab", "テスト&ウィンドウ\tタブ"},
    {"CR LF", "一行目\r\n二行目"},
    {"trail bytes 0x5C", "ソ表能\\"},
    {"half-width katakana", "ｽﾄｰﾊﾟﾝ ｳｨﾝﾄﾞｳ"},
    {"accelerator keyword", "再試行(&RETRY&)"},
    {"empty", ""},
    {"4500 bytes", LongTitle()},
};

TEST(HarnessTestWindow, TitleBytesComeBackExactly) {
  int serial = 0;
  for (const TitleCase& c : kTitles) {
    SCOPED_TRACE(c.name);
    TestWindowOptions options;
    options.className = "HarnessTitle" + std::to_string(++serial);
    options.title = c.title;
    TestWindowProcess program;
    ASSERT_TRUE(program.Start(options));

    HWND byClass = WaitForWindow({options.className, std::nullopt, program.ProcessId()}, kWaitMs);
    ASSERT_EQ(byClass, program.Window());
    EXPECT_EQ(ReadWindowTitle(byClass), std::optional<std::string>(c.title));
    EXPECT_EQ(WaitForWindow({options.className, c.title, 0}, kWaitMs), byClass);
    EXPECT_EQ(WaitForWindow({options.className, c.title + "x", 0}, 0), nullptr);
  }
}

struct StartCase {
  const char* name;
  TestWindowOptions::Show show;
  bool disabled;
  WindowState expected;
};

TEST(HarnessTestWindow, StartsInTheStateAskedFor) {
  const StartCase cases[] = {
      {"normal", TestWindowOptions::kNormal, false, {true, true, false, true}},
      {"hidden", TestWindowOptions::kHidden, false, {true, false, false, true}},
      {"minimized", TestWindowOptions::kMinimized, false, {true, true, true, true}},
      {"disabled", TestWindowOptions::kNormal, true, {true, true, false, false}},
  };
  for (const StartCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindowOptions options;
    options.show = c.show;
    options.disabled = c.disabled;
    TestWindowProcess program;
    ASSERT_TRUE(program.Start(options));
    EXPECT_EQ(ReadWindowState(program.Window()), c.expected);
  }
}

TEST(HarnessTestWindow, StateFollowsShowWindowFromThisProcess) {
  TestWindowProcess program;
  ASSERT_TRUE(program.Start(TestWindowOptions()));
  HWND window = program.Window();
  struct Step {
    int command;
    WindowState expected;
  };
  const Step steps[] = {
      {SW_MINIMIZE, {true, true, true, true}},  {SW_HIDE, {true, false, true, true}},
      {SW_RESTORE, {true, true, false, true}},  {SW_HIDE, {true, false, false, true}},
      {SW_SHOWNA, {true, true, false, true}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.command);
    ShowWindow(window, step.command);
    WindowState seen;
    EXPECT_TRUE(WaitForWindowState(window, step.expected, 2000, &seen)) << seen;
  }
  EnableWindow(window, FALSE);
  EXPECT_TRUE(WaitForWindowState(window, {true, true, false, false}, 2000));
  // A disabled window ignores system commands: enable it before closing it.
  EnableWindow(window, TRUE);
  EXPECT_TRUE(WaitForWindowState(window, {true, true, false, true}, 2000));
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(WaitForWindowGone(window, 2000));
  EXPECT_EQ(ReadWindowState(window), WindowState());
  EXPECT_TRUE(program.Process().WaitForExit(2000));
  EXPECT_EQ(program.Process().ExitCode(), std::optional<DWORD>(0));
}

TEST(HarnessTestWindow, HungWindowFailsABoundedSendWithinItsTimeOut) {
  TestWindowProcess program;
  ASSERT_TRUE(program.Start(TestWindowOptions()));
  ASSERT_TRUE(IsWindowResponsive(program.Window(), 100));
  ASSERT_TRUE(program.Hang(500));

  const DWORD start = GetTickCount();
  DWORD_PTR result = 0;
  EXPECT_EQ(SendMessageTimeoutW(program.Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, 100, &result), 0);
  EXPECT_LT(GetTickCount() - start, 300u);
  // A title read through the harness fails the same way instead of hanging the test.
  EXPECT_EQ(ReadWindowTitle(program.Window(), 100), std::nullopt);

  EXPECT_TRUE(WaitUntil([&] { return IsWindowResponsive(program.Window(), 100); }, 3000));
  EXPECT_TRUE(program.WaitForEvent("AWAKE", 1000));
}

TEST(HarnessTestWindow, PostedCommandsReachTheWindowAndAreLogged) {
  TestWindowOptions options;
  options.menu = true;
  TestWindowProcess program;
  ASSERT_TRUE(program.Start(options));
  for (unsigned id : {testwindow::kCommandNew, testwindow::kCommandSubSecond, testwindow::kCommandAbout}) {
    SCOPED_TRACE(id);
    ASSERT_TRUE(PostMessageA(program.Window(), WM_COMMAND, MAKEWPARAM(id, 0), 0));
    EXPECT_TRUE(program.WaitForCommand(id, 2000));
  }
  EXPECT_FALSE(program.WaitForCommand(testwindow::kCommandOpen, 50));
  // The menu's exit item closes it, as a real program's would.
  PostMessageA(program.Window(), WM_COMMAND, testwindow::kCommandExit, 0);
  EXPECT_TRUE(program.Process().WaitForExit(2000));
}

TEST(HarnessTestWindow, OptionsShapeTheWindowAndItsDialog) {
  TestWindowOptions options;
  options.tool = true;
  options.dialog = true;
  options.dialogTitle = "オプション(&O)";
  TestWindowProcess program;
  ASSERT_TRUE(program.Start(options));
  EXPECT_TRUE(GetWindowLongA(program.Window(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  ASSERT_NE(program.Dialog(), nullptr);
  EXPECT_EQ(GetWindow(program.Dialog(), GW_OWNER), program.Window());
  EXPECT_EQ(WindowClassName(program.Dialog()), "#32770");
  EXPECT_EQ(ReadWindowTitle(program.Dialog()), std::optional<std::string>("オプション(&O)"));
  EXPECT_EQ(WindowProcessId(program.Dialog()), program.ProcessId());
}

TEST(HarnessProcess, ProgramsEndWithTheirTest) {
  TKernelHandle watcher;
  HWND window = nullptr;
  {
    TestWindowProcess program;
    ASSERT_TRUE(program.Start(TestWindowOptions()));
    window = program.Window();
    watcher.Reset(OpenProcess(SYNCHRONIZE, FALSE, program.ProcessId()));
    ASSERT_TRUE(watcher);
    EXPECT_EQ(WaitForSingleObject(watcher.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
  }
  EXPECT_EQ(WaitForSingleObject(watcher.Get(), 0), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_FALSE(IsWindow(window));
}

// Runs only as the helper process of the test below (which names the window
// class in the environment): starts a program and then dies as a crash would.
TEST(HarnessOrphanHelper, DISABLED_StartsAWindowAndDies) {
  char className[64] = "";
  if (!GetEnvironmentVariableA(kOrphanVariable, className, sizeof className)) return;
  TestWindowOptions options;
  options.className = className;
  TestWindowProcess program;
  ASSERT_TRUE(program.Start(options));
  std::printf("ORPHAN pid=%lu\n", program.ProcessId());
  std::fflush(stdout);
  TerminateProcess(GetCurrentProcess(), 7);
}

TEST(HarnessProcess, ProgramsEndWhenTheirTestCrashes) {
  SetEnvironmentVariableA(kOrphanVariable, "HarnessOrphan");
  const ProgramRun helper = RunProgram(QuoteArgument(ProgramPath("e2e_tests.exe")) +
                                           " --gtest_also_run_disabled_tests"
                                           " --gtest_filter=HarnessOrphanHelper.DISABLED_StartsAWindowAndDies",
                                       kWaitMs * 2);
  SetEnvironmentVariableA(kOrphanVariable, nullptr);
  ASSERT_TRUE(helper.finished);
  EXPECT_EQ(helper.exitCode, 7u) << helper.output;
  unsigned long pid = 0;
  for (const LogLine& line : ParseLogText(helper.output)) {
    if (line.word == "ORPHAN") line.Number("pid", &pid);
  }
  ASSERT_NE(pid, 0u) << helper.output;
  TKernelHandle orphan(OpenProcess(SYNCHRONIZE, FALSE, pid));
  if (orphan) {
    EXPECT_EQ(WaitForSingleObject(orphan.Get(), 2000), static_cast<DWORD>(WAIT_OBJECT_0));
  }
  EXPECT_TRUE(FindTopLevelWindows({"HarnessOrphan", std::nullopt, 0}).empty());
}

TEST(HarnessProcess, ReportsStartFailuresAndExitCodes) {
  ChildProcess missing;
  EXPECT_FALSE(missing.Start(QuoteArgument(ProgramPath("no such program.exe"))));
  EXPECT_NE(missing.LastError(), 0u);
  EXPECT_EQ(missing.ExitCode(), std::nullopt);

  ChildProcess probe;
  ASSERT_TRUE(probe.Start(QuoteArgument(ProgramPath("probe.exe")) + " find /class:HarnessNoSuchClass"));
  ASSERT_TRUE(probe.WaitForExit(kWaitMs));
  EXPECT_EQ(probe.ExitCode(), std::optional<DWORD>(1));

  const ProgramRun usage = RunProgram(QuoteArgument(ProgramPath("probe.exe")) + " frobnicate", kWaitMs);
  EXPECT_TRUE(usage.finished);
  EXPECT_EQ(usage.exitCode, 2u);
}

TEST(HarnessProcess, ProgramPathsNameTheBuildFolder) {
  for (const char* program : {"Stowpane.exe", "testwindow.exe", "probe.exe", "faketaskbar.exe"}) {
    SCOPED_TRACE(program);
    EXPECT_EQ(ProgramPath(program), WinePathFromUnix(STOWPANE_BIN_DIR "/") + program);
    EXPECT_NE(GetFileAttributesA(ProgramPath(program).c_str()), INVALID_FILE_ATTRIBUTES);
  }
}

std::string Probe(const std::string& arguments, DWORD* exitCode = nullptr) {
  const ProgramRun run = RunProgram(QuoteArgument(ProgramPath("probe.exe")) + " " + arguments, kWaitMs);
  EXPECT_TRUE(run.finished) << arguments;
  if (exitCode) *exitCode = run.exitCode;
  return run.output;
}

std::vector<LogLine> ProbeLines(const std::string& arguments, DWORD* exitCode = nullptr) {
  return ParseLogText(Probe(arguments, exitCode));
}

TEST(HarnessProbe, FindsWindowsAndReportsTheirState) {
  TestWindowOptions options;
  options.className = "HarnessProbeWindow";
  options.title = "ﾌﾟﾛｰﾌﾞ&テスト\t1";
  options.show = TestWindowOptions::kMinimized;
  TestWindowProcess program;
  ASSERT_TRUE(program.Start(options));

  DWORD exitCode = 99;
  const std::vector<LogLine> lines =
      ProbeLines("find /class:HarnessProbeWindow /title:" + HexFromBytes(options.title), &exitCode);
  EXPECT_EQ(exitCode, 0u);
  ASSERT_EQ(lines.size(), 1u);
  unsigned long handle = 0, pid = 0, iconic = 0, visible = 0;
  std::string title;
  EXPECT_EQ(lines[0].word, "WINDOW");
  EXPECT_TRUE(lines[0].Number("hwnd", &handle));
  EXPECT_EQ(reinterpret_cast<HWND>(static_cast<UINT_PTR>(handle)), program.Window());
  EXPECT_TRUE(lines[0].Number("pid", &pid));
  EXPECT_EQ(pid, program.ProcessId());
  EXPECT_TRUE(lines[0].Number("iconic", &iconic) && lines[0].Number("visible", &visible));
  EXPECT_EQ(iconic, 1u);
  EXPECT_EQ(visible, 1u);
  EXPECT_TRUE(lines[0].Bytes("title", &title));
  EXPECT_EQ(title, options.title);

  ProbeLines("find /class:HarnessProbeWindow /text:other", &exitCode);
  EXPECT_EQ(exitCode, 1u);

  const std::vector<LogLine> waited = ProbeLines("wait /class:HarnessProbeWindow /timeout:2000", &exitCode);
  EXPECT_EQ(exitCode, 0u);
  ASSERT_EQ(waited.size(), 1u);
  EXPECT_EQ(waited[0].word, "WINDOW");
  Probe("show /class:HarnessProbeWindow " + std::to_string(SW_RESTORE), &exitCode);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_TRUE(WaitForWindowState(program.Window(), {true, true, false, true}, 2000));
  const std::vector<LogLine> timedOut = ProbeLines("wait /class:HarnessNoSuchWindow /timeout:100", &exitCode);
  EXPECT_EQ(exitCode, 1u);
  ASSERT_EQ(timedOut.size(), 1u);
  EXPECT_EQ(timedOut[0].word, "TIMEOUT");
}

TEST(HarnessProbe, PostsCommandsAndWaitsForWindowsToGo) {
  TestWindowOptions options;
  options.className = "HarnessProbeCommand";
  TestWindowProcess program;
  ASSERT_TRUE(program.Start(options));

  DWORD exitCode = 99;
  Probe("command /class:HarnessProbeCommand 2102", &exitCode);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_TRUE(program.WaitForCommand(2102, 2000));

  Probe("post /class:HarnessProbeCommand 0x0112 0xF060 0", &exitCode);  // WM_SYSCOMMAND SC_CLOSE
  EXPECT_EQ(exitCode, 0u);
  const std::vector<LogLine> gone = ProbeLines("wait /class:HarnessProbeCommand /gone /timeout:3000", &exitCode);
  EXPECT_EQ(exitCode, 0u);
  ASSERT_EQ(gone.size(), 1u);
  EXPECT_EQ(gone[0].word, "GONE");
}

TEST(HarnessProbe, SendReportsAHungWindow) {
  TestWindowOptions options;
  options.className = "HarnessProbeHung";
  TestWindowProcess program;
  ASSERT_TRUE(program.Start(options));
  ASSERT_TRUE(program.Hang(1000));
  DWORD exitCode = 99;
  const std::vector<LogLine> lines = ProbeLines("send /class:HarnessProbeHung 0 /timeout:100", &exitCode);
  EXPECT_EQ(exitCode, 1u);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(*lines[0].Field("ok"), "0");
}

struct RegistryCase {
  const char* name;       // also the value's name
  std::string arguments;  // probe regset's value switch
  DWORD type;
  std::string bytes;
};

TEST(HarnessProbe, RegistryValuesRoundTripThroughProbeAndHarness) {
  const std::string path = "Software\\StowpaneTests\\Harness";
  ClearedHkcuKey key(path);
  const RegistryCase cases[] = {
      {"dword", "/dword:0x12345678", REG_DWORD, std::string("\x78\x56\x34\x12", 4)},
      {"binaryNulFF", "/bin:00ff5c0a", REG_BINARY, std::string("\x00\xff\x5c\x0a", 4)},
      {"shiftJisString", "/sz:" + HexFromBytes("表示&ｶﾅ"), REG_SZ, std::string("表示&ｶﾅ") + '\0'},
      {"emptyBinary", "/bin:", REG_BINARY, ""},
  };
  for (const RegistryCase& c : cases) {
    SCOPED_TRACE(c.name);
    DWORD exitCode = 99;
    Probe("regset " + path + " " + c.name + "-value " + c.arguments, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    const std::optional<RegistryValue> stored = ReadHkcuValue(path, std::string(c.name) + "-value");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, c.type);
    EXPECT_EQ(stored->bytes, c.bytes);

    ASSERT_TRUE(WriteHkcuValue(path, std::string(c.name) + "-back", c.type, c.bytes));
    const std::vector<LogLine> lines = ProbeLines("regget " + path + " " + c.name + "-back", &exitCode);
    EXPECT_EQ(exitCode, 0u);
    ASSERT_EQ(lines.size(), 1u);
    std::string bytes;
    EXPECT_TRUE(lines[0].Bytes("bytes", &bytes));
    EXPECT_EQ(bytes, c.bytes);
  }
  EXPECT_EQ(ReadHkcuDword(path, "dword-value"), std::optional<DWORD>(0x12345678));
  EXPECT_FALSE(ReadHkcuDword(path, "emptyBinary-value").has_value());

  DWORD exitCode = 99;
  Probe("regdel " + path + " dword-value", &exitCode);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_FALSE(ReadHkcuValue(path, "dword-value").has_value());
  Probe("regget " + path + " dword-value", &exitCode);
  EXPECT_EQ(exitCode, 1u);
  ASSERT_TRUE(WriteHkcuDword(path + "\\Sub\\Deeper", "x", 1));
  Probe("regdelkey " + path, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_FALSE(HkcuKeyExists(path));
}

}  // namespace
