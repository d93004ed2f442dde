// The rule tables of the articles (class 64), in the order they are tried.
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/function_words/article_tables.h"

namespace article {
namespace {

using enum Walk;

bool Inside(const RuleContext& c) { return !c.First(); }
bool OpensSentence(const RuleContext& c) { return c.First(); }
bool PastFirst(const RuleContext& c) { return c.word->sentencePos > 1; }
bool PastSecond(const RuleContext& c) { return c.word->sentencePos > 2; }
bool CapitalAInside(const RuleContext& c) { return Inside(c) && c.word->written.first() == 'A'; }
bool NextOneCharacter(const RuleContext& c) { return c.n1().length == 1; }
// "a B": a letter named by its own article.
bool LetterBeforeOneCharacter(const RuleContext& c) {
  return IsLetter(static_cast<unsigned char>(c.word->text.first())) && NextOneCharacter(c);
}
// "minimum" or "maximum" read as a word of some function, not as "of".
bool NextNotNounNorOf(const RuleContext& c) {
  return Inside(c) && c.n1().wordClass >= Cls::FirstNonNoun && c.n1().wordClass != Cls::Of;
}
bool SplitPair(const RuleContext& c) { return c.word->splitKind == '4' && c.n1().splitKind == '4'; }

// "an" before a word that begins with a consonant sound.
bool ConsonantNext(const RuleContext& c) { return !CharIn(c.n1().text.first(), "aeiouh"); }
// ... unless it is spelled out letter by letter ("an NVM", "an MPU").
bool SpelledOutNext(const RuleContext& c) { return ConsonantNext(c) && CharIn(c.n1().text[1], "nvp"); }
// Words that take "an" by their sound, or a short form.
bool AnBySound(const RuleContext& c) {
  if (!Inside(c)) return false;
  const WordRec& n = c.n1();
  switch (n.text.first()) {
    case 'a':
    case '8':
      return TextIsOneOf(n, {"angle", "8"});
    case 'e':
    case 'h':
      return TextIsOneOf(n, {"eight", "hour", "eleven"});
    default:
      return TextIs(n, "11") || n.wordClass == Cls::ShortForm;
  }
}
void KeepAn(RuleContext& c, WordRec& an) {
  an.message = an.message2 = 0;
  if (WordRec* n = c.N(1)) n->subClass = 0;
}

// "a" before "u": the written "a" gets a blank so that the marker is found
// on the article alone.
void AppendBlank(RuleContext&, WordRec& a) { a.written.append(' '); }
void LetterAdvice(RuleContext& c, WordRec& a) { FormatSuggestion(&a, "a letter %s", c.n1().written.c_str()); }
void LetterOrMarkAdvice(RuleContext& c, WordRec& a) {
  FormatSuggestion(&a, "a letter %s/a mark %s", c.n1().written.c_str(), c.n1().written.c_str());
}
void MakeNeutral(RuleContext&, WordRec& w) { w.wordClass = Cls::Neutral; }
void MakeNoun(RuleContext&, WordRec& w) { w.wordClass = Cls::Noun; }
// "half": a measurement to give, without a rule id.
void HalfAdvice(RuleContext&, WordRec& w) {
  w.wordClass = Cls::Neutral;
  w.subClass = w.message = Msg::Measurement;
}
// A label: neither it nor its neighbours carry a finding.
void MakeLabel(RuleContext& c, WordRec& a) {
  pass::Reclass(&a, Cls::Neutral, "D****");
  if (WordRec* n = c.N(1); n && !IsSentinel(n)) {
    pass::ClearCodes(n);
    n->wordClass = Cls::Neutral;
  }
  pass::ClearCodes(c.P(1));
}

// The previous words that make a capital "A" a label, by their first letter.
constexpr Words kLabelWords =
    "and|appendix|clearance|classes|column*|class*|dimension*|fig|grade*|item*|lead*|letter*|line*|method*|"
    "like|or|pin*|position*|phase*|rev|series|section*|type*|step*";

// clang-format off
constexpr RuleRow kARows[] = {
    /*0*/ {.when = IsLabelA, .then = MakeLabel},
    /*1*/ {.n1 = "us*|un*|uu*"},
    /*2*/ {.n1 = "u*", .suggestion = "an", .then = AppendBlank, .code = Msg::Agreement, .ruleId = 4656},
    /*3*/ {.when = LetterBeforeOneCharacter, .then = LetterAdvice, .covers = 2, .code = Msg::Agreement,
           .ruleId = 4656, .outcome = PassNext},
    /*4*/ {.n1Class = {Cls::NounPlural, Cls::NomenclaturePlural}, .on = On::N1, .code = Msg::Agreement,
           .ruleId = 5556, .outcome = PassNext},
    /*5*/ {.n1 = "a*|e*|i*|o*", .suggestion = "an", .code = Msg::Spelling, .ruleId = 4757},
    /*6*/ {.p1 = "with", .n1 = "level", .when = PastFirst, .suggestion = "(Try ... to)", .on = On::P1,
           .code = Msg::WrongMeaning, .ruleId = 4651},
    /*7*/ {.n1 = "few", .n2 = "times", .suggestion = "(Give quantity, range, time)", .covers = 3,
           .code = Msg::Measurement, .ruleId = 2651, .outcome = SkipCovered},
    /*8*/ {.n1 = "few", .suggestion = "(Give quantity or range)", .covers = 2, .code = Msg::Measurement,
           .ruleId = 2651, .outcome = SkipCovered},
    /*9*/ {.n1 = "set", .n2 = "length", .on = On::N1, .code = Msg::WrongMeaning, .ruleId = 2651, .outcome = PassNext},
    /*10*/ {.n1Class = {Cls::ShortForm}},
    /*11*/ {.n1Class = {Cls::Verb}, .then = MakeNeutral, .on = On::N1},
    /*12*/ {.n1 = "hour*", .when = CapitalAInside, .suggestion = "an", .code = Msg::Agreement, .ruleId = 4656},
    /*13*/ {.when = CapitalAInside},
    /*14*/ {.n1 = "long", .n2 = "way", .suggestion = "(Give a time or distance)", .covers = 3,
            .code = Msg::Measurement, .ruleId = 6651, .outcome = SkipCovered},
    /*15*/ {.n1 = "close*", .suggestion = "(Give a tolerance)", .covers = 2, .code = Msg::Measurement,
            .ruleId = 6651, .outcome = SkipCovered},
    /*16*/ {.when = NextOneCharacter, .verbForm = 'X', .then = LetterOrMarkAdvice, .covers = 2,
            .code = Msg::NameLabel, .ruleId = 4759, .outcome = SkipCovered},
    /*17*/ {.p1Class = {Cls::To}, .n1 = "minimum", .when = NextNotNounNorOf,
            .suggestion = "minimum value/minimum range/(Be specific)", .on = On::N1, .code = Msg::Measurement,
            .ruleId = 4656},
    /*18*/ {.p1Class = {Cls::To}, .n1 = "maximum", .when = NextNotNounNorOf,
            .suggestion = "maximum value/maximum range/(Be specific)", .on = On::N1, .code = Msg::Measurement,
            .ruleId = 4656},
    /*19*/ {.p1Class = {Cls::To}, .n1 = "minimum|maximum", .when = Inside},
    /*20*/ {.p1 = "half", .when = Inside, .suggestion = "(Use degrees, scale or range)", .then = HalfAdvice,
            .on = On::P1},
    /*21*/ {.n1 = "group", .when = Inside, .then = MakeNoun, .on = On::N1},
    /*22*/ {.n1 = "half", .n2Class = kNounClasses, .when = Inside, .suggestion = "(Use degrees, scale or range)",
            .then = HalfAdvice, .on = On::N1},
    // Vague quantities: a time or a way is a measurement to give, the rest
    // is awkward.
    /*23*/ {.n1 = "bit", .suggestion = "(Give measurement)", .covers = 2, .code = Msg::Awkward, .ruleId = 2653, .outcome = SkipCovered},
    /*24*/ {.n1 = "couple", .suggestion = "two", .covers = 2, .code = Msg::Awkward, .ruleId = 2653, .outcome = SkipCovered},
    /*25*/ {.n1 = "lot", .suggestion = "(Give range or qty.)", .covers = 2, .code = Msg::Awkward, .ruleId = 2653, .outcome = SkipCovered},
    /*26*/ {.n1 = "much", .covers = 2, .code = Msg::Awkward, .ruleId = 2653, .outcome = SkipCovered},
    /*27*/ {.n1 = "time|while", .suggestion = "(Give time ref.)", .covers = 2, .code = Msg::Measurement, .ruleId = 2652, .outcome = SkipCovered},
    /*28*/ {.n1 = "way", .suggestion = "a method/a procedure", .covers = 2, .code = Msg::Measurement, .ruleId = 2652, .outcome = SkipCovered},
    /*29*/ {.when = SplitPair, .outcome = Neutral},
    /*30*/ {.n1Class = {Cls::To}, .outcome = Neutral},
};

constexpr RuleRow kAnRows[] = {
    /*0*/ {.n1 = "information|data", .when = OpensSentence, .suggestion = "The", .code = Msg::Style, .ruleId = 2751},
    /*1*/ {.n1 = "information|data", .suggestion = "the", .code = Msg::Style, .ruleId = 2751},
    /*2*/ {.p1 = "like", .when = Inside, .suggestion = "for example", .on = On::P1, .code = Msg::WrongChoice,
           .ruleId = 7751},
    /*3*/ {.when = AnBySound, .then = KeepAn},
    /*4*/ {.n1 = "price|utility", .when = Inside, .suggestion = "a", .code = Msg::Agreement, .ruleId = 4652},
    /*5*/ {.when = SpelledOutNext},
    /*6*/ {.when = ConsonantNext, .suggestion = "a", .code = Msg::Spelling, .ruleId = 5651},
    /*7*/ {.n1 = "even|odd", .when = PastSecond, .suggestion = "(Give measurement)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 5651, .outcome = SkipCovered},
};

constexpr RuleRow kTheRows[] = {
    {.word = "the", .suggestion = "(Sentence fault)", .code = Msg::Rephrase, .ruleId = 5651},
};
// clang-format on

}  // namespace

bool IsLabelA(const RuleContext& c) {
  if (!CapitalAInside(c)) return false;
  const WordRec* p = c.P(1);
  if (!p) return false;
  const WordRec& n = c.n1();
  const char f = p->text.first();
  if (f == 'd' && TextIs(n, "data")) return true;
  if (CharIn(f, "acdfghilmoprst")) return kLabelWords.Has(*p);
  return n.subClass > 299 || n.wordClass == Cls::To || IsMarked(*c.word);
}

const std::span<const RuleRow> kA = kARows;
const std::span<const RuleRow> kAn = kAnRows;
const std::span<const RuleRow> kThe = kTheRows;

}  // namespace article
