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
    if (request.blnSave)
        return QFileDialog::getSaveFileName(parent, request.strTitle, QString(), request.strFilter);
    return QFileDialog::getOpenFileName(parent, request.strTitle, QString(), request.strFilter);
}

FileDialogHook SetFileDialogHook(FileDialogHook hook) {
    FileDialogHook previous = InstalledHook();
    InstalledHook() = std::move(hook);
    return previous;
}

}  // namespace support
