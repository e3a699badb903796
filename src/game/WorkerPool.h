#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A fixed set of worker threads that live as long as the pool: a batch of numbered jobs is
// handed out to them while the calling thread waits, so a look-ahead pays for its threads once
// and not at every decision. A job that throws stops the batch, and the caller gets the
// exception back.
class WorkerPool {
  public:
    // `threads` workers; 0 or fewer: one per core.
    explicit WorkerPool(int threads);
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;
    ~WorkerPool();

    // Runs job(0) to job(count - 1) on the workers and returns once every job handed out has
    // returned. While waiting, calls `keepGoing` every 20 ms on the calling thread; once it
    // returns false no further job is handed out. Rethrows the exception of the lowest-numbered
    // job that threw, after the others have returned.
    void Run(int count, const std::function<void(int)>& job,
             const std::function<bool()>& keepGoing);

  private:
    void Work();
    bool BatchDone() const { return mNext >= mCount && mBusy == 0; }

    std::mutex mLock;
    std::condition_variable mWake;
    std::condition_variable mDone;
    const std::function<void(int)>* mJob = nullptr;
    int mCount = 0;
    int mNext = 0;
    int mBusy = 0;
    int mFailedJob = 0;
    std::exception_ptr mFailure;
    bool mClosing = false;
    std::vector<std::thread> mThreads;
};
