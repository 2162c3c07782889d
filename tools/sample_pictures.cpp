#include "sample_pictures.h"

#include <QFont>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <random>

namespace {

using Draw = std::function<void(QPainter&, double w, double h)>;

QColor rgb(int hex) {
    return QColor((hex >> 16) & 0xFF, (hex >> 8) & 0xFF, hex & 0xFF);
}

// Fills with a brush and outlines with a dark pen of the given width
// (none when the width is 0).
void style(QPainter& p, const QColor& fill, double outline = 0, const QColor& pen = Qt::black) {
    p.setBrush(fill);
    if (outline > 0) {
        p.setPen(QPen(pen, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        p.setPen(Qt::NoPen);
    }
}

void line(QPainter& p, QPointF a, QPointF b, const QColor& color, double width) {
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
}

QPolygonF polygon(std::initializer_list<QPointF> points, double w, double h) {
    QPolygonF poly;
    for (const QPointF& pt : points) {
        poly << QPointF(pt.x() * w, pt.y() * h);
    }
    return poly;
}

// Bands of flat colour from top to bottom, for skies and backgrounds.
void bands(QPainter& p, double w, double h, std::initializer_list<int> colors) {
    const double step = h / static_cast<double>(colors.size());
    double y = 0;
    p.setPen(Qt::NoPen);
    for (int c : colors) {
        p.setBrush(rgb(c));
        p.drawRect(QRectF(0, y, w, step + 1));
        y += step;
    }
}

void gradientSky(QPainter& p, double w, double h, int top, int bottom) {
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, rgb(top));
    sky.setColorAt(1, rgb(bottom));
    p.fillRect(QRectF(0, 0, w, h), sky);
}

void cloud(QPainter& p, QPointF at, double size, const QColor& color) {
    style(p, color);
    p.drawEllipse(at, size, size * 0.6);
    p.drawEllipse(at + QPointF(size * 0.8, size * 0.15), size * 0.7, size * 0.45);
    p.drawEllipse(at + QPointF(-size * 0.8, size * 0.2), size * 0.6, size * 0.4);
}

// --- 动漫: cartoon figures -------------------------------------------------

void cartoonCat(QPainter& p, double w, double h) {
    bands(p, w, h, {0xfdeecf, 0xfbe3b8});
    const QPointF c(w * 0.5, h * 0.55);
    const double r = w * 0.32;
    style(p, rgb(0xf29a3f), 4);
    p.drawPolygon(QPolygonF() << c + QPointF(-r * 0.95, -r * 0.3)
                              << c + QPointF(-r * 0.75, -r * 1.35)
                              << c + QPointF(-r * 0.2, -r * 0.85));
    p.drawPolygon(QPolygonF() << c + QPointF(r * 0.95, -r * 0.3) << c + QPointF(r * 0.75, -r * 1.35)
                              << c + QPointF(r * 0.2, -r * 0.85));
    p.drawEllipse(c, r, r * 0.85);
    style(p, rgb(0xf7b6c2));
    p.drawPolygon(QPolygonF() << c + QPointF(-r * 0.75, -r * 0.55)
                              << c + QPointF(-r * 0.72, -r * 1.1)
                              << c + QPointF(-r * 0.38, -r * 0.8));
    p.drawPolygon(QPolygonF() << c + QPointF(r * 0.75, -r * 0.55) << c + QPointF(r * 0.72, -r * 1.1)
                              << c + QPointF(r * 0.38, -r * 0.8));
    style(p, Qt::white);
    p.drawEllipse(c + QPointF(0, r * 0.35), r * 0.45, r * 0.32);
    for (int side : {-1, 1}) {
        style(p, rgb(0x2b2b2b));
        p.drawEllipse(c + QPointF(side * r * 0.38, -r * 0.1), r * 0.16, r * 0.22);
        style(p, Qt::white);
        p.drawEllipse(c + QPointF(side * r * 0.38 + r * 0.05, -r * 0.18), r * 0.06, r * 0.07);
        for (int k = -1; k <= 1; ++k) {
            line(p, c + QPointF(side * r * 0.5, r * 0.3 + k * r * 0.1),
                 c + QPointF(side * r * 1.15, r * 0.22 + k * r * 0.18), rgb(0x2b2b2b), 3);
        }
        style(p, rgb(0xf7a1b0));
        p.drawEllipse(c + QPointF(side * r * 0.62, r * 0.22), r * 0.13, r * 0.08);
    }
    style(p, rgb(0xe2566e), 2);
    p.drawPolygon(QPolygonF() << c + QPointF(-r * 0.1, r * 0.18) << c + QPointF(r * 0.1, r * 0.18)
                              << c + QPointF(0, r * 0.3));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(0x2b2b2b), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - r * 0.2, c.y() + r * 0.2, r * 0.2, r * 0.2), 180 * 16, 180 * 16);
    p.drawArc(QRectF(c.x(), c.y() + r * 0.2, r * 0.2, r * 0.2), 180 * 16, 180 * 16);
}

void robot(QPainter& p, double w, double h) {
    bands(p, w, h, {0xd8ecf6, 0xc5e2f0, 0xb2d8ea});
    style(p, rgb(0x8aa0b4), 4, rgb(0x33404d));
    p.drawRect(QRectF(w * 0.18, h * 0.48, w * 0.1, h * 0.28)); // arms
    p.drawRect(QRectF(w * 0.72, h * 0.48, w * 0.1, h * 0.28));
    p.drawRect(QRectF(w * 0.36, h * 0.78, w * 0.1, h * 0.16)); // legs
    p.drawRect(QRectF(w * 0.54, h * 0.78, w * 0.1, h * 0.16));
    style(p, rgb(0x4f8fc0), 4, rgb(0x33404d));
    p.drawRoundedRect(QRectF(w * 0.28, h * 0.45, w * 0.44, h * 0.35), 10, 10);
    p.drawRoundedRect(QRectF(w * 0.3, h * 0.14, w * 0.4, h * 0.28), 14, 14);
    line(p, QPointF(w * 0.5, h * 0.14), QPointF(w * 0.5, h * 0.06), rgb(0x33404d), 4);
    style(p, rgb(0xe0413b), 3, rgb(0x33404d));
    p.drawEllipse(QPointF(w * 0.5, h * 0.05), w * 0.03, w * 0.03);
    for (double x : {0.41, 0.59}) {
        style(p, rgb(0xffd23f), 3, rgb(0x33404d));
        p.drawEllipse(QPointF(w * x, h * 0.25), w * 0.055, w * 0.055);
        style(p, rgb(0x33404d));
        p.drawEllipse(QPointF(w * x, h * 0.25), w * 0.022, w * 0.022);
    }
    style(p, rgb(0xe8eef2), 3, rgb(0x33404d));
    p.drawRect(QRectF(w * 0.4, h * 0.33, w * 0.2, h * 0.05));
    for (int i = 1; i < 4; ++i) {
        line(p, QPointF(w * (0.4 + i * 0.05), h * 0.33), QPointF(w * (0.4 + i * 0.05), h * 0.38),
             rgb(0x33404d), 2);
    }
    QPainterPath heart;
    const QPointF hc(w * 0.5, h * 0.6);
    const double s = w * 0.07;
    heart.moveTo(hc + QPointF(0, s * 0.9));
    heart.cubicTo(hc + QPointF(-s * 1.6, -s * 0.2), hc + QPointF(-s * 0.6, -s * 1.3), hc);
    heart.cubicTo(hc + QPointF(s * 0.6, -s * 1.3), hc + QPointF(s * 1.6, -s * 0.2),
                  hc + QPointF(0, s * 0.9));
    style(p, rgb(0xe0413b), 2, rgb(0x33404d));
    p.drawPath(heart);
}

