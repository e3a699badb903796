#include "support/TableHelpers.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include <unistd.h>

#include "cards/Catalogue.h"

namespace testing_support {

Card MakeCard(const std::string& name) {
    static const std::vector<CatalogueRecord> catalogue = ReadCatalogueFile(CatalogueFile());
    const auto it = std::find_if(catalogue.begin(), catalogue.end(),
                                 [&name](const CatalogueRecord& r) { return r.name == name; });
    if (it == catalogue.end()) {
        return Card::New(Building::Find(1, 0, name, "", 1));
    }
    const CatalogueRecord& r = *it;
    return Card::New(Building::Find(r.cost, r.victoryPoints, r.name, r.description, r.type));
}

Card Altered(Card card, const std::function<void(Building&)>& change) {
    Building building = card->GetBuilding();
    change(building);
    return Card::New(Building::Find(building.cost, building.victoryPoints, building.name,
                                    building.description, building.type));
}

qlCards MakeDeck(const std::vector<std::string>& names) {
    qlCards deck;
    for (const std::string& name : names) {
        deck.AddCard(MakeCard(name));
    }
    return deck;
}

std::vector<std::string> Names(const qlCards& cards) {
    std::vector<std::string> names;
    std::transform(cards.begin(), cards.end(), std::back_inserter(names),
                   [](const Card& card) { return card->BuildingName(); });
    return names;
}

std::vector<std::uint32_t> Ids(const qlCards& cards) {
    std::vector<std::uint32_t> ids;
    std::transform(cards.begin(), cards.end(), std::back_inserter(ids),
                   [](const Card& card) { return card.Index(); });
    return ids;
}

std::vector<std::string> Split(const std::string& names) {
    std::vector<std::string> result;
    for (std::size_t start = 0; start < names.size();) {
        const std::size_t comma = std::min(names.find(',', start), names.size());
        result.push_back(names.substr(start, comma - start));
        start = comma + 1;
    }
    return result;
}

const GameValues& StartValues() {
    static const GameValues values;
    return values;
}

std::unique_ptr<qlPlayer> Seat(const std::string& city, const std::string& hand, bool roleBenefit,
                               bool libraryActive) {
    return Seat(StartValues(), city, hand, roleBenefit, libraryActive);
}

std::unique_ptr<qlPlayer> Seat(const GameValues& game, const std::string& city,
                               const std::string& hand, bool roleBenefit, bool libraryActive) {
    auto seat = std::make_unique<qlPlayer>(game);
    for (const std::string& name : Split(city)) {
        seat->BuildCard(MakeCard(name));
    }
    seat->SetCardsInHand(MakeDeck(Split(hand)));
    seat->SetGetsRoleBenefit(roleBenefit);
    seat->SetLibraryActive(libraryActive);
    return seat;
}

void PutGoods(qlPlayer& player, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        for (const Card& building : player.BuiltCards()) {
            if (building->BuildingName() == name && !player.GoodOn(*building)) {
                player.SetGood(building, MakeCard("Indigo Plant"));
                break;
            }
        }
    }
}

std::filesystem::path WriteLargeCatalogue(int cards) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("quellin-catalogue-of-" + std::to_string(cards) + ".txt");
    std::ofstream out(file, std::ios::binary);
    const auto write = [&out](const std::string& name, const std::string& description, int cost,
                              int points, int number, Long type) {
        out << "Cardname:" << name << "\nDescription:" << description << "\nCost:" << cost
            << "\nVP:" << points << "\nNumber:" << number << "\nType:" << type << "\n";
    };
    int left = cards;
    for (const CatalogueRecord& r : ReadCatalogueFile(CatalogueFile())) {
        write(r.name, r.description, r.cost, r.victoryPoints, r.number, r.type);
        left -= r.number;
    }
    for (int k = 1; left > 0; ++k) {
        const int number = std::min(left, 10);
        write("Hall " + std::to_string(k), "Made up.", 1 + k % 5, 1 + k % 3, number, k % 2);
        left -= number;
    }
    return file;
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path FreshFolder(const std::string& name) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::filesystem::path WriteTempFile(const std::string& name, const std::string& text) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() / name;
    std::ofstream(file, std::ios::binary) << text;
    return file;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2) {
        lines.push_back(text.substr(start, at - start));
    }
    if (start != text.size()) {
        lines.push_back("(no CR LF) " + text.substr(start));
    }
    return lines;
}

}  // namespace testing_support
