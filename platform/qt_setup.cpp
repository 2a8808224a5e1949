#include "platform/qt_setup.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

void PreventSettingsFiles() {
  // A path below /dev/null can be neither created nor written, even by
  // root: every settings object, Qt's own included, reads nothing and
  // fails to save, silently.
  const QString nowhere = QStringLiteral("/dev/null/settings");
  for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, nowhere);
    QSettings::setPath(format, QSettings::SystemScope, nowhere);
  }
}

QString ExecutableBaseName() {
  QString path =
      QCoreApplication::instance() != nullptr ? QCoreApplication::applicationFilePath() : QString();
  if (path.isEmpty() && !QCoreApplication::arguments().isEmpty())
    path = QCoreApplication::arguments().first();
  return QFileInfo(path).completeBaseName();
}