void smilingSun(QPainter& p, double w, double h) {
    gradientSky(p, w, h, 0x7cc6f2, 0xcdeaf9);
    const QPointF c(w * 0.5, h * 0.47);
    const double r = w * 0.23;
    style(p, rgb(0xf7941d), 3, rgb(0xc4570e));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        const double b = 0.17;
        p.drawPolygon(QPolygonF() << c + QPointF(std::cos(a - b), std::sin(a - b)) * r * 1.1
                                  << c + QPointF(std::cos(a), std::sin(a)) * r * 1.6
                                  << c + QPointF(std::cos(a + b), std::sin(a + b)) * r * 1.1);
    }
    QRadialGradient face(c, r);
    face.setColorAt(0, rgb(0xfff27a));
    face.setColorAt(1, rgb(0xffc928));
    p.setBrush(face);
    p.drawEllipse(c, r, r);
    style(p, rgb(0x4a2a0a));
    p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.15), r * 0.1, r * 0.15);
    p.drawEllipse(c + QPointF(r * 0.35, -r * 0.15), r * 0.1, r * 0.15);
    style(p, rgb(0xf58a8a));
    p.drawEllipse(c + QPointF(-r * 0.58, r * 0.2), r * 0.15, r * 0.1);
    p.drawEllipse(c + QPointF(r * 0.58, r * 0.2), r * 0.15, r * 0.1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(0x4a2a0a), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - r * 0.4, c.y() - r * 0.1, r * 0.8, r * 0.6), 200 * 16, 140 * 16);
    cloud(p, QPointF(w * 0.2, h * 0.85), w * 0.1, Qt::white);
    cloud(p, QPointF(w * 0.78, h * 0.88), w * 0.08, Qt::white);
}

void frog(QPainter& p, double w, double h) {
    bands(p, w, h, {0x9fd3e6, 0x7fc2dc, 0x5fb0d2});
    style(p, rgb(0x3f9b4a), 3, rgb(0x245c2b));
    p.drawEllipse(QPointF(w * 0.5, h * 0.82), w * 0.42, h * 0.12); // lily pad
    style(p, rgb(0x9fd3e6));
    p.drawPolygon(polygon({{0.5, 0.82}, {0.92, 0.76}, {0.92, 0.88}}, w, h));
    const QPointF c(w * 0.5, h * 0.55);
    style(p, rgb(0x77c043), 4, rgb(0x2f5e1a));
    p.drawEllipse(c, w * 0.3, h * 0.23);
    for (int side : {-1, 1}) {
        const QPointF eye(c.x() + side * w * 0.16, c.y() - h * 0.2);
        style(p, rgb(0x77c043), 4, rgb(0x2f5e1a));
        p.drawEllipse(eye, w * 0.1, w * 0.1);
        style(p, Qt::white, 2, rgb(0x2f5e1a));
        p.drawEllipse(eye, w * 0.065, w * 0.065);
        style(p, rgb(0x1d1d1d));
        p.drawEllipse(eye + QPointF(side * w * 0.01, w * 0.01), w * 0.035, w * 0.035);
        style(p, rgb(0xf49ac1));
        p.drawEllipse(QPointF(c.x() + side * w * 0.2, c.y() + h * 0.02), w * 0.05, h * 0.025);
        style(p, rgb(0x77c043), 4, rgb(0x2f5e1a));
        p.drawEllipse(QPointF(c.x() + side * w * 0.22, c.y() + h * 0.2), w * 0.09, h * 0.04);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(0x2f5e1a), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - w * 0.14, c.y() - h * 0.1, w * 0.28, h * 0.16), 200 * 16, 140 * 16);
}

// --- 美女: portraits and figures -------------------------------------------

void face(QPainter& p, QPointF c, double r, int skin, int lips, int eyes) {
    style(p, rgb(skin), 2, rgb(0x8a5a44));
    p.drawEllipse(c, r * 0.78, r);
    for (int side : {-1, 1}) {
        const QPointF eye = c + QPointF(side * r * 0.32, -r * 0.05);
        style(p, Qt::white, 1.5, rgb(0x3a2a20));
        p.drawEllipse(eye, r * 0.17, r * 0.1);
        style(p, rgb(eyes));
        p.drawEllipse(eye, r * 0.08, r * 0.08);
        style(p, rgb(0x111111));
        p.drawEllipse(eye, r * 0.035, r * 0.035);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(rgb(0x3a2a20), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(eye.x() - r * 0.2, eye.y() - r * 0.3, r * 0.4, r * 0.25), 30 * 16,
                  120 * 16);
        style(p, rgb(0xf3a7a0));
        p.drawEllipse(c + QPointF(side * r * 0.45, r * 0.3), r * 0.13, r * 0.07);
    }
    p.setPen(QPen(rgb(0xb07a60), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(0, r * 0.05), c + QPointF(-r * 0.05, r * 0.3));
    p.drawLine(c + QPointF(-r * 0.05, r * 0.3), c + QPointF(r * 0.04, r * 0.32));
    QPainterPath mouth;
    mouth.moveTo(c + QPointF(-r * 0.2, r * 0.55));
    mouth.quadTo(c + QPointF(0, r * 0.45), c + QPointF(r * 0.2, r * 0.55));
    mouth.quadTo(c + QPointF(0, r * 0.72), c + QPointF(-r * 0.2, r * 0.55));
    style(p, rgb(lips));
    p.drawPath(mouth);
}

void longHairGirl(QPainter& p, double w, double h) {
    gradientSky(p, w, h, 0xfbe1e6, 0xf5c6d0);
    const QPointF c(w * 0.5, h * 0.42);
    const double r = w * 0.2;
    QPainterPath hair;
    hair.moveTo(c + QPointF(-r * 0.2, -r * 1.25));
    hair.cubicTo(c + QPointF(-r * 1.5, -r * 1.2), c + QPointF(-r * 1.4, r * 1.2),
                 c + QPointF(-r * 1.3, r * 2.6));
    hair.lineTo(c + QPointF(r * 1.3, r * 2.6));
    hair.cubicTo(c + QPointF(r * 1.4, r * 1.2), c + QPointF(r * 1.5, -r * 1.2),
                 c + QPointF(r * 0.2, -r * 1.25));
    hair.closeSubpath();
    style(p, rgb(0x4a2c1d));
    p.drawPath(hair);
    style(p, rgb(0xf6d3b8), 2, rgb(0x8a5a44));
    p.drawRect(QRectF(c.x() - r * 0.25, c.y() + r * 0.8, r * 0.5, r * 0.6));
    QPainterPath dress;
    dress.moveTo(c + QPointF(-r * 1.2, h));
    dress.cubicTo(c + QPointF(-r * 1.2, r * 1.5), c + QPointF(-r * 0.6, r * 1.3),
                  c + QPointF(0, r * 1.45));
    dress.cubicTo(c + QPointF(r * 0.6, r * 1.3), c + QPointF(r * 1.2, r * 1.5),
                  c + QPointF(r * 1.2, h));
    dress.closeSubpath();
    style(p, rgb(0x3f7fbf), 2, rgb(0x234a70));
    p.drawPath(dress);
    face(p, c, r, 0xf8d9c0, 0xd6404f, 0x6b4226);
    QPainterPath fringe;
    fringe.moveTo(c + QPointF(-r * 0.8, -r * 0.2));
    fringe.cubicTo(c + QPointF(-r * 0.9, -r * 1.3), c + QPointF(r * 0.9, -r * 1.3),
                   c + QPointF(r * 0.8, -r * 0.2));
    fringe.quadTo(c + QPointF(r * 0.3, -r * 0.7), c + QPointF(-r * 0.1, -r * 0.45));
    fringe.quadTo(c + QPointF(-r * 0.5, -r * 0.6), c + QPointF(-r * 0.8, -r * 0.2));
    style(p, rgb(0x4a2c1d));
    p.drawPath(fringe);
    style(p, rgb(0xf28fad), 1.5, rgb(0xb0506e));
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5;
        p.drawEllipse(c + QPointF(r * 0.75, -r * 0.75) +
                          QPointF(std::cos(a), std::sin(a)) * r * 0.12,
                      r * 0.1, r * 0.1);
    }
    style(p, rgb(0xffe066));
    p.drawEllipse(c + QPointF(r * 0.75, -r * 0.75), r * 0.07, r * 0.07);
}

