#include "game/ExpertCandidates.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <utility>

#include "ai/CardValue.h"
#include "game/StandardDecider.h"
#include "game/qlGame.h"

namespace {

using Candidates = std::vector<ExpertCandidate>;

// The kind, then the ids of the cards taken in ascending order, two bytes each, the high byte
// first so that the bytes of two ids order as the ids do. Each id goes into its place as it
// comes: a label of a few cards is made within the string's own room.
std::string Label(DecisionKind kind, const Choice& choice) {
    std::string label(1, static_cast<char>(kind));
    if (kind == DecisionKind::Role) {
        label.push_back(static_cast<char>(choice.role));
        return label;
    }
    for (const Card& card : choice.cards) {
        const BuildingId id = card->Id();
        const std::array<char, 2> bytes{static_cast<char>((id >> 8) & 0xFF),
                                        static_cast<char>(id & 0xFF)};
        std::size_t at = 1;
        while (at < label.size() && std::memcmp(label.data() + at, bytes.data(), 2) <= 0) {
            at += 2;
        }
        label.insert(at, bytes.data(), 2);
    }
    return label;
}

void Add(Candidates& candidates, DecisionKind kind, Choice choice) {
    std::string label = Label(kind, choice);
    if (std::none_of(candidates.begin(), candidates.end(),
                     [&label](const ExpertCandidate& c) { return c.label == label; })) {
        candidates.push_back({std::move(label), std::move(choice)});
    }
}

// What a decision's choice is made of: from `least` to `most` cards of `pool`.
struct Shape {
    qlCards pool;
    Long least = 0;
    Long most = 0;
    // The cards taken are given up (a payment, the chapel, the crane's cover, the black
    // market's goods): the likelier ways give up less worth. Otherwise they are kept or used,
    // and the likelier ways take more worth.
    bool spends = false;
    // The choice's givenUp holds the cards not taken, in pool order (a keep, a hand limit).
    bool splits = false;
};

// The cards of a pool of one name, in pool order; names in the order they first appear.
struct Group {
    BuildingId id = 0;
    Long size = 0;
    Card first;
};

// How many cards of each group a choice takes.
using Takes = std::vector<Long>;

std::vector<Group> Groups(const qlCards& pool) {
    std::vector<Group> groups;
    for (const Card& card : pool) {
        const auto known = std::find_if(groups.begin(), groups.end(),
                                        [&card](const Group& g) { return g.id == card->Id(); });
        if (known == groups.end()) {
            groups.push_back({card->Id(), 1, card});
        } else {
            ++known->size;
        }
    }
    return groups;
}

Long Total(const Takes& takes) {
    return std::accumulate(takes.begin(), takes.end(), Long{0});
}

// Every way to take from shape.least to shape.most cards, groups g on, into `ways`, each once;
// false once there would be more than `limit`. `left` is the cards of groups g on.
bool AllWays(const std::vector<Group>& groups, const Shape& shape, std::size_t g, Long left,
             Takes& takes, Long taken, std::vector<Takes>& ways, std::size_t limit) {
    if (taken + left < shape.least) {
        return true;  // too few cards left to reach the least
    }
    if (g == groups.size()) {
        if (ways.size() == limit) {
            return false;
        }
        ways.push_back(takes);
        return true;
    }
    const Long room = std::min(shape.most - taken, groups[g].size);
    for (Long k = 0; k <= room; ++k) {
        takes[g] = k;
        if (!AllWays(groups, shape, g + 1, left - groups[g].size, takes, taken + k, ways, limit)) {
            return false;
        }
    }
    takes[g] = 0;
    return true;
}

// The ways one card away from `standard`: a card fewer, one more, or one exchanged for a card
// of another name, the likeliest first by the card value of the names.
std::vector<Takes> Neighbours(const std::vector<Group>& groups, const Shape& shape,
                              const Takes& standard, ai::CardValues& values) {
    std::vector<double> worth;
    for (const Group& group : groups) {
        worth.push_back(values.Of(*group.first));
    }
    std::vector<std::size_t> out;  // the names to take fewer of, likeliest first
    std::vector<std::size_t> in;   // the names to take more of
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (standard[g] > 0) {
            out.push_back(g);
        }
        if (standard[g] < groups[g].size) {
            in.push_back(g);
        }
    }
    const auto byWorth = [&worth](bool ascending) {
        return [&worth, ascending](std::size_t a, std::size_t b) {
            return ascending ? worth[a] < worth[b] : worth[a] > worth[b];
        };
    };
    std::stable_sort(out.begin(), out.end(), byWorth(!shape.spends));
    std::stable_sort(in.begin(), in.end(), byWorth(shape.spends));
    std::vector<std::pair<std::size_t, Takes>> ranked;
    const Long total = Total(standard);
    const auto offer = [&](std::size_t rank, Takes takes) {
        const Long count = Total(takes);
        if (count >= shape.least && count <= shape.most) {
            ranked.emplace_back(rank, std::move(takes));
        }
    };
    for (std::size_t i = 0; i < out.size(); ++i) {
        Takes fewer = standard;
        --fewer[out[i]];
        offer(i, std::move(fewer));
        for (std::size_t j = 0; j < in.size(); ++j) {
            if (in[j] != out[i]) {
                Takes swapped = standard;
                --swapped[out[i]];
                ++swapped[in[j]];
                offer(i + j + 1, std::move(swapped));
            }
        }
    }
    if (total < shape.most) {
        for (std::size_t j = 0; j < in.size(); ++j) {
            Takes more = standard;
            ++more[in[j]];
            offer(j, std::move(more));
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Takes> ways;
    for (auto& [rank, takes] : ranked) {
        ways.push_back(std::move(takes));
    }
    return ways;
}

// The choice that takes `takes` of the pool: the first cards of each name, in pool order.
Choice Make(const std::vector<Group>& groups, const Shape& shape, const Takes& takes) {
    Choice choice;
    Takes left = takes;
    for (const Card& card : shape.pool) {
        const auto g = static_cast<std::size_t>(
            std::find_if(groups.begin(), groups.end(),
                         [&card](const Group& group) { return group.id == card->Id(); }) -
            groups.begin());
        if (left[g] > 0) {
            --left[g];
            choice.cards.AddCard(card);
        } else if (shape.splits) {
            choice.givenUp.AddCard(card);
        }
    }
    return choice;
}

Takes TakesOf(const std::vector<Group>& groups, const qlCards& cards) {
    Takes takes(groups.size(), 0);
    for (const Card& card : cards) {
        for (std::size_t g = 0; g < groups.size(); ++g) {
            if (groups[g].id == card->Id()) {
                ++takes[g];
            }
        }
    }
    return takes;
}

// The standard rules' choice. Their crane chooses at random, from the game's own sequence: the
// crane's standard choice here is to build over nothing.
Choice StandardChoice(const qlGame& game, const Decision& decision) {
    if (decision.kind == DecisionKind::CraneCover) {
        return {};
    }
    StandardDecider standard;
    Random::Stream unused(Random::SeededSource(0));
    return standard.Answer(game, decision, unused);
}

Shape ShapeOf(const qlGame& game, const Decision& decision, const Choice& standard) {
    const qlCards& options = decision.options;
    const Long offered = options.Count();
    switch (decision.kind) {
        case DecisionKind::Chapel:
        case DecisionKind::CraneCover:
            return {options, 0, 1, true, false};
        case DecisionKind::HandLimit:
            return {options, decision.count, decision.count, false, true};
        case DecisionKind::BlackMarket:
            return {options, 0, decision.count, true, false};
        case DecisionKind::Build:
            return {game.Player(decision.seat).GetBuildableCards(decision.savings), 0, 1, false,
                    false};
        case DecisionKind::Payment: {
            const Long cost = std::min<Long>(decision.count, offered);
            return {options, cost, cost, true, false};
        }
        case DecisionKind::CouncilKeep: {
            // With the Archive, as many as the standard rules keep.
            const Long keep =
                decision.archive ? standard.cards.Count() : std::min<Long>(decision.keep, offered);
            return {options, keep, keep, false, true};
        }
        case DecisionKind::GoldMine:
            return {options, 1, 1, false, false};
        case DecisionKind::Produce:
        case DecisionKind::Trade: {
            const Long most = std::min<Long>(decision.count, offered);
            return {options, most, most, false, false};
        }
        case DecisionKind::Role:
        case DecisionKind::None:
            break;
    }
    return {};
}

}  // namespace

std::vector<ExpertCandidate> ExpertCandidates(const qlGame& game, const Decision& decision) {
    Candidates candidates;
    if (decision.kind == DecisionKind::None) {
        return candidates;
    }
    candidates.reserve(kMostCandidates);
    Choice standard = StandardChoice(game, decision);
    if (decision.kind == DecisionKind::Role) {
        Add(candidates, decision.kind, standard);
        for (int role = 0; role < kRoleCount; ++role) {
            if (decision.rolesFree[static_cast<std::size_t>(role)]) {
                Add(candidates, decision.kind, Choice{.role = role});
            }
        }
        return candidates;
    }
    const Shape shape = ShapeOf(game, decision, standard);
    const std::vector<Group> groups = Groups(shape.pool);
    const Takes standardTakes = TakesOf(groups, standard.cards);
    Add(candidates, decision.kind, std::move(standard));
    std::vector<Takes> ways;
    Takes takes(groups.size(), 0);
    if (!AllWays(groups, shape, 0, shape.pool.Count(), takes, 0, ways, kMostCandidates)) {
        const qlGame::OtherSeats others = game.OthersAfter(decision.seat);  // held for values
        ai::CardValues values(game.Player(decision.seat), others);
        ways = Neighbours(groups, shape, standardTakes, values);
    }
    for (const Takes& way : ways) {
        if (candidates.size() == kMostCandidates) {
            break;
        }
        Add(candidates, decision.kind, Make(groups, shape, way));
    }
    return candidates;
}
