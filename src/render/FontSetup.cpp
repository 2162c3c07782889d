#include "render/FontSetup.h"

#include <QString>
#include <QStringList>

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

} // namespace tessaline
