#include "game/Table.h"

std::unique_ptr<CardChooser> Table::Ask(int seatIndex,
                                        const std::function<void(CardChooser&)>& fill) {
    std::unique_ptr<CardChooser> chooser = NewChooser();
    fill(*chooser);
    ShowChooser(*chooser, seatIndex);
    return chooser;
}

void Table::CloseWhenEmpty(CardChooser& chooser) const {
    if (EmptySelectors()) {
        chooser.SetAutoClose(1);
        chooser.SetTimeDelay(Delay());
    }
}
