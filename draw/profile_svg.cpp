#include "draw/profile_svg.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "draw/cairo_bytes.h"
#include "draw/profile_view.h"
#include "draw/sketch.h"

namespace {

constexpr double kMargin = 8.0;
constexpr double kLongest = 180.0;  // mm on the diagram for the whole chamber
constexpr double kText = 3.5;       // labels and figures, mm
constexpr double kTitle = 6.0;      // the first title line, mm
constexpr double kLineStep = kText * 1.5;

// The N of the scale 1:N: a whole number, so that a reader can measure.
double ScaleDivisor(const ChamberDesign& design) {
  return std::max(1.0, std::ceil(design.TotalLength() / kLongest));
}

std::vector<std::string> Title(const ChamberDesign& design, double divisor) {
  return {
      "Tubrix expansion chamber",
      "Displacement " + Figure(design.displacement) + " cm\u00b3, exhaust duration " +
          Figure(design.exhaustDuration) + "\u00b0, port " + Figure(design.portWidth) + " \u00d7 " +
          Figure(design.portHeight) + " mm,",
      "exhaust in cylinder " + Figure(design.exhaustInCylinder) + " mm, " + Figure(design.rpm) +
          " rpm, " + Figure(design.power) + " hp, horn coefficient " +
          Figure(design.hornCoefficient) + ".",
      "Lengths and inner diameters in mm; scale 1:" +
          std::to_string(static_cast<long long>(divisor)) + ".",
  };
}

// What the labels say, for the document's <desc>.
std::string LabelText(const ChamberDesign& design) {
  const double diameters[] = {design.D0, design.D1, design.D2, design.D3,
                              design.D4, design.D5, design.D6, design.D7};
  const double lengths[] = {design.L01, design.L12, design.L23, design.L34,
                            design.L45, design.L56, design.L67};
  constexpr std::string_view kLengthNames[] = {"L01", "L12", "L23", "L34", "L45", "L56", "L67"};
  std::string text = "Diameters:";
  for (std::size_t i = 0; i < std::size(diameters); ++i) {
    text += " D" + std::to_string(i) + " " + Figure(diameters[i]) + (i + 1 < 8 ? "," : ".");
  }
  text += " Lengths:";
  for (std::size_t i = 0; i < std::size(lengths); ++i) {
    text += " " + std::string(kLengthNames[i]) + " " + Figure(lengths[i]) + ",";
  }
  return text + " LT " + Figure(design.TotalLength()) + ".";
}

std::string XmlEscaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '&') {
      escaped += "&amp;";
    } else if (c == '<') {
      escaped += "&lt;";
    } else if (c == '>') {
      escaped += "&gt;";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

// Puts <title> and <desc> first inside the root element, where SVG wants them.
std::string WithDescription(std::string svg, const std::vector<std::string>& title,
                            const std::string& labels) {
  const std::size_t root = svg.find("<svg");
  const std::size_t inside = root == svg.npos ? svg.npos : svg.find('>', root);
  if (inside == svg.npos) return svg;
  std::string description = "\n<title>" + XmlEscaped(title[0]) + "</title>\n<desc>" +
                            XmlEscaped(title[1] + " " + title[2] + " " + title[3] + " " + labels) +
                            "</desc>";
  svg.insert(inside + 1, description);
  return svg;
}

}  // namespace

std::optional<std::string> RenderProfileSvg(const ChamberDesign& design) {
  const double divisor = ScaleDivisor(design);
  const ProfileView profile(design, 1.0 / divisor, kText);
  const std::vector<std::string> title = Title(design, divisor);
  double width = profile.Width();
  width = std::max(width, Sketch::TextWidth(title[0], kTitle));
  for (std::size_t i = 1; i < title.size(); ++i) {
    width = std::max(width, Sketch::TextWidth(title[i], kText));
  }
  const double profileTop =
      kMargin + kTitle + static_cast<double>(title.size() - 1) * kLineStep + 6.0;
  const double height = profileTop + profile.Height() + kMargin;
  const std::optional<std::string> svg =
      RenderSvgDocument(width + 2.0 * kMargin, height, [&](cairo_t* cairo) {
        Sketch sketch(cairo);
        cairo_set_source_rgb(cairo, 1.0, 1.0, 1.0);
        cairo_paint(cairo);
        double y = kMargin + kTitle;
        sketch.Text({kMargin, y}, title[0], kTitle);
        for (std::size_t i = 1; i < title.size(); ++i) {
          y += kLineStep;
          sketch.Text({kMargin, y}, title[i], kText);
        }
        profile.Draw(sketch, {kMargin, profileTop});
      });
  if (!svg) return std::nullopt;
  return WithDescription(*svg, title, LabelText(design));
}
