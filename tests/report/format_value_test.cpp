#include "report/format_value.h"

#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
  double value;
  const char* text;
};

class FormatValueTable : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueTable, RendersSixWideTwoDecimals) {
  EXPECT_EQ(FormatValue(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(FormatValue, FormatValueTable,
                         testing::Values(FormatCase{124.9, "124.90"}, FormatCase{1.6, "  1.60"},
                                         FormatCase{0.0, "  0.00"}, FormatCase{-0.0, " -0.00"},
                                         FormatCase{-3.5, " -3.50"}, FormatCase{54.5, " 54.50"},
                                         FormatCase{9800.0, "9800.00"},
                                         FormatCase{12345.678, "12345.68"},
                                         FormatCase{1070.6224843614152, "1070.62"},
                                         FormatCase{-9.465928680531022, " -9.47"},
                                         FormatCase{0.125, "  0.12"}, FormatCase{0.375, "  0.38"},
                                         FormatCase{1e20, "100000000000000000000.00"},
                                         FormatCase{kNaN, "   nan"}, FormatCase{-kNaN, "   nan"},
                                         FormatCase{kInf, "   inf"}, FormatCase{-kInf, "  -inf"}),
                         [](const auto& row) {
                           std::string name = "Case" + std::to_string(row.index) + "_";
                           for (char c : std::string(row.param.text)) {
                             if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                             if (c == '-') name += "minus";
                           }
                           return name;
                         });

// printf in the C locale is the reference rendering for every finite value.
TEST(FormatValue, AgreesWithPrintfOnRandomFigures) {
  std::mt19937_64 random(20091);
  std::uniform_real_distribution<double> figure(-20000.0, 20000.0);
  for (int i = 0; i < 100000; ++i) {
    const double value = i % 2 ? figure(random) : std::round(figure(random) * 1000.0) / 1000.0;
    char expected[64];
    std::snprintf(expected, sizeof expected, "%6.2lf", value);
    ASSERT_EQ(FormatValue(value), expected) << "value " << value;
  }
}

TEST(FormatValue, IgnoresACommaDecimalLocale) {
  const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
  if (german == nullptr) german = std::setlocale(LC_ALL, "fr_FR.UTF-8");
  if (german == nullptr) GTEST_SKIP() << "no comma-decimal locale installed";
  const std::string text = FormatValue(35.25);
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(text, " 35.25");
}

}  // namespace
