#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/chamber_design.h"

// How one section of the chamber is rolled from flat sheet.
enum class SectionKind {
  kPipe,  // straight: a rectangle, circumference by length
  kCone,  // frustum: an annular sector, two arc radii and a sweep angle
};

// The flat pattern ("development") of one section. Lengths in mm, angles in
// degrees. The end diameters are the chamber's own (inner) figures, in flow
// order; the pattern figures are developed on the sheet's mid-surface, that
// is with every diameter enlarged by the sheet thickness.
struct SectionDevelopment {
  std::string name;  // "Diffuser cone 1", for people
  std::string id;    // "diffuser-cone-1", for files and scripts
  SectionKind kind = SectionKind::kPipe;
  std::string_view startLabel;   // "D1": the end nearer the header
  std::string_view endLabel;     // "D2": the end nearer the outlet
  std::string_view lengthLabel;  // "L12"
  double startDiameter = 0.0;    // inner diameter at the header-side end
  double endDiameter = 0.0;      // inner diameter at the outlet-side end
  double length = 0.0;           // axial length

  // Mid-surface figures the pattern is made from. A cone is developed from
  // its small end d to its large end D whichever way the gas flows (the
  // baffle cone converges, so there d is its outlet end).
  double smallDiameter = 0.0;  // d (pipes: the one diameter)
  double largeDiameter = 0.0;  // D (pipes: the one diameter)

  // Pipes: a rectangle of circumference by length.
  double circumference = 0.0;  // pi * D

  // Cones (zero for pipes).
  double slantLength = 0.0;    // s = sqrt(h^2 + ((D - d) / 2)^2)
  double outerRadius = 0.0;    // R = s * D / (D - d)
  double innerRadius = 0.0;    // r = R - s
  double sweepDegrees = 0.0;   // 180 * D / R
  double includedAngle = 0.0;  // 2 * atan((D - d) / (2 * h)), degrees

  // False when a figure of the section is not finite or not positive; then
  // reason says why in a sentence that names the section, and the pattern
  // figures above are meaningless.
  bool hasPattern = false;
  std::string reason;
};

// The patterns of every section of a computed design, header to stinger.
struct ChamberDevelopment {
  double sheetThickness = 0.0;  // mm
  std::vector<SectionDevelopment> sections;

  // The sections without a pattern, in chamber order (empty when all have).
  std::vector<const SectionDevelopment*> MissingPatterns() const;
};

// Develops a straight pipe of inner diameter `diameter` over `length` (mm).
// A diameter or length that is not finite or not greater than 0, or a
// thickness that is negative or not finite, gives hasPattern false.
SectionDevelopment DevelopPipe(std::string_view name, double diameter, double length,
                               double sheetThickness = 0.0);

// Develops a cone from inner diameter startDiameter to endDiameter over the
// axial length `length` (mm); either end may be the larger. Ends of equal
// diameter are a pipe and come back with kind kPipe. Figures that are not
// finite or not positive give hasPattern false, as for DevelopPipe.
SectionDevelopment DevelopCone(std::string_view name, double startDiameter, double endDiameter,
                               double length, double sheetThickness = 0.0);

// The seven sections of a computed design: header (D0 over L01), diffuser
// cones 1 to 3 (D1 to D2 over L12, D2 to D3 over L23, D3 to D4 over L34),
// belly (D4 over L45), baffle cone (D5 to D6 over L56) and stinger (D6 over
// L67), with the diameters taken as inner diameters of sheet of the given
// thickness (mm, 0 or more). Sections with NaN, infinite, zero or negative
// figures are returned with hasPattern false and a reason; nothing throws.
ChamberDevelopment DevelopChamber(const ChamberDesign& design, double sheetThickness = 0.0);
