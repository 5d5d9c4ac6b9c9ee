// `kestrix --screenshot FILE.png` as a separate process on Qt's offscreen platform: the picture
// is written with the dialog's size, after the script or at once without one, and the program
// then ends by itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>

#include "dialog_metrics.h"
#include "kestrix_resources.h"
#include "resource_ids.h"

namespace {

QSize MainDialogSize() {
    const ui::DialogTemplate& main = *KestrixResources().FindDialog(IDD_KESTRIX_DIALOG);
    const QFont font = ui::qt::ChooseDialogFont(main, *QApplication::style());
    return ui::qt::MapDialogRect(ui::qt::MeasureBaseUnits(font), 0, 0, main.width, main.height).size();
}

TEST(ScreenshotOption, WritesAPictureOfTheDialogsSizeAndEnds) {
    const struct {
        const char* name;
        const char* script;  // nullptr: no script
        int exitStatus;
    } cases[] = {
        {"after a script", "click 1002\nprint 1005\n", 0},
        {"at once without a script", nullptr, 0},
        {"into a folder that does not exist", nullptr, 3},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        QTemporaryDir folder;
        const QString base = row.exitStatus == 3 ? folder.filePath(QStringLiteral("missing/folder")) : folder.path();
        const std::string picture = QDir(base).filePath(QStringLiteral("kestrix.png")).toStdString();
        std::string command = "QT_QPA_PLATFORM=offscreen '" KESTRIX_EXECUTABLE "' --screenshot '" + picture + "'";
        if (row.script != nullptr) {
            const std::string scriptPath = QDir(folder.path()).filePath(QStringLiteral("script.txt")).toStdString();
            std::ofstream(scriptPath) << row.script;
            command += " --script '" + scriptPath + "'";
        }
        command += " > '" + QDir(folder.path()).filePath(QStringLiteral("out.txt")).toStdString() + "' 2>&1";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), row.exitStatus);
        if (row.exitStatus != 0) continue;
        const QImage image(QString::fromStdString(picture));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), MainDialogSize());
    }
}

}  // namespace
