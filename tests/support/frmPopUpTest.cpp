// The timed pop-up: placement, replacement, the timeout and the click.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "support/frmPopUp.h"

namespace {

TEST(frmPopUp, PlacesAndSizesInTwips) {
    frmPopUp popUp;
    popUp.PopUp("Saved", 2400, 300, 60000, 1500, 3000);
    EXPECT_TRUE(popUp.isVisible());
    EXPECT_EQ(popUp.lblMessage->text(), "Saved");
    EXPECT_EQ(popUp.geometry(), QRect(200, 100, 160, 20));
    EXPECT_EQ(popUp.lblMessage->geometry(), QRect(0, 0, 160, 20));
    EXPECT_EQ(popUp.Timer1->interval(), 60000);
    EXPECT_TRUE(popUp.Timer1->isActive());

    QWidget form;
    form.setGeometry(300, 200, 400, 300);
    form.show();
    const QPoint inside = form.mapToGlobal(QPoint(0, 0));
    popUp.PopUpInForm(&form, "Restored", 2400, 300, 60000, 475, 150);
    EXPECT_EQ(popUp.pos(), inside + QPoint(10, 32));
    EXPECT_EQ(popUp.lblMessage->text(), "Restored");

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    popUp.PopUpCenterScreen("Centre", 3000, 600, 60000);
    EXPECT_EQ(popUp.geometry().center(), screen.center());
}

TEST(frmPopUp, ASecondMessageReplacesTheFirstAndStartsAgain) {
    frmPopUp popUp;
    popUp.PopUp("first", 2400, 300, 400, 0, 0);
    QTest::qWait(250);
    ASSERT_TRUE(popUp.isVisible());
    popUp.PopUp("second", 2400, 300, 400, 0, 0);
    EXPECT_EQ(popUp.lblMessage->text(), "second");
    EXPECT_GT(popUp.Timer1->remainingTime(), 300);
    QTest::qWait(250);  // beyond the first message's end
    EXPECT_TRUE(popUp.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !popUp.isVisible(); }, 5000));
}

TEST(frmPopUp, VanishesAfterItsInterval) {
    frmPopUp popUp;
    popUp.PopUp("short", 2400, 300, 30, 0, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !popUp.isVisible(); }, 5000));
    EXPECT_FALSE(popUp.Timer1->isActive());

    // Without an interval it stays until clicked.
    popUp.PopUp("stays", 2400, 300, 0, 0, 0);
    EXPECT_FALSE(popUp.Timer1->isActive());
    EXPECT_TRUE(popUp.isVisible());
}

TEST(frmPopUp, AClickOnTheMessageDismissesIt) {
    frmPopUp popUp;
    popUp.PopUp("click me", 2400, 300, 60000, 0, 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&popUp));
    QTest::mouseClick(popUp.lblMessage, Qt::LeftButton);
    EXPECT_FALSE(popUp.isVisible());
    EXPECT_FALSE(popUp.Timer1->isActive());
}

TEST(frmPopUp, OneInstanceIsKept) {
    frmPopUp& popUp = frmPopUp::Instance();
    EXPECT_EQ(&popUp, &frmPopUp::Instance());
}

}  // namespace
