#include "platform/DocumentWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace tessaline {

namespace {

// The text view knows HTML 4 only: the newer block elements it would run
// into the surrounding text, so they become plain blocks; a figure keeps
// its picture and caption centred, as a browser shows it.
QString asHtml4(QString html) {
    static const QRegularExpression figure(QStringLiteral("<figure\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression opening(
        QStringLiteral("<(figure|figcaption|section|article|header|footer|nav|main|aside)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression closing(
        QStringLiteral("</(figure|figcaption|section|article|header|footer|nav|main|aside)\\s*>"),
        QRegularExpression::CaseInsensitiveOption);
    html.replace(figure, QStringLiteral("<div align=\"center\""));
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
    fittedTo_ = -1;
    document()->clear();
    fitPictures();
}

void MhtmlBrowser::resizeEvent(QResizeEvent* event) {
    QTextBrowser::resizeEvent(event);
    fitPictures();
}

void MhtmlBrowser::fitPictures() {
    const int room = roomForPage();
    // Without a page, whatever the window says instead stays.
    if (room == fittedTo_ || !archive_.page()) {
        return;
    }
    fittedTo_ = room;
    const QScrollBar* bar = verticalScrollBar();
    const double readTo = bar->maximum() > 0 ? double(bar->value()) / bar->maximum() : 0.0;
    widestPicture_ = 0;
    pictureCap_ = 0;
    showPage();
    // The page's own margins are its affair: when the widest picture still
    // makes the page wider than the window, it is narrowed by as much.
    const int over = static_cast<int>(std::ceil(document()->size().width())) - room;
    if (over > 0 && widestPicture_ - over > 100) {
        pictureCap_ = widestPicture_ - over;
        showPage();
    }
    verticalScrollBar()->setValue(static_cast<int>(std::lround(readTo * bar->maximum())));
}

void MhtmlBrowser::showPage() {
    // Clearing drops the pictures already fitted.
    document()->clear();
    setHtml(asHtml4(archive_.pageHtml()));
}

int MhtmlBrowser::roomForPage() const {
    // A page of any length soon has its vertical bar; count it from the start.
    const QScrollBar* bar = verticalScrollBar();
    return viewport()->width() - (bar->isVisible() ? 0 : bar->sizeHint().width());
}

QVariant MhtmlBrowser::loadResource(int type, const QUrl& name) {
    const MhtmlPart* part = archive_.find(name);
    if (!part) {
        return {};
    }
    if (type == QTextDocument::ImageResource) {
        // Wide pictures are narrowed to the window, as a browser fits them.
        QImage picture = QImage::fromData(part->body);
        int room = roomForPage() - 2 * static_cast<int>(document()->documentMargin());
        if (pictureCap_ > 0) {
            room = std::min(room, pictureCap_);
        }
        if (room > 100 && picture.width() > room) {
            picture = picture.scaledToWidth(room, Qt::SmoothTransformation);
        }
        widestPicture_ = std::max(widestPicture_, picture.width());
        return picture;
    }
    return part->body;
}

DocumentWindow::DocumentWindow(QWidget* parent) : QWidget(parent) {
    browser = new MhtmlBrowser(this);
    closeButton = new QPushButton(tr("关闭"), this);
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
        browser->setPlainText(tr("无法显示帮助文档：%1").arg(path));
        return false;
    }
    browser->setArchive(std::move(archive));
    return true;
}

} // namespace tessaline
