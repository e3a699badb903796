#include "ui/HintWorker.h"

#include <atomic>
#include <exception>

#include "game/HeadlessTable.h"
#include "game/qlGame.h"

struct qlHintWorker::Job {
    StoppableTable table;
    std::unique_ptr<qlGame> copy;
    std::atomic<bool> finished{false};
};

qlHintWorker::qlHintWorker(QObject* parent) : QObject(parent) {}

qlHintWorker::~qlHintWorker() {
    Stop();
}

bool qlHintWorker::Busy() const {
    return mJob && !mJob->finished;
}

void qlHintWorker::Stop() {
    if (mJob) {
        mJob->table.stop = true;
    }
    if (mThread.joinable()) {
        mThread.join();
    }
    mJob.reset();
}

void qlHintWorker::Start(const qlGame& game, Integer seat,
                         std::function<void(const std::optional<Hint>&)> done) {
    Stop();
    auto job = std::make_shared<Job>();
    job->copy = std::make_unique<qlGame>(game, job->table);
    mJob = job;
    mThread = std::thread([this, job, seat, done = std::move(done)] {
        std::optional<Hint> hint;
        try {
            hint = AskForHint(*job->copy, seat, job->table);
        } catch (const std::exception&) {
            hint.reset();  // a fault in a copy: no hint rather than a wrong one
        }
        job->finished = true;
        if (!job->table.stop) {
            QMetaObject::invokeMethod(
                this,
                [this, job, hint, done] {
                    if (mJob == job) {
                        done(hint);
                    }
                },
                Qt::QueuedConnection);
        }
    });
}
