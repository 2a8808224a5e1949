#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/chamber_design.h"
#include "draw/sketch.h"

// The chamber's side profile: its outline from the header to the stinger
// outlet drawn to a given scale, each diameter D0..D7 labelled above its
// station and each length L01..L67 and the total length LT dimensioned
// below. Labels keep their size whatever the scale and are stacked into
// rows so that none overlaps another. Needs finite, positive dimensions.
class ProfileView {
 public:
  // scale: drawing mm per chamber mm (1 = true size); textSize in mm.
  ProfileView(const ChamberDesign& design, double scale, double textSize);

  double Width() const { return width_; }
  double Height() const { return height_; }
  // Draws the view with its bounding box's top-left corner at topLeft.
  void Draw(Sketch& sketch, Point topLeft) const;

 private:
  struct Label {
    std::string text;
    double x = 0.0;  // label centre (diameters) or left edge (lengths)
    int row = 0;
  };

  void PlaceDiameterLabels();
  void PlaceLengthLabels();
  void DrawOutline(Sketch& sketch, Point origin) const;
  void DrawDiameters(Sketch& sketch, Point origin) const;
  void DrawLengths(Sketch& sketch, Point origin) const;
  double X(int station) const { return stations_[station] * scale_; }
  double HalfHeight(int station) const { return diameters_[station] * scale_ / 2.0; }

  double scale_;
  double text_;
  std::array<double, 8> stations_{};   // chamber mm from the header start
  std::array<double, 8> diameters_{};  // D0..D7
  std::array<double, 7> lengths_{};    // L01..L67
  double totalLength_ = 0.0;
  double maxHalf_ = 0.0;
  std::vector<Label> diameterLabels_;
  std::vector<Label> lengthLabels_;
  int diameterRows_ = 1;
  int lengthRows_ = 1;
  double labelLength_ = 0.0;  // longest diameter label, mm
  double width_ = 0.0;
  double height_ = 0.0;
  double axisY_ = 0.0;       // from the top of the view
  double lengthsTop_ = 0.0;  // from the top of the view
};
