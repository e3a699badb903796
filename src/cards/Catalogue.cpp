#include "cards/Catalogue.h"

#include <charconv>
#include <fstream>
#include <limits>

#include "core/ProgramFolder.h"

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

void AddPending(const CatalogueRecord& working, std::vector<CatalogueRecord>& records) {
    if (working.number > 0) {
        records.push_back(working);
    }
}

}  // namespace

std::vector<CatalogueRecord> ReadCatalogue(std::istream& in, const std::string& fileName) {
    std::vector<CatalogueRecord> records;
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
        const auto valueEnd = line.find(':', colon + 1);
        const std::string value =
            line.substr(colon + 1, valueEnd == std::string::npos ? valueEnd : valueEnd - colon - 1);
        if (key == "Cardname") {
            if (!working.name.empty()) {
                AddPending(working, records);
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
        } else if (key == "Type") {
            working.type = ToWholeNumber<Long>(key, value, at);
        }
    }
    AddPending(working, records);
    if (records.empty()) {
        throw CatalogueError(fileName + ": the catalogue holds no card");
    }
    return records;
}

std::vector<CatalogueRecord> ReadCatalogueFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw CatalogueError("File not found: " + file.string());
    }
    return ReadCatalogue(in, file.string());
}

std::filesystem::path CatalogueFile() {
    return ProgramFolder() / "scripts" / "DeckInfo.txt";
}
