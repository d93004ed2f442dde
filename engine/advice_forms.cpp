#include "engine/advice_forms.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/dict_lookup.h"
#include "engine/message_codes.h"
#include "engine/inflection.h"
#include "engine/neighbours.h"

namespace {

// Verbs of class 28 with the forms they stand for. A modal stands for any
// subject and tense, never after "be" nor as an -ing form.
enum class Aux { Modal, Base, S, Past, Ing };
struct AuxWord {
  std::string_view word;
  Aux stands;
};
constexpr AuxWord kAuxWords[] = {
    {"can", Aux::Modal},   {"cannot", Aux::Modal}, {"could", Aux::Modal}, {"may", Aux::Modal},
    {"might", Aux::Modal}, {"must", Aux::Modal},   {"shall", Aux::Modal}, {"should", Aux::Modal},
    {"will", Aux::Modal},  {"would", Aux::Modal},  {"does", Aux::S},      {"did", Aux::Past},  {"doing", Aux::Ing},
};

Aux AuxOf(std::string_view word) {
  for (const AuxWord& a : kAuxWords)
    if (a.word == word) return a.stands;
  return Aux::Base;  // "do", "want": no form of their own but the base
}

bool AuxFits(Aux stands, int form) {
  switch (stands) {
    case Aux::Modal: return form != kFormParticiple && form != kFormIng;
    case Aux::S: return form == kFormS;
    case Aux::Past: return form == kFormPast;
    case Aux::Ing: return form == kFormIng;
    case Aux::Base: return form == kFormBase;
  }
  return false;
}

bool IsBeWord(std::string_view word) {
  return word == "is" || word == "are" || word == "was" || word == "were" || word == "am" || word == "be" ||
         word == "been" || word == "being";
}

// The form a word the lookup found stands in as a verb; -1 for no verb. A
// plural noun in -s where a verb is wanted is the verb's -s form ("stays").
int VerbFormOf(const WordRec& found) {
  // A verb whose class the words round it settle ("complete": a verb and
  // an adjective) keeps the form it was found in.
  const bool verb = found.wordClass >= Cls::Verb && found.wordClass <= Cls::VerbIng;
  if (verb && found.verbForm >= '0' && found.verbForm <= '3') {
    constexpr int kForms[] = {kFormBase, kFormS, kFormPast, kFormIng};
    return kForms[found.verbForm - '0'];
  }
  switch (found.wordClass) {
    case Cls::Verb: return kFormBase;
    case Cls::VerbS: return kFormS;
    case Cls::VerbEd:
    case Cls::Participle: return kFormPast;
    case Cls::VerbIng: return kFormIng;
    case Cls::NounPlural: return found.text.last() == 's' ? kFormS : -1;
    default: return -1;
  }
}

bool FormsAgree(int have, int want) {
  return have == want || (have == kFormPast && want == kFormParticiple);
}

// Rewritten: not offered, but shown as a hint as the fitting rewrote it.
enum class Fit { Keep, Drop, Hint, Rewritten };

struct Piece {
  std::string text;
  Fit fit = Fit::Keep;
  bool hint = false;  // written in parentheses
};

// One plain alternative in `form`: rewritten in place, and whether it fits.
Fit FitAlternative(std::string& alt, int form, bool afterBe) {
  const std::size_t lead = alt.find_first_not_of(' ');
  if (lead == std::string::npos) return Fit::Drop;
  std::size_t end = alt.find(' ', lead);
  if (end == std::string::npos) end = alt.size();
  std::string first = alt.substr(lead, end - lead);
  std::string lower = first;
  for (char& c : lower) c = AsciiLower(static_cast<unsigned char>(c));
  // "is in" after "is": the text has the "is" already.
  if (afterBe && IsBeWord(lower)) {
    const std::size_t next = alt.find_first_not_of(' ', end);
    if (next == std::string::npos) return Fit::Drop;
    alt = alt.substr(0, lead) + alt.substr(next);
    return FitAlternative(alt, form, false);
  }
  WordRec found;
  if (LookUpAlone(lower, kDictCount, &found) != kLookupFound) return Fit::Keep;
  if (found.wordClass == Cls::Modal) return AuxFits(AuxOf(lower), form) ? Fit::Keep : Fit::Hint;
  const int have = VerbFormOf(found);
  if (have < 0) return Fit::Keep;
  if (have != kFormBase) return FormsAgree(have, form) ? Fit::Keep : Fit::Drop;
  if (form == kFormBase) return Fit::Keep;
  Alternative inflected(lower);
  if (!InflectAlternative(inflected, found.pluralMarker, form) || !IsApprovedWord(inflected.view())) return Fit::Hint;
  std::string word = inflected.str();
  if (IsAsciiUpper(static_cast<unsigned char>(first[0]))) word[0] = AsciiUpper(static_cast<unsigned char>(word[0]));
  alt = alt.substr(0, lead) + word + alt.substr(end);
  return Fit::Keep;
}

// The advice with each plain alternative judged by `fit`, which may
// rewrite it: what does not fit is not offered; where nothing fits, it is
// shown as a hint, which the menu does not put in. The same alternative
// twice is offered once.
template <class FitFn>
std::string Filter(std::string_view advice, FitFn fit) {
  // A fraction ("1/4 inch") is one suggestion, whose '/' divides nothing.
  if (!advice.empty() && IsDigit(static_cast<unsigned char>(advice[0])) && advice.find('/') != std::string_view::npos)
    return std::string(advice);
  std::vector<Piece> pieces;
  bool anyFits = false;
  for (std::size_t from = 0; from <= advice.size();) {
    std::size_t slash = advice.find('/', from);
    if (slash == std::string_view::npos) slash = advice.size();
    Piece p{std::string(advice.substr(from, slash - from))};
    from = slash + 1;
    if (p.text.empty()) continue;
    p.hint = p.text.front() == '(';
    if (!p.hint) {
      const std::string original = p.text;
      p.fit = fit(p.text);
      if (p.fit != Fit::Keep && p.fit != Fit::Rewritten) p.text = original;
      for (const Piece& before : pieces)
        if (p.fit == Fit::Keep && !before.hint && before.fit == Fit::Keep && EqualsNoCase(before.text, p.text))
          p.fit = Fit::Drop;
      anyFits = anyFits || p.fit == Fit::Keep;
    }
    pieces.push_back(std::move(p));
  }
  std::string out;
  for (const Piece& p : pieces) {
    std::string text = p.text;
    if (!p.hint && p.fit != Fit::Keep) {
      if (anyFits) continue;
      const std::size_t lead = text.find_first_not_of(' ');
      text = "(" + text.substr(lead == std::string::npos ? 0 : lead) + ")";
    }
    if (!out.empty()) out += '/';
    out += text;
  }
  return out;
}

// The base form of an -ing form, a word the dictionaries hold whose -ing
// form it is ("making": "make", "letting": "let", "having": "have"), or
// empty.
std::string BaseOfIng(std::string_view ing) {
  if (ing.size() < 5 || !ing.ends_with("ing")) return {};
  const std::string stem(ing.substr(0, ing.size() - 3));
  const std::string shorter = stem.substr(0, stem.size() - 1);
  for (const std::string& base : {stem + "e", stem, shorter, shorter + "ie"}) {
    WordRec found;
    // A verb, or a noun that is one too ("use"); not "us" for "using".
    if (LookUpAlone(base, kDictCount, &found) != kLookupFound || found.wordClass >= Cls::Adjective) continue;
    Alternative inflected(base);
    if (InflectAlternative(inflected, found.pluralMarker, kFormIng) && inflected.view() == ing) return base;
  }
  return {};
}

// An alternative of a gerund's finding that is an -ing form itself: the
// check would flag it as it flags the writer's word. It is shown as a hint
// in its base form ("(make)" for "creating"), which names the verb without
// the -ing that the writer is to take away.
Fit AwayFromIng(std::string& alt) {
  const std::size_t lead = alt.find_first_not_of(' ');
  if (lead == std::string::npos) return Fit::Keep;
  std::size_t end = alt.find(' ', lead);
  if (end == std::string::npos) end = alt.size();
  const std::string first = alt.substr(lead, end - lead);
  std::string lower = first;
  for (char& c : lower) c = AsciiLower(static_cast<unsigned char>(c));
  std::string base = BaseOfIng(lower);
  if (base.empty()) return Fit::Keep;
  if (IsAsciiUpper(static_cast<unsigned char>(first[0]))) base[0] = AsciiUpper(static_cast<unsigned char>(base[0]));
  alt = base + alt.substr(end);
  return Fit::Rewritten;
}

// The first or the last word of an alternative.
std::string_view EdgeWord(std::string_view alt, bool last) {
  const std::size_t b = alt.find_first_not_of(' '), e = alt.find_last_not_of(' ');
  if (b == std::string_view::npos) return {};
  alt = alt.substr(b, e - b + 1);
  const std::size_t blank = last ? alt.rfind(' ') : alt.find(' ');
  if (blank == std::string_view::npos) return alt;
  return last ? alt.substr(blank + 1) : alt.substr(0, blank);
}

bool SameWord(std::string_view a, std::string_view b) { return !a.empty() && EqualsNoCase(a, b); }

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words) {
  for (std::string_view w : words)
    if (SameWord(word, w)) return true;
  return false;
}

