#include "calendar/frmCalendar.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "astro/CatalogueCounts.h"
#include "astro/DatePr2.h"
#include "astro/FileProc.h"
#include "calendar/CalendarExport.h"
#include "config/OptionsInForce.h"
#include "engine/AspectTiming.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "support/FileDialog.h"
#include "support/WindowSupport.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace {

using support::Q;
using support::Text;

// Program texts of the window.
enum CalendarText {
    kCaption = 1310,
    kFrom = 1311,
    kTo = 1312,
    kThisMonth = 1313,
    kNextThreeMonths = 1314,
    kThisYear = 1315,
    kPeriod = 1316,
    kCompute = 1317,
    kMoon = 1318,
    kBody = 1319,
    kAspect = 1320,
    kAll = 1321,
    kTransit = 1322,
    kBegins = 1323,
    kExact = 1324,
    kEnds = 1325,
    kCancel = 1326,
    kExportIcs = 1327,
    kExportCsv = 1328,
    kClose = 1329,
    kCount = 1330,
    kComputing = 1331,
    kCancelled = 1332,
    kTransitModesOnly = 1333,
    kReversed = 1334,
    kTooLong = 1335,
    kNotWritten = 1336,
    kIcsFilter = 1337,
    kCsvFilter = 1338,
    kHint = 1339,
    kIcsExact = 1340,
    kToday = 1341,
};

// How long one piece of the computation may hold the event loop, in milliseconds.
constexpr int kSliceMs = 20;
// How often the timeline follows the list while the computation runs, in milliseconds.
constexpr int kTimelineMs = 500;
// Days walked between two looks at the clock.
constexpr double kStretchDays = 32;
// The longest period, in years.
constexpr int kLongestPeriodYears = 100;
// Rows of the timeline, pixels.
constexpr int kRowHeight = 9;
constexpr int kAxisHeight = 18;
// Columns of the list.
enum Column { kColTransit, kColBegin, kColEnd, kColExact };
// Item data: the index of its passage.
constexpr int kPassageRole = Qt::UserRole;

double JDOfDate(const QDate& date, int zoneMinutes) {
    return ZDR::LocalMidnightJD(static_cast<int32_t>(date.toJulianDay()), zoneMinutes);
}

QDate DateOfDay(int32_t jdn) {
    return QDate::fromJulianDay(jdn);
}

// An item that sorts its transit column by the bodies and the aspect in catalogue order and
// its moments by time.
class PassageItem : public QTreeWidgetItem {
  public:
    PassageItem(const ZDR::Passage& p, int index) : m_udtPassage(p) {
        setData(kColTransit, kPassageRole, index);
    }
    bool operator<(const QTreeWidgetItem& other) const override {
        const ZDR::Passage& a = m_udtPassage;
        const ZDR::Passage& b = static_cast<const PassageItem&>(other).m_udtPassage;
        const int column = treeWidget() ? treeWidget()->sortColumn() : kColExact;
        auto key = [column](const ZDR::Passage& p) {
            switch (column) {
                case kColBegin:
                    return p.dblBegin;
                case kColEnd:
                    return p.dblEnd < 0 ? 1e12 : p.dblEnd;
                default:
                    return ZDR::PassageSortKey(p);
            }
        };
        if (column == kColTransit) {
            if (a.intFirst != b.intFirst)
                return a.intFirst < b.intFirst;
            if (a.intSecond != b.intSecond)
                return a.intSecond < b.intSecond;
            if (a.intAspect != b.intAspect)
                return a.intAspect < b.intAspect;
        }
        return key(a) < key(b);
    }
    const ZDR::Passage& Passage() const { return m_udtPassage; }

  private:
    ZDR::Passage m_udtPassage;
};

}  // namespace

// The timeline: one bar per transit shown, across the period, in the aspect's colour of
// the table, its exact moments marked, and now marked.
class CalendarTimeline : public QWidget {
  public:
    explicit CalendarTimeline(QWidget* parent) : QWidget(parent) {}

