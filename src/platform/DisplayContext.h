#pragma once
// Stands in for a device context of the whole display: it exists between
// the main window's load and unload, and can copy what the screen shows.
#include <QImage>
#include <QRect>

namespace tessaline {

class DisplayContext {
  public:
    // True between open() and close().
    bool isOpen() const { return open_; }
    void open() { open_ = true; }
    void close() { open_ = false; }

    // The screen's pixels inside rect (the whole primary screen when rect is
    // empty); a null image when closed or when there is no screen.
    QImage grab(const QRect& rect = {}) const;

  private:
    bool open_ = false;
};

} // namespace tessaline
