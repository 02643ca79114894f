// What the packs hold, as the game looks it up and vorpo-pack writes it: the resource types and
// names of a card-image pack (.vif) and a sound pack (.vsf), and the sizes of the bitmaps that
// the image lists are cut from.
#pragma once

#include <array>

namespace vorpo {

// A card-image pack: two bitmap resources. CARDIMAGE holds the 56 card cells of ImageList1 side
// by side, OTHERIMAGE the 4 small cells of ImageList2 (pass button released and pressed, arrow
// down, arrow up). Both are looked up as kResourceTypeBitmap (RT_BITMAP), which resource lists
// spell kBitmapTypeId.
inline constexpr char kCardImageName[] = "CARDIMAGE";
inline constexpr char kOtherImageName[] = "OTHERIMAGE";
inline constexpr char kBitmapTypeId[] = "#2";

inline constexpr int kCardCellWidth = 40;
inline constexpr int kCardCellHeight = 60;
inline constexpr int kCardCellCount = 56;
inline constexpr int kOtherCellWidth = 40;
inline constexpr int kOtherCellHeight = 25;
inline constexpr int kOtherCellCount = 4;

// A bitmap of any other size is refused.
inline constexpr int kCardImageWidth = kCardCellCount * kCardCellWidth;     // 2240
inline constexpr int kCardImageHeight = kCardCellHeight;                    // 60
inline constexpr int kOtherImageWidth = kOtherCellCount * kOtherCellWidth;  // 160
inline constexpr int kOtherImageHeight = kOtherCellHeight;                  // 25

// A sound pack: one RIFF WAVE file per sound, as resources of type "WAVE" named SE11 to SE18.
inline constexpr char kSoundResourceType[] = "WAVE";
inline constexpr std::array<const char*, 8> kSoundNames = {"SE11", "SE12", "SE13", "SE14",
                                                           "SE15", "SE16", "SE17", "SE18"};

}  // namespace vorpo
