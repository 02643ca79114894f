#include "ini_file.h"

#include <algorithm>
#include <filesystem>
#include <limits>

#include "cp932_text.h"
#include "whole_file.h"

namespace vorpo {

namespace {

constexpr std::string_view kBlanks = " \t";
// What an editor saving as UTF-8 may put in front of the first line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

bool IsComment(std::string_view line) {
  const auto text = Trim(line);
  return !text.empty() && text.front() == ';';
}

// The name of a section header line, or nullopt for any other line.
std::optional<std::string_view> HeaderName(std::string_view line) {
  const auto text = Trim(line);
  if (text.empty() || text.front() != '[') return std::nullopt;
  const auto close = text.find(']');
  return Trim(text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

struct KeyLine {
  std::string_view key;
  std::size_t valueStart;  // where the value begins in the line, after '=' and any blanks
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  if (IsComment(line) || HeaderName(line)) return std::nullopt;
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const auto key = Trim(line.substr(0, equals));
  if (key.empty()) return std::nullopt;
  const auto afterBlanks = line.find_first_not_of(kBlanks, equals + 1);
  return KeyLine{key, afterBlanks == std::string_view::npos ? line.size() : afterBlanks};
}

}  // namespace

std::optional<std::int32_t> ParseProfileInt(std::string_view value) {
  std::size_t at = value.find_first_not_of(kBlanks);
  if (at == std::string_view::npos) return std::nullopt;
  bool negative = false;
  if (value[at] == '+' || value[at] == '-') {
    negative = value[at] == '-';
    ++at;
  }
  // Past 2^31 every further digit would clamp anyway: stop growing there, so no overflow.
  constexpr std::int64_t kCap = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  bool anyDigit = false;
  for (; at < value.size() && value[at] >= '0' && value[at] <= '9'; ++at) {
    anyDigit = true;
    magnitude = std::min(magnitude * 10 + (value[at] - '0'), kCap);
  }
  if (!anyDigit) return std::nullopt;
  const std::int64_t number = negative ? -magnitude : magnitude;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      number, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

IniFile IniFile::FromBytes(std::string_view bytes) {
  IniFile file;
  if (bytes.starts_with(kByteOrderMark)) {
    file.byteOrderMark_ = true;
    bytes.remove_prefix(kByteOrderMark.size());
  }
  // A line ends at "\r\n", at "\n" or at a "\r" alone, as editors show such files, so no line's
  // text ever holds a line break that a later write could join to a new ending.
  while (!bytes.empty()) {
    const auto end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      file.lines_.push_back({std::string(bytes), ""});
      break;
    }
    const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
    const std::size_t endLength = crlf ? 2 : 1;
    file.lines_.push_back(
        {std::string(bytes.substr(0, end)), std::string(bytes.substr(end, endLength))});
    bytes.remove_prefix(end + endLength);
  }
  return file;
}

IniFile IniFile::Read(const std::string& path) {
  const auto bytes = ReadFileWhole(path, std::numeric_limits<std::size_t>::max());
  if (!bytes) return {};
  return FromBytes(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

std::optional<IniFile::Range> IniFile::SectionLines(std::string_view section) const {
  for (std::size_t header = 0; header < lines_.size(); ++header) {
    const auto name = HeaderName(lines_[header].text);
    if (!name || !SameName(*name, section)) continue;
    Range range{header + 1, header + 1};
    while (range.last < lines_.size() && !HeaderName(lines_[range.last].text)) ++range.last;
    return range;
  }
  return std::nullopt;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  const auto range = SectionLines(section);
  if (!range) return std::nullopt;
  for (std::size_t line = range->first; line < range->last; ++line) {
    const std::string_view text = lines_[line].text;
    const auto parsed = ParseKeyLine(text);
    if (!parsed || !SameName(parsed->key, key)) continue;
    auto value = text.substr(parsed->valueStart);
    value = value.substr(0, value.find('\0'));
    return std::string(Trim(value));
  }
  return std::nullopt;
}

std::int32_t IniFile::GetInt(std::string_view section, std::string_view key,
                             std::int32_t fallback) const {
  const auto value = Find(section, key);
  if (!value) return fallback;
  return ParseProfileInt(*value).value_or(fallback);
}

std::string IniFile::GetString(std::string_view section, std::string_view key,
                               std::string_view fallback, std::size_t maxBytes) const {
  const auto value = Find(section, key);
  return text::CutCp932(value ? std::string_view(*value) : fallback, maxBytes);
}

std::string IniFile::NewLineEnding() const {
  // A "\r" alone is never copied: a new line ended by it, put before an empty line ended by
  // "\n", would make one "\r\n" of the two and lose that line.
  for (const auto& line : lines_) {
    if (line.ending == "\r\n" || line.ending == "\n") return line.ending;
  }
  // A file of our own making is written as Windows writes its profile files.
  return "\r\n";
}

void IniFile::EndLineBeforeNewOnes(std::size_t index, const std::string& ending) {
  Line& line = lines_[index];
  // A last line ended by a lone "\r" in a file whose lines all end in "\r\n" was cut off between
  // the two: it gets the rest of its ending back. Elsewhere a lone "\r" is a line end of its own.
  const bool cutInsideCrLf = index + 1 == lines_.size() && line.ending == "\r" &&
                             std::all_of(lines_.begin(), lines_.end() - 1,
                                         [](const Line& l) { return l.ending == "\r\n"; });
  if (line.ending.empty() || cutInsideCrLf) line.ending = ending;
}

bool IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
  const std::string ending = NewLineEnding();
  const std::string keyLine = std::string(key) + "=" + std::string(value);

  const auto range = SectionLines(section);
  if (!range) {
    if (!lines_.empty()) EndLineBeforeNewOnes(lines_.size() - 1, ending);
    lines_.push_back({"[" + std::string(section) + "]", ending});
    lines_.push_back({keyLine, ending});
    return true;
  }

  // The new key goes after the section's last key, so that blank lines and comments that lead
  // into the next section stay in front of it.
  std::size_t insertAt = range->first;
  for (std::size_t line = range->first; line < range->last; ++line) {
    const auto parsed = ParseKeyLine(lines_[line].text);
    if (!parsed) continue;
    if (SameName(parsed->key, key)) {
      // The key keeps the file's own spelling and spacing; only the value changes.
      std::string& text = lines_[line].text;
      text = text.substr(0, parsed->valueStart) + std::string(value);
      return true;
    }
    insertAt = line + 1;
  }
  EndLineBeforeNewOnes(insertAt - 1, ending);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), Line{keyLine, ending});
  return true;
}

std::string IniFile::Bytes() const {
  std::string bytes(byteOrderMark_ ? kByteOrderMark : std::string_view());
  for (const auto& line : lines_) {
    bytes += line.text;
    bytes += line.ending;
  }
  return bytes;
}

bool IniFile::WriteTo(const std::string& path) const {
  // The settings folder of an installed program may not exist before its first write.
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  return ReplaceFileWhole(path, Bytes()) == 0;
}

}  // namespace vorpo
