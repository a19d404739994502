#include "support/frmView.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextCursor>

#include "support/ViewText.h"
#include "support/WindowSupport.h"
#include "text/Language.h"

namespace {

// Twips: the margin around the controls, the buttons' height and the Close button's width.
constexpr int kMargin = 120;
constexpr int kButtonHeight = 375;
constexpr int kCloseWidth = 1200;
constexpr int kHelpName = 206;  // "Help", what a screen reader calls the text of the help

}  // namespace

frmView::frmView(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmView");
    setWindowTitle(QString::fromUtf8(ViewText::strViewerCaption));
    txbText1 = new QPlainTextEdit(this);
    txbText1->setObjectName("txbText1");
    txbText1->setReadOnly(true);
    // Plain text files line up their columns with blanks.
    txbText1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txbText1->viewport()->installEventFilter(this);
    txbText1->installEventFilter(this);
    cmdCopyToClipboard = new QPushButton(this);
    cmdCopyToClipboard->setObjectName("cmdCopyToClipboard");
    cmdClose = new QPushButton(this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmView::cmdCopyToClipboard_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    cmdClose->setText(QString::fromUtf8(ViewText::strCloseCaption));
    SetCopyCaption(false);
    resize(support::Px(9000), support::Px(6000));
}

frmView& frmView::Instance(QWidget* mainWindow) {
    static QPointer<frmView> viewer;
    if (viewer.isNull())
        viewer = new frmView(mainWindow);
    return *viewer;
}

void frmView::ShowHelp(QWidget* mainWindow, const QString& dataFolder) {
    frmView& viewer = Instance(mainWindow);
    viewer.strFilename =
        QDir(dataFolder).filePath(support::Q(ViewText::HelpFileName(Language::intLanguage)));
    viewer.blnCopyToClipboardInvisible = true;
    viewer.txbText1->setAccessibleName(support::Text(kHelpName));
    if (viewer.isMinimized()) {
        viewer.showNormal();
    } else if (!viewer.isMaximized() && !viewer.isFullScreen()) {
        const QRect main = mainWindow->frameGeometry();
        viewer.move(main.left() + support::Px(1300), main.top() + support::Px(2000));
        viewer.resize(main.width() - support::Px(3500), main.height() - support::Px(3000));
    }
    viewer.ShowFile();
}

void frmView::ShowFile() {
    cmdCopyToClipboard->setVisible(!blnCopyToClipboardInvisible);
    if (!blnFileDisplayed || strFilename != m_strDisplayedFile) {
        cmdClose->setText(QString::fromUtf8(ViewText::strCloseCaption));
        SetCopyCaption(false);
        txbText1->clear();
        blnFileDisplayed = false;
        const ViewText::FileReading reading =
            ViewText::ReadFileForViewing(strFilename.toStdString());
        if (!reading.blnRead) {
            hide();
            support::ShowMessage(parentWidget(), support::Q(reading.strMessage),
                                 support::Q(reading.strTitle), support::MsgIcon::Warning);
            return;
        }
        txbText1->setPlainText(support::Q(ViewText::ShownText(reading.strText)));
        txbText1->moveCursor(QTextCursor::Start);
        blnFileDisplayed = true;
        m_strDisplayedFile = strFilename;
    }
    show();
    raise();
    activateWindow();
}

void frmView::SetCopyCaption(bool blnSelection) {
    cmdCopyToClipboard->setText(QString::fromUtf8(blnSelection ? ViewText::strCopySelectedCaption
                                                               : ViewText::strCopyAllCaption));
    cmdCopyToClipboard->resize(
        support::Px(blnSelection ? ViewText::intCopySelectedWidth : ViewText::intCopyAllWidth),
        support::Px(kButtonHeight));
}

void frmView::cmdCopyToClipboard_Click() {
    if (!txbText1->toPlainText().isEmpty()) {
        const QTextCursor cursor = txbText1->textCursor();
        QString text = cursor.hasSelection() ? cursor.selectedText() : txbText1->toPlainText();
        // A selection separates its lines by the paragraph separator.
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        QClipboard* clipboard = QApplication::clipboard();
        clipboard->clear();
        clipboard->setText(text);
    }
    SetCopyCaption(false);
    cmdClose->setFocus();
}

bool frmView::eventFilter(QObject* watched, QEvent* event) {
    // Selecting with the mouse (or the keyboard) names what the copy button will copy.
    const bool selecting =
        (watched == txbText1->viewport() && event->type() == QEvent::MouseButtonRelease) ||
        (watched == txbText1 && event->type() == QEvent::KeyRelease);
    if (selecting && cmdCopyToClipboard->isVisible() && cmdCopyToClipboard->isEnabled())
        SetCopyCaption(txbText1->textCursor().hasSelection());
    return QWidget::eventFilter(watched, event);
}

void frmView::closeEvent(QCloseEvent* event) {
    blnFileDisplayed = false;
    event->accept();
}

void frmView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ArrangeControls();
}

void frmView::ArrangeControls() {
    const int windowWidth = width() * support::intTwipsPerPixel;
    const int windowHeight = height() * support::intTwipsPerPixel;
    const int buttonTop = windowHeight - kMargin - kButtonHeight;
    support::PlaceTwips(txbText1, kMargin, kMargin, windowWidth - 2 * kMargin,
                        buttonTop - 2 * kMargin);
    cmdCopyToClipboard->move(support::Px(kMargin), support::Px(buttonTop));
    support::PlaceTwips(cmdClose, windowWidth - kMargin - kCloseWidth, buttonTop, kCloseWidth,
                        kButtonHeight);
}
