#include "platform/window_functions.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <unordered_map>

#include "platform/dialog_run.h"
#include "platform/image_records.h"
#include "platform/resource_images.h"
#include "platform/resource_module.h"
#include "platform/window_record.h"

namespace {

int fakeScreenWidth = 0;
int fakeScreenHeight = 0;
HINSTANCE resourceHandle = nullptr;

QString ToQString(LPCTSTR text) { return text == nullptr ? QString() : QString::fromUtf16(text); }

// Rounds a * b / c to the nearest integer, halves away from zero; -1 when c
// is 0.
int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const long long product = static_cast<long long>(a) * b;
  const long long half = std::llabs(c) / 2;
  const long long rounded =
      ((product < 0) != (c < 0)) ? (product - half) / c : (product + half) / c;
  return static_cast<int>(rounded);
}

QString WindowText(const WindowRecord& record) {
  QWidget* widget = record.widget;
  if (widget == nullptr) return {};
  switch (record.kind) {
    case WindowKind::Dialog:
      return widget->windowTitle();
    case WindowKind::PushButton:
      return static_cast<QAbstractButton*>(widget)->text();
    case WindowKind::GroupBox:
      return static_cast<QGroupBox*>(widget)->title();
    case WindowKind::Edit:
      return static_cast<QLineEdit*>(widget)->text();
    case WindowKind::Static:
      return static_cast<QLabel*>(widget)->text();
    case WindowKind::ComboBox:
      return static_cast<QComboBox*>(widget)->currentText();
    default:
      return {};
  }
}

void SetText(WindowRecord& record, const QString& text) {
  QWidget* widget = record.widget;
  if (widget == nullptr) return;
  switch (record.kind) {
    case WindowKind::Dialog:
      widget->setWindowTitle(text);
      break;
    case WindowKind::PushButton:
      static_cast<QAbstractButton*>(widget)->setText(text);
      break;
    case WindowKind::GroupBox:
      static_cast<QGroupBox*>(widget)->setTitle(text);
      break;
    case WindowKind::Static:
      static_cast<QLabel*>(widget)->setText(text);
      break;
    case WindowKind::Edit: {
      // The edit's own change signal stays quiet here: EN_CHANGE follows
      // once, whether or not the text changed.
      record.settingText = true;
      static_cast<QLineEdit*>(widget)->setText(text);
      record.settingText = false;
      NotifyParent(&record, EN_CHANGE);
      break;
    }
    default:
      break;
  }
}

int CopyText(const QString& text, LPTSTR buffer, int maxCount) {
  if (buffer == nullptr || maxCount <= 0) return 0;
  const int count = std::min<int>(static_cast<int>(text.size()), maxCount - 1);
  std::copy_n(reinterpret_cast<const char16_t*>(text.utf16()), count, buffer);
  buffer[count] = 0;
  return count;
}

LRESULT EditMessage(WindowRecord& record, UINT message, LPARAM lParam) {
  auto* edit = static_cast<QLineEdit*>(record.widget.data());
  const QString text = edit->text();
  switch (message) {
    case EM_GETLINE: {
      // A single-line edit has only line 0; the room comes in the buffer.
      auto* buffer = reinterpret_cast<char16_t*>(lParam);
      if (buffer == nullptr) return 0;
      const int room = buffer[0];
      const int count = std::min<int>(room, static_cast<int>(text.size()));
      std::copy_n(reinterpret_cast<const char16_t*>(text.utf16()), count, buffer);
      return count;
    }
    case EM_LINELENGTH:
      return text.size();
    case EM_LINEINDEX:
      return 0;
    default:
      return 0;
  }
}

LRESULT StaticMessage(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* label = static_cast<QLabel*>(record.widget.data());
  if (message == STM_GETIMAGE) {
    if (wParam == IMAGE_ICON) return reinterpret_cast<LRESULT>(LiveIcon(record.icon));
    if (wParam == IMAGE_BITMAP) return reinterpret_cast<LRESULT>(LiveBitmap(record.bitmap));
    return 0;
  }
  if (message != STM_SETIMAGE) return 0;
  LRESULT previous = 0;
  if (wParam == IMAGE_ICON) {
    previous = reinterpret_cast<LRESULT>(LiveIcon(record.icon));
    record.icon = LiveIcon(reinterpret_cast<HICON>(lParam));
    label->setPixmap(record.icon != nullptr ? record.icon->ToPixmap(32) : QPixmap());
  } else if (wParam == IMAGE_BITMAP) {
    previous = reinterpret_cast<LRESULT>(LiveBitmap(record.bitmap));
    record.bitmap = LiveBitmap(reinterpret_cast<HBITMAP>(lParam));
    label->setPixmap(record.bitmap != nullptr ? QPixmap::fromImage(record.bitmap->image)
                                              : QPixmap());
  } else {
    return 0;
  }
  // Images set from outside belong to whoever set them.
  record.ownsPicture = false;
  return previous;
}

