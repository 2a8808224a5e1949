#pragma once

#include <string_view>

#include "platform/win_types.h"

// The number at the start of a typed text, read as the C library's wcstod
// reads it in the C locale: leading blanks skipped, an optional sign, then
// digits with a decimal point and an exponent (also "inf", "nan" and hex
// forms); the reading stops at the first character that cannot continue
// the number. Empty or non-numeric text gives 0; "1e999" gives infinity.
// The decimal separator is always a point, whatever the process locale.
double ParseLeadingNumber(std::u16string_view text);

// ASCII text as UTF-16, for the window functions (the figures, the
// messages). Bytes beyond ASCII are not expected; each becomes U+FFFD.
CString WidenAscii(std::string_view text);
