#pragma once

#include "calc/chamber_development.h"
#include "cli/json_writer.h"

// Writes the sections of a development as a JSON array, header to stinger.
// Each element has "name", "id", "kind" ("pipe" or "cone"), the end
// diameters "startDiameter" and "endDiameter" (inner, in flow order),
// "length" (axial), and the pattern: "circumference" for a pipe;
// "slantLength", "outerRadius", "innerRadius", "sweepDegrees" and
// "includedAngle" for a cone. Lengths in mm, angles in degrees. A section
// without a pattern has its pattern figures null and a "reason".
void WriteSectionsJson(JsonWriter& json, const ChamberDevelopment& development);
