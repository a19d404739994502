// The main window as a user meets it: start-up, invalid dates, modes, languages, the
// size limits, Quit and the state files.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "app/MainKeyboard.h"
#include "app/frmMain.h"
#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "config/OptionsInForce.h"
#include "config/SettingsStore.h"
#include "config/frmConfigure.h"
#include "engine/Catalogue.h"
#include "engine/Report.h"
#include "store/StateFile.h"
#include "support/AccessKeys.h"
#include "support/FileDialog.h"
#include "support/MessageBox.h"
#include "support/PictureSupport.h"
#include "support/frmView.h"
#include "support/weblink.h"
#include "tests/MemoryStore.h"
#include "tests/cli/CliRunner.h"
#include "text/Language.h"
#include "view/GraphicView.h"
#include "view/SheetPrinter.h"
#include "view/TableGrid.h"
#include "view/frmDurations.h"

QT_BEGIN_NAMESPACE
// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << text.toStdString();
}
QT_END_NAMESPACE

namespace {

// 2024-03-10 21:47:10 UTC: 17 minutes past the half hour, so the world date becomes 22:00.
constexpr std::time_t kNow = 1710107230;

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(userData.isValid());
        DatePr2::SetClockForTesting([] { return kNow; });
        support::SetMessageHook([this](const support::MessageRequest& r) {
            messages.push_back(r);
            return answer;
        });
        Language::intLanguage = Language::intEnglish;
    }
    void TearDown() override {
        window.reset();
        support::SetMessageHook(nullptr);
        support::SetFileDialogHook(nullptr);
        DatePr2::SetClockForTesting(nullptr);
        Language::intLanguage = Language::intEnglish;
    }
    frmMain& Start(const QString& dataFolder = QString::fromUtf8(getenv("ZODARC_BUILD_DIR"))) {
        window = std::make_unique<frmMain>(dataFolder, userData.path(), store);
        EXPECT_TRUE(window->Startup());
        return *window;
    }
    std::string StateFile() const { return (userData.path() + "/Quillfen/zdr.usr").toStdString(); }

    QTemporaryDir userData;
    MemoryStore store;
    std::vector<support::MessageRequest> messages;
    support::MsgAnswer answer = support::MsgAnswer::Ok;
    std::unique_ptr<frmMain> window;
};

// Every text a user can read in the main window and the configuration dialog.
std::vector<QString> Captions(const QWidget& top) {
    std::vector<QString> texts;
    for (const QObject* o : top.findChildren<QObject*>()) {
        if (auto* b = qobject_cast<const QAbstractButton*>(o))
            texts.push_back(b->text());
        if (auto* l = qobject_cast<const QLabel*>(o))
            texts.push_back(l->text());
        if (auto* g = qobject_cast<const QGroupBox*>(o))
            texts.push_back(g->title());
        if (auto* c = qobject_cast<const QComboBox*>(o))
            for (int i = 0; i < c->count(); ++i)
                texts.push_back(c->itemText(i));
        if (auto* w = qobject_cast<const QWidget*>(o))
            texts.push_back(w->toolTip());
    }
    texts.push_back(top.windowTitle());
    return texts;
}

TEST_F(MainWindowTest, FirstStartShowsTheWorldTransitsOfThePresentMoment) {
    frmMain& w = Start();
    EXPECT_TRUE(w.blnStartupCompleted);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(w.optPlanetary->isChecked());
    EXPECT_EQ(w.cboMonthCE[0]->currentIndex(), 3);
    EXPECT_EQ(w.cboDayCE[0]->currentIndex(), 10);
    EXPECT_EQ(w.txbYearCE[0]->text(), "2024");
    EXPECT_EQ(w.cboHour[0]->currentText(), "22:00");
    EXPECT_EQ(w.cboTimezone[0]->currentText(), "GMT");
    EXPECT_EQ(w.udtResult.intModeCode, ZDR::intModeWorldTransits);
    EXPECT_GT(ZDR::GetTotalNumAspects(w.udtResult.udtTable), 0);
    EXPECT_TRUE(w.lblTitle->text().startsWith("World transits"));
    EXPECT_EQ(w.windowTitle(), "Zodarc 26.1");
    EXPECT_EQ(w.cboDayCE[0]->toolTip(), "Sunday");
}

// With no state file yet the dialog keeps the three stored options as they were loaded,
// and shows what is in force.
TEST_F(MainWindowTest, AFirstStartKeepsTheStoredOptions) {
    store.values["Software\\Quillfen\\ZDR|TZDisp"] = "0";
    store.values["Software\\Quillfen\\ZDR|Moon"] = "0";
    store.values["Software\\Quillfen\\ZDR|IPAD"] = "0";
    frmMain& w = Start();
    frmConfigure& dialog = *w.Configuration();
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(dialog.chkDisplayNATZabbr->isChecked());
    EXPECT_FALSE(dialog.chkIncludeTransitingMoon->isChecked());
    EXPECT_TRUE(dialog.chkSuppressInnerPlanetAspectDisplay->isChecked());
    EXPECT_FALSE(ZDR::OptionsInForce().blnDisplayNATZ);
    EXPECT_FALSE(ZDR::OptionsInForce().blnIncludeTransitingMoon);
    EXPECT_EQ(w.cboTimezone[0]->itemText(1), "GMT-11:30");

    // Another change applied leaves the timezone lists as they are.
    dialog.ShowBesideMainWindow();
    dialog.cboOrb[0]->setCurrentIndex(8);
    dialog.cmdAccept->click();
    EXPECT_EQ(w.cboTimezone[0]->itemText(1), "GMT-11:30");
    EXPECT_EQ(w.cboTimezone[0]->currentText(), "GMT");
    EXPECT_FALSE(dialog.chkDisplayNATZabbr->isChecked());
}

// The day box names the weekday of its date set whenever the year, month or day changes.
TEST_F(MainWindowTest, TheWeekdayToolTipFollowsTheDate) {
    frmMain& w = Start();
    ASSERT_EQ(w.cboDayCE[0]->toolTip(), "Sunday");  // 10 March 2024
    w.txbYearCE[0]->selectAll();
    QTest::keyClicks(w.txbYearCE[0], "2023");
    EXPECT_EQ(w.cboDayCE[0]->toolTip(), "Friday");
    QTest::keyClick(w.txbYearCE[0], Qt::Key_Return);
    EXPECT_EQ(w.cboDayCE[0]->toolTip(), "Friday");
    w.cboMonthCE[0]->setCurrentIndex(4);
    EXPECT_EQ(w.cboDayCE[0]->toolTip(), "Monday");  // 10 April 2023
    w.cboDayCE[0]->setCurrentIndex(31);
    EXPECT_EQ(w.cboDayCE[0]->toolTip(), "");  // no 31 April
    w.txbYearCE[1]->setText("1970");
    w.cboMonthCE[1]->setCurrentIndex(5);
    w.cboDayCE[1]->setCurrentIndex(17);
    EXPECT_EQ(w.cboDayCE[1]->toolTip(), "Sunday");  // 17 May 1970
    EXPECT_EQ(w.cboHour[1]->currentIndex(), 0) << "typing leaves the hour alone";
}

// "Use color" unticked and applied: every visible aspect in the neutral grey, an aspect
// switched off still hidden; a cancelled untick changes nothing; Reset ticks it again.
TEST_F(MainWindowTest, WithoutUseColorTheAspectsAreGrey) {
    frmMain& w = Start();
    frmConfigure& dialog = *w.Configuration();
    // The colours of the visible aspect cells, by aspect.
    auto colours = [&w] {
        std::map<int, std::set<double>> shown;
        const ZDR::AspectTable& table = w.udtResult.udtTable;
        for (int i = 0; i < table.intNumCells; ++i) {
            const ZDR::TableCell& cell = table.udtCell[i];
            for (int k = 1; k <= 7; ++k)
                if (cell.blnVisible && cell.strText.rfind(ZDR::udtAspect[k].strAbbr, 0) == 0)
                    shown[k].insert(cell.dblForeColor);
        }
        return shown;
    };
    ASSERT_GE(colours().size(), 3u);
    const int hidden = colours().begin()->first;

    dialog.ShowBesideMainWindow();
    dialog.chkUseColor->click();
    dialog.cmdCancel->click();
    EXPECT_TRUE(dialog.chkUseColor->isChecked());
    w.cmdCompute_Click();
    for (const auto& [k, set] : colours())
        EXPECT_EQ(set, std::set<double>{ZDR::dblInitialAspectColor[k]}) << k;

    dialog.ShowBesideMainWindow();
    dialog.chkUseColor->click();
    QTest::mouseClick(dialog.lblAspectColor[hidden - 1], Qt::RightButton);  // switched off
    dialog.cmdAccept->click();
    for (const auto& [k, set] : colours())
        EXPECT_EQ(set, std::set<double>{k == hidden ? 0.0 : ZDR::RGB(192, 192, 192)}) << k;

    answer = support::MsgAnswer::Yes;
    dialog.cmdReset->click();
    EXPECT_TRUE(dialog.chkUseColor->isChecked());
    for (const auto& [k, set] : colours())
        EXPECT_EQ(set, std::set<double>{ZDR::dblInitialAspectColor[k]}) << k;
}

