// The small diagram of a design, and the copy of the default design's
// diagram that the README shows (docs/chamber.svg): it must still be what
// tubrix-calc --svg draws. The drawn labels are glyph outlines, so the
// comparison goes by the size and the labels the document names as text,
// which do not change with the cairo version.

#include "draw/profile_svg.h"

#include <gtest/gtest.h>
#include <libxml/tree.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>

#include "calc/compute_chamber.h"
#include "tests/draw/svg_document.h"

namespace {

// What a reader learns from the document without rendering it.
struct Diagram {
  bool wellFormed = false;
  std::string width;
  std::string height;
  std::string title;
  std::string desc;
  int glyphUses = 0;  // drawn glyphs
};

void Walk(xmlNode* node, Diagram& diagram) {
  for (xmlNode* child = node->children; child != nullptr; child = child->next) {
    if (child->type != XML_ELEMENT_NODE) continue;
    const std::string_view name = reinterpret_cast<const char*>(child->name);
    if (name == "title" && child->parent == node && diagram.title.empty()) {
      diagram.title = TextOf(child);
    }
    if (name == "desc" && diagram.desc.empty()) diagram.desc = TextOf(child);
    if (name == "use") ++diagram.glyphUses;
    Walk(child, diagram);
  }
}

Diagram Read(const std::string& bytes) {
  Diagram diagram;
  const SvgDocument document = ParseSvg(bytes);
  if (document == nullptr) return diagram;
  xmlNode* root = xmlDocGetRootElement(document.get());
  if (!IsElement(root, "svg")) return diagram;
  diagram.wellFormed = true;
  diagram.width = AttributeOf(root, "width");
  diagram.height = AttributeOf(root, "height");
  Walk(root, diagram);
  return diagram;
}

std::string DefaultDiagram() {
  ChamberDesign design;
  ComputeChamber(design);
  return RenderProfileSvg(design).value_or("");
}

double Millimetres(const std::string& length) {
  if (!length.ends_with("mm")) return -1.0;
  return std::stod(length.substr(0, length.size() - 2));
}

TEST(ProfileSvg, FitsAPageInMillimetres) {
  const Diagram diagram = Read(DefaultDiagram());
  ASSERT_TRUE(diagram.wellFormed);
  EXPECT_GT(Millimetres(diagram.width), 180.0);
  EXPECT_LT(Millimetres(diagram.width), 210.0);
  EXPECT_GT(Millimetres(diagram.height), 50.0);
  EXPECT_LT(Millimetres(diagram.height), 150.0);
  EXPECT_GT(diagram.glyphUses, 100);
}

TEST(ProfileSvg, NamesTheDesignAndEveryLabelAsText) {
  const Diagram diagram = Read(DefaultDiagram());
  EXPECT_EQ(diagram.title, "Tubrix expansion chamber");
  EXPECT_EQ(diagram.desc,
            "Displacement 124.90 cm\u00b3, exhaust duration 180.80\u00b0, port 35.00 \u00d7 "
            "25.00 mm, exhaust in cylinder 52.00 mm, 9800.00 rpm, 27.00 hp, horn coefficient "
            "1.60. Lengths and inner diameters in mm; scale 1:6. Diameters: D0 37.41, D1 37.41, "
            "D2 50.12, D3 72.49, D4 94.58, D5 94.58, D6 21.06, D7 21.06. Lengths: L01 38.53, "
            "L12 248.97, L23 165.68, L34 83.29, L45 99.59, L56 217.28, L67 217.28, "
            "LT 1070.62.");
}

struct ScaleCase {
  const char* name;
  double rpm;
  bool shortByHand;  // dimensions set by hand: a chamber 140 mm long
  const char* scale;
};

void PrintTo(const ScaleCase& c, std::ostream* out) { *out << c.name; }

class ProfileScale : public testing::TestWithParam<ScaleCase> {};

// The scale is 1:N with N whole, the least that brings the chamber within
// 180 mm; a chamber that fits already is drawn at 1:1.
TEST_P(ProfileScale, IsTheLeastWholeDivisorThatFits) {
  ChamberDesign design;
  design.rpm = GetParam().rpm;
  ComputeChamber(design);
  if (GetParam().shortByHand) {
    for (double* d : {&design.D0, &design.D1, &design.D2, &design.D3, &design.D4, &design.D5,
                      &design.D6, &design.D7}) {
      *d = 10.0;
    }
    for (double* l : {&design.L01, &design.L12, &design.L23, &design.L34, &design.L45, &design.L56,
                      &design.L67}) {
      *l = 20.0;
    }
    design.tunedLength = design.exhaustInCylinder + 120.0;
  }
  const Diagram diagram = Read(RenderProfileSvg(design).value_or(""));
  EXPECT_NE(diagram.desc.find(std::string("; scale ") + GetParam().scale + ". "), std::string::npos)
      << diagram.desc;
}

INSTANTIATE_TEST_SUITE_P(Designs, ProfileScale,
                         testing::Values(ScaleCase{"Default1070mm", 9800.0, false, "1:6"},
                                         ScaleCase{"Fast422mm", 20000.0, false, "1:3"},
                                         ScaleCase{"Slow7056mm", 3000.0, false, "1:40"},
                                         ScaleCase{"Short140mm", 9800.0, true, "1:1"}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ChamberDiagramInDocs, IsStillTheDiagramOfTheDefaultDesign) {
  std::ifstream in(TUBRIX_DOCS_DIR "/chamber.svg", std::ios::binary);
  ASSERT_TRUE(in) << TUBRIX_DOCS_DIR "/chamber.svg is missing";
  const Diagram committed = Read(std::string(std::istreambuf_iterator<char>(in), {}));
  const Diagram fresh = Read(DefaultDiagram());
  ASSERT_TRUE(committed.wellFormed);
  const char* hint = "make it again: tubrix-calc --svg docs/chamber.svg";
  EXPECT_EQ(committed.width, fresh.width) << hint;
  EXPECT_EQ(committed.height, fresh.height) << hint;
  EXPECT_EQ(committed.title, fresh.title) << hint;
  EXPECT_EQ(committed.desc, fresh.desc) << hint;
  EXPECT_GT(committed.glyphUses, 100);
}

}  // namespace
