// CDialog: a window built from a dialog template of the program's resources. It hears the
// back end's events and routes them through its message map; Exit (IDOK) and Cancel (IDCANCEL)
// fall back to OnOK and OnCancel, which end the dialog.
#pragma once

#include "cwnd.h"

class CDialog;

// What DoDataExchange works on: the dialog, and the direction (this layer binds controls only).
struct CDataExchange {
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds `control` to the control `controlId` of the dialog being initialised. A template
// without that control is a fault of the program: it stops with a message.
void DDX_Control(CDataExchange* exchange, int controlId, CWnd& control);

class CDialog : public CWnd, private ui::WindowEvents {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Builds the window, initialises it (OnInitDialog), runs the modal loop, destroys the
    // window; returns the code given to EndDialog (IDCANCEL when the window cannot be built).
    virtual INT_PTR DoModal();
    // Builds and initialises the window without a modal loop (a modeless dialog); it lives
    // until the object is destroyed. FALSE when the template does not exist.
    BOOL Create();
    // Ends the modal loop with `result`.
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    // Runs DoDataExchange.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT GetTemplateId() const { return templateId_; }

protected:
    virtual void DoDataExchange(CDataExchange* exchange);
    virtual void OnOK();
    virtual void OnCancel();

private:
    bool BuildWindow();
    void DestroyWindowIfAny();

    void OnControlClicked(int controlId) override;
    void OnSystemCommand(unsigned commandId, long parameter) override;
    void OnPaintRequest() override;
    const ui::IconResource* OnQueryDragIcon() override;

    UINT templateId_;
    CWnd* parent_;
};
