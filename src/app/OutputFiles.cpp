#include "app/OutputFiles.h"

#include "app/NumberedName.h"
#include "platform/SystemFiles.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <limits>
#include <mutex>
#include <random>
#include <set>

namespace tessaline {

namespace fs = std::filesystem;

namespace {

// "-" names standard output, in the system's own characters.
bool isStandardOutput(const fs::path& path) {
    return path.native() == fs::path::string_type(1, '-');
}

std::string systemReason(int error, std::string_view fallback) {
    return error != 0 ? std::generic_category().message(error) : std::string(fallback);
}

OutputResult failure(OutputFault fault, const fs::path& path, std::string reason) {
    return {fault, path, std::move(reason)};
}

fs::path folderOf(const fs::path& file) {
    return file.parent_path().empty() ? fs::path(".") : file.parent_path();
}

// Our hidden files beside the targets: ".tessaline-PID-XXXXXX.part" while
// a file is written, ".tessaline-PID-XXXXXX.keep" for the file a batch
// replaces until the batch is complete. The process number tells the next
// run whether their owner is gone.
constexpr std::string_view kHiddenPrefix = ".tessaline-";
constexpr std::string_view kStagedSuffix = ".part";
constexpr std::string_view kKeptSuffix = ".keep";
constexpr std::string_view kScratchPrefix = "tessaline-";

std::string hiddenName(std::string_view suffix) {
    static std::mutex guard;
    static std::mt19937 random{std::random_device{}()};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name(kHiddenPrefix);
    name += std::to_string(currentProcessId()) + "-";
    const std::lock_guard lock(guard);
    for (int i = 0; i < 6; ++i) {
        name += kLetters[random() % (sizeof kLetters - 1)];
    }
    return name += suffix;
}

// The process number in one of our names (prefix, digits, "-", six letters
// or digits, suffix), 0 when the name is not ours.
int ownerOf(std::string_view name, std::string_view prefix, std::string_view suffix) {
    if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(suffix)) {
        return 0;
    }
    name = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const std::size_t dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9 || name.size() - dash - 1 != 6) {
        return 0;
    }
    int owner = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (i < dash) {
            if (c < '0' || c > '9') {
                return 0;
            }
            owner = owner * 10 + (c - '0');
        } else if (i > dash && !std::isalnum(static_cast<unsigned char>(c))) {
            return 0;
        }
    }
    return owner;
}

// Leftovers are looked for once per folder and run.
void removeLeftoversOnce(const fs::path& folder) {
    static std::mutex guard;
    static std::set<fs::path> done;
    std::error_code ec;
    const fs::path key = fs::absolute(folder, ec).lexically_normal();
    {
        const std::lock_guard lock(guard);
        if (!done.insert(key).second) {
            return;
        }
    }
    removeLeftovers(folder);
}

// A file being written beside its final place under a short hidden name,
// removed unless it was renamed, also when the program is interrupted.
class StagedFile {
  public:
    StagedFile() = default;
    ~StagedFile() { discard(); }
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Creates the staging file in `folder`; 0 or the system's error.
    int create(const fs::path& folder) {
        removeLeftoversOnce(folder);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path path = folder / hiddenName(kStagedSuffix);
            errno = 0;
            // "x": made new or not at all, never an existing file.
            file_ = openFile(path, "wbx");
            if (file_ != nullptr) {
                path_ = path;
                ticket_ = CleanupTicket(path_);
                return 0;
            }
            if (errno != EEXIST) {
                return errno != 0 ? errno : EACCES;
            }
        }
        return EEXIST;
    }

    const fs::path& path() const { return path_; }

    // 0 or the system's error.
    int write(std::span<const std::uint8_t> bytes) {
        if (file_ == nullptr) {
            return EBADF;
        }
        errno = 0;
        if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
            return errno != 0 ? errno : EIO;
        }
        return 0;
    }

    // Flushes to disk and closes; 0 or the system's error. A write the
    // buffer held back fails here at the latest.
    int finish() {
        if (file_ == nullptr) {
            return 0;
        }
        errno = 0;
        const bool synced = syncFile(file_);
        int error = synced ? 0 : (errno != 0 ? errno : EIO);
        errno = 0;
        if (std::fclose(file_) != 0 && error == 0) {
            error = errno != 0 ? errno : EIO;
        }
        file_ = nullptr;
        return error;
    }

    // The file now has its final name: nothing to remove.
    void release() {
        path_.clear();
        ticket_ = CleanupTicket();
    }

    void discard() {
        if (file_ != nullptr) {
            std::fclose(file_);
            file_ = nullptr;
        }
        if (!path_.empty()) {
            std::error_code ec;
            fs::remove(path_, ec);
            path_.clear();
        }
        ticket_ = CleanupTicket();
    }

  private:
    std::FILE* file_ = nullptr;
    fs::path path_;
    CleanupTicket ticket_;
};

