// The settings file on disk: the preferred copy read, saves through a locked temporary file, leftovers removed.
#include "rules/settings_file.h"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace duel {
namespace {

namespace fs = std::filesystem;

constexpr auto kMaxSettingsBytes = static_cast<std::streamsize>(kMaxSettingsFileBytes);

std::optional<std::string> ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(kMaxSettingsBytes), '\0');
    in.read(bytes.data(), kMaxSettingsBytes);
    if (in.bad()) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// The existing settings files, the preferred one first: newest first, and
// among equally new files the earlier folder first.
std::vector<fs::path> FilesByPreference(const std::vector<fs::path>& folders) {
    struct Candidate {
        fs::path path;
        fs::file_time_type time;
    };
    std::vector<Candidate> found;
    for (const fs::path& folder : folders) {
        if (folder.empty()) {
            continue;
        }
        std::error_code error;
        fs::path path = SettingsFilePath(folder);
        if (!fs::is_regular_file(path, error)) {
            continue;
        }
        const fs::file_time_type time = fs::last_write_time(path, error);
        found.push_back({std::move(path), error ? fs::file_time_type::min() : time});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Candidate& a, const Candidate& b) { return a.time > b.time; });
    std::vector<fs::path> paths;
    for (Candidate& candidate : found) {
        paths.push_back(std::move(candidate.path));
    }
    return paths;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A temporary file of our own: the stem alone, or the stem, a dot and six
// characters (what mkstemp puts in place of XXXXXX).
bool IsOurTemporaryName(const std::string& name) {
    const std::string_view stem = kSettingsTemporaryStem;
    if (name == stem) {
        return true;
    }
    return name.size() == stem.size() + 7 && name.compare(0, stem.size(), stem) == 0 && name[stem.size()] == '.';
}

// One attempt to write `bytes` as `target` through a fresh temporary file.
// The temporary file is locked from its creation to its rename, so a game
// starting meanwhile does not take it for a leftover.  Sets `retry` when a
// starting game removed the file in the instant before it was locked.
bool SaveThroughTemporary(const fs::path& folder, const fs::path& target, std::string_view bytes, bool& retry) {
    retry = false;
    std::string name =
        (folder / std::u8string(kSettingsTemporaryStem.begin(), kSettingsTemporaryStem.end())).native() + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool saved = false;
    struct stat info {};
    if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &info) == 0) {
        if (info.st_nlink == 0) {
            retry = true;  // already unlinked: start again with a new name
        } else if (WriteAll(fd, bytes) && ::fsync(fd) == 0 && ::rename(name.c_str(), target.c_str()) == 0) {
            saved = true;
        }
    }
    if (!saved && !retry) {
        ::unlink(name.c_str());
    }
    ::close(fd);  // also releases the lock
    return saved;
}

// Writes `bytes` as the settings file of `folder` through a temporary file
// that is renamed over the target; the temporary file never survives.
bool SaveInto(const fs::path& folder, std::string_view bytes) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        return false;
    }
    const fs::path target = SettingsFilePath(folder);
    for (int attempt = 0; attempt < 3; ++attempt) {
        bool retry = false;
        if (SaveThroughTemporary(folder, target, bytes, retry)) {
            return true;
        }
        if (!retry) {
            return false;
        }
    }
    return false;
}

std::string PathToUtf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

std::filesystem::path SettingsFilePath(const std::filesystem::path& folder) {
    return folder / std::u8string(kSettingsFileName.begin(), kSettingsFileName.end());
}

SettingsLoad LoadSettings(const std::vector<std::filesystem::path>& folders, GameState& state) {
    SettingsLoad load;
    for (const fs::path& folder : folders) {
        RemoveStaleTemporaryFiles(folder);
    }
    try {
        for (const fs::path& path : FilesByPreference(folders)) {
            if (const auto bytes = ReadFileBytes(path)) {
                load.values = ParseSettingsText(UnCode(*bytes), state);
                load.source = path;
                state.settingsPath = PathToUtf8(path);
                return load;
            }
        }
        state.settingsPath = folders.empty() ? "" : PathToUtf8(SettingsFilePath(folders.front()));
    } catch (const std::exception&) {
        // Out of memory or a path the system cannot represent: use the defaults.
    }
    load.values = ParseSettingsText("", state);
    return load;
}

std::optional<std::filesystem::path> SaveSettings(const std::vector<std::filesystem::path>& folders,
                                                  const GameState& state, int32_t mainLeftTwips, int32_t mainTopTwips) {
    try {
        const std::string bytes = EnCode(FormatSettingsText(state, mainLeftTwips, mainTopTwips));
        for (const fs::path& folder : folders) {
            if (!folder.empty() && SaveInto(folder, bytes)) {
                return SettingsFilePath(folder);
            }
        }
    } catch (const std::exception&) {
        // Out of memory or a path the system cannot represent: nothing saved.
    }
    return std::nullopt;
}

int RemoveStaleTemporaryFiles(const std::filesystem::path& folder) {
    int removed = 0;
    try {
        std::error_code error;
        if (folder.empty()) {
            return 0;
        }
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const fs::path& path = it->path();
            if (!IsOurTemporaryName(path.filename().native())) {
                continue;
            }
            struct stat named {};
            if (::lstat(path.c_str(), &named) != 0) {
                continue;
            }
            if (S_ISLNK(named.st_mode)) {
                removed += ::unlink(path.c_str()) == 0;  // the link goes, never its target
                continue;
            }
            if (!S_ISREG(named.st_mode)) {
                continue;
            }
            // A save in progress holds its file locked; only an unlocked file,
            // still the one found under that name, is a leftover.
            const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0) {
                continue;
            }
            struct stat opened {};
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && opened.st_dev == named.st_dev &&
                opened.st_ino == named.st_ino) {
                removed += ::unlink(path.c_str()) == 0;
            }
            ::close(fd);
        }
    } catch (const std::exception&) {
        // Out of memory or a path the system cannot represent: nothing more removed.
    }
    return removed;
}

PixelPoint ClampWindowPosition(PixelPoint wanted, PixelSize total, const PixelRect& screen) {
    const auto clampAxis = [](int64_t position, int64_t extent, int64_t origin, int64_t room) {
        const int64_t last = origin + std::max<int64_t>(0, room - std::max<int64_t>(0, extent));
        return static_cast<int32_t>(std::clamp(position, origin, last));
    };
    return {clampAxis(wanted.x, total.width, screen.x, screen.width),
            clampAxis(wanted.y, total.height, screen.y, screen.height)};
}

}  // namespace duel
