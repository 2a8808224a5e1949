#pragma once

#include <cstdint>
#include <vector>

#include "platform/dialog_template.h"

// Writes a dialog template in the plain form the resource compiler makes,
// so that tests can build dialogs of their own: header, menu, class, title,
// font (with DS_SETFONT), then each item on a 4-byte boundary with its
// class, text and creation data. The item count is taken from `items`.
std::vector<std::uint8_t> WriteDialogTemplate(const DialogTemplate& dialog);