void ladyInHat(QPainter& p, double w, double h) {
    gradientSky(p, w, h, 0xe4f1ea, 0xbfdccc);
    const QPointF c(w * 0.5, h * 0.5);
    const double r = w * 0.19;
    style(p, rgb(0x1e1e24));
    p.drawRoundedRect(QRectF(c.x() - r * 1.05, c.y() - r * 0.6, r * 2.1, r * 1.6), r * 0.5,
                      r * 0.5);
    QPainterPath dress;
    dress.moveTo(c + QPointF(-r * 1.5, h));
    dress.quadTo(c + QPointF(-r * 1.4, r * 1.3), c + QPointF(0, r * 1.2));
    dress.quadTo(c + QPointF(r * 1.4, r * 1.3), c + QPointF(r * 1.5, h));
    dress.closeSubpath();
    style(p, rgb(0xf6d3b8), 2, rgb(0x8a5a44));
    p.drawRect(QRectF(c.x() - r * 0.22, c.y() + r * 0.8, r * 0.44, r * 0.5));
    style(p, rgb(0xb3203a), 2, rgb(0x6e1020));
    p.drawPath(dress);
    style(p, Qt::white);
    for (int i = -2; i <= 2; ++i) {
        p.drawEllipse(c + QPointF(i * r * 0.22, r * 1.35 + std::abs(i) * r * 0.04), r * 0.06,
                      r * 0.06);
    }
    face(p, c, r, 0xf7d6bd, 0xc2182b, 0x2e5e3e);
    style(p, rgb(0xe7c77e), 3, rgb(0x8d6a24));
    p.drawEllipse(QPointF(c.x(), c.y() - r * 0.7), r * 2.0, r * 0.45);
    QPainterPath crown;
    crown.moveTo(c + QPointF(-r * 0.85, -r * 0.75));
    crown.cubicTo(c + QPointF(-r * 0.85, -r * 1.8), c + QPointF(r * 0.85, -r * 1.8),
                  c + QPointF(r * 0.85, -r * 0.75));
    crown.closeSubpath();
    p.drawPath(crown);
    style(p, rgb(0xb3203a));
    p.drawRect(QRectF(c.x() - r * 0.84, c.y() - r * 1.05, r * 1.68, r * 0.25));
}

void dancer(QPainter& p, double w, double h) {
    bands(p, w, h, {0xffd27a, 0xffb35c, 0xff8f5a, 0xf0706a, 0xc95a7c, 0x8e4f87});
    const QColor ink = rgb(0x22162b);
    style(p, ink);
    p.drawEllipse(QPointF(w * 0.5, h * 0.18), w * 0.055, w * 0.06);
    p.drawEllipse(QPointF(w * 0.52, h * 0.12), w * 0.03, w * 0.025); // bun
    QPainterPath body;
    body.moveTo(w * 0.47, h * 0.25);
    body.lineTo(w * 0.53, h * 0.25);
    body.lineTo(w * 0.545, h * 0.42);
    body.lineTo(w * 0.455, h * 0.42);
    body.closeSubpath();
    p.drawPath(body);
    p.drawEllipse(QPointF(w * 0.5, h * 0.45), w * 0.22, h * 0.045); // tutu
    line(p, QPointF(w * 0.47, h * 0.27), QPointF(w * 0.35, h * 0.15), ink, w * 0.03);
    line(p, QPointF(w * 0.35, h * 0.15), QPointF(w * 0.44, h * 0.05), ink, w * 0.025);
    line(p, QPointF(w * 0.53, h * 0.27), QPointF(w * 0.65, h * 0.16), ink, w * 0.03);
    line(p, QPointF(w * 0.65, h * 0.16), QPointF(w * 0.57, h * 0.06), ink, w * 0.025);
    line(p, QPointF(w * 0.49, h * 0.46), QPointF(w * 0.48, h * 0.93), ink, w * 0.038);
    line(p, QPointF(w * 0.52, h * 0.46), QPointF(w * 0.72, h * 0.62), ink, w * 0.035);
    line(p, QPointF(w * 0.72, h * 0.62), QPointF(w * 0.86, h * 0.56), ink, w * 0.03);
    style(p, rgb(0x5c3a66));
    p.drawRect(QRectF(0, h * 0.95, w, h * 0.05));
}

void qipao(QPainter& p, double w, double h) {
    bands(p, w, h, {0xf6ead2});
    style(p, rgb(0xd9b86a));
    for (int i = 0; i < 6; ++i) {
        p.drawEllipse(QPointF(w * (0.08 + (i % 2) * 0.84), h * (0.12 + i * 0.15)), w * 0.03,
                      w * 0.03);
    }
    const double cx = w * 0.5;
    style(p, rgb(0xc8102e), 3, rgb(0x6e0a1a));
    QPainterPath gown;
    gown.moveTo(cx - w * 0.09, h * 0.26);
    gown.lineTo(cx + w * 0.09, h * 0.26);
    gown.quadTo(cx + w * 0.14, h * 0.4, cx + w * 0.1, h * 0.5);
    gown.quadTo(cx + w * 0.14, h * 0.7, cx + w * 0.1, h * 0.92);
    gown.lineTo(cx - w * 0.1, h * 0.92);
    gown.quadTo(cx - w * 0.14, h * 0.7, cx - w * 0.1, h * 0.5);
    gown.quadTo(cx - w * 0.14, h * 0.4, cx - w * 0.09, h * 0.26);
    p.drawPath(gown);
    style(p, rgb(0xf0c419));
    for (int i = 0; i < 4; ++i) {
        const QPointF f(cx + (i % 2 ? 0.04 : -0.03) * w, h * (0.36 + i * 0.13));
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.drawEllipse(f + QPointF(std::cos(a), std::sin(a)) * w * 0.018, w * 0.013, w * 0.013);
        }
    }
    line(p, QPointF(cx + w * 0.06, h * 0.75), QPointF(cx + w * 0.07, h * 0.92), rgb(0xf6ead2), 3);
    style(p, rgb(0xf3d2b5), 2, rgb(0x8a5a44));
    p.drawRect(QRectF(cx - w * 0.025, h * 0.2, w * 0.05, h * 0.07));
    p.drawEllipse(QPointF(cx, h * 0.15), w * 0.065, h * 0.065);
    line(p, QPointF(cx - w * 0.09, h * 0.28), QPointF(cx - w * 0.17, h * 0.45), rgb(0xf3d2b5),
         w * 0.03);
    line(p, QPointF(cx + w * 0.09, h * 0.28), QPointF(cx + w * 0.2, h * 0.36), rgb(0xf3d2b5),
         w * 0.03);
    style(p, rgb(0x1a1a1a));
    p.drawChord(QRectF(cx - w * 0.07, h * 0.08, w * 0.14, h * 0.12), 0, 180 * 16);
    p.drawEllipse(QPointF(cx + w * 0.05, h * 0.08), w * 0.04, w * 0.04);
    style(p, rgb(0xc8102e));
    p.drawEllipse(QPointF(cx, h * 0.185), w * 0.015, h * 0.008);
    style(p, rgb(0x2a6f97), 2, rgb(0x15384d));
    p.drawPie(QRectF(cx + w * 0.1, h * 0.23, w * 0.24, w * 0.24), 20 * 16, 110 * 16);
}

// --- 汽车: car silhouettes -------------------------------------------------

