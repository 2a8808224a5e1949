// libFuzzer target for the reading of what a user types into an input edit:
// the input's bytes are UTF-16 units (little-endian, an odd last byte left
// out), which ParseLeadingNumber reads. The number must be the very one the
// C library's wcstod reads from the same units in the C locale, bit for bit
// (NaN payload and sign included): no character beyond ASCII can continue a
// number there either, nor does the C locale count one as a blank.
//
// The same bytes also go through WidenAscii, which must give one unit per
// byte: the byte itself when it is ASCII, U+FFFD otherwise.

#include <bit>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <string_view>

#include "ui/field_text.h"

namespace {

void Require(bool rule, const char* what) {
  if (rule) return;
  std::fprintf(stderr, "field text rule broken: %s\n", what);
  std::abort();
}

// Each UTF-16 unit as one wide character, as on the 16-bit wchar_t system
// the form comes from; wcstod stops at a 0 unit as the edit's copy does.
double WcstodOfUnits(std::u16string_view units) {
  std::wstring wide(units.begin(), units.end());
  return std::wcstod(wide.c_str(), nullptr);
}

void CheckWidenAscii(std::string_view bytes) {
  const CString wide = WidenAscii(bytes);
  Require(wide.size() == bytes.size(), "WidenAscii changed the length");
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    Require(wide[i] == (byte < 0x80 ? char16_t{byte} : u'\uFFFD'), "WidenAscii changed a unit");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::setlocale(LC_ALL, "C");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string units(size / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  const double parsed = ParseLeadingNumber(units);
  const double expected = WcstodOfUnits(units);
  Require(std::bit_cast<std::uint64_t>(parsed) == std::bit_cast<std::uint64_t>(expected),
          "ParseLeadingNumber differs from wcstod");
  CheckWidenAscii({reinterpret_cast<const char*>(data), size});
  return 0;
}
