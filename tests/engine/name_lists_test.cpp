#include "engine/name_lists.h"

#include <gtest/gtest.h>

#include "engine/word_rec.h"

namespace {

TEST(NameListsTest, MonthsAndDaysArePickedByALowerCaseInitial) {
  for (const char* s : {"june", "april", "august", "december", "friday", "may", "monday",
                        "saturday", "sunday", "thursday", "tuesday", "september"})
    EXPECT_EQ(IsMonthOrDayName(s), 1) << s;
  EXPECT_EQ(IsMonthOrDayName("juNE"), 1);  // the rest is compared ignoring case
  EXPECT_EQ(IsMonthOrDayName("JUNE"), -1);
  EXPECT_EQ(IsMonthOrDayName("June"), -1);
  EXPECT_EQ(IsMonthOrDayName("wed"), -1);
  EXPECT_EQ(IsMonthOrDayName("wednesday"), -1);  // no 'w' group
  EXPECT_EQ(IsMonthOrDayName("jun"), -1);
  EXPECT_EQ(IsMonthOrDayName(""), -1);
  EXPECT_EQ(IsMonthOrDayName(nullptr), -1);
}

TEST(NameListsTest, NameContextKeysExactAndPrefix) {
  EXPECT_EQ(IsNameContextWord("Officer"), 1);
  EXPECT_EQ(IsNameContextWord("Officers"), 1);
  EXPECT_EQ(IsNameContextWord("Office"), 1);
  EXPECT_EQ(IsNameContextWord("Offices"), -1);
  EXPECT_EQ(IsNameContextWord("avenue"), -1);  // case-sensitive key
  EXPECT_EQ(IsNameContextWord("Avenue"), 1);
  EXPECT_EQ(IsNameContextWord("Contractors"), 1);
  EXPECT_EQ(IsNameContextWord("Contractual"), -1);
  EXPECT_EQ(IsNameContextWord("Contracto"), 1);  // counted on 9 characters
  EXPECT_EQ(IsNameContextWord("expects"), 1);
  EXPECT_EQ(IsNameContextWord("Europa"), 1);   // "Europ" on 5 characters
  EXPECT_EQ(IsNameContextWord("Ltd."), 1);
  EXPECT_EQ(IsNameContextWord("said"), 1);
  EXPECT_EQ(IsNameContextWord("Said"), -1);
  EXPECT_EQ(IsNameContextWord("Italy"), -1);  // the I group is empty
  EXPECT_EQ(IsNameContextWord("1st"), -1);
  EXPECT_EQ(IsNameContextWord(nullptr), -1);
}

TEST(NameListsTest, NameContextKeysAreSpelledRight) {
  EXPECT_EQ(IsNameContextWord("Official"), 1);
  EXPECT_EQ(IsNameContextWord("Officials"), 1);
  EXPECT_EQ(IsNameContextWord("Offical"), -1);
  EXPECT_EQ(IsNameContextWord("Principal"), 1);
  EXPECT_EQ(IsNameContextWord("Principle"), -1);
  // "Physician" is a prefix of its own length: other "Physi..." words miss.
  EXPECT_EQ(IsNameContextWord("Physician"), 1);
  EXPECT_EQ(IsNameContextWord("Physicians"), 1);
  EXPECT_EQ(IsNameContextWord("Physical"), -1);
  EXPECT_EQ(IsNameContextWord("Physics"), -1);
}

TEST(NameListsTest, StateCodesAndNames) {
  EXPECT_EQ(IsStateName("NY", 1), 1);
  EXPECT_EQ(IsStateName("LA", 1), 1);
  EXPECT_EQ(IsStateName("Ny", 1), -1);  // the second character as written
  EXPECT_EQ(IsStateName("NYC", 1), -1);
  EXPECT_EQ(IsStateName("ZZ", 1), -1);
  EXPECT_EQ(IsStateName("Vermont", 2), 1);
  EXPECT_EQ(IsStateName("VERMONT", 2), 1);
  EXPECT_EQ(IsStateName("vermont", 2), -1);
  EXPECT_EQ(IsStateName("York", 2), 1);
  EXPECT_EQ(IsStateName("Kentucky", 2), 1);
  EXPECT_EQ(IsStateName("Yersey", 2), -1);
  EXPECT_EQ(IsStateName("Jersey", 2), 1);
  EXPECT_EQ(IsStateName("North", 2), 1);
  EXPECT_EQ(IsStateName("NY", 2), -1);
  EXPECT_EQ(IsStateName("Vermont", 3), -1);
  EXPECT_EQ(IsStateName(nullptr, 2), -1);
}

TEST(NameListsTest, EveryStateHasItsCode) {
  for (const char* code : {"KY", "MD", "ME", "NM", "WV", "ND", "SD", "VT"}) EXPECT_EQ(IsStateName(code, 1), 1) << code;
  EXPECT_EQ(IsStateName("JS", 1), -1);
  EXPECT_EQ(IsStateName("Dakota", 2), 1);  // North and South Dakota
  EXPECT_EQ(IsStateName("Maryland", 2), 1);
}

TEST(NameListsTest, StateNamesAreSpelledRightAndLaAloneIsNoState) {
  EXPECT_EQ(IsStateName("Illinois", 2), 1);
  EXPECT_EQ(IsStateName("Tennessee", 2), 1);
  EXPECT_EQ(IsStateName("Louisiana", 2), 1);
  EXPECT_EQ(IsStateName("Illnois", 2), -1);
  EXPECT_EQ(IsStateName("Tennassee", 2), -1);
  EXPECT_EQ(IsStateName("Lamp", 2), -1);
  EXPECT_EQ(IsStateName("LAMP", 2), -1);
}

class NextControlWordTest : public ::testing::Test {
 protected:
  WordRec first, second;
  void SetUp() override {
    first.next = &second;
    second.prev = &first;
  }
};

TEST_F(NextControlWordTest, PrefixAndWholeWordKeys) {
  for (const char* s : {"buttons", "button", "switches", "keypad", "modes", "labels", "windows",
                        "screen", "state", "application", "link", "position"}) {
    second.text = s;
    EXPECT_EQ(NextIsControlWord(&first), 1) << s;
  }
  for (const char* s : {"states", "links", "controls", "Button", "", "valve"}) {
    second.text = s;
    EXPECT_EQ(NextIsControlWord(&first), 0) << s;
  }
}

TEST_F(NextControlWordTest, NoNextWord) {
  EXPECT_EQ(NextIsControlWord(&second), 0);
  EXPECT_EQ(NextIsControlWord(nullptr), 0);
}

}  // namespace
