#include "results_format.h"

#include <array>

namespace vorpo {

namespace {

// Only the low 8 bits of the constant 0xB27 reach a stored byte.
constexpr unsigned kScramble = 0xB27;
constexpr std::size_t kLengthSize = 4;

void AppendLength(std::string& out, std::size_t length) {
  const auto value = static_cast<std::uint32_t>(length);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

std::uint32_t ReadLength(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t k = 0; k < kLengthSize; ++k)
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + k])) << (8 * k);
  return value;
}

char Shift(char byte, std::size_t position, bool forward) {
  const unsigned offset = kScramble + static_cast<unsigned>(position);
  const unsigned b = static_cast<unsigned char>(byte);
  return static_cast<char>((forward ? b + offset : b - offset) & 0xFF);
}

std::string ShiftField(std::string_view field, bool forward) {
  std::string out(field.size(), '\0');
  for (std::size_t i = 0; i < field.size(); ++i) out[i] = Shift(field[i], i + 1, forward);
  return out;
}

}  // namespace

std::string EmbeddedTextName(std::string_view fileName) {
  const std::size_t slash = fileName.find_last_of('/');
  std::string_view name = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string_view::npos) name = name.substr(0, dot);
  return std::string(name) + ".txt";
}

std::string ResultsDateTime(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  std::array<char, 64> text{};
  // The long time form shows the hour without a leading zero.
  std::strftime(text.data(), text.size(), "%Y/%m/%d ", &local);
  std::string result = text.data() + std::to_string(local.tm_hour);
  std::strftime(text.data(), text.size(), ":%M:%S", &local);
  return result + text.data();
}

std::string ResultsBody(std::string_view sheetText, std::string_view dateTime) {
  std::string body(kResultsVersion);
  body += "\r\n";
  body += dateTime;
  body += "\r\n\r\n";
  body += sheetText;
  return body;
}

std::string ScrambleField(std::string_view plain) {
  return ShiftField(plain, true);
}

std::string UnscrambleField(std::string_view stored) {
  return ShiftField(stored, false);
}

std::uint64_t ResultsFileSize(std::size_t nameLength, std::size_t bodyLength) {
  return 2 * kLengthSize + 1 + static_cast<std::uint64_t>(nameLength) + bodyLength;
}

std::string ResultsFileBytes(std::string_view name, std::string_view body) {
  std::string out;
  out.reserve(static_cast<std::size_t>(ResultsFileSize(name.size(), body.size())));
  AppendLength(out, name.size());
  out += ScrambleField(name);
  out += '\0';
  AppendLength(out, body.size());
  out += ScrambleField(body);
  return out;
}

std::optional<ResultsContent> ReadResultsBytes(std::string_view bytes) {
  const std::uint64_t smallest = ResultsFileSize(0, 0);
  if (bytes.size() < smallest) return std::nullopt;
  // The separator and the body length must still fit after the name.
  const std::uint64_t nameLength = ReadLength(bytes, 0);
  if (nameLength > bytes.size() - smallest) return std::nullopt;
  const std::size_t separator = kLengthSize + static_cast<std::size_t>(nameLength);
  if (bytes[separator] != '\0') return std::nullopt;
  const std::uint64_t bodyLength = ReadLength(bytes, separator + 1);
  const std::size_t bodyStart = separator + 1 + kLengthSize;
  if (bodyLength != bytes.size() - bodyStart) return std::nullopt;
  return ResultsContent{UnscrambleField(bytes.substr(kLengthSize, separator - kLengthSize)),
                        UnscrambleField(bytes.substr(bodyStart))};
}

}  // namespace vorpo
