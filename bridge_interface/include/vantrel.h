/*
 * Vantrel: the bridge interface library.
 *
 * Every command export formats one command line, hands it to the bridge service through the
 * mailbox directory and blocks until the service has answered or the waiting limits have run out.
 * It returns a result code: 0 and above is success (as a rule the service's status number),
 * -1 to -9 are the named codes below, -10 and below have no name (the library itself produces
 * only -11: a configuration report whose reply is short).
 *
 * Calls must not overlap, within one process or across processes on one machine.
 */
#ifndef VANTREL_H
#define VANTREL_H

#if defined(_WIN32)
#  if defined(VANTREL_BUILDING)
#    define VANTREL_API __declspec(dllexport)
#  else
#    define VANTREL_API __declspec(dllimport)
#  endif
#else
#  define VANTREL_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define KOV_OK 0
#define KOV_BRIDGE_NOT_FOUND (-1)
#define KOV_ACTION_NOT_ALLOWED (-2)
#define KOV_FILE_WRITE_ERROR (-3)
#define KOV_FILE_READ_ERROR (-4)
#define KOV_HARDWARE_NOT_CONNECTED (-5)
#define KOV_COMMAND_BUSY (-6)             /* the command file cannot be written */
#define KOV_INVALID_VALUE (-7)            /* no status in time, no reply, or an argument refused */
#define KOV_NO_BUS_ACTIVITY_SEEN (-8)     /* the bridge service's busy marker stands */
#define KOV_ERROR_LAST (-9)

/* Connection and utility. */
VANTREL_API int KovSLIMbusOpen(void);
VANTREL_API int KovSLIMbusClose(void);
VANTREL_API int KovSLIMbusGetSWVersion(void);
VANTREL_API int KovSLIMbusGetDLLVersion(void);
VANTREL_API int KovSLIMbusGetReply(char* buffer, int length);
VANTREL_API int KovSLIMbusDebugMakeReply(const char* text);

/* Bridge commands, by command number. */
VANTREL_API int KovSLIMbusBridgeRequestModel(char* modelType, char* firmwareVersion, char* ipVersion);
VANTREL_API int KovSLIMbusBridgeLoadProjectFile(const char* projectFile);
VANTREL_API int KovSLIMbusBridgeRequestScriptLibraryContent(char* content);
VANTREL_API int KovSLIMbusBridgePlayScript(const char* scriptFile);
VANTREL_API int KovSLIMbusBridgeRequestPortConfiguration(char* portCharacters, int* inputPresenceRate,
                                                         int* inputPresenceRateMismatch,
                                                         int* outputPresenceRate,
                                                         int* outputPresenceRateMismatch);
VANTREL_API int KovSLIMbusBridgeLoadScriptLibrary(const char* scriptLibraryFile);
VANTREL_API int KovSLIMbusBridgeLoadScript(const char* scriptFile);
VANTREL_API int KovSLIMbusBridgeRequestBusStatus(int* clockGear, int* rootFrequency, int* ipFrozen,
                                                 int* ipPaused);
VANTREL_API int KovSLIMbusBridgePlayMessage(int messageType, int messageCode, const char* sourceAddress,
                                            const char* destinationAddress, const char* payload);
VANTREL_API int KovSLIMbusBridgePlayBuffer(void);
VANTREL_API int KovSLIMbusBridgePlayScriptFromLibrary(int scriptNumber);
VANTREL_API int KovSLIMbusBridgeFramerControl(int flag);
VANTREL_API int KovSLIMbusBridgeManagerControl(int flag);
VANTREL_API int KovSLIMbusBridgeSnifferControl(int flag);
VANTREL_API int KovSLIMbusBridgeReset(void);
VANTREL_API int KovSLIMbusBridgeRequestBridgeConfiguration(void);
VANTREL_API int KovSLIMbusBridgeImportRegister(const char* registerFile, int logicalAddress, int sliceSize);
VANTREL_API int KovSLIMbusBridgeExportRegister(const char* registerFile);
VANTREL_API int KovSLIMbusBridgeExportLiveView(const char* liveViewFile, int startIndex);
VANTREL_API int KovSLIMbusBridgeLiveViewCount(void);
VANTREL_API int KovSLIMbusBridgeWriteRegister(int logicalAddress, int registerAddress, const char* data);
VANTREL_API int KovSLIMbusBridgeReadRegister(int logicalAddress, int registerAddress, int sliceSize,
                                             char* data);
VANTREL_API int KovSLIMbusBridgeSetPollTiming(int libraryPollMs, int bridgePollMs);
VANTREL_API int KovSLIMbusBridgeReportFramerConfig(int* framerBootFrequency, int* framerBootSM,
                                                   int* framerBootCG, int* framerBootMode,
                                                   int* componentAddress);
VANTREL_API int KovSLIMbusBridgeReportPhyConfig(int* slimbusLevel, int* busHoldEnabled, int* sd1Assign);
VANTREL_API int KovSLIMbusBridgeReportClkConfig(int* extClkLevel, int* extClkDir, int* extClkZin,
                                                int* extClkSrc, int* extClkDiv, int* framerPllRef,
                                                int* audioPllRef);
VANTREL_API int KovSLIMbusBridgeReportDigAudioConfig(int* spdifAsrcMode, int* opticalAsrcMode,
                                                     int* dsiOutAsrcMode, int* dsiOutAsrcClrRef,
                                                     int* dsiLevel, int* dsiInFormat, int* dsiInDL,
                                                     int* dsiInClkMode, int* dsiOutFormat,
                                                     int* dsiOutDL, int* dsiOutClkMode);
VANTREL_API int KovSLIMbusBridgeReportDataPathConfig(int* sdin12Sel, int* sdin34Sel, int* dsi8ChInEna,
                                                     int* sdin56Sel, int* sdout1Sel, int* dsi8ChOutEna,
                                                     int* sdout2Sel, int* loopBackMode);
VANTREL_API int KovSLIMbusBridgeReportPresenceRate(int* rates[12]);
VANTREL_API int KovSLIMbusBridgeIPReset(void);
VANTREL_API int KovSLIMbusBridgeLoadScriptAutomator(const char* automatorFile);
VANTREL_API int KovSLIMbusBridgeUseLiterals(int flag);
VANTREL_API int KovSLIMbusBridgeClearLiveView(void);

#ifdef __cplusplus
}
#endif

#endif /* VANTREL_H */
