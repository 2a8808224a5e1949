#include "calc/compute_chamber.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

// Compares bit patterns so that a difference in the last place shows.
#define EXPECT_BITS(actual, expected) \
  EXPECT_EQ(Bits(actual), Bits(expected)) << #actual << " = " << (actual)

ChamberDesign Computed(void (*change)(ChamberDesign&) = nullptr) {
  ChamberDesign d;
  if (change) change(d);
  ComputeChamber(d);
  return d;
}

}  // namespace

TEST(ComputeChamber, WorkedExampleIsBitExact) {
  const ChamberDesign d = Computed();
  EXPECT_BITS(d.bmep, 9.88022525347889);
  EXPECT_BITS(d.waveSpeed, 589.107699892432);
  EXPECT_BITS(d.tunedLength, 905.3407131946897);
  EXPECT_BITS(d.L01, 38.53407131946898);
  EXPECT_BITS(d.L12, 248.96869612853968);
  EXPECT_BITS(d.L23, 165.67735051462822);
  EXPECT_BITS(d.L34, 83.29134561391145);
  EXPECT_BITS(d.L45, 99.58747845141586);
  EXPECT_BITS(d.L56, 217.28177116672552);
  EXPECT_BITS(d.L67, 217.28177116672552);
  EXPECT_BITS(d.D0, 37.409978730874066);
  EXPECT_BITS(d.D1, 37.409978730874066);
  EXPECT_BITS(d.D2, 50.11974367783588);
  EXPECT_BITS(d.D3, 72.49086201231843);
  EXPECT_BITS(d.D4, 94.58401830444858);
  EXPECT_BITS(d.D5, 94.58401830444858);
  EXPECT_BITS(d.D6, 21.063704847898563);
  EXPECT_BITS(d.D7, 21.063704847898563);
  EXPECT_BITS(d.TotalLength(), 1070.6224843614152);
  EXPECT_BITS(d.LengthWithoutStinger(), 853.3407131946897);
  EXPECT_BITS(d.TunedLengthToBaffleMiddle(), 796.6998276113269);
  EXPECT_EQ(d.computed, 1);
}

TEST(ComputeChamber, GeometricHornWithCoefficientOne) {
  const ChamberDesign d = Computed([](ChamberDesign& c) { c.hornCoefficient = 1.0; });
  EXPECT_BITS(d.D2, 59.48433502234034);
  EXPECT_BITS(d.D3, 80.9907158981457);
  EXPECT_BITS(d.D4, 94.58401830444858);
  EXPECT_BITS(d.tunedLength, 905.3407131946897);
}

TEST(ComputeChamber, LowPowerMakesBellyNarrowerThanHeaderAndDiffuserNaN) {
  const ChamberDesign d = Computed([](ChamberDesign& c) { c.power = 12.0; });
  EXPECT_BITS(d.bmep, 4.391211223768396);
  EXPECT_BITS(d.D1, 51.46228426187414);
  EXPECT_BITS(d.D4, 48.256734928003745);
  EXPECT_BITS(d.D6, 27.685375365249477);
  EXPECT_TRUE(std::isnan(d.D2));
  EXPECT_TRUE(std::isnan(d.D3));
  EXPECT_EQ(d.computed, 1);
}

TEST(ComputeChamber, LowPowerWithIntegralHornStaysFinite) {
  const ChamberDesign d = Computed([](ChamberDesign& c) {
    c.power = 12.0;
    c.hornCoefficient = 2.0;
  });
  EXPECT_BITS(d.D2, 51.51552718336485);
  EXPECT_BITS(d.D3, 51.6101017639254);
}

TEST(ComputeChamber, LongExhaustPassageGivesNegativeHeader) {
  const ChamberDesign d = Computed([](ChamberDesign& c) { c.exhaustInCylinder = 100.0; });
  EXPECT_BITS(d.L01, -9.465928680531022);
  EXPECT_BITS(d.L12, 248.96869612853968);
  EXPECT_BITS(d.D2, 50.11974367783588);
}

TEST(ComputeChamber, SecondRunWritesTheSameBits) {
  ChamberDesign once = Computed();
  ChamberDesign twice = once;
  ComputeChamber(twice);
  EXPECT_EQ(std::memcmp(&once, &twice, sizeof once), 0);
}

TEST(ComputeChamber, PairsHoldTheSameBitsEvenWhenNaN) {
  for (double power : {27.0, 12.0, 0.0, -5.0, std::numeric_limits<double>::quiet_NaN()}) {
    ChamberDesign d;
    d.power = power;
    ComputeChamber(d);
    EXPECT_BITS(d.D0, d.D1);
    EXPECT_BITS(d.D4, d.D5);
    EXPECT_BITS(d.D6, d.D7);
    EXPECT_BITS(d.L56, d.L67);
  }
}

TEST(ComputeChamber, DoesNotGuardInputsOutsideTheDomain) {
  const ChamberDesign zeroRpm = Computed([](ChamberDesign& c) { c.rpm = 0.0; });
  EXPECT_TRUE(std::isinf(zeroRpm.bmep));
  EXPECT_EQ(zeroRpm.computed, 1);
  const ChamberDesign zeroPort = Computed([](ChamberDesign& c) { c.portWidth = 0.0; });
  EXPECT_EQ(zeroPort.D1, 0.0);
  EXPECT_TRUE(std::isnan(zeroPort.D2));
  const ChamberDesign nanInput =
      Computed([](ChamberDesign& c) { c.displacement = std::numeric_limits<double>::quiet_NaN(); });
  EXPECT_TRUE(std::isnan(nanInput.tunedLength));
}
