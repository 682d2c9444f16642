// The program's number and text rules, each in one place.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A run-time error of the program (overflow, index outside an array, ...).
// Handlers that trap errors catch it; every other one is caught at the event
// boundary so that the window keeps running.
class ProgramError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// 16-bit integer from a wider one; leaving -32768..32767 is an error.
int16_t toInt16(long long value);

// Nearest integer, halves to the even neighbour; an error when it does not fit.
int16_t roundInt16(double value);
int32_t roundInt32(double value);

// Integer quotient and remainder, truncating like the program's "\" and Mod;
// a zero divisor is an error rather than a crash.
int idiv(int a, int b);
int imod(int a, int b);

// The leading-number reading of a text field: blanks anywhere are ignored,
// then an optional sign, digits, a decimal part and an exponent are taken up
// to the first character that cannot continue the number; no digits gives 0.
double leadingNumber(std::string_view text);

// leadingNumber converted to a 16-bit integer.
int16_t readInt16(std::string_view text);

// "@", "@@", "@@@": decimal text right-aligned in `width` characters, never cut.
std::string formatRight(long value, int width);

// "00", "000", ...: decimal text with at least `width` digits.
std::string formatZero(long value, int width);

// Characters start..start+length-1 (1-based) of text, as far as they exist.
std::string mid(std::string_view text, int start, int length);

// Text without the blanks at both ends.
std::string trimBlanks(std::string_view text);
