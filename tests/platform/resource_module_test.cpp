#include "resource_module.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "pe_layout.h"
#include "pe_writer.h"

namespace vorpo {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Data that occurs nowhere else in the module: one byte value per resource.
Bytes Data(std::size_t size, std::uint8_t seed) {
  return Bytes(size, static_cast<std::uint8_t>(0xA0 + seed));
}

Bytes SamplePack() {
  return pe::WriteResourceModule({
      {"#2", "CARDIMAGE", 0, Data(300, 1)},
      {"#2", "OtherImage", 0, Data(41, 2)},
      {"WAVE", "SE11", 0, Data(97, 3)},
      {"wave", "se12", 0x411, Data(10, 4)},
      {"#10", "#7", 0, Data(5, 5)},
  });
}

Bytes ToBytes(std::span<const std::uint8_t> span) {
  return Bytes(span.begin(), span.end());
}

// File offsets of the parts of the sample pack's resource tree, found the way the loader does.
struct Tree {
  std::size_t root;   // file offset of the root table
  std::uint32_t rva;  // its RVA
};

Tree FindTree(const Bytes& module) {
  std::size_t pe = pe::ReadU32(module, pe::kDosNewHeaderField);
  std::size_t optional = pe + 4 + pe::kFileHeaderSize;
  std::uint32_t rva = pe::ReadU32(module, optional + pe::kDirectoriesPe32 + 16);
  std::size_t section = optional + pe::ReadU16(module, pe + 4 + 16);
  std::uint32_t sectionRva = pe::ReadU32(module, section + 12);
  std::uint32_t raw = pe::ReadU32(module, section + 20);
  return {raw + (rva - sectionRva), rva};
}

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(ResourceModule, FindsResourcesByTypeAndNameWithoutRegardToCase) {
  auto module = ResourceModule::FromBytes(SamplePack());
  ASSERT_TRUE(module);
  EXPECT_EQ(ToBytes(*module->Find(kResourceTypeBitmap, "cardimage")), Data(300, 1));
  EXPECT_EQ(ToBytes(*module->Find(kResourceTypeBitmap, "OTHERIMAGE")), Data(41, 2));
  EXPECT_EQ(ToBytes(*module->Find("Wave", "se11")), Data(97, 3));
  EXPECT_EQ(ToBytes(*module->Find("WAVE", "SE12")), Data(10, 4));
  EXPECT_EQ(ToBytes(*module->Find(10, "#7")), Data(5, 5));
  EXPECT_EQ(ToBytes(*module->Find("#10", "#7")), Data(5, 5));

  EXPECT_FALSE(module->Find("WAVE", "SE13"));
  EXPECT_FALSE(module->Find(kResourceTypeBitmap, "SE11"));
  EXPECT_FALSE(module->Find("BITMAP", "CARDIMAGE")) << "a type named BITMAP is not RT_BITMAP";
  EXPECT_FALSE(module->Find(10, "7")) << "a numeric name needs its #";
  EXPECT_FALSE(module->Find(10, "#70000"));
}

TEST(ResourceModule, ListsEveryResourceWithTypeNameLanguageAndSize) {
  auto module = ResourceModule::FromBytes(SamplePack());
  ASSERT_TRUE(module);
  std::vector<std::string> listed;
  for (const auto& entry : module->Entries()) {
    listed.push_back(entry.type + " " + entry.name + " " + std::to_string(entry.language) + " " +
                     std::to_string(entry.size));
  }
  // Named types before numbered ones and names in capitals, as the Windows loader expects.
  EXPECT_EQ(listed,
            (std::vector<std::string>{"WAVE SE11 0 97", "WAVE SE12 1041 10", "#2 CARDIMAGE 0 300",
                                      "#2 OTHERIMAGE 0 41", "#10 #7 0 5"}));
}

TEST(ResourceModule, RefusesWhatIsNotAWholeModule) {
  EXPECT_FALSE(ResourceModule::FromBytes({}));
  std::string text = "CARDIMAGE BITMAP \"cards.bmp\"\nThis is a text file, not a module.\n";
  EXPECT_FALSE(ResourceModule::FromBytes(Bytes(text.begin(), text.end())));
  EXPECT_FALSE(ResourceModule::FromBytes(Bytes{'M', 'Z'}));

  // Every cut that loses part of a resource is refused; only the alignment padding after the
  // last resource may go.
  Bytes module = SamplePack();
  auto whole = ResourceModule::FromBytes(module);
  ASSERT_TRUE(whole);
  std::size_t end = 0;
  for (std::size_t i = 0; i < whole->Entries().size(); ++i) {
    auto data = whole->EntryData(i);
    auto found = std::search(module.begin(), module.end(), data.begin(), data.end());
    end = std::max(end, static_cast<std::size_t>(found - module.begin()) + data.size());
  }
  ASSERT_LT(end, module.size());
  auto cutAt = [&module](std::size_t length) {
    return Bytes(module.begin(), module.begin() + static_cast<std::ptrdiff_t>(length));
  };
  for (std::size_t length = 0; length < end; ++length)
    EXPECT_FALSE(ResourceModule::FromBytes(cutAt(length))) << "cut at " << length;
  EXPECT_TRUE(ResourceModule::FromBytes(cutAt(end)));
}

TEST(ResourceModule, RefusesAMalformedResourceTree) {
  Bytes module = SamplePack();
  Tree tree = FindTree(module);
  ASSERT_TRUE(ResourceModule::FromBytes(module));

  Bytes loop = module;  // the first type's table is the root table again
  Put32(loop, tree.root + 16 + 4, pe::kHighBit | 0);
  EXPECT_FALSE(ResourceModule::FromBytes(loop));

  Bytes leafAsTable = module;  // a name leads straight to data instead of a language table
  Put32(leafAsTable, tree.root + 16 + 4, 0);
  EXPECT_FALSE(ResourceModule::FromBytes(leafAsTable));

  Bytes outside = module;  // a table far beyond the end of the file
  Put32(outside, tree.root + 16 + 4, pe::kHighBit | 0x7FFFFF00);
  EXPECT_FALSE(ResourceModule::FromBytes(outside));

  Bytes manyEntries = module;  // 131070 entries claimed in a file of a few kilobytes
  manyEntries[tree.root + 12] = manyEntries[tree.root + 13] = 0xFF;
  manyEntries[tree.root + 14] = manyEntries[tree.root + 15] = 0xFF;
  EXPECT_FALSE(ResourceModule::FromBytes(manyEntries));

  Bytes badName = module;  // a type name string that runs past the end of the file
  std::uint32_t nameField = pe::ReadU32(module, tree.root + 16);
  ASSERT_TRUE(nameField & pe::kHighBit);
  badName[tree.root + (nameField & ~pe::kHighBit)] = 0xFF;
  badName[tree.root + (nameField & ~pe::kHighBit) + 1] = 0xFF;
  EXPECT_FALSE(ResourceModule::FromBytes(badName));
}

TEST(ResourceModule, RefusesADataEntryOutsideTheFile) {
  Bytes module = SamplePack();
  auto whole = ResourceModule::FromBytes(module);
  ASSERT_TRUE(whole);
  // The data entries follow the tables; find the first by the size it records.
  Tree tree = FindTree(module);
  for (std::size_t at = tree.root; at + 8 <= module.size(); at += 4) {
    if (pe::ReadU32(module, at + 4) == 97 && pe::ReadU32(module, at) > tree.rva) {
      Bytes huge = module;
      Put32(huge, at + 4, 0xFFFFFFF0u);
      EXPECT_FALSE(ResourceModule::FromBytes(huge));
      Bytes far = module;
      Put32(far, at, 0xFFFFFF00u);
      EXPECT_FALSE(ResourceModule::FromBytes(far));
      return;
    }
  }
  FAIL() << "data entry not found";
}

TEST(ResourceModule, AModuleWithoutResourcesLoadsEmpty) {
  Bytes module = SamplePack();
  std::size_t pe = pe::ReadU32(module, pe::kDosNewHeaderField);
  Put32(module, pe + 4 + pe::kFileHeaderSize + pe::kDirectoriesPe32 + 16, 0);
  auto empty = ResourceModule::FromBytes(module);
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->Entries().empty());
  EXPECT_FALSE(empty->Find("WAVE", "SE11"));
}

class PackFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("vorpo-rm-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Write(const std::string& name, const Bytes& bytes) {
    std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  std::filesystem::path folder_;
};

TEST_F(PackFolder, ReadsOnlyRegularFilesOfAPackSize) {
  std::string pack = Write("sounds.vsf", SamplePack());
  ASSERT_TRUE(ResourceModule::FromFile(pack));
  EXPECT_FALSE(ResourceModule::FromFile((folder_ / "missing.vsf").string()));
  EXPECT_FALSE(ResourceModule::FromFile(folder_.string()));

  std::string fifo = (folder_ / "fifo.vsf").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(ResourceModule::FromFile(fifo)) << "and returns without waiting for a writer";

  std::string huge = Write("huge.vsf", SamplePack());
  std::filesystem::resize_file(huge, kMaxModuleBytes + 1);
  EXPECT_FALSE(ResourceModule::FromFile(huge));
}

TEST_F(PackFolder, ABareFileNameIsLookedForBesideTheProgramFirst) {
  std::filesystem::create_directory(folder_ / "program");
  std::string program = (folder_ / "program").string();
  Write("program/cards.vif", SamplePack());

  EXPECT_EQ(FindModuleFile("cards.vif", program), program + "/cards.vif");
  EXPECT_EQ(FindModuleFile("other.vif", program), "other.vif") << "then the current directory";
  EXPECT_EQ(FindModuleFile("packs/cards.vif", program), "packs/cards.vif");
  EXPECT_EQ(FindModuleFile("/abs/cards.vif", program), "/abs/cards.vif");
  EXPECT_EQ(FindModuleFile("", program), "");
}

}  // namespace
}  // namespace vorpo
