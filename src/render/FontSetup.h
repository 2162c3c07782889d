#pragma once
// The chart's two fonts, "宋体" and "Arial", pinned to installed faces so
// that glyphs and widths are the same on every machine.
#include <QFont>
#include <memory>

class QThread;

namespace tessaline {

// Maps "宋体" and "SimSun" to "AR PL UMing CN" and "Arial" to
// "Liberation Sans". Call once, before any font is made.
void installFontSubstitutes();

// "宋体" (symbols, headings, notes) and "Arial" (numbering) at a point size.
QFont songFont(qreal pointSize);
QFont arialFont(qreal pointSize);

// Fills Qt's font database (every installed family, through fontconfig) on a
// thread of its own while the caller goes on (decoding the picture), so that
// the first text drawn does not wait for it. The database is shared by all
// threads and thread-safe. Start it after the application object and
// installFontSubstitutes(); wait() (or the destructor) joins the thread, and
// no text may be drawn before that.
class FontPreload {
  public:
    FontPreload();
    ~FontPreload();
    FontPreload(const FontPreload&) = delete;
    FontPreload& operator=(const FontPreload&) = delete;

    void wait();

  private:
    std::unique_ptr<QThread> thread_;
};

} // namespace tessaline
