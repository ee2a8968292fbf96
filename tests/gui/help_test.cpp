// The manual is found beside the program, installed or in the build tree, and everything its
// page refers to is shipped with it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "gui/help.h"
#include "support/temp_dir.h"

namespace belvo::gui {
namespace {

QString BuildDir() { return QString::fromUtf8(BELVO_BUILD_DIR); }

void WriteFile(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
}

TEST(Manual, IsFoundBesideTheProgramInstalledOrInTheBuildTree)
{
    const belvo::test::TempDir prefix;
    const QString root = QString::fromStdString(prefix.Path().string());
    WriteFile(root + "/installed/share/belvo/manual/index.html");
    QDir().mkpath(root + "/installed/bin");
    WriteFile(root + "/build/data/manual/index.html");
    QDir().mkpath(root + "/bare/bin");

    struct Case {
        QString programDirectory;
        QString expected;
    };
    const Case cases[] = {
        {root + "/installed/bin", root + "/installed/share/belvo/manual/index.html"},
        {root + "/build", root + "/build/data/manual/index.html"},
        {root + "/bare/bin", QString()},
        {root + "/missing", QString()},
        {QString(), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ManualFileNear(c.programDirectory), c.expected) << c.programDirectory.toStdString();
}

TEST(Manual, TheBuildTreeHoldsTheManualTheProgramFinds)
{
    const QString manual = ManualFileNear(BuildDir());
    ASSERT_FALSE(manual.isEmpty()) << "no manual under " << BuildDir().toStdString() << "/data/manual";
    QFile file(manual);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(page.contains(QStringLiteral("<html lang=\"cs\">")));

    // Every picture, stylesheet and link of the page lies beside it; every anchor is on the page.
    const QDir folder = QFileInfo(manual).dir();
    const QRegularExpression reference(QStringLiteral(R"re((?:src|href)="([^"]+)")re"));
    int references = 0;
    for (auto match = reference.globalMatch(page); match.hasNext();) {
        const QString target = match.next().captured(1);
        ++references;
        if (target.startsWith(u'#'))
            EXPECT_TRUE(page.contains(QStringLiteral("id=\"%1\"").arg(target.mid(1)))) << target.toStdString();
        else
            EXPECT_TRUE(QFileInfo::exists(folder.filePath(target))) << target.toStdString() << " is not shipped";
    }
    EXPECT_GT(references, 10);
}

}  // namespace
}  // namespace belvo::gui
