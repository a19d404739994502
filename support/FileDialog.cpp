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
    if (request.strFilter.contains(QStringLiteral(";;"))) {
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) {
                             dialog.setDefaultSuffix(FilterExtension(filter));
                         });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (request.strChosenFilter)
        *request.strChosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().first();
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
