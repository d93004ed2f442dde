#include "engine/advice_forms.h"

#include <vector>

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/dict_lookup.h"
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

// Whether the dictionaries take the word as it stands, with no finding.
bool Approved(std::string_view word) {
  WordRec found;
  return LookUpAlone(word, kDictCount, &found) == kLookupFound && found.message == 0;
}

enum class Fit { Keep, Drop, Hint };

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
  if (!InflectAlternative(inflected, found.pluralMarker, form) || !Approved(inflected.view())) return Fit::Hint;
  std::string word = inflected.str();
  if (IsAsciiUpper(static_cast<unsigned char>(first[0]))) word[0] = AsciiUpper(static_cast<unsigned char>(word[0]));
  alt = alt.substr(0, lead) + word + alt.substr(end);
  return Fit::Keep;
}

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(static_cast<unsigned char>(a[i])) != AsciiLower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace

std::string FitAdvice(std::string_view advice, int form, bool afterBe) {
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
      p.fit = FitAlternative(p.text, form, afterBe);
      if (p.fit != Fit::Keep) p.text = original;
      for (const Piece& before : pieces)
        if (p.fit == Fit::Keep && !before.hint && before.fit == Fit::Keep && SameText(before.text, p.text))
          p.fit = Fit::Drop;
      anyFits = anyFits || p.fit == Fit::Keep;
    }
    pieces.push_back(std::move(p));
  }
  // What does not fit is not offered; where nothing fits, it is shown as
  // a hint, which the menu does not put in.
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

void FitAdviceToForm(WordRec* w) {
  if (w == nullptr || w->suggestion.empty()) return;
  const int cls = w->wordClass;
  if (!(cls >= Cls::Verb && cls <= Cls::VerbIng) && cls != Cls::Participle) return;
  const int form = AdviceForm(w);
  const WordRec* before = w->sentencePos > 0 ? Prev(w) : nullptr;
  const bool afterBe = before != nullptr && IsBeWord(before->text.view());
  if (form == kFormBase && !afterBe) return;
  const std::string fitted = FitAdvice(w->suggestion.view(), form, afterBe);
  w->suggestion = fitted;
}
