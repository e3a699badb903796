#pragma once

#include <filesystem>
#include <istream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "cards/Building.h"
#include "core/Types.h"

// Raised for a catalogue that cannot be read or holds a value the game cannot use; the message
// names the file, the line and the offending text.
class CatalogueError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One record of the catalogue: a building and how many copies of it the game has.
struct CatalogueRecord {
    std::string name;
    std::string description;
    Integer cost = 0;
    Integer victoryPoints = 0;
    Integer number = 0;
    Long type = 0;
};

// Reads the key lines "Cardname", "Description", "Cost", "VP", "Number" and "Type". Working
// values persist from record to record, so a record that omits a key repeats the previous
// record's value. Records that give no card (no copies, or an empty name before the last
// record) are left out. `fileName` only labels the errors.
std::vector<CatalogueRecord> ReadCatalogue(std::istream& in, const std::string& fileName);

// Opens and reads a catalogue file; one that cannot be opened (missing, a folder, refused by the
// system) is a CatalogueError naming the full path and why (see WhyUnreadable).
std::vector<CatalogueRecord> ReadCatalogueFile(const std::filesystem::path& file);

// One building of a catalogue and how many cards of it a game has.
struct CatalogueEntry {
    const Building* building;
    Integer number;
};

// The buildings of a catalogue file, as ReadCatalogueFile gives them. A file is read once for the
// whole program and shared by every game, and read again only once its size or time changes.
std::shared_ptr<const std::vector<CatalogueEntry>> LoadCatalogueEntries(
    const std::filesystem::path& file);

// Where the game's catalogue lives: scripts/DeckInfo.txt in the data folder (see DataFolder).
// The path is put together once.
const std::filesystem::path& CatalogueFile();
