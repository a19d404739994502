#pragma once
// The Open and Save dialogs of the program go through these, so that tests can answer
// them with a hook instead of a user.

#include <QString>
#include <functional>

class QWidget;

namespace support {

// What a file dialog asks: blnSave for a Save dialog, its title, its filter (several
// separated by ";;", the first chosen at first), the extension a name without one gets
// (before the dialog asks whether to replace a file; with several filters, the chosen
// filter's), and the folder it starts in ("" for the folder last used in the dialogs of
// the same window, at first the documents folder). The filter chosen is put into
// strChosenFilter when that is given.
struct FileDialogRequest {
    bool blnSave = false;
    QString strTitle;
    QString strFilter;
    QString strDefaultSuffix;
    QString strFolder;
    QString* strChosenFilter = nullptr;
};

// Returns the extension a filter such as "SVG pictures (*.svg)" names, "svg"; "" for none.
QString FilterExtension(const QString& filter);

using FileDialogHook = std::function<QString(const FileDialogRequest&)>;

// Shows the Open or Save dialog (or asks the installed hook, which gets the folder filled
// in) and returns the chosen file's full path; the empty text when the dialog was
// cancelled. The chosen file's folder is remembered for the next dialog of parent's window.
// Returns the folder a dialog opens in when it is asked for wanted: wanted itself when it
// exists, else documents when that exists, else home; never the working folder.
QString DialogStartFolder(const QString& wanted, const QString& documents, const QString& home);
QString AskFileName(QWidget* parent, const FileDialogRequest& request);

// Installs a hook that answers every file dialog; an empty hook brings the real dialogs
// back. Returns the hook installed before.
FileDialogHook SetFileDialogHook(FileDialogHook hook);

}  // namespace support
