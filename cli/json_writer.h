#pragma once

#include <string>
#include <string_view>
#include <vector>

// Writes one JSON document into a string, one member or element at a time,
// indented by two spaces per level. The caller keeps the nesting right:
// inside an object every value follows a Key.
//
//   JsonWriter json(text);
//   json.BeginObject();
//   json.Key("D0");
//   json.Number(37.41);
//   json.Key("sections");
//   json.BeginArray();
//   ...
//   json.EndArray();
//   json.EndObject();
class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out_(out) {}

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  void Key(std::string_view name);
  // The shortest text that reads back to the same double; null when the
  // value is NaN or infinite, which JSON cannot spell.
  void Number(double value);
  void String(std::string_view value);

 private:
  void BeforeValue();
  void NewLine(std::size_t depth);
  void End(char bracket);
  void AppendQuoted(std::string_view text);

  std::string& out_;
  std::vector<bool> empty_;  // per open object or array: nothing in it yet
  bool afterKey_ = false;
};
