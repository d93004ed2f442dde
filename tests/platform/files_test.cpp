// Replacing a file's content: whole or not at all, and no temporary file
// left beside it, whichever way the file system allows.
#include "platform/files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

bool UnnamedFilesOffered(const fs::path& dir) {
  int fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

// The soft limit of the file size, for one test, and the signal it raises.
class FileSizeLimit {
 public:
  FileSizeLimit(rlim_t bytes, bool ignoreSignal) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    oldHandler_ = ::signal(SIGXFSZ, ignoreSignal ? SIG_IGN : SIG_DFL);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  sighandler_t oldHandler_;
};

class ReplaceFile : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { RefuseUnnamedTemporaryForTesting(GetParam()); }
  void TearDown() override { RefuseUnnamedTemporaryForTesting(false); }
  TempDir dir_;
};

}  // namespace

// A new file, an old one with its permissions, and one through a link: each
// replaced whole, with nothing beside it afterwards.
TEST_P(ReplaceFile, WholeAndNothingLeftBeside) {
  int error = -1;
  const char* stage = "";
  const std::string doc = (dir_.path() / "doc.xml").string();
  ASSERT_TRUE(ReplaceFileContent(doc, "first", &error, &stage)) << stage << error;
  EXPECT_EQ(dir_.Read("doc.xml"), "first");
  ::chmod(doc.c_str(), 0640);
  ASSERT_TRUE(ReplaceFileContent(doc, "second", &error, &stage)) << stage << error;
  EXPECT_EQ(dir_.Read("doc.xml"), "second");
  struct stat st;
  ASSERT_EQ(::stat(doc.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  fs::create_symlink(doc, dir_.path() / "link.xml");
  ASSERT_TRUE(ReplaceFileContent((dir_.path() / "link.xml").string(), "third", &error, &stage)) << stage << error;
  EXPECT_TRUE(fs::is_symlink(dir_.path() / "link.xml"));
  EXPECT_EQ(dir_.Read("doc.xml"), "third");
  EXPECT_EQ(Names(dir_.path()), (std::vector<std::string>{"doc.xml", "link.xml"}));
}

// A write that fails leaves the old file as it was and nothing beside it.
TEST_P(ReplaceFile, FailedWriteLeavesTheOldFile) {
  const std::string doc = dir_.Write("doc.xml", "old");
  int error = 0;
  const char* stage = "";
  {
    FileSizeLimit limit(1024, true);
    EXPECT_FALSE(ReplaceFileContent(doc, std::string(4096, 'x'), &error, &stage));
  }
  EXPECT_STREQ(stage, "write");
  EXPECT_EQ(error, EFBIG);
  EXPECT_EQ(dir_.Read("doc.xml"), "old");
  EXPECT_EQ(Names(dir_.path()), std::vector<std::string>{"doc.xml"});
}

INSTANTIATE_TEST_SUITE_P(Ways, ReplaceFile, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "NamedTemporary" : "UnnamedFile"; });

// A run killed while writing (here by the file size limit's signal) leaves
// the old file and no temporary file beside it.
TEST(ReplaceFileKilled, LeavesNothingBeside) {
  TempDir dir;
  if (!UnnamedFilesOffered(dir.path())) GTEST_SKIP() << "no unnamed files on the file system of " << dir.path();
  const std::string doc = dir.Write("doc.xml", "old");
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    FileSizeLimit limit(1024, false);
    int error = 0;
    const char* stage = "";
    ReplaceFileContent(doc, std::string(65536, 'x'), &error, &stage);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status)) << status;
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
  EXPECT_EQ(dir.Read("doc.xml"), "old");
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"doc.xml"});
}

// The size limit holds at its byte: a file of the limit is read, one byte
// more is refused and leaves nothing read.
TEST(ReadFileBytes, RefusesAFileOverItsLimit) {
  TempDir dir;
  const std::string path = dir.Write("six.xml", "<a/>\n\n");
  std::string bytes = "old";
  EXPECT_TRUE(ReadFileBytes(path, &bytes, nullptr, 6));
  EXPECT_EQ(bytes, "<a/>\n\n");
  errno = 0;
  EXPECT_FALSE(ReadFileBytes(path, &bytes, nullptr, 5));
  EXPECT_EQ(errno, EFBIG);
  EXPECT_TRUE(bytes.empty());
}
