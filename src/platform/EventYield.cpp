#include "platform/EventYield.h"

#include <QCoreApplication>

namespace tessaline {

EventYielder::EventYielder(int intervalMs) : intervalMs_(intervalMs) {
    clock_.start();
}

void EventYielder::yield() {
    if (clock_.elapsed() >= intervalMs_) {
        yieldNow();
    }
}

void EventYielder::yieldNow() {
    QCoreApplication::processEvents();
    clock_.restart();
}

std::function<bool(int, int)> yieldingStep(EventYielder& yielder,
                                           std::function<void(int, int)> show,
                                           std::function<bool()> keepGoing) {
    return
        [&yielder, show = std::move(show), keepGoing = std::move(keepGoing)](int done, int total) {
            if (yielder.due()) {
                if (show) {
                    show(done, total);
                }
                yielder.yieldNow();
            }
            return !keepGoing || keepGoing();
        };
}

} // namespace tessaline
