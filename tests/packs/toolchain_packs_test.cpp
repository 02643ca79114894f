// Packs made by other tools than this program's writer: the GNU toolchain for Windows (windres
// and ld, 32 and 64 bit), and the vorpo-pack command with wrestool as an outside reader.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "image_pack.h"
#include "pack_fixtures.h"
#include "pe_bitmap.h"
#include "resource_module.h"

namespace vorpo {
namespace {

using namespace packs_test;

const std::filesystem::path kResources = VORPO_RESOURCES_DIR;
const char* const kSounds[] = {"SE11", "SE12", "SE13", "SE14", "SE15", "SE16", "SE17", "SE18"};

// A path for the shell and one for a resource script.
std::string Quoted(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}
std::string InScript(const std::filesystem::path& path) {
  return "\"" + path.string() + "\"";
}

std::filesystem::path Bitmap(const char* name) {
  return kResources / "images" / (std::string(name) + ".bmp");
}
std::filesystem::path Sound(const char* name) {
  return kResources / "sounds" / (std::string(name) + ".wav");
}

class Toolchain : public ScratchFolder, public ::testing::WithParamInterface<const char*> {
 protected:
  // Compiles a resource script with windres and links it into a resource-only DLL with ld.
  std::string Link(const std::string& name, const std::string& script) {
    std::string prefix = GetParam();
    std::ofstream(Path(name + ".rc")) << script;
    std::string object = Quoted(Path(name + ".o"));
    std::string module = Path(name + ".dll").string();
    EXPECT_EQ(RunCommand(prefix + "-windres --preprocessor=cat -O coff -i " +
                         Quoted(Path(name + ".rc")) + " -o " + object),
              0);
    EXPECT_EQ(RunCommand(prefix + "-ld --dll -e 0 -o '" + module + "' " + object), 0);
    return module;
  }

