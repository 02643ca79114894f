// Where the program's own pictures, sounds, cursor and icon are found (Qt resource paths), in
// the same form as a pack holds them: "CARDIMAGE" 2240 x 60 and "OTHERIMAGE" 160 x 25 as 16-colour
// RLE4 bitmaps with magenta transparent, "SE11" to "SE18" as RIFF WAVE files.
#pragma once

#include <QByteArray>

#include <string_view>

namespace vorpo::resources {

inline constexpr char kCardImage[] = ":/images/CARDIMAGE.bmp";
inline constexpr char kOtherImage[] = ":/images/OTHERIMAGE.bmp";

// The pointing hand shown over the human's own hand: 32 x 32 with an alpha channel. Its hot
// spot, the tip of the pointing finger, is at (kHandHotSpotX, kHandHotSpotY).
inline constexpr char kHandCursor[] = ":/cursors/hand.png";
inline constexpr int kHandHotSpotX = 5;
inline constexpr int kHandHotSpotY = 0;

inline constexpr char kIcon48[] = ":/icons/vorpo-48.png";
inline constexpr char kIcon256[] = ":/icons/vorpo-256.png";

// The built-in WAVE file of that name (":/sounds/<NAME>.wav", the name compared without regard
// to case as in a pack); empty when there is none.
QByteArray BuiltInSound(std::string_view name);

}  // namespace vorpo::resources
