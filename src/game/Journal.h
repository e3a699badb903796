#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cards/Card.h"
#include "core/Types.h"
#include "game/ComputerLevel.h"
#include "game/Decision.h"

// The journal of a game in progress: a plain text file that names the game (its seed and
// settings) and then holds, one line each and in order, every answer of the seats that answer
// later: the human's, and the strong or expert seats' looked-ahead choices (with the state of their
// own generators after each, so that a game taken up never has to think them again). The game is a
// function of these, so the journal is the whole saved game.
//
//   quellin journal 1
//   program 1.0.0
//   started 2026-12-09 21:30
//   catalogue 9c3f0a1b2d4e5f60
//   seed 1234
//   players 3
//   seat 2
//   computer strong
//   settings 1 1 1 1 1 4
//   2 role 3
//   2 keep 1 / 0
//   settings 1 1 0 1 1 6
//   3 build 4 @ 3fa91c0e77d2b541
//
// An answer names its seat, its decision and the cards chosen by their places among the
// decision's options and then the cards offered, "/" starting the cards given up. A settings
// line after the header is the player changing the table's settings; the last one holds.

// A journal that cannot be taken up; the message says why in one sentence, naming the file and
// the line.
class JournalError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The table's settings a game was played with.
struct JournalSettings {
    bool cardDetails = true;
    bool logicalPositions = true;
    bool emptySelectors = true;
    bool statusMessages = true;
    bool goldMineViews = true;
    Integer delay = 4;  // half-seconds
    friend bool operator==(const JournalSettings&, const JournalSettings&) = default;
};

struct JournalHeader {
    std::string program;    // the version that played it
    std::string started;    // the date and time, as the start dialog shows it
    std::string catalogue;  // CatalogueDigest of the catalogue it was dealt from
    std::uint64_t seed = 0;
    Integer players = 4;
    Integer humanSeat = 2;
    ComputerLevel computers = ComputerLevel::Standard;
    JournalSettings settings;
};

// One answer as the journal holds it.
struct JournalAnswer {
    Integer seat = 0;
    DecisionKind kind = DecisionKind::None;
    int role = -1;
    std::vector<int> cards;  // places in the pool of the decision (see JournalPool)
    std::vector<int> givenUp;
    std::optional<std::uint64_t> thinker;  // a thinking seat's generator after its choice
    int line = 0;                          // where it was read
};

struct Journal {
    JournalHeader header;
    std::vector<JournalAnswer> answers;
    // A last line cut short (the program ended while it was being written): dropped, as the
    // game never acted on it; the bytes of the journal up to it are `keptBytes`.
    std::optional<std::string> droppedLine;
    std::uintmax_t keptBytes = 0;
};

inline constexpr int kJournalFormat = 1;

// The header lines, each ending in a line feed.
std::string JournalHeaderText(const JournalHeader& header);
// The settings line: in the header, and again wherever the player changed a setting.
std::string JournalSettingsText(const JournalSettings& settings);
// The line of `choice` answered to `decision`, with its line feed.
std::string JournalAnswerText(const Decision& decision, const Choice& choice,
                              std::optional<std::uint64_t> thinker = {});
// The cards an answer to `decision` may name: its options, then the cards offered that are not
// among them.
std::vector<Card> JournalPool(const Decision& decision);
// The choice `answer` stands for at `decision`; a JournalError naming `file` and the line when
// it does not fit the decision.
Choice JournalChoice(const JournalAnswer& answer, const Decision& decision,
                     const std::string& file);

// Reads a journal; every fault is a JournalError naming `file`, the line and the value.
Journal ReadJournal(std::istream& in, const std::string& file);
Journal ReadJournalFile(const std::filesystem::path& file);

// A digest of the catalogue file's bytes (64-bit FNV-1a, in hexadecimal): a journal dealt from
// another catalogue cannot be taken up.
std::string CatalogueDigest(const std::filesystem::path& file);
