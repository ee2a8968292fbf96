#include "model/element_path.h"

#include <vector>

#include "model/projekt.h"

namespace belvo {

namespace {

std::vector<std::string_view> SplitPath(std::string_view path)
{
    std::vector<std::string_view> names;
    for (;;) {
        const std::size_t at = path.find(kPathSeparator);
        names.push_back(path.substr(0, at));
        if (at == std::string_view::npos) return names;
        path.remove_prefix(at + kPathSeparator.size());
    }
}

// Depth first, in tree order, so that among equal names the first match wins and a branch that
// does not lead to the rest of the path is left for its next sibling. The walk keeps its own
// stack: a deep tree cannot exhaust the call stack.
CPrvek* Find(CPrvek& start, const std::vector<std::string_view>& names)
{
    struct Step {
        CPrvek* element;
        std::size_t depth;  // names[depth] is what its children must match
    };
    std::vector<Step> pending{{&start, 1}};
    while (!pending.empty()) {
        const Step step = pending.back();
        pending.pop_back();
        if (step.depth == names.size()) return step.element;
        auto& children = step.element->Prvky;
        for (auto child = children.rbegin(); child != children.rend(); ++child)
            if ((*child)->Nazev == names[step.depth]) pending.push_back({child->get(), step.depth + 1});
    }
    return nullptr;
}

}  // namespace

CPrvek* NajdiPrvekPodleCesty(CProjekt& projekt, std::string_view path)
{
    const std::vector<std::string_view> names = SplitPath(path);
    if (names.front() != projekt.PrvniRadek()) return nullptr;
    return Find(projekt, names);
}

}  // namespace belvo
