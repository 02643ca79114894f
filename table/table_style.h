// The colours and fonts of the table as the Windows designs give them: colours written
// 0x00BBGGRR, faces by their Windows names (mapped onto installed faces), heights in pixels.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>

#include "fonts.h"

namespace vorpo {

// A Windows colour value 0x00BBGGRR.
constexpr QColor WinColour(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

inline constexpr std::uint32_t kTableGreen = 0x008000;
inline constexpr std::uint32_t kNavy = 0x800000;
inline constexpr std::uint32_t kAqua = 0xFFFF00;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kPureRed = 0x0000FF;
// The light and the dark edge of a raised frame.
inline constexpr std::uint32_t kButtonHighlight = 0xFFFFFF;
inline constexpr std::uint32_t kButtonShadow = 0x808080;
// The colours of the colour indices 0..3: red, blue, yellow, bright green.
inline constexpr std::uint32_t kCardColours[4] = {0x0000FF, 0xFF0000, 0x00FFFF, 0x00FF00};

// Points as Windows turns them into a character height at 96 dots per inch (14 pt is 19 px).
constexpr int PointsToPixels(int points) {
  return (points * 96 + 36) / 72;
}

// A face by its Windows name at a character height in pixels.
QFont TableFont(const QString& face, int pixelHeight, bool bold = false, bool italic = false);

}  // namespace vorpo
