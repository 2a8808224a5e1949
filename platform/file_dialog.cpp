#include "platform/file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>
#include <QStringList>

#include "platform/qt_setup.h"
#include "platform/window_record.h"

namespace {

QString ToQString(const CString& text) { return QString::fromStdU16String(text); }

// "Text files (*.txt)|*.txt|All (*.*)|*.*||" → {"Text files (*.txt)", "All (*.*)"}.
QStringList NameFilters(const QString& filter) {
  QStringList filters;
  const QStringList parts = filter.split(u'|');
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    const QString patterns = QString(parts[i + 1]).replace(u';', u' ').simplified();
    if (description.isEmpty() && patterns.isEmpty()) break;
    const QString suffix = QStringLiteral("(%1)").arg(patterns);
    filters << (description.endsWith(suffix)
                    ? description
                    : QStringLiteral("%1 %2").arg(description, suffix).trimmed());
  }
  return filters;
}

// The file the user named in the name field, as typed. The dialog's own
// answer can differ: while a whole path is typed it selects the existing
// entries on the way and may hand back one of them, or the typed name in
// its current folder when the typed folder does not exist, so that a save
// would land somewhere the user never chose.
QString TypedPath(const QFileDialog& dialog, const QString& defaultSuffix) {
  const auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (field == nullptr || field->text().isEmpty() || field->text().contains(u'"')) return {};
  const QString text = field->text();
  QString path = QDir::isAbsolutePath(text) ? text : dialog.directory().absoluteFilePath(text);
  if (!defaultSuffix.isEmpty() && !QFileInfo(path).fileName().contains(u'.')) {
    path += u'.' + defaultSuffix;
  }
  return QDir::cleanPath(path);
}

// Qt sizes its file dialog for a desktop; on a handheld-sized screen its
// buttons would lie past the edge. Shrink it to the screen, down to what its
// layout can take.
void FitToScreen(QFileDialog& dialog) {
  const QScreen* screen = dialog.screen();
  if (screen == nullptr) return;
  const QSize room = screen->availableGeometry().size();
  dialog.resize(dialog.sizeHint().boundedTo(room).expandedTo(dialog.minimumSizeHint()));
}

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension, LPCTSTR fileName,
                         DWORD flags, LPCTSTR filter, CWnd* parent)
    : m_dwFlags(flags),
      open_(openFileDialog != FALSE),
      defaultExtension_(defaultExtension != nullptr ? defaultExtension : u""),
      fileName_(fileName != nullptr ? fileName : u""),
      filter_(filter != nullptr ? filter : u""),
      parent_(parent) {}

int CFileDialog::DoModal() {
  if (QApplication::instance() == nullptr) return IDCANCEL;
  PreventSettingsFiles();
  QWidget* owner = nullptr;
  if (parent_ != nullptr) {
    if (WindowRecord* record = LiveWindow(parent_->m_hWnd)) owner = record->widget;
  }
  if (owner == nullptr) owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = QApplication::activeWindow();

  QFileDialog dialog(owner);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(open_ ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open_ ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, (m_dwFlags & OFN_OVERWRITEPROMPT) == 0);
  const QStringList filters = NameFilters(ToQString(filter_));
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  QString extension = ToQString(defaultExtension_);
  if (extension.startsWith(u'.')) extension.remove(0, 1);
  dialog.setDefaultSuffix(extension);
  dialog.selectFile(ToQString(fileName_));
  dialog.setWindowModality(Qt::ApplicationModal);
  FitToScreen(dialog);

  pathName_.clear();
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return IDCANCEL;
  QString path = open_ ? QString() : TypedPath(dialog, extension);
  if (path.isEmpty()) path = QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
  pathName_ = path.toStdU16String();
  return IDOK;
}

CString CFileDialog::GetFileName() const {
  return QFileInfo(ToQString(pathName_)).fileName().toStdU16String();
}
