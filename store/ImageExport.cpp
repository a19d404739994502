#include "store/ImageExport.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include "astro/FileProc.h"
#include "config/OptionsInForce.h"
#include "store/ExportTexts.h"
#include "store/imgxport.h"
#include "support/AccessKeys.h"
#include "support/FileDialog.h"
#include "support/MessageBox.h"
#include "support/PictureSupport.h"
#include "support/WindowSupport.h"
#include "text/Language.h"
#include "view/GraphicView.h"
#include "view/PictureFile.h"
#include "view/SheetPrinter.h"

namespace ZDR {
namespace {

// Returns the BMP path for pngPath: BmpPathFor, unless a file stands there already or it
// is pngPath itself; then a free name beside it, so that no file of the user's is replaced.
QString FreeBmpPath(const std::string& pngPath) {
    const QString bmp = support::Q(BmpPathFor(pngPath));
    if (!QFileInfo::exists(bmp) && bmp != support::Q(pngPath))
        return bmp;
    const QFileInfo info(bmp);
    QTemporaryFile free(info.dir().filePath(info.completeBaseName() + "-XXXXXX.bmp"));
    free.setAutoRemove(false);
    if (!free.open())
        return bmp;  // the folder cannot be written: the write says so
    return free.fileName();
}

}  // namespace

void PaintCanvasTexts(QPainter& painter, const ExportCanvasInput& input, const QColor& rim) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    font.setBold(false);
    // Plain pixels in the texts' own colours, as on the wheel itself.
    font.setStyleStrategy(QFont::NoAntialias);
    const double ascent = QFontMetricsF(font).ascent();
    const QFont shown = support::FontOnDevice(font, painter);
    painter.save();
    painter.setFont(shown);
    const bool raster = support::OnRaster(painter);
    // The data block's texts keep a rim of the background round their letters, so that
    // they stay legible where they cross the black disc.
    for (const CanvasText& text : ExportCanvasTexts(input)) {
        const QPointF at(text.dblX, text.dblY + ascent);
        const QString words = support::Q(text.strText);
        if (text.lngColor == lngDataColor) {
            painter.setPen(rim);
            if (!raster)
                support::DrawTextRim(painter, at, shown, words, rim, 2.0);
            else
                for (const QPointF& step :
                     {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1), QPointF(-1, -1),
                      QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1)})
                    painter.drawText(at + step, words);
        }
        painter.setPen(support::ColorFromValue(text.lngColor));
        painter.drawText(at, words);
    }
    painter.restore();
}

QImage ComposeWheelCanvas(const QImage& wheel, const ExportCanvasInput& input) {
    QImage canvas = wheel.convertToFormat(QImage::Format_RGB32);
    ExportCanvasInput placed = input;
    placed.intCanvasWidth = canvas.width();
    QPainter painter(&canvas);
    PaintCanvasTexts(painter, placed, canvas.pixelColor(0, 0));
    return canvas;
}

ExportOutcome ExportPicture(const QImage& picture, const std::string& pngPath) {
    ExportOutcome outcome;
    outcome.strPath = pngPath;
    if (FileProc::IsSpecialFile(pngPath)) {
        outcome.strDetail = Language::Text(ExportText::NotAFile);
        return outcome;
    }
    // The BMP on the way lives in a folder of its own among the temporary files, so that an
    // export cut short leaves nothing beside the user's files.
    const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/zodarc-export-XXXXXX"));
    if (!folder.isValid()) {
        outcome.strDetail = folder.errorString().toStdString();
        return outcome;
    }
    const QString bmp = folder.filePath(QStringLiteral("picture.bmp"));
    outcome.strDetail = support::SavePicture(picture, bmp, "BMP");
    if (!outcome.strDetail.empty())
        return outcome;
    std::string message;
    outcome.blnSaved = ConvertGraphicsFile(bmp.toStdString(), pngPath, true, true, message);
    if (outcome.blnSaved) {
        outcome.blnConverted = true;
        return outcome;
    }
    // A failed conversion leaves the picture as a BMP beside the chosen path.
    outcome.strDetail = message;
    const QString kept = FreeBmpPath(pngPath);
    const std::string keptError = support::SavePicture(picture, kept, "BMP");
    if (!keptError.empty()) {
        QFile::remove(kept);  // a free name reserved for it stays no litter
        return outcome;
    }
    outcome.blnConverted = true;
    outcome.strPath = kept.toStdString();
    return outcome;
}

