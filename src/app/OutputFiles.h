#pragma once
// Every file the program writes goes through here, from the windows and the
// command line alike. A file is first written to a staging file beside its
// target (".tessaline-PID-XXXXXX.part", short whatever the target is called);
// every write and the final flush are checked, and only a complete file is
// renamed onto the target, so a failure leaves whatever stood there before.
// Targets that are not regular files are written through, never replaced:
// "-" is standard output, pipes and devices get the bytes, and a symbolic
// link to a regular file has that file replaced in the link target's folder.
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

enum class OutputFault {
    None,
    Folder,       // the target is a folder
    Unwritable,   // no file can be made beside it, or it is write-protected
    WriteFailed,  // a write or the final flush failed (disk full, file too large)
    CommitFailed, // the finished file could not be moved onto the target
    SameAsInput,  // the target is a file the run reads
};

struct OutputResult {
    OutputFault fault = OutputFault::None;
    // The target; for a numbered file the name it took (or last tried).
    std::filesystem::path path;
    // What the system said, when it said something.
    std::string reason;

    bool ok() const { return fault == OutputFault::None; }
    // One line for the command line: cannot write "NAME": reason, the name
    // shown through readableName or as `shownName` gives it.
    std::string message() const;
    std::string message(const std::string& shownName) const;
};

// A file name for messages: UTF-8 as it is, any other byte as \xHH, so a
// name from another system's encoding is still shown and still tells apart.
std::string readableName(const std::filesystem::path& path);

// True when two output names lead to one file: the same file (device and
// inode) through links or hard links, or for a file not yet made the same
// name in the same folder, the folder compared by identity too. "-" and
// empty names are no file.
bool sameOutputFile(const std::filesystem::path& first, const std::filesystem::path& second);

// Removes what runs that no longer exist left in `folder`, told by the
// process number in the name: their staging files
// (".tessaline-PID-XXXXXX.part") and kept files (".keep") that are a second
// name of a file; a kept file that was moved there, perhaps the only copy of
// the file it replaced, stays. The first staging file a run makes in a
// folder does this there.
void removeLeftovers(const std::filesystem::path& folder);
// Removes the scratch folders ("tessaline-PID-XXXXXX", as
// scratchFolderPattern names them) that runs no longer there left in
// `folder`, the temporary folder they are made in; never run on a user's
// folder, where such a name may be the user's own.
void removeScratchLeftovers(const std::filesystem::path& folder);
// The name pattern of a run's scratch folder, with this process's number.
std::string scratchFolderPattern();

// A set of outputs written all or nothing. Staged files are written as the
// bytes arrive; the bytes of outputs written through wait for commit().
class OutputBatch {
  public:
    // "-" goes to `standardOutput`.
    explicit OutputBatch(std::ostream& standardOutput);
    ~OutputBatch(); // whatever was not committed is removed
    OutputBatch(const OutputBatch&) = delete;
    OutputBatch& operator=(const OutputBatch&) = delete;

    // A file the run reads: an output that is the same file is refused.
    void protect(const std::filesystem::path& input);

    // Prepares an output and gives its slot for write(). Refuses folders,
    // protected files, targets it cannot write, before anything is written.
    OutputResult add(const std::filesystem::path& target, std::size_t& slot);

    // Appends bytes to an output.
    OutputResult write(std::size_t slot, std::span<const std::uint8_t> bytes);
    OutputResult write(std::size_t slot, std::string_view text);

    // Finishes the staged files, writes the outputs written through
    // (standard output among them), and only then renames the staged files
    // onto their targets, all or none: a file a rename replaces is kept
    // until every rename is done and put back when one fails, and a
    // termination signal waits until the renames are complete.
    OutputResult commit();

  private:
    struct Output;
    OutputResult fail(OutputResult result);
    std::ostream& standardOutput_;
    std::vector<std::filesystem::path> protected_;
    std::vector<std::unique_ptr<Output>> outputs_;
};

// One file written safely; "-" is standard output. `readFrom`, when given,
// is the file the bytes were made from: it is never the one replaced.
OutputResult writeOutputFile(const std::filesystem::path& target,
                             std::span<const std::uint8_t> bytes,
                             const std::filesystem::path& readFrom = {});

// Writes `bytes` to prefix + number + extension in `folder` (numbers as
// numberedName gives them), taking the first number after `counter` whose
// file does not exist, and sets `counter` to it. Never replaces a file,
// even one another program creates meanwhile.
OutputResult writeNumberedFile(const std::filesystem::path& folder, const std::string& prefix,
                               const std::string& extension, std::int32_t& counter,
                               std::span<const std::uint8_t> bytes);

} // namespace tessaline
