#pragma once
// A window of our own that shows a web page saved as MHTML, with its
// pictures, for desktops that have no program to open such a file.
#include "platform/MhtmlArchive.h"

#include <QTextBrowser>
#include <QWidget>

class QPushButton;

namespace tessaline {

// Shows the archive's page; every link and picture is looked up in the
// archive only, never on disk or the network.
class MhtmlBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    explicit MhtmlBrowser(QWidget* parent = nullptr);
    void setArchive(MhtmlArchive archive);
    const MhtmlArchive& archive() const { return archive_; }

    QVariant loadResource(int type, const QUrl& name) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Shows the page with its pictures no wider than the window, at the same
    // place in it, when the window's width changed.
    void fitPictures();
    void showPage();
    // The width a page has without a horizontal scroll bar.
    int roomForPage() const;

    MhtmlArchive archive_;
    int widestPicture_ = 0; // as shown
    int pictureCap_ = 0;    // the widest a picture may be shown; 0: the room
    int fittedTo_ = -1;     // the room the pictures were fitted to
};

class DocumentWindow : public QWidget {
    Q_OBJECT
  public:
    explicit DocumentWindow(QWidget* parent = nullptr);

    // Reads the file and shows its page, its pictures no wider than the
    // window; false, with a line saying so in the window, when the file
    // cannot be read or holds no page.
    bool openFile(const QString& path);

    MhtmlBrowser* browser = nullptr;
    QPushButton* closeButton = nullptr;
};

} // namespace tessaline
