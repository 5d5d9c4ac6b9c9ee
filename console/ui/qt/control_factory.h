// Builds the Qt widget for one control of a dialog template. This is the one place where the
// window back end creates widgets: each is handed to its dialog at once, and the dialog (Qt's
// parent ownership) deletes it.
#pragma once

#include <QWidget>

#include "dialog_metrics.h"
#include "resource_types.h"

namespace ui::qt {

// The widget for `control`, a child of `dialog`, placed at its mapped geometry, shown or
// hidden, enabled or disabled and focusable as its style says. `icon` is the picture of an
// icon control (nullptr: an empty picture). Group boxes are put behind their siblings.
QWidget* CreateControl(const ControlTemplate& control, const BaseUnits& units, const IconResource* icon,
                       QWidget& dialog);

}  // namespace ui::qt