    void SetPeriod(double from, double to, int zoneMinutes) {
        m_dblFrom = from;
        m_dblTo = to;
        m_intZone = zoneMinutes;
    }
    void SetPassages(std::vector<ZDR::Passage> passages) {
        m_udtPassages = std::move(passages);
        setMinimumHeight(kAxisHeight + kRowHeight * static_cast<int>(m_udtPassages.size()) + 4);
        update();
    }
    void SetNow(double jd) {
        m_dblNow = jd;
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().base());
        // Only the rows the scroll area shows are drawn.
        const int firstRow = std::max(0, (event->rect().top() - kAxisHeight) / kRowHeight);
        const std::size_t lastRow = std::min(
            m_udtPassages.size(), static_cast<std::size_t>(std::max(
                                      0, (event->rect().bottom() - kAxisHeight) / kRowHeight + 1)));
        if (!(m_dblTo > m_dblFrom))
            return;
        const double width = std::max(1, this->width() - 2);
        auto x = [&](double jd) {
            const double f =
                (std::clamp(jd, m_dblFrom, m_dblTo) - m_dblFrom) / (m_dblTo - m_dblFrom);
            return 1 + f * width;
        };
        // Where the word for now stands on the axis; no month's name is written over it.
        QRectF today;
        if (m_dblNow >= m_dblFrom && m_dblNow <= m_dblTo)
            today =
                QRectF(x(m_dblNow) + 2, 0, QFontMetrics(font()).horizontalAdvance(Text(kToday)) + 4,
                       kAxisHeight - 2);
        DrawAxis(painter, x, today);
        const ZDR::ConfigOptions& options = ZDR::OptionsInForce();
        for (std::size_t r = static_cast<std::size_t>(firstRow); r < lastRow; ++r) {
            const ZDR::Passage& p = m_udtPassages[r];
            const int top = kAxisHeight + static_cast<int>(r) * kRowHeight;
            const double left = x(p.dblBegin < 0 ? m_dblFrom : p.dblBegin);
            const double right = x(p.dblEnd < 0 ? m_dblTo : p.dblEnd);
            const QColor colour =
                support::ColorFromValue(ZDR::AspectColorShown(p.intAspect, options));
            painter.fillRect(QRectF(left, top + 1, std::max(1.0, right - left), kRowHeight - 2),
                             colour);
            painter.setPen(QPen(palette().text().color(), 1.5));
            for (double e : p.dblExact) {
                if (e < m_dblFrom || e > m_dblTo)
                    continue;
                painter.drawLine(QPointF(x(e), top), QPointF(x(e), top + kRowHeight - 1));
            }
        }
        if (!today.isNull()) {
            painter.setPen(QPen(Qt::red, 1.5));
            painter.drawLine(QPointF(x(m_dblNow), kAxisHeight - 4), QPointF(x(m_dblNow), height()));
            painter.drawText(today, Qt::AlignCenter, Text(kToday));
        }
    }

  private:
    // Month marks (years for a period of more than three years) along the top.
    template <typename X>
    void DrawAxis(QPainter& painter, X x, const QRectF& today) {
        painter.setPen(palette().mid().color());
        painter.drawLine(QPointF(0, kAxisHeight - 1), QPointF(width(), kAxisHeight - 1));
        const QDate first = DateOfDay(ZDR::LocalDayNumber(m_dblFrom, m_intZone));
        const QDate last = DateOfDay(ZDR::LocalDayNumber(m_dblTo, m_intZone));
        const bool blnYears = first.daysTo(last) > 3 * 366;
        QDate mark(first.year(), blnYears ? 1 : first.month(), 1);
        const QFontMetrics metrics(font());
        double lastLabelEnd = -1e9;
        for (; mark <= last; mark = blnYears ? mark.addYears(1) : mark.addMonths(1)) {
            const double at = x(JDOfDate(mark, m_intZone));
            if (mark >= first)
                painter.drawLine(QPointF(at, kAxisHeight - 5), QPointF(at, height()));
            const QString label =
                mark.toString(blnYears ? QStringLiteral("yyyy") : QStringLiteral("yyyy-MM"));
            const double start = std::max(at, 0.0) + 2;
            const QRectF box(start, 0, metrics.horizontalAdvance(label), kAxisHeight - 2);
            if (start > lastLabelEnd && box.right() < width() && !box.intersects(today)) {
                painter.drawText(QPointF(start, kAxisHeight - 5), label);
                lastLabelEnd = start + metrics.horizontalAdvance(label) + 6;
            }
        }
    }

    double m_dblFrom = 0, m_dblTo = 0, m_dblNow = -1;
    int m_intZone = 0;
    std::vector<ZDR::Passage> m_udtPassages;
};

frmCalendar::frmCalendar(QWidget* mainWindow) : QDialog(mainWindow), m_frmMain(mainWindow) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    CreateControls();
    m_timer = new QTimer(this);
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &frmCalendar::ComputeStretch);
    SetNowJD(DatePr2::NowAsJD());
}

