// Canvas on a QPainter: the report drawn on a QPrinter (paper, preview, PDF) or any other paint
// device. Positions arrive in hundredths of a millimetre and are scaled to the device's
// resolution; the faces the report names ("Times New Roman", "Arial") fall back to the
// metric-compatible Liberation fonts where the originals are not installed.
#pragma once

#include <QFont>
#include <QHash>
#include <QString>

#include <memory>
#include <string>

#include "platform/canvas.h"

class QGuiApplication;
class QPainter;
class QPaintDevice;
class QPrinter;

namespace belvo {

class PainterCanvas : public Canvas {
public:
    // Draws with `painter`, which is active on `device`; the device's whole area is printable.
    PainterCanvas(QPainter& painter, QPaintDevice& device);

    int PrintableWidth() const override { return m_width; }
    int PrintableHeight() const override { return m_height; }
    void SetOrigin(int x, int y) override;
    void DrawText(const std::string& text, const CanvasRect& box, CanvasAlign align,
                  const CanvasFont& font, bool wordWrap = false) override;
    int WrappedTextHeight(const std::string& text, int width, const CanvasFont& font) override;
    void DrawLine(int x1, int y1, int x2, int y2, const CanvasPen& pen) override;
    void DrawImage(const CanvasImage& image, const CanvasRect& box) override;

    // The Qt font for a report font: pixel size (in hundredths of a millimetre) chosen so that
    // ascent plus descent equals the cell height, stretched to the average width when given.
    static QFont MakeFont(const CanvasFont& font);

private:
    void ResetTransform();
    const QFont& Font(const CanvasFont& font);

    QPainter& m_painter;
    double m_scaleX;
    double m_scaleY;
    int m_width;
    int m_height;
    QHash<QString, QFont> m_fonts;
};

// Prints every page of the document on the printer, which must be set up (format, file, page
// layout). Throws FileError when the printer cannot start or a page cannot be started.
void PrintDocument(QPrinter& printer, PagedDocument& document);

// Writes the document as a PDF on A4 upright paper with 10 mm margins. The file is written under
// a temporary name in the same folder and renamed over `path` when complete, so a failure never
// leaves a half-written file. Throws FileError naming the file.
void WritePdf(const std::string& path, PagedDocument& document);

// Makes sure a QGuiApplication exists (fonts and painting need one); without a display the
// offscreen platform is used. Returns the application object when it had to be created here.
std::unique_ptr<QGuiApplication> EnsureGuiApplication();

}  // namespace belvo
