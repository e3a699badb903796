#include "game/SeatDecider.h"

#include <stdexcept>

Choice SeatDecider::Answer(const qlGame&, const Decision&, Random::Stream&) {
    throw std::logic_error("SeatDecider::Answer: this seat answers later, through Ask");
}

void SeatDecider::Ask(const qlGame&, const Decision&, Reply) {
    throw std::logic_error("SeatDecider::Ask: this seat answers at once, through Answer");
}