frmCalendar::~frmCalendar() = default;

void frmCalendar::CreateControls() {
    lblTitle = new QLabel(this);
    dtpFrom = new QDateEdit(this);
    dtpTo = new QDateEdit(this);
    for (QDateEdit* d : {dtpFrom, dtpTo}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setDateRange(QDate(1, 1, 1), QDate(2799, 12, 31));
        d->setCalendarPopup(true);
    }
    cboQuick = new QComboBox(this);
    chkMoon = new QCheckBox(this);
    cmdCompute = new QPushButton(this);
    cboBody = new QComboBox(this);
    cboAspect = new QComboBox(this);
    // The lists are filled again in the other language.
    for (QComboBox* box : {cboQuick, cboBody, cboAspect})
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lstPassages = new QTreeWidget(this);
    lstPassages->setRootIsDecorated(false);
    lstPassages->setColumnCount(4);
    lstPassages->setSortingEnabled(true);
    lstPassages->sortByColumn(kColExact, Qt::AscendingOrder);
    lstPassages->setUniformRowHeights(true);
    // The exact moments, one to three or more, take the room that is left.
    for (int c = kColTransit; c < kColExact; ++c)
        lstPassages->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    lstPassages->header()->setStretchLastSection(true);
    picTimeline = new CalendarTimeline(this);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(picTimeline);
    m_scroll->setWidgetResizable(true);
    m_scroll->setMinimumHeight(120);
    prgCompute = new QProgressBar(this);
    prgCompute->setRange(0, 1000);
    cmdCancel = new QPushButton(this);
    lblStatus = new QLabel(this);
    chkIcsExact = new QCheckBox(this);
    cmdExportIcs = new QPushButton(this);
    cmdExportCsv = new QPushButton(this);
    cmdClose = new QPushButton(this);

    auto* period = new QHBoxLayout;
    period->addWidget(dtpFrom);
    period->addWidget(dtpTo);
    period->addWidget(cboQuick);
    period->addWidget(chkMoon);
    period->addWidget(cmdCompute);
    period->addStretch(1);
    auto* filter = new QHBoxLayout;
    filter->addWidget(cboBody);
    filter->addWidget(cboAspect);
    filter->addStretch(1);
    filter->addWidget(prgCompute, 1);
    filter->addWidget(cmdCancel);
    auto* foot = new QHBoxLayout;
    foot->addWidget(lblStatus, 1);
    foot->addWidget(chkIcsExact);
    foot->addWidget(cmdExportIcs);
    foot->addWidget(cmdExportCsv);
    foot->addWidget(cmdClose);
    auto* all = new QVBoxLayout(this);
    all->addWidget(lblTitle);
    all->addLayout(period);
    all->addLayout(filter);
    all->addWidget(lstPassages, 3);
    all->addWidget(m_scroll, 2);
    all->addLayout(foot);

    connect(cmdCompute, &QPushButton::clicked, this, &frmCalendar::cmdCompute_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmCalendar::cmdCancel_Click);
    connect(cboQuick, qOverload<int>(&QComboBox::activated), this, &frmCalendar::cboQuick_Click);
    connect(cboBody, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &frmCalendar::ApplyFilter);
    connect(cboAspect, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &frmCalendar::ApplyFilter);
    connect(lstPassages->header(), &QHeaderView::sortIndicatorChanged, this,
            &frmCalendar::ApplyFilter);
    // A double-click on a transit, or Return on the current one.
    connect(lstPassages, &QTreeWidget::itemActivated, this, &frmCalendar::lstPassages_DoubleClick);
    connect(cmdExportIcs, &QPushButton::clicked, this, [this] { Export(true); });
    connect(cmdExportCsv, &QPushButton::clicked, this, [this] { Export(false); });
    connect(cmdClose, &QPushButton::clicked, this, &frmCalendar::close);
    prgCompute->hide();
    cmdCancel->hide();
    resize(980, 600);
}

