#pragma once

#include <QString>
#include <QWidget>

#include "platform/win_types.h"

class QFileDialog;

// The Qt widget behind a window handle of the framework, or null for a
// handle that is not (or no longer) a window.
QWidget* WidgetForWindow(HWND window);

// The widget of the dialog's child with that identifier (unique, as
// GetDlgItem finds it), cast to the given type; null when there is none.
template <class Widget = QWidget>
Widget* ControlWidget(HWND dialog, int id);

// Types `name` into the file dialog's name field and presses its accept
// button (Save or Open), as a user would.
void TypeFileNameAndAccept(QFileDialog* dialog, const QString& name);

QWidget* ControlWidgetUntyped(HWND dialog, int id);

template <class Widget>
Widget* ControlWidget(HWND dialog, int id) {
  return qobject_cast<Widget*>(ControlWidgetUntyped(dialog, id));
}
