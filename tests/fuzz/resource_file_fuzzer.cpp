// libFuzzer target for the resource reader: arbitrary bytes read as a
// compiled resource file (.res), then everything the program looks up in
// one: every type and name found, the dialog templates with their items,
// the icon groups and bitmaps turned into the files Qt reads, the version
// block and the "CEUX" marker. A read past the end of the input is caught by
// AddressSanitizer; a broken rule stops the run with a message.
//
// What must hold for every input:
// - the entries found hold no more data than the input;
// - written out again as a .res file, they read back the same;
// - Find gives each entry's data, or an earlier entry's with the same keys;
// - an .ico or .bmp file built from the resources is consistent in itself:
//   every offset and size it declares lies inside it;
// - a dialog template holds no more items than its bytes can; items read
//   one after the other each take at least 23 bytes: 18 fixed, 2 or more
//   each for class and text, then the creation-data size, whose value 1
//   sends the reader on from the middle of that field.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "platform/byte_reader.h"
#include "platform/dialog_template.h"
#include "platform/resource_image_files.h"
#include "platform/resource_module.h"

namespace {

using Key = ResourceModule::Key;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kBitmapType = 2;
constexpr std::uint16_t kDialogType = 5;
constexpr std::uint16_t kGroupIconType = 14;
constexpr std::uint16_t kVersionType = 16;

void Require(bool rule, const char* what) {
  if (rule) return;
  std::fprintf(stderr, "resource reader rule broken: %s\n", what);
  std::abort();
}

void PutU16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutU32(Bytes& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

std::uint32_t GetU32(const Bytes& bytes, std::size_t offset) {
  Require(offset + 4 <= bytes.size(), "a built file shorter than its own header");
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{bytes[offset + i]} << (8 * i);
  return value;
}

void PutKey(Bytes& out, const Key& key) {
  if (const auto* ordinal = std::get_if<std::uint16_t>(&key)) {
    PutU16(out, 0xFFFF);
    PutU16(out, *ordinal);
    return;
  }
  for (const char16_t unit : std::get<std::u16string>(key)) PutU16(out, unit);
  PutU16(out, 0);
}

void PadTo4(Bytes& out) {
  while (out.size() % 4 != 0) out.push_back(0);
}

// The .res form of the entries, as a resource compiler writes it.
Bytes WriteResFile(const std::vector<ResourceModule::Entry>& entries) {
  Bytes file;
  for (const ResourceModule::Entry& entry : entries) {
    Bytes header;
    PutKey(header, entry.type);
    PutKey(header, entry.name);
    PadTo4(header);
    PutU32(header, 0);  // data version
    PutU16(header, 0);  // memory flags
    PutU16(header, entry.language);
    PutU32(header, 0);  // version
    PutU32(header, 0);  // characteristics
    PutU32(file, static_cast<std::uint32_t>(entry.data.size()));
    PutU32(file, static_cast<std::uint32_t>(header.size() + 8));
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), entry.data.begin(), entry.data.end());
    PadTo4(file);
  }
  return file;
}

bool SameEntries(const std::vector<ResourceModule::Entry>& a,
                 const std::vector<ResourceModule::Entry>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.type == y.type && x.name == y.name && x.language == y.language && x.data == y.data;
  });
}

void CheckRoundTrip(const ResourceModule& module, std::size_t inputSize) {
  std::size_t total = 0;
  for (const ResourceModule::Entry& entry : module.entries()) total += entry.data.size();
  Require(total <= inputSize, "more data found than the file holds");
  const ResourceModule again = ResourceModule::FromResFile(WriteResFile(module.entries()));
  Require(SameEntries(module.entries(), again.entries()), "entries do not read back the same");
}

void CheckFind(const ResourceModule& module, const ResourceModule::Entry& entry) {
  const auto found = module.Find(entry.type, entry.name);
  Require(found.has_value(), "an entry that Find cannot find");
  Require(found->data() == entry.data.data() ||
              std::any_of(module.entries().begin(), module.entries().end(),
                          [&](const ResourceModule::Entry& other) {
                            return found->data() == other.data.data() && &other < &entry;
                          }),
          "Find gave the data of a later entry");
}

// An .ico file: 6-byte header, 16 bytes per image, each image inside it.
void CheckIconFile(const Bytes& file) {
  Require(file.size() >= 6, "an icon file without its header");
  const std::size_t count = file[4] | (file[5] << 8);
  Require(count > 0 && 6 + 16 * count <= file.size(), "an icon directory past the file's end");
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t size = GetU32(file, 6 + 16 * i + 8);
    const std::size_t offset = GetU32(file, 6 + 16 * i + 12);
    Require(offset >= 6 + 16 * count && offset + size <= file.size(),
            "an icon image outside its file");
  }
}

// A .bmp file: its size and the offset of the pixels inside it.
void CheckBitmapFile(const Bytes& file) {
  Require(file.size() >= 14 && file[0] == 'B' && file[1] == 'M', "a bitmap file without 'BM'");
  Require(GetU32(file, 2) == file.size(), "a bitmap file of the wrong size");
  Require(GetU32(file, 10) < file.size(), "bitmap pixels past the file's end");
}

// The template as the dialog layer reads it, and its items as the relayout
// walks them: one after the other from wherever the header ends, here from
// every 4-byte boundary, until one cannot be read.
void CheckTemplate(std::span<const std::uint8_t> bytes) {
  const auto dialog = ParseDialogTemplate(bytes);
  Require(!dialog || 24 + dialog->items.size() * 23 <= bytes.size(), "more items than bytes");
  for (std::size_t start = 0; start < bytes.size(); start += 4) {
    ByteReader reader(bytes);
    Require(reader.Seek(start), "a boundary inside the template refused");
    std::size_t before = reader.position();
    while (ReadDialogItemTemplate(reader)) {
      Require(reader.position() >= before + 23, "an item read from fewer than 23 bytes");
      before = reader.position();
    }
  }
}

void CheckEntry(const ResourceModule& module, const ResourceModule::Entry& entry) {
  CheckFind(module, entry);
  const auto* type = std::get_if<std::uint16_t>(&entry.type);
  if (type == nullptr) return;
  if (*type == kDialogType) CheckTemplate(entry.data);
  if (*type == kGroupIconType) {
    if (const auto file = IconFileBytes(module, entry.name)) CheckIconFile(*file);
  }
  if (*type == kBitmapType) {
    if (const auto file = BitmapFileBytes(module, entry.name)) CheckBitmapFile(*file);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ResourceModule module = ResourceModule::FromResFile({data, size});
  CheckRoundTrip(module, size);
  for (const ResourceModule::Entry& entry : module.entries()) CheckEntry(module, entry);
  // What the program asks for by name, found or not.
  (void)module.Find(Key{kVersionType}, Key{std::uint16_t{1}});
  (void)module.Find(Key{u"CEUX"}, Key{u"HI_RES_AWARE"});
  (void)IconFileBytes(module, Key{std::uint16_t{128}});
  (void)BitmapFileBytes(module, Key{std::uint16_t{131}});
  return 0;
}
