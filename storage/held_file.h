// Temporary files held under a lock for as long as their program uses them, and leftovers nobody holds.
//
// A running game holds each temporary file it writes (a save on its way to
// the settings file, a won picture on show) under an exclusive flock from
// the file's creation until it is removed or renamed.  A game that starts
// meanwhile sees the lock and leaves the file alone; a file that no process
// holds was left by a run that was killed, and may go.  The kernel drops the
// lock of a killed process, so no leftover stays held.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace duel {

class HeldFile {
public:
    HeldFile() = default;
    ~HeldFile() { Remove(); }
    HeldFile(HeldFile&& other) noexcept;
    HeldFile& operator=(HeldFile&& other) noexcept;
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    // Creates `folder`/`prefix` followed by a dot and six random characters,
    // empty and locked.  An empty HeldFile (false) when the folder takes none.
    static HeldFile Create(const std::filesystem::path& folder, std::string_view prefix);

    explicit operator bool() const { return fd_ >= 0; }
    const std::filesystem::path& path() const { return path_; }

    // Writes all of `bytes` at the current end; false on any failure.
    bool Write(std::string_view bytes);
    // Flushes what was written to the disk.
    bool Sync();
    // Renames the file to `target` and lets it go: it is no longer held, nor
    // removed.  False (the file still held) when the rename fails.
    bool RenameTo(const std::filesystem::path& target);
    // Removes the file, then lets go of it; nothing when empty.
    void Remove();

private:
    HeldFile(std::filesystem::path path, int fd) : path_(std::move(path)), fd_(fd) {}
    void Close();

    std::filesystem::path path_;
    int fd_ = -1;
};

// True for a name that HeldFile::Create gives with `prefix`: the prefix, a
// dot and six characters.
bool IsHeldFileName(std::string_view name, std::string_view prefix);

// Removes from `folder` every file whose name `isLeftover` accepts and that no
// running program holds (a link of such a name goes, never its target).
// Returns how many went.  Never throws.
int RemoveUnheldFiles(const std::filesystem::path& folder, const std::function<bool(const std::string&)>& isLeftover);

}  // namespace duel
