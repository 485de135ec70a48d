// Reading a small file of the game's own without ever waiting: anything but a regular file is refused unopened.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace duel {

enum class FileReadStatus {
    Read,        // bytes hold the whole file
    Missing,     // nothing at the path
    NotRegular,  // a folder, a named pipe, a socket or a device: not read (a pipe would block for good)
    TooLarge,    // more than the limit
    Failed,      // it could not be opened or read
};

struct FileRead {
    FileReadStatus status = FileReadStatus::Failed;
    std::string bytes;
};

// Reads `path` when it is a regular file of at most `maxBytes`.  It is opened
// without blocking and checked with fstat before a byte is read, so a named
// pipe put at the path never stops the game.
FileRead ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace duel
