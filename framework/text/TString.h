#pragma once
// The text type of the whole program: an owned Shift-JIS byte string that is
// never null. Every operation returns a new string and leaves its inputs alone;
// comparison is byte-wise on unsigned bytes.
#include <cstddef>
#include <string>

class TString {
 public:
  TString() = default;
  TString(const char* text) : text_(text ? text : "") {}  // NOLINT: texts convert freely
  TString(const char* bytes, size_t length) : text_(bytes ? std::string(bytes, length) : std::string()) {}
  explicit TString(std::string text) : text_(std::move(text)) {}

  const char* c_str() const { return text_.c_str(); }
  size_t Length() const { return text_.size(); }
  bool IsEmpty() const { return text_.empty(); }
  // The byte at `index`, or NUL at and past the end (the terminator).
  char At(size_t index) const { return index < text_.size() ? text_[index] : '\0'; }
  const std::string& Bytes() const { return text_; }

  TString& operator+=(const TString& other) {
    text_ += other.text_;
    return *this;
  }

  friend bool operator==(const TString& a, const TString& b) { return a.text_ == b.text_; }
  friend bool operator!=(const TString& a, const TString& b) { return a.text_ != b.text_; }
  // char_traits<char> compares as unsigned char, as the byte-wise sort needs.
  friend bool operator<(const TString& a, const TString& b) { return a.text_ < b.text_; }

 private:
  std::string text_;
};

inline TString operator+(const TString& a, const TString& b) {
  return TString(a.Bytes() + b.Bytes());
}
