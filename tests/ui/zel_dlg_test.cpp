// The input form driven as its user drives it: typing into the edits,
// clicking Compute, and the states of the Show and Save buttons.

#include <gmock/gmock.h>
#include <QTest>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "calc/compute_chamber.h"
#include "res/resource_ids.h"
#include "tests/support/window_widgets.h"
#include "tests/ui/form_fixture.h"

namespace {

using InputFormTest = FormTest;

TEST_F(InputFormTest, OpensFreshWithTheDefaults) {
  RunForm([&] {
    QWidget* window = WidgetForWindow(form_.m_hWnd);
    EXPECT_EQ(window->windowTitle(), "Tubrix 1.2");
    EXPECT_FALSE(window->windowIcon().isNull());
    QStringList texts;
    for (int id = IDC_DISPLACEMENT; id <= IDC_HORN_COEFFICIENT; ++id) texts << Text(id);
    EXPECT_EQ(texts, kDefaultTexts);
    EXPECT_EQ(FigureBits(Record()), FigureBits(ChamberDesign{}));
    EXPECT_EQ(Record().computed, 0);
    EXPECT_TRUE(Enabled(IDC_APROPOS));
    EXPECT_TRUE(Enabled(IDC_COMPUTE));
    EXPECT_FALSE(Enabled(IDC_SHOW));
    EXPECT_FALSE(Enabled(IDC_SAVE));
  });
}

TEST_F(InputFormTest, EachKeystrokeStoresAtOnceWithoutAMessage) {
  RunForm([&] {
    ExpectNoModalWindow([&] {
      Clear(IDC_RPM);
      EXPECT_EQ(Record().rpm, 0.0);
      QTest::keyClick(Edit(IDC_RPM), '1');
      EXPECT_EQ(Record().rpm, 1.0);
      QTest::keyClick(Edit(IDC_RPM), '0');
      EXPECT_EQ(Record().rpm, 10.0);
      QTest::keyClick(Edit(IDC_RPM), '5');
      EXPECT_EQ(Record().rpm, 105.0);
    });
    EXPECT_EQ(Text(IDC_RPM), "105");
    EXPECT_EQ(Record().computed, 0);
  });
}

struct TypedCase {
  const char* name;
  const char* typed;
  double stored;
};

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The whole text counts, read as wcstod reads it: blanks skipped, the
// number ends at the first character that cannot continue it.
const TypedCase kTypedCases[] = {
    {"FiveDigitsAndADecimal", "12000.5", 12000.5},
    {"SixDigits", "123456", 123456.0},
    {"SpeedWithADecimal", "9800.5", 9800.5},
    {"Exponent", "1e3", 1000.0},
    {"LargeExponent", "1e6", 1000000.0},
    {"LeadingBlanks", "  7", 7.0},
    {"Letters", "abc", 0.0},
    {"Empty", "", 0.0},
    {"NumberThenLetters", "12abc", 12.0},
    {"Negative", "-1.25", -1.25},
    {"PlusSign", "+5", 5.0},
    {"NoLeadingZero", ".5", 0.5},
    {"CommaEndsTheNumber", "1,5", 1.0},
    {"Overflow", "1e999", kInfinity},
    {"NotANumber", "nan", kNaN},
    {"Hexadecimal", "0x10", 16.0},
    {"NonAsciiDigit", "\u0663", 0.0},
};

class TypedTextTest : public FormTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedTextTest, StoresTheNumberTheTextStartsWith) {
  const TypedCase& c = GetParam();
  RunForm([&] {
    ExpectNoModalWindow([&] { Retype(IDC_RPM, QString::fromUtf8(c.typed)); });
    EXPECT_THAT(Record().rpm, ::testing::NanSensitiveDoubleEq(c.stored));
    EXPECT_EQ(Text(IDC_RPM), QString::fromUtf8(c.typed));
  });
}

INSTANTIATE_TEST_SUITE_P(InputForm, TypedTextTest, ::testing::ValuesIn(kTypedCases), CaseName());

