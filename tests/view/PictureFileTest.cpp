// The pictures as files for other programs: the SVG as rsvg-convert renders it and the PDF
// page as pdftoppm renders it look like the PNG (the disc, the aspect lines in their
// colours at their places); the PDF's text layer holds the glyphs and legends; a PNG at
// twice the size is the picture drawn anew, sharp; the chart sheet is one page of A4 or
// Letter whose text pdftotext reads, also in German; the sheet printed to a PDF printer.
#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>

#include "astro/DatePr2.h"
#include "config/OptionsInForce.h"
#include "engine/Compute.h"
#include "support/PictureSupport.h"
#include "tests/cli/CliRunner.h"
#include "tests/view/PictureTest.h"
#include "view/ChartSheet.h"
#include "view/ChartWheel.h"
#include "view/PictureFile.h"
#include "view/SheetPrinter.h"
#include "view/TransitGraphic.h"

namespace {

using CliRunner::CliRun;
using CliRunner::Holds;
using CliRunner::RunProgram;

class PictureFileTest : public PictureTest {
  protected:
    void SetUp() override {
        PictureTest::SetUp();
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override {
        view::SetPrintDialogHook(nullptr);
        PictureTest::TearDown();
    }
    // Computes mode at the world date 10 March 2024 and the birthdates 17 May 1970 and
    // 2 November 1985, 12:00 GMT, and returns the wheel's input.
    view::ChartWheelInput Wheel(int16_t mode) {
        double jd[3] = {DatePr2::DateSetToJD("2024", 3, 10, 25, 0),
                        DatePr2::DateSetToJD("1970", 5, 17, 25, 0),
                        DatePr2::DateSetToJD("1985", 11, 2, 25, 0)};
        ZDR::UseSettings(ZDR::OptionsInForce());  // the orb table of the default orbs
        ZDR::ComputeAtJD(mode, jd, false, ZDR::ChartOptionsInForce(), result);
        return view::WheelInputOfResult(result, ZDR::ChartOptionsInForce());
    }
    // Writes bytes into the file name in the test's folder; returns its path.
    std::string Write(const QString& name, const QByteArray& bytes) const {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName().toStdString();
    }
    // Renders an SVG or a PDF file at 96 dots per inch into a PNG and reads it.
    QImage Rendered(const std::string& path, view::PictureFormat format) const {
        const std::string png = dir.filePath("rendered").toStdString();
        const CliRun run =
            format == view::PictureFormat::Svg
                ? RunProgram("rsvg-convert",
                             "--dpi-x 96 --dpi-y 96 -b white -o '" + png + ".png' '" + path + "'")
                : RunProgram("pdftoppm", "-r 96 -singlefile -png '" + path + "' '" + png + "'");
        EXPECT_EQ(run.intExit, 0) << run.strErr;
        return QImage(QString::fromStdString(png + ".png")).convertToFormat(QImage::Format_RGB32);
    }
    // Whether picture holds a pixel within reach pixels of p whose channels lie within 48
    // of color's.
    static bool ColorNear(const QImage& picture, QPoint p, QRgb color, int reach = 2) {
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                if (!picture.valid(p.x() + dx, p.y() + dy))
                    continue;
                const QRgb c = picture.pixel(p.x() + dx, p.y() + dy);
                if (std::abs(qRed(c) - qRed(color)) <= 48 &&
                    std::abs(qGreen(c) - qGreen(color)) <= 48 &&
                    std::abs(qBlue(c) - qBlue(color)) <= 48)
                    return true;
            }
        return false;
    }
    QTemporaryDir dir;
    ZDR::ComputeResult result;
};

// Single-chart and two-chart wheels, as SVG and as PDF: the rendered file shows the disc
// where the PNG has it and every aspect line in its colour along its course.
TEST_F(PictureFileTest, TheSvgAndThePdfLookLikeThePng) {
    const struct {
        int16_t mode;
        view::PictureFormat format;
        const char* name;
    } cases[] = {
        {ZDR::intModeWorldTransits, view::PictureFormat::Svg, "world.svg"},
        {ZDR::intModeSynastry, view::PictureFormat::Svg, "synastry.svg"},
        {ZDR::intModeWorldTransits, view::PictureFormat::Pdf, "world.pdf"},
        {ZDR::intModePersonal1, view::PictureFormat::Pdf, "personal.pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const view::ChartWheelInput input = Wheel(c.mode);
        const view::ChartWheelPicture wheel = view::DrawChartWheel(input);
        const QImage& png = wheel.imgPicture;
        const std::string path = Write(
            c.name,
            view::PictureFileBytes(png.size(), c.format, 1, "test", [&input](QPainter& painter) {
                view::DrawChartWheel(input, &painter);
            }));
        const QImage shown = Rendered(path, c.format);
        ASSERT_LE(std::abs(shown.width() - png.width()), 1);
        ASSERT_LE(std::abs(shown.height() - png.height()), 1);

        // The disc: black just inside its rim, the background just outside, as in the PNG.
        const ZDR::WheelLayout& layout =
            input.blnTwoChart ? ZDR::TwoChartWheel() : ZDR::SingleChartWheel();
        const double cx = layout.lngCentreX / 15.0;
        const double cy = layout.lngCentreY / 15.0;
        const double r = layout.lngDiscRadius / 15.0;
        int same = 0;
        int samples = 0;
        for (int a = 0; a < 360; a += 5) {
            for (double dr : {-6.0, 4.0}) {
                const QPoint p(static_cast<int>(cx + (r + dr) * std::cos(a * M_PI / 180)),
                               static_cast<int>(cy - (r + dr) * std::sin(a * M_PI / 180)));
                if (!png.valid(p))
                    continue;
                ++samples;
                same += ColorNear(shown, p, png.pixel(p)) ? 1 : 0;
            }
        }
        EXPECT_GE(same, samples * 9 / 10);

        // Each aspect line in its colour, sampled along its middle part: where the PNG shows
        // the colour, the rendered file shows it within a few pixels (lines that run close
        // together blend there, so the count is over all lines).
        int lines = 0;
        int found = 0;
        int inPng = 0;
        const int s1 = input.blnTwoChart ? 1 : 0;
        const double off = ZDR::lngLineEndOffset;
        for (const ZDR::WheelLine& line :
             ZDR::WheelAspectLines(*input.udtTable, input.blnTwoChart, input.udtLineOptions)) {
            const ZDR::TwipPoint a = wheel.udtCorner[line.intBody1][s1];
            const ZDR::TwipPoint b = wheel.udtCorner[line.intBody2][0];
            const QRgb rgb =
                support::ColorFromValue(input.udtLineOptions.dblAspectColor[line.intAspect]).rgb();
            for (const QPoint& p : Along((a.x + off) / 15.0, (a.y + off) / 15.0, (b.x + off) / 15.0,
                                         (b.y + off) / 15.0, 20)) {
                if (!ColorNear(png, p, rgb, 1))
                    continue;  // crossed by another line or a glyph
                ++inPng;
                found += ColorNear(shown, p, rgb, 3) ? 1 : 0;
            }
            ++lines;
        }
        EXPECT_GE(found, inPng * 85 / 100);
        EXPECT_GE(lines, 3);
    }
}

// The PDF's text layer holds the glyphs and the legends; the page has the picture's size.
TEST_F(PictureFileTest, ThePdfPageHoldsItsTextsAsText) {
    const view::ChartWheelInput input = Wheel(ZDR::intModeWorldTransits);
    const std::string path = Write(
        "wheel.pdf", view::PictureFileBytes(
                         QSize(400, 400), view::PictureFormat::Pdf, 1, "test",
                         [&input](QPainter& painter) { view::DrawChartWheel(input, &painter); }));
    const CliRun info = RunProgram("pdfinfo", "'" + path + "'");
    EXPECT_TRUE(Holds(info.strOut, "Pages:           1"));
    EXPECT_TRUE(Holds(info.strOut, "Page size:       300 x 300 pts"));
    const CliRun text = RunProgram("pdftotext", "'" + path + "' -");
    ASSERT_EQ(text.intExit, 0) << text.strErr;
    for (const char* part :
         {"aspects in their", "Cyan: planet", "\u2609", "\u263D", "\u2644", "\u2648", "\u2653"})
        EXPECT_TRUE(Holds(text.strOut, part)) << part;
}

// Twice the size: drawn anew, not enlarged. Each 2 x 2 block matches the picture's pixel
// in the main, the legends' letters stay plain black on the background, and their edges
// run through the blocks.
TEST_F(PictureFileTest, APngAtTwiceTheSizeIsDrawnAnew) {
    const view::ChartWheelInput input = Wheel(ZDR::intModeSynastry);
    const QImage one = view::DrawChartWheel(input).imgPicture;
    const auto paint = [&input](QPainter& painter) { view::DrawChartWheel(input, &painter); };
    EXPECT_EQ(QImage::fromData(
                  view::PictureFileBytes(one.size(), view::PictureFormat::Png, 1, "test", paint))
                  .convertToFormat(QImage::Format_RGB32),
              one);
    const QImage two = QImage::fromData(view::PictureFileBytes(one.size(), view::PictureFormat::Png,
                                                               2, "test", paint))
                           .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(two.size(), one.size() * 2);
    int near = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x) {
            int agree = 0;
            for (int d = 0; d < 4; ++d)
                agree += ColorNear(two, QPoint(2 * x + d % 2, 2 * y + d / 2), one.pixel(x, y));
            near += agree >= 2 ? 1 : 0;
        }
    EXPECT_GE(near, one.width() * one.height() * 95 / 100);
    // The legend beside the disc, top left.
    const QRect legend(0, 0, 2 * 100, 2 * 40);
    int split = 0;
    for (int y = legend.top(); y < legend.bottom(); y += 2)
        for (int x = legend.left(); x < legend.right(); x += 2) {
            const QRgb c = two.pixel(x, y);
            EXPECT_TRUE(c == qRgb(0, 0, 0) || c == qRgb(224, 224, 224)) << x << "," << y;
            split += (two.pixel(x + 1, y) != c || two.pixel(x, y + 1) != c) ? 1 : 0;
        }
    EXPECT_GT(split, 20);
    EXPECT_EQ(view::PictureFileBytes(one.size(), view::PictureFormat::Png, 5, "test", paint),
              QByteArray());
}

// The sheet on A4 and on Letter, in English and German: one page of the paper's size whose
// text holds the title, the dates, the report and the glyphs.
TEST_F(PictureFileTest, TheChartSheetIsOnePageOfTheChosenPaper) {
    const struct {
        QPageSize::PageSizeId paper;
        int16_t language;
        const char* size;
        const char* title;
        const char* date;
    } cases[] = {
        {QPageSize::A4, Language::intEnglish, "595 x 842 pts", "Synastry", "1st birthdate:"},
        {QPageSize::Letter, Language::intGerman, "612 x 792 pts", "Synastrie", "1. Geburtsdatum:"},
    };
    for (const auto& c : cases) {
        Language::intLanguage = c.language;
        ZDR::BuildCatalogueNames();
        view::ChartSheetInput sheet;
        sheet.udtWheel = Wheel(ZDR::intModeSynastry);
        sheet.udtTable = &result.udtTable;
        sheet.strTitle = std::string(c.title) + " Orbs: 1\u00B020'";
        sheet.strDateLines = {std::string(c.date) + " 1970-05-17  12:00 GMT",
                              "Tropischer Tierkreis \u00E4\u00F6\u00FC\u00DF"};
        sheet.strReport = "2 conjunctions\r\n1 square\r\n\r\nSaturn quincunx the Sun";
        sheet.strCredit = "Drawn with Zodarc";
        const std::string path = Write("sheet.pdf", view::ChartSheetPdf(sheet, c.paper));
        const CliRun info = RunProgram("pdfinfo", "'" + path + "'");
        EXPECT_TRUE(Holds(info.strOut, "Pages:           1"));
        EXPECT_TRUE(Holds(info.strOut, std::string("Page size:       ") + c.size));
        const CliRun text = RunProgram("pdftotext", "'" + path + "' -");
        ASSERT_EQ(text.intExit, 0) << text.strErr;
        for (const std::string& part :
             {sheet.strTitle, std::string(c.date), std::string("1970-05-17"), sheet.strDateLines[1],
              std::string("Saturn quincunx the Sun"), std::string("1 square"),
              std::string("Drawn with Zodarc"), std::string("\u2609")})
            EXPECT_TRUE(Holds(text.strOut, part)) << part;
    }
}

// Printing: the print dialog answered by a PDF printer gets the sheet on one page; a
// cancelled dialog prints nothing.
TEST_F(PictureFileTest, TheSheetGoesToThePrinterOnOnePage) {
    view::ChartSheetInput sheet;
    sheet.udtWheel = Wheel(ZDR::intModeWorldTransits);
    sheet.udtTable = &result.udtTable;
    sheet.strTitle = "World transits";
    sheet.strReport = "19 aspects in total.";
    const QString path = dir.filePath("printed.pdf");
    view::SetPrintDialogHook([&path](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        return true;
    });
    EXPECT_EQ(view::PrintChartSheet(nullptr, sheet), "");
    const CliRun info = RunProgram("pdfinfo", "'" + path.toStdString() + "'");
    EXPECT_TRUE(Holds(info.strOut, "Pages:           1"));
    EXPECT_TRUE(Holds(info.strOut, "Page size:       612 x 792 pts"));
    EXPECT_TRUE(Holds(RunProgram("pdftotext", "'" + path.toStdString() + "' -").strOut,
                      "19 aspects in total."));

    QFile::remove(path);
    view::SetPrintDialogHook([](QPrinter&) { return false; });
    EXPECT_EQ(view::PrintChartSheet(nullptr, sheet), "");
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
