// The file system's names of the paths the module gives in its code page.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/environment.h"
#include "platform/files.h"
#include "platform/wide_text.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(NativePath, FindsEachPartAsTheFileSystemNamesIt) {
  TempDir dir;
  const std::string cyrillic = "\u0440\u0435\u043c\u043e\u043d\u0442";
  for (const char* file : {"d\u00e9pose/a.xml", "\u0434\u043e\u043c/x/d.xml", "\u043a\u043e\u0442/y/d.xml", "x?y/e.xml"})
    dir.Write(file, "<a/>");
  dir.Write(cyrillic + "/b.xml", "<a/>");
  const std::string root = dir.path().string() + "/";
  // In the code page, outside it ('?' to the module), two folders the code
  // page shows alike (the one the rest is below), a '?' of the name's own,
  // and files not there yet (named as they would be made).
  for (const std::string& path : std::initializer_list<std::string>{"d\u00e9pose/a.xml", cyrillic + "/b.xml", "\u043a\u043e\u0442/y/d.xml",
       "\u0434\u043e\u043c/x/d.xml", "x?y/e.xml", "d\u00e9pose/new.xml", cyrillic + "/\u00e9.xml"})
    EXPECT_EQ(NativePath(Utf8ToAnsi(root + path)), root + path) << path;
  EXPECT_EQ(NativePath("C:\\plain\\path.xml"), "C:/plain/path.xml");

  // A folder from the environment reaches the module in its code page, and
  // its files are found all the same.
  ::setenv("KESTA_TEST_FOLDER", (root + cyrillic).c_str(), 1);
  std::string ansi, native;
  ASSERT_TRUE(GetEnvVar("KESTA_TEST_FOLDER", &ansi) && GetNativeEnvVar("KESTA_TEST_FOLDER", &native));
  ::unsetenv("KESTA_TEST_FOLDER");
  EXPECT_EQ(ansi, root + "??????");
  EXPECT_EQ(native, root + cyrillic);
  EXPECT_TRUE(FileWritable(ansi + "\\b.xml"));
}

}  // namespace
