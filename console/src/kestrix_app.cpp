#include "kestrix_app.h"

#include "kestrix_dlg.h"
#include "kestrix_resources.h"

BEGIN_MESSAGE_MAP(CKestrixApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CKestrixApp::CKestrixApp() : CWinApp(KestrixResources()) {}

CKestrixApp theApp;

BOOL CKestrixApp::InitInstance() {
    Enable3dControlsStatic();
    CKestrixDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();  // IDOK after Exit, IDCANCEL after Cancel: either way the program ends
    m_pMainWnd = nullptr;  // the dialog is gone; nothing may reach it through the application
    return FALSE;
}
