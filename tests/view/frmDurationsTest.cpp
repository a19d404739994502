// The durations window on real dates: its sort list in each mode, sorting, "Show
// duration", the chart description, Copy and Close.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "astro/DatePr2.h"
#include "config/Options.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/Durations.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"
#include "view/frmDurations.h"

namespace {

// 10 March 2024, 22:00 GMT+1, and a birth on 17 May 1970, 14:00 GMT.
const double kWorldJD = DatePr2::DateSetToJD("2024", 3, 10, 45, 60);
const double kBirthJD = DatePr2::DateSetToJD("1970", 5, 17, 29, 0);

class DurationsWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestDataFiles()); }
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        main = std::make_unique<QWidget>();
        main->setGeometry(20, 20, 1400, 700);
        window = new frmDurations(main.get());
    }
    void TearDown() override {
        main.reset();
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        ClearOrbs();
    }
    // Computes mode at the test's dates with options and reports on it.
    void Report(int16_t mode, const ZDR::ConfigOptions& options) {
        const double jd[3] = {kWorldJD, kBirthJD, kBirthJD + 365};
        udtTestOptions = ZDR::MakeChartOptions(options);
        ZDR::ComputeAtJD(mode, jd, false, TestOptions(options), result);
        DurationsRequest request;
        request.pudtChart = &result;
        request.udtContext = ZDR::TimingContextOf(mode, jd, 60, udtTestOptions);
        request.strDateText[0] = "March 10, 2024, 22:00 (GMT+1:00)";
        request.strDateText[1] = "May 17, 1970, 14:00 (GMT)";
        request.strDateText[2] = "May 17, 1971, 14:00 (GMT)";
        request.intTableTop = 2640;
        window->Report(request);
    }
    void Report(int16_t mode) {
        Report(mode, ZDR::DefaultOptions(Language::intLanguage, ZDR::ConfigOptions{}));
    }
    QStringList SortEntries() const {
        QStringList entries;
        for (int i = 0; i < window->cboSortBy->count(); ++i)
            entries << window->cboSortBy->itemText(i);
        return entries;
    }
    QString FirstLine() const { return window->txbOutput->toPlainText().section('\n', 0, 0); }

    std::unique_ptr<QWidget> main;
    frmDurations* window = nullptr;
    ZDR::ComputeResult result;
    SavedEngineTables udtSaved;
};

TEST_F(DurationsWindowTest, WorldTransitsListSortedByDeviation) {
    Report(ZDR::intModeWorldTransits);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Durations of current aspects: World transits");
    EXPECT_EQ(window->lblTitle->text(),
              "World transits on March 10, 2024, 22:00 (GMT+1:00), tropical zodiac");
    EXPECT_EQ(SortEntries(), (QStringList{"First planet", "Aspect", "Deviation from exactness",
                                          "Second planet", "Beginning", "End", "Duration"}));
    EXPECT_EQ(window->cboSortBy->currentIndex(), 2);
    EXPECT_TRUE(window->cboSortBy->isVisible());
    EXPECT_TRUE(window->chkShowDuration->isChecked());
    EXPECT_EQ(FirstLine(),
              "Mercury sextile (0°6')        Pluto   from March 8, 2024,      to "
              "March 13, 2024     (6 days)");
    // Beside the main window, 2000 twips narrower, below the table's second row.
    EXPECT_EQ(window->geometry().left(), 20);
    EXPECT_EQ(window->width(), 1400 - 133);
    EXPECT_EQ(window->geometry().top(), 20 + 269);
}

TEST_F(DurationsWindowTest, SortingAndShowDuration) {
    Report(ZDR::intModeWorldTransits);
    const int lines = window->txbOutput->toPlainText().count('\n');
    // Sorted by the beginning, duration ticked, the Moon's lines left out.
    window->chkShowDuration->setChecked(false);
    window->cboSortBy->setCurrentIndex(ZDR::intSortBeginning);
    EXPECT_TRUE(window->chkShowDuration->isChecked());
    EXPECT_FALSE(window->txbOutput->toPlainText().contains("Moon"));
    EXPECT_LT(window->txbOutput->toPlainText().count('\n'), lines);
    EXPECT_TRUE(
        FirstLine().startsWith("Neptune sextile (4°21')       Pluto   from February 23, 2023"))
        << FirstLine().toStdString();
    // By first body again: the Moon's lines are back.
    window->cboSortBy->setCurrentIndex(ZDR::intSortFirstBody);
    EXPECT_EQ(window->txbOutput->toPlainText().count('\n'), lines);
    EXPECT_TRUE(window->txbOutput->toPlainText().contains("Moon    (a Moon aspect lasts about"));
    // Clearing "Show duration" leaves the bodies and aspects.
    window->chkShowDuration->click();
    EXPECT_FALSE(window->txbOutput->toPlainText().contains("from"));
    EXPECT_FALSE(window->txbOutput->toPlainText().contains("Moon aspect"));
}

