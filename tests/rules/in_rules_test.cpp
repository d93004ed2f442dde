// The rules of "in" inside a sentence (class 75).
#include <gtest/gtest.h>

#include <string>

#include "rules/function_words/in_tables.h"
#include "rules/function_words/place_preposition_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

using namespace in_rules;

TEST(InTables, GatesAndWordBefore) {
  static const RowCase kHeadCases[] = {
      {"it/66 is/24 in/75 y/10", "in", 0, ""},
      {"x/10 in/75 <ref>/41", "in", 1, ""},
      {"x/10 in/75 Acme/39", "in", 2, ""},
      {"x/10 in/75{split=4} line/10{split=4}", "in", 3, "in: message=317 ruleId=1441"},
      {"x/10 in/75{split=4} line/10", "in", -1, ""},
  };
  RunRowCases(kHead, kHeadCases);
  static const RowCase kBefore[] = {
      {"x/10 breathing/23 in/75 y/10", "in", 0, "breathing: suggestion=\"breath/(Rephrase)\" message=324 entryWords=2 ruleId=7112"},
      {"x/10 collects/21 in/75 y/10", "in", 1, "collects: suggestion=\"stay in/stays in\" message=324 entryWords=2 ruleId=7112"},
      {"x/10 outlined/22 in/75 y/10", "in", 2, "outlined: suggestion=\"shown in\" message=324 entryWords=2 ruleId=7112"},
      {"x/10 outlines/21 in/75 y/10", "in", -1, ""},
      {"x/10 placed/22 in/75 y/10", "in", 3, "placed: suggestion=\"in position\" message=324 entryWords=2 ruleId=7112"},
      {"x/10 results/21 in/75 y/10", "in", 4, "results: suggestion=\"can cause\" message=324 entryWords=2 ruleId=7112"},
      {"x/10 sucked/22 in/75 y/10", "in", 5, "sucked: suggestion=\"pull xxx into\" message=324 entryWords=2 ruleId=7112"},
  };
  RunRowCases(kWordBefore, kBefore);
}

TEST(InTables, AfterTheArticleAndPhrases) {
  static const RowCase kArticle[] = {
      {"x/10 in/75 event/10{mark=1} of/67", "in", 0,
       "in: written=\"in the\" suggestion=\"if/when\" message=301 entryWords=3 ruleId=7992"},
      {"x/10 in/75{sug=for} CASE/10{mark=1} that/69", "in", 0,
       "in: written=\"in THE\" suggestion=\"for/if/when\" message=301 entryWords=3 ruleId=7992"},
      {"x/10 in/75 event/10{mark=1} y/10", "in", 1, ""},
      {"x/10 in/75 event/10 of/67", "in", -1, ""},
  };
  RunRowCases(kAfterArticle, kArticle);
  static const RowCase kCases[] = {
      {"x/10 in/75{msg=301} such/38 a/64 way/10", "in", 0, "in: message=304 entryWords=4 ruleId=1912"},
      {"x/10 in/75 whole/30 or/63 in/75 part/10", "in", 1, "in: message=304 entryWords=4 ruleId=1912"},
      {"x/10 in/75 whole/30 or/63 in/75 y/10", "in", -1, ""},
      {"x/10 in/75 accordance/10 with/74", "in", 2, "in: suggestion=\"according to\" message=301 entryWords=3 ruleId=6912"},
      {"x/10 in/75 a/64 row/10", "in", 3, "in: suggestion=\"in a sequence of\" message=324 entryWords=3 ruleId=6912"},
      {"x/10 in/75 case/10 of/67", "in", 4, "in: suggestion=\"if there is\" message=331 entryWords=3 ruleId=6912"},
      {"x/10 in/75 order/10 when/70", "in", 5, "in: suggestion=\"in a sequence of\" message=331 entryWords=3 ruleId=6912"},
      {"x/10 in/75 this/76 cases/11", "in", 6, "in: suggestion=\"for/(Rephrase)\" message=331 entryWords=3 ruleId=6912"},
      {"x/10 in/75 engine/10 maintenance/10", "in", 7, "in: suggestion=\"for/during/(Rephrase)\" message=331 ruleId=6912"},
      {"x/10 in/75 orders/11 to/68", "in", 8, "in: suggestion=\"to\" message=335 entryWords=3 ruleId=6912"},
      {"x/10 in/75 pump/10", "in", -1, ""},
  };
  RunRowCases(kPhrases, kCases);
}

