#include "cli/line_reader.h"

#include <stdio.h>  // getline

#include <cstdlib>

LineReader::~LineReader() { std::free(buffer_); }

std::optional<std::string_view> LineReader::Next() {
  const ssize_t length = ::getline(&buffer_, &capacity_, in_);
  if (length < 0) return std::nullopt;
  ++number_;
  return std::string_view(buffer_, static_cast<std::size_t>(length));
}
