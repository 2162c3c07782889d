// Opening a pattern file: read whole as the picture loader reads, and refused
// when it changes while it is read, so a half-written file never becomes a
// pattern.
#include "PictureTestSupport.h"
#include "render/FileNames.h"
#include "render/OxsFile.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

const QByteArray kPattern =
    "<chart><properties chartwidth='2' chartheight='1'/><palette>"
    "<palette_item index='0' number='cloth'/>"
    "<palette_item index='1' number='DMC 310' color='000000'/></palette>"
    "<fullstitches><stitch x='0' y='0' palindex='1'/><stitch x='1' y='0' palindex='1'/>"
    "</fullstitches></chart>";

TEST(OxsFile, AFileThatChangesWhileReadIsRefused) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("p.oxs"), kPattern);
    const OxsFileResult whole = readOxsFile(nativePath(path), {});
    ASSERT_TRUE(whole.ok());
    EXPECT_EQ(whole.read.pattern->threads.width, 2);

    // Shrinks after it was opened and checked...
    PictureFile shrinking(nativePath(path));
    ASSERT_EQ(shrinking.error(), PictureLoadError::None);
    ASSERT_TRUE(QFile::resize(path, kPattern.size() / 2));
    const OxsFileResult cut = readOxsFile(shrinking, {});
    EXPECT_TRUE(cut.changed);
    EXPECT_FALSE(cut.ok());
    // ...or is rewritten, longer, before the reading is done.
    writeFile(dir, QStringLiteral("p.oxs"), kPattern);
    PictureFile growing(nativePath(path));
    ASSERT_EQ(growing.error(), PictureLoadError::None);
    writeFile(dir, QStringLiteral("p.oxs"), kPattern + QByteArray(10, ' '));
    const OxsFileResult longer = readOxsFile(growing, {});
    EXPECT_TRUE(longer.changed);
    EXPECT_FALSE(longer.ok());
}

} // namespace
} // namespace tessaline
