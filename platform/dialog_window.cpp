#include "platform/dialog_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "platform/win_types.h"

DialogWindow::DialogWindow(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {}

void DialogWindow::ReportSize() {
  if (size() == reportedSize_) return;
  reportedSize_ = size();
  if (onSize) onSize(width(), height());
}

void DialogWindow::accept() {
  if (onCommand) onCommand(IDOK);
}

void DialogWindow::reject() {
  if (onCommand) onCommand(IDCANCEL);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && event->modifiers() == Qt::NoModifier) {
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (focused != nullptr && focused->isEnabled()) {
      focused->click();
      return;
    }
    for (QPushButton* button : findChildren<QPushButton*>()) {
      if (button->isDefault() && button->isEnabled() && button->isVisible()) {
        button->click();
        return;
      }
    }
    if (onCommand) onCommand(IDOK);
    return;
  }
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (onCommand) onCommand(IDCANCEL);
    return;
  }
  QDialog::keyPressEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (onCommand) onCommand(IDOK);
}

void DialogWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  ReportSize();
}
