#include "game/Journal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>

namespace {

constexpr std::array<std::pair<DecisionKind, const char*>, 11> kKindNames{{
    {DecisionKind::Role, "role"},
    {DecisionKind::Chapel, "chapel"},
    {DecisionKind::HandLimit, "hand-limit"},
    {DecisionKind::CraneCover, "crane"},
    {DecisionKind::BlackMarket, "black-market"},
    {DecisionKind::Build, "build"},
    {DecisionKind::Payment, "payment"},
    {DecisionKind::CouncilKeep, "keep"},
    {DecisionKind::GoldMine, "gold-mine"},
    {DecisionKind::Produce, "produce"},
    {DecisionKind::Trade, "trade"},
}};

const char* KindName(DecisionKind kind) {
    for (const auto& [k, name] : kKindNames) {
        if (k == kind) {
            return name;
        }
    }
    return "none";
}

std::string Hex(std::uint64_t value) {
    char text[17];
    const auto [end, ec] = std::to_chars(text, text + 16, value, 16);
    return std::string(16 - static_cast<std::size_t>(end - text), '0') + std::string(text, end);
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// Reads the lines of one journal, each fault a JournalError naming the file and the line.
class JournalReader {
  public:
    JournalReader(const std::string& file, int line) : mFile(file), mLine(line) {}

    [[noreturn]] void Fail(const std::string& why) const {
        throw JournalError(mFile + ", line " + std::to_string(mLine) + ": " + why);
    }

    template <typename Number>
    Number NumberOf(const std::string& text, Number least, Number most, int base = 10) const {
        Number value{};
        const char* end = text.data() + text.size();
        const auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
        if (text.empty() || ec != std::errc{} || ptr != end || value < least || value > most) {
            Fail("\"" + text + "\" is not a number from " + std::to_string(least) + " to " +
                 std::to_string(most));
        }
        return value;
    }

    // The value of the header line "key value".
    std::string Value(const std::string& line, const char* key) const {
        const std::string prefix = std::string(key) + " ";
        if (line.rfind(prefix, 0) != 0) {
            Fail("\"" + line + "\" is not the " + key + " line");
        }
        return line.substr(prefix.size());
    }

    JournalSettings Settings(const std::string& text) const {
        const std::vector<std::string> words = Words(text);
        if (words.size() != 6) {
            Fail("\"" + text + "\" is not six settings");
        }
        const auto flag = [&](std::size_t k) { return NumberOf<int>(words[k], 0, 1) == 1; };
        return {flag(0), flag(1), flag(2),
                flag(3), flag(4), NumberOf<Integer>(words[5], Integer{1}, Integer{20})};
    }

    JournalAnswer Answer(const std::string& text) const {
        const std::vector<std::string> words = Words(text);
        JournalAnswer answer;
        answer.line = mLine;
        if (words.size() < 2) {
            Fail("\"" + text + "\" is no answer");
        }
        answer.seat = NumberOf<Integer>(words[0], Integer{1}, Integer{4});
        const auto kind = std::find_if(kKindNames.begin(), kKindNames.end(),
                                       [&](const auto& k) { return words[1] == k.second; });
        if (kind == kKindNames.end()) {
            Fail("\"" + words[1] + "\" is no decision of the game");
        }
        answer.kind = kind->first;
        std::vector<int>* into = &answer.cards;
        for (std::size_t k = 2; k < words.size(); ++k) {
            if (words[k] == "/" && into == &answer.cards) {
                into = &answer.givenUp;
            } else if (words[k] == "@" && k + 2 == words.size()) {
                answer.thinker = NumberOf<std::uint64_t>(words[k + 1], 0, UINT64_MAX, 16);
                break;
            } else {
                into->push_back(NumberOf<int>(words[k], 0, 999));
            }
        }
        if (answer.kind == DecisionKind::Role) {
            if (answer.cards.size() != 1 || !answer.givenUp.empty()) {
                Fail("\"" + text + "\" names no single role");
            }
            answer.role = answer.cards.front();
            answer.cards.clear();
        }
        return answer;
    }

    void SetLine(int line) { mLine = line; }

  private:
    const std::string& mFile;
    int mLine;
};

void ReadHeader(const std::vector<std::string>& lines, const std::string& file, Journal& journal) {
    constexpr int kHeaderLines = 9;
    JournalReader reader(file, 1);
    if (lines.empty() || lines[0].rfind("quellin journal ", 0) != 0) {
        reader.Fail("this is not a journal of a game");
    }
    const int format = reader.NumberOf<int>(lines[0].substr(16), 0, 1000000);
    if (format != kJournalFormat) {
        reader.Fail("the journal is of format " + std::to_string(format) +
                    ", where this program reads format " + std::to_string(kJournalFormat));
    }
    if (lines.size() < kHeaderLines) {
        JournalReader(file, static_cast<int>(lines.size()) + 1).Fail("the journal ends early");
    }
    JournalHeader& header = journal.header;
    const auto value = [&](int k, const char* key) {
        reader.SetLine(k + 1);
        return reader.Value(lines[static_cast<std::size_t>(k)], key);
    };
    header.program = value(1, "program");
    header.started = value(2, "started");
    header.catalogue = value(3, "catalogue");
    header.seed = reader.NumberOf<std::uint64_t>(value(4, "seed"), 0, UINT64_MAX);
    header.players = reader.NumberOf<Integer>(value(5, "players"), Integer{2}, Integer{4});
    header.humanSeat = reader.NumberOf<Integer>(value(6, "seat"), Integer{1}, header.players);
    const std::string computer = value(7, "computer");
    const std::optional<ComputerLevel> level = LevelNamed(computer);
    if (!level) {
        reader.Fail(NoLevel(computer));
    }
    header.computers = *level;
    header.settings = reader.Settings(value(8, "settings"));
}

}  // namespace

std::string JournalHeaderText(const JournalHeader& header) {
    std::ostringstream text;
    text << "quellin journal " << kJournalFormat << "\n"
         << "program " << header.program << "\n"
         << "started " << header.started << "\n"
         << "catalogue " << header.catalogue << "\n"
         << "seed " << header.seed << "\n"
         << "players " << header.players << "\n"
         << "seat " << header.humanSeat << "\n"
         << "computer " << LevelName(header.computers) << "\n"
         << JournalSettingsText(header.settings);
    return text.str();
}

std::string JournalSettingsText(const JournalSettings& s) {
    std::ostringstream text;
    text << "settings " << s.cardDetails << " " << s.logicalPositions << " " << s.emptySelectors
         << " " << s.statusMessages << " " << s.goldMineViews << " " << s.delay << "\n";
    return text.str();
}

std::vector<Card> JournalPool(const Decision& decision) {
    std::vector<Card> pool(decision.options.begin(), decision.options.end());
    for (const Card& card : decision.offered) {
        if (std::find(pool.begin(), pool.end(), card) == pool.end()) {
            pool.push_back(card);
        }
    }
    return pool;
}

std::string JournalAnswerText(const Decision& decision, const Choice& choice,
                              std::optional<std::uint64_t> thinker) {
    std::string text = std::to_string(decision.seat) + " " + KindName(decision.kind);
    if (decision.kind == DecisionKind::Role) {
        text += " " + std::to_string(choice.role);
    } else {
        const std::vector<Card> pool = JournalPool(decision);
        const auto places = [&](const qlCards& cards) {
            for (const Card& card : cards) {
                const auto found = std::find(pool.begin(), pool.end(), card);
                text += " " + std::to_string(found - pool.begin());
            }
        };
        places(choice.cards);
        if (choice.givenUp.Count() > 0) {
            text += " /";
            places(choice.givenUp);
        }
    }
    if (thinker) {
        text += " @ " + Hex(*thinker);
    }
    return text + "\n";
}

Choice JournalChoice(const JournalAnswer& answer, const Decision& decision,
                     const std::string& file) {
    const JournalReader reader(file, answer.line);
    if (answer.seat != decision.seat || answer.kind != decision.kind) {
        reader.Fail("the journal answers player " + std::to_string(answer.seat) + "'s " +
                    KindName(answer.kind) + " where the game asks player " +
                    std::to_string(decision.seat) + "'s " + KindName(decision.kind));
    }
    Choice choice;
    choice.role = answer.role;
    const std::vector<Card> pool = JournalPool(decision);
    const auto cards = [&](const std::vector<int>& places, qlCards& into) {
        for (const int place : places) {
            if (place >= static_cast<int>(pool.size())) {
                reader.Fail("card " + std::to_string(place) + " is not among the " +
                            std::to_string(pool.size()) + " cards on offer");
            }
            into.AddCard(pool[static_cast<std::size_t>(place)]);
        }
    };
    cards(answer.cards, choice.cards);
    cards(answer.givenUp, choice.givenUp);
    return choice;
}

Journal ReadJournal(std::istream& in, const std::string& file) {
    const std::string text(std::istreambuf_iterator<char>(in), {});
    Journal journal;
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    journal.keptBytes = start;
    if (start < text.size()) {
        journal.droppedLine = text.substr(start);
    }
    ReadHeader(lines, file, journal);
    JournalReader reader(file, 0);
    for (std::size_t k = 9; k < lines.size(); ++k) {
        reader.SetLine(static_cast<int>(k) + 1);
        if (lines[k].rfind("settings ", 0) == 0) {
            journal.header.settings = reader.Settings(lines[k].substr(9));
        } else {
            journal.answers.push_back(reader.Answer(lines[k]));
        }
    }
    return journal;
}

Journal ReadJournalFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw JournalError(file.string() + " cannot be read");
    }
    return ReadJournal(in, file.string());
}

std::string CatalogueDigest(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (std::istreambuf_iterator<char> c(in), end; c != end; ++c) {
        hash = (hash ^ static_cast<unsigned char>(*c)) * 0x100000001b3ULL;
    }
    return Hex(hash);
}
