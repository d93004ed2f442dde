// The tokenizer's steps for the sentinel, words, the article, breaks,
// sentence ends and abbreviations.
#include "tests/engine/tokenize_helper.h"

namespace {

// ---- sentinel ---------------------------------------------------------------

TEST_F(TokenizerTest, SentenceWithTheSentinel) {
  auto t = Tokenize("Remove the cover");
  EXPECT_EQ(WrittenOf(t), (Words{"Remove", "cover", ".", "@@END"}));
  EXPECT_EQ(t[1].markFlag, '1');
  EXPECT_EQ(t[3].tokenKind, 9);
  EXPECT_EQ(t[3].sentencePos, 1);  // after the full stop that restarted the count
}

TEST_F(TokenizerTest, EmptyTextAndTextOfMarkupOnly) {
  EXPECT_TRUE(TokenizeRaw("").empty());
  EXPECT_EQ(WrittenOf(TokenizeRaw("  <para> </para>\n <b></b> @@END")), (Words{"@@END"}));
}

TEST_F(TokenizerTest, SentinelEndsTheScan) {
  EXPECT_EQ(WrittenOf(TokenizeRaw("Open valve. @@END more words")), (Words{"Open", "valve", ".", "@@END"}));
  // A word glued to the sentinel is kept, and a sentence end goes before it.
  auto t = TokenizeRaw("Open valve@@END");
  EXPECT_EQ(WrittenOf(t), (Words{"Open", "valve", ".", "@@END"}));
  EXPECT_EQ(t[1].tokenKind, 9);
  EXPECT_EQ(t[3].sentencePos, 3);
  // Only "@@END" is the sentinel; another '@' is passed over (and ends the word).
  EXPECT_EQ(WrittenOf(Tokenize("a@@b")), (Words{"a", "b", ".", "@@END"}));
}

TEST_F(TokenizerTest, TextWithoutSentinelKeepsItsLastWord) {
  EXPECT_EQ(WrittenOf(TokenizeRaw("Remove cover")), (Words{"Remove", "cover"}));
}

// ---- letters and digits -----------------------------------------------------

TEST_F(TokenizerTest, LettersDigitsAndCodePageLetters) {
  EXPECT_EQ(Written("M8 bolt caf\xE9"), (Words{"M8", "bolt", "caf\xE9", ".", "@@END"}));
}

TEST_F(TokenizerTest, OverlongTokenIsDiscarded) {
  const std::string max(83, 'a');
  auto t = Tokenize(max + " b");
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0].written, max);
  // The 84th letter discards the whole word: its rest is no word of its own
  // (it would be flagged and marked inside the long word).
  struct Case {
    std::string text;
    Words words;
  };
  const std::string x84(84, 'x');
  for (const Case& c : {Case{x84 + "yz ok", {"ok", ".", "@@END"}},
                        Case{x84 + ".yz.com ok", {"ok", ".", "@@END"}},
                        Case{x84 + "-yz, ok", {",", "ok", ".", "@@END"}},
                        Case{"a " + x84 + "</p>b", {"a", ".", "b", ".", "@@END"}},
                        Case{x84 + "&eacute;z ok", {"ok", ".", "@@END"}}})
    EXPECT_EQ(Written(c.text), c.words) << c.text;
  for (const Token& tok : Tokenize(std::string(500, 'q') + " " + std::string(200, '#')))
    EXPECT_LE(tok.written.size(), 83u);
}

TEST_F(TokenizerTest, LoneSmallOIsABullet) {
  EXPECT_EQ(Written("o Remove o-ring"), (Words{"Remove", "o-ring", ".", "@@END"}));
}

// ---- the article ------------------------------------------------------------

TEST_F(TokenizerTest, ArticleMarksTheNextWord) {
  auto t = Tokenize("Remove THE cover and the\nnut");
  EXPECT_EQ(WrittenOf(t), (Words{"Remove", "cover", "and", "nut", ".", "@@END"}));
  EXPECT_EQ(t[0].markFlag, '0');
  EXPECT_EQ(t[1].markFlag, '1');
  EXPECT_EQ(t[2].markFlag, '0');
  EXPECT_EQ(t[3].markFlag, '1');
  EXPECT_EQ(t[1].sentencePos, 1);  // the dropped article takes no position
}

TEST_F(TokenizerTest, RepeatedArticleIsOneToken) {
  auto t = Tokenize("the the valve");
  EXPECT_EQ(WrittenOf(t), (Words{"the the", "valve", ".", "@@END"}));
  EXPECT_EQ(t[0].tag, "<RP>");
  EXPECT_EQ(t[0].tokenKind, 9);
  EXPECT_EQ(t[1].markFlag, '0');
  EXPECT_EQ(Written("Open The the\nvalve"), (Words{"Open", "The the", "valve", ".", "@@END"}));
}

