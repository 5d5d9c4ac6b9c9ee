// The main dialog as the window back end builds it from template 102: every control at its
// mapped place, of the right kind and style, in tab order, every caption readable, and the
// edit boxes keeping their texts byte for byte.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "dialog_metrics.h"
#include "kestrix_resources.h"
#include "qt_backend.h"
#include "resource_ids.h"
#include "win_types.h"

namespace {

using ui::ControlKind;
using ui::ControlTemplate;

class RecordingEvents : public ui::WindowEvents {
public:
    void OnControlClicked(int controlId) override { clicks.push_back(controlId); }
    void OnSystemCommand(unsigned commandId, long /*parameter*/) override { commands.push_back(commandId); }
    void OnPaintRequest() override {}
    const ui::IconResource* OnQueryDragIcon() override { return nullptr; }
    std::vector<int> clicks;
    std::vector<unsigned> commands;
};

class MainDialogLayout : public ::testing::Test {
protected:
    MainDialogLayout()
        : backend_([](int id) { return KestrixResources().FindIcon(id); }),
          template_(*KestrixResources().FindDialog(IDD_KESTRIX_DIALOG)),
          handle_(backend_.CreateDialogWindow(template_, events_, 0)),
          window_(*backend_.Window(handle_)) {}

    // The dialog's own child widgets, however they are stacked.
    std::size_t ChildWidgetCount() const {
        std::size_t count = 0;
        for (QObject* child : window_.children()) {
            if (auto* widget = qobject_cast<QWidget*>(child); widget != nullptr && !widget->isWindow()) ++count;
        }
        return count;
    }

    RecordingEvents events_;
    ui::qt::QtBackend backend_;
    const ui::DialogTemplate& template_;
    ui::WindowHandle handle_;
    ui::qt::DialogWindow& window_;
};

bool IsOfKind(QWidget* widget, const ControlTemplate& control) {
    switch (control.kind) {
        case ControlKind::PushButton: return qobject_cast<QPushButton*>(widget) != nullptr;
        case ControlKind::CheckBox: return qobject_cast<QCheckBox*>(widget) != nullptr;
        case ControlKind::Edit:
            return (control.style & ui::kMultiLine) != 0 ? qobject_cast<QPlainTextEdit*>(widget) != nullptr
                                                         : qobject_cast<QLineEdit*>(widget) != nullptr;
        case ControlKind::Label:
        case ControlKind::Icon: return qobject_cast<QLabel*>(widget) != nullptr;
        case ControlKind::GroupBox: return qobject_cast<QGroupBox*>(widget) != nullptr;
    }
    return false;
}

TEST_F(MainDialogLayout, EveryControlOfTheTemplateStandsAtItsMappedGeometry) {
    const ui::qt::BaseUnits units = window_.baseUnits();
    EXPECT_EQ(units.charWidth, ui::qt::MeasureBaseUnits(window_.font()).charWidth);
    EXPECT_EQ(window_.size(), ui::qt::MapDialogRect(units, 0, 0, template_.width, template_.height).size());

    const std::vector<QWidget*>& widgets = window_.widgets();
    ASSERT_EQ(widgets.size(), template_.controls.size());
    EXPECT_EQ(ChildWidgetCount(), template_.controls.size());
    ASSERT_EQ(template_.controls.size(), 103u);
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const ControlTemplate& control = template_.controls[i];
        SCOPED_TRACE(std::to_string(control.id) + " " + std::string(control.caption));
        EXPECT_TRUE(IsOfKind(widgets[i], control));
        EXPECT_EQ(widgets[i]->geometry(), ui::qt::MapDialogRect(units, control.x, control.y, control.width, control.height));
        if (control.id > 0) {
            EXPECT_EQ(window_.Control(control.id), widgets[i]);
        }
        EXPECT_EQ(widgets[i]->isHidden(), (control.style & ui::kVisible) == 0);
        EXPECT_EQ(widgets[i]->isEnabled(), (control.style & ui::kDisabled) == 0);
    }
}

TEST_F(MainDialogLayout, TabOrderFollowsTheTemplate) {
    std::vector<QWidget*> expected;
    for (const ControlTemplate& control : template_.controls) {
        if ((control.style & ui::kTabStop) != 0 && control.id > 0) expected.push_back(window_.Control(control.id));
    }
    ASSERT_FALSE(expected.empty());
    std::vector<QWidget*> chain{expected.front()};
    for (QWidget* next = expected.front()->nextInFocusChain(); next != expected.front() && chain.size() < 1000;
         next = next->nextInFocusChain()) {
        if (std::find(expected.begin(), expected.end(), next) != expected.end()) chain.push_back(next);
    }
    EXPECT_EQ(chain, expected);
}

