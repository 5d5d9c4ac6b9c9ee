#include "group_frame.h"

#include <QPainter>

namespace ui::qt {

GroupFrame::GroupFrame(const QString& caption, int captionIndent, QWidget* parent)
    : QGroupBox(caption, parent), captionIndent_(captionIndent) {}

void GroupFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
    // Etched: a shadow line with a highlight line just inside and below it.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (title().isEmpty()) return;
    constexpr int kPadding = 2;
    const QRect caption(captionIndent_, 0, metrics.horizontalAdvance(title()) + 2 * kPadding, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

}  // namespace ui::qt
