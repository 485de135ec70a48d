// Temporary files created locked and held until removed or renamed; removal of the files no one holds.
#include "storage/held_file.h"

#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace duel {

namespace fs = std::filesystem;

HeldFile::HeldFile(HeldFile&& other) noexcept : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)) {}

HeldFile& HeldFile::operator=(HeldFile&& other) noexcept {
    if (this != &other) {
        Remove();
        path_ = std::move(other.path_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

HeldFile HeldFile::Create(const fs::path& folder, std::string_view prefix) {
    try {
        const std::u8string utf8(prefix.begin(), prefix.end());
        const std::string pattern = (folder / utf8).native() + ".XXXXXX";
        // A game starting in the instant between the creation and the lock
        // may take the file for a leftover and remove it: then a new one.
        for (int attempt = 0; attempt < 3; ++attempt) {
            std::string name = pattern;
            const int fd = ::mkostemp(name.data(), O_CLOEXEC);
            if (fd < 0) return {};
            struct stat info {};
            if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &info) == 0) {
                if (info.st_nlink > 0) return HeldFile(fs::path(name), fd);
                ::close(fd);  // already removed by the other game
                continue;
            }
            ::unlink(name.c_str());
            ::close(fd);
            return {};
        }
    } catch (const std::exception&) {
        // Out of memory or a path the system cannot represent: no file.
    }
    return {};
}

bool HeldFile::Write(std::string_view bytes) {
    if (fd_ < 0) return false;
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool HeldFile::Sync() { return fd_ >= 0 && ::fsync(fd_) == 0; }

bool HeldFile::RenameTo(const fs::path& target) {
    if (fd_ < 0 || ::rename(path_.c_str(), target.c_str()) != 0) return false;
    Close();
    path_.clear();
    return true;
}

void HeldFile::Remove() {
    if (fd_ < 0) return;
    // Removed while still locked, so no other game can open it in between.
    ::unlink(path_.c_str());
    Close();
}

void HeldFile::Close() {
    ::close(fd_);  // also lets go of the lock
    fd_ = -1;
}

bool IsHeldFileName(std::string_view name, std::string_view prefix) {
    return name.size() == prefix.size() + 7 && name.substr(0, prefix.size()) == prefix && name[prefix.size()] == '.';
}

int RemoveUnheldFiles(const fs::path& folder, const std::function<bool(const std::string&)>& isLeftover) {
    int removed = 0;
    try {
        std::error_code error;
        if (folder.empty()) return 0;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const fs::path& path = it->path();
            if (!isLeftover(path.filename().native())) continue;
            struct stat named {};
            if (::lstat(path.c_str(), &named) != 0) continue;
            if (S_ISLNK(named.st_mode)) {
                removed += ::unlink(path.c_str()) == 0;  // the link goes, never its target
                continue;
            }
            if (!S_ISREG(named.st_mode)) continue;
            // Only a file no one holds, still the one found under that name, is a leftover.
            const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0) continue;
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

}  // namespace duel
