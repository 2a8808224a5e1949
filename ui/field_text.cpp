#include "ui/field_text.h"

#include <locale.h>
#include <clocale>
#include <cstdlib>
#include <string>

namespace {

// The C locale, fixed once: Qt sets the process's LC_NUMERIC from the
// environment, and a comma-decimal locale must not change what "1.5" means.
locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return locale;
}

}  // namespace

double ParseLeadingNumber(std::u16string_view text) {
  // No character beyond ASCII can continue a number, so the text is cut
  // there and the rest read as narrow text.
  std::string narrow;
  narrow.reserve(text.size());
  for (const char16_t unit : text) {
    if (unit == 0 || unit > 0x7F) break;
    narrow.push_back(static_cast<char>(unit));
  }
  return strtod_l(narrow.c_str(), nullptr, CLocale());
}

CString WidenAscii(std::string_view text) {
  CString wide;
  wide.reserve(text.size());
  for (const char byte : text) {
    const auto unit = static_cast<unsigned char>(byte);
    wide.push_back(unit < 0x80 ? static_cast<char16_t>(unit) : u'\uFFFD');
  }
  return wide;
}
