// The stretch: a JPEG shrunk row by row while it decodes (HalftoneShrink)
// gives the very pixels halftoneStretch gives the whole picture.
#include "PictureTestSupport.h"
#include "render/FileNames.h"
#include "render/PictureLoader.h"
#include "render/Stretch.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(Stretch, JpegsShrunkWhileDecodedAreTheWholePictureStretched) {
    QTemporaryDir dir;
    QImage tall = noise(300, 701).convertToFormat(QImage::Format_Grayscale8);
    QImage smooth(1203, 677, QImage::Format_RGB32);
    for (int y = 0; y < smooth.height(); ++y) {
        for (int x = 0; x < smooth.width(); ++x) {
            smooth.setPixel(x, y, qRgb(x * 255 / 1202, y * 255 / 676, (x + y) % 256));
        }
    }
    const QByteArray photos[] = {encode(noise(640, 427), "JPG"), progressiveJpeg(noise(517, 389)),
                                 encode(tall, "JPG"), encode(smooth, "JPG")};
    for (const QByteArray& photo : photos) {
        const std::filesystem::path path = nativePath(writeFile(dir, "photo.jpg", photo));
        const QImage whole = loadPicture(path).image;
        ASSERT_FALSE(whole.isNull());
        const QSize own = whole.size();
        for (const QSize shown :
             {QSize(230, 153), QSize(100, 67), QSize(57, 38), QSize(16, 16),
              QSize(own.width() - 1, own.height() - 1), QSize(16, 400), QSize(3, 2)}) {
            if (!(shown.width() < own.width() && shown.height() < own.height())) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << own.width() << "x" << own.height() << " to "
                                            << shown.width() << "x" << shown.height());
            QSize asked;
            const FittedPicture fitted = loadPicture(path, [&](QSize size) {
                asked = size;
                return shown;
            });
            ASSERT_TRUE(fitted.loaded.ok());
            EXPECT_EQ(asked, own);
            EXPECT_EQ(fitted.pictureSize, own);
            EXPECT_EQ(fitted.loaded.image, halftoneStretch(whole, shown));
        }
        // Not smaller on both sides: the whole picture, stretched later.
        const FittedPicture wide =
            loadPicture(path, [](QSize size) { return QSize(size.width() + 1, 20); });
        EXPECT_EQ(wide.loaded.image, whole);
    }
}

} // namespace
} // namespace tessaline
