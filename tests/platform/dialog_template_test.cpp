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

namespace {

using Key = ResourceModule::Key;

// Little-endian template bytes, put together field by field.
class TemplateBytes {
 public:
  TemplateBytes& U16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    return *this;
  }
  TemplateBytes& U32(std::uint32_t v) {
    return U16(static_cast<std::uint16_t>(v)).U16(static_cast<std::uint16_t>(v >> 16));
  }
  TemplateBytes& Text(std::u16string_view text) {
    for (char16_t c : text) U16(c);
    return U16(0);
  }
  TemplateBytes& Ordinal(std::uint16_t v) { return U16(0xFFFF).U16(v); }
  TemplateBytes& Align() {
    while (bytes_.size() % 4) bytes_.push_back(0);
    return *this;
  }
  TemplateBytes& Header(std::uint32_t style, std::uint16_t count) {
    return U32(style).U32(0).U16(count).U16(1).U16(2).U16(60).U16(40);
  }
  TemplateBytes& Item(std::uint16_t id) {
    return Align().U32(0x50000000).U32(0).U16(4).U16(6).U16(50).U16(10).U16(id);
  }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

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
  t.Header(0x80000000, 2).U16(0).U16(0).Text(u"T");
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
  t.Header(0x80000040, 0).Ordinal(7).Text(u"Cls").Ordinal(3).U16(9).Text(u"Face");
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
  t.Header(0, 1).U16(0).U16(0).U16(0);
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
  t.Header(0, 3).U16(0).U16(0).U16(0);
  t.Item(1).Ordinal(0x0080).U16(0).U16(0);
  EXPECT_FALSE(ParseDialogTemplate(t.bytes()));
}

TEST(ParseDialogTemplate, CreationDataPastTheEndGivesNothing) {
  TemplateBytes t;
  t.Header(0, 1).U16(0).U16(0).U16(0);
  t.Item(1).Ordinal(0x0080).U16(0).U16(40).U16(1);
  EXPECT_FALSE(ParseDialogTemplate(t.bytes()));
}

TEST(ParseDialogTemplate, UnterminatedTitleGivesNothing) {
  TemplateBytes t;
  t.Header(0, 0).U16(0).U16(0).U16('A').U16('B');
  EXPECT_FALSE(ParseDialogTemplate(t.bytes()));
}

// Every length short of the whole template gives nothing; the sanitizer
// build checks that no byte past the end is read.
TEST(ParseDialogTemplate, EveryTruncationGivesNothing) {
  TemplateBytes built;
  built.Header(0x80000040, 1).U16(0).U16(0).Text(u"T").U16(8).Text(u"F");
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
