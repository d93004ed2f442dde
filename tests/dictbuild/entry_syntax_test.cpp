#include "dictbuild/entry_syntax.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictbuild/dict_writer.h"

namespace {

TEST(EntrySyntax, AcceptsEveryEntryKind) {
  for (const char* entry :
       {"valve 1014", "approximately 30150 about", "hose 1214> tube", "valve+seat 1014", "battery! 1014",
        "battery!+cover 1014", "valve$ 1014", "valve$ 1014> tube", "clean@", "clean@ 30", "remov^21",
        "remov^21 remove", "open&20", "check?20", "utiliz^30021 use", "go^28", "shut^2G>", "carr^+out 35 do",
        "look^+out+for 30", "set^+up 2G", "pressure 30127%force"})
    EXPECT_EQ(CheckEntrySyntax(entry), "") << entry;
}

TEST(EntrySyntax, RefusesEntriesTheMatcherWouldMisread) {
  for (const char* entry :
       {"valve", "valve ", "valve  1014", "battery!1014", "battery!", "valve$", "valve$1014", "clean@30",
        "remov^", "remov^2", "remov^2Z", "remov^x1", "remov^210", "utiliz^30021", "carr^+out", "carr^+out 3",
        "carr^+out 4A", "carr^+out 35do", "carr^+ 35", "carr^+out++of 35", "carr^+o2t 35",
        "valve+carr^+out 35", "valve+ 1014", "valve++seat 1014"})
    EXPECT_NE(CheckEntrySyntax(entry), "") << entry;
}

TEST(EntrySyntax, TheWriterRefusesTheLineWithItsNumber) {
  std::string file;
  std::vector<DictBuildError> errors;
  EXPECT_FALSE(BuildDict("name: T\nvalve 1014\nremov^2\n", &file, &errors));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].line, 3);
  EXPECT_NE(errors[0].message.find("inflection code letter"), std::string::npos);
}

TEST(EntrySyntax, AnAdjectiveStemShadowsItsLyForm) {
  std::string file;
  std::vector<DictBuildError> errors;
  EXPECT_FALSE(BuildDict("clean@ 30\ncleanly+done 30\n", &file, &errors));
  EXPECT_TRUE(BuildDict("cleanly+done 30\nclean@ 30\n", &file, &errors));
}

}  // namespace
