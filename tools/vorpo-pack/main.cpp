// vorpo-pack: builds, lists and extracts card-image and sound packs (see pack_commands.h).
#include <iostream>

#include "pack_commands.h"

int main(int argc, char** argv) {
  return pack::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
