// The transit calendar window: it computes in slices while the event loop runs, shows the
// transits found, filters and sorts them, cancels, exports them whole or not at all, refuses
// a bad period with a message, and a double-click hands the first exact moment on.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>
#include <memory>

#include "astro/DateInput.h"
#include "calendar/frmCalendar.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "support/FileDialog.h"
#include "support/MessageBox.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

constexpr int32_t kWorldDay = 2459185;  // 1 December 2020

class CalendarWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestDataFiles()); }
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        ZDR::UseSettings(ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{}));
        main = std::make_unique<QWidget>();
        window = new frmCalendar(main.get());
        window->SetNowJD(2459200.5);
        support::SetMessageHook([this](const support::MessageRequest& r) {
            messages.push_back(r);
            return support::MsgAnswer::Ok;
        });
    }
    void TearDown() override {
        support::SetMessageHook({});
        support::SetFileDialogHook({});
        main.reset();
    }
    void Open(int16_t mode = ZDR::intModeWorldTransits) {
        CalendarWindowRequest request;
        request.intModeCode = mode;
        request.dblNatalJD = 2440724.0;
        request.lngWorldDay = kWorldDay;
        request.intTimeZone = 60;
        request.ShowMoment = [this](double jd) { shownMoment = jd; };
        window->ShowFor(request);
    }
    // Lets the event loop run until the computation is done; false after 60 s.
    bool WaitUntilDone() {
        QElapsedTimer clock;
        clock.start();
        while (window->Computing() && clock.elapsed() < 60000)
            QCoreApplication::processEvents();
        return !window->Computing();
    }
    QTreeWidgetItem* Item(const QString& transit) {
        const QList<QTreeWidgetItem*> found =
            window->lstPassages->findItems(transit, Qt::MatchExactly, 0);
        return found.isEmpty() ? nullptr : found.front();
    }
    int VisibleRows() {
        int n = 0;
        for (int i = 0; i < window->lstPassages->topLevelItemCount(); ++i)
            n += !window->lstPassages->topLevelItem(i)->isHidden();
        return n;
    }
    std::unique_ptr<QWidget> main;
    frmCalendar* window = nullptr;
    std::vector<support::MessageRequest> messages;
    double shownMoment = -1;
};

TEST_F(CalendarWindowTest, ComputesInSlicesAndListsTheNextThreeMonths) {
    Open();
    // ShowFor comes back at once: the walk runs on the event loop, the progress shown.
    EXPECT_TRUE(window->Computing());
    EXPECT_FALSE(window->prgCompute->isHidden());
    EXPECT_FALSE(window->cmdCancel->isHidden());
    ASSERT_TRUE(WaitUntilDone());
    EXPECT_TRUE(window->prgCompute->isHidden());
    EXPECT_EQ(window->dtpFrom->date(), QDate(2020, 12, 1));
    EXPECT_EQ(window->dtpTo->date(), QDate(2021, 2, 28));
    QTreeWidgetItem* item = Item("Jupiter conjunct Saturn");
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->text(3).startsWith("2020-12-21 19:2")) << item->text(3).toStdString();
    EXPECT_EQ(window->lblStatus->text(), QString::number(window->Passages().size()) + " transits");
    // Return on a transit (as a double-click) sets the world date to its first exact moment.
    window->lstPassages->setCurrentItem(item);
    QTest::keyClick(window->lstPassages, Qt::Key_Return);
    EXPECT_NEAR(shownMoment, 2459205.264, 0.002);
    EXPECT_EQ(window->cboBody->accessibleName(), "Bodies:");
}

TEST_F(CalendarWindowTest, FiltersByBodyAndAspectAndSortsByBody) {
    Open();
    ASSERT_TRUE(WaitUntilDone());
    const int all = VisibleRows();
    window->cboBody->setCurrentIndex(5);  // Jupiter, either side in World transits
    const int jupiter = VisibleRows();
    EXPECT_LT(jupiter, all);
    window->cboAspect->setCurrentIndex(1);  // conjunctions
    EXPECT_LT(VisibleRows(), jupiter);
    EXPECT_FALSE(Item("Jupiter conjunct Saturn")->isHidden());
    window->cboBody->setCurrentIndex(0);
    window->cboAspect->setCurrentIndex(0);
    EXPECT_EQ(VisibleRows(), all);
    window->lstPassages->sortByColumn(0, Qt::AscendingOrder);
    EXPECT_TRUE(window->lstPassages->topLevelItem(0)->text(0).startsWith("Sun "));
}

TEST_F(CalendarWindowTest, CancelKeepsWhatWasFound) {
    Open();
    window->dtpTo->setDate(QDate(2099, 12, 31));
    window->cmdCompute_Click();
    QCoreApplication::processEvents();
    window->cmdCancel_Click();
    EXPECT_FALSE(window->Computing());
    EXPECT_TRUE(window->prgCompute->isHidden());
    EXPECT_TRUE(window->lblStatus->text().contains("cancelled"));
}