void SaveGraphicAs(QWidget* parent, const QString& strButtonCaption, const GraphicToSave& graphic) {
    QString chosenFilter;
    support::FileDialogRequest request;
    request.blnSave = true;
    request.strTitle = support::Text(ExportText::DialogTitle);
    request.strFilter = support::Text(ExportText::PngFilter) + " (*.png);;" +
                        support::Text(ExportText::SvgFilter) + " (*.svg);;" +
                        support::Text(ExportText::PdfFilter) + " (*.pdf)";
    request.strDefaultSuffix = QStringLiteral("png");
    request.strChosenFilter = &chosenFilter;
    const QString chosen = support::AskFileName(parent, request);
    if (chosen.isEmpty())
        return;
    // The filter chosen decides the format; without one, the name's extension does.
    const QString extension = support::FilterExtension(chosenFilter);
    const view::PictureFormat format = view::FormatOfPath(
        extension.isEmpty() ? chosen.toStdString() : "." + extension.toStdString());
    ExportOutcome outcome;
    if (format == view::PictureFormat::Png) {
        outcome = ExportPicture(graphic.picture(), PngPathWithExtension(chosen.toStdString()));
    } else {
        const QString path =
            QFileInfo(chosen).suffix().isEmpty() ? chosen + "." + extension : chosen;
        outcome.strPath = path.toStdString();
        const QByteArray bytes = view::PictureFileBytes(graphic.size(), format, 1,
                                                        QStringLiteral("Zodarc"), graphic.paint);
        outcome.strDetail = support::SavePictureFile(bytes, path);
        outcome.blnSaved = outcome.strDetail.empty();
    }
    const QString path = QDir::toNativeSeparators(support::Q(outcome.strPath));
    if (outcome.blnSaved) {
        support::ShowMessage(parent, support::Text(ExportText::Saved) + "\n" + path,
                             strButtonCaption, support::MsgIcon::Information);
    } else if (outcome.blnConverted) {
        support::ShowMessage(parent,
                             support::Text(ExportText::NotConverted) + "\n" + path + "\n\n" +
                                 support::Q(outcome.strDetail),
                             strButtonCaption, support::MsgIcon::Information);
    } else {
        support::ShowMessage(parent,
                             support::Text(ExportText::NotWritten) + "\n" + path + "\n\n" +
                                 support::Q(outcome.strDetail),
                             strButtonCaption, support::MsgIcon::Warning);
    }
}

void SaveGraphicOnDisplay(QWidget* parent, const QString& strButtonCaption, GraphicView& picGraphic,
                          int16_t intModeCode, const std::array<DatePr2::DateSetInput, 3>& sets,
                          const std::string& version) {
    const ExportCanvasInput canvas =
        ExportCanvasOf(intModeCode, sets, ChartOptionsInForce(), version);
    GraphicToSave graphic;
    graphic.picture = [&picGraphic, &canvas] {
        if (picGraphic.TransitGraphicShown())
            return picGraphic.Picture();
        // The legends on screen go; the canvas carries the credit and the dates instead.
        picGraphic.EraseLegends();
        return ComposeWheelCanvas(picGraphic.Picture(), canvas);
    };
    graphic.size = [&picGraphic] { return picGraphic.Picture().size(); };
    graphic.paint = [&picGraphic, &canvas](QPainter& painter) {
        if (picGraphic.TransitGraphicShown()) {
            picGraphic.PaintGraphic(painter);
            return;
        }
        picGraphic.EraseLegends();
        picGraphic.PaintGraphic(painter);
        ExportCanvasInput placed = canvas;
        placed.intCanvasWidth = picGraphic.Picture().width();
        PaintCanvasTexts(painter, placed, picGraphic.Picture().pixelColor(0, 0));
    };
    SaveGraphicAs(parent, strButtonCaption, graphic);
}

void PrintSheetOnDisplay(QWidget* parent, GraphicView& picGraphic, int16_t intModeCode,
                         const std::array<DatePr2::DateSetInput, 3>& sets) {
    const SheetTexts texts = SheetTextsOf(
        ExportCanvasOf(intModeCode, sets, ChartOptionsInForce(), ZODARC_VERSION_MAJOR_MINOR));
    view::ChartSheetInput sheet;
    sheet.strTitle = texts.strTitle;
    sheet.strDateLines = texts.strDateLines;
    sheet.strCredit = texts.strCredit;
    sheet.udtWheel = picGraphic.WheelInput();
    sheet.udtTable = sheet.udtWheel.udtTable;
    sheet.strReport = picGraphic.ReportShown();
    const std::string error = view::PrintChartSheet(parent, sheet);
    if (!error.empty())
        support::ShowMessage(
            parent, support::Text(ExportText::PrintFailed) + "\n\n" + support::Q(error),
            support::PlainCaption(picGraphic.PrintButton()->text()), support::MsgIcon::Warning);
}

}  // namespace ZDR