// Where a symbolic link leads, followed to its end even when the last link
// points at a file not yet made.
fs::path linkDestination(const fs::path& link, std::error_code& ec) {
    fs::path current = link;
    for (int hops = 0; hops < 40; ++hops) {
        const fs::file_status status = fs::symlink_status(current, ec);
        if (ec || !fs::is_symlink(status)) {
            if (ec == std::errc::no_such_file_or_directory) {
                ec.clear();
            }
            return current;
        }
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) {
            return {};
        }
        current = next.is_absolute() ? next : folderOf(current) / next;
    }
    ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return {};
}

// The folder of a file not yet made, by identity where it exists.
bool sameFolder(const fs::path& first, const fs::path& second) {
    std::error_code ec;
    if (fs::equivalent(first, second, ec) && !ec) {
        return true;
    }
    if (fs::exists(first, ec) || fs::exists(second, ec)) {
        return false;
    }
    const fs::path a = fs::absolute(first, ec).lexically_normal();
    const fs::path b = fs::absolute(second, ec).lexically_normal();
    return a == b;
}

// One rename of a batch's commit, and how to take it back.
struct PutInPlace {
    fs::path destination;
    fs::path kept; // the file it replaces, under a second name; empty if none
    bool renamed = false;
};

// Keeps the regular file at `destination`, if there is one, under a new
// hidden name beside it: a second name where the file system has hard
// links (the file stays where it is), else moved there. 0 or the error.
int keepReplaced(const fs::path& destination, fs::path& kept) {
    std::error_code ec;
    if (!fs::is_regular_file(fs::symlink_status(destination, ec))) {
        return 0; // nothing there, or something a rename will not replace
    }
    const fs::path folder = folderOf(destination);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path name = folder / hiddenName(kKeptSuffix);
        int error = linkFile(destination, name);
        if (hardLinksMissing(error)) {
            // Reserved first, so the move replaces nothing of anyone's.
            error = createExclusive(name);
            if (error == 0) {
                fs::rename(destination, name, ec);
                if (ec) {
                    std::error_code ignored;
                    fs::remove(name, ignored);
                    return ec.value() != 0 ? ec.value() : EIO;
                }
            }
        }
        if (error == 0) {
            kept = name;
            return 0;
        }
        if (error != EEXIST) {
            return error;
        }
    }
    return EEXIST;
}

// Puts back what a failed commit replaced and removes what it added.
void undoPlacing(const std::vector<PutInPlace>& placed) {
    for (auto step = placed.rbegin(); step != placed.rend(); ++step) {
        std::error_code ignored;
        if (!step->kept.empty()) {
            fs::rename(step->kept, step->destination, ignored);
            // Both names of one file: the rename did nothing.
            fs::remove(step->kept, ignored);
        } else if (step->renamed) {
            fs::remove(step->destination, ignored);
        }
    }
}

// Writes all of `bytes` to a file that is not replaced: a pipe, a device.
OutputResult writeThrough(const fs::path& target, const fs::path& shownAs,
                          const std::vector<std::uint8_t>& bytes) {
    errno = 0;
    std::FILE* file = openFile(target, "wb");
    if (file == nullptr) {
        return failure(OutputFault::Unwritable, shownAs, systemReason(errno, "cannot open it"));
    }
    errno = 0;
    const bool written =
        bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int error = written && std::fflush(file) == 0 ? 0 : (errno != 0 ? errno : EIO);
    if (std::fclose(file) != 0 && error == 0) {
        error = errno != 0 ? errno : EIO;
    }
    if (error != 0) {
        return failure(OutputFault::WriteFailed, shownAs, systemReason(error, ""));
    }
    return {OutputFault::None, shownAs, {}};
}

} // namespace

std::string OutputResult::message() const {
    return message(readableName(path));
}

