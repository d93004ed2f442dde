// The tokenizer's entity step.
#include "tests/engine/tokenize_helper.h"

namespace {

TEST_F(TokenizerTest, AmpersandBetweenBlanksIsAnd) {
  auto t = Tokenize("a &amp; b R&AMP;D x");
  // Dropped inside a word, it ends the word: "RD" is not in the document.
  EXPECT_EQ(WrittenOf(t), (Words{"a", "and", "b", "R", "D", "x", ".", "@@END"}));
  EXPECT_EQ(t[1].tag, "<AR>");
  EXPECT_EQ(t[1].wordClass, 40);
}

// An accented letter the document keeps as a reference stays in its word as
// written: the word is found again by it. Between words it is passed over.
TEST_F(TokenizerTest, EntitiesThatContinueTheWord) {
  EXPECT_EQ(Written("fa&ccedil;ade caf&eacute; s&atilde;o 3&times;4 &eacute; x"),
            (Words{"fa&ccedil;ade", "caf&eacute;", "s&atilde;o", "3X4", "x", ".", "@@END"}));
}

TEST_F(TokenizerTest, EntitiesThatEndTheWord) {
  auto t = Tokenize("valve&apos;s cover 20&deg;C 30&deg; 40&#xb0;F Acme&trade; x&nbsp;y 50&percnt; a&#62;b");
  EXPECT_EQ(WrittenOf(t), (Words{"valve", "cover", "20", "30", "40", "Acme", "x", "y", "50", "a", "b", ".",
                                 "@@END"}));
  EXPECT_EQ(Find(t, "valve").tokenKind, 9);
  EXPECT_EQ(Find(t, "20").tokenKind, 9);
  EXPECT_EQ(Find(t, "a").tokenKind, 0);
}

TEST_F(TokenizerTest, EntitiesThatReplaceTheWord) {
  auto t = Tokenize("10 N&bull;m x&lt;y 5&ohgr; &middot;m 2&#x2022;m now");
  EXPECT_EQ(WrittenOf(t), (Words{"10", "N.m", "<Ref>", "y", "<ref>", "N.m", "N.m", "now", ".", "@@END"}));
  EXPECT_EQ(t[1].tokenKind, 9);
}

TEST_F(TokenizerTest, FractionInchEntities) {
  auto t = Tokenize("a &frac12;&ndash;in bolt and 3&frac38;&ndash;in nut");
  EXPECT_EQ(WrittenOf(t), (Words{"a", "1/2-inch", "bolt", "and", "3/8-inch", "nut", ".", "@@END"}));
  Token half = Find(t, "1/2-inch");
  EXPECT_EQ(half.tokenKind, 9);
  EXPECT_EQ(half.extraFlag, 'R');
  EXPECT_EQ(half.message, 0);
}

TEST_F(TokenizerTest, CommaColonAndHyphenEntities) {
  auto t = Tokenize("1&comma;000 a&comma;b 10&colon;30 10&hyphen;20 a&hyphen;b");
  EXPECT_EQ(WrittenOf(t), (Words{"1,000", "a", ",b", "10:30", "10-20", "a", "b", ".", "@@END"}));
}

TEST_F(TokenizerTest, DashEntities) {
  auto t = Tokenize("10&ndash;mm a&mdash;b stop &ndash; next &ndash;5 &minus;3 &middot;x &micro;s y");
  EXPECT_EQ(WrittenOf(t), (Words{"10", "mm", "a-b", "stop", ".", "next", "5", "-3", "_x", "y", ".", "@@END"}));
  EXPECT_EQ(Find(t, "10").tokenKind, 9);
  EXPECT_EQ(Find(t, "next").sentencePos, 0);
}

TEST_F(TokenizerTest, QuoteEntities) {
  auto t = Tokenize("a 2&rdquo; pipe, valve&rsquo;s seat, o&rsquo;Clock, don&rsquo;t, word&rsquo; x &rsquo;y");
  EXPECT_EQ(WrittenOf(t), (Words{"a", "2", "pipe", ",", "valve", "seat", ",", "oClock", ",", "don?t", ",", "word",
                                 "x", "y", ".", "@@END"}));
  Token inch = Find(t, "2");
  EXPECT_EQ(inch.suggestion, "2 inch");
  EXPECT_EQ(inch.wordClass, 49);
  EXPECT_EQ(inch.message, 305);
  EXPECT_EQ(Find(t, "valve").splitKind, '2');
  // A decimal written without its leading zero is a number too.
  auto half = Tokenize("a .5&rdquo; pipe and a 5&rdquo; pipe");
  EXPECT_EQ(WrittenOf(half), (Words{"a", ".5", "pipe", "and", "a", "5", "pipe", ".", "@@END"}));
  EXPECT_EQ(Find(half, ".5").suggestion, "0.5 inch");
  EXPECT_EQ(Find(half, ".5").message, 305);
  EXPECT_EQ(Find(half, "5").suggestion, "5 inch");
  EXPECT_EQ(Find(t, "don?t").message, 310);
  EXPECT_EQ(Find(t, "word").tokenKind, 9);
}

TEST_F(TokenizerTest, RegisteredSigmaAndSuperscripts) {
  auto t = Tokenize("Acme&reg; pump x&sigma; 20 mm&sup2; 10&sup2; 4&equals;4 why&ques;");
  EXPECT_EQ(WrittenOf(t), (Words{"Acme", "<ref>", "pump", "20", "10", "4", "=", "4", "why", "?", ".", "@@END"}));
  EXPECT_EQ(Find(t, "=").verbForm, '=');
}

TEST_F(TokenizerTest, UnknownEntities) {
  // A complete reference the table does not name is one character of the
  // document: it stays in the word that holds it, written as it is, and
  // its ';' is no semicolon; between words it is passed over.
  struct Case {
    const char* text;
    Words words;
  };
  for (const Case& c : {Case{"a&foo;b z", {"a&foo;b", "z", ".", "@@END"}},
                        Case{"ab&xyz;cd ef", {"ab&xyz;cd", "ef", ".", "@@END"}},
                        Case{"valg&lowbar;eg.c", {"valg&lowbar;eg.c", ".", "@@END"}},
                        Case{"na&iuml;ve design", {"na&iuml;ve", "design", ".", "@@END"}},
                        Case{"Fuel&prod; the &prod; cover", {"Fuel&prod;", "cover", ".", "@@END"}},
                        Case{"x &#x263A; y", {"x", "y", ".", "@@END"}}})
    EXPECT_EQ(Written(c.text), c.words) << c.text;
  // Without its ';' the rest of the name is read on as text (groups a-h,
  // l-u and '#'), or dropped with the word in progress.
  EXPECT_EQ(Written("a&foo b"), (Words{"afoo", "b", ".", "@@END"}));
  EXPECT_EQ(Written("ab&xyz cd"), (Words{"cd", ".", "@@END"}));
  // A known entity where none of its rows applies is dropped.
  EXPECT_EQ(Written("&rdquo;x"), (Words{"x", ".", "@@END"}));
}

TEST_F(TokenizerTest, LoneAmpersandTakesNoTextWithIt) {
  EXPECT_EQ(Written("Salt & pepper; done &"), (Words{"Salt", "pepper", ";", "done", ".", "@@END"}));
  EXPECT_EQ(Written("Research &x development"), (Words{"Research", "development", ".", "@@END"}));
  // ... nor the sentinel.
  EXPECT_EQ(WrittenOf(TokenizeRaw("a &xyz@@END")), (Words{"a", ".", "@@END"}));
}

}  // namespace
