// "Run a file by name": what is run, and what is remembered, for the texts a
// played user types and the answers the dialog closes with.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/emergency/RunFileDialog.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/text/TString.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "framework/window/shapes/TShape.h"
#include "tests/support/ThreadShapes.h"
#include "tests/support/ThrowawayRegKey.h"

namespace {

std::vector<std::string> g_run;  // texts handed to the run call
std::string g_typed;
int g_answer = IDOK;

bool FakeRun(const TString& text, const TWindow*) {
  g_run.push_back(text.Bytes());
  return text.Bytes().rfind("good", 0) == 0;  // only texts starting with "good" start something
}

void CALLBACK TypeAndAnswer(HWND, UINT, UINT_PTR, DWORD) {
  HWND shape = VisibleShapeOfThisThread();
  HWND edit = shape != nullptr ? GetDlgItem(shape, 416) : nullptr;
  if (edit == nullptr) return;
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(g_typed.c_str()));
  PostMessageA(shape, WM_COMMAND, MAKEWPARAM(g_answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(shape, g_answer)));
}

std::string ReadString(HKEY key, const char* name) {
  char value[512] = {};
  DWORD size = sizeof value;
  if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS) return "-";
  return value;
}

// The application's key below the test's own.
const char kApplication[] = "Software\\Quillon\\Stowpane\\3.x";

std::string Top(HKEY root) {
  HKEY application = nullptr;
  if (RegOpenKeyExA(root, kApplication, 0, KEY_READ, &application) != ERROR_SUCCESS) return "-";
  const std::string top = ReadString(application, "CureExecuteTop");
  RegCloseKey(application);
  return top;
}

std::vector<std::string> History(HKEY root) {
  std::vector<std::string> history;
  HKEY list = nullptr;
  const std::string path = std::string(kApplication) + "\\CureExecuteList";
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &list) != ERROR_SUCCESS) return history;
  for (int i = 0;; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "%06d", i);
    const std::string value = ReadString(list, name);
    if (value == "-") break;
    history.push_back(value);
  }
  RegCloseKey(list);
  return history;
}

}  // namespace

TEST(RunFileByName, OnlyTextsThatStartSomethingAreRememberedNewestFirstAtMostTwenty) {
  ThrowawayRegKey key;
  ASSERT_TRUE(key.Ok());
  CreateGlobalKeyLists(nullptr, key.Handle());
  SetRunCall(FakeRun);
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, TypeAndAnswer);

  struct Step {
    const char* reason;
    std::string typed;
    int answer;
    const char* run;  // what reaches the run call ("" for nothing)
    const char* top;  // "CureExecuteTop" afterwards
  } steps[] = {
      {"trimmed, run and remembered", "  good \"C:\\a b\\x.exe\" \r\n", IDOK, "good \"C:\\a b\\x.exe\"",
       "good \"C:\\a b\\x.exe\""},
      {"started nothing: not remembered", "bad name", IDOK, "bad name", "good \"C:\\a b\\x.exe\""},
      {"cancelled: nothing run or kept", "good never", IDCANCEL, "", "good \"C:\\a b\\x.exe\""},
      {"an empty text runs nothing", "   ", IDOK, "", "good \"C:\\a b\\x.exe\""},
  };
  for (const auto& step : steps) {
    g_run.clear();
    g_typed = step.typed;
    g_answer = step.answer;
    RunFileByName(nullptr);
    EXPECT_EQ(std::string(step.run), g_run.empty() ? std::string() : g_run.front()) << step.reason;
    EXPECT_EQ(step.top, Top(key.Handle())) << step.reason;
  }
  EXPECT_EQ(std::vector<std::string>{"good \"C:\\a b\\x.exe\""}, History(key.Handle()));

  // Twenty-two more, one of them twice: the newest twenty, each once.
  g_answer = IDOK;
  for (int i = 0; i < 22; ++i) {
    g_typed = "good " + std::to_string(i == 21 ? 3 : i);
    RunFileByName(nullptr);
  }
  const std::vector<std::string> history = History(key.Handle());
  ASSERT_EQ(20u, history.size());
  EXPECT_EQ("good 3", history[0]);
  EXPECT_EQ("good 20", history[1]);
  EXPECT_EQ("good 2", history[18]);
  EXPECT_EQ("good 1", history[19]);  // the oldest two ("good 0" and the first) are gone

  KillTimer(nullptr, timer);
  SetRunCall(nullptr);
  CloseAllModeless();
  DestroyGlobalKeyLists();
}
