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

// Loads the chart's two faces on a thread of their own while the caller goes
// on (decoding the picture), so that the first text drawn does not wait for
// the font database and the font files. Qt's font database is thread-safe
// and text may be drawn on a QImage outside the main thread. Start it after
// the application object and installFontSubstitutes(); wait() (or the
// destructor) joins the thread, and no text may be drawn before that.
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
