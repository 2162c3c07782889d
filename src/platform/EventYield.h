#pragma once
// Long loops hand control to the event loop so windows repaint and an abort
// button can act. Handing over on every cell would dominate the run, so the
// yielder passes through only when a few milliseconds have gone by.
#include <QElapsedTimer>
#include <functional>

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

// The step of a Progress for a long loop run from a window: when the yielder
// is due it shows the count (if `show` is set) and hands over to the event
// loop; the loop goes on while `keepGoing` (if set) holds.
std::function<bool(int done, int total)>
yieldingStep(EventYielder& yielder, std::function<void(int done, int total)> show = {},
             std::function<bool()> keepGoing = {});

} // namespace tessaline
