// One date row on its own: what it reads back, the weekday it names, the tidying of its
// year and Clear button, and its place.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/DateRow.h"
#include "app/frmPlace.h"
#include "astro/DatePr2.h"
#include "config/OptionsInForce.h"
#include "support/MessageBox.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

class DateRowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestDataFiles()); }
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        row.FillLists();
        row.FillTimezoneList(DatePr2::TimezoneList(false), false);
        row.SetLanguageDependentText();
    }
    void TearDown() override {
        support::SetMessageHook(nullptr);
        Language::intLanguage = Language::intEnglish;
    }
    void Enter(const char* year, int month, int day) {
        row.txbYearCE->setText(year);
        row.cboMonthCE->setCurrentIndex(month);
        row.cboDayCE->setCurrentIndex(day);
    }

    QWidget page;
    DateRow row{1, &page};
};

// Weekdays from the count of days since a known Sunday (1 January 2023), independent of the
// program's calendar; a day that does not exist, or an unfinished date, names none.
TEST_F(DateRowTest, TheDayBoxNamesTheWeekday) {
    struct Case {
        const char* year;
        int month, day;
        int language;
        const char* weekday;
    } cases[] = {
        {"2023", 1, 1, Language::intEnglish, "Sunday"},
        {"2024", 2, 29, Language::intEnglish, "Thursday"},  // 424 days on: 60 weeks + 4
        {"2000", 1, 1, Language::intEnglish, "Saturday"},
        {"1970", 5, 17, Language::intGerman, "Sonntag"},
        {"2023", 4, 31, Language::intEnglish, ""},
        {"2023", 2, 29, Language::intEnglish, ""},
        {"", 6, 1, Language::intEnglish, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.year) + "-" + std::to_string(c.month) + "-" +
                     std::to_string(c.day));
        Language::intLanguage = static_cast<int16_t>(c.language);
        Enter(c.year, c.month, c.day);
        EXPECT_EQ(row.cboDayCE->toolTip().toStdString(), c.weekday);
    }
}

// What the boxes show is the date set the row gives, and a set written in comes back whole.
TEST_F(DateRowTest, ADateSetGoesInAndComesBackTheSame) {
    const DatePr2::DateSetInput sets[] = {
        {"1970", 5, 17, 29, 24},
        {"2099", 12, 31, 48, 47},
        {"", 0, 0, 0, 0},
        {"-300", 1, 1, 1, 1},
    };
    for (const DatePr2::DateSetInput& set : sets) {
        row.SetDateSet(set);
        const DatePr2::DateSetInput back = row.DateSet();
        EXPECT_EQ(back.strYearText, set.strYearText);
        EXPECT_EQ(back.intMonthIndex, set.intMonthIndex);
        EXPECT_EQ(back.intDayIndex, set.intDayIndex);
        EXPECT_EQ(back.intHourIndex, set.intHourIndex);
        EXPECT_EQ(back.intTimezoneIndex, set.intTimezoneIndex);
    }
}

// The tidying keeps the year's digits and shows Clear while anything is filled in.
TEST_F(DateRowTest, TidyingKeepsTheDigitsAndShowsClearWhileFilled) {
    struct Case {
        const char* typed;
        int hour;
        const char* year;
        bool clearShown;
    } cases[] = {
        {"19x7", 0, "197", true},
        {"abc", 0, "", false},
        {"", 3, "", true},
        {" 2 0 2 4 ", 0, "2024", true},
    };
    page.show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        row.SetDateSet(DatePr2::DateSetInput());
        row.txbYearCE->setText(c.typed);
        row.cboHour->setCurrentIndex(c.hour);
        row.Tidy();
        EXPECT_EQ(row.txbYearCE->text().toStdString(), c.year);
        EXPECT_EQ(row.cmdClear->isVisible(), c.clearShown);
    }
}

// Clear empties the row only when the question is answered Yes; a choice in a list is
// reported, a choice by the program is not.
TEST_F(DateRowTest, ClearAsksFirstAndChoicesAreReported) {
    support::MsgAnswer answer = support::MsgAnswer::No;
    std::vector<support::MessageRequest> asked;
    support::SetMessageHook([&](const support::MessageRequest& r) {
        asked.push_back(r);
        return answer;
    });
    Enter("1970", 5, 17);
    row.AskAndClear();
    EXPECT_EQ(row.txbYearCE->text(), "1970");
    answer = support::MsgAnswer::Yes;
    row.AskAndClear();
    EXPECT_EQ(row.txbYearCE->text(), "");
    EXPECT_EQ(row.cboMonthCE->currentIndex(), 0);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_NE(asked[0].strText.indexOf(QStringLiteral("1st birthdate")), -1);

    QSignalSpy choices(&row, &DateRow::choiceMade);
    row.cboHour->setCurrentIndex(4);
    EXPECT_EQ(choices.count(), 0);
    emit row.cboHour->activated(4);
    ASSERT_EQ(choices.count(), 1);
    EXPECT_TRUE(choices[0][0].toBool()) << "by mouse unless the keys were used";
    QTest::keyClick(row.cboHour, Qt::Key_Down);
    ASSERT_EQ(choices.count(), 2);
    EXPECT_FALSE(choices[1][0].toBool());
}

}  // namespace

namespace {

Places::DatePlace BerlinAt(int16_t minute) {
    Places::DatePlace p;
    p.blnSet = true;
    p.strName = "Berlin, Berlin, Germany";
    p.dblLatitude = 52.52437;
    p.dblLongitude = 13.41053;
    p.strZone = "Europe/Berlin";
    p.intMinute = minute;
    return p;
}

}  // namespace

