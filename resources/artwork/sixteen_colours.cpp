#include "sixteen_colours.h"

#include <limits>

namespace vorpo::artwork {

const std::array<QRgb, 16> kPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

namespace {

std::uint8_t Nearest(QRgb pixel) {
  std::size_t best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (std::size_t i = 0; i < kPalette.size(); ++i) {
    int dr = qRed(pixel) - qRed(kPalette[i]);
    int dg = qGreen(pixel) - qGreen(kPalette[i]);
    int db = qBlue(pixel) - qBlue(kPalette[i]);
    int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return static_cast<std::uint8_t>(best);
}

// One row in RLE4: runs of three or more equal pixels as encoded runs, the stretches between
// them in absolute mode (which needs at least three pixels and is padded to a 16-bit boundary).
void EncodeRow(const std::vector<std::uint8_t>& row, std::vector<std::uint8_t>& out) {
  auto runAt = [&row](std::size_t at) {
    std::size_t end = at;
    while (end < row.size() && row[end] == row[at] && end - at < 255) ++end;
    return end - at;
  };
  std::size_t x = 0;
  while (x < row.size()) {
    std::size_t run = runAt(x);
    if (run >= 3) {
      out.push_back(static_cast<std::uint8_t>(run));
      out.push_back(static_cast<std::uint8_t>(row[x] << 4 | row[x]));
      x += run;
      continue;
    }
    std::size_t end = x;
    while (end < row.size() && end - x < 255 && runAt(end) < 3) end += runAt(end);
    end = std::min(end, x + 255);
    std::size_t count = end - x;
    if (count < 3) {
      for (; x < end; ++x) {
        out.push_back(1);
        out.push_back(static_cast<std::uint8_t>(row[x] << 4));
      }
      continue;
    }
    out.push_back(0);
    out.push_back(static_cast<std::uint8_t>(count));
    std::size_t bytes = (count + 1) / 2;
    for (std::size_t i = 0; i < bytes; ++i) {
      std::uint8_t high = row[x + 2 * i];
      std::uint8_t low = 2 * i + 1 < count ? row[x + 2 * i + 1] : 0;
      out.push_back(static_cast<std::uint8_t>(high << 4 | low));
    }
    if (bytes % 2) out.push_back(0);
    x = end;
  }
  out.push_back(0);
  out.push_back(0);  // end of line
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::vector<std::uint8_t> EncodeRle4Bmp(const QImage& image) {
  constexpr std::size_t kFileHeader = 14, kInfoHeader = 40, kColourTable = 16 * 4;
  constexpr std::size_t kPixels = kFileHeader + kInfoHeader + kColourTable;
  std::vector<std::uint8_t> out(kPixels, 0);
  QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = argb.height() - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(argb.width()));
    for (int x = 0; x < argb.width(); ++x) {
      QRgb pixel = argb.pixel(x, y);
      row[static_cast<std::size_t>(x)] =
          Nearest(qAlpha(pixel) == 0 ? colour::kMagenta.rgb() : pixel);
    }
    EncodeRow(row, out);
  }
  out.push_back(0);
  out.push_back(1);  // end of bitmap

  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<std::uint32_t>(out.size()));
  Put32(out, 10, kPixels);
  Put32(out, 14, kInfoHeader);
  Put32(out, 18, static_cast<std::uint32_t>(argb.width()));
  Put32(out, 22, static_cast<std::uint32_t>(argb.height()));
  out[26] = 1;        // planes
  out[28] = 4;        // bits per pixel
  Put32(out, 30, 2);  // BI_RLE4
  Put32(out, 34, static_cast<std::uint32_t>(out.size() - kPixels));
  Put32(out, 46, 16);  // colours used
  for (std::size_t i = 0; i < 16; ++i) {
    std::size_t at = kFileHeader + kInfoHeader + 4 * i;
    out[at] = static_cast<std::uint8_t>(qBlue(kPalette[i]));
    out[at + 1] = static_cast<std::uint8_t>(qGreen(kPalette[i]));
    out[at + 2] = static_cast<std::uint8_t>(qRed(kPalette[i]));
  }
  return out;
}

}  // namespace vorpo::artwork
