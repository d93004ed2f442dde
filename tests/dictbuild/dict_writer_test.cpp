#include "dictbuild/dict_writer.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/dict_file.h"
#include "tests/support/temp_dir.h"

namespace {

struct Built {
  bool ok = false;
  std::string file;
  std::vector<DictBuildError> errors;
  DictImage image;
};

Built Build(const std::string& source) {
  Built b;
  b.ok = BuildDict(source, &b.file, &b.errors);
  if (b.ok) {
    EXPECT_EQ(ReadDictImage(b.file, &b.image), kDictLoaded);
  }
  return b;
}

std::string RunText(const DictImage& image, const DictMapLine& line) {
  std::size_t end = line.runOffset + line.thirdNumber;
  return image.text.substr(line.runOffset, end - line.runOffset);
}

TEST(DictWriter, GroupsEntriesByDigramInTheOrderWritten) {
  Built b = Build(
      "# sample\n"
      "name: TECHNICAL\n"
      "second-name: tec\n"
      "version: 1.0\n"
      "\n"
      "valve+seat 1014\n"
      "remov^21\n"
      "  valve$ 1014  \r\n"
      "approximately 30150 about\n"
      "up 52\n"
      "in+front+of 52\n"
      "go^28\n"
      "install^20\n");
  ASSERT_TRUE(b.ok) << FormatBuildErrors("src", b.errors);
  const DictImage& img = b.image;
  EXPECT_EQ(img.descriptor.name.str() + img.descriptor.secondName.str() + img.descriptor.version.str(),
            "TECHNICALtec1.0");
  EXPECT_EQ(img.entryCount, 10);  // 8 entries, written as the loader's minimum
  EXPECT_EQ(b.file.size(), kDictMinFileSize);

  ASSERT_EQ(img.map.size(), 6u);
  const char* keys[] = {"va", "re", "ap", "up", "in", "go"};
  const char* runs[] = {"lve+seat 1014|lve$ 1014|", "mov^21|", "proximately 30150 about|",
                        "up 52|", "in+front+of 52|stall^20|", "^28|"};
  int counts[] = {2, 1, 1, 1, 2, 1};
  std::uint32_t offset = 0;
  for (std::size_t i = 0; i < img.map.size(); ++i) {
    EXPECT_STREQ(img.map[i].key, keys[i]);
    EXPECT_EQ(img.map[i].runOffset, offset);
    EXPECT_EQ(img.map[i].entryCount, counts[i]);
    EXPECT_EQ(RunText(img, img.map[i]), runs[i]);
    offset += img.map[i].thirdNumber;
  }
  EXPECT_EQ(img.textLength, offset);
}

TEST(DictWriter, MasksTheEntryText) {
  Built b = Build("aieou+x 1\n");
  ASSERT_TRUE(b.ok);
  // Stored as "eou+x 1|", then NUL padding.
  std::string stored = b.file.substr(kDictHeaderSize, 10);
  const unsigned char expected[] = {209, 212, 213, 241, 'x', 210, '1', 211, 0, 0};
  EXPECT_EQ(stored, std::string(reinterpret_cast<const char*>(expected), 10));
}

TEST(DictWriter, LargerDictionaries) {
  std::string source;
  for (int i = 0; i < 300; ++i) source += "word" + std::to_string(i) + " 1014\n";
  Built b = Build(source);
  ASSERT_TRUE(b.ok);
  EXPECT_EQ(b.image.entryCount, 300);
  EXPECT_GT(b.file.size(), kDictMinFileSize);
  ASSERT_EQ(b.image.map.size(), 1u);
  EXPECT_EQ(b.image.map[0].entryCount, 300);
}

TEST(DictWriter, RefusesBadLinesWithTheirNumber) {
  struct BadSource {
    const char* source;
    int line;
    const char* says;
  };
  const BadSource cases[] = {
      {"valve 10\nvalve|seat 10\n", 2, "'|'"},
      {"# c\nvalv\xd1 10\n", 2, "byte value 209"},
      {"valve\t10\n", 1, "control character"},
      {"a 10\n", 1, "no digram"},
      {"valve\n", 1, "no data"},
      {"lo@ 30\n", 1, "two-letter adjective"},
      {"valve 1014\nbolt 10\nvalve+seat 1014\n", 3, "line 1"},
      {"valve$ 1014\nvalves+seat 1014\n", 2, "could never match"},
      {"remov^21\nremov^+from 2A\n", 2, "could never match"},
      {"batter! 10\nbatteries+pack 10\n", 2, "could never match"},
      {"clean@ 30\ncleanly+done 30\n", 2, "could never match"},  // an adjective stem takes its -ly form
      {"name: T\nvalve 1014\nremov^2\n", 3, "inflection code letter"},
      {"name: A\nname: B\n", 2, "twice"},
      {"name: ABCDEFGHIJKLMNOPQRSTU\n", 1, "longer than 20"},
  };
  for (const BadSource& c : cases) {
    std::string file = "untouched";
    std::vector<DictBuildError> errors;
    EXPECT_FALSE(BuildDict(c.source, &file, &errors)) << c.source;
    EXPECT_EQ(file, "untouched");
    ASSERT_EQ(errors.size(), 1u) << c.source;
    EXPECT_EQ(errors[0].line, c.line) << c.source;
    EXPECT_NE(errors[0].message.find(c.says), std::string::npos) << errors[0].message;
  }
}

TEST(DictWriter, ReportsEveryErrorOfTheSource) {
  // Multi-word entries before their first word are fine; a longer word is no conflict.
  Built b = Build("valve+seat 1014\nvalve 1014\nvalves+box 10\nvalveseat 10\nremov^+from 2A\nremov^21\n"
                  "cleanly+done 30\nclean@ 30\n");
  EXPECT_TRUE(b.ok) << FormatBuildErrors("src", b.errors);
  std::string file;
  std::vector<DictBuildError> errors;
  EXPECT_FALSE(BuildDict("valve\nbolt 10\nx 1\n", &file, &errors));
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0].line, 1);
  EXPECT_EQ(errors[1].line, 3);
  std::string text = FormatBuildErrors("TEC.txt", errors);
  EXPECT_EQ(text.substr(0, 10), "TEC.txt:1:");
  EXPECT_NE(text.find("\nTEC.txt:3: "), std::string::npos);
}