TEST(InTables, NextWordAndBetween) {
  static const RowCase kBetweenCases[] = {
      {"x/10 in/75 between/60", "in", 0, "between: message=304 ruleId=7912"},
  };
  RunRowCases(kBetween, kBetweenCases);
  static const RowCase kCases[] = {
      {"x/10 y/10 in/75 service/10", "in", 0, "in: suggestion=\"in operation/(Rephrase)\" message=331 entryWords=2 ruleId=2824"},
      {"x/10 y/10 in/75 series/10", "in", 1, "in: message=331 entryWords=2 ruleId=2814"},
      {"x/10 y/10 in/75 depth/10", "in", 1, "in: message=331 entryWords=2 ruleId=2814"},
      {"x/10 y/10 in/75 depth/10{mark=1}", "in", -1, ""},
      {"x/10 in/75 depth/10", "in", -1, ""},
  };
  RunRowCases(kNextWord, kCases);
}

// Each word of the table before "in", with the advice its letters choose.
TEST(InTables, VerbBeforeIn) {
  struct Word {
    const char* text;     // the previous word, with its class
    const char* next;     // the word after "in"
    const char* advice;   // null: the flag without advice
  };
  static const Word kWords[] = {
      {"always/52", "y/10", "in"}, {"advance/10", "y/10", "before"}, {"aided/22", "y/10", "help/(Rephrase)"},
      {"appears/21", "y/10", "shown in"}, {"assists/21", "y/10", "help"}, {"better/34", "y/10", "(Give Measurement)"},
      {"based/22", "y/10", "in"}, {"bottoms/21", "y/10", "reaches the bottom of"},
      {"bottom/20", "y/10", "reach the bottom of"}, {"built/22", "y/10", "included/in"},
      {"brings/21", "y/10", "get/gets/move/return"}, {"carried/22", "y/10", "done/held"},
      {"checked/22", "y/10", "inspect/examine"}, {"clocked/22", "y/10", "login(comp.)/enter(comp.)"},
      {"directly/52", "y/10", "in/straight"}, {"detailed/22", "y/10", "shown in"}, {"drops/21", "y/10", "decrease"},
      {"double/30", "y/10", "increase"}, {"designed/22", "y/10", "design for"}, {"deal/20", "y/10", "(Rephrase)"},
      {"even/52", "y/10", "when/(Give Measurement)"}, {"exists/21", "y/10", "is in/are in"},
      {"faces/21", "y/10", "to the front of"}, {"filled/22", "y/10", "complete/fill/fills"},
      {"given/22", "y/10", "shown in"}, {"ground/10", "y/10", "Earth-Ground connection in"},
      {"helps/21", "y/10", "to help/help/give assistance"}, {"housed/22", "y/10", "in/location/position"},
      {"involved/22", "y/10", "included in"}, {"interest/10", "y/10", "know about"},
      {"joined/22", "y/10", "connect/is in"}, {"kept/22", "place/10", "held in position/stays in position"},
      {"keep/20", "contact/10", "touch/stay in contact"}, {"keeps/21", "mind/10", "know/see"},
      {"keyed/22", "y/10", "starts/start/started"}, {"later/34", "y/10", "(Give Measurement or rephrase)"},
      {"lodged/22", "y/10", nullptr}, {"located/22", "y/10", "is/is in/are in"},
      {"logged/22", "y/10", "log on(v)/logon(n)"}, {"lies/21", "y/10", "be in/is in/are in"},
      {"pushed/22", "y/10", "push/pushes"}, {"plugged/22", "y/10", "connected to/connect"},
      {"running/23", "y/10", "for xxx hours/(Rephrase)"}, {"remains/21", "y/10", "stay in/stays in"},
      {"resides/21", "y/10", "is in/are in"}, {"rises/21", "y/10", "has a rating"}, {"rated/22", "y/10", nullptr},
      {"signs/21", "y/10", "log on"}, {"sight/10", "y/10", "align"}, {"sit/20", "y/10", "is in/(Use another verb)"},
      {"surges/21", "y/10", "increase"}, {"says/21", "y/10", "(Rephrase)"}, {"shifted/22", "y/10", "change position/move"},
      {"still/52", "y/10", "is in/are in"}, {"stuck/22", "y/10", "does not move/caught"},
      {"trained/22", "y/10", "has training for"}, {"trouble/10", "y/10", "has problems"},
      {"wrong/30", "y/10", "wrong value"}, {"which/69", "y/10", "when ..."},
  };
  std::vector<std::string> texts, changes;
  for (const Word& w : kWords) {
    texts.push_back(std::string("x/10 y/10 ") + w.text + " in/75 " + w.next);
    std::string name(w.text);
    name.resize(name.find('/'));
    changes.push_back(name + ":" + (w.advice ? std::string(" suggestion=\"") + w.advice + "\"" : "") +
                      " message=331 entryWords=2 ruleId=2814");
  }
  std::vector<RowCase> cases;
  for (std::size_t i = 0; i < texts.size(); ++i) cases.push_back({texts[i].c_str(), "in", -2, changes[i].c_str()});
  // The row each case reaches is checked by the changes; every row is reached.
  std::set<int> hit;
  for (const RowCase& k : cases) {
    SCOPED_TRACE(k.text);
    auto words = BuildWords(k.text);
    SentenceStateRec state;
    RuleContext c{.word = FindWord(*words, "in"), .head = words->head(), .state = state};
    const int row = FirstMatch(c, kVerbBefore);
    ASSERT_GE(row, 0);
    hit.insert(row);
    ApplyRow(c, kVerbBefore[static_cast<std::size_t>(row)]);
    EXPECT_EQ(words->Changes(), k.changes);
  }
  for (int r = 0; r < static_cast<int>(kVerbBefore.size()); ++r) EXPECT_TRUE(hit.contains(r)) << "row " << r;
  // "kept" and "keep" only before their words; nothing on the second word.
  static const RowCase kNot[] = {
      {"x/10 y/10 kept/22 in/75 store/10", "in", -1, ""},
      {"x/10 y/10 keep/20 in/75 store/10", "in", -1, ""},
      {"checked/22 in/75 y/10", "in", -1, ""},
  };
  RunRowCases(kVerbBefore, kNot);
}

