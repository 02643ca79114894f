#include "point_table.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace vorpo {

namespace {
PointTable MakeDefault() {
  PointTable t{};
  for (Card n = 0; n < kDeckSize; ++n) {
    if (IsBlack(n))
      t[n] = 50;
    else if (IsNumberCard(n))
      t[n] = static_cast<std::uint8_t>(KindOf(n));
    else
      t[n] = 20;
  }
  return t;
}
}  // namespace

const PointTable& DefaultPointTable() {
  static const PointTable table = MakeDefault();
  return table;
}

std::optional<std::string> ReadScoreTableFile(const std::string& path,
                                              const std::string& programDir, PointTable& table) {
  table = DefaultPointTable();
  std::string resolved = path;
  if (!path.empty() && path[0] != '/' && !programDir.empty()) resolved = programDir + "/" + path;

  // Only a regular file is read: a folder cannot be opened as a table, and a pipe could block
  // the game forever.
  std::error_code error;
  const bool regular = !path.empty() && std::filesystem::is_regular_file(resolved, error);
  std::FILE* file = regular ? std::fopen(resolved.c_str(), "rb") : nullptr;
  if (file == nullptr)
    return path + "を開けませんでした。\r\nデフォルトのスコアテーブルを使います。";

  PointTable buffer{};
  std::size_t read = std::fread(buffer.data(), 1, buffer.size(), file);
  if (std::ferror(file)) read = 0;
  std::fclose(file);
  for (std::size_t k = 0; k < read; ++k) table[k] = buffer[k];
  return std::nullopt;
}

}  // namespace vorpo
