#pragma once
// The text viewer: shows a plain-text file read-only, with "Copy to clipboard" (the
// selection, or everything) and "Close". The program shows its help text in it.

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

class frmView : public QWidget {
    Q_OBJECT
  public:
    explicit frmView(QWidget* parent = nullptr);

    // Loads strFilename into the text box, unless that file is already displayed, and shows
    // the window. A file that is empty or cannot be read gives a warning instead, and the
    // window stays hidden; the next call tries again.
    void ShowFile();

    // Returns the program's viewer, created hidden on first use beside mainWindow and kept.
    static frmView& Instance(QWidget* mainWindow);

    // The Help command: shows the help text of the current language (zdr_help.txt or
    // zdr_help_de.txt in dataFolder) without the copy button, restored when minimised and
    // otherwise placed over mainWindow (2000 twips down, 1300 in, 3500 narrower and 3000
    // lower than it).
    static void ShowHelp(QWidget* mainWindow, const QString& dataFolder);

    QString strFilename;                       // full path of the file to show
    bool blnFileDisplayed = false;             // strFilename is in the text box
    bool blnCopyToClipboardInvisible = false;  // hide the copy button

    QPlainTextEdit* txbText1 = nullptr;
    QPushButton* cmdCopyToClipboard = nullptr;
    QPushButton* cmdClose = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void cmdCopyToClipboard_Click();
    void SetCopyCaption(bool blnSelection);
    void ArrangeControls();

    QString m_strDisplayedFile;
};
