#include "cwinapp.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The application object registers itself here when it is constructed, as the framework does.
CWinApp*& RegisteredApp() {
    static CWinApp* app = nullptr;
    return app;
}

}  // namespace

CWinApp* AfxGetApp() { return RegisteredApp(); }

CWinApp::CWinApp(const ui::ResourceSet& resources) : resources_(&resources) { RegisteredApp() = this; }

CWinApp::~CWinApp() {
    if (RegisteredApp() == this) RegisteredApp() = nullptr;
}

BOOL CWinApp::InitInstance() { return FALSE; }

HICON CWinApp::LoadIcon(UINT id) const { return resources_->FindIcon(static_cast<int>(id)); }

ui::Backend& CWinApp::GetBackend() const {
    if (!backend_) {
        std::fputs("kestrix: no user-interface back end was installed\n", stderr);
        std::abort();
    }
    return *backend_;
}

ui::Backend& CWinApp::SetBackend(std::unique_ptr<ui::Backend> backend) {
    backend_ = std::move(backend);
    return *backend_;
}
