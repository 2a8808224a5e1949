#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

// The resources of one module: what a compiled resource file (.res) holds,
// found by type and name. The program's own module is built from the .res
// file embedded at build time; tests build modules of their own.
//
// Types and names are 16-bit ordinals or UTF-16 strings (e.g. the type
// "CEUX" and the name "HI_RES_AWARE"); string names compare without regard to
// ASCII case, as resource names do.
class ResourceModule {
 public:
  using Key = std::variant<std::uint16_t, std::u16string>;

  struct Entry {
    Key type;
    Key name;
    std::uint16_t language = 0;
    std::vector<std::uint8_t> data;
  };

  ResourceModule() = default;

  // Reads every entry of a .res file. Reading is bounds-checked: a malformed
  // or truncated entry and everything after it are left out, so a damaged
  // file yields fewer resources, never a read past its end.
  static ResourceModule FromResFile(std::span<const std::uint8_t> bytes);

  void Add(Key type, Key name, std::vector<std::uint8_t> data, std::uint16_t language = 0x040C);

  // The data of the first entry with that type and name, or nothing.
  std::optional<std::span<const std::uint8_t>> Find(const Key& type, const Key& name) const;

  const std::vector<Entry>& entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
};

// The program's own resources, read once from the embedded .res file.
const ResourceModule& ApplicationResources();
