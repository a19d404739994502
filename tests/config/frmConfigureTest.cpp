// The configuration dialog on the offscreen platform, with an in-memory settings store and
// the message boxes answered by a hook.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <map>
#include <memory>

#include "astro/Positions.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "config/RegistryOptions.h"
#include "config/frmConfigure.h"
#include "engine/Catalogue.h"
#include "support/MessageBox.h"
#include "tests/EngineTestSupport.h"
#include "tests/MemoryStore.h"
#include "text/Language.h"

namespace {

class frmConfigureTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestProgramText()); }
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        UseTestSettings(ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{}));
        support::SetMessageHook([this](const support::MessageRequest& request) {
            requests.push_back(request);
            return answer;
        });
        main.setGeometry(100, 50, 400, 300);
        dialog = std::make_unique<frmConfigure>(&main, store);
        dialog->SetStartupCompleted(true);
    }
    void TearDown() override {
        dialog.reset();
        support::SetMessageHook({});
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        ClearOrbs();
    }
    // Every caption the dialog shows, its title first.
    std::vector<QString> Captions() const {
        std::vector<QString> captions = {dialog->windowTitle()};
        for (QLabel* label : dialog->findChildren<QLabel*>())
            captions.push_back(label->text());
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            captions.push_back(button->text());
        return captions;
    }

    QWidget main;
    MemoryStore store;
    std::unique_ptr<frmConfigure> dialog;
    std::vector<support::MessageRequest> requests;
    support::MsgAnswer answer = support::MsgAnswer::Yes;
};

TEST_F(frmConfigureTest, LoadFillsTheListsAndRepairsTheStoredOptions) {
    EXPECT_EQ(dialog->cboOrb[0]->count(), 16);
    EXPECT_EQ(dialog->cboOrb[3]->itemText(15), QString::fromUtf8("15°"));
    EXPECT_EQ(dialog->cboOrb[3]->itemData(7).toInt(), 420);
    EXPECT_EQ(dialog->cboOrbForMidpoints->count(), 8);
    EXPECT_EQ(dialog->cboOrbForMidpoints->currentText(), QString::fromUtf8("0° 30'"));
    EXPECT_EQ(dialog->cboBoldfaceFactor->currentText(), "1/4");
    EXPECT_EQ(dialog->cboBoldfaceFactor->itemData(8).toInt(), 20);
    EXPECT_EQ(dialog->cboPersonalOrbsProportion[1]->currentText(), "1/3");
    EXPECT_EQ(dialog->cboOrb[0]->currentIndex(), 10);
    EXPECT_EQ(dialog->cboOrb[7]->currentIndex(), 1);
    EXPECT_TRUE(dialog->optWesternAstrology->isChecked());
    EXPECT_TRUE(dialog->chkKeepZodiac->isChecked());
    EXPECT_TRUE(requests.empty());  // the reset during loading asks nothing
    // Nothing stored yet: written back at once; under UTC no North American zones.
    EXPECT_EQ(store.values["Software\\Quillfen\\ZDR|Moon"], "1");
    EXPECT_EQ(store.values["Software\\Quillfen\\ZDR|IPAD"], "1");
    EXPECT_EQ(store.values["Software\\Quillfen\\ZDR|TZDisp"], "0");
    EXPECT_FALSE(dialog->chkDisplayNATZabbr->isChecked());
    EXPECT_EQ(dialog->lblAspectColor[0]->text(), "------------------------------");

    MemoryStore other;
    other.values["Software\\Quillfen\\ZDR|Moon"] = "0";
    other.values["Software\\Quillfen\\ZDR|IPAD"] = "0";
    frmConfigure second(&main, other);
    EXPECT_FALSE(second.chkIncludeTransitingMoon->isChecked());
    EXPECT_TRUE(second.chkSuppressInnerPlanetAspectDisplay->isChecked());
    EXPECT_FALSE(ZDR::OptionsInForce().blnIncludeTransitingMoon);
    EXPECT_TRUE(ZDR::OptionsInForce().blnSuppressInnerPlanetAspects);
}

