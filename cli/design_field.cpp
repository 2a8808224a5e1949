#include "cli/design_field.h"

namespace {

using D = ChamberDesign;

constexpr DesignField Stored(std::string_view name, double D::*member) {
  return {name, member, nullptr};
}

constexpr DesignField Total(std::string_view name, double (D::*total)() const) {
  return {name, nullptr, total};
}

}  // namespace

const std::array<DesignField, 29> kDesignFields = {{
    Stored("displacement", &D::displacement),
    Stored("exhaustDuration", &D::exhaustDuration),
    Stored("portHeight", &D::portHeight),
    Stored("portWidth", &D::portWidth),
    Stored("exhaustInCylinder", &D::exhaustInCylinder),
    Stored("power", &D::power),
    Stored("rpm", &D::rpm),
    Stored("hornCoefficient", &D::hornCoefficient),
    Stored("bmep", &D::bmep),
    Stored("waveSpeed", &D::waveSpeed),
    Stored("tunedLength", &D::tunedLength),
    Stored("D0", &D::D0),
    Stored("D1", &D::D1),
    Stored("D2", &D::D2),
    Stored("D3", &D::D3),
    Stored("D4", &D::D4),
    Stored("D5", &D::D5),
    Stored("D6", &D::D6),
    Stored("D7", &D::D7),
    Stored("L01", &D::L01),
    Stored("L12", &D::L12),
    Stored("L23", &D::L23),
    Stored("L34", &D::L34),
    Stored("L45", &D::L45),
    Stored("L56", &D::L56),
    Stored("L67", &D::L67),
    Total("TotalLength", &D::TotalLength),
    Total("LengthWithoutStinger", &D::LengthWithoutStinger),
    Total("TunedLengthToBaffleMiddle", &D::TunedLengthToBaffleMiddle),
}};
