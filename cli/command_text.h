#pragma once

#include <string>
#include <string_view>

#include "calc/chamber_design.h"

// The exit statuses every Tubrix command uses; each command's --help says
// what they mean for it.
inline constexpr int kExitFailure = 1;  // the work could not be done or written
inline constexpr int kExitUsage = 2;    // a usage error, or inputs outside the model's domain

// What a Tubrix command says about itself, and the messages it writes the
// same way as every other command: each on standard error, starting with
// the command's name.
struct CommandText {
  std::string_view name;        // "tubrix-calc"
  std::string_view usage;       // the usage lines, each ended by a newline
  std::string_view helpIntro;   // --help: what the command does, up to the inputs
  std::string_view helpOutput;  // --help: the command's own options, after the inputs

  // Writes the message, the usage lines and where to find help to standard
  // error; returns kExitUsage.
  int UsageError(std::string_view message) const;

  // Writes the message (why the work could not be done) to standard error;
  // returns kExitFailure.
  int Failure(std::string_view message) const;

  // Writes text to standard output; returns 0, or reports a failure (a full
  // disk, a closed pipe) on standard error and returns kExitFailure.
  int WriteStandardOutput(std::string_view text) const;

  // The --help text: usage, intro, the eight design inputs with their units
  // and defaults, then the command's own options.
  std::string Help() const;

  // Reports design inputs outside the model's domain on standard error and
  // returns kExitUsage; returns 0 for inputs that can be computed.
  int RefuseDesignInputs(const ChamberDesign& design) const;
};
