#include "ui/frmStart.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

template <std::size_t N>
QGroupBox* OptionFrame(const QString& caption, std::array<QRadioButton*, N>& options,
                       const std::array<const char*, N>& captions, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    auto* layout = new QHBoxLayout(frame);
    auto* group = new QButtonGroup(frame);
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(captions[i], frame);
        group->addButton(options[i]);
        layout->addWidget(options[i]);
    }
    return frame;
}

}  // namespace

frmStart::frmStart(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Quellin");
    auto* layout = mLayout = new QVBoxLayout(this);
    mChoices[0] = OptionFrame<3>("Number of Players", optPlayers, {"&2", "&3", "&4"}, this);
    mChoices[1] = OptionFrame<4>("Your Position", optSeating, {"1", "2", "3", "4"}, this);
    mChoices[2] =
        OptionFrame<3>("Computer Players", optComputers, {"Standar&d", "Stron&g", "E&xpert"}, this);
    for (QWidget* choice : mChoices) {
        layout->addWidget(choice);
    }
    layout->addLayout(BuildSeedRow());
    cmdStart = new QPushButton("&Start", this);
    cmdStart->setDefault(true);
    cmdStatistics = new QPushButton("S&tatistics", this);
    cmdStatistics->setAutoDefault(false);
    connect(cmdStatistics, &QPushButton::clicked, this, &frmStart::StatisticsRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdStatistics);
    buttons->addStretch();
    buttons->addWidget(cmdStart);
    layout->addLayout(buttons);
    connect(cmdStart, &QPushButton::clicked, this, [this] {
        cmdStart->hide();
        accept();
    });
    optPlayers[2]->setChecked(true);
    optSeating[1]->setChecked(true);
    optComputers[0]->setChecked(true);
    for (QRadioButton* option : optPlayers) {
        connect(option, &QRadioButton::toggled, this, [this] { FollowPlayers(); });
    }
}

// A seat beyond the game would leave the person watching: only seats in play may be taken.
void frmStart::FollowPlayers() {
    for (int seat = 1; seat <= 4; ++seat) {
        optSeating[static_cast<std::size_t>(seat - 1)]->setEnabled(seat <= NumberOfPlayers());
    }
    if (HumanSeat() > NumberOfPlayers()) {
        optSeating[static_cast<std::size_t>(NumberOfPlayers() - 1)]->setChecked(true);
    }
}

int frmStart::NumberOfPlayers() const {
    for (std::size_t i = 0; i < optPlayers.size(); ++i) {
        if (optPlayers[i]->isChecked()) {
            return static_cast<int>(i) + 2;
        }
    }
    return 4;
}

int frmStart::HumanSeat() const {
    for (std::size_t i = 0; i < optSeating.size(); ++i) {
        if (optSeating[i]->isChecked()) {
            return static_cast<int>(i) + 1;
        }
    }
    return 2;
}

ComputerLevel frmStart::Computers() const {
    for (std::size_t i = 0; i < optComputers.size(); ++i) {
        if (optComputers[i]->isChecked()) {
            return static_cast<ComputerLevel>(i);
        }
    }
    return ComputerLevel::Standard;
}

QLayout* frmStart::BuildSeedRow() {
    auto* row = new QHBoxLayout;
    auto* caption = new QLabel("S&eed", this);
    txtSeed = new QLineEdit(this);
    txtSeed->setObjectName("txtSeed");
    txtSeed->setPlaceholderText("a new game");
    txtSeed->setToolTip("The seed of a game to replay it; empty for a new game");
    txtSeed->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,20}"), txtSeed));
    caption->setBuddy(txtSeed);
    // Twenty digits may still be past the largest seed: Start waits for one that is a seed.
    connect(txtSeed, &QLineEdit::textChanged, this, [this](const QString& text) {
        cmdStart->setEnabled(text.isEmpty() || Seed().has_value());
    });
    row->addWidget(caption);
    row->addWidget(txtSeed, 1);
    return row;
}

std::optional<std::uint64_t> frmStart::Seed() const {
    bool read = false;
    const std::uint64_t seed = txtSeed->text().trimmed().toULongLong(&read);
    return read ? std::optional(seed) : std::nullopt;
}

void frmStart::Preset(int players, int seat, ComputerLevel computers,
                      std::optional<std::uint64_t> seed) {
    optPlayers[static_cast<std::size_t>(players - 2)]->setChecked(true);
    optSeating[static_cast<std::size_t>(seat - 1)]->setChecked(true);
    optComputers[static_cast<std::size_t>(computers)]->setChecked(true);
    txtSeed->setText(seed ? QString::number(*seed) : QString());
}

// Shown again for another game, the dialog offers Start again.
void frmStart::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    cmdStart->show();
}

void frmStart::OfferResume(const QString& text) {
    std::array<QRadioButton*, 2> games{};
    QGroupBox* frame = OptionFrame<2>("Game", games, {"", "&New Game"}, this);
    static_cast<QBoxLayout*>(frame->layout())->setDirection(QBoxLayout::TopToBottom);
    optResume = games[0];
    optNewGame = games[1];
    optResume->setText("&" + text);
    mLayout->insertWidget(0, frame);
    // A new game's choices are the new game's: they wait while the offer is chosen.
    const auto chooseNew = [this](bool on) {
        for (QWidget* choice : mChoices) {
            choice->setEnabled(on);
        }
        txtSeed->setEnabled(on);
        if (on) {
            FollowPlayers();
        }
    };
    connect(optNewGame, &QRadioButton::toggled, this, chooseNew);
    optResume->setChecked(true);
    chooseNew(false);
}

bool frmStart::ResumeChosen() const {
    return optResume && optResume->isChecked();
}
