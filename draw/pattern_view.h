#pragma once

#include <string>
#include <vector>

#include "calc/chamber_development.h"
#include "draw/sketch.h"

// One section's flat pattern at true size (1 drawing mm = 1 mm of sheet):
// the cut outline (an annular sector for a cone, a rectangle for a pipe)
// with its centre line and name, and beneath it the figures a builder
// needs to lay it out by hand. The section must have a pattern.
class PatternView {
 public:
  PatternView(const SectionDevelopment& section, double sheetThickness, double textSize);

  // The whole view, outline and text, in mm.
  double Width() const { return width_; }
  double Height() const { return height_; }
  // Draws the view with its bounding box's top-left corner at topLeft.
  void Draw(Sketch& sketch, Point topLeft) const;

 private:
  void MeasureCone();
  void MeasurePipe();
  void DrawCone(Sketch& sketch, Point origin) const;
  void DrawPipe(Sketch& sketch, Point origin) const;
  void DrawName(Sketch& sketch, Point centre, double room, double height) const;

  const SectionDevelopment& section_;
  double text_;
  std::vector<std::string> lines_;  // the figures beneath the outline
  double outlineWidth_ = 0.0;
  double outlineHeight_ = 0.0;
  Point apex_;  // cone apex, relative to the outline box
  double width_ = 0.0;
  double height_ = 0.0;
};