// The texts of the current language: captions, the lists of the boxes, the list's heads.
void frmCalendar::SetTexts() {
    setWindowTitle(Text(kCaption));
    lblTitle->setText(Text(Personal() ? 161 : 160) + QStringLiteral(" · ") + Text(kHint));
    dtpFrom->setToolTip(Text(kFrom));
    dtpTo->setToolTip(Text(kTo));
    // A screen reader hears the boxes and lists by what they hold, not by their entries.
    for (const auto& [control, n] :
         std::initializer_list<std::pair<QWidget*, int>>{{dtpFrom, kFrom},
                                                         {dtpTo, kTo},
                                                         {cboQuick, kPeriod},
                                                         {cboBody, kBody},
                                                         {cboAspect, kAspect},
                                                         {lstPassages, kCaption}})
        control->setAccessibleName(Text(n));
    m_blnSuppressQuick = true;
    cboQuick->clear();
    cboQuick->addItem(Text(kPeriod));
    for (int t : {kThisMonth, kNextThreeMonths, kThisYear})
        cboQuick->addItem(Text(t));
    m_blnSuppressQuick = false;
    chkMoon->setText(Text(kMoon));
    cmdCompute->setText(Text(kCompute));
    const QSignalBlocker bodyBlock(cboBody), aspectBlock(cboAspect);
    const int body = std::max(0, cboBody->currentIndex());
    const int aspect = std::max(0, cboAspect->currentIndex());
    cboBody->clear();
    cboBody->addItem(Text(kBody) + QStringLiteral(" ") + Text(kAll));
    cboBody->setToolTip(Text(kBody));
    cboAspect->setToolTip(Text(kAspect));
    for (int b = ZDR::bodySun; b <= ZDR::intCatalogueBodies; ++b)
        cboBody->addItem(Q(ZDR::strBodyName[b]));
    cboAspect->clear();
    cboAspect->addItem(Text(kAspect) + QStringLiteral(" ") + Text(kAll));
    for (int k = ZDR::aspectConjunction; k <= ZDR::intCatalogueAspects; ++k)
        cboAspect->addItem(Q(ZDR::udtAspect[k].strName));
    cboBody->setCurrentIndex(body);
    cboAspect->setCurrentIndex(aspect);
    lstPassages->setHeaderLabels({Text(kTransit), Text(kBegins), Text(kEnds), Text(kExact)});
    cmdCancel->setText(Text(kCancel));
    chkIcsExact->setText(Text(kIcsExact));
    cmdExportIcs->setText(Text(kExportIcs));
    cmdExportCsv->setText(Text(kExportCsv));
    cmdClose->setText(Text(kClose));
}

bool frmCalendar::Personal() const {
    return ZDR::IsPersonalTransitMode(m_udtRequest.intModeCode);
}

void frmCalendar::ShowFor(const CalendarWindowRequest& request) {
    cmdCancel_Click();
    m_udtRequest = request;
    SetTexts();
    const QDate world = DateOfDay(request.lngWorldDay);
    dtpFrom->setDate(world);
    dtpTo->setDate(world.addMonths(3).addDays(-1));
    if (!isVisible() && m_frmMain) {
        const QRect main = m_frmMain->frameGeometry();
        move(main.left() + 40, main.top() + 40);
    }
    show();
    raise();
    activateWindow();
    lstPassages->setFocus();
    cmdCompute_Click();
}

void frmCalendar::Open(QWidget* mainWindow, const ZDR::ComputeResult& result,
                       const DatePr2::DateSetInput& world, QPushButton* compute,
                       std::function<void(const DatePr2::DateSetInput&)> setWorldDate) {
    const int16_t mode = result.intModeCode;
    if (!ZDR::IsTransitMode(mode)) {
        support::ShowMessage(mainWindow, Text(kTransitModesOnly), Text(kCaption),
                             support::MsgIcon::Information);
        return;
    }
    auto* window = mainWindow->findChild<frmCalendar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new frmCalendar(mainWindow);
    const std::vector<DatePr2::TimezoneEntry> zones = DatePr2::TimezoneList(false);
    const int16_t zoneIndex = world.intTimezoneIndex;
    CalendarWindowRequest request;
    request.intModeCode = mode;
    request.dblNatalJD = result.dblChartAJD[mode == ZDR::intModePersonal2 ? 2 : 1];
    for (int16_t a = 0; a < ZDR::intNumAngles; ++a)
        request.dblNatalAngle[a] = result.dblPos[ZDR::pointAscendant + a][1];
    request.intTimeZone = static_cast<int16_t>(
        zoneIndex > 0 && zoneIndex < static_cast<int>(zones.size()) ? zones[zoneIndex].intMinutes
                                                                    : 0);
    request.lngWorldDay = ZDR::LocalDayNumber(result.dblChartAJD[0], request.intTimeZone);
    const QPointer<QPushButton> computeButton(compute);
    request.ShowMoment = [setWorldDate, computeButton, request, zoneIndex](double jd) {
        setWorldDate(DatePr2::DateSetOfMoment(jd, request.intTimeZone, zoneIndex));
        if (computeButton)
            computeButton->click();
    };
    window->ShowFor(request);
}

