#include "render/FontSetup.h"

#include <QFontDatabase>
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
          // Only the database: Qt keeps the faces it opens per thread, so
          // faces opened here would be opened again by the thread that draws.
          QFontDatabase::families();
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
