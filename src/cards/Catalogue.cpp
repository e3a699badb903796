#include "cards/Catalogue.h"

#include <charconv>
#include <fstream>
#include <limits>
#include <map>
#include <mutex>

#include "core/DataFolder.h"
#include "core/FileReading.h"

namespace {

struct Location {
    const std::string& fileName;
    long line;
};

[[noreturn]] void Fail(const Location& at, const std::string& what) {
    throw CatalogueError(at.fileName + ", line " + std::to_string(at.line) + ": " + what);
}

// A whole number within the range of T, blanks around it allowed.
template <typename T>
T ToWholeNumber(const std::string& key, const std::string& value, const Location& at) {
    const auto first = value.find_first_not_of(" \t");
    const auto last = value.find_last_not_of(" \t");
    long long number = 0;
    bool ok = first != std::string::npos;
    if (ok) {
        const char* begin = value.data() + first + (value[first] == '+' ? 1 : 0);
        const char* end = value.data() + last + 1;
        const auto [rest, error] = std::from_chars(begin, end, number);
        ok = begin != end && error == std::errc() && rest == end;
    }
    if (!ok) {
        Fail(at, "the value \"" + value + "\" of \"" + key + "\" is not a whole number");
    }
    if (number < std::numeric_limits<T>::min() || number > std::numeric_limits<T>::max()) {
        Fail(at, "the value \"" + value + "\" of \"" + key + "\" lies outside " +
                     std::to_string(std::numeric_limits<T>::min()) + " to " +
                     std::to_string(std::numeric_limits<T>::max()));
    }
    return static_cast<T>(number);
}

// A count on a card (its cost, points or copies) is never below nought.
Integer ToCount(const std::string& key, const std::string& value, const Location& at) {
    const auto number = ToWholeNumber<Integer>(key, value, at);
    if (number < 0) {
        Fail(at, "the value \"" + value + "\" of \"" + key + "\" is negative");
    }
    return number;
}

// More cards than this in all cannot be a real catalogue; a game would only exhaust memory.
constexpr long long kMostCards = 10000;

// The records read so far and their cards in all, with the line that set the pending
// record's number: a total over the limit names that line.
struct Collected {
    std::vector<CatalogueRecord> records;
    long long cards = 0;
    long numberLine = 0;
};

void AddPending(const CatalogueRecord& working, Collected& collected, const std::string& fileName) {
    if (working.number <= 0) {
        return;
    }
    collected.cards += working.number;
    if (collected.cards > kMostCards) {
        Fail({fileName, collected.numberLine}, "the value \"" + std::to_string(working.number) +
                                                   "\" of \"Number\" brings the cards to " +
                                                   std::to_string(collected.cards) +
                                                   ", more than " + std::to_string(kMostCards));
    }
    collected.records.push_back(working);
}

}  // namespace

std::vector<CatalogueRecord> ReadCatalogue(std::istream& in, const std::string& fileName) {
    Collected collected;
    CatalogueRecord working;
    std::string line;
    Location at{fileName, 0};
    while (std::getline(in, line)) {
        ++at.line;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto colon = line.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, colon);
        const std::string value = line.substr(colon + 1);  // whole, further colons and all
        if (key == "Cardname") {
            if (!working.name.empty()) {
                AddPending(working, collected, fileName);
            }
            working.name = value;
        } else if (key == "Description") {
            working.description = value;
        } else if (key == "Cost") {
            working.cost = ToCount(key, value, at);
        } else if (key == "VP") {
            working.victoryPoints = ToCount(key, value, at);
        } else if (key == "Number") {
            working.number = ToCount(key, value, at);
            collected.numberLine = at.line;
        } else if (key == "Type") {
            working.type = ToWholeNumber<Long>(key, value, at);
        }
    }
    AddPending(working, collected, fileName);
    if (collected.records.empty()) {
        throw CatalogueError(fileName + ": the catalogue holds no card");
    }
    return collected.records;
}

std::vector<CatalogueRecord> ReadCatalogueFile(const std::filesystem::path& file) {
    if (const std::string problem = WhyUnreadable(file); !problem.empty()) {
        throw CatalogueError(problem);
    }
    std::ifstream in(file, std::ios::binary);
    return ReadCatalogue(in, file.string());
}

std::shared_ptr<const std::vector<CatalogueEntry>> LoadCatalogueEntries(
    const std::filesystem::path& file) {
    struct Cached {
        std::uintmax_t size;
        std::filesystem::file_time_type time;
        std::shared_ptr<const std::vector<CatalogueEntry>> entries;
    };
    static std::mutex lock;
    static std::map<std::filesystem::path, Cached> cache;

    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    const std::filesystem::file_time_type time = std::filesystem::last_write_time(file, error);
    if (!error) {
        const std::scoped_lock guard(lock);
        const auto it = cache.find(file);
        if (it != cache.end() && it->second.size == size && it->second.time == time) {
            return it->second.entries;
        }
    }
    auto entries = std::make_shared<std::vector<CatalogueEntry>>();
    for (const CatalogueRecord& r : ReadCatalogueFile(file)) {
        entries->push_back(
            {&Building::Find(r.cost, r.victoryPoints, r.name, r.description, r.type), r.number});
    }
    if (!error) {
        const std::scoped_lock guard(lock);
        cache.insert_or_assign(file, Cached{size, time, entries});
    }
    return entries;
}

const std::filesystem::path& CatalogueFile() {
    static const std::filesystem::path file = DataFolder() / "scripts" / "DeckInfo.txt";
    return file;
}
