// Draws the program's icon: a heart in cross stitches on a square of Aida
// cloth. One drawing, written both as an SVG for the scalable icon and as
// PNGs at the usual icon sizes, so every size shows the same stitches.
//   make_icon OUTPUT_FOLDER NAME
// writes OUTPUT_FOLDER/scalable/apps/NAME.svg and
// OUTPUT_FOLDER/SIZExSIZE/apps/NAME.png, the layout of the hicolor theme.
// The icon is this project's own work, drawn by this file.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdio>

namespace {

// The drawing is 240 units square: a 12 x 12 grid of 18-unit cells on
// cloth with a 12-unit rim.
constexpr double kUnits = 240;
constexpr double kRim = 12;
constexpr double kCell = 18;
constexpr int kGrid = 12;

// o: dark outline thread, R: red, H: light highlight, .: bare cloth.
const char* const kMotif[kGrid] = {
    "............", //
    "............", //
    "..ooo..ooo..", //
    ".oHHRooRRRo.", //
    ".oHRRRRRRRo.", //
    ".oRRRRRRRRo.", //
    ".oRRRRRRRRo.", //
    "..oRRRRRRo..", //
    "...oRRRRo...", //
    "....oRRo....", //
    ".....oo.....", //
    "............", //
};

const QColor kCloth(243, 234, 215);
const QColor kClothEdge(205, 190, 160);
const QColor kHole(214, 201, 175);

// The two legs of a stitch: the lower one first, the upper one lighter.
struct Thread {
    QColor under;
    QColor over;
};

Thread threadFor(char symbol) {
    switch (symbol) {
    case 'o':
        return {QColor(120, 16, 38), QColor(150, 28, 52)};
    case 'H':
        return {QColor(236, 120, 140), QColor(250, 165, 178)};
    default:
        return {QColor(190, 30, 58), QColor(222, 58, 82)};
    }
}

struct Leg {
    double x1, y1, x2, y2;
    QColor colour;
};

// Every stitch leg in drawing order, in units.
QList<Leg> stitchLegs() {
    QList<Leg> legs;
    const double inset = kCell * 0.16;
    for (int row = 0; row < kGrid; ++row) {
        for (int column = 0; column < kGrid; ++column) {
            const char symbol = kMotif[row][column];
            if (symbol == '.') {
                continue;
            }
            const Thread thread = threadFor(symbol);
            const double left = kRim + column * kCell + inset;
            const double top = kRim + row * kCell + inset;
            const double right = kRim + (column + 1) * kCell - inset;
            const double bottom = kRim + (row + 1) * kCell - inset;
            legs.append({left, bottom, right, top, thread.under});
            legs.append({left, top, right, bottom, thread.over});
        }
    }
    return legs;
}

constexpr double kLegWidth = kCell * 0.3;
constexpr double kCorner = 28;
constexpr double kHoleRadius = 1.3;

QString svgColour(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

QString svgDrawing() {
    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<!-- Tessaline's icon, drawn by tools/make_icon.cpp. -->\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"240\" "
                          "height=\"240\" viewBox=\"0 0 240 240\">\n");
    svg += QStringLiteral("  <rect x=\"2\" y=\"2\" width=\"236\" height=\"236\" rx=\"%1\" "
                          "fill=\"%2\" stroke=\"%3\" stroke-width=\"3\"/>\n")
               .arg(kCorner)
               .arg(svgColour(kCloth), svgColour(kClothEdge));
    svg += QStringLiteral("  <g fill=\"%1\">\n").arg(svgColour(kHole));
    for (int row = 1; row < kGrid; ++row) {
        for (int column = 1; column < kGrid; ++column) {
            svg += QStringLiteral("    <circle cx=\"%1\" cy=\"%2\" r=\"%3\"/>\n")
                       .arg(kRim + column * kCell)
                       .arg(kRim + row * kCell)
                       .arg(kHoleRadius);
        }
    }
    svg += QStringLiteral("  </g>\n  <g stroke-width=\"%1\" stroke-linecap=\"round\">\n")
               .arg(kLegWidth);
    for (const Leg& leg : stitchLegs()) {
        svg += QStringLiteral("    <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\"/>\n")
                   .arg(leg.x1)
                   .arg(leg.y1)
                   .arg(leg.x2)
                   .arg(leg.y2)
                   .arg(svgColour(leg.colour));
    }
    svg += QStringLiteral("  </g>\n</svg>\n");
    return svg;
}

QImage pngDrawing(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kUnits, size / kUnits);
    p.setPen(QPen(kClothEdge, 3));
    p.setBrush(kCloth);
    p.drawRoundedRect(QRectF(2, 2, 236, 236), kCorner, kCorner);
    // The cloth's holes would only blur a small icon.
    if (size >= 48) {
        p.setPen(Qt::NoPen);
        p.setBrush(kHole);
        for (int row = 1; row < kGrid; ++row) {
            for (int column = 1; column < kGrid; ++column) {
                p.drawEllipse(QPointF(kRim + column * kCell, kRim + row * kCell), kHoleRadius,
                              kHoleRadius);
            }
        }
    }
    for (const Leg& leg : stitchLegs()) {
        p.setPen(QPen(leg.colour, kLegWidth, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(leg.x1, leg.y1), QPointF(leg.x2, leg.y2));
    }
    p.end();
    return image;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icon OUTPUT_FOLDER NAME\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    if (!writeFile(out.filePath(QStringLiteral("scalable/apps/%1.svg").arg(name)),
                   svgDrawing().toUtf8())) {
        std::fprintf(stderr, "make_icon: cannot write the SVG icon\n");
        return 1;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = out.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name));
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!pngDrawing(size).save(path, "PNG")) {
            std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
