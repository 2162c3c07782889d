#include "platform/SystemFiles.h"

#include "platform/SystemFilesNative.h"
#include "platform/Utf8.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

namespace tessaline {

namespace {

// What an interruption removes. The handler may run at any moment, so the
// list is a fixed table guarded by atomics: a slot is filled before it is
// marked held, and marked free before it is reused. Names are kept in the
// system's own characters (UTF-16 on Windows).
constexpr std::size_t kSlots = 64;
constexpr std::size_t kPathChars = 4096;
constexpr int kFree = 0;
constexpr int kFilling = 1;
constexpr int kHeld = 2;

struct Slot {
    std::atomic<int> state{kFree};
    bool folder = false;
    systemfiles::NativeChar path[kPathChars] = {};
};

std::array<Slot, kSlots> slots;

// HeldSignals: how many live, and the signal that arrived meanwhile.
std::atomic<int> holdDepth{0};
std::atomic<int> heldSignal{0};

std::atomic<bool> linksMissing{false};

} // namespace

namespace systemfiles {

bool signalsHeld() {
    return holdDepth.load() > 0;
}

void holdSignal(int signalNumber) {
    heldSignal.store(signalNumber);
}

bool linksSimulatedMissing() {
    return linksMissing.load();
}

void removeHeld() {
    // Files first, so the folders they sit in are empty when removed.
    for (int pass = 0; pass < 2; ++pass) {
        for (Slot& slot : slots) {
            if (slot.state.load() != kHeld || slot.folder != (pass == 1)) {
                continue;
            }
            removeEntry(slot.path, slot.folder);
        }
    }
}

} // namespace systemfiles

HeldSignals::HeldSignals() {
    holdDepth.fetch_add(1);
}

HeldSignals::~HeldSignals() {
    if (holdDepth.fetch_sub(1) != 1) {
        return;
    }
    if (const int signalNumber = heldSignal.exchange(0); signalNumber != 0) {
        systemfiles::removeHeld();
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
    }
}

void simulateMissingHardLinks(bool missing) {
    linksMissing.store(missing);
}

bool hardLinksMissing(int error) {
    return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == EMLINK ||
           error == ENOSYS;
}

int keepForCleanup(const std::filesystem::path& path, bool folder) {
    const auto& name = path.native();
    if (name.empty() || name.size() >= kPathChars) {
        return -1;
    }
    for (std::size_t i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (slots[i].state.compare_exchange_strong(expected, kFilling)) {
            std::memcpy(slots[i].path, name.c_str(), (name.size() + 1) * sizeof name[0]);
            slots[i].folder = folder;
            slots[i].state.store(kHeld);
            return static_cast<int>(i);
        }
    }
    return -1;
}

void releaseFromCleanup(int ticket) {
    if (ticket >= 0 && static_cast<std::size_t>(ticket) < kSlots) {
        slots[static_cast<std::size_t>(ticket)].state.store(kFree);
    }
}

std::filesystem::path pathFromUtf8(std::string_view text) {
    // UTF-8 is made UTF-16 on Windows; elsewhere the bytes stay as they are.
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

namespace {

// The name a POSIX system holds is bytes already.
[[maybe_unused]] std::string bytesOfName(const std::string& name) {
    return name;
}

// UTF-16 (Windows) to UTF-8; an unpaired surrogate is encoded on its own
// (WTF-8), which no UTF-8 reader accepts, so it still shows.
[[maybe_unused]] std::string bytesOfName(const std::wstring& name) {
    std::string bytes;
    bytes.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        char32_t c = static_cast<char16_t>(name[i]);
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < name.size()) {
            const char32_t low = static_cast<char16_t>(name[i + 1]);
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        appendUtf8(bytes, c);
    }
    return bytes;
}

} // namespace

std::string nameBytes(const std::filesystem::path& path) {
    return bytesOfName(path.native());
}

} // namespace tessaline
