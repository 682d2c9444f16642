#include "platform/numbers.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace {

template <typename T>
T roundChecked(double value) {
  if (!std::isfinite(value)) throw ProgramError("Overflow");
  const double r = std::nearbyint(value);  // default rounding mode: half to even
  if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
      r > static_cast<double>(std::numeric_limits<T>::max())) {
    throw ProgramError("Overflow");
  }
  return static_cast<T>(r);
}

}  // namespace

int16_t toInt16(long long value) {
  if (value < -32768 || value > 32767) throw ProgramError("Overflow");
  return static_cast<int16_t>(value);
}

int16_t roundInt16(double value) { return roundChecked<int16_t>(value); }

int32_t roundInt32(double value) { return roundChecked<int32_t>(value); }

int idiv(int a, int b) {
  if (b == 0) throw ProgramError("Division by zero");
  return a / b;
}

int imod(int a, int b) {
  if (b == 0) throw ProgramError("Division by zero");
  return a % b;
}

double leadingNumber(std::string_view text) {
  std::string s;
  for (char c : text) {
    if (c != ' ') s += c;
  }
  size_t i = 0;
  const size_t n = s.size();
  auto digitAt = [&](size_t k) { return k < n && std::isdigit(static_cast<unsigned char>(s[k])); };
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  const size_t startDigits = i;
  while (digitAt(i)) ++i;
  bool any = i > startDigits;
  if (i < n && s[i] == '.') {
    size_t j = i + 1;
    while (digitAt(j)) ++j;
    any = any || j > i + 1;
    i = j;
  }
  if (!any) return 0.0;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
    if (digitAt(j)) {
      while (digitAt(j)) ++j;
      i = j;
    }
  }
  return std::strtod(s.substr(0, i).c_str(), nullptr);
}

int16_t readInt16(std::string_view text) { return roundInt16(leadingNumber(text)); }

std::string formatRight(long value, int width) {
  std::string s = std::to_string(value);
  if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), ' ');
  return s;
}

std::string formatZero(long value, int width) {
  std::string s = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), '0');
  return value < 0 ? "-" + s : s;
}

std::string mid(std::string_view text, int start, int length) {
  if (start < 1 || length <= 0 || start > static_cast<int>(text.size())) return "";
  return std::string(text.substr(start - 1, length));
}

std::string trimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}
