// One version everywhere: the desktop program's version block and the
// --version of every command carry the same number. The commands are run
// as programs; their paths come in TUBRIX_CALC and TUBRIX_DRAW (left unset
// when tubrix-draw is not built).

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/resource_module.h"
#include "version_info.h"

namespace {

constexpr std::uint16_t kRtVersion = 16;

std::string Narrow(const std::u16string& text) {
  std::string narrow;
  for (const char16_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  return narrow;
}

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i)
    value |= static_cast<std::uint32_t>(bytes[offset + i]) << 8 * i;
  return value;
}

// What a program writes to standard output.
std::string Output(const std::string& commandLine) {
  std::string out;
  FILE* pipe = ::popen(commandLine.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[256];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  ::pclose(pipe);
  return out;
}

class OneVersion : public testing::Test {
 protected:
  void SetUp() override {
    const auto bytes = ApplicationResources().Find(kRtVersion, std::uint16_t{1});
    ASSERT_TRUE(bytes);
    auto root = ParseVersionInfo(*bytes);
    ASSERT_TRUE(root);
    const VersionNode* table = root->Child(u"StringFileInfo");
    ASSERT_TRUE(table);
    table = table->Child(u"040C04E4");
    ASSERT_TRUE(table);
    const VersionNode* fileVersion = table->Child(u"FileVersion");
    const VersionNode* productVersion = table->Child(u"ProductVersion");
    ASSERT_TRUE(fileVersion && productVersion);
    version_ = Narrow(fileVersion->Text());
    productVersion_ = Narrow(productVersion->Text());
    fixed_ = root->value;
  }

  std::string version_;
  std::string productVersion_;
  std::vector<std::uint8_t> fixed_;  // the fixed-size part of the block
};

TEST_F(OneVersion, TextsAndNumbersOfTheBlockAgree) {
  EXPECT_EQ(productVersion_, version_);
  ASSERT_EQ(fixed_.size(), 52u);
  const std::string numbers = std::to_string(U32At(fixed_, 8) >> 16) + "." +
                              std::to_string(U32At(fixed_, 8) & 0xFFFF) + "." +
                              std::to_string(U32At(fixed_, 12) >> 16) + "." +
                              std::to_string(U32At(fixed_, 12) & 0xFFFF);
  EXPECT_EQ(numbers, version_);
  EXPECT_EQ(U32At(fixed_, 16), U32At(fixed_, 8));  // product version
  EXPECT_EQ(U32At(fixed_, 20), U32At(fixed_, 12));
}

TEST_F(OneVersion, CommandsPrintTheVersionOfTheBlock) {
  const char* calc = std::getenv("TUBRIX_CALC");
  ASSERT_NE(calc, nullptr);
  EXPECT_EQ(Output(std::string(calc) + " --version"), "tubrix-calc " + version_ + "\n");
  const char* draw = std::getenv("TUBRIX_DRAW");
  if (draw == nullptr) GTEST_SKIP() << "tubrix-draw is not built";
  EXPECT_EQ(Output(std::string(draw) + " --version"), "tubrix-draw " + version_ + "\n");
}

}  // namespace
