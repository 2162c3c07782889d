#include "help_illustrations.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QColor kInk(48, 48, 48);
const QColor kAccent(160, 24, 48);
const QColor kGrid(32, 32, 32);
const QColor kWindow(240, 240, 240);

// The guide being drawn for: the pictures show the interface in its language.
GuideLanguage language = GuideLanguage::Chinese;

// The caption in the guide's language.
QString say(const char* chinese, const char* traditional, const char* inEnglish) {
    switch (language) {
    case GuideLanguage::TraditionalChinese:
        return QString::fromUtf8(traditional);
    case GuideLanguage::English:
        return QString::fromUtf8(inEnglish);
    case GuideLanguage::Chinese:
        break;
    }
    return QString::fromUtf8(chinese);
}

QFont chinese(int pixels, bool bold = false) {
    QFont font(language == GuideLanguage::English              ? QStringLiteral("Liberation Sans")
               : language == GuideLanguage::TraditionalChinese ? QStringLiteral("AR PL UMing TW")
                                                               : QStringLiteral("AR PL UMing CN"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The font of pixels size, made smaller until caption fits width.
QFont fitted(int pixels, const QString& caption, int width) {
    QFont font = chinese(pixels);
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(caption) > width) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

// Layout rectangles are given in twips, 15 to the pixel, as the windows are.
QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

// The colour of the sample motif (a rose on a soft background) at (x, y)
// of a w x h area, used for both the working picture and the stitch grid.
QColor motif(double x, double y, double w, double h) {
    const double dx = (x - w * 0.5) / (w * 0.32);
    const double dy = (y - h * 0.42) / (h * 0.3);
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r < 1.0) {
        const double swirl = std::sin(std::atan2(dy, dx) * 3 + r * 9);
        const int shade = static_cast<int>(40 * swirl);
        return QColor(std::clamp(200 + shade, 0, 255), std::clamp(40 + shade / 2, 0, 255),
                      std::clamp(70 + shade / 2, 0, 255));
    }
    if (std::abs(x - w * 0.5) < w * 0.03 && y > h * 0.6) {
        return QColor(60, 120, 50);
    }
    return QColor(static_cast<int>(250 - y / h * 50), static_cast<int>(240 - y / h * 15),
                  static_cast<int>(220 - y / h * 15));
}

void button(QPainter& p, const QRect& r, const QString& caption) {
    p.setPen(QColor(160, 160, 160));
    p.setBrush(QColor(225, 225, 225));
    p.drawRoundedRect(r.adjusted(0, 0, -1, -1), 3, 3);
    p.setPen(kInk);
    p.setFont(fitted(12, caption, r.width() - 4));
    p.drawText(r, Qt::AlignCenter, caption);
}

// roomTwips: how far the caption may run before the next control.
void textButton(QPainter& p, const QRect& r, const QString& caption, int roomTwips = 0) {
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setFont(fitted(12, caption, std::max(r.width(), roomTwips / 15 - 4)));
    // A longer caption runs on into the room beside it, as in the window.
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, caption);
}

void scrollBar(QPainter& p, const QRect& r) {
    p.setPen(QColor(180, 180, 180));
    p.setBrush(QColor(230, 230, 230));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setBrush(QColor(190, 190, 190));
    const QRect thumb =
        r.width() > r.height()
            ? QRect(r.left() + r.width() / 3, r.top() + 2, r.width() / 6, r.height() - 4)
            : QRect(r.left() + 2, r.top() + r.height() / 3, r.width() - 4, r.height() / 6);
    p.drawRect(thumb);
}

QImage workflow() {
    QImage image(760, 150, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const std::array<QString, 5> steps{
        say("导入图片", "匯入圖片", "Import"), say("大小与取景", "大小與取景", "Size & frame"),
        say("效果预览", "效果預覽", "Preview"), say("生成绣图", "產生繡圖", "Generate"),
        say("保存 / 打印", "儲存 / 列印", "Save / Print")};
    const std::array<QString, 5> notes{QStringLiteral("bmp jpg gif"),
                                       say("最大230×250针", "最大230×250針", "up to 230×250"),
                                       say("减色、针格", "減色、針格", "colors, grid"),
                                       say("DMC绣线、符号", "DMC繡線、符號", "DMC, symbols"),
                                       say("图纸和绣线表", "圖紙和繡線表", "chart, threads")};
    for (int i = 0; i < 5; ++i) {
        const QRectF box(12 + i * 150, 30, 118, 80);
        p.setPen(QPen(kAccent, 2));
        p.setBrush(QColor(251, 246, 234));
        p.drawRoundedRect(box, 10, 10);
        p.setPen(kAccent);
        p.setFont(chinese(14, true));
        p.drawText(box.adjusted(0, 8, 0, -40), Qt::AlignCenter, QString::number(i + 1));
        p.setPen(kInk);
        p.setFont(chinese(16, true));
        p.drawText(box.adjusted(0, 26, 0, -22), Qt::AlignCenter, steps[i]);
        p.setFont(chinese(12));
        p.drawText(box.adjusted(0, 52, 0, -4), Qt::AlignCenter, notes[i]);
        if (i < 4) {
            const double x = box.right() + 6;
            p.setPen(QPen(kInk, 2));
            p.drawLine(QPointF(x, 70), QPointF(x + 20, 70));
            p.setBrush(kInk);
            p.drawPolygon(
                QPolygonF({QPointF(x + 26, 70), QPointF(x + 18, 65), QPointF(x + 18, 75)}));
        }
    }
    return image;
}

QImage mainWindow() {
    const QRect client = twips(0, 0, 12285, 7725);
    QImage image(client.width(), client.height() + 24, QImage::Format_RGB32);
    image.fill(kWindow);
    QPainter p(&image);
    // The menu bar.
    p.fillRect(0, 0, image.width(), 22, QColor(250, 250, 250));
    p.setPen(kInk);
    p.setFont(chinese(13));
    p.drawText(QRect(8, 0, 300, 22), Qt::AlignVCenter,
               say("文件    设置    帮助", "檔案    設定    說明", "File    Settings    Help"));
    p.translate(0, 24);

    button(p, twips(120, 120, 975, 375), say("导入图片", "匯入圖片", "Import"));
    button(p, twips(1080, 120, 975, 375), say("绣图图库", "繡圖圖庫", "Gallery"));
    button(p, twips(2040, 120, 1095, 375), say("绣图设置", "繡圖設定", "Pattern settings"));
    button(p, twips(3120, 120, 855, 375), say("帮助", "說明", "Help"));
    textButton(p, twips(5100, 240, 3675, 255),
               say("绣布：宽高21x24厘米", "繡布：寬高21x24公分", "Fabric: 70x80 (about 21x24 cm)"));
    textButton(p, twips(9360, 240, 555, 255), say("生成", "產生", "Generate"), 960);
    textButton(p, twips(10320, 240, 495, 255), say("编辑", "編輯", "Edit"), 840);
    textButton(p, twips(11160, 240, 495, 255), say("打印", "列印", "Print"), 840);
    scrollBar(p, twips(360, 600, 3615, 255));
    scrollBar(p, twips(4080, 1080, 255, 3735));
    scrollBar(p, twips(360, 5040, 3615, 255));
    scrollBar(p, twips(5100, 660, 6555, 255));
    scrollBar(p, twips(11880, 960, 255, 6495));

    // The frame "我的图片" with the working picture and the pattern frame.
    const QRect frame = twips(360, 960, 3615, 3975);
    p.setPen(QColor(170, 170, 170));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame.adjusted(0, 6, -1, -1));
    p.fillRect(QRect(frame.left() + 8, frame.top(), 60, 14), kWindow);
    p.setPen(kInk);
    p.setFont(chinese(12));
    p.drawText(QRect(frame.left() + 10, frame.top() - 2, 60, 16), Qt::AlignLeft,
               say("我的图片", "我的圖片", "My picture"));
    const QRect picture(frame.left() + 20, frame.top() + 24, 200, 220);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            p.setPen(motif(x, y, picture.width(), picture.height()));
            p.drawPoint(picture.left() + x, picture.top() + y);
        }
    }
    p.setPen(QPen(QColor(0, 90, 200), 2, Qt::DashLine));
    p.drawRect(picture.adjusted(10, 10, -10, -10));

    button(p, twips(120, 5400, 555, 375), say("局部", "局部", "Part"));
    button(p, twips(660, 5400, 555, 375), say("全图", "全圖", "Whole"));
    button(p, twips(1200, 5400, 555, 375), say("还原", "還原", "1:1"));
    button(p, twips(1920, 5400, 945, 375), say("保存效果", "儲存效果", "Save image"));
    button(p, twips(2880, 5400, 1095, 375), say("效果预览->", "效果預覽->", "Preview ->"));
    textButton(p, twips(180, 6300, 435, 255), say("放大", "放大", "Zoom+"), 660);
    textButton(p, twips(840, 6300, 495, 255), say("缩小", "縮小", "Zoom-"), 720);
    textButton(p, twips(1560, 6300, 495, 255), say("文字", "文字", "Text"), 660);
    textButton(p, twips(2220, 6300, 855, 255), say("字体选择", "字型選擇", "Font"), 900);
    textButton(p, twips(3120, 6300, 855, 255), say("字体颜色", "字型顏色", "Font color"), 960);
    textButton(p, twips(4080, 6300, 855, 255), say("超级减色", "超級減色", "Reduction"), 1200);
    p.setPen(kInk);
    p.drawText(twips(180, 6960, 4095, 735), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               say("欢迎使用Tessaline，动手把你的照片做成十字绣！",
                   "歡迎使用Tessaline，動手把你的照片做成十字繡！",
                   "Welcome to Tessaline! Turn your own photos into cross-stitch patterns."));

    // The stitch-grid view: four pixels to a stitch, grid lines on top and left.
    const QRect view = twips(5100, 960, 6615, 6495);
    p.fillRect(view, Qt::white);
    const int cell = 4;
    const int columns = 110;
    const int rows = 105;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            QColor c = motif(column, row, columns, rows);
            // Reduced colours, as the effect preview leaves them.
            c = QColor(c.red() / 64 * 64 + 32, c.green() / 64 * 64 + 32, c.blue() / 64 * 64 + 32);
            p.fillRect(view.left() + column * cell, view.top() + row * cell, cell, cell, kGrid);
            p.fillRect(view.left() + column * cell + 1, view.top() + row * cell + 1, cell - 1,
                       cell - 1, c);
        }
    }
    return image;
}

