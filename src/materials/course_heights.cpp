#include "materials/course_heights.h"

namespace belvo {

std::vector<CCislo> NabidkaVysek(const CCislo& height, const CCislo& course)
{
    std::vector<CCislo> heights;
    if (!(course > CCislo(0))) return heights;
    const CCislo whole = height / course;
    if (whole * course == height) return heights;
    for (int more = 2; more >= -2; --more) {
        const CCislo offered = (whole + CCislo(more)) * course;
        if (offered > CCislo(0)) heights.push_back(offered);
    }
    return heights;
}

std::string TextVysky(const CCislo& height, const Separators& separators)
{
    // Padded, never cut: a longer number keeps all its digits.
    std::string text = height.Format(separators);
    if (text.size() < 6) text.insert(0, 6 - text.size(), ' ');
    return text + " mm ";
}

}  // namespace belvo
