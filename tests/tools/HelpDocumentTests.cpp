// The user guides as built, Chinese, English and Traditional Chinese: each
// one MHTML file whose parts a browser can find, with every illustration the
// page names present and decodable.
#include "platform/MhtmlArchive.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <gtest/gtest.h>
#include <ostream>

namespace tessaline {
namespace {

QByteArray builtGuide(const QString& name) {
    QFile file(QStringLiteral(TESSALINE_RUNTIME_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each guide's sections, by a word of each heading.
struct Guide {
    QString name;
    QString title;
    QStringList sections;
};

void PrintTo(const Guide& guide, std::ostream* out) {
    *out << guide.name.toStdString();
}

class HelpDocument : public ::testing::TestWithParam<Guide> {};

TEST_P(HelpDocument, IsOneMhtmlPageWithItsIllustrations) {
    const Guide& guide = GetParam();
    const QByteArray data = builtGuide(guide.name);
    ASSERT_FALSE(data.isEmpty()) << "the guide was not built beside the program";
    EXPECT_TRUE(data.contains("MIME-Version: 1.0"));
    EXPECT_TRUE(data.contains("Subject: =?utf-8?B?" + guide.title.toUtf8().toBase64() + "?="));
    EXPECT_TRUE(data.trimmed().endsWith("--")) << "no closing delimiter";
    // Read as the program's own help window reads it.
    const MhtmlArchive archive = MhtmlArchive::read(data);
    ASSERT_GE(archive.parts().size(), 2);
    ASSERT_EQ(archive.page(), &archive.parts().front());
    const QString html = archive.pageHtml();
    EXPECT_TRUE(
        html.contains(QStringLiteral("<title>") + guide.title + QStringLiteral("</title>")));
    for (const QString& step : guide.sections) {
        EXPECT_TRUE(html.contains(step)) << step.toStdString();
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
    EXPECT_GE(pictures, 9);
    EXPECT_EQ(pictures, archive.parts().size() - 1) << "a part no one names";
}

INSTANTIATE_TEST_SUITE_P(
    Guides, HelpDocument,
    ::testing::Values(
        Guide{QStringLiteral("Tessaline使用说明.mht"), QStringLiteral("Tessaline使用说明"),
              QStringList{"导入图片", "效果预览", "绣图设置", "生成绣图", "保存和打印", "颜色替换",
                          "最终效果预览", "打开绣图", "tessaline convert", "绣线支数的估算"}},
        Guide{QStringLiteral("Tessaline User Guide.mht"), QStringLiteral("Tessaline User Guide"),
              QStringList{"Choose a picture", "Effect preview", "Pattern settings",
                          "Generate the pattern", "Save and print", "Replacing colors",
                          "Final preview", "Opening a pattern", "tessaline convert",
                          "How the skeins are estimated"}},
        Guide{QStringLiteral("Tessaline使用說明.mht"), QStringLiteral("Tessaline使用說明"),
              QStringList{"匯入圖片", "效果預覽", "繡圖設定", "產生繡圖", "儲存和列印", "顏色替換",
                          "最終效果預覽", "開啟繡圖", "tessaline convert", "繡線束數的估算"}}),
    [](const ::testing::TestParamInfo<Guide>& guide) {
        if (guide.param.title.endsWith(QStringLiteral("Guide"))) {
            return "English";
        }
        return guide.param.title.contains(QStringLiteral("說明")) ? "TraditionalChinese"
                                                                  : "Chinese";
    });

} // namespace
} // namespace tessaline
