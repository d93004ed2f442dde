#include "engine/word_class_resolution.h"

#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"

using pass::Reclass;
using pass::SetClass;

namespace {

// The neighbours as one decision reads them. A missing next word reads as
// the end of the text.
struct Around {
  WordRec* w;
  const WordRec& next;
  const WordRec& prev;
  int n;
  int p;
  bool first;
  bool nextEnds;  // the next text begins with '@' (the sentinel), or there is none

  explicit Around(WordRec* word)
      : w(word),
        next(NextOr(word)),
        prev(PrevOr(word)),
        n(next.wordClass),
        p(prev.wordClass),
        first(word->sentencePos == 0),
        nextEnds(!Next(word) || FirstIs(next, '@')) {}
};

// -ing word: verb, gerund, noun or adjective.
void ResolveG(const Around& a) {
  WordRec* w = a.w;
  w->subClass = 0;
  w->classCode = "V3P*";
  const bool marked = IsMarked(*w);

  if ((marked && (a.n == 63 || a.n == 67)) || a.n == 48 || a.nextEnds) {
    SetClass(w, 23, "V3**");
    w->subClass = 0;
    w->message2 = 0;
    w->message = 338;  // gerund, written directly
    return;
  }
  if (a.first) {
    Reclass(w, 23, "V3**");
    if (a.n != 50 && a.n != 61 && marked && a.n < 20) Reclass(w, 30, "AFG*");
    return;
  }
  if ((a.p == 64 || marked) && (a.n < 20 || a.n == 63)) {
    Reclass(w, 30, "AFG*");
    return;
  }
  if (a.p >= 20 && !ClassIsOneOf(a.prev, {20, 24, 25, 30, 47, 50, 65, 75}) && a.n != 47 &&
      a.n != 61 && !(a.n == 60 && FirstIs(a.next, 'f')))
    return;
  if (marked || a.p == 64 || a.p == 76) {
    SetClass(w, marked ? 23 : 10, "NMS*");
    if (w->lastLetter == 's') Reclass(w, 11, "NMP*");
    return;
  }
  Reclass(w, 23, "V3**");
}

// Noun or adjective.
void ResolveJ(const Around& a) {
  WordRec* w = a.w;
  SetClass(w, w->lastLetter == 's' ? 11 : 10, "NMS*");
  w->subClass = 0;
  if (a.n == 48 || a.nextEnds) return;
  const bool marked = IsMarked(*w);
  if (a.first) {
    if (ClassIsOneOf(a.next, {10, 16, 18}) || (marked && a.n == 30)) Reclass(w, 30, "AFG*");
    return;
  }
  const bool nextNoun = CodeStarts(a.next, 'N');
  const bool adjective = (marked && nextNoun) || IsMarked(a.next) || a.n == 49 || a.p == 61 ||
                         a.n < 20 || (a.p < 20 && nextNoun) ||
                         ((a.p == 20 || a.p == 21) && a.next.markFlag == '0' && nextNoun);
  if (adjective) Reclass(w, CodeStarts(a.prev, 'V') ? 50 : 30, "AFG*");
}

// Adjective or adverb.
void ResolveK(const Around& a) {
  WordRec* w = a.w;
  Reclass(w, 30, "AF**");
  w->suggestion.clear();
  if (a.first) {
    if (IsMarked(*w)) return;
    if (CodeStarts(a.next, 'V') || CodeStarts(a.next, 'X') || ClassIsOneOf(a.next, {5, 64, 74, 76}) ||
        a.n < 20 || a.next.subClass == 300 || IsMarked(a.next))
      SetClass(w, 50, "B**");
    return;
  }
  if (IsMarked(a.next) || ClassIsOneOf(a.next, {43, 47, 48, 64})) SetClass(w, 50, "B****");
}

// Adjective or past participle.
void ResolveP(const Around& a) {
  WordRec* w = a.w;
  SetClass(w, 31, "AP**");
  if (a.n == 48 || a.nextEnds) return;
  const bool marked = IsMarked(*w);
  bool participle = false;
  if (a.first) {
    if (marked || a.n < 20) {
      w->wordClass = 30;
      return;
    }
    if (a.n == 20) return;
    participle = true;
  } else if (marked) {
    if (a.n < 20 || CodeStarts(a.next, 'A')) return;
    Reclass(w, 10, "NMS**");
    return;
  } else {
    participle = IsMarked(a.next) || ClassIsOneOf(a.next, {64, 67, 68, 70}) ||
                 TextIs(a.prev, "be") || TextIs(a.next, "by") || a.p == 78 ||
                 CodeStarts(a.prev, 'H');
  }
  if (participle) Reclass(w, 22, "V2**");
}

// Noun or verb.
void ResolveX(const Around& a) {
  WordRec* w = a.w;
  SetClass(w, 10, "NMSX");
  w->ruleId = 998;
  if (IsMarked(*w)) return;
  const bool nextUnmarked = a.next.markFlag == '0';
  if (ClassIsOneOf(a.next, {22, 31, 48}) || w->splitKind == '4' ||
      (nextUnmarked && a.n == 11 && NextOr(w, 2).wordClass == 10) ||
      (a.first && a.n < 20 && nextUnmarked) || a.nextEnds)
    return;
  bool verb;
  if (a.first) {
    verb = ClassIsOneOf(a.next, {10, 15, 16, 18, 30, 38, 40, 49, 60, 61, 63, 64, 76}) ||
           IsMarked(a.next) || CodeStarts(a.next, 'A');
  } else {
    verb = ClassIsOneOf(a.prev, {24, 25, 28, 29, 45, 47, 50, 63, 69}) ||
           (a.p == 68 && (a.n == 40 || a.n == 49)) ||
           ClassIsOneOf(a.next, {11, 16, 19, 50, 61, 64, 66, 70, 76}) || IsMarked(a.next) ||
           CodeStarts(a.next, 'A');
  }
  if (verb) Reclass(w, 20, "V0**");
}

// Adjective or verb.
void ResolveY(const Around& a) {
  WordRec* w = a.w;
  SetClass(w, 30, "AF**");
  if (a.first) {
    if (a.n < 20 && a.next.markFlag == '0') return;
    if (IsMarked(a.next) || ClassIsOneOf(a.next, {11, 19, 30, 38, 64, 74, 76}))
      Reclass(w, 20, "V0**");
    return;
  }
  if ((a.p == 74 && a.n <= 20) || CodeStarts(a.prev, 'A') || a.p == 29 || (a.p == 64 && a.n == 47) ||
      (a.p < 20 && a.n > 19))
    return;
  const bool verb = ClassIsOneOf(a.next, {47, 48, 75, 76}) || IsMarked(a.next) ||
                    ClassIsOneOf(a.prev, {28, 66, 70}) || (a.p == 68 && w->caseFlag == '0');
  if (!verb) return;
  if (w->lastLetter == 'd') {
    w->wordClass = 22;
  } else if (w->lastLetter == 's') {
    w->wordClass = 21;
  } else {
    Reclass(w, 20, "V0**");
  }
}

// Plural noun or -s verb.
void ResolveZ(const Around& a) {
  WordRec* w = a.w;
  SetClass(w, 11, "NMPZ");
  if (IsMarked(*w)) return;
  if (ClassIsOneOf(a.next, {22, 31, 40, 47, 48, 67}) || a.nextEnds) return;
  if (a.first) {
    if (ClassIsOneOf(a.next, {10, 18, 61, 64, 68, 74, 75, 76}) || IsMarked(a.next))
      Reclass(w, 21, "V10**");
    return;
  }
  if (ClassIsOneOf(a.prev, {66, 76})) return;
  if (ClassIsOneOf(a.prev, {10, 11, 18, 19, 50, 60}) && FirstIs(a.prev, 'w')) return;
  if (a.p < 20 && !ClassIsOneOf(a.prev, {10, 11, 18, 19}) && a.n < 20) return;
  if (ClassIsOneOf(a.next, {10, 18, 49, 50, 60, 61, 64, 68, 70, 74, 75}) || IsMarked(a.next))
    Reclass(w, 21, "V1**");
}

}  // namespace

