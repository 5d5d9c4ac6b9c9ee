// The console's resources as data: dialog templates 100 and 102, string 101, icon 128 and the
// version information. Every back end builds its windows from these.
#pragma once

#include "resource_types.h"

const ui::ResourceSet& KestrixResources();

// Icon 128: a 32 x 32 and a 16 x 16 picture of 16 colours (kestrix_icon.cpp).
ui::IconResource KestrixIcon();