TEST_F(CalendarWindowTest, BadPeriodGetsAMessage) {
    Open();
    ASSERT_TRUE(WaitUntilDone());
    struct Case {
        QDate from, to;
        const char* message;
    };
    const Case kCases[] = {{QDate(2021, 1, 1), QDate(2020, 12, 31), "ends before it begins"},
                           {QDate(1900, 1, 1), QDate(2000, 1, 2), "longer than 100 years"}};
    for (const Case& c : kCases) {
        messages.clear();
        window->dtpFrom->setDate(c.from);
        window->dtpTo->setDate(c.to);
        window->cmdCompute_Click();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].strText.contains(c.message));
        EXPECT_FALSE(window->Computing());
    }
}

TEST_F(CalendarWindowTest, ExportsWholeOrNotAtAll) {
    Open(ZDR::intModePersonal1);
    ASSERT_TRUE(WaitUntilDone());
    const QString good = QString::fromStdString(::testing::TempDir()) + "zodarc-window.ics";
    QFile::remove(good);
    struct Case {
        bool ics;
        QString path;
        bool written;
        const char* begins;
    };
    const Case kCases[] = {{true, good, true, "BEGIN:VCALENDAR\r\n"},
                           {false, good + ".csv", true, "first,second,aspect,begin,end,exact\r\n"},
                           {true, "/nonexistent-folder/x.ics", false, ""}};
    for (const Case& c : kCases) {
        messages.clear();
        support::SetFileDialogHook([&](const support::FileDialogRequest&) { return c.path; });
        window->Export(c.ics);
        QFile file(c.path);
        EXPECT_EQ(file.exists(), c.written);
        EXPECT_EQ(messages.size(), c.written ? 0u : 1u);
        if (c.written) {
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_TRUE(file.readAll().startsWith(c.begins));
            file.remove();
        } else {
            EXPECT_TRUE(messages[0].strText.contains("could not be written"));
        }
    }
}

TEST_F(CalendarWindowTest, OpensForTheTransitModesOnly) {
    struct Case {
        int16_t mode;
        bool opens;
    };
    const Case kCases[] = {{ZDR::intModeNatal1, false},
                           {ZDR::intModeSynastry, false},
                           {ZDR::intModeWorldTransits, true}};
    for (const Case& c : kCases) {
        messages.clear();
        ZDR::ComputeResult result;
        result.intModeCode = c.mode;
        result.dblChartAJD[0] = 2459205.0;  // 21 December 2020, 12:00 UT
        DatePr2::DateSetInput world;
        world.intTimezoneIndex = 0;
        // The main window's calendar, made on first use, is the one the test made.
        frmCalendar::Open(main.get(), result, world, nullptr, [](const DatePr2::DateSetInput&) {});
        EXPECT_EQ(messages.size(), c.opens ? 0u : 1u) << c.mode;
        EXPECT_EQ(window->isVisible(), c.opens) << c.mode;
        EXPECT_EQ(main->findChildren<frmCalendar*>().size(), 1);
    }
    // A double-click sets the world date in its timezone (GMT+1, entry 26 of the list) to
    // the half hour and clicks Compute.
    QPushButton compute;
    int clicks = 0;
    QObject::connect(&compute, &QPushButton::clicked, [&clicks] { ++clicks; });
    DatePr2::DateSetInput shown;
    ZDR::ComputeResult result;
    result.intModeCode = ZDR::intModeWorldTransits;
    result.dblChartAJD[0] = 2459205.0;
    DatePr2::DateSetInput world;
    world.intTimezoneIndex = 26;
    frmCalendar::Open(main.get(), result, world, &compute,
                      [&shown](const DatePr2::DateSetInput& set) { shown = set; });
    ASSERT_TRUE(WaitUntilDone());
    window->lstPassages_DoubleClick(Item("Jupiter conjunct Saturn"));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(shown.strYearText, "2020");
    EXPECT_EQ(shown.intMonthIndex, 12);
    EXPECT_EQ(shown.intDayIndex, 21);
    EXPECT_EQ(shown.intHourIndex, 40);  // 19:30, the half hour nearest 19:20
    EXPECT_EQ(shown.intTimezoneIndex, 26);
}

TEST_F(CalendarWindowTest, GermanTexts) {
    Language::intLanguage = Language::intGerman;
    ZDR::BuildCatalogueNames();
    Open(ZDR::intModePersonal1);
    ASSERT_TRUE(WaitUntilDone());
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Transitkalender"));
    EXPECT_EQ(window->cmdClose->text(), QString::fromUtf8("Schließen"));
    bool natal = false;
    for (int i = 0; i < window->lstPassages->topLevelItemCount(); ++i)
        natal = natal || window->lstPassages->topLevelItem(i)->text(0).contains(" Radix-");
    EXPECT_TRUE(natal);
    Language::intLanguage = Language::intEnglish;
    ZDR::BuildCatalogueNames();
}

}  // namespace
