#pragma once

#include <string>
#include <vector>

// A seat's points part by part, as the scoring adds them up: the printed points of its
// buildings, the cards under its chapel, and the bonus of each violet building that scores one.
struct ScoreBreakdown {
    struct Bonus {
        std::string building;  // "City Hall", "Guild Hall", "Triumphal Arch" or "Palace"
        int points = 0;
        // What the bonus counted: violet buildings, production buildings, monuments, or for
        // the Palace the points it takes a quarter of.
        int counted = 0;
    };

    int buildingCount = 0;
    int buildings = 0;           // printed points of the city
    int chapel = 0;              // one point a card under the chapel
    std::vector<Bonus> bonuses;  // in the order the scoring adds them; the Palace comes last

    int Total() const;
    // One line a part, then the total: "9 buildings: 14", "Chapel, 3 cards: 3",
    // "City Hall, 5 violet buildings: +5", "Palace, a quarter of 21: +5", "Total: 26".
    std::vector<std::string> Lines() const;
};
