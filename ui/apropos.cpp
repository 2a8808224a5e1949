#include "ui/apropos.h"

#include "res/resource_ids.h"

IMPLEMENT_DYNAMIC(CApropos, CDialog)

BEGIN_MESSAGE_MAP(CApropos, CDialog)
END_MESSAGE_MAP()

CApropos::CApropos(CWnd* parent) : CDialog(IDD_APROPOS, parent) {}
