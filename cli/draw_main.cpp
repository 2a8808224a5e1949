// tubrix-draw: drawings of a chamber for the builder. Takes the same design
// inputs as tubrix-calc (the same option parser), computes the chamber,
// develops every section into its flat pattern and writes an SVG sheet at
// true size or a PDF to print, with the patterns at 1:1 tiled over pages;
// or, with --profile-only, a small SVG diagram of the profile alone.
// The only Tubrix command that links cairo.
//
// A design in which a section has no pattern (NaN D2 and D3 at a low mean
// effective pressure, a negative L01) is refused as a whole, naming every
// such section: a drawing with sections missing would not make a chamber.

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/chamber_development.h"
#include "calc/compute_chamber.h"
#include "cli/command_text.h"
#include "cli/design_options.h"
#include "cli/sheet_thickness_option.h"
#include "draw/chamber_pdf.h"
#include "draw/chamber_svg.h"
#include "draw/paper.h"
#include "draw/profile_svg.h"
#include "report/replace_file.h"

namespace {

constexpr char kUsage[] =
    "usage: tubrix-draw -o FILE.svg|FILE.pdf [--paper a4|letter] [--sheet-thickness MM]\n"
    "                   [--INPUT NUMBER]...\n"
    "       tubrix-draw --profile-only -o FILE.svg [--INPUT NUMBER]...\n";

constexpr char kHelpIntro[] =
    "Computes the tuned exhaust expansion chamber of a two-stroke engine and\n"
    "draws it: the side profile with every dimension, and the flat pattern of\n"
    "each section (header, three diffuser cones, belly, baffle cone, stinger)\n"
    "to cut from sheet metal.\n"
    "\n"
    "Design inputs, each a number written out in full (\"--rpm 9800\" or\n"
    "\"--rpm=9800\"); the ones left out take these defaults:\n";

constexpr char kHelpOutput[] =
    "\n"
    "Drawing:\n"
    "  -o, --output FILE             FILE.svg: one sheet in true millimetres, the\n"
    "                                profile and every pattern at 1:1;\n"
    "                                FILE.pdf: page 1 the profile and a table of the\n"
    "                                sections, then each pattern at 1:1 over as many\n"
    "                                pages as it needs, to tape together; print at\n"
    "                                100 % and check the 100 mm bar on every page\n"
    "  --paper a4|letter             the PDF's paper (default a4)\n"
    "  --sheet-thickness MM          the sheet's thickness (default 0): the diameters\n"
    "                                are inner diameters, and the patterns are\n"
    "                                developed on the sheet's mid-surface\n"
    "  --profile-only                draw only the side profile, every diameter and\n"
    "                                length labelled, to a scale that fits it within\n"
    "                                180 mm: a small SVG diagram of the design\n"
    "  --help                        show this help\n"
    "  --version                     show the version\n"
    "\n"
    "A design in which a section has no pattern (a diameter or length that is\n"
    "not a positive number) is not drawn; the message names the sections.\n"
    "\n"
    "Examples:\n"
    "  tubrix-draw --rpm 11500 --power 30 -o chamber.svg\n"
    "  tubrix-draw --rpm 11500 --power 30 --sheet-thickness 0.8 -o chamber.pdf\n"
    "  tubrix-draw --profile-only -o profile.svg\n"
    "\n"
    "Exit status: 0 done; 1 the file could not be written; 2 a usage error,\n"
    "inputs outside the model's domain, a section without a pattern, a sheet\n"
    "longer than 1 km at true size, or patterns that would take more than\n"
    "1000 PDF pages.\n";

constexpr CommandText kCommand{"tubrix-draw", kUsage, kHelpIntro, kHelpOutput};

enum class Kind { kSvg, kPdf };

struct Command {
  ChamberDesign design;
  std::optional<std::string> output;
  std::optional<Paper> paper;
  std::optional<double> sheetThickness;  // mm; 0 when not given
  bool profileOnly = false;
  bool help = false;
  bool version = false;
};

bool EndsWith(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  const std::string_view tail = text.substr(text.size() - ending.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    const char c =
        tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] - 'A' + 'a') : tail[i];
    if (c != ending[i]) return false;
  }
  return true;
}

std::optional<Kind> KindOf(std::string_view file) {
  if (EndsWith(file, ".svg")) return Kind::kSvg;
  if (EndsWith(file, ".pdf")) return Kind::kPdf;
  return std::nullopt;
}

