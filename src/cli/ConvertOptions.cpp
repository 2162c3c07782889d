#include "cli/ConvertOptions.h"

#include "app/OutputFiles.h"
#include "imaging/Form3Input.h"
#include "pattern/ThreadChoice.h"
#include "pattern/ThreadReplacement.h"
#include "render/OxsFile.h"
#include "render/PatternFormats.h"
#include "workspace/WorkspaceModel.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <set>
#include <string_view>
#include <utility>

namespace tessaline {

namespace {

constexpr std::array kMethodCodes{0, 1, 2, 3, 4, 8, 16};
constexpr std::array kGridSizes{6, 8, 10, 12, 16};

std::optional<long long> wholeNumber(std::string_view text, bool* tooLarge = nullptr) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (tooLarge != nullptr) {
        *tooLarge = ec == std::errc::result_out_of_range && ptr == end;
    }
    if (text.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// A whole number within low..high, or the reason it is refused.
std::optional<int> numberInRange(const std::string& option, const std::string& text, long long low,
                                 long long high, std::string& error) {
    bool tooLarge = false;
    const std::optional<long long> value = wholeNumber(text, &tooLarge);
    if (tooLarge) {
        error = option + ": " + text + " is outside " + std::to_string(low) + ".." +
                std::to_string(high);
        return std::nullopt;
    }
    if (!value) {
        error = option + ": " + inQuotes(text) + " is not a whole number";
        return std::nullopt;
    }
    if (*value < low || *value > high) {
        error = option + ": " + std::to_string(*value) + " is outside " + std::to_string(low) +
                ".." + std::to_string(high);
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

// Every output's option, for the message when none was given.
std::string nothingToWrite() {
    std::string message = "nothing to write: give";
    for (const PatternFormat& format : patternFormats()) {
        message += ' ';
        message += format.option;
        message += ',';
    }
    return message + " --effect or --print";
}

// The options that take a value, as written on the command line.
const std::set<std::string_view>& valueOptions() {
    static const std::set<std::string_view> options = [] {
        std::set<std::string_view> names{"--mode",
                                         "--width",
                                         "--height",
                                         "--zoom",
                                         "--offset",
                                         "--method",
                                         "--strength",
                                         "--ignore",
                                         "--kind",
                                         "--grid",
                                         "--title",
                                         "--category",
                                         "--threads",
                                         "--match",
                                         "--output",
                                         "--effect",
                                         "--replace",
                                         "--printer",
                                         "--paper",
                                         "--pitch",
                                         "--fabric",
                                         "--lang",
                                         "--min-stitches",
                                         "--fabric-colour",
                                         "--unstitched-background"};
        for (const PatternFormat& format : patternFormats()) {
            names.insert(format.option);
        }
        return names;
    }();
    return options;
}

class Reader {
  public:
    explicit Reader(ConvertOptions& options) : o_(options) {}

    // Applies one option and its value; false with `error` set when refused.
    bool apply(const std::string& name, const std::string& value) {
        const std::string key = name == "--output" ? "-o" : name;
        if (name == "--replace") {
            readReplacement(value);
            return error.empty();
        }
        if (!seen_.insert(key).second) {
            error = name + " is given twice";
            return false;
        }
        if (name == "--printer") {
            if (value.empty()) {
                error = "--printer needs a printer name";
            }
            o_.printer = value;
            o_.print = true;
        } else if (name == "--mode") {
            if (value == "whole") {
                o_.mode = FrameMode::Whole;
            } else if (value == "region") {
                o_.mode = FrameMode::Region;
            } else {
                error = "--mode: " + inQuotes(value) + " is neither \"whole\" nor \"region\"";
            }
        } else if (name == "--width") {
            o_.width = numberInRange(name, value, kMinPatternSide, PreviewArea{}.maxWidth, error);
        } else if (name == "--height") {
            o_.height = numberInRange(name, value, kMinPatternSide, PreviewArea{}.maxHeight, error);
        } else if (name == "--zoom") {
            // The picture decides the upper end; see the pipeline.
            o_.zoom = numberInRange(name, value, 1, kMaxOffset, error);
        } else if (name == "--offset") {
            readOffset(value);
        } else if (name == "--method") {
            if (const auto code = methodFromText(value)) {
                o_.method = *code;
            } else {
                error = "--method: " + inQuotes(value) +
                        " is not a method (0, 1, 2, 3, 4, 8, 16, a name such as "
                        "high-colour or a caption such as \"高分辨彩色图\")";
            }
        } else if (name == "--strength") {
            o_.strength = numberInRange(name, value, 0, kMaxStrength, error).value_or(0);
        } else if (name == "--ignore") {
            o_.ignore = numberInRange(name, value, 0, 1'000'000, error).value_or(0);
        } else if (name == "--kind") {
            if (const auto kind = chartKindFromOption(value)) {
                o_.kind = *kind;
            } else {
                error = "--kind: " + inQuotes(value) +
                        " is not a chart kind (blocks+symbols, symbols, blocks, \"生成绣图色块\", "
                        "\"无色块绣图\" or \"仅生成色块\")";
            }
        } else if (name == "--grid") {
            readGrid(value);
        } else if (name == "--title") {
            o_.title = value;
        } else if (name == "--category") {
            if (value == "DMC") {
                o_.category = ThreadCategory::Dmc;
            } else if (value == "CC") {
                o_.category = ThreadCategory::Cc;
            } else {
                error = "--category: " + inQuotes(value) + " is neither \"DMC\" nor \"CC\"";
            }
        } else if (name == "--threads") {
            o_.threads =
                numberInRange(name, value, kMinThreadLimit, kMaxThreadLimit, error).value_or(0);
        } else if (name == "--min-stitches") {
            o_.minStitches = numberInRange(name, value, 0, kMaxMinStitches, error).value_or(0);
        } else if (name == "--fabric-colour") {
            if (const std::optional<Color> color = fabricColorFromText(value)) {
                o_.fabricColor = *color;
            } else {
                error = "--fabric-colour: " + inQuotes(value) +
                        " is not \"white\", \"ivory\", \"black\" or RRGGBB";
            }
        } else if (name == "--unstitched-background") {
            readTolerance(value);
        } else if (name == "--lang") {
            o_.language = interfaceLanguageNamed(value);
            if (!o_.language) {
                error = "--lang: " + inQuotes(value) + " is no language code";
            }
        } else if (name == "--match") {
            if (value == "rgb") {
                o_.match = ColorMatch::Rgb;
            } else if (value == "lab") {
                o_.match = ColorMatch::Lab;
            } else {
                error = "--match: " + inQuotes(value) + " is neither \"rgb\" nor \"lab\"";
            }
        } else if (name == "--paper") {
            if (const auto paper = paperFromName(value)) {
                o_.book.paper = *paper;
            } else {
                error = "--paper: " + inQuotes(value) + " is neither \"a4\" nor \"letter\"";
            }
        } else if (name == "--pitch") {
            readPitch(value);
        } else if (name == "--fabric") {
            // A count past int is no fabric count, not one wrapped round to it.
            const std::optional<long long> count = wholeNumber(value);
            if (count && std::in_range<int>(*count) && isFabricCount(static_cast<int>(*count))) {
                o_.book.fabricCount = static_cast<int>(*count);
                o_.fabricGiven = true;
            } else {
                error = "--fabric: " + inQuotes(value) +
                        " is not a fabric count (11, 14, 16, 18, 22, 25, 28 or 32)";
            }
        } else {
            readOutput(key, value);
        }
        return error.empty();
    }

    std::string error;

  private:
    void readOffset(const std::string& value) {
        const std::size_t comma = value.find(',');
        if (comma == std::string::npos) {
            error = "--offset: " + inQuotes(value) + " is not X,Y";
            return;
        }
        const auto x = numberInRange("--offset", value.substr(0, comma), 0, kMaxOffset, error);
        if (!x) {
            return;
        }
        const auto y = numberInRange("--offset", value.substr(comma + 1), 0, kMaxOffset, error);
        if (!y) {
            return;
        }
        o_.offsetX = *x;
        o_.offsetY = *y;
    }

    void readReplacement(const std::string& value) {
        if (o_.replacements.size() >=
            static_cast<std::size_t>(ThreadReplacement::kMaxReplacements)) {
            error = "--replace: at most " + std::to_string(ThreadReplacement::kMaxReplacements) +
                    " replacements can be given";
            return;
        }
        const std::size_t eq = value.find('=');
        if (eq == std::string::npos) {
            error = "--replace: " + inQuotes(value) + " is not FROM=TO (two DMC thread numbers)";
            return;
        }
        ThreadSwap swap{value.substr(0, eq), value.substr(eq + 1)};
        for (auto [number, position] :
             {std::pair{&swap.fromNumber, &swap.from}, std::pair{&swap.toNumber, &swap.to}}) {
            *position = threadPositionOfNumber(dmcPalette(), *number);
            if (*position == 0) {
                error = "--replace: " + inQuotes(*number) + " is not a DMC thread number";
                return;
            }
        }
        o_.replacements.push_back(std::move(swap));
    }

    // A CIEDE2000 difference such as 5 or 7.5.
    void readTolerance(const std::string& value) {
        double tolerance = 0;
        const char* end = value.data() + value.size();
        const auto [ptr, ec] =
            std::from_chars(value.data(), end, tolerance, std::chars_format::fixed);
        if (value.empty() || ec != std::errc() || ptr != end) {
            error = "--unstitched-background: " + inQuotes(value) +
                    " is not a colour difference (CIEDE2000, such as 5)";
        } else if (tolerance < 0 || tolerance > kMaxBackgroundTolerance) {
            error = "--unstitched-background: " + value + " is outside 0..50";
        } else {
            o_.unstitchedBackground = tolerance;
        }
    }

    // Millimetres, a decimal number such as 2.54.
    void readPitch(const std::string& value) {
        double mm = 0;
        const char* end = value.data() + value.size();
        const auto [ptr, ec] = std::from_chars(value.data(), end, mm, std::chars_format::fixed);
        if (value.empty() || ec != std::errc() || ptr != end) {
            error = "--pitch: " + inQuotes(value) + " is not a number of millimetres";
        } else if (!isBookPitch(mm)) {
            error = "--pitch: " + value + " mm is outside 2..6";
        } else {
            o_.book.pitchMm = mm;
        }
    }

    void readGrid(const std::string& value) {
        const std::optional<long long> size = wholeNumber(value);
        for (int allowed : kGridSizes) {
            if (size && *size == allowed) {
                o_.grid = allowed;
                return;
            }
        }
        error = "--grid: " + inQuotes(value) + " is not one of 6, 8, 10, 12, 16";
    }

    void readOutput(const std::string& key, const std::string& value) {
        if (value.empty()) {
            error = key + " needs a file name";
            return;
        }
        if (key == "--effect") {
            o_.effectPath = value;
        } else {
            o_.patternPaths[std::string(patternFormatOfOption(key)->name)] = value;
        }
    }

    ConvertOptions& o_;
    std::set<std::string> seen_;
};

// Whole-mode sizes follow the picture; region-only options are refused
// there rather than silently ignored.
std::string checkCombination(const ConvertOptions& o, const std::set<std::string>& given) {
    // A pattern file is a finished chart: nothing frames, reduces or
    // chooses its threads.
    if (isOxsFileName(o.picture)) {
        for (const char* pictureOnly :
             {"--mode", "--width", "--height", "--zoom", "--offset", "--method", "--strength",
              "--threads", "--category", "--effect", "--cleanup", "--min-stitches",
              "--fabric-colour", "--unstitched-background", "--allow-specialty"}) {
            if (given.count(pictureOnly) != 0) {
                return std::string(pictureOnly) +
                       " applies to pictures only, not to the pattern file " + inQuotes(o.picture);
            }
        }
    }
    if (o.mode == FrameMode::Whole) {
        for (const char* regionOnly : {"--height", "--zoom", "--offset"}) {
            if (given.count(regionOnly) != 0) {
                return std::string(regionOnly) +
                       " applies to --mode region only (in whole mode the height follows the "
                       "picture's shape)";
            }
        }
    }
    if (o.patternPath("book").empty() && !o.printBook) {
        for (const char* bookOnly : {"--paper", "--pitch"}) {
            if (given.count(bookOnly) != 0) {
                return std::string(bookOnly) + " applies to --book only";
            }
        }
    }
    // The fabric counts skeins for the book and the JSON, and is the OXS
    // file's stitch count; nothing else takes it.
    if (given.count("--fabric") != 0 && o.patternPath("book").empty() && !o.printBook &&
        o.patternPath("json").empty() && o.patternPath("oxs").empty()) {
        return "--fabric applies to --book, --book-print, --json and --oxs only";
    }
    if (o.category == ThreadCategory::Cc && given.count("--threads") != 0) {
        return "--threads applies to --category DMC only (CC keeps the pattern's own colours)";
    }
    if (o.picture.empty()) {
        return "no picture given: tessaline convert PICTURE [options]";
    }
    if (o.patternPaths.empty() && o.effectPath.empty() && !o.print) {
        return nothingToWrite();
    }
    std::vector<const std::string*> named;
    int toStandardOutput = 0;
    std::vector<const std::string*> paths{&o.effectPath};
    for (const auto& [format, path] : o.patternPaths) {
        paths.push_back(&path);
    }
    for (const std::string* path : paths) {
        if (*path == "-" && ++toStandardOutput > 1) {
            return "only one output can go to standard output (-)";
        }
        if (path->empty() || *path == "-") {
            continue;
        }
        // One file under two names (a link, "./"), however it is named.
        for (const std::string* earlier : named) {
            if (sameOutputFile(*earlier, *path)) {
                return "the file " + inQuotes(*path) + " is named for two outputs";
            }
        }
        named.push_back(path);
    }
    return {};
}

} // namespace

const std::string& ConvertOptions::patternPath(std::string_view format) const {
    static const std::string kNone;
    const auto named = patternPaths.find(format);
    return named == patternPaths.end() ? kNone : named->second;
}

std::optional<int> methodFromText(const std::string& text) {
    if (const std::optional<long long> code = wholeNumber(text)) {
        for (int allowed : kMethodCodes) {
            if (*code == allowed) {
                return allowed;
            }
        }
        return std::nullopt;
    }
    return methodColorBitFromName(text);
}

std::optional<ChartKind> chartKindFromOption(const std::string& text) {
    constexpr std::array kKinds{ChartKind::BlocksAndSymbols, ChartKind::SymbolsOnly,
                                ChartKind::BlocksOnly};
    constexpr std::array<std::string_view, 3> kShortNames{"blocks+symbols", "symbols", "blocks"};
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        if (text == kShortNames[i] || text == chartKindText(kKinds[i])) {
            return kKinds[i];
        }
    }
    return std::nullopt;
}

ConvertParse parseConvertOptions(const std::vector<std::string>& args) {
    ConvertParse parse;
    ConvertOptions& o = parse.options;
    Reader reader(o);
    std::set<std::string> given;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            o.help = true;
            return parse;
        }
        if (!optionsEnded && arg == "--version") {
            o.version = true;
            return parse;
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg == "--print") {
            o.print = true;
            continue;
        }
        if (!optionsEnded && arg == "--book-print") {
            o.print = true;
            o.printBook = true;
            continue;
        }
        if (!optionsEnded && arg == "--cleanup") {
            o.cleanup = true;
            given.insert(arg);
            continue;
        }
        if (!optionsEnded && arg == "--allow-specialty") {
            o.allowSpecialty = true;
            given.insert(arg);
            continue;
        }
        const bool isOption = !optionsEnded && arg.size() > 1 && arg[0] == '-';
        if (!isOption) {
            if (!o.picture.empty()) {
                parse.error = "only one picture can be converted at a time (" +
                              inQuotes(o.picture) + " and " + inQuotes(arg) + ")";
                return parse;
            }
            o.picture = arg;
            continue;
        }
        std::string name = arg;
        std::optional<std::string> value;
        if (const std::size_t eq = arg.find('=');
            arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        if (valueOptions().count(name) == 0) {
            parse.error = "unknown option " + inQuotes(name) + " (see tessaline convert --help)";
            return parse;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                parse.error = name + " needs a value";
                return parse;
            }
            value = args[++i];
        }
        given.insert(name);
        if (!reader.apply(name, *value)) {
            parse.error = reader.error;
            return parse;
        }
    }
    parse.error = checkCombination(o, given);
    return parse;
}

} // namespace tessaline
