// CWnd and the control wrappers. A CWnd names a window through the back end: a dialog by its
// handle, a control by its dialog's handle and its identifier. Control wrappers are bound to
// their control by DDX_Control while the dialog initialises.
#pragma once

#include <memory>

#include "cstring.h"
#include "message_map.h"

class CMenu;

class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Text of the window (of the control, for control wrappers).
    void SetWindowText(LPCTSTR text);
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    // Repaints this window at once.
    void UpdateWindow();

    // The system menu of a dialog window, or nullptr when it has none. `revert` is accepted
    // for the platform's signature; the menu is never reset.
    CMenu* GetSystemMenu(BOOL revert);
    // Sets the big or small icon (WM_SETICON); returns the icon given.
    HICON SetIcon(HICON icon, BOOL bigIcon);
    BOOL IsIconic() const;
    void GetClientRect(CRect* rect) const;
    // Handles WM_ICONERASEBKGND (wParam: the HDC); other messages are ignored and give 0.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // The dialog window this CWnd belongs to (its own handle for a dialog), 0 when unbound.
    ui::WindowHandle GetSafeHwnd() const { return window_; }
    // The control identifier, 0 for a dialog window.
    int GetDlgCtrlID() const { return controlId_; }

    // Binds this wrapper to a control of `dialog` (used by DDX_Control).
    void AttachControl(ui::WindowHandle dialog, int controlId);

protected:
    // Default processing of messages the program passes on.
    void OnSysCommand(UINT id, LPARAM param);
    void OnPaint() {}  // the back end paints the controls itself

    void AttachWindow(ui::WindowHandle window);
    void DetachWindow();

private:
    ui::WindowHandle window_ = 0;
    int controlId_ = 0;
    std::unique_ptr<CMenu> systemMenu_;
};

class CEdit : public CWnd {};

class CButton : public CWnd {
public:
    // BM_GETCHECK: BST_CHECKED for a ticked box, BST_UNCHECKED otherwise.
    int GetCheck() const;
    void SetCheck(int state);
};

class CMenu {
public:
    explicit CMenu(ui::WindowHandle window) : window_(window) {}
    // MF_SEPARATOR appends a separator; MF_STRING a text item that sends command `id`.
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);

private:
    ui::WindowHandle window_;
};
