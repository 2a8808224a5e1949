// libFuzzer target for the command-line companions' option parsing: the
// input is split at its 0 bytes into arguments, which the shared option
// parser reads with the options tubrix-calc and tubrix-draw declare. An
// accepted command line goes on as tubrix-calc takes it: the inputs
// checked, the chamber computed and developed, and the report, the table
// and the JSON sections written (to memory).
//
// What must hold for every input:
// - a refusal is a message that names an argument it concerns (an option's
//   name, or the whole argument);
// - an accepted sheet thickness is a finite number of 0 or more;
// - inputs are refused in a sentence, or the report has its 26 lines and
//   the table is plain ASCII lines.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/chamber_development.h"
#include "calc/compute_chamber.h"
#include "calc/design_inputs.h"
#include "cli/design_options.h"
#include "cli/json_writer.h"
#include "cli/section_json.h"
#include "cli/sheet_thickness_option.h"
#include "cli/table_text.h"
#include "report/parameter_report.h"

namespace {

void Require(bool rule, const char* what) {
  if (rule) return;
  std::fprintf(stderr, "command line rule broken: %s\n", what);
  std::abort();
}

// The arguments as argv holds them: each ends at a 0 byte (the last may
// run to the end of the input instead), so an empty input is no argument.
struct Arguments {
  explicit Arguments(std::string_view input) : text(input) {
    for (std::size_t start = 0; start < text.size();) {
      pointers.push_back(text.c_str() + start);
      start += std::string_view(pointers.back()).size() + 1;
    }
  }

  std::string text;
  std::vector<const char*> pointers;
};

bool NamesAnArgument(const std::string& message, const std::vector<const char*>& args) {
  for (const char* arg : args) {
    std::string_view name = arg;
    if (name.starts_with("--")) name = name.substr(0, name.find('='));
    if (message.find(name) != message.npos) return true;
  }
  return false;
}

bool IsPlainAsciiLines(const std::string& text) {
  if (text.empty() || text.back() != '\n') return false;
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80 || (c < ' ' && c != '\n')) return false;
  }
  return true;
}

void RunDesign(ChamberDesign design, double sheetThickness) {
  if (const std::optional<std::string> refused = ValidateDesignInputs(design)) {
    Require(!refused->empty() && refused->back() == '.', "a refusal that is not a sentence");
    return;
  }
  ComputeChamber(design);
  const std::string report = ParameterReportText(design);
  Require(std::count(report.begin(), report.end(), '\n') == 26, "a report without 26 lines");
  const ChamberDevelopment development = DevelopChamber(design, sheetThickness);
  Require(IsPlainAsciiLines(TableText(design, development)), "a table that is not ASCII lines");
  std::string json;
  JsonWriter writer(json);
  WriteSectionsJson(writer, development);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Arguments args({reinterpret_cast<const char*>(data), size});
  DesignOptions options;
  std::optional<double> sheetThickness;
  options.AddValueOption("format", 0, [](std::string_view name) -> std::optional<std::string> {
    if (name == "report" || name == "json" || name == "table") return std::nullopt;
    return "--format: \"" + std::string(name) + "\" is not report, json or table";
  });
  options.AddValueOption("output", 'o', [](std::string_view) { return std::optional<std::string>(); });
  options.AddValueOption("paper", 0, [](std::string_view) { return std::optional<std::string>(); });
  AddSheetThicknessOption(options, sheetThickness);
  for (const char* flag : {"batch", "help", "version"}) options.AddFlag(flag, 0, [] {});

  ChamberDesign design;
  if (const std::optional<std::string> error = options.Parse(args.pointers, design)) {
    Require(!error->empty() && NamesAnArgument(*error, args.pointers),
            "a refusal that names no argument");
    return 0;
  }
  Require(!sheetThickness || (std::isfinite(*sheetThickness) && *sheetThickness >= 0.0),
          "a sheet thickness accepted that is not a finite number of 0 or more");
  RunDesign(design, sheetThickness.value_or(0.0));
  return 0;
}
