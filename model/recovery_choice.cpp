#include "model/recovery_choice.h"

#include <algorithm>

namespace {

constexpr std::string_view SetAsideSuffix = ".bad";

} // namespace

std::string setAsideName(std::string_view name) {
    return std::string(name) + std::string(SetAsideSuffix);
}

bool isSetAside(std::string_view name) {
    return name.size() >= SetAsideSuffix.size() &&
           name.substr(name.size() - SetAsideSuffix.size()) == SetAsideSuffix;
}

std::vector<std::size_t> copiesToOffer(const std::vector<RecoveryCandidate>& found) {
    std::vector<std::size_t> offered;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (!found[i].ownerAlive && !isSetAside(found[i].name))
            offered.push_back(i);
    }
    // Copies of the same moment in name order, so every start sees the same order.
    std::sort(offered.begin(), offered.end(), [&](std::size_t a, std::size_t b) {
        if (found[a].time != found[b].time)
            return found[a].time > found[b].time;
        return found[a].name < found[b].name;
    });
    return offered;
}
