#include "draw/chamber_svg.h"

#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>
#include <string>
#include <string_view>

#include "calc/compute_chamber.h"

namespace {

using Document = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;

struct Counts {
  int patterns = 0;  // strokes in the cut colour
  int cones = 0;     // of those, outlines with curves (arcs)
};

std::string Attribute(xmlNode* node, const char* name) {
  xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
  if (value == nullptr) return {};
  std::string text(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return text;
}

bool Named(xmlNode* node, std::string_view name) {
  return node->type == XML_ELEMENT_NODE && name == reinterpret_cast<const char*>(node->name);
}

// Counts the cut-colour paths drawn on the sheet (glyph outlines in <defs>
// are left out).
void CountPatterns(xmlNode* node, Counts& counts) {
  for (xmlNode* child = node->children; child != nullptr; child = child->next) {
    if (Named(child, "defs")) continue;
    if (Named(child, "path") &&
        Attribute(child, "style").find("stroke:rgb(80%,0%,0%)") != std::string::npos) {
      ++counts.patterns;
      if (Attribute(child, "d").find('C') != std::string::npos) ++counts.cones;
    }
    CountPatterns(child, counts);
  }
}

Document Parse(const std::string& bytes) {
  return Document(xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), "chamber.svg",
                                nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR),
                  xmlFreeDoc);
}

std::string DefaultSvg() {
  ChamberDesign design;
  ComputeChamber(design);
  return RenderChamberSvg(design, DevelopChamber(design)).value_or("");
}

}  // namespace

TEST(ChamberSvg, IsOneSheetInTrueMillimetres) {
  const Document document = Parse(DefaultSvg());
  ASSERT_NE(document, nullptr);
  xmlNode* root = xmlDocGetRootElement(document.get());
  ASSERT_TRUE(Named(root, "svg"));
  const std::string width = Attribute(root, "width");
  const std::string height = Attribute(root, "height");
  ASSERT_TRUE(width.ends_with("mm")) << width;
  ASSERT_TRUE(height.ends_with("mm")) << height;
  // One user unit is one millimetre: the view box spans the same figures.
  const std::string numbers =
      width.substr(0, width.size() - 2) + " " + height.substr(0, height.size() - 2);
  EXPECT_EQ(Attribute(root, "viewBox"), "0 0 " + numbers);
  // Wide enough for the whole chamber (1070.62 mm) at true size.
  EXPECT_GT(std::stod(width), 1070.62);
}

TEST(ChamberSvg, OnePatternPathPerSection) {
  const Document document = Parse(DefaultSvg());
  ASSERT_NE(document, nullptr);
  Counts counts;
  CountPatterns(xmlDocGetRootElement(document.get()), counts);
  EXPECT_EQ(counts.patterns, 7);
  EXPECT_EQ(counts.cones, 4);  // three diffuser cones and the baffle cone; the rest are rectangles
}
