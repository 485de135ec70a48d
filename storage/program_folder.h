// The folder of the running program as the system names it, whatever bytes or length its path has.
#pragma once

#include <filesystem>

namespace duel {

// Folder of the running executable, in the system's own bytes (no text
// conversion, so a path that is not valid UTF-8 is kept exactly).  Where that
// path is too long for the system to open files under it, the result is a
// name of an open handle of the folder ("/proc/self/fd/N"), which works for
// every file operation of this run.  Empty when the folder cannot be found.
// Linux only: it relies on /proc.
std::filesystem::path ExecutableFolder();

}  // namespace duel
