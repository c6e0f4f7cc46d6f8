// The About box: the program's title picture, closed by the usual dialog keys.
#pragma once

#include "framework/Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
