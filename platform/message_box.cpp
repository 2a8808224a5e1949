#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/win_app.h"

namespace {

QMessageBox::Icon IconOf(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONASTERISK:
      return QMessageBox::Information;
    default:
      return QMessageBox::Warning;  // the exclamation icon, also when none is asked for
  }
}

QMessageBox::StandardButtons ButtonsOf(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNO:
      return QMessageBox::Yes | QMessageBox::No;
    default:
      return QMessageBox::Ok;
  }
}

int ResultOf(int button) {
  switch (button) {
    case QMessageBox::Cancel:
      return IDCANCEL;
    case QMessageBox::Yes:
      return IDYES;
    case QMessageBox::No:
      return IDNO;
    default:
      return IDOK;
  }
}

}  // namespace

int AfxMessageBox(LPCTSTR text, UINT type, UINT /*helpId*/) {
  if (QApplication::instance() == nullptr) return 0;
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = QApplication::activeWindow();
  QMessageBox box(IconOf(type), QString::fromStdU16String(AfxGetAppName()),
                  text != nullptr ? QString::fromUtf16(text) : QString(), ButtonsOf(type), owner);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  const int button = box.exec();
  // Closing a box without a Cancel or No button counts as its last button.
  if (button != QMessageBox::Ok && button != QMessageBox::Cancel && button != QMessageBox::Yes &&
      button != QMessageBox::No) {
    return (type & MB_TYPEMASK) == MB_OK ? IDOK
                                         : ((type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDCANCEL);
  }
  return ResultOf(button);
}
