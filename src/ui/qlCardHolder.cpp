#include "ui/qlCardHolder.h"

#include <algorithm>

#include "cards/qlCard.h"
#include "cards/qlCards.h"
#include "players/qlPlayer.h"
#include "ui/Twips.h"
#include "ui/qlCardImage.h"

namespace {

constexpr int kRowTwips = 1605;
constexpr int kMarginTwips = 90;
constexpr int kTopTwips = 60;  // above each row
constexpr int kGapTwips = 15;  // between cards side by side, when there is room
constexpr int kRowOfSix = 6;
constexpr double kLargestScale = 2;

}  // namespace

qlCardHolder::qlCardHolder(QWidget* parent) : QWidget(parent), mCards(qlCards()) {
    mImages.push_back(NewImage());
    mImages.front()->hide();
    setMinimumHeight(Px(kRowTwips));
}

qlCardImage* qlCardHolder::NewImage() {
    auto* image = new qlCardImage(this);
    image->SetScale(mScale);
    image->SetEnableCheck(mEnableCheck);
    image->SetGoodsOf(mGoodsOf);
    connect(image, &qlCardImage::Click, this, [this] { emit CardClicked(CheckedCount()); });
    connect(image, &qlCardImage::Hover, this, [this, image] {
        const auto it = std::find(mImages.begin(), mImages.end(), image);
        emit CardHovered(image->ShownCard(), static_cast<int>(it - mImages.begin()));
    });
    return image;
}

void qlCardHolder::SetCards(const qlCards& cards) {
    mCards = cards;
    Refresh();
}

void qlCardHolder::AddCard(Card card) {
    mCards.AddCard(card);
    Refresh();
}

void qlCardHolder::AddCards(const qlCards& cards) {
    mCards.AddCards(cards);
    Refresh();
}

void qlCardHolder::RemoveCard(const Card& card) {
    mCards.RemoveCard(card);
    Refresh();
}

void qlCardHolder::RemoveCrane() {
    mCards.RemoveCards(mCards.GetCardsByName("Crane"));
    Refresh();
}

void qlCardHolder::HighlightCard(const Card& card) {
    for (qlCardImage* image : mImages) {
        if (image->ShownCard() == card) {
            image->SetHighlight(true);
        }
    }
}

void qlCardHolder::ShowGoodsOf(const qlPlayer* seat) {
    mGoodsOf = seat;
    for (qlCardImage* image : mImages) {
        image->SetGoodsOf(seat);
    }
}

void qlCardHolder::RefreshGood(const Card& building) {
    for (qlCardImage* image : mImages) {
        if (image->ShownCard() == building) {
            image->RefreshGoodImage();
        }
    }
}

void qlCardHolder::EnableBuildMode(const qlPlayer& player, Integer goodsUsed) {
    if (!mImages.front()->ShownCard()) {
        return;
    }
    mCards = player.GetHumanBuildableCards(mCards, goodsUsed);
    Refresh();
}

void qlCardHolder::SetNumberOfRows(int rows) {
    mRows = std::max(1, rows);
    setMinimumHeight(Px(mRows * kRowTwips));
    updateGeometry();
    LayOut();
}

void qlCardHolder::SetGrowth(bool on) {
    mGrowth = on;
    Rescale();
    LayOut();
}

void qlCardHolder::SetEnableCheck(bool on) {
    mEnableCheck = on;
    for (qlCardImage* image : mImages) {
        image->SetEnableCheck(on);
    }
}

qlCards qlCardHolder::SelectedCards() const {
    qlCards selected;
    for (qlCardImage* image : mImages) {
        if (image->ShownCard() && image->Checked()) {
            selected.AddCard(image->ShownCard());
        }
    }
    return selected;
}

qlCards qlCardHolder::DiscardedCards() const {
    qlCards discarded;
    for (qlCardImage* image : mImages) {
        if (image->ShownCard() && !image->Checked()) {
            discarded.AddCard(image->ShownCard());
        }
    }
    return discarded;
}

int qlCardHolder::CheckedCount() const {
    return static_cast<int>(std::count_if(mImages.begin(), mImages.end(), [](qlCardImage* i) {
        return i->ShownCard() && i->Checked();
    }));
}

void qlCardHolder::Refresh() {
    const std::size_t count = static_cast<std::size_t>(mCards.Count());
    while (mImages.size() > std::max<std::size_t>(count, 1)) {
        delete mImages.back();
        mImages.pop_back();
    }
    while (mImages.size() < count) {
        mImages.push_back(NewImage());
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (mImages[i]->ShownCard() != mCards.Item(static_cast<Long>(i + 1))) {
            mImages[i]->SetCard(mCards.Item(static_cast<Long>(i + 1)));
            mImages[i]->SetChecked(false);
        }
        mImages[i]->RefreshGoodImage();
    }
    if (count == 0) {
        mImages.front()->SetCard({});
        mImages.front()->hide();
        return;
    }
    LayOut();
}

// Six to a row when there are several rows; the step between cards shrinks (the cards then
// overlap) so that every card stays inside, and never exceeds a card and a small gap.
void qlCardHolder::LayOut() {
    const int count = static_cast<int>(mCards.Count());
    if (count == 0) {
        return;
    }
    const int perRow = mRows != 1 ? kRowOfSix : count;
    const int imageWidth = mImages.front()->width() * 15;
    const int imageHeight = mImages.front()->height() * 15;
    const int widthTwips = width() * 15;
    int step = 0;
    if (perRow != 1) {
        step = std::min((widthTwips - 2 * kMarginTwips - imageWidth) / (perRow - 1),
                        imageWidth + kGapTwips);
    }
    for (int k = 0; k < count; ++k) {
        const int left = (k % perRow) * step + kMarginTwips;
        const int top = (k / perRow) * (imageHeight + kTopTwips) + kTopTwips;
        qlCardImage* image = mImages[static_cast<std::size_t>(k)];
        image->move(Px(left), Px(top));
        image->show();
        image->raise();
    }
}

// Six cards a row side by side, each row with the room above it.
double qlCardHolder::FittingScale() const {
    const QSize base = qlCardImage::BaseSize() * 15;
    const double across = (width() * 15.0 - 2 * kMarginTwips - (kRowOfSix - 1) * kGapTwips) /
                          (kRowOfSix * base.width());
    const double down = (height() * 15.0 / mRows - kTopTwips) / base.height();
    return std::clamp(std::min(across, down), 1.0, kLargestScale);
}

void qlCardHolder::Rescale() {
    const double scale = mGrowth ? FittingScale() : 1;
    if (scale == mScale) {
        return;
    }
    mScale = scale;
    for (qlCardImage* image : mImages) {
        image->SetScale(scale);
    }
}

void qlCardHolder::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Rescale();
    LayOut();
}

// The room of cards at their own size: grown cards never ask for more.
QSize qlCardHolder::sizeHint() const {
    const int imageWidth = qlCardImage::BaseSize().width() * 15;
    return {Px(2 * kMarginTwips + kRowOfSix * (imageWidth + kGapTwips)), Px(mRows * kRowTwips)};
}

QSize qlCardHolder::minimumSizeHint() const {
    return {Px(4 * kMarginTwips + qlCardImage::BaseSize().width() * 15), Px(mRows * kRowTwips)};
}
