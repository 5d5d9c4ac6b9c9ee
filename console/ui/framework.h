// The dialog-framework layer in one include: what the console's code is written with.
#pragma once

#include "cdialog.h"
#include "cfiledialog.h"
#include "cpaintdc.h"
#include "cstring.h"
#include "cwinapp.h"
#include "cwnd.h"
#include "message_map.h"
#include "win_types.h"
