// The program's own resources, compiled from res/tubrix.rc and built in:
// every dialog template control by control, the pictures, the
// high-resolution marker and the version block.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/embedded_resources.h"
#include "platform/resource_module.h"
#include "version_info.h"

namespace {

using Key = ResourceModule::Key;

constexpr std::uint16_t kRtBitmap = 2;
constexpr std::uint16_t kRtIcon = 3;
constexpr std::uint16_t kRtString = 6;
constexpr std::uint16_t kRtDialog = 5;
constexpr std::uint16_t kRtGroupIcon = 14;
constexpr std::uint16_t kRtVersion = 16;

constexpr std::uint16_t kButton = 0x0080;
constexpr std::uint16_t kEdit = 0x0081;
constexpr std::uint16_t kStatic = 0x0082;

std::uint16_t U16At(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}
std::uint32_t U32At(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return U16At(bytes, offset) | static_cast<std::uint32_t>(U16At(bytes, offset + 2)) << 16;
}

struct ExpectedItem {
  std::uint16_t id;
  std::uint16_t windowClass;
  Key text;
  std::uint32_t style;
  std::int16_t x, y, cx, cy;
};

struct ExpectedDialog {
  const char* name;
  std::uint16_t resource;
  std::u16string title;
  std::uint32_t style;
  std::uint32_t exStyle;
  std::int16_t cx, cy;
  std::size_t sharedIds;  // items with identifier 0xFFFF
  std::vector<ExpectedItem> items;
};

// Style words: 0x50010000 push button with tab stop, 0x50010001 default push
// button, 0x50810082 bordered right-aligned edit that scrolls sideways (with
// 0x0800 read-only), 0x50000007 group box, 0x50000002 right-aligned static,
// 0x50020000 left and 0x50020001 centred static starting a group,
// 0x5000000E bitmap picture.
const ExpectedDialog kInputForm{
    .name = "InputForm",
    .resource = 102,
    .title = u"Tubrix 1.2",
    .style = 0x90C00048,    // popup, visible, caption, font, fixed system font
    .exStyle = 0x80040000,  // application window, caption OK button
    .cx = 156,
    .cy = 129,
    .sharedIds = 9,
    .items = {
        {1000, kButton, u"A propos", 0x50010000, 115, 7, 34, 14},
        {1001, kEdit, u"", 0x50810082, 83, 20, 28, 12},
        {1002, kEdit, u"", 0x50810082, 83, 32, 28, 12},
        {1003, kEdit, u"", 0x50810082, 83, 44, 28, 12},
        {1004, kEdit, u"", 0x50810082, 83, 56, 28, 12},
        {1005, kEdit, u"", 0x50810082, 83, 68, 28, 12},
        {1006, kEdit, u"", 0x50810082, 83, 80, 28, 12},
        {1007, kEdit, u"", 0x50810082, 83, 92, 28, 12},
        {1008, kEdit, u"", 0x50810082, 83, 104, 28, 12},
        {0xFFFF, kButton, u"Inputs", 0x50000007, 7, 5, 108, 115},
        {1009, kButton, u"Compute", 0x50010000, 115, 25, 34, 14},
        {0xFFFF, kStatic, u"Displacement", 0x50000002, 14, 22, 62, 8},
        {0xFFFF, kStatic, u"Exhaust duration", 0x50000002, 14, 33, 62, 8},
        {0xFFFF, kStatic, u"Exhaut port width", 0x50000002, 14, 45, 62, 8},
        {0xFFFF, kStatic, u"Exhaust port height", 0x50000002, 12, 57, 64, 8},
        {0xFFFF, kStatic, u"Exhaust in cylinder", 0x50000002, 12, 69, 64, 8},
        {0xFFFF, kStatic, u"Engine RPM", 0x50000002, 12, 81, 64, 8},
        {0xFFFF, kStatic, u"Desired power", 0x50000002, 12, 93, 64, 8},
        {0xFFFF, kStatic, u"Horn coefficient", 0x50000002, 17, 105, 58, 8},
        {1011, kButton, u"Show", 0x50010000, 115, 43, 34, 14},
        {1012, kButton, u"Save", 0x50010000, 115, 61, 34, 14},
        {1013, kStatic, std::uint16_t{134}, 0x5000000E, 126, 98, 21, 20},
    }};

const ExpectedDialog kWideLayout{
    .name = "WideLayout",
    .resource = 103,
    .title = u"zel",
    .style = 0x90C00040,    // popup, visible, caption, font
    .exStyle = 0x80040000,  // application window, caption OK button
    .cx = 210,
    .cy = 129,
    .sharedIds = 0,
    .items = {
        {200, kStatic, u"TODO\u00A0: placez ici les contr\u00F4les de bo\u00EEtes de dialogue.",
         0x50020000, 57, 49, 112, 23},
    }};

const ExpectedDialog kAboutBox{
    .name = "AboutBox",
    .resource = 129,
    .title = u"A Propos Tubrix",
    .style = 0x80C80048,  // popup, caption, system menu, font, fixed system font
    .exStyle = 0,
    .cx = 156,
    .cy = 129,
    .sharedIds = 3,
    .items = {
        {1, kButton, u"OK", 0x50010001, 135, 7, 14, 14},
        {2, kButton, u"Cancel", 0x50010000, 123, 24, 26, 14},
        {0xFFFF, kStatic, u"Tubrix\n\nFor windows Mobile\nVersion 1.2", 0x50020000, 15, 14, 81, 47},
        {0xFFFF, kStatic, u"Tubrix project\n2009\nhttps://tubrix.example.org", 0x50020001, 33, 79,
         103, 35},
        {0xFFFF, kStatic, std::uint16_t{134}, 0x5000000E, 113, 46, 32, 30},
    }};

const ExpectedDialog kResults{"Results",
                              130,
                              u"Tubrix Outputs",
                              0x80C80048,
                              0,
                              156,
                              129,
                              16,
                              {
                                  {1, kButton, u"OK", 0x50010001, 135, 7, 14, 14},
                                  {2, kButton, u"Cancel", 0x50010000, 123, 24, 26, 14},
                                  {0xFFFF, kStatic, u"D0", 0x50020000, 13, 13, 10, 8},
                                  {1010, kEdit, u"", 0x50810882, 25, 10, 28, 13},
                                  {0xFFFF, kStatic, u"D1", 0x50020000, 13, 26, 10, 8},
                                  {1011, kEdit, u"", 0x50810882, 25, 23, 28, 13},
                                  {0xFFFF, kStatic, u"D2", 0x50020000, 13, 39, 10, 8},
                                  {1012, kEdit, u"", 0x50810882, 25, 36, 28, 13},
                                  {0xFFFF, kStatic, u"D3", 0x50020000, 13, 52, 10, 8},
                                  {1013, kEdit, u"", 0x50810882, 25, 49, 28, 13},
                                  {0xFFFF, kStatic, u"D4", 0x50020000, 13, 65, 10, 8},
                                  {1014, kEdit, u"", 0x50810882, 25, 62, 28, 13},
                                  {0xFFFF, kStatic, u"D5", 0x50020000, 13, 78, 10, 8},
                                  {1015, kEdit, u"", 0x50810882, 25, 75, 28, 13},
                                  {0xFFFF, kStatic, u"D6", 0x50020000, 13, 91, 10, 8},
                                  {1016, kEdit, u"", 0x50810882, 25, 88, 28, 13},
                                  {0xFFFF, kStatic, u"D7", 0x50020000, 13, 104, 10, 8},
                                  {1017, kEdit, u"", 0x50810882, 25, 101, 28, 13},
                                  {0xFFFF, kStatic, u"L01", 0x50020000, 63, 11, 12, 8},
                                  {1018, kEdit, u"", 0x50810882, 75, 10, 28, 13},
                                  {0xFFFF, kStatic, u"L12", 0x50020000, 63, 24, 12, 8},
                                  {1019, kEdit, u"", 0x50810882, 75, 23, 28, 13},
                                  {0xFFFF, kStatic, u"L23", 0x50020000, 63, 37, 12, 8},
                                  {1020, kEdit, u"", 0x50810882, 75, 36, 28, 13},
                                  {0xFFFF, kStatic, u"L34", 0x50020000, 63, 50, 12, 8},
                                  {1021, kEdit, u"", 0x50810882, 75, 49, 28, 13},
                                  {0xFFFF, kStatic, u"L45", 0x50020000, 63, 63, 12, 8},
                                  {1022, kEdit, u"", 0x50810882, 75, 62, 28, 13},
                                  {0xFFFF, kStatic, u"56", 0x50020000, 63, 76, 10, 8},
                                  {1023, kEdit, u"", 0x50810882, 75, 75, 28, 13},
                                  {0xFFFF, kStatic, u"L67", 0x50020000, 63, 89, 12, 8},
                                  {1024, kEdit, u"", 0x50810882, 75, 88, 28, 13},
                                  {0xFFFF, kStatic, u"LT", 0x50020000, 63, 102, 10, 8},
                                  {1025, kEdit, u"", 0x50810882, 75, 101, 28, 13},
                              }};

void PrintTo(const ExpectedDialog& dialog, std::ostream* os) { *os << dialog.name; }

std::span<const std::uint8_t> TemplateBytes(std::uint16_t resource) {
  const auto found = ApplicationResources().Find(kRtDialog, resource);
  return found ? *found : std::span<const std::uint8_t>();
}

class CompiledTemplate : public testing::TestWithParam<ExpectedDialog> {};

TEST_P(CompiledTemplate, HeaderMatches) {
  const ExpectedDialog& expected = GetParam();
  const auto dialog = ParseDialogTemplate(TemplateBytes(expected.resource));
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->style, expected.style);
  EXPECT_EQ(dialog->exStyle, expected.exStyle);
  EXPECT_EQ(dialog->x, 0);
  EXPECT_EQ(dialog->y, 0);
  EXPECT_EQ(dialog->cx, expected.cx);
  EXPECT_EQ(dialog->cy, expected.cy);
  EXPECT_EQ(dialog->menu, Key{u""});
  EXPECT_EQ(dialog->windowClass, Key{u""});
  EXPECT_EQ(dialog->title, expected.title);
  EXPECT_EQ(dialog->pointSize, 8);
  EXPECT_EQ(dialog->faceName, u"MS Shell Dlg");
}

