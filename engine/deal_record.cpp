#include "deal_record.h"

namespace vorpo {

void DealRecord::Clear(Card firstTopCard) {
  played_ = {};
  played_.Add(firstTopCard);
  since_ = NoSightings();
}

void DealRecord::Played(int seat, Card card) {
  played_.Add(card);
  since_[static_cast<std::size_t>(seat)][static_cast<std::size_t>(ColourOf(card))] = kNotSeen;
}

void DealRecord::FoundNothingOn(int seat, int colour) {
  auto& since = since_[static_cast<std::size_t>(seat)];
  since[static_cast<std::size_t>(colour)] = 0;
  since[kBlackCards] = 0;
}

void DealRecord::TookUnseen(int seat, int cards) {
  for (std::uint8_t& taken : since_[static_cast<std::size_t>(seat)])
    if (taken != kNotSeen)
      taken = static_cast<std::uint8_t>(taken + cards < kNotSeen ? taken + cards : kNotSeen - 1);
}

}  // namespace vorpo
