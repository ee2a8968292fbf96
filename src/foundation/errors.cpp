#include "foundation/errors.h"

#include <cstdio>

namespace belvo {

namespace {
std::string FaultText(const std::string& name, std::uint32_t code, std::uint32_t address)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "Exception %s (0x%.8x) at address 0x%.8x.", name.c_str(),
                  static_cast<unsigned>(code), static_cast<unsigned>(address));
    return buffer;
}
}  // namespace

CSeException::CSeException(const std::string& faultName, std::uint32_t code, std::uint32_t address)
    : BelvoError(FaultText(faultName, code, address)), m_name(faultName), m_code(code)
{
}

CSeException CSeException::DivideByZero() { return CSeException("INT_DIVIDE_BY_ZERO", 0xC0000094u); }

CSeException CSeException::Overflow() { return CSeException("INT_OVERFLOW", 0xC0000095u); }

FileError::FileError(const std::string& path, const std::string& cause)
    : BelvoError("Soubor \"" + path + "\": " + cause), m_path(path)
{
}

}  // namespace belvo
