#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/resource_module.h"

class ByteReader;

// A dialog template in the plain (not extended) form, as the dialog manager
// reads it to create a dialog and its controls. Coordinates are dialog units.
struct DialogItemTemplate {
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;
  std::uint16_t id = 0;
  ResourceModule::Key
      windowClass;           // ordinal 0x0080 button, 0x0081 edit, 0x0082 static, ... or a name
  ResourceModule::Key text;  // a string, or the ordinal of an image resource
  std::vector<std::uint8_t> creationData;
};

struct DialogTemplate {
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;
  ResourceModule::Key menu;
  ResourceModule::Key windowClass;
  std::u16string title;
  std::uint16_t pointSize = 0;  // only with DS_SETFONT
  std::u16string faceName;      // only with DS_SETFONT
  std::vector<DialogItemTemplate> items;
};

// Reads a plain-form dialog template. Bounds-checked: a truncated or
// malformed template gives nothing, never a read past the end.
std::optional<DialogTemplate> ParseDialogTemplate(std::span<const std::uint8_t> bytes);

// Reads one item of a plain-form template from the next 4-byte boundary on
// (styles, rectangle, identifier, class, text, creation data), leaving the
// reader after its creation data. Nothing when any of it lies past the end,
// so that a caller can act on an item only once it has been read in full.
std::optional<DialogItemTemplate> ReadDialogItemTemplate(ByteReader& reader);
