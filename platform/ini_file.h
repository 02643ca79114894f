// An INI file read and written the way the Windows profile functions treat one: sections in
// brackets, "key=value" lines, section and key names matched without regard to ASCII case,
// spaces around names and values ignored, the first section and the first key of a name the one
// that counts. A line ends at "\r\n", "\n" or a "\r" alone; a UTF-8 byte-order mark in front of
// the first line is read past and kept. Values are the file's own bytes (CP932 for the settings
// file); converting them is the caller's business. A write changes one line, or adds one, and keeps
// every other line, comments and unknown keys included, byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorpo {

// A number as a profile value holds it: leading spaces, an optional sign, decimal digits, and
// anything after the digits ignored. Values beyond 32 bits are clamped to the nearest 32-bit
// value. nullopt when there are no digits.
std::optional<std::int32_t> ParseProfileInt(std::string_view value);

class IniFile {
 public:
  IniFile() = default;
  static IniFile FromBytes(std::string_view bytes);
  // A missing or unreadable file, or anything but a regular file, reads as an empty one.
  static IniFile Read(const std::string& path);

  // The value as it stands in the file, without the spaces around it and cut at a NUL byte (as a
  // C string would end there); nullopt when the section or the key is missing.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  // GetPrivateProfileIntA: the value as ParseProfileInt reads it, or fallback when the key is
  // missing or holds no digits.
  std::int32_t GetInt(std::string_view section, std::string_view key, std::int32_t fallback) const;
  // GetPrivateProfileStringA: the value, or fallback when the key is missing, cut to maxBytes at
  // a CP932 character boundary.
  std::string GetString(std::string_view section, std::string_view key, std::string_view fallback,
                        std::size_t maxBytes) const;

  // WritePrivateProfileStringA, in memory: updates the key's value in place, or adds the key at
  // the end of its section, or adds the section at the end of the file. A value with a line
  // break or a NUL byte would split the line and plant keys of its own: it is refused (false)
  // and the file stays as it was.
  bool Set(std::string_view section, std::string_view key, std::string_view value);

  std::string Bytes() const;
  // Replaces the file at path as a whole, as ReplaceFileWhole does: through a temporary file in
  // the same folder where the folder allows it, so a reader sees either the old file or the new
  // one and never a part, and otherwise over the writable old file in place. A missing folder is
  // created first. false when the file could not be replaced; the old file is then whole.
  bool WriteTo(const std::string& path) const;

 private:
  struct Line {
    std::string text;    // without its line ending; never holds "\r" or "\n"
    std::string ending;  // "\r\n", "\n" or "\r"; "" for a last line without one
  };
  // The range [first, last) of the lines after the first header of section; nullopt when the
  // file has no such section.
  struct Range {
    std::size_t first;
    std::size_t last;
  };
  std::optional<Range> SectionLines(std::string_view section) const;
  // The ending that lines added to the file get.
  std::string NewLineEnding() const;
  // Gives the line at index an ending of its own, if it lacks one, before lines go after it.
  void EndLineBeforeNewOnes(std::size_t index, const std::string& ending);

  std::vector<Line> lines_;
  // The file began with a UTF-8 byte-order mark, which is no part of its first line.
  bool byteOrderMark_ = false;
};

}  // namespace vorpo