char LowerFirst(std::string_view word) {
  return word.empty() ? '\0' : static_cast<char>(AsciiLower(static_cast<unsigned char>(word[0])));
}

// The class the lookup gives `word`, or -1.
int ClassOf(std::string_view word) {
  std::string lower(word);
  for (char& c : lower) c = AsciiLower(static_cast<unsigned char>(c));
  WordRec found;
  return LookUpAlone(lower, kDictCount, &found) == kLookupFound ? found.wordClass : -1;
}

bool IsMark(std::string_view word) {
  return !word.empty() && std::string_view(".,;:!?").find(word[0]) != std::string_view::npos;
}

// Whether the check flags `first` where it opens a sentence, `next` the
// word after it: "but", "because", "so" and "with" there, a time
// conjunction but before a pronoun ("If you", "When it"), and a
// preposition of class 60 but one in "b" ("Below the cover, ...").
bool FlaggedOpening(std::string_view first, std::string_view next) {
  switch (ClassOf(first)) {
    case Cls::ButBecause:
    case Cls::So:
    case Cls::With: return true;
    case Cls::Preposition: return LowerFirst(first) != 'b';
    case Cls::TimeConjunction: {
      const int after = ClassOf(next);
      return after != Cls::Pronoun && after != Cls::FirstPerson;
    }
    default: return false;
  }
}

