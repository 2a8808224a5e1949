#pragma once

#include <memory>

#include "platform/dialog_template.h"
#include "platform/resource_module.h"
#include "platform/window_record.h"

// Creates the control of one template item as a child widget of the
// dialog, with its record: push buttons and group boxes (class 0x0080),
// single-line edits (0x0081), statics with text, icon or bitmap (0x0082),
// list boxes (0x0083) and combo boxes (0x0085); class names "Button",
// "Edit", "Static", "ListBox" and "ComboBox" count as those. Any other
// class becomes an empty widget. The control is placed at the item's
// rectangle converted to pixels; pictures are loaded from `module`. The
// control reports clicks and text changes to the dialog record.
std::unique_ptr<WindowRecord> CreateControl(WindowRecord& dialog, const DialogItemTemplate& item,
                                            const ResourceModule& module);
