#include "app/DateRow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "app/MainTexts.h"
#include "app/PlaceTexts.h"
#include "app/frmPlace.h"
#include "config/OptionsInForce.h"
#include "places/HouseTexts.h"
#include "support/MessageBox.h"
#include "support/WindowSupport.h"
#include "text/Language.h"
#include "text/StrProc.h"

using support::Q;

const DateRow::FieldPlace DateRow::udtFieldPlace[DateRow::NumFields] = {
    {120, 1700},   // Caption
    {1850, 1550},  // Month
    {3400, 780},   // Day
    {4230, 850},   // Year
    {5130, 1050},  // Hour
    {6230, 1300},  // Timezone
    {7560, 345},   // PlaceButton
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
    cmdPlace = new QPushButton(this);
    cmdPlace->setVisible(index > 0);  // a world date has no place
    for (int f = 0; f < NumFields; ++f) {
        const int top = f == Caption ? intCaptionDrop : 0;
        support::PlaceTwips(FieldWidget(static_cast<Field>(f)), udtFieldPlace[f].intLeft, top,
                            udtFieldPlace[f].intWidth, intBoxHeight);
    }

    lblCaption->setBuddy(cboMonthCE);
    for (QComboBox* list : {cboMonthCE, cboDayCE, cboHour, cboTimezone}) {
        // Whether a choice is made with the keys or the mouse decides where the focus goes.
        list->installEventFilter(this);
        list->view()->viewport()->installEventFilter(this);
        connect(list, qOverload<int>(&QComboBox::activated), this, [this, list] {
            emit choiceMade(!m_blnKeyboardChoice);
            if (list == cboDayCE)
                RefreshWeekdayToolTip();
        });
    }
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
    connect(cmdPlace, &QPushButton::clicked, this, &DateRow::ChoosePlace);
    ShowPlace();
}

bool DateRow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        m_blnKeyboardChoice = true;
    else if (event->type() == QEvent::MouseButtonPress ||
             event->type() == QEvent::MouseButtonRelease)
        m_blnKeyboardChoice = false;
    return QWidget::eventFilter(watched, event);
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
        case PlaceButton:
            return cmdPlace;
        case ClearButton:
            return cmdClear;
        case NumFields:
            break;
    }
    return nullptr;
}

std::vector<QWidget*> DateRow::TabOrder() const {
    return {cboMonthCE, cboDayCE, txbYearCE, cboHour, cboTimezone, cmdPlace, cmdClear};
}

DatePr2::DateSetInput DateRow::DateSet() const {
    DatePr2::DateSetInput set;
    set.strYearText = txbYearCE->text().toStdString();
    set.intMonthIndex = static_cast<int16_t>(std::max(0, cboMonthCE->currentIndex()));
    set.intDayIndex = static_cast<int16_t>(std::max(0, cboDayCE->currentIndex()));
    set.intHourIndex = static_cast<int16_t>(std::max(0, cboHour->currentIndex()));
    set.intTimezoneIndex = static_cast<int16_t>(std::max(0, cboTimezone->currentIndex()));
    if (m_udtPlace.blnSet) {
        // The boxes of the grid nearest to the clock time, as the state file keeps them.
        const Places::PlaceMoment moment = Places::PlaceDateToJD(set, m_udtPlace);
        int16_t zone = set.intTimezoneIndex;
        Places::NearestGrid(Places::PlaceMinute(set, m_udtPlace),
                            moment.dblJD >= 0 ? moment.Offset().intSeconds : 0, set.intHourIndex,
                            zone);
        if (moment.dblJD >= 0)
            set.intTimezoneIndex = zone;
    }
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
    if (m_udtPlace.blnSet)
        cboHour->setEditText(Q(Places::ClockText(Places::PlaceMinute(set, m_udtPlace))));
}

bool DateRow::GivesJD(int16_t defaultTimezoneIndex) {
    DatePr2::DateSetInput set = DateSet();
    const double jd = DatePr2::InputDateToAJDate(set, defaultTimezoneIndex);
    SetDateSet(set);
    return jd > 0;
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
    const QString caption = support::Text(MainText::DateSetCaption[m_intIndex]);
    lblCaption->setText(caption);
    cmdClear->setText(support::Text(MainText::Clear));
    cboMonthCE->setToolTip(support::Text(MainText::Month));
    txbYearCE->setToolTip(support::Text(MainText::Year));
    cboHour->setToolTip(support::Text(MainText::Time));
    cboTimezone->setToolTip(support::Text(MainText::Timezone));
    // Each box is named by its date set and its field, so that the three rows differ.
    const std::pair<QWidget*, int> fields[] = {
        {cboMonthCE, MainText::Month},     {cboDayCE, MainText::Day},
        {txbYearCE, MainText::Year},       {cboHour, MainText::Time},
        {cboTimezone, MainText::Timezone}, {cmdClear, MainText::Clear}};
    for (const auto& [box, n] : fields)
        box->setAccessibleName(caption + ", " + support::Text(n));
    ShowPlace();
}

