#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// A handle on one subscription to an Event; destroying it (or calling Reset) unsubscribes.
// It may safely outlive the event it came from.
class Subscription {
  public:
    Subscription() = default;
    explicit Subscription(std::function<void()> cancel) : mCancel(std::move(cancel)) {}
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    Subscription(Subscription&& other) noexcept : mCancel(std::exchange(other.mCancel, {})) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            Reset();
            mCancel = std::exchange(other.mCancel, {});
        }
        return *this;
    }
    ~Subscription() { Reset(); }

    void Reset() {
        if (auto cancel = std::exchange(mCancel, {})) {
            cancel();
        }
    }

  private:
    std::function<void()> mCancel;
};

// A notification that objects raise to their owners. Handlers run in the order they subscribed;
// a handler may subscribe or unsubscribe others while the event is being raised.
template <typename... Args>
class Event {
  public:
    using Handler = std::function<void(Args...)>;

    Event() = default;
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    [[nodiscard]] Subscription Subscribe(Handler handler) {
        if (!mState) {
            mState = std::make_shared<State>();
        }
        const std::uint64_t id = mState->nextId++;
        mState->handlers.push_back({id, std::make_shared<Handler>(std::move(handler))});
        return Subscription([weak = std::weak_ptr<State>(mState), id] {
            if (auto state = weak.lock()) {
                std::erase_if(state->handlers, [id](const Entry& e) { return e.id == id; });
            }
        });
    }

    void Raise(Args... args) const {
        if (!mState || mState->handlers.empty()) {
            return;
        }
        // Walk a snapshot: a handler may change the list, and one removed meanwhile is skipped.
        const std::vector<Entry> snapshot = mState->handlers;
        const std::shared_ptr<State> keepAlive = mState;
        for (const Entry& entry : snapshot) {
            if (keepAlive->Contains(entry.id)) {
                (*entry.handler)(args...);
            }
        }
    }

  private:
    struct Entry {
        std::uint64_t id;
        std::shared_ptr<Handler> handler;
    };
    struct State {
        std::vector<Entry> handlers;
        std::uint64_t nextId = 0;
        bool Contains(std::uint64_t id) const {
            for (const Entry& e : handlers) {
                if (e.id == id) {
                    return true;
                }
            }
            return false;
        }
    };
    // Made at the first subscription: most collections are never followed by anyone.
    std::shared_ptr<State> mState;
};