  void SetUp() override {
    ScratchFolder::SetUp();
    std::string prefix = GetParam();
    if (!HaveTool(prefix + "-windres") || !HaveTool(prefix + "-ld")) {
      GTEST_SKIP() << prefix << "-windres or -ld is not installed";
    }
  }
};

TEST_P(Toolchain, ImagePackGivesTheSamePicturesAsTheBuiltInOnes) {
  std::string pack =
      Link("cards", "CARDIMAGE BITMAP " + InScript(Bitmap("CARDIMAGE")) + "\n" +
                        "OTHERIMAGE BITMAP " + InScript(Bitmap("OTHERIMAGE")) + "\n");
  ImageList cards(40, 60, 56), others(40, 25, 4), builtInCards(40, 60, 56),
      builtInOthers(40, 25, 4);
  ASSERT_TRUE(FillImageLists(pack, true, cards, others));
  ASSERT_TRUE(FillImageLists("", false, builtInCards, builtInOthers));
  QImage a(400, 60, QImage::Format_RGB32), b(400, 60, QImage::Format_RGB32);
  for (int cell = 0; cell < 56; cell += 5) {
    a.fill(Qt::black);
    b.fill(Qt::black);
    cards.Draw(a, 0, 0, cell);
    builtInCards.Draw(b, 0, 0, cell);
    EXPECT_EQ(a, b) << "cell " << cell;
  }
  a.fill(Qt::black);
  b.fill(Qt::black);
  others.Draw(a, 0, 0, 1);
  builtInOthers.Draw(b, 0, 0, 1);
  EXPECT_EQ(a, b);
}

TEST_P(Toolchain, SoundPackHoldsTheWaveFilesByteForByte) {
  std::string script;
  for (const char* name : kSounds)
    script += std::string(name) + " WAVE " + InScript(Sound(name)) + "\n";
  auto module = ResourceModule::FromFile(Link("sounds", script));
  ASSERT_TRUE(module);
  for (const char* name : kSounds) {
    auto wave = module->Find("WAVE", name);
    ASSERT_TRUE(wave) << name;
    EXPECT_EQ(Bytes(wave->begin(), wave->end()), ReadFile(Sound(name))) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, Toolchain,
                         ::testing::Values("i686-w64-mingw32", "x86_64-w64-mingw32"));

class VorpoPack : public ScratchFolder {
 protected:
  // Runs vorpo-pack with the arguments; its exit status, with its output and errors kept.
  int Pack(const std::string& arguments) {
    return RunCommand(std::string("'") + VORPO_PACK_TOOL + "' " + arguments + " >" +
                      Quoted(Path("out.txt")) + " 2>" + Quoted(Path("err.txt")));
  }
  std::string Output(const char* file) {
    std::ifstream in(Path(file));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::string SoundArguments() {
    std::string arguments;
    for (const char* name : kSounds) arguments += " " + Quoted(Sound(name));
    return arguments;
  }
};

TEST_F(VorpoPack, BuildsPacksTheGameAndWrestoolRead) {
  ASSERT_EQ(Pack("vif " + Quoted(Path("p.vif")) + " " + Quoted(Bitmap("CARDIMAGE")) + " " +
                 Quoted(Bitmap("OTHERIMAGE"))),
            0)
      << Output("err.txt");
  ASSERT_EQ(Pack("vsf " + Quoted(Path("p.vsf")) + SoundArguments()), 0) << Output("err.txt");

  ImageList cards(40, 60, 56), others(40, 25, 4);
  EXPECT_TRUE(FillImageLists(Path("p.vif").string(), true, cards, others));
  auto sounds = ResourceModule::FromFile(Path("p.vsf").string());
  ASSERT_TRUE(sounds);
  for (const char* name : kSounds) {
    auto wave = sounds->Find("WAVE", name);
    ASSERT_TRUE(wave) << name;
    EXPECT_EQ(Bytes(wave->begin(), wave->end()), ReadFile(Sound(name)));
  }

  ASSERT_EQ(Pack("list " + Quoted(Path("p.vif"))), 0);
  EXPECT_EQ(Output("out.txt"),
            "BITMAP\tCARDIMAGE\t0\t" + std::to_string(ReadFile(Bitmap("CARDIMAGE")).size() - 14) +
                "\nBITMAP\tOTHERIMAGE\t0\t" +
                std::to_string(ReadFile(Bitmap("OTHERIMAGE")).size() - 14) + "\n");

  if (!HaveTool("wrestool")) GTEST_SKIP() << "wrestool (icoutils) is not installed";
  ASSERT_EQ(RunCommand("wrestool -l " + Quoted(Path("p.vif")) + " >" + Quoted(Path("listed.txt"))),
            0);
  std::string listed = Output("listed.txt");
  EXPECT_NE(listed.find("--type=2 --name='CARDIMAGE'"), std::string::npos) << listed;
  EXPECT_NE(listed.find("--type=2 --name='OTHERIMAGE'"), std::string::npos) << listed;
  ASSERT_EQ(RunCommand("wrestool -x --type=2 --name=CARDIMAGE -R " + Quoted(Path("p.vif")) + " >" +
                       Quoted(Path("raw.dib"))),
            0);
  Bytes bmp = ReadFile(Bitmap("CARDIMAGE"));
  EXPECT_EQ(ReadFile(Path("raw.dib")), Bytes(bmp.begin() + 14, bmp.end()));

  ASSERT_EQ(RunCommand("wrestool -l " + Quoted(Path("p.vsf")) + " >" + Quoted(Path("listed.txt"))),
            0);
  std::string waves = Output("listed.txt");
  EXPECT_EQ(std::count(waves.begin(), waves.end(), '\n'), 8) << waves;
  EXPECT_EQ(waves.find("--type='WAVE'"), 0u) << waves;
}

TEST_F(VorpoPack, ExtractsEveryResourceAsAFile) {
  ASSERT_EQ(Pack("vif " + Quoted(Path("p.vif")) + " " + Quoted(Bitmap("CARDIMAGE")) + " " +
                 Quoted(Bitmap("OTHERIMAGE"))),
            0);
  ASSERT_EQ(Pack("vsf " + Quoted(Path("p.vsf")) + SoundArguments()), 0);
  ASSERT_EQ(Pack("extract " + Quoted(Path("p.vif")) + " " + Quoted(Path("out"))), 0)
      << Output("err.txt");
  ASSERT_EQ(Pack("extract " + Quoted(Path("p.vsf")) + " " + Quoted(Path("out"))), 0)
      << Output("err.txt");
  EXPECT_EQ(ReadFile(Path("out/CARDIMAGE.bmp")), ReadFile(Bitmap("CARDIMAGE")));
  EXPECT_EQ(ReadFile(Path("out/OTHERIMAGE.bmp")), ReadFile(Bitmap("OTHERIMAGE")));
  for (const char* name : kSounds) {
    EXPECT_EQ(ReadFile(Path("out") / (std::string(name) + ".wav")), ReadFile(Sound(name))) << name;
  }
}

TEST_F(VorpoPack, RefusesBadArgumentsAndInputsWithOneLine) {
  WriteFile(Path("text.txt"), Bytes{'h', 'i', '\n'});
  const std::string out = Quoted(Path("new.vif"));
  const std::string bad[] = {
      "",
      "pack something",
      "vif " + out + " " + Quoted(Bitmap("CARDIMAGE")),
      "vif " + out + " " + Quoted(Path("missing.bmp")) + " " + Quoted(Bitmap("OTHERIMAGE")),
      "vif " + out + " " + Quoted(Bitmap("OTHERIMAGE")) + " " + Quoted(Bitmap("OTHERIMAGE")),
      "vif " + out + " " + Quoted(Path("text.txt")) + " " + Quoted(Bitmap("OTHERIMAGE")),
      "vif " + out + " " + Quoted(folder_) + " " + Quoted(Bitmap("OTHERIMAGE")),
      "vsf " + Quoted(Path("new.vsf")) + SoundArguments() + " " + Quoted(Sound("SE11")),
      "vsf " + Quoted(Path("new.vsf")) + " " + Quoted(Bitmap("CARDIMAGE")) +
          SoundArguments().substr(SoundArguments().find(' ', 1)),
      "list " + Quoted(Path("text.txt")),
      "list",
      "extract " + Quoted(Path("text.txt")) + " " + Quoted(Path("dir")),
  };
  for (const std::string& arguments : bad) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(Pack(arguments), 2);
    std::string error = Output("err.txt");
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
    EXPECT_EQ(error.rfind("vorpo-pack: ", 0), 0u) << error;
  }
  EXPECT_FALSE(std::filesystem::exists(Path("new.vif")));
  EXPECT_FALSE(std::filesystem::exists(Path("new.vsf")));
  EXPECT_FALSE(std::filesystem::exists(Path("dir")));
}

}  // namespace
}  // namespace vorpo
