// What the pack tests build their packs from: picture strips whose every cell is known, the
// DIB forms a pack may store them in, pack modules, a scratch folder and external tools.
#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace packs_test {

using Bytes = std::vector<std::uint8_t>;

// Cell k of a strip is filled with CellColour(k) except its top-left pixel, which is magenta.
QRgb CellColour(int cell);
QImage TestStrip(int cellWidth, int cellHeight, int cells);

// DIBs as a bitmap resource holds them (no file header).
Bytes Dib24(const QImage& image, bool topDown);
Bytes Dib8(const QImage& image);
Bytes ResourceFileDib(const char* resourcePath);  // the DIB of a built-in .bmp
// A bottom-up BI_RLE8 (bitCount 8) or BI_RLE4 (bitCount 4) DIB of the encoded stream.
Bytes RunLengthDib(int width, int height, int bitCount, const std::vector<QRgb>& colours,
                   const Bytes& stream);

// A card-image pack with the given DIBs; an empty DIB leaves that bitmap out.
Bytes ImagePackBytes(const Bytes& cardImage, const Bytes& otherImage);

Bytes ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const Bytes& bytes);

// A folder of its own for each test, removed afterwards.
class ScratchFolder : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::filesystem::path Path(const std::string& name) const { return folder_ / name; }

  std::filesystem::path folder_;
};

// True when the program is on PATH.
bool HaveTool(const std::string& name);
// Runs a shell command line; its exit status.
int RunCommand(const std::string& command);

}  // namespace packs_test
