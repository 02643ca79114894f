#include "stored_path.h"

#include "cp932_text.h"
#include "settings_table.h"

namespace vorpo {

namespace {

constexpr std::string_view kUrlStart = "file://";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// The settings file drops blanks at either end of a value, and a line break would end the line:
// a name with them would come back as another name.
bool ReadsBackAsItIs(std::string_view bytes) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  if (!bytes.empty() && (blank(bytes.front()) || blank(bytes.back()))) return false;
  return bytes.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

// A space is encoded as well: one at either end of a name would otherwise be lost.
std::string Url(std::string_view path) {
  std::string url(kUrlStart);
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > ' ' && byte < 0x7F && c != '%') {
      url += c;
    } else {
      url += '%';
      url += kHexDigits[byte >> 4];
      url += kHexDigits[byte & 0xF];
    }
  }
  return url;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::optional<std::string> StoredPathForm(std::string_view path) {
  std::optional<std::string> stored = text::Utf8ToCp932(path);
  if (!stored || path.starts_with(kUrlStart) || !ReadsBackAsItIs(*stored)) stored = Url(path);
  if (stored->size() > kTextMaxBytes) return std::nullopt;
  return stored;
}

std::string PathFromStored(std::string_view value) {
  if (!value.starts_with(kUrlStart)) return std::string(value);
  value.remove_prefix(kUrlStart.size());
  std::string path;
  for (std::size_t at = 0; at < value.size(); ++at) {
    // A "%" without two hex digits after it is taken as it stands.
    const bool escape = value[at] == '%' && at + 2 < value.size();
    const int high = escape ? HexValue(value[at + 1]) : -1;
    const int low = escape ? HexValue(value[at + 2]) : -1;
    if (high < 0 || low < 0) {
      path += value[at];
      continue;
    }
    path += static_cast<char>(high * 16 + low);
    at += 2;
  }
  return path;
}

}  // namespace vorpo
