// The main window as a user meets it: start-up, invalid dates, modes, languages, the
// size limits, Quit and the state files.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <map>
#include <vector>

#include "app/frmMain.h"
#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "config/SettingsStore.h"
#include "config/frmConfigure.h"
#include "engine/Catalogue.h"
#include "engine/EngineTables.h"
#include "store/StateFile.h"
#include "support/FileDialog.h"
#include "support/MessageBox.h"
#include "tests/MemoryStore.h"
#include "text/Language.h"

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
        ZDR::blnSidereal = false;
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
        EXPECT_TRUE(ZDR::PositionFailed(ZDR::dblPos[1][0]));
        EXPECT_GE(ZDR::dblPos[9][0], 0);
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
    EXPECT_FALSE(ZDR::blnSidereal);
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
    EXPECT_EQ(ZDR::intNumBodies, 10);
    dialog.chkIncludeTransitingMoon->setChecked(false);
    w.cmdCompute_Click();
    EXPECT_EQ(ZDR::intNumBodies, 10) << "not yet in force";
    w.RefreshControls();  // Timer1
    w.cmdCompute_Click();
    EXPECT_EQ(ZDR::intNumBodies, 9);
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
    EXPECT_GT(ZDR::dblChartAJD[2], 2446000);
}

TEST_F(MainWindowTest, GermanAndBackLeavesEveryCaptionAsItWas) {
    frmMain& w = Start();
    const std::vector<QString> english = Captions(w);
    const std::vector<QString> englishDialog = Captions(*w.Configuration());
    w.optGerman->click();
    EXPECT_EQ(Language::intLanguage, Language::intGerman);
    EXPECT_EQ(w.cmdCompute->text(), "Berechnen");
    EXPECT_EQ(w.cboMonthCE[0]->itemText(3), QString::fromUtf8("März"));
    EXPECT_EQ(store.values["Software\\Quillfen\\ZDR|Language"], "DE");
    EXPECT_NE(Captions(w), english);
    w.optEnglish->click();
    EXPECT_EQ(Captions(w), english);
    EXPECT_EQ(Captions(*w.Configuration()), englishDialog);
    EXPECT_EQ(store.values["Software\\Quillfen\\ZDR|Language"], "EN");
}

TEST_F(MainWindowTest, TheStoredLanguageIsTheLanguageAtStartUp) {
    store.values["Software\\Quillfen\\ZDR|Language"] = "DE";
    frmMain& w = Start();
    EXPECT_TRUE(w.optGerman->isChecked());
    EXPECT_EQ(w.cmdNow->text(), "Jetzt");
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
    EXPECT_EQ(messages[1].strTitle, w.cmdQuit->text());
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
    EXPECT_EQ(messages[0].strTitle, w.cmdReport->text());

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

}  // namespace
