#pragma once

#include <cstdio>
#include <optional>
#include <string_view>

// Reads a stream line by line into one buffer that every line reuses, so
// that memory follows the longest line, not the length of the stream.
class LineReader {
 public:
  explicit LineReader(std::FILE* in) : in_(in) {}
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line with its '\n' (none on a last line without one); valid
  // until the next call. Nothing at the end of the stream or on a read error
  // (std::ferror tells which).
  std::optional<std::string_view> Next();

  // 1 for the first line, counted by Next.
  long Number() const { return number_; }

 private:
  std::FILE* in_;
  char* buffer_ = nullptr;
  std::size_t capacity_ = 0;
  long number_ = 0;
};