TEST_F(MainWindowTest, StartUpEndsWithItsMessageWithoutProgramTextOrPlutoTable) {
    QTemporaryDir data;
    frmMain noText(data.path(), userData.path(), store);
    EXPECT_FALSE(noText.Startup());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, support::MsgIcon::Critical);
    EXPECT_EQ(messages[0].strTitle, "");
    EXPECT_EQ(messages[0].strText,
              "Cannot open file containing program text.\n" + data.path() + "/zdr.dat");

    messages.clear();
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(getenv("ZODARC_BUILD_DIR")) + "/zdr.dat",
                            data.path() + "/zdr.dat"));
    frmMain noPluto(data.path(), userData.path(), store);
    EXPECT_FALSE(noPluto.Startup());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].strTitle, "Read Pluto Data");
    EXPECT_TRUE(messages[0].strText.endsWith("\nError when reading geocentric Pluto data."));
    EXPECT_EQ(messages[1].strText, QString::fromStdString(Language::Text(2)));
    EXPECT_EQ(messages[1].strTitle, QString::fromStdString(Language::Text(3)));
    EXPECT_EQ(messages[1].icon, support::MsgIcon::Warning);
}

TEST_F(MainWindowTest, ADamagedEphemerisFileIsNamedOnceAtStartUp) {
    const QString build = QString::fromUtf8(getenv("ZODARC_BUILD_DIR"));
    QTemporaryDir data;
    for (const QString& name : QDir(build).entryList({"*.se1", "zdr.dat", "pluto.slx"}))
        ASSERT_TRUE(QFile::copy(build + "/" + name, data.path() + "/" + name));
    ASSERT_TRUE(QFile::resize(data.path() + "/sepl_18.se1", 1000));
    const struct {
        const char* language;
        const char* title;
        const char* text;
    } rows[] = {
        {"EN", "Ephemeris files",
         "The ephemeris file sepl_18.se1 is damaged. The Sun, the Moon and the planets (all but "
         "Pluto) have no positions in the years 1800 to 2399.\nThe ephemeris library says: "},
        {"DE", "Ephemeridendateien",
         "Die Ephemeridendatei sepl_18.se1 ist beschädigt. Sonne, Mond und Planeten (außer "
         "Pluto) haben in den Jahren 1800 bis 2399 keine Positionen.\nDie "
         "Ephemeriden-Bibliothek meldet: "},
    };
    for (const auto& row : rows) {
        messages.clear();
        store.values["Software\\Quillfen\\ZDR|Language"] = row.language;
        frmMain& w = Start(data.path());
        ASSERT_EQ(messages.size(), 1u) << row.language;
        EXPECT_EQ(messages[0].icon, support::MsgIcon::Warning);
        EXPECT_EQ(messages[0].strTitle, QString::fromUtf8(row.title));
        EXPECT_TRUE(messages[0].strText.startsWith(QString::fromUtf8(row.text)))
            << messages[0].strText.toStdString();
        // The present moment has no positions but Pluto's.
        EXPECT_TRUE(ZDR::PositionFailed(w.udtResult.dblPos[1][0]));
        EXPECT_GE(w.udtResult.dblPos[9][0], 0);
        EXPECT_TRUE(w.blnStartupCompleted);
    }
}

// A change in the configuration dialog that is cancelled is never used; one applied by
// "Use settings" is, and so is the transiting-Moon box after the next timer tick.
TEST_F(MainWindowTest, ACancelledChangeAppliesNothing) {
    frmMain& w = Start();
    const QString title = w.lblTitle->text();
    EXPECT_TRUE(title.endsWith("Orbs: 4° to 10°")) << title.toStdString();
    const ZDR::TableCell zodiac = w.udtResult.udtTable.udtCell[10 * 10];
    frmConfigure& dialog = *w.Configuration();

    dialog.ShowBesideMainWindow();
    dialog.cboOrb[1]->setCurrentIndex(2);  // the opposition's orb 9° -> 2°
    dialog.optVedicAstrology->click();     // sidereal
    dialog.cboPersonalOrbsProportion[0]->setCurrentIndex(0);
    dialog.chkUseBoldface->click();
    dialog.cmdCancel->click();
    w.cmdCompute_Click();
    EXPECT_EQ(w.lblTitle->text(), title);
    EXPECT_EQ(w.udtResult.udtTable.udtCell[10 * 10].strText, zodiac.strText);
    EXPECT_FALSE(ZDR::OptionsInForce().blnSidereal);
    dialog.ShowBesideMainWindow();
    EXPECT_EQ(dialog.cboOrb[1]->currentIndex(), 9);
    EXPECT_TRUE(dialog.optWesternAstrology->isChecked());

    dialog.cboOrb[1]->setCurrentIndex(2);
    dialog.cmdAccept->click();
    EXPECT_TRUE(w.lblTitle->text().endsWith("Orbs: 2° to 10°")) << w.lblTitle->text().toStdString();
    dialog.cmdHide->click();

    w.optPersonal[0]->setChecked(true);
    w.txbYearCE[1]->setText("1970");
    w.cboMonthCE[1]->setCurrentIndex(5);
    w.cboDayCE[1]->setCurrentIndex(17);
    w.cmdCompute_Click();
    EXPECT_EQ(w.udtResult.intNumBodies, 10);
    dialog.chkIncludeTransitingMoon->setChecked(false);
    w.cmdCompute_Click();
    EXPECT_EQ(w.udtResult.intNumBodies, 10) << "not yet in force";
    w.RefreshControls();  // Timer1
    w.cmdCompute_Click();
    EXPECT_EQ(w.udtResult.intNumBodies, 9);
}

TEST_F(MainWindowTest, AnInvalidDateGivesOneMessageAndTheModeReturns) {
    frmMain& w = Start();
    w.txbYearCE[1]->setText("2020");
    w.cboMonthCE[1]->setCurrentIndex(2);
    w.cboDayCE[1]->setCurrentIndex(30);
    w.optNatal[0]->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strText,
              QString::fromStdString(Language::Text(5) + " " + Language::Text(146)));
    EXPECT_EQ(messages[0].strTitle, QString::fromStdString(Language::Text(153)));
    EXPECT_EQ(messages[0].icon, support::MsgIcon::Information);
    EXPECT_TRUE(w.optPlanetary->isChecked());
    EXPECT_EQ(w.udtResult.intModeCode, ZDR::intModeWorldTransits);

    // The year box keeps only its digits; the hour default comes only with a valid date.
    w.txbYearCE[1]->setText("-19 80");
    w.cboDayCE[1]->setCurrentIndex(29);
    w.optNatal[0]->click();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(w.txbYearCE[1]->text(), "1980");
    EXPECT_EQ(w.cboHour[1]->currentText(), "12:00");
    EXPECT_EQ(w.udtResult.intModeCode, ZDR::intModeNatal1);
}

