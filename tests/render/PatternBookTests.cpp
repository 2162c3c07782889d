// The pattern book as a reader sees it: its pages, the whole pattern's
// numbers on a chart page, every thread in the legend with its skeins, the
// paper size, and a stopped book giving no bytes. Read back with poppler's
// pdftotext and pdfinfo.
#include "ChartTestSupport.h"
#include "pattern/BookLayout.h"
#include "pattern/DmcNames.h"
#include "render/PatternBook.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace tessaline {
namespace {

using test::makeChart;

// The first `count` palette positions whose colours differ from every
// earlier one: each is its own nearest thread.
std::vector<int> distinctThreads(int count) {
    std::vector<int> found;
    std::vector<Color> colors;
    for (int p = 1; p <= kDmcThreadCount && static_cast<int>(found.size()) < count; ++p) {
        const Color c = dmcPalette()[static_cast<std::size_t>(p)].color;
        if (std::find(colors.begin(), colors.end(), c) == colors.end()) {
            found.push_back(p);
            colors.push_back(c);
        }
    }
    return found;
}

class PdfReader {
  public:
    explicit PdfReader(const QByteArray& pdf) {
        if (dir_.isValid()) {
            QFile file(path());
            ok_ = file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size();
        }
    }
    static bool available() {
        return !QStandardPaths::findExecutable("pdftotext").isEmpty() &&
               !QStandardPaths::findExecutable("pdfinfo").isEmpty();
    }
    bool ok() const { return ok_; }
    // The text of one page (1-based), laid out as on the page.
    QString page(int n) const {
        return run("pdftotext",
                   {"-layout", "-f", QString::number(n), "-l", QString::number(n), path(), "-"});
    }
    QString info() const { return run("pdfinfo", {path()}); }
    int pages() const {
        const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
        return pages.match(info()).captured(1).toInt();
    }

