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
  for (const char* file : {"d\u00e9pose/a.xml", "\u0440\u0435\u043c\u043e\u043d\u0442/b.xml", "a\u2013b/c.xml",
                           "\u0434\u043e\u043c/x/d.xml", "\u043a\u043e\u0442/y/d.xml", "x?y/e.xml"})
    dir.Write(file, "<a/>");
  const std::string root = dir.path().string() + "/";
  struct Row {
    std::string given;  // UTF-8 here; the module's text is its code page form
    bool ansi;
    std::string native;
  };
  const Row rows[] = {
      {"d\u00e9pose/a.xml", true, "d\u00e9pose/a.xml"},
      {"d\u00e9pose/a.xml", false, "d\u00e9pose/a.xml"},  // from the environment
      {"a\u2013b/c.xml", true, "a\u2013b/c.xml"},
      {"\u0440\u0435\u043c\u043e\u043d\u0442/b.xml", true, "\u0440\u0435\u043c\u043e\u043d\u0442/b.xml"},
      // Two folders the code page shows alike: the one the rest is below.
      {"\u043a\u043e\u0442/y/d.xml", true, "\u043a\u043e\u0442/y/d.xml"},
      {"\u0434\u043e\u043c/x/d.xml", true, "\u0434\u043e\u043c/x/d.xml"},
      {"x?y/e.xml", true, "x?y/e.xml"},
      // Not there yet: named as it would be made.
      {"d\u00e9pose/new.xml", true, "d\u00e9pose/new.xml"},
      {"\u00e9t\u00e9/new.xml", true, "\u00e9t\u00e9/new.xml"},
      {"\u0440\u0435\u043c\u043e\u043d\u0442/\u00e9.xml", true, "\u0440\u0435\u043c\u043e\u043d\u0442/\u00e9.xml"},
  };
  for (const Row& row : rows) {
    const std::string given = root + row.given;
    EXPECT_EQ(NativePath(row.ansi ? Utf8ToAnsi(given) : given), root + row.native) << row.given;
  }
  EXPECT_EQ(NativePath("C:\\plain\\path.xml"), "C:/plain/path.xml");
  EXPECT_TRUE(FileWritable(Utf8ToAnsi(root + "\u0440\u0435\u043c\u043e\u043d\u0442\\b.xml")));

  // A folder from the environment reaches the module in its code page, and
  // its files are found all the same.
  const std::string folder = root + "\u0440\u0435\u043c\u043e\u043d\u0442";
  ::setenv("KESTA_TEST_FOLDER", folder.c_str(), 1);
  std::string ansi, native;
  ASSERT_TRUE(GetEnvVar("KESTA_TEST_FOLDER", &ansi) && GetNativeEnvVar("KESTA_TEST_FOLDER", &native));
  ::unsetenv("KESTA_TEST_FOLDER");
  EXPECT_EQ(ansi, root + "??????");
  EXPECT_EQ(native, folder);
  EXPECT_TRUE(FileExists(ansi + "\\b.xml"));
}

}  // namespace
