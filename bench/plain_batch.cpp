// The baseline for tubrix-calc --batch: a plain loop that reads the same CSV
// (the eight inputs in record order) with strtod and prints the same columns
// with snprintf.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "calc/compute_chamber.h"

int main() {
  char line[4096];
  if (std::fgets(line, sizeof line, stdin) == nullptr) return 1;  // the header
  std::fputs(
      "displacement,exhaustDuration,portHeight,portWidth,exhaustInCylinder,power,rpm,"
      "hornCoefficient,bmep,waveSpeed,tunedLength,D0,D1,D2,D3,D4,D5,D6,D7,L01,L12,L23,"
      "L34,L45,L56,L67,TotalLength,LengthWithoutStinger,TunedLengthToBaffleMiddle\n",
      stdout);
  while (std::fgets(line, sizeof line, stdin) != nullptr) {
    ChamberDesign d;
    double* inputs[] = {&d.displacement, &d.exhaustDuration,   &d.portHeight,
                        &d.portWidth,    &d.exhaustInCylinder, &d.power,
                        &d.rpm,          &d.hornCoefficient};
    char* p = line;
    for (double* input : inputs) {
      *input = std::strtod(p, &p);
      if (*p == ',') ++p;
    }
    ComputeChamber(d);
    const double columns[] = {d.displacement,
                              d.exhaustDuration,
                              d.portHeight,
                              d.portWidth,
                              d.exhaustInCylinder,
                              d.power,
                              d.rpm,
                              d.hornCoefficient,
                              d.bmep,
                              d.waveSpeed,
                              d.tunedLength,
                              d.D0,
                              d.D1,
                              d.D2,
                              d.D3,
                              d.D4,
                              d.D5,
                              d.D6,
                              d.D7,
                              d.L01,
                              d.L12,
                              d.L23,
                              d.L34,
                              d.L45,
                              d.L56,
                              d.L67,
                              d.TotalLength(),
                              d.LengthWithoutStinger(),
                              d.TunedLengthToBaffleMiddle()};
    char out[1024];
    int length = 0;
    for (const double column : columns) {
      length += std::snprintf(out + length, sizeof out - static_cast<std::size_t>(length), "%.17g,",
                              column);
    }
    out[length - 1] = '\n';
    std::fwrite(out, 1, static_cast<std::size_t>(length), stdout);
  }
  return 0;
}
