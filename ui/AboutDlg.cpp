#include "ui/AboutDlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT, nullptr) {}
