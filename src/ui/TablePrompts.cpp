#include "ui/TablePrompts.h"

#include <utility>

#include "ui/frmCardChooser.h"
#include "ui/frmShowMessage.h"

TablePrompts::~TablePrompts() = default;

void TablePrompts::Ask(std::unique_ptr<frmCardChooser> question, Table::Answered answered) {
    connect(question.get(), &QDialog::accepted, this, &TablePrompts::Answered,
            Qt::QueuedConnection);
    mQuestion = std::move(question);
    mAnswered = std::move(answered);
    mQuestion->show();
}

std::pair<std::unique_ptr<frmCardChooser>, Table::Answered> TablePrompts::TakeAnswered() {
    return {std::move(mQuestion), std::exchange(mAnswered, {})};
}

void TablePrompts::Tell(frmShowMessage* message) {
    mMessage = message;
    connect(message, &QDialog::finished, this, [this] {
        mMessage = nullptr;
        QMetaObject::invokeMethod(this, &TablePrompts::MessageClosed, Qt::QueuedConnection);
    });
}

void TablePrompts::Drop() {
    mQuestion.reset();
    mAnswered = {};
    if (frmShowMessage* message = mMessage.data()) {
        mMessage = nullptr;
        message->disconnect(this);
        message->close();
    }
}
