#include "engine/advice_forms.h"

#include <algorithm>
#include <vector>

#include "engine/advice_hints.h"
#include "engine/advice_refusals.h"
#include "engine/advice_slot.h"
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/dict_lookup.h"
#include "engine/message_codes.h"
#include "engine/inflection.h"
#include "engine/neighbours.h"

namespace {

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

// The note a suggestion ends with, which says what the word is ("log
// on(v)", "logon(n)", "let (STE)"): its place in `alt`, or npos.
std::size_t NoteAt(std::string_view alt) {
  const std::size_t e = alt.find_last_not_of(' ');
  if (e == std::string_view::npos || alt[e] != ')') return std::string_view::npos;
  const std::size_t open = alt.rfind('(', e);
  return open == std::string_view::npos || alt.find_first_not_of(' ') == open ? std::string_view::npos : open;
}

bool NoteIs(std::string_view alt, std::initializer_list<std::string_view> notes) {
  const std::size_t at = NoteAt(alt);
  if (at == std::string_view::npos) return false;
  const std::string_view note = alt.substr(at, alt.find_last_not_of(' ') + 1 - at);
  for (std::string_view n : notes)
    if (note == n) return true;
  return false;
}

// The last word of an alternative, without its note.
std::string LastWord(std::string_view alt) {
  if (const std::size_t note = NoteAt(alt); note != std::string_view::npos) alt = alt.substr(0, note);
  const std::size_t e = alt.find_last_not_of(' ');
  if (e == std::string_view::npos) return {};
  alt = alt.substr(0, e + 1);
  const std::size_t blank = alt.rfind(' ');
  return AsciiLowerCopy(blank == std::string_view::npos ? alt : alt.substr(blank + 1));
}

// Whether a verb's base form can follow the alternative: it ends with
// "to", "not", a modal or the object of "let you"; not with another verb
// ("let" wants its object first, "want" its "to"), nor a preposition.
bool TakesBareVerb(std::string_view alt) {
  static constexpr std::string_view kEnds[] = {"to", "not", "you", "it", "them", "us", "him", "her", "me"};
  const std::string last = LastWord(alt);
  for (std::string_view e : kEnds)
    if (last == e) return true;
  WordRec found;
  return LookUpAlone(last, kDictCount, &found) == kLookupFound && found.wordClass == Cls::Modal &&
         (AuxOf(last) != Aux::Base || last == "do");
}

// One plain alternative put into `slot`: rewritten in place, and whether
// it fits.
Fit FitAlternative(std::string& alt, const AdviceSlot& slot) {
  const std::size_t lead = alt.find_first_not_of(' ');
  if (lead == std::string::npos) return Fit::Drop;
  std::size_t end = alt.find_first_of(" (", lead);
  if (end == std::string::npos || end == lead) end = alt.size();
  std::string first = alt.substr(lead, end - lead);
  const std::string lower = AsciiLowerCopy(first);
  const bool nounNote = NoteIs(alt, {"(n)", "(noun)"});
  const bool verbNote = NoteIs(alt, {"(v)", "(vb)", "(operational verb)", "(computer verb)"});
  if (slot.verb && nounNote) return Fit::Drop;
  // "is in" after "is": the text has the "is" already.
  if (slot.afterBe && IsBeWord(lower)) {
    const std::size_t next = alt.find_first_not_of(' ', end);
    if (next == std::string::npos) return Fit::Drop;
    alt = alt.substr(0, lead) + alt.substr(next);
    AdviceSlot rest = slot;
    rest.afterBe = false;
    return FitAlternative(alt, rest);
  }
  // What replaces "are running" is for the subject of "are", and a verb:
  // one that stands after "be" keeps the "be" ("is caused by").
  const auto keepBe = [&] {
    alt = alt.substr(0, lead) + std::string(slot.be) + " " + alt.substr(lead);
    return Fit::Keep;
  };
  int finiteForm = 0, finiteNumber = 0;
  WordRec found;
  const bool known = LookUpAlone(lower, kDictCount, &found) == kLookupFound;
  if (FiniteForm(lower, &finiteForm, &finiteNumber)) {
    if (slot.replacesBe) {
      if (finiteNumber != 0 && finiteNumber != slot.number) return Fit::Drop;
      // "is at" for "was kept at": the tense of the text stays.
      if (IsBeWord(lower)) {
        std::string be(slot.be);
        if (IsAsciiUpper(static_cast<unsigned char>(first[0]))) be[0] = AsciiUpper(static_cast<unsigned char>(be[0]));
        alt = alt.substr(0, lead) + be + alt.substr(end);
      }
    } else if (slot.afterBe || (slot.afterModal && lower != "have")) {
      return Fit::Drop;  // "is has", "can has"; "can have" reads
    } else if (lower == "have" && slot.verb && (slot.form == kFormS || slot.form == kFormPast)) {
      std::string word = slot.form == kFormS ? "has" : "had";  // "have" for "possesses"
      if (IsAsciiUpper(static_cast<unsigned char>(first[0]))) word[0] = 'H';
      alt = alt.substr(0, lead) + word + alt.substr(end);
    } else if (slot.form >= 0 && !FormsAgree(finiteForm, slot.form)) {
      return Fit::Drop;
    }
  } else if (IsBeWord(lower)) {
    if (slot.replacesBe) return Fit::Drop;
  } else if (known && found.wordClass == Cls::Modal) {
    // A modal after "be" or after a modal ("is can", "cannot can") does
    // not read; it stands for any subject, never as an -ing form. "want",
    // and "do" but in "do not", are verbs of their own ("can do the test").
    const Aux aux = AuxOf(lower);
    const std::size_t next = alt.find_first_not_of(' ', end);
    const bool helper = aux != Aux::Base || (lower == "do" && next != std::string::npos &&
                                             alt.compare(next, 3, "not") == 0 &&
                                             (next + 3 == alt.size() || alt[next + 3] == ' '));
    if (slot.afterBe || (helper && slot.afterModal)) return Fit::Hint;
    if (slot.form >= 0 && !AuxFits(aux, slot.form)) return Fit::Hint;
  } else {
    int have = known ? VerbFormOf(found) : -1;
    char code = found.pluralMarker;
    // A verb the dictionaries know as a noun only, as its note says.
    if (have < 0 && verbNote) {
      have = kFormBase;
      code = '0';
    }
    if (have < 0) {
      // A noun (or a verb's base form the dictionaries take for one) or a
      // pronoun does not stand for "be" and its words ("is kept at": "stay
      // at"; "is best to": "you must").
      const bool subject = known && (found.wordClass < Cls::FirstNonNoun || found.wordClass == Cls::Pronoun ||
                                     found.wordClass == Cls::FirstPerson);
      if (slot.replacesBe && known) return subject ? Fit::Drop : keepBe();
    } else if (slot.form < 0) {
      // No form wanted: the alternative stays as it is.
    } else if (slot.replacesBe && have != kFormBase && have != kFormS) {
      return keepBe();  // a past after "was" is rather its participle
    } else if (have != kFormBase) {
      if (!FormsAgree(have, slot.form)) return Fit::Drop;
    } else if (slot.form != kFormBase) {
      Alternative inflected(lower);
      if (!InflectAlternative(inflected, code, slot.form) || !IsApprovedWord(inflected.view())) return Fit::Hint;
      std::string word = inflected.str();
      if (IsAsciiUpper(static_cast<unsigned char>(first[0]))) word[0] = AsciiUpper(static_cast<unsigned char>(word[0]));
      alt = alt.substr(0, lead) + word + alt.substr(end);
    }
  }
  if (slot.beforeBareVerb && !TakesBareVerb(alt)) return Fit::Hint;
  return Fit::Keep;
}

// An alternative put in where the sentence opens begins with a capital.
void Capitalise(std::string& alt) {
  const std::size_t lead = alt.find_first_not_of(' ');
  if (lead != std::string::npos) alt[lead] = AsciiUpper(static_cast<unsigned char>(alt[lead]));
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
    // Words the writer must supply: a hint, its text kept.
    if (!p.hint && HoldsPlaceholder(p.text)) {
      const std::size_t lead = p.text.find_first_not_of(' ');
      p.text = "(" + p.text.substr(lead == std::string::npos ? 0 : lead) + ")";
      p.hint = true;
    }
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
  std::string base = BaseOfIng(AsciiLowerCopy(first));
  if (base.empty()) return Fit::Keep;
  if (IsAsciiUpper(static_cast<unsigned char>(first[0]))) base[0] = AsciiUpper(static_cast<unsigned char>(base[0]));
  alt = base + alt.substr(end);
  return Fit::Rewritten;
}

bool SameWord(std::string_view a, std::string_view b) { return !a.empty() && EqualsNoCase(a, b); }

}  // namespace

