#include "view/GraphicView.h"

#include <QMouseEvent>
#include <QPainter>

#include "engine/Catalogue.h"
#include "support/MessageBox.h"
#include "support/WindowSupport.h"
#include "view/ChartWheel.h"
#include "view/WheelGeometry.h"

namespace {

// The left edges of the pictures, twips.
constexpr int kWheelLeft = 1200;

}  // namespace

GraphicView::GraphicView(QWidget* parent) : QWidget(parent) {
    hide();
}

bool GraphicView::ShowWheel(const ZDR::ComputeResult& result, const ZDR::ConfigOptions& options,
                            int tableTop) {
    const view::ChartWheelInput input = view::WheelInputOfResult(result, options);
    for (int k = 0; k < 8; ++k)
        m_dblAspectColor[k] = input.udtLineOptions.dblAspectColor[k];
    const view::ChartWheelPicture wheel = view::DrawChartWheel(input);
    Show(wheel.imgPicture, Shown::Wheel, kWheelLeft, tableTop);
    setToolTip(QString());
    if (wheel.blnNoRoom)
        support::ShowMessage(this, support::Text(347), support::Text(346),
                             support::MsgIcon::Warning);
    return !wheel.blnNoRoom;
}

void GraphicView::ShowTransitGraphic(const view::TransitGraphicInput& input, int tableTop) {
    const view::TransitGraphicPicture graphic = view::DrawTransitGraphic(input);
    m_udtScale = graphic.udtScale;
    Show(graphic.imgPicture, Shown::TransitGraphic, ZDR::lngTransitLeft, tableTop);
    setToolTip(support::Text(351));
}

void GraphicView::HideGraphic() {
    m_intShown = Shown::Nothing;
    setToolTip(QString());
    hide();
}

void GraphicView::Show(const QImage& picture, Shown kind, int left, int top) {
    m_imgPicture = picture;
    m_intShown = kind;
    setGeometry(support::Px(left), support::Px(top), picture.width(), picture.height());
    show();
    raise();
    update();
}

void GraphicView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_imgPicture);
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

void GraphicView::AskAboutLine(const QPoint& pos) {
    const std::string names = view::LineEnquiryAt(m_imgPicture, pos.x(), pos.y(), m_dblAspectColor);
    if (!names.empty())
        support::ShowMessage(this, support::Q(names), support::Q(ZDR::WheelLineEnquiryTitle()),
                             support::MsgIcon::Information);
}

void GraphicView::AskAboutPoint(const QPoint& pos) {
    setToolTip(QString());
    const double color = view::PictureColorAt(m_imgPicture, pos.x(), pos.y());
    const int p = m_udtScale.intPixelSize;
    double day = 0;
    double exactness = 0;
    if (color < 0 ||
        !ZDR::TransitPointAt(m_udtScale, color, pos.x() * p, pos.y() * p, day, exactness))
        return;
    support::ShowMessage(this, support::Q(ZDR::TransitPointMessage(day, exactness)),
                         support::Q(ZDR::TransitPointTitle()), support::MsgIcon::Information);
}
