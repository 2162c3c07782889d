#include "imaging/ClsDIB.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(DibStride, FollowsTheFourByteRowRule) {
    EXPECT_EQ(dibStride(3, 1), 4);
    EXPECT_EQ(dibStride(33, 1), 8);
    EXPECT_EQ(dibStride(5, 4), 4);
    EXPECT_EQ(dibStride(9, 4), 8);
    EXPECT_EQ(dibStride(5, 8), 8);
    EXPECT_EQ(dibStride(3, 16), 8);
    EXPECT_EQ(dibStride(10, 24), 32);
    EXPECT_EQ(dibStride(1, 24), 4);
    EXPECT_EQ(dibStride(3, 32), 12);
    EXPECT_EQ(dibStride(3, 2), 0);
}

TEST(ClsDIBCreate, SizesFollowTheStrideTable) {
    ClsDIB dib;
    ASSERT_TRUE(dib.Create(3, 1, 1, false));
    EXPECT_EQ(dib.DataSize(), 4);
    ASSERT_TRUE(dib.Create(5, 2, 4, false));
    EXPECT_EQ(dib.DataSize(), 8);
    ASSERT_TRUE(dib.Create(10, 3, 24, true));
    EXPECT_EQ(dib.DataSize(), 96);
    EXPECT_EQ(dib.Width(), 10);
    EXPECT_EQ(dib.Height(), 3);
    EXPECT_EQ(dib.ColorBit(), 24);
    EXPECT_NE(dib.hDC(), 0u);
    EXPECT_NE(dib.DataPtr(), nullptr);
    const BitmapInfoHeader& h = dib.header();
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biCompression, 0u);
    EXPECT_EQ(h.biSizeImage, 96u);
}

TEST(ClsDIBCreate, RefusedRequestsLeaveTheBufferEmpty) {
    ClsDIB dib;
    ASSERT_TRUE(dib.Create(4, 4, 8, false));
    for (auto [w, h, bits] : {std::tuple{4, 4, 2},
                              {4, 4, 0},
                              {0, 4, 24},
                              {4, 0, 24},
                              {-3, 4, 24},
                              {4, -4, 24},
                              {40000, 40000, 24}}) {
        EXPECT_FALSE(dib.Create(w, h, bits, true)) << w << "x" << h << "x" << bits;
        EXPECT_EQ(dib.hDC(), 0u);
        EXPECT_EQ(dib.ColorBit(), 0);
        EXPECT_EQ(dib.Width(), 0);
        EXPECT_EQ(dib.Height(), 0);
        EXPECT_EQ(dib.DataSize(), 0);
        EXPECT_EQ(dib.DataPtr(), nullptr);
    }
}

TEST(ClsDIBCreate, ClsAndFreshMemoryAreZero) {
    ClsDIB dib;
    ASSERT_TRUE(dib.Create(7, 3, 24, false));
    for (int i = 0; i < dib.DataSize(); ++i) {
        ASSERT_EQ(dib.DataPtr()[i], 0);
    }
    dib.DataPtr()[5] = 9;
    dib.Cls();
    EXPECT_EQ(dib.DataPtr()[5], 0);
    dib.Free();
    EXPECT_EQ(dib.hDC(), 0u);
    dib.Cls(); // harmless on an empty buffer
    dib.Free();
    EXPECT_EQ(dib.DataSize(), 0);
}

TEST(ClsDIBMapArray, ViewCoversThePixelBytes) {
    ClsDIB dib;
    ASSERT_TRUE(dib.Create(10, 2, 24, true));
    std::span<std::uint8_t> bytes;
    EXPECT_EQ(dib.MapArray(bytes), 32);
    EXPECT_EQ(bytes.data(), dib.DataPtr());
    EXPECT_EQ(bytes.size(), 64u);
    bytes[33] = 7; // the view writes the buffer itself
    EXPECT_EQ(dib.DataPtr()[33], 7);
    ClsDIB::UnMapArray(bytes);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(dib.DataPtr()[33], 7);

    ClsDIB empty;
    EXPECT_EQ(empty.MapArray(bytes), 0);
    EXPECT_TRUE(bytes.empty());
}

TEST(ClsDIBColorTable, RoundTripAndBounds) {
    ClsDIB dib;
    ASSERT_TRUE(dib.Create(2, 2, 8, false));
    EXPECT_EQ(dib.GetColorTable(9), 0); // new entries are black
    EXPECT_TRUE(dib.SetColorTable(9, 0x00336699));
    EXPECT_EQ(dib.GetColorTable(9), 0x00336699);
    EXPECT_TRUE(dib.SetColorTable(255, 0x00FFFFFF));
    EXPECT_EQ(dib.GetColorTable(255), 0x00FFFFFF);
    EXPECT_FALSE(dib.SetColorTable(256, 1));
    EXPECT_FALSE(dib.SetColorTable(-1, 1));
    EXPECT_EQ(dib.GetColorTable(256), 0);

    ASSERT_TRUE(dib.Create(2, 2, 1, false));
    EXPECT_EQ(dib.GetColorTable(9), 0); // re-created: table cleared
    EXPECT_TRUE(dib.SetColorTable(1, 0x00010203));
    EXPECT_FALSE(dib.SetColorTable(2, 1));

    ASSERT_TRUE(dib.Create(2, 2, 24, false));
    EXPECT_FALSE(dib.SetColorTable(0, 1)); // true colour has no table
}

TEST(ClsDIBMove, TransfersOwnership) {
    ClsDIB a;
    ASSERT_TRUE(a.Create(3, 3, 4, true));
    a.SetColorTable(2, 0x00112233);
    const auto* data = a.DataPtr();
    ClsDIB b = std::move(a);
    EXPECT_EQ(b.DataPtr(), data);
    EXPECT_EQ(b.GetColorTable(2), 0x00112233);
    EXPECT_EQ(a.hDC(), 0u); // NOLINT(bugprone-use-after-move): moved-from is empty
}

} // namespace
} // namespace tessaline
