#include "engine/word_class_resolution.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/word_list_fixture.h"

namespace {

// Resolves the word written `target` in a list and reports what changed on it.
struct Resolved {
  explicit Resolved(std::initializer_list<WordSpec> specs, const char* target)
      : words(specs) {
    ResolveWordClass(words[target]);
    w = words[target];
  }
  std::string Result() const { return std::to_string(w->wordClass) + " " + w->classCode.str(); }
  TestWords words;
  WordRec* w;
};

TEST(ResolveWordClass, OnlyAmbiguousCodes) {
  Resolved r({{"valve", 10, "N*S***", "msg=301"}, {"opens", 21}}, "valve");
  EXPECT_EQ(r.words.Changes(), "");
  ResolveWordClass(nullptr);
}

TEST(ResolveWordClass, IngWords) {
  // A gerund before "of" after "the", or before the sentence end.
  Resolved g1({{"Start", 20}, {"cleaning", 23, "G0****", "mark=1 sub=12"}, {"of", 67}}, "cleaning");
  EXPECT_EQ(g1.words.Changes(), "cleaning: classCode=\"V3**\" subClass=0 message=338");
  Resolved g2({{"Start", 20}, {"cleaning", 23, "G0****"}, {".", 48}}, "cleaning");
  EXPECT_EQ(g2.w->message, 338);
  Resolved g3({{"Start", 20}, {"cleaning", 23, "G0****"}}, "cleaning");  // the sentinel
  EXPECT_EQ(g3.w->message, 338);
  // First words: a verb, or an adjective after "the" before a noun.
  Resolved f1({{"Cleaning", 40, "G0****", "msg=301"}, {"valves", 11}}, "Cleaning");
  EXPECT_EQ(f1.words.Changes(), "Cleaning: classCode=\"V3**\" wordClass=23 message=0");
  Resolved f2({{"Cleaning", 40, "G0****", "mark=1"}, {"fluid", 10}}, "Cleaning");
  EXPECT_EQ(f2.Result(), "30 AFG*");
  Resolved f3({{"Cleaning", 40, "G0****", "mark=1"}, {"up", 61}}, "Cleaning");
  EXPECT_EQ(f3.Result(), "23 V3**");
  // Later words.
  Resolved l1({{"Use", 20}, {"a", 64}, {"cleaning", 40, "G0****"}, {"fluid", 10}}, "cleaning");
  EXPECT_EQ(l1.Result(), "30 AFG*");
  Resolved l2({{"Stop", 20}, {"it", 66}, {"cleaning", 40, "G0****"}, {"fluid", 10}}, "cleaning");
  EXPECT_EQ(l2.Result(), "40 V3P*");  // after a pronoun: the default stays
  Resolved l3({{"Stop", 20}, {"it", 66}, {"cleaning", 40, "G0****"}, {"from", 60}}, "cleaning");
  EXPECT_EQ(l3.Result(), "23 V3**");  // "from" lets the verb reading through
  Resolved l4({{"Do", 20}, {"no", 76}, {"cleanings", 40, "G0****", "msg=301"}, {",", 47}},
              "cleanings");
  EXPECT_EQ(l4.words.Changes(), "cleanings: classCode=\"NMP*\" wordClass=11 message=0");
  Resolved l5({{"Do", 20}, {"no", 76}, {"cleaning", 40, "G0****", "msg=301"}, {",", 47}},
              "cleaning");
  EXPECT_EQ(l5.words.Changes(), "cleaning: classCode=\"NMS*\" wordClass=10");
  Resolved l6({{"Do", 20}, {"cleaning", 40, "G0****", "mark=1"}, {"now", 50}}, "cleaning");
  EXPECT_EQ(l6.Result(), "23 NMS*");
  Resolved l7({{"Go", 20}, {"on", 50}, {"cleaning", 40, "G0****"}, {"now", 50}}, "cleaning");
  EXPECT_EQ(l7.Result(), "23 V3**");
}

TEST(ResolveWordClass, NounOrAdjective) {
  Resolved d({{"Use", 20}, {"light", 6, "JMS***", "sub=5"}, {".", 48}}, "light");
  EXPECT_EQ(d.words.Changes(), "light: classCode=\"NMS*\" wordClass=10 subClass=0");
  Resolved ds({{"Use", 20}, {"lights", 6, "JMS***"}, {".", 48}}, "lights");
  EXPECT_EQ(ds.Result(), "11 NMS*");
  Resolved f1({{"Light", 6, "JMS***"}, {"oil", 16}}, "Light");
  EXPECT_EQ(f1.Result(), "30 AFG*");
  Resolved f2({{"Light", 6, "JMS***"}, {"is", 24}}, "Light");
  EXPECT_EQ(f2.Result(), "10 NMS*");
  Resolved f3({{"Light", 6, "JMS***", "mark=1"}, {"grey", 30}}, "Light");
  EXPECT_EQ(f3.Result(), "30 AFG*");
  Resolved l1({{"Use", 20, "V0****"}, {"light", 6, "JMS***"}, {"oil", 16, "N*S***"}}, "light");
  EXPECT_EQ(l1.Result(), "50 AFG*");  // after a verb code: class 50
  Resolved l2({{"It", 66}, {"is", 24}, {"light", 6, "JMS***"}, {"now", 50}}, "light");
  EXPECT_EQ(l2.Result(), "10 NMS*");
  Resolved l3({{"a", 64}, {"light", 6, "JMS***"}, {"12", 49}}, "light");
  EXPECT_EQ(l3.Result(), "30 AFG*");
  Resolved l4({{"It", 66}, {"has", 21}, {"light", 6, "JMS***"}, {"oils", 40, "N*P***"}}, "light");
  EXPECT_EQ(l4.Result(), "30 AFG*");
}

TEST(ResolveWordClass, AdjectiveOrAdverb) {
  Resolved f1({{"Fast", 5, "K*****", "sug=quick"}, {"turn", 20, "V0****"}}, "Fast");
  EXPECT_EQ(f1.words.Changes(), "Fast: suggestion=\"\" classCode=\"B**\" wordClass=50");
  Resolved f2({{"Fast", 5, "K*****", "mark=1"}, {"turn", 20, "V0****"}}, "Fast");
  EXPECT_EQ(f2.Result(), "30 AF**");
  Resolved f3({{"Fast", 5, "K*****"}, {"is", 24, "H2****"}}, "Fast");
  EXPECT_EQ(f3.Result(), "30 AF**");
  Resolved f4({{"Fast", 5, "K*****"}, {"is", 24, "H2****", "sub=300"}}, "Fast");
  EXPECT_EQ(f4.Result(), "50 B**");
  Resolved l1({{"Turn", 20}, {"it", 66}, {"fast", 5, "K*****"}, {",", 47}}, "fast");
  EXPECT_EQ(l1.Result(), "50 B****");
  Resolved l2({{"Turn", 20}, {"a", 64}, {"fast", 5, "K*****"}, {"wheel", 10}}, "fast");
  EXPECT_EQ(l2.Result(), "30 AF**");
}

TEST(ResolveWordClass, AdjectiveOrParticiple) {
  Resolved end({{"It", 66}, {"closed", 2, "P2****"}, {".", 48}}, "closed");
  EXPECT_EQ(end.Result(), "31 AP**");
  Resolved f1({{"Closed", 2, "P2****"}, {"valves", 11}}, "Closed");
  EXPECT_EQ(f1.Result(), "30 AP**");
  Resolved f2({{"Closed", 2, "P2****"}, {"open", 20}}, "Closed");
  EXPECT_EQ(f2.Result(), "31 AP**");
  Resolved f3({{"Closed", 2, "P2****", "msg=301"}, {"is", 24}}, "Closed");
  EXPECT_EQ(f3.words.Changes(), "Closed: classCode=\"V2**\" wordClass=22 message=0");
  Resolved m1({{"Use", 20}, {"closed", 2, "P2****", "mark=1"}, {"valves", 11}}, "closed");
  EXPECT_EQ(m1.Result(), "31 AP**");
  Resolved m2({{"Use", 20}, {"closed", 2, "P2****", "mark=1"}, {"now", 50}}, "closed");
  EXPECT_EQ(m2.Result(), "10 NMS**");
  for (const char* prev : {"be", "has"}) {
    Resolved l({{"It", 66}, {prev, 24, "H2****"}, {"closed", 2, "P2****"}, {"now", 50}}, "closed");
    EXPECT_EQ(l.Result(), "22 V2**") << prev;
  }
  Resolved l2({{"It", 66}, {"closed", 2, "P2****"}, {"by", 60}}, "closed");
  EXPECT_EQ(l2.Result(), "22 V2**");
  Resolved l3({{"It", 66}, {"closed", 2, "P2****"}, {"now", 50}}, "closed");
  EXPECT_EQ(l3.Result(), "31 AP**");
}

TEST(ResolveWordClass, NounOrVerb) {
  Resolved m({{"Set", 20}, {"seal", 3, "X0****", "mark=1"}, {"now", 50}}, "seal");
  EXPECT_EQ(m.words.Changes(), "seal: classCode=\"NMSX\" wordClass=10 ruleId=998");
  Resolved s1({{"Seal", 3, "X0****"}, {"valve", 10}}, "Seal");
  EXPECT_EQ(s1.Result(), "10 NMSX");
  Resolved f1({{"Seal", 3, "X0****"}, {"valve", 10, nullptr, "mark=1"}}, "Seal");
  EXPECT_EQ(f1.Result(), "20 V0**");
  EXPECT_EQ(f1.w->ruleId, 998);
  Resolved f2({{"Seal", 3, "X0****"}, {"it", 66}}, "Seal");
  EXPECT_EQ(f2.Result(), "10 NMSX");
  Resolved st({{"Do", 28}, {"seal", 3, "X0****", "split=4"}, {"it", 66}}, "seal");
  EXPECT_EQ(st.Result(), "10 NMSX");
  Resolved l1({{"Do", 28}, {"not", 29}, {"seal", 3, "X0****"}, {"it", 66}}, "seal");
  EXPECT_EQ(l1.Result(), "20 V0**");
  Resolved l2({{"to", 68}, {"seal", 3, "X0****"}, {"12", 49}}, "seal");
  EXPECT_EQ(l2.Result(), "20 V0**");
  Resolved l3({{"A", 64}, {"seal", 3, "X0****"}, {"leaks", 21}}, "seal");
  EXPECT_EQ(l3.Result(), "10 NMSX");
  Resolved l4({{"Do", 28}, {"seal", 3, "X0****"}, {"pipes", 11}, {"ends", 10}}, "seal");
  EXPECT_EQ(l4.Result(), "10 NMSX");  // a noun pair follows
}

TEST(ResolveWordClass, AdjectiveOrVerb) {
  Resolved f1({{"Clean", 4, "Y0****"}, {"valves", 11, nullptr, "mark=1"}}, "Clean");
  EXPECT_EQ(f1.Result(), "20 V0**");
  Resolved f2({{"Clean", 4, "Y0****"}, {"oil", 16}}, "Clean");
  EXPECT_EQ(f2.Result(), "30 AF**");
  Resolved l1({{"You", 66}, {"must", 28}, {"clean", 4, "Y0****"}, {"now", 50}}, "clean");
  EXPECT_EQ(l1.Result(), "20 V0**");
  Resolved l2({{"You", 66}, {"must", 28}, {"cleaned", 4, "Y0****"}, {"now", 50}}, "cleaned");
  EXPECT_EQ(l2.Result(), "22 AF**");
  Resolved l3({{"It", 66}, {"cleans", 4, "Y0****"}, {",", 47}}, "cleans");
  EXPECT_EQ(l3.Result(), "21 AF**");
  Resolved l4({{"A", 64}, {"clean", 4, "Y0****"}, {",", 47}}, "clean");
  EXPECT_EQ(l4.Result(), "30 AF**");
  Resolved l5({{"to", 68}, {"Clean", 4, "Y0****"}, {"now", 50}}, "Clean");
  EXPECT_EQ(l5.Result(), "30 AF**");  // capitalised after "to": no verb
  Resolved l6({{"to", 68}, {"clean", 4, "Y0****"}, {"now", 50}}, "clean");
  EXPECT_EQ(l6.Result(), "20 V0**");
}

TEST(ResolveWordClass, PluralNounOrSVerb) {
  Resolved m({{"Use", 20}, {"seals", 4, "Z1****", "mark=1"}, {"now", 50}}, "seals");
  EXPECT_EQ(m.Result(), "11 NMPZ");
  Resolved f1({{"Seals", 4, "Z1****"}, {"valve", 10}}, "Seals");
  EXPECT_EQ(f1.Result(), "21 V10**");
  Resolved f2({{"Seals", 4, "Z1****"}, {"leak", 20}}, "Seals");
  EXPECT_EQ(f2.Result(), "11 NMPZ");
  Resolved e({{"It", 66}, {"seals", 4, "Z1****"}, {".", 48}}, "seals");
  EXPECT_EQ(e.Result(), "11 NMPZ");
  Resolved l1({{"It", 66}, {"seals", 4, "Z1****"}, {"now", 50}}, "seals");
  EXPECT_EQ(l1.Result(), "11 NMPZ");  // after a pronoun
  Resolved l2({{"Oil", 16}, {"seals", 4, "Z1****"}, {"valves", 11}}, "seals");
  EXPECT_EQ(l2.Result(), "11 NMPZ");
  Resolved l3({{"Wheel", 10}, {"seals", 4, "Z1****"}, {"to", 68}}, "seals");
  EXPECT_EQ(l3.Result(), "11 NMPZ");  // a noun beginning with 'w'
  Resolved l4({{"Pump", 10}, {"seals", 4, "Z1****"}, {"to", 68}}, "seals");
  EXPECT_EQ(l4.Result(), "21 V1**");
}

TEST(FindVerbAhead, VerbsInTheClause) {
  TestWords words({{"If", 70}, {"the", 64}, {"valve", 10}, {"very", 50}, {"opens", 21}, {"x", 40},
                   {",", 47}, {"stop", 20}, {".", 48}, {"Go", 20}, {"on", 61}});
  EXPECT_EQ(FindVerbAhead(words["If"]), 1);  // a first word answers at once
  EXPECT_EQ(FindVerbAhead(words["the"]), 1);
  EXPECT_EQ(FindVerbAhead(words["opens"]), -1);  // the comma ends the clause
  EXPECT_EQ(FindVerbAhead(words["stop"]), -1);   // the full stop follows
  EXPECT_EQ(FindVerbAhead(words["on"]), -1);     // the sentinel follows
  TestWords ing({{"If", 70}, {"the", 64}, {"running", 23}, {"opens", 21}});
  EXPECT_EQ(FindVerbAhead(ing["the"]), -1);
  TestWords code({{"If", 70}, {"the", 64}, {"x", 40}, {"seal", 40, "V0****"}});
  EXPECT_EQ(FindVerbAhead(code["the"]), 1);
  TestWords cmd({{"If", 70}, {"the", 64}, {"x", 40, nullptr, "sub=80"}, {"opens", 21}});
  EXPECT_EQ(FindVerbAhead(cmd["the"]), -1);
  TestWords bare({{"If", 70}, {"the", 64}, {"x", 40}, {"y", 40}}, false);
  EXPECT_EQ(FindVerbAhead(bare["the"]), -1);
  EXPECT_EQ(FindVerbAhead(bare["y"]), -1);
  EXPECT_EQ(FindVerbAhead(nullptr), -1);
}

}  // namespace
