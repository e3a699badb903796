#include "game/WorkerPool.h"

#include <algorithm>
#include <chrono>
#include <utility>

WorkerPool::WorkerPool(int threads) {
    const int count =
        threads > 0 ? threads : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    for (int t = 0; t < count; ++t) {
        mThreads.emplace_back([this] { Work(); });
    }
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard<std::mutex> guard(mLock);
        mClosing = true;
    }
    mWake.notify_all();
    for (std::thread& thread : mThreads) {
        thread.join();
    }
}

void WorkerPool::Work() {
    std::unique_lock<std::mutex> lock(mLock);
    for (;;) {
        mWake.wait(lock, [this] { return mClosing || mNext < mCount; });
        if (mClosing) {
            return;
        }
        const int job = mNext++;
        ++mBusy;
        lock.unlock();
        std::exception_ptr failure;
        try {
            (*mJob)(job);
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        --mBusy;
        if (failure) {
            mNext = mCount;
            if (!mFailure || job < mFailedJob) {
                mFailure = failure;
                mFailedJob = job;
            }
        }
        if (BatchDone()) {
            mDone.notify_all();
        }
    }
}

void WorkerPool::Run(int count, const std::function<void(int)>& job,
                     const std::function<bool()>& keepGoing) {
    std::unique_lock<std::mutex> lock(mLock);
    mJob = &job;
    mCount = count;
    mNext = 0;
    mFailure = nullptr;
    mWake.notify_all();
    while (!mDone.wait_for(lock, std::chrono::milliseconds(20), [this] { return BatchDone(); })) {
        lock.unlock();
        const bool goOn = keepGoing();
        lock.lock();
        if (!goOn) {
            mNext = std::max(mNext, mCount);
        }
    }
    mJob = nullptr;
    mCount = mNext = 0;
    if (const std::exception_ptr failure = std::exchange(mFailure, nullptr)) {
        lock.unlock();
        std::rethrow_exception(failure);
    }
}