// A heart on a light ground, twelve stitches to a cell edge.
QImage stitchGrid() {
    static const std::array<const char*, 12> pattern{
        "................", "...RRR....RRR...", "..RRRRR..RRRRR..", ".RRPRRRRRRRRRRR.",
        ".RPPRRRRRRRRRRR.", ".RRRRRRRRRRRRRD.", "..RRRRRRRRRRRD..", "...RRRRRRRRRD...",
        "....RRRRRRRD....", ".....RRRRRD.....", "......RRRD......", ".......RD.......",
    };
    const int cell = 16;
    QImage image(16 * cell, static_cast<int>(pattern.size()) * cell, QImage::Format_RGB32);
    image.fill(kGrid);
    QPainter p(&image);
    for (int row = 0; row < static_cast<int>(pattern.size()); ++row) {
        for (int column = 0; column < 16; ++column) {
            QColor c(246, 240, 226);
            switch (pattern[row][column]) {
            case 'R':
                c = QColor(200, 30, 60);
                break;
            case 'P':
                c = QColor(250, 170, 180);
                break;
            case 'D':
                c = QColor(130, 10, 40);
                break;
            default:
                break;
            }
            p.fillRect(column * cell + 1, row * cell + 1, cell - 1, cell - 1, c);
        }
    }
    return image;
}

