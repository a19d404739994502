#include "support/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QVariant>

namespace support {
namespace {

FileDialogHook& InstalledHook() {
    static FileDialogHook hook;
    return hook;
}

// The property of a window that holds the folder its dialogs used last.
const char* const kLastFolderProperty = "zodarcLastFileFolder";

QString DocumentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString ShowFileDialog(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent, request.strTitle,
                       DialogStartFolder(request.strFolder, DocumentsFolder(), QDir::homePath()),
                       request.strFilter);
    dialog.setAcceptMode(request.blnSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.blnSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.strDefaultSuffix);
    if (request.strFilter.contains(QStringLiteral(";;"))) {
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterExtension(filter)); });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (request.strChosenFilter)
        *request.strChosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().first();
}

}  // namespace

QString DialogStartFolder(const QString& wanted, const QString& documents, const QString& home) {
    for (const QString& folder : {wanted, documents})
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    return home;
}

QString AskFileName(QWidget* parent, const FileDialogRequest& asked) {
    QWidget* window = parent ? parent->window() : nullptr;
    FileDialogRequest request = asked;
    if (request.strFolder.isEmpty() && window)
        request.strFolder = window->property(kLastFolderProperty).toString();
    if (request.strFolder.isEmpty())
        request.strFolder = DocumentsFolder();
    const QString chosen =
        InstalledHook() ? InstalledHook()(request) : ShowFileDialog(parent, request);
    if (!chosen.isEmpty() && window)
        window->setProperty(kLastFolderProperty, QFileInfo(chosen).absolutePath());
    return chosen;
}

QString FilterExtension(const QString& filter) {
    const int star = filter.lastIndexOf(QStringLiteral("(*."));
    const int end = filter.indexOf(QLatin1Char(')'), star);
    if (star < 0 || end < 0)
        return QString();
    return filter.mid(star + 3, end - star - 3);
}

FileDialogHook SetFileDialogHook(FileDialogHook hook) {
    FileDialogHook previous = InstalledHook();
    InstalledHook() = std::move(hook);
    return previous;
}

}  // namespace support
