// The program's own dialogs: a message box wide enough for its title, the folder a file
// dialog opens in, the manual's link while its window is locked, and a label's focus frame.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include "support/FileDialog.h"
#include "support/FocusLabel.h"
#include "support/LinkLabel.h"
#include "support/MessageBox.h"

namespace {

// The titles that were cut off, and a short one that needs nothing.
TEST(DialogsTest, AMessageBoxIsWideEnoughForItsTitle) {
    const char* titles[] = {"This line is a", "Aspect pattern found", "Aspektmuster gefunden",
                            "Ein sehr langer Titel einer Meldung, die "
                            "kaum Text hat",
                            "OK"};
    for (const char* title : titles) {
        SCOPED_TRACE(title);
        QMessageBox box(QMessageBox::Information, QString::fromUtf8(title), "Sextile (60°)",
                        QMessageBox::Ok);
        const int needed = support::FitBoxToTitle(box);
        QFont bold = box.font();
        bold.setBold(true);
        EXPECT_GT(needed, QFontMetrics(bold).horizontalAdvance(QString::fromUtf8(title)));
        box.show();
        EXPECT_GE(box.width(), needed);
        box.hide();
    }
}

// A dialog opens in the folder asked for while it exists, else in the documents folder, else
// in the home folder: never in the folder the program was started from.
TEST(DialogsTest, AFileDialogFallsBackToDocumentsThenHome) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString documents = home.filePath("Documents");
    const QString last = home.filePath("charts");
    const QString missing = home.filePath("gone");
    struct Case {
        QString wanted;
        bool documentsExist;
        QString opened;
    } cases[] = {
        {last, true, last},
        {last, false, last},
        {missing, true, documents},
        {missing, false, home.path()},
        {QString(), false, home.path()},
        {QString(), true, documents},
    };
    ASSERT_TRUE(QDir().mkpath(last));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wanted.toStdString() + (c.documentsExist ? " with" : " without"));
        if (c.documentsExist)
            ASSERT_TRUE(QDir().mkpath(documents));
        else
            ASSERT_TRUE(QDir(documents).removeRecursively());
        EXPECT_EQ(support::DialogStartFolder(c.wanted, documents, home.path()), c.opened);
        EXPECT_NE(support::DialogStartFolder(c.wanted, documents, home.path()),
                  QDir::currentPath());
    }
}

// Enabled, the label is a link; disabled, it is its caption in the grey of disabled text.
TEST(DialogsTest, TheLinkIsGreyAndNoLinkWhileDisabled) {
    const QColor grey(120, 120, 120);
    EXPECT_EQ(LinkLabel::LinkText("open it", "manual", true, grey),
              "<a href=\"manual\">open it</a>");
    EXPECT_EQ(LinkLabel::LinkText("a < b", "manual", false, grey),
              "<span style=\"color:#787878\">a &lt; b</span>");
    QWidget page;
    LinkLabel link(&page);
    link.SetLink("open it", "manual");
    page.setEnabled(false);
    EXPECT_FALSE(link.text().contains("<a "));
    page.setEnabled(true);
    EXPECT_TRUE(link.text().contains("<a "));
}

// A label with the focus shows the focus frame; the same label without the focus does not.
TEST(DialogsTest, AFocusedLabelShowsTheFocusFrame) {
    QWidget page;
    QVBoxLayout column(&page);
    QLineEdit before;
    FocusLabel swatch;
    swatch.setAutoFillBackground(true);
    swatch.setPalette(QPalette(Qt::black));
    swatch.setFixedSize(120, 18);
    column.addWidget(&before);
    column.addWidget(&swatch);
    page.show();
    QApplication::setActiveWindow(&page);
    before.setFocus();
    const QImage unfocused = swatch.grab().toImage();
    QTest::keyClick(&before, Qt::Key_Tab);
    ASSERT_TRUE(swatch.hasFocus());
    const QImage focused = swatch.grab().toImage();
    EXPECT_NE(focused, unfocused);
    // A white frame just inside the edge of the black label; the middle stays as it was.
    EXPECT_EQ(QColor(focused.pixel(1, 9)), QColor(Qt::white));
    EXPECT_EQ(focused.pixel(60, 9), unfocused.pixel(60, 9));
}

}  // namespace
