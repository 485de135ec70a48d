// Reading a small file of the game's own without ever waiting: opened without blocking, checked, then read.
#include "storage/regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace duel {

FileRead ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
    FileRead result;
    const int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file < 0) {
        result.status = errno == ENOENT  ? FileReadStatus::Missing
                        : errno == ENXIO ? FileReadStatus::NotRegular  // a socket
                                         : FileReadStatus::Failed;
        return result;
    }
    struct stat info {};
    if (fstat(file, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.status = S_ISREG(info.st_mode) ? FileReadStatus::Failed : FileReadStatus::NotRegular;
        close(file);
        return result;
    }
    std::string bytes(maxBytes + 1, '\0');
    std::size_t read = 0;
    while (read < bytes.size()) {
        const ssize_t got = ::read(file, bytes.data() + read, bytes.size() - read);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            close(file);
            return result;
        }
        if (got == 0) break;
        read += static_cast<std::size_t>(got);
    }
    close(file);
    if (read > maxBytes) {
        result.status = FileReadStatus::TooLarge;
        return result;
    }
    bytes.resize(read);
    result.status = FileReadStatus::Read;
    result.bytes = std::move(bytes);
    return result;
}

}  // namespace duel
