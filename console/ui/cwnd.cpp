#include "cwnd.h"

#include "cwinapp.h"

namespace {

ui::Backend& TheBackend() { return AfxGetApp()->GetBackend(); }

}  // namespace

CWnd::CWnd() = default;
CWnd::~CWnd() {
    // A main window that goes away must not stay reachable through the application.
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
}

void CWnd::AttachControl(ui::WindowHandle dialog, int controlId) {
    window_ = dialog;
    controlId_ = controlId;
}

void CWnd::AttachWindow(ui::WindowHandle window) {
    window_ = window;
    controlId_ = 0;
}

void CWnd::DetachWindow() {
    window_ = 0;
    controlId_ = 0;
    systemMenu_.reset();
}

void CWnd::SetWindowText(LPCTSTR text) {
    if (window_ == 0) return;
    TheBackend().SetControlText(window_, controlId_, text != nullptr ? text : "");
}

void CWnd::GetWindowText(CString& text) const {
    text = window_ == 0 ? CString() : CString(TheBackend().GetControlText(window_, controlId_));
}

int CWnd::GetWindowTextLength() const {
    CString text;
    GetWindowText(text);
    return text.GetLength();
}

void CWnd::UpdateWindow() {
    if (window_ != 0) TheBackend().UpdateControlNow(window_, controlId_);
}

CMenu* CWnd::GetSystemMenu(BOOL /*revert*/) {
    if (window_ == 0 || controlId_ != 0 || !TheBackend().HasSystemMenu(window_)) return nullptr;
    if (!systemMenu_) systemMenu_ = std::make_unique<CMenu>(window_);
    return systemMenu_.get();
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    if (window_ != 0) TheBackend().SetWindowIcon(window_, icon, bigIcon != FALSE);
    return icon;
}

BOOL CWnd::IsIconic() const { return window_ != 0 && TheBackend().IsIconic(window_) ? TRUE : FALSE; }

void CWnd::GetClientRect(CRect* rect) const {
    if (rect == nullptr) return;
    const ui::Size size = window_ != 0 ? TheBackend().ClientSize(window_) : ui::Size{};
    *rect = CRect{0, 0, size.width, size.height};
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_ICONERASEBKGND && wParam != 0) {
        reinterpret_cast<HDC>(wParam)->EraseIconBackground();
    }
    return 0;
}

void CWnd::OnSysCommand(UINT id, LPARAM param) {
    if (window_ != 0) TheBackend().DefaultSystemCommand(window_, id, param);
}

int CButton::GetCheck() const {
    return GetSafeHwnd() != 0 && TheBackend().GetCheck(GetSafeHwnd(), GetDlgCtrlID()) != 0
               ? BST_CHECKED
               : BST_UNCHECKED;
}

void CButton::SetCheck(int state) {
    if (GetSafeHwnd() != 0) TheBackend().SetCheck(GetSafeHwnd(), GetDlgCtrlID(), state);
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCTSTR text) {
    if ((flags & MF_SEPARATOR) != 0) {
        TheBackend().AppendSystemMenuSeparator(window_);
    } else {
        TheBackend().AppendSystemMenuItem(window_, static_cast<unsigned>(id), text != nullptr ? text : "");
    }
    return TRUE;
}

int GetSystemMetrics(int index) {
    const ui::Size size = TheBackend().SystemIconSize();
    if (index == SM_CXICON) return size.width;
    if (index == SM_CYICON) return size.height;
    return 0;
}
