#include "cfiledialog.h"

#include "cwinapp.h"
#include "cwnd.h"

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension, LPCTSTR fileName, DWORD flags,
                         LPCTSTR filter, CWnd* parent)
    : openFileDialog_(openFileDialog != FALSE),
      defaultExtension_(defaultExtension),
      fileName_(fileName),
      flags_(flags),
      filter_(filter),
      parent_(parent) {}

INT_PTR CFileDialog::DoModal() {
    CWnd* owner = parent_ != nullptr ? parent_ : AfxGetApp()->m_pMainWnd;
    ui::FileDialogRequest request;
    request.openDialog = openFileDialog_;
    request.defaultExtension = defaultExtension_.str();
    request.initialFileName = fileName_.str();
    request.overwritePrompt = (flags_ & OFN_OVERWRITEPROMPT) != 0;
    request.filter = filter_.str();
    request.owner = owner != nullptr ? owner->GetSafeHwnd() : 0;
    const std::optional<std::string> chosen = AfxGetApp()->GetBackend().AskFileName(request);
    if (!chosen) return IDCANCEL;
    path_ = *chosen;
    return IDOK;
}
