// A picture file dropped on the main window from a file manager takes the
// browser's way in: the same name rule, hand-over and message. Of several
// files dropped at once, the first is taken.
#include "app/Form1.h"
#include "windows/PictureHandOver.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace tessaline {

namespace {

void handOverDroppedFile(Form1& main, const QUrl& url) {
    // Something that is not a local file has no name the rule could accept.
    if (!url.isLocalFile()) {
        showWrongPictureMessage(main, &main);
        return;
    }
    handOverLocalFile(main, url.toLocalFile(), &main);
}

class PictureDropFilter : public QObject {
  public:
    explicit PictureDropFilter(Form1& main) : QObject(&main), main_(main) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove &&
            event->type() != QEvent::Drop) {
            return false;
        }
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasUrls() || drop->mimeData()->urls().isEmpty()) {
            return false;
        }
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop) {
            // The hand-over may show a message; queued, it does not keep the
            // file manager waiting for the drop to finish meanwhile.
            const QUrl first = drop->mimeData()->urls().first();
            QMetaObject::invokeMethod(
                &main_, [this, first] { handOverDroppedFile(main_, first); }, Qt::QueuedConnection);
        }
        return true;
    }

  private:
    Form1& main_;
};

} // namespace

void Form1::connectPictureDrop() {
    setAcceptDrops(true);
    installEventFilter(new PictureDropFilter(*this));
}

} // namespace tessaline
