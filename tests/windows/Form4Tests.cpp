// The about window: title, logo, product line and the text that closes it.
#include "../app/Form1Harness.h"
#include "platform/TextButton.h"
#include "windows/AboutLogo.h"
#include "windows/Form4.h"

#include <QLabel>
#include <QPixmap>
#include <gtest/gtest.h>
#include <set>

namespace tessaline::testing {
namespace {

TEST(AboutWindow, ShowsTitleLogoProductLineAndOk) {
    Form4 about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Quillmere inc."));
    EXPECT_EQ(about.size(), QSize(288, 179));
    ASSERT_FALSE(about.Image1->pixmap().isNull());
    EXPECT_EQ(about.Image1->pixmap().size(), QSize(162, 53));
    EXPECT_EQ(about.Image1->y(), 8);
    EXPECT_FALSE(about.Label2->text().isEmpty());
    EXPECT_TRUE(about.Label2->text().startsWith(QStringLiteral("Tessaline")));
    EXPECT_EQ(about.Label2->geometry(), QRect(16, 72, 257, 25));
    EXPECT_EQ(about.Label1->text(), QStringLiteral("==确定=="));
    EXPECT_EQ(about.Label1->geometry(), QRect(112, 144, 57, 17));
}

TEST(AboutWindow, OkTextClosesTheWindow) {
    Form4 about;
    about.show();
    ASSERT_TRUE(about.isVisible());
    clickOn(about.Label1);
    EXPECT_FALSE(about.isVisible());
}

TEST(AboutLogo, IsADrawnPictureOfTheRightSize) {
    const QImage logo = drawAboutLogo();
    EXPECT_EQ(logo.size(), QSize(162, 53));
    std::set<QRgb> colours;
    int red = 0;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            const QRgb c = logo.pixel(x, y);
            colours.insert(c);
            red += qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 110;
        }
    }
    // Fabric, thread and lettering, not an empty box.
    EXPECT_GT(colours.size(), 10U);
    EXPECT_GT(red, 200);
    EXPECT_EQ(drawAboutLogo(), logo);
}

} // namespace
} // namespace tessaline::testing
