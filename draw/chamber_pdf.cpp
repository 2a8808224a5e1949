#include "draw/chamber_pdf.h"

#include <cairo-pdf.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "draw/cairo_bytes.h"
#include "draw/pattern_view.h"
#include "draw/profile_view.h"
#include "draw/sketch.h"
#include "draw/tile_grid.h"
#include "draw/title_block.h"

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kMargin = 10.0;     // kept clear for the printer's own margin
constexpr double kLabelBand = 12.0;  // above the tile: section, row and column
constexpr double kBarBand = 16.0;    // below the tile: the scale bar
constexpr double kOverlap = 10.0;
constexpr double kText = 4.0;
constexpr const char* kBarLabel =
    "Print at 100 % (no fitting to the page): this bar must measure 100 mm.";

// One section's pattern as it goes onto pages.
struct PatternPages {
  const SectionDevelopment* section;
  PatternView view;
  bool turned;  // a quarter turn clockwise takes fewer pages
  TileGrid grid;
  int firstPage = 0;
};

double TileWidth(const Paper& paper) { return paper.width - 2.0 * kMargin; }
double TileHeight(const Paper& paper) {
  return paper.height - 2.0 * kMargin - kLabelBand - kBarBand;
}

PatternPages Plan(const SectionDevelopment& section, double thickness, const Paper& paper) {
  PatternView view(section, thickness, kText);
  const TileGrid upright =
      PlanTiles(view.Width(), view.Height(), TileWidth(paper), TileHeight(paper), kOverlap);
  const TileGrid turned =
      PlanTiles(view.Height(), view.Width(), TileWidth(paper), TileHeight(paper), kOverlap);
  const bool turn = turned.Count() < upright.Count();
  return {&section, view, turn, turn ? turned : upright};
}

std::string PageRange(const PatternPages& pages) {
  const int last = pages.firstPage + pages.grid.Count() - 1;
  if (last == pages.firstPage) return std::to_string(last);
  return std::to_string(pages.firstPage) + "\u2013" + std::to_string(last);
}

class PdfBook {
 public:
  PdfBook(cairo_surface_t* surface, const Paper& paper)
      : surface_(surface), cairo_(cairo_create(surface)), sketch_(cairo_), paper_(paper) {}
  ~PdfBook() { cairo_destroy(cairo_); }
  PdfBook(const PdfBook&) = delete;
  PdfBook& operator=(const PdfBook&) = delete;

  bool Ok() const { return cairo_status(cairo_) == CAIRO_STATUS_SUCCESS; }
  void OverviewPage(const ChamberDesign& design, const ChamberDevelopment& development,
                    const std::vector<PatternPages>& patterns);
  void Tiles(const PatternPages& pages, int lastPage);

 private:
  void BeginPage(double width, double height);
  void EndPage() {
    cairo_show_page(cairo_);
    cairo_restore(cairo_);
  }
  double FitProfile(const ChamberDesign& design, double width, double height) const;
  void SectionTable(const std::vector<PatternPages>& patterns, double top);
  void Tile(const PatternPages& pages, int row, int column, int page, int lastPage);
  void TileMarks(const TileGrid& grid, int row, int column);

  cairo_surface_t* surface_;
  cairo_t* cairo_;
  Sketch sketch_;
  Paper paper_;
};

void PdfBook::BeginPage(double width, double height) {
  cairo_pdf_surface_set_size(surface_, width * kPointsPerMm, height * kPointsPerMm);
  cairo_save(cairo_);
  cairo_scale(cairo_, kPointsPerMm, kPointsPerMm);
}

// The largest scale at which the profile and its labels fit the area.
double PdfBook::FitProfile(const ChamberDesign& design, double width, double height) const {
  double scale = width / design.TotalLength();
  for (int attempt = 0; attempt < 8; ++attempt) {
    const ProfileView view(design, scale, 3.0);
    if (view.Width() <= width && view.Height() <= height) break;
    scale *= std::min(width / view.Width(), height / view.Height()) * 0.98;
  }
  return scale;
}