TEST_F(MainWindowTest, EveryModeComputes) {
    frmMain& w = Start();
    for (int i = 1; i <= 2; ++i) {
        w.txbYearCE[i]->setText(i == 1 ? "1970" : "1985");
        w.cboMonthCE[i]->setCurrentIndex(i == 1 ? 5 : 11);
        w.cboDayCE[i]->setCurrentIndex(i == 1 ? 17 : 2);
    }
    QRadioButton* modes[6] = {w.optPlanetary,   w.optNatal[0],    w.optNatal[1],
                              w.optPersonal[0], w.optPersonal[1], w.optSynastry};
    for (int m = 0; m < 6; ++m) {
        modes[m]->click();
        EXPECT_EQ(w.udtResult.intModeCode, m + 1);
        EXPECT_EQ(w.udtResult.udtTable.intNumCols, m < 3 ? 10 : 12);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, EnterInAYearBoxComputesOnlyWhenTheModeUsesItsDate) {
    frmMain& w = Start();
    w.txbYearCE[2]->setText("1985");
    w.cboMonthCE[2]->setCurrentIndex(11);
    w.cboDayCE[2]->setCurrentIndex(2);
    emit w.txbYearCE[2]->returnPressed();
    EXPECT_EQ(w.udtResult.intModeCode, ZDR::intModeWorldTransits);
    w.txbYearCE[1]->setText("1970");
    w.cboMonthCE[1]->setCurrentIndex(5);
    w.cboDayCE[1]->setCurrentIndex(17);
    w.optSynastry->click();
    w.txbYearCE[2]->setText("1986");
    emit w.txbYearCE[2]->returnPressed();
    emit w.txbYearCE[2]->editingFinished();  // Enter finishes the editing too
    EXPECT_EQ(w.udtResult.intModeCode, ZDR::intModeSynastry);
    EXPECT_FALSE(w.cmdToggleGraphic->isHidden());
    emit w.txbYearCE[2]->editingFinished();  // leaving the box later marks it stale
    EXPECT_TRUE(w.cmdToggleGraphic->isHidden());
    EXPECT_GT(w.udtResult.dblChartAJD[2], 2446000);
}

TEST_F(MainWindowTest, GermanAndBackLeavesEveryCaptionAsItWas) {
    frmMain& w = Start();
    const std::vector<QString> english = Captions(w);
    const std::vector<QString> englishDialog = Captions(*w.Configuration());
    w.optGerman->click();
    EXPECT_EQ(Language::intLanguage, Language::intGerman);
    EXPECT_EQ(support::PlainCaption(w.cmdCompute->text()), "Berechnen");
    EXPECT_EQ(w.cboMonthCE[0]->itemText(3), QString::fromUtf8("März"));
    EXPECT_EQ(store.values["Software\\Quillfen\\ZDR|Language"], "DE");
    EXPECT_NE(Captions(w), english);
    // Qt's own buttons (Yes and No of every question) speak German too.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
    w.optEnglish->click();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
    EXPECT_EQ(Captions(w), english);
    EXPECT_EQ(Captions(*w.Configuration()), englishDialog);
    EXPECT_EQ(store.values["Software\\Quillfen\\ZDR|Language"], "EN");
}

TEST_F(MainWindowTest, TheStoredLanguageIsTheLanguageAtStartUp) {
    store.values["Software\\Quillfen\\ZDR|Language"] = "DE";
    frmMain& w = Start();
    EXPECT_TRUE(w.optGerman->isChecked());
    EXPECT_EQ(support::PlainCaption(w.cmdNow->text()), "Jetzt");
    EXPECT_EQ(ZDR::strBodyName[1], "Sonne");
    // The first table and report are written in German too.
    EXPECT_TRUE(w.txbReport->toPlainText().contains("Insgesamt"));
    EXPECT_FALSE(w.txbReport->toPlainText().contains("Conjunction"));
    EXPECT_EQ(w.udtResult.udtTable.udtCell[100].strText, Language::Text(47));
}

TEST_F(MainWindowTest, TheWindowKeepsItsSizeLimits) {
    frmMain& w = Start();
    const QSize largest = w.size();
    EXPECT_EQ(w.intInitialWidth, largest.width() * 15);
    w.resize(100, 100);
    EXPECT_EQ(w.size(), QSize(10200 / 15, 4800 / 15));
    w.resize(largest.width() + 300, largest.height() + 300);
    EXPECT_EQ(w.size(), largest);
}

// The page of the window's controls and the scroll area that holds it.
QScrollArea* ScrollArea(frmMain& w) {
    return qobject_cast<QScrollArea*>(w.centralWidget());
}

// Checks the layout as a user meets it: every visible control on the page, no two side by
// side controls on top of each other, and every caption whole within its control.
void CheckLayout(frmMain& w, const std::string& when) {
    SCOPED_TRACE(when);
    QWidget* page = ScrollArea(w)->widget();
    const QRect whole = page->rect();
    std::vector<QWidget*> shown;
    for (QWidget* c : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!c->isVisible())
            continue;
        shown.push_back(c);
        EXPECT_TRUE(whole.contains(c->geometry())) << c->metaObject()->className();
    }
    for (std::size_t a = 0; a < shown.size(); ++a)
        for (std::size_t b = a + 1; b < shown.size(); ++b)
            EXPECT_FALSE(shown[a]->geometry().intersects(shown[b]->geometry()))
                << shown[a]->metaObject()->className() << " "
                << shown[a]->property("text").toString().toStdString() << " / "
                << shown[b]->metaObject()->className() << " "
                << shown[b]->property("text").toString().toStdString();
    // A push button's own size hint is never below 80 pixels: its caption is what counts.
    for (QAbstractButton* b : page->findChildren<QAbstractButton*>()) {
        const int needed =
            qobject_cast<QPushButton*>(b)
                ? b->fontMetrics().horizontalAdvance(support::PlainCaption(b->text())) + 10
                : b->sizeHint().width();
        if (b->isVisible()) {
            EXPECT_LE(needed, b->width()) << b->text().toStdString();
        }
    }
    for (QLabel* l : page->findChildren<QLabel*>()) {
        if (l->isVisible()) {
            EXPECT_LE(l->sizeHint().width(), l->width()) << l->text().toStdString();
        }
    }
    for (QGroupBox* g : page->findChildren<QGroupBox*>())
        EXPECT_LE(g->fontMetrics().horizontalAdvance(g->title()) + 20, g->width());
}

// On a screen of 1280 x 720 pixels the whole window is on the screen, nothing scrolls, and
// the two-chart table is whole, in both languages.
TEST_F(MainWindowTest, TheWholeWindowFitsALaptopScreen) {
    frmMain& w = Start();
    ASSERT_EQ(w.screen()->size(), QSize(1280, 720));
    EXPECT_TRUE(w.screen()->availableGeometry().contains(w.frameGeometry()))
        << w.frameGeometry().width() << " x " << w.frameGeometry().height();
    QScrollArea* scroll = ScrollArea(w);
    EXPECT_EQ(w.size(), scroll->widget()->size()) << "the whole page, no scroll bar";
    EXPECT_EQ(w.maximumSize(), w.size());

    w.txbYearCE[1]->setText("1970");
    w.cboMonthCE[1]->setCurrentIndex(5);
    w.cboDayCE[1]->setCurrentIndex(17);
    w.optPersonal[0]->click();
    ASSERT_EQ(w.udtResult.intModeCode, ZDR::intModePersonal1);
    EXPECT_EQ(w.picTable->size(), QSize(12 * 72, 12 * 38));
    EXPECT_TRUE(scroll->viewport()->rect().contains(
        w.picTable->geometry().translated(scroll->widget()->pos())));
    CheckLayout(w, "personal transits");
    w.optGerman->click();
    CheckLayout(w, "German");
    w.optNatal[0]->click();
    CheckLayout(w, "German natal aspects");
}

// A window smaller than its page scrolls: every control can still be reached.
TEST_F(MainWindowTest, ASmallerWindowScrollsToEveryControl) {
    frmMain& w = Start();
    w.resize(700, 400);
    QApplication::processEvents();
    QScrollArea* scroll = ScrollArea(w);
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    for (QWidget* c : std::initializer_list<QWidget*>{
             w.cmdCompute, w.cmdQuit, w.optSynastry, w.optRadians, w.optGerman, w.cmdLoadState,
             w.cmdReport, w.lblNotice, w.txbYearCE[2], w.txbReport}) {
        // As much of it as the window can hold comes into view.
        const QRect place(c->mapTo(scroll->widget(), QPoint(0, 0)), c->size());
        scroll->ensureVisible(place.center().x(), place.center().y(), place.width() / 2 + 1,
                              place.height() / 2 + 1);
        const QRect view = scroll->viewport()->rect();
        const QRect shown =
            QRect(c->mapTo(scroll->viewport(), QPoint(0, 0)), c->size()).intersected(view);
        // (a control wider than the view is centred in it, to a pixel or two)
        EXPECT_GE(shown.width(), std::min(c->width(), view.width() - 2))
            << c->metaObject()->className();
        EXPECT_GE(shown.height(), std::min(c->height(), view.height() - 2))
            << c->metaObject()->className();
    }
}

TEST_F(MainWindowTest, QuitAsksAndYesSavesTheState) {
    frmMain& w = Start();
    answer = support::MsgAnswer::Cancel;
    w.cmdQuit->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].buttons, support::MsgButtons::YesNoCancel);
    EXPECT_EQ(messages[0].defaultButton, support::MsgAnswer::No);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(StateFile())));
    answer = support::MsgAnswer::No;
    w.cmdQuit->click();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(StateFile())));
    answer = support::MsgAnswer::Yes;
    w.cmdQuit->click();
    EXPECT_TRUE(QFile::exists(QString::fromStdString(StateFile())));
    EXPECT_EQ(messages.size(), 3u);
}

