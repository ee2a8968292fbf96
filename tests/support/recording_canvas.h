// RecordingCanvas: the test double of Canvas. It records every drawing in order, with the page
// it was made on, and measures word-wrapped text with a simple fixed rule, so that a test can
// say exactly how high a message is.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace belvo {

struct CanvasOp {
    enum class Kind { Origin, Text, Line, Image };
    Kind kind = Kind::Text;
    int page = 0;  // the page being drawn (counted by StartPage), 0 before the first
    // Text
    std::string text;
    CanvasRect box;
    CanvasAlign align = CanvasAlign::Left;
    CanvasFont font;
    bool wordWrap = false;
    // Line (and Origin in x1, y1)
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    CanvasPen pen;
    // Image (its box in `box`)
    std::string imageName;
    std::size_t imageBytes = 0;
};

class RecordingCanvas : public Canvas {
public:
    // An A4 page with 5 mm margins unless a test sets another.
    int printableWidth = 20000;
    int printableHeight = 28700;
    std::vector<CanvasOp> ops;
    int page = 0;

    // Starts recording a new page (the adapter's framework does this between pages).
    void StartPage() { ++page; }

    int PrintableWidth() const override { return printableWidth; }
    int PrintableHeight() const override { return printableHeight; }
    void SetOrigin(int x, int y) override;
    void DrawText(const std::string& text, const CanvasRect& box, CanvasAlign align,
                  const CanvasFont& font, bool wordWrap = false) override;
    // Every character is half the font height wide (or its average width when given); lines
    // break at line feeds and, greedily, between words; each line is one font height. An
    // empty text is 0 high.
    int WrappedTextHeight(const std::string& text, int width, const CanvasFont& font) override;
    void DrawLine(int x1, int y1, int x2, int y2, const CanvasPen& pen) override;
    void DrawImage(const CanvasImage& image, const CanvasRect& box) override;

    // Runs a whole job the way the printing framework does: Begin, every page, End. Returns
    // the number of pages.
    int PrintAll(PagedDocument& document);

    // Queries for tests.
    std::vector<const CanvasOp*> Texts(int onPage = -1) const;
    // The first text op whose text equals `text` (on `onPage`, or any page for -1); null if none.
    const CanvasOp* FindText(const std::string& text, int onPage = -1) const;
    std::vector<const CanvasOp*> FindAllTexts(const std::string& text, int onPage = -1) const;
    std::vector<const CanvasOp*> Lines(int onPage = -1) const;
    std::vector<const CanvasOp*> Images(int onPage = -1) const;
};

}  // namespace belvo
