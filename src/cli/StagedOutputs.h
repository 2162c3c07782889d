#pragma once
// All-or-nothing output files: each output is first written to a hidden
// file beside its target, and only when every output is complete are they
// renamed onto their targets. Whatever is not committed is removed, so a
// failed run leaves no output and no half-written file behind.
#include <filesystem>
#include <string>
#include <vector>

namespace tessaline {

class StagedOutputs {
  public:
    StagedOutputs() = default;
    ~StagedOutputs();
    StagedOutputs(const StagedOutputs&) = delete;
    StagedOutputs& operator=(const StagedOutputs&) = delete;

    // Reserves a staging file beside `target` (created empty, which also
    // proves the folder writable) and returns its path; empty with `error`
    // set when it cannot be made or the target is a folder.
    std::filesystem::path stage(const std::filesystem::path& target, std::string& error);

    // Renames every staging file onto its target, in the order staged.
    // False with `error` set when a rename fails; files not yet renamed are
    // removed.
    bool commit(std::string& error);

  private:
    struct Entry {
        std::filesystem::path target;
        std::filesystem::path staging;
    };
    void discard();
    std::vector<Entry> entries_;
};

} // namespace tessaline