TEST_F(MainWindowTest, QuitRightAfterASaveDoesNotAskUntilTheFlagRunsOut) {
    frmMain& w = Start();
    w.cmdSave->click();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(w.udtStateClean.IsSet());
    w.cmdQuit->click();
    EXPECT_TRUE(messages.empty());
    for (int tick = 0; tick < 6; ++tick)
        w.udtStateClean.Tick();
    w.cmdQuit->click();
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(MainWindowTest, RestoreBringsBackTheSavedDatesAndKeepsTheirWorldDate) {
    frmMain& w = Start();
    w.txbYearCE[1]->setText("1970");
    w.cboMonthCE[1]->setCurrentIndex(5);
    w.cboDayCE[1]->setCurrentIndex(17);
    w.txbYearCE[0]->setText("1999");
    w.cmdSave->click();
    w.txbYearCE[1]->setText("2001");
    w.txbYearCE[0]->setText("2002");
    w.cmdRestore->click();
    EXPECT_EQ(w.txbYearCE[1]->text(), "1970");
    EXPECT_EQ(w.txbYearCE[0]->text(), "1999");
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, StartUpInNatalAspectsOfAnEmptySecondBirthdateShowsTheDefaultView) {
    ZDR::StateFileData data;
    data.blnModeOption[2] = true;  // natal aspects of the 2nd birthdate
    data.dateSets[1].strYearText = "1970";
    data.dateSets[1].intMonthIndex = 5;
    data.dateSets[1].intDayIndex = 17;
    data.options = ZDR::DefaultOptions(0, ZDR::ConfigOptions());
    for (int k = 1; k <= 7; ++k)
        data.options.dblAspectColor[k] = ZDR::dblInitialAspectColor[k];
    QDir().mkpath(userData.path() + "/Quillfen");
    ASSERT_EQ(ZDR::WriteStateFile(StateFile(), data), "");
    frmMain& w = Start();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(w.optPlanetary->isChecked());
    EXPECT_EQ(w.udtResult.intModeCode, ZDR::intModeWorldTransits);
    EXPECT_EQ(w.txbYearCE[0]->text(), "2024");
    EXPECT_EQ(w.txbYearCE[1]->text(), "1970");
}

TEST_F(MainWindowTest, SaveAsAndLoadFromCarryTheStateInANamedFile) {
    frmMain& w = Start();
    const QString named = userData.path() + "/chart.zdr";
    support::SetFileDialogHook([&](const support::FileDialogRequest& r) {
        EXPECT_EQ(r.strDefaultSuffix, "zdr");
        return named;
    });
    w.txbYearCE[2]->setText("1985");
    w.cboMonthCE[2]->setCurrentIndex(11);
    w.cboDayCE[2]->setCurrentIndex(2);
    w.optNatal[1]->click();
    w.cmdSaveAs->click();
    EXPECT_TRUE(QFile::exists(named));
    EXPECT_TRUE(w.lblNotice->text().endsWith("chart.zdr"));
    w.txbYearCE[2]->clear();
    w.optPlanetary->click();
    w.cmdLoadState->click();
    EXPECT_EQ(w.txbYearCE[2]->text(), "1985");
    EXPECT_EQ(w.udtResult.intModeCode, ZDR::intModeNatal2);
    EXPECT_TRUE(messages.empty());

    // A damaged file is refused with its reason, and the configuration is reset.
    QFile damaged(named);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("3\r\n");
    damaged.close();
    w.cmdLoadState->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, support::MsgIcon::Warning);
    EXPECT_EQ(messages[0].strTitle, QString::fromStdString(Language::Text(385)));
}

// The Open and Save dialogs start in the documents folder, then in the folder last used.
TEST_F(MainWindowTest, TheFileDialogsStartInTheFolderLastUsed) {
    frmMain& w = Start();
    QTemporaryDir other;
    std::vector<QString> folders;
    QString answer;
    support::SetFileDialogHook([&](const support::FileDialogRequest& r) {
        folders.push_back(r.strFolder);
        return answer;
    });
    w.cmdLoadState->click();  // cancelled
    answer = userData.path() + "/chart.zdr";
    w.cmdSaveAs->click();
    answer = other.path() + "/missing.zdr";
    w.cmdLoadState->click();  // a file that cannot be read: the folder was still chosen
    answer = QString();
    w.cmdSaveAs->click();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(folders, (std::vector<QString>{documents, documents, userData.path(), other.path()}));
}

// The two rows of birthdate modes name their birthdate in their tool-tips.
TEST_F(MainWindowTest, TheBirthdateModesNameTheirBirthdate) {
    frmMain& w = Start();
    EXPECT_EQ(w.optNatal[0]->toolTip(), "Natal aspects of the 1st birthdate");
    EXPECT_EQ(w.optNatal[1]->toolTip(), "Natal aspects of the 2nd birthdate");
    EXPECT_EQ(w.optPersonal[0]->toolTip(),
              "Personal transits: the world date against the 1st birthdate");
    EXPECT_EQ(w.optPersonal[1]->toolTip(),
              "Personal transits: the world date against the 2nd birthdate");
    w.optGerman->click();
    EXPECT_EQ(w.optNatal[1]->toolTip(), "Radixaspekte des 2. Geburtsdatums");
    EXPECT_EQ(w.optPersonal[0]->toolTip(),
              "Persönliche Transite: das Weltdatum gegen das 1. Geburtsdatum");
}

TEST_F(MainWindowTest, ClosingByTheWindowManagerNeitherAsksNorSaves) {
    frmMain& w = Start();
    w.close();
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(StateFile())));
}

TEST_F(MainWindowTest, AStateThatCannotBeSavedOnQuitIsReportedAndTheWindowStays) {
    frmMain& w = Start();
    QDir().mkpath(QString::fromStdString(StateFile()));  // a folder where the file belongs
    answer = support::MsgAnswer::Yes;
    w.cmdQuit->click();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].icon, support::MsgIcon::Warning);
    EXPECT_EQ(messages[1].strTitle, support::PlainCaption(w.cmdQuit->text()));
}

TEST_F(MainWindowTest, TheTimerCleansYearsAndShowsClearOnlyForFilledSets) {
    frmMain& w = Start();
    w.txbYearCE[1]->setText("19x7");
    w.RefreshControls();
    EXPECT_EQ(w.txbYearCE[1]->text(), "197");
    EXPECT_FALSE(w.cmdClear[1]->isHidden());
    EXPECT_TRUE(w.cmdClear[2]->isHidden());
    answer = support::MsgAnswer::No;
    w.cmdClear[1]->click();
    EXPECT_EQ(w.txbYearCE[1]->text(), "197");
    answer = support::MsgAnswer::Yes;
    w.cmdClear[1]->click();
    EXPECT_EQ(w.txbYearCE[1]->text(), "");
    w.RefreshControls();
    EXPECT_TRUE(w.cmdClear[1]->isHidden());
}

TEST_F(MainWindowTest, ReportWithoutAspectsSaysSoAndNatalDoubleClickFocusesCompute) {
    frmMain& w = Start();
    ZDR::ConfigOptions options = w.Configuration()->Controls();
    for (int k = 0; k < 7; ++k)
        options.intOrbListIndex[k] = 0;
    w.Configuration()->SetControls(options);
    w.Configuration()->cmdAccept->click();  // "Use settings" puts the orbs in force
    w.cmdCompute_Click();
    EXPECT_EQ(ZDR::GetTotalNumAspects(w.udtResult.udtTable), 0);
    w.cmdReport->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strText, QString::fromStdString(Language::Text(383)));
    EXPECT_EQ(messages[0].strTitle, support::PlainCaption(w.cmdReport->text()));

    w.txbYearCE[1]->setText("1970");
    w.cboMonthCE[1]->setCurrentIndex(5);
    w.cboDayCE[1]->setCurrentIndex(17);
    w.optNatal[0]->click();
    w.show();
    QApplication::setActiveWindow(&w);
    w.txbYearCE[0]->setFocus();
    ASSERT_TRUE(w.txbYearCE[0]->hasFocus());
    w.CellDoubleClicked(25);
    EXPECT_TRUE(w.cmdCompute->hasFocus());
}

