#include "platform/qt/qt_shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace belvo {

bool QtShell::OpenInViewer(const std::string& path)
{
    const QFileInfo file(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
    if (path.empty() || !file.exists()) return false;
    // The desktop's services belong to the GUI application; without one there is nobody to ask.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

bool QtShell::StartCalculator()
{
    for (const char* name : kCalculatorPrograms) {
        const QString program = QStandardPaths::findExecutable(QLatin1String(name));
        if (!program.isEmpty() && QProcess::startDetached(program, {})) return true;
    }
    return false;
}

}  // namespace belvo
