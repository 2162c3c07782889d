#pragma once
// Long loops hand control to the event loop so windows repaint and an abort
// button can act. Handing over on every cell would dominate the run, so the
// yielder passes through only when a few milliseconds have gone by.
#include <QElapsedTimer>

namespace tessaline {

class EventYielder {
  public:
    explicit EventYielder(int intervalMs = 15);
    // Processes pending events when the interval has passed; cheap otherwise.
    void yield();
    // True when the interval has passed since the last yield.
    bool due() const { return clock_.elapsed() >= intervalMs_; }
    // Processes pending events now.
    void yieldNow();

  private:
    QElapsedTimer clock_;
    int intervalMs_;
};

} // namespace tessaline