// World transits of 10 March 2024, 22:00 GMT: Mars (row 5) square Uranus (column 6) from
// 1 to 18 March; the Sun (row 2) conjunct the Moon (column 9).
TEST_F(MainWindowTest, DoubleClickExplainsAndAsksAboutTheDurations) {
    frmMain& w = Start();
    answer = support::MsgAnswer::No;
    w.CellDoubleClicked(56);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strTitle, "Mars square to Uranus");
    EXPECT_EQ(messages[0].buttons, support::MsgButtons::YesNo);
    EXPECT_EQ(messages[0].defaultButton, support::MsgAnswer::No);
    EXPECT_EQ(messages[0].strText,
              "With an orb of 6° this square begins on March 1, 2024 and ends on March 18, "
              "2024.\n\nWould you like to see the durations of all current aspects in World "
              "transits?");
    EXPECT_EQ(w.Durations(), nullptr);

    answer = support::MsgAnswer::Yes;
    w.CellDoubleClicked(56);
    ASSERT_NE(w.Durations(), nullptr);
    EXPECT_TRUE(w.Durations()->isVisible());
    EXPECT_EQ(static_cast<int>(w.Durations()->Records().size()),
              ZDR::GetTotalNumAspects(w.udtResult.udtTable));
    EXPECT_EQ(w.Durations()->lblTitle->text(),
              "World transits on March 10, 2024, 22:00 (GMT), tropical zodiac");

    // The Moon: how long its aspects last; a glyph cell: nothing.
    messages.clear();
    w.CellDoubleClicked(29);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strTitle, "Sun conjunct Moon");
    EXPECT_EQ(messages[0].icon, support::MsgIcon::Information);
    EXPECT_TRUE(messages[0].strText.contains("about 40 hours"))
        << messages[0].strText.toStdString();
    w.CellDoubleClicked(12);
    EXPECT_EQ(messages.size(), 1u);

    // A computation stopped by an invalid world date leaves the table, which is still
    // explained from the date it was computed at.
    w.cboDayCE[0]->setCurrentIndex(0);
    messages.clear();
    w.cmdCompute_Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strTitle, QString::fromStdString(Language::Text(153)));
    answer = support::MsgAnswer::No;
    w.CellDoubleClicked(56);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].strText.startsWith("With an orb of 6° this square begins on March 1"))
        << messages[1].strText.toStdString();
}

// A personal transit whose end lies beyond the position data (transiting Pluto conjunct
// the Sun of 22 April 1970 at 20 December 2099) asks instead of drawing its graphic.
TEST_F(MainWindowTest, DoubleClickInPersonalTransitsAndInGerman) {
    frmMain& w = Start();
    w.txbYearCE[0]->setText("2099");
    w.cboMonthCE[0]->setCurrentIndex(12);
    w.cboDayCE[0]->setCurrentIndex(20);
    w.cboHour[0]->setCurrentIndex(25);
    w.txbYearCE[1]->setText("1970");
    w.cboMonthCE[1]->setCurrentIndex(4);
    w.cboDayCE[1]->setCurrentIndex(22);
    w.cboHour[1]->setCurrentIndex(29);
    w.optPersonal[0]->click();
    answer = support::MsgAnswer::No;
    // Natal Sun (row 2) conjunct transiting Pluto (column 10).
    w.CellDoubleClicked(34);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(w.picGraphic->GraphicShown());
    EXPECT_EQ(messages[0].strTitle, "Transiting Pluto conjunct natal Sun");
    EXPECT_EQ(messages[0].strText,
              "With an orb of 3°20' this conjunction begins on February 17, 2096 and ends on an "
              "unknown date.\n\nWould you like to see the durations of all current aspects in "
              "Personal transits?");
    w.optGerman->click();
    messages.clear();
    w.CellDoubleClicked(34);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strTitle, "Transit Pluto Konjunktion Radixsonne");
    EXPECT_EQ(messages[0].strText,
              "Bei einem Orbis von 3°20' – Beginn dieses Aspekts: 17.Februar 2096, Ende: "
              "unbekannt.\n\nMöchten Sie die Dauer aller aktuellen Aspekte im Modus "
              "Persönliche Transite sehen?");
    answer = support::MsgAnswer::Yes;
    w.CellDoubleClicked(34);
    ASSERT_NE(w.Durations(), nullptr);
    EXPECT_EQ(w.Durations()->windowTitle(), "Dauer der aktuellen Aspekte: Persönliche Transite");
    EXPECT_EQ(w.Durations()->cboSortBy->itemText(0), "Radixplanet");
}

TEST_F(MainWindowTest, TheReportButtonOpensAndHidesTheDurationsWindow) {
    frmMain& w = Start();
    w.cmdReport->click();
    EXPECT_TRUE(messages.empty());
    ASSERT_NE(w.Durations(), nullptr);
    EXPECT_TRUE(w.Durations()->isVisible());
    EXPECT_EQ(w.Durations()->cboSortBy->currentIndex(), ZDR::intSortDeviation);
    w.cmdReport->click();
    EXPECT_FALSE(w.Durations()->isVisible());
    // In the natal modes the window describes the chart.
    w.txbYearCE[1]->setText("1970");
    w.cboMonthCE[1]->setCurrentIndex(5);
    w.cboDayCE[1]->setCurrentIndex(17);
    w.cboHour[1]->setCurrentIndex(29);
    w.optNatal[0]->click();
    w.cmdReport->click();
    EXPECT_TRUE(w.Durations()->isVisible());
    EXPECT_EQ(w.Durations()->windowTitle(), "Natal aspects of the 1st birthdate");
    EXPECT_TRUE(w.Durations()->txbOutput->toPlainText().startsWith(
        "There are fifteen aspects in this natal chart."));
}

// The picture's pixels of colour value color (red + 256 green + 65536 blue).
std::vector<QPoint> PixelsOf(const QImage& picture, double color) {
    std::vector<QPoint> points;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (support::ValueFromColor(QColor(picture.pixel(x, y))) == color)
                points.emplace_back(x, y);
    return points;
}

TEST_F(MainWindowTest, TheToggleSwitchesBetweenTableAndWheel) {
    frmMain& w = Start();
    w.show();
    w.cmdToggleGraphic->click();
    EXPECT_TRUE(w.picGraphic->isVisible());
    EXPECT_FALSE(w.picTable->isVisible());
    EXPECT_FALSE(w.picGraphic->TransitGraphicShown());
    EXPECT_EQ(w.picGraphic->Picture().size(), QSize(400, 400));
    EXPECT_EQ(support::PlainCaption(w.cmdToggleGraphic->text()), "Display table");
    EXPECT_EQ(w.cmdSaveAs->toolTip(), QString::fromStdString(Language::Text(388)));
    EXPECT_FALSE(w.cmdLoadState->isVisible());
    EXPECT_EQ(w.lblClickonAspect->text(), "Tropical zodiac");
    EXPECT_EQ(w.lblTitle->text().toStdString(),
              ZDR::SetModeTitle(ZDR::intModeWorldTransits, true, ZDR::ChartOptionsInForce()));
    EXPECT_TRUE(w.cmdRun->isVisible());  // a run can go with the wheel shown
    EXPECT_EQ(support::PlainCaption(w.cmdRun->text()), "Run");

    w.cmdToggleGraphic->click();
    EXPECT_FALSE(w.picGraphic->isVisible());
    EXPECT_TRUE(w.picTable->isVisible());
    EXPECT_EQ(support::PlainCaption(w.cmdToggleGraphic->text()), "Display chart");
    EXPECT_EQ(w.cmdSaveAs->toolTip(), "");
    EXPECT_TRUE(w.cmdSaveAs->isEnabled());
    EXPECT_TRUE(w.cmdLoadState->isVisible());
    EXPECT_EQ(w.lblClickonAspect->text().toStdString(), Language::Text(32));
    EXPECT_FALSE(w.cmdRun->isVisible());

    // Personal transits: the two-chart wheel.
    w.txbYearCE[1]->setText("1970");
    w.cboMonthCE[1]->setCurrentIndex(5);
    w.cboDayCE[1]->setCurrentIndex(17);
    w.optPersonal[0]->click();
    w.cmdToggleGraphic->click();
    EXPECT_EQ(w.picGraphic->Picture().size(), QSize(660, 440));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, AComputationWhileTheWheelIsShownRedrawsIt) {
    frmMain& w = Start();
    w.show();
    w.cmdToggleGraphic->click();
    const QImage before = w.picGraphic->Picture();
    w.txbYearCE[0]->setText("2025");
    w.cmdCompute_Click();
    EXPECT_TRUE(w.picGraphic->isVisible());
    EXPECT_FALSE(w.picTable->isVisible());
    EXPECT_NE(w.picGraphic->Picture(), before);
    // A step forward moves the sky on the wheel.
    const QImage stepped = w.picGraphic->Picture();
    w.cmdForwardBack[0]->click();
    EXPECT_EQ(w.cboDayCE[0]->currentIndex(), 11);
    EXPECT_TRUE(w.picGraphic->isVisible());
    EXPECT_NE(w.picGraphic->Picture(), stepped);
    // A mode button redraws it in its own form.
    w.optNatal[0]->click();  // no 1st birthdate: the mode returns, the wheel stays
    EXPECT_TRUE(w.picGraphic->isVisible());
    EXPECT_EQ(w.picGraphic->Picture().size(), QSize(400, 400));
}