QImage chart() {
    QImage image(640, 360, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(kInk);
    p.setFont(chinese(16, true));
    p.drawText(QRect(0, 4, 420, 24), Qt::AlignCenter,
               say("我的绣图  20×20", "我的繡圖  20×20", "My pattern  20×20"));

    const int cell = 15;
    const QPoint origin(40, 50);
    const QString symbols = QStringLiteral("●▲■◆★");
    const std::array<QColor, 5> colours{QColor(200, 30, 60), QColor(250, 170, 180),
                                        QColor(130, 10, 40), QColor(60, 120, 50),
                                        QColor(246, 240, 226)};
    auto threadAt = [](int column, int row) {
        const double dx = (column - 9.5) / 7.0;
        const double dy = (row - 8.0) / 6.5;
        const double r = dx * dx + dy * dy;
        if (r < 0.25) {
            return 1;
        }
        if (r < 0.7) {
            return 0;
        }
        if (r < 1.0) {
            return 2;
        }
        return (column == 10 && row > 14) ? 3 : 4;
    };
    p.setFont(chinese(10));
    for (int row = 0; row < 20; ++row) {
        for (int column = 0; column < 20; ++column) {
            const int t = threadAt(column, row);
            const QRect r(origin.x() + column * cell, origin.y() + row * cell, cell, cell);
            QColor light = colours[t].lighter(150);
            p.fillRect(r, t == 4 ? Qt::white : light);
            p.setPen(kInk);
            if (t != 4) {
                p.drawText(r, Qt::AlignCenter, symbols.mid(t, 1));
            }
        }
    }
    for (int i = 0; i <= 20; ++i) {
        p.setPen(QPen(kInk, i % 10 == 0 ? 2 : 1));
        p.drawLine(origin.x() + i * cell, origin.y(), origin.x() + i * cell,
                   origin.y() + 20 * cell);
        p.drawLine(origin.x(), origin.y() + i * cell, origin.x() + 20 * cell,
                   origin.y() + i * cell);
    }
    p.setFont(chinese(10));
    for (int i = 10; i <= 20; i += 10) {
        p.drawText(QRect(origin.x() + i * cell - 15, origin.y() - 16, 30, 14), Qt::AlignCenter,
                   QString::number(i));
        p.drawText(QRect(origin.x() - 30, origin.y() + i * cell - 7, 26, 14), Qt::AlignRight,
                   QString::number(i));
    }

    // The legend: symbol, thread number, amount.
    const std::array<QString, 4> threads{QStringLiteral("DMC 321"), QStringLiteral("DMC 3326"),
                                         QStringLiteral("DMC 815"), QStringLiteral("DMC 987")};
    const std::array<int, 4> counts{132, 60, 71, 5};
    const int left = 390;
    p.setFont(chinese(13, true));
    p.drawText(QRect(left, 50, 240, 20), Qt::AlignLeft,
               say("符号   绣线      数量", "符號   色號      數量", "Symbol  Thread     Count"));
    p.setFont(chinese(13));
    for (int i = 0; i < 4; ++i) {
        const int top = 80 + i * 28;
        p.fillRect(left, top, 20, 20, colours[i].lighter(150));
        p.setPen(kInk);
        p.drawRect(left, top, 20, 20);
        p.drawText(QRect(left, top, 20, 20), Qt::AlignCenter, symbols.mid(i, 1));
        p.drawText(QRect(left + 42, top, 100, 20), Qt::AlignVCenter, threads[i]);
        p.drawText(QRect(left + 150, top, 60, 20), Qt::AlignVCenter | Qt::AlignRight,
                   QString::number(counts[i]));
    }
    return image;
}

} // namespace

QImage drawHelpIllustration(const QString& name, GuideLanguage guideLanguage) {
    language = guideLanguage;
    if (name == QLatin1String("workflow")) {
        return workflow();
    }
    if (name == QLatin1String("mainwindow")) {
        return mainWindow();
    }
    if (name == QLatin1String("stitchgrid")) {
        return stitchGrid();
    }
    if (name == QLatin1String("chart")) {
        return chart();
    }
    return {};
}
