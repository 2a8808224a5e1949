#pragma once

#include "platform/framework.h"

// The about box: fixed texts and the program's picture, closed with OK or
// Cancel. It reads and changes nothing.
class CApropos : public CDialog {
  DECLARE_DYNAMIC(CApropos)

 public:
  explicit CApropos(CWnd* parent = nullptr);

  DECLARE_MESSAGE_MAP()
};
