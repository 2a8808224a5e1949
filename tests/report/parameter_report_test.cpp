#include "report/parameter_report.h"

#include <gtest/gtest.h>

#include "calc/compute_chamber.h"
#include "tests/support/default_report.h"

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
