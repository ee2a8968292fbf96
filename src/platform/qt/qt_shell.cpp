#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace belvo {

bool QtShell::OpenInViewer(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

bool QtShell::StartCalculator() { return false; }

}  // namespace belvo
