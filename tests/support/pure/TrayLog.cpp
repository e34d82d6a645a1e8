#include "tests/support/pure/TrayLog.h"

#include <cstdlib>

namespace {

constexpr uint32_t kMessageFlag = 0x1, kIconFlag = 0x2, kTipFlag = 0x4;

bool IsRecordWord(const std::string& word) {
  return word == "ADD" || word == "MODIFY" || word == "DELETE" || word == "SETFOCUS" ||
         word == "SETVERSION" || word == "GONE" || word == "ICON";
}

bool Number32(const LogLine& line, const char* key, uint32_t* value) {
  unsigned long number = 0;
  if (!line.Number(key, &number) || number > 0xFFFFFFFFul) return false;
  *value = static_cast<uint32_t>(number);
  return true;
}

}  // namespace

bool TrayRecordFromLine(const LogLine& line, TrayRecord* record) {
  if (!IsRecordWord(line.word)) return false;
  TrayRecord parsed;
  parsed.operation = line.word;
  if (!Number32(line, "hwnd", &parsed.window) || !Number32(line, "id", &parsed.id)) return false;
  parsed.ok = true;
  if (line.word == "GONE") {
    *record = parsed;
    return true;
  }
  if (!Number32(line, "flags", &parsed.flags) || !Number32(line, "msg", &parsed.callbackMessage) ||
      !line.Bytes("tip", &parsed.tip))
    return false;
  std::string wideBytes;
  if (line.Bytes("tipw", &wideBytes)) {
    for (size_t i = 0; i + 1 < wideBytes.size(); i += 2) {
      parsed.wideTip += static_cast<char16_t>(static_cast<unsigned char>(wideBytes[i]) |
                                              (static_cast<unsigned char>(wideBytes[i + 1]) << 8));
    }
  }
  if (const std::string* icon = line.Field("icon")) parsed.icon = *icon;
  const std::string* rgb = line.Field("rgb");
  if (rgb && rgb->size() == 6) {
    char* end = nullptr;
    const long value = std::strtol(rgb->c_str(), &end, 16);
    if (*end == '\0') parsed.rgb = value;
  }
  if (line.word != "ICON") {
    const std::string* ok = line.Field("ok");
    if (!ok || (*ok != "0" && *ok != "1")) return false;
    parsed.ok = *ok == "1";
  }
  *record = parsed;
  return true;
}

std::vector<TrayRecord> TrayRecordsOf(const std::vector<LogLine>& lines) {
  std::vector<TrayRecord> records;
  for (const LogLine& line : lines) {
    TrayRecord record;
    if (TrayRecordFromLine(line, &record)) records.push_back(record);
  }
  return records;
}

std::vector<TrayRecord> CurrentTrayIcons(const std::vector<TrayRecord>& records) {
  std::vector<TrayRecord> icons;
  auto find = [&icons](const TrayRecord& record) {
    for (auto it = icons.begin(); it != icons.end(); ++it)
      if (it->window == record.window && it->id == record.id) return it;
    return icons.end();
  };
  for (const TrayRecord& record : records) {
    if (!record.ok) continue;
    const auto existing = find(record);
    if (record.operation == "ADD") {
      if (existing == icons.end()) icons.push_back(record);
    } else if (record.operation == "MODIFY" && existing != icons.end()) {
      existing->flags |= record.flags;
      if (record.flags & kMessageFlag) existing->callbackMessage = record.callbackMessage;
      if (record.flags & kTipFlag) {
        existing->tip = record.tip;
        existing->wideTip = record.wideTip;
      }
      if (record.flags & kIconFlag) {
        existing->icon = record.icon;
        existing->rgb = record.rgb;
      }
    } else if ((record.operation == "DELETE" || record.operation == "GONE") && existing != icons.end()) {
      icons.erase(existing);
    }
  }
  for (TrayRecord& icon : icons) icon.operation = "ICON";
  return icons;
}
