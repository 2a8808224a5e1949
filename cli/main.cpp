// tubrix-calc: the chamber computation for scripts and batch work. Reads the
// eight design inputs from the command line (or one design per CSV row with
// --batch), computes the chamber and prints the parameter report, a JSON
// object or CSV; --svg hands the design over to tubrix-draw for a diagram.
// Plain stdio only, so that a run starts as fast as a minimal C++ program.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/chamber_development.h"
#include "calc/compute_chamber.h"
#include "cli/command_text.h"
#include "cli/csv_batch.h"
#include "cli/design_field.h"
#include "cli/design_options.h"
#include "cli/json_writer.h"
#include "cli/profile_drawing.h"
#include "cli/section_json.h"
#include "cli/sheet_thickness_option.h"
#include "cli/table_text.h"
#include "report/parameter_report.h"

namespace {

constexpr char kUsage[] =
    "usage: tubrix-calc [--format report|json|table] [--sheet-thickness MM] [-o FILE]\n"
    "                   [--batch] [--INPUT NUMBER]...\n"
    "       tubrix-calc --svg FILE.svg [--INPUT NUMBER]...\n";

constexpr char kHelpIntro[] =
    "Computes the tuned exhaust expansion chamber of a two-stroke engine and\n"
    "prints its dimensions.\n"
    "\n"
    "Design inputs, each a number written out in full (\"--rpm 9800\" or\n"
    "\"--rpm=9800\"); the ones left out take these defaults:\n";

constexpr char kHelpOutput[] =
    "\n"
    "Output:\n"
    "  --format report|json|table    report: the 26-line parameter report (default);\n"
    "                                json: one object with every input, result and\n"
    "                                total, numbers in the shortest text that reads\n"
    "                                back to the same value, NaN and infinities null,\n"
    "                                and a \"sections\" array with each section's\n"
    "                                flat pattern (null where it has none);\n"
    "                                table: the dimensions and the sections' patterns\n"
    "                                in columns, for reading in a terminal\n"
    "  --sheet-thickness MM          the sheet's thickness for the sections of json\n"
    "                                and table (default 0): the diameters are inner\n"
    "                                diameters, the patterns are developed on the\n"
    "                                sheet's mid-surface\n"
    "  -o, --output FILE             write the parameter report to FILE instead of\n"
    "                                standard output\n"
    "  --svg FILE.svg                draw a diagram of the chamber into FILE.svg: the\n"
    "                                side profile, every diameter and length labelled\n"
    "                                in mm; tubrix-draw draws it, from the same folder\n"
    "                                as tubrix-calc\n"
    "  --batch                       read CSV from standard input: a header row naming\n"
    "                                inputs (exhaustDuration or exhaust-duration), one\n"
    "                                design per row, missing columns from the options;\n"
    "                                write CSV with every input, result and total per\n"
    "                                row, NaN as nan, infinities as inf and -inf; a bad\n"
    "                                row is reported on standard error and left out\n"
    "  --help                        show this help\n"
    "  --version                     show the version\n"
    "\n"
    "Examples:\n"
    "  tubrix-calc --rpm 11500 --power 30\n"
    "      the parameter report of one design\n"
    "  tubrix-calc --format table --sheet-thickness 0.8 --rpm 11500\n"
    "      its dimensions and the flat patterns for 0.8 mm sheet\n"
    "  printf 'rpm,power\\n9800,27\\n11500,30\\n' | tubrix-calc --batch >designs.csv\n"
    "      one CSV row of inputs and results per design\n"
    "  tubrix-calc --rpm 11500 --power 30 --svg chamber.svg\n"
    "      a diagram of that chamber\n"
    "\n"
    "Exit status: 0 done; 1 a file could not be written, tubrix-draw could not be\n"
    "run, or a batch row was bad; 2 a usage error or inputs outside the model's\n"
    "domain.\n";

constexpr CommandText kCommand{"tubrix-calc", kUsage, kHelpIntro, kHelpOutput};

// The output formats of a single design.
enum class Format { kReport, kJson, kTable };

struct Command {
  ChamberDesign design;
  Format format = Format::kReport;
  bool formatGiven = false;
  std::optional<double> sheetThickness;  // mm; 0 when not given
  std::optional<std::string> output;
  std::optional<std::string> svg;
  bool batch = false;
  bool help = false;
  bool version = false;
};

std::optional<std::string> ParseFormat(std::string_view name, Command& command) {
  if (name == "report") {
    command.format = Format::kReport;
  } else if (name == "json") {
    command.format = Format::kJson;
  } else if (name == "table") {
    command.format = Format::kTable;
  } else {
    return "--format: \"" + std::string(name) + "\" is not report, json or table";
  }
  command.formatGiven = true;
  return std::nullopt;
}

bool EndsWithSvg(std::string_view file) {
  if (file.size() < 4) return false;
  std::string ending(file.substr(file.size() - 4));
  for (char& c : ending) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return ending == ".svg";
}

std::optional<std::string> ParseCommandLine(std::span<const char* const> args, Command& command) {
  DesignOptions options;
  options.AddValueOption("format", 0,
                         [&](std::string_view name) { return ParseFormat(name, command); });
  options.AddValueOption("output", 'o', [&](std::string_view file) {
    command.output = std::string(file);
    return std::optional<std::string>();
  });
  options.AddValueOption("svg", 0, [&](std::string_view file) -> std::optional<std::string> {
    if (!EndsWithSvg(file)) return "--svg: \"" + std::string(file) + "\" does not end in .svg";
    command.svg = std::string(file);
    return std::nullopt;
  });
  AddSheetThicknessOption(options, command.sheetThickness);
  options.AddFlag("batch", 0, [&] { command.batch = true; });
  options.AddFlag("help", 0, [&] { command.help = true; });
  options.AddFlag("version", 0, [&] { command.version = true; });
  if (auto error = options.Parse(args, command.design)) return error;
  if (command.svg &&
      (command.batch || command.formatGiven || command.output || command.sheetThickness)) {
    return "--svg draws one design; leave out --batch, --format, -o and --sheet-thickness";
  }
  if (command.batch && command.formatGiven) return "--batch writes CSV; leave out --format";
  if (command.batch && command.output) return "--batch writes to standard output; leave out -o";
  if (command.output && command.format != Format::kReport) {
    return "-o writes the parameter report; leave out --format json and table";
  }
  if (command.sheetThickness && command.format == Format::kReport) {
    return "--sheet-thickness shapes the sections of --format json or table";
  }
  return std::nullopt;
}

std::string JsonText(const ChamberDesign& design, double sheetThickness) {
  std::string text;
  JsonWriter json(text);
  json.BeginObject();
  for (const DesignField& field : kDesignFields) {
    json.Key(field.name);
    json.Number(field.Value(design));
  }
  json.Key("sheetThickness");
  json.Number(sheetThickness);
  json.Key("sections");
  WriteSectionsJson(json, DevelopChamber(design, sheetThickness));
  json.EndObject();
  return text;
}

int WriteReportFile(const ChamberDesign& design, const std::string& file) {
  std::u16string path;
  try {
    path = std::filesystem::path(std::u8string(file.begin(), file.end())).u16string();
  } catch (const std::exception&) {
    std::fprintf(stderr, "tubrix-calc: cannot write \"%s\": the name is not valid UTF-8\n",
                 file.c_str());
    return kExitFailure;
  }
  errno = 0;
  if (WriteParameterReport(design, path)) return 0;
  const int reason = errno;
  std::fprintf(stderr, "tubrix-calc: cannot write \"%s\": %s\n", file.c_str(),
               reason != 0 ? std::strerror(reason) : "the file cannot be written");
  return kExitFailure;
}

int RunSingle(Command& command) {
  if (const int refused = kCommand.RefuseDesignInputs(command.design)) return refused;
  ComputeChamber(command.design);
  if (command.output) return WriteReportFile(command.design, *command.output);
  switch (command.format) {
    case Format::kJson:
      return kCommand.WriteStandardOutput(
          JsonText(command.design, command.sheetThickness.value_or(0.0)));
    case Format::kTable:
      return kCommand.WriteStandardOutput(TableText(
          command.design, DevelopChamber(command.design, command.sheetThickness.value_or(0.0))));
    case Format::kReport:
      break;
  }
  return kCommand.WriteStandardOutput(ParameterReportText(command.design));
}

int RunBatch(const Command& command) {
  // Large buffers: a million rows go through stdio in big blocks.
  static char input[1 << 16];
  std::setvbuf(stdin, input, _IOFBF, sizeof input);
  return CsvBatch(command.design, stdout, stderr).Run(stdin);
}

}  // namespace

int main(int argc, char** argv) {
  Command command;
  const std::span<const char* const> args(argv + 1, static_cast<std::size_t>(argc - 1));
  if (const std::optional<std::string> error = ParseCommandLine(args, command)) {
    return kCommand.UsageError(*error);
  }
  if (command.help) return kCommand.WriteStandardOutput(kCommand.Help());
  if (command.version) return kCommand.WriteStandardOutput("tubrix-calc " TUBRIX_VERSION "\n");
  if (command.svg) {
    if (const int refused = kCommand.RefuseDesignInputs(command.design)) return refused;
    return ExecProfileDrawing(kCommand, command.design, *command.svg);
  }
  return command.batch ? RunBatch(command) : RunSingle(command);
}
