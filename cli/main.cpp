#include <cstdio>

#include "calc/compute_chamber.h"
#include "report/parameter_report.h"

int main() {
  ChamberDesign design;
  ComputeChamber(design);
  std::fputs(ParameterReportText(design).c_str(), stdout);
  return 0;
}