std::string OutputResult::message(const std::string& shownName) const {
    if (ok()) {
        return {};
    }
    const std::string name = isStandardOutput(path) ? "standard output" : "\"" + shownName + "\"";
    std::string why = reason;
    if (why.empty()) {
        switch (fault) {
        case OutputFault::Folder:
            why = "it is a folder";
            break;
        case OutputFault::SameAsInput:
            why = "it is the file being read";
            break;
        case OutputFault::WriteFailed:
            why = "the data could not be written";
            break;
        case OutputFault::CommitFailed:
            why = "the finished file could not be put in place";
            break;
        case OutputFault::Unwritable:
        case OutputFault::None:
            why = "cannot create it";
            break;
        }
    }
    return "cannot write " + name + ": " + why;
}

namespace {

// Calls `remove` for each entry of `folder` that `ownerOfEntry` names as left
// by a run that is gone.
template <typename OwnerOf, typename Remove>
void removeWhatGoneRunsLeft(const fs::path& folder, const OwnerOf& ownerOfEntry,
                            const Remove& remove) {
    std::error_code ec;
    fs::directory_iterator entries(folder, ec);
    if (ec) {
        return;
    }
    const int self = currentProcessId();
    for (const fs::directory_entry& entry : entries) {
        // As bytes: on Windows a name outside the ANSI code page has no string().
        const std::string name = nameBytes(entry.path().filename());
        const fs::file_status status = entry.symlink_status(ec);
        if (ec) {
            continue;
        }
        const int owner = ownerOfEntry(name, status, entry.path());
        if (owner != 0 && owner != self && !processExists(owner)) {
            remove(entry.path());
        }
    }
}

} // namespace

void removeLeftovers(const fs::path& folder) {
    removeWhatGoneRunsLeft(
        folder,
        [](const std::string& name, const fs::file_status& status, const fs::path& path) {
            if (!fs::is_regular_file(status)) {
                return 0;
            }
            if (const int owner = ownerOf(name, kHiddenPrefix, kStagedSuffix); owner != 0) {
                return owner;
            }
            // A kept file that is a second name of another stays only with
            // it; moved there (no hard links) it may be the only copy left
            // of the file it replaced, and stays for the user.
            std::error_code ec;
            const int owner = ownerOf(name, kHiddenPrefix, kKeptSuffix);
            return owner != 0 && fs::hard_link_count(path, ec) > 1 && !ec ? owner : 0;
        },
        [](const fs::path& path) {
            std::error_code ignored;
            fs::remove(path, ignored);
        });
}

void removeScratchLeftovers(const fs::path& folder) {
    removeWhatGoneRunsLeft(
        folder,
        [](const std::string& name, const fs::file_status& status, const fs::path&) {
            return fs::is_directory(status) ? ownerOf(name, kScratchPrefix, "") : 0;
        },
        [](const fs::path& path) {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        });
}

std::string scratchFolderPattern() {
    return std::string(kScratchPrefix) + std::to_string(currentProcessId()) + "-XXXXXX";
}

bool sameOutputFile(const fs::path& first, const fs::path& second) {
    if (first.empty() || second.empty() || isStandardOutput(first) || isStandardOutput(second)) {
        return false;
    }
    std::error_code ec;
    if (fs::equivalent(first, second, ec) && !ec) {
        return true;
    }
    // Not both there: the names the links lead to, in folders compared by
    // identity.
    std::error_code firstError;
    std::error_code secondError;
    const fs::path a = linkDestination(first, firstError);
    const fs::path b = linkDestination(second, secondError);
    if (firstError || secondError || fs::exists(a, ec) || fs::exists(b, ec)) {
        return false;
    }
    return a.filename() == b.filename() && sameFolder(folderOf(a), folderOf(b));
}

std::string readableName(const fs::path& path) {
    const std::string bytes = nameBytes(path);
    std::string shown;
    shown.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        // Length of a well-formed UTF-8 sequence starting here, 0 if none.
        std::size_t length = 0;
        if (lead < 0x80) {
            length = 1;
        } else if (lead >= 0xC2 && lead <= 0xF4) {
            length = lead < 0xE0 ? 2 : (lead < 0xF0 ? 3 : 4);
            if (i + length > bytes.size()) {
                length = 0;
            }
            for (std::size_t k = 1; k < length; ++k) {
                const auto next = static_cast<unsigned char>(bytes[i + k]);
                if ((next & 0xC0) != 0x80) {
                    length = 0;
                    break;
                }
            }
            // Overlong forms, surrogates and values past U+10FFFF.
            if (length >= 3) {
                const auto second = static_cast<unsigned char>(bytes[i + 1]);
                if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
                    (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
                    length = 0;
                }
            }
        }
        if (length == 0) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            shown += "\\x";
            shown += kHex[lead >> 4];
            shown += kHex[lead & 0xF];
            ++i;
            continue;
        }
        shown.append(bytes, i, length);
        i += length;
    }
    return shown;
}

