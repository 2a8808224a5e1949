// Reading plain dialog templates: the fields that the compiled resource
// script does not exercise (no font, a class given by name, creation data,
// an ordinal title) and what a damaged template gives.

#include "platform/dialog_template.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/embedded_resources.h"
#include "platform/resource_module.h"
#include "tests/support/template_bytes.h"

namespace {

using Key = ResourceModule::Key;

std::span<const std::uint8_t> ProbeDialog() {
  static const auto module = ResourceModule::FromResFile(EmbeddedResourceFile());
  return *module.Find(std::uint16_t{5}, std::uint16_t{5});
}

TEST(ParseDialogTemplate, ReadsATemplateWithoutFont) {
  const auto dialog = ParseDialogTemplate(ProbeDialog());
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->style & 0x40u, 0u);
  EXPECT_EQ(dialog->title, u"Probe");
  EXPECT_EQ(dialog->pointSize, 0);
  EXPECT_EQ(dialog->faceName, u"");
  EXPECT_EQ(dialog->x, 1);
  EXPECT_EQ(dialog->y, 2);
  EXPECT_EQ(dialog->cx, 60);
  EXPECT_EQ(dialog->cy, 40);
  ASSERT_EQ(dialog->items.size(), 1u);
}

TEST(ParseDialogTemplate, KeepsAControlClassGivenByName) {
  const auto dialog = ParseDialogTemplate(ProbeDialog());
  ASSERT_TRUE(dialog);
  ASSERT_EQ(dialog->items.size(), 1u);
  const DialogItemTemplate& item = dialog->items[0];
  EXPECT_EQ(item.windowClass, Key{u"MyTrackBar"});
  EXPECT_EQ(item.text, Key{u"Track"});
  EXPECT_EQ(item.id, 300);
  EXPECT_EQ(item.style, 0x50000000u);
}

TEST(ParseDialogTemplate, ReadsCreationDataCountedFromItsSizeField) {
  TemplateBytes t;
  t.FixedHeader(0x80000000, 2).U16(0).U16(0).Text(u"T");
  t.Item(1).Ordinal(0x0080).Text(u"A").U16(5).U16(0xABCD).U16(0);  // 3 bytes after the size
  t.Item(2).Ordinal(0x0082).Ordinal(134).U16(0);
  const auto dialog = ParseDialogTemplate(t.bytes());
  ASSERT_TRUE(dialog);
  ASSERT_EQ(dialog->items.size(), 2u);
  EXPECT_EQ(dialog->items[0].creationData, (std::vector<std::uint8_t>{0xCD, 0xAB, 0x00}));
  EXPECT_EQ(dialog->items[1].id, 2);
  EXPECT_EQ(dialog->items[1].text, Key{std::uint16_t{134}});
  EXPECT_TRUE(dialog->items[1].creationData.empty());
}

TEST(ParseDialogTemplate, ReadsMenuAndClassOrdinalsAndAnOrdinalTitle) {
  TemplateBytes t;
  t.FixedHeader(0x80000040, 0).Ordinal(7).Text(u"Cls").Ordinal(3).U16(9).Text(u"Face");
  const auto dialog = ParseDialogTemplate(t.bytes());
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->menu, Key{std::uint16_t{7}});
  EXPECT_EQ(dialog->windowClass, Key{u"Cls"});
  EXPECT_EQ(dialog->title, u"");
  EXPECT_EQ(dialog->pointSize, 9);
  EXPECT_EQ(dialog->faceName, u"Face");
}

TEST(ParseDialogTemplate, NegativeCoordinatesStaySigned) {
  TemplateBytes t;
  t.FixedHeader(0, 1).U16(0).U16(0).U16(0);
  t.Align()
      .U32(0)
      .U32(0)
      .U16(0xFFFE)
      .U16(0x8000)
      .U16(1)
      .U16(1)
      .U16(0xFFFF)
      .Ordinal(0x0082)
      .U16(0)
      .U16(0);
  const auto dialog = ParseDialogTemplate(t.bytes());
  ASSERT_TRUE(dialog);
  ASSERT_EQ(dialog->items.size(), 1u);
  EXPECT_EQ(dialog->items[0].x, -2);
  EXPECT_EQ(dialog->items[0].y, -32768);
  EXPECT_EQ(dialog->items[0].id, 0xFFFF);
}

TEST(ParseDialogTemplate, MoreItemsCountedThanPresentGivesNothing) {
  TemplateBytes t;
  t.FixedHeader(0, 3).U16(0).U16(0).U16(0);
  t.Item(1).Ordinal(0x0080).U16(0).U16(0);
  EXPECT_FALSE(ParseDialogTemplate(t.bytes()));
}

TEST(ParseDialogTemplate, CreationDataPastTheEndGivesNothing) {
  TemplateBytes t;
  t.FixedHeader(0, 1).U16(0).U16(0).U16(0);
  t.Item(1).Ordinal(0x0080).U16(0).U16(40).U16(1);
  EXPECT_FALSE(ParseDialogTemplate(t.bytes()));
}

TEST(ParseDialogTemplate, UnterminatedTitleGivesNothing) {
  TemplateBytes t;
  t.FixedHeader(0, 0).U16(0).U16(0).U16('A').U16('B');
  EXPECT_FALSE(ParseDialogTemplate(t.bytes()));
}

// Every length short of the whole template gives nothing; the sanitizer
// build checks that no byte past the end is read.
TEST(ParseDialogTemplate, EveryTruncationGivesNothing) {
  TemplateBytes built;
  built.FixedHeader(0x80000040, 1).U16(0).U16(0).Text(u"T").U16(8).Text(u"F");
  built.Item(1).Ordinal(0x0080).Text(u"A").U16(4).U16(0x1234);
  for (const auto& whole :
       {std::vector<std::uint8_t>(ProbeDialog().begin(), ProbeDialog().end()), built.bytes()}) {
    ASSERT_TRUE(ParseDialogTemplate(whole));
    for (std::size_t length = 0; length < whole.size(); ++length) {
      const std::vector<std::uint8_t> prefix(whole.begin(), whole.begin() + length);
      EXPECT_FALSE(ParseDialogTemplate(prefix)) << "length " << length << " of " << whole.size();
    }
  }
}

}  // namespace
