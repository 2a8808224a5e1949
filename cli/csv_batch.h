#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "calc/chamber_design.h"

// Exit statuses of a batch run.
enum BatchStatus { kBatchOk = 0, kBatchBadRows = 1, kBatchUnusable = 2 };

// Computes one design per row of a CSV stream.
//
// The input: a header row naming some of the eight inputs (by field name,
// "exhaustDuration", or by option spelling, "exhaust-duration"), then one
// design per row; inputs without a column take their value from defaults.
// Fields may be surrounded by blanks or double quotes; blank lines are
// skipped; line ends may be "\n" or "\r\n".
//
// The output: a header row and, per good row, every input, result and total
// (the columns of kDesignFields) in the shortest text that reads back to the
// same double, NaN as "nan" and infinities as "inf" and "-inf".
//
// A row that does not parse or whose inputs ValidateDesignInputs refuses is
// left out of the output, and a message naming its line and field goes to
// the error stream; the following rows are still computed. Streams: memory
// does not grow with the number of rows.
class CsvBatch {
 public:
  CsvBatch(const ChamberDesign& defaults, std::FILE* out, std::FILE* errors);

  // Returns kBatchOk; kBatchBadRows when a row was bad or the input could
  // not be read or the output written; kBatchUnusable when the header is
  // missing or names an unknown or repeated column.
  BatchStatus Run(std::FILE* in);

 private:
  struct Column {
    std::string name;  // as the header spells it
    double ChamberDesign::*member;
  };

  bool ReadHeader(long number, std::string_view line);
  void ComputeRow(long number, std::string_view line);
  void AppendHeader();
  void AppendRow(const ChamberDesign& design);
  bool Flush();
  void Error(long line, const std::string& message);

  const ChamberDesign defaults_;
  std::FILE* out_;
  std::FILE* errors_;
  std::vector<Column> columns_;
  std::vector<std::string_view> fields_;
  std::string text_;
  bool badRow_ = false;
  bool writeFailed_ = false;
};
