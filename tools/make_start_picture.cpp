// Draws the start-up picture the program shows in its frame before the user
// brings in a picture of their own: a rose on a soft background, the kind
// of motif people stitch. Written as a BMP under the name given.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

QImage drawRose(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(250, 240, 220));
    sky.setColorAt(1, QColor(200, 225, 205));
    p.fillRect(image.rect(), sky);

    // Stem and leaves.
    p.setPen(QPen(QColor(60, 120, 50), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(width * 0.5, height * 0.55), QPointF(width * 0.47, height * 0.98));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 150, 60));
    for (int side : {-1, 1}) {
        QPainterPath leaf;
        const QPointF base(width * 0.49, height * (side < 0 ? 0.75 : 0.82));
        const QPointF tip(base.x() + side * width * 0.22, base.y() - height * 0.06);
        leaf.moveTo(base);
        leaf.quadTo(QPointF((base.x() + tip.x()) / 2, base.y() - height * 0.12), tip);
        leaf.quadTo(QPointF((base.x() + tip.x()) / 2, base.y() + height * 0.04), base);
        p.drawPath(leaf);
    }

    // Petals: rings of ellipses from dark outside to light inside.
    const QPointF centre(width * 0.5, height * 0.38);
    const double radius = width * 0.3;
    for (int ring = 0; ring < 5; ++ring) {
        const double r = radius * (1.0 - ring * 0.18);
        const int petals = 7 - ring;
        QRadialGradient shade(centre, r);
        shade.setColorAt(0, QColor(250, 120 + ring * 20, 140 + ring * 15));
        shade.setColorAt(1, QColor(170 + ring * 15, 20 + ring * 10, 50 + ring * 10));
        p.setBrush(shade);
        for (int i = 0; i < petals; ++i) {
            const double a = (i + ring * 0.5) * 2 * M_PI / petals;
            const QPointF c(centre.x() + std::cos(a) * r * 0.45,
                            centre.y() + std::sin(a) * r * 0.4);
            p.drawEllipse(c, r * 0.55, r * 0.48);
        }
    }
    p.setBrush(QColor(120, 10, 40));
    p.drawEllipse(centre, radius * 0.12, radius * 0.1);
    p.end();
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_start_picture OUTPUT\n");
        return 2;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication app(argc, argv);
    if (!drawRose(200, 220).save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "make_start_picture: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
