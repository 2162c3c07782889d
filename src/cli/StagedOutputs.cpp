#include "cli/StagedOutputs.h"

#include <QFile>
#include <QTemporaryFile>
#include <sys/stat.h>

namespace tessaline {

namespace {

QString qPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Staging files are private while written; a finished output gets the
// permissions any new file of the user would get.
void giveUsualPermissions(const std::filesystem::path& path) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    std::error_code ec;
    std::filesystem::permissions(path, static_cast<std::filesystem::perms>(0666 & ~mask), ec);
}

} // namespace

StagedOutputs::~StagedOutputs() {
    discard();
}

std::filesystem::path StagedOutputs::stage(const std::filesystem::path& target,
                                           std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) {
        error = "cannot write \"" + target.string() + "\": it is a folder";
        return {};
    }
    const std::filesystem::path folder =
        target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    QTemporaryFile file(qPath(folder / ("." + target.filename().string() + ".XXXXXX.part")));
    file.setAutoRemove(false);
    if (!file.open()) {
        error = "cannot write \"" + target.string() + "\": " + file.errorString().toStdString();
        return {};
    }
    const std::filesystem::path staging = file.fileName().toStdString();
    file.close();
    entries_.push_back({target, staging});
    return staging;
}

bool StagedOutputs::commit(std::string& error) {
    while (!entries_.empty()) {
        const Entry entry = entries_.front();
        giveUsualPermissions(entry.staging);
        std::error_code ec;
        std::filesystem::rename(entry.staging, entry.target, ec);
        if (ec) {
            error = "cannot write \"" + entry.target.string() + "\": " + ec.message();
            discard();
            return false;
        }
        entries_.erase(entries_.begin());
    }
    return true;
}

void StagedOutputs::discard() {
    for (const Entry& entry : entries_) {
        QFile::remove(qPath(entry.staging));
    }
    entries_.clear();
}

} // namespace tessaline
