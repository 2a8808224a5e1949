// Runs the real tubrix-calc program, whose path comes in TUBRIX_CALC, and
// checks what it writes and its exit status.

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "calc/compute_chamber.h"
#include "tests/support/default_report.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsageLine =
    "usage: tubrix-calc [--format report|json|table] [--sheet-thickness MM] [-o FILE]\n"
    "                   [--batch] [--INPUT NUMBER]...\n"
    "       tubrix-calc --svg FILE.svg [--INPUT NUMBER]...\n";

constexpr const char* kCsvHeader =
    "displacement,exhaustDuration,portHeight,portWidth,exhaustInCylinder,power,rpm,"
    "hornCoefficient,bmep,waveSpeed,tunedLength,D0,D1,D2,D3,D4,D5,D6,D7,L01,L12,L23,L34,L45,"
    "L56,L67,TotalLength,LengthWithoutStinger,TunedLengthToBaffleMiddle\n";

// The keys in the order the program writes them, with the design's values.
std::vector<std::pair<std::string, double>> Fields(const ChamberDesign& d) {
  return {{"displacement", d.displacement},
          {"exhaustDuration", d.exhaustDuration},
          {"portHeight", d.portHeight},
          {"portWidth", d.portWidth},
          {"exhaustInCylinder", d.exhaustInCylinder},
          {"power", d.power},
          {"rpm", d.rpm},
          {"hornCoefficient", d.hornCoefficient},
          {"bmep", d.bmep},
          {"waveSpeed", d.waveSpeed},
          {"tunedLength", d.tunedLength},
          {"D0", d.D0},
          {"D1", d.D1},
          {"D2", d.D2},
          {"D3", d.D3},
          {"D4", d.D4},
          {"D5", d.D5},
          {"D6", d.D6},
          {"D7", d.D7},
          {"L01", d.L01},
          {"L12", d.L12},
          {"L23", d.L23},
          {"L34", d.L34},
          {"L45", d.L45},
          {"L56", d.L56},
          {"L67", d.L67},
          {"TotalLength", d.TotalLength()},
          {"LengthWithoutStinger", d.LengthWithoutStinger()},
          {"TunedLengthToBaffleMiddle", d.TunedLengthToBaffleMiddle()}};
}

std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

// Reads the whole text as a double, or gives a NaN with a payload no
// computation makes, so that a bad text never compares equal.
double ReadBack(std::string_view text) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::bit_cast<double>(std::uint64_t{0x7FF0DEADBEEF0000});
  }
  return value;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end == text.npos ? text.size() : end + 1;
  }
  return lines;
}

std::vector<std::string> SplitCsv(const std::string& line) {
  std::vector<std::string> fields;
  for (std::size_t start = 0;;) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma - start));
    if (comma == line.npos) return fields;
    start = comma + 1;
  }
}

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

class TubrixCalc : public testing::Test {
 protected:
  void SetUp() override {
    const char* program = std::getenv("TUBRIX_CALC");
    ASSERT_NE(program, nullptr) << "TUBRIX_CALC names the program under test";
    program_ = program;
    std::string name = (fs::temp_directory_path() / "tubrix-cli-XXXXXX").string();
    ASSERT_NE(::mkdtemp(name.data()), nullptr);
    folder_ = name;
  }

  void TearDown() override { fs::remove_all(folder_); }

  // Runs the program with args and input on standard input; standard output
  // goes to outPath when one is given.
  Result Run(std::vector<std::string> args, const std::string& input = "",
             const fs::path& outPath = {}) {
    std::ofstream(folder_ / "in", std::ios::binary) << input;
    const fs::path out = outPath.empty() ? folder_ / "out" : outPath;
    const pid_t child = ::fork();
    if (child == 0) {
      Redirect(folder_ / "in", O_RDONLY, 0);
      Redirect(out, O_WRONLY | O_CREAT | O_TRUNC, 1);
      Redirect(folder_ / "err", O_WRONLY | O_CREAT | O_TRUNC, 2);
      std::vector<char*> argv{program_.data()};
      for (std::string& arg : args) argv.push_back(arg.data());
      argv.push_back(nullptr);
      ::execv(program_.c_str(), argv.data());
      ::_exit(127);
    }
    Result result;
    int status = 0;
    if (::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
      result.status = WEXITSTATUS(status);
    }
    if (outPath.empty()) result.out = ReadFile(folder_ / "out");
    result.err = ReadFile(folder_ / "err");
    return result;
  }

