// The tokenizer: each case is a text and the records it gives, shown as
// their written forms with the fields the case names where they differ from
// a fresh record's.
#include <gtest/gtest.h>

#include <cctype>
#include <span>
#include <string>
#include <vector>

#include "engine/tag_tables.h"
#include "engine/tokenizer.h"
#include "engine/word_rec.h"
#include "module/app_settings.h"

namespace {

// Field letters: k tokenKind, m markFlag, t tag, p sentencePos, c wordClass,
// s subClass, g message, x extraFlag, v verbForm, l sentenceLength,
// f separatorFlag, S splitKind, u suggestion, T text (where it is not the
// written form in small letters), b markupBefore, e endsBlock.
std::string Field(const WordRec& w, char f) {
  auto ch = [](char c, char plain) {
    if (c == plain) return std::string();
    if (c == '\0') return std::string("\\0");
    return std::string(1, c);
  };
  auto num = [](int n, int plain) { return n == plain ? std::string() : std::to_string(n); };
  auto text = [](std::string s) {
    std::string out;
    for (char c : s) out += c == '\n' ? std::string("\\n") : std::string(1, c);
    return s.empty() ? s : "\"" + out + "\"";
  };
  switch (f) {
    case 'k': return num(w.tokenKind, 0);
    case 'm': return ch(w.markFlag, '0');
    case 't': return text(w.tag.str());
    case 'p': return num(w.sentencePos, 0);
    case 'c': return num(w.wordClass, 40);
    case 's': return num(w.subClass, 0);
    case 'g': return num(w.message, 0);
    case 'x': return ch(w.extraFlag, ' ');
    case 'v': return ch(w.verbForm, ' ');
    case 'l': return num(w.sentenceLength, 0);
    case 'f': return ch(w.separatorFlag, ' ');
    case 'S': return ch(w.splitKind, '0');
    case 'u': return text(w.suggestion.str());
    case 'b': return w.markupBefore ? "1" : "";
    case 'e': return w.endsBlock ? "1" : "";
    case 'T': {
      std::string lower = w.written.str();
      for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      return w.text.str() == lower ? std::string() : text(w.text.str());
    }
  }
  ADD_FAILURE() << "no field letter " << f;
  return "";
}

// Tokenizes `text` ("raw": as given, else with ". @@END" appended, whose
// sentinel record is then left out of the answer) and shows the records.
std::string Tokens(const std::string& body, const char* fields, bool raw = false,
                   std::span<const TextStretch> passOver = {}) {
  std::string text = raw ? body : body + ". @@END";
  std::vector<char> buf(text.begin(), text.end());
  buf.push_back('\0');
  WordList.Reset();
  TokenizeText(buf.data(), 0, 1, passOver);
  std::string out;
  const WordRec* prev = nullptr;
  for (const WordRec* w = WordList.head; w; prev = w, w = w->next) {
    EXPECT_EQ(w->prev, prev) << body;
    EXPECT_LE(w->written.str().size(), 83u) << body;
    if (!raw && !w->next && w->written == "@@END") break;
    if (!out.empty()) out += ' ';
    out += w->written.str();
    std::string shown;
    for (const char* f = fields; *f; ++f) {
      std::string v = Field(*w, *f);
      if (!v.empty()) shown += (shown.empty() ? "" : " ") + std::string(1, *f) + v;
    }
    if (!shown.empty()) out += "{" + shown + "}";
  }
  WordList.Reset();
  return out;
}

class TokenizerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WordList.Reset();
    Tokenizer.Reset();
    Settings.Reset();
    DocumentKind.Reset();
  }
  void TearDown() override {
    WordList.Reset();
    Settings.Reset();
    DocumentKind.Reset();
  }
};

struct Case {
  std::string text;
  const char* fields;
  std::string records;
  bool raw = false;
};

void RunCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(Tokens(c.text, c.fields, c.raw), c.records) << c.text;
}

const std::string x84(84, 'x');