TEST_P(CompiledTemplate, ItemsMatchInOrder) {
  const ExpectedDialog& expected = GetParam();
  const auto dialog = ParseDialogTemplate(TemplateBytes(expected.resource));
  ASSERT_TRUE(dialog);
  ASSERT_EQ(dialog->items.size(), expected.items.size());
  for (std::size_t i = 0; i < expected.items.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "item " << i + 1);
    const DialogItemTemplate& item = dialog->items[i];
    const ExpectedItem& want = expected.items[i];
    EXPECT_EQ(item.id, want.id);
    EXPECT_EQ(item.windowClass, Key{want.windowClass});
    EXPECT_EQ(item.text, want.text);
    EXPECT_EQ(item.style, want.style);
    EXPECT_EQ(item.exStyle, 0u);
    EXPECT_EQ(item.x, want.x);
    EXPECT_EQ(item.y, want.y);
    EXPECT_EQ(item.cx, want.cx);
    EXPECT_EQ(item.cy, want.cy);
    EXPECT_TRUE(item.creationData.empty());
  }
}

TEST_P(CompiledTemplate, SharedIdentifierCount) {
  const ExpectedDialog& expected = GetParam();
  const auto dialog = ParseDialogTemplate(TemplateBytes(expected.resource));
  ASSERT_TRUE(dialog);
  std::size_t shared = 0;
  for (const DialogItemTemplate& item : dialog->items) shared += item.id == 0xFFFF;
  EXPECT_EQ(shared, expected.sharedIds);
}