TEST_F(InputFormTest, ACommaDecimalLocaleChangesNothing) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  RunForm([&] {
    Retype(IDC_HORN_COEFFICIENT, "1.5");
    EXPECT_EQ(Record().hornCoefficient, 1.5);
    Click(IDC_COMPUTE);
    EXPECT_EQ(Text(IDC_HORN_COEFFICIENT), "  1.50");
    EXPECT_EQ(Text(IDC_DISPLACEMENT), "124.90");
  });
  std::setlocale(LC_ALL, saved.c_str());
}

struct ReadBackCase {
  const char* name;
  int id;
  double ChamberDesign::*field;
  const char* typed;
  double typedValue;  // what Compute works with
  const char* shown;  // the edit after Compute
  double readBack;    // the record after Compute
};

const ReadBackCase kReadBackCases[] = {
    {"PortWidth", IDC_PORT_WIDTH, &ChamberDesign::portWidth, "35.25", 35.25, " 35.25", 35.25},
    {"HornCoefficient", IDC_HORN_COEFFICIENT, &ChamberDesign::hornCoefficient, "1.64", 1.64,
     "  1.64", 1.64},
    {"NegativeExhaustInCylinder", IDC_EXHAUST_IN_CYLINDER, &ChamberDesign::exhaustInCylinder,
     "-1.25", -1.25, " -1.25", -1.25},
    {"SpeedFromAnExponent", IDC_RPM, &ChamberDesign::rpm, "1e6", 1e6, "1000000.00", 1e6},
    {"SpeedWithDecimals", IDC_RPM, &ChamberDesign::rpm, "12000.25", 12000.25, "12000.25", 12000.25},
    {"ThirdDecimalRounded", IDC_DISPLACEMENT, &ChamberDesign::displacement, "124.976", 124.976,
     "124.98", 124.98},
    {"PowerWithBlanks", IDC_POWER, &ChamberDesign::power, "  7", 7.0, "  7.00", 7.0},
};

class ReadBackTest : public FormTest, public ::testing::WithParamInterface<ReadBackCase> {};

// Compute works with the typed value, then the redisplay leaves the value
// that the two-decimal text shows, and the next Compute works with that.
TEST_P(ReadBackTest, ComputeUsesTheTypedValueAndKeepsTheShownOne) {
  const ReadBackCase& c = GetParam();
  ChamberDesign typed;
  typed.*c.field = c.typedValue;
  ComputeChamber(typed);
  ChamberDesign shown;
  shown.*c.field = c.readBack;
  ComputeChamber(shown);
  RunForm([&] {
    Retype(c.id, c.typed);
    ExpectNoModalWindow([&] { Click(IDC_COMPUTE); });
    ChamberDesign afterCompute = typed;  // results of the typed value
    afterCompute.*c.field = c.readBack;
    EXPECT_EQ(FigureBits(Record()), FigureBits(afterCompute));
    EXPECT_EQ(Text(c.id), c.shown);
    EXPECT_EQ(Record().*c.field, c.readBack);
    Click(IDC_COMPUTE);
    EXPECT_EQ(FigureBits(Record()), FigureBits(shown));
  });
}

INSTANTIATE_TEST_SUITE_P(InputForm, ReadBackTest, ::testing::ValuesIn(kReadBackCases), CaseName());

TEST_F(InputFormTest, TheDefaultsReadBackUnchanged) {
  ChamberDesign expected;
  ComputeChamber(expected);
  RunForm([&] {
    Click(IDC_COMPUTE);
    QStringList texts;
    for (int id = IDC_DISPLACEMENT; id <= IDC_HORN_COEFFICIENT; ++id) texts << Text(id);
    EXPECT_EQ(texts, kDefaultTexts);
    EXPECT_EQ(FigureBits(Record()), FigureBits(expected));
  });
}

TEST_F(InputFormTest, ComputeTwiceWritesTheSameBits) {
  RunForm([&] {
    Click(IDC_COMPUTE);
    const std::vector<std::uint64_t> first = FigureBits(Record());
    Click(IDC_COMPUTE);
    EXPECT_EQ(FigureBits(Record()), first);
    EXPECT_EQ(Record().computed, 1);
  });
}

