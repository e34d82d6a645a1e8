#include "framework/path/pure/ManualLink.h"

#include <gtest/gtest.h>

#include <string>

// "\x95\x5C" is one Shift-JIS character whose trail byte is a backslash.

TEST(ManualLink, ManualPathForTakesTheProgramsFolder) {
  struct Case {
    const char* program;
    const char* expected;
    const char* reason;
  } cases[] = {
      {"C:\\Apps\\Stowpane.exe", "C:\\Apps\\manual\\manual.html", "drive path"},
      {"\\\\srv\\share\\Stowpane.exe", "\\\\srv\\share\\manual\\manual.html", "UNC path"},
      {"C:/Apps/Stowpane.exe", "C:/Apps/manual\\manual.html", "forward slashes end the folder too"},
      {"C:\\Apps\\x\x95\x5C.exe", "C:\\Apps\\manual\\manual.html",
       "a trail byte 0x5C in the file name is no separator"},
      {"C:\\\x95\x5C\\Stowpane.exe", "C:\\\x95\x5C\\manual\\manual.html",
       "a folder ending in a 0x5C trail byte keeps its own separator"},
      {"Stowpane.exe", "manual\\manual.html", "a bare file name"},
      {"", "manual\\manual.html", "no path at all"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, ManualPathFor(c.program).Bytes()) << c.reason;
  }
}

TEST(ManualLink, FileUrlConvertsThePathAndEncodesWhatAUrlCannotHold) {
  struct Case {
    const char* path;
    const char* section;
    const char* expected;
    const char* reason;
  } cases[] = {
      {"C:\\dir\\manual\\manual.html", "AutoIcon", "file:///C:/dir/manual/manual.html#AutoIcon",
       "drive path with a section"},
      {"C:\\dir\\manual\\manual.html", "", "file:///C:/dir/manual/manual.html", "empty section: no '#'"},
      {"\\\\server\\share\\x.html", "", "file://server/share/x.html", "UNC: the server is the host"},
      {"C:\\Program Files\\m.html", "", "file:///C:/Program%20Files/m.html", "space"},
      {"C:\\a#b\\c%d?\"e\\m.html", "", "file:///C:/a%23b/c%25d%3F%22e/m.html",
       "'#', '%', '?' and '\"' in folder names"},
      {"C:\\\xE8\xA1\xA8\\m.html", "", "file:///C:/%E8%A1%A8/m.html", "a UTF-8 folder name, byte by byte"},
      {"C:\\a\tb\x7F\\m.html", "", "file:///C:/a%09b%7F/m.html", "control bytes"},
      {"C:\\m.html", "a b#c%\xE8\xA1\xA8", "file:///C:/m.html#a%20b%23c%25%E8%A1%A8",
       "the section is encoded the same way"},
      {"C:\\m.html", "a\\b", "file:///C:/m.html#a\\b", "a backslash in the section is no path separator"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, FileUrl(c.path, c.section).Bytes()) << c.reason;
  }
}

TEST(ManualLink, BrowserLaunchSplitsTheProgramAndPlacesTheUrl) {
  const char* url = "file:///C:/m.html#s";
  struct Case {
    const char* command;
    const char* program;
    const char* parameters;
    const char* reason;
  } cases[] = {
      {"\"C:\\windows\\system32\\winebrowser.exe\" \"%1\"", "C:\\windows\\system32\\winebrowser.exe",
       "\"file:///C:/m.html#s\"", "quoted program, quoted %1"},
      {"C:\\b\\browser.exe %1", "C:\\b\\browser.exe", "file:///C:/m.html#s", "unquoted program and %1"},
      {"\"C:\\Program Files\\B\\b.exe\" --single-argument %1", "C:\\Program Files\\B\\b.exe",
       "--single-argument file:///C:/m.html#s", "program path with spaces in quotes"},
      {"b.exe -osint -url \"%L\"", "b.exe", "-osint -url \"file:///C:/m.html#s\"", "%L"},
      {"b.exe %l", "b.exe", "file:///C:/m.html#s", "%l"},
      {"b.exe %1 %1", "b.exe", "file:///C:/m.html#s file:///C:/m.html#s", "every placeholder"},
      {"b.exe -new", "b.exe", "-new \"file:///C:/m.html#s\"", "no placeholder: the url is appended"},
      {"b.exe %2 %* %%", "b.exe", "%2 %* %% \"file:///C:/m.html#s\"", "other % sequences stay"},
      {"\"C:\\b.exe\"", "C:\\b.exe", "\"file:///C:/m.html#s\"", "empty rest"},
      {"b.exe", "b.exe", "\"file:///C:/m.html#s\"", "empty rest, unquoted"},
      {"\"C:\\b.exe\"   %1", "C:\\b.exe", "file:///C:/m.html#s", "leading spaces of the rest dropped"},
      {"  b.exe %1", "b.exe", "file:///C:/m.html#s", "leading spaces of the command"},
      {"\"C:\\b c\\b.exe %1", "C:\\b c\\b.exe %1", "\"file:///C:/m.html#s\"",
       "an unclosed quote runs to the end"},
      {"\"C:\\\x95\x5C\\b.exe\" %1", "C:\\\x95\x5C\\b.exe", "file:///C:/m.html#s",
       "a 0x5C trail byte in the program path"},
      {"", "", "", "empty command"},
  };
  for (const auto& c : cases) {
    const TLaunch launch = BrowserLaunch(c.command, url);
    EXPECT_EQ(c.program, launch.program.Bytes()) << c.reason;
    EXPECT_EQ(c.parameters, launch.parameters.Bytes()) << c.reason;
  }
  // The url is placed once: a "%1" that percent-encoding put in it stays.
  EXPECT_EQ("file:///C:/%1F%4C.html", BrowserLaunch("b.exe %1", "file:///C:/%1F%4C.html").parameters.Bytes());
}
