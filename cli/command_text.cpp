#include "cli/command_text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "calc/design_inputs.h"
#include "cli/design_options.h"

namespace {

// Each message is one line on standard error, named after the command.
void WriteError(std::string_view name, std::string_view message) {
  std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(name.size()), name.data(),
               static_cast<int>(message.size()), message.data());
}

}  // namespace

int CommandText::UsageError(std::string_view message) const {
  WriteError(name, message);
  std::fprintf(stderr, "%.*sTry '%.*s --help' for more.\n", static_cast<int>(usage.size()),
               usage.data(), static_cast<int>(name.size()), name.data());
  return kExitUsage;
}

int CommandText::Failure(std::string_view message) const {
  WriteError(name, message);
  return kExitFailure;
}

int CommandText::WriteStandardOutput(std::string_view text) const {
  if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0) {
    return 0;
  }
  const int reason = errno;
  WriteError(name, std::string("cannot write to standard output: ") + std::strerror(reason));
  return kExitFailure;
}

std::string CommandText::Help() const {
  return std::string(usage) + "\n" + std::string(helpIntro) + DesignOptions::InputsHelp() +
         std::string(helpOutput);
}

int CommandText::RefuseDesignInputs(const ChamberDesign& design) const {
  const std::optional<std::string> refused = ValidateDesignInputs(design);
  if (!refused) return 0;
  WriteError(name, *refused);
  return kExitUsage;
}
