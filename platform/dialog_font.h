#pragma once

#include <QFont>
#include <QSize>

#include "platform/dialog_template.h"

// The font a dialog template asks for. "MS Shell Dlg" (and "MS Shell Dlg
// 2", or no font at all) is the handheld's dialog font: here the desktop's
// default sans-serif font at the template's size.
QFont DialogFont(const DialogTemplate& dialogTemplate);

// Dialog base units of a font, in pixels, worked out as the dialog manager
// does: horizontal, the average width of "A".."Z" and "a".."z", rounded;
// vertical, the font's height.
QSize DialogBaseUnits(const QFont& font);
