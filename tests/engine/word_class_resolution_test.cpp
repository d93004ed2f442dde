#include "engine/word_class_resolution.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/word_list_fixture.h"

namespace {

// Each case: a list, the word resolved, and its class and code after (or,
// with "=", everything the resolution changed in the list).
TEST(ResolveWordClass, Cases) {
  const struct {
    std::vector<WordSpec> words;
    const char* target;
    const char* expected;
  } cases[] = {
      // Only ambiguous codes are resolved.
      {{{"valve", 10, "N*S***", "msg=301"}, {"opens", 21}}, "valve", "="},
      // -ing words: a gerund before "of" after "the", or before the sentence end.
      {{{"Start", 20}, {"cleaning", 23, "G0****", "mark=1 sub=12"}, {"of", 67}}, "cleaning",
       "=cleaning: classCode=\"V3**\" subClass=0 message=338"},
      {{{"Start", 20}, {"cleaning", 23, "G0****"}, {".", 48}}, "cleaning", "=cleaning: classCode=\"V3**\" message=338"},
      {{{"Start", 20}, {"cleaning", 23, "G0****"}}, "cleaning", "=cleaning: classCode=\"V3**\" message=338"},
      // First words: a verb, or an adjective after "the" before a noun.
      {{{"Cleaning", 40, "G0****", "msg=301"}, {"valves", 11}}, "Cleaning",
       "=Cleaning: classCode=\"V3**\" wordClass=23 message=0"},
      {{{"Cleaning", 40, "G0****", "mark=1"}, {"fluid", 10}}, "Cleaning", "30 AFG*"},
      {{{"Cleaning", 40, "G0****", "mark=1"}, {"up", 61}}, "Cleaning", "23 V3**"},
      {{{"Use", 20}, {"a", 64}, {"cleaning", 40, "G0****"}, {"fluid", 10}}, "cleaning", "30 AFG*"},
      {{{"Stop", 20}, {"it", 66}, {"cleaning", 40, "G0****"}, {"fluid", 10}}, "cleaning", "40 V3P*"},
      {{{"Stop", 20}, {"it", 66}, {"cleaning", 40, "G0****"}, {"from", 60}}, "cleaning", "23 V3**"},
      {{{"Do", 20}, {"no", 76}, {"cleanings", 40, "G0****", "msg=301"}, {",", 47}}, "cleanings",
       "=cleanings: classCode=\"NMP*\" wordClass=11 message=0"},
      {{{"Do", 20}, {"no", 76}, {"cleaning", 40, "G0****", "msg=301"}, {",", 47}}, "cleaning",
       "=cleaning: classCode=\"NMS*\" wordClass=10"},
      {{{"Do", 20}, {"cleaning", 40, "G0****", "mark=1"}, {"now", 50}}, "cleaning", "23 NMS*"},
      {{{"Go", 20}, {"on", 50}, {"cleaning", 40, "G0****"}, {"now", 50}}, "cleaning", "23 V3**"},
      // Noun or adjective.
      {{{"Use", 20}, {"light", 6, "JMS***", "sub=5"}, {".", 48}}, "light",
       "=light: classCode=\"NMS*\" wordClass=10 subClass=0"},
      {{{"Use", 20}, {"lights", 6, "JMS***"}, {".", 48}}, "lights", "11 NMS*"},
      {{{"Light", 6, "JMS***"}, {"oil", 16}}, "Light", "30 AFG*"},
      {{{"Light", 6, "JMS***"}, {"is", 24}}, "Light", "10 NMS*"},
      {{{"Light", 6, "JMS***", "mark=1"}, {"grey", 30}}, "Light", "30 AFG*"},
      {{{"Use", 20, "V0****"}, {"light", 6, "JMS***"}, {"oil", 16, "N*S***"}}, "light", "50 AFG*"},
      {{{"It", 66}, {"is", 24}, {"light", 6, "JMS***"}, {"now", 50}}, "light", "10 NMS*"},
      {{{"a", 64}, {"light", 6, "JMS***"}, {"12", 49}}, "light", "30 AFG*"},
      {{{"It", 66}, {"has", 21}, {"light", 6, "JMS***"}, {"oils", 40, "N*P***"}}, "light", "30 AFG*"},
      // Adjective or adverb.
      {{{"Fast", 5, "K*****", "sug=quick"}, {"turn", 20, "V0****"}}, "Fast",
       "=Fast: suggestion=\"\" classCode=\"B**\" wordClass=50"},
      {{{"Fast", 5, "K*****", "mark=1"}, {"turn", 20, "V0****"}}, "Fast", "30 AF**"},
      {{{"Fast", 5, "K*****"}, {"is", 24, "H2****"}}, "Fast", "30 AF**"},
      {{{"Fast", 5, "K*****"}, {"is", 24, "H2****", "sub=300"}}, "Fast", "50 B**"},
      {{{"Turn", 20}, {"it", 66}, {"fast", 5, "K*****"}, {",", 47}}, "fast", "50 B****"},
      {{{"Turn", 20}, {"a", 64}, {"fast", 5, "K*****"}, {"wheel", 10}}, "fast", "30 AF**"},
      // Adjective or participle.
      {{{"It", 66}, {"closed", 2, "P2****"}, {".", 48}}, "closed", "31 AP**"},
      {{{"Closed", 2, "P2****"}, {"valves", 11}}, "Closed", "30 AP**"},
      {{{"Closed", 2, "P2****"}, {"open", 20}}, "Closed", "31 AP**"},
      {{{"Closed", 2, "P2****", "msg=301"}, {"is", 24}}, "Closed", "=Closed: classCode=\"V2**\" wordClass=22 message=0"},
      {{{"Use", 20}, {"closed", 2, "P2****", "mark=1"}, {"valves", 11}}, "closed", "31 AP**"},
      {{{"Use", 20}, {"closed", 2, "P2****", "mark=1"}, {"now", 50}}, "closed", "10 NMS**"},
      {{{"It", 66}, {"be", 24, "H2****"}, {"closed", 2, "P2****"}, {"now", 50}}, "closed", "22 V2**"},
      {{{"It", 66}, {"has", 24, "H2****"}, {"closed", 2, "P2****"}, {"now", 50}}, "closed", "22 V2**"},
      {{{"It", 66}, {"closed", 2, "P2****"}, {"by", 60}}, "closed", "22 V2**"},
      {{{"It", 66}, {"closed", 2, "P2****"}, {"now", 50}}, "closed", "31 AP**"},
      // Noun or verb.
      {{{"Set", 20}, {"seal", 3, "X0****", "mark=1"}, {"now", 50}}, "seal",
       "=seal: classCode=\"NMSX\" wordClass=10 ruleId=998"},
      {{{"Seal", 3, "X0****"}, {"valve", 10}}, "Seal", "10 NMSX"},
      {{{"Seal", 3, "X0****"}, {"valve", 10, nullptr, "mark=1"}}, "Seal",
       "=Seal: classCode=\"V0**\" wordClass=20 ruleId=998"},
      {{{"Seal", 3, "X0****"}, {"it", 66}}, "Seal", "10 NMSX"},
      {{{"Do", 28}, {"seal", 3, "X0****", "split=4"}, {"it", 66}}, "seal", "10 NMSX"},
      {{{"Do", 28}, {"not", 29}, {"seal", 3, "X0****"}, {"it", 66}}, "seal", "20 V0**"},
      {{{"to", 68}, {"seal", 3, "X0****"}, {"12", 49}}, "seal", "20 V0**"},
      {{{"A", 64}, {"seal", 3, "X0****"}, {"leaks", 21}}, "seal", "10 NMSX"},
      {{{"Do", 28}, {"seal", 3, "X0****"}, {"pipes", 11}, {"ends", 10}}, "seal", "10 NMSX"},
      // Adjective or verb; capitalised after "to": no verb.
      {{{"Clean", 4, "Y0****"}, {"valves", 11, nullptr, "mark=1"}}, "Clean", "20 V0**"},
      {{{"Clean", 4, "Y0****"}, {"oil", 16}}, "Clean", "30 AF**"},
      {{{"You", 66}, {"must", 28}, {"clean", 4, "Y0****"}, {"now", 50}}, "clean", "20 V0**"},
      {{{"You", 66}, {"must", 28}, {"cleaned", 4, "Y0****"}, {"now", 50}}, "cleaned", "22 AF**"},
      {{{"It", 66}, {"cleans", 4, "Y0****"}, {",", 47}}, "cleans", "21 AF**"},
      {{{"A", 64}, {"clean", 4, "Y0****"}, {",", 47}}, "clean", "30 AF**"},
      {{{"to", 68}, {"Clean", 4, "Y0****"}, {"now", 50}}, "Clean", "30 AF**"},
      {{{"to", 68}, {"clean", 4, "Y0****"}, {"now", 50}}, "clean", "20 V0**"},
      // Plural noun or -s verb; a noun beginning with 'w' before it.
      {{{"Use", 20}, {"seals", 4, "Z1****", "mark=1"}, {"now", 50}}, "seals", "11 NMPZ"},
      {{{"Seals", 4, "Z1****"}, {"valve", 10}}, "Seals", "21 V10**"},
      {{{"Seals", 4, "Z1****"}, {"leak", 20}}, "Seals", "11 NMPZ"},
      {{{"It", 66}, {"seals", 4, "Z1****"}, {".", 48}}, "seals", "11 NMPZ"},
      {{{"It", 66}, {"seals", 4, "Z1****"}, {"now", 50}}, "seals", "11 NMPZ"},
      {{{"Oil", 16}, {"seals", 4, "Z1****"}, {"valves", 11}}, "seals", "11 NMPZ"},
      {{{"Wheel", 10}, {"seals", 4, "Z1****"}, {"to", 68}}, "seals", "11 NMPZ"},
      {{{"Pump", 10}, {"seals", 4, "Z1****"}, {"to", 68}}, "seals", "21 V1**"},
  };
  for (const auto& c : cases) {
    TestWords words(c.words);
    WordRec* w = words[c.target];
    ResolveWordClass(w);
    std::string result = c.expected[0] == '='
                             ? "=" + words.Changes()
                             : std::to_string(w->wordClass) + " " + w->classCode.str();
    EXPECT_EQ(result, c.expected) << words.Written();
  }
  ResolveWordClass(nullptr);
}

TEST(FindVerbAhead, VerbsInTheClause) {
  TestWords words({{"If", 70}, {"the", 64}, {"valve", 10}, {"very", 50}, {"opens", 21}, {"x", 40},
                   {",", 47}, {"stop", 20}, {".", 48}, {"Go", 20}, {"on", 61}});
  EXPECT_EQ(FindVerbAhead(words["If"]), 1);  // a first word answers at once
  EXPECT_EQ(FindVerbAhead(words["the"]), 1);
  EXPECT_EQ(FindVerbAhead(words["opens"]), -1);  // the comma ends the clause
  EXPECT_EQ(FindVerbAhead(words["stop"]), -1);   // the full stop follows
  EXPECT_EQ(FindVerbAhead(words["on"]), -1);     // the sentinel follows
  EXPECT_EQ(FindVerbAhead(nullptr), -1);
  const struct {
    std::vector<WordSpec> words;
    int expected;
  } cases[] = {
      {{{"If", 70}, {"the", 64}, {"running", 23}, {"opens", 21}}, -1},
      {{{"If", 70}, {"the", 64}, {"x", 40}, {"seal", 40, "V0****"}}, 1},
      {{{"If", 70}, {"the", 64}, {"x", 40, nullptr, "sub=80"}, {"opens", 21}}, -1},
  };
  for (const auto& c : cases) {
    TestWords list(c.words);
    EXPECT_EQ(FindVerbAhead(list["the"]), c.expected) << list.Written();
  }
  TestWords bare({{"If", 70}, {"the", 64}, {"x", 40}, {"y", 40}}, false);
  EXPECT_EQ(FindVerbAhead(bare["the"]), -1);
  EXPECT_EQ(FindVerbAhead(bare["y"]), -1);
}

}  // namespace
