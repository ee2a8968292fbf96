#include "platform/qt/painter_canvas.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "foundation/errors.h"

namespace belvo {
namespace {

namespace fs = std::filesystem;

class PainterCanvasTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { app = EnsureGuiApplication(); }
    static void TearDownTestSuite() { app.reset(); }
    static std::unique_ptr<QGuiApplication> app;

    fs::path TempDir()
    {
        const fs::path dir = fs::temp_directory_path() /
                             ("belvo_canvas_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                              "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        return dir;
    }
};
std::unique_ptr<QGuiApplication> PainterCanvasTest::app;

std::string RunPdfToText(const fs::path& pdf)
{
    const std::string command = "pdftotext -layout '" + pdf.string() + "' -";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return {};
    std::string out;
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe.get())) out.append(buffer, n);
    return out;
}

// Two pages, each with a Czech text and a rule.
class TwoPages : public PagedDocument {
public:
    int begun = 0, ended = 0;
    int width = 0, height = 0;
    int Begin(Canvas& canvas) override
    {
        ++begun;
        width = canvas.PrintableWidth();
        height = canvas.PrintableHeight();
        return 2;
    }
    void PrintPage(Canvas& canvas, int page) override
    {
        canvas.SetOrigin(0, 0);
        canvas.DrawText("Strana " + std::to_string(page) + " žluťoučký kůň", {0, 0, 18000, 600},
                        CanvasAlign::Left, {"Arial", 400, 125, 300});
        canvas.DrawLine(0, 700, 18000, 700, {20, 0x400000});
    }
    void End() override { ++ended; }
};

TEST_F(PainterCanvasTest, FontCellHeightIsAscentPlusDescent)
{
    for (const CanvasFont& font : {CanvasFont{"Times New Roman", 1000, 600, 700},
                                   CanvasFont{"Arial", 400, 125, 300}, CanvasFont{"Arial", 300, 0, 300}}) {
        const QFont qfont = PainterCanvas::MakeFont(font);
        const QFontMetricsF metrics(qfont);
        EXPECT_NEAR(metrics.ascent() + metrics.descent(), font.height, font.height * 0.03) << font.face;
        if (font.averageWidth > 0) {
            EXPECT_NEAR(metrics.averageCharWidth(), font.averageWidth, font.averageWidth * 0.2) << font.face;
        }
    }
}

TEST_F(PainterCanvasTest, ReportFacesResolveToMetricCompatibleFonts)
{
    const QFontInfo serif(PainterCanvas::MakeFont({"Times New Roman", 600, 0, 300}));
    const QFontInfo sans(PainterCanvas::MakeFont({"Arial", 400, 0, 300}));
    EXPECT_TRUE(serif.family() == "Times New Roman" || serif.family() == "Liberation Serif")
        << serif.family().toStdString();
    EXPECT_TRUE(sans.family() == "Arial" || sans.family() == "Liberation Sans") << sans.family().toStdString();
}

TEST_F(PainterCanvasTest, WrappedHeightGrowsWithTheText)
{
    QImage image(2000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter, image);
    const CanvasFont font{"Arial", 400, 125, 300};
    EXPECT_EQ(canvas.WrappedTextHeight("", 18000, font), 0);
    const int one = canvas.WrappedTextHeight("krátká zpráva", 18000, font);
    EXPECT_GT(one, 300);
    EXPECT_LT(one, 700);
    std::string longText;
    for (int i = 0; i < 200; ++i) longText += "slovo ";
    EXPECT_GT(canvas.WrappedTextHeight(longText, 18000, font), 5 * one);
    EXPECT_EQ(canvas.WrappedTextHeight("a\nb\nc", 18000, font), canvas.WrappedTextHeight("a\nb\nc", 500, font));
    EXPECT_GE(canvas.WrappedTextHeight("a\nb\nc", 18000, font), 3 * one - 3);
}

TEST_F(PainterCanvasTest, DrawsWhereItIsTold)
{
    // 254 dots per inch: one dot is 10 hundredths of a millimetre.
    QImage image(400, 400, QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter, image);
        EXPECT_EQ(canvas.PrintableWidth(), 4000);
        canvas.SetOrigin(1000, 1000);
        canvas.DrawLine(0, 500, 2000, 500, {100, 0x0000FF});  // red in 0x00BBGGRR
    }
    const QColor onLine = image.pixelColor(200, 150);
    EXPECT_GT(onLine.red(), 200);
    EXPECT_LT(onLine.blue(), 60);
    EXPECT_EQ(image.pixelColor(200, 100), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(50, 150), QColor(Qt::white));  // left of the origin
}

TEST_F(PainterCanvasTest, PdfHoldsEveryPageAndItsText)
{
    const fs::path dir = TempDir();
    const fs::path pdf = dir / "zprava.pdf";
    TwoPages doc;
    WritePdf(pdf.string(), doc);
    EXPECT_EQ(doc.begun, 1);
    EXPECT_EQ(doc.ended, 1);
    // A4 upright with 10 mm margins.
    EXPECT_NEAR(doc.width, 19000, 50);
    EXPECT_NEAR(doc.height, 27700, 50);
    EXPECT_FALSE(fs::exists(dir / "zprava.pdf.tmp"));
    const std::string text = RunPdfToText(pdf);
    EXPECT_NE(text.find("Strana 1 žluťoučký kůň"), std::string::npos) << text;
    EXPECT_NE(text.find("Strana 2 žluťoučký kůň"), std::string::npos) << text;
    EXPECT_NE(text.find('\f'), std::string::npos);  // a page break
    fs::remove_all(dir);
}

TEST_F(PainterCanvasTest, PdfIntoAMissingFolderFailsWithoutLeavingAFile)
{
    const fs::path dir = TempDir();
    const fs::path pdf = dir / "chybi" / "zprava.pdf";
    TwoPages doc;
    EXPECT_THROW(WritePdf(pdf.string(), doc), FileError);
    EXPECT_FALSE(fs::exists(pdf));
    fs::remove_all(dir);
}

}  // namespace
}  // namespace belvo
