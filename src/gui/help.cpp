#include "gui/help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>


namespace belvo::gui {

namespace {

constexpr const char* kInstalledManual = "share/belvo/manual/index.html";
constexpr const char* kBuildTreeManual = "data/manual/index.html";

QString ExistingFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() ? info.absoluteFilePath() : QString();
}

}  // namespace

QString ManualFileNear(const QString& programDirectory)
{
    if (programDirectory.isEmpty()) return {};
    const QDir program(programDirectory);
    QString found = ExistingFile(program.filePath(QStringLiteral("../") + QLatin1String(kInstalledManual)));
    if (found.isEmpty()) found = ExistingFile(program.filePath(QLatin1String(kBuildTreeManual)));
    return found;
}

QString ManualFile()
{
    const QString near = ManualFileNear(QCoreApplication::applicationDirPath());
    if (!near.isEmpty()) return near;
    // A program started through a link or a wrapper script from elsewhere still finds the
    // manual of a standard installation (/usr/share, /usr/local/share, XDG_DATA_DIRS).
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("belvo/manual/index.html"));
}

}  // namespace belvo::gui
