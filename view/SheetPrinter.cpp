#include "view/SheetPrinter.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "support/PictureSupport.h"

namespace view {
namespace {

PrintDialogHook& InstalledHook() {
    static PrintDialogHook hook;
    return hook;
}

}  // namespace

PrintDialogHook SetPrintDialogHook(PrintDialogHook hook) {
    PrintDialogHook previous = InstalledHook();
    InstalledHook() = std::move(hook);
    return previous;
}

std::string PrintChartSheet(QWidget* parent, const ChartSheetInput& input) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(SheetPageLayout(LocalePaper()));
    // The name a print to a file starts with: the title would bring a colon into it.
    printer.setDocName(QStringLiteral("Zodarc"));
    printer.setFromTo(1, 1);
    if (InstalledHook()) {
        if (!InstalledHook()(printer))
            return std::string();
    } else {
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        if (dialog.exec() != QDialog::Accepted)
            return std::string();
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return "the printer could not be opened";
    // The sheet is laid out in picture pixels, whatever the printer's resolution.
    const double scale = printer.resolution() / static_cast<double>(support::PictureDpi());
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    painter.scale(scale, scale);
    PaintChartSheet(painter, QRectF(0, 0, area.width() / scale, area.height() / scale), input);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return "the printer reported an error";
    return std::string();
}

}  // namespace view
