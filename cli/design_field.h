#pragma once

#include <array>
#include <string_view>

#include "calc/chamber_design.h"

// One figure of a design as the machine-readable outputs (JSON, CSV) name
// it: a stored field or one of the three totals.
struct DesignField {
  std::string_view name;                   // the ChamberDesign member's name
  double ChamberDesign::*member;           // the stored field, or null for a total
  double (ChamberDesign::*total)() const;  // the total, when member is null

  double Value(const ChamberDesign& design) const {
    return member != nullptr ? design.*member : (design.*total)();
  }
};

// The eight inputs in record order, bmep, waveSpeed, tunedLength, D0..D7,
// L01..L67, then TotalLength, LengthWithoutStinger and
// TunedLengthToBaffleMiddle: the keys of the JSON object and the columns of
// the batch CSV, in this order.
extern const std::array<DesignField, 29> kDesignFields;
