// Exceptions of the engine. Every failure is an exception; the handler of a command or
// calculation step reports it (see report_failure in app/) and the work done before stays.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace belvo {

// Base of every failure the engine raises on purpose.
class BelvoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A processor fault as the program reports it: "Exception NAME (0xCODE) at address 0xADDR."
// Arithmetic faults of CCislo (division by zero, overflow) are raised as this class so that
// they are reported exactly like the faults of the original platform.
class CSeException : public BelvoError {
public:
    CSeException(const std::string& faultName, std::uint32_t code, std::uint32_t address = 0);
    const std::string& FaultName() const { return m_name; }
    std::uint32_t Code() const { return m_code; }

    static CSeException DivideByZero();
    static CSeException Overflow();

private:
    std::string m_name;
    std::uint32_t m_code;
};

// A file that cannot be opened, read or written. The message names the file and the cause.
class FileError : public BelvoError {
public:
    FileError(const std::string& path, const std::string& cause);
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

}  // namespace belvo
