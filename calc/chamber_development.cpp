#include "calc/chamber_development.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

struct Labels {
  std::string_view start;
  std::string_view end;
  std::string_view length;
};

std::string Slug(std::string_view name) {
  std::string id;
  for (const char c : name) {
    if (c >= 'A' && c <= 'Z') {
      id += static_cast<char>(c - 'A' + 'a');
    } else if (c == ' ') {
      id += '-';
    } else {
      id += c;
    }
  }
  return id;
}

std::string Millimetres(double value) {
  char digits[352];
  const auto end =
      std::to_chars(std::begin(digits), std::end(digits), value, std::chars_format::fixed, 2).ptr;
  return std::string(digits, end) + " mm";
}

// Why a figure cannot make a pattern, or nothing when it can.
std::optional<std::string> Fault(std::string_view label, double value) {
  if (std::isnan(value)) return std::string(label) + " is not a number";
  if (std::isinf(value)) return std::string(label) + " is infinite";
  if (value <= 0.0)
    return std::string(label) + " is " + Millimetres(value) + ", not greater than 0";
  return std::nullopt;
}

std::string Describe(const SectionDevelopment& section) {
  if (section.startLabel == section.endLabel) {
    return section.name + " (" + std::string(section.startLabel) + " over " +
           std::string(section.lengthLabel) + ")";
  }
  return section.name + " (" + std::string(section.startLabel) + " to " +
         std::string(section.endLabel) + " over " + std::string(section.lengthLabel) + ")";
}

// Checks every figure of the section; fills reason for the first bad one.
bool CheckFigures(SectionDevelopment& section, double sheetThickness) {
  std::optional<std::string> fault = Fault(section.startLabel, section.startDiameter);
  if (!fault) fault = Fault(section.endLabel, section.endDiameter);
  if (!fault) fault = Fault(section.lengthLabel, section.length);
  if (!fault && !(sheetThickness >= 0.0 && std::isfinite(sheetThickness))) {
    fault = "the sheet thickness is not a number of 0 or more";
  }
  if (fault) section.reason = Describe(section) + " has no pattern: " + *fault + ".";
  return !fault;
}

SectionDevelopment Start(std::string_view name, const Labels& labels, double startDiameter,
                         double endDiameter, double length) {
  SectionDevelopment section;
  section.name = std::string(name);
  section.id = Slug(name);
  section.startLabel = labels.start;
  section.endLabel = labels.end;
  section.lengthLabel = labels.length;
  section.startDiameter = startDiameter;
  section.endDiameter = endDiameter;
  section.length = length;
  return section;
}

void DevelopPipeFigures(SectionDevelopment& section, double sheetThickness) {
  section.kind = SectionKind::kPipe;
  section.smallDiameter = section.startDiameter + sheetThickness;
  section.largeDiameter = section.smallDiameter;
  section.circumference = std::numbers::pi * section.largeDiameter;
}

void DevelopConeFigures(SectionDevelopment& section, double sheetThickness) {
  const double d = std::fmin(section.startDiameter, section.endDiameter) + sheetThickness;
  const double D = std::fmax(section.startDiameter, section.endDiameter) + sheetThickness;
  const double h = section.length;
  const double rise = (D - d) / 2.0;
  section.kind = SectionKind::kCone;
  section.smallDiameter = d;
  section.largeDiameter = D;
  section.circumference = std::numbers::pi * D;
  section.slantLength = std::sqrt(h * h + rise * rise);
  section.outerRadius = section.slantLength * D / (D - d);
  section.innerRadius = section.outerRadius - section.slantLength;
  section.sweepDegrees = 180.0 * D / section.outerRadius;
  section.includedAngle = 2.0 * std::atan((D - d) / (2.0 * h)) * kDegreesPerRadian;
}

SectionDevelopment Pipe(std::string_view name, const Labels& labels, double diameter, double length,
                        double sheetThickness) {
  SectionDevelopment section = Start(name, labels, diameter, diameter, length);
  section.hasPattern = CheckFigures(section, sheetThickness);
  if (section.hasPattern) DevelopPipeFigures(section, sheetThickness);
  return section;
}

SectionDevelopment Cone(std::string_view name, const Labels& labels, double startDiameter,
                        double endDiameter, double length, double sheetThickness) {
  SectionDevelopment section = Start(name, labels, startDiameter, endDiameter, length);
  section.kind = SectionKind::kCone;
  section.hasPattern = CheckFigures(section, sheetThickness);
  if (!section.hasPattern) return section;
  if (startDiameter == endDiameter) {
    DevelopPipeFigures(section, sheetThickness);
  } else {
    DevelopConeFigures(section, sheetThickness);
  }
  return section;
}

}  // namespace

std::vector<const SectionDevelopment*> ChamberDevelopment::MissingPatterns() const {
  std::vector<const SectionDevelopment*> missing;
  for (const SectionDevelopment& section : sections) {
    if (!section.hasPattern) missing.push_back(&section);
  }
  return missing;
}

SectionDevelopment DevelopPipe(std::string_view name, double diameter, double length,
                               double sheetThickness) {
  return Pipe(name, {"diameter", "diameter", "length"}, diameter, length, sheetThickness);
}

SectionDevelopment DevelopCone(std::string_view name, double startDiameter, double endDiameter,
                               double length, double sheetThickness) {
  return Cone(name, {"start diameter", "end diameter", "length"}, startDiameter, endDiameter,
              length, sheetThickness);
}

ChamberDevelopment DevelopChamber(const ChamberDesign& design, double sheetThickness) {
  const double t = sheetThickness;
  ChamberDevelopment development;
  development.sheetThickness = t;
  development.sections = {
      Pipe("Header", {"D0", "D0", "L01"}, design.D0, design.L01, t),
      Cone("Diffuser cone 1", {"D1", "D2", "L12"}, design.D1, design.D2, design.L12, t),
      Cone("Diffuser cone 2", {"D2", "D3", "L23"}, design.D2, design.D3, design.L23, t),
      Cone("Diffuser cone 3", {"D3", "D4", "L34"}, design.D3, design.D4, design.L34, t),
      Pipe("Belly", {"D4", "D4", "L45"}, design.D4, design.L45, t),
      Cone("Baffle cone", {"D5", "D6", "L56"}, design.D5, design.D6, design.L56, t),
      Pipe("Stinger", {"D6", "D6", "L67"}, design.D6, design.L67, t),
  };
  return development;
}