std::string FitAdvice(std::string_view advice, const AdviceSlot& slot) {
  return Filter(advice, [&](std::string& alt) {
    const Fit fit = FitAlternative(alt, slot);
    if (fit != Fit::Keep) return fit;
    if (slot.opening && FlaggedOpening(alt, slot.after)) return Fit::Hint;
    if (slot.capital) Capitalise(alt);
    return Fit::Keep;
  });
}

std::string AdviceAfterKeptBe(const WordRec& be, int covers, std::string_view advice) {
  const std::string fitted = FitAdvice(advice, SlotOfFinding(be, covers, Msg::None, advice));
  return Filter(fitted, [&](std::string& alt) {
    const std::size_t lead = alt.find_first_not_of(' ');
    const std::size_t end = lead == std::string::npos ? lead : alt.find(' ', lead);
    const std::size_t rest = end == std::string::npos ? end : alt.find_first_not_of(' ', end);
    // What stands after the "be" ("is at", "is caused by") stays, and the
    // text has its "be"; what takes the "be"'s place ("can", "you must")
    // does not read after it.
    if (rest == std::string::npos || !EqualsNoCase(std::string_view(alt).substr(lead, end - lead), be.text.view()))
      return Fit::Hint;
    alt = alt.substr(rest);
    return Fit::Keep;
  });
}

std::string DropRepeats(std::string_view advice, std::string_view before, std::string_view after,
                        std::string_view twoBefore) {
  return Filter(advice, [&](std::string& alt) {
    const bool repeated = SameWord(EdgeWord(alt, false), before) || SameWord(EdgeWord(alt, true), after);
    return repeated || RefusedBeside(alt, before, after, twoBefore) ? Fit::Drop : Fit::Keep;
  });
}

std::string AdviceInPlace(const WordRec& w, std::string_view advice) {
  const AdviceSlot slot = SlotOf(w, advice);
  // Most findings stand where no form is wanted: their alternatives are
  // not looked up.
  const bool placed = slot.form >= 0 || slot.verb || slot.afterBe || slot.afterModal || slot.replacesBe ||
                      slot.beforeBareVerb || slot.opening || slot.capital;
  std::string out = placed ? FitAdvice(advice, slot) : std::string(advice);
  // A gerund's advice is there to take the -ing form away; and the check
  // reads an -ing verb it approves as a gerund, so an -ing form in place of
  // the writer's ("Letting" for "Enabling") is flagged in turn.
  if (w.message == Msg::Gerund || w.text.view().ends_with("ing")) out = Filter(out, AwayFromIng);
  if (slot.partOfWord) return AsHints(out);
  return DropRepeats(out, slot.before, slot.after, slot.twoBefore);
}