TEST_F(frmConfigureTest, CancelPutsEveryBoxBackAsItWasWhenShown) {
    dialog->ShowBesideMainWindow();
    ASSERT_TRUE(dialog->isVisible());
    const ZDR::ConfigOptions shown = dialog->Controls();
    // Ticking and unticking, and changes that stay.
    dialog->chkIncludeTransitingMoon->click();
    dialog->chkIncludeTransitingMoon->click();
    dialog->chkIncludeTransitingMoon->click();
    dialog->chkUseBoldface->click();
    dialog->chkDisplayNATZabbr->click();
    dialog->chkSuppressInnerPlanetAspectDisplay->click();
    dialog->chkWaxingWaningAspects->click();
    dialog->chkWaxingWaningAspects->click();
    dialog->chkWaxingWaningAspects->click();
    dialog->cboBoldfaceFactor->setCurrentIndex(7);
    dialog->cboPersonalOrbsProportion[0]->setCurrentIndex(0);
    dialog->cboPersonalOrbsProportion[1]->setCurrentIndex(4);
    EXPECT_NE(dialog->Controls().blnIncludeTransitingMoon, shown.blnIncludeTransitingMoon);

    dialog->cmdCancel->click();
    EXPECT_FALSE(dialog->isVisible());
    const ZDR::ConfigOptions& now = dialog->Controls();
    EXPECT_EQ(now.blnIncludeTransitingMoon, shown.blnIncludeTransitingMoon);
    EXPECT_EQ(now.blnUseBoldface, shown.blnUseBoldface);
    EXPECT_EQ(now.blnDisplayNATZ, shown.blnDisplayNATZ);
    EXPECT_EQ(now.blnSuppressInnerPlanetAspects, shown.blnSuppressInnerPlanetAspects);
    EXPECT_EQ(now.blnWaxingWaningAspects, shown.blnWaxingWaningAspects);
    EXPECT_EQ(now.intBoldfaceFactorIndex, shown.intBoldfaceFactorIndex);
    EXPECT_EQ(now.intProportionIndex, shown.intProportionIndex);
    EXPECT_TRUE(dialog->cboBoldfaceFactor->isEnabled());
}

TEST_F(frmConfigureTest, UseSettingsAppliesAndTellsTheMainWindow) {
    QSignalSpy applied(dialog.get(), &frmConfigure::settingsApplied);
    dialog->ShowBesideMainWindow();
    EXPECT_FALSE(dialog->blnAccept);
    dialog->cboOrb[2]->setCurrentIndex(12);
    dialog->cboPersonalOrbsProportion[0]->setCurrentIndex(1);
    dialog->optVedicAstrology->click();
    dialog->chkWaxingWaningAspects->click();
    dialog->chkSuppressInnerPlanetAspectDisplay->click();
    dialog->chkIncludeTransitingMoon->click();
    QTest::mouseClick(dialog->lblAspectColor[4], Qt::RightButton);

    dialog->cmdAccept->click();
    EXPECT_EQ(applied.count(), 1);
    EXPECT_TRUE(dialog->blnAccept);
    EXPECT_TRUE(dialog->isVisible());  // the dialog stays
    EXPECT_EQ(ZDR::OptionsInForce().intOrbListIndex[2], 12);
    EXPECT_DOUBLE_EQ(ZDR::ChartOptionsInForce().dblOrb[3][0], 12.0 / 360.0 * 6.28318530717959);
    EXPECT_DOUBLE_EQ(ZDR::ChartOptionsInForce().dblOrb[3][1],
                     ZDR::ChartOptionsInForce().dblOrb[3][0] / 2);
    EXPECT_TRUE(ZDR::OptionsInForce().blnSidereal);
    EXPECT_TRUE(ZDR::OptionsInForce().blnWaxingWaningAspects);
    EXPECT_TRUE(ZDR::OptionsInForce().blnSuppressInnerPlanetAspects);
    EXPECT_FALSE(ZDR::OptionsInForce().blnIncludeTransitingMoon);
    EXPECT_EQ(ZDR::OptionsInForce().dblAspectColor[5], 0);
    EXPECT_EQ(ZDR::OptionsInForce().dblAspectColor[4], ZDR::RGB(0, 255, 0));

    // Showing again keeps the applied inner-planet choice.
    dialog->cmdHide->click();
    dialog->ShowBesideMainWindow();
    EXPECT_TRUE(dialog->chkSuppressInnerPlanetAspectDisplay->isChecked());
    EXPECT_TRUE(ZDR::OptionsInForce().blnSuppressInnerPlanetAspects);
    EXPECT_TRUE(dialog->optVedicAstrology->isChecked());
    EXPECT_FALSE(dialog->blnAccept);
}

