#include "file_dialog.h"

#include <QFileDialog>

namespace ui::qt {

QStringList ToNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromUtf8(filter.data(), static_cast<int>(filter.size())).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty()) break;  // the "||" that ends the list
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

std::optional<std::string> RunFileDialog(const FileDialogRequest& request, QWidget* owner) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(request.openDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.openDialog ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    const QStringList filters = ToNameFilters(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    // A default extension is appended to a name typed without one; a pattern such as "*.*"
    // names no extension and is left out.
    QString extension = QString::fromUtf8(request.defaultExtension.data(),
                                          static_cast<int>(request.defaultExtension.size()));
    if (extension.startsWith(QLatin1Char('.'))) extension.remove(0, 1);
    if (!extension.isEmpty() && !extension.contains(QLatin1Char('*')) && !extension.contains(QLatin1Char('?'))) {
        dialog.setDefaultSuffix(extension);
    }
    if (!request.initialFileName.empty()) dialog.selectFile(QString::fromUtf8(request.initialFileName.c_str()));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.front().toUtf8().toStdString();
}

}  // namespace ui::qt