// Whether the rules refuse the alternative whose first word is `first` and
// last word `last` between the words `before` and `after`: a second
// determiner ("the this", "any these") or a plural after "a" or "each";
// "a" before a vowel and "an" before a consonant (but a name spelled out:
// "an NVM"); "may", "might" or "must" after "they", which the rules of
// "they" make "can"; a quantity without its noun ("more," or "many and");
// and a preposition that ends the sentence.
bool RefusedBeside(std::string_view first, std::string_view last, std::string_view before, std::string_view after) {
  if (OneOf(before, {"a", "an", "the", "this", "that", "these", "those", "any", "each", "every", "no", "some"}) &&
      OneOf(first, {"a", "an", "the", "this", "that", "these", "those"}))
    return true;
  const std::string_view vowels = "aeiouh";
  if (SameWord(last, "a") && !after.empty() && vowels.substr(0, 4).find(LowerFirst(after)) != std::string_view::npos)
    return true;
  const bool spelledOut = after.size() > 1 && std::string_view("nvpNVP").find(after[1]) != std::string_view::npos;
  if (SameWord(last, "an") && !after.empty() && IsAsciiLetter(static_cast<unsigned char>(after[0])) &&
      vowels.find(LowerFirst(after)) == std::string_view::npos && !spelledOut)
    return true;
  if (SameWord(before, "they") && OneOf(first, {"may", "might", "must"})) return true;
  if (OneOf(before, {"a", "an", "each", "every", "one"}) && ClassOf(first) == Cls::NounPlural) return true;
  if (OneOf(last, {"more", "many", "one"}) && (IsMark(after) || OneOf(after, {"and", "or"}))) return true;
  return OneOf(last, {"from", "into", "of", "at", "with", "by", "for", "to"}) && IsMark(after) && after[0] != ',';
}

