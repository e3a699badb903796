#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "core/Types.h"
#include "game/Hint.h"

class qlGame;

// Asks the expert player for a hint on a thread of its own, so that the table stays responsive
// while it thinks; the answer comes back on the thread that asked.
class qlHintWorker : public QObject {
    Q_OBJECT

  public:
    explicit qlHintWorker(QObject* parent);
    ~qlHintWorker() override;  // stops a hint still thinking and waits for it

    bool Busy() const;
    // Copies `game` at once, then thinks on the copy for `seat`. `done` runs later on this
    // object's thread with the hint, or with none when the thinking failed; never once the
    // worker is gone or has been stopped.
    void Start(const qlGame& game, Integer seat,
               std::function<void(const std::optional<Hint>&)> done);
    // Stops the hint being thought about; its answer is dropped.
    void Stop();

  private:
    struct Job;
    std::shared_ptr<Job> mJob;
    std::thread mThread;
};
