#pragma once
// How Form1 owns the other windows: each one is created on first use by its
// accessor, and closed and freed when Form1 unloads, in the order
// Form1::unloadOtherWindows lists them. A window whose handlers run long
// loops offers dispose(), which lets a running loop return first; the others
// are closed and deleted at once.
#include <QPointer>

namespace tessaline {

template <typename W> class OwnedWindow {
  public:
    // The window, made by `make` (returning a new W*) when there is none.
    template <typename Make> W* get(Make&& make) {
        if (window_.isNull()) {
            window_ = make();
        }
        return window_.data();
    }
    // The window if it exists, without creating it.
    W* existing() const { return window_.data(); }
    bool exists() const { return !window_.isNull(); }

    // Closes and frees the window, if there is one.
    void unload() {
        if (window_.isNull()) {
            return;
        }
        if constexpr (requires(W & w) { w.dispose(); }) {
            window_->dispose();
        } else {
            window_->close();
            delete window_.data();
        }
        window_.clear();
    }

  private:
    QPointer<W> window_;
};

} // namespace tessaline
