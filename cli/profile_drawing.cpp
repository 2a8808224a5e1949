#include "cli/profile_drawing.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "calc/design_inputs.h"
#include "cli/number_text.h"

namespace {

// Each input in the shortest text that reads back to the same double, so
// that tubrix-draw computes exactly the design tubrix-calc was given.
std::vector<std::string> DrawArguments(const std::filesystem::path& program,
                                       const ChamberDesign& design, const std::string& file) {
  std::vector<std::string> args{program.string(), "--profile-only", "--output=" + file};
  for (const DesignInput& input : kDesignInputs) {
    std::string arg = "--" + std::string(input.option) + "=";
    AppendNumberText(arg, design.*input.member);
    args.push_back(std::move(arg));
  }
  return args;
}

int CannotRun(const CommandText& command, const std::filesystem::path& program, int reason) {
  return command.Failure("--svg: cannot run \"" + program.string() +
                         "\": " + std::strerror(reason) + "; tubrix-draw draws the diagram and " +
                         "belongs in the same folder as tubrix-calc");
}

}  // namespace

int ExecProfileDrawing(const CommandText& command, const ChamberDesign& design,
                       const std::string& file) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    return command.Failure(
        "--svg: cannot find the folder of tubrix-calc to run tubrix-draw from: " + error.message());
  }
  const std::filesystem::path program = self.parent_path() / "tubrix-draw";
  if (::access(program.c_str(), X_OK) != 0) return CannotRun(command, program, errno);
  std::vector<std::string> args = DrawArguments(program, design, file);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  ::execv(program.c_str(), argv.data());
  return CannotRun(command, program, errno);
}