// One output of a batch: staged beside its destination, or written through
// at commit (standard output, pipes, devices).
struct OutputBatch::Output {
    enum class Kind { Staged, WrittenThrough, StandardOutput };
    Kind kind = Kind::Staged;
    fs::path target;      // as given, for messages
    fs::path destination; // where the bytes finally go
    StagedFile staged;
    std::vector<std::uint8_t> held;
};

OutputBatch::OutputBatch(std::ostream& standardOutput) : standardOutput_(standardOutput) {}

OutputBatch::~OutputBatch() = default;

void OutputBatch::protect(const fs::path& input) {
    protected_.push_back(input);
}

OutputResult OutputBatch::fail(OutputResult result) {
    outputs_.clear();
    return result;
}

OutputResult OutputBatch::add(const fs::path& target, std::size_t& slot) {
    auto output = std::make_unique<Output>();
    output->target = target;
    if (target.empty()) {
        return failure(OutputFault::Unwritable, target, "no file name");
    }
    if (isStandardOutput(target)) {
        output->kind = Output::Kind::StandardOutput;
        slot = outputs_.size();
        outputs_.push_back(std::move(output));
        return {OutputFault::None, target, {}};
    }
    for (const fs::path& input : protected_) {
        std::error_code ec;
        if (fs::equivalent(target, input, ec) && !ec) {
            return failure(OutputFault::SameAsInput, target,
                           "it is the file being read; choose another name");
        }
    }

    // What the name finally leads to, links followed.
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) {
        return failure(OutputFault::Unwritable, target, ec.message());
    }
    if (fs::is_directory(status)) {
        return failure(OutputFault::Folder, target, {});
    }
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        // A pipe or device (or a link to one, /proc/self/fd/1 among them)
        // is opened by the name given and gets the bytes as they are.
        output->kind = Output::Kind::WrittenThrough;
        output->destination = target;
    } else {
        // A regular file, or none yet: a link is followed to the file it
        // names, which is replaced in its own folder; the link stays.
        fs::path destination = target;
        if (fs::is_symlink(fs::symlink_status(target, ec))) {
            destination =
                fs::exists(status) ? fs::canonical(target, ec) : linkDestination(target, ec);
            if (ec) {
                return failure(OutputFault::Unwritable, target, ec.message());
            }
        }
        output->destination = destination;
        if (fs::exists(status)) {
            // A write-protected file stays as it is. Opening for update
            // neither truncates nor creates it.
            errno = 0;
            std::FILE* probe = openFile(destination, "r+b");
            if (probe == nullptr) {
                return failure(OutputFault::Unwritable, target,
                               systemReason(errno, "it is write-protected"));
            }
            std::fclose(probe);
        }
        if (const int error = output->staged.create(folderOf(destination)); error != 0) {
            return failure(OutputFault::Unwritable, target, systemReason(error, ""));
        }
        if (fs::exists(status)) {
            // The finished file keeps the permissions of the one it replaces.
            fs::permissions(output->staged.path(), status.permissions(), ec);
        }
    }
    slot = outputs_.size();
    outputs_.push_back(std::move(output));
    return {OutputFault::None, target, {}};
}

OutputResult OutputBatch::write(std::size_t slot, std::span<const std::uint8_t> bytes) {
    if (slot >= outputs_.size()) {
        return failure(OutputFault::WriteFailed, {}, "the output was already given up");
    }
    Output& output = *outputs_[slot];
    if (output.kind != Output::Kind::Staged) {
        output.held.insert(output.held.end(), bytes.begin(), bytes.end());
        return {OutputFault::None, output.target, {}};
    }
    if (const int error = output.staged.write(bytes); error != 0) {
        return fail(failure(OutputFault::WriteFailed, output.target, systemReason(error, "")));
    }
    return {OutputFault::None, output.target, {}};
}

