// The console's dialog on the window back end: clicks through Qt reach the handlers, the log
// box shows their result lines, the progress line is painted before the library blocks, the
// About item of the context menu opens the About box, and a script drives the shown window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <fstream>
#include <functional>
#include <memory>

#include "dialog_metrics.h"
#include "fake_bridge_service.h"
#include "icon_conversion.h"
#include "kestrix_app.h"
#include "kestrix_dlg.h"
#include "kestrix_resources.h"
#include "qt_backend.h"
#include "qt_backend_factory.h"

namespace {

using vantrel::testing::FakeBridgeService;

ui::qt::QtBackend& InstallQtBackend() {
    auto backend = std::make_unique<ui::qt::QtBackend>([](int id) { return KestrixResources().FindIcon(id); });
    ui::qt::QtBackend& installed = *backend;
    theApp.SetBackend(std::move(backend));
    return installed;
}

// The console's main dialog, built and shown without a modal loop.
class ConsoleWindow : public ::testing::Test {
protected:
    ConsoleWindow() : backend_(InstallQtBackend()) {
        dialog_ = std::make_unique<CKestrixDlg>();
        theApp.m_pMainWnd = dialog_.get();
        dialog_->Create();
        window().show();
        // Painting starts once the window system has exposed the window.
        for (int i = 0; i < 100 && !window().windowHandle()->isExposed(); ++i) QCoreApplication::processEvents();
    }
    ~ConsoleWindow() override {
        theApp.m_pMainWnd = nullptr;
        dialog_.reset();
        theApp.ReleaseBackend();
    }

    ui::qt::DialogWindow& window() const { return *backend_.Window(dialog_->GetSafeHwnd()); }
    QAbstractButton* Button(int id) const { return qobject_cast<QAbstractButton*>(window().Control(id)); }
    QPlainTextEdit* LogBox() const { return qobject_cast<QPlainTextEdit*>(window().Control(IDC_EDIT_LOG)); }

    FakeBridgeService bridge_;
    ui::qt::QtBackend& backend_;
    std::unique_ptr<CKestrixDlg> dialog_;
};

TEST_F(ConsoleWindow, AClickThroughQtRunsTheHandlerAndTheLogBoxShowsItsResultLine) {
    const struct {
        int button;
        int status;
        const char* logLine;
    } cases[] = {
        {IDC_BUTTON_OPEN, 0, "Open = 0"},
        {IDC_BUTTON_OPEN, -3, "Open - Error code -3 [KOV_FILE_WRITE_ERROR]"},
        {IDC_BUTTON_CLOSE, 0, "Close = 0"},
        {IDC_BUTTON_DLL_VERSION, 0, "DLL software version = 1.09"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.logLine);
        bridge_.Respond(row.status);
        Button(row.button)->click();
        EXPECT_EQ(LogBox()->toPlainText().toStdString(), row.logLine);
    }
}

TEST_F(ConsoleWindow, ACheckBoxClickSendsItsNewState) {
    const struct {
        int box;
        const char* stateSent;
        const char* logLine;
    } cases[] = {
        {IDC_CHECK_FRAMER, ",1", "Framer Ctrl  1 = 0"},
        {IDC_CHECK_FRAMER, ",0", "Framer Ctrl  0 = 0"},
        {IDC_CHECK_SNIFFER, ",1", nullptr},
        {IDC_CHECK_MANAGER, ",1", nullptr},
        {IDC_CHECK_MANAGER, ",0", nullptr},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::to_string(row.box) + row.stateSent);
        Button(row.box)->click();
        const std::string& command = bridge_.lastCommand();
        ASSERT_GE(command.size(), 2u);
        EXPECT_EQ(command.substr(command.size() - 2), row.stateSent);
        if (row.logLine != nullptr) {
            EXPECT_EQ(LogBox()->toPlainText().toStdString(), row.logLine);
        }
    }
}

TEST_F(ConsoleWindow, TheWindowIconIsIcon128WithBothItsPictures) {
    const ui::IconResource& icon = *KestrixResources().FindIcon(IDR_MAINFRAME);
    const QIcon shown = window().windowIcon();
    ASSERT_FALSE(shown.isNull());
    for (const ui::IconImage& image : icon.images) {
        const QSize size(image.width, image.height);
        EXPECT_TRUE(shown.availableSizes().contains(size));
        EXPECT_EQ(shown.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32), ui::qt::ToImage(image));
    }
}

// Records the log box's text at every paint of it, so a test sees what was on screen when.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QPlainTextEdit& box) : box_(box) { box.viewport()->installEventFilter(this); }
    ~PaintRecorder() override { box_.viewport()->removeEventFilter(this); }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted.push_back(box_.toPlainText().toStdString());
        return false;
    }
    std::vector<std::string> painted;

private:
    QPlainTextEdit& box_;
};

TEST_F(ConsoleWindow, TheProgressLineIsPaintedBeforeTheLibraryBlocks) {
    PaintRecorder recorder(*LogBox());
    std::vector<std::string> paintedWhenCommandArrived;
    bridge_.onCommand = [&](const std::string&) { paintedWhenCommandArrived = recorder.painted; };
    Button(IDC_BUTTON_OPEN)->click();  // no event is handled between the click and the command
    ASSERT_FALSE(paintedWhenCommandArrived.empty());
    EXPECT_EQ(paintedWhenCommandArrived.back(), "Opening ....");
    EXPECT_EQ(recorder.painted.back(), "Open = 0");
}

