#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "cards/qlCard.h"

// One card of a game, as a small number: its place in the program's table of cards, which
// never changes once a card is in it. Copying a card copies the number; two cards are the same
// card when their numbers are equal, and cards of one building are still told apart. The
// default card is none.
class Card {
  public:
    Card() = default;

    // A card of `building` that no other card is: for cards made one by one.
    static Card New(const Building& building);
    // The cards of a catalogue, one per entry of `buildings` in its order: the same cards for
    // every game played with the same buildings, so that loading a catalogue again adds none.
    // Throws std::length_error once the table is full.
    static std::span<const Card> OfCatalogue(std::span<const Building* const> buildings);

    explicit operator bool() const { return mIndex != 0; }
    const qlCard& operator*() const { return kCardTable[mIndex]; }
    const qlCard* operator->() const { return &kCardTable[mIndex]; }
    friend bool operator==(Card, Card) = default;
    std::uint32_t Index() const { return mIndex; }

    // The most cards the program holds at once, over every catalogue loaded.
    static constexpr std::size_t kTableSize = std::size_t{1} << 20;

  private:
    explicit Card(std::uint32_t index) : mIndex(index) {}
    // Entry 0 stays empty: it is no card.
    static qlCard kCardTable[kTableSize];

    std::uint32_t mIndex = 0;
};
