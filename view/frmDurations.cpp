#include "view/frmDurations.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "engine/ChartDescription.h"
#include "engine/Compute.h"
#include "support/WindowSupport.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace {

using support::Q;
using support::Text;

// Geometry in twips: the controls above the text, the foot row, and the window's place
// below the main window's table.
constexpr int kMargin = 120;
constexpr int kTitleTop = 90;
constexpr int kSortTop = 450;
constexpr int kControlHeight = 345;
constexpr int kOutputTop = 900;
constexpr int kFootHeight = 600;
constexpr int kButtonHeight = 375;
constexpr int kCloseWidth = 1300;
constexpr int kNarrowerThanMain = 2000;
constexpr int kBelowTable = 250;
constexpr int kMinHeight = 3600;
constexpr int kMinWidth = 6000;

// Program texts of the window.
constexpr int kSortBy = 59;
constexpr int kShowDuration = 52;

const char* const kCrLf = "\r\n";

bool IsGerman() {
    return Language::intLanguage == Language::intGerman;
}

// A text of the core with its CR LF line ends as the text box shows it.
QString Shown(const std::string& text) {
    return Q(StrProc::ReplaceAll(text, kCrLf, "\n"));
}

}  // namespace

frmDurations::frmDurations(QWidget* mainWindow) : QDialog(mainWindow), m_frmMain(mainWindow) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(Q("Durations of current aspects"));
    CreateControls();
}

void frmDurations::CreateControls() {
    lblTitle = new QLabel(this);
    lblSortBy = new QLabel(this);
    cboSortBy = new QComboBox(this);
    chkShowDuration = new QCheckBox(this);
    txbOutput = new QPlainTextEdit(this);
    txbOutput->setReadOnly(true);
    txbOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The list's columns line up in a font of one width.
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPointSizeF(9.5);
    txbOutput->setFont(fixed);
    cmdCopy = new QPushButton(this);
    cmdClose = new QPushButton(this);
    connect(cboSortBy, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &frmDurations::cboSortBy_Click);
    connect(chkShowDuration, &QCheckBox::clicked, this, [this] { ShowDurationList(); });
    connect(cmdCopy, &QPushButton::clicked, this, &frmDurations::cmdCopy_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmDurations::cmdClose_Click);
}

void frmDurations::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ArrangeControls();
}

void frmDurations::ArrangeControls() {
    const int w = support::Twips(width());
    const int h = support::Twips(height());
    support::PlaceTwips(lblTitle, kMargin, kTitleTop, w - 2 * kMargin, 300);
    // "Sortieren nach:" is the longest caption of the label.
    support::PlaceTwips(lblSortBy, kMargin, kSortTop + 30, 1800, 300);
    support::PlaceTwips(cboSortBy, kMargin + 1830, kSortTop, 3600, kControlHeight);
    support::PlaceTwips(chkShowDuration, kMargin + 1830 + 3600 + 300, kSortTop + 15, 3200, 330);
    support::PlaceTwips(txbOutput, kMargin, kOutputTop, w - 2 * kMargin,
                        h - kOutputTop - kFootHeight);
    const int footTop = h - kFootHeight + (kFootHeight - kButtonHeight) / 2;
    support::PlaceTwips(cmdCopy, kMargin, footTop, IsGerman() ? 2800 : 2200, kButtonHeight);
    support::PlaceTwips(cmdClose, w - kMargin - kCloseWidth, footTop, kCloseWidth, kButtonHeight);
}

void frmDurations::Report(const DurationsRequest& request) {
    m_udtRequest = request;
    const int16_t mode = request.udtContext.intModeCode;
    setWindowTitle(Q(ZDR::DurationsCaption(mode)));
    lblTitle->setText(Q(ZDR::DurationsTitle(mode, request.strDateText,
                                            request.udtContext.udtOptions.udtConfig.blnSidereal)));
    // A screen reader names the text by the window's subject and describes it by its dates.
    txbOutput->setAccessibleName(windowTitle());
    txbOutput->setAccessibleDescription(lblTitle->text());
    PlaceBesideMainWindow();
    txbOutput->clear();
    strAspectRecord = request.pudtChart
                          ? ZDR::GetDurations(request.pudtChart->udtTable, request.udtContext,
                                              request.pudtChart->dblPos)
                          : std::vector<std::string>();
    FormActivate();
    show();
    raise();
    activateWindow();
}

void frmDurations::PlaceBesideMainWindow() {
    // As wide as the main window less 2000 twips, from its left edge, from just below the
    // second row of its table down to the foot of the largest table, so that the command
    // row below stays in reach.
    const QRect main = m_frmMain ? m_frmMain->geometry() : QRect(0, 0, 1400, 700);
    const int top =
        main.top() + support::Px(m_udtRequest.intTableTop + 2 * ZDR::intCellHeight + kBelowTable);
    int height = support::Px(10 * ZDR::intCellHeight - kBelowTable);
    if (const QScreen* screen = m_frmMain ? m_frmMain->screen() : nullptr)
        height = std::min(height, screen->availableGeometry().bottom() - top);
    height = std::max(height, support::Px(kMinHeight));
    const int width =
        std::max(support::Px(kMinWidth), main.width() - support::Px(kNarrowerThanMain));
    setGeometry(main.left(), top, width, height);
}

