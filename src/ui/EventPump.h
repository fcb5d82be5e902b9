#pragma once

#include <chrono>

namespace cardgen {

// Lets the waiting events through during a long run, cheaply enough to be called
// before every line. Posted events (queued calls, repaint requests, deferred
// work) go out on every call. The full pass over the event dispatcher, which
// takes the window system's input and the timers and costs a few microseconds
// even when nothing waits, runs at most once per interval.
class EventPump {
public:
    using Clock = std::chrono::steady_clock;

    explicit EventPump(Clock::duration interval = std::chrono::milliseconds(1)) noexcept;

    void pump();

private:
    Clock::duration interval_;
    Clock::time_point lastFullPass_;
};

} // namespace cardgen
