#include "framework/text/NumberText.h"

#include <algorithm>
#include <string>

#include "framework/text/CharClasses.h"
#include "framework/text/TStringOps.h"

// Every byte this file looks at ('0'-'9', '+', '-', '.', ',') lies below the
// smallest Shift-JIS trail byte (0x40), so a byte that matches is always a
// character of its own and plain byte scans cannot split a double-byte name.

namespace {

bool AllDigits(const std::string& text) {
  for (char c : text) {
    if (!IsDigitByte(c)) return false;
  }
  return true;
}

}  // namespace

TString NumberText(const TString& text) {
  // Trimmed after the separators are gone, so that " , 1" is "1", not " 1".
  std::string number = Trim(RemoveAll(text, TString(","))).Bytes();
  if (number.size() >= 2 && number[0] == '+' && IsDigitByte(number[1])) number.erase(0, 1);

  size_t zeros = 0;
  while (zeros + 1 < number.size() && number[zeros] == '0' && IsDigitByte(number[zeros + 1])) ++zeros;
  number.erase(0, zeros);

  const size_t dot = number.find('.');
  if (dot == std::string::npos) return TString(std::move(number));

  bool droppedDigit = false;
  while (number.size() > dot + 1 && number.back() == '0') {
    number.pop_back();
    droppedDigit = true;
  }
  if (number.size() == dot + 1) {
    number.pop_back();
    // ".0" is zero, not nothing: only a lone "." normalises to the empty text.
    if (number.empty() && droppedDigit) number = "0";
  }
  if (!number.empty() && number[0] == '.') number.insert(0, "0");
  return TString(std::move(number));
}

TString GroupedNumber(const TString& text) {
  const std::string number = NumberText(text).Bytes();
  const size_t dot = number.find('.');
  std::string whole = number.substr(0, dot);
  const std::string fraction = dot == std::string::npos ? std::string() : number.substr(dot);

  std::string sign;
  if (!whole.empty() && (whole[0] == '-' || whole[0] == '+')) {
    sign = whole.substr(0, 1);
    whole.erase(0, 1);
  }
  if (whole.empty()) whole = "0";
  // Text that is no number (letters, full-width digits) is shown as typed.
  if (!AllDigits(whole)) return TString(sign + whole + fraction);

  // NumberText keeps the zeros of "-007" because a sign, not a digit, leads.
  const size_t zeros = std::min(whole.find_first_not_of('0'), whole.size() - 1);
  whole.erase(0, zeros);

  std::string grouped;
  grouped.reserve(whole.size() + whole.size() / 3);
  for (size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) grouped += ',';
    grouped += whole[i];
  }
  return TString(sign + grouped + fraction);
}