void PdfBook::OverviewPage(const ChamberDesign& design, const ChamberDevelopment& development,
                           const std::vector<PatternPages>& patterns) {
  const double width = paper_.height, height = paper_.width;  // landscape
  BeginPage(width, height);
  const std::vector<std::string> title = TitleLines(design, development.sheetThickness);
  double y = kMargin + 6.0;
  sketch_.Text({kMargin, y}, title[0], 6.0);
  for (std::size_t i = 1; i < title.size(); ++i) sketch_.Text({kMargin, y += 4.5}, title[i], 3.0);
  const double tableHeight = 5.0 * static_cast<double>(patterns.size() + 1) + 4.0;
  const double profileRoom = height - (y + 8.0) - tableHeight - kBarBand - kMargin;
  const double scale = FitProfile(design, width - 2.0 * kMargin, profileRoom);
  const ProfileView profile(design, scale, 3.0);
  profile.Draw(sketch_, {kMargin, y + 6.0});
  const double tableTop = y + 8.0 + profile.Height() + 2.0;
  SectionTable(patterns, tableTop);
  const double notes = tableTop + tableHeight + 8.0;
  sketch_.Text({kMargin, notes - 6.0},
               "The profile is reduced to fit the page; the patterns follow at 1:1.", 3.0);
  sketch_.Text({kMargin, notes},
               "Joining pattern pages: pages of one pattern overlap by 10 mm. Cut a page along "
               "its dashed line, lay that edge on the same dashed line of the next page,",
               3.0);
  sketch_.Text({kMargin, notes + 4.5},
               "match the crosses and tape. Rows run top to bottom, columns left to right; "
               "each page names its section, row and column.",
               3.0);
  sketch_.ScaleBar({kMargin, height - kMargin - kBarBand + 4.0}, kBarLabel);
  EndPage();
}

void PdfBook::SectionTable(const std::vector<PatternPages>& patterns, double top) {
  const double columns[] = {0.0, 32.0, 100.0, 122.0, 142.0, 164.0, 184.0, 204.0, 232.0};
  const char* headings[] = {"Section", "Ends",  "Length",     "Slant", "R",
                            "r",       "Sweep", "Cone angle", "Pages"};
  double y = top + 4.0;
  for (int i = 0; i < 9; ++i) sketch_.Text({kMargin + columns[i], y}, headings[i], 3.0);
  sketch_.SetInk(Ink::kDimension);
  sketch_.Line({kMargin, y + 1.2}, {kMargin + 255.0, y + 1.2});
  for (const PatternPages& pages : patterns) {
    const SectionDevelopment& s = *pages.section;
    const bool cone = s.kind == SectionKind::kCone;
    const std::string ends = std::string(s.startLabel) + " " + Figure(s.startDiameter) +
                             (s.startLabel == s.endLabel ? ""
                                                         : " \u2192 " + std::string(s.endLabel) +
                                                               " " + Figure(s.endDiameter));
    const std::string cells[] = {s.name,
                                 ends,
                                 Figure(s.length),
                                 cone ? Figure(s.slantLength) : "",
                                 cone ? Figure(s.outerRadius) : "",
                                 cone ? Figure(s.innerRadius) : "",
                                 cone ? Figure(s.sweepDegrees) + "\u00b0" : "",
                                 cone ? Figure(s.includedAngle) + "\u00b0" : "",
                                 PageRange(pages)};
    y += 5.0;
    for (int i = 0; i < 9; ++i) sketch_.Text({kMargin + columns[i], y}, cells[i], 3.0);
  }
}

void PdfBook::Tiles(const PatternPages& pages, int lastPage) {
  int page = pages.firstPage;
  for (int row = 0; row < pages.grid.rows; ++row) {
    for (int column = 0; column < pages.grid.columns; ++column) {
      Tile(pages, row, column, page++, lastPage);
    }
  }
}

