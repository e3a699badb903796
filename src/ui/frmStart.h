#pragma once

#include <QDialog>
#include <array>

class QRadioButton;

// The start dialog: how many players, where the human sits, and how the computer plays.
class frmStart : public QDialog {
    Q_OBJECT

  public:
    explicit frmStart(QWidget* parent = nullptr);

    int NumberOfPlayers() const;
    int HumanSeat() const;
    bool StrongComputers() const;

    std::array<QRadioButton*, 3> optPlayers{};
    std::array<QRadioButton*, 4> optSeating{};
    QRadioButton* optStandard = nullptr;
    QRadioButton* optStrong = nullptr;

  private:
    void FollowPlayers();
};
