// Reading MHTML archives as other programs write them: bare line feeds,
// folded headers, a missing closing delimiter, look-alike delimiters.
#include "platform/MhtmlArchive.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(MhtmlArchive, FindsThePageAndItsPartsWhateverTheLineEnds) {
    const QByteArray data =
        "Content-Type: multipart/related;\n\tboundary=xyz\n"
        "Snapshot-Content-Location: http://a.invalid/dir/second.html\n\n"
        "preamble\n"
        "--xyz\nContent-Type: text/html\nContent-Location: http://a.invalid/dir/first.html\n\n"
        "<p>first</p>\n"
        "--xyz\nContent-Type: TEXT/HTML; charset=ISO-8859-1\n"
        "Content-Location: http://a.invalid/dir/second.html\n\n"
        "<p>caf\xe9 --xyz stays</p>\n"
        "--xyz\nContent-Type: image/gif\nContent-Transfer-Encoding: BASE64\n"
        "Content-Location: http://a.invalid/img/dot.gif\n\n"
        "R0lG\nODlh\n";
    const MhtmlArchive archive = MhtmlArchive::read(data);
    ASSERT_EQ(archive.parts().size(), 3);
    // The snapshot names the page, not the first HTML part.
    ASSERT_NE(archive.page(), nullptr);
    EXPECT_EQ(archive.page()->location, QUrl("http://a.invalid/dir/second.html"));
    EXPECT_EQ(archive.pageHtml(), QStringLiteral("<p>café --xyz stays</p>"));
    // Links resolve against the page; unknown ones find nothing.
    const MhtmlPart* dot = archive.find(QUrl("../img/dot.gif"));
    ASSERT_NE(dot, nullptr);
    EXPECT_EQ(dot->body, QByteArray("GIF89a"));
    EXPECT_EQ(archive.find(QUrl("http://a.invalid/img/dot.gif#x")), dot);
    EXPECT_EQ(archive.find(QUrl("../img/none.gif")), nullptr);
    EXPECT_EQ(archive.find(QUrl("cid:dot")), nullptr);
    EXPECT_EQ(archive.find(QUrl("file:///etc/passwd")), nullptr);
}

TEST(MhtmlArchive, WhatIsNotAnArchiveHasNoPage) {
    EXPECT_EQ(MhtmlArchive::read("").page(), nullptr);
    EXPECT_EQ(MhtmlArchive::read("<html><body>plain</body></html>").page(), nullptr);
    EXPECT_EQ(MhtmlArchive::read("Content-Type: multipart/related\r\n\r\n--b\r\n").page(), nullptr);
    // A single page without parts is still a page.
    const MhtmlArchive single = MhtmlArchive::read("Content-Type: text/html\r\n\r\n<p>alone</p>");
    ASSERT_NE(single.page(), nullptr);
    EXPECT_EQ(single.pageHtml(), QStringLiteral("<p>alone</p>"));
}

} // namespace
} // namespace tessaline
