#include "control_factory.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "group_frame.h"
#include "icon_conversion.h"

namespace ui::qt {

namespace {

bool Has(const ControlTemplate& control, std::uint32_t flag) { return (control.style & flag) != 0; }

QString Caption(const ControlTemplate& control) { return DisplayedCaption(control); }

// A read-only edit shows the dialog's background, as a box the user cannot type into should.
void ShowAsReadOnly(QWidget& edit) {
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit.setPalette(palette);
}

QWidget* CreateEdit(const ControlTemplate& control, QWidget& dialog) {
    if (Has(control, kMultiLine)) {
        auto* edit = new QPlainTextEdit(&dialog);
        edit->setReadOnly(Has(control, kReadOnly));
        // Without sideways scrolling a multi-line edit wraps its lines at the box's edge.
        edit->setLineWrapMode(Has(control, kAutoHScroll) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        edit->setVerticalScrollBarPolicy(Has(control, kVScrollBar) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setTabChangesFocus(true);
        if (!Has(control, kBorder)) edit->setFrameShape(QFrame::NoFrame);
        if (Has(control, kReadOnly)) ShowAsReadOnly(*edit);
        return edit;
    }
    auto* edit = new QLineEdit(&dialog);
    edit->setReadOnly(Has(control, kReadOnly));
    edit->setFrame(Has(control, kBorder));
    if (Has(control, kReadOnly)) ShowAsReadOnly(*edit);
    return edit;
}

QWidget* CreateWidget(const ControlTemplate& control, const BaseUnits& units, const IconResource* icon,
                      QWidget& dialog) {
    switch (control.kind) {
        case ControlKind::PushButton: {
            auto* button = new QPushButton(Caption(control), &dialog);
            button->setDefault(Has(control, kDefaultButton));
            return button;
        }
        case ControlKind::CheckBox:
            return new QCheckBox(Caption(control), &dialog);
        case ControlKind::Edit:
            return CreateEdit(control, dialog);
        case ControlKind::Label: {
            auto* label = new QLabel(Caption(control), &dialog);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            return label;
        }
        case ControlKind::GroupBox:
            return new GroupFrame(Caption(control), units.charWidth, &dialog);
        case ControlKind::Icon: {
            auto* picture = new QLabel(&dialog);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (icon != nullptr) picture->setPixmap(QPixmap::fromImage(BestFit(*icon, 32)));
            return picture;
        }
    }
    return new QWidget(&dialog);
}

}  // namespace

QWidget* CreateControl(const ControlTemplate& control, const BaseUnits& units, const IconResource* icon,
                       QWidget& dialog) {
    QWidget* widget = CreateWidget(control, units, icon, dialog);
    widget->setGeometry(MapDialogRect(units, control.x, control.y, control.width, control.height));
    if (!Has(control, kVisible)) widget->hide();
    widget->setEnabled(!Has(control, kDisabled));
    const bool takesInput = control.kind == ControlKind::PushButton || control.kind == ControlKind::CheckBox ||
                            control.kind == ControlKind::Edit;
    if (takesInput) {
        widget->setFocusPolicy(Has(control, kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    } else {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    if (control.kind == ControlKind::GroupBox) widget->lower();
    return widget;
}

}  // namespace ui::qt