  private:
    QString path() const { return dir_.filePath(QStringLiteral("book.pdf")); }
    static QString run(const QString& program, const QStringList& args) {
        QProcess process;
        process.start(QStandardPaths::findExecutable(program), args);
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    QTemporaryDir dir_;
    bool ok_ = false;
};

// The first line of a page that holds only numbers: the column numbers.
QString firstNumberLine(const QString& page) {
    static const QRegularExpression numbers(QStringLiteral("^[\\d ]+$"));
    for (const QString& line : page.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty() && numbers.match(line).hasMatch()) {
            return line.simplified();
        }
    }
    return {};
}

TEST(PatternBook, FullSizePatternOnA4) {
    if (!PdfReader::available()) {
        GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    }
    // 100 threads in blocks of 23 x 25 cells.
    const std::vector<int> threads = distinctThreads(100);
    const auto chart = makeChart(230, 250, [&](int x, int y) {
        return threads[static_cast<std::size_t>(x / 23 + 10 * (y / 25))];
    });
    ASSERT_EQ(chart->threads.table.size(), 100u);
    const ChartSource source = chart->source(ChartKind::BlocksAndSymbols);
    const std::optional<QByteArray> pdf = renderPatternBook(source, BookSettings{});
    ASSERT_TRUE(pdf);
    EXPECT_LT(pdf->size(), 3 * 1024 * 1024);
    const PdfReader book(*pdf);
    ASSERT_TRUE(book.ok());

    // Cover, 4 x 3 chart pages, two legend pages.
    EXPECT_EQ(book.pages(), 15);
    EXPECT_TRUE(book.info().contains(QStringLiteral("595 x 842 pts (A4)")));
    const QString cover = book.page(1);
    EXPECT_TRUE(cover.contains(QStringLiteral("230 × 250 针"))) << cover.toStdString();
    EXPECT_TRUE(cover.contains(QStringLiteral("绣线：100 种"))) << cover.toStdString();
    EXPECT_TRUE(cover.contains(QStringLiteral("针数：57500 针")));
    EXPECT_TRUE(cover.contains(QStringLiteral("14 格布：41.7 × 45.4 厘米（16.4 × 17.9 英寸）")));
    EXPECT_TRUE(cover.contains(QStringLiteral("第 1 页 / 共 15 页")));
    EXPECT_TRUE(cover.contains(QStringLiteral("中心：第 115 与 116 列之间，第 125 与 126 行之间")))
        << cover.toStdString();

    // The pages share the pattern evenly; the second page across starts
    // with the first page's last two columns and numbers them as the whole
    // pattern does.
    const QString second = book.page(3);
    EXPECT_TRUE(second.contains(QStringLiteral("第 58–116 列，第 1–85 行")))
        << second.toStdString();
    EXPECT_EQ(firstNumberLine(second), QStringLiteral("60 70 80 90 100 110"))
        << second.toStdString();
    EXPECT_TRUE(second.contains(QStringLiteral("第 3 页 / 共 15 页")));
    // Below the first row of pages: rows 84..168, named 84, 90, ... 160.
    const QString below = book.page(6);
    EXPECT_TRUE(below.contains(QStringLiteral("第 1–59 列，第 84–168 行"))) << below.toStdString();
    EXPECT_EQ(firstNumberLine(below), QStringLiteral("1 10 20 30 40 50"));
    // Row numbers stand in the gutter; a row without one starts further in.
    const QRegularExpression rowNumber(QStringLiteral("^ {0,3}(\\d+) "),
                                       QRegularExpression::MultilineOption);
    std::vector<int> rows;
    for (auto it = rowNumber.globalMatch(below); it.hasNext();) {
        rows.push_back(it.next().captured(1).toInt());
    }
    EXPECT_EQ(rows, (std::vector<int>{84, 90, 100, 110, 120, 130, 140, 150, 160}));

    // Every thread on the legend pages, with its DMC name, stitches and
    // skeins.
    const QString legend = book.page(14) + book.page(15);
    for (const BookLegendEntry& entry : bookLegend(source, BookSettings{})) {
        const QRegularExpression row(
            QStringLiteral("\\b%1\\s+%2\\s+%3\\b")
                .arg(QRegularExpression::escape(QString::fromStdString(entry.label)))
                .arg(entry.stitches)
                .arg(entry.skeins));
        EXPECT_TRUE(row.match(legend).hasMatch()) << entry.label;
        EXPECT_EQ(entry.stitches, 575);
        EXPECT_EQ(entry.skeins, 1);
    }
    EXPECT_TRUE(book.page(15).contains(QStringLiteral("第 15 页 / 共 15 页")));
}

TEST(PatternBook, LetterPaperLargeCellsAndThreadsBelowTheIgnorableCount) {
    if (!PdfReader::available()) {
        GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    }
    // Three cells of a third thread, under the ignorable count of 5.
    const std::vector<int> threads = distinctThreads(3);
    const auto chart = makeChart(
        40, 30,
        [&](int x, int y) {
            if (y == 29 && x < 3) {
                return threads[2];
            }
            return threads[static_cast<std::size_t>(x < 20 ? 0 : 1)];
        },
        5);
    ASSERT_EQ(chart->threads.table.size(), 2u);
    BookSettings settings;
    settings.paper = PaperSize::Letter;
    settings.pitchMm = 6;
    settings.fabricCount = 28;
    const std::optional<QByteArray> pdf =
        renderPatternBook(chart->source(ChartKind::SymbolsOnly), settings);
    ASSERT_TRUE(pdf);
    const PdfReader book(*pdf);
    ASSERT_TRUE(book.ok());
    // 31 x 37 cells a page: two across, one down.
    EXPECT_EQ(book.pages(), 1 + 2 + 1);
    EXPECT_TRUE(book.info().contains(QStringLiteral("612 x 792 pts (letter)")))
        << book.info().toStdString();
    const QString legend = book.page(4);
    const std::string rare = dmcPalette()[static_cast<std::size_t>(threads[2])].cindex;
    const QString rareLabel = QRegularExpression::escape(QString::fromStdString(threadLabel(rare)));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("\\b%1 \\*\\s+3\\s+1\\b").arg(rareLabel))
                    .match(legend)
                    .hasMatch())
        << legend.toStdString();
    // 28-count linen is stitched over two: 14 crosses an inch.
    EXPECT_TRUE(
        legend.contains(QStringLiteral("28 纱亚麻或十字布，跨两纱绣（每英寸 14 针），2 股线")))
        << legend.toStdString();
}

// What a reader copying the book's text gets for a space: the documents'
// text maps may name the space glyph by U+0020 only, never by the tab that
// some fonts draw with the same glyph.
TEST(PatternBook, ItsTextMapsReadSpacesAsSpaces) {
    const auto chart = makeChart(30, 20, [](int x, int) { return test::lightThread(x % 3); });
    const std::optional<QByteArray> pdf =
        renderPatternBook(chart->source(ChartKind::SymbolsOnly), BookSettings{});
    ASSERT_TRUE(pdf);
    int spaces = 0;
    for (qsizetype from = 0; (from = pdf->indexOf("begincmap", from)) >= 0;) {
        const qsizetype end = pdf->indexOf("endcmap", from);
        ASSERT_GT(end, from);
        const QByteArray map = pdf->mid(from, end - from);
        EXPECT_FALSE(map.contains(" <0009>") || map.contains("[<0009>")) << map.toStdString();
        spaces += static_cast<int>(map.count("<0020>"));
        from = end;
    }
    EXPECT_GT(spaces, 0);
}

TEST(PatternBook, AStoppedBookHasNoBytes) {
    const auto chart = makeChart(60, 40, [](int x, int) { return test::lightThread(x % 4); });
    ChartProgress progress;
    progress.step = [](int done, int) { return done < 1; };
    EXPECT_FALSE(renderPatternBook(chart->source(ChartKind::BlocksOnly), BookSettings{}, progress));
}

} // namespace
} // namespace tessaline
