// Finding the program's folder from /proc, in native bytes, also for paths longer than PATH_MAX.
#include "storage/program_folder.h"

#include <climits>
#include <exception>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace duel {
namespace {

namespace fs = std::filesystem;

// Room kept for the longest file name the game opens inside its folder.
constexpr std::size_t kFileNameRoom = 256;

// The target of a symbolic link, however long; empty on failure.
std::string ReadLink(const char* link) {
    std::string target(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink(link, target.data(), target.size());
        if (length < 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return target;
        }
        target.resize(target.size() * 2);
    }
}

// argv[0] of this process, as it was passed.
std::string ProgramArgument() {
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    std::string first;
    std::getline(in, first, '\0');
    return first;
}

// Opens `path` (absolute, or relative to the working folder) one component at
// a time, so that its total length does not matter; -1 on failure.
int OpenFolderStepwise(const fs::path& path) {
    int folder = ::open(path.is_absolute() ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    for (const fs::path& part : path.relative_path()) {
        if (folder < 0 || part.empty()) {
            continue;
        }
        const int next = ::openat(folder, part.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        ::close(folder);
        folder = next;
    }
    return folder;
}

// A handle of the folder holding this executable, found from `candidate`
// (the executable's path); -1 when `candidate` does not lead to it.
int OpenExecutableFolder(const fs::path& candidate) {
    struct stat self {};
    if (candidate.empty() || !candidate.has_parent_path() || ::stat("/proc/self/exe", &self) != 0) {
        return -1;
    }
    const int folder = OpenFolderStepwise(candidate.parent_path());
    struct stat found {};
    if (folder >= 0 && ::fstatat(folder, candidate.filename().c_str(), &found, 0) == 0 && found.st_dev == self.st_dev &&
        found.st_ino == self.st_ino) {
        return folder;
    }
    if (folder >= 0) {
        ::close(folder);
    }
    return -1;
}

}  // namespace

fs::path ExecutableFolder() {
    try {
        // The usual case: the kernel names the executable, with every byte as stored.
        const std::string executable = ReadLink("/proc/self/exe");
        if (!executable.empty() && executable.size() + kFileNameRoom < PATH_MAX) {
            return fs::path(executable).parent_path();
        }
        // Too long to be named (or to open files under): reach the folder from
        // the kernel's name or from the path the program was started with, and
        // keep a handle of it open for the run.
        int folder = OpenExecutableFolder(executable);
        if (folder < 0) {
            folder = OpenExecutableFolder(ProgramArgument());
        }
        if (folder >= 0) {
            return fs::path("/proc/self/fd") / std::to_string(folder);
        }
    } catch (const std::exception&) {
        // Out of memory: no folder.
    }
    return {};
}

}  // namespace duel
