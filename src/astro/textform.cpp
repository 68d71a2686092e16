#include "astro/textform.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace korvel::astro {

double val(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);

  std::string num;
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  bool digits = false;
  bool point = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c >= '0' && c <= '9') {
      num.push_back(c);
      digits = true;
    } else if (c == '.' && !point) {
      num.push_back(c);
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    std::size_t j = i + 1;
    std::string exp = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp.push_back(s[j++]);
    const std::size_t firstDigit = j;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') exp.push_back(s[j++]);
    if (j > firstDigit) num += exp;
  }
  double v = 0;
  const auto r = std::from_chars(num.data(), num.data() + num.size(), v);
  if (r.ec == std::errc::result_out_of_range) {
    // from_chars leaves the value untouched on overflow and underflow; tell
    // them apart by the size of the exponent's sign.
    v = num.find("e-") != std::string::npos ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -v : v;
}

double roundHalfEven(double x) { return std::nearbyint(x); }

namespace {

// Digits of |x| in fixed form with the given decimals.
std::string fixedDigits(double ax, int decimals) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, ax, std::chars_format::fixed, decimals);
  return std::string(buf, r.ptr);
}

bool allZero(const std::string& digits) {
  for (char c : digits)
    if (c >= '1' && c <= '9') return false;
  return true;
}

std::string padInteger(std::string digits, int minIntDigits) {
  const std::size_t dot = digits.find('.');
  const std::size_t intLen = dot == std::string::npos ? digits.size() : dot;
  if (static_cast<int>(intLen) < minIntDigits)
    digits.insert(0, static_cast<std::size_t>(minIntDigits) - intLen, '0');
  return digits;
}

std::string nonFinite(double x) {
  if (std::isnan(x)) return "NaN";
  return x < 0 ? "-Infinity" : "Infinity";
}

// Up to 15 significant digits of |x| (trailing zeros dropped) and the
// decimal exponent of the first digit.
void significant(double ax, std::string& digits, int& exponent) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, ax, std::chars_format::scientific, 14);
  const std::string s(buf, r.ptr);
  const std::size_t e = s.find('e');
  digits.clear();
  for (std::size_t i = 0; i < e; ++i)
    if (s[i] != '.') digits.push_back(s[i]);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  exponent = std::atoi(s.c_str() + e + 1);
}

std::string layoutFixed(const std::string& digits, int exponent) {
  std::string out;
  if (exponent < 0) {
    out = "0.";
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
    return out;
  }
  const std::size_t intLen = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= intLen) {
    out = digits;
    out.append(intLen - digits.size(), '0');
  } else {
    out = digits.substr(0, intLen);
    out.push_back('.');
    out.append(digits, intLen, std::string::npos);
  }
  return out;
}

std::string layoutExponent(const std::string& digits, int exponent) {
  std::string out = digits.substr(0, 1);
  if (digits.size() > 1) {
    out.push_back('.');
    out.append(digits, 1, std::string::npos);
  }
  out += exponent < 0 ? "E-" : "E+";
  const int ae = exponent < 0 ? -exponent : exponent;
  if (ae < 10) out.push_back('0');
  out += std::to_string(ae);
  return out;
}

std::string shortForm(double x, bool leadingZero) {
  if (!std::isfinite(x)) return nonFinite(x);
  if (x == 0) return "0";
  std::string digits;
  int exponent = 0;
  significant(std::fabs(x), digits, exponent);
  std::string body;
  if (exponent >= 15 || exponent < -4) {
    body = layoutExponent(digits, exponent);
  } else {
    body = layoutFixed(digits, exponent);
    if (!leadingZero && body.rfind("0.", 0) == 0) body.erase(0, 1);
  }
  return x < 0 ? "-" + body : body;
}

}  // namespace

std::string fixedText(double x, int decimals, int minIntDigits) {
  if (!std::isfinite(x)) return nonFinite(x);
  std::string digits = padInteger(fixedDigits(std::fabs(x), decimals), minIntDigits);
  if (x < 0 && !allZero(digits)) digits.insert(0, 1, '-');
  return digits;
}

std::string resultText(double x, int decimals, int minIntDigits) {
  std::string t = fixedText(x, decimals, minIntDigits);
  return t[0] == '-' ? t : " " + t;
}

std::string twoDigitText(double x) { return fixedText(roundHalfEven(x), 0, 2); }

std::string jdText(double x) {
  if (!std::isfinite(x)) return nonFinite(x);
  if (x == 0) return " 0";
  std::string digits;
  int exponent = 0;
  significant(std::fabs(x), digits, exponent);
  const std::string body = layoutFixed(digits, exponent);
  return x < 0 ? "-" + body : " " + body;
}

std::string plainText(double x) { return shortForm(x, true); }

std::string generalText(double x) { return shortForm(x, false); }

}  // namespace korvel::astro
