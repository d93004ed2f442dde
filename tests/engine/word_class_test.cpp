#include "engine/word_class.h"

#include <gtest/gtest.h>

#include "tests/support/word_list_fixture.h"

namespace {

WordRec Decoded(const char* text, const char* code, const char* suggestion = "") {
  WordRec w = LoneWord(text);
  w.classCode = code;
  w.suggestion = suggestion;
  w.weight = 3;
  DecodeWordClass(&w);
  return w;
}

TEST(DecodeWordClass, NounCodesBySingularAndPlural) {
  WordRec w = Decoded("valve", "1014");
  EXPECT_EQ(w.wordClass, 10);
  EXPECT_EQ(w.subClass, 14);
  EXPECT_EQ(w.classCode, "N*S***");
  EXPECT_EQ(w.weight, 1);
  w = Decoded("valves", "1014");
  EXPECT_EQ(w.wordClass, 11);
  EXPECT_EQ(w.classCode, "NMP***");
  w = Decoded("gas", "1014");
  EXPECT_EQ(w.wordClass, 10);
  EXPECT_EQ(w.classCode, "N*S***");
  w = Decoded("bus", "10");
  EXPECT_EQ(w.wordClass, 10);
  EXPECT_EQ(w.classCode, "10");  // an 's' that is no plural ending leaves it
  w = Decoded("oils", "16");
  EXPECT_EQ(w.classCode, "N*P***");
  w = Decoded("oil", "16");
  EXPECT_EQ(w.classCode, "N*S***");

  // A '$' plural of a material noun becomes a plain plural noun.
  w = LoneWord("greases");
  w.classCode = "16";
  w.pluralMarker = '$';
  DecodeWordClass(&w);
  EXPECT_EQ(w.wordClass, 11);
  w = LoneWord("seals");
  w.classCode = "10";
  w.pluralMarker = '$';
  DecodeWordClass(&w);
  EXPECT_EQ(w.wordClass, 11);
  EXPECT_EQ(w.classCode, "NMP***");
}

TEST(DecodeWordClass, TwoDigitCodesDropTheSuggestionExceptAdverbs) {
  WordRec w = Decoded("valve", "10", "pipe");
  EXPECT_EQ(w.suggestion, "");
  w = Decoded("slowly", "52", "(use a verb)");
  EXPECT_EQ(w.wordClass, 50);
  EXPECT_EQ(w.classCode, "B*****");
  EXPECT_EQ(w.suggestion, "(use a verb)");
  w = Decoded("as", "54", "x");
  EXPECT_EQ(w.wordClass, 54);
  EXPECT_EQ(w.classCode, "S54***");
  w = LoneWord("fast");
  w.classCode = "50";
  w.markFlag = '1';
  DecodeWordClass(&w);
  EXPECT_EQ(w.wordClass, 30);
  EXPECT_EQ(w.classCode, "AF****");
}

TEST(DecodeWordClass, EmptyAndOddCodes) {
  WordRec w = Decoded("x", "");
  EXPECT_EQ(w.wordClass, 40);
  EXPECT_EQ(w.subClass, 80);
  EXPECT_EQ(w.classCode, "D1****");
  w = Decoded("x", "4080>");
  EXPECT_EQ(w.classCode, "D1****");
  w = Decoded("x", "99");
  EXPECT_EQ(w.wordClass, 99);
  EXPECT_EQ(w.classCode, "99");
  w = Decoded("x", "301");  // no form of a '3' code: neutral
  EXPECT_EQ(w.wordClass, 40);
  EXPECT_EQ(w.classCode, "D*****");
  w = Decoded("x", "3012");
  EXPECT_EQ(w.wordClass, 30);
  EXPECT_EQ(w.subClass, 12);
  EXPECT_EQ(w.classCode, "AF****");
}

struct TableRow {
  const char* text;
  const char* code;
  int wordClass;
  const char* classCode;
};

TEST(DecodeWordClass, ClassTable) {
  // clang-format off
  const TableRow rows[] = {
      {"is", "24", 24, "H2****"}, {"has", "24", 24, "H1****"},
      {"have", "25", 25, "H3****"}, {"was", "25", 25, "H2****"}, {"are", "25", 25, "H2****"}, {"be", "25", 25, "H22***"},
      {"done", "26", 26, "26"}, {"been", "27", 27, "H2****"}, {"can", "28", 28, "H6****"}, {"not", "29", 29, "SN****"},
      {"red", "32", 32, "AF****"}, {"bent", "31", 31, "AP****"}, {"each", "37", 37, "S*****"}, {"all", "38", 38, "AF****"},
      {"max", "45", 45, "D1****"}, {"left", "43", 43, "D*****"}, {"one", "49", 49, "S08***"},
      {"up", "55", 50, "B*****"}, {"in", "60", 60, "SIT***"}, {"off", "61", 61, "S05***"}, {"but", "62", 62, "S*****"},
      {"and", "63", 63, "DCC***"}, {"an", "64", 64, "S00***"}, {"for", "65", 65, "S*****"},
      {"it", "66", 66, "H51I"}, {"they", "66", 66, "H52I"}, {"of", "67", 67, "S06***"}, {"to", "68", 68, "S022**"},
      {"which", "69", 69, "S20T3*"}, {"when", "70", 70, "S*****"}, {"with", "74", 74, "S19W**"},
      {"this", "76", 76, "S20***"}, {"no", "77", 77, "SNO***"}, {"you", "78", 78, "H51Y"},
      {"very", "72", 72, "72"}, {"gear", "12", 12, "N*S***"}, {"paris", "15", 15, "N*S***"},
      {"a-b", "18", 18, "N*S***"}, {"a-bs", "19", 19, "NMP***"},
      {"x", "80", 80, "D*****"}, {"x", "13", 13, "D*****"}, {"x", "01", 1, "G0****"}, {"x", "06", 6, "JMS***"},
  };
  // clang-format on
  for (const TableRow& r : rows) {
    WordRec w = Decoded(r.text, r.code);
    EXPECT_EQ(w.wordClass, r.wordClass) << r.text << " " << r.code;
    EXPECT_EQ(w.classCode, r.classCode) << r.text << " " << r.code;
  }
  // Codes that begin with a letter keep the class the matcher gave.
  WordRec w = LoneWord("open");
  w.classCode = "X0";
  w.wordClass = 20;
  DecodeWordClass(&w);
  EXPECT_EQ(w.wordClass, 20);
  EXPECT_EQ(w.classCode, "X0");
  w.classCode = "V0";
  DecodeWordClass(&w);
  EXPECT_EQ(w.classCode, "V0****");
  // Units keep their weight and get the unit code.
  w = Decoded("bar", "1717");
  EXPECT_EQ(w.classCode, "NM*S");
  EXPECT_EQ(w.weight, 3);
}

TEST(DecodeWordClass, MessageCodes) {
  WordRec w = Decoded("carries", "31521");
  EXPECT_EQ(w.message, 315);
  EXPECT_EQ(w.message2, 315);
  EXPECT_EQ(w.subClass, 315);
  EXPECT_EQ(w.wordClass, 21);
  EXPECT_EQ(w.verbForm, '1');
  EXPECT_EQ(w.classCode, "V1*3**");

  w = Decoded("utilized", "30022", "use");
  EXPECT_EQ(w.message, 300);
  EXPECT_EQ(w.wordClass, 22);
  EXPECT_EQ(w.verbForm, '2');
  w = Decoded("utilizing", "30023", "use");
  EXPECT_EQ(w.message, 338);  // class 23 makes it a gerund finding
  w = Decoded("approximately", "30150", "about");
  EXPECT_EQ(w.message, 301);
  EXPECT_EQ(w.wordClass, 50);
  EXPECT_EQ(w.classCode, "B**3**");
  EXPECT_EQ(w.subClass, 301);
  EXPECT_EQ(w.suggestion, "about");
  w = Decoded("approximately", "30110", "about");
  EXPECT_EQ(w.wordClass, 50);  // -ly
  w = Decoded("checkup", "31410", "inspection");
  EXPECT_EQ(w.separatorFlag, '~');
  EXPECT_EQ(w.classCode, "N*S3**");
  w = Decoded("gearbox", "31312", "gear box");
  EXPECT_EQ(w.classCode, "N*S3N*");

  // A '^' verb and a WRONG CHOICE verb become WRONG VERB.
  w = LoneWord("ensure");
  w.classCode = "30120";
  w.suggestion = "make sure";
  DecodeWordClass(&w);
  EXPECT_EQ(w.message, 300);
  EXPECT_EQ(w.message2, 301);
  // A WRONG CHOICE word after "the" becomes a noun.
  w = LoneWord("main");
  w.classCode = "30130";
  w.markFlag = '1';
  DecodeWordClass(&w);
  EXPECT_EQ(w.message, 301);
  EXPECT_EQ(w.wordClass, 30);  // class 30 is left alone
  w = LoneWord("check");
  w.classCode = "30110";
  w.markFlag = '1';
  DecodeWordClass(&w);
  EXPECT_EQ(w.wordClass, 10);
  // Adjective stems with another message.
  w = LoneWord("cleaner");
  w.classCode = "32640";
  w.dictMarker = '@';
  DecodeWordClass(&w);
  EXPECT_EQ(w.wordClass, 34);
}

TEST(DecodeWordClass, VerbFormFollowsThePreviousModal) {
  {
    TestWords words({"can", "utilized"});
    words.at(0)->wordClass = 28;
    words.at(1)->classCode = "30022";
    DecodeWordClass(words.at(1));
    EXPECT_EQ(words.at(1)->wordClass, 20);
  }
  TestWords words({"utilized"});
  words.at(0)->classCode = "30022";
  DecodeWordClass(words.at(0));  // first of its sentence: no previous word is read
  EXPECT_EQ(words.at(0)->wordClass, 22);
}

TEST(DecodeWordClass, UnapprovedVerbsAndArticleMarks) {
  WordRec w = LoneWord("opens");
  w.classCode = "21";
  w.verbForm = '8';
  DecodeWordClass(&w);
  EXPECT_EQ(w.message, 300);
  EXPECT_EQ(w.verbForm, '1');
  w = LoneWord("valve");
  w.classCode = "10";
  w.tag = "<AR>";
  DecodeWordClass(&w);
  EXPECT_EQ(w.message, 311);
  EXPECT_EQ(w.message2, 311);
}

TEST(ExpandSuggestion, InflectsCodedAlternatives) {
  WordRec w = LoneWord("removes");
  w.suggestion = "Aremove/Bdisconnect/take out";
  ExpandSuggestion(&w);
  EXPECT_EQ(w.suggestion, "removes/disconnects/take out");
  w = LoneWord("removed");
  w.suggestion = "0a/0b/0c/0d/0e/0f/0g";
  ExpandSuggestion(&w);
  EXPECT_EQ(w.suggestion, "aed/bed/ced/ded/eed/fed");
  w = LoneWord("removed");
  w.suggestion = "12 mm";
  ExpandSuggestion(&w);
  EXPECT_EQ(w.suggestion, "12 mm");
  w = LoneWord("removes");
  w.suggestion = "//Otake/O-ring//";
  ExpandSuggestion(&w);
  EXPECT_EQ(w.suggestion, "Otake/O-ring");  // 'O' is no code letter
  // The joined text stays under 78 characters from the third alternative on.
  w = LoneWord("x");
  std::string s = std::string(40, 'a') + "/" + std::string(40, 'b') + "/c";
  w.suggestion = s;
  ExpandSuggestion(&w);
  EXPECT_EQ(w.suggestion, std::string(40, 'a') + "/" + std::string(40, 'b'));
}

TEST(MatchSuggestionCase, FollowsTheWrittenWord) {
  WordRec w = LoneWord("valve");
  w.written = "VALVE";
  w.caseFlag = '2';
  w.suggestion = "pipe/tube";
  MatchSuggestionCase(&w);
  EXPECT_EQ(w.suggestion, "PIPE/TUBE");
  w.written = "Valve";
  w.caseFlag = '1';
  w.suggestion = "pipe/tube";
  MatchSuggestionCase(&w);
  EXPECT_EQ(w.suggestion, "Pipe/Tube");
  w.suggestion = "(use a verb)";
  MatchSuggestionCase(&w);
  EXPECT_EQ(w.suggestion, "(use a verb)");

  auto unchanged = [](WordRec w) {
    w.suggestion = "pipe";
    MatchSuggestionCase(&w);
    return w.suggestion == "pipe";
  };
  WordRec base = LoneWord("valve");
  base.written = "Valve";
  base.caseFlag = '1';
  base.sentencePos = 3;
  EXPECT_FALSE(unchanged(base));
  WordRec c = base;
  c.subClass = 17;
  EXPECT_TRUE(unchanged(c));
  c = base;
  c.subClass = -2;
  EXPECT_TRUE(unchanged(c));
  c = base;
  c.message = 323;
  EXPECT_TRUE(unchanged(c));
  c = base;
  c.caseFlag = '0';
  EXPECT_TRUE(unchanged(c));
  c = base;
  c.written = "4valve";
  EXPECT_TRUE(unchanged(c));
  c = base;
  c.written = "VAlve";
  EXPECT_TRUE(unchanged(c));
  c = base;
  c.sentencePos = 0;
  c.markFlag = '1';
  EXPECT_TRUE(unchanged(c));
  c = base;
  c.caseFlag = '2';
  c.written = "VALVE";
  c.extraFlag = '~';
  EXPECT_TRUE(unchanged(c));
}

TEST(DecodeWordClass, CapitalisesTheSuggestion) {
  WordRec w = LoneWord("utilizes");
  w.written = "Utilizes";
  w.caseFlag = '1';
  w.classCode = "30021";
  w.suggestion = "Ause/1employ";
  DecodeWordClass(&w);
  EXPECT_EQ(w.suggestion, "Uses/Employs");
  w = LoneWord("valve");
  w.caseFlag = 'x';  // recomputed from the written word
  w.written = "VAlve";
  w.classCode = "10";
  DecodeWordClass(&w);
  EXPECT_EQ(w.caseFlag, '2');
}

}  // namespace
