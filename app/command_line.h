// The command line: --help, --help-all and --version are answered before any window exists.
#pragma once

#include "deployment.h"

#include <optional>

namespace duel {

inline constexpr char kApplicationName[] = "shelvy-zlyki";  // also names the config folder
inline constexpr char kApplicationVersion[] = DUEL_VERSION;

// Sets the application's name and version, then reads the command line
// (argv as main() received it).  Returns the exit code when the program is to
// end at once: 0 after printing the help or the version to standard output,
// 1 when standard output could not take it, 2 after a message about a bad
// option or argument on standard error.  The texts are Russian when the
// locale asks for Russian, English otherwise.  Returns nothing when the game
// should start; Qt's own options (-style, -session, -platform ...) are left in
// argv for QApplication.
std::optional<int> HandleCommandLine(int argc, char** argv);

}  // namespace duel