TEST_F(MainWindowTest, ARightClickOnALineNamesItsAspect) {
    frmMain& w = Start();
    w.show();
    w.cmdToggleGraphic->click();
    // 10 March 2024 22:00: Mars and Uranus stand in square, a red line.
    const std::vector<QPoint> red = PixelsOf(w.picGraphic->Picture(), ZDR::RGB(255, 0, 0));
    ASSERT_FALSE(red.empty());
    QTest::mouseClick(w.picGraphic, Qt::RightButton, Qt::NoModifier, red[red.size() / 2]);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strTitle, "This line is a");
    EXPECT_EQ(messages[0].strText, "Square (90°)");
    // Nothing on the black disc or on the background.
    QTest::mouseClick(w.picGraphic, Qt::RightButton, Qt::NoModifier, QPoint(200, 330));
    QTest::mouseClick(w.picGraphic, Qt::RightButton, Qt::NoModifier, QPoint(2, 398));
    QTest::mouseClick(w.picGraphic, Qt::LeftButton, Qt::NoModifier, red[red.size() / 2]);
    EXPECT_EQ(messages.size(), 1u);
}

// A transit graphic: Neptune sextile the natal Sun of 17 May 1970, over its year in orb.
view::TransitGraphicInput NeptuneSextileSun() {
    view::TransitGraphicInput input;
    input.intNatalBody = 1;
    input.intTransitBody = 8;
    input.intAspect = 5;
    input.dblStartDay = 2460006;
    input.dblEndDay = 2460402;
    input.dblNatalJD = 2440724;
    input.dblWorldJD = 2460380.4;
    input.dblWorldDay = 2460380.9;
    input.dblOrb = ZDR::ChartOptionsInForce().dblOrb[5][1];
    input.dblCurveColor = ZDR::RGB(0, 255, 255);
    return input;
}

// 1st birthdate 17 May 1970, 12:00 GMT: transiting Neptune sextile the natal Sun at the
// world date, in orb from 2023 to 2024 with a retrograde loop.
TEST_F(MainWindowTest, ADoubleClickOnAPersonalTransitDrawsItsGraphicAndLocksTheWindow) {
    frmMain& w = Start();
    w.show();
    w.Configuration()->show();
    w.txbYearCE[1]->setText("1970");
    w.cboMonthCE[1]->setCurrentIndex(5);
    w.cboDayCE[1]->setCurrentIndex(17);
    w.optPersonal[0]->click();
    const int cell = 2 * 12 + 9;  // natal Sun (row 2), transiting Neptune (column 9)
    w.cmdClear[2]->setEnabled(false);
    ASSERT_TRUE(
        QString::fromStdString(w.udtResult.udtTable.udtCell[cell].strText).startsWith("Sxt"));
    const QString report = w.txbReport1->toPlainText();
    w.CellDoubleClicked(cell);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(w.picGraphic->TransitGraphicShown());
    EXPECT_FALSE(w.picTable->isVisible());
    EXPECT_EQ(w.picGraphic->Picture().size(), QSize(730, 440));
    EXPECT_EQ(w.picGraphic->toolTip(), QString::fromStdString(Language::Text(351)));
    // A screen reader hears the picture as a graphic of that aspect.
    EXPECT_EQ(w.picGraphic->accessibleDescription(), "Neptune sextile Sun");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.picGraphic)->role(), QAccessible::Graphic);
    EXPECT_TRUE(
        w.txbReport1->toPlainText().startsWith("With an orb of 1°40' this sextile begins on"));
    EXPECT_EQ(w.lblClickonAspect->text(), "");
    EXPECT_FALSE(w.lblNotice->isVisible());
    EXPECT_FALSE(w.Configuration()->isVisible());
    EXPECT_FALSE(w.cmdCompute->isEnabled());
    EXPECT_FALSE(w.optPlanetary->isEnabled());
    EXPECT_FALSE(w.cboDayCE[0]->isEnabled());
    EXPECT_FALSE(w.lblTitle->isEnabled());
    EXPECT_TRUE(w.cmdToggleGraphic->isEnabled());
    EXPECT_TRUE(w.cmdQuit->isEnabled());
    EXPECT_EQ(support::PlainCaption(w.cmdSaveAs->text()), "Save graphic as ...");
    EXPECT_TRUE(w.cmdSaveAs->isEnabled());
    EXPECT_EQ(support::PlainCaption(w.cmdToggleGraphic->text()), "Display table");
    EXPECT_FALSE(w.cmdRun->isVisible());
    EXPECT_FALSE(w.cmdLoadState->isVisible());
    // The manual's link is greyed with the rest and no link while it can do nothing.
    EXPECT_FALSE(w.lblUserManualLink->isEnabled());
    EXPECT_FALSE(w.lblUserManualLink->text().contains("<a "));

    // A right-click on the curve tells its point; on black nothing.
    const std::vector<QPoint> curve = PixelsOf(w.picGraphic->Picture(), ZDR::RGB(0, 255, 255));
    ASSERT_FALSE(curve.empty());
    QTest::mouseClick(w.picGraphic, Qt::RightButton, Qt::NoModifier, curve[curve.size() / 2]);
    QTest::mouseClick(w.picGraphic, Qt::RightButton, Qt::NoModifier, QPoint(200, 435));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strTitle, "Transit graphic");
    EXPECT_TRUE(messages[0].strText.startsWith("At this point of the transit:\n20"));
    // The keys step down the curve and Return tells about the point reached.
    for (int n = 0; n < 40; ++n)
        QTest::keyClick(w.picGraphic, Qt::Key_Down);
    QTest::keyClick(w.picGraphic, Qt::Key_Return);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].strText.startsWith("At this point of the transit:\n20"));

    w.cmdToggleGraphic->click();
    EXPECT_FALSE(w.picGraphic->GraphicShown());
    EXPECT_TRUE(w.picTable->isVisible());
    EXPECT_TRUE(w.Configuration()->isVisible());
    EXPECT_TRUE(w.cmdCompute->isEnabled());
    EXPECT_TRUE(w.optPlanetary->isEnabled());
    EXPECT_TRUE(w.cboDayCE[0]->isEnabled());
    EXPECT_FALSE(w.cmdClear[2]->isEnabled());  // what was disabled before stays so
    EXPECT_EQ(support::PlainCaption(w.cmdSaveAs->text()), "Save as ...");
    EXPECT_EQ(support::PlainCaption(w.cmdToggleGraphic->text()), "Display chart");
    EXPECT_EQ(w.txbReport1->toPlainText(), report) << "the chart's report again";
    EXPECT_TRUE(w.lblUserManualLink->text().contains("<a href=\"manual\">"));
}

