// The text viewer as a user meets it: a file shown read-only, a large one cut, the copy
// button's captions and what it copies, no reload on re-activation, the failure messages,
// and the help text of each language.
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <vector>

#include "support/MessageBox.h"
#include "support/ViewText.h"
#include "support/frmView.h"
#include "tests/EngineTestSupport.h"
#include "tests/support/SupportTest.h"
#include "text/Language.h"

namespace {

// Records every message box instead of showing it, while it lives.
struct RecordedMessages {
    RecordedMessages() {
        support::SetMessageHook([this](const support::MessageRequest& r) {
            list.push_back(r);
            return support::MsgAnswer::Ok;
        });
    }
    ~RecordedMessages() { support::SetMessageHook(nullptr); }
    std::vector<support::MessageRequest> list;
};

QString Qs(const std::string& text) {
    return QString::fromStdString(text);
}

TEST_F(SupportTest, TheViewerShowsAFileReadOnlyAndCopiesIt) {
    RecordedMessages messages;
    frmView viewer;
    viewer.strFilename = Qs(WriteFile("notes.txt", "First line\nZweite Zeile mit Größe\n"));
    viewer.ShowFile();
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.windowTitle(), "Viewing");
    EXPECT_TRUE(viewer.blnFileDisplayed);
    EXPECT_TRUE(viewer.txbText1->isReadOnly());
    EXPECT_EQ(viewer.txbText1->toPlainText(), "First line\nZweite Zeile mit Größe\n");
    EXPECT_EQ(viewer.txbText1->textCursor().position(), 0);
    EXPECT_EQ(viewer.cmdClose->text(), "Close");
    EXPECT_TRUE(viewer.cmdCopyToClipboard->isVisible());
    EXPECT_EQ(viewer.cmdCopyToClipboard->text(), "Copy to clipboard");
    EXPECT_EQ(viewer.cmdCopyToClipboard->width(), 218);  // 3270 twips

    // A selection made with the mouse: the button offers to copy it.
    QTextCursor cursor = viewer.txbText1->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(23, QTextCursor::KeepAnchor);
    viewer.txbText1->setTextCursor(cursor);
    QTest::mouseRelease(viewer.txbText1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(viewer.cmdCopyToClipboard->text(), "Copy selected text to clipboard");
    EXPECT_EQ(viewer.cmdCopyToClipboard->width(), 295);  // 4425 twips
    viewer.cmdCopyToClipboard->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "line\nZweite Zeile");
    EXPECT_EQ(viewer.cmdCopyToClipboard->text(), "Copy to clipboard");
    EXPECT_EQ(viewer.cmdCopyToClipboard->width(), 218);

    // Nothing selected: everything.
    cursor.clearSelection();
    viewer.txbText1->setTextCursor(cursor);
    QTest::mouseRelease(viewer.txbText1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(viewer.cmdCopyToClipboard->text(), "Copy to clipboard");
    viewer.cmdCopyToClipboard->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "First line\nZweite Zeile mit Größe\n");

    viewer.cmdClose->click();
    EXPECT_FALSE(viewer.isVisible());
    EXPECT_TRUE(messages.list.empty());
}

TEST_F(SupportTest, TheViewerCutsALargeFile) {
    frmView viewer;
    const std::string file(ViewText::intTextBoxCapacity, 'x');
    viewer.strFilename = Qs(WriteFile("large.txt", file));
    viewer.ShowFile();
    const QString shown = viewer.txbText1->toPlainText();
    EXPECT_TRUE(shown.startsWith("NOTE: This file is too large to display entirely"));
    EXPECT_TRUE(shown.endsWith("NOTE: Entire contents of file have not been displayed.\n"));
    EXPECT_LE(shown.size(), qsizetype(ViewText::intTextBoxCapacity));
}

