#pragma once

#include <string>
#include <string_view>

#include "calc/chamber_design.h"

// The 26-line parameter report of a design: the eight inputs in record
// order, D0..D7, L01..L67 and the three totals, each behind its fixed label
// and rendered with FormatValue, every line ended by '\n'. Plain ASCII for
// finite figures.
std::string ParameterReportText(const ChamberDesign& design);

// Writes the report to path (UTF-16; the file name on disk is its UTF-8
// form). Returns false when the file cannot be written: a folder that does
// not exist, a read-only file, a folder the user may not write, a path that
// names a folder, a failed write, flush or close (a full disk). A failure
// leaves what was at the path before untouched and no partial file behind;
// an existing writable file is replaced without a question. After false,
// errno holds the cause (EILSEQ for a path that is not valid UTF-16).
bool WriteParameterReport(const ChamberDesign& design, std::u16string_view path);
