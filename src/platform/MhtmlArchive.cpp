#include "platform/MhtmlArchive.h"

#include <QHash>
#include <QStringDecoder>

namespace tessaline {

namespace {

using Headers = QHash<QByteArray, QByteArray>; // lower-case names

// Head and body meet at the first empty line, with CRLF or bare LF ends.
std::pair<QByteArray, QByteArray> splitAtEmptyLine(const QByteArray& data) {
    const qsizetype crlf = data.indexOf("\r\n\r\n");
    const qsizetype lf = data.indexOf("\n\n");
    if (crlf < 0 && lf < 0) {
        return {data, {}};
    }
    if (crlf >= 0 && (lf < 0 || crlf < lf)) {
        return {data.left(crlf), data.mid(crlf + 4)};
    }
    return {data.left(lf), data.mid(lf + 2)};
}

// Header lines, with folded continuation lines joined.
Headers parseHeaders(QByteArray head) {
    head.replace("\r\n", "\n");
    Headers headers;
    QByteArray name;
    for (const QByteArray& line : head.split('\n')) {
        if ((line.startsWith(' ') || line.startsWith('\t')) && !name.isEmpty()) {
            headers[name] += ' ' + line.trimmed();
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0) {
            continue;
        }
        name = line.left(colon).trimmed().toLower();
        headers.insert(name, line.mid(colon + 1).trimmed());
    }
    return headers;
}

// A parameter of a header value: boundary="x" or charset=utf-8.
QByteArray parameter(const QByteArray& value, const QByteArray& name) {
    for (const QByteArray& piece : value.split(';')) {
        const QByteArray item = piece.trimmed();
        const qsizetype equals = item.indexOf('=');
        if (equals > 0 && item.left(equals).trimmed().toLower() == name) {
            QByteArray v = item.mid(equals + 1).trimmed();
            if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"')) {
                v = v.mid(1, v.size() - 2);
            }
            return v;
        }
    }
    return {};
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

QByteArray decodeQuotedPrintable(const QByteArray& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '=') {
            out.append(c);
            continue;
        }
        // A soft line break joins two lines.
        if (text.mid(i + 1, 2) == "\r\n") {
            i += 2;
            continue;
        }
        if (text.mid(i + 1, 1) == "\n") {
            i += 1;
            continue;
        }
        const int high = i + 2 < text.size() ? hexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(text[i + 2]) : -1;
        if (low < 0) {
            out.append(c); // not an escape: kept as written
            continue;
        }
        out.append(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return out;
}

MhtmlPart makePart(const Headers& headers, const QByteArray& body) {
    MhtmlPart part;
    const QByteArray type = headers.value("content-type");
    part.contentType = type.split(';').first().trimmed().toLower();
    part.charset = parameter(type, "charset").toLower();
    part.location = QUrl(QString::fromUtf8(headers.value("content-location")));
    QByteArray id = headers.value("content-id");
    if (id.startsWith('<') && id.endsWith('>')) {
        id = id.mid(1, id.size() - 2);
    }
    part.contentId = id;
    const QByteArray encoding = headers.value("content-transfer-encoding").toLower();
    if (encoding == "base64") {
        part.body = QByteArray::fromBase64(body); // line ends and stray bytes are skipped
    } else if (encoding == "quoted-printable") {
        part.body = decodeQuotedPrintable(body);
    } else {
        part.body = body;
    }
    return part;
}

bool startsLine(const QByteArray& data, qsizetype at) {
    return at == 0 || data[at - 1] == '\n';
}

// The next delimiter line at or after from; -1 when there is none.
qsizetype nextDelimiter(const QByteArray& data, const QByteArray& delimiter, qsizetype from) {
    for (qsizetype at = data.indexOf(delimiter, from); at >= 0;
         at = data.indexOf(delimiter, at + 1)) {
        if (startsLine(data, at)) {
            return at;
        }
    }
    return -1;
}

} // namespace

MhtmlArchive MhtmlArchive::read(const QByteArray& data) {
    MhtmlArchive archive;
    const auto [head, body] = splitAtEmptyLine(data);
    const Headers headers = parseHeaders(head);
    if (!headers.contains("content-type")) {
        return archive;
    }
    archive.snapshot_ = QUrl(QString::fromUtf8(headers.value("snapshot-content-location")));
    const QByteArray type = headers.value("content-type");
    if (!type.trimmed().toLower().startsWith("multipart/")) {
        archive.parts_.append(makePart(headers, body));
        return archive;
    }
    const QByteArray boundary = parameter(type, "boundary");
    if (boundary.isEmpty()) {
        return archive;
    }
    const QByteArray delimiter = "--" + boundary;
    qsizetype at = nextDelimiter(body, delimiter, 0);
    while (at >= 0) {
        const qsizetype after = at + delimiter.size();
        if (body.mid(after, 2) == "--") {
            break; // the closing delimiter
        }
        const qsizetype lineEnd = body.indexOf('\n', after);
        if (lineEnd < 0) {
            break;
        }
        const qsizetype next = nextDelimiter(body, delimiter, lineEnd + 1);
        QByteArray raw = body.mid(lineEnd + 1, next < 0 ? -1 : next - lineEnd - 1);
        // The line break before a delimiter belongs to the delimiter.
        if (raw.endsWith("\r\n")) {
            raw.chop(2);
        } else if (raw.endsWith('\n')) {
            raw.chop(1);
        }
        const auto [partHead, partBody] = splitAtEmptyLine(raw);
        archive.parts_.append(makePart(parseHeaders(partHead), partBody));
        at = next;
    }
    return archive;
}

const MhtmlPart* MhtmlArchive::page() const {
    const MhtmlPart* firstHtml = nullptr;
    for (const MhtmlPart& part : parts_) {
        if (part.contentType != "text/html") {
            continue;
        }
        if (!snapshot_.isEmpty() && part.location == snapshot_) {
            return &part;
        }
        if (!firstHtml) {
            firstHtml = &part;
        }
    }
    return firstHtml;
}

const MhtmlPart* MhtmlArchive::find(const QUrl& link) const {
    if (link.scheme().compare(QStringLiteral("cid"), Qt::CaseInsensitive) == 0) {
        const QByteArray id = QUrl::fromPercentEncoding(link.path().toUtf8()).toUtf8();
        for (const MhtmlPart& part : parts_) {
            if (!part.contentId.isEmpty() && part.contentId == id) {
                return &part;
            }
        }
        return nullptr;
    }
    const MhtmlPart* base = page();
    const QUrl wanted = link.isRelative() && base ? base->location.resolved(link) : link;
    for (const MhtmlPart& part : parts_) {
        if (!part.location.isEmpty() &&
            part.location.matches(wanted, QUrl::RemoveFragment | QUrl::NormalizePathSegments)) {
            return &part;
        }
    }
    return nullptr;
}

QString MhtmlArchive::pageHtml() const {
    const MhtmlPart* html = page();
    if (!html) {
        return {};
    }
    if (!html->charset.isEmpty() && html->charset != "utf-8") {
        QStringDecoder decoder(html->charset.constData());
        if (decoder.isValid()) {
            return decoder.decode(html->body);
        }
    }
    return QString::fromUtf8(html->body);
}

} // namespace tessaline
