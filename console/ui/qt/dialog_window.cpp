#include "dialog_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>

#include "control_factory.h"
#include "win_types.h"

namespace ui::qt {

namespace {

QString FromBytes(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

// A multi-line edit shows a CR LF pair as one line break.
QString ForMultiLineDisplay(const std::string& text) {
    QString shown = FromBytes(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

// What a person typed into a multi-line edit reads back with CR LF line ends, as the edit
// controls of the console's home platform give it.
std::string FromMultiLineDisplay(const QString& shown) {
    QString text = shown;
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text.toUtf8().toStdString();
}

}  // namespace

DialogWindow::DialogWindow(const DialogTemplate& dialogTemplate, WindowEvents& events, const IconLookup& icons,
                           QWidget* owner)
    : QDialog(owner), definition_(dialogTemplate), events_(events) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if ((definition_.style & kCaptionBar) != 0) flags |= Qt::WindowTitleHint;
    if ((definition_.style & kSystemMenu) != 0) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(FromBytes(std::string(definition_.caption)));

    font_ = ChooseDialogFont(definition_, *style());
    setFont(font_);
    units_ = MeasureBaseUnits(font_);
    const QRect client = MapDialogRect(units_, definition_.x, definition_.y, definition_.width, definition_.height);
    setFixedSize(client.size());
    BuildControls(icons);
}

void DialogWindow::BuildControls(const IconLookup& icons) {
    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& control : definition_.controls) {
        const IconResource* icon = control.kind == ControlKind::Icon && icons ? icons(control.iconId) : nullptr;
        QWidget* widget = CreateControl(control, units_, icon, *this);
        widgets_.push_back(widget);
        if (control.id > 0) {
            controls_[control.id] = widget;
            ConnectClicks(control.id, *widget);
        }
        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previousTabStop != nullptr) QWidget::setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        }
    }
}

void DialogWindow::ConnectClicks(int controlId, QWidget& widget) {
    auto* button = qobject_cast<QAbstractButton*>(&widget);
    if (button == nullptr) return;
    const ControlTemplate* control = ControlDefinition(controlId);
    const bool revertsCheck = control->kind == ControlKind::CheckBox && (control->style & kAutoCheck) == 0;
    if (control->kind == ControlKind::CheckBox) button->setCheckable(true);
    QObject::connect(button, &QAbstractButton::clicked, this, [this, controlId, button, revertsCheck](bool checked) {
        // A check box that does not tick itself leaves its state to the program.
        if (revertsCheck) button->setChecked(!checked);
        events_.OnControlClicked(controlId);
    });
}

QWidget* DialogWindow::Control(int controlId) const {
    if (controlId == 0) return const_cast<DialogWindow*>(this);
    const auto found = controls_.find(controlId);
    return found != controls_.end() ? found->second : nullptr;
}

void DialogWindow::SetText(int controlId, const std::string& text) {
    QWidget* widget = Control(controlId);
    if (widget == nullptr) return;
    if (controlId == 0) {
        setWindowTitle(FromBytes(text));
    } else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(widget)) {
        multiLine->setPlainText(ForMultiLineDisplay(text));
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setText(FromBytes(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(FromBytes(text));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(FromBytes(text));
    }
    texts_[controlId] = StoredText{text, WidgetText(controlId)};
}

QString DialogWindow::WidgetText(int controlId) const {
    QWidget* widget = Control(controlId);
    if (controlId == 0) return windowTitle();
    if (auto* multiLine = qobject_cast<QPlainTextEdit*>(widget)) return multiLine->toPlainText();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    return {};
}

std::string DialogWindow::Text(int controlId) const {
    QWidget* widget = Control(controlId);
    if (widget == nullptr) return {};
    const QString shown = WidgetText(controlId);
    const auto stored = texts_.find(controlId);
    if (stored != texts_.end() && stored->second.shown == shown) return stored->second.bytes;
    if (stored == texts_.end() && controlId != 0) {
        // Never set by the program: a caption as the template gives it, or what the user typed.
        const ControlTemplate* control = ControlDefinition(controlId);
        if (control->kind != ControlKind::Edit) return std::string(control->caption);
    }
    if (qobject_cast<QPlainTextEdit*>(widget) != nullptr) return FromMultiLineDisplay(shown);
    return shown.toUtf8().toStdString();
}

void DialogWindow::AppendMenuSeparator() { systemMenu_.push_back(MenuItem{0, {}}); }

void DialogWindow::AppendMenuItem(unsigned commandId, const std::string& text) {
    systemMenu_.push_back(MenuItem{commandId, text});
}

void DialogWindow::reject() { events_.OnControlClicked(IDCANCEL); }

void DialogWindow::closeEvent(QCloseEvent* event) {
    // The close button sends the system menu's Close command; the dialog ends (or not) through
    // the program's handling of it, never behind its back.
    event->ignore();
    events_.OnSystemCommand(SC_CLOSE, 0);
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (!HasSystemMenu()) return;
    QMenu menu(this);
    std::map<QAction*, unsigned> commands;
    commands[menu.addAction(QStringLiteral("&Close"))] = SC_CLOSE;
    for (const MenuItem& item : systemMenu_) {
        if (item.commandId == 0) {
            menu.addSeparator();
        } else {
            commands[menu.addAction(FromBytes(item.text))] = item.commandId;
        }
    }
    QAction* chosen = menu.exec(event->globalPos());
    const auto command = commands.find(chosen);
    if (command != commands.end()) events_.OnSystemCommand(command->second, 0);
}

void DialogWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // Minimised, the program draws its icon into the window (OnPaint); Qt has no client area
    // to show then, so the paint is asked for and draws nowhere.
    if (event->type() == QEvent::WindowStateChange && isMinimized()) events_.OnPaintRequest();
}

}  // namespace ui::qt