TEST_P(CompiledTemplate, EveryTruncationGivesNothing) {
  const auto whole = TemplateBytes(GetParam().resource);
  ASSERT_FALSE(whole.empty());
  for (std::size_t length = 0; length < whole.size(); ++length) {
    const std::vector<std::uint8_t> prefix(whole.begin(), whole.begin() + length);
    EXPECT_FALSE(ParseDialogTemplate(prefix)) << "length " << length << " of " << whole.size();
  }
}

INSTANTIATE_TEST_SUITE_P(AppResources, CompiledTemplate,
                         testing::Values(kInputForm, kWideLayout, kAboutBox, kResults),
                         [](const testing::TestParamInfo<ExpectedDialog>& param) {
                           return param.param.name;
                         });

TEST(AppResources, EveryEntryIsFrench) {
  ASSERT_FALSE(ApplicationResources().entries().empty());
  for (const auto& entry : ApplicationResources().entries()) {
    EXPECT_EQ(entry.language, 0x040C);
  }
}

TEST(AppResources, HasNoStringTable) {
  // In particular no application title, string 57344.
  for (const auto& entry : ApplicationResources().entries()) {
    EXPECT_NE(entry.type, Key{kRtString});
  }
}

TEST(AppResources, HighResolutionMarkerHoldsOne) {
  const auto marker = ApplicationResources().Find(u"CEUX", u"HI_RES_AWARE");
  ASSERT_TRUE(marker);
  ASSERT_EQ(marker->size(), 2u);
  EXPECT_EQ(U16At(*marker, 0), 1);
}

TEST(AppResources, ChamberBitmapIs32By32With8BitsPerPixel) {
  const auto bitmap = ApplicationResources().Find(kRtBitmap, std::uint16_t{134});
  ASSERT_TRUE(bitmap);
  ASSERT_GE(bitmap->size(), 40u + 256 * 4 + 32 * 32);
  EXPECT_EQ(U32At(*bitmap, 0), 40u);  // BITMAPINFOHEADER, no file header
  EXPECT_EQ(U32At(*bitmap, 4), 32u);  // width
  EXPECT_EQ(U32At(*bitmap, 8), 32u);  // height, bottom-up
  EXPECT_EQ(U16At(*bitmap, 12), 1);   // planes
  EXPECT_EQ(U16At(*bitmap, 14), 8);   // bits per pixel
}

