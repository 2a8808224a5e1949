#include "cli/design_options.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <system_error>
#include <utility>

#include "calc/design_inputs.h"

std::optional<double> ParseNumber(std::string_view text) {
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

namespace {

std::string NotANumber(std::string_view name, std::string_view value) {
  return std::string(name) + ": \"" + std::string(value) + "\" is not a number";
}

// What --help says of each input after its label, in the order of
// kDesignInputs: what it is where the label does not say, and its unit.
constexpr std::string_view kInputMeanings[] = {
    ", cm3",
    ", degrees of crankshaft rotation",
    ", mm",
    ", mm",
    ": the length of the exhaust passage inside the cylinder, from the piston face to "
    "the start of the header, mm",
    ", horsepower",
    ", revolutions per minute",
    ": the exponent of the diffuser's horn law, no unit",
};

constexpr std::size_t kHelpColumn = 32;  // where the descriptions start
constexpr std::size_t kHelpWidth = 79;   // the longest line

// The option's name, then the words of the description filled into lines
// from kHelpColumn on; the last word, `ending`, may hold spaces and is
// never broken.
std::string HelpEntry(std::string_view name, std::string_view description,
                      std::string_view ending) {
  std::vector<std::string_view> words;
  for (std::size_t at = 0; at < description.size();) {
    const std::size_t end = std::min(description.find(' ', at), description.size());
    words.push_back(description.substr(at, end - at));
    at = end + 1;
  }
  words.push_back(ending);
  std::string text = "  " + std::string(name);
  text.resize(std::max(text.size() + 1, kHelpColumn), ' ');
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0 && text.size() - lineStart + 1 + words[i].size() > kHelpWidth) {
      text += '\n';
      lineStart = text.size();
      text.append(kHelpColumn, ' ');
    } else if (i > 0) {
      text += ' ';
    }
    text += words[i];
  }
  return text + '\n';
}

}  // namespace

DesignOptions::DesignOptions() {
  for (const DesignInput& input : kDesignInputs) {
    options_.push_back({std::string(input.option), 0, true, input.member, {}});
  }
}

void DesignOptions::AddValueOption(std::string_view longName, char shortName,
                                   ValueHandler onValue) {
  options_.push_back({std::string(longName), shortName, true, nullptr, std::move(onValue)});
}

void DesignOptions::AddNumberOption(std::string_view longName, char shortName, double& target) {
  const std::string name =
      longName.empty() ? std::string{'-', shortName} : "--" + std::string(longName);
  AddValueOption(longName, shortName, [name, &target](std::string_view value) {
    const std::optional<double> number = ParseNumber(value);
    if (!number) return std::optional<std::string>(NotANumber(name, value));
    target = *number;
    return std::optional<std::string>();
  });
}

void DesignOptions::AddFlag(std::string_view longName, char shortName, FlagHandler onSeen) {
  auto onValue = [onSeen = std::move(onSeen)](std::string_view) {
    onSeen();
    return std::optional<std::string>();
  };
  options_.push_back({std::string(longName), shortName, false, nullptr, std::move(onValue)});
}

const DesignOptions::Option* DesignOptions::Find(std::string_view arg) const {
  const bool isLong = arg.size() > 2 && arg.starts_with("--");
  const bool isShort = arg.size() == 2 && arg[0] == '-' && arg[1] != '-';
  for (const Option& option : options_) {
    if ((isLong && arg.substr(2) == option.longName) ||
        (isShort && option.shortName != 0 && arg[1] == option.shortName)) {
      return &option;
    }
  }
  return nullptr;
}

std::string DesignOptions::InputsHelp() {
  const ChamberDesign defaults;
  std::string text;
  for (std::size_t i = 0; i < kDesignInputs.size(); ++i) {
    const DesignInput& input = kDesignInputs[i];
    char number[32];
    const auto end = std::to_chars(std::begin(number), std::end(number), defaults.*input.member);
    text += HelpEntry("--" + std::string(input.option) + " NUMBER",
                      std::string(input.label) + std::string(kInputMeanings[i]),
                      "(default " + std::string(number, end.ptr) + ")");
  }
  return text;
}

std::optional<std::string> DesignOptions::Apply(const Option& option, std::string_view name,
                                                std::string_view value, ChamberDesign& design) {
  if (option.input == nullptr) return option.onValue(value);
  const std::optional<double> number = ParseNumber(value);
  if (!number) return NotANumber(name, value);
  design.*option.input = *number;
  return std::nullopt;
}

std::optional<std::string> DesignOptions::Parse(std::span<const char* const> args,
                                                ChamberDesign& design) const {
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view name = args[i];
    std::optional<std::string_view> value;
    if (const std::size_t equals = name.find('='); name.starts_with("--") && equals != name.npos) {
      value = name.substr(equals + 1);
      name = name.substr(0, equals);
    }
    const Option* option = Find(name);
    if (option == nullptr) {
      const char* what = name.starts_with('-') ? "unknown option \"" : "unexpected argument \"";
      return what + std::string(args[i]) + "\"";
    }
    if (!option->takesValue && value) return std::string(name) + " takes no value";
    if (option->takesValue && !value) {
      if (i + 1 == args.size()) return std::string(name) + " needs a value";
      value = args[++i];
    }
    if (auto error = Apply(*option, name, value.value_or(std::string_view()), design)) {
      return error;
    }
  }
  return std::nullopt;
}
