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
        mState->handlers.push_back({id, std::make_shared<Handler>(std::move(handler)), true});
        return Subscription([weak = std::weak_ptr<State>(mState), id] {
            if (auto state = weak.lock()) {
                state->Remove(id);
            }
        });
    }

    // Drops every handler, as if the event were new; their subscriptions then cancel nothing.
    void Clear() noexcept { mState.reset(); }

    // Whether anyone has subscribed and not yet unsubscribed.
    bool Followed() const { return mState && !mState->handlers.empty(); }

    // Copies nothing: the handlers subscribed so far are called in place. One subscribed
    // meanwhile waits for the next raise; one removed meanwhile is skipped and kept alive
    // until the outermost raise is over.
    void Raise(Args... args) const {
        if (mState && !mState->handlers.empty()) {
            RaiseToAll(args...);
        }
    }

  private:
    // Raise's work once someone follows the event, kept apart so that the check inlines.
    void RaiseToAll(Args... args) const {
        const std::shared_ptr<State> keepAlive = mState;  // a handler may end the owner
        State& state = *keepAlive;
        const std::size_t count = state.handlers.size();
        const RaiseScope scope(state);
        for (std::size_t i = 0; i < count; ++i) {
            if (state.handlers[i].live) {
                Handler* handler = state.handlers[i].handler.get();  // stays where it is
                (*handler)(args...);
            }
        }
    }

    struct Entry {
        std::uint64_t id;
        std::shared_ptr<Handler> handler;
        bool live;
    };
    struct State {
        std::vector<Entry> handlers;
        std::uint64_t nextId = 0;
        int raising = 0;
        bool removedWhileRaising = false;

        void Remove(std::uint64_t id) {
            for (Entry& entry : handlers) {
                if (entry.id == id) {
                    entry.live = false;
                }
            }
            if (raising > 0) {
                removedWhileRaising = true;
            } else {
                std::erase_if(handlers, [](const Entry& e) { return !e.live; });
            }
        }
    };
    // Counts a raise under way, and drops the handlers removed meanwhile once none is.
    class RaiseScope {
      public:
        explicit RaiseScope(State& state) : mState(state) { ++mState.raising; }
        RaiseScope(const RaiseScope&) = delete;
        RaiseScope& operator=(const RaiseScope&) = delete;
        ~RaiseScope() {
            if (--mState.raising == 0 && mState.removedWhileRaising) {
                mState.removedWhileRaising = false;
                std::erase_if(mState.handlers, [](const Entry& e) { return !e.live; });
            }
        }

      private:
        State& mState;
    };
    // Made at the first subscription: most collections are never followed by anyone.
    std::shared_ptr<State> mState;
};
