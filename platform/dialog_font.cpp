#include "platform/dialog_font.h"

#include <QApplication>
#include <QFontMetrics>
#include <QString>

#include "platform/win_types.h"

QFont DialogFont(const DialogTemplate& dialogTemplate) {
  QFont font = QApplication::font();
  if ((dialogTemplate.style & DS_SETFONT) == 0) return font;
  const QString face = QString::fromStdU16String(dialogTemplate.faceName);
  const bool shellFont = face.isEmpty() ||
                         face.compare(u"MS Shell Dlg", Qt::CaseInsensitive) == 0 ||
                         face.compare(u"MS Shell Dlg 2", Qt::CaseInsensitive) == 0;
  if (!shellFont) font.setFamilies({face, font.family()});
  if (dialogTemplate.pointSize > 0) font.setPointSize(dialogTemplate.pointSize);
  return font;
}

QSize DialogBaseUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int alphabet = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return QSize((alphabet / 26 + 1) / 2, metrics.height());
}
