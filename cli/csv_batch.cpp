#include "cli/csv_batch.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "calc/compute_chamber.h"
#include "calc/design_inputs.h"
#include "cli/design_field.h"
#include "cli/design_options.h"
#include "cli/line_reader.h"
#include "cli/number_text.h"

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == text.npos) return {};
  text = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    text = text.substr(1, text.size() - 2);
  }
  return text;
}

void SplitFields(std::string_view line, std::vector<std::string_view>& fields) {
  fields.clear();
  for (std::size_t start = 0;;) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(Trim(line.substr(start, comma - start)));
    if (comma == line.npos) return;
    start = comma + 1;
  }
}

}  // namespace

CsvBatch::CsvBatch(const ChamberDesign& defaults, std::FILE* out, std::FILE* errors)
    : defaults_(defaults), out_(out), errors_(errors) {
  text_.reserve(kFlushSize + 4096);
}

void CsvBatch::Error(long line, const std::string& message) {
  std::fprintf(errors_, "tubrix-calc: line %ld: %s\n", line, message.c_str());
}

BatchStatus CsvBatch::Run(std::FILE* in) {
  LineReader lines(in);
  std::optional<std::string_view> line = lines.Next();
  while (line && Trim(*line).empty()) line = lines.Next();
  if (!line) {
    std::fputs("tubrix-calc: --batch: standard input holds no header row\n", errors_);
    return kBatchUnusable;
  }
  if (!ReadHeader(lines.Number(), *line)) return kBatchUnusable;
  AppendHeader();
  while ((line = lines.Next()) && !writeFailed_) {
    if (!Trim(*line).empty()) ComputeRow(lines.Number(), *line);
    if (text_.size() >= kFlushSize) Flush();
  }
  if (std::ferror(in)) {
    std::fprintf(errors_, "tubrix-calc: cannot read standard input: %s\n", std::strerror(errno));
    badRow_ = true;
  }
  if (!Flush()) return kBatchBadRows;
  return badRow_ ? kBatchBadRows : kBatchOk;
}

bool CsvBatch::ReadHeader(long number, std::string_view line) {
  if (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);  // a spreadsheet's byte-order mark
  SplitFields(line, fields_);
  for (const std::string_view name : fields_) {
    const DesignInput* input = FindDesignInput(name);
    if (input == nullptr) {
      Error(number, "unknown column \"" + std::string(name) +
                        "\"; the columns name design inputs, such as exhaustDuration");
      return false;
    }
    for (const Column& column : columns_) {
      if (column.member == input->member) {
        Error(number, "column \"" + std::string(name) + "\" repeats \"" + column.name + "\"");
        return false;
      }
    }
    columns_.push_back({std::string(name), input->member});
  }
  return true;
}

void CsvBatch::ComputeRow(long number, std::string_view line) {
  SplitFields(line, fields_);
  if (fields_.size() != columns_.size()) {
    Error(number, std::to_string(fields_.size()) + " fields, but the header names " +
                      std::to_string(columns_.size()));
    badRow_ = true;
    return;
  }
  ChamberDesign design = defaults_;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    const std::optional<double> value = ParseNumber(fields_[i]);
    if (!value) {
      Error(number, columns_[i].name + ": \"" + std::string(fields_[i]) + "\" is not a number");
      badRow_ = true;
      return;
    }
    design.*columns_[i].member = *value;
  }
  if (const std::optional<std::string> refused = ValidateDesignInputs(design)) {
    Error(number, *refused);
    badRow_ = true;
    return;
  }
  ComputeChamber(design);
  AppendRow(design);
}

void CsvBatch::AppendHeader() {
  for (const DesignField& field : kDesignFields) {
    text_ += field.name;
    text_ += ',';
  }
  text_.back() = '\n';
}

void CsvBatch::AppendRow(const ChamberDesign& design) {
  for (const DesignField& field : kDesignFields) {
    AppendNumberText(text_, field.Value(design));
    text_ += ',';
  }
  text_.back() = '\n';
}

bool CsvBatch::Flush() {
  if (writeFailed_) return false;
  const bool written =
      std::fwrite(text_.data(), 1, text_.size(), out_) == text_.size() && std::fflush(out_) == 0;
  text_.clear();
  if (!written) {
    std::fprintf(errors_, "tubrix-calc: cannot write to standard output: %s\n",
                 std::strerror(errno));
    writeFailed_ = true;
  }
  return written;
}
