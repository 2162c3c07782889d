#pragma once
// A main window over its own shared state, message recorder and temporary
// working folder, for tests that drive the real widgets headless.
#include "RecordingDialogs.h"
#include "app/AppContext.h"
#include "app/Form1.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

namespace tessaline {

// A picture with a distinct colour in every pixel, so tests can tell which
// pixel ended up where.
inline QImage gradientPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * 7 + y * 3) % 256));
        }
    }
    return image;
}

struct WorkspaceFixture {
    QTemporaryDir folder;
    std::unique_ptr<Xiubas> state = std::make_unique<Xiubas>();
    RecordingDialogs dialogs;
    AppContext context{*state, dialogs, QFile::encodeName(folder.path()).toStdString(),
                       folder.path()};
    std::unique_ptr<Form1> form;

    // Writes the start-up picture (none when picture is null) and loads the window.
    explicit WorkspaceFixture(const QImage& startPicture = gradientPicture(200, 220)) {
        if (!startPicture.isNull()) {
            startPicture.save(folder.filePath(QStringLiteral("logo.dll")), "BMP");
        }
        form = std::make_unique<Form1>(context);
        form->load();
    }

    // Hands a picture to the workspace as the file browser would.
    bool handOver(const QImage& picture, const QString& name = QStringLiteral("picture.bmp")) {
        const QString path = folder.filePath(name);
        picture.save(path, "BMP");
        state->picturePath = path.toStdString();
        return form->loadWorkspacePicture();
    }
};

} // namespace tessaline
