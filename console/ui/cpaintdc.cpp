#include "cpaintdc.h"

#include "cwinapp.h"
#include "cwnd.h"

CPaintDC::CPaintDC(CWnd* window) {
    if (window != nullptr && window->GetSafeHwnd() != 0) {
        surface_ = AfxGetApp()->GetBackend().BeginPaint(window->GetSafeHwnd());
    }
}

CPaintDC::~CPaintDC() = default;

BOOL CPaintDC::DrawIcon(int x, int y, HICON icon) {
    if (!surface_ || icon == nullptr) return FALSE;
    surface_->DrawIcon(x, y, *icon);
    return TRUE;
}
