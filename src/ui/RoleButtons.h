#pragma once

#include <QGroupBox>
#include <array>

class QPushButton;

// The five role buttons, Councillor to Prospector. They are pressable only while the human
// chooses a role, and then only the roles still free; at every other moment they look
// unavailable.
class RoleButtons : public QGroupBox {
    Q_OBJECT

  public:
    explicit RoleButtons(QWidget* parent);

    // Whether a role (0 Councillor to 4 Prospector) is still free this round.
    void SetFree(int role, bool free);
    // The human chooses a role from now on, or no longer.
    void SetChoosing(bool choosing);
    bool Choosing() const { return mChoosing; }
    // The button of the role named `role` ("Builder"), if there is one.
    QPushButton* ButtonOf(const QString& role) const;

    // A free role's button was pressed while the human chose; the choice is over.
    Q_SIGNAL void RolePressed(int role);

  private:
    void Refresh();

    std::array<QPushButton*, 5> mButtons{};
    std::array<bool, 5> mFree{};
    bool mChoosing = false;
};
