#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>

#include "game/ComputerLevel.h"

class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// The start dialog: how many players, where the human sits, and how the computer plays.
class frmStart : public QDialog {
    Q_OBJECT

  public:
    explicit frmStart(QWidget* parent = nullptr);

    int NumberOfPlayers() const;
    int HumanSeat() const;
    ComputerLevel Computers() const;
    // The seed typed to replay a game; none for a new one (left empty, or not a seed).
    std::optional<std::uint64_t> Seed() const;
    // Sets every choice: those of a game to play again or replay.
    void Preset(int players, int seat, ComputerLevel computers, std::optional<std::uint64_t> seed);

    // The player asked for the record of games.
    Q_SIGNAL void StatisticsRequested();

    // Offers to take up the game left unfinished, as `text` describes it, beside a new game;
    // the offer is chosen at first.
    void OfferResume(const QString& text);
    bool ResumeChosen() const;

    std::array<QRadioButton*, 3> optPlayers{};
    std::array<QRadioButton*, 4> optSeating{};
    std::array<QRadioButton*, 3> optComputers{};  // standard, strong, expert
    QLineEdit* txtSeed = nullptr;
    QPushButton* cmdStatistics = nullptr;
    QRadioButton* optResume = nullptr;  // with an unfinished game only
    QRadioButton* optNewGame = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FollowPlayers();
    QLayout* BuildSeedRow();

    QPushButton* cmdStart = nullptr;
    QVBoxLayout* mLayout = nullptr;
    std::array<QWidget*, 3> mChoices{};  // a new game's
};
