#include "windows/AboutLogo.h"

#include <QFont>
#include <QPainter>
#include <array>

namespace tessaline {

namespace {

constexpr QRgb kFabric = qRgb(250, 246, 236);
constexpr QRgb kHoles = qRgb(222, 214, 196);
constexpr QRgb kThread = qRgb(196, 30, 58);
constexpr QRgb kInk = qRgb(64, 64, 64);
constexpr int kCell = 5;

// A heart in a 9 x 8 grid of stitches.
constexpr std::array<const char*, 8> kHeart{
    ".XX...XX.", "XXXX.XXXX", "XXXXXXXXX", "XXXXXXXXX",
    ".XXXXXXX.", "..XXXXX..", "...XXX...", "....X....",
};

void drawFabric(QPainter& p) {
    p.fillRect(QRect(0, 0, kAboutLogoWidth, kAboutLogoHeight), QColor(kFabric));
    p.setPen(QColor(kHoles));
    for (int x = 0; x < kAboutLogoWidth; x += kCell) {
        for (int y = 0; y < kAboutLogoHeight; y += kCell) {
            p.drawPoint(x, y);
        }
    }
}

void drawHeart(QPainter& p, int left, int top) {
    p.setPen(QPen(QColor(kThread), 1.2));
    for (int row = 0; row < static_cast<int>(kHeart.size()); ++row) {
        for (int col = 0; kHeart[row][col] != '\0'; ++col) {
            if (kHeart[row][col] != 'X') {
                continue;
            }
            const int x = left + col * kCell;
            const int y = top + row * kCell;
            p.drawLine(x, y, x + kCell - 1, y + kCell - 1);
            p.drawLine(x + kCell - 1, y, x, y + kCell - 1);
        }
    }
}

} // namespace

QImage drawAboutLogo() {
    QImage logo(kAboutLogoWidth, kAboutLogoHeight, QImage::Format_RGB32);
    QPainter p(&logo);
    drawFabric(p);
    p.setRenderHint(QPainter::Antialiasing);
    drawHeart(p, 5, 7);

    QFont name(QStringLiteral("Liberation Serif"));
    name.setPixelSize(24);
    name.setItalic(true);
    p.setFont(name);
    p.setPen(QColor(kInk));
    p.drawText(QRect(54, 4, 106, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Tessaline"));
    // A running stitch under the name.
    p.setPen(QPen(QColor(kThread), 2));
    for (int x = 56; x + 6 <= 156; x += 10) {
        p.drawLine(x, 40, x + 6, 40);
    }
    p.end();
    return logo;
}

} // namespace tessaline
