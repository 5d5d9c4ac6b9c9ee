// Pictures of the program's icon resources as Qt images.
#pragma once

#include <QIcon>
#include <QImage>

#include "resource_types.h"

namespace ui::qt {

// One palette picture as an ARGB image; palette index 0 is transparent.
QImage ToImage(const IconImage& image);

// Every picture of the icon, so the window system can pick the size it shows.
QIcon ToIcon(const IconResource& icon);

// The picture that best fits `size` pixels: the smallest one at least that large, else the
// largest there is. A null image when the icon has none.
QImage BestFit(const IconResource& icon, int size);

}  // namespace ui::qt
