#include "cli/section_json.h"

#include <limits>

namespace {

// JSON's null, as JsonWriter spells a figure that is not finite.
constexpr double kNull = std::numeric_limits<double>::quiet_NaN();

void Member(JsonWriter& json, std::string_view key, double value) {
  json.Key(key);
  json.Number(value);
}

void WriteSection(JsonWriter& json, const SectionDevelopment& s) {
  const bool cone = s.kind == SectionKind::kCone;
  const auto pattern = [&](double value) { return s.hasPattern ? value : kNull; };
  json.BeginObject();
  json.Key("name");
  json.String(s.name);
  json.Key("id");
  json.String(s.id);
  json.Key("kind");
  json.String(cone ? "cone" : "pipe");
  Member(json, "startDiameter", s.startDiameter);
  Member(json, "endDiameter", s.endDiameter);
  Member(json, "length", s.length);
  if (cone) {
    Member(json, "slantLength", pattern(s.slantLength));
    Member(json, "outerRadius", pattern(s.outerRadius));
    Member(json, "innerRadius", pattern(s.innerRadius));
    Member(json, "sweepDegrees", pattern(s.sweepDegrees));
    Member(json, "includedAngle", pattern(s.includedAngle));
  } else {
    Member(json, "circumference", pattern(s.circumference));
  }
  if (!s.hasPattern) {
    json.Key("reason");
    json.String(s.reason);
  }
  json.EndObject();
}

}  // namespace

void WriteSectionsJson(JsonWriter& json, const ChamberDevelopment& development) {
  json.BeginArray();
  for (const SectionDevelopment& section : development.sections) WriteSection(json, section);
  json.EndArray();
}
