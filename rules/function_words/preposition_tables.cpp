// The rule tables of the class-60 words but "under", in the order they are
// tried.
#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "rules/function_words/preposition_tables.h"

namespace preposition {
namespace {

using enum Walk;

bool Inside(const RuleContext& c) { return c.word->sentencePos > 0; }
bool Opening(const RuleContext& c) { return c.word->sentencePos < 1; }
bool InsidePlainPrev(const RuleContext& c) { return Inside(c) && c.p1().tokenKind == 0; }
bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool SelfMarked(const RuleContext& c) { return IsMarked(*c.word); }
bool AfterFirst(const RuleContext& c) { return c.word->sentencePos > 1; }

// "against" early in the sentence, or after a special token, has no rules.
bool AgainstWithoutRules(const RuleContext& c) {
  return c.word->sentencePos < 3 || c.p1().tokenKind != 0;
}

// A short word in capitals after "its" is a name or a label.
bool NextShortCapitals(const RuleContext& c) { return IsCaps(c.n1()) && c.n1().text.length() < 5; }
// Room for three more words in the sentence.
bool RoomAfter(const RuleContext& c) {
  return c.word->sentencePos + 3 < c.state.sentenceWordCount;
}

// The -s form of a verb ("exits", "passes"), not a base form in "-ss" ("pass").
bool PrevSForm(const RuleContext& c) {
  const auto& t = c.p1().text;
  return t.last() == 's' && !t.endsWith("ss");
}

// "who" after a person: a word no dictionary holds there is a noun.
bool InsideSplit(const RuleContext& c) { return Inside(c) && c.word->splitKind == '2'; }
void PersonBefore(RuleContext& c, WordRec&) {
  WordRec* p = c.P(1);
  if (p && (p->message == Msg::NotInDictionary || p->wordClass == Cls::Neutral)) {
    pass::ClearCodes(p);
    p->wordClass = Cls::Noun;
  }
}

// Rows of one shape, written once.
// *X against*: the advice and the finding go on the previous word.
constexpr RuleRow BeforeAgainst(Words previous, const char* text) {
  return {.p1 = previous, .suggestion = text, .covers = 2, .on = On::P1, .code = Msg::WrongMeaning,
          .ruleId = 3434, .outcome = Clear};
}
// Verb + "through": the advice and the finding go on the verb.
constexpr RuleRow BeforeThrough(Words previous, const char* text, RuleTest when = nullptr) {
  return {.p1 = previous, .when = when, .suggestion = text, .covers = 2, .on = On::P1,
          .code = Msg::WrongVerb, .ruleId = 5233, .outcome = Clear};
}
// "who" after a person: no finding, the codes of "who" cleared.
constexpr RuleRow Person(RuleRow row) {
  row.then = PersonBefore;
  row.outcome = Clear;
  return row;
}

// clang-format off
constexpr RuleRow kHeadRows[] = {
    /*0*/ {.n1 = "<*|@*"},
    /*1*/ {.n1Class = {Cls::SentenceEnd}},
};

constexpr RuleRow kAcrossRows[] = {
    /*0*/ {.n1 = "from", .when = Inside, .suggestion = "opposite to/opposite", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 5235, .outcome = SkipCovered},
    /*1*/ {.p1 = "drop*|come*|work*|used", .when = InsidePlainPrev, .covers = 2, .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 7234, .outcome = Clear},
    /*2*/ {.n1 = "its", .when = Inside, .on = On::N1, .code = Msg::Delete, .ruleId = 3379},
};

constexpr RuleRow kAgainstRows[] = {
    /*0*/ {.when = AgainstWithoutRules},
    /*1*/ BeforeAgainst("compare", "compared to"),
    /*2*/ BeforeAgainst("cautioned", "(Rephrase)"),
    /*3*/ BeforeAgainst("flat|flash|hard", "against/touch/touches"),
    /*4*/ BeforeAgainst("protection", "protection from"),
    /*5*/ BeforeAgainst("run*", "(Rephrase for clarity)"),
    /*6*/ BeforeAgainst("work*", "push/cause/apply pressure to ..."),
};

constexpr RuleRow kIntoRows[] = {
    /*0*/ {.n1 = ":*", .code = Msg::WrongMeaning, .ruleId = 3245},
    /*1*/ {.n1 = "position", .outcome = PassNext},
    /*2*/ {.when = Opening},
    /*3*/ {.p1 = "come", .n1 = "contact", .when = NextUnmarked, .suggestion = "touch/touches", .covers = 3, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 1389, .outcome = PassNext},
    /*4*/ {.p1 = "come", .n1 = "place", .when = NextUnmarked, .suggestion = "into position", .covers = 3, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 1389, .outcome = PassNext},
    /*5*/ {.n1 = "contact", .n2 = "with", .suggestion = "connect/touch", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3382, .outcome = SkipCovered},
    /*6*/ {.n1 = "motion|service", .suggestion = "into operation/operate", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3382, .outcome = SkipCovered},
    /*7*/ {.p1 = "back|drawn|broken|directly|go|high|low|late|sign|bottom*|divide*|built*|enter*|engage*|force*|fit*|fill*|pull*|pipe*|pop*|plug*|run*|snap*|wire*",
           .suggestion = "", .covers = 2, .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 3489, .outcome = Clear},
};

constexpr RuleRow kItsRows[] = {
    /*0*/ {.n1 = "use", .outcome = PassNext},
    /*1*/ {.n1 = "own*", .suggestion = "its", .covers = 2, .code = Msg::Pronoun, .ruleId = 1379, .outcome = SkipCovered},
    /*2*/ {.n1Class = kNounClasses},
    /*3*/ {.n1Class = {Cls::Adjective, Cls::ProperName, Cls::VerbEd, Cls::ShortForm, Cls::Participle, Cls::Neutral}},
    /*4*/ {.when = NextShortCapitals},
    /*5*/ {.n1Class = {Cls::Verb}, .code = Msg::Pronoun, .ruleId = 2379},
    /*6*/ {.n1 = "time", .covers = 2, .code = Msg::Translation, .ruleId = 2379, .outcome = SkipCovered},
    /*7*/ {.p1 = "into", .when = Inside, .code = Msg::Delete, .ruleId = 2379},
    // A noun of class 18 already ended the chain above.
    /*8*/ {.n1Class = {Cls::Nomenclature}, .n2 = "of", .when = RoomAfter, .suggestion = "for", .on = On::N2, .code = Msg::Preposition, .ruleId = 2379},
};

constexpr RuleRow kSinceRows[] = {
    /*0*/ {.n1 = "last"},
    /*1*/ {.n1 = "other", .covers = 2, .code = Msg::Translation, .ruleId = 4316, .outcome = SkipCovered},
    /*2*/ {.suggestion = "because/time between/after/(Rephrase)", .code = Msg::WrongMeaning, .ruleId = 1316},
};

constexpr RuleRow kThroughVerbRows[] = {
    /*0*/ BeforeThrough("exit*|pass*", "moves through/goes through", PrevSForm),
    /*1*/ BeforeThrough("exit*|pass*", "move through/go through"),
    /*2*/ BeforeThrough("available", "available from"),
    /*3*/ BeforeThrough("cycle*", "move/complete the cycle/go through a cycle"),
    /*4*/ BeforeThrough("done|do", "completed by/complete"),
    /*5*/ BeforeThrough("power*", "electrical power from"),
    /*6*/ BeforeThrough("run*", "complete an operation/do"),
    /*7*/ BeforeThrough("travel*", "go through/goes through/move through/flow"),
    /*8*/ BeforeThrough("toggle*", "scroll/select/move through"),
    /*9*/ BeforeThrough("work*", "do"),
};

constexpr RuleRow kUntilRows[] = {
    /*0*/ {.n1 = "no|any", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::Delete, .ruleId = 5236},
};

constexpr RuleRow kWhatRows[] = {
    /*0*/ {.when = SelfMarked, .code = Msg::Translation, .ruleId = 1170},
    /*1*/ {.n1 = "if|else|then|next|also|other", .when = AfterFirst, .covers = 2, .code = Msg::Translation, .ruleId = 8788, .outcome = SkipCovered},
    /*2*/ {.p1Class = {Cls::Verb}, .when = InsidePlainPrev, .covers = 2, .on = On::P1, .code = Msg::Rephrase, .ruleId = 2345},
    /*3*/ {.n1Class = {Cls::To}, .n2 = "do", .covers = 3, .code = Msg::Rephrase, .ruleId = 2356, .outcome = SkipCovered},
};

constexpr RuleRow kWhoRows[] = {
    /*0*/ Person({.n1 = "reside*|live*", .when = Inside}),
    /*1*/ Person({.n1Class = {Cls::Modal, Cls::Be, Cls::Have}, .when = Inside}),
    /*2*/ Person({.when = InsideSplit}),
    /*3*/ Person({.p1Class = {Cls::ProperNoun}, .when = Inside}),
    /*4*/ Person({.p1 = "personnel|children|adult|person*|dealer*|techni*|operat*", .when = Inside}),
    /*5*/ {.p1 = "its", .when = Inside, .on = On::P1, .code = Msg::Delete, .ruleId = 3379, .outcome = Clear},
    /*6*/ {.n1 = "need|help", .suggestion = "to help", .code = Msg::Pronoun, .ruleId = 4472, .outcome = PassTwo},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kHead = kHeadRows;
const std::span<const RuleRow> kAcross = kAcrossRows;
const std::span<const RuleRow> kAgainst = kAgainstRows;
const std::span<const RuleRow> kInto = kIntoRows;
const std::span<const RuleRow> kIts = kItsRows;
const std::span<const RuleRow> kSince = kSinceRows;
const std::span<const RuleRow> kThroughVerb = kThroughVerbRows;
const std::span<const RuleRow> kUntil = kUntilRows;
const std::span<const RuleRow> kWhat = kWhatRows;
const std::span<const RuleRow> kWho = kWhoRows;

}  // namespace preposition
