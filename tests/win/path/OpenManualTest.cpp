#include <windows.h>

#include "framework/path/OpenManual.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/HtmlHandler.h"
#include "tests/support/ShellTestFolder.h"
#include "tests/support/WindowQueries.h"

// The stand-in browser (probe.exe through THtmlHandler) logs the command line
// it was started with; the url at its end is what a browser would have got.

namespace {

constexpr DWORD kLaunchMs = 10000;

// The manual's file URL written out by hand for a plain ASCII temporary
// folder, so that the check does not rest on the code under test.
std::string ExpectedUrl(const std::string& folder, const std::string& tail) {
  std::string url = "file:///" + folder + tail;
  for (char& c : url)
    if (c == '\\') c = '/';
  return url;
}

bool IsPlainAscii(const std::string& text) {
  for (unsigned char c : text)
    if (c <= ' ' || c >= 0x7F || c == '%' || c == '#' || c == '?' || c == '"') return false;
  return true;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// "<folder>\<sub>\manual\manual.html".
bool WriteManual(const TShellTestFolder& folder, const std::string& sub) {
  return CreateDirectoryA(folder.File(sub).c_str(), nullptr) &&
         CreateDirectoryA(folder.File(sub + "\\manual").c_str(), nullptr) &&
         folder.WriteFile(sub + "\\manual\\manual.html", "<html><body id=\"Register\"></body></html>");
}

}  // namespace

TEST(OpenManual, HandsTheBrowserAUtf8FileUrlAtTheSectionAndNothingWithoutAManual) {
  THtmlHandler handler;
  ASSERT_TRUE(handler.Ok());
  TShellTestFolder missing;
  // First, so that a launch it should not make would reach the log before the good one.
  EXPECT_FALSE(OpenManual((missing.Path() + "\\x.exe").c_str(), "AutoIcon"));

  // Browsers read the escapes as UTF-8; the second byte of 表 in the ANSI
  // code page is a backslash that must not become a '/'.
  TShellTestFolder folder;
  ASSERT_TRUE(IsPlainAscii(folder.Path())) << folder.Path();
  ASSERT_TRUE(WriteManual(folder, "表"));
  ASSERT_TRUE(OpenManual(folder.File("表\\x.exe").c_str(), "Register"));
  ASSERT_TRUE(WaitUntil([&] { return !handler.Lines().empty(); }, kLaunchMs));
  const std::vector<std::string> lines = handler.Lines();
  ASSERT_EQ(1u, lines.size()) << lines.back();
  // Unquoted %1 in the handler's command: the url ends the line, whole.
  EXPECT_TRUE(EndsWith(lines.back(), " " + ExpectedUrl(folder.Path(), "/%E8%A1%A8/manual/manual.html#Register")))
      << lines.back();
}
