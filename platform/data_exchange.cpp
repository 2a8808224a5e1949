#include "platform/data_exchange.h"

#include "platform/window_functions.h"
#include "platform/window_record.h"
#include "platform/wnd.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  if (pDX == nullptr || pDX->m_pDlgWnd == nullptr || LiveWindow(control.m_hWnd) != nullptr) return;
  WindowRecord* child = LiveWindow(GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id));
  if (child == nullptr || child->bound != nullptr) return;
  child->bound = &control;
  control.m_hWnd = child;
}