TEST_F(MainWindowTest, HelpAndTheUserManualOpenInTheLanguageOfTheWindow) {
    frmMain& w = Start();
    std::vector<QUrl> opened;
    weblink::SetUrlOpener([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    const QString data = QString::fromUtf8(getenv("ZODARC_BUILD_DIR"));
    for (QRadioButton* language : {w.optGerman, w.optEnglish}) {
        language->click();
        const bool german = language == w.optGerman;
        EXPECT_TRUE(w.cmdHelp->isVisible() && w.cmdHelp->isEnabled());
        w.cmdHelp->click();
        frmView& viewer = frmView::Instance(&w);
        EXPECT_TRUE(viewer.isVisible());
        EXPECT_EQ(viewer.strFilename,
                  QDir(data).filePath(german ? "zdr_help_de.txt" : "zdr_help.txt"));
        EXPECT_FALSE(viewer.txbText1->toPlainText().isEmpty());

        EXPECT_TRUE(w.lblUserManualLink->isVisible());
        EXPECT_EQ(w.lblUserManual->text(), german ? "Benutzerhandbuch:" : "User manual:");
        emit w.lblUserManualLink->linkActivated("manual");
        ASSERT_FALSE(opened.empty());
        EXPECT_EQ(opened.back(), QUrl::fromLocalFile(QDir(data).filePath(
                                     german ? "manual/de/index.html" : "manual/en/index.html")));
        EXPECT_TRUE(QFile::exists(opened.back().toLocalFile()));
    }
    frmView::Instance(&w).close();
    weblink::SetUrlOpener(nullptr);
    EXPECT_TRUE(messages.empty());
}

// Counts the pixels of the colour value color in the rectangle of picture.
long CountColor(const QImage& picture, const QRect& area, double color) {
    const std::vector<QPoint> points = PixelsOf(picture, color);
    return std::count_if(points.begin(), points.end(),
                         [&area](const QPoint& p) { return area.contains(p); });
}

TEST_F(MainWindowTest, SaveAsWritesTheGraphicOnDisplayAsAPng) {
    frmMain& w = Start();
    w.show();
    QTemporaryDir out;
    QString answer;
    support::SetFileDialogHook([&](const support::FileDialogRequest& r) {
        EXPECT_TRUE(r.blnSave);
        EXPECT_TRUE(r.strFilter.contains(" (*.png);;"));
        return answer;
    });
    const double blue = ZDR::RGB(0, 0, 255);
    const double grey = ZDR::RGB(160, 160, 160);

    // The single-chart wheel: its legends go from the screen, the credit and the world
    // date come onto the PNG.
    w.cmdToggleGraphic->click();
    const QRect legendA(0, 0, 90, 30);  // beside the disc
    ASSERT_GT(CountColor(w.picGraphic->Picture(), legendA, 0), 0);
    answer = out.filePath("world");  // no extension: a PNG all the same
    w.cmdSaveAs->click();
    EXPECT_EQ(CountColor(w.picGraphic->Picture(), legendA, 0), 0);
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{"world.png"});
    const QImage world(out.filePath("world.png"));
    EXPECT_EQ(world.size(), QSize(400, 400));
    EXPECT_GT(CountColor(world, QRect(288, 350, 112, 50), blue), 50);  // the world date
    EXPECT_GT(CountColor(world, QRect(5, 0, 120, 68), grey), 50);      // the credit
    EXPECT_EQ(CountColor(world, legendA, 0), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strText,
              "The graphic was saved as\n" + QDir::toNativeSeparators(out.filePath("world.png")));
    EXPECT_EQ(messages[0].strTitle, support::PlainCaption(w.cmdSaveAs->text()));

    // The two-chart wheel of personal transits, in German: both date blocks.
    w.optGerman->click();
    w.txbYearCE[1]->setText("1970");
    w.cboMonthCE[1]->setCurrentIndex(5);
    w.cboDayCE[1]->setCurrentIndex(17);
    w.optPersonal[0]->click();
    answer = out.filePath("transits.png");
    w.cmdSaveAs->click();
    const QImage transits(out.filePath("transits.png"));
    EXPECT_EQ(transits.size(), QSize(660, 440));
    EXPECT_GT(CountColor(transits, QRect(114, 385, 120, 55), blue), 50);  // the birthdate
    EXPECT_GT(CountColor(transits, QRect(432, 390, 120, 50), blue), 50);  // the world date
    EXPECT_GT(CountColor(transits, QRect(114, 0, 150, 68), grey), 50);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].strText.startsWith("Die Grafik wurde gespeichert als\n"));

    // The transit graphic is saved as it is shown.
    w.picGraphic->ShowTransitGraphic(NeptuneSextileSun());
    answer = out.filePath("course.png");
    w.cmdSaveAs->click();
    const QImage course(out.filePath("course.png"));
    EXPECT_EQ(course.convertToFormat(QImage::Format_RGB32),
              w.picGraphic->Picture().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages.back().strTitle, "Grafik speichern ...");
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files),
              (QStringList{"course.png", "transits.png", "world.png"}));
}

// Presses Tab on whatever has the focus until target has it; false when it never does.
bool TabTo(QWidget* target) {
    for (int n = 0; n < 80 && QApplication::focusWidget() != target; ++n)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

// A whole session without the mouse: a birthdate entered, natal aspects, a cell's
// explanation and the durations, World transits again, the chart, and the state saved.
TEST_F(MainWindowTest, AWholeSessionWorksFromTheKeyboard) {
    frmMain& w = Start();
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_EQ(QApplication::focusWidget(), w.cboMonthCE[0]) << "the first focus";

    ASSERT_TRUE(TabTo(w.cboMonthCE[1]));
    for (int n = 0; n < 5; ++n)
        QTest::keyClick(w.cboMonthCE[1], Qt::Key_Down);
    EXPECT_EQ(w.cboMonthCE[1]->currentIndex(), 5);
    EXPECT_EQ(QApplication::focusWidget(), w.cboMonthCE[1]) << "a key choice keeps the focus";
    ASSERT_TRUE(TabTo(w.cboDayCE[1]));
    for (int n = 0; n < 17; ++n)
        QTest::keyClick(w.cboDayCE[1], Qt::Key_Down);
    ASSERT_TRUE(TabTo(w.txbYearCE[1]));
    QTest::keyClicks(w.txbYearCE[1], "1970");
    EXPECT_EQ(w.cboDayCE[1]->toolTip(), "Sunday");

    ASSERT_TRUE(TabTo(w.optPlanetary));
    QTest::keyClick(w.optPlanetary, Qt::Key_Down);  // to Natal aspects of the 1st birthdate
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(w.optNatal[0]->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Compute
    EXPECT_EQ(w.udtResult.intModeCode, ZDR::intModeNatal1);

    ASSERT_TRUE(TabTo(w.optNatal[0]));
    QTest::keyClick(w.optNatal[0], Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_EQ(w.udtResult.intModeCode, ZDR::intModeWorldTransits);

    // The table: arrows to Mars square Uranus (row 5, column 6), Return explains it.
    ASSERT_TRUE(TabTo(w.picTable));
    const int16_t cols = w.udtResult.udtTable.intNumCols;
    while (w.picTable->CurrentCell() / cols > 5)
        QTest::keyClick(w.picTable, Qt::Key_Up);
    while (w.picTable->CurrentCell() / cols < 5)
        QTest::keyClick(w.picTable, Qt::Key_Down);
    while (w.picTable->CurrentCell() % cols < 6)
        QTest::keyClick(w.picTable, Qt::Key_Right);
    while (w.picTable->CurrentCell() % cols > 6)
        QTest::keyClick(w.picTable, Qt::Key_Left);
    ASSERT_EQ(w.picTable->CurrentCell(), 56);
    answer = support::MsgAnswer::Yes;
    messages.clear();
    QTest::keyClick(w.picTable, Qt::Key_Menu);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strTitle, "Mars square to Uranus");
    ASSERT_NE(w.Durations(), nullptr);
    EXPECT_TRUE(w.Durations()->isVisible());
    w.Durations()->hide();
    QApplication::processEvents();  // the durations window's own activation first
    QApplication::setActiveWindow(&w);

    ASSERT_TRUE(TabTo(w.cmdToggleGraphic));
    QTest::keyClick(w.cmdToggleGraphic, Qt::Key_Return);
    EXPECT_TRUE(w.picGraphic->GraphicShown());
    // The wheel: its lines in its description; the arrows select one, Return names it.
    EXPECT_TRUE(w.picGraphic->accessibleDescription().contains("Mars square Uranus"));
    ASSERT_TRUE(TabTo(w.picGraphic));
    messages.clear();
    QTest::keyClick(w.picGraphic, Qt::Key_Right);
    QTest::keyClick(w.picGraphic, Qt::Key_Return);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strTitle, "This line is a");
    EXPECT_FALSE(messages[0].strText.isEmpty());
    ASSERT_TRUE(TabTo(w.cmdToggleGraphic));
    QTest::keyClick(w.cmdToggleGraphic, Qt::Key_Return);
    EXPECT_FALSE(w.picGraphic->GraphicShown());

    const QString saved = userData.path() + "/session.zdr";
    support::SetFileDialogHook([&](const support::FileDialogRequest&) { return saved; });
    ASSERT_TRUE(TabTo(w.cmdSaveAs));
    QTest::keyClick(w.cmdSaveAs, Qt::Key_Return);
    EXPECT_TRUE(QFile::exists(saved));
    ASSERT_TRUE(TabTo(w.cmdLoadState));
    QTest::keyClick(w.cmdLoadState, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.cmdCalendar) << "the command row, then the options";
    ASSERT_TRUE(TabTo(w.lblUserManualLink)) << "the manual's link is reached too";
}

// In a window smaller than its page the keyboard's current cell stays in view while the
// arrows move it to the far corner of the table and back.
TEST_F(MainWindowTest, TheCurrentCellStaysInViewWhileTheArrowsMoveIt) {
    frmMain& w = Start();
    w.show();
    w.resize(500, 300);
    QApplication::setActiveWindow(&w);
    QScrollArea* scroll = ScrollArea(w);
    ASSERT_TRUE(TabTo(w.picTable));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left}) {
        for (int n = 0; n < 12; ++n) {
            QTest::keyClick(w.picTable, key);
            const QRect place =
                TableGrid::CellRect(w.udtResult.udtTable.udtCell[w.picTable->CurrentCell()]);
            const QRect cell(w.picTable->mapTo(scroll->viewport(), place.topLeft()), place.size());
            EXPECT_TRUE(scroll->viewport()->rect().contains(cell))
                << w.picTable->CurrentCell() << " " << key;
        }
    }
}

