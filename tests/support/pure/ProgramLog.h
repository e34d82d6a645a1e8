#pragma once
// The logs the test programs write: one event per line, a word and then
// key=value fields ("COMMAND id=2101", "ADD hwnd=0x0002003e id=4000 ..."),
// numbers decimal or 0x hex, texts as hex bytes.
#include <string>
#include <utility>
#include <vector>

struct LogLine {
  std::string word;
  std::vector<std::pair<std::string, std::string>> fields;

  // The field's text, or null when the line has no such field.
  const std::string* Field(const std::string& key) const;
  // False when the field is missing or not a whole number (decimal or 0x hex).
  bool Number(const std::string& key, unsigned long* value) const;
  // False when the field is missing or not hex bytes.
  bool Bytes(const std::string& key, std::string* bytes) const;
};

// Empty lines, and lines that start with a space or hold a field without "=", are no events.
bool ParseLogLine(const std::string& text, LogLine* line);

// The events of `content`; a last line without its line feed is left out,
// because the program may be writing it right now. CR LF endings are accepted.
std::vector<LogLine> ParseLogText(const std::string& content);

// The events of the log file at `path` (empty when it cannot be read).
std::vector<LogLine> ReadLogFile(const std::string& path);
