// shelvy-pack STEM PICTURE...: makes a gallery set from JPEG files.
#include "tools/pack/pack_command.h"

#include <iostream>

int main(int argc, char* argv[]) {
    return duel::RunPack(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
