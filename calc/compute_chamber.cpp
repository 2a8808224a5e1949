#include "calc/compute_chamber.h"

#include <cmath>

namespace {

// The constants are the decimals of the original model, each the shortest
// text of its double; several look odd but are exactly what the model uses.
constexpr double kPowerFactor = 0.7465181058495822;  // hp to kW as the model has it
constexpr double kPressureFactor = 600000.0;
constexpr double kTemperatureExponent = 0.0591;
constexpr double kTemperatureFactor = 481.71;      // K
constexpr double kGasFactor = 401.79999999999995;  // the double product 1.4 * 287
constexpr double kLengthFactor = 83.3;
constexpr double kPortFactor = 1.2732395447715545;  // 4 / 3.1415926535, not 4 / pi

constexpr double kHeaderFraction = 0.1;
constexpr double kDiffuser1Fraction = 0.275;
constexpr double kDiffuser2Fraction = 0.183;
constexpr double kDiffuser3Fraction = 0.092;
constexpr double kBellyFraction = 0.11;
constexpr double kBaffleFraction = 0.24;

constexpr double kHeaderScale = 1.9899;
constexpr double kHeaderExponent = -0.0581;
constexpr double kBellyScale = 0.8439;
constexpr double kBellyExponent = 0.1226;
constexpr double kStingerScale = 1.0322;
constexpr double kStingerExponent = -0.0498;

}  // namespace

void ComputeChamber(ChamberDesign& d) {
  // Mean effective pressure (bar). The four exponentials of the pressure
  // depend on it alone; starting them together lets the processor overlap
  // them instead of waiting for each chain in turn.
  d.bmep = ((d.power * kPowerFactor) * kPressureFactor) / (d.rpm * d.displacement);
  const double temperatureLaw = std::exp(d.bmep * kTemperatureExponent);
  const double headerLaw = std::exp(d.bmep * kHeaderExponent);
  const double bellyLaw = std::exp(d.bmep * kBellyExponent);
  const double stingerLaw = std::exp(d.bmep * kStingerExponent);

  // Diameter of a circle with the area of the rectangular port.
  const double portDiameter = std::sqrt((d.portWidth * d.portHeight) * kPortFactor);
  d.D1 = (headerLaw * kHeaderScale) * portDiameter;
  d.D0 = d.D1;
  d.D4 = (bellyLaw * kBellyScale) * portDiameter;
  d.D5 = d.D4;
  d.D6 = (stingerLaw * kStingerScale) * portDiameter;
  d.D7 = d.D6;
  const double k = std::log(d.D4 / d.D1);

  // Exhaust gas temperature (K), wave speed (m/s), tuned length (mm).
  const double temperature = temperatureLaw * kTemperatureFactor;
  d.waveSpeed = std::sqrt(temperature * kGasFactor);
  d.tunedLength = ((d.exhaustDuration / d.rpm) * d.waveSpeed) * kLengthFactor;

  d.L01 = (d.tunedLength * kHeaderFraction) - d.exhaustInCylinder;
  d.L12 = d.tunedLength * kDiffuser1Fraction;
  d.L23 = d.tunedLength * kDiffuser2Fraction;
  d.L34 = d.tunedLength * kDiffuser3Fraction;
  d.L45 = d.tunedLength * kBellyFraction;
  d.L56 = d.tunedLength * kBaffleFraction;
  d.L67 = d.L56;

  // Horn law: the coefficient is the exponent of the whole product of the
  // length fraction and ln(D4 / D1). With D4 < D1 and a non-integral
  // coefficient pow gives NaN, which the model lets through.
  const double diffuserLength = (d.L34 + d.L23) + d.L12;
  const double q2 = (d.L12 / diffuserLength) * k;
  const double q3 = ((d.L23 + d.L12) / diffuserLength) * k;
  d.D2 = d.D1 * std::exp(std::pow(q2, d.hornCoefficient));
  d.D3 = d.D1 * std::exp(std::pow(q3, d.hornCoefficient));

  d.computed = 1;
}
