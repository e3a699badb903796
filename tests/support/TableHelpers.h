#pragma once

#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cards/qlCards.h"
#include "core/Random.h"
#include "players/qlPlayer.h"

// Small table states for tests, from the names of the game's catalogue.
namespace testing_support {

// A new card with the catalogue's values for `name`; an unknown name is violet, cost 1, 0 points.
Card MakeCard(const std::string& name);
// A new card of the building `card` is, after `change`: a card of another cost, name or type.
Card Altered(Card card, const std::function<void(Building&)>& change);
qlCards MakeDeck(const std::vector<std::string>& names);
std::vector<std::string> Names(const qlCards& cards);
std::vector<std::uint32_t> Ids(const qlCards& cards);
// Names separated by commas, in order; none for an empty text.
std::vector<std::string> Split(const std::string& names);

// A seat of a game with the values `game` (which must outlive it), with the given city (built
// through BuildCard) and hand, from comma-separated names.
std::unique_ptr<qlPlayer> Seat(const GameValues& game, const std::string& city,
                               const std::string& hand = "", bool roleBenefit = false,
                               bool libraryActive = false);
// The same in a four-player game at its start.
std::unique_ptr<qlPlayer> Seat(const std::string& city, const std::string& hand = "",
                               bool roleBenefit = false, bool libraryActive = false);
// The values of a four-player game at its start, without pauses.
const GameValues& StartValues();
// Puts a good on the first production building without one of each name given.
void PutGoods(qlPlayer& player, const std::vector<std::string>& names);

// Writes a catalogue of `cards` cards in all (at least the game's own 110) into the temporary
// folder and returns its path: the game's buildings, then made-up ones named "Hall 1",
// "Hall 2", ... of ten copies each, production and violet by turns, costing 1 to 5.
std::filesystem::path WriteLargeCatalogue(int cards);

// The whole of a file as it is on disk; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& file);
// A folder of the temporary folder named after `name` and the process, created empty: the same
// test runs at once under several platforms.
std::filesystem::path FreshFolder(const std::string& name);
// Writes `text` to the file `name` of the temporary folder and returns its path.
std::filesystem::path WriteTempFile(const std::string& name, const std::string& text);
// The lines of a text whose every line ends in CR LF.
std::vector<std::string> Lines(const std::string& text);

// The message of the exception of type E that `run` throws; "no error" when it throws none.
template <typename E = std::exception>
std::string ErrorOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const E& error) {
        return error.what();
    }
    return "no error";
}

}  // namespace testing_support
