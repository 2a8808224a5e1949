#include "cli/table_text.h"

#include <array>

#include "report/format_value.h"

namespace {

// Pads text on the right (left-aligned column) or left (right-aligned).
std::string Column(std::string text, std::size_t width, bool right) {
  if (text.size() >= width) return text;
  const std::string fill(width - text.size(), ' ');
  return right ? fill + text : text + fill;
}

std::string Figure(double value, std::size_t width = 9) {
  return Column(FormatValue(value), width, true);
}

void Inputs(std::string& out, const ChamberDesign& d) {
  out += "Inputs\n";
  out += "  Displacement (cm3)       " + Figure(d.displacement) + "\n";
  out += "  Exhaust duration (deg)   " + Figure(d.exhaustDuration) + "\n";
  out += "  Exhaust port width       " + Figure(d.portWidth) + "\n";
  out += "  Exhaust port height      " + Figure(d.portHeight) + "\n";
  out += "  Exhaust in cylinder      " + Figure(d.exhaustInCylinder) + "\n";
  out += "  Engine speed (rpm)       " + Figure(d.rpm) + "\n";
  out += "  Desired power (hp)       " + Figure(d.power) + "\n";
  out += "  Horn coefficient         " + Figure(d.hornCoefficient) + "\n";
}

void Dimensions(std::string& out, const ChamberDesign& d) {
  const std::array<double, 8> diameters = {d.D0, d.D1, d.D2, d.D3, d.D4, d.D5, d.D6, d.D7};
  const std::array<double, 7> lengths = {d.L01, d.L12, d.L23, d.L34, d.L45, d.L56, d.L67};
  const char* lengthNames[] = {"L01", "L12", "L23", "L34", "L45", "L56", "L67"};
  out += "\nDimensions (mm)\n";
  for (std::size_t i = 0; i < 8; ++i) {
    out += "  D" + std::to_string(i) + Figure(diameters[i]);
    if (i < 7) out += "     " + std::string(lengthNames[i]) + Figure(lengths[i]);
    out += '\n';
  }
  out += "  LT" + Figure(d.TotalLength()) + "     (header start to stinger outlet)\n";
}

std::string Ends(const SectionDevelopment& s) {
  std::string ends = std::string(s.startLabel) + " " + FormatValue(s.startDiameter);
  if (s.startLabel != s.endLabel) {
    ends += " > " + std::string(s.endLabel) + " " + FormatValue(s.endDiameter);
  }
  return ends;
}

std::string SectionLine(const SectionDevelopment& s) {
  std::string line =
      "  " + Column(s.name, 17, false) + Column(Ends(s), 22, false) + Figure(s.length);
  if (!s.hasPattern) return line + "   no pattern: " + s.reason + "\n";
  if (s.kind == SectionKind::kPipe) {
    return line + "   rectangle " + FormatValue(s.circumference) + " x " + FormatValue(s.length) +
           "\n";
  }
  return line + Figure(s.slantLength) + Figure(s.outerRadius) + Figure(s.innerRadius) +
         Figure(s.sweepDegrees) + Figure(s.includedAngle) + "\n";
}

void Sections(std::string& out, const ChamberDevelopment& development) {
  out += "\nSections (mm, degrees)";
  if (development.sheetThickness > 0.0) {
    out +=
        ": patterns on the mid-surface of" + FormatValue(development.sheetThickness) + " mm sheet";
  }
  out += "\n  " + Column("Section", 17, false) + Column("Ends", 22, false) +
         Column("Length", 9, true) + Column("Slant", 9, true) + Column("R", 9, true) +
         Column("r", 9, true) + Column("Sweep", 9, true) + Column("Angle", 9, true) + "\n";
  for (const SectionDevelopment& section : development.sections) out += SectionLine(section);
}

}  // namespace

std::string TableText(const ChamberDesign& design, const ChamberDevelopment& development) {
  std::string out;
  Inputs(out, design);
  Dimensions(out, design);
  Sections(out, development);
  return out;
}
