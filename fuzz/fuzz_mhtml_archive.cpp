// Feeds arbitrary bytes to the MHTML reader of the help window, and looks
// up every part the way the page's links do.
#include "platform/MhtmlArchive.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tessaline::MhtmlArchive archive = tessaline::MhtmlArchive::read(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    (void)archive.pageHtml();
    for (const tessaline::MhtmlPart& part : archive.parts()) {
        (void)archive.find(part.location);
        (void)archive.find(QUrl(QStringLiteral("cid:") + QString::fromLatin1(part.contentId)));
    }
    return 0;
}
