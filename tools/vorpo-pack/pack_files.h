// File names for vorpo-pack, made safe from resource names.
#pragma once

#include <string>

namespace pack {

// A resource name as a file name: letters, digits, "-", "_" and "." kept, anything else (a path
// separator above all) replaced by "_", no leading dot, never empty.
std::string SafeFileName(const std::string& name);

}  // namespace pack
