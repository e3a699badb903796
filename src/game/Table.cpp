#include "game/Table.h"

#include <utility>

void Table::Ask(int seatIndex, const std::function<void(CardChooser&)>& fill, Answered answered) {
    std::unique_ptr<CardChooser> chooser = NewChooser();
    fill(*chooser);
    ShowChooser(std::move(chooser), seatIndex, std::move(answered));
}

void Table::CloseWhenEmpty(CardChooser& chooser) const {
    if (EmptySelectors()) {
        chooser.SetAutoClose(1);
        chooser.SetTimeDelay(Delay());
    }
}
