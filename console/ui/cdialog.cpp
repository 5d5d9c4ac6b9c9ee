#include "cdialog.h"

#include <cstdio>
#include <cstdlib>

#include "cwinapp.h"

namespace {

ui::Backend& TheBackend() { return AfxGetApp()->GetBackend(); }

}  // namespace

void DDX_Control(CDataExchange* exchange, int controlId, CWnd& control) {
    const ui::WindowHandle dialog = exchange->m_pDlgWnd->GetSafeHwnd();
    if (!TheBackend().HasControl(dialog, controlId)) {
        std::fprintf(stderr, "DDX_Control: dialog %u has no control %d\n",
                     exchange->m_pDlgWnd->GetTemplateId(), controlId);
        std::abort();
    }
    control.AttachControl(dialog, controlId);
}

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() { DestroyWindowIfAny(); }

bool CDialog::BuildWindow() {
    DestroyWindowIfAny();
    const ui::DialogTemplate* dialogTemplate =
        AfxGetApp()->GetResources().FindDialog(static_cast<int>(templateId_));
    if (dialogTemplate == nullptr) return false;
    CWnd* owner = parent_ != nullptr ? parent_ : AfxGetApp()->m_pMainWnd;
    const ui::WindowHandle ownerHandle = owner != nullptr && owner != this ? owner->GetSafeHwnd() : 0;
    AttachWindow(TheBackend().CreateDialogWindow(*dialogTemplate, *this, ownerHandle));
    return GetSafeHwnd() != 0;
}

void CDialog::DestroyWindowIfAny() {
    if (GetSafeHwnd() == 0) return;
    TheBackend().DestroyDialogWindow(GetSafeHwnd());
    DetachWindow();
}

INT_PTR CDialog::DoModal() {
    if (!BuildWindow()) return IDCANCEL;
    OnInitDialog();
    const int result = TheBackend().RunModal(GetSafeHwnd());
    DestroyWindowIfAny();
    return result;
}

BOOL CDialog::Create() {
    if (!BuildWindow()) return FALSE;
    OnInitDialog();
    return TRUE;
}

void CDialog::EndDialog(int result) {
    if (GetSafeHwnd() != 0) TheBackend().EndModal(GetSafeHwnd(), result);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange{this, saveAndValidate};
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange* /*exchange*/) {}

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnControlClicked(int controlId) {
    const UINT id = static_cast<UINT>(controlId);
    if (OnCmdMsg(id)) return;
    if (controlId == IDOK) OnOK();
    if (controlId == IDCANCEL) OnCancel();
}

void CDialog::OnSystemCommand(unsigned commandId, long parameter) {
    const ui::MessageMapEntry* entry =
        ui::FindMessageEntry(GetMessageMap(), ui::MessageKind::SysCommand, 0);
    if (entry != nullptr) {
        entry->handler(*this, ui::MessageArgs{commandId, parameter});
    } else {
        CWnd::OnSysCommand(commandId, parameter);
    }
}

void CDialog::OnPaintRequest() {
    const ui::MessageMapEntry* entry = ui::FindMessageEntry(GetMessageMap(), ui::MessageKind::Paint, 0);
    if (entry != nullptr) entry->handler(*this, ui::MessageArgs{});
}

const ui::IconResource* CDialog::OnQueryDragIcon() {
    const ui::MessageMapEntry* entry =
        ui::FindMessageEntry(GetMessageMap(), ui::MessageKind::QueryDragIcon, 0);
    return entry != nullptr ? entry->handler(*this, ui::MessageArgs{}) : nullptr;
}
