#include "platform/qt/painter_canvas.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "foundation/errors.h"

namespace belvo {

namespace {

constexpr double kUnitsPerInch = 2540.0;  // hundredths of a millimetre

QColor ToColor(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

QRectF ToRect(const CanvasRect& box)
{
    return QRectF(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

int AlignmentFlags(CanvasAlign align)
{
    switch (align) {
    case CanvasAlign::Center: return Qt::AlignHCenter;
    case CanvasAlign::Right: return Qt::AlignRight;
    case CanvasAlign::Left: break;
    }
    return Qt::AlignLeft;
}

QString FontKey(const CanvasFont& font)
{
    return QStringLiteral("%1|%2|%3|%4")
        .arg(QString::fromStdString(font.face))
        .arg(font.height)
        .arg(font.averageWidth)
        .arg(font.weight);
}

void RegisterSubstitutes()
{
    // Applied only where the named face itself is not installed.
    static const bool done = [] {
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)done;
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, QPaintDevice& device)
    : m_painter(painter),
      m_scaleX(device.logicalDpiX() / kUnitsPerInch),
      m_scaleY(device.logicalDpiY() / kUnitsPerInch),
      m_width(static_cast<int>(std::lround(device.width() / m_scaleX))),
      m_height(static_cast<int>(std::lround(device.height() / m_scaleY)))
{
    RegisterSubstitutes();
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    ResetTransform();
}

void PainterCanvas::ResetTransform()
{
    m_painter.resetTransform();
    m_painter.scale(m_scaleX, m_scaleY);
}

void PainterCanvas::SetOrigin(int x, int y)
{
    ResetTransform();
    m_painter.translate(x, y);
}

QFont PainterCanvas::MakeFont(const CanvasFont& font)
{
    RegisterSubstitutes();
    QFont qfont(QString::fromStdString(font.face));
    qfont.setStyleStrategy(QFont::PreferOutline);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
    // Measure at a large size, then choose the size whose ascent plus descent is the cell height.
    constexpr int kProbe = 1000;
    qfont.setPixelSize(kProbe);
    const QFontMetricsF probe(qfont);
    const double cell = probe.ascent() + probe.descent();
    const int height = std::max(1, font.height);
    const int pixelSize = cell > 0 ? std::max(1, static_cast<int>(std::lround(height * kProbe / cell))) : height;
    qfont.setPixelSize(pixelSize);
    if (font.averageWidth > 0) {
        const double natural = QFontMetricsF(qfont).averageCharWidth();
        if (natural > 0) {
            const int stretch = static_cast<int>(std::lround(100.0 * font.averageWidth / natural));
            qfont.setStretch(std::clamp(stretch, 1, 4000));
        }
    }
    return qfont;
}

const QFont& PainterCanvas::Font(const CanvasFont& font)
{
    const QString key = FontKey(font);
    auto it = m_fonts.find(key);
    if (it == m_fonts.end()) it = m_fonts.insert(key, MakeFont(font));
    return it.value();
}

void PainterCanvas::DrawText(const std::string& text, const CanvasRect& box, CanvasAlign align,
                             const CanvasFont& font, bool wordWrap)
{
    m_painter.setFont(Font(font));
    m_painter.setPen(QPen(Qt::black));
    int flags = Qt::AlignTop | AlignmentFlags(align);
    if (wordWrap) flags |= Qt::TextWordWrap;
    m_painter.drawText(ToRect(box), flags, QString::fromStdString(text));
}

int PainterCanvas::WrappedTextHeight(const std::string& text, int width, const CanvasFont& font)
{
    if (text.empty()) return 0;
    const QFontMetricsF metrics(Font(font));
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, std::max(1, width), 1e9),
                                               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                               QString::fromStdString(text));
    return static_cast<int>(std::ceil(bounds.height()));
}

void PainterCanvas::DrawLine(int x1, int y1, int x2, int y2, const CanvasPen& pen)
{
    QPen qpen(ToColor(pen.color));
    qpen.setWidthF(std::max(1, pen.width));
    qpen.setStyle(Qt::SolidLine);
    qpen.setCapStyle(Qt::RoundCap);
    m_painter.setPen(qpen);
    m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterCanvas::DrawImage(const CanvasImage& image, const CanvasRect& box)
{
    QImage decoded;
    if (!decoded.loadFromData(reinterpret_cast<const uchar*>(image.bytes.data()),
                              static_cast<int>(image.bytes.size())))
        return;
    m_painter.drawImage(ToRect(box), decoded);
}

namespace {

// Draws every page of the document on a paged device; `name` is what a failure names.
void PrintPages(QPagedPaintDevice& device, const std::string& name, PagedDocument& document)
{
    QPainter painter;
    if (!painter.begin(&device)) throw FileError(name, "tiskárnu nelze otevřít");
    PainterCanvas canvas(painter, device);
    struct EndJob {
        PagedDocument& doc;
        QPainter& painter;
        ~EndJob()
        {
            doc.End();
            if (painter.isActive()) painter.end();
        }
    } endJob{document, painter};
    const int pages = document.Begin(canvas);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1 && !device.newPage()) throw FileError(name, "další stránku nelze začít");
        document.PrintPage(canvas, page);
    }
}

}  // namespace

void PrintDocument(QPrinter& printer, PagedDocument& document)
{
    PrintPages(printer, printer.outputFileName().toStdString(), document);
}

void WritePdf(const std::string& path, PagedDocument& document)
{
    namespace fs = std::filesystem;
    // File names are UTF-8 inside the program; the paths here are byte strings.
    const fs::path target(path);
    fs::path temp = target;
    temp += ".tmp";
    {
        // A PDF writer rather than a printer: it needs no print-system plugin, so writing a PDF
        // works the same on a machine without a print system.
        QPdfWriter writer(QString::fromStdString(temp.string()));
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("Belvo"));
        try {
            PrintPages(writer, path, document);
        } catch (...) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            throw;
        }
    }
    std::error_code error;
    if (!fs::exists(temp, error) || fs::file_size(temp, error) == 0) {
        fs::remove(temp, error);
        throw FileError(path, "soubor PDF nelze zapsat");
    }
    fs::rename(temp, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw FileError(path, error.message());
    }
}

std::unique_ptr<QGuiApplication> EnsureGuiApplication()
{
    if (QCoreApplication* existing = QCoreApplication::instance()) {
        // Fonts and painting need the GUI application; a plain core application cannot become one.
        if (!qobject_cast<QGuiApplication*>(existing))
            throw BelvoError("kreslení potřebuje grafickou aplikaci (QGuiApplication)");
        return nullptr;
    }
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (!std::getenv("QT_QPA_PLATFORM") && !(display && *display) && !(wayland && *wayland))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "belvo-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace belvo