// The word of the text on one side of the words a finding covers (the
// words' text: the collection writes search marks into the written forms of
// the words before): the article the tokenizer set aside counts as the word
// before its word.
std::string_view WordBeside(const WordRec* w, bool after) {
  if (!after) {
    if (w->articleSetAside) return "the";
    return w->sentencePos > 0 ? EdgeWord(PrevOr(w).text.view(), true) : std::string_view();
  }
  const WordRec* n = Next(w, std::max(w->entryWords, 1));
  if (n == nullptr || n->sentencePos == 0 || AtEnd(n)) return {};
  return n->articleSetAside ? std::string_view("the") : EdgeWord(n->text.view(), false);
}

}  // namespace

std::string FitAdvice(std::string_view advice, int form, bool afterBe) {
  return Filter(advice, [&](std::string& alt) { return FitAlternative(alt, form, afterBe); });
}

std::string DropRepeats(std::string_view advice, std::string_view before, std::string_view after) {
  return Filter(advice, [&](std::string& alt) {
    const std::string_view first = EdgeWord(alt, false), last = EdgeWord(alt, true);
    return SameWord(first, before) || SameWord(last, after) || RefusedBeside(first, last, before, after) ? Fit::Drop
                                                                                                         : Fit::Keep;
  });
}

std::string AdviceInPlace(const WordRec& w, std::string_view advice) {
  std::string out(advice);
  const int cls = w.wordClass;
  // A gerund's advice is there to take the -ing form away ("use" for "using").
  if (w.message == Msg::Gerund) out = Filter(out, AwayFromIng);
  // A verb's past that the rules read as another class ("any depth desired")
  // keeps its form too.
  else if ((cls >= Cls::Verb && cls <= Cls::VerbIng) || cls == Cls::Participle || w.message == Msg::PhrasalVerb ||
           (w.text.view().ends_with("ed") && AdviceForm(&w) == kFormPast)) {
    const int form = AdviceForm(&w);
    const WordRec* before = w.sentencePos > 0 ? Prev(&w) : nullptr;
    const bool afterBe = before != nullptr && IsBeWord(before->text.view());
    // A phrasal verb's rule gives its forms side by side ("remove/removed").
    if (form != kFormBase || afterBe || w.message == Msg::PhrasalVerb) out = FitAdvice(out, form, afterBe);
  }
  // The check reads an -ing verb it approves as a gerund, so an -ing form
  // in place of the writer's ("Letting" for "Enabling") is flagged in turn.
  if (w.message != Msg::Gerund && w.text.view().ends_with("ing")) out = Filter(out, AwayFromIng);
  const std::string_view after = WordBeside(&w, true);
  if (w.sentencePos == 0 && !w.articleSetAside)
    out = Filter(out, [&](std::string& alt) {
      const std::string_view first = EdgeWord(alt, false);
      const std::size_t rest = alt.find(first) + first.size();
      const std::string_view second = EdgeWord(std::string_view(alt).substr(rest), false);
      return FlaggedOpening(first, second.empty() ? after : second) ? Fit::Hint : Fit::Keep;
    });
  return DropRepeats(out, WordBeside(&w, false), after);
}

std::string AdviceAsHints(std::string_view advice) {
  return Filter(advice, [](std::string&) { return Fit::Hint; });
}
