#include "console_fixture.h"
