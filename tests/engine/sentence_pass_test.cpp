#include "engine/sentence_pass.h"

#include <gtest/gtest.h>

#include "tests/engine/list_cases.h"

namespace {

// Each case: a list and what the sentence pass changes in it.
TEST(SentencePassTest, Rows) {
  RunListCases(
      {
          // Positions count from each sentence's first word; only one-character
          // end marks of class 48 end a sentence; a word with a leading blank
          // is not counted.
          {{{"Do", 20, "V0**", "pos=9"}, {"this", 66, nullptr, "pos=9"}, {".", 48}, {"Then", 50, nullptr, "pos=9"},
            {"that", 66}, {".", 48, nullptr, "pos=9"}},
           "Do: sentencePos=0\nthis: sentencePos=1\n.: sentencePos=2\nThen: sentencePos=0\nthat: sentencePos=1\n.: sentencePos=2"},
          {{{"Stop", 20}, {",", 47}, {":", 40}, {"then", 50}, {"!", 48}, {"Go", 20}}, ""},
          {{{"Do", 20}, {"x", 40, nullptr, "text=_x pos=7"}, {"it", 66}, {".", 48}}, "it: sentencePos=1\n.: sentencePos=2"},
          // The weight of dots and blanks.
          {{{"U.S.A.", 45}, {"1.5", 49}, {"make sure", 20}, {"a.m.", 45}, {".", 48}}, "1.5: weight=2\nmake sure: weight=2"},
          // "May" as a month between numbers.
          {{{"On", 60}, {"1", 49}, {"May", 28, nullptr, "msg=326"}, {"2009", 49}, {"it", 66},
            {"may", 28, nullptr, "msg=326"}, {"2", 49}, {".", 48}},
           "May: classCode=\"D***\" wordClass=39 message=0\nmay: classCode=\"V0***\" message=0"},
          {{{"Whilst", 70, nullptr, "msg=302"}, {"it", 66}, {"runs", 21}, {"whilst", 70, nullptr, "msg=302"}, {"it", 66},
            {".", 48}},
           "Whilst: suggestion=\"When\" classCode=\"B****\" message=331 ruleId=4672\nwhilst: suggestion=\"while\" classCode=\"B****\" message=331 ruleId=4672"},
          // The noun that the rule gives its article is not dispatched again,
          // but it still counts once: the words after it keep their places.
          {{{"Check", 20, "NMS**", "msg=300 rule=1"}, {"valve", 10, nullptr, "pos=5"}, {"now", 50}, {".", 48}},
           "Check: classCode=\"V0**\" ruleId=3614\n"
           "valve: suggestion=\"the valve\" tag=\"<AR>\" message=311 sentencePos=1 ruleId=4768\n"
           "now: sentencePos=2\n.: sentencePos=3"},
          {{{"Check", 20, "NMS**", "msg=300"}, {"valve", 10}}, "Check: classCode=\"V0**\" ruleId=3614\nvalve: suggestion=\"the valve\" tag=\"<AR>\" message=311 ruleId=4768", false},
          {{{"makes sure", 21, nullptr, "msg=315"}, {"set", 20, nullptr, "msg=315"}, {".", 48}}, "makes sure: wordClass=20 message=0 weight=2\nset: ruleId=4282"},
          {{{"It", 66}, {"could", 28, "NMS**", "msg=300"}, {"take", 20, "", "msg=322"}},
           "could: classCode=\"V0S**\" message=0\ntake: classCode=\"V0\" message=0"},
          // A noun used as a verb after "the" is a noun; after an article word
          // the steps stop at the quiet test before the previous word's class.
          {{{"Open", 20}, {"service", 20, "NMS**", "msg=300 mark=1"}, {"now", 50}, {".", 48}},
           "service: classCode=\"NMS*\" wordClass=10 message=0"},
          {{{"Open", 20}, {"a", 64}, {"service", 20, "NMS**", "msg=300"}, {"now", 50}}, "service: subClass=300"},
          {{{"Open", 20}, {"valve", 10}, {"case", 10, "NMS**", "msg=301 sug=box(n)"}, {"and", 63},
            {"under", 10, nullptr, "msg=301"}, {"it", 66}, {".", 48}},
           "case: suggestion=\"housing\" tag=\"<AR>\" classCode=\"NMS*\" wordClass=18 subClass=311 message=311 message2=311\nunder: wordClass=60 message=0"},
          {{{"We", 66, nullptr, "msg=312"}, {"cm", 40, "FN***", "sub=325 msg=325 msg2=325"}, {"long", 30},
            {"valve", 10, nullptr, "sep=8"}, {".", 48}},
           "We: suggestion=\"(Be specific)\" wordClass=40 ruleId=3772\ncm: classCode=\"D***\" wordClass=17 subClass=0 message=0 message2=0\nvalve: suggestion=\"valve/valves\" subClass=337 message=337"},
          // A word found only as a synonym is an abbreviation.
          {{{"Use", 20}, {"approx", 40, "D***", "extra=2"}, {".", 48}},
           "approx: wordClass=45 subClass=309 message=309 message2=325"},
          {{{"A", 64}, {"well-known", 30, nullptr, "msg=317"}, {"part", 10}, {"/", 40, nullptr, "msg=337 split=6"},
            {".", 48}}, "well-known: message=0\n/: subClass=337 ruleId=8765"},
          {{{"Stop", 20}, {"blorf", 40, "FN***", "sub=325 msg=325 msg2=325 pos=4"}}, "blorf: subClass=0 message2=0 sentencePos=1 ruleId=325", false},
          // Dictionary codes that the context settles.
          {{{"It", 66}, {"is", 24}, {"closed", 22, nullptr, "sub=38"}, {".", 48}, {"Closed", 22, nullptr, "sub=38"},
            {"it", 66}, {".", 48}}, "closed: wordClass=30 subClass=0"},
          {{{"A", 64}, {"two-way", 30, nullptr, "msg=305"}, {"valve", 10}, {".", 48}, {"It", 66}, {"is", 24},
            {"one-way", 30, nullptr, "msg=305"}, {"opens", 21}, {".", 48}},
           "two-way: message=0\none-way: subClass=305"},
          // Roman numerals become neutral words; one letter, a slash, or a
          // split number stays a number.
          {{{"Part", 10}, {"iv", 49, nullptr, "msg=308"}, {"v", 49, nullptr, "msg=308"}, {"i/o", 49, nullptr, "msg=308"},
            {"vi", 49, nullptr, "msg=308 split=4"}, {"ix", 40, nullptr, "msg=308"}, {".", 48}},
           "iv: classCode=\"D***\" wordClass=40 message=0\nv: subClass=308\ni/o: subClass=308\nvi: subClass=308\n"
           "ix: subClass=308"},
          {{{"See", 20}, {"Fig", 40, nullptr, "msg=309"}, {"Fig.", 45, nullptr, "msg=309"},
            {"a_b", 10, nullptr, "msg=309"}, {"xyz", 40, nullptr, "msg=309"}, {".", 48}},
           "Fig: suggestion=\"Figure\" tag=\"<AR>\" message=311 ruleId=3198\nFig.: subClass=309\n"
           "a_b: classCode=\"D***\" wordClass=40 message=0\nxyz: subClass=309"},
          {{{"The", 64}, {"valve", 10, nullptr, "msg=310 split=1"}, {"its", 10, nullptr, "msg=310"}, {".", 48}},
           "valve: subClass=310 message2=310 extraFlag=5\nits: subClass=310 message2=310"},
          {{{"Two", 49}, {"valves", 10, nullptr, "msg=311"}, {"boxes", 18, nullptr, "msg=311"},
            {"cases", 10, nullptr, "msg=311 sug=(x)"}, {"valve", 10, nullptr, "msg=311"}, {".", 48}},
           "valves: classCode=\"NM***\" wordClass=11 subClass=311\nboxes: classCode=\"NM***\" wordClass=11 subClass=311\n"
           "cases: subClass=311\nvalve: subClass=311"},
          {{{"You", 66}, {"shall", 40, nullptr, "msg=330"}, {"go", 20}, {".", 48}, {"It", 66},
            {"is", 24, nullptr, "msg=330"}, {".", 48}},
           "shall: classCode=\"V0***\" wordClass=28 message=0\nis: subClass=330"},
          // Words without a code.
          {{{"Use", 20}, {"M8", 10}, {"3a", 10}, {"valve", 40, nullptr, "split=2 msg2=5"}, {"<internalRef/>", 40},
            {"ltd", 40, nullptr, "extra=A"}, {".", 48}},
           "M8: wordClass=40\n3a: wordClass=40\nvalve: classCode=\"NMS**\" wordClass=10 message2=0\n"
           "<internalRef/>: tag=\"<##>\" wordClass=10 subClass=326 message=326\nltd: classCode=\"D1**\" wordClass=45"},
          // A plural cut by the tokenizer offers both forms, in capitals when
          // the word is written in capitals.
          {{{"VALVE", 40, nullptr, "sep=8"}, {".", 48}},
           "VALVE: suggestion=\"VALVE/VALVES\" wordClass=10 subClass=337 message=337"},
          // Dictionary subclass 12.
          {{{"check", 10, nullptr, "sub=12"}, {"@x", 40}}, "check: subClass=0", false},
          {{{"It", 66}, {"valve", 40, nullptr, "sub=12 msg=310"}, {".", 48}},
           "valve: wordClass=10 subClass=0 splitKind=2 extraFlag=5"},
          {{{"Check", 10, nullptr, "sub=12"}, {"ok", 45, "D1**", "msg=309 msg2=5"}, {".", 48}},
           "ok: classCode=\"D1*3\" message=0 message2=0"},
          {{{"Clean", 20}, {"filter", 40, "DMS**", "sub=12 sep=8 msg2=7"}, {".", 48}},
           "filter: suggestion=\"filter/filters\" classCode=\"NMS**\" wordClass=10 subClass=0 message=337 message2=0"},
          {{{"Do", 20}, {"itself", 66, "S1***", "msg=312"}, {"she", 31, nullptr, "msg=312"},
            {"one", 10, nullptr, "msg=312"}, {"it", 66, nullptr, "msg=312"}, {".", 48}},
           "itself: classCode=\"D1***\" wordClass=40 ruleId=4772\nshe: classCode=\"D***\" wordClass=66 message=0\n"
           "one: subClass=301 message=301 message2=301\nit: subClass=312"},
          // Hyphenated words.
          {{{"Do", 20}, {"<ref>", 40, "X***", "msg=317"}, {"opens", 21}, {".", 48}},
           "<ref>: classCode=\"D***\" message=0"},
          {{{"It", 66}, {"is", 24}, {"left-hand", 45, nullptr, "msg=317 sug=left_(Rephrase)"},
            {"top-side", 45, nullptr, "msg=317 sug=(Top)"}, {"opens", 21}, {".", 48}},
           "left-hand: wordClass=15 subClass=17\ntop-side: wordClass=10 subClass=17"},
          {{{"The", 64}, {"run", 20, nullptr, "msg=317 mark=1"}, {"stops", 21}, {".", 48}},
           "run: classCode=\"NM**\" wordClass=10 subClass=301 message=301 message2=301"},
          {{{"A", 64}, {"testing", 23, nullptr, "msg=317"}, {"unit", 10, "NMS**"}, {".", 48},
            {"Testing", 23, nullptr, "msg=317"}, {"opens", 21}, {".", 48}, {"Testing", 23, nullptr, "msg=317"},
            {"unit", 10}, {".", 48}},
           "testing: classCode=\"NM***\" wordClass=10 subClass=301 message=301 message2=301\n"
           "Testing: subClass=317 message=325\nTesting: classCode=\"NM***\" wordClass=10 subClass=317 message=325"},
          {{{"Do", 20}, {"it?s", 40, nullptr, "msg=317 extra=5"}, {"now", 50}, {".", 48}},
           "it?s: classCode=\"NM***\" wordClass=10 message=310 ruleId=7893"},
          // Wrong choices.
          {{{"Use", 20}, {"valves", 10, "DMP**", "msg=301 extra=8"}, {"cross", 20, nullptr, "msg=301 extra=H"},
            {"bar", 10}, {"like", 40, nullptr, "msg=301 sug=x"}, {"per", 60, nullptr, "msg=301"},
            {"sealed", 20, nullptr, "msg=301 sug=seal(n)"}, {"seals", 20, nullptr, "msg=301 sug=seal(n)"}, {".", 48}},
           "valves: classCode=\"NMP**\" message=337 ruleId=3672\ncross: wordClass=11 message=0\n"
           "like: suggestion=\"\" wordClass=46 message=0\nper: wordClass=40 message=0\n"
           "sealed: wordClass=22 message=300 ruleId=3614\nseals: wordClass=11 message=0"},
          // Modal words and split verbs.
          {{{"You", 66}, {"should", 20, "V1**", "msg=300"}, {"take", 22, "V2**", "msg=322"},
            {"it?s", 20, nullptr, "msg=300 split=1"}, {".", 48}},
           "should: classCode=\"V0**\" wordClass=28 message=0\ntake: classCode=\"V0**\" wordClass=20 message=0\n"
           "it?s: wordClass=10 subClass=310 message=310"},
      },
      [](TestWords& words) {
        RunSentencePass();
        return words.Changes();
      });
  WordList.Reset();
  RunSentencePass();  // an empty list
}

}  // namespace
