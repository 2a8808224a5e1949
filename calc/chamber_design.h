#pragma once

#include <cstdint>

// One expansion-chamber design: the eight engine figures the user types, the
// intermediate figures and chamber dimensions of the last computation, and
// whether a computation has run. Plain public data; every figure is an IEEE
// double and may hold any value, zero, negative, infinite and NaN included.
// Lengths and diameters are in mm.
struct ChamberDesign {
  // Inputs.
  double displacement = 124.9;      // cm3
  double exhaustDuration = 180.8;   // degrees of crankshaft rotation
  double portHeight = 25.0;         // mm
  double portWidth = 35.0;          // mm
  double exhaustInCylinder = 52.0;  // mm, piston face to the start of the header
  double power = 27.0;              // horsepower
  double rpm = 9800.0;              // revolutions per minute
  double hornCoefficient = 1.6;     // exponent of the diffuser's horn law

  // Results of the last computation.
  double bmep = 0.0;       // bar
  double waveSpeed = 0.0;  // m/s
  double D0 = 0.0;
  double D1 = 0.0;
  double D2 = 0.0;
  double D3 = 0.0;
  double D4 = 0.0;
  double D5 = 0.0;
  double D6 = 0.0;
  double D7 = 0.0;
  double L01 = 0.0;
  double L12 = 0.0;
  double L23 = 0.0;
  double L34 = 0.0;
  double L45 = 0.0;
  double L56 = 0.0;
  double L67 = 0.0;
  double tunedLength = 0.0;   // piston face to the end of the baffle cone
  std::int32_t computed = 0;  // 1 once ComputeChamber has run on this record

  // Totals, worked out on each call from the present fields (an input edited
  // after the last computation counts with its present value).

  // Header start to stinger outlet: (tunedLength - exhaustInCylinder) + L67.
  double TotalLength() const;
  // Header start to the end of the baffle cone: tunedLength - exhaustInCylinder.
  double LengthWithoutStinger() const;
  // Piston face to the middle of the baffle cone: tunedLength - (L56 * 0.5).
  double TunedLengthToBaffleMiddle() const;
};