LRESULT ListMessage(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* list = static_cast<QListWidget*>(record.widget.data());
  switch (message) {
    case LB_ADDSTRING:
      list->addItem(ToQString(reinterpret_cast<LPCTSTR>(lParam)));
      return list->count() - 1;
    case LB_GETCOUNT:
      return list->count();
    case LB_GETCURSEL:
      return list->currentRow() < 0 ? LB_ERR : list->currentRow();
    case LB_SETCURSEL: {
      const auto index = static_cast<int>(static_cast<std::intptr_t>(wParam));
      if (index < 0 || index >= list->count()) {
        list->setCurrentRow(-1);
        return LB_ERR;
      }
      list->setCurrentRow(index);
      return index;
    }
    default:
      return 0;
  }
}

LRESULT ComboMessage(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* combo = static_cast<QComboBox*>(record.widget.data());
  switch (message) {
    case CB_ADDSTRING:
      combo->addItem(ToQString(reinterpret_cast<LPCTSTR>(lParam)));
      return combo->count() - 1;
    case CB_GETCOUNT:
      return combo->count();
    case CB_GETCURSEL:
      return combo->currentIndex() < 0 ? CB_ERR : combo->currentIndex();
    case CB_SETCURSEL: {
      const auto index = static_cast<int>(static_cast<std::intptr_t>(wParam));
      if (index < 0 || index >= combo->count()) {
        combo->setCurrentIndex(-1);
        return CB_ERR;
      }
      combo->setCurrentIndex(index);
      return index;
    }
    default:
      return 0;
  }
}

LRESULT DialogMessage(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      DialogRun::Command(&record, HIWORD(wParam), LOWORD(wParam));
      return 0;
    case WM_SIZE:
      DialogRun::Size(&record, static_cast<UINT>(wParam),
                      LOWORD(static_cast<std::uintptr_t>(lParam)),
                      HIWORD(static_cast<std::uintptr_t>(lParam)));
      return 0;
    case WM_CLOSE:
      DialogRun::Command(&record, BN_CLICKED, IDOK);
      return 0;
    case WM_GETICON:
      return reinterpret_cast<LRESULT>(
          LiveIcon(wParam == ICON_SMALL ? record.smallIcon : record.bigIcon));
    case WM_SETICON: {
      HICON& slot = wParam == ICON_SMALL ? record.smallIcon : record.bigIcon;
      const HICON previous = LiveIcon(slot);
      slot = LiveIcon(reinterpret_cast<HICON>(lParam));
      const HICON shown =
          LiveIcon(record.bigIcon) != nullptr ? record.bigIcon : LiveIcon(record.smallIcon);
      if (record.widget != nullptr)
        record.widget->setWindowIcon(shown != nullptr ? shown->ToIcon() : QIcon());
      return reinterpret_cast<LRESULT>(previous);
    }
    default:
      return 0;
  }
}

ResourceModule::Key ToKey(ResourceId id) {
  if (id.IsNumber()) return ResourceModule::Key{std::uint16_t{id.number()}};
  return ResourceModule::Key{std::u16string(id.name())};
}

const ResourceModule::Entry* ToEntry(HMODULE module, HRSRC resource) {
  if (module == nullptr || resource == nullptr) return nullptr;
  const auto* entry = reinterpret_cast<const ResourceModule::Entry*>(resource);
  const auto& entries = module->entries();
  for (const auto& candidate : entries) {
    if (&candidate == entry) return entry;
  }
  return nullptr;
}

struct Move {
  HWND window;
  int x, y, cx, cy;
  UINT flags;
};

}  // namespace

struct DeferRecord {
  std::vector<Move> moves;
};

