#pragma once
// Reading a web page saved as one MHTML file (MIME multipart/related): the
// page and the pictures it names, each part found by its Content-Location
// or Content-ID. Base64, quoted-printable and plain parts are decoded.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

namespace tessaline {

struct MhtmlPart {
    QByteArray contentType; // lower case, without parameters: "text/html"
    QByteArray charset;     // lower case; empty when not given
    QUrl location;
    QByteArray contentId; // without the angle brackets
    QByteArray body;      // decoded
};

class MhtmlArchive {
  public:
    // Reads the archive; a file that is not MIME at all gives no parts.
    static MhtmlArchive read(const QByteArray& data);

    const QList<MhtmlPart>& parts() const { return parts_; }
    // The page: the part the snapshot names, else the first HTML part;
    // null when there is none.
    const MhtmlPart* page() const;
    // The part a link of the page names (relative to the page, or cid:);
    // null when the archive holds no such part.
    const MhtmlPart* find(const QUrl& link) const;
    // The page's text in its character set (UTF-8 when none is given).
    QString pageHtml() const;

  private:
    QList<MhtmlPart> parts_;
    QUrl snapshot_;
};

} // namespace tessaline