// The sentinel, words, the article, breaks, sentence ends, abbreviations.
TEST_F(TokenizerTest, WordsArticlesBreaksAndSentenceEnds) {
  RunCases({
      {"Remove the cover. @@END", "mkp", "Remove cover{m1 k9 p1} .{k9 p2} @@END{k9 p1}", true},
      {"", "", "", true},
      {"  <para> </para>\n <b></b> @@END", "", "@@END", true},
      {"Open valve. @@END more words", "", "Open valve . @@END", true},
      // A word glued to the sentinel is kept, and a sentence end goes before it.
      {"Open valve@@END", "kp", "Open valve{k9 p1} .{k9 p2} @@END{k9 p3}", true},
      // Only "@@END" is the sentinel; another '@' is passed over (and ends the word).
      {"a@@b", "", "a b ."},
      {"Remove cover", "", "Remove cover", true},
      {"M8 bolt caf\xE9", "", "M8 bolt caf\xE9"" ."},
      // The 84th letter discards the whole word: its rest is no word of its own.
      {std::string(83, 'a') + " b", "", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa b ."},
      {x84 + "yz ok", "", "ok ."},
      {x84 + "-yz, ok", "", ", ok ."},
      {"a " + x84 + "</p>b", "", "a . b ."},
      {x84 + "&eacute;z ok", "", "ok ."},
      {"o Remove o-ring", "", "Remove o-ring ."},
      {"Remove THE cover and the\nnut", "mp", "Remove cover{m1 p1} and{p2} nut{m1 p3} .{p4}"},
      {"the the valve", "tkm", "the the{t\"<RP>\" k9} valve{k9} .{k9}"},
      {"Open The the\nvalve", "", "Open The the valve ."},
      {"Use the", "", "Use the ."},
      {"the theory", "m", "theory{m1} ."},
      {"Open  valve", "tk", "Open{t\"<DS>\" k11} valve{k9} .{k9}"},
      {"a tool and b (see) c 5", "t", "a{t\"< t>\"} tool{t\"<+a>\"} and{t\"<+b>\"} b{t\"< (>\"} ( see ){t\")?\"} c 5. ."},
      {"Do it now, go on (x) or\nto 5 as 6", "tf", "Do{t\"<+i>\"} it{t\"<+n>\" fR} now ,{t\"<, g>\"} go{t\"<+o>\" fR} on{t\"<+(>\" fR} ( x ){t\")?\"} or{t\"<+t>8\"} to{t\"<+5>\" fR} 5{t\"< a>\"} as 6. ."},
      {"Tighten bolt\nnow Carefully check 100 mm", "tk", "Tighten{t\"<+b>\"} bolt{t\"<+n>8\"} now{t\"<+C>\"} Carefully check 100 mm{k9} .{k9}"},
      // After the change a blank stands before "xy": no word after a line break.
      {"ab\n\nxy 5", "t", "ab xy 5. ."},
      {"ab\nxy 5", "t", "ab{t\"<+x>8\"} xy{t\"<+5>\"} 5. ."},
      {"A pre-set  valve", "tkl", "A{t\"< p>\"} pre-set{k9 l2} valve{k9} .{k9}"},
      {"Do step 1. Then step 12. Then 2.5 or .5 mm", "kp", "Do step{p1} 1.{k9 p2} Then step{p1} 12.{k9 p2} .{k9 p3} Then 2.5{p1} or{p2} .5{p3} mm{k9 p4} .{k9 p5}"},
      {"Use 12. then", "", "Use 12 . then ."},
      {"Open valve.<b>x</b>", "kp", "Open valve{p1} .{p2} x{k9} .{k9 p1}"},
      {"Wait... Then", "", "Wait . Then ."},
      {"Go (now). Then", "p", "Go ({p1} now{p2} ){p3} .{p4} Then .{p1}"},
      {"Edit config.xml now", "", "Edit config.xml now ."},
      {"Stop\x97then go", "kp", "Stop .{k9 p1} then go{k9 p1} .{k9 p2}"},
      {"a bc\fdd e\xA4 ff", "kp", "a bc{p1} .{p2} dd{p3} e{p4} .{p5} ff{k9 p6} .{k9 p7}"},
      {"Stop! Now ! go", "p", "Stop !{p1} Now{p2} go{p3} .{p4}"},
      // After an element's end '!' ends the sentence as after a word, and as
      // '.' and '?' do there; not after a blank, a sentence end or an
      // opening tag, nor as an operator or a word's first letter.
      {"Run <filename>setup</filename>! Use <b>it</b>! Then <ph>go on</ph>!", "", "Run <Ref> ! Use <ref> it ! Then go on ! ."},
      {"See <xref href=\"a\"/>! Go<indexterm>x</indexterm>! Stop <uicontrol>OK</uicontrol>!\"", "p",
       "See <ref>{p1} !{p2} Go{p3} !{p4} Stop{p5} <ref>{p6} !{p7} .{p8}"},
      {"<p>Stop.</p>! Go <b>now</b> ! <emphasis>!</emphasis> <code>a</code>!=<code>b</code>, <b>x</b>!important", "",
       "Stop . Go <ref> now <Ref> <Ref> , <ref> x important ."},
      {"Use e.g. a tool, see fig. 3 and E.G. (etc.) now", "cvp", "Use e.g.{c45 vA p1} a{p2} tool{p3} ,{p4} see{p5} fig.{c45 vB p6} 3{p7} and{p8} E.G.{c45 vA p9} ({p10} etc.{c45 vA p11} ){p12} now{p13} .{p14}"},
      // A tab is not among the characters that may follow an abbreviation.
      {"See fig.\tNext", "", "See fig . Next ."},
      {"Misc. items", "", "Misc . items ."},
      {"Cut 5 in. of wire, push it in. then 2 sq.\tm of 3 ft.\tNow put it in. Then", "uvkcp", "Cut 5{p1} in.{u\"inch\" vR k9 p2} of{p3} wire{p4} ,{k9 p5} push{p6} it{p7} in.{u\"inch\" vR k9 p8} then{p9} 2{p10} sq.{k9 p11} m{p12} of{p13} 3{p14} ft.{k9 p15} Now{p16} put{p17} it{p18} in{k9 p19} .{k9 p20} Then{k9} .{k9 p1}"},
  });
}

// Hyphens, apostrophes, quotation marks, commas, colons, semicolons.
TEST_F(TokenizerTest, HyphensApostrophesQuotesCommasColons) {
  RunCases({
      {"A pre-set well-known re-use X-ray 10-20 part", "l", "A pre-set{l2} well-known re-use{l2} X-ray 10-20 part ."},
      {"pre- and post-test", "", "pre- and post-test ."},
      {"a 10-mm bolt and 2nd-stage", "kSx", "a 10{k9 S4 xH} mm bolt and 2nd{S4} stage{k9} .{k9}"},
      {"Airbus-Boeing A-Frame", "k", "Airbus Boeing A-Frame{k9} .{k9}"},
      {"end--> next", "", "end next ."},
      // The soft hyphen is no character of the word as the writer sees it.
      {"main\xADtenance word\xAD \xAD-x \xADy", "", "maintenance word -x y ."},
      {"Don't say it's what's I'm I'd we'll it'll they're we've o'clock DON'T", "gsxk", "Don?t{g310 s310 x4 k9} say it?s{g310 s310 x4 k9} what?s{g310 s310 x4 k9} I?m{g310 s310 x4 k9} I?d{g310 s310 x4 k9} we?ll{g310 s310 x4 k9} it?ll{g310 s310 x4 k9} they?re{g310 s310 x4 k9} we?ve{g310 s310 x4 k9} o{k9} clock DON?T{g310 s310 x4 k9} .{k9}"},
      {"don\x92t can`t", "", "don?t can?t ."},
      {"you'd go", "g", "you?d go ."},
      {"the valves' cover, the valve's cover\nand Al's tool", "csSxm", "valves{c10 S2 x5 m1} cover , valve{c10 s310 S2 m1} cover and Al{c10 S2 x5} tool ."},
      // The pending kind 101 wins over the mark of the next word.
      {"'quoted word' and 1'000", "tk", "quoted word{k9} and 1'000{k9} .{k9}"},
      {"It\x91s there\x91s I\x91m we\x91ll go don\x91t valve\x91s word\x91 x \x91y", "ugxSk", "It?s{u\"It is\" g309 xI k9} there?s{u\"it is\" g309 xI k9} I?m{u\"It is\" g309 xI k9} we{g310 x4 k9} go don?t{g310 x4 k9} valve{x5 S2 k9} word x y{k9} .{k9}"},
      {"Set \"OFF\" then \x84ON\nNOW\x94 x", "Tcs", "Set \"OFF\"{T\"<\"OFF\">\" s80} then \x84""ON NOW\x94""{T\"<\x84""ON NOW\x94"">\" s80} x ."},
      // The quotation look-ahead gives up at a small letter, after 17
      // characters, and at the end of the text.
      {"\"Open the valve\" now", "", "Open valve now ."},
      {"\"ABCDEFGHIJKLMNOP\"", "", "\"ABCDEFGHIJKLMNOP\" ."},
      {"\"ABCDEFGHIJKLMNOPQ\"", "", "ABCDEFGHIJKLMNOPQ ."},
      {"x \"ABC@@END", "", "x ABC . @@END", true},
      {"x \"AB", "", "x AB", true},
      {"See \"(x) and \"<b>y</b>", "cv", "See ({c45 vA} x ) and <ref> y ."},
      {"1,000 A,B", "", "1,000 A,B ."},
      {"valve, cover a , 5 b ,\n6 c,7 end", "tk", "valve ,{t\"<, c>\" k9} cover{t\"<+a>\"} a ,{t\"<,*>\"} 5{t\"< b>\"} b ,{t\"<,*>\\n\"} 6{t\"< c>\"} c , 7{t\"< e>\"} end{k9} .{k9}"},
      {"See http://example.com/a,b now or HTTPS://x.y</para>CAGE:1234 z", "k", "See <ref>{k9} now or <ref>{k9} .{k9} <ref>{k9} z{k9} .{k9}"},
      {"see http://a.b@@END", "", "see <ref> . @@END", true},
      // Before two backslashes the colon stays in its word and the sentence goes on.
      {"Note: do 10:30 C:\\\\dir : x :y", "kp", "Note{k9} :{k9 p1} do 10:30{p1} C:{p2} dir{p3} :{k9 p4} x :y{k9 p1} .{k9 p2}"},
      {"valve; cover;\nnut ; x", "kgfp", "valve{k9} ;{k9 g337 f\\0 p1} cover{k9 p2} ;{k8 g337 f8 p3} nut{p4} x{k9 p5} .{k9 p6}"},
      // A semicolon is a finding only where its marker can be found again: by
      // the semicolon and the letters of the word after it.
      {"valve; cover", "g", "valve ;{g337} cover ."},
      {"valve;cover", "g", "valve ;{g337} cover ."},
      {"valve;\n  cover", "g", "valve ;{g337} cover ."},
      {"valve; <b>cover</b>", "g", "valve ; <ref> cover ."},
      {"valve;\n&amp;cover", "g", "valve ; cover ."},
      {"valve; 10 nuts", "g", "valve ; 10 nuts ."},
      {"valve; (cover)", "g", "valve ; ( cover ) ."},
      {"valve; " + x84 + " cover", "g", "valve ; cover ."},
      {"valve; the cover", "g", "valve ;{g337} cover ."},
      {"valve; the <i>cover</i>", "g", "valve ; cover ."},
  });
}

// Slashes, plus signs, parentheses, code-page and other characters.
TEST_F(TokenizerTest, SlashesParenthesesAndOtherCharacters) {
  RunCases({
      {"1/2 and/or A/C httpserver/2 x<i>/bin/5</i>", "", "1/2 and/or A/C httpserver/2 x /bin/5 ."},
      {"valve/ cover CAN/ bus valve/2 +5 A+ B CAN+ x C++", "k", "valve cover CAN/ bus valve 2 +5 A B CAN x C .{k9}"},
      {"See (1) and (12) step(A1) [x] (1234) (A)", "", "See (1) and (12) step(A1) [x] ( 1234 ) ( A ) ."},
      {"Remove the valve(s) and box(es) and it(s)", "TkcfmSx", "Remove valve(s){T\"valve\" k9 c10 f8 m1} and box(es){k9 c10 f8 S8 x8} and it ( s ){k9} .{k9}"},
      {"Valve (Item 2) (see it) (<b>x</b>) [note]", "k", "Valve ( Item 2 ) ({k9} see it ) ({k9} <ref>{k9} x{k9} ) [ note ] .{k9}"},
      // ')' before a blank: tag ")?" (kind 172 after six letters, else 170);
      // between blanks: 199; before a full stop: punctuation of kind 9.
      {"(see it) now (remove valves) now a ) b (x).", "tkx", "({k9} see{t\"<+i>\"} it ){t\")?\"} now ({k9} remove{t\"<+v>\"} valves ){t\")?\"} now{t\"<+a>\"} a ){x)} b{t\"< (>\"} ({k9} x ){k9} .{k9}"},
      {"1\xBD in \xBC \xBE", "k", "#half#{k9} in #quarter#{k9} #3qtr#{k9} .{k9}"},
      {"20\xB0""C and 30\xB0 x 40\xB0y z\xB0""C", "k", "20C{k9} and 30D{k9} x 40y zC{k9} .{k9}"},
      {"\xB1""5 a\xB7""b 3\xD7""4 3\xD7 4 10\x96""20 x \xB5m y m\xB2\xB3\xB6\xB9 \x80""5 \xA3""2 \xA5""3 a\xA0""b", "k",
       "+5 a_b 3x4 3x 4 10.20 x y m \x80""5 \xA3""2 \xA5""3 a b{k9} .{k9}"},
      {"What? Why ?", "kS", "What{k9} ?{k9} Why ?{S5} .{k9}"},
      {"a{b}c {ab} a|b a||b a| x] y", "", "a{b}c ab } a|b a||b a x ] y ."},
      {"$5 50% a_b #5 a\x01""b a\r\nb", "", "$5 50% a_b #5 ab a b ."},
      // '#' only while the token is shorter than 78 characters.
      {std::string(77, 'a') + "###", "", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa# ."},
      // A character passed over ends the word in progress: every word is text
      // the document holds, so that its marker can find it.
      {"a~b a*b=c\\d bin\\ant registry=https x>y action@master m\xB2x a^b", "", "a b a b c d bin ant registry https x y action master m x a b ."},
      // What the code page could not hold (an ohm sign, a Greek word) is a
      // letter of its word: no question mark ends the sentence.
      {"Use the \x1A meter n\x1A" "de \x1A\x1A\x1A.", "m", "Use \x1A{m1} meter n\x1A" "de \x1A\x1A\x1A ."},
      // "<foreign> element" written as markup reaches the scan as "&lt;foreign>".
      {"see &lt;foreign> element &lt;description>An", "", "see <Ref> foreign element <Ref> description An ."},
      // No mark of the next word's start is taken over the character.
      {"Apache\x99 Formatting and Apache Formatting", "tk", "Apache Formatting and{t\"<+A>\"} Apache{t\"<+F>\"} Formatting{k9} .{k9}"},
  });
}

TEST_F(TokenizerTest, Markup) {
  RunCases({
      {"a < b and x <= y", "", "a < b and x < y ."},
      {"Open valve<!-- a > b <para> --> now", "kp", "Open valve{k9 p1} now{k9} .{k9 p1}"},
      // An unclosed comment runs to the end of the text, not past it.
      {"Open <!-- a > b", "", "Open ."},
      // "</pubref" begins with "</p": a block end after the placeholder.
      {"a <?Pub _bookmark x?>b <?Pub _touchup Kesta=\"0101\"?>c<?Pub /_touchup?> d <?Pubref x?>skipped text</pubref> e",
       "", "a b c d <ref> . e ."},
      // Without its closing tag, only the instruction is skipped.
      {"a <?Pubref x?>b", "", "a <ref> b ."},
      {"Remove the <para>valve<?pb 3?> cover", "m", "Remove . valve cover ."},
      // Markup between the article and its word leaves the word its mark.
      {"one of the <emphasis role=\"x\">following</emphasis> valves", "m", "one of following{m1} valves ."},
      {"a <?sr?>b", "", "a b ."},
      // An element that closes itself has no content: the text after it is read.
      {"See <xref href=\"a\"/> and <xref>b</xref> now", "", "See <ref> and <ref> now ."},
      {"See <xref href=\"" + std::string(300, 'x') + "\"/> now <xref>a</xref>", "", "See <ref> now <ref> ."},
      // Without its closing tag the element is skipped as far as its own '>'.
      {"See <xref>text now", "", "See text now ."},
      {"Mail <xref href=\"mailto:a@b.com\">us</xref> now <ph a=\"x@@y\">z</ph>", "", "Mail <ref> now z ."},
      {"Set <Term>torque</Term> and <image href=\"a.png\"/> now", "kc", "Set <Ref>{k9} and <Ref>{k9} now{k9} .{k9}"},
      // Thirty characters or more: an ordinary tag, whose content is read.
      {"a <term id=\"a-long-identifier-12\">x</term>", "", "a x ."},
      {"a <term>b c", "", "a b c ."},
      {"Read. <warning><para>Do not touch.</para></warning> Go", "", "Read . Do not touch . Go ."},
      {"<b>Note</b> Press <b>START</b> now <U>x</U>", "k", "Note{k9} Press <ref>{k9} START{k9} now <ref>{k9} x{k9} .{k9}"},
      {"Open valve</para><para>Close it</emphasis> now</ph>", "kp", "Open valve{k9 p1} .{k9} Close{p1} it{k9 p2} now{k9 p3} .{k9 p4}"},
      // No sentence runs across the end of a block, in any family: code and
      // verbatim blocks (one placeholder each), list items and definitions
      // without a paragraph, table cells, figures, images and divisions.
      {"Here is an example:</para><programlisting>&lt;valve/&gt;</programlisting><para>In this example</para>"
       "<screen>pump --stop</screen><para>If open</para><literallayout>a b</literallayout>c <synopsis>d</synopsis>e "
       "<address>f</address>g", "",
       "Here is an example : . <Ref> . In this example . <Ref> . If open . a b . c . d . e . <Ref> . g ."},
      {"<ul><li>Stop the pump</li><li>In this example</li></ul><codeblock>x</codeblock>a <msgblock>b</msgblock>c "
       "<screen>d</screen>e <lines>f g</lines>h <fig><image href=\"a.png\"><alt>i</alt></image></fig>j <div>k</div>l",
       "", "Stop pump . In this example . <Ref> . a . b . c . <Ref> . e . f g . h . <Ref> . j . k . l ."},
      {"<dt>Term</dt><dd>Text</dd>a <stentry>b</stentry>c <td>d</td>e <figure><graphic/></figure>f "
       "<l1item>g</l1item>h <LI >i</LI>j", "",
       "Term . Text . a . b . c . d . e . <ref> . f . g . h . i . j ."},
      // Nor across the start of one: text before a nested block ends its
      // sentence, unless the sentence has ended (a colon); a block that
      // closes itself holds no text and divides none.
      {"<li>Stop the pump<ul><li>Open the <p>valve</p></li></ul></li><entry>Text<para>More</para></entry>", "m",
       "Stop pump{m1} . Open . valve . Text . More ."},
      {"Go. <term>Foo</term><listitem><para>Bar</para></listitem><glossterm>entity</glossterm><glossdef><para>A name"
       "</para></glossdef>Run this:<codeblock>x</codeblock>a <p/> b <image href=\"" + x84 + x84 + x84 + "\"/> c", "",
       "Go . <Ref> . Bar . entity . A name . Run this : <Ref> . a b c ."},
      // Inline elements whose names begin like a paragraph's end none; an
      // image ends its sentence only where it is placed as a block.
      {"Turn the <ph>valve</ph> to <phrase>open</phrase> and <productname>x</productname> now "
       "<image href=\"a.png\"><alt>i</alt></image> y <image placement=\"break\" href=\"a.png\"><alt>j</alt></image> z", "",
       "Turn valve to open and <Ref> now <Ref> y . <Ref> . z ."},
      // The mark that stands for a block's end: its full stop, the writer's
      // full stop or colon before a block, never a mark inside the block. Bold
      // that opens a block stands first in its sentence.
      {"<p>Is it on?</p><p>Stop! Go.</p><li>Open the valve.</li>Run this:<codeblock>x</codeblock>"
       "<p><b>Note</b> the <b>valve</b></p>", "e",
       "Is it on ? .{e1} Stop ! Go .{e1} Open valve .{e1} Run this :{e1} <Ref> .{e1} Note <ref> valve .{e1}"},
      // One sentence end where a full stop stands already; inline elements
      // and inline code end none.
      {"<li>Stop the pump.</li><li>Go.</li>", "", "Stop pump . Go ."},
      // A number written with its point first is no full stop.
      {"<li>Set it to .5</li><li>Go</li>Set .25. Go", "", "Set it to .5 . Go . Set .25 . Go ."},
      {"Type <codeph>a</codeph>, <filepath>b</filepath>, <literal>c</literal>, <keycap>d</keycap>, <term>e</term>, "
       "<member>f</member> or <verbatimText>g</verbatimText> now", "",
       "Type <Ref> , <Ref> , <Ref> , <Ref> , <Ref> , f or <ref> now ."},
      // A full stop before the closing tag: only one record for both.
      {"<para>Open the valve.</para>", "", "Open valve ."},
      {"See <xref\nhref=\"x\">a</xref> and <para " + std::string(400, 'x') + ">b", "", "See <ref> and . b ."},
      {"a <para x y", "", "a ."},
      {"a <", "", "a", true},
      // The word after markup is marked so: a search for it together with the
      // word before cannot cross the markup in the document.
      {"consider is <quote>how stable</quote> it<!-- x --> is", "b", "consider is how{b1} stable it{b1} is{b1} ."},
      // A '>' inside an attribute value, an instruction or a comment ends
      // nothing: the markup ends where XML says it does.
      {"Remove the <b outputclass=\"a>glorp\">tool</b>. Use", "", "Remove tool . Use ."},
      {"a <emph x='b>c' y=\"'>'\">d</emph> e", "", "a d e ."},
      {"tool.<?oxy_comment_start author=\"r\" comment=\"a > b\"?> Use it.<?oxy_comment_end?>", "", "tool . Use it ."},
      {"a <?pb x=\">\"?>b <!-- x > y --> c", "", "a b c ."},
      {"a <indexterm a=\"x>y\">b<indexterm>c</indexterm></indexterm> d", "", "a d ."},
      {"a <xref href=\"x>y\">b</xref> c <ph q=\"x>y", "", "a <ref> c ."},
  });
}

TEST_F(TokenizerTest, SkippedElementsAndHiddenWarnings) {
  EXPECT_EQ(Tokens("See<xref href=\"x\">Figure 1</xref> now", "k"), "See{k9} <ref>{k9} now{k9} .{k9}");
  EXPECT_EQ(Tokenizer.endTag, "</xref");
  Tokens("plain text", "");  // the closing tag is kept between calls
  EXPECT_EQ(Tokenizer.endTag, "</xref");
  Settings.app.showWarnings = 0;
  RunCases({
      {"Read. <warning><para>Do not touch.</para></warning> Go", "k", "Read{k9} .{k9} <Ref_[<warning>]> .{k9} Go{k9} .{k9}"},
      {"a <warningAndCautionPara><warning>x</warning>y</warningAndCautionPara> z", "", "a . <Ref_[<warningAndCautionPara>]> . z ."},
      // To the warning's own end, past the ends of its paragraphs.
      {"a <warning><warningAndCautionPara>x</warningAndCautionPara><warningAndCautionPara>y</warningAndCautionPara>"
       "</warning> z", "", "a <Ref_[<warning>]> . z ."},
      // The placeholder is cut to its field.
      {"Read <caution id=\"" + std::string(200, 'c') + "\">x</caution> y", "", "Read <Ref_[<caution id=\"cccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccc . y ."},
  });
  EXPECT_EQ(Tokenizer.endTag, "</caution");
  Settings.app.showWarnings = 1;
  RunCases({
      // A reference of S1000D is one placeholder in its sentence, whatever
      // parts of it are written out: the skip goes to its own closing tag,
      // not to one whose name begins like it.
      {"Refer to <dmRef><dmRefIdent>x</dmRefIdent></dmRef> and utilize it", "p",
       "Refer to{p1} <ref>{p2} and{p3} utilize{p4} it{p5} .{p6}"},
      {"See <dmRef><dmRefIdent><dmCode a=\"1\"/></dmRefIdent><dmRefAddressItems><dmTitle><techName>Pump</techName>"
       "<infoName>Use it</infoName></dmTitle></dmRefAddressItems></dmRef> now", "", "See <ref> now ."},
      {"See <pmRef><pmRefIdent><pmCode/></pmRefIdent><pmRefAddressItems><pmTitle>Pump manual</pmTitle>"
       "</pmRefAddressItems></pmRef>, <externalPubRef><externalPubRefIdent><externalPubTitle>Guide</externalPubTitle>"
       "</externalPubRefIdent></externalPubRef> or <functionalItemRef functionalItemNumber=\"1\"><name>Fuel pump</name>"
       "</functionalItemRef> now", "", "See <ref> , <ref> or <ref> now ."},
      {"See <zoneRef zoneNumber=\"1\"/> now <brDecisionRef brDecisionIdentNumber=\"b\"/> or <catalogSeqNumberRef "
       "figureNumber=\"01\" item=\"004\"/> c", "", "See <ref> now <ref> or <ref> c ."},
      // Other names that end in "Ref" are no such reference: the sentences
      // they hold are read, and a repository's reference outside a
      // sentence adds no word to the text before it.
      {"<reqCondNoRef><reqCond>Utilize the pump</reqCond></reqCondNoRef><descrFunctionalItemRef><fieldName>Ident"
       "</fieldName><descr>Utilize it.</descr></descrFunctionalItemRef><sectionRef><para>Go on</para></sectionRef>"
       "<shortName>Handlebar - General</shortName><functionalPhysicalAreaRefGroup><functionalPhysicalAreaRef "
       "functionalPhysicalAreaNumber=\"f\"/></functionalPhysicalAreaRefGroup>", "",
       "Utilize pump . Ident Utilize it . Go on . Handlebar - General ."},
      // The element's own closing tag, where its name runs on past the
      // table's, and an inline element's own.
      {"a <graphicco><graphic fileref=\"a\"/><calloutlist><callout><para>Words</para></callout></calloutlist>"
       "</graphicco> z", "", "a <ref> z ."},
      {"A <term>x <terms>y</terms> z</term> w", "", "A <Ref> w ."},
  });
}

// Inline elements hold names, codes and labels: one that holds a paragraph
// (a closing tag that ends a sentence before its own) is read as text.
// Elements of code are skipped whatever they hold.
TEST_F(TokenizerTest, InlineElementsThatHoldParagraphsAndCode) {
  RunCases({
      {"<listitem><para>Utilize a torque wrench.</para></listitem> Go", "", "Utilize a torque wrench . Go ."},
      {"<dl><dlentry><dt>Wrench</dt><dd><p>Use a wrench.</p></dd></dlentry></dl>", "", "Wrench . Use a wrench ."},
      // Without a paragraph inside, as before: the element's own closing tag
      // may end the sentence.
      {"A <listitem>torque wrench</listitem> now", "", "A . <Ref> . now ."},
      // Any element whose closing tag ends a sentence counts, but code, which
      // is inline itself, and inline elements.
      {"A <listitem>x <title>y</title> z</listitem> w", "", "A . x y . z . w ."},
      {"A <listitem>x <ph>y</ph> z</listitem> w", "", "A . <Ref> . w ."},
      // Elements that hold a writer's sentences are read as a paragraph is,
      // whatever they hold, though their names begin like inline ones; their
      // end ends the sentence, and the names and terms in them stay
      // placeholders.
      {"A <dd>Utilize the <ph>main</ph> pump</dd> now <dd>The window dimensions</dd>", "m",
       "A . Utilize main{m1} pump . now . window{m1} dimensions ."},
      {"<lines>Utilize the <ph>main</ph> pump</lines><tutorialinfo>Go <keyword>x</keyword> on</tutorialinfo>", "",
       "Utilize main pump . Go <Ref> on ."},
      {"<hazardstatement><messagepanel><typeofhazard>Hot</typeofhazard><consequence>Burns <term>x</term>"
       "</consequence><howtoavoid>Wait</howtoavoid></messagepanel><hazardsymbol href=\"a\"><alt>b</alt>"
       "</hazardsymbol></hazardstatement><condition>No flow</condition>c <termdef>A <firstterm>d</firstterm> e</termdef>",
       "", "Hot . Burns <Ref> . Wait . <Ref> . No flow . c A d e ."},
      {"x <ddhd>Meaning</ddhd> <consequences>x</consequences> <lineset>y</lineset>", "", "x . <Ref> . <Ref> <Ref> ."},
      // S1000D's business rules, whatever their start tag holds: the XPath
      // a rule applies to is code, and each rule, its description and each
      // value's label is a sentence of its own; an empty rules element adds
      // no word.
      {"Rules <contextRules><structureObjectRule><brDecisionRef brDecisionIdentNumber=\"b\"/><objectPath "
       "allowedObjectFlag=\"2\">//a</objectPath><objectUse>Utilize the pump</objectUse><objectValue "
       "valueAllowed=\"a\">A door</objectValue><objectValue valueAllowed=\"b\"/><objectValue>A hatch</objectValue>"
       "</structureObjectRule><structureObjectRule><objectPath>//b</objectPath><objectUse>Go</objectUse>"
       "</structureObjectRule></contextRules><contextrules><structrules><objrule><objpath objappl=\"0\">//c</objpath>"
       "<objuse>Go on</objuse><objval val1=\"x\">X</objval></objrule></structrules></contextrules>General "
       "<contextRules/>", "",
       "Rules . <ref> . <Ref> . Utilize pump . A door . A hatch . <Ref> . Go . <Ref> . Go on . X . General ."},
      // Notation and SNS rules: a notation's name and an SNS code are code,
      // each title and description a sentence.
      {"<notationRule><notationName>cgm</notationName><objectUse>Computer graphics</objectUse></notationRule>"
       "<snsSystem><snsCode>A0</snsCode><snsTitle>Propulsion, General</snsTitle><snsSubSystem><snsCode>1</snsCode>"
       "<snsTitle>Fuel</snsTitle></snsSubSystem></snsSystem>", "",
       "<Ref> . Computer graphics . <Ref> . Propulsion , General . <Ref> . Fuel ."},
      {"A <keyword><indexterm><cmdname>dita</cmdname> command</indexterm></keyword> w", "", "A <Ref> w ."},
      // Only what lies before the element's closing tag counts.
      {"A <term>torque</term> now.</para> Go", "", "A <Ref> now . Go ."},
      // Nested: the skip would go to the first closing tag of the name, so
      // the content up to it is judged.
      {"<listitem><para>A</para><list><listitem><para>B</para></listitem></list></listitem>", "", "A . B ."},
      {"A <term>a <term>b</term> c</term> d", "", "A <Ref> c d ."},
      // A paragraph tag that closes itself holds no text.
      {"A <listitem/> x <listitem><para>Words</para></listitem> <listitem>y <p/> z</listitem> w", "",
       "A <Ref> x . Words . <Ref> . w ."},
      // One element read, the next skipped: each is judged on its own
      // content, an element inside one that is read too.
      {"<listitem><p>a</p></listitem> <listitem>b</listitem> <p>c</p>", "", "a . <Ref> . c ."},
      {"<listitem>A <term>x</term> <p>a</p></listitem>", "", "A <Ref> . a ."},
      // Without its closing tag, read as before.
      {"<listitem>a <p>b</p>", "", "a . b ."},
      // Code, by its whole name in any case, with or without attributes; a
      // code block ends the sentence, inline code does not.
      {"Run <codeblock>make all; rm -rf x</codeblock> now", "k", "Run .{k9} <Ref>{k9} .{k9} now{k9} .{k9}"},
      {"Type <Codeph>ls</Codeph> or <option>-v</option> or <code/> now", "", "Type <Ref> or <Ref> or <Ref> now ."},
      {"A <programlisting language=\"c\" xml:space=\"preserve\">int x;</programlisting> now", "", "A . <Ref> . now ."},
      {"A <screen><prompt>$</prompt> <userinput>ls</userinput></screen> now", "", "A . <Ref> . now ."},
      {"<screenshot><para>Words</para></screenshot> <codeblocks>Go</codeblocks>", "", "Words . Go ."},
      {"<codeblock>unclosed text", "", "unclosed text ."},
      // Names of markup and parameters are code too; "<parmname" is known by
      // its whole name before the structural "<par". Inline code: no
      // closing tag of it ends the sentence, though a name begins with 'p'.
      {"Set <xmlatt>id</xmlatt> or <parmname>args.input</parmname> or <tag class=\"attribute\">id</tag> now", "",
       "Set <Ref> or <Ref> or <Ref> now ."},
      // DocBook's addresses, identifiers and keys, whatever words they hold.
      {"Mail <email>core@example.org</email>, <package>security/openssh</package> or <paramdef>struct conf "
       "*<parameter>conf</parameter></paramdef> at the <prompt>$</prompt> now", "",
       "Mail <Ref> , <Ref> or <Ref> at <Ref> now ."},
      // Known by their whole names: other names are read, and "</packages>"
      // ends the sentence as any closing tag whose name begins with 'p'.
      {"<emailaddress>glorp</emailaddress> <packages>glorp</packages> <keycaps>glorp</keycaps>", "",
       "glorp glorp . glorp ."},
  });
}

// Index entries and notes to writers stand aside from the text: skipped
// whole, nested ones too, and no word stands for them; the word after one
// keeps the article before it.
// DocBook's action stands in its sentence as one placeholder; a data
// module's holds sentences of its own.
TEST_F(TokenizerTest, ActionByDocumentKind) {
  const std::string docbook =
      "This command <action>starts a new document</action> in the window. To <action>deselect</action> it, go.";
  const std::string isolation = "<isolationStep><action id=\"a\">Utilize the pump</action><isolationStepQuestion>"
                                "Is it on?</isolationStepQuestion></isolationStep>";
  RunCases({{docbook, "", "This command <Ref> in window . To <Ref> it , go ."}, {isolation, "", "<Ref> Is it on ? ."},
            {"A <actions>b</actions> c", "", "A <Ref> c ."},
            // A data module inside another document holds its own actions,
            // nested in a wrapper or not; the text after it is not one.
            {"<pmEntry><pmEntryTitle>Faults</pmEntryTitle><dmodule><identAndStatusSection><dmStatus><brexDmRef>"
             "<dmRef/></brexDmRef></dmStatus></identAndStatusSection><content>" + isolation +
                 "</content></dmodule><dmodule/></pmEntry><para>To <action>deselect</action> it.</para>",
             "", "Faults . Utilize pump . Is it on ? . To <Ref> it ."},
            {"<dmContent><dmodule><dmodule>" + isolation + "</dmodule>" + isolation + "</dmodule></dmContent>" +
                 isolation, "", "Utilize pump . Is it on ? Utilize pump . Is it on ? <Ref> Is it on ? ."}});
  DocumentKind.dataModule = true;
  RunCases({{docbook, "", "This command . starts a new document . in window . To . deselect . it , go ."},
            {isolation, "", "Utilize pump . Is it on ? ."}});
}

// A data module inside the text is read from its content, as one checked
// alone: its description, identification and status are no words, and its
// content starts a sentence. The module that opens the text (the element
// under check) and one without content are read whole.
TEST_F(TokenizerTest, DataModuleReadFromItsContent) {
  const std::string head =
      "<rdf:Description><dc:format>text/xml</dc:format></rdf:Description><identAndStatusSection><dmAddress>"
      "<dmTitle><techName>Cooling fan unit</techName></dmTitle></dmAddress><dmStatus><reasonForUpdate>"
      "<simplePara>Utilize the data.</simplePara></reasonForUpdate></dmStatus></identAndStatusSection>";
  const std::string text = "<description><para>Utilize the pump.</para></description>";
  const std::string module = "<dmodule xmlns:dc=\"http://purl.org/dc/elements/1.1/\">" + head + "<content>" + text +
                             "</content></dmodule>";
  const std::string longHead = "<idstatus>" + std::string(40000, 'x') + "<dmaddres><dmc>Code</dmc></dmaddres>" +
                               std::string(300, ' ') + "</idstatus>";
  RunCases({
      {"<pmEntry><pmEntryTitle>Brake</pmEntryTitle>" + module + "</pmEntry>", "p",
       "Brake . Utilize{p1} pump{p2} .{p3}"},
      {"<pmEntry><dmContent>" + module + module + "</dmContent></pmEntry><para>Go on.</para>", "",
       "Utilize pump . Utilize pump . Go on ."},
      // A word before the module ends its sentence; 2.x, content with
      // attributes, a long identification.
      {"<para>Brake<dmodule>" + longHead + "<content id=\"c\">Utilize it.</content></dmodule>", "p",
       "Brake . Utilize{p1} it{p2} .{p3}"},
      // What a comment, an instruction or a CDATA section holds is no tag,
      // and the names are known whole.
      {"<pm><dmodule>" + head + "<!-- <content> --><?pi <content>?><![CDATA[<content>]]><contents>Words</contents>"
       "<contentx/><content>Utilize it.</content></dmodule>", "", "Utilize it ."},
      {"<pm><dmodule>" + head + "<content/></dmodule><para>Go.</para></pm>", "", "Go ."},
      // A module nested in another's content is read from its own.
      {"<pm><dmodule>" + head + "<content><para>Stop.</para>" + module + "<para>Go.</para></content></dmodule></pm>",
       "", "Stop . Utilize pump . Go ."},
      // No content: read whole, as one alone is; a module that closes itself
      // holds nothing.
      {"<pm><dmodule><idstatus><para>Read it.</para></idstatus></dmodule><dmodule/><para>Go.</para></pm>", "",
       "Read it . Go ."},
      {"<pm><dmodule><idstatus><para>Read it.</para></idstatus><dmodule><content>Go.</content></dmodule>", "",
       "Read it . Go ."},
      {"<pm><dmodule><idstatus><para>Read <content", "", "Read ."},
      {module, "", "text/xml . Cooling fan unit . Utilize data . Utilize pump ."},
      {"\n " + module, "", "text/xml . Cooling fan unit . Utilize data . Utilize pump ."},
  });
}

// A placeholder is a word of its sentence at the start of the text too; a
// sentence end or a bold mark there adds nothing.
TEST_F(TokenizerTest, PlaceholderOpensTheText) {
  RunCases({{"<codeph>pumpctl</codeph> gives it", "p", "<Ref> gives{p1} it{p2} .{p3}"},
            {"The <xref href=\"a\"/>, <keyword>b</keyword> go", "p", "<ref> ,{p1} <Ref>{p2} go{p3} .{p4}"},
            {"</p><b>Stop</b> it", "p", "Stop{p1} it{p2} .{p3}"}});
  Settings.app.showWarnings = 0;
  RunCases({{"<warning>x</warning> go", "p", "<Ref_[<warning>]> . go{p1} .{p2}"}});
}

TEST_F(TokenizerTest, AsideElementsLeaveNoWord) {
  RunCases({
      {"<indexterm>parsing<indexterm>xml</indexterm> more</indexterm>Remove the cover", "bm", "Remove{b1} cover{m1} ."},
      {"Remove the <indexterm>glorp<index-see>zonk</index-see></indexterm>cover now", "bm", "Remove cover{b1 m1} now ."},
      {"<para>Parse<indexterm><primary>parsing</primary><secondary>xml</secondary></indexterm> files.</para>", "",
       "Parse files ."},
      {"Stop. <draft-comment><p>Glorp this.</p></draft-comment>Go <REMARK>fix</REMARK> now <indexterm "
       "class=\"endofrange\" startref=\"x\"/>here <required-cleanup>x</required-cleanup>.",
       "", "Stop . Go now here ."},
      {"a <indexterm>unclosed b", "", "a unclosed b ."},
      // Lists of references and keywords before the text: a data module's
      // references (and its applicability's), a topic's or a map's keywords,
      // an info section's; DITA's inline keyword is a word of its sentence.
      {"<refs><dmRef><dmRefIdent><dmCode/></dmRefIdent></dmRef><pmRef/><externalPubRef>E</externalPubRef></refs>"
       "<referencedApplicGroupRef><dmRef/></referencedApplicGroupRef><title>Utilize it</title>", "", "Utilize it ."},
      {"<keydef keys=\"k\"><topicmeta><keywords><keyword>Acme</keyword></keywords></topicmeta></keydef>"
       "<keywordset><keyword>x</keyword></keywordset><navtitle>Use <keyword>Acme</keyword></navtitle>", "",
       "Use <Ref> ."},
  });
}

// Each title is a sentence of its own, and metadata before the text ends
// its sentence or leaves no word; the fields of records are one placeholder
// each, the remarks on them sentences of their own. "p" shows each word's
// place in its sentence: after a sentence end the title opens at 1, as
// after a full stop.
TEST_F(TokenizerTest, TitlesMetadataAndRecordFields) {
  RunCases({
      // A map's titles and link texts, its own metadata, a bookmap's titles.
      {"<map><title>Guide</title><topicmeta><navtitle>Pump Guide</navtitle><linktext>Pump care</linktext>"
       "<author>Acme</author></topicmeta><topicref><topicmeta><navtitle>Quick Start</navtitle></topicmeta>"
       "</topicref><topicref><topicmeta><linktext>Utilize it</linktext></topicmeta></topicref></map>",
       "p", "Guide . Pump{p1} Guide{p2} . Pump{p1} care{p2} . Acme{p1} . Quick{p1} Start{p2} . Utilize{p1} it{p2} ."},
      {"<bookmap><booktitle><booklibrary>Library</booklibrary><mainbooktitle>Pump</mainbooktitle></booktitle>"
       "<chapter><topicmeta><navtitle>Utilize it</navtitle></topicmeta></chapter></bookmap>",
       "p", "Library . Pump{p1} . Utilize{p1} it{p2} ."},
      {"<titlealts><navtitle>Short</navtitle><searchtitle>Find it</searchtitle></titlealts><glossentry><glossterm>"
       "base</glossterm></glossentry><glossentry><glossterm>Utilize it</glossterm></glossentry>",
       "p", "Short . Find{p1} it{p2} . base{p1} . Utilize{p1} it{p2} ."},
      // A reference page: its metadata leaves no word, its names are
      // placeholders, its purpose and a title after a list stand alone; a
      // reference to another page stays inside its sentence.
      {"<refentry><refentryinfo><author><firstname>Jo</firstname></author><date>01 May 2019</date></refentryinfo>"
       "<refmeta><refentrytitle>pumpctl</refentrytitle><manvolnum>8</manvolnum><refmiscinfo>Tools</refmiscinfo>"
       "</refmeta><refnamediv><refname>pumpctl</refname>, <refname>pumpd</refname><refpurpose>Utilize it"
       "</refpurpose></refnamediv><variablelist>&UMASK;</variablelist><title>FILES</title><para>See <citerefentry>"
       "<refentrytitle>login</refentrytitle><manvolnum>1</manvolnum></citerefentry> now.</para></refentry>",
       "p", "<Ref>{p1} ,{p2} <Ref>{p3} . Utilize{p1} it{p2} . &UMASK;{p1} . FILES{p1} . See{p1} login{p2} 1{p3} "
            "now{p4} .{p5}"},
      // A revision history: number, date and initials are placeholders, the
      // remark a sentence; a date inside a sentence is one placeholder.
      {"<revhistory><revision><revnumber>1.2</revnumber><date>04 April 2021</date><authorinitials>FPL"
       "</authorinitials><revremark>Utilize it</revremark></revision></revhistory><para>The pump of <date>01 May "
       "2019</date> is new.</para>",
       "p", "<Ref> <Ref>{p1} <Ref>{p2} . Utilize{p1} it{p2} . pump{p1} of{p2} <Ref>{p3} is{p4} new{p5} .{p6}"},
      // S1000D wiring data: each wire's, harness's and equipment's record
      // leaves no word, and the wiring data ends its sentence.
      {"<wiringData><wireData><wire id=\"w1\"><wireType>AP</wireType><wireColor>red</wireColor></wire><wireAlts>"
       "<wire><wireColor>May</wireColor></wire></wireAlts></wireData><harnessData><harness><name>Main</name>"
       "</harness></harnessData><electricalEquipGroup><electricalEquip><installationLocation>Seat post"
       "</installationLocation></electricalEquip></electricalEquipGroup></wiringData><enterpriseName>Acme Ltd"
       "</enterpriseName><title>Utilize it</title><procedure><blockinfo><date>2021</date><author>Jo</author>"
       "</blockinfo><title>Utilize it</title></procedure>",
       "p", "<Ref>{p1} Utilize{p2} it{p3} . <Ref>{p1} Jo{p2} . Utilize{p1} it{p2} ."},
      // Of a reference page's metadata only the revision remarks and
      // descriptions and the legal notices are read, past comments; one
      // whose end never comes is read whole.
      {"<refentryinfo><title>Pumps</title><author>Jo</author><revision><revnumber>1</revnumber><revremark>Utilize it"
       "</revremark></revision><!-- <revremark>x</revremark> --><revdescription><para>Add seal</para>"
       "</revdescription><date>May 2021</date><legalnotice><para>Use it</para></legalnotice><productname>pumps"
       "</productname></refentryinfo><refpurpose>Stop</refpurpose><refentryinfo><author>Jo</author>",
       "p", "Utilize it{p1} . Add{p1} seal{p2} . Use{p1} it{p2} . Stop{p1} . Jo{p1} .{p2}"},
  });
}

// What stands between two bodies is passed over whole, and the sentence
// ends there; where a step read on into a stretch, from where it stopped.
TEST_F(TokenizerTest, StretchesPassedOver) {
  auto stretch = [](const std::string& text, const std::string& from, const std::string& to) {
    return TextStretch{text.find(from), text.find(to) + to.size()};
  };
  std::string text = "Open it<title>Title words</title><b>Close the pump</b>";
  TextStretch one[] = {stretch(text, "<title>", "<b>")};
  EXPECT_EQ(Tokens(text, "pbm", false, one), "Open it{p1} . Close{p1 b1} pump{p2 m1} .{p3 b1}");
  text = "a <xref>b c</xref> d e <t>f</t> g";
  TextStretch two[] = {stretch(text, "c<", " d"), stretch(text, "<t>", "</t>")};
  EXPECT_EQ(Tokens(text, "", false, two), "a <ref> . e . g .");
  TextStretch past[] = {{text.size() + 20, text.size() + 30}};
  EXPECT_EQ(Tokens(text, "", false, past), "a <ref> d e f g .");
}

TEST_F(TokenizerTest, Entities) {
  RunCases({
      // Dropped inside a word, "&amp;" ends the word: "RD" is not in the document.
      {"a &amp; b R&AMP;D x", "tc", "a and{t\"<AR>\"} b{t\"< R>\"} R D{t\"< x>\"} x ."},
      // An accented letter kept as a reference stays in its word as written;
      // between words it is passed over.
      {"fa&ccedil;ade caf&eacute; s&atilde;o 3&times;4 &eacute; x", "", "fa&ccedil;ade caf&eacute; s&atilde;o 3X4 x ."},
      {"valve&apos;s cover 20&deg;C 30&deg; 40&#xb0;F Acme&trade; x&nbsp;y 50&percnt; a&#62;b", "k", "valve{k9} cover 20{k9} 30{k9} 40{k9} Acme{k9} x{k9} y 50{k9} a b{k9} .{k9}"},
      {"10 N&bull;m x&lt;y 5&ohgr; &middot;m 2&#x2022;m now", "k", "10 N.m{k9} <Ref>{k9} y <ref>{k9} N.m{k9} N.m{k9} now{k9} .{k9}"},
      {"a &frac12;&ndash;in bolt and 3&frac38;&ndash;in nut", "kxg", "a 1/2-inch{k9 xR} bolt and 3/8-inch{k9 xR} nut{k9} .{k9}"},
      {"1&comma;000 a&comma;b 10&colon;30 10&hyphen;20 a&hyphen;b", "", "1,000 a ,b 10:30 10-20 a b ."},
      {"10&ndash;mm a&mdash;b stop &ndash; next &ndash;5 &minus;3 &middot;x &micro;s y", "kp", "10{k9} mm{p1} a-b{p2} stop{p3} .{k9 p4} next 5{p1} -3{p2} _x{p3} y{k9 p4} .{k9 p5}"},
      {"a 2&rdquo; pipe, valve&rsquo;s seat, o&rsquo;Clock, don&rsquo;t, word&rsquo; x &rsquo;y", "ucgSk", "a 2{u\"2 inch\" c49 g305 k9} pipe ,{k9} valve{c10 S2 k9} seat ,{k9} oClock ,{k9} don?t{g310 k9} ,{k9} word{k9} x y{k9} .{k9}"},
      // A decimal written without its leading zero is a number too.
      {"a .5&rdquo; pipe and a 5&rdquo; pipe", "ug", "a .5{u\"0.5 inch\" g305} pipe and a 5{u\"5 inch\" g305} pipe ."},
      {"Acme&reg; pump x&sigma; 20 mm&sup2; 10&sup2; 4&equals;4 why&ques;", "v", "Acme <ref> pump 20 10 4 ={v=} 4 why ? ."},
      // A complete reference the table does not name is a name the document
      // declares: a word, or a part of its word, kept as written and read by
      // its name, whatever the name holds; its ';' is no semicolon. A
      // character reference between words is passed over.
      {"a&foo;b z", "T", "a&foo;b{T\"afoob\"} z ."},
      {"ab&xyz;cd ef", "", "ab&xyz;cd ef ."},
      {"valg&lowbar;eg.c", "", "valg&lowbar;eg.c ."},
      {"na&iuml;ve design", "", "na&iuml;ve design ."},
      {"Fuel&prod; the &prod; cover", "mT", "Fuel&prod;{T\"fuelprod\"} &prod;{m1 T\"prod\"} cover ."},
      {"Set &masq-gw;, &booth.conf; (&linux_qdisc;) &db:x;s &Pump;; end", "T",
       "Set &masq-gw;{T\"masq-gw\"} , &booth.conf;{T\"booth.conf\"} ( &linux_qdisc;{T\"linux_qdisc\"} ) "
       "&db:x;s{T\"db:xs\"} &Pump;{T\"pump\"} ; end ."},
      // A name that joins words with '-' is one word too, whatever words.
      {"&tools-edit; Edit. The &tools-edit;. (&link-tc;), &elements-shaping;s &sle;&#160;&product-ga; x", "T",
       "&tools-edit;{T\"tools-edit\"} Edit . &tools-edit;{T\"tools-edit\"} . ( &link-tc;{T\"link-tc\"} ) , "
       "&elements-shaping;s{T\"elements-shapings\"} &sle;&#160;&product-ga;{T\"sle&#160;product-ga\"} x ."},
      {"x &#x263A; y", "", "x y ."},
      // Without its ';' the name is read on as text (groups a-h, l-u, '#') or
      // dropped with the word in progress.
      {"a&foo b", "", "afoo b ."},
      {"ab&xyz cd", "", "cd ."},
      // A known entity where none of its rows applies is dropped.
      {"&rdquo;x", "", "x ."},
      // A lone ampersand takes no text with it, nor the sentinel.
      {"Salt & pepper; done &", "", "Salt pepper ; done ."},
      {"Research &x development", "", "Research development ."},
      {"a &xyz@@END", "", "a . @@END", true},
  });
}

// Texts that end in the middle of something the tokenizer looks ahead for,
// each in a buffer exactly its size, so that a read past the terminator is
// caught by the address sanitizer.
TEST_F(TokenizerTest, EveryLookAheadStopsAtTheEndOfTheText) {
  const char* const endings[] = {
      "&", "&a", "&amp", "&#", "&#x2", "\"", "\"A", "\"AB CD", "\x84", "\x84Q", "\x94", "'", "'s", "\x92",
      "\x91", "\x91s", "\xAA", "<", "<!", "<!-", "<!--", "<!-- x -", "<?", "<?Pub", "<?Pub _touchup",
      "<?Pubref x?>", "<xref", "<xref>", "<xref>x</xr", "<warning>", "<b", "</para", "<term>x",
      "<dd>", "<dd></", "<dd>x</p", "<dd><p>x</p>", "<dd>x</cmdname", "<codeblock>", "<code>x</co",
      "in", "in.", "sq.", "e.g", "e.g.", "Dr.", "10-", "10-m", "Ab-", "pre-", "anti", "(s", "(", "(1", "(12",
      "[", "[a", "{", "{a", "a(s", "a(es", "the", "the ", "the the", "The the ", ",", ", ", "1,", ":", "http:",
      "CAGE:", ";", "a;", "/", "a/", "+", "1+", "\xB0", "1\xB0", ("1\xB0" "C"), "\xBD", "\xB5", "\xAD", "a\xAD",
      "\x97", "\xA4", "?", " ?", "!", ".", "..", "a.", "1.", "1. ", "1. A", "o", "o ", "|", "a|", "#",
      "--", "-->", "\\", "@", "@@", "@@E", "@@EN", "<dmodule", "<dmodule>", "<dmodule><idstatus>x",
      "<dmodule><content", "<dmodule><!-- <content>", "<dmodule><content>", "<b>x</b>!", "<xref/>!",
  };
  for (const char* e : endings)
    for (const std::string& text : {std::string(e), "Open " + std::string(e), "Open the " + std::string(e)})
      for (int warnings : {0, 1}) {
        Settings.app.showWarnings = warnings;
        Tokens(text, "", true);
      }
  Tokens(std::string(500, 'q') + " " + std::string(200, '#'), "");
}

}  // namespace

// Each word knows where it stands in the text read, and the text is kept:
// a word at its first character, a mark or placeholder the scan adds at the
// character its step began at.
TEST_F(TokenizerTest, WordsKnowWhereTheyStand) {
  std::string text = "Do <b>it</b> &amp; the pump, (now) pre-set. @@END";
  TokenizeText(text.data());
  EXPECT_EQ(CheckedText.text, "Do <b>it</b> &amp; the pump, (now) pre-set. @@END");
  std::string places;
  for (const WordRec* w = WordList.head; w && !(w->written == kSentinel); w = w->next)
    places += std::string(w->written.view()) + "@" + std::to_string(w->place) + " ";
  EXPECT_EQ(places, "Do@0 <ref>@3 it@6 and@13 pump@23 ,@27 (@29 now@30 )@33 pre-set@35 .@42 ");
  CheckedText.Reset();
}
