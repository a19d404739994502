#include "view/GraphicView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolTip>

#include "astro/CatalogueCounts.h"
#include "support/AccessKeys.h"
#include "support/MessageBox.h"
#include "support/WindowSupport.h"
#include "view/ChartWheel.h"
#include "view/WheelGeometry.h"

namespace {

// The wheel's left edge, twips.
constexpr int kWheelLeft = 1200;

// Program texts: the toggle's captions, the caption and tool-tip of "Save as ..." while a
// graphic is on display, the no-room warning and its title, the transit graphic's tool-tip.
constexpr int kDisplayChart = 37;
constexpr int kDisplayTable = 41;
constexpr int kSaveGraphicAs = 42;
constexpr int kSaveGraphicToolTip = 388;
constexpr int kNoRoomTitle = 346;
constexpr int kNoRoom = 347;
constexpr int kTransitToolTip = 351;
// The caption and tool-tip of "Print ...".
constexpr int kPrint = 1502;
constexpr int kPrintToolTip = 1503;

// The picture is a graphic for a screen reader, named and described by the view.
QAccessibleInterface* PictureFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("GraphicView") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

}  // namespace

GraphicView::GraphicView(const GraphicViewLink& link, int tableTop, QWidget* parent)
    : QWidget(parent), m_link(link), m_intTableTop(tableTop) {
    static const bool blnFactoryInstalled = [] {
        QAccessible::installFactory(PictureFactory);
        return true;
    }();
    (void)blnFactoryInstalled;
    hide();
    setFocusPolicy(Qt::StrongFocus);
    m_cmdPrint = new QPushButton(parent);
    m_cmdPrint->hide();
    connect(m_cmdPrint, &QPushButton::clicked, this, &GraphicView::printRequested);
}

std::string GraphicView::ReportShown() const {
    for (const QPlainTextEdit* report : m_link.txbReport) {
        if (report && !report->isHidden())
            return report->toPlainText().toStdString();
    }
    return std::string();
}

void GraphicView::cmdToggleGraphic_Click(const ZDR::ComputeResult& result,
                                         const ZDR::ChartOptions& options) {
    setToolTip(QString());
    QCoreApplication::processEvents();
    ReleaseWindow();
    if (GraphicShown())
        ShowTable();
    else
        ShowWheel(result, options);
}

bool GraphicView::ShowWheel(const ZDR::ComputeResult& result, const ZDR::ChartOptions& options) {
    if (TransitGraphicShown())
        ReleaseWindow();
    m_udtWheelInput = view::WheelInputOfResult(result, options);
    if (m_blnHouses)
        view::SetWheelHouses(m_udtWheelInput, m_udtHouses, options.udtConfig.blnAscendantLeft);
    m_blnTwoChart = m_udtWheelInput.blnTwoChart;
    const view::ChartWheelPicture wheel = view::DrawChartWheel(m_udtWheelInput);
    // A right-click names the aspect of the line it finds where it is, whatever its colour.
    m_udtLines = wheel.udtLines;
    m_intSelectedLine = -1;
    // A screen reader describes the picture by its lines.
    QStringList lines;
    for (const ZDR::DrawnLine& line : m_udtLines)
        lines << support::Q(ZDR::DrawnLineSentence(line));
    setAccessibleDescription(lines.join(QStringLiteral("; ")));
    Show(wheel.imgPicture, Shown::Wheel, kWheelLeft);
    setToolTip(QString());
    if (wheel.blnNoRoom)
        support::ShowMessage(this, support::Text(kNoRoom), support::Text(kNoRoomTitle),
                             support::MsgIcon::Warning);
    return !wheel.blnNoRoom;
}