  static void Redirect(const fs::path& path, int flags, int fd) {
    const int opened = ::open(path.c_str(), flags, 0644);
    if (opened < 0 || ::dup2(opened, fd) < 0) ::_exit(126);
    ::close(opened);
  }

  std::string program_;
  fs::path folder_;
};

TEST_F(TubrixCalc, DefaultDesignPrintsTheKnownReport) {
  const Result r = Run({});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, kDefaultReport);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(Run({"--format", "report"}).out, kDefaultReport);
}

TEST_F(TubrixCalc, InputsFromTheCommandLineReachTheReport) {
  const Result r = Run({"--exhaust-in-cylinder=100", "--rpm", "9800"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("Exhaust in cylinder : 100.00\n"), std::string::npos);
  EXPECT_NE(r.out.find("L01 :  -9.47 mm\n"), std::string::npos);
}

// Every key in order, and every number reads back to the computed bits.
TEST_F(TubrixCalc, JsonNumbersReadBackExactly) {
  const Result r = Run({"--format=json"});
  ASSERT_EQ(r.status, 0);
  ChamberDesign expected;
  ComputeChamber(expected);
  const auto fields = Fields(expected);
  const std::vector<std::string> lines = SplitLines(r.out);
  ASSERT_GT(lines.size(), fields.size() + 2);  // the sections follow the figures
  EXPECT_EQ(lines.front(), "{");
  EXPECT_EQ(lines.back(), "}");
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string prefix = "  \"" + fields[i].first + "\": ";
    const std::string& line = lines[i + 1];
    ASSERT_TRUE(line.starts_with(prefix)) << line;
    std::string number = line.substr(prefix.size());
    if (number.ends_with(',')) number.pop_back();
    EXPECT_EQ(Bits(ReadBack(number)), Bits(fields[i].second)) << line;
  }
  EXPECT_EQ(lines[14], "  \"D2\": 50.11974367783588,");
  EXPECT_EQ(lines[27], "  \"TotalLength\": 1070.6224843614152,");
}

