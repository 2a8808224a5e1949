#include "calc/design_inputs.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct RefusalCase {
  const char* name;
  double ChamberDesign::*member;
  double value;
  const char* message;
};

const RefusalCase kRefusals[] = {
    {"ZeroRpm", &ChamberDesign::rpm, 0.0, "Engine RPM must be a number greater than 0."},
    {"NegativeDisplacement", &ChamberDesign::displacement, -1.0,
     "Displacement must be a number greater than 0."},
    {"ZeroDuration", &ChamberDesign::exhaustDuration, 0.0,
     "Exhaust duration must be a number greater than 0."},
    {"NegativeZeroHeight", &ChamberDesign::portHeight, -0.0,
     "Exhaust port height must be a number greater than 0."},
    {"NaNWidth", &ChamberDesign::portWidth, kNaN,
     "Exhaust port width must be a number greater than 0."},
    {"InfiniteRpm", &ChamberDesign::rpm, kInf, "Engine RPM must be a finite number."},
    {"InfinitePower", &ChamberDesign::power, kInf, "Desired power must be a finite number."},
    {"NaNHorn", &ChamberDesign::hornCoefficient, kNaN, "Horn coefficient must be a finite number."},
    {"NegativeInfiniteExhaust", &ChamberDesign::exhaustInCylinder, -kInf,
     "Exhaust in cylinder must be a finite number."},
};

class Refusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, NamesTheField) {
  ChamberDesign d;
  d.*GetParam().member = GetParam().value;
  EXPECT_EQ(ValidateDesignInputs(d).value_or("accepted"), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(DesignInputs, Refusal, testing::ValuesIn(kRefusals),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace

TEST(DesignInputs, AcceptsWhatTheModelComputes) {
  ChamberDesign d;
  EXPECT_FALSE(ValidateDesignInputs(d));
  d.exhaustInCylinder = 1000.0;  // negative L01
  d.power = 0.0;                 // NaN D2 and D3
  d.hornCoefficient = -3.0;
  EXPECT_FALSE(ValidateDesignInputs(d));
}

TEST(DesignInputs, FindsByFieldOrOptionName) {
  EXPECT_EQ(FindDesignInput("exhaustDuration"), &kDesignInputs[1]);
  EXPECT_EQ(FindDesignInput("exhaust-duration"), &kDesignInputs[1]);
  EXPECT_EQ(FindDesignInput("Exhaust duration"), nullptr);
}
