// Runs the real tubrix-draw (path in TUBRIX_DRAW) and tubrix-calc (path in
// TUBRIX_CALC), and reads what they write back: PDFs through poppler's
// pdfinfo and pdftoppm, JSON and tables as text.

#include <sys/wait.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

class TubrixDraw : public testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() / ("tubrix-draw-test-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Runs a shell command line; standard error goes to a file of its own.
  Result Shell(const std::string& line) const {
    const fs::path errors = folder_ / "stderr.txt";
    Result result;
    FILE* pipe = ::popen((line + " 2>" + Quoted(errors.string())).c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
      result.out.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = ReadFile(errors);
    fs::remove(errors);
    return result;
  }

  Result Run(const char* variable, const std::vector<std::string>& args) const {
    const char* program = std::getenv(variable);
    std::string line = Quoted(program != nullptr ? program : "missing-program");
    for (const std::string& arg : args) line += " " + Quoted(arg);
    return Shell(line);
  }
  Result Draw(const std::vector<std::string>& args) const { return Run("TUBRIX_DRAW", args); }
  Result Calc(const std::vector<std::string>& args) const { return Run("TUBRIX_CALC", args); }

  // The "Page N size" lines of pdfinfo for every page.
  std::string PageSizes(const fs::path& pdf) const {
    const Result r =
        Shell("pdfinfo -f 1 -l 999 " + Quoted(pdf.string()) + " | grep '^Page .* size:'");
    return r.out;
  }

  fs::path folder_;
};

// The length in pixels of the longest horizontal run of dark pixels that
// is also dark 2 mm lower down: only the filled scale bar is that thick
// along its length (lines, crosses and text are thinner).
int LongestThickRun(const std::string& pgm, int pixelsPerMm) {
  // Binary PGM: "P5\n<width> <height>\n255\n" then one byte per pixel.
  int width = 0, height = 0, maxValue = 0;
  int consumed = 0;
  if (std::sscanf(pgm.c_str(), "P5 %d %d %d%n", &width, &height, &maxValue, &consumed) != 3) {
    return -1;
  }
  const std::size_t start = static_cast<std::size_t>(consumed) + 1;
  if (pgm.size() < start + static_cast<std::size_t>(width) * height) return -1;
  auto dark = [&](int x, int y) {
    return static_cast<unsigned char>(pgm[start + static_cast<std::size_t>(y) * width + x]) < 128;
  };
  const int below = 2 * pixelsPerMm;
  int longest = 0;
  for (int y = 0; y + below < height; ++y) {
    int run = 0;
    for (int x = 0; x < width; ++x) {
      run = dark(x, y) && dark(x, y + below) ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  return longest;
}

double NumberAfter(const std::string& text, std::size_t from, const std::string& key) {
  const std::size_t at = text.find("\"" + key + "\": ", from);
  if (at == std::string::npos) return -1.0;
  const char* first = text.data() + at + key.size() + 4;
  double value = -1.0;
  std::from_chars(first, text.data() + text.size(), value);
  return value;
}

}  // namespace

TEST_F(TubrixDraw, PdfOfTheDefaultDesignOnA4) {
  const fs::path pdf = folder_ / "chamber.pdf";
  const Result r = Draw({"-o", pdf.string()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  // Page 1: the profile, landscape. Then the patterns: header 1 page,
  // diffuser cones 2 + 2 + 2, belly 2, baffle cone 2, stinger 1.
  std::string expected = "Page    1 size:  841.89 x 595.276 pts (A4)\n";
  for (int page = 2; page <= 13; ++page) {
    char line[64];
    std::snprintf(line, sizeof line, "Page %4d size:  595.276 x 841.89 pts (A4)\n", page);
    expected += line;
  }
  EXPECT_EQ(PageSizes(pdf), expected);
}

TEST_F(TubrixDraw, LetterPaper) {
  const fs::path pdf = folder_ / "chamber.pdf";
  ASSERT_EQ(Draw({"-o", pdf.string(), "--paper", "letter"}).status, 0);
  const std::string sizes = PageSizes(pdf);
  EXPECT_TRUE(
      sizes.starts_with("Page    1 size:  792 x 612 pts (letter)\n"
                        "Page    2 size:  612 x 792 pts (letter)\n"))
      << sizes;
}

// Printed at 254 dots per inch, 10 pixels make a millimetre.
TEST_F(TubrixDraw, ScaleBarMeasures100MillimetresOnEveryKindOfPage) {
  const fs::path pdf = folder_ / "chamber.pdf";
  ASSERT_EQ(Draw({"-o", pdf.string()}).status, 0);
  for (const int page : {1, 2, 13}) {
    const fs::path stem = folder_ / ("page" + std::to_string(page));
    const Result r =
        Shell("pdftoppm -gray -r 254 -f " + std::to_string(page) + " -l " + std::to_string(page) +
              " -singlefile " + Quoted(pdf.string()) + " " + Quoted(stem.string()));
    ASSERT_EQ(r.status, 0) << r.err;
    const int bar = LongestThickRun(ReadFile(stem.string() + ".pgm"), 10);
    EXPECT_NEAR(bar, 1000, 1) << "page " << page;
  }
}

TEST_F(TubrixDraw, SvgIsWritten) {
  const fs::path svg = folder_ / "chamber.SVG";
  ASSERT_EQ(Draw({"-o", svg.string(), "--sheet-thickness", "1.5"}).status, 0);
  EXPECT_TRUE(ReadFile(svg).starts_with("<?xml"));
}

TEST_F(TubrixDraw, SectionsWithoutAPatternAreNamedAndNothingIsWritten) {
  const fs::path pdf = folder_ / "chamber.pdf";
  const Result r = Draw({"-o", pdf.string(), "--power", "12"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "tubrix-draw: this design cannot be drawn:\n"
            "  Diffuser cone 1 (D1 to D2 over L12) has no pattern: D2 is not a number.\n"
            "  Diffuser cone 2 (D2 to D3 over L23) has no pattern: D2 is not a number.\n"
            "  Diffuser cone 3 (D3 to D4 over L34) has no pattern: D3 is not a number.\n");
  EXPECT_FALSE(fs::exists(pdf));
}

// Valid inputs can make a chamber whose patterns take billions of pages:
// once a hang, and an int overflow in the tiling. Now refused, naming what
// each section would take.
TEST_F(TubrixDraw, PatternsOfMoreThanAThousandPagesAreRefusedAndNothingIsWritten) {
  const fs::path pdf = folder_ / "chamber.pdf";
  const Result r = Draw({"-o", pdf.string(), "--port-width", "2000", "--port-height", "2000"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "tubrix-draw: the patterns of this design would take more than 1000 pages:\n"
            "  Header: 34 pages\n"
            "  Diffuser cone 1: 352 pages\n"
            "  Diffuser cone 2: 588 pages\n"
            "  Diffuser cone 3: 972 pages\n"
            "  Belly: 85 pages\n"
            "  Baffle cone: 972 pages\n"
            "  Stinger: 25 pages\n");
  EXPECT_FALSE(fs::exists(pdf));
  // Wider still: a section alone beyond the limit.
  const Result wider =
      Draw({"-o", pdf.string(), "--port-width", "20000", "--port-height", "20000"});
  EXPECT_EQ(wider.status, 2);
  EXPECT_THAT(wider.err, testing::HasSubstr("  Diffuser cone 1: more than 1000 pages\n"));
  EXPECT_FALSE(fs::exists(pdf));
}

// Valid inputs can make a chamber kilometres long. cairo cannot draw it:
// the sheet came out empty, or the diagram read "scale 1:-9223372036854775808",
// and both were reported as done. Every kind of drawing is refused instead.
TEST_F(TubrixDraw, ASheetLongerThanAKilometreIsRefusedForEveryKindOfDrawing) {
  const std::vector<std::vector<std::string>> kinds = {
      {"-o", (folder_ / "chamber.svg").string()},
      {"-o", (folder_ / "chamber.pdf").string()},
      {"--profile-only", "-o", (folder_ / "profile.svg").string()},
  };
  for (std::vector<std::string> args : kinds) {
    args.insert(args.end(), {"--exhaust-duration", "1e9"});
    const Result r = Draw(args);
    EXPECT_EQ(r.status, 2) << args[1];
    EXPECT_EQ(r.err,
              "tubrix-draw: this design is too large to draw: at true size its sheet would be "
              "6.21e+06 m by 1.38e+06 m, and a drawing takes at most 1000 m a side\n")
        << args[1];
  }
  EXPECT_TRUE(fs::is_empty(folder_));
  // Far beyond: the figures overflow to infinity, and it is still refused.
  EXPECT_EQ(
      Draw({"--profile-only", "-o", (folder_ / "p.svg").string(), "--exhaust-duration", "1e300"})
          .status,
      2);
  EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(TubrixDraw, AFileThatCannotBeWrittenIsReportedAndLeavesNothing) {
  const fs::path pdf = folder_ / "missing" / "chamber.pdf";
  Result r = Draw({"-o", pdf.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "tubrix-draw: cannot write \"" + pdf.string() + "\"\n");
  fs::create_directory(folder_ / "taken.svg");
  r = Draw({"-o", (folder_ / "taken.svg").string()});
  EXPECT_EQ(r.status, 1);
  // No temporary file is left beside the target.
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder_)) ++entries;
  EXPECT_EQ(entries, 1);
}

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  const char* message;  // the first line on standard error
};

// Keeps the case's name, not its bytes, in the test's listing.
void PrintTo(const UsageCase& c, std::ostream* out) { *out << c.name; }

class TubrixDrawUsage : public TubrixDraw, public testing::WithParamInterface<UsageCase> {};

TEST_P(TubrixDrawUsage, ExitsWithTwo) {
  const Result r = Draw(GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, TubrixDrawUsage,
    testing::Values(
        UsageCase{"NoOutput",
                  {},
                  "tubrix-draw: name the drawing to write with -o FILE.svg or -o FILE.pdf\n"},
        UsageCase{"OtherExtension",
                  {"-o", "c.png"},
                  "tubrix-draw: -o: \"c.png\" does not end in .svg or .pdf\n"},
        UsageCase{"UnknownPaper",
                  {"-o", "c.pdf", "--paper", "a3"},
                  "tubrix-draw: --paper: \"a3\" is not a4 or letter\n"},
        UsageCase{"PaperForSvg",
                  {"-o", "c.svg", "--paper", "a4"},
                  "tubrix-draw: --paper applies to PDF output; an SVG is one sheet at true size\n"},
        UsageCase{"NaNThickness",
                  {"-o", "c.pdf", "--sheet-thickness", "nan"},
                  "tubrix-draw: --sheet-thickness: \"nan\" is not a number of 0 or more (mm)\n"},
        UsageCase{"BadNumber",
                  {"-o", "c.pdf", "--rpm", "9k"},
                  "tubrix-draw: --rpm: \"9k\" is not a number\n"},
        UsageCase{"OutsideTheModel",
                  {"-o", "c.pdf", "--rpm", "0"},
                  "tubrix-draw: Engine RPM must be a number greater than 0.\n"},
        UsageCase{"ProfileOnlyAsPdf",
                  {"--profile-only", "-o", "c.pdf"},
                  "tubrix-draw: --profile-only draws an SVG diagram; name a FILE.svg\n"},
        UsageCase{"ProfileOnlyWithSheetThickness",
                  {"--profile-only", "-o", "c.svg", "--sheet-thickness", "1"},
                  "tubrix-draw: --sheet-thickness shapes the flat patterns, which "
                  "--profile-only leaves out\n"}),
    [](const testing::TestParamInfo<UsageCase>& p) { return std::string(p.param.name); });

TEST_F(TubrixDraw, CalcJsonListsTheSectionsOfTheDefaultDesign) {
  const Result r = Calc({"--format", "json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::size_t sections = r.out.find("\"sections\": [");
  ASSERT_NE(sections, std::string::npos);
  const char* names[] = {"Header", "Diffuser cone 1", "Diffuser cone 2", "Diffuser cone 3",
                         "Belly",  "Baffle cone",     "Stinger"};
  std::size_t at = sections;
  for (const char* name : names) {
    const std::size_t next = r.out.find("\"name\": \"" + std::string(name) + "\"", at);
    ASSERT_NE(next, std::string::npos) << name << " missing or out of order";
    at = next;
  }
  const std::size_t baffle = r.out.find("\"name\": \"Baffle cone\"");
  EXPECT_NE(r.out.find("\"kind\": \"cone\"", baffle), std::string::npos);
  EXPECT_NEAR(NumberAfter(r.out, baffle, "startDiameter"), 94.58, 0.005);
  EXPECT_NEAR(NumberAfter(r.out, baffle, "endDiameter"), 21.06, 0.005);
  EXPECT_NEAR(NumberAfter(r.out, baffle, "length"), 217.28, 0.005);
  EXPECT_NEAR(NumberAfter(r.out, baffle, "slantLength"), 220.37, 0.005);
  EXPECT_NEAR(NumberAfter(r.out, baffle, "outerRadius"), 283.51, 0.005);
  EXPECT_NEAR(NumberAfter(r.out, baffle, "innerRadius"), 63.14, 0.005);
  EXPECT_NEAR(NumberAfter(r.out, baffle, "sweepDegrees"), 60.05, 0.005);
  EXPECT_NEAR(NumberAfter(r.out, baffle, "includedAngle"), 19.20, 0.005);
  const std::size_t header = r.out.find("\"name\": \"Header\"");
  EXPECT_NEAR(NumberAfter(r.out, header, "circumference"), 117.53, 0.005);
  EXPECT_TRUE(r.out.ends_with("  ]\n}\n")) << r.out.substr(r.out.size() - 20);
}

TEST_F(TubrixDraw, CalcJsonWritesNullForSectionsWithoutAPattern) {
  const Result r = Calc({"--format", "json", "--power", "12"});
  ASSERT_EQ(r.status, 0);
  const std::size_t cone = r.out.find("\"name\": \"Diffuser cone 1\"");
  ASSERT_NE(cone, std::string::npos);
  const std::size_t end = r.out.find('}', cone);
  const std::string section = r.out.substr(cone, end - cone);
  EXPECT_NE(section.find("\"endDiameter\": null,"), std::string::npos) << section;
  EXPECT_NE(section.find("\"outerRadius\": null,"), std::string::npos) << section;
  EXPECT_NE(section.find("\"reason\": \"Diffuser cone 1 (D1 to D2 over L12) has no pattern: D2 "
                         "is not a number.\""),
            std::string::npos)
      << section;
}

TEST_F(TubrixDraw, CalcTableShowsDimensionsAndSections) {
  const Result r = Calc({"--format", "table"});
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* line : {
           "  D2    50.12     L23   165.68\n",
           "  LT  1070.62     (header start to stinger outlet)\n",
           "  Section          Ends                     Length    Slant        R        r    "
           "Sweep    Angle\n",
           "  Header           D0  37.41                 38.53   rectangle 117.53 x  38.53\n",
           "  Baffle cone      D5  94.58 > D6  21.06    217.28   220.37   283.51    63.14    "
           "60.05    19.20\n",
       }) {
    EXPECT_NE(r.out.find(line), std::string::npos) << line << "in\n" << r.out;
  }
}

TEST_F(TubrixDraw, CalcTableWithSheetThickness) {
  const Result r = Calc({"--format", "table", "--sheet-thickness", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Sections (mm, degrees): patterns on the mid-surface of  1.00 mm sheet\n"),
            std::string::npos);
  EXPECT_NE(r.out.find("  Header           D0  37.41                 38.53   rectangle 120.67 x  "
                       "38.53\n"),
            std::string::npos)
      << r.out;
}

// tubrix-calc --svg hands the design over to tubrix-draw --profile-only:
// the same inputs give the same document.
TEST_F(TubrixDraw, CalcSvgIsTheProfileDiagramOfTheSameDesign) {
  const std::vector<std::string> inputs{"--rpm", "11500", "--power=30.1", "--horn-coefficient",
                                        "1.7000000000000002"};
  std::vector<std::string> calc = inputs, draw = inputs;
  calc.insert(calc.end(), {"--svg", (folder_ / "calc.svg").string()});
  draw.insert(draw.end(), {"--profile-only", "-o", (folder_ / "draw.svg").string()});
  ASSERT_EQ(Calc(calc).status, 0);
  ASSERT_EQ(Draw(draw).status, 0);
  const std::string drawn = ReadFile(folder_ / "draw.svg");
  EXPECT_NE(drawn.find("11500.00 rpm, 30.10 hp, horn coefficient 1.70."), std::string::npos);
  EXPECT_EQ(ReadFile(folder_ / "calc.svg"), drawn);
}

TEST_F(TubrixDraw, CalcSvgOfADesignWithoutAProfileIsRefusedByTubrixDraw) {
  const Result r = Calc({"--power", "12", "--svg", (folder_ / "c.svg").string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.starts_with("tubrix-draw: this design cannot be drawn:\n")) << r.err;
  EXPECT_FALSE(fs::exists(folder_ / "c.svg"));
}

// The example command lines that --help shows, run as a person would copy
// them into a shell, with the programs on the PATH.
TEST_F(TubrixDraw, HelpExamplesRun) {
  const fs::path bin = fs::path(std::getenv("TUBRIX_CALC")).parent_path();
  for (const char* variable : {"TUBRIX_CALC", "TUBRIX_DRAW"}) {
    const Result help = Run(variable, {"--help"});
    const std::size_t examples = help.out.find("\nExamples:\n");
    ASSERT_NE(examples, std::string::npos) << variable;
    const std::size_t end = help.out.find("\n\n", examples + 1);
    std::size_t count = 0;
    for (std::size_t at = help.out.find("\n  ", examples); at < end;
         at = help.out.find("\n  ", at + 1)) {
      const std::string line = help.out.substr(at + 3, help.out.find('\n', at + 1) - at - 3);
      if (line.starts_with(' ')) continue;  // what the example does
      ++count;
      const Result r = Shell("cd " + Quoted(folder_.string()) + " && PATH=" + Quoted(bin.string()) +
                             ":\"$PATH\" && " + line);
      EXPECT_EQ(r.status, 0) << line << "\n" << r.err;
      EXPECT_EQ(r.err, "") << line;
    }
    EXPECT_GE(count, 3u) << variable;
  }
  for (const char* file : {"designs.csv", "chamber.svg", "chamber.pdf", "profile.svg"}) {
    EXPECT_TRUE(fs::exists(folder_ / file)) << file;
  }
}