void wheel(QPainter& p, QPointF c, double r) {
    style(p, rgb(0x222222));
    p.drawEllipse(c, r, r);
    style(p, rgb(0xc9ced3), 2, rgb(0x555555));
    p.drawEllipse(c, r * 0.55, r * 0.55);
    style(p, rgb(0x555555));
    p.drawEllipse(c, r * 0.15, r * 0.15);
}

void road(QPainter& p, double w, double h, double top) {
    style(p, rgb(0x5d6168));
    p.drawRect(QRectF(0, top, w, h - top));
    style(p, rgb(0xf2f2f2));
    for (double x = w * 0.03; x < w; x += w * 0.22) {
        p.drawRect(QRectF(x, top + (h - top) * 0.55, w * 0.12, (h - top) * 0.08));
    }
}

void sportsCar(QPainter& p, double w, double h) {
    gradientSky(p, w, h, 0x9fd0f0, 0xe9f5fb);
    road(p, w, h, h * 0.72);
    QPainterPath body;
    body.moveTo(w * 0.06, h * 0.66);
    body.lineTo(w * 0.07, h * 0.56);
    body.quadTo(w * 0.2, h * 0.5, w * 0.36, h * 0.48);
    body.quadTo(w * 0.48, h * 0.36, w * 0.62, h * 0.37);
    body.quadTo(w * 0.75, h * 0.4, w * 0.9, h * 0.52);
    body.lineTo(w * 0.94, h * 0.64);
    body.closeSubpath();
    style(p, rgb(0xd62828), 3, rgb(0x6a1010));
    p.drawPath(body);
    style(p, rgb(0x2c3e50), 2, rgb(0x1b2631));
    p.drawPolygon(polygon({{0.41, 0.47}, {0.5, 0.4}, {0.6, 0.4}, {0.64, 0.47}}, w, h));
    p.drawPolygon(polygon({{0.66, 0.47}, {0.66, 0.41}, {0.76, 0.47}}, w, h));
    style(p, rgb(0xffe28a));
    p.drawEllipse(QPointF(w * 0.9, h * 0.56), w * 0.02, h * 0.015);
    style(p, rgb(0xff5a36));
    p.drawRect(QRectF(w * 0.065, h * 0.56, w * 0.025, h * 0.03));
    wheel(p, QPointF(w * 0.25, h * 0.66), w * 0.075);
    wheel(p, QPointF(w * 0.76, h * 0.66), w * 0.075);
}

void sedan(QPainter& p, double w, double h) {
    bands(p, w, h, {0xcfe8f7, 0xbfe0f4, 0xafd8f1, 0x7fbf6a});
    road(p, w, h, h * 0.74);
    style(p, rgb(0x2d6fb7), 3, rgb(0x173a60));
    p.drawPolygon(polygon({{0.28, 0.5}, {0.36, 0.34}, {0.66, 0.34}, {0.76, 0.5}}, w, h));
    p.drawRoundedRect(QRectF(w * 0.06, h * 0.5, w * 0.88, h * 0.18), 14, 14);
    style(p, rgb(0xdff1fb), 2, rgb(0x173a60));
    p.drawPolygon(polygon({{0.33, 0.5}, {0.39, 0.38}, {0.5, 0.38}, {0.5, 0.5}}, w, h));
    p.drawPolygon(polygon({{0.53, 0.5}, {0.53, 0.38}, {0.64, 0.38}, {0.71, 0.5}}, w, h));
    line(p, QPointF(w * 0.52, h * 0.52), QPointF(w * 0.52, h * 0.66), rgb(0x173a60), 2);
    style(p, rgb(0xffe28a));
    p.drawRect(QRectF(w * 0.9, h * 0.54, w * 0.04, h * 0.04));
    style(p, rgb(0xe63946));
    p.drawRect(QRectF(w * 0.06, h * 0.54, w * 0.03, h * 0.04));
    wheel(p, QPointF(w * 0.24, h * 0.69), w * 0.07);
    wheel(p, QPointF(w * 0.76, h * 0.69), w * 0.07);
}

void beetle(QPainter& p, double w, double h) {
    bands(p, w, h, {0xfff4d6, 0xffe9b0});
    style(p, rgb(0x8c8c8c));
    p.drawRect(QRectF(0, h * 0.76, w, h * 0.24));
    QPainterPath body;
    body.moveTo(w * 0.08, h * 0.7);
    body.cubicTo(w * 0.06, h * 0.5, w * 0.2, h * 0.48, w * 0.26, h * 0.48);
    body.cubicTo(w * 0.32, h * 0.2, w * 0.66, h * 0.18, w * 0.76, h * 0.46);
    body.cubicTo(w * 0.9, h * 0.48, w * 0.94, h * 0.56, w * 0.92, h * 0.7);
    body.closeSubpath();
    style(p, rgb(0xf4c430), 3, rgb(0x7a5c00));
    p.drawPath(body);
    style(p, rgb(0x9ed3ee), 2, rgb(0x7a5c00));
    QPainterPath glass;
    glass.moveTo(w * 0.35, h * 0.47);
    glass.cubicTo(w * 0.38, h * 0.3, w * 0.5, h * 0.28, w * 0.5, h * 0.28);
    glass.lineTo(w * 0.5, h * 0.47);
    glass.closeSubpath();
    p.drawPath(glass);
    QPainterPath glass2;
    glass2.moveTo(w * 0.53, h * 0.47);
    glass2.lineTo(w * 0.53, h * 0.28);
    glass2.cubicTo(w * 0.62, h * 0.29, w * 0.68, h * 0.38, w * 0.7, h * 0.47);
    glass2.closeSubpath();
    p.drawPath(glass2);
    style(p, rgb(0xf4c430), 3, rgb(0x7a5c00));
    p.drawChord(QRectF(w * 0.12, h * 0.5, w * 0.26, h * 0.34), 0, 180 * 16);
    p.drawChord(QRectF(w * 0.62, h * 0.5, w * 0.26, h * 0.34), 0, 180 * 16);
    style(p, Qt::white, 2, rgb(0x7a5c00));
    p.drawEllipse(QPointF(w * 0.87, h * 0.55), w * 0.025, w * 0.03);
    wheel(p, QPointF(w * 0.25, h * 0.7), w * 0.075);
    wheel(p, QPointF(w * 0.75, h * 0.7), w * 0.075);
}

void bus(QPainter& p, double w, double h) {
    gradientSky(p, w, h, 0xa8dadc, 0xf1faee);
    road(p, w, h, h * 0.76);
    style(p, rgb(0x2a9d8f), 3, rgb(0x14504a));
    p.drawRoundedRect(QRectF(w * 0.05, h * 0.3, w * 0.9, h * 0.4), 16, 16);
    style(p, rgb(0xf4a261));
    p.drawRect(QRectF(w * 0.05, h * 0.56, w * 0.9, h * 0.05));
    style(p, rgb(0xe9f5f7), 2, rgb(0x14504a));
    for (int i = 0; i < 5; ++i) {
        p.drawRoundedRect(QRectF(w * (0.09 + i * 0.14), h * 0.35, w * 0.11, h * 0.15), 5, 5);
    }
    p.drawRoundedRect(QRectF(w * 0.8, h * 0.35, w * 0.12, h * 0.3), 5, 5);
    line(p, QPointF(w * 0.86, h * 0.35), QPointF(w * 0.86, h * 0.65), rgb(0x14504a), 2);
    style(p, rgb(0xffe28a));
    p.drawEllipse(QPointF(w * 0.935, h * 0.63), w * 0.012, h * 0.02);
    wheel(p, QPointF(w * 0.22, h * 0.71), w * 0.065);
    wheel(p, QPointF(w * 0.7, h * 0.71), w * 0.065);
}

// --- 星座: star-sign emblems -----------------------------------------------

struct Constellation {
    QString name;
    QList<QPointF> stars; // in the unit square
    QList<QPoint> links;  // pairs of star indices
    int ring;             // colour of the ring and the name
};

