// What the engine asks of the operating system: locale separators, names, folders, time.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/decimal.h"

namespace belvo {

// A calendar time in local time, as the outputs print it.
struct LocalTime {
    int year = 1970;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual Separators NumberSeparators() const = 0;
    virtual std::string ComputerName() const = 0;
    virtual std::string UserName() const = 0;
    virtual std::string TempDirectory() const = 0;
    virtual LocalTime Now() const = 0;
};

// Fixed values for tests: ',' and ' ' as separators, a fixed clock.
class FixedSystemInfo : public SystemInfo {
public:
    Separators separators;
    std::string computerName = "STROJ";
    std::string userName = "uzivatel";
    std::string tempDirectory = "/tmp";
    LocalTime now{2016, 5, 15, 14, 30, 0};

    Separators NumberSeparators() const override { return separators; }
    std::string ComputerName() const override { return computerName; }
    std::string UserName() const override { return userName; }
    std::string TempDirectory() const override { return tempDirectory; }
    LocalTime Now() const override { return now; }
};

}  // namespace belvo
