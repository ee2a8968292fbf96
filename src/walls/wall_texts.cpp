#include "walls/wall_texts.h"

namespace belvo {

std::string FormatCislo(const CCislo& value)
{
    // The Czech separators the program's texts use.
    static const Separators czech{",", " "};
    return value.Format(czech);
}

std::string MaterialTextSeSirkou(const std::string& materialText, const CCislo& otoceni, const CCislo& sirka)
{
    if (otoceni >= CCislo(1)) return materialText + " (šířka zdiva " + FormatCislo(sirka) + ")";
    return materialText;
}

}  // namespace belvo
