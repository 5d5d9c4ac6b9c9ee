// The command exports whose reply is not taken apart: each is one row of the command table and
// its arguments in order.
#include "command_table.h"
#include "transport.h"
#include "vantrel.h"

using vantrel::RunCommand;
namespace c = vantrel::commands;

namespace {
constexpr int kLibraryVersion = 0x0109;  // 1.09: major above the low byte, minor in it
}

extern "C" {

VANTREL_API int KovSLIMbusOpen(void) {
    vantrel::g_replyBuffer[0] = '\0';
    vantrel::PrepareMailbox();
    return RunCommand(c::kOpen);
}

VANTREL_API int KovSLIMbusClose(void) { return RunCommand(c::kClose); }
VANTREL_API int KovSLIMbusGetSWVersion(void) { return RunCommand(c::kGetSWVersion); }
VANTREL_API int KovSLIMbusGetDLLVersion(void) { return kLibraryVersion; }

VANTREL_API int KovSLIMbusBridgeLoadProjectFile(const char* projectFile) {
    return RunCommand(c::kLoadProjectFile, {projectFile});
}
VANTREL_API int KovSLIMbusBridgeRequestScriptLibraryContent(char* content) {
    return RunCommand(c::kRequestScriptLibraryContent, {}, content);
}
VANTREL_API int KovSLIMbusBridgePlayScript(const char* scriptFile) {
    return RunCommand(c::kPlayScript, {scriptFile});
}
VANTREL_API int KovSLIMbusBridgeLoadScriptLibrary(const char* scriptLibraryFile) {
    return RunCommand(c::kLoadScriptLib, {scriptLibraryFile});
}
VANTREL_API int KovSLIMbusBridgeLoadScript(const char* scriptFile) {
    return RunCommand(c::kLoadScript, {scriptFile});
}
VANTREL_API int KovSLIMbusBridgePlayMessage(int messageType, int messageCode, const char* sourceAddress,
                                            const char* destinationAddress, const char* payload) {
    return RunCommand(c::kPlayMessage,
                      {messageType, messageCode, sourceAddress, destinationAddress, payload});
}
VANTREL_API int KovSLIMbusBridgePlayBuffer(void) { return RunCommand(c::kPlayBuffer); }
VANTREL_API int KovSLIMbusBridgePlayScriptFromLibrary(int scriptNumber) {
    return RunCommand(c::kPlayScriptID, {scriptNumber});
}
VANTREL_API int KovSLIMbusBridgeFramerControl(int flag) { return RunCommand(c::kFramerControl, {flag}); }
VANTREL_API int KovSLIMbusBridgeManagerControl(int flag) { return RunCommand(c::kManagerControl, {flag}); }
VANTREL_API int KovSLIMbusBridgeSnifferControl(int flag) { return RunCommand(c::kSnifferControl, {flag}); }
VANTREL_API int KovSLIMbusBridgeReset(void) { return RunCommand(c::kBridgeReset); }
VANTREL_API int KovSLIMbusBridgeRequestBridgeConfiguration(void) {
    return RunCommand(c::kRequestBridgeConfig);
}
VANTREL_API int KovSLIMbusBridgeImportRegister(const char* registerFile, int logicalAddress, int sliceSize) {
    return RunCommand(c::kImportRegister, {registerFile, logicalAddress, sliceSize});
}
VANTREL_API int KovSLIMbusBridgeExportRegister(const char* registerFile) {
    return RunCommand(c::kExportRegister, {registerFile});
}
VANTREL_API int KovSLIMbusBridgeExportLiveView(const char* liveViewFile, int startIndex) {
    return RunCommand(c::kExportLiveView, {liveViewFile, startIndex});
}
VANTREL_API int KovSLIMbusBridgeLiveViewCount(void) { return RunCommand(c::kLiveViewCount); }
VANTREL_API int KovSLIMbusBridgeWriteRegister(int logicalAddress, int registerAddress, const char* data) {
    return RunCommand(c::kWriteRegister, {logicalAddress, registerAddress, data});
}
VANTREL_API int KovSLIMbusBridgeReadRegister(int logicalAddress, int registerAddress, int sliceSize,
                                             char* data) {
    return RunCommand(c::kReadRegister, {logicalAddress, registerAddress, sliceSize}, data);
}

// The library period takes effect before the command is sent, so this very transaction already
// polls at it; only the bridge period travels to the bridge service.
VANTREL_API int KovSLIMbusBridgeSetPollTiming(int libraryPollMs, int bridgePollMs) {
    if (libraryPollMs > 1) vantrel::g_pollPeriodMs = libraryPollMs;
    return RunCommand(c::kSetPollTiming, {bridgePollMs});
}

VANTREL_API int KovSLIMbusBridgeIPReset(void) { return RunCommand(c::kIPReset); }
VANTREL_API int KovSLIMbusBridgeLoadScriptAutomator(const char* automatorFile) {
    return RunCommand(c::kLoadAutomatorFilename, {automatorFile});
}
VANTREL_API int KovSLIMbusBridgeUseLiterals(int flag) { return RunCommand(c::kUseLiterals, {flag}); }
VANTREL_API int KovSLIMbusBridgeClearLiveView(void) { return RunCommand(c::kClearLiveView); }

}  // extern "C"
