#include "support/recording_canvas.h"

#include <algorithm>

namespace belvo {

namespace {

// The characters of a UTF-8 text (continuation bytes do not count).
int CountCharacters(const std::string& text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Lines a paragraph (no line feed in it) takes when words are packed greedily into lines of
// `perLine` characters; a word longer than a line is broken.
int ParagraphLines(const std::string& paragraph, int perLine)
{
    int lines = 1;
    int used = 0;
    std::size_t pos = 0;
    while (pos < paragraph.size()) {
        const std::size_t end = std::min(paragraph.find(' ', pos), paragraph.size());
        int word = CountCharacters(paragraph.substr(pos, end - pos));
        const int needed = used == 0 ? word : used + 1 + word;
        if (needed <= perLine) {
            used = needed;
        } else {
            if (used > 0) ++lines;
            while (word > perLine) {
                word -= perLine;
                ++lines;
            }
            used = word;
        }
        pos = end + 1;
    }
    return lines;
}

}  // namespace

void RecordingCanvas::SetOrigin(int x, int y)
{
    CanvasOp op;
    op.kind = CanvasOp::Kind::Origin;
    op.page = page;
    op.x1 = x;
    op.y1 = y;
    ops.push_back(std::move(op));
}

void RecordingCanvas::DrawText(const std::string& text, const CanvasRect& box, CanvasAlign align,
                               const CanvasFont& font, bool wordWrap)
{
    CanvasOp op;
    op.kind = CanvasOp::Kind::Text;
    op.page = page;
    op.text = text;
    op.box = box;
    op.align = align;
    op.font = font;
    op.wordWrap = wordWrap;
    ops.push_back(std::move(op));
}

int RecordingCanvas::WrappedTextHeight(const std::string& text, int width, const CanvasFont& font)
{
    if (text.empty()) return 0;
    const int charWidth = std::max(1, font.averageWidth > 0 ? font.averageWidth : font.height / 2);
    const int perLine = std::max(1, width / charWidth);
    int lines = 0;
    std::size_t pos = 0;
    while (true) {
        const std::size_t end = text.find('\n', pos);
        lines += ParagraphLines(text.substr(pos, end == std::string::npos ? std::string::npos : end - pos), perLine);
        if (end == std::string::npos) break;
        pos = end + 1;
    }
    return lines * font.height;
}

void RecordingCanvas::DrawLine(int x1, int y1, int x2, int y2, const CanvasPen& pen)
{
    CanvasOp op;
    op.kind = CanvasOp::Kind::Line;
    op.page = page;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.pen = pen;
    ops.push_back(std::move(op));
}

void RecordingCanvas::DrawImage(const CanvasImage& image, const CanvasRect& box)
{
    CanvasOp op;
    op.kind = CanvasOp::Kind::Image;
    op.page = page;
    op.box = box;
    op.imageName = image.name;
    op.imageBytes = image.bytes.size();
    ops.push_back(std::move(op));
}

int RecordingCanvas::PrintAll(PagedDocument& document)
{
    const int pages = document.Begin(*this);
    for (int p = 1; p <= pages; ++p) {
        StartPage();
        document.PrintPage(*this, p);
    }
    document.End();
    return pages;
}

namespace {

template <class Pred>
std::vector<const CanvasOp*> Select(const std::vector<CanvasOp>& ops, Pred pred)
{
    std::vector<const CanvasOp*> out;
    for (const CanvasOp& op : ops)
        if (pred(op)) out.push_back(&op);
    return out;
}

}  // namespace

std::vector<const CanvasOp*> RecordingCanvas::Texts(int onPage) const
{
    return Select(ops, [&](const CanvasOp& op) {
        return op.kind == CanvasOp::Kind::Text && (onPage < 0 || op.page == onPage);
    });
}

const CanvasOp* RecordingCanvas::FindText(const std::string& text, int onPage) const
{
    const auto all = FindAllTexts(text, onPage);
    return all.empty() ? nullptr : all.front();
}

std::vector<const CanvasOp*> RecordingCanvas::FindAllTexts(const std::string& text, int onPage) const
{
    return Select(ops, [&](const CanvasOp& op) {
        return op.kind == CanvasOp::Kind::Text && op.text == text && (onPage < 0 || op.page == onPage);
    });
}

std::vector<const CanvasOp*> RecordingCanvas::Lines(int onPage) const
{
    return Select(ops, [&](const CanvasOp& op) {
        return op.kind == CanvasOp::Kind::Line && (onPage < 0 || op.page == onPage);
    });
}

std::vector<const CanvasOp*> RecordingCanvas::Images(int onPage) const
{
    return Select(ops, [&](const CanvasOp& op) {
        return op.kind == CanvasOp::Kind::Image && (onPage < 0 || op.page == onPage);
    });
}

}  // namespace belvo
