#include "game/HeadlessTable.h"

#include "cards/qlCards.h"
#include "players/qlPlayer.h"

namespace {

class HeadlessChooser : public CardChooser {
  public:
    void SetMinAmt(Integer amount) override { mMinAmt = amount; }
    void SetMaxAmt(Integer) override {}
    void SetAutoClose(Integer) override {}
    void SetTimeDelay(Integer) override {}
    void SetStartImage(Integer) override {}
    void SetCardsActive(bool) override {}
    void SetCaption(const std::string&) override {}
    void ShowGoodsOf(const qlPlayer&) override {}
    void SetCards(const qlCards& cards) override {
        mCards.Clear();
        mCards.AddCards(cards);
    }
    void AddCards(const qlCards& cards) override { mCards.AddCards(cards); }
    void AddCard(Card card) override { mCards.AddCard(card); }
    void EnableBuildMode(const qlPlayer& player, Integer goodsUsed) override {
        mCards = player.GetHumanBuildableCards(mCards, goodsUsed);
        mMinAmt = 0;
    }
    void RemoveCrane() override {
        for (const Card& crane : mCards.GetCardsByName("Crane")) {
            mCards.RemoveCard(crane);
        }
    }
    void HighlightCard(const Card&) override {}
    qlCards SelectedCards() const override { return Part(true); }
    qlCards DiscardedCards() const override { return Part(false); }

  private:
    qlCards Part(bool selected) const {
        qlCards part;
        for (Long i = 1; i <= mCards.Count(); ++i) {
            if ((i <= mMinAmt) == selected) {
                part.AddCard(mCards.Item(i));
            }
        }
        return part;
    }

    qlCards mCards;
    Integer mMinAmt = 0;
};

}  // namespace

std::unique_ptr<CardChooser> HeadlessTable::NewChooser() {
    return std::make_unique<HeadlessChooser>();
}
