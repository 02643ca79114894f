#include "whole_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sched.h>
#include <set>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "file_size_limit.h"
#include "ini_file.h"
#include "ini_test_folder.h"

namespace vorpo {
namespace {

namespace fs = std::filesystem;
using testing::FileSizeLimit;
using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;

std::set<std::string> Listing(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

ino_t Inode(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

// The id of a process that has just ended.
pid_t EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

std::string TemporaryFor(const std::string& file, pid_t writer, int attempt) {
  return "." + file + "." + std::to_string(writer) + "." + std::to_string(attempt) + ".tmp";
}

bool TakePrivateMounts() {
  static const bool taken = ::unshare(CLONE_NEWNS) == 0 &&
                            ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
  return taken;
}

// A folder that takes no new file and no rename, holding one file that can still be written.
// For a user that is a folder without write permission. Root passes permissions by, so there
// the folder is a read-only mount of itself, with a writable file mounted over the file's place
// (as a container gets its settings file); Ready() is false where mounting is not allowed.
class LockedFolder {
 public:
  LockedFolder(const std::string& bytes) : locked_(base_.Path() / "locked") {
    fs::create_directory(locked_);
    file_ = (locked_ / "vorpo.ini").string();
    WriteBytes(file_, bytes);
    if (::geteuid() != 0) {
      fs::permissions(locked_, fs::perms(0555));
      ready_ = true;
      return;
    }
    const std::string outside = base_.File("mounted.ini");
    WriteBytes(outside, bytes);
    ready_ = TakePrivateMounts() &&
             ::mount(locked_.c_str(), locked_.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
             ::mount(nullptr, locked_.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY,
                     nullptr) == 0 &&
             ::mount(outside.c_str(), file_.c_str(), nullptr, MS_BIND, nullptr) == 0;
  }
  ~LockedFolder() {
    if (::geteuid() != 0) {
      fs::permissions(locked_, fs::perms(0755));
      return;
    }
    ::umount2(file_.c_str(), MNT_DETACH);
    ::umount2(locked_.c_str(), MNT_DETACH);
  }
  LockedFolder(const LockedFolder&) = delete;
  LockedFolder& operator=(const LockedFolder&) = delete;

  bool Ready() const { return ready_; }
  const std::string& File() const { return file_; }
  const fs::path& Path() const { return locked_; }
  // Makes the file itself refuse writes too.
  bool LockFile() {
    if (::geteuid() != 0) return ::chmod(file_.c_str(), 0444) == 0;
    return ::mount(nullptr, file_.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  TestFolder base_;
  fs::path locked_;
  std::string file_;
  bool ready_ = false;
};

TEST(ReplaceFileWhole, RenamesANewFileIntoPlaceWhereTheFolderAllows) {
  TestFolder folder;
  const std::string path = folder.File("vorpo.ini");
  WriteBytes(path, "[Game]\nWait=1\n");
  const ino_t before = Inode(path);
  ASSERT_EQ(ReplaceFileWhole(path, "[Game]\nWait=2\n"), 0);
  EXPECT_EQ(ReadBytes(path), "[Game]\nWait=2\n");
  // A new file took the old one's place: a reader that had the old one open keeps it whole.
  EXPECT_NE(Inode(path), before);
}

TEST(ReplaceFileWhole, RemovesTemporariesOnlyOfWritersThatNoLongerRun) {
  TestFolder folder;
  const std::string path = folder.File("vorpo.ini");
  WriteBytes(path, "old");
  const pid_t ended = EndedProcess();
  const std::vector<std::string> abandoned = {TemporaryFor("vorpo.ini", ended, 0),
                                              TemporaryFor("vorpo.ini", ended, 12)};
  const std::vector<std::string> kept = {
      // Writers that still run: the process that started the tests, and this one.
      TemporaryFor("vorpo.ini", ::getppid(), 0),
      TemporaryFor("vorpo.ini", ::getpid(), 5),
      // Another file's, and names that are not of our making.
      TemporaryFor("other.ini", ended, 0),
      ".vorpo.ini.x.0.tmp",
      ".vorpo.ini.0" + std::to_string(ended) + ".0.tmp",
      ".vorpo.ini.-" + std::to_string(ended) + ".0.tmp",
      TemporaryFor("vorpo.ini", ended, 0) + ".bak",
      TemporaryFor("vorpo.ini", ended, 0).substr(1),
  };
  for (const auto& name : abandoned) WriteBytes(folder.File(name), "half");
  for (const auto& name : kept) WriteBytes(folder.File(name), "half");
  // A folder of that name is no temporary file.
  fs::create_directory(folder.File(TemporaryFor("vorpo.ini", ended, 1)));

  ASSERT_EQ(ReplaceFileWhole(path, "new"), 0);
  std::set<std::string> expected(kept.begin(), kept.end());
  expected.insert({"vorpo.ini", TemporaryFor("vorpo.ini", ended, 1)});
  EXPECT_EQ(Listing(folder.Path()), expected);
  EXPECT_EQ(ReadBytes(path), "new");
}

TEST(ReplaceFileWhole, WritesInPlaceWhereTheFolderTakesNoNewFile) {
  LockedFolder folder("[Game]\nWait=1\nName1=A name of some length\n");
  if (!folder.Ready()) GTEST_SKIP() << "no way here to lock a folder for this user";
  const std::string path = folder.File();
  ASSERT_NE(ReplaceFileWhole((folder.Path() / "probe").string(), "x"), 0)
      << "the folder should be locked";
  const ino_t before = Inode(path);

  EXPECT_EQ(ReplaceFileWhole(path, "[Game]\nWait=2\n"), 0) << "a shorter file";
  EXPECT_EQ(ReadBytes(path), "[Game]\nWait=2\n");
  const std::string longer = "[Game]\nName1=" + std::string(5000, 'x') + "\n";
  EXPECT_EQ(ReplaceFileWhole(path, longer), 0) << "a longer file";
  EXPECT_EQ(ReadBytes(path), longer);
  auto settings = IniFile::Read(path);
  settings.Set("Game", "Name1", "Bob");
  EXPECT_TRUE(settings.WriteTo(path)) << "the settings file";
  EXPECT_EQ(ReadBytes(path), "[Game]\nName1=Bob\n");
  EXPECT_EQ(Inode(path), before);
  EXPECT_EQ(Listing(folder.Path()), std::set<std::string>{"vorpo.ini"});

  // A file that cannot itself be written is a failure, and stays as it was.
  ASSERT_TRUE(folder.LockFile());
  EXPECT_NE(ReplaceFileWhole(path, "[Game]\nWait=3\n"), 0);
  EXPECT_EQ(ReadBytes(path), "[Game]\nName1=Bob\n");
}

TEST(ReplaceFileWhole, AFailedWriteInPlaceLeavesTheOldFileWhole) {
  const std::string old = "[Game]\nName1=Bob\n";
  LockedFolder folder(old);
  if (!folder.Ready()) GTEST_SKIP() << "no way here to lock a folder for this user";

  int error = 0;
  {
    const FileSizeLimit limit(1000);
    ASSERT_TRUE(limit.Set());
    error = ReplaceFileWhole(folder.File(), std::string(4000, 'x'));
  }

  EXPECT_EQ(error, EFBIG);
  EXPECT_EQ(ReadBytes(folder.File()), old);
}

}  // namespace
}  // namespace vorpo
