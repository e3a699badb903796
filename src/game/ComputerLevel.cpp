#include "game/ComputerLevel.h"

#include <array>

#include "game/ExpertDecider.h"
#include "game/StrongDecider.h"

namespace {

constexpr std::array<std::string_view, 3> kNames{"standard", "strong", "expert"};

}  // namespace

std::string LevelName(ComputerLevel level) {
    return std::string(kNames[static_cast<std::size_t>(level)]);
}

std::optional<ComputerLevel> LevelNamed(std::string_view name) {
    for (std::size_t k = 0; k < kNames.size(); ++k) {
        if (kNames[k] == name) {
            return static_cast<ComputerLevel>(k);
        }
    }
    return std::nullopt;
}

std::string NoLevel(std::string_view name) {
    return "\"" + std::string(name) + "\" is neither " + std::string(kNames[0]) + ", " +
           std::string(kNames[1]) + " nor " + std::string(kNames[2]);
}

bool LooksAhead(ComputerLevel level, const Decision& decision) {
    switch (level) {
        case ComputerLevel::Strong:
            return StrongDecider::LooksAhead(decision);
        case ComputerLevel::Expert:
            return ExpertDecider::LooksAhead(decision);
        default:
            return false;
    }
}
