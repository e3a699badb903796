#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "cards/Catalogue.h"

// Any bytes either read as a catalogue of cards that all exist, or fail with a CatalogueError;
// nothing else may happen.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        const auto records = ReadCatalogue(in, "fuzz.txt");
        for (const CatalogueRecord& record : records) {
            if (record.number <= 0) {
                __builtin_trap();
            }
        }
    } catch (const CatalogueError&) {
    }
    return 0;
}