void DateRow::RefreshWeekdayToolTip(bool blnFillIn) {
    DatePr2::DateSetInput set = DateSet();
    const double local = DatePr2::InputDateToLocalDay(set);
    if (blnFillIn)
        SetDateSet(set);  // the year cleaned, the hour default filled in
    if (m_udtPlace.blnSet)
        ShowPlace();  // the offset follows the date
    cboDayCE->setToolTip(local > 0 ? Q(DatePr2::WeekdayName(static_cast<int32_t>(std::floor(local)),
                                                            Language::intLanguage))
                                   : QString());
}

void DateRow::Tidy() {
    const QString digits = Q(DatePr2::YearDigits(txbYearCE->text().toStdString()));
    if (digits != txbYearCE->text())
        txbYearCE->setText(digits);
    const bool filled = !digits.isEmpty() || m_udtPlace.blnSet || cboTimezone->currentIndex() > 0 ||
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
    SetPlace(Places::DatePlace());
    SetDateSet(DatePr2::DateSetInput());
    RefreshWeekdayToolTip();
}

bool DateRow::ReadInto(ZDR::ComputeInput& input) {
    input.udtDateSet[m_intIndex] = DateSet();
    if (ZDR::ModeUsesDateSet(input.intModeCode, static_cast<int16_t>(m_intIndex)))
        input.dblSetJD[m_intIndex] = PlaceJD();
    Places::Houses houses;
    if (ZDR::OptionsInForce().blnAnglesInAspects && HousesAt(input.dblSetJD[m_intIndex], houses)) {
        input.udtAngles.dblAngle[m_intIndex][0] = houses.dblAscendant;
        input.udtAngles.dblAngle[m_intIndex][1] = houses.dblMidheaven;
    }
    return input.dblSetJD[m_intIndex] != dblStopped;
}

void DateRow::StoreIn(ZDR::StateFileData& data) const {
    data.dateSets[m_intIndex] = DateSet();
    data.udtPlaces[m_intIndex] = m_udtPlace;
}

void DateRow::RestoreFrom(const ZDR::StateFileData& data) {
    SetPlace(data.udtPlaces[m_intIndex]);
    SetDateSet(data.dateSets[m_intIndex]);
}

void DateRow::SetPlace(const Places::DatePlace& place) {
    const DatePr2::DateSetInput set = DateSet();
    m_udtPlace = place;
    if (place.blnSet && place.intMinute < 0)
        m_udtPlace.intMinute = Places::PlaceMinute(set, place);
    ShowPlace();
    if (place.blnSet)
        SetDateSet(DateSet());
}

void DateRow::ShowPlace() {
    const bool placed = m_udtPlace.blnSet;
    const FieldPlace& zone = udtFieldPlace[Timezone];
    const FieldPlace& button = udtFieldPlace[PlaceButton];
    cboTimezone->setVisible(!placed);
    // The place takes the room of the timezone box and of its own button.
    if (placed)
        support::PlaceTwips(cmdPlace, zone.intLeft, 0,
                            button.intLeft + button.intWidth - zone.intLeft, intBoxHeight);
    else
        support::PlaceTwips(cmdPlace, button.intLeft, 0, button.intWidth, intBoxHeight);
    // The place's town (or coordinates) and the offset of its clock at the row's time.
    QString name = Q(m_udtPlace.strName.substr(0, m_udtPlace.strName.find(',')));
    if (name.isEmpty())
        name = QString::number(m_udtPlace.dblLatitude, 'f', 2) + QStringLiteral(", ") +
               QString::number(m_udtPlace.dblLongitude, 'f', 2);
    const Places::PlaceMoment moment = Places::PlaceDateToJD(DateSet(), m_udtPlace);
    const std::string offset = moment.dblJD >= 0 ? Places::OffsetCaption(moment.Offset()) : "";
    if (moment.dblJD >= 0)
        name += QStringLiteral(", ") + Q(moment.Offset().strAbbreviation);
    cmdPlace->setText(placed ? name : QStringLiteral("\u2026"));
    // A screen reader hears what the button is for, and the place once there is one.
    cmdPlace->setAccessibleName(lblCaption->text() + ", " + support::Text(PlaceText::Place) +
                                (placed ? ": " + name : QString()));
    std::string tip =
        StrProc::ReplaceAll(Language::Text(PlaceText::PlacedToolTip), "PLACE", m_udtPlace.strName);
    tip =
        StrProc::ReplaceAll(StrProc::ReplaceAll(tip, "ZONE", m_udtPlace.strZone), "OFFSET", offset);
    cmdPlace->setToolTip(placed ? Q(tip) : support::Text(PlaceText::PlaceToolTip));
    // With a place the time box takes any minute, typed.
    if (cboHour->isEditable() != placed) {
        cboHour->setEditable(placed);
        if (placed)
            connect(cboHour->lineEdit(), &QLineEdit::editingFinished, this, &DateRow::TimeTyped);
    }
}

