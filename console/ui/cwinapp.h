// CWinApp: the one application object. It holds what the whole program shares: its resources,
// the back end chosen at start-up and the main window.
#pragma once

#include <memory>

#include "backend.h"
#include "message_map.h"
#include "resource_types.h"
#include "win_types.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    // Registers the object as the application (AfxGetApp); there is one per program.
    explicit CWinApp(const ui::ResourceSet& resources);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Start-up; FALSE ends the program instead of running a message loop.
    virtual BOOL InitInstance();

    // Three-dimensional control drawing: every back end draws its controls in its own style.
    BOOL Enable3dControlsStatic() { return TRUE; }
    // Icon resource `id`, or nullptr.
    HICON LoadIcon(UINT id) const;

    CWnd* m_pMainWnd = nullptr;

    // The back end in use; the program stops with a message when none has been installed.
    ui::Backend& GetBackend() const;
    // Installs the back end chosen at start-up (or a test's); returns it.
    ui::Backend& SetBackend(std::unique_ptr<ui::Backend> backend);
    void ReleaseBackend() { backend_.reset(); }

    const ui::ResourceSet& GetResources() const { return *resources_; }
    // Replaces the resources (tests use a changed copy); `resources` must outlive their use.
    void SetResources(const ui::ResourceSet& resources) { resources_ = &resources; }

protected:
    // The standard Help command: this program has no help file, so there is nothing to show.
    void OnHelp() {}

private:
    const ui::ResourceSet* resources_;
    std::unique_ptr<ui::Backend> backend_;
};

// The application object.
CWinApp* AfxGetApp();
