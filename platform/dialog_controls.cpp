#include "platform/dialog_controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <variant>

#include "platform/image_records.h"
#include "platform/window_functions.h"

namespace {

WORD ClassOrdinal(const ResourceModule::Key& windowClass) {
  if (const auto* ordinal = std::get_if<std::uint16_t>(&windowClass)) return *ordinal;
  const QString name = QString::fromStdU16String(std::get<std::u16string>(windowClass));
  static const std::pair<const char*, WORD> kNames[] = {{"Button", kButtonClass},
                                                        {"Edit", kEditClass},
                                                        {"Static", kStaticClass},
                                                        {"ListBox", kListBoxClass},
                                                        {"ComboBox", kComboBoxClass}};
  for (const auto& [known, ordinal] : kNames) {
    if (name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0) return ordinal;
  }
  return 0;
}

// Template texts may break lines with "\r\n" or "\n"; Qt wants "\n".
QString ItemText(const DialogItemTemplate& item) {
  const auto* text = std::get_if<std::u16string>(&item.text);
  if (text == nullptr) return {};
  return QString::fromStdU16String(*text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QWidget* CreateButton(WindowRecord& record, WindowRecord& dialog, const DialogItemTemplate& item) {
  const DWORD kind = item.style & BS_TYPEMASK;
  if (kind == BS_GROUPBOX) {
    record.kind = WindowKind::GroupBox;
    auto* box = new QGroupBox(ItemText(item), dialog.widget);
    // Like the real group box, it is only a frame: clicks go through it to
    // the controls it surrounds, and it lies beneath them.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
  }
  record.kind = WindowKind::PushButton;
  auto* button = new QPushButton(ItemText(item), dialog.widget);
  button->setDefault(kind == BS_DEFPUSHBUTTON);
  WindowRecord* self = &record;
  QObject::connect(button, &QPushButton::clicked, button,
                   [self] { NotifyParent(self, BN_CLICKED); });
  return button;
}

QWidget* CreateEdit(WindowRecord& record, WindowRecord& dialog, const DialogItemTemplate& item) {
  record.kind = WindowKind::Edit;
  auto* edit = new QLineEdit(ItemText(item), dialog.widget);
  Qt::Alignment alignment = Qt::AlignLeft;
  if ((item.style & ES_RIGHT) != 0)
    alignment = Qt::AlignRight;
  else if ((item.style & ES_CENTER) != 0)
    alignment = Qt::AlignHCenter;
  edit->setAlignment(alignment | Qt::AlignVCenter);
  edit->setReadOnly((item.style & ES_READONLY) != 0);
  edit->setFrame((item.style & WS_BORDER) != 0);
  if ((item.style & ES_PASSWORD) != 0) edit->setEchoMode(QLineEdit::Password);
  // The real edit is tighter than Qt's; its text must fit a 12-unit row.
  edit->setTextMargins(0, 0, 0, 0);
  edit->setContentsMargins(0, 0, 0, 0);
  WindowRecord* self = &record;
  QObject::connect(edit, &QLineEdit::textChanged, edit, [self] {
    if (!self->settingText) NotifyParent(self, EN_CHANGE);
  });
  return edit;
}

QWidget* CreateStatic(WindowRecord& record, WindowRecord& dialog, const DialogItemTemplate& item,
                      const ResourceModule& module) {
  record.kind = WindowKind::Static;
  auto* label = new QLabel(dialog.widget);
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->setMargin(0);
  const DWORD kind = item.style & SS_TYPEMASK;
  const auto* picture = std::get_if<std::uint16_t>(&item.text);
  if (kind == SS_ICON || kind == SS_BITMAP) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (picture != nullptr && kind == SS_ICON) {
      record.icon = LoadIcon(&module, MAKEINTRESOURCE(*picture));
      if (record.icon != nullptr) label->setPixmap(LiveIcon(record.icon)->ToPixmap(32));
    } else if (picture != nullptr) {
      record.bitmap = LoadBitmap(&module, MAKEINTRESOURCE(*picture));
      if (record.bitmap != nullptr)
        label->setPixmap(QPixmap::fromImage(LiveBitmap(record.bitmap)->image));
    }
    record.ownsPicture = true;
    return label;
  }
  Qt::Alignment alignment = Qt::AlignLeft;
  if (kind == SS_CENTER)
    alignment = Qt::AlignHCenter;
  else if (kind == SS_RIGHT)
    alignment = Qt::AlignRight;
  label->setAlignment(alignment | Qt::AlignTop);
  label->setWordWrap(kind != SS_LEFTNOWORDWRAP);
  label->setText(ItemText(item));
  return label;
}

QWidget* CreateWidget(WindowRecord& record, WindowRecord& dialog, const DialogItemTemplate& item,
                      const ResourceModule& module) {
  switch (ClassOrdinal(item.windowClass)) {
    case kButtonClass:
      return CreateButton(record, dialog, item);
    case kEditClass:
      return CreateEdit(record, dialog, item);
    case kStaticClass:
      return CreateStatic(record, dialog, item, module);
    case kListBoxClass:
      record.kind = WindowKind::ListBox;
      return new QListWidget(dialog.widget);
    case kComboBoxClass:
      record.kind = WindowKind::ComboBox;
      return new QComboBox(dialog.widget);
    default:
      record.kind = WindowKind::Other;
      return new QWidget(dialog.widget);
  }
}

void ApplyCommonStyles(QWidget* widget, const WindowRecord& record, DWORD style) {
  const bool takesFocus = record.kind == WindowKind::PushButton ||
                          record.kind == WindowKind::Edit || record.kind == WindowKind::ListBox ||
                          record.kind == WindowKind::ComboBox;
  if (!takesFocus)
    widget->setFocusPolicy(Qt::NoFocus);
  else
    widget->setFocusPolicy((style & WS_TABSTOP) != 0 ? Qt::StrongFocus : Qt::ClickFocus);
  widget->setEnabled((style & WS_DISABLED) == 0);
  widget->setVisible((style & WS_VISIBLE) != 0);
}

}  // namespace

std::unique_ptr<WindowRecord> CreateControl(WindowRecord& dialog, const DialogItemTemplate& item,
                                            const ResourceModule& module) {
  auto record = std::make_unique<WindowRecord>(WindowKind::Other, item.id, item.style);
  record->parent = &dialog;
  QWidget* widget = CreateWidget(*record, dialog, item, module);
  record->widget = widget;
  RECT rect{item.x, item.y, item.x + item.cx, item.y + item.cy};
  MapDialogRect(&dialog, &rect);
  widget->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  ApplyCommonStyles(widget, *record, item.style);
  if (record->kind == WindowKind::GroupBox) widget->lower();
  return record;
}