void emblem(QPainter& p, double w, double h, const Constellation& sign) {
    bands(p, w, h, {0x141b38});
    std::mt19937 random(static_cast<unsigned>(sign.name.size() * 7919 + sign.ring));
    style(p, rgb(0x39406b));
    for (int i = 0; i < 60; ++i) {
        const double x = (random() % 1000) / 1000.0 * w;
        const double y = (random() % 1000) / 1000.0 * h;
        p.drawEllipse(QPointF(x, y), 1.5, 1.5);
    }
    const QPointF c(w * 0.5, h * 0.45);
    const double r = std::min(w, h) * 0.38;
    style(p, rgb(0x25305e), r * 0.06, rgb(sign.ring));
    p.drawEllipse(c, r, r);
    const QRectF box(c.x() - r * 0.72, c.y() - r * 0.72, r * 1.44, r * 1.44);
    auto at = [&](int i) {
        return QPointF(box.left() + sign.stars[i].x() * box.width(),
                       box.top() + sign.stars[i].y() * box.height());
    };
    for (const QPoint& link : sign.links) {
        line(p, at(link.x()), at(link.y()), rgb(0x8fb8ff), r * 0.03);
    }
    for (int i = 0; i < sign.stars.size(); ++i) {
        const QPointF s = at(i);
        const double size = r * (i % 3 == 0 ? 0.11 : 0.08);
        QPolygonF star;
        for (int k = 0; k < 10; ++k) {
            const double a = -M_PI / 2 + k * M_PI / 5;
            const double len = k % 2 == 0 ? size : size * 0.45;
            star << s + QPointF(std::cos(a), std::sin(a)) * len;
        }
        style(p, rgb(0xffd95a));
        p.drawPolygon(star);
    }
    QFont font(QStringLiteral("AR PL UMing CN"));
    font.setPixelSize(static_cast<int>(h * 0.09));
    font.setBold(true);
    p.setFont(font);
    p.setPen(rgb(sign.ring));
    p.drawText(QRectF(0, h * 0.86, w, h * 0.12), Qt::AlignCenter, sign.name);
}

const QList<Constellation>& constellations() {
    static const QList<Constellation> signs{
        {QStringLiteral("白羊座"),
         {{0.1, 0.62}, {0.42, 0.42}, {0.68, 0.38}, {0.86, 0.5}},
         {{0, 1}, {1, 2}, {2, 3}},
         0xf4a259},
        {QStringLiteral("狮子座"),
         {{0.2, 0.7},
          {0.5, 0.66},
          {0.8, 0.78},
          {0.72, 0.46},
          {0.64, 0.26},
          {0.74, 0.12},
          {0.9, 0.18},
          {0.5, 0.42}},
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {3, 7}, {7, 1}, {7, 0}},
         0xffc94a},
        {QStringLiteral("双鱼座"),
         {{0.12, 0.2},
          {0.22, 0.12},
          {0.3, 0.24},
          {0.2, 0.3},
          {0.36, 0.5},
          {0.5, 0.86},
          {0.66, 0.66},
          {0.8, 0.56},
          {0.9, 0.64},
          {0.84, 0.74},
          {0.74, 0.7}},
         {{0, 1},
          {1, 2},
          {2, 3},
          {3, 0},
          {2, 4},
          {4, 5},
          {5, 6},
          {6, 7},
          {7, 8},
          {8, 9},
          {9, 10},
          {10, 7}},
         0x7fd3e6},
        {QStringLiteral("天蝎座"),
         {{0.86, 0.12},
          {0.8, 0.24},
          {0.9, 0.3},
          {0.66, 0.34},
          {0.56, 0.46},
          {0.5, 0.6},
          {0.46, 0.76},
          {0.32, 0.86},
          {0.16, 0.8},
          {0.12, 0.66},
          {0.2, 0.6}},
         {{0, 1}, {1, 2}, {1, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 9}, {9, 10}},
         0xf07167},
        {QStringLiteral("天秤座"),
         {{0.5, 0.12}, {0.2, 0.42}, {0.8, 0.42}, {0.34, 0.74}, {0.7, 0.8}},
         {{0, 1}, {0, 2}, {1, 2}, {1, 3}, {2, 4}},
         0xb8f2a0},
    };
    return signs;
}

// --- 动物: animals ---------------------------------------------------------

void panda(QPainter& p, double w, double h) {
    bands(p, w, h, {0xd7efc4});
    for (int i = 0; i < 3; ++i) {
        const double x = w * (0.08 + i * 0.42);
        style(p, rgb(0x5e9e3a));
        p.drawRect(QRectF(x, 0, w * 0.05, h));
        style(p, rgb(0x3f7a26));
        for (double y = h * 0.15; y < h; y += h * 0.25) {
            p.drawRect(QRectF(x - 2, y, w * 0.05 + 4, h * 0.015));
        }
    }
    const QPointF c(w * 0.5, h * 0.55);
    const double r = w * 0.3;
    style(p, rgb(0x1b1b1b));
    p.drawEllipse(c + QPointF(-r * 0.75, -r * 0.75), r * 0.3, r * 0.3);
    p.drawEllipse(c + QPointF(r * 0.75, -r * 0.75), r * 0.3, r * 0.3);
    style(p, Qt::white, 4, rgb(0x1b1b1b));
    p.drawEllipse(c, r, r * 0.9);
    for (int side : {-1, 1}) {
        p.save();
        p.translate(c + QPointF(side * r * 0.38, -r * 0.1));
        p.rotate(side * -30);
        style(p, rgb(0x1b1b1b));
        p.drawEllipse(QPointF(0, 0), r * 0.18, r * 0.26);
        p.restore();
        style(p, Qt::white);
        p.drawEllipse(c + QPointF(side * r * 0.36, -r * 0.14), r * 0.07, r * 0.07);
        style(p, rgb(0x1b1b1b));
        p.drawEllipse(c + QPointF(side * r * 0.36, -r * 0.13), r * 0.035, r * 0.035);
        style(p, rgb(0xf5a3b5));
        p.drawEllipse(c + QPointF(side * r * 0.62, r * 0.25), r * 0.12, r * 0.07);
    }
    style(p, rgb(0x1b1b1b));
    p.drawEllipse(c + QPointF(0, r * 0.2), r * 0.12, r * 0.08);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(0x1b1b1b), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - r * 0.2, c.y() + r * 0.18, r * 0.2, r * 0.2), 180 * 16, 180 * 16);
    p.drawArc(QRectF(c.x(), c.y() + r * 0.18, r * 0.2, r * 0.2), 180 * 16, 180 * 16);
}

