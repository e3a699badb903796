#include "ui/TableSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <string>

namespace {

constexpr std::array<const char*, 5> kDelayTags{"2", "3", "4", "6", "8"};

}  // namespace

// The two groups side by side, "Gold Mine Views" under the shorter one.
TableSettings::TableSettings(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    layout->addLayout(left);
    auto* selector = new QGroupBox("Selector Behavior", this);
    auto* selectorLayout = new QVBoxLayout(selector);
    mCardDetails = new QCheckBox("Card Details", selector);
    mPositions = new QCheckBox("Logical Positions", selector);
    selectorLayout->addWidget(mCardDetails);
    selectorLayout->addWidget(mPositions);
    left->addWidget(selector);

    auto* autoClose = new QGroupBox("Automatic Close", this);
    auto* closeLayout = new QVBoxLayout(autoClose);
    mEmptySelectors = new QCheckBox("Empty Selectors", autoClose);
    mMessages = new QCheckBox("Status Messages", autoClose);
    closeLayout->addWidget(mEmptySelectors);
    closeLayout->addWidget(mMessages);
    auto* delays = new QHBoxLayout;
    delays->addWidget(new QLabel("Fast", autoClose));
    auto* group = new QButtonGroup(autoClose);
    for (int i = 0; i < 5; ++i) {
        const char* tag = kDelayTags[static_cast<std::size_t>(i)];
        QRadioButton*& option = mDelays[static_cast<std::size_t>(i)];
        option = new QRadioButton(autoClose);
        option->setToolTip(QString("Close after %1 s").arg(std::stoi(tag) / 2.0));
        option->setAccessibleName(QString("Delay %1").arg(tag));
        group->addButton(option, i);
        delays->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [this, tag](bool on) {
            if (on) {
                mDelay = static_cast<Integer>(std::stoi(tag));
                emit Changed();
            }
        });
    }
    delays->addWidget(new QLabel("Slow", autoClose));
    closeLayout->addLayout(delays);
    layout->addWidget(autoClose, 0, Qt::AlignTop);

    mGoldMineViews = new QCheckBox("Gold Mine Views", this);
    left->addWidget(mGoldMineViews);
    left->addStretch();
    for (QCheckBox* box : {mCardDetails, mPositions, mEmptySelectors, mMessages, mGoldMineViews}) {
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, &TableSettings::Changed);
    }
    mDelays[2]->setChecked(true);
}

JournalSettings TableSettings::Current() const {
    return {CardDetails(),    LogicalPositions(), EmptySelectors(),
            StatusMessages(), GoldMineViews(),    Delay()};
}

void TableSettings::Restore(const JournalSettings& settings) {
    const QSignalBlocker quiet(this);
    mCardDetails->setChecked(settings.cardDetails);
    mPositions->setChecked(settings.logicalPositions);
    mEmptySelectors->setChecked(settings.emptySelectors);
    mMessages->setChecked(settings.statusMessages);
    mGoldMineViews->setChecked(settings.goldMineViews);
    for (std::size_t i = 0; i < mDelays.size(); ++i) {
        if (std::stoi(kDelayTags[i]) == settings.delay) {
            mDelays[i]->setChecked(true);
        }
    }
}

bool TableSettings::CardDetails() const {
    return mCardDetails->isChecked();
}

bool TableSettings::LogicalPositions() const {
    return mPositions->isChecked();
}

bool TableSettings::EmptySelectors() const {
    return mEmptySelectors->isChecked();
}

bool TableSettings::StatusMessages() const {
    return mMessages->isChecked();
}

bool TableSettings::GoldMineViews() const {
    return mGoldMineViews->isChecked();
}