TEST_F(SupportTest, TheViewerReloadsOnlyAnotherFileOrAfterClosing) {
    frmView viewer;
    const std::string path = WriteFile("a.txt", "old text");
    viewer.strFilename = Qs(path);
    viewer.ShowFile();
    WriteFile("a.txt", "new text");
    viewer.cmdClose->click();
    viewer.ShowFile();  // shown again, not read again
    EXPECT_EQ(viewer.txbText1->toPlainText(), "old text");
    EXPECT_TRUE(viewer.isVisible());

    viewer.strFilename = Qs(WriteFile("b.txt", "other file"));
    viewer.ShowFile();
    EXPECT_EQ(viewer.txbText1->toPlainText(), "other file");

    viewer.strFilename = Qs(path);
    viewer.ShowFile();
    EXPECT_EQ(viewer.txbText1->toPlainText(), "new text");
    viewer.close();  // the window's own close box
    EXPECT_FALSE(viewer.blnFileDisplayed);
    WriteFile("a.txt", "newest text");
    viewer.ShowFile();
    EXPECT_EQ(viewer.txbText1->toPlainText(), "newest text");
}

TEST_F(SupportTest, AnEmptyOrMissingFileIsReportedAndNotShown) {
    RecordedMessages messages;
    frmView viewer;
    viewer.strFilename = Qs(WriteFile("empty.txt", ""));
    viewer.ShowFile();
    ASSERT_EQ(messages.list.size(), 1u);
    EXPECT_EQ(messages.list[0].strText, "File is empty!");
    EXPECT_EQ(messages.list[0].strTitle, "Error");
    EXPECT_EQ(messages.list[0].icon, support::MsgIcon::Warning);
    EXPECT_FALSE(viewer.isVisible());

    viewer.strFilename = Qs((folder / "missing.txt").string());
    viewer.ShowFile();
    ASSERT_EQ(messages.list.size(), 2u);
    EXPECT_TRUE(messages.list[1].strText.startsWith("Error 2.  "));
    EXPECT_EQ(messages.list[1].strTitle, "Error reading file");
    EXPECT_FALSE(viewer.isVisible());

    // Once the file is there, the next try shows it.
    WriteFile("missing.txt", "here now");
    viewer.ShowFile();
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.txbText1->toPlainText(), "here now");
}

TEST(frmViewHelp, HelpShowsTheTextOfTheLanguageOverTheMainWindow) {
    ASSERT_TRUE(LoadTestProgramText());
    const QString dataFolder = QString::fromUtf8(getenv("ZODARC_BUILD_DIR"));
    QMainWindow main;
    main.setGeometry(0, 30, 1400, 800);
    main.show();
    for (const int16_t language : {Language::intEnglish, Language::intGerman}) {
        SCOPED_TRACE(language);
        Language::intLanguage = language;
        frmView::ShowHelp(&main, dataFolder);
        frmView& viewer = frmView::Instance(&main);
        EXPECT_TRUE(viewer.isVisible());
        EXPECT_FALSE(viewer.cmdCopyToClipboard->isVisible());
        EXPECT_TRUE(viewer.strFilename.endsWith(language == Language::intGerman ? "/zdr_help_de.txt"
                                                                                : "/zdr_help.txt"));
        const ViewText::FileReading help =
            ViewText::ReadFileForViewing(viewer.strFilename.toStdString());
        ASSERT_TRUE(help.blnRead) << help.strMessage;
        EXPECT_EQ(viewer.txbText1->toPlainText(), Qs(help.strText));
        EXPECT_EQ(viewer.txbText1->accessibleName(),
                  language == Language::intGerman ? "Hilfe" : "Help");
        const QRect frame = main.frameGeometry();
        EXPECT_EQ(viewer.pos(), frame.topLeft() + QPoint(87, 133));  // 1300 and 2000 twips
        EXPECT_EQ(viewer.size(), frame.size() - QSize(233, 200));    // 3500 and 3000 twips
    }
    Language::intLanguage = Language::intEnglish;
    frmView::Instance(&main).hide();
}

}  // namespace
