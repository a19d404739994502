#pragma once
// The picture box picGraphic of the main window: shows the chart wheel or the transit
// graphic in place of the table, and answers a right-click on it, naming the aspect of a
// line on the wheel, or telling the date, time and exactness of a point of the transit
// graphic.

#include <QImage>
#include <QWidget>

#include "engine/Compute.h"
#include "engine/ConfigOptions.h"
#include "view/TransitGraphic.h"

class GraphicView : public QWidget {
    Q_OBJECT
  public:
    explicit GraphicView(QWidget* parent = nullptr);

    // Draws the wheel of result (one ring in the single-chart modes, two in the others) with
    // options, the options the computation was given, and shows it with its top at tableTop
    // (twips). Returns false when a glyph found no room: the wheel then shows as far as it
    // was drawn, and the warning has been shown.
    bool ShowWheel(const ZDR::ComputeResult& result, const ZDR::ConfigOptions& options,
                   int tableTop);

    // Draws the transit graphic of input and shows it with its top at tableTop (twips).
    void ShowTransitGraphic(const view::TransitGraphicInput& input, int tableTop);

    // Hides the picture; nothing is on display.
    void HideGraphic();

    // Whether a graphic is on display, and whether it is the transit graphic.
    bool GraphicShown() const { return m_intShown != Shown::Nothing; }
    bool TransitGraphicShown() const { return m_intShown == Shown::TransitGraphic; }

    // The picture on display (empty before the first).
    const QImage& Picture() const { return m_imgPicture; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    enum class Shown { Nothing, Wheel, TransitGraphic };
    void Show(const QImage& picture, Shown kind, int left, int top);
    void AskAboutLine(const QPoint& pos);
    void AskAboutPoint(const QPoint& pos);

    QImage m_imgPicture;
    Shown m_intShown = Shown::Nothing;
    ZDR::TransitEnquiryScale m_udtScale;
    double m_dblAspectColor[8] = {};  // the colours the wheel on display was drawn with
};
