#include "store/ImageExport.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include "astro/FileProc.h"
#include "store/ExportTexts.h"
#include "store/imgxport.h"
#include "support/FileDialog.h"
#include "support/MessageBox.h"
#include "support/PictureSupport.h"
#include "support/WindowSupport.h"
#include "text/Language.h"
#include "view/GraphicView.h"

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

QImage ComposeWheelCanvas(const QImage& wheel, const ExportCanvasInput& input) {
    QImage canvas = wheel.convertToFormat(QImage::Format_RGB32);
    ExportCanvasInput placed = input;
    placed.intCanvasWidth = canvas.width();
    QPainter painter(&canvas);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    font.setBold(false);
    // Plain pixels in the texts' own colours, as on the wheel itself.
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    const double ascent = QFontMetricsF(font, &canvas).ascent();
    // The data block's texts keep a rim of the background round their letters, so that
    // they stay legible where they cross the black disc.
    const QColor rim = canvas.pixelColor(0, 0);
    for (const CanvasText& text : ExportCanvasTexts(placed)) {
        const QPointF at(text.dblX, text.dblY + ascent);
        const QString words = support::Q(text.strText);
        if (text.lngColor == lngDataColor) {
            painter.setPen(rim);
            for (const QPointF& step :
                 {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1), QPointF(-1, -1),
                  QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1)})
                painter.drawText(at + step, words);
        }
        painter.setPen(support::ColorFromValue(text.lngColor));
        painter.drawText(at, words);
    }
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

void SaveGraphicAs(QWidget* parent, const QString& strButtonCaption,
                   const std::function<QImage()>& picture) {
    support::FileDialogRequest request;
    request.blnSave = true;
    request.strTitle = support::Text(ExportText::DialogTitle);
    request.strFilter = support::Text(ExportText::PngFilter) + " (*.png)";
    request.strDefaultSuffix = QStringLiteral("png");
    const QString chosen = support::AskFileName(parent, request);
    if (chosen.isEmpty())
        return;
    const std::string png = PngPathWithExtension(chosen.toStdString());
    const ExportOutcome outcome = ExportPicture(picture(), png);
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
                          const ExportCanvasInput& canvas) {
    SaveGraphicAs(parent, strButtonCaption, [&picGraphic, &canvas] {
        if (picGraphic.TransitGraphicShown())
            return picGraphic.Picture();
        // The legends on screen go; the canvas carries the credit and the dates instead.
        picGraphic.EraseLegends();
        return ComposeWheelCanvas(picGraphic.Picture(), canvas);
    });
}

}  // namespace ZDR
