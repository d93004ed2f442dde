#include "engine/second_rules.h"

#include <gtest/gtest.h>

#include "tests/engine/list_cases.h"

namespace {

// Each case: a list and what the second rules change in it.
TEST(SecondRulesTest, Rules) {
  RunListCases(
      {
          // Nouns used as verbs: at the sentence start, mid-sentence, after a modal.
          {{{"Check", 10, "NMS**", "sub=12"}, {"a", 64}, {"valve", 10}, {".", 48}},
           "Check: suggestion=\"Make a check\" wordClass=20 subClass=0 message=300 ruleId=3469"},
          {{{"Do", 20}, {"a", 64}, {"check", 10, "NMS**", "sub=12 msg=301"}, {"valve", 10}, {"and", 63},
            {"check", 10, "NMS**", "sub=12 mark=1"}, {".", 48}}, "check: subClass=0 message=0\ncheck: subClass=0"},
          {{{"You", 66}, {"can", 28}, {"switch", 10, "NMS**", "sub=12"}, {"valves", 11}, {".", 48}},
           "switch: suggestion=\"Push/Put/Move\" wordClass=20 subClass=0 message=322 ruleId=3568"},
          {{{"Check", 10, "NMS**", "sub=12"}, {"it", 66}, {".", 48}}, "Check: subClass=0"},
          {{{"Testing", 10, "NMS**", "sub=12"}, {"the", 64}, {"unit", 10}, {".", 48}}, "Testing: wordClass=23 subClass=0 message=338 ruleId=1386"},
          // "LH side": one finding on "LH" covering both words.
          {{{"Open", 20}, {"LH", 10}, {"side", 10, "NMS**", "sub=75"}, {"panel", 10}, {".", 48}},
           "LH: suggestion=\"left side (LH)\" message=309 entryWords=2 ruleId=6253\nside: subClass=0"},
          {{{"The", 64}, {"valve", 10}, {"height", 10, "NMS**", "sub=75"}, {"is", 24}, {"low", 30}, {"Set", 20},
            {"height", 10, "NMS**", "sub=75"}, {".", 48}},
           "height: suggestion=\"height of/height for\" subClass=0 message=302 ruleId=2533\nheight: subClass=0"},
          {{{"Push", 20}, {"start", 10}, {"button", 10, "NMS**", "sub=11"}, {".", 48}},
           "start: suggestion=\"<uicontrol>START</uicontrol>\" message=323 ruleId=3235 separatorFlag=U"},
          {{{"The", 64}, {"type", 10, "NMS**", "sub=14"}, {"of", 67}, {"pump", 10}, {"type", 10, "NMS**", "sub=14"},
            {"valve", 10}, {".", 48}},
           "type: subClass=0\ntype: suggestion=\"(type of)/(type for)\" subClass=0 message=324 ruleId=4288"},
          {{{"Type", 10, "NMS**", "sub=14"}, {"a", 64}, {"code", 10}, {".", 48}}, "Type: suggestion=\" enter\" subClass=0 message=300 ruleId=4288"},
          {{{"Oil", 10}, {"pressure", 10, "NMS**", "sub=14"}, {"increases", 21, "V1**"}, {".", 48}}, "pressure: suggestion=\"(pressure of)/(pressure for)\" subClass=0 message=313 ruleId=2552"},
          // Names and abbreviations in capitals, and their guards.
          {{{"Use", 20}, {"ab.cd", 10, nullptr, "sub=2"}, {"boeing", 10, nullptr, "sub=1"}, {"and", 63},
            {"AC", 10, nullptr, "sub=2 msg=301"}, {".", 48}},
           "ab.cd: suggestion=\"AB CD\" tag=\"<AR>\" subClass=0 message=311 ruleId=2332\n"
           "boeing: suggestion=\"Boeing\" tag=\"<AR>\" subClass=0 message=311 ruleId=1252\n"
           "AC: subClass=0 message=0"},
          {{{"Use", 20}, {"Boeing", 10, nullptr, "sub=1 msg=311"}, {"nasa", 10, nullptr, "sub=1"},
            {"at&t", 10, nullptr, "sub=1"}, {".", 48}}, "Boeing: subClass=0 message=0\n"
           "nasa: suggestion=\" Nasa\" tag=\"<AR>\" subClass=0 message=311 ruleId=1252"},
          {{{"Set", 20}, {"ab", 10, nullptr, "sub=2 msg=301"}, {"=", 40}, {"a/b", 10, nullptr, "sub=2"}, {".", 48}},
           "ab: subClass=0 message=0"},
          {{{"A", 64}, {"Cross section", 10, nullptr, "sub=3 msg=301"}, {"NASA site", 10, nullptr, "sub=3 msg=301"},
            {"valve", 10, nullptr, "sub=3 msg=301"}, {".", 48}},
           "Cross section: suggestion=\"Cross section\" tag=\"<AR>\" subClass=0 message=311 ruleId=2333 caseFlag=0\n"
           "NASA site: subClass=0 message=0\nvalve: subClass=0 message=0"},
          // Title case of dotted names: short words stay small.
          {{{"See", 20}, {"u.s. air force", 10, nullptr, "sub=4"}, {"dept. of the navy", 10, nullptr, "sub=80"},
            {".", 48}},
           "u.s. air force: suggestion=\"U.s. air Force\" tag=\"<AR>\" subClass=0 message=311 ruleId=2334\ndept. of the navy: suggestion=\"Dept. of the Navy\" wordClass=40 subClass=0 message=316 ruleId=4253"},
          // Dotted names whose words want capitals: the first word goes into
          // capitals when its second letter is small; "and" before another word stays small.
          {{{"See", 20}, {"ab.c and more", 10, nullptr, "sub=5 msg=326"}, {"u.s. navy", 10, nullptr, "sub=5"},
            {"valve", 10, nullptr, "sub=5 msg=301"}, {"a.b", 10, nullptr, "sub=5"}, {"x.y Z", 10, nullptr, "sub=5"},
            {"p.q", 10, nullptr, "sub=5 split=4 msg=326"}, {".", 48}},
           "ab.c and more: suggestion=\"AB.C and More\" tag=\"<AR>\" subClass=0 message=311 ruleId=2336\n"
           "u.s. navy: suggestion=\"u.s. Navy\" tag=\"<AR>\" subClass=0 message=311 ruleId=2336\n"
           "valve: subClass=0 message=0"},
          // Nothing to change: the suggestion is emptied, the codes stay.
          {{{"See", 20}, {"X.Y Z", 10, nullptr, "sub=5 sug=old"}, {".", 48}}, "X.Y Z: suggestion=\"\""},
          {{{"Ask", 20}, {"who", 11, nullptr, "sub=56"}, {"the", 64}, {"man", 10}, {"that", 69}, {"is", 24},
            {".", 48}}, "who: suggestion=\"(Rephrase)\"\nthat: message=332 ruleId=245"},
          // A missing reference, not before a figure.
          {{{"See", 20}, {"above", 50, nullptr, "sub=52"}, {".", 48}, {"See", 20}, {"above", 50, nullptr, "sub=52"},
            {"figure", 10}, {".", 48}}, "above: subClass=0 message=320 ruleId=2661"},
          {{{"A", 64}, {"cross section", 10, nullptr, "sub=59"}, {"input output", 10, nullptr, "sub=61"},
            {"on-off", 10, nullptr, "sub=59 msg=317"}, {".", 48}},
           "cross section: suggestion=\"cross-section\" subClass=0 message=317 ruleId=1248\ninput output: suggestion=\"input/output\" subClass=0 message=337 ruleId=1248\non-off: subClass=0 message=0"},
          // Passed-over words.
          {{{"Open", 20, nullptr, "sub=12 msg=328"}, {"it", 66, nullptr, "sub=301"}, {"now", 50, nullptr, "sub=15"},
            {".", 48}}, "now: subClass=0"},
          // Marks, clears and pronouns.
          {{{"Then", 50}, {"x", 10, nullptr, "sub=6 msg=301"}, {"y", 10, nullptr, "sub=6 sep=T msg=301"},
            {"z", 10, nullptr, "sub=8 msg=301"}, {"one", 10, nullptr, "sub=7 msg=301"}, {"opens", 21},
            {"w", 10, nullptr, "sub=9 msg=301"}, {"v", 10, nullptr, "sub=81 msg2=5"},
            {"u", 10, nullptr, "sub=38 msg=301 sug=t"}, {".", 48}, {"One", 10, nullptr, "sub=7 msg=301"},
            {"opens", 21}, {".", 48}},
           "x: subClass=0 message=0 separatorFlag=T\nz: subClass=0 message=0 separatorFlag=R\n"
           "one: subClass=0 message=312 ruleId=235\nw: subClass=0 message=0\nv: subClass=0 message2=0\n"
           "u: suggestion=\"\" subClass=0 message=0\nOne: subClass=0 message=0"},
          // The suggestion's case and the dictionary's spelling.
          {{{"NOTE", 10, nullptr, "sub=16 sug=see_below"}, {"Note", 10, nullptr, "sub=16 sug=see_below"},
            {"colour", 10, nullptr, "sub=17 msg=301 tag=<x> sug=color"}, {"Gray", 10, nullptr, "sub=17 sug=Gray"},
            {".", 48}}, "NOTE: suggestion=\"SEE BELOW\" tag=\"<AR>\"\nNote: suggestion=\"See below\" tag=\"<AR>\"\n"
           "colour: tag=\"<AR>\" subClass=0 message=311 ruleId=2334\nGray: subClass=0 caseFlag=0"},
          // A unit of two words is never half shortened.
          {{{"In", 60}, {"newton", 17}, {"metres", 17, nullptr, "sub=17 sug=m"}, {".", 48}}, "metres: subClass=0"},
          // Reference words: the third letter tells "for" ('r') from "same" ('m').
          {{{"Look", 20}, {"for", 65, nullptr, "sub=18"}, {"above", 30, "A***"}, {".", 48}},
           "for: suggestion=\"Give reference.\" subClass=0 message=324 ruleId=4418"},
          {{{"Look", 20}, {"for", 65, nullptr, "sub=18 msg=301"}, {"line", 10}, {".", 48}}, "for: subClass=0 message=0"},
          {{{"Look", 20}, {"for", 65, nullptr, "sub=18 msg=301"}, {"it", 20, "V1**"}, {".", 48}}, ""},
          {{{"Use", 20}, {"same", 30, nullptr, "sub=18"}, {"valve", 10, "NMS**"}, {".", 48}},
           "same: suggestion=\"same/standard/(Electrical connection)\" subClass=0 message=324 ruleId=4418"},
          {{{"Use", 20}, {"same", 30, nullptr, "sub=18 mark=1 msg=301"}, {"valve", 10, "NMS**"}, {".", 48}},
           "same: subClass=0 message=0"},
          // A word that clears the finding before it.
          {{{"Use", 20}, {"a", 64, nullptr, "msg=311 msg2=5"}, {"said", 10, nullptr, "sub=19 msg=326 sug=that"},
            {".", 48}}, "a: message=0 message2=0\nsaid: suggestion=\"\" subClass=0 message=0"},
          // Gerunds, meanings and labels.
          {{{"Testing", 23, nullptr, "sub=52"}, {".", 48}}, "Testing: subClass=0 message=338 ruleId=7243"},
          {{{"It", 66}, {"is", 24}, {"fine", 30, nullptr, "sub=53"}, {"valves", 11}, {".", 48}},
           "fine: subClass=0 message=324 ruleId=3661"},
          {{{"Push", 20}, {"Start", 10, nullptr, "sub=54"}, {"now", 50}, {".", 48}},
           "Start: subClass=0 message=323 ruleId=246"},
          {{{"Push", 20}, {"Start", 10, nullptr, "sub=54"}, {"button", 10}, {".", 48}}, ""},
          {{{"Push", 20}, {"start", 10, nullptr, "sub=54"}, {"now", 50}, {".", 48}}, ""},
          {{{"The", 64}, {"open", 30, nullptr, "sub=60"}, {"is", 24}, {".", 48}},
           "open: subClass=0 message=322 ruleId=247"},
          {{{"The", 64}, {"open", 30, nullptr, "sub=60"}, {"valve", 10}, {".", 48}}, ""},
          // The next word becomes neutral.
          {{{"Use", 20}, {"it", 66, nullptr, "sub=69"}, {"blorf", 10, nullptr, "msg=325 msg2=325"}, {".", 48}},
           "blorf: wordClass=40 message=0 message2=0"},
          {{{"it", 66, nullptr, "sub=69"}}, "", false},
          // Nouns that need "of" or "for"; after a preposition, a next word
          // that begins with "of" gets "for".
          {{{"Measure", 20}, {"oil", 10}, {"level", 10, nullptr, "sub=72 entry=2"}, {"now", 50}, {".", 48}},
           "level: suggestion=\"level of/level for\" subClass=0 message=326 entryWords=1 ruleId=2539"},
          {{{"Set", 20}, {"to", 75}, {"level", 10, nullptr, "sub=72"}, {"offset", 10}, {".", 48}},
           "offset: suggestion=\"for\" message=331 ruleId=7257"},
          // Left alone: too early in the sentence, before "of", before the end, after a verb.
          {{{"Oil", 10}, {"level", 10, nullptr, "sub=72"}, {"now", 50}, {".", 48}}, ""},
          {{{"Measure", 20}, {"oil", 10}, {"level", 10, nullptr, "sub=72"}, {"of", 67}, {".", 48}}, ""},
          {{{"Measure", 20}, {"oil", 10}, {"level", 10, nullptr, "sub=72"}, {".", 48}}, ""},
          {{{"Then", 50}, {"measure", 20}, {"level", 10, nullptr, "sub=72"}, {"now", 50}, {".", 48}}, ""},
          // Words without neighbours.
          {{{"check", 10, nullptr, "sub=12 pos=4"}}, "check: classCode=\"N****\" subClass=0", false},
          {{{"side", 10, nullptr, "sub=75 pos=2"}}, "side: suggestion=\"side for/side of\" subClass=0 message=302 ruleId=2533", false},
      },
      Changed(ApplySecondRules));
  EXPECT_EQ(ApplySecondRules(nullptr), 0);
}

TEST(SecondRulesTest, SuggestApprovedVerb) {
  // No approved verb for "valves": unchanged.
  RunListCases({{{{"It", 66}, {"displays", 21}, {"grease", 10}, {"valves", 11}, {".", 48}}, "displays: suggestion=\"shows\" tag=\"<AR>\" wordClass=20\ngrease: suggestion=\"apply grease\" wordClass=20"}},
               [](TestWords& words) {
                 for (const char* w : {"displays", "grease", "valves"}) SuggestApprovedVerb(words[w]);
                 return words.Changes();
               });
}

}  // namespace
