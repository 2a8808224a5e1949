// libFuzzer target for tubrix-calc's batch reader: the input's bytes are
// the CSV on standard input. Memory streams stand in for standard output
// and standard error.
//
// What must hold for every input:
// - the status is one of the three, and is kBatchOk exactly when nothing
//   was written to the error stream;
// - every error message is one line that starts "tubrix-calc: ";
// - when the header is refused nothing is written out; otherwise the output
//   is the header row and then one row per good input row, each with every
//   column, and each number reading back as a number;
// - no row is lost: each non-blank row after the header either gives an
//   output row or is named in an error message.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "calc/chamber_design.h"
#include "cli/csv_batch.h"
#include "cli/design_field.h"
#include "cli/design_options.h"

namespace {

void Require(bool rule, const char* what) {
  if (rule) return;
  std::fprintf(stderr, "batch rule broken: %s\n", what);
  std::abort();
}

// What a memory stream wrote, freed with it.
class MemoryOutput {
 public:
  MemoryOutput() : file_(open_memstream(&buffer_, &size_)) { Require(file_ != nullptr, "no stream"); }
  ~MemoryOutput() {
    if (file_ != nullptr) std::fclose(file_);
    std::free(buffer_);
  }
  MemoryOutput(const MemoryOutput&) = delete;
  MemoryOutput& operator=(const MemoryOutput&) = delete;

  std::FILE* file() { return file_; }
  std::string_view Close() {
    std::fclose(file_);
    file_ = nullptr;
    return {buffer_, size_};
  }

 private:
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* file_;
};

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    Require(end != text.npos, "a line written without its end");
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  return lines;
}

// Blank as the reader sees it: nothing but blanks, perhaps in quotes.
bool IsBlank(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t\r\n");
  if (first == line.npos) return true;
  const std::size_t last = line.find_last_not_of(" \t\r\n");
  return last == first + 1 && line[first] == '"' && line[last] == '"';
}

// Data rows: the non-blank lines after the first non-blank one (the header).
std::size_t CountDataRows(std::string_view input) {
  std::size_t rows = 0;
  bool header = false;
  while (!input.empty()) {
    const std::size_t end = input.find('\n');
    const std::string_view line = input.substr(0, end);
    if (!IsBlank(line)) {
      if (header) ++rows;
      header = true;
    }
    if (end == input.npos) break;
    input.remove_prefix(end + 1);
  }
  return rows;
}

void CheckRow(std::string_view row) {
  std::size_t fields = 0;
  for (std::size_t start = 0;; ++fields) {
    const std::size_t comma = row.find(',', start);
    const std::string_view field = row.substr(start, comma - start);
    Require(ParseNumber(field) || field == "nan" || field == "inf" || field == "-inf",
            "a figure written that does not read back");
    if (comma == row.npos) break;
    start = comma + 1;
  }
  Require(fields + 1 == kDesignFields.size(), "a row without every column");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // One byte more than the input, so that even an empty one has a buffer.
  std::vector<char> bytes(data, data + size);
  bytes.push_back('\0');
  std::FILE* in = fmemopen(bytes.data(), size, "r");
  Require(in != nullptr, "no input stream");
  MemoryOutput out;
  MemoryOutput errors;
  const BatchStatus status = CsvBatch(ChamberDesign(), out.file(), errors.file()).Run(in);
  std::fclose(in);

  const std::vector<std::string_view> written = Lines(out.Close());
  const std::vector<std::string_view> messages = Lines(errors.Close());
  Require(status == kBatchOk || status == kBatchBadRows || status == kBatchUnusable,
          "an unknown status");
  Require((status == kBatchOk) == messages.empty(), "a failure without a message, or the reverse");
  for (const std::string_view message : messages) {
    Require(message.starts_with("tubrix-calc: "), "a message not named after the command");
  }
  if (status == kBatchUnusable) {
    Require(written.empty(), "output after a refused header");
    return 0;
  }
  Require(!written.empty() && written.front().starts_with("displacement,"), "no header row");
  for (std::size_t i = 1; i < written.size(); ++i) CheckRow(written[i]);
  Require(written.size() - 1 + messages.size() ==
              CountDataRows({reinterpret_cast<const char*>(data), size}),
          "a row neither written nor named");
  return 0;
}
