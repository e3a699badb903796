#include "players/qlPlayer.h"

namespace {

// The Triumphal Arch's bonus for how many of the three monuments the city holds.
int ArchBonus(int monuments) {
    constexpr int kBonus[] = {0, 4, 6, 8};
    return kBonus[monuments];
}

// Adds a bonus to the total, and to the breakdown when one is being filled.
void AddBonus(int& total, ScoreBreakdown* parts, const char* building, int points, int counted) {
    total += points;
    if (parts) {
        parts->bonuses.push_back({building, points, counted});
    }
}

// The scoring rules, walked once: Points() asks for the total only, PointsBreakdown() has every
// part written down as it is added, so that the two can never disagree.
int Score(const qlPlayer& seat, ScoreBreakdown* parts) {
    const bool palace = seat.HasBuiltCard("Palace");
    const bool guildHall = seat.HasBuiltCard("Guild Hall");
    const bool arch = seat.HasBuiltCard("Triumphal Arch");
    const bool cityHall = seat.HasBuiltCard("City Hall");
    const int monuments = (seat.HasBuiltCard("Statue") ? 1 : 0) +
                          (seat.HasBuiltCard("Victory Column") ? 1 : 0) +
                          (seat.HasBuiltCard("Hero") ? 1 : 0);

    const auto [printed, violet, production] = seat.CityCounts();
    int total = printed;
    if (parts) {
        parts->buildingCount = static_cast<int>(seat.BuiltCards().Count());
        parts->buildings = printed;
        parts->chapel = seat.ChapelPoints();
    }
    if (cityHall) {
        AddBonus(total, parts, "City Hall", violet, violet);
    }
    if (guildHall) {
        AddBonus(total, parts, "Guild Hall", 2 * production, production);
    }
    if (arch) {
        AddBonus(total, parts, "Triumphal Arch", ArchBonus(monuments), monuments);
    }
    total += seat.ChapelPoints();
    if (palace) {
        AddBonus(total, parts, "Palace", total / 4, total);
    }
    return total;
}

}  // namespace

Integer qlPlayer::Points() const {
    return static_cast<Integer>(Score(*this, nullptr));
}

ScoreBreakdown qlPlayer::PointsBreakdown() const {
    ScoreBreakdown parts;
    Score(*this, &parts);
    return parts;
}