void ResolveWordClass(WordRec* word) {
  if (!word) return;
  const Around a(word);
  switch (word->classCode.first()) {
    case 'G':
      ResolveG(a);
      break;
    case 'J':
      ResolveJ(a);
      break;
    case 'K':
      ResolveK(a);
      break;
    case 'P':
      ResolveP(a);
      break;
    case 'X':
      ResolveX(a);
      break;
    case 'Y':
      ResolveY(a);
      break;
    case 'Z':
      ResolveZ(a);
      break;
    default:
      break;
  }
}

int FindVerbAhead(WordRec* word) {
  if (!word) return -1;
  WordRec* r = Next(word);
  if (!r) return -1;
  char c = r->text.first();
  if (c == '.' || c == '<' || c == '@') return -1;
  if (word->sentencePos == 0) return 1;
  while (true) {
    if (AtEnd(r) || ClassIsOneOf(*r, {23, 75})) return -1;
    if (ClassIsOneOf(*r, {20, 21, 24, 25, 28, 31, 60, 70}) || CodeStarts(*r, 'V')) return 1;
    WordRec* s = Next(r);
    if (!s) return -1;
    if (s->sentencePos == 0 || ClassIsOneOf(*s, {47, 48}) || FirstIs(*s, '(') || r->subClass == 80)
      return -1;
    r = s;
  }
}
