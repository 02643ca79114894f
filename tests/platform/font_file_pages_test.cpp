#include "font_file_pages.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

#include "ini_test_folder.h"

namespace vorpo {
namespace {

constexpr std::size_t kFileBytes = 64 * 4096;

// Resident kilobytes of the mapping that begins at start, as the kernel counts them.
long ResidentKb(const void* start) {
  std::ifstream smaps("/proc/self/smaps");
  bool inMapping = false;
  for (std::string line; std::getline(smaps, line);) {
    std::uintptr_t from = 0, to = 0;
    char perms[5] = {};
    if (std::sscanf(line.c_str(), "%" SCNxPTR "-%" SCNxPTR " %4s", &from, &to, perms) == 3)
      inMapping = from == reinterpret_cast<std::uintptr_t>(start);
    long kb = 0;
    if (inMapping && std::sscanf(line.c_str(), "Rss: %ld kB", &kb) == 1) return kb;
  }
  return -1;
}

// A file of kFileBytes whose byte i is i % 251, mapped and read whole.
class MappedFile {
 public:
  MappedFile(const std::string& path, bool writable) {
    std::vector<char> bytes(kFileBytes);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i % 251);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
    const int fd = ::open(path.c_str(), O_RDONLY);
    const int protection = writable ? PROT_READ | PROT_WRITE : PROT_READ;
    void* mapped = mmap(nullptr, kFileBytes, protection, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (mapped == MAP_FAILED) return;
    data_ = static_cast<unsigned char*>(mapped);
    for (std::size_t i = 0; i < kFileBytes; i += 4096)
      [[maybe_unused]] volatile auto read = data_[i];
  }
  ~MappedFile() {
    if (data_ != nullptr) munmap(data_, kFileBytes);
  }
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  unsigned char* data() const { return data_; }
  bool HoldsItsFile() const {
    for (std::size_t i = 0; i < kFileBytes; ++i)
      if (data_[i] != i % 251) return false;
    return true;
  }

 private:
  unsigned char* data_ = nullptr;
};

TEST(FontFilePages, AFontsPagesGoAndAreReadAgainWhileEveryOtherMappingStays) {
  testing::TestFolder folder;
  MappedFile face(folder.File("ipag.TTF"), false);
  MappedFile collection(folder.File("face.ttc"), false);
  MappedFile notes(folder.File("notes.dat"), false);
  // A font file mapped for writing, and one written to before it was made read-only: its
  // written pages exist nowhere else, so it keeps them.
  MappedFile writable(folder.File("writable.otf"), true);
  MappedFile written(folder.File("written.ttf"), true);
  for (const MappedFile* file : {&face, &collection, &notes, &writable, &written})
    ASSERT_NE(file->data(), nullptr);
  written.data()[4096] = 7;
  ASSERT_EQ(mprotect(written.data(), kFileBytes, PROT_READ), 0);
  constexpr long kWholeKb = kFileBytes / 1024;
  ASSERT_EQ(ResidentKb(face.data()), kWholeKb);

  EXPECT_GE(ReleaseFontFilePages(), 2 * kFileBytes);

  EXPECT_EQ(ResidentKb(face.data()), 0);
  EXPECT_EQ(ResidentKb(collection.data()), 0);
  EXPECT_EQ(ResidentKb(notes.data()), kWholeKb);
  EXPECT_EQ(ResidentKb(writable.data()), kWholeKb);
  EXPECT_GT(ResidentKb(written.data()), 0);
  EXPECT_EQ(written.data()[4096], 7);
  // What is read after is the file's bytes, from the file.
  EXPECT_TRUE(face.HoldsItsFile());
  EXPECT_TRUE(collection.HoldsItsFile());
}

}  // namespace
}  // namespace vorpo
