#include "engine/agreement.h"

#include "engine/neighbours.h"
#include "engine/rule_match.h"

namespace {

bool PluralSignal(const WordRec& w) {
  return ClassIsOneOf(w, {11, 19, 25, 39, 40, 47, 49}) || w.message == 325;
}

bool PluralSignalUpToComma(const WordRec& w) {
  return ClassIsOneOf(w, {11, 19, 25, 38, 39, 40, 49, 66}) || w.message == 325;
}

bool SingularSignal(const WordRec& w) {
  return ClassIsOneOf(w, {10, 15, 16, 17, 39, 40, 47, 64, 69}) || w.message == 325 ||
         (w.wordClass == 49 && FirstIs(w, 'o'));
}

}  // namespace

bool ScanNounPhrase(WordRec* verb, WordRec* stopAt, int mode) {
  if (!verb || verb->sentencePos == 0) return false;
  if (mode < 1 || mode > 3) return false;
  for (WordRec* w = Prev(verb); w; w = Prev(w)) {
    if (mode != 1 && TextIsOneOf(*w, {"any", "and", "all"})) return true;
    if (mode == 1 && SingularSignal(*w)) return true;
    if (mode == 2 && PluralSignal(*w)) return true;
    if (mode == 3) {
      if (PluralSignalUpToComma(*w)) return true;
      if (w->wordClass == 47) break;
    }
    if (w->sentencePos == 0 || w == stopAt) break;
  }
  if (mode == 3) return ScanNounPhrase(verb, stopAt, 1);
  return false;
}

int CheckAgreement(WordRec* verb, WordRec* stopAt, AgreementState state) {
  if (!verb || verb->sentencePos == 0) return 0;
  const WordRec& next = NextOr(verb);
  const WordRec& prev = PrevOr(verb);

  switch (next.text.first()) {
    case 'n':
    case 'o':
      if (TextIsOneOf(next, {"only", "not", "never"})) return 0;
      break;
    case 'a':
    case 't':
    case 'w':
      if (TextIsOneOf(next, {"also", "who", "that"}) || TextStarts(next, "as s") ||
          next.wordClass == 54)
        return 0;
      break;
    default:
      break;
  }

  const bool pluralVerb = TextIsOneOf(*verb, {"are", "were", "have"});
  const bool singularVerb = TextIsOneOf(*verb, {"is", "was", "has"});
  if (pluralVerb) {
    if (state.subjectNumber == 1 || state.skipAgreement == 1) return 0;
    if (verb->sentencePos >= 1 && verb->sentencePos <= 7 && ClassIsOneOf(prev, {10, 18})) return 1;
    if (ScanNounPhrase(verb, stopAt, 3)) return 0;
  }

  const bool plural = ScanNounPhrase(verb, stopAt, 2);
  const bool singular = ScanNounPhrase(verb, stopAt, 1);
  switch (prev.text.first()) {
    case 'a':
    case 'd':
      if (TextIsOneOf(prev, {"also", "aircraft", "data"})) return 0;
      break;
    case 'f':
    case 'g':
    case 'h':
    case 'i':
      if (TextIsOneOf(prev, {"information", "following", "here"}) || TextIs(next, "given") ||
          (TextIs(prev, "it") && singular))
        return 0;
      break;
    case 'r':
    case 's':
    case 't':
    case 'w':
    case 'y':
      if (TextIsOneOf(prev, {"there", "that", "remainder", "who", "what", "which"}) ||
          TextIs(next, "shown") || (TextIs(prev, "they") && plural) ||
          (TextIs(prev, "you") && plural))
        return 0;
      break;
    default:
      if (prev.text.length() == 1 || ClassIsOneOf(prev, {16, 17, 21, 28, 39, 40, 45, 49, 69}))
        return 0;
      break;
  }

  if (pluralVerb) {
    if ((ClassIsOneOf(prev, {11, 19}) || prev.lastLetter == 's') && !plural) return 1;
    if (ClassIsOneOf(prev, {10, 18}) && !singular) return 1;
    return 0;
  }
  if (!singularVerb) return 0;
  if (TextIsOneOf(prev, {"we", "these", "those"})) return 1;
  // A plural noun before "is", "was" or "has", with no singular word in
  // the subject before it.
  if (ClassIsOneOf(prev, {11, 19}) && !singular) return 1;
  return 0;
}