TEST_F(frmConfigureTest, ResetAsksAndKeepsTheZodiacWhenTold) {
    QSignalSpy applied(dialog.get(), &frmConfigure::settingsApplied);
    dialog->ShowBesideMainWindow();
    dialog->optVedicAstrology->click();
    dialog->cboOrb[0]->setCurrentIndex(3);
    dialog->chkUseBoldface->click();

    answer = support::MsgAnswer::No;
    dialog->cmdReset->click();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].strTitle, "Reset to default");
    EXPECT_EQ(requests[0].buttons, support::MsgButtons::YesNo);
    EXPECT_EQ(dialog->cboOrb[0]->currentIndex(), 3);  // No changes nothing
    EXPECT_EQ(applied.count(), 0);

    answer = support::MsgAnswer::Yes;
    dialog->cmdReset->click();
    EXPECT_EQ(dialog->cboOrb[0]->currentIndex(), 10);
    EXPECT_TRUE(dialog->chkUseBoldface->isChecked());
    EXPECT_TRUE(dialog->opt1DegOfOrb->isEnabled());
    EXPECT_TRUE(dialog->optVedicAstrology->isChecked());  // "Keep selected zodiac"
    EXPECT_EQ(applied.count(), 1);
    EXPECT_TRUE(ZDR::OptionsInForce().blnSidereal);
    EXPECT_EQ(ZDR::OptionsInForce().intOrbListIndex[0], 10);

    dialog->chkKeepZodiac->click();
    dialog->cmdReset->click();
    EXPECT_TRUE(dialog->optWesternAstrology->isChecked());
    EXPECT_FALSE(ZDR::OptionsInForce().blnSidereal);

    // Hidden, it neither asks nor waits for an answer.
    dialog->cmdHide->click();
    requests.clear();
    dialog->ResetToDefault();
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(applied.count(), 3);
}

TEST_F(frmConfigureTest, SetAllLeavesZeroOrbsAloneAndRefusesZero) {
    dialog->ShowBesideMainWindow();
    dialog->cboOrb[1]->setCurrentIndex(0);
    dialog->cboOrb[5]->setCurrentIndex(0);
    dialog->cboOrb[7]->setCurrentIndex(3);

    answer = support::MsgAnswer::No;
    dialog->cmdSetAllNonzeroOrbsToConjunctionOrb->click();
    EXPECT_EQ(dialog->cboOrb[0]->currentIndex(), 10);

    answer = support::MsgAnswer::Yes;
    dialog->cmdSetAllNonzeroOrbsToConjunctionOrb->click();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_TRUE(requests[1].strText.contains(QString::fromUtf8("3°")));
    EXPECT_EQ(requests[1].strTitle, QString::fromStdString(Language::Text(390)));
    const int expected[8] = {3, 0, 3, 3, 3, 0, 3, 3};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(dialog->cboOrb[i]->currentIndex(), expected[i]) << i;
        EXPECT_EQ(ZDR::OptionsInForce().intOrbListIndex[i], expected[i])
            << i;  // at once, without Use settings
    }
    EXPECT_EQ(dialog->focusWidget(), dialog->cboPersonalOrbsProportion[0]);

    requests.clear();
    dialog->cboOrb[7]->setCurrentIndex(0);
    emit dialog->cboOrb[7]->activated(0);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].strText, "Cannot set all non-zero orbs to zero.");
    EXPECT_EQ(requests[0].strTitle, "Set all");
    EXPECT_EQ(dialog->cboOrb[7]->currentIndex(), 1);
}

TEST_F(frmConfigureTest, ColourLabelsCycleAndSwitchOff) {
    dialog->ShowBesideMainWindow();
    QLabel* label = dialog->lblAspectColor[0];
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 0));

    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(dialog->Controls().dblAspectColor[1], ZDR::RGB(255, 0, 255));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 255));

    QTest::mouseClick(label, Qt::RightButton);
    EXPECT_EQ(dialog->Controls().dblAspectColor[1], 0);
    QTest::mouseClick(label, Qt::LeftButton);  // black stays black
    EXPECT_EQ(dialog->Controls().dblAspectColor[1], 0);
    QTest::mouseClick(label, Qt::MiddleButton);
    EXPECT_EQ(dialog->Controls().dblAspectColor[1], ZDR::RGB(255, 0, 255));
    EXPECT_EQ(ZDR::OptionsInForce().dblAspectColor[1], ZDR::RGB(255, 255, 0));  // not applied yet

    // Cancelled colours come back from the applied ones at the next show.
    dialog->cmdCancel->click();
    dialog->ShowBesideMainWindow();
    EXPECT_EQ(dialog->Controls().dblAspectColor[1], ZDR::RGB(255, 255, 0));
}

