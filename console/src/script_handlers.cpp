// Script handlers of the "Scripts" group that do not fit the shared tables.
#include "kestrix_dlg.h"
#include "vantrel.h"

void CKestrixDlg::OnButtonLoadProjectFile() { RunPathCommand(IDC_BUTTON_LOAD_PROJECT_FILE); }
void CKestrixDlg::OnButtonPlayScript() { RunPathCommand(IDC_BUTTON_PLAY_SCRIPT); }
void CKestrixDlg::OnButtonLoadScriptLibrary() { RunPathCommand(IDC_BUTTON_LOAD_SCRIPT_LIBRARY); }
void CKestrixDlg::OnButtonLoadScript() { RunPathCommand(IDC_BUTTON_LOAD_SCRIPT); }
void CKestrixDlg::OnButtonAutomatorFile() { RunPathCommand(IDC_BUTTON_AUTOMATOR_FILE); }
void CKestrixDlg::OnButtonPlayBuffer() { RunNoArgumentCommand(IDC_BUTTON_PLAY_BUFFER); }
void CKestrixDlg::OnButtonClearLiveView() { RunNoArgumentCommand(IDC_BUTTON_CLEAR_LIVE_VIEW); }

void CKestrixDlg::OnButtonRequestScriptLibContent() {
    // The export leaves the buffer untouched when no reply line can be read, so it starts as
    // an empty text.
    char content[1024] = "";
    RunCommand({"Request Script Library Content .....", "Request Script Library Content", true},
               [&] { return KovSLIMbusBridgeRequestScriptLibraryContent(content); },
               [&](int) { return FormatText("Script Library Content [%s] (reply: %s)", content, m_reply); });
}

void CKestrixDlg::OnButtonPlayScriptId() {
    const int scriptNumber = NumberIn(m_editScriptId);
    const CString progress = FormatText("Load Script File [%d] .....", scriptNumber);
    RunCommand({progress, "Play Script", true}, [&] { return KovSLIMbusBridgePlayScriptFromLibrary(scriptNumber); },
               [&](int code) { return FormatText("Play Script ID %d = %d Reply [%s]", scriptNumber, code, m_reply); });
}
