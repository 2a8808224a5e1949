#include "draw/title_block.h"

#include "draw/sketch.h"

std::vector<std::string> TitleLines(const ChamberDesign& design, double sheetThickness) {
  std::vector<std::string> lines;
  lines.push_back("Tubrix expansion chamber");
  lines.push_back("Displacement " + Figure(design.displacement) + " cm\u00b3, exhaust duration " +
                  Figure(design.exhaustDuration) + "\u00b0, port " + Figure(design.portWidth) +
                  " \u00d7 " + Figure(design.portHeight) + ", exhaust in cylinder " +
                  Figure(design.exhaustInCylinder) + ", " + Figure(design.rpm) + " rpm, " +
                  Figure(design.power) + " hp, horn coefficient " + Figure(design.hornCoefficient));
  std::string units = "Lengths and diameters in mm; diameters are inner diameters";
  if (sheetThickness > 0.0) {
    units += ", patterns developed on the mid-surface of " + Figure(sheetThickness) + " mm sheet";
  }
  lines.push_back(units + ". Cut the patterns on the red lines.");
  return lines;
}
