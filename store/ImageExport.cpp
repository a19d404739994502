#include "store/ImageExport.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QSaveFile>
#include <QTemporaryFile>

#include "store/ExportTexts.h"
#include "store/imgxport.h"
#include "support/FileDialog.h"
#include "support/MessageBox.h"
#include "support/WindowSupport.h"

namespace ZDR {
namespace {

// Writes picture as a BMP file at path, replacing it only when complete. Returns "" on
// success, else the reason.
std::string WriteBmp(const QImage& picture, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString().toStdString();
    if (!picture.save(&file, "BMP")) {
        file.cancelWriting();
        return "the picture could not be encoded";
    }
    if (!file.commit())
        return file.errorString().toStdString();
    return std::string();
}

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
    QPainter painter(&canvas);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    font.setBold(false);
    // Plain pixels in the texts' own colours, as on the wheel itself.
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    const double ascent = QFontMetricsF(font, &canvas).ascent();
    for (const CanvasText& text : ExportCanvasTexts(input)) {
        painter.setPen(support::ColorFromValue(text.lngColor));
        painter.drawText(QPointF(text.dblX, text.dblY + ascent), support::Q(text.strText));
    }
    return canvas;
}

ExportOutcome ExportPicture(const QImage& picture, const std::string& pngPath) {
    ExportOutcome outcome;
    const QString bmp = FreeBmpPath(pngPath);
    outcome.strDetail = WriteBmp(picture, bmp);
    if (!outcome.strDetail.empty()) {
        QFile::remove(bmp);  // a free name reserved for it stays no litter
        outcome.strPath = pngPath;
        return outcome;
    }
    outcome.blnConverted = true;
    std::string message;
    outcome.blnSaved = ConvertGraphicsFile(bmp.toStdString(), pngPath, true, true, message);
    outcome.strPath = outcome.blnSaved ? pngPath : bmp.toStdString();
    if (!outcome.blnSaved)
        outcome.strDetail = message;
    return outcome;
}

void SaveGraphicAs(QWidget* parent, const QString& strButtonCaption, const QImage& picture) {
    support::FileDialogRequest request;
    request.blnSave = true;
    request.strTitle = support::Text(ExportText::DialogTitle);
    request.strFilter = support::Text(ExportText::PngFilter) + " (*.png)";
    request.strDefaultSuffix = QStringLiteral("png");
    const QString chosen = support::AskFileName(parent, request);
    if (chosen.isEmpty())
        return;
    const std::string png = PngPathWithExtension(chosen.toStdString());
    const ExportOutcome outcome = ExportPicture(picture, png);
    const QString path = QDir::toNativeSeparators(support::Q(outcome.strPath));
    if (outcome.blnSaved) {
        support::ShowMessage(parent, support::Text(ExportText::Saved) + "\n" + path,
                             strButtonCaption, support::MsgIcon::Information);
    } else if (outcome.blnConverted) {
        support::ShowMessage(parent, support::Text(ExportText::NotConverted) + "\n" + path,
                             strButtonCaption, support::MsgIcon::Information);
    } else {
        support::ShowMessage(parent,
                             support::Text(ExportText::NotWritten) + "\n" + path + "\n\n" +
                                 support::Q(outcome.strDetail),
                             strButtonCaption, support::MsgIcon::Warning);
    }
}

}  // namespace ZDR