void goldfish(QPainter& p, double w, double h) {
    bands(p, w, h, {0x9ad8f0, 0x7ccbea, 0x5ebde4, 0x46aeda});
    style(p, rgb(0x3f8f4a));
    for (double x : {0.12, 0.2, 0.85}) {
        QPainterPath weed;
        weed.moveTo(w * x, h);
        weed.cubicTo(w * (x - 0.08), h * 0.75, w * (x + 0.08), h * 0.6, w * x, h * 0.45);
        weed.cubicTo(w * (x + 0.1), h * 0.62, w * (x - 0.02), h * 0.78, w * (x + 0.05), h);
        p.drawPath(weed);
    }
    const QPointF c(w * 0.47, h * 0.48);
    style(p, rgb(0xf7a035), 3, rgb(0xa04a0a));
    QPainterPath tail;
    tail.moveTo(c + QPointF(w * 0.2, 0));
    tail.cubicTo(c + QPointF(w * 0.35, -h * 0.3), c + QPointF(w * 0.45, -h * 0.15),
                 c + QPointF(w * 0.36, 0));
    tail.cubicTo(c + QPointF(w * 0.45, h * 0.15), c + QPointF(w * 0.35, h * 0.3),
                 c + QPointF(w * 0.2, 0));
    p.drawPath(tail);
    p.drawPolygon(QPolygonF() << c + QPointF(-w * 0.05, -h * 0.12)
                              << c + QPointF(w * 0.08, -h * 0.25)
                              << c + QPointF(w * 0.12, -h * 0.1));
    style(p, rgb(0xf26b1d), 3, rgb(0xa04a0a));
    p.drawEllipse(c, w * 0.25, h * 0.15);
    style(p, rgb(0xf7a035), 2, rgb(0xa04a0a));
    p.drawPolygon(QPolygonF() << c + QPointF(-w * 0.02, h * 0.08) << c + QPointF(w * 0.04, h * 0.22)
                              << c + QPointF(w * 0.08, h * 0.1));
    style(p, Qt::white, 2, rgb(0x333333));
    p.drawEllipse(c + QPointF(-w * 0.14, -h * 0.03), w * 0.04, w * 0.04);
    style(p, rgb(0x111111));
    p.drawEllipse(c + QPointF(-w * 0.15, -h * 0.03), w * 0.018, w * 0.018);
    style(p, rgb(0xe9f8ff), 2, rgb(0x8cc9e2));
    p.drawEllipse(QPointF(w * 0.18, h * 0.3), w * 0.025, w * 0.025);
    p.drawEllipse(QPointF(w * 0.15, h * 0.2), w * 0.018, w * 0.018);
    p.drawEllipse(QPointF(w * 0.17, h * 0.11), w * 0.012, w * 0.012);
}

void owl(QPainter& p, double w, double h) {
    gradientSky(p, w, h, 0x1d2d50, 0x3b5078);
    style(p, rgb(0xf4f1c9));
    p.drawEllipse(QPointF(w * 0.8, h * 0.16), w * 0.08, w * 0.08);
    style(p, rgb(0x6b4423), 3, rgb(0x3a230f));
    p.drawRoundedRect(QRectF(w * 0.02, h * 0.8, w * 0.96, h * 0.06), 8, 8);
    const QPointF c(w * 0.5, h * 0.52);
    style(p, rgb(0x9c6b3c), 4, rgb(0x4a2f14));
    p.drawPolygon(QPolygonF() << c + QPointF(-w * 0.22, -h * 0.2)
                              << c + QPointF(-w * 0.2, -h * 0.36)
                              << c + QPointF(-w * 0.08, -h * 0.26));
    p.drawPolygon(QPolygonF() << c + QPointF(w * 0.22, -h * 0.2) << c + QPointF(w * 0.2, -h * 0.36)
                              << c + QPointF(w * 0.08, -h * 0.26));
    p.drawEllipse(c, w * 0.24, h * 0.3);
    style(p, rgb(0xe6c79c));
    p.drawEllipse(c + QPointF(0, h * 0.1), w * 0.15, h * 0.17);
    style(p, rgb(0xc49a6c));
    for (int row = 0; row < 3; ++row) {
        for (int k = -1; k <= 1; ++k) {
            p.drawChord(QRectF(c.x() + k * w * 0.07 - w * 0.03, c.y() + h * (0.02 + row * 0.07),
                               w * 0.06, h * 0.05),
                        180 * 16, 180 * 16);
        }
    }
    for (int side : {-1, 1}) {
        const QPointF eye = c + QPointF(side * w * 0.1, -h * 0.12);
        style(p, Qt::white, 3, rgb(0x4a2f14));
        p.drawEllipse(eye, w * 0.085, w * 0.085);
        style(p, rgb(0xf6b93b));
        p.drawEllipse(eye, w * 0.05, w * 0.05);
        style(p, rgb(0x111111));
        p.drawEllipse(eye, w * 0.028, w * 0.028);
        style(p, rgb(0xf6b93b), 2, rgb(0x8a5a10));
        p.drawEllipse(QPointF(c.x() + side * w * 0.06, h * 0.81), w * 0.03, h * 0.02);
    }
    style(p, rgb(0xf6b93b), 2, rgb(0x8a5a10));
    p.drawPolygon(QPolygonF() << c + QPointF(-w * 0.025, -h * 0.06)
                              << c + QPointF(w * 0.025, -h * 0.06) << c + QPointF(0, h * 0.0));
}

void duckling(QPainter& p, double w, double h) {
    gradientSky(p, w, h, 0xbfe6ff, 0xeaf7ff);
    style(p, rgb(0x4aa3df));
    p.drawRect(QRectF(0, h * 0.66, w, h * 0.34));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(0xd6eefc), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const double y = h * (0.74 + i * 0.06);
        for (double x = w * (0.05 + (i % 2) * 0.1); x < w; x += w * 0.25) {
            p.drawArc(QRectF(x, y, w * 0.1, h * 0.04), 0, 180 * 16);
        }
    }
    const QPointF body(w * 0.5, h * 0.6);
    style(p, rgb(0xffd93b), 4, rgb(0xb8860b));
    QPainterPath shape;
    shape.moveTo(body + QPointF(-w * 0.3, -h * 0.04));
    shape.cubicTo(body + QPointF(-w * 0.3, h * 0.14), body + QPointF(w * 0.26, h * 0.14),
                  body + QPointF(w * 0.3, -h * 0.02));
    shape.quadTo(body + QPointF(w * 0.1, -h * 0.02), body + QPointF(-w * 0.3, -h * 0.1));
    shape.closeSubpath();
    p.drawPath(shape);
    const QPointF head(w * 0.36, h * 0.38);
    p.drawEllipse(head, w * 0.14, w * 0.14);
    style(p, rgb(0xf08c1a), 3, rgb(0xa0520a));
    p.drawEllipse(head + QPointF(-w * 0.15, w * 0.03), w * 0.08, w * 0.035);
    style(p, rgb(0x222222));
    p.drawEllipse(head + QPointF(-w * 0.03, -w * 0.03), w * 0.022, w * 0.026);
    style(p, rgb(0xf7b3a8));
    p.drawEllipse(head + QPointF(w * 0.03, w * 0.05), w * 0.03, w * 0.018);
    style(p, rgb(0xf2c224), 3, rgb(0xb8860b));
    p.drawChord(QRectF(w * 0.48, h * 0.5, w * 0.22, h * 0.14), 0, 180 * 16);
}

// --- 风景: landscapes ------------------------------------------------------

QPolygonF ridge(double w, double h, double base, std::initializer_list<QPointF> peaks) {
    QPolygonF poly;
    poly << QPointF(0, h * base);
    for (const QPointF& pk : peaks) {
        poly << QPointF(pk.x() * w, pk.y() * h);
    }
    poly << QPointF(w, h * base) << QPointF(w, h) << QPointF(0, h);
    return poly;
}

void sunsetLake(QPainter& p, double w, double h) {
    gradientSky(p, w, h * 0.6, 0xff9a5a, 0xffd98a);
    style(p, rgb(0xfff1c1));
    p.drawEllipse(QPointF(w * 0.5, h * 0.5), w * 0.12, w * 0.12);
    style(p, rgb(0x9b5d8a));
    p.drawPolygon(
        ridge(w, h, 0.5, {{0.15, 0.32}, {0.3, 0.45}, {0.45, 0.28}, {0.7, 0.48}, {0.85, 0.35}}));
    style(p, rgb(0x6a3f70));
    p.drawPolygon(ridge(w, h, 0.58, {{0.1, 0.48}, {0.25, 0.55}, {0.6, 0.45}, {0.9, 0.56}}));
    QLinearGradient water(0, h * 0.6, 0, h);
    water.setColorAt(0, rgb(0xf7b27a));
    water.setColorAt(1, rgb(0x5a5f9a));
    p.fillRect(QRectF(0, h * 0.6, w, h * 0.4), water);
    style(p, rgb(0xfff1c1));
    for (int i = 0; i < 5; ++i) {
        const double half = w * (0.1 - i * 0.015);
        p.drawRect(QRectF(w * 0.5 - half, h * (0.63 + i * 0.05), half * 2, h * 0.012));
    }
    style(p, rgb(0x2e1f3a));
    p.drawPolygon(polygon({{0.7, 0.72}, {0.86, 0.72}, {0.82, 0.76}, {0.73, 0.76}}, w, h));
    line(p, QPointF(w * 0.78, h * 0.72), QPointF(w * 0.78, h * 0.6), rgb(0x2e1f3a), 3);
}

