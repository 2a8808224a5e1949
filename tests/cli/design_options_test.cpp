#include "cli/design_options.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <vector>

namespace {

struct GoodCase {
  const char* name;
  std::vector<const char*> args;
  double ChamberDesign::*field;
  double expected;
};

void PrintTo(const GoodCase& c, std::ostream* out) { *out << c.name; }

class DesignOptionsGood : public testing::TestWithParam<GoodCase> {};

TEST_P(DesignOptionsGood, StoresTheNumber) {
  const GoodCase& c = GetParam();
  ChamberDesign design;
  EXPECT_EQ(DesignOptions().Parse(c.args, design), std::nullopt);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(design.*c.field),
            std::bit_cast<std::uint64_t>(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DesignOptionsGood,
    testing::Values(
        GoodCase{"Displacement", {"--displacement", "50"}, &ChamberDesign::displacement, 50.0},
        GoodCase{"ExhaustDurationEquals",
                 {"--exhaust-duration=190.5"},
                 &ChamberDesign::exhaustDuration,
                 190.5},
        GoodCase{"PortHeight", {"--port-height", "27"}, &ChamberDesign::portHeight, 27.0},
        GoodCase{"PortWidth", {"--port-width", "1e1"}, &ChamberDesign::portWidth, 10.0},
        GoodCase{"NegativeValueAfterSpace",
                 {"--exhaust-in-cylinder", "-5"},
                 &ChamberDesign::exhaustInCylinder,
                 -5.0},
        GoodCase{"Power", {"--power=12"}, &ChamberDesign::power, 12.0},
        GoodCase{"Rpm", {"--rpm", "12000"}, &ChamberDesign::rpm, 12000.0},
        GoodCase{
            "HornCoefficient", {"--horn-coefficient", "0.1"}, &ChamberDesign::hornCoefficient, 0.1},
        GoodCase{"LastOneWins", {"--rpm", "1", "--rpm=2"}, &ChamberDesign::rpm, 2.0},
        GoodCase{"Infinity",
                 {"--power", "inf"},
                 &ChamberDesign::power,
                 std::numeric_limits<double>::infinity()},
        GoodCase{"ShortestDigitsRoundTrip",
                 {"--rpm", "0.30000000000000004"},
                 &ChamberDesign::rpm,
                 0.30000000000000004},
        GoodCase{"UntouchedKeepsDefault", {"--rpm", "1"}, &ChamberDesign::displacement, 124.9}),
    [](const auto& test) { return std::string(test.param.name); });

struct BadCase {
  const char* name;
  std::vector<const char*> args;
  const char* message;
};

void PrintTo(const BadCase& c, std::ostream* out) { *out << c.name; }

class DesignOptionsBad : public testing::TestWithParam<BadCase> {};

TEST_P(DesignOptionsBad, NamesTheProblem) {
  const BadCase& c = GetParam();
  ChamberDesign design;
  EXPECT_EQ(DesignOptions().Parse(c.args, design), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DesignOptionsBad,
    testing::Values(
        BadCase{"TrailingLetters", {"--rpm", "12x"}, "--rpm: \"12x\" is not a number"},
        BadCase{"EmptyAfterEquals", {"--power="}, "--power: \"\" is not a number"},
        BadCase{"EmptyArgument", {"--port-width", ""}, "--port-width: \"\" is not a number"},
        BadCase{"LeadingBlank", {"--rpm", " 5"}, "--rpm: \" 5\" is not a number"},
        BadCase{"DecimalComma",
                {"--displacement", "124,9"},
                "--displacement: \"124,9\" is not a number"},
        BadCase{"OutOfRange", {"--rpm", "1e999"}, "--rpm: \"1e999\" is not a number"},
        BadCase{"Hexadecimal", {"--rpm", "0x10"}, "--rpm: \"0x10\" is not a number"},
        BadCase{"MissingValue", {"--horn-coefficient"}, "--horn-coefficient needs a value"},
        BadCase{"UnknownOption", {"--speed", "5"}, "unknown option \"--speed\""},
        BadCase{"FieldNameIsNotAnOption",
                {"--exhaustDuration=5"},
                "unknown option \"--exhaustDuration=5\""},
        BadCase{"UnknownShortOption", {"-x"}, "unknown option \"-x\""},
        BadCase{"Positional", {"design.txt"}, "unexpected argument \"design.txt\""},
        BadCase{"StopsAtFirstProblem", {"--rpm=a", "--power=b"}, "--rpm: \"a\" is not a number"}),
    [](const auto& test) { return std::string(test.param.name); });

// The options a command declares, next to the design inputs.
class CommandOptions : public testing::Test {
 protected:
  CommandOptions() {
    options.AddValueOption("output", 'o', [this](std::string_view file) {
      output = file;
      return std::optional<std::string>();
    });
    options.AddValueOption("paper", 0, [this](std::string_view name) {
      if (name != "A4") return std::optional<std::string>("--paper: unknown size");
      paper = name;
      return std::optional<std::string>();
    });
    options.AddNumberOption("sheet-thickness", 0, thickness);
    options.AddFlag("help", 'h', [this] { help = true; });
  }

  std::optional<std::string> Parse(std::vector<const char*> args) {
    return options.Parse(args, design);
  }

  DesignOptions options;
  ChamberDesign design;
  std::string output, paper;
  double thickness = 0.0;
  bool help = false;
};

TEST_F(CommandOptions, MixWithDesignInputs) {
  EXPECT_EQ(Parse({"-o", "a.pdf", "--rpm=9000", "--paper", "A4", "--sheet-thickness=0.8", "-h"}),
            std::nullopt);
  EXPECT_EQ(output, "a.pdf");
  EXPECT_EQ(paper, "A4");
  EXPECT_EQ(thickness, 0.8);
  EXPECT_TRUE(help);
  EXPECT_EQ(design.rpm, 9000.0);
}

TEST_F(CommandOptions, LongValueWithEqualsKeepsFurtherEquals) {
  EXPECT_EQ(Parse({"--output=a=b.txt"}), std::nullopt);
  EXPECT_EQ(output, "a=b.txt");
}

TEST_F(CommandOptions, ErrorsNameTheOption) {
  EXPECT_EQ(Parse({"--paper", "A5"}), "--paper: unknown size");
  EXPECT_EQ(Parse({"--sheet-thickness", "thin"}), "--sheet-thickness: \"thin\" is not a number");
  EXPECT_EQ(Parse({"--help=yes"}), "--help takes no value");
  EXPECT_EQ(Parse({"-o"}), "-o needs a value");
  EXPECT_FALSE(help);
}

TEST(ParseNumber, ReadsOnlyWholeNumbers) {
  EXPECT_EQ(ParseNumber("-0.5"), -0.5);
  EXPECT_EQ(ParseNumber("1E3"), 1000.0);
  EXPECT_TRUE(std::isnan(ParseNumber("nan").value_or(0.0)));
  EXPECT_EQ(ParseNumber(""), std::nullopt);
  EXPECT_EQ(ParseNumber("5 "), std::nullopt);
  EXPECT_EQ(ParseNumber("+5"), std::nullopt);
  EXPECT_EQ(ParseNumber("."), std::nullopt);
}

// Every input with its unit and default, wrapped within 79 columns with the
// default never split from its figure.
TEST(DesignOptionsHelp, ListsEveryInputWithItsUnitAndDefault) {
  EXPECT_EQ(DesignOptions::InputsHelp(),
            "  --displacement NUMBER         Displacement, cm3 (default 124.9)\n"
            "  --exhaust-duration NUMBER     Exhaust duration, degrees of crankshaft\n"
            "                                rotation (default 180.8)\n"
            "  --port-height NUMBER          Exhaust port height, mm (default 25)\n"
            "  --port-width NUMBER           Exhaust port width, mm (default 35)\n"
            "  --exhaust-in-cylinder NUMBER  Exhaust in cylinder: the length of the exhaust\n"
            "                                passage inside the cylinder, from the piston\n"
            "                                face to the start of the header, mm\n"
            "                                (default 52)\n"
            "  --power NUMBER                Desired power, horsepower (default 27)\n"
            "  --rpm NUMBER                  Engine RPM, revolutions per minute\n"
            "                                (default 9800)\n"
            "  --horn-coefficient NUMBER     Horn coefficient: the exponent of the\n"
            "                                diffuser's horn law, no unit (default 1.6)\n");
}

}  // namespace
