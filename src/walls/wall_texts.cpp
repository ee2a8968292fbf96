#include "walls/wall_texts.h"

namespace belvo {

std::string MaterialTextSeSirkou(const std::string& materialText, const CCislo& otoceni, const CCislo& sirka,
                                 const Separators& separators)
{
    if (otoceni >= CCislo(1)) return materialText + " (šířka zdiva " + sirka.Format(separators) + ")";
    return materialText;
}

}  // namespace belvo
