#include "calc/chamber_development.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calc/compute_chamber.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

ChamberDesign Computed(void (*change)(ChamberDesign&) = nullptr) {
  ChamberDesign design;
  if (change) change(design);
  ComputeChamber(design);
  return design;
}

}  // namespace

TEST(DevelopCone, WorkedCheck) {
  const SectionDevelopment cone = DevelopCone("Test cone", 40.0, 100.0, 200.0);
  ASSERT_TRUE(cone.hasPattern) << cone.reason;
  EXPECT_EQ(cone.kind, SectionKind::kCone);
  EXPECT_NEAR(cone.slantLength, 202.24, 0.005);
  EXPECT_NEAR(cone.outerRadius, 337.06, 0.005);
  EXPECT_NEAR(cone.innerRadius, 134.82, 0.01);
  EXPECT_NEAR(cone.sweepDegrees, 53.40, 0.005);
  EXPECT_NEAR(cone.includedAngle, 17.06, 0.005);
}

TEST(DevelopCone, ConvergingConeIsDevelopedFromItsSmallEnd) {
  const SectionDevelopment diverging = DevelopCone("Out", 40.0, 100.0, 200.0);
  const SectionDevelopment converging = DevelopCone("In", 100.0, 40.0, 200.0);
  ASSERT_TRUE(converging.hasPattern) << converging.reason;
  EXPECT_EQ(converging.startDiameter, 100.0);
  EXPECT_EQ(converging.endDiameter, 40.0);
  EXPECT_EQ(converging.smallDiameter, 40.0);
  EXPECT_EQ(converging.largeDiameter, 100.0);
  EXPECT_EQ(converging.outerRadius, diverging.outerRadius);
  EXPECT_EQ(converging.innerRadius, diverging.innerRadius);
  EXPECT_EQ(converging.sweepDegrees, diverging.sweepDegrees);
  EXPECT_GT(converging.innerRadius, 0.0);
}

TEST(DevelopCone, SheetThicknessDevelopsTheMidSurface) {
  const SectionDevelopment cone = DevelopCone("Thick", 40.0, 100.0, 200.0, 1.5);
  EXPECT_EQ(cone.smallDiameter, 41.5);
  EXPECT_EQ(cone.largeDiameter, 101.5);
  EXPECT_NEAR(cone.slantLength, 202.24, 0.005);
  EXPECT_NEAR(cone.outerRadius, 342.12, 0.005);
  EXPECT_NEAR(cone.innerRadius, 139.88, 0.005);
}

TEST(DevelopCone, EqualEndsAreAPipe) {
  const SectionDevelopment cone = DevelopCone("Even", 50.0, 50.0, 120.0);
  ASSERT_TRUE(cone.hasPattern);
  EXPECT_EQ(cone.kind, SectionKind::kPipe);
  EXPECT_NEAR(cone.circumference, 157.08, 0.005);
}

TEST(DevelopPipe, IsCircumferenceByLength) {
  const SectionDevelopment pipe = DevelopPipe("Tube", 37.41, 38.53, 1.0);
  ASSERT_TRUE(pipe.hasPattern) << pipe.reason;
  EXPECT_EQ(pipe.kind, SectionKind::kPipe);
  EXPECT_NEAR(pipe.circumference, 120.67, 0.005);  // pi * (37.41 + 1)
  EXPECT_EQ(pipe.length, 38.53);
  EXPECT_EQ(pipe.outerRadius, 0.0);
}

struct BadFigure {
  const char* name;
  double start, end, length, thickness;
  const char* reason;
};

class DevelopConeRefuses : public testing::TestWithParam<BadFigure> {};