// Fresh -> Computed -> Saveable, and nothing leads back.
TEST_F(InputFormTest, CommandsMoveFromFreshToComputedToSaveable) {
  RunForm([&] {
    ExpectNoModalWindow([&] { Click(IDC_SHOW); });  // disabled: the click goes nowhere
    ExpectNoModalWindow([&] { Click(IDC_COMPUTE); });
    EXPECT_EQ(Record().computed, 1);
    EXPECT_TRUE(Enabled(IDC_SHOW));
    EXPECT_FALSE(Enabled(IDC_SAVE));

    Retype(IDC_POWER, "30");
    EXPECT_TRUE(Enabled(IDC_SHOW));
    EXPECT_FALSE(Enabled(IDC_SAVE));
    Click(IDC_COMPUTE);
    EXPECT_FALSE(Enabled(IDC_SAVE));

    answers_.Expect<QDialog>([](QDialog* results) { QTest::keyClick(results, Qt::Key_Return); });
    Click(IDC_SHOW);
    EXPECT_TRUE(Enabled(IDC_SHOW));
    EXPECT_TRUE(Enabled(IDC_SAVE));

    Retype(IDC_RPM, "abc");
    ExpectMessage("Engine RPM must be a number greater than 0.");
    Click(IDC_COMPUTE);  // refused: no speed
    Retype(IDC_RPM, "9000");
    Click(IDC_COMPUTE);
    EXPECT_EQ(Record().computed, 1);
    EXPECT_TRUE(Enabled(IDC_SHOW));
    EXPECT_TRUE(Enabled(IDC_SAVE));
  });
}

struct RefusalCase {
  const char* name;
  int id;
  const char* typed;
  const char* message;
};

const RefusalCase kRefusals[] = {
    {"EmptyDisplacement", IDC_DISPLACEMENT, "", "Displacement must be a number greater than 0."},
    {"LettersAsDuration", IDC_EXHAUST_DURATION, "abc",
     "Exhaust duration must be a number greater than 0."},
    {"NegativePortWidth", IDC_PORT_WIDTH, "-3",
     "Exhaust port width must be a number greater than 0."},
    {"ZeroPortHeight", IDC_PORT_HEIGHT, "0",
     "Exhaust port height must be a number greater than 0."},
    {"InfiniteSpeed", IDC_RPM, "1e999", "Engine RPM must be a finite number."},
    {"InfinitePower", IDC_POWER, "1e999", "Desired power must be a finite number."},
    {"InfiniteExhaustInCylinder", IDC_EXHAUST_IN_CYLINDER, "-1e999",
     "Exhaust in cylinder must be a finite number."},
    {"HornCoefficientNotANumber", IDC_HORN_COEFFICIENT, "nan",
     "Horn coefficient must be a finite number."},
};

class RefusalTest : public FormTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, ComputeNamesTheInputAndChangesNothing) {
  const RefusalCase& c = GetParam();
  RunForm([&] {
    Retype(c.id, c.typed);
    const FormState before = State();
    ExpectMessage(c.message);
    Click(IDC_COMPUTE);
    EXPECT_EQ(answers_.pending(), 0);
    EXPECT_EQ(State(), before);
    EXPECT_EQ(Text(c.id), c.typed);
    EXPECT_EQ(Record().computed, 0);
    EXPECT_FALSE(Enabled(IDC_SHOW));
  });
}

INSTANTIATE_TEST_SUITE_P(InputForm, RefusalTest, ::testing::ValuesIn(kRefusals), CaseName());

TEST_F(InputFormTest, ARefusalAfterComputeKeepsTheLastResults) {
  RunForm([&] {
    ComputeAndConfirmShow();
    Retype(IDC_DISPLACEMENT, "0");
    const FormState before = State();
    ExpectMessage("Displacement must be a number greater than 0.");
    Click(IDC_COMPUTE);
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(before.showEnabled);
    EXPECT_TRUE(before.saveEnabled);
  });
}

}  // namespace
