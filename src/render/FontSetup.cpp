#include "render/FontSetup.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QThread>

namespace tessaline {

namespace {

const QString kSongFamily = QStringLiteral("宋体");
const QString kArialFamily = QStringLiteral("Arial");

} // namespace

void installFontSubstitutes() {
    // Without these, "宋体" falls back to a Latin face (boxes for the
    // symbols) or to a Japanese sans face, depending on what is installed.
    const QStringList song{QStringLiteral("AR PL UMing CN")};
    QFont::insertSubstitutions(kSongFamily, song);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
    QFont::insertSubstitutions(kArialFamily, QStringList{QStringLiteral("Liberation Sans")});
}

QFont songFont(qreal pointSize) {
    QFont font(kSongFamily);
    font.setPointSizeF(pointSize);
    return font;
}

QFont arialFont(qreal pointSize) {
    QFont font(kArialFamily);
    font.setPointSizeF(pointSize);
    return font;
}

FontPreload::FontPreload()
    : thread_(QThread::create([] {
          // The whole database first, then each face with a Chinese and a
          // Latin character, as the chart draws them.
          QFontDatabase::families();
          QImage scratch(64, 32, QImage::Format_RGB32);
          QPainter painter(&scratch);
          for (const QFont& font : {songFont(9), arialFont(9)}) {
              painter.setFont(font);
              painter.drawText(0, 24, QStringLiteral("王A1"));
          }
      })) {
    thread_->start();
}

FontPreload::~FontPreload() {
    wait();
}

void FontPreload::wait() {
    thread_->wait();
}

} // namespace tessaline
