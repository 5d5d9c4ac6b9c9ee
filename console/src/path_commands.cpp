// Handlers that pass the whole text of one path edit to an export. The path goes to the
// library unchanged and uncut: a command line it cannot carry is refused there, and the error
// line says so, rather than a cut path naming another file.
#include "kestrix_dlg.h"
#include "table_lookup.h"
#include "vantrel.h"

namespace {

struct PathCommand {
    int controlId;
    CEdit CKestrixDlg::*edit;
    CString (*progressLine)(const char* path);
    const char* label;
    bool fetchReply;
    int (*call)(const char* path);
    CString (*successLine)(const char* path, int code, const char* reply);
};

const PathCommand kPathCommands[] = {
    {IDC_BUTTON_LOAD_PROJECT_FILE, &CKestrixDlg::m_editProjectFile,
     [](const char* path) { return FormatText("Loading Project File [%s] .....", path); }, "Fileload", false,
     KovSLIMbusBridgeLoadProjectFile,
     [](const char* path, int code, const char*) { return FormatText("Fileload %s = %d ", path, code); }},
    {IDC_BUTTON_PLAY_SCRIPT, &CKestrixDlg::m_editPlayScriptFile,
     [](const char* path) { return FormatText("Play Script File [%s] .....", path); }, "PlayScript", true,
     KovSLIMbusBridgePlayScript,
     [](const char* path, int code, const char* reply) {
         return FormatText("PlayScript %s = %d Reply [%s]", path, code, reply);
     }},
    // Shows the texts of "Load Script" (without its colon) but names itself in its errors.
    {IDC_BUTTON_LOAD_SCRIPT_LIBRARY, &CKestrixDlg::m_editScriptLibraryFile,
     [](const char* path) { return FormatText("Load Script File [%s] .....", path); }, "Load Script Lib", true,
     KovSLIMbusBridgeLoadScriptLibrary,
     [](const char* path, int code, const char* reply) {
         return FormatText("Load Script %s = %d Reply [%s]", path, code, reply);
     }},
    {IDC_BUTTON_LOAD_SCRIPT, &CKestrixDlg::m_editScriptFile,
     [](const char* path) { return FormatText("Load Script File [%s] .....", path); }, "Load Script", true,
     KovSLIMbusBridgeLoadScript,
     [](const char* path, int code, const char* reply) {
         return FormatText("Load Script %s = %d Reply: [%s]", path, code, reply);
     }},
    {IDC_BUTTON_AUTOMATOR_FILE, &CKestrixDlg::m_editAutomatorFile,
     [](const char*) { return CString("LoadScript Automator filename...."); }, "LoadScript Automator filename",
     true, KovSLIMbusBridgeLoadScriptAutomator,
     [](const char*, int code, const char* reply) {
         return FormatText("LoadScript Automator filename status = %d Reply [%s]", code, reply);
     }},
    {IDC_BUTTON_EXPORT_REGISTER, &CKestrixDlg::m_editExportRegisterFile,
     [](const char*) { return CString("Send User Message (ExportRegister)....."); }, "Export Register", true,
     KovSLIMbusBridgeExportRegister,
     [](const char*, int code, const char* reply) {
         return FormatText("Export Register status = %d Reply [%s]", code, reply);
     }},
};

}  // namespace

void CKestrixDlg::RunPathCommand(int controlId) {
    const PathCommand& row = RowFor(kPathCommands, controlId);
    const CString path = TextOf(this->*row.edit);
    const CString progress = row.progressLine(path);
    RunCommand({progress, row.label, row.fetchReply}, [&] { return row.call(path); },
               [&](int code) { return row.successLine(path, code, m_reply); });
}
