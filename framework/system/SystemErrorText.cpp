#include <windows.h>

#include "framework/system/SystemErrorText.h"

namespace {

// Owns a buffer that FormatMessageA allocated.
class TLocalText {
 public:
  TLocalText() = default;
  ~TLocalText() {
    if (text_ != nullptr) LocalFree(text_);
  }
  TLocalText(const TLocalText&) = delete;
  TLocalText& operator=(const TLocalText&) = delete;
  const char* Get() const { return text_; }
  // FORMAT_MESSAGE_ALLOCATE_BUFFER takes the address of the pointer in the
  // place of the buffer.
  LPSTR Slot() { return reinterpret_cast<LPSTR>(&text_); }

 private:
  char* text_ = nullptr;
};

bool IsLineEnd(char c) { return c == '\r' || c == '\n' || c == ' '; }

// Texts with inserts ("%1 is not a valid application") are taken as written:
// without IGNORE_INSERTS the call would read arguments that nobody passed.
// Sets `languageMissing` when the system has the text, but not in `language`.
TString AskMessage(DWORD code, HMODULE source, DWORD language, bool& languageMissing) {
  DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER |
                FORMAT_MESSAGE_IGNORE_INSERTS;
  if (source != nullptr) flags |= FORMAT_MESSAGE_FROM_HMODULE;
  TLocalText text;
  DWORD length = FormatMessageA(flags, source, code, language, text.Slot(), 0, nullptr);
  languageMissing = length == 0 && GetLastError() == ERROR_RESOURCE_LANG_NOT_FOUND;
  if (length == 0 || text.Get() == nullptr) return TString();
  // Line breaks and blanks are single bytes below 0x40, never trail bytes, so
  // trimming them from the end cannot cut a character.
  while (length > 0 && IsLineEnd(text.Get()[length - 1])) --length;
  return TString(text.Get(), length);
}

}  // namespace

TString SystemErrorText(DWORD code, HMODULE source) {
  bool languageMissing = false;
  // 0x0400: neutral language, user default.
  TString text = AskMessage(code, source, 0x0400, languageMissing);
  if (languageMissing) {
    // No text in the user's language: let the system fall back (thread,
    // system, then US English) rather than show nothing.
    text = AskMessage(code, source, 0, languageMissing);
  }
  return text;
}
