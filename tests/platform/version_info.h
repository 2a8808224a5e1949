#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// One node of a version block (VS_VERSIONINFO and the blocks and values
// under it): a key, a value (binary, or UTF-16 text when type is 1) and
// child nodes. Used by the tests to read the compiled version resource.
struct VersionNode {
  std::u16string key;
  std::uint16_t type = 0;
  std::vector<std::uint8_t> value;
  std::vector<VersionNode> children;

  // The child with that key, or none.
  const VersionNode* Child(std::u16string_view childKey) const;
  // A text value without its terminator.
  std::u16string Text() const;
};

// Reads the version block; nothing when it is malformed or truncated.
std::optional<VersionNode> ParseVersionInfo(std::span<const std::uint8_t> bytes);
