#include "tests/support/window_widgets.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include "platform/window_functions.h"
#include "platform/window_record.h"

QWidget* WidgetForWindow(HWND window) {
  WindowRecord* record = LiveWindow(window);
  return record != nullptr ? record->widget.data() : nullptr;
}

QWidget* ControlWidgetUntyped(HWND dialog, int id) {
  return WidgetForWindow(GetDlgItem(dialog, id));
}

void TypeFileNameAndAccept(QFileDialog* dialog, const QString& name) {
  auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
  if (field == nullptr || buttons == nullptr) {
    dialog->reject();
    return;
  }
  // A user clicks into the name field and types there. The focus matters:
  // without it the dialog keeps the entries it selected while the name was
  // typed, and answers with one of them.
  dialog->activateWindow();
  field->setFocus(Qt::MouseFocusReason);
  if (!QTest::qWaitFor([field] { return field->hasFocus(); }, 2000)) {
    dialog->reject();
    return;
  }
  field->clear();
  // keyClicks knows ASCII only; other characters come as key events that
  // carry them, as an input method delivers them.
  for (const char32_t point : name.toUcs4()) {
    const QString character = QString::fromUcs4(&point, 1);
    if (point < 0x80) {
      QTest::keyClick(field, static_cast<char>(point));
    } else {
      QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, character, Qt::NoModifier);
    }
  }
  for (QAbstractButton* button : buttons->buttons()) {
    if (buttons->buttonRole(button) != QDialogButtonBox::AcceptRole) continue;
    // The dialog enables its button once its file model has looked at the
    // typed path, which takes a moment the first time.
    const bool enabled = QTest::qWaitFor([button] { return button->isEnabled(); }, 5000);
    if (enabled) {
      button->click();
    } else {
      QMetaObject::invokeMethod(dialog, "accept");
    }
    return;
  }
}