void frmCalendar::cboQuick_Click(int index) {
    if (m_blnSuppressQuick || index <= 0)
        return;
    const QDate world = DateOfDay(m_udtRequest.lngWorldDay);
    QDate from = QDate(world.year(), world.month(), 1);
    QDate to = from.addMonths(1).addDays(-1);
    if (index == 2) {
        from = world;
        to = world.addMonths(3).addDays(-1);
    } else if (index == 3) {
        from = QDate(world.year(), 1, 1);
        to = QDate(world.year(), 12, 31);
    }
    dtpFrom->setDate(from);
    dtpTo->setDate(to);
    cboQuick->setCurrentIndex(0);
    cmdCompute_Click();
}

bool frmCalendar::Computing() const {
    return m_walker != nullptr;
}

void frmCalendar::SetNowJD(double jd) {
    picTimeline->SetNow(jd);
}

void frmCalendar::cmdCompute_Click() {
    const QDate from = dtpFrom->date();
    const QDate to = dtpTo->date();
    if (to < from || to > from.addYears(kLongestPeriodYears)) {
        support::ShowMessage(this, Text(to < from ? kReversed : kTooLong), Text(kCaption),
                             support::MsgIcon::Warning);
        return;
    }
    cmdCancel_Click();
    const int zone = m_udtRequest.intTimeZone;
    m_udtCalendar = ZDR::CalendarRequestOf(
        Personal(), m_udtRequest.dblNatalJD, JDOfDate(from, zone), JDOfDate(to.addDays(1), zone),
        static_cast<int16_t>(zone), chkMoon->isChecked(), ZDR::ChartOptionsInForce());
    for (int16_t a = 0; a < ZDR::intNumAngles; ++a)
        m_udtCalendar.dblNatalAngle[a] = m_udtRequest.dblNatalAngle[a];
    m_udtPassages.clear();
    lstPassages->setSortingEnabled(false);
    lstPassages->clear();
    picTimeline->SetPeriod(m_udtCalendar.dblFromJD, m_udtCalendar.dblToJD, zone);
    picTimeline->SetPassages({});
    m_walker = std::make_unique<ZDR::CalendarWalker>(m_udtCalendar);
    prgCompute->setValue(0);
    prgCompute->show();
    cmdCancel->show();
    lblStatus->setText(Text(kComputing));
    m_timer->start();
}

// One slice of the computation: stretches of the walk until the slice is used up, then the
// passages found go into the list and the event loop runs again.
void frmCalendar::ComputeStretch() {
    if (!m_walker)
        return;
    QElapsedTimer clock;
    clock.start();
    const std::size_t first = m_udtPassages.size();
    bool blnMore = true;
    while (blnMore && clock.elapsed() < kSliceMs)
        blnMore = m_walker->Step(m_udtPassages, kStretchDays);
    AddPassages(first);
    prgCompute->setValue(static_cast<int>(1000 * m_walker->Progress()));
    if (!blnMore)
        FinishComputation(false);
}

// New passages go to the end of the list, unsorted while the computation runs (a sorted
// insertion would sort the whole list again each time), and through the filter.
void frmCalendar::AddPassages(std::size_t first) {
    if (first == m_udtPassages.size())
        return;
    const int zone = m_udtRequest.intTimeZone;
    auto moment = [zone](double jd) {
        return jd < 0 ? Text(168) : Q(ZDR::CalendarMinuteText(jd, zone));
    };
    QList<QTreeWidgetItem*> items;
    for (std::size_t n = first; n < m_udtPassages.size(); ++n) {
        const ZDR::Passage& p = m_udtPassages[n];
        auto* item = new PassageItem(p, static_cast<int>(n));
        item->setText(kColTransit, Q(ZDR::PassageSummary(p, Personal())));
        item->setText(kColBegin, moment(p.dblBegin));
        QStringList exact;
        for (double e : p.dblExact)
            exact << moment(e);
        item->setText(kColExact, exact.isEmpty() ? Text(1305) : exact.join(QStringLiteral(", ")));
        item->setToolTip(kColExact, item->text(kColExact));
        item->setText(kColEnd, moment(p.dblEnd));
        items << item;
    }
    lstPassages->addTopLevelItems(items);
    for (QTreeWidgetItem* item : items)
        item->setHidden(!Shown(static_cast<PassageItem*>(item)->Passage()));
    // The timeline follows twice a second while the computation runs.
    if (!m_timelineClock.isValid() || m_timelineClock.elapsed() > kTimelineMs)
        RefreshTimeline();
}

