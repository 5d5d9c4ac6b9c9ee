// CFileDialog: the platform's Open or Save As dialog, asked through the back end.
#pragma once

#include "cstring.h"
#include "win_types.h"

class CWnd;

class CFileDialog {
public:
    // `openFileDialog`: TRUE for Open, FALSE for Save As. `flags`: OFN_OVERWRITEPROMPT asks
    // before a Save As names an existing file. Without `parent` the application's main window
    // owns the dialog.
    explicit CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension = nullptr,
                         LPCTSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCTSTR filter = nullptr, CWnd* parent = nullptr);

    // IDOK with a chosen path, IDCANCEL when cancelled or closed.
    INT_PTR DoModal();
    // The full path chosen; empty before DoModal returned IDOK.
    CString GetPathName() const { return path_; }

private:
    bool openFileDialog_;
    CString defaultExtension_;
    CString fileName_;
    DWORD flags_;
    CString filter_;
    CWnd* parent_;
    CString path_;
};
