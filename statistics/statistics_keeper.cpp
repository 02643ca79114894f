#include "statistics_keeper.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include "statistics_file.h"
#include "whole_file.h"

namespace vorpo {

namespace {

namespace fs = std::filesystem;

// Many times what a lifetime of names writes; anything larger is not this program's file.
constexpr std::size_t kMostFileBytes = 4 * 1024 * 1024;

}  // namespace

std::string DamagedStatisticsMessage(const std::string& path) {
  return "通算成績のファイルが壊れているか、Vorpo のファイルではありません。\n"
         "新しい通算成績のファイルに置き換えます。\n" +
         path;
}

StatisticsKeeper::StatisticsKeeper(std::string path, Report report)
    : path_(std::move(path)), report_(std::move(report)) {}

StatisticsKeeper::Found StatisticsKeeper::Read() {
  record_ = StatisticsRecord();
  std::error_code error;
  const fs::file_status status = fs::status(path_, error);
  if (status.type() == fs::file_type::not_found) return Found::Usable;
  const bool tooLarge =
      fs::is_regular_file(status) && fs::file_size(path_, error) > kMostFileBytes && !error;
  const auto bytes = tooLarge ? std::nullopt : ReadFileWhole(path_, kMostFileBytes);
  if (!bytes && !tooLarge) return Found::Unreadable;
  if (bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    if (auto read = ParseStatisticsFile(text)) {
      record_ = std::move(*read);
      return Found::Usable;
    }
  }
  if (!reported_ && report_) report_(DamagedStatisticsMessage(path_));
  reported_ = true;
  return Found::Replace;
}

bool StatisticsKeeper::Write() {
  std::error_code ignored;
  const fs::path folder = fs::path(path_).parent_path();
  if (!folder.empty()) fs::create_directories(folder, ignored);
  writeFailed_ = ReplaceFileWhole(path_, StatisticsFileText(record_)) != 0;
  return !writeFailed_;
}

void StatisticsKeeper::MatchEnded(const MatchResult& result) {
  if (Read() == Found::Unreadable) {
    writeFailed_ = true;
    return;
  }
  record_.Add(result);
  Write();
}

StatisticsRecord StatisticsKeeper::Record() {
  if (Read() == Found::Replace) Write();
  return record_;
}

bool StatisticsKeeper::Reset(const std::string& name) {
  if (Read() == Found::Unreadable) return false;
  record_.Reset(name);
  return Write();
}

}  // namespace vorpo
