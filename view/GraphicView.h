#pragma once
// The picture box picGraphic of the main window: the chart wheel or the transit graphic in
// place of the table. It switches between the table and the wheel (the chart/table
// toggle), redraws the wheel after a computation, shows the transit graphic with the
// window locked around it, and answers a right-click on it: the aspect of a line on the
// wheel, the date, time and exactness of a point of the transit graphic.

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "astro/CatalogueCounts.h"
#include "engine/Chart.h"
#include "engine/Compute.h"
#include "view/ChartWheel.h"
#include "view/TransitGraphic.h"
#include "view/WheelGeometry.h"

class QPlainTextEdit;
class QPushButton;

// The controls of the main window that the graphic switches: the window (whose controls
// the transit graphic locks), the table it stands in for, the chart/table toggle, "Save as
// ...", Quit, "Load from ..." (in whose place "Print ..." stands), the two report boxes
// (single chart, two charts) and the configuration dialog that the transit graphic hides.
struct GraphicViewLink {
    QWidget* frmMainWindow = nullptr;
    QWidget* picTable = nullptr;
    QPushButton* cmdToggleGraphic = nullptr;
    QPushButton* cmdSaveAs = nullptr;
    QPushButton* cmdQuit = nullptr;
    QPushButton* cmdLoadState = nullptr;
    std::array<QPlainTextEdit*, 2> txbReport{};
    QPointer<QWidget> frmConfigure;  // may come later: SetConfigurationDialog
};

class GraphicView : public QWidget {
    Q_OBJECT
  public:
    // A hidden picture box among link's controls, at the table's top (twips), with its
    // "Print ..." button, shown with the graphic in the place of "Load from ...".
    GraphicView(const GraphicViewLink& link, int tableTop, QWidget* parent);

    // The chart/table toggle: the controls a transit graphic disabled enabled again (and the
    // configuration dialog it hid shown again); with a graphic on display the
    // table comes back, otherwise the wheel of result, drawn with options, takes the
    // table's place. Sets the toggle's caption and the tool-tip of "Save as ...".
    void cmdToggleGraphic_Click(const ZDR::ComputeResult& result, const ZDR::ChartOptions& options);

    // Draws the wheel of result with options, the options the computation was given, in
    // place of the table (one ring in the single-chart modes, two in the others); in place of
    // a transit graphic, the window gets its controls back. Returns
    // false when a glyph found no room: the wheel then shows as far as it was drawn, and the
    // warning has been shown.
    bool ShowWheel(const ZDR::ComputeResult& result, const ZDR::ChartOptions& options);

    // The houses the wheels drawn from now on show (view::SetWheelHouses), turned as the
    // options of each drawing say; blnHouses false: none.
    void SetHouses(bool blnHouses, const Places::Houses& houses) {
        m_blnHouses = blnHouses;
        m_udtHouses = houses;
    }

    // Draws the transit graphic of input in place of the table and locks the window around
    // it: every control disabled but the toggle, Quit and "Save as ...", which is captioned
    // "Save graphic as ..."; a visible configuration dialog is hidden until the toggle.
    void ShowTransitGraphic(const view::TransitGraphicInput& input);

    // The configuration dialog that the transit graphic hides while it is shown.
    void SetConfigurationDialog(QWidget* frmConfigure) { m_link.frmConfigure = frmConfigure; }

    // Whether a graphic is on display, and whether it is the transit graphic.
    bool GraphicShown() const { return m_intShown != Shown::Nothing; }
    bool TransitGraphicShown() const { return m_intShown == Shown::TransitGraphic; }

    // The picture on display (empty before the first), in its own pixels.
    const QImage& Picture() const { return m_imgPicture; }

    // Paints the graphic on display on painter, in the picture's pixels; the wheel with its
    // legends unless they were erased. Nothing while no graphic is on display.
    void PaintGraphic(QPainter& painter) const;

    // The input of the wheel drawn last (its legends gone once they were erased).
    const view::ChartWheelInput& WheelInput() const { return m_udtWheelInput; }

    // Returns the text of the report box on display (UTF-8).
    std::string ReportShown() const;

    // "Print ...", which prints the chart sheet (printRequested).
    QPushButton* PrintButton() const { return m_cmdPrint; }

    // Captions the toggle ("Display table" or "Display chart") and "Print ...", and gives
    // "Save as ..." its tool-tip while a graphic is on display, in the current language.
    void SetCaptions();

    // Takes the legends off the wheel on display: prints them again in the colour of its
    // top-left pixel. Nothing happens while no wheel is on display.
    void EraseLegends();

  signals:
    // "Print ..." was clicked.
    void printRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // From the keyboard: the arrow keys step through the wheel's lines, showing the one
    // selected, or down and up the transit graphic's curve; Return (or the menu key) tells
    // about the line or point selected as a right-click on it does.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    enum class Shown { Nothing, Wheel, TransitGraphic };
    void Show(const QImage& picture, Shown kind, int left);
    void ShowTable();
    void ReleaseWindow();
    void AskAboutLine(const QPoint& pos);
    void StepAlongCurve(int key, QKeyEvent* event);
    void AskAboutPoint(const QPoint& pos);
    // The right-click's message for point pos of the transit graphic; "" for none.
    QString PointMessage(const QPoint& pos) const;
    void DrawForScreen();

    GraphicViewLink m_link;
    QPushButton* m_cmdPrint = nullptr;
    int m_intTableTop;
    QImage m_imgPicture;
    QImage m_imgScreen;  // the picture drawn anew at the screen's pixel ratio, when not 1
    Shown m_intShown = Shown::Nothing;
    view::ChartWheelInput m_udtWheelInput;  // what the graphic on display was drawn from
    bool m_blnHouses = false;
    Places::Houses m_udtHouses;
    view::TransitGraphicInput m_udtTransitInput;
    ZDR::TransitEnquiryScale m_udtScale;
    std::vector<ZDR::DrawnLine> m_udtLines;      // the lines of the wheel on display
    bool m_blnTwoChart = false;                  // and its form
    int m_intSelectedLine = -1;                  // the line the keys selected, -1 none
    QPoint m_udtCurvePoint{-1, -1};              // the point of the curve the keys selected
    bool m_blnConfigureHidden = false;           // the transit graphic hid the configuration dialog
    QString m_strSaveAsCaption;                  // the caption "Save as ..." had before the graphic
    std::vector<QPointer<QWidget>> m_udtLocked;  // the controls the transit graphic disabled
};
