// The tokenizer's steps for hyphens, apostrophes, quotation marks, commas,
// colons, semicolons, slashes, plus signs, parentheses, the code-page
// characters and the other characters.
#include "tests/engine/tokenize_helper.h"

namespace {

// ---- hyphens ----------------------------------------------------------------

TEST_F(TokenizerTest, HyphensInsideWordsAndKnownPrefixes) {
  auto t = Tokenize("A pre-set well-known re-use X-ray 10-20 part");
  EXPECT_EQ(WrittenOf(t),
            (Words{"A", "pre-set", "well-known", "re-use", "X-ray", "10-20", "part", ".", "@@END"}));
  EXPECT_EQ(Find(t, "pre-set").sentenceLength, 2);
  EXPECT_EQ(Find(t, "re-use").sentenceLength, 2);
  EXPECT_EQ(Find(t, "well-known").sentenceLength, 0);
}

TEST_F(TokenizerTest, PrefixBeforeABlankTakesOnlyItsHyphen) {
  EXPECT_EQ(Written("pre- and post-test"), (Words{"pre-", "and", "post-test", ".", "@@END"}));
}

TEST_F(TokenizerTest, HyphenAfterANumber) {
  auto t = Tokenize("a 10-mm bolt and 2nd-stage");
  EXPECT_EQ(WrittenOf(t), (Words{"a", "10", "mm", "bolt", "and", "2nd", "stage", ".", "@@END"}));
  Token ten = Find(t, "10");
  EXPECT_EQ(ten.tokenKind, 9);
  EXPECT_EQ(ten.splitKind, '4');
  EXPECT_EQ(ten.extraFlag, 'H');
  Token second = Find(t, "2nd");
  EXPECT_EQ(second.tokenKind, 0);
  EXPECT_EQ(second.splitKind, '4');
}

TEST_F(TokenizerTest, HyphenBetweenCapitalisedWords) {
  auto t = Tokenize("Airbus-Boeing A-Frame");
  EXPECT_EQ(WrittenOf(t), (Words{"Airbus", "Boeing", "A-Frame", ".", "@@END"}));
  EXPECT_EQ(t[0].tokenKind, 0);
}

TEST_F(TokenizerTest, HyphensBeforeACommentEnd) {
  EXPECT_EQ(Written("end--> next"), (Words{"end", "next", ".", "@@END"}));
}

// The word is read as the writer sees it: the soft hyphen is no character
// of it (a '-' there would be searched for and not found).
TEST_F(TokenizerTest, SoftHyphen) {
  EXPECT_EQ(Written("main\xADtenance word\xAD \xAD-x \xADy"),
            (Words{"maintenance", "word", "-x", "y", ".", "@@END"}));
}

// ---- apostrophes ------------------------------------------------------------

TEST_F(TokenizerTest, ContractionsAreWrittenWithAQuestionMark) {
  auto t = Tokenize("Don't say it's what's I'm I'd we'll it'll they're we've o'clock DON'T");
  EXPECT_EQ(WrittenOf(t), (Words{"Don?t", "say", "it?s", "what?s", "I?m", "I?d", "we?ll", "it?ll",
                                 "they?re", "we?ve", "o", "clock", "DON?T", ".", "@@END"}));
  Token dont = Find(t, "Don?t");
  EXPECT_EQ(dont.message, 310);
  EXPECT_EQ(dont.subClass, 310);
  EXPECT_EQ(dont.extraFlag, '4');
  EXPECT_EQ(dont.tokenKind, 9);
  EXPECT_EQ(Find(t, "o").tokenKind, 9);  // no contraction: the word ends
}

TEST_F(TokenizerTest, ContractionWithOtherApostrophes) {
  EXPECT_EQ(Written("don\x92t can`t"), (Words{"don?t", "can?t", ".", "@@END"}));
}

TEST_F(TokenizerTest, YouWithDKeepsThePendingKind) {
  auto t = Tokenize("you'd go");
  EXPECT_EQ(t[0].written, "you?d");
  EXPECT_EQ(t[0].message, 0);
}

TEST_F(TokenizerTest, Possessives) {
  auto t = Tokenize("the valves' cover, the valve's cover\nand Al's tool");
  EXPECT_EQ(WrittenOf(t), (Words{"valves", "cover", ",", "valve", "cover", "and", "Al", "tool", ".", "@@END"}));
  Token plural = Find(t, "valves");
  EXPECT_EQ(plural.wordClass, 10);
  EXPECT_EQ(plural.splitKind, '2');
  EXPECT_EQ(plural.extraFlag, '5');
  EXPECT_EQ(plural.markFlag, '1');
  Token single = Find(t, "valve");
  EXPECT_EQ(single.wordClass, 10);
  EXPECT_EQ(single.subClass, 310);
  EXPECT_EQ(single.splitKind, '2');
  EXPECT_EQ(Find(t, "Al").extraFlag, '5');
}

TEST_F(TokenizerTest, ApostropheAtTheStartAndBetweenDigits) {
  auto t = Tokenize("'quoted word' and 1'000");
  EXPECT_EQ(WrittenOf(t), (Words{"quoted", "word", "and", "1'000", ".", "@@END"}));
  EXPECT_EQ(t[0].tag, "");  // the pending kind 101 wins over the mark of the next word
  EXPECT_EQ(t[1].tokenKind, 9);
}

TEST_F(TokenizerTest, LeftSingleQuoteAfterAWord) {
  auto t = Tokenize("It\x91s there\x91s I\x91m we\x91ll go don\x91t valve\x91s word\x91 x \x91y");
  EXPECT_EQ(WrittenOf(t), (Words{"It?s", "there?s", "I?m", "we", "go", "don?t", "valve", "word", "x",
                                 "y", ".", "@@END"}));
  Token itIs = Find(t, "It?s");
  EXPECT_EQ(itIs.suggestion, "It is");
  EXPECT_EQ(itIs.message, 309);
  EXPECT_EQ(itIs.extraFlag, 'I');
  EXPECT_EQ(Find(t, "there?s").suggestion, "it is");
  EXPECT_EQ(Find(t, "we").message, 310);
  EXPECT_EQ(Find(t, "don?t").message, 310);
  EXPECT_EQ(Find(t, "valve").splitKind, '2');
  EXPECT_EQ(Find(t, "word").tokenKind, 0);
}

// ---- quotation marks --------------------------------------------------------

TEST_F(TokenizerTest, ShortQuotationInCapitals) {
  auto t = Tokenize("Set \"OFF\" then \x84ON\nNOW\x94 x");
  Token off = Find(t, "\"OFF\"");
  EXPECT_EQ(off.text, "<\"OFF\">");
  EXPECT_EQ(off.wordClass, 40);
  EXPECT_EQ(off.subClass, 80);
  EXPECT_EQ(Find(t, "\x84ON NOW\x94").text, "<\x84ON NOW\x94>");
}

TEST_F(TokenizerTest, QuotationLookAheadGivesUp) {
  // At a small letter, and after 17 characters.
  EXPECT_EQ(Written("\"Open the valve\" now"), (Words{"Open", "valve", "now", ".", "@@END"}));
  EXPECT_EQ(Written("\"ABCDEFGHIJKLMNOP\""), (Words{"\"ABCDEFGHIJKLMNOP\"", ".", "@@END"}));
  EXPECT_EQ(Written("\"ABCDEFGHIJKLMNOPQ\""), (Words{"ABCDEFGHIJKLMNOPQ", ".", "@@END"}));
  // ... and at the end of the text, which stays whole.
  EXPECT_EQ(WrittenOf(TokenizeRaw("x \"ABC@@END")), (Words{"x", "ABC", ".", "@@END"}));
  EXPECT_EQ(WrittenOf(TokenizeRaw("x \"AB")), (Words{"x", "AB"}));
}

TEST_F(TokenizerTest, PunctuationAfterAnOpeningMark) {
  auto t = Tokenize("See \"(x) and \"<b>y</b>");
  Token paren = Find(t, "(");
  EXPECT_EQ(paren.wordClass, 45);
  EXPECT_EQ(paren.verbForm, 'A');
  EXPECT_EQ(Find(t, "y").written, "y");  // markup after the mark is still markup
}

// ---- commas -----------------------------------------------------------------

TEST_F(TokenizerTest, CommasInNumbersAndBetweenCapitals) {
  EXPECT_EQ(Written("1,000 A,B"), (Words{"1,000", "A,B", ".", "@@END"}));
}

TEST_F(TokenizerTest, CommaRecordsTheNextWord) {
  auto t = Tokenize("valve, cover a , 5 b ,\n6 c,7 end");
  EXPECT_EQ(WrittenOf(t),
            (Words{"valve", ",", "cover", "a", ",", "5", "b", ",", "6", "c", ",", "7", "end", ".", "@@END"}));
  EXPECT_EQ(t[0].tokenKind, 0);
  EXPECT_EQ(t[1].tag, "<, c>");
  EXPECT_EQ(t[1].tokenKind, 9);
  EXPECT_EQ(t[4].tag, "<,*>");   // alone between blanks
  EXPECT_EQ(t[7].tag, "<,*>\n");  // ... with a line feed after it
  EXPECT_EQ(t[10].tag, "");
  EXPECT_EQ(t[10].tokenKind, 0);
}

// ---- colons and semicolons --------------------------------------------------

TEST_F(TokenizerTest, AddressesBecomeOnePlaceholder) {
  auto t = Tokenize("See http://example.com/a,b now or HTTPS://x.y</para>CAGE:1234 z");
  EXPECT_EQ(WrittenOf(t), (Words{"See", "<ref>", "now", "or", "<ref>", ".", "<ref>", "z", ".", "@@END"}));
  EXPECT_EQ(t[1].tokenKind, 9);
  EXPECT_EQ(WrittenOf(TokenizeRaw("see http://a.b@@END")), (Words{"see", "<ref>", ".", "@@END"}));
}

TEST_F(TokenizerTest, ColonsEndTheSentence) {
  auto t = Tokenize("Note: do 10:30 C:\\\\dir : x :y");
  // Before two backslashes the colon stays in its word (the backslash then
  // ends it) and the sentence goes on.
  EXPECT_EQ(WrittenOf(t), (Words{"Note", ":", "do", "10:30", "C:", "dir", ":", "x", ":y", ".", "@@END"}));
  EXPECT_EQ(t[0].tokenKind, 9);
  EXPECT_EQ(t[1].tokenKind, 9);
  EXPECT_EQ(t[2].sentencePos, 0);
  EXPECT_EQ(t[5].sentencePos, 3);
  EXPECT_EQ(t[7].sentencePos, 0);
}

TEST_F(TokenizerTest, Semicolons) {
  auto t = Tokenize("valve; cover;\nnut ; x");
  EXPECT_EQ(WrittenOf(t), (Words{"valve", ";", "cover", ";", "nut", "x", ".", "@@END"}));
  EXPECT_EQ(t[0].tokenKind, 9);
  EXPECT_EQ(t[1].message, 337);
  EXPECT_EQ(t[1].tokenKind, 9);
  EXPECT_EQ(t[1].separatorFlag, '\0');
  EXPECT_EQ(t[3].tokenKind, 8);
  EXPECT_EQ(t[3].separatorFlag, '8');
  EXPECT_EQ(t[2].sentencePos, 2);  // the count runs on
}

// A semicolon is a finding only where its marker can be found again: by the
// semicolon and the letters of the word after it.
TEST_F(TokenizerTest, SemicolonsBeforeOtherThanAWordArePunctuation) {
  struct Case {
    std::string text;
    int message;
  };
  for (const Case& c : {Case{"valve; cover", 337}, Case{"valve;cover", 337}, Case{"valve;\n  cover", 337},
                        Case{"valve; <b>cover</b>", 0}, Case{"valve;\n&amp;cover", 0},
                        Case{"valve; 10 nuts", 0}, Case{"valve; (cover)", 0},
                        Case{"valve; " + std::string(84, 'x') + " cover", 0},
                        Case{"valve; the cover", 337}, Case{"valve; the <i>cover</i>", 0}}) {
    auto t = Tokenize(c.text);
    ASSERT_GE(t.size(), 2u) << c.text;
    EXPECT_EQ(t[1].written, std::string(";")) << c.text;
    EXPECT_EQ(t[1].message, c.message) << c.text;
  }
}

// ---- slashes and plus signs -------------------------------------------------

TEST_F(TokenizerTest, SlashesThatStay) {
  EXPECT_EQ(Written("1/2 and/or A/C httpserver/2 x<i>/bin/5</i>"),
            (Words{"1/2", "and/or", "A/C", "httpserver/2", "x", "/bin/5", ".", "@@END"}));
}

TEST_F(TokenizerTest, SlashesAndPlusSignsThatEndTheWord) {
  auto t = Tokenize("valve/ cover CAN/ bus valve/2 +5 A+ B CAN+ x C++");
  EXPECT_EQ(WrittenOf(t), (Words{"valve", "cover", "CAN/", "bus", "valve", "2", "+5", "A", "B", "CAN", "x",
                                 "C", ".", "@@END"}));
  EXPECT_EQ(t[0].tokenKind, 0);
  EXPECT_EQ(t[2].tokenKind, 0);
}

// ---- parentheses and brackets -----------------------------------------------

TEST_F(TokenizerTest, ShortParenthesesStayInTheToken) {
  EXPECT_EQ(Written("See (1) and (12) step(A1) [x] (1234) (A)"),
            (Words{"See", "(1)", "and", "(12)", "step(A1)", "[x]", "(", "1234", ")", "(", "A", ")", ".",
                   "@@END"}));
}

TEST_F(TokenizerTest, PluralEndings) {
  auto t = Tokenize("Remove the valve(s) and box(es) and it(s)");
  Token valves = Find(t, "valve(s)");
  EXPECT_EQ(valves.text, "valve");
  EXPECT_EQ(valves.tokenKind, 9);
  EXPECT_EQ(valves.wordClass, 10);
  EXPECT_EQ(valves.separatorFlag, '8');
  EXPECT_EQ(valves.markFlag, '1');
  Token boxes = Find(t, "box(es)");
  EXPECT_EQ(boxes.text, "box(es)");
  EXPECT_EQ(boxes.splitKind, '8');
  EXPECT_EQ(boxes.extraFlag, '8');
  // Too short a word keeps the ending apart.
  EXPECT_EQ(Find(t, "it").written, "it");
}

TEST_F(TokenizerTest, OpeningParenthesisAsAToken) {
  auto t = Tokenize("Valve (Item 2) (see it) (<b>x</b>) [note]");
  EXPECT_EQ(WrittenOf(t), (Words{"Valve", "(", "Item", "2", ")", "(", "see", "it", ")", "(", "<ref>", "x",
                                 ")", "[", "note", "]", ".", "@@END"}));
  EXPECT_EQ(t[1].tokenKind, 0);
  EXPECT_EQ(t[5].tokenKind, 9);  // before a small letter
  EXPECT_EQ(t[9].tokenKind, 9);  // before markup
  EXPECT_EQ(t[13].tokenKind, 0);
}

TEST_F(TokenizerTest, ClosingParenthesisKinds) {
  auto t = Tokenize("(see it) now (remove valves) now a ) b (x).");
  // Before a blank, after a short word: 170, tag ")?".
  EXPECT_EQ(t[3].written, ")");
  EXPECT_EQ(t[3].tag, ")?");
  EXPECT_EQ(t[3].tokenKind, 0);
  // Before a blank, after a word of six or more characters: 172, tag ")?".
  EXPECT_EQ(t[8].written, ")");
  EXPECT_EQ(t[8].tag, ")?");
  // Between blanks: 199.
  EXPECT_EQ(t[11].written, ")");
  EXPECT_EQ(t[11].extraFlag, ')');
  // Before a full stop: a punctuation token of kind 9.
  EXPECT_EQ(t[15].written, ")");
  EXPECT_EQ(t[15].tokenKind, 9);
}

// ---- code-page characters ---------------------------------------------------

TEST_F(TokenizerTest, FractionsReplaceTheNumber) {
  auto t = Tokenize("1\xBD in \xBC \xBE");
  EXPECT_EQ(WrittenOf(t), (Words{"#half#", "in", "#quarter#", "#3qtr#", ".", "@@END"}));
  EXPECT_EQ(t[0].tokenKind, 9);
}

TEST_F(TokenizerTest, DegreeSign) {
  auto t = Tokenize("20\xB0""C and 30\xB0 x 40\xB0y z\xB0""C");
  EXPECT_EQ(WrittenOf(t), (Words{"20C", "and", "30D", "x", "40y", "zC", ".", "@@END"}));
  EXPECT_EQ(t[0].tokenKind, 9);
  EXPECT_EQ(t[2].tokenKind, 9);
}

TEST_F(TokenizerTest, OtherCodePageCharacters) {
  auto t = Tokenize("\xB1""5 a\xB7""b 3\xD7""4 3\xD7 4 10\x96""20 x \xB5m y m\xB2\xB3\xB6\xB9 \x80""5 \xA3""2 \xA5""3 a\xA0""b");
  EXPECT_EQ(WrittenOf(t), (Words{"+5", "a_b", "3x4", "3x", "4", "10.20", "x", "y", "m", "\x80""5", "\xA3""2",
                                 "\xA5""3", "a", "b", ".", "@@END"}));
  EXPECT_EQ(Find(t, "3x").tokenKind, 0);
}

// ---- other characters -------------------------------------------------------

TEST_F(TokenizerTest, QuestionMark) {
  auto t = Tokenize("What? Why ?");
  EXPECT_EQ(WrittenOf(t), (Words{"What", "?", "Why", "?", ".", "@@END"}));
  EXPECT_EQ(t[0].tokenKind, 9);
  EXPECT_EQ(t[1].tokenKind, 9);
  EXPECT_EQ(t[1].splitKind, '0');
  EXPECT_EQ(t[3].splitKind, '5');  // a blank before it
}

TEST_F(TokenizerTest, BracesBarsAndClosers) {
  EXPECT_EQ(Written("a{b}c {ab} a|b a||b a| x] y"),
            (Words{"a{b}c", "ab", "}", "a|b", "a||b", "a", "x", "]", "y", ".", "@@END"}));
}

TEST_F(TokenizerTest, AppendedAndIgnoredCharacters) {
  EXPECT_EQ(Written("$5 50% a_b #5 a\x01""b a\r\nb"), (Words{"$5", "50%", "a_b", "#5", "ab", "a", "b", ".", "@@END"}));
  // '#' only while the token is shorter than 78 characters.
  auto t = Tokenize(std::string(77, 'a') + "###");
  EXPECT_EQ(t[0].written, std::string(77, 'a') + "#");
}

// A character passed over ends the word in progress: every word is text the
// document holds, so that its marker can find it.
TEST_F(TokenizerTest, PassedOverCharactersEndTheWord) {
  EXPECT_EQ(Written("a~b a*b=c\\d bin\\ant registry=https x>y action@master m\xB2x a^b"),
            (Words{"a", "b", "a", "b", "c", "d", "bin", "ant", "registry", "https", "x", "y", "action", "master",
                   "m", "x", "a", "b", ".", "@@END"}));
  // Text written as markup: "<foreign> element" reaches the scan as
  // "&lt;foreign> element".
  EXPECT_EQ(Written("see &lt;foreign> element &lt;description>An"),
            (Words{"see", "<Ref>", "foreign", "element", "<Ref>", "description", "An", ".", "@@END"}));
  // No mark of the next word's start is taken over the character: the mark
  // says the next word follows the break right after the word.
  auto t = Tokenize("Apache\x99 Formatting and Apache Formatting");
  EXPECT_EQ(WrittenOf(t), (Words{"Apache", "Formatting", "and", "Apache", "Formatting", ".", "@@END"}));
  EXPECT_EQ(t[0].tag, "");
  EXPECT_EQ(t[0].tokenKind, 0);
  EXPECT_EQ(t[3].tag, "<+F>");
  // At the start of a token nothing changes.
  EXPECT_EQ(Written("=x *y ~z"), (Words{"x", "y", "z", ".", "@@END"}));
}

}  // namespace