struct IconImage {
  std::uint8_t size;
  std::uint16_t bits;
};

TEST(AppResources, IconGroupHasNineImagesThatExist) {
  constexpr IconImage kExpected[] = {{48, 4},  {48, 8}, {48, 24}, {32, 4}, {32, 8},
                                     {32, 24}, {16, 4}, {16, 8},  {16, 24}};
  const auto group = ApplicationResources().Find(kRtGroupIcon, std::uint16_t{128});
  ASSERT_TRUE(group);
  ASSERT_EQ(group->size(), 6u + 9 * 14);
  EXPECT_EQ(U16At(*group, 2), 1);  // icons, not cursors
  ASSERT_EQ(U16At(*group, 4), 9);
  for (std::size_t i = 0; i < 9; ++i) {
    SCOPED_TRACE(testing::Message() << "image " << i);
    const std::size_t entry = 6 + 14 * i;
    EXPECT_EQ((*group)[entry], kExpected[i].size);
    EXPECT_EQ((*group)[entry + 1], kExpected[i].size);
    EXPECT_EQ(U16At(*group, entry + 6), kExpected[i].bits);
    const auto icon = ApplicationResources().Find(kRtIcon, U16At(*group, entry + 12));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->size(), U32At(*group, entry + 8));
    EXPECT_EQ(U32At(*icon, 4), kExpected[i].size);
    EXPECT_EQ(U32At(*icon, 8), 2u * kExpected[i].size);  // colour and mask
    EXPECT_EQ(U16At(*icon, 14), kExpected[i].bits);
  }
}

class VersionBlock : public testing::Test {
 protected:
  void SetUp() override {
    const auto bytes = ApplicationResources().Find(kRtVersion, std::uint16_t{1});
    ASSERT_TRUE(bytes);
    auto parsed = ParseVersionInfo(*bytes);
    ASSERT_TRUE(parsed);
    root = std::move(*parsed);
  }
  VersionNode root;
};

TEST_F(VersionBlock, FixedVersionsAre1_0_0_1) {
  EXPECT_EQ(root.key, u"VS_VERSION_INFO");
  ASSERT_EQ(root.value.size(), 52u);
  EXPECT_EQ(U32At(root.value, 0), 0xFEEF04BDu);   // signature
  EXPECT_EQ(U32At(root.value, 8), 0x00010000u);   // file version 1.0
  EXPECT_EQ(U32At(root.value, 12), 0x00000001u);  // .0.1
  EXPECT_EQ(U32At(root.value, 16), 0x00010000u);  // product version 1.0
  EXPECT_EQ(U32At(root.value, 20), 0x00000001u);  // .0.1
}

TEST_F(VersionBlock, TranslationIsFrenchInCodePage1252) {
  const VersionNode* var = root.Child(u"VarFileInfo");
  ASSERT_TRUE(var);
  const VersionNode* translation = var->Child(u"Translation");
  ASSERT_TRUE(translation);
  ASSERT_EQ(translation->value.size(), 4u);
  EXPECT_EQ(U16At(translation->value, 0), 0x040C);
  EXPECT_EQ(U16At(translation->value, 2), 1252);
}

struct VersionString {
  const char16_t* key;
  const char16_t* value;
};

TEST_F(VersionBlock, StringsNameTheProgramAndTheProject) {
  constexpr VersionString kExpected[] = {
      {u"CompanyName", u"Tubrix project"},
      {u"FileDescription", u"Tubrix for Windows Mobile"},
      {u"FileVersion", u"1.0.0.1"},
      {u"InternalName", u"zel.exe"},
      {u"LegalCopyright", u"Copyright (C) 2009 the Tubrix project"},
      {u"OriginalFilename", u"zel.exe"},
      {u"ProductName", u"Tubrix for 2 strokes"},
      {u"ProductVersion", u"1.0.0.1"},
  };
  const VersionNode* info = root.Child(u"StringFileInfo");
  ASSERT_TRUE(info);
  const VersionNode* table = info->Child(u"040C04E4");
  ASSERT_TRUE(table);
  ASSERT_EQ(table->children.size(), std::size(kExpected));
  for (std::size_t i = 0; i < std::size(kExpected); ++i) {
    EXPECT_EQ(table->children[i].key, kExpected[i].key);
    EXPECT_EQ(table->children[i].type, 1);
    EXPECT_EQ(table->children[i].Text(), kExpected[i].value);
  }
}

TEST(AppResources, ReadFromTheEmbeddedFileOnce) {
  EXPECT_EQ(&ApplicationResources(), &ApplicationResources());
  EXPECT_EQ(ApplicationResources().entries().size(),
            ResourceModule::FromResFile(EmbeddedResourceFile()).entries().size());
}

}  // namespace
