#include "calc/chamber_design.h"

double ChamberDesign::TotalLength() const { return (tunedLength - exhaustInCylinder) + L67; }

double ChamberDesign::LengthWithoutStinger() const { return tunedLength - exhaustInCylinder; }

double ChamberDesign::TunedLengthToBaffleMiddle() const { return tunedLength - (L56 * 0.5); }