TEST_F(TokenizerTest, ArticleOnlyAtABreak) {
  // "the" before a full stop or "then" after it are words.
  EXPECT_EQ(Written("Use the"), (Words{"Use", "the", ".", "@@END"}));
  auto t = Tokenize("the theory");
  EXPECT_EQ(WrittenOf(t), (Words{"theory", ".", "@@END"}));
  EXPECT_EQ(t[0].markFlag, '1');
}

// ---- breaks and the marks of the next word ---------------------------------

TEST_F(TokenizerTest, DoubleBlankTagsTheWord) {
  auto t = Tokenize("Open  valve");
  EXPECT_EQ(t[0].tag, "<DS>");
  EXPECT_EQ(t[0].tokenKind, 11);
}

TEST_F(TokenizerTest, OneCharacterWordRecordsTheNextStart) {
  auto t = Tokenize("a tool and b (see) c 5");
  EXPECT_EQ(Find(t, "a").tag, "< t>");
  EXPECT_EQ(Find(t, "b").tag, "< (>");
  EXPECT_EQ(Find(t, "c").tag, "");  // before a digit
}

TEST_F(TokenizerTest, TwoCharacterWordAfterABlankOrLineBreak) {
  auto t = Tokenize("Do it now, go on (x) or\nto 5 as 6");
  // At the start of the text nothing stands before "Do": the general mark.
  EXPECT_EQ(t[0].tag, "<+i>");
  EXPECT_EQ(t[0].separatorFlag, ' ');
  Token it = Find(t, "it");
  EXPECT_EQ(it.tag, "<+n>");
  EXPECT_EQ(it.separatorFlag, 'R');
  EXPECT_EQ(Find(t, "on").tag, "<+(>");  // punctuation after the break
  Token to = Find(t, "to");                // a line feed before the word
  EXPECT_EQ(to.tag, "<+5>");
  EXPECT_EQ(to.separatorFlag, 'R');
  EXPECT_EQ(Find(t, "as").tag, "");        // blank before, digit after
}

TEST_F(TokenizerTest, ShortWordBeforeALetter) {
  auto t = Tokenize("Tighten bolt\nnow Carefully check 100 mm");
  EXPECT_EQ(t[0].tag, "<+b>");
  Token bolt = Find(t, "bolt");
  EXPECT_EQ(bolt.tag, "<+n>8");  // the break is a line feed
  EXPECT_EQ(bolt.tokenKind, 0);
  EXPECT_EQ(Find(t, "Carefully").tag, "");  // nine letters
  EXPECT_EQ(Find(t, "check").tag, "");      // before a digit
  EXPECT_EQ(Find(t, "100").tag, "");        // begins with a digit
}

TEST_F(TokenizerTest, TabBreakMarksALineBreak) {
  auto t = Tokenize("Open\tvalve");
  EXPECT_EQ(t[0].tag, "<+v>8");
}

TEST_F(TokenizerTest, SecondLineFeedBecomesABlank) {
  // After the change a blank stands before "xy", so it is no longer a word
  // after a line break.
  auto t = Tokenize("ab\n\nxy 5");
  EXPECT_EQ(Find(t, "xy").tag, "");
  EXPECT_EQ(Find(Tokenize("ab\nxy 5"), "xy").tag, "<+5>");
}

TEST_F(TokenizerTest, PendingKindWinsOverTheBreakMarks) {
  auto t = Tokenize("A pre-set  valve");
  Token w = Find(t, "pre-set");
  EXPECT_EQ(w.tag, "");
  EXPECT_EQ(w.tokenKind, 9);
  EXPECT_EQ(w.sentenceLength, 2);
}

// ---- sentence ends ----------------------------------------------------------

TEST_F(TokenizerTest, FullStopEndsTheSentence) {
  auto t = Tokenize("Open valve. Close it");
  EXPECT_EQ(WrittenOf(t), (Words{"Open", "valve", ".", "Close", "it", ".", "@@END"}));
  EXPECT_EQ(t[1].tokenKind, 9);
  EXPECT_EQ(t[2].tokenKind, 9);
  EXPECT_EQ(t[2].sentencePos, 2);
  EXPECT_EQ(t[3].sentencePos, 0);
  EXPECT_EQ(t[4].sentencePos, 1);
}

TEST_F(TokenizerTest, NumbersBeforeAFullStop) {
  auto t = Tokenize("Do step 1. Then step 12. Then 2.5 or .5 mm");
  EXPECT_EQ(WrittenOf(t), (Words{"Do", "step", "1.", "Then", "step", "12.", ".", "Then", "2.5", "or",
                                 ".5", "mm", ".", "@@END"}));
  EXPECT_EQ(Find(t, "1.").tokenKind, 9);
  EXPECT_EQ(t[3].sentencePos, 0);
  EXPECT_EQ(t[7].sentencePos, 0);
  // A number and a stop before a small letter is an ordinary sentence end.
  EXPECT_EQ(Written("Use 12. then"), (Words{"Use", "12", ".", "then", ".", "@@END"}));
}