void PdfBook::Tile(const PatternPages& pages, int row, int column, int page, int lastPage) {
  const TileGrid& grid = pages.grid;
  BeginPage(paper_.width, paper_.height);
  const double left = kMargin, top = kMargin + kLabelBand;
  sketch_.Text({left, kMargin + 5.0},
               pages.section->name + ": row " + std::to_string(row + 1) + " of " +
                   std::to_string(grid.rows) + ", column " + std::to_string(column + 1) + " of " +
                   std::to_string(grid.columns),
               4.5);
  sketch_.Text({paper_.width - kMargin, kMargin + 5.0},
               "page " + std::to_string(page) + " of " + std::to_string(lastPage), 3.0,
               Align::kRight);
  cairo_save(cairo_);
  cairo_rectangle(cairo_, left, top, grid.tileWidth, grid.tileHeight);
  cairo_clip(cairo_);
  cairo_translate(cairo_, left - (column * grid.stepX - grid.offsetX),
                  top - (row * grid.stepY - grid.offsetY));
  if (pages.turned) {
    cairo_translate(cairo_, pages.view.Height(), 0.0);
    cairo_rotate(cairo_, std::numbers::pi / 2.0);
  }
  pages.view.Draw(sketch_, {0.0, 0.0});
  cairo_restore(cairo_);
  TileMarks(grid, row, column);
  sketch_.ScaleBar({left, paper_.height - kMargin - kBarBand + 4.0}, "Print at 100 %: 100 mm");
  EndPage();
}

// Crosses at the corners of the overlap bands, dashed joining lines where
// a neighbouring tile continues, and the tile's frame.
void PdfBook::TileMarks(const TileGrid& grid, int row, int column) {
  const double left = kMargin, top = kMargin + kLabelBand;
  const double right = left + grid.tileWidth, bottom = top + grid.tileHeight;
  const double half = grid.overlap / 2.0;
  sketch_.SetInk(Ink::kDimension);
  cairo_rectangle(cairo_, left, top, grid.tileWidth, grid.tileHeight);
  cairo_stroke(cairo_);
  sketch_.SetInk(Ink::kGuide);
  if (column > 0) sketch_.Line({left + half, top}, {left + half, bottom});
  if (column + 1 < grid.columns) sketch_.Line({right - half, top}, {right - half, bottom});
  if (row > 0) sketch_.Line({left, top + half}, {right, top + half});
  if (row + 1 < grid.rows) sketch_.Line({left, bottom - half}, {right, bottom - half});
  for (double x : {left + half, right - half}) {
    for (double y : {top + half, bottom - half}) sketch_.Cross({x, y}, 3.0);
  }
  const double middleY = (top + bottom) / 2.0, middleX = (left + right) / 2.0;
  if (column > 0)
    sketch_.TextUp({left + half + 3.5, middleY + 12.0}, "\u2190 column " + std::to_string(column),
                   2.5);
  if (column + 1 < grid.columns) {
    sketch_.TextUp({right - half - 1.0, middleY + 12.0},
                   "column " + std::to_string(column + 2) + " \u2192", 2.5);
  }
  if (row > 0)
    sketch_.Text({middleX, top + half - 1.0}, "\u2191 row " + std::to_string(row), 2.5,
                 Align::kCentre);
  if (row + 1 < grid.rows) {
    sketch_.Text({middleX, bottom - half + 3.5}, "\u2193 row " + std::to_string(row + 2), 2.5,
                 Align::kCentre);
  }
}

}  // namespace

int PatternPageCount(const SectionDevelopment& section, double sheetThickness, const Paper& paper) {
  const TileGrid grid = Plan(section, sheetThickness, paper).grid;
  return grid.capped ? kMaxPatternPages + 1 : std::min(grid.Count(), kMaxPatternPages + 1);
}

std::optional<std::string> RenderChamberPdf(const ChamberDesign& design,
                                            const ChamberDevelopment& development,
                                            const Paper& paper) {
  std::vector<PatternPages> patterns;
  int page = 2;
  for (const SectionDevelopment& section : development.sections) {
    if (!section.hasPattern) continue;
    patterns.push_back(Plan(section, development.sheetThickness, paper));
    patterns.back().firstPage = page;
    // No overflow: seven sections of at most kMaxPerAxis squared pages.
    page += patterns.back().grid.Count();
    if (patterns.back().grid.capped) return std::nullopt;
  }
  if (page - 2 > kMaxPatternPages) return std::nullopt;
  std::string bytes;
  cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(
      AppendCairoBytes, &bytes, paper.height * kPointsPerMm, paper.width * kPointsPerMm);
  bool ok = true;
  {
    PdfBook book(surface, paper);
    book.OverviewPage(design, development, patterns);
    for (const PatternPages& pages : patterns) book.Tiles(pages, page - 1);
    ok = book.Ok();
  }
  cairo_surface_finish(surface);
  ok = ok && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!ok) return std::nullopt;
  return bytes;
}
