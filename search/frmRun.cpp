#include "search/frmRun.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/Catalogue.h"
#include "search/RunTexts.h"
#include "support/WindowSupport.h"
#include "text/Language.h"

namespace {

// The counts the dialog offers: list index k is at least k + 2.
constexpr int kFirstCount = 2;
constexpr int kLastCount = 9;
// Space between the dialog's foot and the main window's, and its left edge's offset.
constexpr int kMarginTwips = 120;

using support::Text;

}  // namespace

frmRun::frmRun(QWidget* mainWindow) : QDialog(mainWindow), m_frmMainWindow(mainWindow) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    optRunUntilStopped = new QRadioButton(this);
    optRunUntilFinding = new QRadioButton(this);
    auto* choice = new QButtonGroup(this);
    choice->addButton(optRunUntilStopped);
    choice->addButton(optRunUntilFinding);
    cboAspectPattern = new QComboBox(this);
    cboAspectPattern->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lblGefunden = new QLabel(this);
    chkTwoOrMore = new QCheckBox(this);
    cboNumToFind = new QComboBox(this);
    chkRunQuickly = new QCheckBox(this);
    cmdRun = new QPushButton(this);
    cmdCancel = new QPushButton(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(support::Px(240), support::Px(180), support::Px(240),
                               support::Px(180));
    layout->setSpacing(support::Px(90));
    layout->addWidget(optRunUntilStopped);
    auto* finding = new QHBoxLayout;
    finding->addWidget(optRunUntilFinding);
    finding->addWidget(cboAspectPattern);
    finding->addWidget(lblGefunden);
    finding->addStretch();
    layout->addLayout(finding);
    auto* count = new QHBoxLayout;
    count->addSpacing(support::Px(330));
    count->addWidget(chkTwoOrMore);
    count->addWidget(cboNumToFind);
    count->addStretch();
    layout->addLayout(count);
    layout->addWidget(chkRunQuickly);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdRun);
    buttons->addWidget(cmdCancel);
    layout->addSpacing(support::Px(60));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The look of the main window: Arial, its background colour and icon.
    QFont arial = font();
    arial.setFamily(QStringLiteral("Arial"));
    setFont(arial);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, mainWindow->palette().color(QPalette::Window));
    setPalette(palette);
    setWindowIcon(mainWindow->windowIcon());

    for (int n = kFirstCount; n <= kLastCount; ++n)
        cboNumToFind->addItem(QString::number(n));
    cboNumToFind->setCurrentIndex(0);
    cboNumToFind->setEnabled(false);
    optRunUntilStopped->setChecked(true);
    cmdRun->setDefault(true);

    connect(cboAspectPattern, qOverload<int>(&QComboBox::activated), this,
            &frmRun::cboAspectPattern_Click);
    connect(optRunUntilStopped, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optRunUntilStopped_Click();
    });
    connect(optRunUntilFinding, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optRunUntilFinding_Click();
    });
    connect(chkTwoOrMore, &QCheckBox::clicked, this, &frmRun::chkTwoOrMore_Click);
    connect(cmdRun, &QPushButton::clicked, this, &frmRun::cmdRun_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmRun::cmdCancel_Click);
}

void frmRun::ShowModal(const QWidget* anchor) {
    blnCancel = false;
    SetLanguageDependentText();
    cboAspectPattern->clear();
    for (const std::string& name : ZDR::strPatternName)
        cboAspectPattern->addItem(support::Q(name));
    cboAspectPattern->setCurrentIndex(m_intRememberedPattern);
    PlaceAboveMainWindow(anchor);
    cmdRun->setFocus();
    exec();
}

ZDR::RunUntilSettings frmRun::RunUntil() const {
    ZDR::RunUntilSettings settings;
    settings.intAspectPatternToFind = intAspectPatternToFind;
    settings.blnTwoOrMore = chkTwoOrMore->isChecked();
    settings.intNumToFindIndex = static_cast<int16_t>(std::max(0, cboNumToFind->currentIndex()));
    return settings;
}

