#include "ui/EventPump.h"

#include <QCoreApplication>

namespace cardgen {

EventPump::EventPump(Clock::duration interval) noexcept : interval_(interval) {
}

void EventPump::pump() {
    QCoreApplication::sendPostedEvents();
    const Clock::time_point now = Clock::now();
    if (now - lastFullPass_ < interval_)
        return;
    lastFullPass_ = now;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace cardgen
