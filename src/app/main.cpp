#include <iostream>

#include "cards/Catalogue.h"
#include "cards/qlCards.h"

// The game's window is not built yet: for now the program checks its catalogue and says so.
int main() {
    try {
        qlCards reserve;
        reserve.Reset();
        std::cout << "Quellin: the catalogue holds " << reserve.Count()
                  << " cards. The game window arrives in a later version.\n";
    } catch (const CatalogueError& error) {
        std::cerr << "Quellin cannot start. " << error.what() << '\n';
        return 1;
    }
    return 0;
}
