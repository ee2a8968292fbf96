// The program's pictures: compiled into the program as resources and drawn by the SVG icon
// engine, one picture for every tree picture index the element kinds use, and every command's.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include <QImage>
#include <QPixmap>

#include "document/element_commands.h"
#include "gui/icons.h"
#include "model/element.h"

namespace belvo::gui {
namespace {

// How much of a picture drawn at `size` pixels is not transparent (0 to 1).
double Coverage(const QIcon& icon, int size)
{
    const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) return 0;
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128) ++opaque;
    return double(opaque) / (image.width() * image.height());
}

// A picture is there and draws something real at both toolbar sizes.
void ExpectDrawn(const QIcon& icon, const QString& what)
{
    ASSERT_FALSE(icon.isNull()) << what.toStdString();
    for (int size : {16, 24}) {
        const QPixmap pixmap = icon.pixmap(size, size);
        ASSERT_FALSE(pixmap.isNull()) << what.toStdString() << " at " << size;
        EXPECT_EQ(pixmap.width(), size) << what.toStdString();
        EXPECT_GT(Coverage(icon, size), 0.15) << what.toStdString() << " at " << size << " px is nearly empty";
    }
}

QImage Rendered(const QIcon& icon) { return icon.pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32); }

TEST(Icons, EveryElementKindHasAPictureOfItsOwn)
{
    const QString neutral = TreeIconPath(-1);
    for (const InsertCommandInfo& info : InsertCommands()) {
        const std::unique_ptr<CPrvek> prvek = NovyPrvek(info.command, "");
        const int picture = prvek->TreePicture();
        EXPECT_NE(TreeIconPath(picture), neutral) << info.menuText << ": picture " << picture << " has none";
        ExpectDrawn(TreeIcon(picture), QString::fromUtf8(info.menuText));
    }
    // The project, "Návrhy" and the saved proposals of the whole project and of a part.
    for (int picture : {0, 2, 24, 25}) {
        EXPECT_NE(TreeIconPath(picture), neutral) << picture;
        ExpectDrawn(TreeIcon(picture), QString::number(picture));
    }
}

TEST(Icons, NoTwoTreePicturesLookAlike)
{
    std::map<int, QImage> images;
    for (int picture : TreePictureIndices()) images[picture] = Rendered(TreeIcon(picture));
    images[-1] = Rendered(TreeIcon(-1));
    for (auto a = images.begin(); a != images.end(); ++a)
        for (auto b = std::next(a); b != images.end(); ++b)
            EXPECT_NE(a->second, b->second) << "pictures " << a->first << " and " << b->first;
}

TEST(Icons, AnIndexWithoutAPictureGetsTheNeutralOne)
{
    const QImage neutral = Rendered(TreeIcon(-1));
    ExpectDrawn(TreeIcon(-1), QStringLiteral("neutral"));
    for (int picture : {4, 5, 7, 8, 29, 1000, -7}) EXPECT_EQ(Rendered(TreeIcon(picture)), neutral) << picture;
}

TEST(Icons, EveryCommandAndTheProgramHaveTheirPicture)
{
    for (const QString& name : ActionIconNames()) ExpectDrawn(ActionIcon(name), name);
    ExpectDrawn(ProgramIcon(), QStringLiteral("program"));
    EXPECT_TRUE(ActionIcon(QStringLiteral("no-such-command")).isNull());
}

}  // namespace
}  // namespace belvo::gui