bool frmCalendar::Shown(const ZDR::Passage& p) const {
    const int body = cboBody->currentIndex();
    const int aspect = cboAspect->currentIndex();
    return (body <= 0 || p.intFirst == body || (!Personal() && p.intSecond == body)) &&
           (aspect <= 0 || p.intAspect == aspect);
}

void frmCalendar::ApplyFilter() {
    for (int i = 0; i < lstPassages->topLevelItemCount(); ++i) {
        auto* item = static_cast<PassageItem*>(lstPassages->topLevelItem(i));
        item->setHidden(!Shown(item->Passage()));
    }
    RefreshTimeline();
}

// The timeline and the count from the transits shown, in the order of the list.
void frmCalendar::RefreshTimeline() {
    const std::vector<ZDR::Passage> shown = ShownPassages();
    picTimeline->SetPassages(shown);
    m_timelineClock.start();
    if (!Computing())
        lblStatus->setText(
            StrProc::ReplaceAll(Language::Text(kCount), "COUNT", std::to_string(shown.size()))
                .c_str());
}

std::vector<ZDR::Passage> frmCalendar::ShownPassages() const {
    std::vector<ZDR::Passage> shown;
    for (int i = 0; i < lstPassages->topLevelItemCount(); ++i) {
        const auto* item = static_cast<const PassageItem*>(lstPassages->topLevelItem(i));
        if (!item->isHidden())
            shown.push_back(item->Passage());
    }
    return shown;
}

void frmCalendar::FinishComputation(bool blnCancelled) {
    m_timer->stop();
    m_walker.reset();
    prgCompute->hide();
    cmdCancel->hide();
    lstPassages->setSortingEnabled(true);
    RefreshTimeline();
    if (blnCancelled)
        lblStatus->setText(lblStatus->text() + QStringLiteral(" – ") + Text(kCancelled));
}

void frmCalendar::cmdCancel_Click() {
    if (m_walker)
        FinishComputation(true);
}

void frmCalendar::Export(bool blnICalendar) {
    support::FileDialogRequest ask;
    ask.blnSave = true;
    ask.strTitle = Text(blnICalendar ? kExportIcs : kExportCsv).remove(QStringLiteral(" ..."));
    ask.strFilter = Text(blnICalendar ? kIcsFilter : kCsvFilter);
    ask.strDefaultSuffix = blnICalendar ? QStringLiteral("ics") : QStringLiteral("csv");
    const QString path = support::AskFileName(this, ask);
    if (path.isEmpty())
        return;
    const std::vector<ZDR::Passage> shown = ShownPassages();
    std::string text;
    if (blnICalendar) {
        ZDR::ICalendarInput in;
        in.blnPersonal = Personal();
        in.dblNatalJD = m_udtCalendar.dblNatalJD;
        in.blnSidereal = m_udtCalendar.blnSidereal;
        in.blnExactEvents = chkIcsExact->isChecked();
        in.zoneMinutes = m_udtCalendar.intTimeZone;
        in.dblFromJD = m_udtCalendar.dblFromJD;
        in.dblToJD = m_udtCalendar.dblToJD;
        in.dblStampJD = DatePr2::NowAsJD();
        text = ZDR::CalendarICalendar(shown, in);
    } else {
        text = ZDR::CalendarCsv(shown, Personal(), m_udtCalendar.intTimeZone);
    }
    const std::string failure = FileProc::WriteWholeFile(path.toStdString(), text);
    if (!failure.empty())
        support::ShowMessage(this, Text(kNotWritten) + QStringLiteral("\n") + Q(failure),
                             Text(kCaption), support::MsgIcon::Critical);
}

void frmCalendar::lstPassages_DoubleClick(QTreeWidgetItem* item) {
    if (!item || !m_udtRequest.ShowMoment)
        return;
    const ZDR::Passage& p = static_cast<PassageItem*>(item)->Passage();
    const double jd = !p.dblExact.empty() ? p.dblExact.front() : p.dblBegin;
    if (jd >= 0)
        m_udtRequest.ShowMoment(jd);
}

void frmCalendar::closeEvent(QCloseEvent* event) {
    cmdCancel_Click();
    event->ignore();
    hide();
}
