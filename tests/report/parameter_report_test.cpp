#include "report/parameter_report.h"

#include <gtest/gtest.h>

#include "calc/compute_chamber.h"

namespace {

constexpr const char* kDefaultReport =
    "Displacement : 124.90\n"
    "Exhaust phase duration : 180.80\n"
    "Exhaust port height :  25.00\n"
    "Exhaust port width :  35.00\n"
    "Exhaust in cylinder :  52.00\n"
    "Power :  27.00\n"
    "Engine RPM : 9800.00\n"
    "Horn coefficient:   1.60\n"
    "D0 :  37.41 mm\n"
    "D1 :  37.41 mm\n"
    "D2 :  50.12 mm\n"
    "D3 :  72.49 mm\n"
    "D4 :  94.58 mm\n"
    "D5 :  94.58 mm\n"
    "D6 :  21.06 mm\n"
    "D7 :  21.06 mm\n"
    "L01 :  38.53 mm\n"
    "L12 : 248.97 mm\n"
    "L23 : 165.68 mm\n"
    "L34 :  83.29 mm\n"
    "L45 :  99.59 mm\n"
    "L56 : 217.28 mm\n"
    "L67 : 217.28 mm\n"
    "Total Length : 1070.62 mm\n"
    "Total Length without stinger: 853.34 mm\n"
    "Total Tuned Length (piston face to middle of baffle cone) : 796.70 mm\n";

}  // namespace

TEST(ParameterReportText, DefaultDesignGivesTheKnownReport) {
  ChamberDesign d;
  ComputeChamber(d);
  EXPECT_EQ(ParameterReportText(d), kDefaultReport);
}

TEST(ParameterReportText, TotalsUseThePresentRecord) {
  ChamberDesign d;
  d.tunedLength = 800;
  d.exhaustInCylinder = 50;
  d.L67 = 100;
  d.L56 = 200;
  const std::string text = ParameterReportText(d);
  EXPECT_NE(text.find("\nTotal Length : 850.00 mm\n"
                      "Total Length without stinger: 750.00 mm\n"
                      "Total Tuned Length (piston face to middle of baffle cone) : 700.00 mm\n"),
            std::string::npos);
}

TEST(ParameterReportText, WideAndNonFiniteFiguresKeepTheirLine) {
  ChamberDesign d;
  d.displacement = 0.0;
  d.rpm = 12345.678;
  d.power = 12.0;
  ComputeChamber(d);
  const std::string text = ParameterReportText(d);
  EXPECT_NE(text.find("Displacement :   0.00\n"), std::string::npos);
  EXPECT_NE(text.find("Engine RPM : 12345.68\n"), std::string::npos);
  EXPECT_NE(text.find("D2 :    nan mm\n"), std::string::npos);
}
