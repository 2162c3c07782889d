#include "platform/DocumentWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocument>
#include <QVBoxLayout>

namespace tessaline {

namespace {

// The text view knows HTML 4 only: the newer block elements it would run
// into the surrounding text, so they become plain blocks.
QString asHtml4(QString html) {
    static const QRegularExpression opening(
        QStringLiteral("<(figure|figcaption|section|article|header|footer|nav|main|aside)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression closing(
        QStringLiteral("</(figure|figcaption|section|article|header|footer|nav|main|aside)\\s*>"),
        QRegularExpression::CaseInsensitiveOption);
    html.replace(opening, QStringLiteral("<div"));
    html.replace(closing, QStringLiteral("</div>"));
    return html;
}

} // namespace

MhtmlBrowser::MhtmlBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    // Links within the page scroll to their place; others lead nowhere.
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        if (link.hasFragment() &&
            (link.path().isEmpty() || archive_.find(link) == archive_.page())) {
            scrollToAnchor(link.fragment());
        }
    });
}

void MhtmlBrowser::setArchive(MhtmlArchive archive) {
    archive_ = std::move(archive);
    document()->clear();
    setHtml(asHtml4(archive_.pageHtml()));
}

QVariant MhtmlBrowser::loadResource(int type, const QUrl& name) {
    const MhtmlPart* part = archive_.find(name);
    if (!part) {
        return {};
    }
    if (type == QTextDocument::ImageResource) {
        // Wide pictures are narrowed to the window, as a browser fits them.
        QImage picture = QImage::fromData(part->body);
        const int room =
            viewport()->width() - 2 * static_cast<int>(document()->documentMargin()) - 24;
        if (room > 100 && picture.width() > room) {
            picture = picture.scaledToWidth(room, Qt::SmoothTransformation);
        }
        return picture;
    }
    return part->body;
}

DocumentWindow::DocumentWindow(QWidget* parent) : QWidget(parent) {
    browser = new MhtmlBrowser(this);
    closeButton = new QPushButton(QStringLiteral("关闭"), this);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(closeButton, 0, Qt::AlignRight);
    resize(900, 700);
}

bool DocumentWindow::openFile(const QString& path) {
    setWindowTitle(QFileInfo(path).completeBaseName());
    // Pictures are fitted to the page as laid out.
    layout()->activate();
    QFile file(path);
    MhtmlArchive archive;
    if (file.open(QIODevice::ReadOnly)) {
        archive = MhtmlArchive::read(file.readAll());
    }
    if (!archive.page()) {
        browser->setArchive({});
        browser->setPlainText(QStringLiteral("无法显示帮助文档：%1").arg(path));
        return false;
    }
    browser->setArchive(std::move(archive));
    return true;
}

} // namespace tessaline