// With a place the row reads its clock time at the place; a skipped or repeated time asks
// which offset is meant, and the answer stays with the place.
TEST_F(DateRowTest, APlaceGivesTheClockTimeOfThePlace) {
    struct Case {
        const char* year;
        int month, day;
        int16_t minute;
        support::MsgAnswer answer;  // to the question, if one is asked
        bool blnAsked;
        double jd;               // the JD (UT) expected, or a DateRow code
        const char* buttonText;  // the place's button afterwards
    };
    const double jd2021 = 2459301.5;  // 28 March 2021, 0h UT
    const Case cases[] = {
        {"2021", 3, 28, 150, support::MsgAnswer::Yes, true, jd2021 + 0.5 / 24, "Berlin, CEST"},
        {"2021", 3, 28, 150, support::MsgAnswer::No, true, jd2021 + 1.5 / 24, "Berlin, CET"},
        {"2021", 3, 28, 150, support::MsgAnswer::Cancel, true, DateRow::dblStopped, "Berlin"},
        {"2021", 3, 28, 14 * 60 + 7, support::MsgAnswer::Ok, false, jd2021 + (12 * 60 + 7) / 1440.0,
         "Berlin, CEST"},
        {"2021", 2, 30, 600, support::MsgAnswer::Ok, false, DateRow::dblNoPlace, "Berlin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.minute);
        bool asked = false;
        support::SetMessageHook([&](const support::MessageRequest& r) {
            asked = true;
            EXPECT_TRUE(r.strText.contains("02:30")) << r.strText.toStdString();
            return c.answer;
        });
        Enter(c.year, c.month, c.day);
        row.SetPlace(BerlinAt(c.minute));
        EXPECT_EQ(row.cboHour->currentText().toStdString(), Places::ClockText(c.minute));
        EXPECT_FALSE(row.cboTimezone->isVisibleTo(&page));
        const double jd = row.PlaceJD();
        EXPECT_EQ(asked, c.blnAsked);
        EXPECT_NEAR(jd, c.jd, 1e-9);
        EXPECT_EQ(row.cmdPlace->text().toStdString(), c.buttonText);
        EXPECT_EQ(row.cmdPlace->accessibleName().toStdString(),
                  std::string("1st birthdate, Place of birth: ") + c.buttonText);
    }
    // The boxes of the state file's 52 lines come nearest: 14:07 CEST is 14:00, GMT+2:00.
    Enter("2021", 3, 28);
    row.SetPlace(BerlinAt(14 * 60 + 7));
    EXPECT_EQ(row.DateSet().intHourIndex, 29);
    EXPECT_EQ(row.DateSet().intTimezoneIndex, 28);
    // Removing the place gives the timezone box back.
    row.SetPlace(Places::DatePlace());
    EXPECT_TRUE(row.cboTimezone->isVisibleTo(&page));
    EXPECT_FALSE(row.cboHour->isEditable());
    EXPECT_EQ(row.PlaceJD(), DateRow::dblNoPlace);
    EXPECT_EQ(row.cmdPlace->accessibleName(), "1st birthdate, Place of birth");
}

namespace {

// A row with a place gives a computation its Ascendant and Midheaven while the angles are
// in aspects, the houses' own; without the option, or without a place, none.
TEST_F(DateRowTest, APlaceGivesItsAnglesOnlyWhileTheyAreInAspects) {
    const ZDR::ConfigOptions saved = ZDR::OptionsInForce();
    Enter("1990", 5, 15);
    row.SetPlace(BerlinAt(14 * 60 + 30));
    for (const bool blnOn : {false, true}) {
        ZDR::ConfigOptions options = saved;
        options.blnAnglesInAspects = blnOn;
        ZDR::UseSettings(options);
        ZDR::ComputeInput input;
        input.intModeCode = ZDR::intModeNatal1;
        ASSERT_TRUE(row.ReadInto(input));
        const Places::Houses houses = Places::ComputeHouses(input.dblSetJD[1], 52.52437, 13.41053,
                                                            Places::intPlacidus, saved.blnSidereal);
        EXPECT_EQ(input.udtAngles.dblAngle[1][0], blnOn ? houses.dblAscendant : -1);
        EXPECT_EQ(input.udtAngles.dblAngle[1][1], blnOn ? houses.dblMidheaven : -1);
    }
    row.SetPlace(Places::DatePlace());
    ZDR::ComputeInput input;
    input.intModeCode = ZDR::intModeNatal1;
    ASSERT_TRUE(row.ReadInto(input));
    EXPECT_EQ(input.udtAngles.dblAngle[1][0], -1);
    ZDR::UseSettings(saved);
}

// A screen reader hears every field of the place dialog by its label, in both languages.
TEST_F(DateRowTest, ThePlaceDialogNamesEveryField) {
    for (int16_t language : {Language::intGerman, Language::intEnglish}) {
        Language::intLanguage = language;
        frmPlace dialog(row.DateSet(), Places::DatePlace(), &page);
        int fields = 0;
        for (QWidget* c : dialog.findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c) ||
                qobject_cast<QListWidget*>(c)) {
                ++fields;
                EXPECT_FALSE(c->accessibleName().isEmpty()) << c->metaObject()->className();
            }
        }
        EXPECT_EQ(fields, 6);
    }
}

}  // namespace