TEST_F(MainDialogLayout, WindowAndControlStylesAreThoseOfTheTemplate) {
    EXPECT_EQ(window_.windowTitle(), QStringLiteral("Kestrix ver 1.9 (30/03/2015)"));
    EXPECT_TRUE(qobject_cast<QPushButton*>(window_.Control(IDOK))->isDefault());
    EXPECT_TRUE(window_.Control(IDCANCEL)->isHidden());
    EXPECT_FALSE(backend_.Click(handle_, IDCANCEL));

    const struct {
        int id;
        bool multiLine;
        bool readOnly;
    } edits[] = {
        {IDC_EDIT_LOG, true, false},          {IDC_EDIT_BUS_STATUS, false, true},
        {IDC_EDIT_PORT_CONFIG, true, true},   {IDC_EDIT_BRIDGE_CONFIG, true, true},
        {IDC_EDIT_READ_DATA, false, true},    {IDC_EDIT_PAYLOAD, false, false},
    };
    for (const auto& edit : edits) {
        SCOPED_TRACE(edit.id);
        QWidget* widget = window_.Control(edit.id);
        if (edit.multiLine) {
            auto* box = qobject_cast<QPlainTextEdit*>(widget);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->isReadOnly(), edit.readOnly);
        } else {
            auto* box = qobject_cast<QLineEdit*>(widget);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->isReadOnly(), edit.readOnly);
        }
    }
}

TEST_F(MainDialogLayout, EveryCaptionFitsItsControl) {
    for (const ControlTemplate& control : template_.controls) {
        if (control.kind == ControlKind::Edit || control.kind == ControlKind::Icon) continue;
        if ((control.style & ui::kVisible) == 0) continue;
        SCOPED_TRACE(std::string(control.caption));
        QWidget* widget = window_.widgets()[static_cast<std::size_t>(&control - template_.controls.data())];
        QString shown;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) shown = button->text();
        if (auto* label = qobject_cast<QLabel*>(widget)) shown = label->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget)) shown = group->title();
        EXPECT_FALSE(shown.isEmpty());
        EXPECT_LE(ui::qt::CaptionWidthNeeded(control.kind, shown, widget->font(), *widget->style()), widget->width());
        EXPECT_LE(widget->fontMetrics().height(), widget->height());
    }
}

TEST_F(MainDialogLayout, EditsGiveBackExactlyTheTextTheyWereGiven) {
    const struct {
        int id;
        std::string text;
        int linesShown;
    } cases[] = {
        {IDC_EDIT_LOG, "Open = 0", 1},
        {IDC_EDIT_LOG, "first\r\nsecond\r\nthird", 3},
        {IDC_EDIT_PORT_CONFIG, "ABCDEFGH\r\n", 2},
        {IDC_EDIT_PROJECT_FILE, "/tmp/project file,1.txt", 1},
        {IDC_EDIT_BUS_STATUS, "", 1},
        {IDC_EDIT_BRIDGE_CONFIG, std::string(600, 'x'), 1},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.text);
        backend_.SetControlText(handle_, row.id, row.text);
        EXPECT_EQ(backend_.GetControlText(handle_, row.id), row.text);
        if (auto* box = qobject_cast<QPlainTextEdit*>(window_.Control(row.id))) {
            EXPECT_EQ(box->blockCount(), row.linesShown);
            EXPECT_FALSE(box->toPlainText().contains(QLatin1Char('\r')));
        }
    }
}

// Key presses as the keyboard sends them to the focused edit.
void Type(QWidget* widget, const QString& text) {
    QKeyEvent toEnd(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QCoreApplication::sendEvent(widget, &toEnd);
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(widget, &press);
        QCoreApplication::sendEvent(widget, &release);
    }
}

TEST_F(MainDialogLayout, ResultBoxesRefuseTypingWhileArgumentBoxesTakeIt) {
    const struct {
        int id;
        bool takesTyping;
    } cases[] = {
        {IDC_EDIT_BUS_STATUS, false},  {IDC_EDIT_PORT_CONFIG, false}, {IDC_EDIT_BRIDGE_CONFIG, false},
        {IDC_EDIT_READ_DATA, false},   {IDC_EDIT_MSG_CODE, true},     {IDC_EDIT_LOG, true},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.id);
        backend_.SetControlText(handle_, row.id, "12");
        Type(window_.Control(row.id), QStringLiteral("34"));
        EXPECT_EQ(backend_.GetControlText(handle_, row.id), row.takesTyping ? "1234" : "12");
    }
}

TEST_F(MainDialogLayout, ButtonsAndCheckBoxesReportTheirClicks) {
    auto* framer = qobject_cast<QCheckBox*>(window_.Control(IDC_CHECK_FRAMER));
    framer->click();
    EXPECT_EQ(backend_.GetCheck(handle_, IDC_CHECK_FRAMER), 1);
    EXPECT_TRUE(backend_.Click(handle_, IDC_CHECK_FRAMER));
    EXPECT_EQ(backend_.GetCheck(handle_, IDC_CHECK_FRAMER), 0);
    qobject_cast<QPushButton*>(window_.Control(IDC_BUTTON_OPEN))->click();
    EXPECT_FALSE(backend_.Click(handle_, IDC_EDIT_LOG));
    EXPECT_EQ(events_.clicks, (std::vector<int>{IDC_CHECK_FRAMER, IDC_CHECK_FRAMER, IDC_BUTTON_OPEN}));
}

}  // namespace
