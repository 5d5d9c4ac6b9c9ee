// Handlers that call an export without arguments and show its code, the reply or both.
#include "kestrix_dlg.h"
#include "table_lookup.h"
#include "vantrel.h"

namespace {

struct NoArgumentCommand {
    int controlId;
    const char* progress;  // nullptr: none
    const char* label;
    bool fetchReply;
    int (*call)();
    CString (*successLine)(int code, const char* reply);
};

const NoArgumentCommand kNoArgumentCommands[] = {
    {IDC_BUTTON_OPEN, "Opening ....", "Open", false, KovSLIMbusOpen,
     [](int code, const char*) { return FormatText("Open = %d", code); }},
    {IDC_BUTTON_CLOSE, "Closing ....", "Close", false, KovSLIMbusClose,
     [](int code, const char*) { return FormatText("Close = %d", code); }},
    {IDC_BUTTON_RESET, "Reset Bridge .....", "BridgeReset", true, KovSLIMbusBridgeReset,
     [](int code, const char* reply) { return FormatText("BridgeReset = %d Reply [%s]", code, reply); }},
    {IDC_BUTTON_PLAY_BUFFER, "Play Buffer ....", "Play Buffer", true, KovSLIMbusBridgePlayBuffer,
     [](int, const char* reply) { return FormatText("Play Buffer ok Reply: [%s]", reply); }},
    {IDC_BUTTON_CLEAR_LIVE_VIEW, nullptr, "ClearLiveView", false, KovSLIMbusBridgeClearLiveView,
     [](int code, const char*) { return FormatText("ClearLiveView  = %d", code); }},
    {IDC_BUTTON_REQUEST_LIVE_VIEW_COUNT, "Send User Message (LiveViewCount).....", "Counter Request", true,
     KovSLIMbusBridgeLiveViewCount,
     [](int code, const char* reply) { return FormatText("Counter = %d Reply [%s]", code, reply); }},
    {IDC_BUTTON_IP_RESET, "IP Reset Bridge .....", "Bridge IP Reset", true, KovSLIMbusBridgeIPReset,
     [](int code, const char* reply) { return FormatText("Bridge IP Reset = %d Reply [%s]", code, reply); }},
};

}  // namespace

void CKestrixDlg::RunNoArgumentCommand(int controlId) {
    const NoArgumentCommand& row = RowFor(kNoArgumentCommands, controlId);
    RunCommand({row.progress, row.label, row.fetchReply}, row.call,
               [&](int code) { return row.successLine(code, m_reply); });
}
