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

} // namespace tessaline