TEST_F(DurationsWindowTest, PersonalTransitsSortListInBothLanguages) {
    Report(ZDR::intModePersonal1);
    EXPECT_EQ(window->windowTitle(), "Durations of current aspects: Personal transits");
    // A screen reader hears the text named by the window's subject, described by its dates.
    EXPECT_EQ(window->txbOutput->accessibleName(), window->windowTitle());
    EXPECT_EQ(window->cboSortBy->accessibleName(), "Sort by:");
    EXPECT_TRUE(window->txbOutput->accessibleDescription().startsWith("Personal transits "));
    EXPECT_EQ(SortEntries(), (QStringList{"natal planet", "Aspect", "Deviation from exactness",
                                          "transiting planet", "Beginning", "End", "Duration"}));
    EXPECT_EQ(FirstLine(),
              "tr.Moon    quincunx (0°8')       n.Jupiter (a Moon aspect lasts about 7 hours)");
    Language::intLanguage = Language::intGerman;
    ZDR::BuildCatalogueNames();
    Report(ZDR::intModePersonal1);
    EXPECT_EQ(SortEntries(), (QStringList{"Radixplanet", "Aspekt", "Abweichung vom exakten Aspekt",
                                          "Transitplanet", "Beginn", "Ende", "Dauer"}));
    EXPECT_EQ(window->cmdCopy->text(), "Kopieren in Zwischenablage");
    EXPECT_EQ(window->cmdClose->text(), "Schließen");
    EXPECT_EQ(window->chkShowDuration->text(), "Dauer anzeigen");
    EXPECT_EQ(window->txbOutput->accessibleName(),
              "Dauer der aktuellen Aspekte: Persönliche Transite");
    EXPECT_TRUE(window->txbOutput->accessibleDescription().startsWith("Persönliche Transite "));
}

TEST_F(DurationsWindowTest, OneAspectHidesTheSortList) {
    // Only the conjunction, with an orb of 1 degree: Mercury and Neptune alone.
    ZDR::ConfigOptions options = ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{});
    options.intOrbListIndex = {1, 0, 0, 0, 0, 0, 0, 1};
    Report(ZDR::intModeNatal1, options);
    ASSERT_EQ(window->Records().size(), 1u);
    EXPECT_FALSE(window->cboSortBy->isVisible());
    EXPECT_FALSE(window->lblSortBy->isVisible());
    EXPECT_TRUE(window->txbOutput->toPlainText().startsWith(
        "There is one aspect in this natal chart.\n\nMercury (14° in Taurus) conjunct Saturn"));
}

TEST_F(DurationsWindowTest, NatalDescriptionCopyAndClose) {
    Report(ZDR::intModeNatal1);
    EXPECT_EQ(window->windowTitle(), "Natal aspects of the 1st birthdate");
    EXPECT_FALSE(window->cboSortBy->isEnabled());
    EXPECT_FALSE(window->chkShowDuration->isVisible());
    EXPECT_TRUE(window->txbOutput->toPlainText().startsWith(
        "There are fifteen aspects in this natal chart.\n\n"));
    window->cmdCopy->click();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(
        copied.startsWith("Natal chart of May 17, 1970, 14:00 (GMT), tropical zodiac\r\n\r\n"
                          "There are fifteen aspects in this natal chart.\r\n\r\n"))
        << copied.toStdString();
    window->cmdClose->click();
    EXPECT_FALSE(window->isVisible());
    Report(ZDR::intModeSynastry);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->txbOutput->toPlainText().contains("aspect patterns"));
}

}  // namespace
