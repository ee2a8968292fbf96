#include "proposal/builtin_pictures.h"

#include <QImage>

#include <gtest/gtest.h>

namespace belvo {
namespace {

QImage Decode(std::string_view bytes, const char* format)
{
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), format);
    return image;
}

TEST(BuiltinPictures, DecodeAtTheSizesThePagesAskFor)
{
    // The HTML page shows the logo at 142 x 92 and the legend picture at 256 x 153.
    const QImage logo = Decode(BuiltinLogoBmp(), "BMP");
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.size(), QSize(284, 184));
    EXPECT_EQ(BuiltinLogoBmp().substr(0, 2), "BM");

    const QImage block = Decode(BuiltinLegendGif(), "GIF");
    ASSERT_FALSE(block.isNull());
    EXPECT_EQ(block.size(), QSize(256, 153));
    EXPECT_EQ(BuiltinLegendGif().substr(0, 6), "GIF89a");
    // The LZW stream decodes to the drawing, not to noise: the white margin and the brick face.
    EXPECT_EQ(block.pixelColor(2, 2), QColor(255, 255, 255));
    EXPECT_EQ(block.pixelColor(33, 20), QColor(140, 40, 28));
    EXPECT_EQ(logo.pixelColor(100, 107), QColor(0, 128, 0));
}

}  // namespace
}  // namespace belvo
