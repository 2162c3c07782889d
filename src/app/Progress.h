#pragma once
// Progress and stop for every long loop: generation, chart drawing, printing,
// the effect preview. A loop calls enter() when a stage starts and report()
// per row or item; a false report stops it. Windows build the step with
// yieldingStep() (platform/EventYield.h), so they repaint and hand over to
// the event loop only every few milliseconds.
#include <functional>

namespace tessaline {

template <typename Stage> struct Progress {
    // Called when a stage starts; progress restarts from 0 for each stage.
    std::function<void(Stage)> stage = {};
    // Called per row or item; returning false stops the work.
    std::function<bool(int done, int total)> step = {};

    void enter(Stage s) const {
        if (stage) {
            stage(s);
        }
    }
    bool report(int done, int total) const { return !step || step(done, total); }
};

} // namespace tessaline
