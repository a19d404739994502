#include "app/DateRow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "app/MainTexts.h"
#include "support/WindowSupport.h"
#include "text/Language.h"

using support::Q;

const DateRow::FieldPlace DateRow::udtFieldPlace[DateRow::NumFields] = {
    {120, 1700},   // Caption
    {1850, 1550},  // Month
    {3400, 780},   // Day
    {4230, 850},   // Year
    {5130, 1050},  // Hour
    {6230, 1650},  // Timezone
    {7930, 900},   // ClearButton
};

int DateRow::RowWidth() {
    const FieldPlace& last = udtFieldPlace[NumFields - 1];
    return last.intLeft + last.intWidth;
}

DateRow::DateRow(int index, QWidget* parent) : QWidget(parent), m_intIndex(index) {
    lblCaption = new QLabel(this);
    cboMonthCE = new QComboBox(this);
    cboDayCE = new QComboBox(this);
    txbYearCE = new QLineEdit(this);
    cboHour = new QComboBox(this);
    cboTimezone = new QComboBox(this);
    cmdClear = new QPushButton(this);
    for (int f = 0; f < NumFields; ++f) {
        const int top = f == Caption ? intCaptionDrop : 0;
        support::PlaceTwips(FieldWidget(static_cast<Field>(f)), udtFieldPlace[f].intLeft, top,
                            udtFieldPlace[f].intWidth, intBoxHeight);
    }

    for (QComboBox* list : {cboMonthCE, cboHour, cboTimezone})
        connect(list, qOverload<int>(&QComboBox::activated), this, &DateRow::choiceMade);
    connect(cboDayCE, qOverload<int>(&QComboBox::activated), this, [this] {
        emit choiceMade();
        RefreshWeekdayToolTip();
    });
    // Enter also finishes the editing: the result it has just computed is not stale.
    connect(txbYearCE, &QLineEdit::editingFinished, this, [this] {
        if (!m_blnYearEntered)
            emit yearEdited();
        m_blnYearEntered = false;
    });
    connect(txbYearCE, &QLineEdit::returnPressed, this, &DateRow::yearEntered);
    // The weekday follows every change of the date, typed or set by the program.
    connect(txbYearCE, &QLineEdit::textChanged, this, [this] { RefreshWeekdayToolTip(false); });
    for (QComboBox* list : {cboMonthCE, cboDayCE})
        connect(list, qOverload<int>(&QComboBox::currentIndexChanged), this,
                [this] { RefreshWeekdayToolTip(false); });
    connect(cmdClear, &QPushButton::clicked, this, &DateRow::AskAndClear);
}

QWidget* DateRow::FieldWidget(Field f) const {
    switch (f) {
        case Caption:
            return lblCaption;
        case Month:
            return cboMonthCE;
        case Day:
            return cboDayCE;
        case Year:
            return txbYearCE;
        case Hour:
            return cboHour;
        case Timezone:
            return cboTimezone;
        case ClearButton:
            return cmdClear;
        case NumFields:
            break;
    }
    return nullptr;
}

DatePr2::DateSetInput DateRow::DateSet() const {
    DatePr2::DateSetInput set;
    set.strYearText = txbYearCE->text().toStdString();
    set.intMonthIndex = static_cast<int16_t>(std::max(0, cboMonthCE->currentIndex()));
    set.intDayIndex = static_cast<int16_t>(std::max(0, cboDayCE->currentIndex()));
    set.intHourIndex = static_cast<int16_t>(std::max(0, cboHour->currentIndex()));
    set.intTimezoneIndex = static_cast<int16_t>(std::max(0, cboTimezone->currentIndex()));
    return set;
}

void DateRow::SetDateSet(const DatePr2::DateSetInput& set) {
    const QString year = Q(set.strYearText);
    if (txbYearCE->text() != year)
        txbYearCE->setText(year);
    cboMonthCE->setCurrentIndex(set.intMonthIndex);
    cboDayCE->setCurrentIndex(set.intDayIndex);
    cboHour->setCurrentIndex(set.intHourIndex);
    cboTimezone->setCurrentIndex(set.intTimezoneIndex);
}

int16_t DateRow::TimezoneMinutes() const {
    return static_cast<int16_t>(cboTimezone->currentData().toInt());
}

void DateRow::FillMonthList() {
    const int selected = std::max(0, cboMonthCE->currentIndex());
    cboMonthCE->clear();
    cboMonthCE->addItem(QString());
    for (int m = 1; m <= 12; ++m)
        cboMonthCE->addItem(Q(DatePr2::MonthName(m, false, Language::intLanguage)));
    cboMonthCE->setCurrentIndex(selected);
}

void DateRow::FillLists() {
    FillMonthList();
    cboMonthCE->setCurrentIndex(0);
    cboDayCE->clear();
    cboDayCE->addItem(QString());
    for (int d = 1; d <= 31; ++d)
        cboDayCE->addItem(QString::number(d));
    cboDayCE->setCurrentIndex(0);
    txbYearCE->clear();
    cboHour->clear();
    cboHour->addItem(QString());
    for (int16_t h = 1; h <= 48; ++h)
        cboHour->addItem(Q(DatePr2::HalfHourText(h)));
    cboHour->setCurrentIndex(0);
}

void DateRow::FillTimezoneList(const std::vector<DatePr2::TimezoneEntry>& zones, bool blnKeep) {
    const int keep = blnKeep ? std::max(0, cboTimezone->currentIndex()) : 0;
    cboTimezone->clear();
    for (const DatePr2::TimezoneEntry& zone : zones)
        cboTimezone->addItem(Q(zone.strText), zone.intMinutes);
    cboTimezone->setCurrentIndex(keep);
}

void DateRow::SetLanguageDependentText() {
    lblCaption->setText(support::Text(MainText::DateSetCaption[m_intIndex]));
    cmdClear->setText(support::Text(MainText::Clear));
    cboMonthCE->setToolTip(support::Text(MainText::Month));
    txbYearCE->setToolTip(support::Text(MainText::Year));
    cboHour->setToolTip(support::Text(MainText::Time));
    cboTimezone->setToolTip(support::Text(MainText::Timezone));
}

void DateRow::RefreshWeekdayToolTip(bool blnFillIn) {
    DatePr2::DateSetInput set = DateSet();
    const double local = DatePr2::InputDateToLocalDay(set);
    if (blnFillIn)
        SetDateSet(set);  // the year cleaned, the hour default filled in
    cboDayCE->setToolTip(local > 0 ? Q(DatePr2::WeekdayName(static_cast<int32_t>(std::floor(local)),
                                                            Language::intLanguage))
                                   : QString());
}

void DateRow::Tidy() {
    const QString digits = Q(DatePr2::YearDigits(txbYearCE->text().toStdString()));
    if (digits != txbYearCE->text())
        txbYearCE->setText(digits);
    const bool filled = !digits.isEmpty() || cboTimezone->currentIndex() > 0 ||
                        cboHour->currentIndex() > 0 || cboDayCE->currentIndex() > 0 ||
                        cboMonthCE->currentIndex() > 0;
    cmdClear->setVisible(filled);
}

void DateRow::AskAndClear() {
    if (support::AskYesNoCancel(window(),
                                support::Text(MainText::ClearQuestion) + " " +
                                    support::Text(MainText::ClearWhich[m_intIndex]),
                                cmdClear->text(),
                                support::MsgAnswer::Yes) != support::MsgAnswer::Yes)
        return;
    SetDateSet(DatePr2::DateSetInput());
    RefreshWeekdayToolTip();
}
