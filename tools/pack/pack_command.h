// The shelvy-pack command: packs JPEG pictures into a gallery set's .dat and .txt files.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace duel {

inline constexpr int kPackOk = 0;
inline constexpr int kPackRefused = 1;  // an input is unreadable or not a JPEG, or writing failed
inline constexpr int kPackUsage = 2;    // no or bad arguments

// Runs `shelvy-pack STEM PICTURE...` with args = {STEM, PICTURE...}: reads and
// checks every picture, then writes STEM.dat and STEM.txt, or nothing at all.
// Reports in Russian on `out` (what was written) and `err` (why not).
// `shelvy-pack --help` and `--version` answer on `out`, in Russian or, when
// `russian` is false, in English; so does the usage after bad arguments.
int RunPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool russian = true);

}  // namespace duel
