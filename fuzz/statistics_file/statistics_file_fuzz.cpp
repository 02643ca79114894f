// Arbitrary bytes as the statistics file: the reader either refuses them or gives a record that
// the writer writes as a file which reads back as the same record, and to which one more match
// of every kind adds without overflowing (UBSan watches the additions).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "statistics_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto record = vorpo::ParseStatisticsFile(bytes);
  if (!record) return 0;
  if (vorpo::ParseStatisticsFile(vorpo::StatisticsFileText(*record)) != record) std::abort();
  if (!record->Players().empty()) {
    vorpo::MatchResult result;
    result.Players = 2;
    result.Deals = 30;
    result.SeatNames[0] = record->Players().begin()->first;
    result.Totals[0] = -5000;
    result.DealsWon[0] = 30;
    result.Winners[0] = true;
    for (std::uint8_t rule : {0, 1})
      for (bool ranked : {false, true}) {
        result.CalcProc = rule;
        result.Ranked = ranked;
        record->Add(result);
      }
  }
  return 0;
}