void pineTree(QPainter& p, QPointF base, double size, const QColor& color) {
    style(p, rgb(0x5a3a1e));
    p.drawRect(QRectF(base.x() - size * 0.08, base.y() - size * 0.25, size * 0.16, size * 0.25));
    style(p, color);
    for (int i = 0; i < 3; ++i) {
        const double y = base.y() - size * (0.2 + i * 0.28);
        const double half = size * (0.42 - i * 0.1);
        p.drawPolygon(QPolygonF() << QPointF(base.x() - half, y) << QPointF(base.x() + half, y)
                                  << QPointF(base.x(), y - size * 0.45));
    }
}

void snowMountains(QPainter& p, double w, double h) {
    gradientSky(p, w, h * 0.7, 0x4a90d9, 0xcde7fb);
    style(p, rgb(0x6c7fa6));
    p.drawPolygon(ridge(w, h, 0.62, {{0.22, 0.22}, {0.42, 0.5}, {0.62, 0.16}, {0.86, 0.46}}));
    style(p, Qt::white);
    p.drawPolygon(
        polygon({{0.22, 0.22}, {0.28, 0.3}, {0.24, 0.29}, {0.2, 0.33}, {0.16, 0.3}}, w, h));
    p.drawPolygon(
        polygon({{0.62, 0.16}, {0.7, 0.27}, {0.65, 0.25}, {0.61, 0.3}, {0.56, 0.25}}, w, h));
    style(p, rgb(0x7fb85a));
    p.drawPolygon(ridge(w, h, 0.72, {{0.3, 0.66}, {0.7, 0.7}}));
    style(p, rgb(0x5d9c41));
    p.drawRect(QRectF(0, h * 0.86, w, h * 0.14));
    for (int i = 0; i < 7; ++i) {
        pineTree(p, QPointF(w * (0.06 + i * 0.145), h * (0.9 + (i % 2) * 0.04)),
                 h * (0.26 + (i % 3) * 0.04), rgb(i % 2 ? 0x2f6b3a : 0x23582e));
    }
}

void beachPalm(QPainter& p, double w, double h) {
    bands(p, w, h, {0x8fd3f5, 0x9bd9f6, 0xa8def7});
    style(p, rgb(0xfff3b0));
    p.drawEllipse(QPointF(w * 0.8, h * 0.18), w * 0.08, w * 0.08);
    cloud(p, QPointF(w * 0.3, h * 0.15), w * 0.07, Qt::white);
    style(p, rgb(0x1f8fbf));
    p.drawRect(QRectF(0, h * 0.5, w, h * 0.12));
    style(p, rgb(0x37a9d6));
    p.drawRect(QRectF(0, h * 0.55, w, h * 0.04));
    style(p, rgb(0xf3d9a4));
    p.drawPolygon(ridge(w, h, 0.62, {{0.3, 0.6}, {0.7, 0.64}}));
    style(p, rgb(0xe6c585));
    p.drawRect(QRectF(0, h * 0.88, w, h * 0.12));
    QPainterPath trunk;
    trunk.moveTo(w * 0.3, h * 0.9);
    trunk.quadTo(w * 0.28, h * 0.55, w * 0.42, h * 0.3);
    trunk.lineTo(w * 0.45, h * 0.32);
    trunk.quadTo(w * 0.33, h * 0.55, w * 0.36, h * 0.9);
    trunk.closeSubpath();
    style(p, rgb(0x8b5a2b), 2, rgb(0x5a3a1a));
    p.drawPath(trunk);
    style(p, rgb(0x2e9e4f), 2, rgb(0x1c6631));
    const QPointF top(w * 0.435, h * 0.3);
    for (int i = 0; i < 6; ++i) {
        const double a = -M_PI + i * M_PI / 5 - 0.1;
        QPainterPath leaf;
        const QPointF tip = top + QPointF(std::cos(a), std::sin(a) * 0.6 + 0.35) * w * 0.25;
        leaf.moveTo(top);
        leaf.quadTo(top + (tip - top) * 0.5 + QPointF(0, -w * 0.08), tip);
        leaf.quadTo(top + (tip - top) * 0.5 + QPointF(0, w * 0.02), top);
        p.drawPath(leaf);
    }
    style(p, rgb(0x6b4226));
    p.drawEllipse(top + QPointF(-w * 0.02, w * 0.03), w * 0.02, w * 0.02);
    p.drawEllipse(top + QPointF(w * 0.02, w * 0.035), w * 0.02, w * 0.02);
}

void windmillFields(QPainter& p, double w, double h) {
    bands(p, w, h, {0xbde3f7, 0xcdeaf9});
    cloud(p, QPointF(w * 0.2, h * 0.16), w * 0.07, Qt::white);
    cloud(p, QPointF(w * 0.75, h * 0.1), w * 0.05, Qt::white);
    style(p, rgb(0x8cc063));
    p.drawEllipse(QPointF(w * 0.2, h * 0.8), w * 0.6, h * 0.3);
    style(p, rgb(0x6aa84f));
    p.drawEllipse(QPointF(w * 0.85, h * 0.9), w * 0.6, h * 0.32);
    style(p, rgb(0xf1c232));
    for (int i = 0; i < 4; ++i) {
        p.drawRect(QRectF(0, h * (0.86 + i * 0.04), w, h * 0.015));
    }
    style(p, rgb(0xd9a066), 3, rgb(0x7a4a20));
    p.drawPolygon(polygon({{0.56, 0.72}, {0.6, 0.4}, {0.68, 0.4}, {0.72, 0.72}}, w, h));
    style(p, rgb(0xb04a3a), 3, rgb(0x6a2318));
    p.drawPolygon(polygon({{0.57, 0.41}, {0.64, 0.32}, {0.71, 0.41}}, w, h));
    style(p, rgb(0x6a4a2a));
    p.drawRect(QRectF(w * 0.625, h * 0.62, w * 0.035, h * 0.1));
    const QPointF hub(w * 0.64, h * 0.38);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(hub);
        p.rotate(20 + i * 90);
        style(p, rgb(0xf7f3e8), 2, rgb(0x6a4a2a));
        p.drawRect(QRectF(w * 0.02, -w * 0.025, w * 0.22, w * 0.05));
        line(p, QPointF(0, 0), QPointF(w * 0.24, 0), rgb(0x6a4a2a), 2);
        p.restore();
    }
    style(p, rgb(0x6a4a2a));
    p.drawEllipse(hub, w * 0.015, w * 0.015);
}

// --- 艺术: abstract art ----------------------------------------------------

void gridComposition(QPainter& p, double w, double h) {
    bands(p, w, h, {0xf5f1e6});
    struct Block {
        double x0, y0, x1, y1;
        int color;
    };
    const Block blocks[] = {{0, 0, 0.3, 0.42, 0xd62828},  {0.3, 0.72, 0.62, 1, 0x1d4e89},
                            {0.82, 0, 1, 0.25, 0xf6c90e}, {0.62, 0.42, 1, 0.72, 0xf6c90e},
                            {0, 0.72, 0.12, 1, 0x1a1a1a}, {0.82, 0.85, 1, 1, 0xd62828}};
    for (const Block& b : blocks) {
        style(p, rgb(b.color));
        p.drawRect(QRectF(b.x0 * w, b.y0 * h, (b.x1 - b.x0) * w, (b.y1 - b.y0) * h));
    }
    const double t = w * 0.025;
    for (double x : {0.3, 0.62, 0.82, 0.12}) {
        const double y0 = x == 0.12 ? 0.72 : 0.0;
        style(p, rgb(0x1a1a1a));
        p.drawRect(QRectF(x * w - t / 2, y0 * h, t, h - y0 * h));
    }
    for (double y : {0.42, 0.72, 0.25, 0.85}) {
        const double x0 = y == 0.25 ? 0.82 : (y == 0.85 ? 0.82 : 0.0);
        style(p, rgb(0x1a1a1a));
        p.drawRect(QRectF(x0 * w, y * h - t / 2, w - x0 * w, t));
    }
}

