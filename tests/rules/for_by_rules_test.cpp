// The rules of "for" and "by" (class 65).
#include <gtest/gtest.h>

#include "rules/function_words/for_by_tables.h"
#include "rules/function_words/function_word_bodies.h"
#include "tests/rules/rule_cases.h"

namespace {

using namespace for_by;

void LongSentence(SentenceStateRec& s) { s.sentenceWordCount = 10; }
void ShortSentence(SentenceStateRec& s) { s.sentenceWordCount = 5; }
void PluralSubject(SentenceStateRec& s) {
  s.sentenceWordCount = 10;
  s.subjectNumber = 1;
}

TEST(ForByHead, EachGate) {
  static const RowCase kCases[] = {
      {"use/20 for/65 two/49 hours/11", "for", 0, ""},
      {"use/20 for/65 this/76 pump/10", "for", 0, ""},
      {"x/10 for/65 <ref>/41", "for", 1, ""},
      {"x/10 for/65 =/41", "for", 1, ""},
      {"x/10 for/65 pump/10{mark=1}", "for", 2, ""},
      {"x/10 for/65 pump/10{split=6}", "for", 3, ""},
      {"x/10 for/65 pump/10{split=4}", "for", 3, ""},
      {"x/10 for/65{split=4} pump/10", "for", 4, ""},
      {"x/10 by/65 :/42", "by", 5, ""},
      {"x/10 for/65 telephone/10", "for", 6, ""},
      {"x/10 for/65{pos=-1} ./48", "for", 7, "for: message=331 ruleId=4317"},
      {"x/10 for/65 ;/42 y/10", "for", 8, "for: message=331 ruleId=4317"},
      {"x/10 for/65 )/42 y/10", "for", 8, "for: message=331 ruleId=4317"},
      {"x/10 per/65 hour/10", "per", 9, ""},
      // Not a gate: ':' after "for", another class-65 word opening a sentence.
      {"x/10 for/65 :/42", "for", -1, ""},
      {"Per/65 hour/10", "Per", -1, ""},
      {"x/10 for/65 pump/10", "for", -1, ""},
  };
  RunRowCases(kHead, kCases);
}

TEST(ForRules, FirstGatesAndTheGerund) {
  static const RowCase kCases[] = {
      {"x/10 for/65 :/42", "for", 1, ""},
      {"used/22{code=V0****} for/65 ./48", "for", 2, "for: suggestion=\"To ... (verb)\" message=331 ruleId=4679"},
      {"used/22{code=V0****} for/65 @x/41", "for", 3, "for: suggestion=\"To ... (verb)\" message=331 ruleId=4679"},
      {"it/66 is/24 for/65 ./48", "for", 4, ""},
      {"it/66 is/24 for/65 @x/41", "for", 5, ""},
      {"x/10 for/65 cleaning/40 y/10", "for", 6, "cleaning: wordClass=23 message=338 ruleId=4679"},
      // The gerund comes before the word list.
      {"x/10 for/65 installing/23 y/10", "for", 6, "installing: message=338 ruleId=4679"},
      {"x/10 for/65 doing/23 y/10", "for", 6, "doing: message=338 ruleId=4679"},
      {"x/10 for/65 ring/10", "for", -1, ""},
  };
  RunRowCases(kForFirst, kCases);
}

TEST(ForRules, WordBeforeFor) {
  static const RowCase kCases[] = {
      {"it/66 accounts/21 for/65 x/10", "for", 0, "accounts: suggestion=\"include/includes\" message=331 entryWords=2 ruleId=2779"},
      {"no/77 call/10 for/65 x/10", "for", 1, "call: suggestion=\"requirement/necessary/(Rephrase)\" message=331 entryWords=2 ruleId=2779"},
      {"the/64 check/10 for/65{msg=325} x/10", "for", 2,
       "check: suggestion=\"examine ... for/make sure\" message=331 entryWords=2 ruleId=2779\nfor: message=0"},
      {"it/66 is/24 not/29 designed/22 for/65 x/10", "for", 3, "designed: suggestion=\"are for/is for\" message=331 entryWords=2 ruleId=2779"},
      // After an article at the fourth word, only "due" (second letter 'u') holds.
      {"it/66 is/24 the/64 due/30 for/65 x/10", "for", 4, "due: suggestion=\"prepared for/ready for\" message=331 entryWords=2 ruleId=2779"},
      {"look/20 at/75 the/64 check/10 for/65 x/10", "for", -1, ""},
      {"it/66 is/24 this/76 design/10 for/65 x/10", "for", -1, ""},
      {"it/66 is/24 easy/30 for/65 x/10", "for", 5, "easy: suggestion=\"(Rephrase)\" message=331 entryWords=2 ruleId=2779"},
      {"it/66 follows/21 for/65 x/10", "for", 5, "follows: suggestion=\"(Rephrase)\" message=331 entryWords=2 ruleId=2779"},
      {"it/66 is/24 harder/34 for/65 x/10", "for", 6, "harder: suggestion=\"difficult/(Give measurement)\" message=331 entryWords=2 ruleId=2779"},
      {"it/66 is/24 low/30 for/65 x/10", "for", 7, "low: suggestion=\"(Give Measurement)\" message=331 entryWords=2 ruleId=2779"},
      {"a/64 means/10 for/65 x/10", "for", 8, "means: suggestion=\"method for\" message=331 entryWords=2 ruleId=2779"},
      {"a/64 need/10 for/65 x/10", "for", 9, "need: suggestion=\"necessary for\" message=331 entryWords=2 ruleId=2779"},
      {"a/64 potential/30 for/65 x/10", "for", 10, "potential: suggestion=\"can/possible/(Rephrase)\" message=331 entryWords=2 ruleId=2779"},
      {"it/66 is/24 powered/22 for/65 x/10", "for", 11, "powered: suggestion=\"supplies power to/operates\" message=331 entryWords=2 ruleId=2779"},
      {"it/66 provides/21 for/65 x/10", "for", 12, "provides: suggestion=\"for/available\" message=331 entryWords=2 ruleId=2779"},
      {"the/64 unit/10 is/24 ready/30 for/65 use/20 ./48", "for", 13, "ready: suggestion=\"available/prepared for\" message=331 entryWords=2 ruleId=2779"},
      {"no/77 room/10 for/65 x/10", "for", 14, "room: suggestion=\"space for/distance for\" message=331 entryWords=2 ruleId=2779"},
      {"it/66 stands/21 for/65 x/10", "for", 15, "stands: suggestion=\"show/shows\" message=331 entryWords=2 ruleId=2779"},
      {"a/64 sign/10 for/65 x/10", "for", 16, "sign: suggestion=\"an indication that\" message=331 entryWords=2 ruleId=2779"},
      {"it/66 is/24 suited/22 for/65 x/10", "for", 17, "suited: suggestion=\"for/use for\" message=331 entryWords=2 ruleId=2779"},
      {"some/67 tips/11 for/65 x/10", "for", 18, "tips: suggestion=\"information about\" message=331 entryWords=2 ruleId=2779"},
      // Only a, c and d are read as nouns after an article.
      {"it/66 is/24 the/64 way/10 for/65 x/10", "for", 19, "way: suggestion=\"method for\" message=331 entryWords=2 ruleId=2779"},
      {"it/66 is/24 signed/22 for/65 x/10", "for", -1, ""},
  };
  RunRowCases(kBeforeFor, kCases);
}

TEST(ForRules, WordsAfterFor) {
  static const RowCase kCases[] = {
      {"x/10 for/65 a/64 time/10", "for", 0, "for: message=304 entryWords=3 ruleId=1779"},
      {"x/10 for/65 up/61 to/68 ten/49", "for", 1, "for: suggestion=\"to a maximum of/until\" message=323 entryWords=3 ruleId=1779"},
      {"x/10 for/65 no/77 reason/10", "for", 2, ""},
      {"x/10 for/65 you/78", "for", 3, ""},
      {"x/10 for/65 again/50", "for", 4, "for: message=304 entryWords=2 ruleId=1779"},
      {"x/10 for/65 some/67 reasons/11", "for", 5, "for: suggestion=\"Because/(Give Reason)\" message=302 entryWords=3 ruleId=2556"},
      {"x/10 for/65 any/38 reason/10", "for", 5, "for: suggestion=\"Because/(Give Reason)\" message=302 entryWords=3 ruleId=2556"},
      {"x/10 for/65 free/30", "for", 6, "for: message=313 entryWords=2 ruleId=3679"},
      {"x/10 for/65 on/75 ./48", "for", 7, "on: suggestion=\"(to ON position or to OFF position)\" message=323 ruleId=1779 verbForm=X"},
      {"x/10 for/65 current/10{msg=325}", "for", 8, ""},
      {"x/10 for/65 which/69", "for", 9, ""},
      {"x/10 for/65 an/64 hour/10", "for", 10, ""},
      {"x/10 for/65 it/66", "for", 10, ""},
      {"x/10 for/65 pump/10", "for", -1, ""},
  };
  RunRowCases(kAfterFor, kCases);
}

TEST(ForRules, WordList) {
  static const RowCase kCases[] = {
      {"x/10 for/65 access/10", "for", 0, "for: suggestion=\"to get access/for access to\" message=313 entryWords=2 ruleId=1674"},
      {"x/10 for/65 convenience/10", "for", 3, "for: suggestion=\"(Rephrase)\" message=313 entryWords=2 ruleId=1674"},
      {"x/10 for/65 details/11", "for", 4, "for: suggestion=\"information about\" message=313 entryWords=2 ruleId=1674"},
      {"x/10 for/65 emergency/10", "for", 5, "for: suggestion=\"for use during an emergency\" message=313 entryWords=2 ruleId=1674"},
      {"x/10 for/65 fear/10", "for", 6, "for: suggestion=\"(Use a better phrase.)\" message=313 entryWords=2 ruleId=1674"},
      {"x/10 for/65 instance/10", "for", 9, "for: suggestion=\"to install/installation\" message=313 entryWords=2 ruleId=1674"},
      {"x/10 for/65 now/52", "for", 11, "for: suggestion=\"at this time\" message=313 entryWords=2 ruleId=1674"},
      {"x/10 for/65 signs/11", "for", 13, "for: suggestion=\"for an indication of\" message=313 entryWords=2 ruleId=1674"},
      {"x/10 for/65 use/20", "for", 14, "for: suggestion=\"use(v)/for operation\" message=313 entryWords=2 ruleId=1674"},
      {"x/10 for/65 when/70", "for", 16, "for: suggestion=\"when\" message=313 entryWords=2 ruleId=1674"},
      {"x/10 for/65 access/10{mark=1}", "for", -1, ""},
  };
  // The words in "-ing" have had their gerund finding already.
  RunRowCases(kForWords, kCases);
}

TEST(ForRules, RemainingRows) {
  static const RowCase kRest[] = {
      {"x/10 for/65 worn/30{code=AAG***} parts/11", "for", 0, "for: message=338 entryWords=2 ruleId=5978"},
      {"x/10 for/65 worn/30 parts/11", "for", -1, ""},
  };
  RunRowCases(kForRest, kRest);  // ':' ended the chain at its start
  static const RowCase kTail[] = {
      {"x/10 for/65 y/10 two/49", "for", 0, ""},
      {"see/20 x/10 for/65 more/30 details/11 about/73 the/64 pump/10", "for", 3,
       "for: suggestion=\"for more information\" message=313 entryWords=3 ruleId=1778", LongSentence},
      {"see/20 x/10 for/65 more/30 details/11 about/73", "for", -1, "", ShortSentence},
      {"x/10 for/65 as/54 long/30 as/54 y/10", "for", 5,
       "for: suggestion=\"(Give time measurement)\" message=305 entryWords=4 ruleId=1778"},
      {"x/10 for/65 some/67 time/10", "for", 6, "for: suggestion=\"(Give time measurement)\" message=305 entryWords=3 ruleId=1778"},
      {"x/10 for/65 never/77", "for", 7, "for: suggestion=\"there is no/there are no\" message=334 ruleId=1678"},
      {"x/10 for/65 this/30 example/10", "for", 9, "for: message=313 entryWords=3 ruleId=2728"},
      {"x/10 for/65 years/11", "for", 10, "for: message=305 entryWords=2 ruleId=56"},
      {"x/10 for/65 sure/30", "for", 11, "for: message=313 entryWords=2 ruleId=1675"},
      {"x/10 for/65 sure/30{mark=1}", "for", -1, ""},
  };
  // Class 78 and numbers after "for" and "signs" end the chain before.
  RunRowCases(kForTail, kTail);
}

TEST(ByRules, FirstRows) {
  static const RowCase kCases[] = {
      {"divided/22 by/65 x/10", "by", 0, ""},
      {"x/10 by/65 this/30 time/10", "by", 1, "by: message=313 entryWords=3 ruleId=3313"},
      {"held/31 by/65 x/10", "by", 2, ""},
      {"marked/22 by/65 x/10", "by", 2, ""},
      {"x/10 by/65 which/69", "by", 3, ""},
      {"x/10 by/65 doing/23 y/10", "by", 4, "by: message=335 entryWords=2 ruleId=4813"},
      {"x/10 by/65 Acme/40{sub=325 msg=325}", "by", 5, "Acme: wordClass=39 subClass=0 message=0"},
      {"x/10 By/65 Acme/10", "By", 6, "Acme: wordClass=39"},
      {"x/10 by/65 acme/40{sub=325}", "by", -1, ""},
      {"turn/20 step/10 by/65 step/10 y/10", "by", 7,
       "step: suggestion=\"step-by-step\" message=317 entryWords=3 ruleId=3312"},
      {"turn/20 step/10 by/65 step/10 ./48", "by", 8, ""},
      {"turn/20 step/10{sub=80} by/65 step/10 y/10", "by", 8, ""},
      {"x/10 by/65 turning/23 y/10", "by", 9, "by: message=338 entryWords=2 ruleId=2788"},
      {"x/10 by/65 pump/10", "by", -1, ""},
  };
  RunRowCases(kByFirst, kCases);
}

TEST(ByRules, WordBeforeBy) {
  auto row = [](const char* word, const char* suggestion) {
    std::string s = std::string(word) + ":";
    if (suggestion) s += std::string(" suggestion=\"") + suggestion + "\"";
    return s + " message=313 entryWords=2 ruleId=3313";
  };
  static const std::string k[] = {
      row("abides", "(Rephrase)"),  row("affected", "caused by"),
      row("backed", "has .."),      row("comes", "have/had/(Rephrase)"),
      row("due", "controlled by/operated by/(Rephrase)"),
      row("easy", nullptr),         row("followed", "the next ..."),
      row("given", "shown by/indicated by"),
      row("held", "held in position by"),
      row("need", nullptr),         row("marked", "identified by"),
      row("signed", "has a signature"),
      row("supported", "held by a support/support(n)"),
      row("trained", "get training from"),
      row("time", "controlled by/(Rephrase)"),
      row("way", nullptr),
  };
  const RowCase cases[] = {
      {"x/10 by/65 you/78", "by", 0, ""},
      {"it/66 abides/21 by/65 x/10", "by", 1, k[0].c_str()},
      {"it/66 accounted/21 by/65 x/10", "by", -1, ""},
      {"it/66 is/24 affected/40 by/65 x/10", "by", 2, k[1].c_str()},
      {"it/66 is/24 backed/40 by/65 x/10", "by", 3, k[2].c_str()},
      {"it/66 comes/21 by/65 x/10", "by", 4, k[3].c_str()},
      {"it/66 is/24 due/30 by/65 x/10", "by", 5, k[4].c_str()},
      {"it/66 is/24 easy/30 by/65 x/10", "by", 6, k[5].c_str()},
      {"it/66 is/24 followed/40 by/65 x/10", "by", 7, k[6].c_str()},
      {"it/66 is/24 given/40 by/65 x/10", "by", 8, k[7].c_str()},
      {"it/66 is/24 held/40 by/65 x/10", "by", 9, k[8].c_str()},
      {"no/77 need/10 by/65 x/10", "by", 10, k[9].c_str()},
      {"it/66 is/24 marked/40 by/65 x/10", "by", 11, k[10].c_str()},
      {"it/66 is/24 signed/40 by/65 x/10", "by", 12, k[11].c_str()},
      {"it/66 is/24 supported/40 by/65 x/10", "by", 13, k[12].c_str()},
      {"it/66 is/24 trained/40 by/65 x/10", "by", 14, k[13].c_str()},
      {"some/67 time/10 by/65 x/10", "by", 15, k[14].c_str()},
      {"the/64 way/10 by/65 x/10", "by", 16, k[15].c_str()},
      {"x/10 by/65 y/10", "by", -1, ""},
  };
  RunRowCases(kBeforeBy, cases);
}

TEST(ByRules, WordsAfterBy) {
  static const RowCase kCases[] = {
      {"x/10 by/65 means/11 of/67 y/10", "by", 0, "by: suggestion=\"with/by/through\" message=313 entryWords=3 ruleId=3313"},
      {"x/10 by/65 no/77 means/11", "by", 1, "by: message=313 entryWords=3 ruleId=3313"},
      {"x/10 by/65 any/38 means/11", "by", 2, "by: message=313 entryWords=3 ruleId=3313"},
      {"x/10 by/65 use/10 of/67 y/10", "by", 3, "by: suggestion=\"with/by\" message=313 entryWords=3 ruleId=3313"},
      {"x/10 by/65 use/10", "by", -1, ""},
  };
  RunRowCases(kAfterBy, kCases);
}

TEST(ByRules, WordList) {
  struct Word {
    const char* next;
    const char* suggestion;
    const char* found;  // message and rule id
  };
  static const Word kWords[] = {
      {"allowing", "allow/let (STE)", "338 2315"},
      {"being", "when you/(Rephrase)", "324 2314"},
      {"chance", "when/accidentally/(Rephrase)", "324 2314"},
      {"default", "(Rephrase)", "324 2314"},
      {"engaging", "when you engage", "338 2315"},
      {"hand", "manually", "324 2314"},
      {"itself", "automatically", "324 2314"},
      {"mistake", "caused by an error/incorrect action", "324 2314"},
      {"moving", "when you move", "338 2315"},
      {"opening", "when you open/to open", "338 2315"},
      {"placing", "put/put in position/position(n)", "338 2315"},
      {"pulling", "when you push (STE)/when you press", "338 2315"},
      {"reading", "when you read/read", "338 2315"},
      {"reason", "for the reason", "324 2314"},
      {"reference", "refer/has a reference", "324 2314"},
      {"switching", "when you change/change/changes", "338 2315"},
      {"themselves", "automatically/(Rephrase)", "324 2314"},
      {"turning", "when you turn/to enter", "338 2315"},
      {"typing", "enter/to enter", "338 2315"},
      {"using", "with/(Rephrase)", "338 2315"},
  };
  std::vector<std::string> texts, changes;
  for (const Word& w : kWords) {
    texts.push_back(std::string("x/10 by/65 ") + w.next + "/40 y/10");
    const std::string found = w.found;
    changes.push_back(std::string("by: suggestion=\"") + w.suggestion + "\" message=" + found.substr(0, 3) +
                      " entryWords=2 ruleId=" + found.substr(4));
  }
  std::vector<RowCase> cases;
  for (std::size_t i = 0; i < texts.size(); ++i)
    cases.push_back({texts[i].c_str(), "by", static_cast<int>(i), changes[i].c_str()});
  cases.push_back({"x/10 by/65 pressing/40 y/10", "by", 11,
                   "by: suggestion=\"when you push (STE)/when you press\" message=338 entryWords=2 ruleId=2315"});
  cases.push_back({"x/10 by/65 handle/10", "by", -1, ""});
  RunRowCases(kByWords, cases);
}

// Each chain through the body: the resume word past covered words, the
// writes of the look-ahead steps, the chain of a word opening its sentence.
TEST(ForByBody, ChainsAndResumeWords) {
  static const BodyCase kCases[] = {
      {"Make/20 sure/30 that/69 the/64 unit/10 is/24 ready/30 for/65 use/20 ./48", "for",
       "ready: suggestion=\"available/prepared for\" message=331 entryWords=2 ruleId=2779", "for"},
      {"x/10 for/65 installing/23 the/64 pump/10", "for", "installing: message=338 ruleId=4679", "installing"},
      {"x/10 for/65 a/64 time/10 ./48", "for",
       "for: message=304 entryWords=3 ruleId=1779\na: wordClass=40\ntime: wordClass=40", "time"},
      {"x/10 for/65 current/10{msg=325 sub=325} flow/10", "for", "current: subClass=0 message=0", "for"},
      {"x/10 for/65 on/75 ./48", "for",
       "on: suggestion=\"(to ON position or to OFF position)\" message=323 ruleId=1779 verbForm=X", "on"},
      {"x/10 for/65 details/11 ./48", "for",
       "for: suggestion=\"information about\" message=313 entryWords=2 ruleId=1674\ndetails: wordClass=40", "details"},
      // A short -ing verb: the infinitive from its base form.
      {"x/10 for/65 sing/23{plural=0} y/10", "for",
       "for: suggestion=\"to s\" message=338 entryWords=2 ruleId=2156\nsing: suggestion=\"s\" wordClass=40", "sing",
       PluralSubject, "subjectNumber=0"},
      {"x/10 for/65 sing/23{plural=_} y/10", "for", "", "for", PluralSubject, "subjectNumber=0"},
      {"x/10 for/65 pump/10 ./48", "for", "", "for"},
      {"x/10 by/65 means/11 of/67 y/10", "by",
       "by: suggestion=\"with/by/through\" message=313 entryWords=3 ruleId=3313\nmeans: wordClass=40\nof: wordClass=40",
       "of"},
      {"x/10 by/65 hand/10 ./48", "by",
       "by: suggestion=\"manually\" message=324 entryWords=2 ruleId=2314\nhand: wordClass=40", "hand", nullptr,
       "scratchResult=-1"},
      {"x/10 by/65 jan/10 2020/49", "by", "", "by", nullptr, "scratchResult=99"},
      {"x/10 by/65 12/17 jan/10", "by", "", "by", nullptr, "scratchResult=99"},
      {"divided/22 by/65 x/10 ./48", "by", "", "x"},
      {"turn/20 step/10 by/65 step/10 y/10", "by",
       "step: suggestion=\"step-by-step\" message=317 entryWords=3 ruleId=3312", "by"},
      {"it/66 is/24 marked/40 by/65 x/10", "by",
       "marked: suggestion=\"identified by\" message=313 entryWords=2 ruleId=3313", "by"},
      // A past participle before "by" ends the chain before its table.
      {"it/66 is/24 marked/22 by/65 x/10", "by", "", "by"},
      {"x/10 by/65 you/78", "by", "", "by"},
      {"x/10 by/65 pump/10 ./48", "by", "", "by"},
  };
  RunBodyCases(ApplyForByRules, kCases);
}

TEST(ForByBody, OpeningWord) {
  static const BodyCase kCases[] = {
      {"By/65 turning/23 the/64 valve/10 ./48", "By",
       "By: suggestion=\"(Use infin. verb on list)\" message=338 entryWords=2 ruleId=4556\nturning: wordClass=40",
       "turning", ShortSentence},
      {"By/65 x/10 ./48", "By", "", "By"},
      {"By/65 Acme/10{sub=325 msg=325} the/64 x/10 ./48", "By",
       "By: message=331 ruleId=4556\nAcme: wordClass=39 subClass=0 message=0", "By", ShortSentence},
      {"By/65 the/64 end/10 of/67 day/10 ./48", "By", "By: message=318 ruleId=1766", "By", ShortSentence},
      {"By/65 the/64 end/10 ,/47 stop/20 ./48", "By", "By: message=302 ruleId=166", "By", ShortSentence},
      {"By/65 lunch/10 ,/47 stop/20 ./48", "By", "By: message=331 ruleId=1779", "By", ShortSentence},
      {"Per/65 hour/10 ,/47 x/10", "Per", "Per: message=331 ruleId=1779", "Per"},
      {"Per/65 hour/10 ./48", "Per", "Per: message=331 ruleId=1779", "Per"},
      {"For/65 cleaning/23 the/64 pump/10 use/20 water/16 ./48", "For",
       "For: suggestion=\"to ... Verb.\" message=331 ruleId=2156", "For"},
      {"For/65 safety/10 ./48", "For", "", "For"},
      {"For/65 now/52 ,/47 stop/20 the/64 pump/10", "For",
       "For: message=304 entryWords=2 ruleId=1779\nnow: wordClass=40", "now"},
      {"For/65 sing/23 stop/20 ./48", "For", "For: suggestion=\"To\" message=331 ruleId=4586", "For"},
      {"For/65 safety/10 stop/20 the/64 pump/10 ./48", "For", "For: message=318 ruleId=1666", "For"},
      {"For/65 safety/10 ,/47 stop/20 the/64 pump/10 ./48", "For", "", "For", nullptr, "scratchResult=-1"},
  };
  RunBodyCases(ApplyForByRules, kCases);
}

}  // namespace
