// The user guide as built: one MHTML file whose parts a browser can find,
// with every illustration the page names present and decodable.
#include "platform/MhtmlArchive.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

QByteArray builtGuide() {
    QFile file(QStringLiteral(TESSALINE_RUNTIME_DIR "/") + QStringLiteral("Tessaline使用说明.mht"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(HelpDocument, IsOneMhtmlPageWithItsIllustrations) {
    const QByteArray data = builtGuide();
    ASSERT_FALSE(data.isEmpty()) << "the guide was not built beside the program";
    EXPECT_TRUE(data.contains("MIME-Version: 1.0"));
    EXPECT_TRUE(data.trimmed().endsWith("--")) << "no closing delimiter";
    // Read as the program's own help window reads it.
    const MhtmlArchive archive = MhtmlArchive::read(data);
    ASSERT_GE(archive.parts().size(), 2);
    ASSERT_EQ(archive.page(), &archive.parts().front());
    const QString html = archive.pageHtml();
    for (const char* step : {"导入图片", "效果预览", "绣图设置", "生成绣图", "保存和打印",
                             "颜色替换", "最终效果预览"}) {
        EXPECT_TRUE(html.contains(QString::fromUtf8(step))) << step;
    }

    // Every picture the page names is a part that decodes.
    const QRegularExpression sources(QStringLiteral("src=\"([^\"]+)\""));
    int pictures = 0;
    for (auto it = sources.globalMatch(html); it.hasNext();) {
        const QString wanted = it.next().captured(1);
        const MhtmlPart* part = archive.find(QUrl(wanted));
        ASSERT_NE(part, nullptr) << wanted.toStdString();
        EXPECT_EQ(part->contentType, "image/png");
        EXPECT_FALSE(QImage::fromData(part->body, "PNG").isNull()) << wanted.toStdString();
        ++pictures;
    }
    EXPECT_GE(pictures, 3);
    EXPECT_EQ(pictures, archive.parts().size() - 1) << "a part no one names";
}

} // namespace
} // namespace tessaline