bool frmRun::RunQuickly() const {
    return chkRunQuickly->isChecked();
}

void frmRun::SetLanguageDependentText() {
    setWindowTitle(Text(RunText::Title));
    cmdRun->setText(Text(RunText::Title));
    cmdCancel->setText(Text(RunText::Cancel));
    optRunUntilStopped->setText(Text(RunText::RunUntilStopped));
    optRunUntilFinding->setText(Text(RunText::RunUntilFinding));
    chkRunQuickly->setText(Text(RunText::RunQuickly));
    chkTwoOrMore->setText(Text(RunText::TwoOrMore));
    // A screen reader names the two lists by the captions they complete.
    cboAspectPattern->setAccessibleName(Text(RunText::RunUntilFinding));
    cboNumToFind->setAccessibleName(Text(RunText::TwoOrMore));
    lblGefunden->setText(Text(RunText::Found));
    lblGefunden->setVisible(Language::intLanguage == Language::intGerman);
}

void frmRun::PlaceAboveMainWindow(const QWidget* anchor) {
    adjustSize();
    const QRect main = m_frmMainWindow->frameGeometry();
    // Before it is first shown the dialog's frame is not known: it takes the main window's.
    const int frameWidth = main.width() - m_frmMainWindow->width();
    const int frameHeight = main.height() - m_frmMainWindow->height();
    const int anchorLeft = anchor ? anchor->mapTo(m_frmMainWindow, QPoint(0, 0)).x() : 0;
    int left = main.left() + anchorLeft - support::Px(kMarginTwips);
    int top = main.bottom() + 1 - (height() + frameHeight) - support::Px(kMarginTwips);
    // On a small screen the dialog stays within it.
    if (const QScreen* screen = m_frmMainWindow->screen()) {
        const QRect area = screen->availableGeometry();
        left = std::clamp(left, area.left(),
                          std::max(area.left(), area.right() + 1 - width() - frameWidth));
        top = std::clamp(top, area.top(),
                         std::max(area.top(), area.bottom() + 1 - height() - frameHeight));
    }
    move(left, top);
}

void frmRun::cboAspectPattern_Click(int index) {
    optRunUntilFinding->setChecked(true);
    m_intRememberedPattern = index;
    cmdRun->setFocus();
}

void frmRun::optRunUntilStopped_Click() {
    chkTwoOrMore->setEnabled(cboAspectPattern->isEnabled());
}

void frmRun::optRunUntilFinding_Click() {
    chkTwoOrMore->setEnabled(true);
    chkRunQuickly->setEnabled(true);
    chkTwoOrMore->setEnabled(cboAspectPattern->isEnabled());
}

void frmRun::chkTwoOrMore_Click() {
    const bool blnNoPattern = cboAspectPattern->currentIndex() < 0;
    if (blnNoPattern && chkTwoOrMore->isChecked())
        chkTwoOrMore->setChecked(false);
    cboNumToFind->setEnabled(chkTwoOrMore->isChecked());
    if (blnNoPattern)
        cmdCancel->setFocus();
    else
        cmdRun->setFocus();
}

void frmRun::cmdRun_Click() {
    if (optRunUntilFinding->isChecked() && cboAspectPattern->currentIndex() < 0)
        optRunUntilStopped->setChecked(true);
    if (optRunUntilStopped->isChecked())
        cboAspectPattern->setCurrentIndex(-1);
    intAspectPatternToFind = static_cast<int16_t>(cboAspectPattern->currentIndex());
    accept();
}

void frmRun::cmdCancel_Click() {
    blnCancel = true;
    intAspectPatternToFind = static_cast<int16_t>(cboAspectPattern->currentIndex());
    QDialog::reject();
}

void frmRun::reject() {
    // Escape cancels like the Cancel button.
    cmdCancel_Click();
}

void frmRun::closeEvent(QCloseEvent* event) {
    cmdCancel_Click();
    blnUnloaded = true;
    event->accept();
}
