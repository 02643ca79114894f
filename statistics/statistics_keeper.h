// The statistics file as the game keeps it: every finished match is added to what the file
// holds and the file is replaced whole (read again each time, so that two games running side by
// side both count). A file that is damaged or another program's is reported once and replaced.
// Where the file cannot be read or written the game plays on without statistics.
#pragma once

#include <functional>
#include <string>

#include "match_result.h"
#include "statistics_record.h"

namespace vorpo {

class StatisticsKeeper : public MatchObserver {
 public:
  // report shows a message to the player, as the game shows its errors.
  using Report = std::function<void(const std::string& message)>;

  StatisticsKeeper(std::string path, Report report);

  const std::string& Path() const { return path_; }

  void MatchEnded(const MatchResult& result) override;

  // What the file holds now; empty where it cannot be read. A copy, as every call reads the
  // file again.
  StatisticsRecord Record();
  // Forgets the figures of name in the file; false when the file could not be written.
  bool Reset(const std::string& name);
  // The last attempt to write the file failed: the matches since have not been recorded.
  bool WriteFailed() const { return writeFailed_; }

 private:
  enum class Found { Usable, Replace, Unreadable };
  // Reads the file into record_: a missing file is an empty record; a damaged one is reported
  // (the first time only) and is to be replaced; one that cannot be read is left alone.
  Found Read();
  bool Write();

  std::string path_;
  Report report_;
  StatisticsRecord record_;
  bool reported_ = false;
  bool writeFailed_ = false;
};

// The message shown when the statistics file is damaged or another program's.
std::string DamagedStatisticsMessage(const std::string& path);

}  // namespace vorpo