TEST_P(DevelopConeRefuses, NamingTheFigure) {
  const BadFigure& c = GetParam();
  const SectionDevelopment cone = DevelopCone("Cone", c.start, c.end, c.length, c.thickness);
  EXPECT_FALSE(cone.hasPattern);
  EXPECT_EQ(cone.reason, c.reason);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, DevelopConeRefuses,
    testing::Values(BadFigure{"NaNStart", kNaN, 100.0, 200.0, 0.0,
                              "Cone (start diameter to end diameter over length) has no pattern: "
                              "start diameter is not a number."},
                    BadFigure{"InfiniteEnd", 40.0, kInf, 200.0, 0.0,
                              "Cone (start diameter to end diameter over length) has no pattern: "
                              "end diameter is infinite."},
                    BadFigure{"ZeroLength", 40.0, 100.0, 0.0, 0.0,
                              "Cone (start diameter to end diameter over length) has no pattern: "
                              "length is 0.00 mm, not greater than 0."},
                    BadFigure{"NegativeLength", 40.0, 100.0, -9.4659, 0.0,
                              "Cone (start diameter to end diameter over length) has no pattern: "
                              "length is -9.47 mm, not greater than 0."},
                    BadFigure{"NegativeThickness", 40.0, 100.0, 200.0, -1.0,
                              "Cone (start diameter to end diameter over length) has no pattern: "
                              "the sheet thickness is not a number of 0 or more."}),
    [](const testing::TestParamInfo<BadFigure>& p) { return std::string(p.param.name); });

TEST(DevelopChamber, DefaultDesignHeaderToStinger) {
  const ChamberDevelopment development = DevelopChamber(Computed());
  ASSERT_EQ(development.sections.size(), 7u);
  const char* names[] = {"Header", "Diffuser cone 1", "Diffuser cone 2", "Diffuser cone 3",
                         "Belly",  "Baffle cone",     "Stinger"};
  const char* ids[] = {"header", "diffuser-cone-1", "diffuser-cone-2", "diffuser-cone-3",
                       "belly",  "baffle-cone",     "stinger"};
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(development.sections[i].name, names[i]);
    EXPECT_EQ(development.sections[i].id, ids[i]);
    EXPECT_TRUE(development.sections[i].hasPattern) << development.sections[i].reason;
  }
  EXPECT_TRUE(development.MissingPatterns().empty());
}

TEST(DevelopChamber, DefaultDesignFigures) {
  const ChamberDevelopment development = DevelopChamber(Computed());
  const SectionDevelopment& header = development.sections[0];
  EXPECT_EQ(header.kind, SectionKind::kPipe);
  EXPECT_NEAR(header.circumference, 117.53, 0.005);
  EXPECT_NEAR(header.length, 38.53, 0.005);
  const SectionDevelopment& diffuser1 = development.sections[1];
  EXPECT_NEAR(diffuser1.outerRadius, 982.10, 0.005);
  EXPECT_NEAR(diffuser1.innerRadius, 733.05, 0.005);
  EXPECT_NEAR(diffuser1.sweepDegrees, 9.19, 0.005);
  const SectionDevelopment& baffle = development.sections[5];
  EXPECT_EQ(baffle.startLabel, "D5");
  EXPECT_EQ(baffle.endLabel, "D6");
  EXPECT_NEAR(baffle.startDiameter, 94.58, 0.005);
  EXPECT_NEAR(baffle.endDiameter, 21.06, 0.005);
  EXPECT_NEAR(baffle.slantLength, 220.37, 0.005);
  EXPECT_NEAR(baffle.outerRadius, 283.51, 0.005);
  EXPECT_NEAR(baffle.innerRadius, 63.14, 0.005);
  EXPECT_NEAR(baffle.sweepDegrees, 60.05, 0.005);
  EXPECT_NEAR(baffle.includedAngle, 19.20, 0.005);
}

TEST(DevelopChamber, LowPressureNamesTheNaNCones) {
  const ChamberDevelopment development =
      DevelopChamber(Computed([](ChamberDesign& d) { d.power = 12.0; }));
  const auto missing = development.MissingPatterns();
  ASSERT_EQ(missing.size(), 3u);
  EXPECT_EQ(missing[0]->reason,
            "Diffuser cone 1 (D1 to D2 over L12) has no pattern: D2 is not a number.");
  EXPECT_EQ(missing[1]->reason,
            "Diffuser cone 2 (D2 to D3 over L23) has no pattern: D2 is not a number.");
  EXPECT_EQ(missing[2]->reason,
            "Diffuser cone 3 (D3 to D4 over L34) has no pattern: D3 is not a number.");
}

TEST(DevelopChamber, NegativeHeaderLengthIsNamed) {
  const ChamberDevelopment development =
      DevelopChamber(Computed([](ChamberDesign& d) { d.exhaustInCylinder = 100.0; }));
  const auto missing = development.MissingPatterns();
  ASSERT_EQ(missing.size(), 1u);
  EXPECT_EQ(missing[0]->reason,
            "Header (D0 over L01) has no pattern: L01 is -9.47 mm, not greater than 0.");
}
