#include "result_line.h"

const char* const g_resultCodeNames[10] = {
    "KOV_OK",
    "KOV_BRIDGE_NOT_FOUND",
    "KOV_ACTION_NOT_ALLOWED",
    "KOV_FILE_WRITE_ERROR",
    "KOV_FILE_READ_ERROR",
    "KOV_HARDWARE_NOT_CONNECTED",
    "KOV_COMMAND_BUSY",
    "KOV_INVALID_VALUE",
    "KOV_NO_BUS_ACTIVITY_SEEN",
    "KOV_ERROR_LAST",
};

CString FormatErrorLine(const char* label, int code) {
    if (code > -10 && code < 0) return FormatText("%s - Error code %d [%s]", label, code, g_resultCodeNames[-code]);
    return FormatText("%s - Error code %d [Unknown error]", label, code);
}
