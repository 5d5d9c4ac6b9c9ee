// CAboutDlg: the About box (template 100), opened from the system menu.
#pragma once

#include "framework.h"
#include "resource_ids.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    enum { IDD = IDD_ABOUTBOX };

protected:
    void DoDataExchange(CDataExchange* exchange) override;

    DECLARE_MESSAGE_MAP()
};
