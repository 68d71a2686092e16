#include <gtest/gtest.h>

#include <cmath>

#include "astro/textform.h"

using namespace korvel::astro;

TEST(NumericValue, ReadsTheLeadingNumberIgnoringBlanks) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"", 0},          {"  12", 12},     {"- 1.25", -1.25}, {"3a", 3},        {"abc", 0},
      {" 2451545", 2451545}, {"1 2", 12},  {"\t7\n", 7},      {"1.5.3", 1.5},   {".5", 0.5},
      {"-.25", -0.25},  {"1E3", 1000},    {"2e-2", 0.02},    {"1e", 1},        {"1e+", 1},
      {"+4", 4},        {"--4", 0},       {"12:30", 12},     {"1,5", 1},       {"-", 0},
      {" 360.000000000000", 360},         {"-4.715980259636", -4.715980259636},
  };
  for (const auto& c : cases) EXPECT_EQ(val(c.text), c.value) << '"' << c.text << '"';
  EXPECT_TRUE(std::isinf(val("1e999")));
  EXPECT_EQ(val("1e-999"), 0);
}

TEST(NumericValue, HalvesRoundToEven) {
  const double cases[][2] = {{2.5, 2}, {3.5, 4}, {12.5, 12}, {13.5, 14}, {-2.5, -2}, {0.5, 0}, {1.4999, 1}};
  for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c[0]), c[1]) << c[0];
}

TEST(TextForms, ResultFields) {
  EXPECT_EQ(text12(280.3773624988), " 280.377362498800");
  EXPECT_EQ(text12(5.5), " 5.500000000000");
  EXPECT_EQ(text12(0), " 0.000000000000");
  EXPECT_EQ(text12(-4.715980259636), "-4.715980259636");
  EXPECT_EQ(text12(std::nextafter(360.0, 0.0)), " 360.000000000000");
  EXPECT_EQ(text12(0.0000000000004), " 0.000000000000");
  EXPECT_EQ(text13(0), " 0.0000000000000");
  EXPECT_EQ(text14(0.98330973485562), " 0.98330973485562");
  EXPECT_EQ(textKm(402451.148251), " 402451.14825100");
  EXPECT_EQ(textKm(99999.5), " 099999.50000000");
  EXPECT_EQ(fixedText(-0.00000001, 6), "0.000000");
}

TEST(TextForms, JulianDayForm) {
  EXPECT_EQ(jdText(2451545.0), " 2451545");
  EXPECT_EQ(jdText(2451544.5 + 0.5 + 64.0 / 86400), " 2451545.00074074");
  EXPECT_EQ(jdText(2451544.5 + 12.0 / 24 + 66.0 / 86400), " 2451545.00076389");
  EXPECT_EQ(jdText(0.5), " 0.5");
  EXPECT_EQ(jdText(-12.25), "-12.25");
  EXPECT_EQ(jdText(1e16), " 10000000000000000");
}

TEST(TextForms, PlainAndGeneralForms) {
  const struct {
    double x;
    const char* plain;
    const char* general;
  } cases[] = {
      {13, "13", "13"},         {-1, "-1", "-1"},       {2025, "2025", "2025"},   {0.5, "0.5", ".5"},
      {-0.25, "-0.25", "-.25"}, {0, "0", "0"},          {0.1 + 0.2, "0.3", ".3"}, {5.1713188696, "5.1713188696", "5.1713188696"},
      {1e15, "1E+15", "1E+15"}, {1.5e-5, "1.5E-05", "1.5E-05"}, {123456789012345.6, "123456789012346", "123456789012346"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(plainText(c.x), c.plain) << c.x;
    EXPECT_EQ(generalText(c.x), c.general) << c.x;
    EXPECT_EQ(val(plainText(c.x)), val(c.plain));
  }
  EXPECT_EQ(twoDigitText(1), "01");
  EXPECT_EQ(twoDigitText(62), "62");
  EXPECT_EQ(twoDigitText(166), "166");
  EXPECT_EQ(twoDigitText(0), "00");
}