TEST_F(frmConfigureTest, HideThenShowShowsTheAppliedOrb) {
    dialog->ShowBesideMainWindow();
    dialog->cboOrb[3]->setCurrentIndex(2);
    dialog->optVedicAstrology->click();
    dialog->cmdHide->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->Controls().intOrbListIndex[3], 2);  // hidden, still what it showed

    dialog->ShowBesideMainWindow();
    EXPECT_EQ(dialog->cboOrb[3]->currentIndex(), 7);
    EXPECT_TRUE(dialog->optWesternAstrology->isChecked());
    EXPECT_EQ(dialog->focusWidget(), dialog->cmdHide);

    // A change moves the focus to "Use settings".
    dialog->chkUseColor->click();
    EXPECT_EQ(dialog->focusWidget(), dialog->cmdAccept);
}

TEST_F(frmConfigureTest, BoldfaceBoxEnablesItsRule) {
    dialog->chkUseBoldface->click();
    for (QWidget* control :
         std::initializer_list<QWidget*>{dialog->opt1DegOfOrb, dialog->optProportionOfOrb,
                                         dialog->cboBoldfaceFactor, dialog->lblOfOrb})
        EXPECT_FALSE(control->isEnabled());
    dialog->chkUseBoldface->click();
    EXPECT_TRUE(dialog->cboBoldfaceFactor->isEnabled());
    dialog->optProportionOfOrb->click();
    EXPECT_FALSE(dialog->Controls().bln1DegOfOrb);
    EXPECT_TRUE(dialog->opt1DegOfOrb->isEnabled());
}

TEST_F(frmConfigureTest, ClosingTheWindowResetsAndApplies) {
    QSignalSpy applied(dialog.get(), &frmConfigure::settingsApplied);
    dialog->ShowBesideMainWindow();
    dialog->cboOrb[0]->setCurrentIndex(2);
    dialog->chkWaxingWaningAspects->click();
    dialog->cmdAccept->click();
    EXPECT_EQ(ZDR::OptionsInForce().intOrbListIndex[0], 2);
    requests.clear();

    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_EQ(requests.size(), 1u);  // the notice only: the reset does not ask
    EXPECT_EQ(requests[0].strTitle, "X");
    EXPECT_EQ(requests[0].strText.count('\n'), 2);
    EXPECT_EQ(requests[0].icon, support::MsgIcon::Information);
    EXPECT_EQ(applied.count(), 2);
    EXPECT_EQ(ZDR::OptionsInForce().intOrbListIndex[0], 10);
    EXPECT_FALSE(ZDR::OptionsInForce().blnWaxingWaningAspects);
    EXPECT_FALSE(dialog->chkWaxingWaningAspects->isChecked());
}

TEST_F(frmConfigureTest, GermanAndBackLeavesEveryCaption) {
    const std::vector<QString> english = Captions();
    EXPECT_EQ(dialog->windowTitle(), "Configuration");
    EXPECT_EQ(dialog->lblSynastry->text(), "synastry");
    EXPECT_EQ(dialog->lblZodiac->text(), "Zodiac:");
    EXPECT_EQ(dialog->lblAspectName[6]->text(), "Quincunx");

    Language::intLanguage = Language::intGerman;
    ZDR::BuildCatalogueNames();
    dialog->SetLanguageDependentText();
    EXPECT_EQ(dialog->lblSynastry->text(), "Synastrie");
    EXPECT_EQ(dialog->lblAspectName[6]->text(), "Quinkunx");
    EXPECT_EQ(dialog->cmdCancel->text(), "Abbrechen");
    const std::vector<QString> german = Captions();
    ASSERT_EQ(german.size(), english.size());
    for (size_t i = 0; i < german.size(); ++i)
        EXPECT_EQ(german[i].isEmpty(), english[i].isEmpty()) << i;

    Language::intLanguage = Language::intEnglish;
    ZDR::BuildCatalogueNames();
    dialog->SetLanguageDependentText();
    EXPECT_EQ(Captions(), english);
}

