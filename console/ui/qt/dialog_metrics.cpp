#include "dialog_metrics.h"

#include <QFontMetrics>
#include <QStyle>

namespace ui::qt {

namespace {

constexpr int kPreferredPixelSize = 11;
constexpr int kSmallestPixelSize = 8;

QFont DialogFontAt(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

bool HasCaption(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::CheckBox ||
           kind == ControlKind::Label || kind == ControlKind::GroupBox;
}

}  // namespace

BaseUnits MeasureBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int extent = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return BaseUnits{(extent / 26 + 1) / 2, metrics.height()};
}

QRect MapDialogRect(const BaseUnits& units, int x, int y, int width, int height) {
    return QRect(x * units.charWidth / 4, y * units.charHeight / 8, width * units.charWidth / 4,
                 height * units.charHeight / 8);
}

int CaptionWidthNeeded(ControlKind kind, const QString& caption, const QFont& font, const QStyle& style) {
    const int text = QFontMetrics(font).horizontalAdvance(caption);
    switch (kind) {
        case ControlKind::PushButton:
            return text + style.pixelMetric(QStyle::PM_ButtonMargin) +
                   2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth);
        case ControlKind::CheckBox:
            return text + style.pixelMetric(QStyle::PM_IndicatorWidth) +
                   style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        case ControlKind::GroupBox:
            // The caption is drawn into the frame's top edge, one character in from the left,
            // with a little room on both sides; a character's width is kept free at the right.
            return text + 2 * MeasureBaseUnits(font).charWidth + 4;
        default:
            return text;
    }
}

bool EveryCaptionFits(const DialogTemplate& dialogTemplate, const QFont& font, const QStyle& style) {
    const BaseUnits units = MeasureBaseUnits(font);
    for (const ControlTemplate& control : dialogTemplate.controls) {
        if (!HasCaption(control.kind) || (control.style & kVisible) == 0) continue;
        const QRect rect = MapDialogRect(units, control.x, control.y, control.width, control.height);
        if (CaptionWidthNeeded(control.kind, DisplayedCaption(control), font, style) > rect.width()) {
            return false;
        }
    }
    return true;
}

QFont ChooseDialogFont(const DialogTemplate& dialogTemplate, const QStyle& style) {
    for (int size = kPreferredPixelSize; size >= kSmallestPixelSize; --size) {
        QFont font = DialogFontAt(size);
        if (EveryCaptionFits(dialogTemplate, font, style)) return font;
    }
    return DialogFontAt(kPreferredPixelSize);
}

QString DisplayedCaption(const ControlTemplate& control) {
    const QString caption = QString::fromUtf8(control.caption.data(), static_cast<int>(control.caption.size()));
    const bool drawnByUs = control.kind == ControlKind::Label || control.kind == ControlKind::GroupBox;
    if (!drawnByUs || (control.style & kNoPrefix) != 0) return caption;
    QString shown;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    return shown;
}

}  // namespace ui::qt
