#include "tests/support/pure/ProgramLog.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/support/pure/HexBytes.h"

const std::string* LogLine::Field(const std::string& key) const {
  for (const auto& field : fields)
    if (field.first == key) return &field.second;
  return nullptr;
}

bool LogLine::Number(const std::string& key, unsigned long* value) const {
  const std::string* text = Field(key);
  if (!text || text->empty() || (*text)[0] == '-' || (*text)[0] == '+') return false;
  char* end = nullptr;
  errno = 0;
  const unsigned long parsed = std::strtoul(text->c_str(), &end, 0);
  if (errno != 0 || *end != '\0') return false;
  *value = parsed;
  return true;
}

bool LogLine::Bytes(const std::string& key, std::string* bytes) const {
  const std::string* text = Field(key);
  return text && BytesFromHex(*text, bytes);
}

bool ParseLogLine(const std::string& text, LogLine* line) {
  std::string body = text;
  if (!body.empty() && body.back() == '\r') body.pop_back();
  if (body.empty() || body[0] == ' ') return false;
  LogLine parsed;
  size_t position = body.find(' ');
  parsed.word = body.substr(0, position);
  while (position != std::string::npos) {
    const size_t start = position + 1;
    position = body.find(' ', start);
    const std::string token = body.substr(start, position == std::string::npos ? std::string::npos : position - start);
    if (token.empty()) continue;  // doubled blanks
    const size_t equals = token.find('=');
    if (equals == std::string::npos || equals == 0) return false;
    parsed.fields.emplace_back(token.substr(0, equals), token.substr(equals + 1));
  }
  *line = std::move(parsed);
  return true;
}

std::vector<LogLine> ParseLogText(const std::string& content) {
  std::vector<LogLine> lines;
  size_t start = 0;
  for (;;) {
    const size_t end = content.find('\n', start);
    if (end == std::string::npos) break;
    LogLine line;
    if (ParseLogLine(content.substr(start, end - start), &line)) lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::vector<LogLine> ReadLogFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  std::ostringstream content;
  content << file.rdbuf();
  return ParseLogText(content.str());
}
