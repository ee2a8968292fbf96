// Canvas: what the printed report asks of a page. Every position and size is in hundredths of a
// millimetre, x to the right and y downward from the origin the report sets (the top-left
// corner of its print area). The Qt adapter draws with QPainter on a QPrinter (paper, preview,
// PDF); tests use RecordingCanvas (tests/support).
#pragma once

#include <cstdint>
#include <string>

namespace belvo {

struct CanvasRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const CanvasRect&, const CanvasRect&) = default;
};

enum class CanvasAlign { Left, Center, Right };

// A font as the report asks for it: the face name, the cell height (ascent plus descent), the
// average character width (0: the face's own proportion) and the weight (400 normal, 700 bold).
// Every font is Central European (Windows-1250 texts print in it) and outline-rendered.
struct CanvasFont {
    std::string face;
    int height = 0;
    int averageWidth = 0;
    int weight = 400;

    friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

// A solid pen; the colour is 0x00BBGGRR.
struct CanvasPen {
    int width = 0;
    std::uint32_t color = 0;

    friend bool operator==(const CanvasPen&, const CanvasPen&) = default;
};

// A picture as the bytes of its file (BMP, GIF or PNG); `name` says which one it is.
struct CanvasImage {
    std::string name;
    std::string bytes;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // The printable width and height of the page.
    virtual int PrintableWidth() const = 0;
    virtual int PrintableHeight() const = 0;

    // Places the origin at (x, y) from the top-left corner of the printable area; every later
    // drawing is relative to it. Texts are black on a transparent background.
    virtual void SetOrigin(int x, int y) = 0;

    // Draws a UTF-8 text at the top of the box with the alignment, clipped to the box. Without
    // `wordWrap` lines break only at line feeds; with it, also between words to fit the width.
    virtual void DrawText(const std::string& text, const CanvasRect& box, CanvasAlign align,
                          const CanvasFont& font, bool wordWrap = false) = 0;
    // The height the text takes when word-wrapped to `width`.
    virtual int WrappedTextHeight(const std::string& text, int width, const CanvasFont& font) = 0;

    virtual void DrawLine(int x1, int y1, int x2, int y2, const CanvasPen& pen) = 0;
    // Draws the picture stretched to fill the box; a picture that cannot be decoded draws nothing.
    virtual void DrawImage(const CanvasImage& image, const CanvasRect& box) = 0;
};

// A document printed page by page on a canvas: the printing framework (print, preview, PDF)
// calls Begin once, PrintPage for each page it prints or shows, then End.
class PagedDocument {
public:
    virtual ~PagedDocument() = default;
    // Prepares the job for the canvas's page size; returns the number of pages (at least 1).
    virtual int Begin(Canvas& canvas) = 0;
    // Draws page `page` (1 to the number of pages).
    virtual void PrintPage(Canvas& canvas, int page) = 0;
    virtual void End() {}
};

}  // namespace belvo
