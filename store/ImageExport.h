#pragma once
// "Save as ..." while a graphic is on display: the graphic becomes a PNG, SVG or PDF file.
// A PNG is written as a BMP in a temporary folder first and then converted; an exported
// chart wheel carries a credit block and a data block (dates, zodiac, orb) drawn into it.

#include <QImage>
#include <QString>
#include <functional>
#include <string>

#include "store/ExportLayout.h"
#include "view/PictureFile.h"

class GraphicView;
class QWidget;

namespace ZDR {

// Paints the credit block and the data block of input on painter, in the canvas's pixels,
// each text at its place in 10-point Arial; the data block's texts with a rim of rim.
void PaintCanvasTexts(QPainter& painter, const ExportCanvasInput& input, const QColor& rim);

// Returns a copy of the wheel picture with the credit block and the data block of input
// drawn into it (PaintCanvasTexts, the rim in the colour of its top-left pixel).
QImage ComposeWheelCanvas(const QImage& wheel, const ExportCanvasInput& input);

// What became of an export: blnSaved, or the failure; strPath is the PNG written, or the
// BMP left behind by a failed conversion, or the PNG whose BMP could not be written;
// strDetail the reason of a failure.
struct ExportOutcome {
    bool blnSaved = false;
    bool blnConverted = false;  // false: the BMP could not even be written
    std::string strPath;
    std::string strDetail;
};

// Writes picture as a BMP in a temporary folder and converts it into pngPath, deleting the
// BMP. When the conversion fails the picture stays a BMP beside pngPath (BmpPathFor; a free
// name when that file exists already or is pngPath itself), and a PNG that stood there
// before is kept as it was. A folder, FIFO, device or socket at pngPath is left as it is
// and nothing is written (strDetail text #1200).
ExportOutcome ExportPicture(const QImage& picture, const std::string& pngPath);

// A graphic to save: its picture as the PNG takes it, its size in pixels, and the painter
// of the same graphic for an SVG or a PDF page.
struct GraphicToSave {
    std::function<QImage()> picture;
    std::function<QSize()> size;
    view::PicturePainter paint;
};

// Asks for the file's name (title text #132; the filters PNG, the first, SVG and PDF; the
// filter chosen decides the format, and its extension is added to a name without one),
// saves the graphic there (a PNG by ExportPicture, an SVG or PDF whole or not at all) and
// says how it went in a message titled strButtonCaption. A cancelled dialog does nothing,
// not even ask for the picture.
void SaveGraphicAs(QWidget* parent, const QString& strButtonCaption, const GraphicToSave& graphic);

// "Save as ..." while picGraphic shows a graphic of mode intModeCode: the transit graphic
// is saved as it is; the wheel loses its legends on screen and is saved with the credit
// block and the data block (ExportCanvasOf the date sets as the controls show them, the
// options in force and the version), as PNG, SVG or PDF.
void SaveGraphicOnDisplay(QWidget* parent, const QString& strButtonCaption, GraphicView& picGraphic,
                          int16_t intModeCode, const std::array<DatePr2::DateSetInput, 3>& sets,
                          const std::string& version);

// "Print ..." while picGraphic shows the wheel of mode intModeCode: prints the chart sheet
// of that wheel and its table, with the texts of the date sets as the controls show them
// (SheetTextsOf), the options in force, the program's version and the report on display,
// through the print dialog. A printer that fails is named in a warning.
void PrintSheetOnDisplay(QWidget* parent, GraphicView& picGraphic, int16_t intModeCode,
                         const std::array<DatePr2::DateSetInput, 3>& sets);

}  // namespace ZDR