TEST(DictWriter, WritesNothingOnError) {
  TempDir dir;
  std::string good = dir.Write("good.txt", "valve 10\n");
  std::string bad = dir.Write("bad.txt", "valve 10\nv 1\n");
  std::string out = (dir.path() / "out.cmp").string();
  std::string errors;
  EXPECT_FALSE(WriteDictFile(bad, out, &errors));
  EXPECT_EQ(errors, bad + ":2: entry 'v 1': no digram can be formed (the first word needs two "
                          "characters and must begin with a lower-case letter)\n");
  EXPECT_FALSE(std::filesystem::exists(out));
  ASSERT_TRUE(WriteDictFile(good, out, &errors));
  std::string first = dir.Read("out.cmp");
  EXPECT_FALSE(WriteDictFile(bad, out, &errors));
  EXPECT_EQ(dir.Read("out.cmp"), first);
  EXPECT_FALSE(WriteDictFile((dir.path() / "none.txt").string(), out, &errors));
  EXPECT_NE(errors.find("can not be read"), std::string::npos);
}

TEST(DictWriter, TheProgram) {
  TempDir dir;
  std::string source = dir.Write("s.txt", "valve 10\n");
  std::string bad = dir.Write("b.txt", "v 10\n");
  std::string tool = KESTA_DICTBUILD_PROGRAM;
  std::string out = (dir.path() / "s.cmp").string();
  auto run = [&](const std::string& args) {
    int status = std::system((tool + " " + args + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  EXPECT_EQ(run(source + " " + out), 0);
  EXPECT_TRUE(std::filesystem::exists(out));
  EXPECT_EQ(run(bad + " " + out + "x"), 1);
  EXPECT_FALSE(std::filesystem::exists(out + "x"));
  EXPECT_EQ(run(""), 2);
}

}  // namespace
