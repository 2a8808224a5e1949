#pragma once

#include <optional>
#include <string>

#include "calc/chamber_design.h"
#include "calc/chamber_development.h"
#include "draw/paper.h"

// The design as a printable PDF on the given paper. Page 1 (landscape) has
// the side profile fitted to the page and a table of the sections with the
// pages of their patterns. Then each section's pattern at exactly 1:1,
// tiled over as many portrait pages as it needs: neighbouring tiles overlap
// by 10 mm, carry alignment crosses and dashed joining lines in the
// overlap, and each says its section, row and column. Every page has a
// 100 mm scale bar to check that the printer did not scale. Expects every
// section to have a pattern (sections without one are left out). Returns
// the document's bytes, or nothing when cairo fails or the patterns would
// take more than kMaxPatternPages pages.
std::optional<std::string> RenderChamberPdf(const ChamberDesign& design,
                                            const ChamberDevelopment& development,
                                            const Paper& paper);

// The most pages of patterns that a PDF is made with: many times what a
// real chamber takes. Valid inputs can make a chamber kilometres long,
// whose billions of pages would take hours and gigabytes to write.
inline constexpr int kMaxPatternPages = 1000;

// The number of pattern pages (tiles) the section takes on the paper;
// kMaxPatternPages + 1 for any number above kMaxPatternPages.
int PatternPageCount(const SectionDevelopment& section, double sheetThickness, const Paper& paper);
