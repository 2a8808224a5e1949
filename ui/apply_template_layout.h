#pragma once

#include "platform/resource_module.h"
#include "platform/win_types.h"
#include "ui/template_layout_walk.h"

// Lays the existing controls of `dialog` out again from dialog template
// `templateId` (RT_DIALOG) of `module`: every control the template names is
// moved and sized to the template's rectangle for its identifier, converted
// from dialog units with the dialog's own conversion, and what it shows is
// put back (RestoreItemContent). Creates and destroys no control; the
// dialog's own position and size are left alone. Every call reads the
// template anew.
//
// True when every item was found, converted and added, the moves were
// applied, and fewer than two items carry identifier 0xFFFF. False when the
// template is missing or unreadable (nothing changes); when the dialog lacks
// a control the template names, or the template is truncated or malformed
// (the walk ends there and the moves of the items before are still
// applied); or when two or more items share identifier 0xFFFF (after all
// else is done). The template is never read past its end.
bool ApplyTemplateLayout(HINSTANCE module, HWND dialog, UINT templateId);

// Puts back what the dialog's item `item.id` shows, according to the item's
// class: a button or static gets the template's text again, or, for an
// ordinal text, icon (SS_ICON) or bitmap (SS_BITMAP) number `text` reloaded
// from `module`; when the image cannot be loaded the old one stays, else
// the old one is freed. A list box or combo box gets its current selection
// set again (none stays none). Any other class, an edit among them, or a
// class given by name: nothing.
void RestoreItemContent(HINSTANCE module, HWND dialog, const TemplateItemHeader& item,
                        const ResourceModule::Key& windowClass, const ResourceModule::Key& text);