// Every main command has its own Alt key in both languages, a letter of each of its
// captions, underlined on the button; the caption itself stays the program text.
TEST_F(MainWindowTest, EachMainCommandHasItsOwnAltKey) {
    frmMain& w = Start();
    w.show();
    QApplication::setActiveWindow(&w);
    for (QRadioButton* language : {w.optGerman, w.optEnglish}) {
        language->click();
        const bool german = language == w.optGerman;
        SCOPED_TRACE(language->text().toStdString());
        std::map<QChar, QAbstractButton*> taken;  // each letter and its command
        for (const MainKeyboard::AccessKey& key : MainKeyboard::AccessKeys(w)) {
            const QString letters = german ? key.strGerman : key.strEnglish;
            for (int n : key.captions) {
                const QString caption = QString::fromStdString(Language::TextIn(n, german));
                const auto letter = std::find_if(letters.begin(), letters.end(), [&](QChar c) {
                    return caption.contains(c, Qt::CaseInsensitive);
                });
                ASSERT_NE(letter, letters.end()) << caption.toStdString();
                const auto [at, fresh] = taken.emplace(letter->toUpper(), key.button);
                EXPECT_TRUE(fresh || at->second == key.button)
                    << "Alt+" << QString(*letter).toStdString() << ": " << caption.toStdString();
            }
            const QString shown = key.button->text();
            EXPECT_EQ(key.button->shortcut(), QKeySequence::mnemonic(shown)) << shown.toStdString();
            EXPECT_FALSE(key.button->shortcut().isEmpty()) << shown.toStdString();
            EXPECT_TRUE(std::any_of(key.captions.begin(), key.captions.end(), [&](int n) {
                return QString::fromStdString(Language::TextIn(n, german)) ==
                       support::PlainCaption(shown);
            })) << shown.toStdString();
        }
    }

    // Alt and the letter press the command, also after its caption changed.
    const struct {
        QRadioButton* language;
        Qt::Key key;
        QPushButton* command;
    } presses[] = {{w.optEnglish, Qt::Key_C, w.cmdCompute},
                   {w.optEnglish, Qt::Key_D, w.cmdToggleGraphic},
                   {w.optEnglish, Qt::Key_D, w.cmdToggleGraphic},
                   {w.optGerman, Qt::Key_B, w.cmdCompute},
                   {w.optGerman, Qt::Key_G, w.cmdToggleGraphic},
                   {w.optGerman, Qt::Key_G, w.cmdToggleGraphic}};
    for (const auto& p : presses) {
        if (!p.language->isChecked())
            p.language->click();
        int clicks = 0;
        const QMetaObject::Connection counted =
            QObject::connect(p.command, &QPushButton::clicked, [&] { ++clicks; });
        const bool shown = w.picGraphic->GraphicShown();
        QTest::keyClick(QApplication::focusWidget(), p.key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return clicks == 1; }, 1000))
            << support::PlainCaption(p.command->text()).toStdString();
        QObject::disconnect(counted);
        if (p.command == w.cmdToggleGraphic) {
            EXPECT_NE(w.picGraphic->GraphicShown(), shown);
        }
    }
    EXPECT_EQ(w.cmdCompute->shortcut(), QKeySequence(Qt::ALT | Qt::Key_B));
}

// What a screen reader finds: every visible control named, the three date rows told apart,
// in both languages, and every cell of the table with its sentence.
TEST_F(MainWindowTest, AScreenReaderFindsEveryControlNamedAndEveryCell) {
    frmMain& w = Start();
    w.show();
    for (QRadioButton* language : {w.optEnglish, w.optGerman}) {
        language->click();
        SCOPED_TRACE(language->text().toStdString());
        std::set<QString> monthNames;
        for (QWidget* c : w.findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(c) || qobject_cast<QComboBox*>(c) ||
                                 qobject_cast<QLineEdit*>(c) || qobject_cast<QPlainTextEdit*>(c) ||
                                 c == w.picTable || c == w.picGraphic || c == w.lblUserManualLink;
            if (!control || !c->isVisible() || c->window() != &w)
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(c);
            ASSERT_NE(face, nullptr);
            EXPECT_FALSE(face->text(QAccessible::Name).isEmpty())
                << c->metaObject()->className() << " " << c->objectName().toStdString();
        }
        for (int i = 0; i < 3; ++i)
            monthNames.insert(
                QAccessible::queryAccessibleInterface(w.cboMonthCE[i])->text(QAccessible::Name));
        EXPECT_EQ(monthNames.size(), 3u);
    }
    w.optEnglish->click();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.cboMonthCE[0])->text(QAccessible::Name),
              "World date, Month");

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(w.picTable);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    // A grid of rows and columns under the title: every shown cell read, every hidden one
    // invisible, and each cell at its place.
    const ZDR::AspectTable& grid = w.udtResult.udtTable;
    QAccessibleTableInterface* rows = table->tableInterface();
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows->rowCount(), grid.intNumRows);
    EXPECT_EQ(rows->columnCount(), grid.intNumCols);
    EXPECT_EQ(rows->caption()->text(QAccessible::Name), w.lblTitle->text());
    ASSERT_EQ(table->childCount(), grid.intNumCells);
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface* cell = table->child(i);
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_EQ(cell->state().invisible, !grid.udtCell[i].blnVisible) << i;
        if (grid.udtCell[i].blnVisible) {
            EXPECT_FALSE(cell->text(QAccessible::Name).isEmpty()) << i;
        }
        EXPECT_EQ(rows->cellAt(i / grid.intNumCols, i % grid.intNumCols), cell);
        EXPECT_EQ(table->indexOfChild(cell), i);
    }
    // Mars square Uranus (row 5, column 6) under the glyphs of Mars and Uranus.
    QAccessibleTableCellInterface* mars = rows->cellAt(5, 6)->tableCellInterface();
    ASSERT_NE(mars, nullptr);
    EXPECT_TRUE(rows->cellAt(5, 6)->text(QAccessible::Name).startsWith("Mars square Uranus, "));
    ASSERT_EQ(mars->rowHeaderCells().size(), 1);
    ASSERT_EQ(mars->columnHeaderCells().size(), 1);
    EXPECT_EQ(mars->rowHeaderCells()[0]->text(QAccessible::Name), "Mars");
    EXPECT_EQ(mars->columnHeaderCells()[0]->text(QAccessible::Name), "Uranus");
    EXPECT_EQ(rows->rowDescription(5), "Mars");
    EXPECT_EQ(rows->columnDescription(6), "Uranus");

    // An option toggled by its action is clicked, so that the program hears of it.
    for (QRadioButton* language : {w.optGerman, w.optEnglish}) {
        QAccessibleInterface* option = QAccessible::queryAccessibleInterface(language);
        EXPECT_EQ(option->role(), QAccessible::RadioButton);
        option->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_TRUE(option->state().checked);
        EXPECT_EQ(Language::intLanguage,
                  language == w.optGerman ? Language::intGerman : Language::intEnglish);
    }
}

// Print ... stands in the place of Load from ... while the wheel is shown, and prints the
// chart sheet of the wheel with the report on display on one page.
TEST_F(MainWindowTest, PrintSendsTheChartSheetToThePrinter) {
    frmMain& w = Start();
    w.show();
    QTemporaryDir out;
    const QString path = out.filePath("sheet.pdf");
    int asked = 0;
    view::SetPrintDialogHook([&](QPrinter& printer) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    QPushButton* cmdPrint = w.picGraphic->PrintButton();
    EXPECT_FALSE(cmdPrint->isVisible());
    EXPECT_TRUE(w.cmdLoadState->isVisible());
    w.cmdToggleGraphic->click();
    EXPECT_TRUE(cmdPrint->isVisible());
    EXPECT_FALSE(w.cmdLoadState->isVisible());
    EXPECT_EQ(cmdPrint->geometry(), w.cmdLoadState->geometry());
    EXPECT_EQ(support::PlainCaption(cmdPrint->text()), "Print ...");
    cmdPrint->click();
    view::SetPrintDialogHook(nullptr);
    EXPECT_EQ(asked, 1);
    const CliRunner::CliRun info = CliRunner::RunProgram("pdfinfo", "'" + path.toStdString() + "'");
    EXPECT_TRUE(CliRunner::Holds(info.strOut, "Pages:           1"));
    const std::string text =
        CliRunner::RunProgram("pdftotext", "'" + path.toStdString() + "' -").strOut;
    const QString firstLine = w.txbReport->toPlainText().section(QLatin1Char('\n'), 0, 0);
    EXPECT_TRUE(CliRunner::Holds(text, firstLine.toStdString()));
    EXPECT_TRUE(CliRunner::Holds(text, "World date:"));
    w.cmdToggleGraphic->click();
    EXPECT_FALSE(cmdPrint->isVisible());
}

}  // namespace
