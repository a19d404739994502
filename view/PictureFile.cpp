#include "view/PictureFile.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "support/PictureSupport.h"
#include "text/StrProc.h"

namespace view {
namespace {

QByteArray PngBytes(QSize size, int scale, const PicturePainter& paint) {
    QImage picture(size * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::black);
    {
        QPainter painter(&picture);
        paint(painter);
    }
    picture.setDevicePixelRatio(1);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return QByteArray();
    return bytes;
}

QByteArray SvgBytes(QSize size, const QString& title, const PicturePainter& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(support::PictureDpi());
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return QByteArray();
    paint(painter);
    painter.end();
    return bytes;
}

QByteArray PdfBytes(QSize size, const QString& title, const PicturePainter& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Zodarc"));
    pdf.setResolution(support::PictureDpi());
    const double dpi = support::PictureDpi();
    pdf.setPageSize(QPageSize(QSizeF(size.width() * 72.0 / dpi, size.height() * 72.0 / dpi),
                              QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf))
        return QByteArray();
    paint(painter);
    if (!painter.end())
        return QByteArray();
    return bytes;
}

}  // namespace

PictureFormat FormatOfPath(const std::string& path) {
    const std::string::size_type dot = path.rfind('.');
    const std::string::size_type slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return PictureFormat::Png;
    const std::string extension = StrProc::LowerCase(path.substr(dot + 1));
    if (extension == "svg")
        return PictureFormat::Svg;
    if (extension == "pdf")
        return PictureFormat::Pdf;
    return PictureFormat::Png;
}

QByteArray PictureFileBytes(QSize size, PictureFormat format, int scale, const QString& title,
                            const PicturePainter& paint) {
    switch (format) {
        case PictureFormat::Svg:
            return SvgBytes(size, title, paint);
        case PictureFormat::Pdf:
            return PdfBytes(size, title, paint);
        case PictureFormat::Png:
            break;
    }
    if (scale < 1 || scale > intLargestPictureScale)
        return QByteArray();
    return PngBytes(size, scale, paint);
}

}  // namespace view