OutputResult OutputBatch::write(std::size_t slot, std::string_view text) {
    return write(slot, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

OutputResult OutputBatch::commit() {
    for (const auto& output : outputs_) {
        if (output->kind != Output::Kind::Staged) {
            continue;
        }
        if (const int error = output->staged.finish(); error != 0) {
            return fail(failure(OutputFault::WriteFailed, output->target, systemReason(error, "")));
        }
    }
    // What cannot be taken back goes before any file is put in place.
    for (const auto& output : outputs_) {
        if (output->kind == Output::Kind::WrittenThrough) {
            if (OutputResult result =
                    writeThrough(output->destination, output->target, output->held);
                !result.ok()) {
                return fail(result);
            }
        } else if (output->kind == Output::Kind::StandardOutput) {
            standardOutput_.write(reinterpret_cast<const char*>(output->held.data()),
                                  static_cast<std::streamsize>(output->held.size()));
            standardOutput_.flush();
            if (!standardOutput_) {
                return fail(failure(OutputFault::WriteFailed, output->target, {}));
            }
        }
    }
    // The renames, all or none: a file a rename replaces is kept under a
    // second name until every rename is done, and put back if one fails.
    // An interruption waits until the batch stands complete.
    const HeldSignals held;
    std::vector<PutInPlace> placed;
    for (const auto& output : outputs_) {
        if (output->kind != Output::Kind::Staged) {
            continue;
        }
        PutInPlace& step = placed.emplace_back();
        step.destination = output->destination;
        if (const int error = keepReplaced(output->destination, step.kept); error != 0) {
            undoPlacing(placed);
            return fail(failure(OutputFault::CommitFailed, output->target,
                                "the file it replaces cannot be kept until all are written: " +
                                    systemReason(error, "")));
        }
        std::error_code ec;
        fs::rename(output->staged.path(), output->destination, ec);
        if (ec) {
            undoPlacing(placed);
            return fail(failure(OutputFault::CommitFailed, output->target, ec.message()));
        }
        step.renamed = true;
        output->staged.release();
    }
    for (const PutInPlace& step : placed) {
        if (!step.kept.empty()) {
            std::error_code ignored;
            fs::remove(step.kept, ignored);
        }
    }
    outputs_.clear();
    return {};
}

OutputResult writeOutputFile(const fs::path& target, std::span<const std::uint8_t> bytes,
                             const fs::path& readFrom) {
    OutputBatch batch(std::cout);
    if (!readFrom.empty()) {
        batch.protect(readFrom);
    }
    std::size_t slot = 0;
    if (OutputResult result = batch.add(target, slot); !result.ok()) {
        return result;
    }
    if (OutputResult result = batch.write(slot, bytes); !result.ok()) {
        return result;
    }
    OutputResult result = batch.commit();
    result.path = target;
    return result;
}

OutputResult writeNumberedFile(const fs::path& folder, const std::string& prefix,
                               const std::string& extension, std::int32_t& counter,
                               std::span<const std::uint8_t> bytes) {
    const fs::path place = folder.empty() ? fs::path(".") : folder;
    fs::path name = place / numberedName(prefix, counter + 1, extension);
    StagedFile staged;
    if (const int error = staged.create(place); error != 0) {
        return failure(OutputFault::Unwritable, name, systemReason(error, ""));
    }
    if (int error = staged.write(bytes); error != 0 || (error = staged.finish()) != 0) {
        return failure(OutputFault::WriteFailed, name, systemReason(error, ""));
    }
    constexpr std::int64_t kLast = std::numeric_limits<std::int32_t>::max();
    for (std::int64_t next = std::int64_t{counter} + 1; next <= kLast; ++next) {
        const auto number = static_cast<std::int32_t>(next);
        name = place / numberedName(prefix, number, extension);
        std::error_code ec;
        // Any entry counts as taken, a dangling link too.
        if (fs::exists(fs::symlink_status(name, ec))) {
            continue;
        }
        switch (renameWithoutReplacing(staged.path(), name, ec)) {
        case RenameOutcome::Done:
            staged.release();
            counter = number;
            return {OutputFault::None, name, {}};
        case RenameOutcome::TargetExists:
            continue;
        case RenameOutcome::Failed:
            return failure(OutputFault::CommitFailed, name, ec.message());
        }
    }
    return failure(OutputFault::CommitFailed, name, "no free number is left");
}

} // namespace tessaline
