#include "app/frmPlace.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cmath>

#include "app/PlaceTexts.h"
#include "places/PlaceSearch.h"
#include "places/TimeZones.h"
#include "support/MessageBox.h"
#include "support/WindowSupport.h"
#include "text/Language.h"
#include "text/StrProc.h"

using support::Q;

namespace {

// The most towns the list offers at once.
constexpr std::size_t kListed = 40;

// Degrees as typed, with a point or a comma; false when they are no number within limit.
bool ReadDegrees(const QString& text, double limit, double& degrees) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    degrees = t.toDouble(&ok);
    return ok && std::fabs(degrees) <= limit;
}

}  // namespace

frmPlace::frmPlace(const DatePr2::DateSetInput& set, const Places::DatePlace& place,
                   QWidget* parent)
    : QDialog(parent), m_udtSet(set), m_udtPlace(place) {
    setWindowTitle(support::Text(PlaceText::Place));
    auto* grid = new QGridLayout(this);
    int row = 0;
    grid->addWidget(new QLabel(support::Text(PlaceText::Town), this), row, 0);
    txbTown = new QLineEdit(this);
    txbTown->setPlaceholderText(support::Text(PlaceText::TownHint));
    grid->addWidget(txbTown, row++, 1, 1, 3);
    lstTowns = new QListWidget(this);
    lstTowns->setMinimumHeight(support::Px(2400));
    grid->addWidget(lstTowns, row++, 0, 1, 4);
    grid->addWidget(new QLabel(support::Text(PlaceText::Coordinates), this), row++, 0, 1, 4);
    txbLatitude = new QLineEdit(this);
    txbLongitude = new QLineEdit(this);
    grid->addWidget(new QLabel(support::Text(PlaceText::Latitude), this), row, 0);
    grid->addWidget(txbLatitude, row, 1);
    grid->addWidget(new QLabel(support::Text(PlaceText::Longitude), this), row, 2);
    grid->addWidget(txbLongitude, row++, 3);
    cboZone = new QComboBox(this);
    for (const std::string& zone : Places::ZoneNames())
        cboZone->addItem(Q(zone));
    grid->addWidget(new QLabel(support::Text(PlaceText::Zone), this), row, 0);
    grid->addWidget(cboZone, row++, 1, 1, 3);
    txbTime = new QLineEdit(this);
    txbTime->setMaxLength(5);
    grid->addWidget(new QLabel(support::Text(PlaceText::ClockTime), this), row, 0);
    grid->addWidget(txbTime, row, 1);
    lblOffset = new QLabel(this);
    grid->addWidget(lblOffset, row++, 2, 1, 2);
    // A screen reader names each field by its label.
    for (const auto& [field, n] :
         std::initializer_list<std::pair<QWidget*, int>>{{txbTown, PlaceText::Town},
                                                         {lstTowns, PlaceText::Town},
                                                         {txbLatitude, PlaceText::Latitude},
                                                         {txbLongitude, PlaceText::Longitude},
                                                         {cboZone, PlaceText::Zone},
                                                         {txbTime, PlaceText::ClockTime}})
        field->setAccessibleName(support::Text(n));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* remove =
        buttons->addButton(support::Text(PlaceText::Remove), QDialogButtonBox::DestructiveRole);
    remove->setEnabled(place.blnSet);
    grid->addWidget(buttons, row, 0, 1, 4);
    setMinimumWidth(support::Px(7200));

    if (place.blnSet) {
        txbTown->setText(Q(place.strName));
        txbLatitude->setText(QString::number(place.dblLatitude, 'f', 5));
        txbLongitude->setText(QString::number(place.dblLongitude, 'f', 5));
        cboZone->setCurrentText(Q(place.strZone));
    } else {
        cboZone->setCurrentText(QStringLiteral("UTC"));
    }
    txbTime->setText(Q(Places::ClockText(Places::PlaceMinute(set, place))));

    connect(txbTown, &QLineEdit::textEdited, this, &frmPlace::FindTowns);
    connect(lstTowns, &QListWidget::currentRowChanged, this, &frmPlace::TownChosen);
    connect(lstTowns, &QListWidget::itemActivated, this, &frmPlace::Accept);
    for (QLineEdit* edit : {txbLatitude, txbLongitude, txbTime})
        connect(edit, &QLineEdit::textEdited, this, &frmPlace::ShowOffset);
    connect(cboZone, &QComboBox::currentTextChanged, this, &frmPlace::ShowOffset);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmPlace::Accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(remove, &QPushButton::clicked, this, [this] {
        const int16_t minute = m_udtPlace.intMinute;
        m_udtPlace = Places::DatePlace();
        m_udtPlace.intMinute = minute;
        accept();
    });
    ShowOffset();
}