void GraphicView::ShowTransitGraphic(const view::TransitGraphicInput& input) {
    m_udtTransitInput = input;
    m_udtCurvePoint = QPoint(-1, -1);
    const view::TransitGraphicPicture graphic = view::DrawTransitGraphic(input);
    m_udtScale = graphic.udtScale;
    // A screen reader describes the graphic by its aspect.
    ZDR::DrawnLine aspect;
    aspect.intAspect = input.intAspect;
    aspect.intBody1 = input.intTransitBody;
    aspect.intBody2 = input.intNatalBody;
    setAccessibleDescription(support::Q(ZDR::DrawnLineSentence(aspect)));
    Show(graphic.imgPicture, Shown::TransitGraphic, ZDR::lngTransitLeft);
    setToolTip(support::Text(kTransitToolTip));
    if (m_udtLocked.empty())
        m_udtLocked = support::DisableControls(m_link.frmMainWindow);
    m_link.cmdToggleGraphic->setEnabled(true);
    m_link.cmdQuit->setEnabled(true);
    m_link.cmdSaveAs->setEnabled(true);  // it saves the graphic
    if (m_strSaveAsCaption.isEmpty())
        m_strSaveAsCaption = support::PlainCaption(m_link.cmdSaveAs->text());
    support::SetCaption(m_link.cmdSaveAs, support::Text(kSaveGraphicAs));
    if (m_link.frmConfigure && m_link.frmConfigure->isVisible()) {
        m_link.frmConfigure->hide();
        m_blnConfigureHidden = true;
    }
}

void GraphicView::EraseLegends() {
    if (m_intShown != Shown::Wheel || m_imgPicture.isNull())
        return;
    const QColor background = m_imgPicture.pixelColor(0, 0);
    const ZDR::WheelLayout& layout = m_blnTwoChart ? ZDR::TwoChartWheel() : ZDR::SingleChartWheel();
    const ZDR::WheelLegends& legends = m_udtWheelInput.udtLegends;
    view::PrintLegend(m_imgPicture, layout, legends.strLinesA, legends.lngLeftA, background);
    view::PrintLegend(m_imgPicture, layout, legends.strLinesSecond, legends.lngLeftSecond,
                      background);
    // The wheel drawn from now on has none.
    m_udtWheelInput.udtLegends = ZDR::WheelLegends();
    DrawForScreen();
    update();
}

void GraphicView::PaintGraphic(QPainter& painter) const {
    if (m_intShown == Shown::Wheel)
        view::DrawChartWheel(m_udtWheelInput, &painter);
    else if (m_intShown == Shown::TransitGraphic)
        view::DrawTransitGraphic(m_udtTransitInput, &painter);
}

void GraphicView::DrawForScreen() {
    const qreal ratio = devicePixelRatioF();
    m_imgScreen = QImage();
    if (ratio == 1.0 || m_imgPicture.isNull())
        return;
    m_imgScreen = QImage(m_imgPicture.size() * ratio, QImage::Format_RGB32);
    m_imgScreen.setDevicePixelRatio(ratio);
    m_imgScreen.fill(Qt::black);
    QPainter painter(&m_imgScreen);
    PaintGraphic(painter);
}

void GraphicView::ReleaseWindow() {
    if (m_blnConfigureHidden && m_link.frmConfigure)
        m_link.frmConfigure->show();
    m_blnConfigureHidden = false;
    for (const QPointer<QWidget>& control : m_udtLocked) {
        if (control)
            control->setEnabled(true);
    }
    m_udtLocked.clear();
    if (!m_strSaveAsCaption.isEmpty())
        support::SetCaption(m_link.cmdSaveAs, m_strSaveAsCaption);
    m_strSaveAsCaption.clear();
}

void GraphicView::Show(const QImage& picture, Shown kind, int left) {
    m_imgPicture = picture;
    m_intShown = kind;
    DrawForScreen();
    setGeometry(support::Px(left), support::Px(m_intTableTop), picture.width(), picture.height());
    m_link.picTable->hide();
    show();
    raise();
    update();
    if (m_link.cmdLoadState)
        m_cmdPrint->setGeometry(m_link.cmdLoadState->geometry());
    m_cmdPrint->show();
    m_cmdPrint->raise();
    SetCaptions();
}

void GraphicView::ShowTable() {
    m_intShown = Shown::Nothing;
    hide();
    m_cmdPrint->hide();
    m_link.picTable->show();
    SetCaptions();
}

void GraphicView::SetCaptions() {
    support::SetCaption(m_link.cmdToggleGraphic,
                        support::Text(GraphicShown() ? kDisplayTable : kDisplayChart));
    m_link.cmdSaveAs->setToolTip(GraphicShown() ? support::Text(kSaveGraphicToolTip) : QString());
    support::SetCaption(m_cmdPrint, support::Text(kPrint));
    m_cmdPrint->setToolTip(support::Text(kPrintToolTip));
}

