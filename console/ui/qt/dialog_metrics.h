// How a dialog template becomes pixels: the dialog font and its base units.
//
// Dialog units are fractions of the dialog font's average character: a horizontal unit is a
// quarter of the average character width, a vertical unit an eighth of the character height.
// The average width is taken as Windows takes it, from the 52 letters "A".."Z" and "a".."z",
// rounded to whole pixels, so a template laid out for an 8-point font keeps its proportions.
#pragma once

#include <QFont>
#include <QRect>

#include "resource_types.h"

class QStyle;

namespace ui::qt {

struct BaseUnits {
    int charWidth = 0;   // average character width in pixels
    int charHeight = 0;  // character cell height in pixels
};

BaseUnits MeasureBaseUnits(const QFont& font);

// Dialog units to pixels (x = width * units / 4, y = height * units / 8).
QRect MapDialogRect(const BaseUnits& units, int x, int y, int width, int height);

// The pixel width a caption needs inside a control of `kind` drawn by `style` with `font`:
// the text plus the button bevel or the check box indicator around it.
int CaptionWidthNeeded(ControlKind kind, const QString& caption, const QFont& font, const QStyle& style);

// The font the dialog is drawn with. DejaVu Sans (or the system's sans serif) at 11 pixels,
// the size of an 8-point font on a 96 dpi screen; if a caption of the template would not fit
// its control at that size, the next smaller size is tried, down to 8 pixels. Sizes are given
// in pixels so the layout does not change with the screen's dpi setting.
QFont ChooseDialogFont(const DialogTemplate& dialogTemplate, const QStyle& style);

// True when every caption of the template fits its control with `font`.
bool EveryCaptionFits(const DialogTemplate& dialogTemplate, const QFont& font, const QStyle& style);

// The text a control shows for its caption. Labels and group boxes without kNoPrefix take '&'
// as the mark of a mnemonic ("&&" stands for one '&'), which they show without underlining;
// buttons and check boxes keep it, as Qt draws their mnemonics itself.
QString DisplayedCaption(const ControlTemplate& control);

}  // namespace ui::qt
