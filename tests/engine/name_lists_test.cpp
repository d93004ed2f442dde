#include "engine/name_lists.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/word_rec.h"

namespace {

struct Row {
  const char* text;
  int expected;
};

TEST(NameListsTest, MonthsDaysAndNameContextWords) {
  // Months and days are picked by a lower-case initial, the rest compared
  // ignoring case; there is no 'w' group.
  for (const Row& r : {Row{"june", 1}, {"april", 1}, {"august", 1}, {"december", 1}, {"friday", 1}, {"may", 1},
                       {"monday", 1}, {"saturday", 1}, {"sunday", 1}, {"thursday", 1}, {"tuesday", 1},
                       {"september", 1}, {"juNE", 1}, {"JUNE", -1}, {"June", -1}, {"wed", -1}, {"wednesday", -1},
                       {"jun", -1}, {"", -1}, {nullptr, -1}})
    EXPECT_EQ(IsMonthOrDayName(r.text), r.expected) << (r.text ? r.text : "null");
  // Keys exact and by prefix, case-sensitive; "Contracto" counted on 9
  // characters, "Europ" on 5; "Physician" a prefix of its own length; the
  // I group is empty; the keys are spelled right ("Offical" misses).
  for (const Row& r : {Row{"Officer", 1}, {"Officers", 1}, {"Office", 1}, {"Offices", -1}, {"avenue", -1},
                       {"Avenue", 1}, {"Contractors", 1}, {"Contractual", -1}, {"Contracto", 1}, {"expects", 1},
                       {"Europa", 1}, {"Ltd.", 1}, {"said", 1}, {"Said", -1}, {"Italy", -1}, {"1st", -1},
                       {nullptr, -1}, {"Official", 1}, {"Officials", 1}, {"Offical", -1}, {"Principal", 1},
                       {"Principle", -1}, {"Physician", 1}, {"Physicians", 1}, {"Physical", -1}, {"Physics", -1}})
    EXPECT_EQ(IsNameContextWord(r.text), r.expected) << (r.text ? r.text : "null");
}

TEST(NameListsTest, StateCodesAndNames) {
  const struct {
    const char* text;
    int kind, expected;
  } rows[] = {
      // Codes: the second character as written; every state has its code, "JS" is none.
      {"NY", 1, 1}, {"LA", 1, 1}, {"Ny", 1, -1}, {"NYC", 1, -1}, {"ZZ", 1, -1}, {"KY", 1, 1}, {"MD", 1, 1},
      {"ME", 1, 1}, {"NM", 1, 1}, {"WV", 1, 1}, {"ND", 1, 1}, {"SD", 1, 1}, {"VT", 1, 1}, {"JS", 1, -1},
      // Names, spelled right; "La..." alone is no state.
      {"Vermont", 2, 1}, {"VERMONT", 2, 1}, {"vermont", 2, -1}, {"York", 2, 1}, {"Kentucky", 2, 1},
      {"Yersey", 2, -1}, {"Jersey", 2, 1}, {"North", 2, 1}, {"NY", 2, -1}, {"Dakota", 2, 1}, {"Maryland", 2, 1},
      {"Illinois", 2, 1}, {"Tennessee", 2, 1}, {"Louisiana", 2, 1}, {"Illnois", 2, -1}, {"Tennassee", 2, -1},
      {"Lamp", 2, -1}, {"LAMP", 2, -1}, {"Vermont", 3, -1}, {nullptr, 2, -1},
  };
  for (const auto& r : rows)
    EXPECT_EQ(IsStateName(r.text, r.kind), r.expected) << (r.text ? r.text : "null") << " " << r.kind;
}

TEST(NameListsTest, NextControlWordByPrefixAndWholeWordKeys) {
  WordRec first, second;
  first.next = &second;
  second.prev = &first;
  for (const Row& r : {Row{"buttons", 1}, {"button", 1}, {"switches", 1}, {"keypad", 1}, {"modes", 1},
                       {"labels", 1}, {"windows", 1}, {"screen", 1}, {"state", 1}, {"application", 1}, {"link", 1},
                       {"position", 1}, {"states", 0}, {"links", 0}, {"controls", 0}, {"Button", 0}, {"", 0},
                       {"valve", 0}}) {
    second.text = r.text;
    EXPECT_EQ(NextIsControlWord(&first), r.expected) << r.text;
  }
  EXPECT_EQ(NextIsControlWord(&second), 0);
  EXPECT_EQ(NextIsControlWord(nullptr), 0);
}

}  // namespace
