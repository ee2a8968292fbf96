// The desktop shell over Qt: which calculator starts, and how a file reaches the desktop's
// viewer.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

#include "platform/qt/qt_shell.h"
#include "support/temp_dir.h"

namespace belvo {
namespace {

// PATH holding only a folder of fake calculators, each of which notes its name in a file when
// it runs; the real PATH comes back at the end of the test.
class FakeCalculators : public ::testing::Test {
protected:
    FakeCalculators() : m_path(qgetenv("PATH")) { qputenv("PATH", QByteArray::fromStdString(bin.Path().string())); }
    ~FakeCalculators() override { qputenv("PATH", m_path); }

    void Install(const std::string& name, bool executable = true)
    {
        const std::string script = bin.File(name);
        test::TempDir::WriteBytes(script, "#!/bin/sh\necho " + name + " >> '" + Marker() + "'\n");
        std::filesystem::permissions(script,
                                     executable ? std::filesystem::perms::owner_all : std::filesystem::perms::owner_read);
    }
    std::string Marker() const { return log.File("started"); }
    // What ran, once the detached process has written its whole line (or after a few seconds).
    std::string Started() const
    {
        std::string started;
        for (int i = 0; i < 250; ++i) {
            if (std::filesystem::exists(Marker())) started = test::TempDir::ReadBytes(Marker());
            if (started.ends_with('\n')) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return started;
    }

    test::TempDir bin;
    test::TempDir log;

private:
    QByteArray m_path;
};

TEST_F(FakeCalculators, TheFirstCalculatorOnThePathStarts)
{
    struct Case {
        std::vector<std::string> installed;
        std::string started;
    };
    const Case cases[] = {
        {{"xcalc", "galculator", "kcalc", "gnome-calculator"}, "gnome-calculator\n"},
        {{"xcalc", "galculator", "kcalc"}, "kcalc\n"},
        {{"xcalc", "galculator"}, "galculator\n"},
        {{"xcalc"}, "xcalc\n"},
    };
    for (const Case& c : cases) {
        for (const auto& entry : std::filesystem::directory_iterator(bin.Path())) std::filesystem::remove(entry.path());
        std::filesystem::remove(Marker());
        for (const std::string& name : c.installed) Install(name);
        EXPECT_TRUE(QtShell().StartCalculator()) << c.started;
        EXPECT_EQ(Started(), c.started);
    }
}

TEST_F(FakeCalculators, AFileThatCannotRunIsNoCalculator)
{
    Install("gnome-calculator", false);
    Install("galculator");
    EXPECT_TRUE(QtShell().StartCalculator());
    EXPECT_EQ(Started(), "galculator\n");
}

TEST_F(FakeCalculators, NoCalculatorOnThePathAnswersFalse)
{
    Install("calc.exe");
    Install("bc");
    EXPECT_FALSE(QtShell().StartCalculator());
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(std::filesystem::exists(Marker()));
}

// Receives what the desktop would be asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

TEST(QtShellViewer, HandsTheDesktopTheFileAsALocalUrl)
{
    std::unique_ptr<QGuiApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "belvo-tests";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        GTEST_SKIP() << "another test made a core application";

    const test::TempDir folder;
    const std::string page = folder.File("návrh domu.html");
    test::TempDir::WriteBytes(page, "<html></html>");
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");

    QtShell shell;
    EXPECT_TRUE(shell.OpenInViewer(page));
    EXPECT_FALSE(shell.OpenInViewer(folder.File("chybí.html")));
    EXPECT_FALSE(shell.OpenInViewer(""));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    ASSERT_EQ(recorder.urls.size(), 1u);
    EXPECT_TRUE(recorder.urls[0].isLocalFile());
    EXPECT_EQ(recorder.urls[0].toLocalFile().toStdString(), page);
}

}  // namespace
}  // namespace belvo

#include "qt_shell_test.moc"
