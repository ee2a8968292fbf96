#include "platform/odbc/odbc_text.h"

#include "foundation/cp1250.h"
#include "foundation/utf8.h"

namespace belvo {

std::string OdbcTextToUtf8(std::string_view text)
{
    if (IsValidUtf8(text)) return std::string(text);
    return Cp1250ToUtf8(text);
}

}  // namespace belvo
