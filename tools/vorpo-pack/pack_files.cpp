#include "pack_files.h"

namespace pack {

std::string SafeFileName(const std::string& name) {
  std::string safe;
  for (char c : name) {
    bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                c == '-' || c == '_' || c == '.';
    safe.push_back(kept ? c : '_');
  }
  if (safe.empty() || safe[0] == '.') safe.insert(safe.begin(), '_');
  return safe;
}

}  // namespace pack
