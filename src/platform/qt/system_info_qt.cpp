#include "platform/qt/system_info_qt.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QSysInfo>
#include <QTimeZone>

#include <cstdlib>

namespace belvo {

Separators QtSystemInfo::NumberSeparators() const
{
    // QLocale::system() follows LC_ALL, LC_NUMERIC and LANG on Linux.
    const QLocale locale = QLocale::system();
    Separators s;
    s.decimal = locale.decimalPoint().toStdString();
    s.thousands = locale.groupSeparator().toStdString();
    if (s.decimal.empty()) s.decimal = ".";
    if (s.thousands.empty()) s.thousands = " ";
    return s;
}

std::string QtSystemInfo::ComputerName() const { return QSysInfo::machineHostName().toStdString(); }

std::string QtSystemInfo::UserName() const
{
    for (const char* name : {"USER", "LOGNAME", "USERNAME"})
        if (const char* value = std::getenv(name); value && *value) return value;
    return {};
}

std::string QtSystemInfo::TempDirectory() const { return QDir::tempPath().toStdString(); }

LocalTime QtSystemInfo::Now() const
{
    QDateTime now = QDateTime::currentDateTime();
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        bool ok = false;
        const qlonglong seconds = QByteArray(epoch).toLongLong(&ok);
        // Reproducible runs: the given instant, read in UTC so that the output is the same everywhere.
        if (ok) now = QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
    }
    const QDate d = now.date();
    const QTime t = now.time();
    return LocalTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

}  // namespace belvo