void frmPlace::FindTowns() {
    m_found = Places::FindPlaces(txbTown->text().toStdString(), kListed);
    lstTowns->blockSignals(true);
    lstTowns->clear();
    for (const Places::AtlasPlace* p : m_found) {
        lstTowns->addItem(Q(Places::PlaceLabel(*p, Language::intLanguage)) + QStringLiteral("  (") +
                          Q(p->strZone) + QStringLiteral(")"));
    }
    lstTowns->blockSignals(false);
    if (!m_found.empty()) {
        lstTowns->setCurrentRow(0);
        return;
    }
    // No town of that name: the coordinates of an earlier match go too.
    m_udtPlace.strName.clear();
    txbLatitude->clear();
    txbLongitude->clear();
    ShowOffset();
}

void frmPlace::TownChosen() {
    const int i = lstTowns->currentRow();
    if (i < 0 || i >= static_cast<int>(m_found.size()))
        return;
    const Places::AtlasPlace& p = *m_found[i];
    txbLatitude->setText(QString::number(p.dblLatitude, 'f', 5));
    txbLongitude->setText(QString::number(p.dblLongitude, 'f', 5));
    cboZone->setCurrentText(Q(p.strZone));
    m_udtPlace.strName = Places::PlaceLabel(p, Language::intLanguage);
    ShowOffset();
}

bool frmPlace::ReadFields(bool blnTell) {
    Places::DatePlace p = m_udtPlace;
    const QString title = support::Text(PlaceText::Place);
    const int16_t minute = Places::ClockMinute(txbTime->text().toStdString());
    if (minute < 0) {
        if (blnTell)
            support::ShowMessage(this, support::Text(PlaceText::BadTime), title,
                                 support::MsgIcon::Warning);
        return false;
    }
    if (txbLatitude->text().trimmed().isEmpty() && txbLongitude->text().trimmed().isEmpty()) {
        if (blnTell)
            support::ShowMessage(this, support::Text(PlaceText::NoPlace), title,
                                 support::MsgIcon::Warning);
        return false;
    }
    if (!ReadDegrees(txbLatitude->text(), 90, p.dblLatitude) ||
        !ReadDegrees(txbLongitude->text(), 180, p.dblLongitude)) {
        if (blnTell)
            support::ShowMessage(this, support::Text(PlaceText::BadCoordinates), title,
                                 support::MsgIcon::Warning);
        return false;
    }
    p.strZone = cboZone->currentText().toStdString();
    if (!Places::ZoneKnown(p.strZone)) {
        if (blnTell)
            support::ShowMessage(
                this,
                Q(StrProc::ReplaceAll(Language::Text(PlaceText::UnknownZone), "ZONE", p.strZone)),
                title, support::MsgIcon::Warning);
        return false;
    }
    // A name typed over keeps what was typed; coordinates typed alone have none.
    if (lstTowns->currentRow() < 0)
        p.strName = txbTown->text().trimmed().toStdString();
    if (p.intMinute != minute)
        p.intDst = Places::intDstAsk;
    p.intMinute = minute;
    p.blnSet = true;
    m_udtPlace = p;
    return true;
}

void frmPlace::ShowOffset() {
    if (!ReadFields(false)) {
        lblOffset->clear();
        return;
    }
    const Places::PlaceMoment moment = Places::PlaceDateToJD(m_udtSet, m_udtPlace);
    QString text;
    const Places::ClockReading& r = moment.udtReading;
    if (moment.dblJD >= 0) {
        text = Q(Places::OffsetCaption(moment.Offset()));
    } else if (r.intStatus == Places::intClockSkipped || r.intStatus == Places::intClockRepeated) {
        text = Q(Places::OffsetCaption(r.udtOffset[0])) + QStringLiteral(" / ") +
               Q(Places::OffsetCaption(r.udtOffset[1]));
    }
    lblOffset->setText(text.isEmpty()
                           ? QString()
                           : support::Text(PlaceText::ClockOfPlace) + QLatin1Char(' ') + text);
}

void frmPlace::Accept() {
    if (ReadFields(true))
        accept();
}