void concentricSquares(QPainter& p, double w, double h) {
    const int palette[] = {0xe63946, 0xf1c453, 0x2a9d8f, 0x264653, 0xf4a261,
                           0x8ab17d, 0x6d597a, 0xe76f51, 0x457b9d, 0xffb4a2};
    const int n = 3;
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            const QRectF cell(col * w / n, row * h / n, w / n, h / n);
            const int k = row * n + col;
            style(p, rgb(palette[k % 10]));
            p.drawRect(cell);
            for (int ring = 0; ring < 4; ++ring) {
                style(p, rgb(palette[(k + 3 + ring * 2) % 10]));
                const double r = cell.width() * (0.42 - ring * 0.1);
                p.drawEllipse(cell.center(), r, r);
            }
        }
    }
}

void mandala(QPainter& p, double w, double h) {
    bands(p, w, h, {0x2b2d42});
    const QPointF c(w / 2, h / 2);
    const double r = std::min(w, h) * 0.46;
    const int colors[] = {0xef476f, 0xffd166, 0x06d6a0, 0x118ab2, 0xf78c6b};
    for (int ring = 0; ring < 5; ++ring) {
        const int petals = 16 - ring * 2;
        const double radius = r * (1.0 - ring * 0.18);
        style(p, rgb(colors[ring]), 2, rgb(0x1b1c2c));
        for (int i = 0; i < petals; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 360.0 / petals + ring * 11.25);
            QPainterPath petal;
            petal.moveTo(0, 0);
            petal.quadTo(radius * 0.25, -radius * 0.5, 0, -radius);
            petal.quadTo(-radius * 0.25, -radius * 0.5, 0, 0);
            p.drawPath(petal);
            p.restore();
        }
    }
    style(p, rgb(0xffffff), 2, rgb(0x1b1c2c));
    p.drawEllipse(c, r * 0.12, r * 0.12);
    style(p, rgb(0xef476f));
    p.drawEllipse(c, r * 0.06, r * 0.06);
}

void waves(QPainter& p, double w, double h) {
    gradientSky(p, w, h, 0xfdf0d5, 0xf8d8a8);
    style(p, rgb(0xe85d3a));
    p.drawEllipse(QPointF(w * 0.75, h * 0.22), w * 0.11, w * 0.11);
    const int blues[] = {0x9ecae1, 0x6baed6, 0x4292c6, 0x2171b5, 0x08519c, 0x08306b};
    for (int band = 0; band < 6; ++band) {
        QPainterPath wave;
        const double base = h * (0.42 + band * 0.1);
        const double amp = h * (0.05 - band * 0.004);
        wave.moveTo(0, h);
        wave.lineTo(0, base);
        for (int i = 0; i <= 60; ++i) {
            const double x = w * i / 60.0;
            const double y = base - amp * std::sin(x / w * 2 * M_PI * 2.5 + band * 0.9);
            wave.lineTo(x, y);
        }
        wave.lineTo(w, h);
        wave.closeSubpath();
        style(p, rgb(blues[band]), 3, rgb(0xf7fbff));
        p.drawPath(wave);
    }
}

struct Recipe {
    const char* folder;
    const char* file;
    const char* subject;
    int width;
    int height;
    Draw draw;
};

QImage paint(const Recipe& recipe) {
    QImage image(recipe.width, recipe.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    // JPEG takes smooth edges; GIF and BMP keep to their own few colours.
    const QString file = QString::fromUtf8(recipe.file);
    p.setRenderHint(QPainter::Antialiasing, file.endsWith(QStringLiteral(".jpg")));
    recipe.draw(p, recipe.width, recipe.height);
    p.end();
    return image;
}

Draw sign(int index) {
    return [index](QPainter& p, double w, double h) { emblem(p, w, h, constellations()[index]); };
}

} // namespace

QList<SamplePicture> drawSamplePictures() {
    const Recipe recipes[] = {
        {"动漫", "小猫咪.gif", "a cartoon cat's face", 400, 400, cartoonCat},
        {"动漫", "机器人.bmp", "a friendly robot", 360, 420, robot},
        {"动漫", "太阳公公.jpg", "a smiling sun over clouds", 420, 400, smilingSun},
        {"动漫", "小青蛙.jpg", "a frog on a lily pad", 400, 360, frog},
        {"美女", "长发女孩.jpg", "a girl with long hair and a flower", 360, 440, longHairGirl},
        {"美女", "戴帽女士.jpg", "a lady in a summer hat", 380, 440, ladyInHat},
        {"美女", "芭蕾舞者.gif", "a ballet dancer's silhouette at sunset", 360, 460, dancer},
        {"美女", "旗袍女子.bmp", "a woman in a red qipao with a fan", 320, 460, qipao},
        {"汽车", "跑车.jpg", "a red sports car", 480, 300, sportsCar},
        {"汽车", "轿车.gif", "a blue saloon car", 480, 320, sedan},
        {"汽车", "甲壳虫.bmp", "a yellow beetle-shaped car", 440, 320, beetle},
        {"汽车", "巴士.jpg", "a green bus", 480, 300, bus},
        {"星座", "白羊座.jpg", "the Aries emblem", 360, 400, sign(0)},
        {"星座", "狮子座.gif", "the Leo emblem", 360, 400, sign(1)},
        {"星座", "双鱼座.bmp", "the Pisces emblem", 360, 400, sign(2)},
        {"星座", "天蝎座.jpg", "the Scorpio emblem", 360, 400, sign(3)},
        {"星座", "天秤座.gif", "the Libra emblem", 360, 400, sign(4)},
        {"动物", "熊猫.bmp", "a panda among bamboo", 400, 400, panda},
        {"动物", "金鱼.gif", "a goldfish with bubbles", 440, 360, goldfish},
        {"动物", "猫头鹰.jpg", "an owl on a branch by night", 380, 440, owl},
        {"动物", "小黄鸭.jpg", "a duckling on the water", 420, 380, duckling},
        {"风景", "日落湖泊.jpg", "a lake at sunset", 480, 360, sunsetLake},
        {"风景", "雪山松林.jpg", "snowy mountains and pines", 480, 360, snowMountains},
        {"风景", "海滩椰树.gif", "a palm tree on a beach", 440, 360, beachPalm},
        {"风景", "田园风车.bmp", "a windmill in the fields", 440, 340, windmillFields},
        {"艺术", "方格构成.gif", "a composition of lines and coloured blocks", 400, 400,
         gridComposition},
        {"艺术", "同心圆.jpg", "concentric circles in squares", 420, 420, concentricSquares},
        {"艺术", "曼陀罗.bmp", "a mandala of petals", 400, 400, mandala},
        {"艺术", "波浪.jpg", "waves under a red sun", 440, 360, waves},
    };
    // Numbered within their folder, the pictures list in a fixed order and
    // ahead of the folder's licence file.
    QList<SamplePicture> samples;
    QHash<QString, int> numbers;
    for (const Recipe& recipe : recipes) {
        const QString folder = QString::fromUtf8(recipe.folder);
        const int number = ++numbers[folder];
        const QString file = QStringLiteral("%1-%2")
                                 .arg(number, 2, 10, QLatin1Char('0'))
                                 .arg(QString::fromUtf8(recipe.file));
        samples.append({folder, file, QString::fromUtf8(recipe.subject), paint(recipe)});
    }
    return samples;
}
