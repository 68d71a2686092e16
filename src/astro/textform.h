// The two conversions between numbers and the texts of the fields.
// Everything here is independent of the process locale.
#pragma once

#include <string>
#include <string_view>

namespace korvel::astro {

// Numeric value of a text: blanks, tabs and line feeds anywhere are ignored,
// then an optional sign, digits with at most one decimal point and an
// optional exponent (E, optional sign, digits) are read; reading stops at the
// first other character. No digits give 0. Overflow gives +-infinity.
double val(std::string_view text);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double x);

// Fixed form with `decimals` decimals and at least `minIntDigits` integer
// digits (leading zeros), rounded; "-" in front of a negative value whose
// rounded digits are not all zero. No blank.
std::string fixedText(double x, int decimals, int minIntDigits = 1);

// Result field forms: a leading blank for values >= 0, "-" in its place for
// negative ones.
std::string resultText(double x, int decimals, int minIntDigits = 1);
inline std::string text12(double x) { return resultText(x, 12); }        // " 0.000000000000"
inline std::string text13(double x) { return resultText(x, 13); }        // " 0.0000000000000"
inline std::string text14(double x) { return resultText(x, 14); }        // " 0.00000000000000"
inline std::string textKm(double x) { return resultText(x, 8, 6); }      // " 000000.00000000"

// "00": rounded to a whole number, at least two digits.
std::string twoDigitText(double x);

// Julian-day form: leading blank for values >= 0, at most 15 significant
// digits, no trailing zeros, no decimal point for whole values, no exponent.
std::string jdText(double x);

// Plain form of the entry fields: shortest form with at most 15 significant
// digits, no blank, 0 before the point (0.5), exponent only for magnitudes
// of 1E+15 and above or below 1E-04.
std::string plainText(double x);

// General number form of the file's latitude: as plainText, but without the
// 0 before the point of a magnitude below 1 (.25, -.25).
std::string generalText(double x);

}  // namespace korvel::astro