// A screen reader hears every list, option and button by a name of its own in both
// languages: its caption or its accessible name, a list never by its entry alone.
TEST_F(frmConfigureTest, EveryControlHasANameOfItsOwn) {
    for (int16_t language : {Language::intGerman, Language::intEnglish}) {
        Language::intLanguage = language;
        ZDR::BuildCatalogueNames();
        dialog->SetLanguageDependentText();
        for (QWidget* c : dialog->findChildren<QWidget*>()) {
            auto* button = qobject_cast<QAbstractButton*>(c);
            if (button || qobject_cast<QComboBox*>(c)) {
                EXPECT_FALSE(c->accessibleName().isEmpty() && (!button || button->text().isEmpty()))
                    << c->metaObject()->className() << " " << language;
            }
        }
    }
}

TEST_F(frmConfigureTest, PlacedBesideTheMainWindowWithinItsSizeLimits) {
    dialog->ShowBesideMainWindow();
    const QRect screen = main.screen()->availableGeometry();
    const QRect frame = dialog->frameGeometry();
    EXPECT_EQ(frame.y(), main.frameGeometry().y());
    EXPECT_LE(frame.x() + frame.width(), screen.x() + screen.width());
    EXPECT_TRUE(main.frameGeometry().x() + main.frameGeometry().width() == frame.x() ||
                main.frameGeometry().x() == screen.x());

    const int width = dialog->width();
    dialog->resize(width + 200, 2000);
    EXPECT_EQ(dialog->width(), width);
    EXPECT_EQ(dialog->height(), 9660 / 15);
    dialog->resize(width, 100);
    EXPECT_EQ(dialog->height(), 4700 / 15);
}

}  // namespace

TEST_F(frmConfigureTest, HouseSystemAndWheelAreChosenAppliedAndKept) {
    const std::string kSystem = "Software\\Quillfen\\ZDR|HouseSystem";
    const std::string kWheel = "Software\\Quillfen\\ZDR|WheelLeft";
    // Never chosen: the defaults are in force and nothing of them is stored.
    EXPECT_EQ(ZDR::OptionsInForce().intHouseSystem, 0);
    EXPECT_TRUE(ZDR::OptionsInForce().blnAscendantLeft);
    EXPECT_EQ(dialog->cboHouseSystem->count(), 9);
    EXPECT_EQ(dialog->cboHouseSystem->currentText(), "Placidus");
    dialog->ShowBesideMainWindow();
    dialog->cmdAccept->click();
    EXPECT_EQ(store.values.count(kSystem) + store.values.count(kWheel), 0u);

    dialog->cboHouseSystem->setCurrentIndex(3);
    dialog->optAriesRight->click();
    dialog->cmdAccept->click();
    EXPECT_EQ(ZDR::OptionsInForce().intHouseSystem, 3);
    EXPECT_FALSE(ZDR::OptionsInForce().blnAscendantLeft);
    EXPECT_EQ(store.values[kSystem], "regiomontanus");
    EXPECT_EQ(store.values[kWheel], "aries");

    // A state file keeps neither; the next start loads both from the store.
    ZDR::UseStateFileSettings(ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{}));
    EXPECT_EQ(ZDR::OptionsInForce().intHouseSystem, 3);
    ZDR::UseSettings(ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{}));
    dialog.reset();
    dialog = std::make_unique<frmConfigure>(&main, store);
    EXPECT_EQ(ZDR::OptionsInForce().intHouseSystem, 3);
    EXPECT_FALSE(ZDR::OptionsInForce().blnAscendantLeft);
    EXPECT_TRUE(dialog->optAriesRight->isChecked());

    Language::intLanguage = Language::intGerman;
    dialog->SetLanguageDependentText();
    EXPECT_EQ(dialog->lblHouseSystem->text(), "Häusersystem:");
    EXPECT_EQ(dialog->cboHouseSystem->itemText(6), "Ganzzeichen");
    EXPECT_EQ(dialog->optAscendantLeft->text(), "Aszendent links");
}
