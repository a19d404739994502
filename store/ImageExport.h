#pragma once
// "Save as ..." while a graphic is on display: the graphic becomes a PNG file. The picture
// is written as a BMP in a temporary folder first and then converted; an exported chart
// wheel carries a credit block and a data block (dates, zodiac, orb) drawn into it.

#include <QImage>
#include <QString>
#include <functional>
#include <string>

#include "store/ExportLayout.h"

class GraphicView;
class QWidget;

namespace ZDR {

// Returns a copy of the wheel picture with the credit block and the data block of input
// drawn into it, each text at its place in 10-point Arial.
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

// Asks for the PNG file's name (title text #132, the PNG filter; ".png" is added to a name
// without extension), exports the picture that picture() gives there and says how it went
// in a message titled strButtonCaption. A cancelled dialog does nothing, not even ask for
// the picture.
void SaveGraphicAs(QWidget* parent, const QString& strButtonCaption,
                   const std::function<QImage()>& picture);

// "Save as ..." while picGraphic shows a graphic: the transit graphic is saved as it is;
// the wheel loses its legends on screen and is saved with the credit block and the data
// block of canvas.
void SaveGraphicOnDisplay(QWidget* parent, const QString& strButtonCaption, GraphicView& picGraphic,
                          const ExportCanvasInput& canvas);

}  // namespace ZDR
