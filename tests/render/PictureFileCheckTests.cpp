// Telling whole GIF and BMP files from ones cut off part-way.
#include "PictureTestSupport.h"
#include "render/PictureFileCheck.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

// A comment extension and one or two frames, the second with a local colour
// table; built by hand because Qt has no GIF writer.
QByteArray handMadeGif(bool secondFrame) {
    QByteArray gif("GIF89a");
    gif.append("\x02\x00\x02\x00\x80\x00\x00", 7); // 2 x 2, two-colour table
    gif.append("\xFF\x00\x00\x00\x00\xFF", 6);     // red, blue
    gif.append("\x21\xFE\x03"
               "abc\x00",
               7); // comment
    gif.append("\x2C\x00\x00\x00\x00\x02\x00\x02\x00\x00", 10);
    gif.append("\x02\x02\x84\x51\x00", 5); // code size 2, one data block
    if (secondFrame) {
        gif.append("\x2C\x00\x00\x00\x00\x02\x00\x02\x00\x80", 10);
        gif.append("\x00\xFF\x00\xFF\xFF\xFF", 6); // local table: green, white
        gif.append("\x02\x02\x84\x51\x00", 5);
    }
    gif.append(';');
    return gif;
}

// Every proper prefix of a whole file is reported as cut off.
void expectEveryCutRefused(const QByteArray& whole, qsizetype shortest) {
    ASSERT_TRUE(isCompletePicture(whole));
    int accepted = 0;
    for (qsizetype size = shortest; size < whole.size(); ++size) {
        accepted += isCompletePicture(QByteArrayView(whole).first(size));
    }
    EXPECT_EQ(accepted, 0);
}

TEST(PictureFileCheck, GifsAreWholeWithAllTheirBlocks) {
    const QByteArray oneFrame = handMadeGif(false);
    expectEveryCutRefused(oneFrame.left(oneFrame.size() - 1), 6);
    // Complete image data without the closing byte is accepted.
    EXPECT_TRUE(isCompletePicture(oneFrame));
    const QByteArray gif = handMadeGif(true);
    EXPECT_TRUE(isCompletePicture(gif));
    EXPECT_FALSE(isCompletePicture(gif.left(gif.size() - 3)));
    EXPECT_FALSE(isCompletePicture(gif.left(oneFrame.size() + 4)));
    // An unknown block is damage.
    QByteArray damaged = gif;
    damaged[gif.size() - 1] = '\x42';
    EXPECT_FALSE(isCompletePicture(damaged));
}

TEST(PictureFileCheck, BmpsMustHoldEveryDeclaredRow) {
    const QByteArray bmp = encode(noise(13, 7), "BMP");
    EXPECT_TRUE(isCompletePicture(bmp));
    EXPECT_FALSE(isCompletePicture(bmp.left(bmp.size() - 1)));
    EXPECT_FALSE(isCompletePicture(bmp.left(60)));
    EXPECT_FALSE(isCompletePicture(bmp.left(10)));
    // Run-length coded: the stream must reach its end code, or end every row.
    const QByteArray rle = rle8Bmp(40, 6);
    const qsizetype streamStart = 54 + 8;
    EXPECT_TRUE(isCompletePicture(rle));
    EXPECT_TRUE(isCompletePicture(rle.left(rle.size() - 2)));
    for (qsizetype size = streamStart; size < rle.size() - 2; ++size) {
        EXPECT_FALSE(isCompletePicture(rle.left(size))) << size;
    }
}

TEST(PictureFileCheck, OtherContentIsLeftToTheDecoder) {
    EXPECT_TRUE(isCompletePicture(QByteArray("just some text")));
    EXPECT_TRUE(isCompletePicture(encode(noise(5, 5), "PNG")));
    EXPECT_TRUE(isCompletePicture(QByteArray()));
}

TEST(PictureFileCheck, HeadersClaimingMoreThanAnyFileHoldsAreNotWhole) {
    EXPECT_FALSE(isCompletePicture(bmpHeaderOnly(0x7FFFFFFF, 0x7FFFFFFF)));
    EXPECT_FALSE(isCompletePicture(bmpHeaderOnly(0x7FFFFFFF, -0x7FFFFFFF)));
    QByteArray deep = bmpHeaderOnly(-0x7FFFFFFF, 3);
    deep[28] = static_cast<char>(0xFF); // 65535 bits per pixel
    deep[29] = static_cast<char>(0xFF);
    EXPECT_FALSE(isCompletePicture(deep));
    QByteArray farOffset = bmpHeaderOnly(1, 1);
    farOffset[13] = 0x7F; // pixel data said to start 2 GB in
    EXPECT_FALSE(isCompletePicture(farOffset + QByteArray(4, '\0')));
    // No rows: nothing is missing.
    EXPECT_TRUE(isCompletePicture(bmpHeaderOnly(5, 0)));
}

} // namespace
} // namespace tessaline
