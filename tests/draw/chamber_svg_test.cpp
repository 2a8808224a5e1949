#include "draw/chamber_svg.h"

#include <gtest/gtest.h>
#include <libxml/tree.h>

#include <string>
#include <string_view>

#include "calc/compute_chamber.h"
#include "tests/draw/svg_document.h"

namespace {

struct Counts {
  int patterns = 0;  // strokes in the cut colour
  int cones = 0;     // of those, outlines with curves (arcs)
};

// Counts the cut-colour paths drawn on the sheet (glyph outlines in <defs>
// are left out).
void CountPatterns(xmlNode* node, Counts& counts) {
  for (xmlNode* child = node->children; child != nullptr; child = child->next) {
    if (IsElement(child, "defs")) continue;
    if (IsElement(child, "path") &&
        AttributeOf(child, "style").find("stroke:rgb(80%,0%,0%)") != std::string::npos) {
      ++counts.patterns;
      if (AttributeOf(child, "d").find('C') != std::string::npos) ++counts.cones;
    }
    CountPatterns(child, counts);
  }
}

std::string DefaultSvg() {
  ChamberDesign design;
  ComputeChamber(design);
  return RenderChamberSvg(design, DevelopChamber(design)).value_or("");
}

}  // namespace

TEST(ChamberSvg, IsOneSheetInTrueMillimetres) {
  const SvgDocument document = ParseSvg(DefaultSvg());
  ASSERT_NE(document, nullptr);
  xmlNode* root = xmlDocGetRootElement(document.get());
  ASSERT_TRUE(IsElement(root, "svg"));
  const std::string width = AttributeOf(root, "width");
  const std::string height = AttributeOf(root, "height");
  ASSERT_TRUE(width.ends_with("mm")) << width;
  ASSERT_TRUE(height.ends_with("mm")) << height;
  // One user unit is one millimetre: the view box spans the same figures.
  const std::string numbers =
      width.substr(0, width.size() - 2) + " " + height.substr(0, height.size() - 2);
  EXPECT_EQ(AttributeOf(root, "viewBox"), "0 0 " + numbers);
  // Wide enough for the whole chamber (1070.62 mm) at true size.
  EXPECT_GT(std::stod(width), 1070.62);
}

TEST(ChamberSvg, OnePatternPathPerSection) {
  const SvgDocument document = ParseSvg(DefaultSvg());
  ASSERT_NE(document, nullptr);
  Counts counts;
  CountPatterns(xmlDocGetRootElement(document.get()), counts);
  EXPECT_EQ(counts.patterns, 7);
  EXPECT_EQ(counts.cones, 4);  // three diffuser cones and the baffle cone; the rest are rectangles
}