std::optional<std::string> ParseCommandLine(std::span<const char* const> args, Command& command) {
  DesignOptions options;
  options.AddValueOption("output", 'o', [&](std::string_view file) -> std::optional<std::string> {
    if (!KindOf(file)) return "-o: \"" + std::string(file) + "\" does not end in .svg or .pdf";
    command.output = std::string(file);
    return std::nullopt;
  });
  options.AddValueOption("paper", 0, [&](std::string_view name) -> std::optional<std::string> {
    command.paper = FindPaper(name);
    if (!command.paper) return "--paper: \"" + std::string(name) + "\" is not a4 or letter";
    return std::nullopt;
  });
  AddSheetThicknessOption(options, command.sheetThickness);
  options.AddFlag("profile-only", 0, [&] { command.profileOnly = true; });
  options.AddFlag("help", 0, [&] { command.help = true; });
  options.AddFlag("version", 0, [&] { command.version = true; });
  if (auto error = options.Parse(args, command.design)) return error;
  if (command.help || command.version) return std::nullopt;
  if (!command.output) return "name the drawing to write with -o FILE.svg or -o FILE.pdf";
  if (command.paper && KindOf(*command.output) != Kind::kPdf) {
    return "--paper applies to PDF output; an SVG is one sheet at true size";
  }
  if (command.profileOnly && KindOf(*command.output) != Kind::kSvg) {
    return "--profile-only draws an SVG diagram; name a FILE.svg";
  }
  if (command.profileOnly && command.sheetThickness) {
    return "--sheet-thickness shapes the flat patterns, which --profile-only leaves out";
  }
  return std::nullopt;
}

// Names every section without a pattern, one line each.
int RefuseMissingPatterns(const ChamberDevelopment& development) {
  std::fprintf(stderr, "tubrix-draw: this design cannot be drawn:\n");
  for (const SectionDevelopment* section : development.MissingPatterns()) {
    std::fprintf(stderr, "  %s\n", section->reason.c_str());
  }
  return kExitUsage;
}

// Refuses a design whose sheet at true size would be longer than
// kMaxSheetSide on a side (a chamber kilometres long, which the inputs
// allow): cairo cannot draw it, and every drawing would come out empty or
// with a nonsense scale. Returns 0 for one that can be drawn.
int RefuseOversizedSheet(const ChamberDesign& design, const ChamberDevelopment& development) {
  const SheetSize sheet = ChamberSheetSize(design, development);
  if (sheet.width <= kMaxSheetSide && sheet.height <= kMaxSheetSide) return 0;
  std::fprintf(stderr,
               "tubrix-draw: this design is too large to draw: at true size its sheet would be "
               "%.3g m by %.3g m, and a drawing takes at most %.0f m a side\n",
               sheet.width / 1000.0, sheet.height / 1000.0, kMaxSheetSide / 1000.0);
  return kExitUsage;
}

// Refuses a PDF whose patterns would take more than kMaxPatternPages pages,
// naming what each section takes; returns 0 for one that can be made.
int RefuseTooManyPages(const ChamberDevelopment& development, const Paper& paper) {
  std::vector<std::pair<const SectionDevelopment*, int>> counts;
  long long total = 0;
  for (const SectionDevelopment& section : development.sections) {
    counts.emplace_back(&section, PatternPageCount(section, development.sheetThickness, paper));
    total += counts.back().second;
  }
  if (total <= kMaxPatternPages) return 0;
  std::fprintf(stderr, "tubrix-draw: the patterns of this design would take more than %d pages:\n",
               kMaxPatternPages);
  for (const auto& [section, pages] : counts) {
    if (pages > kMaxPatternPages) {
      std::fprintf(stderr, "  %s: more than %d pages\n", section->name.c_str(), kMaxPatternPages);
    } else {
      std::fprintf(stderr, "  %s: %d page%s\n", section->name.c_str(), pages,
                   pages == 1 ? "" : "s");
    }
  }
  return kExitUsage;
}

int Draw(const Command& command) {
  const ChamberDevelopment development =
      DevelopChamber(command.design, command.sheetThickness.value_or(0.0));
  if (!development.MissingPatterns().empty()) return RefuseMissingPatterns(development);
  if (const int refused = RefuseOversizedSheet(command.design, development)) return refused;
  const Paper paper = command.paper.value_or(*FindPaper("a4"));
  if (KindOf(*command.output) == Kind::kPdf) {
    if (const int refused = RefuseTooManyPages(development, paper)) return refused;
  }
  const std::string& file = *command.output;
  std::optional<std::string> bytes;
  if (command.profileOnly) {
    bytes = RenderProfileSvg(command.design);
  } else if (KindOf(file) == Kind::kSvg) {
    bytes = RenderChamberSvg(command.design, development);
  } else {
    bytes = RenderChamberPdf(command.design, development, paper);
  }
  if (!bytes) {
    std::fprintf(stderr, "tubrix-draw: the drawing could not be made (out of memory?)\n");
    return kExitFailure;
  }
  if (!ReplaceFile(file, *bytes)) {
    std::fprintf(stderr, "tubrix-draw: cannot write \"%s\"\n", file.c_str());
    return kExitFailure;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Command command;
  const std::span<const char* const> args(argv + 1, static_cast<std::size_t>(argc - 1));
  if (const std::optional<std::string> error = ParseCommandLine(args, command)) {
    return kCommand.UsageError(*error);
  }
  if (command.help) return kCommand.WriteStandardOutput(kCommand.Help());
  if (command.version) return kCommand.WriteStandardOutput("tubrix-draw " TUBRIX_VERSION "\n");
  if (const int refused = kCommand.RefuseDesignInputs(command.design)) return refused;
  ComputeChamber(command.design);
  return Draw(command);
}
