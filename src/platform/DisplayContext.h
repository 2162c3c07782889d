#pragma once
// Stands in for a device context of the whole display: it exists between
// the main window's load and unload, and can copy what the screen shows.
#include <QImage>

namespace tessaline {

class DisplayContext {
  public:
    // True between open() and close().
    bool isOpen() const { return open_; }
    void open() { open_ = true; }
    void close() { open_ = false; }

    // What the primary screen shows, one image pixel per screen position
    // the pointer reports. A null image when closed, when there is no
    // screen, or when the platform will not hand the screen out: the
    // offscreen and minimal platforms have none to give, and a session that
    // refuses (Wayland without permission) answers with no picture. What
    // the picture shows is never taken as an answer: an all-black screen is
    // captured like any other.
    QImage grab() const;

  private:
    bool open_ = false;
};

} // namespace tessaline
