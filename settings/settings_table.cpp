#include "settings_table.h"

#include <algorithm>
#include <array>

namespace vorpo {

namespace {

std::int32_t SettleNameMax(std::int32_t value) {
  return std::clamp(value, 14, 128);
}

// 0 would stop the turn timer for good; a negative interval has no meaning, so it is brought to
// the shortest wait the options dialog offers.
std::int32_t SettleWait(std::int32_t value) {
  return std::clamp(value, 1, 5000);
}

// The rule settings, the computer's strength among them, are settled by the game itself
// (Settled), once all are read.
// The table zoom in percent, as the table window offers it.
std::int32_t SettleZoom(std::int32_t value) {
  return std::clamp(value, 100, 300);
}

using G = GameSettings;
using P = ProgramSettings;
using enum Held;
using enum WriteMoment;

constexpr std::array kSettings = {
    Setting{"NameMax", Integer, &P::NameMax, 14, "", SettleNameMax, Never},
    Setting{"Name0", Name, SeatName{0}, 0, "コンピュータ0", nullptr, SaveSettings},
    Setting{"Name1", Name, SeatName{1}, 0, "コンピュータ1", nullptr, SaveSettings},
    Setting{"Name2", Name, SeatName{2}, 0, "コンピュータ2", nullptr, SaveSettings},
    Setting{"Name3", Name, SeatName{3}, 0, "コンピュータ3", nullptr, SaveSettings},
    Setting{"Name4", Name, SeatName{4}, 0, "コンピュータ4", nullptr, SaveSettings},
    Setting{"Name5", Name, SeatName{5}, 0, "コンピュータ5", nullptr, SaveSettings},
    Setting{"Name6", Name, SeatName{6}, 0, "コンピュータ6", nullptr, SaveSettings},
    Setting{"Name7", Name, SeatName{7}, 0, "コンピュータ7", nullptr, SaveSettings},
    Setting{"Name8", Name, SeatName{8}, 0, "コンピュータ8", nullptr, SaveSettings},
    Setting{"Name9", Name, SeatName{9}, 0, "コンピュータ9", nullptr, SaveSettings},
    Setting{"Wait", Integer, &P::Wait, 500, "", SettleWait, SaveSettings},
    Setting{"Ranking", ByteSwitch, &G::Ranking, 0, "", nullptr, SaveSettings},
    Setting{"OpenMode", ByteSwitch, &G::OpenMode, 0, "", nullptr, SaveSettings},
    Setting{"NotShowCompCard", ByteSwitch, &G::NotShowCompCard, 0, "", nullptr, SaveSettings},
    Setting{"Players", Byte, &G::Players, 5, "", nullptr, SaveSettings},
    Setting{"CalcProc", Byte, &G::CalcProc, 1, "", nullptr, SaveSettings},
    Setting{"IRWScore", Integer, &G::IRWScore, 500, "", nullptr, SaveSettings},
    Setting{"JRTurns", Integer, &G::JRTurns, 5, "", nullptr, SaveSettings},
    Setting{"StartingCards", Byte, &G::StartingCards, 7, "", nullptr, SaveSettings},
    Setting{"DefDraw", ByteSwitch, &G::DefDraw, 0, "", nullptr, SaveSettings},
    Setting{"DefDraw4", ByteSwitch, &G::DefDraw4, 0, "", nullptr, SaveSettings},
    Setting{"NotFig", ByteSwitch, &G::NotFig, 1, "", nullptr, SaveSettings},
    Setting{"NotYama", ByteSwitch, &G::NotYama, 0, "", nullptr, SaveSettings},
    Setting{"WildFront", ByteSwitch, &G::WildFront, 0, "", nullptr, SaveSettings},
    Setting{"UseOtherSound", ByteSwitch, &G::UseOtherSound, 0, "", nullptr, SaveSettings},
    Setting{"UseOtherImage", ByteSwitch, &G::UseOtherImage, 0, "", nullptr, SaveSettings},
    Setting{"UseOtherScoreTable", ByteSwitch, &G::UseOtherScoreTable, 0, "", nullptr, SaveSettings},
    Setting{"Sound", Switch, &P::Sound, 1, "", nullptr, FormClose},
    Setting{"SoundFile", Path, &P::SoundFile, 0, "", nullptr, FormClose},
    Setting{"ImageFile", Path, &P::ImageFile, 0, "", nullptr, ImageFileChosen},
    Setting{"ScoreTableFile", Path, &P::ScoreTableFile, 0, "", nullptr, FormClose},
    Setting{"NameFont", Text, &G::NameFont, 0, "MS UI Gothic", nullptr, SaveSettings},
    Setting{"Zoom", Integer, &P::Zoom, 100, "", SettleZoom, FormClose, true},
    Setting{"Strength", Byte, &G::Strength, 0, "", nullptr, OptionsOk},
};

}  // namespace

std::span<const Setting> AllSettings() {
  return kSettings;
}

}  // namespace vorpo
