// One dialog of a template as a Qt dialog: its controls, the texts they hold, its system menu
// (offered as the dialog's context menu) and the events it passes to the layer.
#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "backend.h"
#include "dialog_metrics.h"

namespace ui::qt {

class DialogWindow : public QDialog {
public:
    // Looks up the picture of an icon control by its resource id.
    using IconLookup = std::function<const IconResource*(int iconId)>;

    DialogWindow(const DialogTemplate& dialogTemplate, WindowEvents& events, const IconLookup& icons,
                 QWidget* owner);

    const DialogTemplate& definition() const { return definition_; }
    WindowEvents& events() const { return events_; }
    const BaseUnits& baseUnits() const { return units_; }

    // The widget of control `controlId`, or nullptr; 0 names the dialog itself.
    QWidget* Control(int controlId) const;
    const ControlTemplate* ControlDefinition(int controlId) const { return definition_.FindControl(controlId); }
    // Every control's widget, labels and group boxes included, in template order.
    const std::vector<QWidget*>& widgets() const { return widgets_; }

    // The whole text of a control (the caption of the dialog for 0), byte for byte as it was
    // set, until the user changes it.
    void SetText(int controlId, const std::string& text);
    std::string Text(int controlId) const;

    // The system menu: the platform's Close, then what the program appended.
    void AppendMenuSeparator();
    void AppendMenuItem(unsigned commandId, const std::string& text);
    bool HasSystemMenu() const { return (definition_.style & kSystemMenu) != 0; }

    // Bookkeeping of the modal loop.
    bool modalEnded() const { return modalEnded_; }
    void setModalEnded(bool ended) { modalEnded_ = ended; }

protected:
    void reject() override;                                 // Escape
    void closeEvent(QCloseEvent* event) override;           // the title bar's close button
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct MenuItem {
        unsigned commandId;  // 0: separator
        std::string text;
    };
    // What SetText stored and what the widget showed for it right after.
    struct StoredText {
        std::string bytes;
        QString shown;
    };

    void BuildControls(const IconLookup& icons);
    void ConnectClicks(int controlId, QWidget& widget);
    QString WidgetText(int controlId) const;

    DialogTemplate definition_;
    WindowEvents& events_;
    QFont font_;
    BaseUnits units_;
    std::vector<QWidget*> widgets_;     // owned by this dialog as their Qt parent
    std::map<int, QWidget*> controls_;  // the ones with an identifier
    std::map<int, StoredText> texts_;
    std::vector<MenuItem> systemMenu_;
    bool modalEnded_ = false;
};

}  // namespace ui::qt