void DateRow::TimeTyped() {
    const int16_t minute = Places::ClockMinute(cboHour->currentText().toStdString());
    if (minute >= 0 && minute != m_udtPlace.intMinute) {
        m_udtPlace.intMinute = minute;
        m_udtPlace.intDst = Places::intDstAsk;
        emit choiceMade(false);
    }
    cboHour->setEditText(Q(Places::ClockText(m_udtPlace.intMinute)));
}

void DateRow::ChoosePlace() {
    frmPlace dialog(DateSet(), m_udtPlace, window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    SetPlace(dialog.Place());
    emit choiceMade(true);
}

double DateRow::PlaceJD() {
    if (!m_udtPlace.blnSet)
        return dblNoPlace;
    const DatePr2::DateSetInput set = DateSet();
    Places::PlaceMoment moment = Places::PlaceDateToJD(set, m_udtPlace);
    const Places::ClockReading& r = moment.udtReading;
    if (moment.dblJD == Places::dblPlaceSkippedTime ||
        moment.dblJD == Places::dblPlaceRepeatedTime) {
        // Which offset is meant, the user says: Yes the larger (summer time), No the smaller.
        const int larger = r.udtOffset[0].intSeconds > r.udtOffset[1].intSeconds ? 0 : 1;
        std::string text = Language::Text(
            moment.dblJD == Places::dblPlaceSkippedTime ? PlaceText::Skipped : PlaceText::Repeated);
        DatePr2::DateSetInput copy = set;
        const double day = DatePr2::InputDateToLocalDay(copy);
        const std::pair<const char*, std::string> fields[] = {
            {"TIME", Places::ClockText(m_udtPlace.intMinute)},
            {"DATE", DatePr2::JDNToLongDateText(static_cast<int32_t>(std::floor(day)), false,
                                                Language::intLanguage)},
            {"PLACE", m_udtPlace.strName.empty() ? m_udtPlace.strZone : m_udtPlace.strName},
            {"FIRST", Places::OffsetCaption(r.udtOffset[0])},
            {"SECOND", Places::OffsetCaption(r.udtOffset[1])},
            {"LARGER", Places::OffsetCaption(r.udtOffset[larger])},
            {"SMALLER", Places::OffsetCaption(r.udtOffset[1 - larger])}};
        for (const auto& [mark, value] : fields)
            text = StrProc::ReplaceAll(text, mark, value);
        const support::MsgAnswer answer = support::AskYesNoCancel(
            window(), Q(text), support::Text(PlaceText::ClockTitle), support::MsgAnswer::Yes);
        if (answer == support::MsgAnswer::Cancel)
            return dblStopped;
        m_udtPlace.intDst =
            answer == support::MsgAnswer::Yes ? Places::intDstYes : Places::intDstNo;
        moment = Places::PlaceDateToJD(set, m_udtPlace);
        ShowPlace();
    }
    if (moment.dblJD >= 0)
        return moment.dblJD;
    if (moment.dblJD >= DatePr2::dblDateTooLate)
        return dblNoPlace;  // the date itself: said as always
    support::ShowMessage(window(),
                         moment.dblJD == Places::dblPlaceUnknownZone
                             ? Q(StrProc::ReplaceAll(Language::Text(PlaceText::UnknownZone), "ZONE",
                                                     m_udtPlace.strZone))
                             : support::Text(PlaceText::BadCoordinates),
                         support::Text(PlaceText::Place), support::MsgIcon::Warning);
    return dblStopped;
}

bool DateRow::HousesAt(double jd, Places::Houses& houses) const {
    if (!m_udtPlace.blnSet || jd < 0)
        return false;
    houses = Places::ComputeHouses(jd, m_udtPlace.dblLatitude, m_udtPlace.dblLongitude,
                                   ZDR::OptionsInForce().intHouseSystem,
                                   ZDR::OptionsInForce().blnSidereal);
    return true;
}

std::string DateRow::HousesReport(double jd, const ZDR::ChartPositions& chart) const {
    Places::Houses houses;
    if (!HousesAt(jd, houses))
        return std::string();
    double L[ZDR::intBodySlots] = {};
    for (int16_t b = 1; b <= ZDR::intCatalogueBodies; ++b)
        L[b] = chart.dblPos[b][0];
    return Places::HouseReport(houses, L);
}

std::string DateRow::DateText(bool blnNorthAmericanZones) const {
    const DatePr2::DateSetInput set = DateSet();
    return m_udtPlace.blnSet ? Places::PlaceDateText(set, m_udtPlace, false, Language::intLanguage)
                             : DatePr2::InputDateToString(set, false, blnNorthAmericanZones,
                                                          Language::intLanguage);
}
