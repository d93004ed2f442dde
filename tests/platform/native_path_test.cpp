// The file system's names of the paths the module gives in its code page.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/environment.h"
#include "platform/files.h"
#include "platform/wide_text.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string kRepair = "\u0440\u0435\u043c\u043e\u043d\u0442", kHouse = "\u0434\u043e\u043c", kCat = "\u043a\u043e\u0442";

class NativePathTest : public ::testing::Test {
 protected:
  NativePathTest() {
    ForgetGivenPathsForTesting();
    for (const std::string& file : {std::string("d\u00e9pose/a.xml"), kHouse + "/x/d.xml", kCat + "/y/d.xml",
                                     std::string("x?y/e.xml"), kRepair + "/b.xml"})
      dir_.Write(file, "<a/>");
    root_ = dir_.path().string() + "/";
  }
  ~NativePathTest() override { ForgetGivenPathsForTesting(); }
  // The path as the module names it: in its code page, with '\'.
  std::string Ansi(const std::string& path) const {
    std::string ansi = Utf8ToAnsi(root_ + path);
    for (char& c : ansi)
      if (c == '/') c = '\\';
    return ansi;
  }

  TempDir dir_;
  std::string root_;
};

TEST_F(NativePathTest, FindsEachPartAsTheFileSystemNamesIt) {
  // In the code page, a '?' of the name's own, and files not there yet
  // (named as they would be made).
  for (const char* path : {"d\u00e9pose/a.xml", "x?y/e.xml", "d\u00e9pose/new.xml", "\u00e9t\u00e9/new.xml"})
    EXPECT_EQ(NativePath(Ansi(path)), root_ + path) << path;
  EXPECT_EQ(NativePath("C:\\plain\\path.xml"), "C:/plain/path.xml");

  // Letters the code page cannot hold reach the module as '?': what the
  // module was not given is not guessed from the names that look alike,
  // even where only one does or only one holds the rest of the path.
  for (const std::string& path : {kRepair + "/b.xml", kHouse + "/x/d.xml", kCat + "/y/d.xml"}) {
    errno = 0;
    EXPECT_EQ(NativePath(Ansi(path)), "") << path;
    EXPECT_EQ(errno, EILSEQ) << path;
    EXPECT_FALSE(FileExists(Ansi(path))) << path;
  }

  // A folder given to the module: that very folder, and the paths below
  // it, made there too, not its look-alike's.
  NoteGivenPath(root_ + kCat);
  for (const std::string& path : {kCat + "/y/d.xml", kCat + "/x/d.xml", kCat + "/new.txt", kCat})
    EXPECT_EQ(NativePath(Ansi(path)), root_ + path) << path;
  EXPECT_TRUE(FileWritable(Ansi(kCat + "/y/d.xml")));

  // Two given alike are told apart only below where they differ.
  NoteGivenPath(root_ + kHouse + "/");
  NoteGivenPath(root_ + kHouse + "/x");
  EXPECT_EQ(NativePath(Ansi(kHouse + "/x/d.xml")), root_ + kHouse + "/x/d.xml");
  errno = 0;
  EXPECT_EQ(NativePath(Ansi(kCat + "/y/d.xml")), "");
  EXPECT_EQ(errno, EILSEQ);
  EXPECT_EQ(OpenFile(Ansi(kCat + "/new.txt"), "wb"), nullptr);
  EXPECT_EQ(errno, EILSEQ);
}

// A folder from the environment reaches the module in its code page, and
// its files are found all the same.
TEST_F(NativePathTest, FoldersFromTheEnvironmentAreGiven) {
  ::setenv("KESTA_TEST_FOLDER", (root_ + kRepair).c_str(), 1);
  std::string ansi, native;
  ASSERT_TRUE(GetEnvVar("KESTA_TEST_FOLDER", &ansi) && GetNativeEnvVar("KESTA_TEST_FOLDER", &native));
  ::unsetenv("KESTA_TEST_FOLDER");
  EXPECT_EQ(ansi, root_ + "??????");
  EXPECT_EQ(native, root_ + kRepair);
  EXPECT_TRUE(FileWritable(ansi + "\\b.xml"));
}

}  // namespace
