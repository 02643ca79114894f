// The commands of vorpo-pack:
//   vorpo-pack vif OUT.vif CARDIMAGE.bmp OTHERIMAGE.bmp   card-image pack from two BMP files
//   vorpo-pack vsf OUT.vsf SE11.wav ... SE18.wav          sound pack from eight WAV files
//   vorpo-pack list FILE                                 one line per resource of any module
//   vorpo-pack extract FILE DIR                          every resource as a file in DIR
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace pack {

inline constexpr int kBadInput = 2;     // bad arguments, an unreadable or unsuitable input
inline constexpr int kCannotWrite = 1;  // an output that could not be written

// Runs the command in args (without the program name); errors go to err as one line.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pack
