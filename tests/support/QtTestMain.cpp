// Test entry for suites that need a QApplication. The platform is forced to
// offscreen when the caller has not chosen one, so the tests never need a display.
#include "render/FontSetup.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    tessaline::installFontSubstitutes();
    return RUN_ALL_TESTS();
}
