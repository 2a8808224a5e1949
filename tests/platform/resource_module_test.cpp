// Reading .res files: lookup by ordinal and by name, languages, and what a
// damaged file gives. The file read here is tests/platform/test_resources.rc,
// built into this test by tubrix_add_resources().

#include "platform/resource_module.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/embedded_resources.h"

namespace {

constexpr std::uint16_t kRtDialog = 5;
constexpr std::uint16_t kRtRcdata = 10;

std::vector<std::uint8_t> TestResFile() {
  const auto bytes = EmbeddedResourceFile();
  return {bytes.begin(), bytes.end()};
}

std::uint32_t ReadU32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
         static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

void WriteU32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Offset of the entry after the one at `offset`: header, data, padding to 4.
std::size_t NextEntry(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  const std::size_t end = offset + ReadU32(bytes, offset + 4) + ReadU32(bytes, offset);
  return (end + 3) / 4 * 4;
}

std::vector<std::uint8_t> Data(std::optional<std::span<const std::uint8_t>> found) {
  if (!found) return {};
  return {found->begin(), found->end()};
}

TEST(ResourceModule, ReadsEveryEntryButTheLeadingEmptyOne) {
  const auto module = ResourceModule::FromResFile(EmbeddedResourceFile());
  ASSERT_EQ(module.entries().size(), 4u);
  EXPECT_EQ(module.entries()[0].type, ResourceModule::Key{kRtRcdata});
  EXPECT_EQ(module.entries()[0].name, ResourceModule::Key{std::uint16_t{7}});
  EXPECT_EQ(module.entries()[1].name, ResourceModule::Key{u"GREETING"});
  EXPECT_EQ(module.entries()[2].type, ResourceModule::Key{u"CUSTOM"});
  EXPECT_EQ(module.entries()[3].type, ResourceModule::Key{kRtDialog});
}

TEST(ResourceModule, KeepsEachEntrysLanguage) {
  const auto module = ResourceModule::FromResFile(EmbeddedResourceFile());
  ASSERT_EQ(module.entries().size(), 4u);
  EXPECT_EQ(module.entries()[0].language, 0x0409);
  EXPECT_EQ(module.entries()[1].language, 0x0409);
  EXPECT_EQ(module.entries()[2].language, 0x040C);
  EXPECT_EQ(module.entries()[3].language, 0x040C);
}

TEST(ResourceModule, FindsByOrdinalAndByNameWithoutRegardToCase) {
  const auto module = ResourceModule::FromResFile(EmbeddedResourceFile());
  EXPECT_EQ(Data(module.Find(kRtRcdata, std::uint16_t{7})),
            (std::vector<std::uint8_t>{'a', 'b', 'c'}));
  EXPECT_EQ(Data(module.Find(kRtRcdata, u"greeting")),
            (std::vector<std::uint8_t>{0x01, 0x02, 0x03, 0x04}));
  EXPECT_EQ(Data(module.Find(u"Custom", u"HeLLo")), (std::vector<std::uint8_t>{0x34, 0x12}));
}

TEST(ResourceModule, OrdinalAndNameOfTheSameDigitsDiffer) {
  const auto module = ResourceModule::FromResFile(EmbeddedResourceFile());
  EXPECT_FALSE(module.Find(kRtRcdata, u"7"));
  EXPECT_FALSE(module.Find(u"10", std::uint16_t{7}));
  EXPECT_FALSE(module.Find(kRtRcdata, std::uint16_t{8}));
  EXPECT_FALSE(module.Find(u"CUSTOM", u"HELL"));
}

TEST(ResourceModule, AddedEntriesAreFound) {
  ResourceModule module;
  module.Add(std::uint16_t{2}, std::uint16_t{134}, {1, 2, 3});
  EXPECT_EQ(Data(module.Find(std::uint16_t{2}, std::uint16_t{134})),
            (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(module.entries()[0].language, 0x040C);
  EXPECT_FALSE(module.Find(std::uint16_t{2}, std::uint16_t{135}));
}

TEST(ResourceModule, EmptyInputHoldsNothing) {
  EXPECT_TRUE(ResourceModule::FromResFile({}).entries().empty());
  EXPECT_FALSE(ResourceModule().Find(kRtRcdata, std::uint16_t{7}));
}

// Every prefix of the file: no read past its end (the sanitizer build checks
// that), never more entries than a longer prefix, and each entry read is
// exactly the one of the whole file.
TEST(ResourceModule, TruncatedFileGivesAPrefixOfTheEntries) {
  const auto whole = TestResFile();
  const auto complete = ResourceModule::FromResFile(whole);
  std::size_t previous = 0;
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    const std::vector<std::uint8_t> prefix(whole.begin(), whole.begin() + length);
    const auto module = ResourceModule::FromResFile(prefix);
    ASSERT_GE(module.entries().size(), previous) << "length " << length;
    ASSERT_LE(module.entries().size(), complete.entries().size()) << "length " << length;
    for (std::size_t i = 0; i < module.entries().size(); ++i) {
      ASSERT_EQ(module.entries()[i].data, complete.entries()[i].data) << "length " << length;
    }
    previous = module.entries().size();
  }
  EXPECT_EQ(previous, complete.entries().size());
}

struct Corruption {
  const char* name;
  int entry;          // 0: the first entry after the empty one, 1: the next
  std::size_t field;  // offset in the entry header
  std::uint32_t value;
  std::size_t entriesLeft;
};

void PrintTo(const Corruption& corruption, std::ostream* os) { *os << corruption.name; }

class CorruptedHeader : public testing::TestWithParam<Corruption> {};

TEST_P(CorruptedHeader, DropsThatEntryAndTheRest) {
  const Corruption& c = GetParam();
  auto bytes = TestResFile();
  std::size_t offset = 32;  // past the leading empty entry
  for (int i = 0; i < c.entry; ++i) offset = NextEntry(bytes, offset);
  WriteU32(bytes, offset + c.field, c.value);
  const auto module = ResourceModule::FromResFile(bytes);
  EXPECT_EQ(module.entries().size(), c.entriesLeft);
}

INSTANTIATE_TEST_SUITE_P(ResourceModule, CorruptedHeader,
                         testing::Values(Corruption{"DataSizeHuge", 0, 0, 0xFFFFFFFF, 0},
                                         Corruption{"DataSizePastEnd", 1, 0, 0x00100000, 1},
                                         Corruption{"HeaderSizeHuge", 0, 4, 0xFFFFFFF0, 0},
                                         Corruption{"HeaderSizeShorterThanItsFields", 1, 4, 8, 1},
                                         Corruption{"HeaderSizeZero", 0, 4, 0, 0}),
                         [](const testing::TestParamInfo<Corruption>& param) {
                           return param.param.name;
                         });

TEST(ResourceModule, NameWithoutTerminatorGivesNothing) {
  // An entry header whose type string runs to the end of the file.
  std::vector<std::uint8_t> bytes = {0x04, 0, 0, 0, 0x40, 0, 0, 0};
  for (int i = 0; i < 20; ++i) bytes.insert(bytes.end(), {'A', 0});
  EXPECT_TRUE(ResourceModule::FromResFile(bytes).entries().empty());
}

}  // namespace
