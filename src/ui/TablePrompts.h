#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "game/Table.h"

class frmCardChooser;
class frmShowMessage;

// What the table has open beside itself for the player: a card question or a message, one at a
// time, neither of them modal. A confirmed question comes back to the table (Answered) with
// what is to run for its answer; a closed message says so (MessageClosed). Both come through
// the event loop, once the window that was clicked has finished with the click.
class TablePrompts : public QObject {
    Q_OBJECT

  public:
    explicit TablePrompts(QObject* parent) : QObject(parent) {}
    ~TablePrompts() override;

    // Shows `question`; once it is confirmed, Answered comes.
    void Ask(std::unique_ptr<frmCardChooser> question, Table::Answered answered);
    // Takes the confirmed question back with what is to run for its answer; nothing when the
    // question was dropped meanwhile.
    std::pair<std::unique_ptr<frmCardChooser>, Table::Answered> TakeAnswered();
    // Keeps `message` (open already) until it closes; then MessageClosed comes.
    void Tell(frmShowMessage* message);
    bool MessageOpen() const { return !mMessage.isNull(); }
    // A question or a message is open.
    bool Open() const { return mQuestion || MessageOpen(); }
    // Takes everything away without an answer: the player has left.
    void Drop();

    Q_SIGNAL void Answered();
    Q_SIGNAL void MessageClosed();

  private:
    std::unique_ptr<frmCardChooser> mQuestion;
    Table::Answered mAnswered;
    QPointer<frmShowMessage> mMessage;
};
