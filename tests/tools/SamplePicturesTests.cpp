// The gallery's sample pictures as built beside the program: every
// category folder holds pictures that the program's own loader reads, at
// sizes that make patterns, each named in the folder's licence file.
#include "render/PictureLoader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(SamplePictures, EveryCategoryHasDecodablePicturesWithTheirLicenceLines) {
    const QStringList categories{"动漫", "美女", "汽车", "星座", "动物", "风景", "艺术"};
    const QDir program(QStringLiteral(TESSALINE_RUNTIME_DIR));
    qint64 total = 0;
    QSet<QString> formats;
    for (const QString& category : categories) {
        const QDir folder(program.filePath(category));
        ASSERT_TRUE(folder.exists()) << category.toStdString();
        QFile licence(folder.filePath(QStringLiteral("来源与许可.txt")));
        ASSERT_TRUE(licence.open(QIODevice::ReadOnly)) << category.toStdString();
        const QStringList lines = QString::fromUtf8(licence.readAll()).split('\n');
        int pictures = 0;
        for (const QFileInfo& file : folder.entryInfoList(QDir::Files)) {
            total += file.size();
            if (file.fileName() == licence.fileName().section('/', -1)) {
                continue;
            }
            const std::string name = (category + "/" + file.fileName()).toStdString();
            // Only the names the gallery previews.
            const QString extension = file.fileName().right(3);
            EXPECT_TRUE(extension == "jpg" || extension == "gif" || extension == "bmp") << name;
            formats << extension;
            const PictureLoadResult loaded = loadPicture(file.filePath());
            ASSERT_TRUE(loaded.ok()) << name;
            const QSize size = loaded.image.size();
            EXPECT_TRUE(size.width() >= 200 && size.width() <= 800) << name;
            EXPECT_TRUE(size.height() >= 200 && size.height() <= 800) << name;
            const bool named = std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
                return line.startsWith(file.fileName() + ":") &&
                       line.contains("licence: CC0-1.0") &&
                       line.contains("source: tools/make_sample_pictures.cpp");
            });
            EXPECT_TRUE(named) << name;
            ++pictures;
        }
        EXPECT_GE(pictures, 4) << category.toStdString();
    }
    EXPECT_EQ(formats, QSet<QString>({"jpg", "gif", "bmp"}));
    EXPECT_LT(total, 6 * 1024 * 1024);
}

} // namespace
} // namespace tessaline