// Picks the About item of the dialog's context menu, then looks at the About box and presses
// its OK button; both run in nested event loops, so the steps go by timer.
TEST_F(ConsoleWindow, TheContextMenuOffersAboutWhichOpensTheAboutBox) {
    QStringList menuItems;
    QString aboutTitle, aboutLabel;
    bool aboutHasIcon = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) menuItems << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QTimer::singleShot(0, [&] {
            QWidget* about = QApplication::activeModalWidget();
            ASSERT_NE(about, nullptr);
            aboutTitle = about->windowTitle();
            for (QLabel* label : about->findChildren<QLabel*>()) {
                if (!label->text().isEmpty()) aboutLabel = label->text();
                if (!label->pixmap().isNull()) aboutHasIcon = true;
            }
            about->findChild<QPushButton*>()->click();
        });
        menu->setActiveAction(menu->actions().back());
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &enter);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), window().mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&window(), &event);

    EXPECT_EQ(menuItems, (QStringList{QStringLiteral("&Close"), QStringLiteral("-"), QStringLiteral("&About Kestrix...")}));
    EXPECT_EQ(aboutTitle, QStringLiteral("About Kestrix"));
    EXPECT_EQ(aboutLabel, QStringLiteral("Kestrix Version 1.0"));
    EXPECT_TRUE(aboutHasIcon);
    EXPECT_TRUE(window().isVisible());  // the main dialog goes on
}

// Without a driver the pickers show Qt's file dialog: Save As without an overwrite prompt, or
// Open for the automator file, with every file shown. The dialog is answered by timer, as it
// runs its own modal loop.
TEST_F(ConsoleWindow, PickersAskThroughQtFileDialogsAndCancelChangesNothing) {
    QTemporaryDir folder;
    const QString existing = QDir(folder.path()).filePath(QStringLiteral("automator.txt"));
    std::ofstream(existing.toStdString()) << "x";
    const QString fresh = QDir(folder.path()).filePath(QStringLiteral("new project.kpf"));
    const struct {
        int browse;
        int edit;
        QFileDialog::AcceptMode mode;
        QString answer;  // empty: cancel
        std::string expectedText;
    } cases[] = {
        {IDC_BROWSE_PROJECT_FILE, IDC_EDIT_PROJECT_FILE, QFileDialog::AcceptSave, fresh, fresh.toStdString()},
        {IDC_BROWSE_PROJECT_FILE, IDC_EDIT_PROJECT_FILE, QFileDialog::AcceptSave, QString(), fresh.toStdString()},
        {IDC_BROWSE_AUTOMATOR_FILE, IDC_EDIT_AUTOMATOR_FILE, QFileDialog::AcceptOpen, existing, existing.toStdString()},
        {IDC_BROWSE_AUTOMATOR_FILE, IDC_EDIT_AUTOMATOR_FILE, QFileDialog::AcceptOpen, QString(), existing.toStdString()},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.answer.toStdString());
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
        bool confirmsOverwrite = true;
        QStringList filters;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            mode = dialog->acceptMode();
            confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            filters = dialog->nameFilters();
            if (row.answer.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(row.answer);
                static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own accept, as OK runs it
            }
        });
        Button(row.browse)->click();
        EXPECT_EQ(mode, row.mode);
        EXPECT_EQ(confirmsOverwrite, false);
        EXPECT_TRUE(filters.isEmpty() || filters == QStringList{QStringLiteral("All Files (*)")});
        EXPECT_EQ(backend_.GetControlText(dialog_->GetSafeHwnd(), row.edit), row.expectedText);
    }
}

// A driver given as a function, as the scripted mode installs one.
class FunctionDriver : public ui::ModalDriver {
public:
    explicit FunctionDriver(std::function<void(ui::WindowHandle)> run) : run_(std::move(run)) {}
    void RunModalLoop(ui::WindowHandle dialog, const ui::DialogTemplate& /*dialogTemplate*/) override { run_(dialog); }

private:
    std::function<void(ui::WindowHandle)> run_;
};

TEST(ScriptedWindow, ADriverActsOnTheShownWindowAndTheScreenshotHasTheDialogsSize) {
    FakeBridgeService bridge;
    ui::qt::QtBackend& backend = InstallQtBackend();
    QTemporaryDir folder;
    const std::string picture = QDir(folder.path()).filePath(QStringLiteral("kestrix.png")).toStdString();
    ASSERT_TRUE(ui::qt::RequestScreenshot(backend, picture));

    bool shownWhileDriven = false;
    std::string projectFile, log;
    FunctionDriver driver([&](ui::WindowHandle dialog) {
        shownWhileDriven = backend.Window(dialog)->isVisible();
        backend.QueueFileDialogAnswer(std::string("/tmp/chosen project.kpf"));
        backend.Click(dialog, IDC_BROWSE_PROJECT_FILE);
        projectFile = backend.GetControlText(dialog, IDC_EDIT_PROJECT_FILE);
        backend.Click(dialog, IDC_BROWSE_PROJECT_FILE);  // nothing queued: cancelled, text kept
        backend.Click(dialog, IDC_BUTTON_OPEN);
        log = backend.GetControlText(dialog, IDC_EDIT_LOG);
        backend.Click(dialog, IDOK);
    });
    backend.SetModalDriver(&driver);
    theApp.InitInstance();
    backend.SetModalDriver(nullptr);
    theApp.ReleaseBackend();

    EXPECT_TRUE(shownWhileDriven);
    EXPECT_EQ(projectFile, "/tmp/chosen project.kpf");
    EXPECT_EQ(log, "Open = 0");
    const QImage image(QString::fromStdString(picture));
    ASSERT_FALSE(image.isNull());
    const ui::DialogTemplate& main = *KestrixResources().FindDialog(IDD_KESTRIX_DIALOG);
    const QFont font = ui::qt::ChooseDialogFont(main, *QApplication::style());
    EXPECT_EQ(image.size(),
              ui::qt::MapDialogRect(ui::qt::MeasureBaseUnits(font), 0, 0, main.width, main.height).size());
}

}  // namespace
