#include "version_info.h"

#include "platform/byte_reader.h"

namespace {

// Reads the node at the reader's position, which lies on a 4-byte boundary;
// offsets stay relative to the start of the block, as the format aligns them.
std::optional<VersionNode> ReadNode(ByteReader& reader, std::span<const std::uint8_t> bytes) {
  const std::size_t start = reader.position();
  const auto length = reader.U16();
  const auto valueLength = reader.U16();
  const auto type = reader.U16();
  auto key = type ? reader.String() : std::nullopt;
  if (!key || *length < 6 || start + *length > bytes.size() || !reader.AlignTo4())
    return std::nullopt;
  VersionNode node{std::move(*key), *type, {}, {}};
  const std::size_t end = start + *length;
  const std::size_t valueBytes = *type == 1 ? *valueLength * 2u : *valueLength;
  if (reader.position() + valueBytes > end) return std::nullopt;
  const auto value = reader.Bytes(valueBytes);
  node.value.assign(value->begin(), value->end());
  while (reader.AlignTo4() && reader.position() < end) {
    auto child = ReadNode(reader, bytes);
    if (!child) return std::nullopt;
    node.children.push_back(std::move(*child));
  }
  if (!reader.Seek(end)) return std::nullopt;
  return node;
}

}  // namespace

const VersionNode* VersionNode::Child(std::u16string_view childKey) const {
  for (const VersionNode& child : children) {
    if (child.key == childKey) return &child;
  }
  return nullptr;
}

std::u16string VersionNode::Text() const {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
    text.push_back(static_cast<char16_t>(value[i] | value[i + 1] << 8));
  }
  while (!text.empty() && text.back() == u'\0') text.pop_back();
  return text;
}

std::optional<VersionNode> ParseVersionInfo(std::span<const std::uint8_t> bytes) {
  ByteReader reader(bytes);
  return ReadNode(reader, bytes);
}
