#pragma once

#include <QRect>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/framework.h"
#include "platform/resource_module.h"

// Dialogs for the relayout tests. The test dialog (template 100 of
// RelayoutModule()) has one control of each kind, each at its start
// rectangle; the relayout templates name some of them at other rectangles.
//
//   id      kind                         text / picture
//   1001    push button                  "Go"
//   1002    static, SS_LEFT              "Label"
//   1003    edit                         empty
//   1004    list box
//   1005    combo box
//   1006    static, SS_ICON              icon 128
//   1007    static, SS_BITMAP            bitmap 134
//   1008    push button                  "Other"
//   0xFFFF  static, SS_LEFT (the only    "Shared"
//           one with that id)
inline constexpr UINT kTestDialog = 100;
inline constexpr WORD kGo = 1001;
inline constexpr WORD kLabel = 1002;
inline constexpr WORD kEdit = 1003;
inline constexpr WORD kList = 1004;
inline constexpr WORD kCombo = 1005;
inline constexpr WORD kIcon = 1006;
inline constexpr WORD kBitmap = 1007;
inline constexpr WORD kOther = 1008;
inline constexpr WORD kShared = 0xFFFF;
inline constexpr WORD kMissing = 4711;  // a control the test dialog lacks
inline constexpr std::initializer_list<WORD> kAllControls = {kGo,   kLabel,  kEdit,  kList,  kCombo,
                                                             kIcon, kBitmap, kOther, kShared};

struct DialogUnits {
  std::int16_t x, y, cx, cy;
};

// Rectangle of a control in the test dialog, and the one the relayout
// templates give it (for kMissing as well).
DialogUnits StartRect(WORD id);
DialogUnits MovedRect(WORD id);

// The item of control `id` as the test dialog has it, at `rect`.
DialogItemTemplate TestItem(WORD id, DialogUnits rect);
// A dialog template (font "MS Shell Dlg", 8 points) with these items.
DialogTemplate TestTemplate(std::vector<DialogItemTemplate> items);

// The test dialog's template and the program's pictures (icon 128, bitmap
// 134), plus each of `extra` as template number first.
ResourceModule RelayoutModule(
    const std::vector<std::pair<UINT, std::vector<std::uint8_t>>>& extra = {});

// Brings up a dialog on template kTestDialog of `module` and runs `body`
// with its window while it is up.
void WithTestDialog(const ResourceModule& module, const std::function<void(HWND)>& body);

// Where the control is on screen, in pixels within the dialog; and where a
// rectangle in dialog units lies in the dialog's pixels.
QRect ControlRect(HWND dialog, WORD id);
QRect PixelRect(HWND dialog, DialogUnits rect);
