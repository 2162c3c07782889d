// The chart fonts resolve to installed faces with real Chinese glyphs.
#include "pattern/SymbolSet.h"
#include "render/FontSetup.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <gtest/gtest.h>
#include <map>

namespace tessaline {
namespace {

QImage drawn(const QString& text, const QFont& font) {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, 40, 20), Qt::AlignLeft | Qt::AlignTop, text);
    return image;
}

// The pattern book draws the stitcher's symbols as text of the chart font:
// each must be a glyph of that face itself (no fallback) and no two may
// have the same outline.
TEST(FontSetupTest, EveryStitchersSymbolIsAGlyphOfItsOwnInTheChartFont) {
    const QRawFont raw = QRawFont::fromFont(songFont(40));
    ASSERT_TRUE(raw.isValid());
    EXPECT_EQ(raw.familyName().toLower(), "ar pl uming cn");
    std::map<QByteArray, std::string> outlines;
    for (const std::string& symbol : stitchSymbols()) {
        const QList<quint32> glyphs = raw.glyphIndexesForString(QString::fromStdString(symbol));
        ASSERT_EQ(glyphs.size(), 1) << symbol;
        ASSERT_NE(glyphs.front(), 0u) << symbol << " is not in the font";
        const QPainterPath path = raw.pathForGlyph(glyphs.front());
        EXPECT_FALSE(path.isEmpty()) << symbol;
        QByteArray outline;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            outline += QByteArray::number(static_cast<int>(e.type)) + ' ' +
                       QByteArray::number(e.x, 'f', 2) + ' ' + QByteArray::number(e.y, 'f', 2) +
                       ';';
        }
        const auto [at, fresh] = outlines.emplace(outline, symbol);
        EXPECT_TRUE(fresh) << symbol << " looks like " << at->second;
    }
}

TEST(FontSetupTest, SongAndArialResolveToTheirSubstitutes) {
    EXPECT_EQ(QFontInfo(songFont(9)).family(), "AR PL UMing CN");
    EXPECT_EQ(QFontInfo(QFont("SimSun", 9)).family(), "AR PL UMing CN");
    EXPECT_EQ(QFontInfo(arialFont(8)).family(), "Liberation Sans");
    EXPECT_EQ(songFont(9).pointSizeF(), 9);
    EXPECT_EQ(arialFont(8).pointSizeF(), 8);
}

TEST(FontSetupTest, ChineseTextHasRealGlyphs) {
    const QFont song = songFont(9);
    const QFontMetrics metrics(song);
    EXPECT_TRUE(metrics.inFontUcs4(U'符'));
    EXPECT_TRUE(metrics.inFontUcs4(U'号'));
    EXPECT_TRUE(metrics.inFontUcs4(U'绣'));
    // Chinese characters are full width: two of them span as much as four
    // Latin digits of the same face, more than two Latin letters.
    const int chinese = metrics.horizontalAdvance("符号");
    EXPECT_EQ(chinese, metrics.horizontalAdvance("符") * 2);
    EXPECT_GT(chinese, metrics.horizontalAdvance("ab"));
    EXPECT_NEAR(chinese, 2 * metrics.horizontalAdvance("00"), 2);
    // Distinct characters draw distinct shapes (no missing-glyph boxes).
    EXPECT_NE(drawn("符", song), drawn("号", song));
    EXPECT_NE(drawn("人", song), drawn("了", song));
}

} // namespace
} // namespace tessaline
