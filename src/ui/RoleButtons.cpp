#include "ui/RoleButtons.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr std::array<const char*, 5> kRoleCaptions{"&Councillor", "&Builder", "&Producer",
                                                   "&Trader", "Pro&spector"};

}  // namespace

RoleButtons::RoleButtons(QWidget* parent) : QGroupBox("Roles", parent) {
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 5; ++i) {
        QPushButton*& button = mButtons[static_cast<std::size_t>(i)];
        button = new QPushButton(kRoleCaptions[static_cast<std::size_t>(i)], this);
        button->setMinimumHeight(26);
        button->setObjectName("cmdRoles" + QString::number(i));
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, i] {
            emit RolePressed(i);
            // Only a role still free can be pressed: it is taken.
            SetChoosing(false);
        });
    }
    Refresh();
}

void RoleButtons::SetFree(int role, bool free) {
    mFree[static_cast<std::size_t>(role)] = free;
    Refresh();
}

void RoleButtons::SetChoosing(bool choosing) {
    mChoosing = choosing;
    Refresh();
}

QPushButton* RoleButtons::ButtonOf(const QString& role) const {
    for (QPushButton* button : mButtons) {
        if (QString(button->text()).remove('&') == role) {
            return button;
        }
    }
    return nullptr;
}

void RoleButtons::Refresh() {
    for (std::size_t i = 0; i < mButtons.size(); ++i) {
        mButtons[i]->setEnabled(mChoosing && mFree[i]);
    }
}
