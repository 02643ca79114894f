#include "cp932_text.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace vorpo::text {

namespace {

// One converter per direction, opened once: opening one costs far more than a short name's
// conversion. glibc's plain "CP932" is used on purpose: "SHIFT_JIS" lacks the Windows extensions
// (～ － ① 髙) and reads 0x5C as a yen sign, and "//TRANSLIT" would write "?" for what it cannot
// hold.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (Usable()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t Reset() {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return cd_;
  }

 private:
  iconv_t cd_;
};

// Runs one whole conversion; nullopt on any byte sequence the converter refuses.
std::optional<std::string> Convert(Converter& converter, std::string_view input) {
  if (!converter.Usable()) return std::nullopt;
  iconv_t cd = converter.Reset();
  std::string output(input.size() * 3 + 4, '\0');
  // iconv takes a non-const input pointer but never writes through it.
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  bool ok = true;
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1)) continue;
    if (errno != E2BIG) {
      ok = false;
      break;
    }
    const std::size_t used = output.size() - outLeft;
    output.resize(output.size() * 2);
    out = output.data() + used;
    outLeft = output.size() - used;
  }
  if (!ok) return std::nullopt;
  output.resize(output.size() - outLeft);
  return output;
}

// The length of the UTF-8 sequence that begins with byte; a stray byte counts as one, and the
// conversion refuses it.
std::size_t Utf8Width(unsigned char byte) {
  if (byte >= 0xF0) return 4;
  if (byte >= 0xE0) return 3;
  if (byte >= 0xC0) return 2;
  return 1;
}

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::optional<std::string> FromUtf8(std::string_view utf8) {
  thread_local Converter converter("CP932", "UTF-8");
  return Convert(converter, utf8);
}

std::optional<std::string> ToUtf8(std::string_view cp932) {
  thread_local Converter converter("UTF-8", "CP932");
  return Convert(converter, cp932);
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  auto cp932 = FromUtf8(utf8);
  if (!cp932) return std::nullopt;
  // glibc maps a few characters one way only (¥ and ‾ become 0x5C and 0x7E, which read back
  // as \ and ~). Such a character is not one CP932 holds: report it rather than change a name.
  const auto back = ToUtf8(*cp932);
  if (!back || *back != utf8) return std::nullopt;
  return cp932;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8,
                                       std::span<const Cp932Spelling> spellings) {
  std::string cp932;
  std::size_t plainStart = 0;
  const auto flushPlain = [&](std::size_t end) {
    const auto plain = Utf8ToCp932(utf8.substr(plainStart, end - plainStart));
    if (plain) cp932 += *plain;
    return plain.has_value();
  };
  for (std::size_t at = 0; at < utf8.size();) {
    const Cp932Spelling* best = nullptr;
    for (const Cp932Spelling& spelling : spellings) {
      const bool longer = !best || spelling.text.size() > best->text.size();
      if (!spelling.text.empty() && longer && utf8.substr(at).starts_with(spelling.text))
        best = &spelling;
    }
    if (!best) {
      at += Utf8Width(static_cast<unsigned char>(utf8[at]));
      continue;
    }
    if (!flushPlain(at)) return std::nullopt;
    cp932 += best->bytes;
    at += best->text.size();
    plainStart = at;
  }
  if (!flushPlain(utf8.size())) return std::nullopt;
  return cp932;
}

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  return ToUtf8(cp932);
}

std::optional<std::size_t> Cp932Length(std::string_view utf8) {
  const auto cp932 = Utf8ToCp932(utf8);
  if (!cp932) return std::nullopt;
  return cp932->size();
}

std::string CutCp932(std::string_view cp932, std::size_t maxBytes) {
  const std::size_t limit = std::min(maxBytes, cp932.size());
  std::size_t kept = 0;
  while (kept < limit) {
    const std::size_t width = IsLeadByte(static_cast<unsigned char>(cp932[kept])) ? 2 : 1;
    if (kept + width > limit) break;
    kept += width;
  }
  return std::string(cp932.substr(0, kept));
}

}  // namespace vorpo::text
