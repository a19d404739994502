// Access keys: the letter marked in a button's caption, the caption itself kept whole.
#include <gtest/gtest.h>

#include <QKeySequence>
#include <QPushButton>

#include "support/AccessKeys.h"
#include "text/Language.h"

namespace {

// The mark goes before the first such letter in either case, a '&' of the caption is shown
// as itself, and a letter the caption lacks marks nothing.
TEST(AccessKeysTest, TheMarkedCaptionShowsTheCaptionAndPressesItsLetter) {
    const struct {
        const char* caption;
        char letter;
        const char* marked;
        int key;  // the Alt key of the marked text, 0 none
    } cases[] = {
        {"Compute", 'C', "&Compute", Qt::Key_C},
        {"Berechnen", 'b', "&Berechnen", Qt::Key_B},
        {"Restore", 'E', "R&estore", Qt::Key_E},
        {"Save & load", 'L', "Save && &load", Qt::Key_L},
        {"Quit", 'Z', "Quit", 0},
        {"A&B", '\0', "A&&B", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        const QString marked = support::MarkAccessKey(c.caption, QChar(c.letter));
        EXPECT_EQ(marked, c.marked);
        EXPECT_EQ(support::PlainCaption(marked), c.caption);
        EXPECT_EQ(QKeySequence::mnemonic(marked),
                  c.key ? QKeySequence(Qt::ALT | c.key) : QKeySequence());
    }
}

// A button with keys for each language marks the first of its letters its caption holds,
// and one without keys shows its caption as it is.
TEST(AccessKeysTest, AButtonMarksTheLetterOfItsLanguage) {
    QPushButton run;
    QPushButton plain;
    support::SetAccessKeys(&run, "UT", "A");
    const struct {
        int16_t language;
        const char* caption;
        const char* shown;
    } cases[] = {
        {Language::intEnglish, "Run", "R&un"},      {Language::intEnglish, "Stop", "S&top"},
        {Language::intGerman, "Laufen", "L&aufen"}, {Language::intGerman, "Anhalten", "&Anhalten"},
        {Language::intGerman, "Run", "Run"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        Language::intLanguage = c.language;
        support::SetCaption(&run, c.caption);
        support::SetCaption(&plain, c.caption);
        EXPECT_EQ(run.text(), c.shown);
        EXPECT_EQ(plain.text(), c.caption);
    }
    Language::intLanguage = Language::intEnglish;
}

}  // namespace
