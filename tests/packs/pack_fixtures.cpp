#include "pack_fixtures.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "pe_bitmap.h"
#include "pe_writer.h"

namespace packs_test {

namespace {

void Put(Bytes& bytes, std::size_t at, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i)
    bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

Bytes InfoHeader(int width, int height, int bitCount, bool topDown, std::uint32_t colours) {
  Bytes header(40);
  Put(header, 0, 40, 4);
  Put(header, 4, static_cast<std::uint32_t>(width), 4);
  Put(header, 8, static_cast<std::uint32_t>(topDown ? -height : height), 4);
  Put(header, 12, 1, 2);
  Put(header, 14, static_cast<std::uint32_t>(bitCount), 2);
  Put(header, 32, colours, 4);
  return header;
}

}  // namespace

QRgb CellColour(int cell) {
  return qRgb(cell * 4, 255 - cell * 4, 100 + cell % 3 * 50);
}

QImage TestStrip(int cellWidth, int cellHeight, int cells) {
  QImage strip(cellWidth * cells, cellHeight, QImage::Format_RGB32);
  for (int cell = 0; cell < cells; ++cell) {
    for (int y = 0; y < cellHeight; ++y) {
      for (int x = 0; x < cellWidth; ++x) {
        strip.setPixel(cell * cellWidth + x, y,
                       x == 0 && y == 0 ? qRgb(255, 0, 255) : CellColour(cell));
      }
    }
  }
  return strip;
}

Bytes Dib24(const QImage& image, bool topDown) {
  Bytes dib = InfoHeader(image.width(), image.height(), 24, topDown, 0);
  std::size_t stride = (static_cast<std::size_t>(image.width()) * 3 + 3) / 4 * 4;
  for (int row = 0; row < image.height(); ++row) {
    int y = topDown ? row : image.height() - 1 - row;
    Bytes line(stride, 0);
    for (int x = 0; x < image.width(); ++x) {
      QRgb pixel = image.pixel(x, y);
      line[3 * static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(qBlue(pixel));
      line[3 * static_cast<std::size_t>(x) + 1] = static_cast<std::uint8_t>(qGreen(pixel));
      line[3 * static_cast<std::size_t>(x) + 2] = static_cast<std::uint8_t>(qRed(pixel));
    }
    dib.insert(dib.end(), line.begin(), line.end());
  }
  return dib;
}

Bytes Dib8(const QImage& image) {
  QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
  Bytes dib = InfoHeader(indexed.width(), indexed.height(), 8, false,
                         static_cast<std::uint32_t>(indexed.colorCount()));
  for (QRgb colour : indexed.colorTable()) {
    dib.insert(dib.end(),
               {static_cast<std::uint8_t>(qBlue(colour)), static_cast<std::uint8_t>(qGreen(colour)),
                static_cast<std::uint8_t>(qRed(colour)), 0});
  }
  std::size_t stride = (static_cast<std::size_t>(indexed.width()) + 3) / 4 * 4;
  for (int y = indexed.height() - 1; y >= 0; --y) {
    Bytes line(stride, 0);
    for (int x = 0; x < indexed.width(); ++x)
      line[static_cast<std::size_t>(x)] = indexed.scanLine(y)[x];
    dib.insert(dib.end(), line.begin(), line.end());
  }
  return dib;
}

Bytes RunLengthDib(int width, int height, int bitCount, const std::vector<QRgb>& colours,
                   const Bytes& stream) {
  Bytes dib =
      InfoHeader(width, height, bitCount, false, static_cast<std::uint32_t>(colours.size()));
  Put(dib, 16, bitCount == 8 ? 1 : 2, 4);
  Put(dib, 20, static_cast<std::uint32_t>(stream.size()), 4);
  for (QRgb colour : colours) {
    dib.insert(dib.end(),
               {static_cast<std::uint8_t>(qBlue(colour)), static_cast<std::uint8_t>(qGreen(colour)),
                static_cast<std::uint8_t>(qRed(colour)), 0});
  }
  dib.insert(dib.end(), stream.begin(), stream.end());
  return dib;
}

Bytes ResourceFileDib(const char* resourcePath) {
  QFile file(resourcePath);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << resourcePath;
  QByteArray data = file.readAll();
  Bytes bmp(data.begin(), data.end());
  auto dib = vorpo::pe::BmpFileToDib(bmp);
  EXPECT_TRUE(dib);
  return dib ? Bytes(dib->begin(), dib->end()) : Bytes{};
}

Bytes ImagePackBytes(const Bytes& cardImage, const Bytes& otherImage) {
  std::vector<vorpo::pe::ResourceToWrite> resources;
  if (!cardImage.empty()) resources.push_back({"#2", "CARDIMAGE", 0, cardImage});
  if (!otherImage.empty()) resources.push_back({"#2", "OTHERIMAGE", 0, otherImage});
  return vorpo::pe::WriteResourceModule(resources);
}

Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

void ScratchFolder::SetUp() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(test->test_suite_name()) + "-" + test->name();
  std::replace(name.begin(), name.end(), '/', '-');
  folder_ = std::filesystem::temp_directory_path() /
            ("vorpo-packs-" + std::to_string(getpid()) + "-" + name);
  std::filesystem::create_directories(folder_);
}

void ScratchFolder::TearDown() {
  std::filesystem::remove_all(folder_);
}

bool HaveTool(const std::string& name) {
  return RunCommand("command -v " + name + " >/dev/null 2>&1") == 0;
}

int RunCommand(const std::string& command) {
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace packs_test
