#pragma once
// A small XML reader for the pattern files the program opens: it walks the
// elements one by one and hands over each element's name and attributes,
// with the five named entities and character references decoded. It checks
// what makes a document well-formed enough to trust (one root, start and end
// tags that match, quoted attributes, closed comments, CDATA sections and
// processing instructions) and skips text, comments, CDATA, processing
// instructions and a document type declaration. UTF-8 only, with or without
// a byte-order mark.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessaline {

class XmlScanner {
  public:
    enum class Event {
        Start, // an element starts: name() and attribute() describe it
        End,   // an element ends (also right after the Start of <empty/>)
        Done,  // the root element has ended and only space or comments follow
        Error, // the text is not well-formed XML; every later call returns Error too
    };

    explicit XmlScanner(std::string_view text);

    Event next();

    // The element that just started or ended.
    std::string_view name() const { return name_; }
    // Elements open around the current one: 0 for the root.
    int depth() const { return static_cast<int>(open_.size()) - (lastWasStart_ ? 1 : 0); }
    // The decoded value of an attribute of the element that just started;
    // null when it has none of that name.
    const std::string* attribute(std::string_view attributeName) const;

    // Elements nested deeper than this are refused as not well-formed.
    static constexpr std::size_t kMaxDepth = 256;

  private:
    Event fail();
    bool skipMarkup(); // comments, CDATA, PIs and DOCTYPE at pos_; false on an error
    bool readStartTag();
    bool readEndTag();
    bool readName(std::string_view& out);
    bool readAttributeValue(std::string& out);
    void skipSpace();
    bool startsWith(std::string_view prefix) const;

    std::string_view text_;
    std::size_t pos_ = 0;
    std::vector<std::string_view> open_;
    std::string_view name_;
    std::vector<std::pair<std::string_view, std::string>> attributes_;
    bool pendingEnd_ = false; // an empty element's End is due
    bool lastWasStart_ = false;
    bool rootSeen_ = false;
    bool failed_ = false;
};

} // namespace tessaline
