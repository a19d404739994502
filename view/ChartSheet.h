#pragma once
// The chart sheet: one page with the mode and its orb, the dates, the chart wheel, the
// aspect table and the report, in the program's language; as a PDF and on a printer.

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QRectF>
#include <string>
#include <vector>

#include "engine/AspectTable.h"
#include "view/ChartWheel.h"

namespace view {

// What a sheet shows: its title and date lines, the wheel, the table, the report (lines
// ended by line feeds or CR LF) and the credit line at the foot.
struct ChartSheetInput {
    std::string strTitle;
    std::vector<std::string> strDateLines;
    ChartWheelInput udtWheel;
    const ZDR::AspectTable* udtTable = nullptr;
    std::string strReport;
    std::string strCredit;
};

// Returns the paper of the user's locale: Letter where the US measures are in use, A4
// elsewhere.
QPageSize::PageSizeId LocalePaper();

// Returns the page of a chart sheet on paper: upright, with margins of 12 mm.
QPageLayout SheetPageLayout(QPageSize::PageSizeId paper);

// Paints the sheet of input on painter into page (painter's units are pixels of
// 1/support::PictureDpi() inch; page is the printable part): the title and dates at the
// top, the wheel, below it the table as large as the room allows, the report beside a
// single wheel and below the table (in columns; the table made smaller for it down to 40 %,
// then its letters down to 5 points) and the credit line at the foot.
void PaintChartSheet(QPainter& painter, const QRectF& page, const ChartSheetInput& input);

// Returns the sheet of input as a one-page PDF of paper (SheetPageLayout). Empty when it
// could not be made.
QByteArray ChartSheetPdf(const ChartSheetInput& input, QPageSize::PageSizeId paper);

}  // namespace view
