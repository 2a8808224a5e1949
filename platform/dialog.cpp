#include "platform/dialog.h"

#include <QApplication>
#include <QPushButton>

#include "platform/dialog_controls.h"
#include "platform/dialog_font.h"
#include "platform/dialog_run.h"
#include "platform/dialog_window.h"
#include "platform/win_app.h"
#include "platform/window_functions.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
END_MESSAGE_MAP()

namespace {

// The window that owns a dialog without a parent: the active modal window,
// else the active window.
QWidget* ActiveWindow() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
  if (run_ != nullptr || QApplication::instance() == nullptr) return -1;
  HINSTANCE module = templateModule_ != nullptr ? templateModule_ : AfxGetResourceHandle();
  if (module == nullptr) return -1;
  const auto bytes =
      module->Find(ResourceModule::Key{std::uint16_t{5}},
                   ResourceModule::Key{static_cast<std::uint16_t>(templateId_ & 0xFFFF)});
  const auto parsed = bytes ? ParseDialogTemplate(*bytes) : std::nullopt;
  if (!parsed) return -1;

  DialogRun run(this);
  run_ = &run;
  run.Create(*module, *parsed);
  const int result = run.Run();
  run_ = nullptr;
  return result;
}

void CDialog::EndDialog(int result) {
  if (run_ != nullptr) run_->End(result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange exchange(this, saveAndValidate);
  DoDataExchange(&exchange);
  return TRUE;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

// --- The modal run -----------------------------------------------------------

bool DialogRun::Create(const ResourceModule& module, const DialogTemplate& dialogTemplate) {
  QWidget* ownerWidget = nullptr;
  if (dialog->parent_ != nullptr && LiveWindow(dialog->parent_->m_hWnd) != nullptr) {
    ownerRecord = dialog->parent_->m_hWnd;
    ownerWidget = ownerRecord->widget;
  } else {
    ownerWidget = ActiveWindow();
    ownerRecord = DialogRecordOfWidget(ownerWidget);
  }
  owner = ownerWidget;

  auto* widget = new DialogWindow(ownerWidget);
  window = widget;
  record = std::make_unique<WindowRecord>(WindowKind::Dialog, 0, dialogTemplate.style);
  record->widget = widget;
  record->dialog = dialog;
  dialog->m_hWnd = record.get();

  const QFont font = DialogFont(dialogTemplate);
  const QSize baseUnits = DialogBaseUnits(font);
  record->baseUnitX = baseUnits.width();
  record->baseUnitY = baseUnits.height();
  widget->setFont(font);
  widget->setWindowTitle(QString::fromStdU16String(dialogTemplate.title));
  RECT size{0, 0, dialogTemplate.cx, dialogTemplate.cy};
  MapDialogRect(record.get(), &size);
  widget->resize(size.right, size.bottom);

  WindowRecord* self = record.get();
  widget->onCommand = [self](unsigned id) { Command(self, BN_CLICKED, id); };
  widget->onSize = [self](int cx, int cy) { Size(self, SIZE_RESTORED, cx, cy); };
  // The window exists and has its size before its controls do, as with
  // the real dialog manager: the size goes out first.
  widget->ReportSize();

  for (const DialogItemTemplate& item : dialogTemplate.items) {
    record->children.push_back(CreateControl(*record, item, module));
  }
  QWidget* previous = nullptr;
  for (const auto& child : record->children) {
    if (child->widget == nullptr || child->widget->focusPolicy() != Qt::StrongFocus) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, child->widget);
    previous = child->widget;
  }
  return true;
}

int DialogRun::Run() {
  if (ownerRecord != nullptr) ++ownerRecord->modalOwnerCount;
  const bool focusFirst = dialog->OnInitDialog() != FALSE;
  if (!ended && window != nullptr) {
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->raise();
    window->activateWindow();
    if (focusFirst) FocusFirstTabStop();
    if (!ended) {
      QEventLoop localLoop;
      loop = &localLoop;
      localLoop.exec(QEventLoop::DialogExec);
      loop = nullptr;
    }
  }
  return result;
}

void DialogRun::FocusFirstTabStop() {
  for (const auto& child : record->children) {
    QWidget* widget = child->widget;
    if (widget != nullptr && (child->style & WS_TABSTOP) != 0 && widget->isVisible() &&
        widget->isEnabled()) {
      widget->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void DialogRun::End(int code) {
  if (ended) return;
  ended = true;
  result = code;
  if (window != nullptr) window->hide();
  if (loop != nullptr) loop->quit();
}

DialogRun::~DialogRun() {
  if (LiveWindow(ownerRecord) != nullptr) --ownerRecord->modalOwnerCount;
  if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == dialog)
    app->m_pMainWnd = nullptr;
  // Widgets first, so that no control signal reaches a record being torn
  // down; then the records, which clear the wrappers' handles.
  delete window.data();
  record.reset();
  dialog->m_hWnd = nullptr;
  if (owner != nullptr && owner->isVisible()) owner->activateWindow();
}

void DialogRun::Command(WindowRecord* dialogRecord, UINT code, UINT id) {
  if (LiveWindow(dialogRecord) == nullptr || dialogRecord->dialog == nullptr) return;
  CDialog* target = dialogRecord->dialog;
  if (target->OnCmdMsg(WM_COMMAND, code, id,
                       MAKEWPARAM(static_cast<WORD>(id), static_cast<WORD>(code)), 0)) {
    return;
  }
  if (code != BN_CLICKED) return;
  if (id == static_cast<UINT>(IDOK))
    target->OnOK();
  else if (id == static_cast<UINT>(IDCANCEL))
    target->OnCancel();
}

void DialogRun::Size(WindowRecord* dialogRecord, UINT type, int cx, int cy) {
  if (LiveWindow(dialogRecord) == nullptr || dialogRecord->dialog == nullptr) return;
  dialogRecord->dialog->OnCmdMsg(WM_SIZE, 0, 0, type,
                                 MAKELPARAM(static_cast<WORD>(cx), static_cast<WORD>(cy)));
}
