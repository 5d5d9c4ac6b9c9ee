// The result-line convention shared by every handler: the names of the result codes and the
// error line formed from an operation label and a negative code.
#pragma once

#include "cstring.h"

// Names of the result codes 0 to -9, indexed by the negated code.
extern const char* const g_resultCodeNames[10];

// "<label> - Error code <code> [<name>]" for codes -1 to -9, and
// "<label> - Error code <code> [Unknown error]" for -10 and below. `code` must be negative.
CString FormatErrorLine(const char* label, int code);