TEST(InTables, Tail) {
  static const RowCase kCases[] = {
      {"x/10 in/75 <ref>/41", "in", 0, "in: message=331 ruleId=7318"},
      {"x/10 in/75 ,/47 y/10", "in", 1, ",: message=318 ruleId=4782"},
      {"x/10 in/75 Acme/39", "in", 2, ""},
      {"x/10 in/75 Acme/10{msg=325}", "in", 3, ""},
      {"x/10 in/75 ACME/10{msg=325}", "in", -1, ""},
  };
  RunRowCases(kTail, kCases);
}

void PluralSubject(SentenceStateRec& s) { s.subjectNumber = 1; }

TEST(InBody, PathsAndResumeWords) {
  static const BodyCase kCases[] = {
      {"x/10 in/75 such/38 a/64 way/10 that/69 y/10", "in",
       "in: message=304 entryWords=4 ruleId=1912\nsuch: wordClass=40\na: wordClass=40\nway: wordClass=40", "way"},
      {"x/10 in/75 between/60 y/10", "in", "between: message=304 ruleId=7912", "between"},
      {"x/10 y/10 kept/22 in/75 place/10 ./48", "in",
       "kept: suggestion=\"held in position/stays in position\" message=331 entryWords=2 ruleId=2814", "in"},
      // "in" + an -ing verb: the base form, when it can be built.
      {"x/10 in/75 sing/23{plural=0} y/10", "in",
       "in: suggestion=\"s/to s\" message=338 entryWords=2 ruleId=7389\nsing: suggestion=\"s\" wordClass=40", "sing",
       PluralSubject, "subjectNumber=0"},
      {"x/10 in/75 sing/23{plural=_} y/10", "in", "in: message=338 entryWords=2 ruleId=7389\nsing: wordClass=40", "sing",
       PluralSubject, "subjectNumber=0"},
      // The second word of a sentence skips the words before and after "in".
      {"kept/22 in/75 place/10 y/10 ./48", "in",
       "in: suggestion=\"in position/(Give position ref.)\" message=324 entryWords=3 ruleId=3918\nplace: wordClass=40\ny: wordClass=40",
       "in"},
      {"x/10 in/75 ,/47 y/10", "in", ",: message=318 ruleId=4782", ","},
      {"x/10 in/75 Acme/10{msg=325 sub=325}", "in", "Acme: subClass=0 message=0", "in"},
      {"x/10 in/75 pump/10", "in", "", "in"},
  };
  RunBodyCases(ApplyInRules, kCases);
}

}  // namespace
