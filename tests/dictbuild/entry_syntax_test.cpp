#include "dictbuild/entry_syntax.h"

#include <gtest/gtest.h>

namespace {

TEST(EntrySyntax, AcceptsEveryEntryKind) {
  for (const char* entry :
       {"approximately 30150 about", "hose 1214> tube", "battery!+cover 1014", "valve$ 1014> tube", "clean@",
        "remov^21 remove", "open&20", "check?20", "shut^2G>", "look^+out+for 30", "pressure 30127%force"})
    EXPECT_EQ(CheckEntrySyntax(entry), "") << entry;
}

TEST(EntrySyntax, RefusesEntriesTheMatcherWouldMisread) {
  for (const char* entry :
       {"valve ", "valve  1014", "battery!1014", "valve$", "clean@30", "remov^2", "remov^2Z", "remov^210",
        "utiliz^30021", "carr^+out 4A", "carr^+out 35do", "carr^+ 35", "carr^+o2t 35", "valve+carr^+out 35",
        "valve++seat 1014"})
    EXPECT_NE(CheckEntrySyntax(entry), "") << entry;
}

}  // namespace
