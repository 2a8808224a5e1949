#include "ui/apply_template_layout.h"

#include <cstdint>
#include <span>
#include <variant>

#include "platform/window_functions.h"

namespace {

// The walk's steps done on real windows, with one batch of deferred moves.
class WindowLayoutTarget final : public TemplateLayoutTarget {
 public:
  WindowLayoutTarget(HINSTANCE module, HWND dialog) : module_(module), dialog_(dialog) {}

  bool BeginBatch(int count) override {
    batch_ = BeginDeferWindowPos(count);
    return batch_ != nullptr;
  }
  bool HasControl(WORD id) override { return GetDlgItem(dialog_, id) != nullptr; }
  bool MapToPixels(RECT& rect) override { return MapDialogRect(dialog_, &rect) != FALSE; }
  bool AddMove(WORD id, int x, int y, int width, int height) override {
    // A failed add leaves the batch valid, so the handle is kept as it is.
    return DeferWindowPos(batch_, GetDlgItem(dialog_, id), nullptr, x, y, width, height,
                          SWP_NOZORDER) != nullptr;
  }
  void RestoreContent(const TemplateItemHeader& item, const ResourceModule::Key& windowClass,
                      const ResourceModule::Key& text) override {
    RestoreItemContent(module_, dialog_, item, windowClass, text);
  }
  bool ApplyBatch() override { return EndDeferWindowPos(batch_) != FALSE; }

 private:
  HINSTANCE module_;
  HWND dialog_;
  HDWP batch_ = nullptr;
};

std::span<const std::uint8_t> FindTemplate(HINSTANCE module, UINT templateId) {
  const HRSRC resource = FindResource(module, MAKEINTRESOURCE(templateId), RT_DIALOG);
  if (resource == nullptr) return {};
  const void* data = LockResource(LoadResource(module, resource));
  if (data == nullptr) return {};
  return {static_cast<const std::uint8_t*>(data), SizeofResource(module, resource)};
}

// Icon or bitmap `number` reloaded into a picture static; the old image is
// freed only once the new one is in place.
void ReloadIcon(HINSTANCE module, HWND dialog, int id, WORD number) {
  const LRESULT old = SendDlgItemMessage(dialog, id, STM_GETIMAGE, IMAGE_ICON, 0);
  const HICON icon = LoadIcon(module, MAKEINTRESOURCE(number));
  if (icon == nullptr) return;
  SendDlgItemMessage(dialog, id, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
  DestroyIcon(reinterpret_cast<HICON>(old));
}

void ReloadBitmap(HINSTANCE module, HWND dialog, int id, WORD number) {
  const LRESULT old = SendDlgItemMessage(dialog, id, STM_GETIMAGE, IMAGE_BITMAP, 0);
  const HBITMAP bitmap = LoadBitmap(module, MAKEINTRESOURCE(number));
  if (bitmap == nullptr) return;
  SendDlgItemMessage(dialog, id, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  DeleteObject(reinterpret_cast<HGDIOBJ>(old));
}

void RestoreTextOrImage(HINSTANCE module, HWND dialog, const TemplateItemHeader& item,
                        const ResourceModule::Key& text) {
  if (const auto* string = std::get_if<std::u16string>(&text)) {
    SetDlgItemText(dialog, item.id, string->c_str());
    return;
  }
  const WORD number = std::get<std::uint16_t>(text);
  if ((item.style & 0x3) == SS_ICON) {
    ReloadIcon(module, dialog, item.id, number);
  } else if ((item.style & 0xE) == SS_BITMAP) {
    ReloadBitmap(module, dialog, item.id, number);
  }
}

void RestoreSelection(HWND dialog, int id, UINT getMessage, UINT setMessage) {
  const LRESULT index = SendDlgItemMessage(dialog, id, getMessage, 0, 0);
  if (index != -1) SendDlgItemMessage(dialog, id, setMessage, static_cast<WPARAM>(index), 0);
}

}  // namespace

bool ApplyTemplateLayout(HINSTANCE module, HWND dialog, UINT templateId) {
  const auto bytes = FindTemplate(module, templateId);
  if (bytes.data() == nullptr) return false;
  WindowLayoutTarget target(module, dialog);
  return WalkTemplateLayout(bytes, target);
}

void RestoreItemContent(HINSTANCE module, HWND dialog, const TemplateItemHeader& item,
                        const ResourceModule::Key& windowClass, const ResourceModule::Key& text) {
  const auto* ordinal = std::get_if<std::uint16_t>(&windowClass);
  if (ordinal == nullptr) return;
  switch (*ordinal) {
    case kButtonClass:
    case kStaticClass:
      RestoreTextOrImage(module, dialog, item, text);
      break;
    case kListBoxClass:
      RestoreSelection(dialog, item.id, LB_GETCURSEL, LB_SETCURSEL);
      break;
    case kComboBoxClass:
      RestoreSelection(dialog, item.id, CB_GETCURSEL, CB_SETCURSEL);
      break;
    default:
      break;
  }
}
