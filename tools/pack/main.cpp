// shelvy-pack STEM PICTURE...: makes a gallery set from JPEG files.
#include "terminal/terminal_texts.h"
#include "tools/pack/pack_command.h"

#include <cerrno>
#include <cstring>
#include <iostream>

int main(int argc, char* argv[]) {
    const bool russian = duel::LocaleAsksForRussian();
    int code = duel::RunPack(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, russian);
    // What was printed must have arrived: a full disk or a closed pipe is an error.
    std::cout.flush();
    if (!std::cout) {
        const int error = errno;
        std::cerr << (russian ? "shelvy-pack: не удалось записать в стандартный вывод: "
                              : "shelvy-pack: could not write to standard output: ")
                  << std::strerror(error) << '\n';
        if (code == duel::kPackOk) code = duel::kPackRefused;
    }
    return code;
}
