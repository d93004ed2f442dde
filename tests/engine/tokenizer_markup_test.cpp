// The tokenizer's markup step.
#include "tests/engine/tokenize_helper.h"

namespace {

TEST_F(TokenizerTest, LessThanAsAnOperator) {
  EXPECT_EQ(Written("a < b and x <= y"), (Words{"a", "<", "b", "and", "x", "<", "y", ".", "@@END"}));
}

TEST_F(TokenizerTest, CommentIsSkippedToItsEnd) {
  auto t = Tokenize("Open valve<!-- a > b <para> --> now");
  EXPECT_EQ(WrittenOf(t), (Words{"Open", "valve", "now", ".", "@@END"}));
  EXPECT_EQ(t[1].tokenKind, 9);
  EXPECT_EQ(t[2].sentencePos, 0);
  // An unclosed comment runs to the end of the text, not past it.
  EXPECT_EQ(Written("Open <!-- a > b"), (Words{"Open", ".", "@@END"}));
}

TEST_F(TokenizerTest, EditorInstructions) {
  auto t = Tokenize(
      "a <?Pub _bookmark x?>b <?Pub _touchup Kesta=\"0101\"?>c<?Pub /_touchup?> "
      "d <?Pubref x?>skipped text</pubref> e");
  // "</pubref" begins with "</p": a block end after the placeholder.
  EXPECT_EQ(WrittenOf(t), (Words{"a", "b", "c", "d", "<ref>", ".", "e", ".", "@@END"}));
  // Without its closing tag, only the instruction is skipped.
  EXPECT_EQ(Written("a <?Pubref x?>b"), (Words{"a", "<ref>", "b", ".", "@@END"}));
}

TEST_F(TokenizerTest, StructuralTagsAreSkippedAndClearTheMark) {
  auto t = Tokenize("Remove the <para>valve<?pb 3?> cover");
  EXPECT_EQ(WrittenOf(t), (Words{"Remove", "valve", "cover", ".", "@@END"}));
  EXPECT_EQ(t[1].markFlag, '0');
}

// Markup between the article and its word leaves the word its mark;
// a word before the tag takes the mark as usual.
TEST_F(TokenizerTest, OtherMarkupKeepsTheArticleMark) {
  auto t = Tokenize("one of the <emphasis role=\"x\">following</emphasis> valves");
  EXPECT_EQ(WrittenOf(t), (Words{"one", "of", "following", "valves", ".", "@@END"}));
  EXPECT_EQ(t[2].markFlag, '1');
  EXPECT_EQ(t[3].markFlag, '0');
}

TEST_F(TokenizerTest, SkippedContentBecomesOnePlaceholder) {
  auto t = Tokenize("See<xref href=\"x\">Figure 1</xref> now");
  EXPECT_EQ(WrittenOf(t), (Words{"See", "<ref>", "now", ".", "@@END"}));
  EXPECT_EQ(t[0].tokenKind, 9);
  EXPECT_EQ(t[1].tokenKind, 9);
  EXPECT_EQ(Tokenizer.endTag, "</xref");
  EXPECT_EQ(Written("a <?sr?>b"), (Words{"a", "b", ".", "@@END"}));
}

TEST_F(TokenizerTest, SelfClosingOrUnclosedSkippedElement) {
  // An element that closes itself has no content: the text after it is read.
  EXPECT_EQ(Written("See <xref href=\"a\"/> and <xref>b</xref> now"),
            (Words{"See", "<ref>", "and", "<ref>", "now", ".", "@@END"}));
  EXPECT_EQ(Written("See <xref href=\"" + std::string(300, 'x') + "\"/> now <xref>a</xref>"),
            (Words{"See", "<ref>", "now", "<ref>", ".", "@@END"}));
  // Without its closing tag the element is skipped as far as its own '>'.
  EXPECT_EQ(Written("See <xref>text now"), (Words{"See", "text", "now", ".", "@@END"}));
}

TEST_F(TokenizerTest, AtSignInsideMarkupIsNotTheSentinel) {
  EXPECT_EQ(Written("Mail <xref href=\"mailto:a@b.com\">us</xref> now <ph a=\"x@@y\">z</ph>"),
            (Words{"Mail", "<ref>", "now", "z", ".", "@@END"}));
}

TEST_F(TokenizerTest, InlineElementsBecomeOnePlaceholder) {
  auto t = Tokenize("Set <Term>torque</Term> and <image href=\"a.png\"/> now");
  EXPECT_EQ(WrittenOf(t), (Words{"Set", "<Ref>", "and", "<Ref>", "now", ".", "@@END"}));
  EXPECT_EQ(t[1].tokenKind, 9);
  EXPECT_EQ(t[1].wordClass, 40);
  // Thirty characters or more: an ordinary tag, whose content is read.
  EXPECT_EQ(Written("a <term id=\"a-long-identifier-12\">x</term>"), (Words{"a", "x", ".", "@@END"}));
  // No closing tag: skipped as far as its own '>'.
  EXPECT_EQ(Written("a <term>b c"), (Words{"a", "b", "c", ".", "@@END"}));
}

TEST_F(TokenizerTest, WarningsShownAreChecked) {
  Settings.app.showWarnings = 1;
  EXPECT_EQ(Written("Read. <warning><para>Do not touch.</para></warning> Go"),
            (Words{"Read", ".", "Do", "not", "touch", ".", "Go", ".", "@@END"}));
}

TEST_F(TokenizerTest, WarningsHiddenBecomeOnePlaceholder) {
  Settings.app.showWarnings = 0;
  auto t = Tokenize("Read. <warning><para>Do not touch.</para></warning> Go");
  EXPECT_EQ(WrittenOf(t), (Words{"Read", ".", "<Ref_[<warning>]>", ".", "Go", ".", "@@END"}));
  EXPECT_EQ(t[2].tokenKind, 0);
  EXPECT_EQ(Tokenizer.endTag, "</warning");
}

TEST_F(TokenizerTest, HiddenWarningPlaceholderIsCutToTheField) {
  Settings.app.showWarnings = 0;
  auto t = Tokenize("Read <caution id=\"" + std::string(200, 'c') + "\">x</caution> y");
  Token placeholder = t[1];
  EXPECT_EQ(placeholder.written.size(), 83u);
  EXPECT_EQ(placeholder.written.substr(0, 18), "<Ref_[<caution id=");
  EXPECT_EQ(WrittenOf(t)[3], "y");
}

TEST_F(TokenizerTest, HiddenWarningAndCautionParaSkipsToItsOwnEnd) {
  Settings.app.showWarnings = 0;
  auto t = Tokenize("a <warningAndCautionPara><warning>x</warning>y</warningAndCautionPara> z");
  EXPECT_EQ(WrittenOf(t), (Words{"a", "<Ref_[<warningAndCautionPara>]>", ".", "z", ".", "@@END"}));
}

TEST_F(TokenizerTest, BoldAndUnderline) {
  auto t = Tokenize("<b>Note</b> Press <b>START</b> now <U>x</U>");
  EXPECT_EQ(WrittenOf(t), (Words{"Note", "Press", "<ref>", "START", "now", "<ref>", "x", ".", "@@END"}));
  EXPECT_EQ(Find(t, "Note").tokenKind, 9);   // a word before a closing tag
  EXPECT_EQ(Find(t, "START").tokenKind, 9);
}

TEST_F(TokenizerTest, BlockEndTagsEndTheSentence) {
  auto t = Tokenize("Open valve</para><para>Close it</emphasis> now</ph>");
  EXPECT_EQ(WrittenOf(t), (Words{"Open", "valve", ".", "Close", "it", "now", ".", "@@END"}));
  EXPECT_EQ(t[1].tokenKind, 9);
  EXPECT_EQ(t[2].sentencePos, 0);
  EXPECT_EQ(t[3].sentencePos, 1);
  // A full stop before the closing tag: only one record for both.
  EXPECT_EQ(Written("<para>Open the valve.</para>"), (Words{"Open", "valve", ".", "@@END"}));
}

TEST_F(TokenizerTest, LineFeedsInsideTagsAndLongTags) {
  EXPECT_EQ(Written("See <xref\nhref=\"x\">a</xref> and <para " + std::string(400, 'x') + ">b"),
            (Words{"See", "<ref>", "and", "b", ".", "@@END"}));
}

TEST_F(TokenizerTest, UnclosedMarkupStopsAtTheEnd) {
  EXPECT_EQ(Written("a <para x y"), (Words{"a", ".", "@@END"}));
  EXPECT_EQ(WrittenOf(TokenizeRaw("a <")), (Words{"a"}));
}

TEST_F(TokenizerTest, EndTagBufferKeepsItsTextBetweenCalls) {
  Tokenize("a <xref>b</xref>");
  Tokenize("plain text");
  EXPECT_EQ(Tokenizer.endTag, "</xref");
}

}  // namespace

// The word after markup is marked so, since a search for it together with
// the word before cannot cross the markup in the document.
TEST_F(TokenizerTest, WordAfterMarkupKnowsIt) {
  auto t = Tokenize("consider is <quote>how stable</quote> it<!-- x --> is");
  ASSERT_EQ(WrittenOf(t), (Words{"consider", "is", "how", "stable", "it", "is", ".", "@@END"}));
  std::vector<bool> after;
  for (const Token& k : t) after.push_back(k.markupBefore);
  EXPECT_EQ(after, (std::vector<bool>{false, false, true, false, true, true, false, false}));
}
