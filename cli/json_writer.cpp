#include "cli/json_writer.h"

#include <cmath>

#include "cli/number_text.h"

void JsonWriter::BeginObject() {
  BeforeValue();
  out_ += '{';
  empty_.push_back(true);
}

void JsonWriter::EndObject() { End('}'); }

void JsonWriter::BeginArray() {
  BeforeValue();
  out_ += '[';
  empty_.push_back(true);
}

void JsonWriter::EndArray() { End(']'); }

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  AppendQuoted(name);
  out_ += ": ";
  afterKey_ = true;
}

void JsonWriter::Number(double value) {
  BeforeValue();
  if (std::isfinite(value)) {
    AppendNumberText(out_, value);
  } else {
    out_ += "null";
  }
}

void JsonWriter::String(std::string_view value) {
  BeforeValue();
  AppendQuoted(value);
}

// Separates a value (or a key) from the one before and starts its line.
void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (empty_.empty()) return;  // the document's own value
  if (!empty_.back()) out_ += ',';
  empty_.back() = false;
  NewLine(empty_.size());
}

void JsonWriter::NewLine(std::size_t depth) {
  out_ += '\n';
  out_.append(2 * depth, ' ');
}

void JsonWriter::End(char bracket) {
  const bool wasEmpty = empty_.back();
  empty_.pop_back();
  if (!wasEmpty) NewLine(empty_.size());
  out_ += bracket;
  if (empty_.empty()) out_ += '\n';
}

void JsonWriter::AppendQuoted(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out_ += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out_ += '\\';
      out_ += c;
    } else if (byte < 0x20) {
      out_ += "\\u00";
      out_ += kHex[byte >> 4];
      out_ += kHex[byte & 0xF];
    } else {
      out_ += c;
    }
  }
  out_ += '"';
}
