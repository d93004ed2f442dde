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

TEST(NativePath, FindsEachPartAsTheFileSystemNamesIt) {
  TempDir dir;
  const std::string cyrillic = "\u0440\u0435\u043c\u043e\u043d\u0442", house = "\u0434\u043e\u043c", cat = "\u043a\u043e\u0442";
  for (const std::string& file : std::initializer_list<std::string>{"d\u00e9pose/a.xml", house + "/x/d.xml", cat + "/y/d.xml", "x?y/e.xml", cyrillic + "/b.xml"})
    dir.Write(file, "<a/>");
  const std::string root = dir.path().string() + "/";
  ForgetGivenPathsForTesting();
  NoteGivenPath(root + cat);
  // In the code page, a '?' of the name's own, files not there yet (named
  // as they would be made), and below a folder the module was given, not
  // the look-alike the rest of the path is below.
  for (const std::string& path : std::initializer_list<std::string>{"d\u00e9pose/a.xml", "x?y/e.xml", "d\u00e9pose/new.xml", cat + "/y/d.xml", cat + "/x/d.xml"})
    EXPECT_EQ(NativePath(Utf8ToAnsi(root + path)), root + path) << path;
  EXPECT_EQ(NativePath("C:\\plain\\path.xml"), "C:/plain/path.xml");
  // Letters the module was not given are not guessed from names that look
  // alike; nor are two folders given alike told apart.
  NoteGivenPath(root + house);
  for (const std::string& path : std::initializer_list<std::string>{cyrillic + "/b.xml", cat + "/y/d.xml"}) {
    errno = 0;
    EXPECT_FALSE(FileExists(Utf8ToAnsi(root + path))) << path;
    EXPECT_EQ(errno, EILSEQ) << path;
  }

  // A folder from the environment reaches the module in its code page, and
  // its files are found all the same.
  ::setenv("KESTA_TEST_FOLDER", (root + cyrillic).c_str(), 1);
  std::string ansi, native;
  ASSERT_TRUE(GetEnvVar("KESTA_TEST_FOLDER", &ansi) && GetNativeEnvVar("KESTA_TEST_FOLDER", &native));
  ::unsetenv("KESTA_TEST_FOLDER");
  EXPECT_EQ(ansi, root + "??????");
  EXPECT_EQ(native, root + cyrillic);
  EXPECT_TRUE(FileWritable(ansi + "\\b.xml"));
  ForgetGivenPathsForTesting();
}

}  // namespace
