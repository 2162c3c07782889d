#include "pattern/XmlScanner.h"

#include "pattern/PlainText.h"

#include <charconv>

namespace tessaline {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Name characters: anything but space and the characters that end a name.
bool isNameChar(char c) {
    return !isSpace(c) && c != '/' && c != '>' && c != '=' && c != '<' && c != '"' && c != '\'' &&
           c != '&' && c != '?' && c != '!';
}

// The character an entity or character reference (without & and ;) stands
// for, appended to out; false when it is none the reader knows.
bool appendReference(std::string& out, std::string_view reference) {
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [entity, character] : kNamed) {
        if (reference == entity) {
            out += character;
            return true;
        }
    }
    if (reference.size() < 2 || reference[0] != '#') {
        return false;
    }
    const bool hex = reference[1] == 'x';
    const std::string_view digits = reference.substr(hex ? 2 : 1);
    unsigned long code = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, code, hex ? 16 : 10);
    if (digits.empty() || ec != std::errc() || ptr != end || code == 0 || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF)) {
        return false;
    }
    appendUtf8(out, static_cast<char32_t>(code));
    return true;
}

} // namespace

XmlScanner::XmlScanner(std::string_view text) : text_(text) {
    if (startsWith("\xEF\xBB\xBF")) {
        pos_ = 3;
    }
}

bool XmlScanner::startsWith(std::string_view prefix) const {
    return text_.substr(pos_).starts_with(prefix);
}

void XmlScanner::skipSpace() {
    while (pos_ < text_.size() && isSpace(text_[pos_])) {
        ++pos_;
    }
}

XmlScanner::Event XmlScanner::fail() {
    failed_ = true;
    return Event::Error;
}

const std::string* XmlScanner::attribute(std::string_view attributeName) const {
    for (const auto& [attr, value] : attributes_) {
        if (attr == attributeName) {
            return &value;
        }
    }
    return nullptr;
}

bool XmlScanner::skipMarkup() {
    const auto skipPast = [this](std::string_view end) {
        const std::size_t at = text_.find(end, pos_);
        if (at == std::string_view::npos) {
            return false;
        }
        pos_ = at + end.size();
        return true;
    };
    if (startsWith("<!--")) {
        pos_ += 4;
        return skipPast("-->");
    }
    if (startsWith("<![CDATA[")) {
        // Character data belongs inside the root.
        return !open_.empty() && skipPast("]]>");
    }
    if (startsWith("<?")) {
        pos_ += 2;
        return skipPast("?>");
    }
    if (startsWith("<!DOCTYPE")) {
        if (rootSeen_) {
            return false;
        }
        // Up to the '>' that closes it, past an internal subset in brackets
        // and quoted literals.
        int brackets = 0;
        char quote = 0;
        for (pos_ += 9; pos_ < text_.size(); ++pos_) {
            const char c = text_[pos_];
            if (quote != 0) {
                quote = c == quote ? 0 : quote;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '[') {
                ++brackets;
            } else if (c == ']') {
                --brackets;
            } else if (c == '>' && brackets <= 0) {
                ++pos_;
                return true;
            }
        }
        return false;
    }
    return false;
}

bool XmlScanner::readName(std::string_view& out) {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && isNameChar(text_[pos_])) {
        ++pos_;
    }
    out = text_.substr(start, pos_ - start);
    return !out.empty();
}

bool XmlScanner::readAttributeValue(std::string& out) {
    if (pos_ >= text_.size() || (text_[pos_] != '"' && text_[pos_] != '\'')) {
        return false;
    }
    const char quote = text_[pos_++];
    const std::size_t end = text_.find(quote, pos_);
    if (end == std::string_view::npos) {
        return false;
    }
    const std::string_view raw = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    out.clear();
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '<') {
            return false;
        }
        if (c == '&') {
            const std::size_t semicolon = raw.find(';', i + 1);
            // An unknown entity, or a bare ampersand, stays as written.
            if (semicolon != std::string_view::npos &&
                appendReference(out, raw.substr(i + 1, semicolon - i - 1))) {
                i = semicolon;
                continue;
            }
            out += c;
            continue;
        }
        // Attribute-value normalisation: white space becomes a space.
        out += isSpace(c) ? ' ' : c;
    }
    return true;
}

bool XmlScanner::readStartTag() {
    ++pos_; // '<'
    if (!readName(name_)) {
        return false;
    }
    attributes_.clear();
    for (;;) {
        const std::size_t before = pos_;
        skipSpace();
        if (pos_ >= text_.size()) {
            return false;
        }
        if (text_[pos_] == '>') {
            ++pos_;
            break;
        }
        if (startsWith("/>")) {
            pos_ += 2;
            pendingEnd_ = true;
            break;
        }
        // Attributes are separated by space.
        std::string_view attr;
        if (pos_ == before || !readName(attr)) {
            return false;
        }
        skipSpace();
        if (pos_ >= text_.size() || text_[pos_] != '=') {
            return false;
        }
        ++pos_;
        skipSpace();
        std::string value;
        if (!readAttributeValue(value)) {
            return false;
        }
        // A repeated attribute keeps its first value.
        if (attribute(attr) == nullptr) {
            attributes_.emplace_back(attr, std::move(value));
        }
    }
    if (open_.size() >= kMaxDepth) {
        return false;
    }
    open_.push_back(name_);
    rootSeen_ = true;
    return true;
}

bool XmlScanner::readEndTag() {
    pos_ += 2; // "</"
    if (!readName(name_)) {
        return false;
    }
    skipSpace();
    if (pos_ >= text_.size() || text_[pos_] != '>' || open_.empty() || open_.back() != name_) {
        return false;
    }
    ++pos_;
    open_.pop_back();
    return true;
}

XmlScanner::Event XmlScanner::next() {
    if (failed_) {
        return Event::Error;
    }
    if (pendingEnd_) {
        pendingEnd_ = false;
        lastWasStart_ = false;
        open_.pop_back();
        return Event::End;
    }
    lastWasStart_ = false;
    for (;;) {
        if (open_.empty()) {
            // Outside the root only space and markup that is not an element.
            skipSpace();
            if (pos_ >= text_.size()) {
                return rootSeen_ ? Event::Done : fail();
            }
            if (text_[pos_] != '<') {
                return fail();
            }
        } else {
            // Text inside an element is skipped; its entities do not matter here.
            const std::size_t lt = text_.find('<', pos_);
            if (lt == std::string_view::npos) {
                return fail();
            }
            pos_ = lt;
        }
        if (startsWith("<!") || startsWith("<?")) {
            if (!skipMarkup()) {
                return fail();
            }
            continue;
        }
        if (startsWith("</")) {
            return readEndTag() ? Event::End : fail();
        }
        if (open_.empty() && rootSeen_) {
            return fail(); // a second root
        }
        if (!readStartTag()) {
            return fail();
        }
        lastWasStart_ = true;
        return Event::Start;
    }
}

} // namespace tessaline