TEST_F(TubrixCalc, JsonWritesNullForNaN) {
  const Result r = Run({"--format", "json", "--power", "12"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("  \"D1\": 51.46228426187414,\n  \"D2\": null,\n  \"D3\": null,\n"),
            std::string::npos);
  EXPECT_NE(r.out.find("  \"D6\": 27.685375365249477,\n"), std::string::npos);
}

struct ErrorCase {
  const char* name;
  std::vector<std::string> args;
  const char* message;  // first line on standard error
};

// Keeps the case's name, not its bytes, in the test's listing.
void PrintTo(const ErrorCase& c, std::ostream* out) { *out << c.name; }

class Refused : public TubrixCalc, public testing::WithParamInterface<ErrorCase> {};

TEST_P(Refused, ValidationExitsWithTwo) {
  const Result r = Run(GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    OutsideTheModel, Refused,
    testing::Values(ErrorCase{"ZeroRpm",
                              {"--rpm", "0"},
                              "tubrix-calc: Engine RPM must be a number greater than 0.\n"},
                    ErrorCase{"NegativeDisplacement",
                              {"--displacement=-1"},
                              "tubrix-calc: Displacement must be a number greater than 0.\n"},
                    ErrorCase{"NaNPortWidth",
                              {"--port-width", "nan"},
                              "tubrix-calc: Exhaust port width must be a number greater than 0.\n"},
                    ErrorCase{"InfiniteHorn",
                              {"--horn-coefficient", "inf"},
                              "tubrix-calc: Horn coefficient must be a finite number.\n"},
                    // Refused before tubrix-draw is looked for.
                    ErrorCase{"SvgOfZeroRpm",
                              {"--svg", "c.svg", "--rpm", "0"},
                              "tubrix-calc: Engine RPM must be a number greater than 0.\n"}),
    [](const auto& test) { return std::string(test.param.name); });

class UsageError : public TubrixCalc, public testing::WithParamInterface<ErrorCase> {};

TEST_P(UsageError, ShowsTheUsageLineAndExitsWithTwo) {
  const Result r = Run(GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, std::string(GetParam().message) + "\n" + kUsageLine +
                       "Try 'tubrix-calc --help' for more.\n");
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, UsageError,
    testing::Values(
        ErrorCase{
            "TrailingLetters", {"--rpm", "12x"}, "tubrix-calc: --rpm: \"12x\" is not a number"},
        ErrorCase{"EmptyValue", {"--power="}, "tubrix-calc: --power: \"\" is not a number"},
        ErrorCase{"MissingValue", {"--port-height"}, "tubrix-calc: --port-height needs a value"},
        ErrorCase{"UnknownOption", {"--speed=5"}, "tubrix-calc: unknown option \"--speed=5\""},
        ErrorCase{"UnknownFormat",
                  {"--format", "xml"},
                  "tubrix-calc: --format: \"xml\" is not report, json or table"},
        ErrorCase{"Positional", {"report.txt"}, "tubrix-calc: unexpected argument \"report.txt\""},
        ErrorCase{"BatchWithOutput",
                  {"--batch", "-o", "r.txt"},
                  "tubrix-calc: --batch writes to standard output; leave out -o"},
        ErrorCase{"OutputWithJson",
                  {"-o", "r.txt", "--format", "json"},
                  "tubrix-calc: -o writes the parameter report; leave out --format json and table"},
        ErrorCase{"SheetThicknessWithReport",
                  {"--sheet-thickness", "1"},
                  "tubrix-calc: --sheet-thickness shapes the sections of --format json or table"},
        ErrorCase{"NegativeSheetThickness",
                  {"--format=json", "--sheet-thickness=-1"},
                  "tubrix-calc: --sheet-thickness: \"-1\" is not a number of 0 or more (mm)"},
        ErrorCase{"SvgOfAnotherKind",
                  {"--svg", "c.png"},
                  "tubrix-calc: --svg: \"c.png\" does not end in .svg"},
        ErrorCase{"SvgWithBatch",
                  {"--batch", "--svg", "c.svg"},
                  "tubrix-calc: --svg draws one design; leave out --batch, --format, -o and "
                  "--sheet-thickness"},
        ErrorCase{"SvgWithFormat",
                  {"--svg=c.svg", "--format=json"},
                  "tubrix-calc: --svg draws one design; leave out --batch, --format, -o and "
                  "--sheet-thickness"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(TubrixCalc, HelpAndVersion) {
  const Result version = Run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "tubrix-calc 1.0.0.1\n");
  const Result help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with(kUsageLine));
  // Every option, the design inputs with their units and defaults, and an
  // example of each way to use the program.
  constexpr const char* kLines[] = {
      "  --displacement NUMBER         Displacement, cm3 (default 124.9)\n",
      "  --power NUMBER                Desired power, horsepower (default 27)\n",
      "                                diffuser's horn law, no unit (default 1.6)\n",
      "  --format report|json|table    report: the 26-line parameter report (default);\n",
      "  --sheet-thickness MM          the sheet's thickness for the sections of json\n"
      "                                and table (default 0):",
      "  -o, --output FILE             write the parameter report to FILE instead of\n"
      "                                standard output\n",
      "  --svg FILE.svg                draw a diagram of the chamber into FILE.svg:",
      "  --batch                       read CSV from standard input:",
      "  --help                        show this help\n",
      "  --version                     show the version\n",
      "\nExamples:\n  tubrix-calc --rpm 11500 --power 30\n",
      "  printf 'rpm,power\\n9800,27\\n11500,30\\n' | tubrix-calc --batch >designs.csv\n",
      "  tubrix-calc --rpm 11500 --power 30 --svg chamber.svg\n",
  };
  for (const char* line : kLines) EXPECT_NE(help.out.find(line), std::string::npos) << line;
}

// --svg runs the tubrix-draw beside the program; a copy of tubrix-calc
// alone in a folder says where it looked.
TEST_F(TubrixCalc, SvgWithoutTubrixDrawBesideItNamesThePath) {
  const fs::path alone = folder_ / "bin" / "tubrix-calc";
  fs::create_directory(folder_ / "bin");
  fs::copy_file(program_, alone);
  program_ = alone.string();
  const Result r = Run({"--svg", (folder_ / "c.svg").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "tubrix-calc: --svg: cannot run \"" +
                       (folder_ / "bin" / "tubrix-draw").string() +
                       "\": No such file or directory; tubrix-draw draws the diagram and "
                       "belongs in the same folder as tubrix-calc\n");
  EXPECT_FALSE(fs::exists(folder_ / "c.svg"));
}

TEST_F(TubrixCalc, OutputFileHoldsTheReport) {
  const Result r = Run({"-o", (folder_ / "r\xC3\xA9sum\xC3\xA9.txt").string()});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(ReadFile(folder_ / "r\xC3\xA9sum\xC3\xA9.txt"), kDefaultReport);
}

TEST_F(TubrixCalc, OutputFailureNamesTheFileAndTheReason) {
  const std::string missing = (folder_ / "missing" / "r.txt").string();
  Result r = Run({"--output", missing});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "tubrix-calc: cannot write \"" + missing + "\": No such file or directory\n");
  r = Run({"-o", folder_.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "tubrix-calc: cannot write \"" + folder_.string() + "\": Is a directory\n");
  r = Run({"-o", "/dev/full"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "tubrix-calc: cannot write \"/dev/full\": No space left on device\n");
}

TEST_F(TubrixCalc, FullStandardOutputIsAnError) {
  const Result r = Run({}, "", "/dev/full");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "tubrix-calc: cannot write to standard output: No space left on device\n");
}

// Good rows are computed, bad ones are named by line and left out, missing
// columns take the defaults.
TEST_F(TubrixCalc, BatchReportsBadRowsAndComputesTheRest) {
  const Result r = Run({"--batch"},
                       "exhaustDuration, rpm\r\n"
                       "180.8,9800\r\n"
                       "190,12x\n"
                       ",9800\n"
                       "200,0\n"
                       "1,2,3\n"
                       "\n"
                       "\"180.8\" , 9800\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "tubrix-calc: line 3: rpm: \"12x\" is not a number\n"
            "tubrix-calc: line 4: exhaustDuration: \"\" is not a number\n"
            "tubrix-calc: line 5: Engine RPM must be a number greater than 0.\n"
            "tubrix-calc: line 6: 3 fields, but the header names 2\n");
  const std::vector<std::string> lines = SplitLines(r.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0] + "\n", kCsvHeader);
  EXPECT_EQ(lines[1], lines[2]);
  ChamberDesign expected;
  ComputeChamber(expected);
  const auto fields = Fields(expected);
  const std::vector<std::string> row = SplitCsv(lines[1]);
  ASSERT_EQ(row.size(), fields.size());
  for (std::size_t i = 0; i < row.size(); ++i) {
    EXPECT_EQ(Bits(ReadBack(row[i])), Bits(fields[i].second)) << fields[i].first;
  }
}

TEST_F(TubrixCalc, BatchTakesOptionSpellingsAndCommandLineDefaults) {
  const Result r = Run({"--batch", "--power", "12"}, "exhaust-duration\n180.8\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  const std::vector<std::string> lines = SplitLines(r.out);
  ASSERT_EQ(lines.size(), 2u);
  const std::vector<std::string> row = SplitCsv(lines[1]);
  ASSERT_EQ(row.size(), 29u);
  EXPECT_EQ(row[5], "12");
  EXPECT_EQ(row[12], "51.46228426187414");
  EXPECT_EQ(row[13], "nan");
  EXPECT_EQ(row[14], "nan");
}

TEST_F(TubrixCalc, BatchRefusesAnUnusableHeader) {
  Result r = Run({"--batch"}, "rmp\n9800\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "tubrix-calc: line 1: unknown column \"rmp\"; the columns name design inputs, such "
            "as exhaustDuration\n");
  EXPECT_EQ(r.out, "");
  r = Run({"--batch"}, "rpm,rpm\n1,2\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "tubrix-calc: line 1: column \"rpm\" repeats \"rpm\"\n");
  r = Run({"--batch"}, "");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "tubrix-calc: --batch: standard input holds no header row\n");
}

TEST_F(TubrixCalc, BatchWithOnlyAHeaderWritesTheHeader) {
  const Result r = Run({"--batch"}, "rpm\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, kCsvHeader);
}

}  // namespace
