#pragma once

#include <cstdint>
#include <span>

#include "platform/resource_module.h"
#include "platform/win_types.h"

// The fixed part of one item of a plain dialog template: its styles, its
// rectangle in dialog units and its control identifier.
struct TemplateItemHeader {
  DWORD style = 0;
  DWORD exStyle = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;
  WORD id = 0;
};

// What the relayout walk does to a dialog, one call per step. The walk only
// reads the template; everything it does to windows goes through here, so
// the reading can be driven without any window (see tests/fuzz).
class TemplateLayoutTarget {
 public:
  virtual ~TemplateLayoutTarget() = default;

  // Opens the batch of deferred moves for `count` controls; false when no
  // batch can be had.
  virtual bool BeginBatch(int count) = 0;
  // Whether the dialog has a child control with that identifier.
  virtual bool HasControl(WORD id) = 0;
  // Converts a rectangle from dialog units to pixels in place; false when
  // it cannot be converted.
  virtual bool MapToPixels(RECT& rect) = 0;
  // Adds a move of control `id` to the batch: left and top edge, width and
  // height in pixels. False when it cannot be added.
  virtual bool AddMove(WORD id, int x, int y, int width, int height) = 0;
  // Puts back what the control shows (text, picture, selection).
  virtual void RestoreContent(const TemplateItemHeader& item,
                              const ResourceModule::Key& windowClass,
                              const ResourceModule::Key& text) = 0;
  // Applies every move of the batch together and ends it; false when that
  // fails. Called exactly once after a successful BeginBatch.
  virtual bool ApplyBatch() = 0;
};

// Lays a dialog out again from the plain dialog template in `bytes`: each
// item's control is moved and sized to the item's rectangle (the moves are
// applied together at the end) and its content restored at once. The
// template's own rectangle is not used.
//
// True when every item was found, converted and added to the batch, the
// batch was applied, and fewer than two items carry identifier 0xFFFF.
// False otherwise: nothing happens when the template is too short to give
// its item count or no batch can be had; a control the dialog lacks, a
// rectangle that cannot be converted, or an item that is truncated or
// malformed (a field or its creation data running past the end) ends the
// walk, and the moves added before are still applied. Never reads outside
// `bytes`.
bool WalkTemplateLayout(std::span<const std::uint8_t> bytes, TemplateLayoutTarget& target);
