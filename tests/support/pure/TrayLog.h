#pragma once
// faketaskbar.exe's log read back: each Shell_NotifyIcon call it received and
// the icon table those calls leave behind.
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/pure/ProgramLog.h"

struct TrayRecord {
  std::string operation;         // ADD, MODIFY, DELETE, SETFOCUS, SETVERSION; GONE; ICON (a dump)
  uint32_t window = 0;           // the icon's owner window
  uint32_t id = 0;
  uint32_t flags = 0;            // NIF_ bits of the call
  uint32_t callbackMessage = 0;
  std::string tip;               // Shift-JIS bytes
  std::u16string wideTip;        // exactly as the taskbar received it
  std::string icon = "-";        // "WxHxBPP", or "-" without an icon
  long rgb = -1;                 // 0xRRGGBB of the icon's centre pixel, -1 when unknown
  bool ok = false;               // what the taskbar answered (GONE and ICON: true)
};

// A call, GONE or ICON line as a record; false for other lines and malformed ones.
bool TrayRecordFromLine(const LogLine& line, TrayRecord* record);
std::vector<TrayRecord> TrayRecordsOf(const std::vector<LogLine>& lines);

// The icons that exist after `records`, in the order they were added: the
// calls the taskbar accepted, replayed as a shell applies them (a change
// touches only the parts its flags name; GONE drops an icon).
std::vector<TrayRecord> CurrentTrayIcons(const std::vector<TrayRecord>& records);
