#include "calc/chamber_design.h"

#include <gtest/gtest.h>

#include "calc/compute_chamber.h"

TEST(ChamberDesign, NewRecordHoldsTheDefaultsAndNoResults) {
  const ChamberDesign d;
  EXPECT_EQ(d.displacement, 124.9);
  EXPECT_EQ(d.exhaustDuration, 180.8);
  EXPECT_EQ(d.portHeight, 25.0);
  EXPECT_EQ(d.portWidth, 35.0);
  EXPECT_EQ(d.exhaustInCylinder, 52.0);
  EXPECT_EQ(d.power, 27.0);
  EXPECT_EQ(d.rpm, 9800.0);
  EXPECT_EQ(d.hornCoefficient, 1.6);
  for (double result : {d.bmep, d.waveSpeed, d.D0, d.D1, d.D2, d.D3, d.D4, d.D5, d.D6, d.D7, d.L01,
                        d.L12, d.L23, d.L34, d.L45, d.L56, d.L67, d.tunedLength}) {
    EXPECT_EQ(result, 0.0);
  }
  EXPECT_EQ(d.computed, 0);
}

TEST(ChamberDesign, TotalsCombineThePresentFields) {
  ChamberDesign d;
  d.tunedLength = 800;
  d.exhaustInCylinder = 50;
  d.L67 = 100;
  d.L56 = 200;
  EXPECT_EQ(d.TotalLength(), 850.0);
  EXPECT_EQ(d.LengthWithoutStinger(), 750.0);
  EXPECT_EQ(d.TunedLengthToBaffleMiddle(), 700.0);
}

TEST(ChamberDesign, EditedInputCountsInTotalsWithoutRecomputing) {
  ChamberDesign d;
  ComputeChamber(d);
  const ChamberDesign before = d;
  d.exhaustInCylinder = 60.0;
  EXPECT_EQ(d.tunedLength, before.tunedLength);
  EXPECT_EQ(d.computed, 1);
  EXPECT_EQ(d.TotalLength(), 1062.6224843614152);
  EXPECT_EQ(d.LengthWithoutStinger(), 845.3407131946897);
  EXPECT_EQ(d.TunedLengthToBaffleMiddle(), 796.6998276113269);
}
