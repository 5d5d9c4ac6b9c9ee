// The "..." buttons: each asks for a file with the platform's file dialog and puts the chosen
// path into the edit beside it. A cancelled dialog changes nothing; no picker touches the log.
#include "kestrix_dlg.h"
#include "table_lookup.h"

namespace {

struct FilePicker {
    int controlId;
    CEdit CKestrixDlg::*edit;
    BOOL openDialog;  // FALSE: Save As, also for files that are then loaded
};

const FilePicker kFilePickers[] = {
    {IDC_BROWSE_PROJECT_FILE, &CKestrixDlg::m_editProjectFile, FALSE},
    {IDC_BROWSE_SCRIPT_LIBRARY_FILE, &CKestrixDlg::m_editScriptLibraryFile, FALSE},
    {IDC_BROWSE_SCRIPT_FILE, &CKestrixDlg::m_editScriptFile, FALSE},
    {IDC_BROWSE_PLAY_SCRIPT_FILE, &CKestrixDlg::m_editPlayScriptFile, FALSE},
    {IDC_BROWSE_AUTOMATOR_FILE, &CKestrixDlg::m_editAutomatorFile, TRUE},
    {IDC_BROWSE_LIVE_VIEW_FILE, &CKestrixDlg::m_editLiveViewFile, FALSE},
    {IDC_BROWSE_IMPORT_REGISTER_FILE, &CKestrixDlg::m_editImportRegisterFile, FALSE},
    {IDC_BROWSE_EXPORT_REGISTER_FILE, &CKestrixDlg::m_editExportRegisterFile, FALSE},
};

}  // namespace

void CKestrixDlg::BrowseForFile(int controlId) {
    const FilePicker& row = RowFor(kFilePickers, controlId);
    // Default extension "*.*", no file name, no overwrite prompt, no filter; the main window owns it.
    CFileDialog dialog(row.openDialog, "*.*", nullptr, 0, nullptr, nullptr);
    if (dialog.DoModal() == IDOK) ShowIn(this->*row.edit, dialog.GetPathName());
}

void CKestrixDlg::OnBrowseProjectFile() { BrowseForFile(IDC_BROWSE_PROJECT_FILE); }
void CKestrixDlg::OnBrowseScriptLibraryFile() { BrowseForFile(IDC_BROWSE_SCRIPT_LIBRARY_FILE); }
void CKestrixDlg::OnBrowseScriptFile() { BrowseForFile(IDC_BROWSE_SCRIPT_FILE); }
void CKestrixDlg::OnBrowsePlayScriptFile() { BrowseForFile(IDC_BROWSE_PLAY_SCRIPT_FILE); }
void CKestrixDlg::OnBrowseAutomatorFile() { BrowseForFile(IDC_BROWSE_AUTOMATOR_FILE); }
void CKestrixDlg::OnBrowseLiveViewFile() { BrowseForFile(IDC_BROWSE_LIVE_VIEW_FILE); }
void CKestrixDlg::OnBrowseImportRegisterFile() { BrowseForFile(IDC_BROWSE_IMPORT_REGISTER_FILE); }
void CKestrixDlg::OnBrowseExportRegisterFile() { BrowseForFile(IDC_BROWSE_EXPORT_REGISTER_FILE); }