namespace {

std::unordered_map<DeferRecord*, std::unique_ptr<DeferRecord>>& Batches() {
  static std::unordered_map<DeferRecord*, std::unique_ptr<DeferRecord>> batches;
  return batches;
}

void ApplyMove(const Move& move) {
  WindowRecord* record = LiveWindow(move.window);
  if (record == nullptr || record->widget == nullptr) return;
  QWidget* widget = record->widget;
  const QPoint position = (move.flags & SWP_NOMOVE) != 0 ? widget->pos() : QPoint(move.x, move.y);
  const QSize size = (move.flags & SWP_NOSIZE) != 0 ? widget->size() : QSize(move.cx, move.cy);
  if (widget->isWindow()) {
    widget->move(position);
    widget->resize(size);
  } else {
    widget->setGeometry(QRect(position, size));
  }
}

}  // namespace

void NotifyParent(WindowRecord* control, UINT code) {
  if (control == nullptr || control->parent == nullptr) return;
  DialogRun::Command(control->parent, code, control->id);
}

HWND GetDlgItem(HWND dialog, int id) {
  WindowRecord* record = LiveWindow(dialog);
  if (record == nullptr) return nullptr;
  const auto wanted = static_cast<WORD>(id & 0xFFFF);
  HWND found = nullptr;
  for (const auto& child : record->children) {
    if (child->id != wanted) continue;
    if (found != nullptr) return nullptr;  // shared identifier: addresses none
    found = child.get();
  }
  return found;
}

int GetDlgCtrlID(HWND window) {
  WindowRecord* record = LiveWindow(window);
  return record != nullptr && record->parent != nullptr ? record->id : 0;
}

BOOL IsWindow(HWND window) { return LiveWindow(window) != nullptr ? TRUE : FALSE; }

BOOL IsWindowEnabled(HWND window) {
  WindowRecord* record = LiveWindow(window);
  if (record == nullptr || record->widget == nullptr) return FALSE;
  return record->widget->isEnabled() && record->modalOwnerCount == 0 ? TRUE : FALSE;
}

BOOL EnableWindow(HWND window, BOOL enable) {
  WindowRecord* record = LiveWindow(window);
  if (record == nullptr || record->widget == nullptr) return FALSE;
  const BOOL wasDisabled = IsWindowEnabled(window) ? FALSE : TRUE;
  record->widget->setEnabled(enable != FALSE);
  return wasDisabled;
}

BOOL IsWindowVisible(HWND window) {
  WindowRecord* record = LiveWindow(window);
  return record != nullptr && record->widget != nullptr && record->widget->isVisible() ? TRUE
                                                                                       : FALSE;
}

BOOL SetWindowText(HWND window, LPCTSTR text) {
  WindowRecord* record = LiveWindow(window);
  if (record == nullptr) return FALSE;
  SetText(*record, ToQString(text));
  return TRUE;
}

int GetWindowText(HWND window, LPTSTR buffer, int maxCount) {
  WindowRecord* record = LiveWindow(window);
  return record == nullptr ? 0 : CopyText(WindowText(*record), buffer, maxCount);
}

int GetWindowTextLength(HWND window) {
  WindowRecord* record = LiveWindow(window);
  return record == nullptr ? 0 : static_cast<int>(WindowText(*record).size());
}

BOOL SetDlgItemText(HWND dialog, int id, LPCTSTR text) {
  return SetWindowText(GetDlgItem(dialog, id), text);
}

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = LiveWindow(window);
  if (record == nullptr || record->widget == nullptr) return 0;
  switch (message) {
    case WM_SETTEXT:
      return SetWindowText(window, reinterpret_cast<LPCTSTR>(lParam));
    case WM_GETTEXT:
      return GetWindowText(window, reinterpret_cast<LPTSTR>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH:
      return GetWindowTextLength(window);
    default:
      break;
  }
  switch (record->kind) {
    case WindowKind::Dialog:
      return DialogMessage(*record, message, wParam, lParam);
    case WindowKind::Edit:
      return EditMessage(*record, message, lParam);
    case WindowKind::Static:
      return StaticMessage(*record, message, wParam, lParam);
    case WindowKind::ListBox:
      return ListMessage(*record, message, wParam, lParam);
    case WindowKind::ComboBox:
      return ComboMessage(*record, message, wParam, lParam);
    case WindowKind::PushButton:
      if (message == BM_CLICK) static_cast<QAbstractButton*>(record->widget.data())->click();
      return 0;
    default:
      return 0;
  }
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessage(GetDlgItem(dialog, id), message, wParam, lParam);
}

