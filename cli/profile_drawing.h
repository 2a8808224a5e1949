#pragma once

#include <string>

#include "calc/chamber_design.h"
#include "cli/command_text.h"

// tubrix-calc --svg FILE: the diagram is drawn by tubrix-draw, so that
// tubrix-calc itself links no graphics library and starts as fast as ever.
// Runs, in this process's place, the tubrix-draw that lies in the same
// folder as the running program, with --profile-only, the output file and
// the design's eight inputs. Returns only when that cannot be done, after
// saying why on standard error (naming the path it looked for); the result
// is then kExitFailure.
int ExecProfileDrawing(const CommandText& command, const ChamberDesign& design,
                       const std::string& file);
