// Draws the gallery's sample pictures into their category folders under
// the folder given, with a plain-text file in each folder that names the
// source and licence of every picture in it. Each picture is read back
// after writing, so a bad encoder fails the build rather than the user.
//   make_sample_pictures <program folder>
#include "gif_writer.h"
#include "sample_pictures.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QMap>
#include <QSaveFile>
#include <cstdio>
#include <cstdlib>

namespace {

const QString kLicenceFile = QStringLiteral("来源与许可.txt");

int fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "make_sample_pictures: %s %s\n", what, qPrintable(detail));
    return 1;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QByteArray encoded(const SamplePicture& sample) {
    QByteArray bytes;
    if (sample.file.endsWith(QStringLiteral(".gif"))) {
        const QImage indexed = toExactPalette(sample.image);
        return indexed.isNull() ? QByteArray() : encodeGif(indexed);
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (sample.file.endsWith(QStringLiteral(".jpg"))) {
        sample.image.save(&buffer, "JPG", 90);
    } else {
        // Few colours make an 8-bit BMP, a quarter of the size.
        const QImage indexed = toExactPalette(sample.image);
        (indexed.isNull() ? sample.image : indexed).save(&buffer, "BMP");
    }
    return bytes;
}

// The picture as it will be read: the same size, and for the lossless
// formats the same pixels.
bool readsBack(const SamplePicture& sample, const QByteArray& bytes) {
    const QImage back = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
    if (back.size() != sample.image.size()) {
        return false;
    }
    return sample.file.endsWith(QStringLiteral(".jpg")) ||
           back == sample.image.convertToFormat(QImage::Format_RGB32);
}

QByteArray licenceText(const QString& folder, const QList<SamplePicture>& samples) {
    QString text;
    text += QStringLiteral("Tessaline 绣图图库「%1」: sources and licences\n\n").arg(folder);
    text +=
        QStringLiteral("Every picture in this folder was drawn for Tessaline by its own tool\n"
                       "tools/make_sample_pictures.cpp (with QPainter, when Tessaline is built).\n"
                       "None is taken from elsewhere. They are dedicated to the public domain\n"
                       "under CC0 1.0 Universal: copy, change and pass them on freely.\n"
                       "https://creativecommons.org/publicdomain/zero/1.0/\n\n");
    for (const SamplePicture& sample : samples) {
        text += QStringLiteral("%1: %2; source: tools/make_sample_pictures.cpp; licence: CC0-1.0\n")
                    .arg(sample.file, sample.subject);
    }
    return text.toUtf8();
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        return fail("usage:", QStringLiteral("make_sample_pictures <program folder>"));
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    QMap<QString, QList<SamplePicture>> byFolder;
    for (const SamplePicture& sample : drawSamplePictures()) {
        byFolder[sample.folder].append(sample);
    }
    for (auto it = byFolder.cbegin(); it != byFolder.cend(); ++it) {
        const QString folder = root.filePath(it.key());
        if (!QDir().mkpath(folder)) {
            return fail("cannot make", folder);
        }
        for (const SamplePicture& sample : it.value()) {
            const QByteArray bytes = encoded(sample);
            if (bytes.isEmpty() || !readsBack(sample, bytes)) {
                return fail("cannot encode", sample.file);
            }
            if (!writeFile(QDir(folder).filePath(sample.file), bytes)) {
                return fail("cannot write", sample.file);
            }
        }
        if (!writeFile(QDir(folder).filePath(kLicenceFile), licenceText(it.key(), it.value()))) {
            return fail("cannot write", kLicenceFile);
        }
    }
    return 0;
}
