#include "model/height_choice.h"

#include <algorithm>

#include "foundation/cp1250.h"
#include "platform/ui.h"

namespace belvo {

std::vector<std::string> SortedHeights(std::vector<std::string> entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const std::string& a, const std::string& b) { return CompareCp1250(a, b) < 0; });
    return entries;
}

std::size_t PreselectedHeight(const std::vector<std::string>& entries, const CCislo& current,
                              const Separators& separators)
{
    for (std::size_t i = entries.size(); i-- > 0;)
        if (CCislo::Parse(entries[i], separators) <= current) return i;
    return 0;
}

CCislo ChooseHeight(Ui& ui, const std::string& prompt, std::vector<std::string> entries, const CCislo& current,
                    const Separators& separators)
{
    if (entries.empty()) return CCislo();
    entries = SortedHeights(std::move(entries));
    std::size_t chosen = ui.ChooseHeight(prompt, entries, PreselectedHeight(entries, current, separators));
    if (chosen >= entries.size()) chosen = 0;
    return CCislo::Parse(entries[chosen], separators);
}

}  // namespace belvo