void frmDurations::FormActivate() {
    if (m_frmMain) {
        const QColor background = m_frmMain->palette().color(QPalette::Window);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, background);
        setPalette(palette);
    }
    FillSortList();
    lblSortBy->setText(Text(kSortBy));
    lblSortBy->setBuddy(cboSortBy);
    cboSortBy->setAccessibleName(Text(kSortBy));
    cmdCopy->setText(IsGerman() ? Q("Kopieren in Zwischenablage") : Q("Copy to clipboard"));
    cmdClose->setText(IsGerman() ? Q("Schließen") : Q("Close"));
    chkShowDuration->setText(Text(kShowDuration));
    const ZDR::ComputeResult* chart = m_udtRequest.pudtChart;
    intColumnWidth = ZDR::DurationColumnWidths(
        chart && (ZDR::HasAngles(*chart, 0) || ZDR::HasAngles(*chart, 1)));
    ArrangeControls();

    const bool transits = ZDR::IsTransitMode(m_udtRequest.udtContext.intModeCode);
    lblSortBy->setEnabled(transits);
    cboSortBy->setEnabled(transits);
    chkShowDuration->setEnabled(transits);
    chkShowDuration->setVisible(transits);
    blnSuppressSortEvent = true;
    cboSortBy->setCurrentIndex(ZDR::intSortDeviation);
    blnSuppressSortEvent = false;
    ZDR::SortAspectRecords(strAspectRecord, ZDR::intSortDeviation);
    if (transits) {
        chkShowDuration->setChecked(true);
        ShowDurationList();
    } else {
        ShowChartDescription();
    }
}

void frmDurations::FillSortList() {
    static const int kWorld[7] = {60, 61, 62, 63, 64, 65, 66};
    static const int kPersonal[7] = {67, 61, 62, 68, 64, 65, 66};
    const bool personal = ZDR::IsPersonalTransitMode(m_udtRequest.udtContext.intModeCode);
    blnSuppressSortEvent = true;
    cboSortBy->clear();
    for (int i = 0; i < 7; ++i) {
        std::string entry = Language::Text(personal ? kPersonal[i] : kWorld[i]);
        // "Natal planet" and "Transiting planet" read in lower case in the English list.
        if (personal && !IsGerman() && (i == 0 || i == 3))
            entry = StrProc::LowerCase(entry);
        cboSortBy->addItem(Q(entry));
    }
    cboSortBy->setCurrentIndex(0);
    blnSuppressSortEvent = false;
    const bool several =
        m_udtRequest.pudtChart && ZDR::GetTotalNumAspects(m_udtRequest.pudtChart->udtTable) > 1;
    cboSortBy->setVisible(several);
    lblSortBy->setVisible(several);
}

void frmDurations::cboSortBy_Click(int index) {
    if (blnSuppressSortEvent || index < 0)
        return;
    ZDR::SortAspectRecords(strAspectRecord, static_cast<int16_t>(index));
    txbOutput->clear();
    if (index >= ZDR::intSortBeginning)
        chkShowDuration->setChecked(true);
    ShowDurationList();
    if (cmdClose->isVisible() && cmdClose->isEnabled())
        cmdClose->setFocus();
}

void frmDurations::ShowDurationList() {
    ZDR::DurationListView view;
    view.udtOptions = m_udtRequest.udtContext.udtOptions;
    view.intModeCode = m_udtRequest.udtContext.intModeCode;
    view.blnShowDuration = chkShowDuration->isChecked();
    view.intSortIndex = static_cast<int16_t>(std::max(0, cboSortBy->currentIndex()));
    view.intWidth = intColumnWidth;
    m_strText = ZDR::DurationListText(strAspectRecord, view);
    txbOutput->setPlainText(Shown(m_strText));
}

void frmDurations::ShowChartDescription() {
    static const ZDR::ComputeResult udtNoChart;
    const ZDR::ComputeResult& chart = m_udtRequest.pudtChart ? *m_udtRequest.pudtChart : udtNoChart;
    m_strText = ZDR::ChartDescription(strAspectRecord, m_udtRequest.udtContext.intModeCode, chart,
                                      m_udtRequest.udtContext.udtOptions, intColumnWidth);
    txbOutput->setPlainText(Shown(m_strText));
}

void frmDurations::cmdCopy_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(lblTitle->text() + Q(kCrLf) + Q(kCrLf) + Q(m_strText));
}

void frmDurations::cmdClose_Click() {
    close();
}

void frmDurations::closeEvent(QCloseEvent* event) {
    setWindowState(Qt::WindowNoState);
    hide();
    event->accept();
}