void GraphicView::paintEvent(QPaintEvent*) {
    // A screen of another pixel ratio (the window moved) gets the graphic drawn anew.
    if (m_imgScreen.isNull() ? devicePixelRatioF() != 1.0
                             : m_imgScreen.devicePixelRatio() != devicePixelRatioF())
        DrawForScreen();
    QPainter painter(this);
    painter.drawImage(0, 0, m_imgScreen.isNull() ? m_imgPicture : m_imgScreen);
}

void GraphicView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton)
        return;
    const QPoint pos = event->position().toPoint();
    if (m_intShown == Shown::Wheel)
        AskAboutLine(pos);
    else if (m_intShown == Shown::TransitGraphic)
        AskAboutPoint(pos);
}

void GraphicView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (m_intShown == Shown::TransitGraphic) {
        StepAlongCurve(key, event);
        return;
    }
    if (m_intShown != Shown::Wheel || m_udtLines.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int count = static_cast<int>(m_udtLines.size());
    if (key == Qt::Key_Right || key == Qt::Key_Down) {
        m_intSelectedLine = (m_intSelectedLine + 1) % count;
    } else if (key == Qt::Key_Left || key == Qt::Key_Up) {
        m_intSelectedLine = m_intSelectedLine <= 0 ? count - 1 : m_intSelectedLine - 1;
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Menu) &&
               m_intSelectedLine >= 0) {
        const ZDR::DrawnLine& line = m_udtLines[m_intSelectedLine];
        const QPoint middle(static_cast<int>((line.dblX1 + line.dblX2) / 2),
                            static_cast<int>((line.dblY1 + line.dblY2) / 2));
        support::ShowMessage(this,
                             support::Q(ZDR::WheelLineEnquiryAt(
                                 {line}, line.dblColor, middle.x() + 0.5, middle.y() + 0.5)),
                             support::Q(ZDR::WheelLineEnquiryTitle()),
                             support::MsgIcon::Information);
        return;
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    // The selected line is shown by its words beside its middle, and told to a screen reader.
    const ZDR::DrawnLine& line = m_udtLines[m_intSelectedLine];
    const QString words = support::Q(ZDR::DrawnLineSentence(line));
    QToolTip::showText(mapToGlobal(QPoint(static_cast<int>((line.dblX1 + line.dblX2) / 2),
                                          static_cast<int>((line.dblY1 + line.dblY2) / 2))),
                       words, this);
    update();
}

void GraphicView::StepAlongCurve(int key, QKeyEvent* event) {
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Menu) &&
        m_udtCurvePoint.y() >= 0) {
        AskAboutPoint(m_udtCurvePoint);
        return;
    }
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                     : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                 : 0;
    if (step == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The next row of the picture, down or up, that the curve crosses.
    const QRgb curve = support::ColorFromValue(m_udtTransitInput.dblCurveColor).rgb() & 0xFFFFFF;
    for (int y = m_udtCurvePoint.y() + step; y >= 0 && y < m_imgPicture.height(); y += step)
        for (int x = 0; x < m_imgPicture.width(); ++x)
            if ((m_imgPicture.pixel(x, y) & 0xFFFFFF) == curve) {
                m_udtCurvePoint = QPoint(x, y);
                QToolTip::showText(mapToGlobal(m_udtCurvePoint), PointMessage(m_udtCurvePoint),
                                   this);
                return;
            }
}

void GraphicView::AskAboutLine(const QPoint& pos) {
    const std::string names = view::LineEnquiryAt(m_imgPicture, m_udtLines, pos.x(), pos.y());
    if (!names.empty())
        support::ShowMessage(this, support::Q(names), support::Q(ZDR::WheelLineEnquiryTitle()),
                             support::MsgIcon::Information);
}

QString GraphicView::PointMessage(const QPoint& pos) const {
    const double color = view::PictureColorAt(m_imgPicture, pos.x(), pos.y());
    const int p = m_udtScale.intPixelSize;
    double day = 0;
    double exactness = 0;
    if (color < 0 ||
        !ZDR::TransitPointAt(m_udtScale, color, pos.x() * p, pos.y() * p, day, exactness))
        return QString();
    return support::Q(ZDR::TransitPointMessage(day, exactness));
}

void GraphicView::AskAboutPoint(const QPoint& pos) {
    setToolTip(QString());
    const QString message = PointMessage(pos);
    if (!message.isEmpty())
        support::ShowMessage(this, message, support::Q(ZDR::TransitPointTitle()),
                             support::MsgIcon::Information);
}