TEST_F(TokenizerTest, FullStopBeforeMarkupKeepsThePendingKind) {
  auto t = Tokenize("Open valve.<b>x</b>");
  EXPECT_EQ(Find(t, "valve").tokenKind, 0);
  EXPECT_EQ(t[2].written, ".");
  EXPECT_EQ(t[2].tokenKind, 0);
  EXPECT_EQ(Find(t, "x").sentencePos, 0);
}

TEST_F(TokenizerTest, FullStopWithoutAWordAndRepeatedStops) {
  EXPECT_EQ(Written("Wait... Then"), (Words{"Wait", ".", "Then", ".", "@@END"}));
  auto t = Tokenize("Go (now). Then");
  EXPECT_EQ(WrittenOf(t), (Words{"Go", "(", "now", ")", ".", "Then", ".", "@@END"}));
  EXPECT_EQ(Find(t, "Then").sentencePos, 0);
}

TEST_F(TokenizerTest, DottedWordsStayWhole) {
  EXPECT_EQ(Written("Edit config.xml now"), (Words{"Edit", "config.xml", "now", ".", "@@END"}));
}

TEST_F(TokenizerTest, EmDashEndsTheSentence) {
  auto t = Tokenize("Stop\x97then go");
  EXPECT_EQ(WrittenOf(t), (Words{"Stop", ".", "then", "go", ".", "@@END"}));
  EXPECT_EQ(t[0].tokenKind, 0);
  EXPECT_EQ(t[1].tokenKind, 9);
  EXPECT_EQ(t[2].sentencePos, 0);
}

TEST_F(TokenizerTest, PageBreaksEndWithoutRenumbering) {
  auto t = Tokenize("a bc\fdd e\xA4 ff");
  EXPECT_EQ(WrittenOf(t), (Words{"a", "bc", ".", "dd", "e", ".", "ff", ".", "@@END"}));
  EXPECT_EQ(Find(t, "bc").tokenKind, 0);
  EXPECT_EQ(Find(t, "dd").sentencePos, 3);
  EXPECT_EQ(Find(t, "ff").sentencePos, 6);
}

TEST_F(TokenizerTest, ExclamationMark) {
  auto t = Tokenize("Stop! Now ! go");
  EXPECT_EQ(WrittenOf(t), (Words{"Stop", "!", "Now", "go", ".", "@@END"}));
  EXPECT_EQ(Find(t, "Now").sentencePos, 2);  // the count runs on
}

// ---- abbreviations ----------------------------------------------------------

TEST_F(TokenizerTest, KnownAbbreviationsKeepTheirStop) {
  auto t = Tokenize("Use e.g. a tool, see fig. 3 and E.G. (etc.) now");
  Token eg = Find(t, "e.g.");
  EXPECT_EQ(eg.wordClass, 45);
  EXPECT_EQ(eg.verbForm, 'A');
  EXPECT_EQ(Find(t, "a").sentencePos, 2);  // the sentence goes on
  Token fig = Find(t, "fig.");
  EXPECT_EQ(fig.wordClass, 45);
  EXPECT_EQ(fig.verbForm, 'B');
  EXPECT_EQ(Find(t, "E.G.").wordClass, 45);
  EXPECT_EQ(Find(t, "etc.").wordClass, 45);
}

TEST_F(TokenizerTest, AbbreviationOnlyBeforeItsFollowers) {
  // A tab is not among the characters that may follow an abbreviation.
  EXPECT_EQ(Written("See fig.\tNext"), (Words{"See", "fig", ".", "Next", ".", "@@END"}));
  EXPECT_EQ(Written("Misc. items"), (Words{"Misc", ".", "items", ".", "@@END"}));
}

TEST_F(TokenizerTest, InchSquareAndFoot) {
  auto t = Tokenize("Cut 5 in. of wire, push it in. then 2 sq.\tm of 3 ft.\tNow put it in. Then");
  Token in = Find(t, "in.");
  EXPECT_EQ(in.suggestion, "inch");
  EXPECT_EQ(in.verbForm, 'R');
  EXPECT_EQ(in.tokenKind, 9);
  EXPECT_EQ(Find(t, "of").sentencePos, 3);
  int inches = 0;
  for (const Token& tok : t) inches += tok.written == "in.";
  EXPECT_EQ(inches, 2);
  Token sq = Find(t, "sq.");
  EXPECT_EQ(sq.tokenKind, 9);
  EXPECT_EQ(sq.wordClass, 40);
  EXPECT_EQ(Find(t, "ft.").tokenKind, 9);
  // "in" before a capital after a word is an ordinary sentence end.
  EXPECT_EQ(t[t.size() - 5].written, "in");
  // "sq." before a blank is found in the abbreviation table first.
  EXPECT_EQ(Find(Tokenize("2 sq. m"), "sq.").wordClass, 45);
}

}  // namespace
