#include "support/FileDialog.h"

#include <QFileDialog>

namespace support {
namespace {

FileDialogHook& InstalledHook() {
    static FileDialogHook hook;
    return hook;
}

}  // namespace

QString AskFileName(QWidget* parent, const FileDialogRequest& request) {
    if (InstalledHook())
        return InstalledHook()(request);
    QFileDialog dialog(parent, request.strTitle, request.strFolder, request.strFilter);
    dialog.setAcceptMode(request.blnSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.blnSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.strDefaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

FileDialogHook SetFileDialogHook(FileDialogHook hook) {
    FileDialogHook previous = InstalledHook();
    InstalledHook() = std::move(hook);
    return previous;
}

}  // namespace support
