#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/chamber_design.h"

// Reads the whole text as one decimal number ("124.9", "-5", "1e3", "nan",
// "inf"). Anything else, an empty text, leading or trailing blanks and
// out-of-range figures such as "1e999" included, gives nothing. Independent
// of the process locale: the decimal separator is always a point.
std::optional<double> ParseNumber(std::string_view text);

// The command line of a Tubrix command: the eight design inputs
// (--displacement, --exhaust-duration, --port-height, --port-width,
// --exhaust-in-cylinder, --power, --rpm, --horn-coefficient), each written
// "--name VALUE" or "--name=VALUE", plus the options that the command
// declares for itself (its output file, format, help, ...).
//
// A command declares its own options, then parses:
//
//   DesignOptions options;
//   options.AddValueOption("output", 'o', [&](std::string_view file) {
//     output = file;
//     return std::optional<std::string>();
//   });
//   options.AddFlag("help", 0, [&] { help = true; });
//   if (auto error = options.Parse(args, design)) { /* usage error */ }
class DesignOptions {
 public:
  DesignOptions();

  // Receives the value of an option; returns an error message for a value
  // the command does not accept, or nothing.
  using ValueHandler = std::function<std::optional<std::string>(std::string_view value)>;
  using FlagHandler = std::function<void()>;

  // Declares "--longName VALUE" (also "--longName=VALUE") and, when
  // shortName is not 0, "-s VALUE". Either name may be left empty / 0.
  void AddValueOption(std::string_view longName, char shortName, ValueHandler onValue);

  // Declares an option whose value must be a number (as ParseNumber reads
  // it), stored into target; an other text is refused like a design input's.
  void AddNumberOption(std::string_view longName, char shortName, double& target);

  // Declares an option without a value, "--longName" and "-s".
  void AddFlag(std::string_view longName, char shortName, FlagHandler onSeen);

  // Help lines for the eight design inputs, one per input with its unit and
  // default, for a command's --help text.
  static std::string InputsHelp();

  // Parses args (the program name left out) from left to right, storing
  // each design input into design and calling the handlers of the command's
  // options in the order given; a repeated option takes its last value.
  // Stops at the first problem and returns its message, which names the
  // option concerned ("--rpm: \"12x\" is not a number"), or nothing when
  // every argument was understood. Checks no ranges: see
  // ValidateDesignInputs.
  std::optional<std::string> Parse(std::span<const char* const> args, ChamberDesign& design) const;

 private:
  struct Option {
    std::string longName;
    char shortName;
    bool takesValue;
    double ChamberDesign::*input;  // the design input it sets, or null
    ValueHandler onValue;          // the command's handler when input is null
  };

  // Finds the option that arg ("--name" or "-s", any "=VALUE" cut off) names.
  const Option* Find(std::string_view arg) const;
  static std::optional<std::string> Apply(const Option& option, std::string_view name,
                                          std::string_view value, ChamberDesign& design);

  std::vector<Option> options_;
};