BOOL MapDialogRect(HWND dialog, RECT* rect) {
  WindowRecord* record = LiveWindow(dialog);
  if (record == nullptr || record->kind != WindowKind::Dialog || rect == nullptr) return FALSE;
  rect->left = MulDiv(rect->left, record->baseUnitX, 4);
  rect->right = MulDiv(rect->right, record->baseUnitX, 4);
  rect->top = MulDiv(rect->top, record->baseUnitY, 8);
  rect->bottom = MulDiv(rect->bottom, record->baseUnitY, 8);
  return TRUE;
}

int GetSystemMetrics(int index) {
  if (index != SM_CXSCREEN && index != SM_CYSCREEN) return 0;
  if (fakeScreenWidth > 0 && fakeScreenHeight > 0) {
    return index == SM_CXSCREEN ? fakeScreenWidth : fakeScreenHeight;
  }
  const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
                              ? QGuiApplication::primaryScreen()
                              : nullptr;
  if (screen == nullptr) return 0;
  return index == SM_CXSCREEN ? screen->size().width() : screen->size().height();
}

void SetScreenSizeForTesting(int width, int height) {
  fakeScreenWidth = width;
  fakeScreenHeight = height;
}

HDWP BeginDeferWindowPos(int count) {
  if (count < 0) return nullptr;
  auto batch = std::make_unique<DeferRecord>();
  batch->moves.reserve(static_cast<std::size_t>(count));
  DeferRecord* handle = batch.get();
  Batches().emplace(handle, std::move(batch));
  return handle;
}

HDWP DeferWindowPos(HDWP batch, HWND window, HWND /*insertAfter*/, int x, int y, int cx, int cy,
                    UINT flags) {
  if (!Batches().contains(batch) || LiveWindow(window) == nullptr) return nullptr;
  batch->moves.push_back(Move{window, x, y, cx, cy, flags});
  return batch;
}

BOOL EndDeferWindowPos(HDWP batch) {
  const auto found = Batches().find(batch);
  if (found == Batches().end()) return FALSE;
  const std::unique_ptr<DeferRecord> owned = std::move(found->second);
  Batches().erase(found);
  for (const Move& move : owned->moves) ApplyMove(move);
  return TRUE;
}

HINSTANCE AfxGetResourceHandle() {
  return resourceHandle != nullptr ? resourceHandle : &ApplicationResources();
}

HINSTANCE AfxGetInstanceHandle() { return AfxGetResourceHandle(); }

void AfxSetResourceHandle(HINSTANCE module) { resourceHandle = module; }

HRSRC FindResource(HMODULE module, ResourceId name, ResourceId type) {
  if (module == nullptr) return nullptr;
  if (!name.IsNumber() && name.name() == nullptr) return nullptr;
  const auto data = module->Find(ToKey(type), ToKey(name));
  if (!data) return nullptr;
  for (const auto& entry : module->entries()) {
    if (entry.data.data() == data->data() && entry.data.size() == data->size()) {
      return reinterpret_cast<HRSRC>(&entry);
    }
  }
  return nullptr;
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
  const ResourceModule::Entry* entry = ToEntry(module, resource);
  if (entry == nullptr) return nullptr;
  // An empty resource still loads: its handle must not read as a failure.
  static const std::uint8_t empty = 0;
  return entry->data.empty() ? &empty : entry->data.data();
}

const void* LockResource(HGLOBAL data) { return data; }

DWORD SizeofResource(HMODULE module, HRSRC resource) {
  const ResourceModule::Entry* entry = ToEntry(module, resource);
  return entry == nullptr ? 0 : static_cast<DWORD>(entry->data.size());
}

HICON LoadIcon(HINSTANCE module, ResourceId name) {
  if (module == nullptr) return nullptr;
  std::vector<QImage> images = LoadIconImages(*module, ToKey(name));
  return images.empty() ? nullptr : NewIcon(std::move(images));
}

HBITMAP LoadBitmap(HINSTANCE module, ResourceId name) {
  if (module == nullptr) return nullptr;
  QImage image = LoadBitmapImage(*module, ToKey(name));
  return image.isNull() ? nullptr : NewBitmap(std::move(image));
}

BOOL SHInitExtraControls() { return TRUE; }
