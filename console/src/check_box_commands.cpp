// The check boxes that switch a bridge function. A box has ticked or unticked itself before its
// handler runs; the handler sends the new state and, on success, shows the state read again.
// The box keeps its state whatever the outcome.
#include "kestrix_dlg.h"
#include "table_lookup.h"
#include "vantrel.h"

namespace {

struct CheckBoxCommand {
    int controlId;
    CButton CKestrixDlg::*box;
    const char* label;
    int (*call)(int flag);
    CString (*successLine)(int state, int code);
};

const CheckBoxCommand kCheckBoxCommands[] = {
    {IDC_CHECK_FRAMER, &CKestrixDlg::m_checkFramer, "Framer Ctrl", KovSLIMbusBridgeFramerControl,
     [](int state, int code) { return FormatText("Framer Ctrl  %d = %d", state, code); }},
    {IDC_CHECK_MANAGER, &CKestrixDlg::m_checkManager, "Manager Ctrl", KovSLIMbusBridgeManagerControl,
     [](int state, int code) { return FormatText("Manager Ctrl  %d = %d", state, code); }},
    {IDC_CHECK_SNIFFER, &CKestrixDlg::m_checkSniffer, "Sniffer Ctrl", KovSLIMbusBridgeSnifferControl,
     [](int state, int code) { return FormatText("Sniffer Ctrl  %d = %d", state, code); }},
    {IDC_CHECK_USE_LITERALS, &CKestrixDlg::m_checkUseLiterals, "Use Literals", KovSLIMbusBridgeUseLiterals,
     [](int state, int code) { return FormatText("Use Literals  %d = %d", state, code); }},
};

}  // namespace

void CKestrixDlg::RunCheckBoxCommand(int controlId) {
    const CheckBoxCommand& row = RowFor(kCheckBoxCommands, controlId);
    CButton& box = this->*row.box;
    const int flag = box.GetCheck() != 0 ? 1 : 0;
    RunCommand({nullptr, row.label, false}, [&] { return row.call(flag); },
               [&](int code) { return row.successLine(box.GetCheck() != 0 ? 1 : 0, code); });
}

void CKestrixDlg::OnCheckFramer() { RunCheckBoxCommand(IDC_CHECK_FRAMER); }
void CKestrixDlg::OnCheckManager() { RunCheckBoxCommand(IDC_CHECK_MANAGER); }
void CKestrixDlg::OnCheckSniffer() { RunCheckBoxCommand(IDC_CHECK_SNIFFER); }
void CKestrixDlg::OnCheckUseLiterals() { RunCheckBoxCommand(IDC_CHECK_USE_LITERALS); }
