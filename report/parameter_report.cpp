#include "report/parameter_report.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "report/format_value.h"
#include "report/replace_file.h"

namespace {

struct ReportLine {
  const char* label;  // text before the figure, separator included
  const char* unit;   // text after the figure
  double value;
};

}  // namespace

std::string ParameterReportText(const ChamberDesign& d) {
  // The totals are worked out here, from the record as it is now.
  const ReportLine lines[] = {
      {"Displacement : ", "", d.displacement},
      {"Exhaust phase duration : ", "", d.exhaustDuration},
      {"Exhaust port height : ", "", d.portHeight},
      {"Exhaust port width : ", "", d.portWidth},
      {"Exhaust in cylinder : ", "", d.exhaustInCylinder},
      {"Power : ", "", d.power},
      {"Engine RPM : ", "", d.rpm},
      {"Horn coefficient: ", "", d.hornCoefficient},
      {"D0 : ", " mm", d.D0},
      {"D1 : ", " mm", d.D1},
      {"D2 : ", " mm", d.D2},
      {"D3 : ", " mm", d.D3},
      {"D4 : ", " mm", d.D4},
      {"D5 : ", " mm", d.D5},
      {"D6 : ", " mm", d.D6},
      {"D7 : ", " mm", d.D7},
      {"L01 : ", " mm", d.L01},
      {"L12 : ", " mm", d.L12},
      {"L23 : ", " mm", d.L23},
      {"L34 : ", " mm", d.L34},
      {"L45 : ", " mm", d.L45},
      {"L56 : ", " mm", d.L56},
      {"L67 : ", " mm", d.L67},
      {"Total Length : ", " mm", d.TotalLength()},
      {"Total Length without stinger: ", " mm", d.LengthWithoutStinger()},
      {"Total Tuned Length (piston face to middle of baffle cone) : ", " mm",
       d.TunedLengthToBaffleMiddle()},
  };
  std::string text;
  text.reserve(1024);
  for (const ReportLine& line : lines) {
    text += line.label;
    text += FormatValue(line.value);
    text += line.unit;
    text += '\n';
  }
  return text;
}

bool WriteParameterReport(const ChamberDesign& design, std::u16string_view path) {
  if (path.empty()) {
    errno = ENOENT;
    return false;
  }
  std::filesystem::path target;
  try {
    target = std::filesystem::path(std::u16string(path));  // UTF-16 to the UTF-8 file name
  } catch (const std::exception&) {
    errno = EILSEQ;  // unpaired surrogate: no file name can be made of it
    return false;
  }
  return ReplaceFile(target, ParameterReportText(design));
}
