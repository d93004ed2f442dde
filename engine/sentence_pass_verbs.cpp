// The sentence pass on words the dictionary flags as wrong verbs, nouns used
// as verbs (300, 322) and wrong choices (301): the context decides whether
// the word is used as a noun, and then the flag goes.
#include <initializer_list>
#include <string_view>

#include "engine/pass_text.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/noun_or_verb.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/sentence_pass_steps.h"

using ascii::Contains;
using pass::ClearCodes;
using pass::NounForm;
using pass::SetCodes;
using pass::SetFamily;

namespace {

enum class Mark { Plain, NounMarked, AfterConjunction };

struct Context {
  WordRec* w;
  const WordRec& prev;
  const WordRec& next;
  int P;
  int N;
};

// Noun form, codes cleared, suggestion emptied, class code "NMS*".
void NounResult(WordRec* w) {
  NounForm(w);
  ClearCodes(w);
  w->suggestion.clear();
  w->classCode = "NMS*";
}

void Stage4(const Context& x, Mark mark) {
  WordRec* w = x.w;
  const int C = w->wordClass;
  const int P = x.P;
  const int N = x.N;
  const char nt = x.next.text[0];
  if (P == 68 && w->markFlag == '0' && (N == 47 || N == 48)) return;
  const bool quiet = nt != '<' && nt != ':' && nt != '(' && x.next.classCode[0] != 'X' &&
                     x.next.classCode[0] != 'Z' && !In(P, {76, 35, 67}) && w->markFlag != '1' &&
                     !(C == 20 && P < 20) && !In(N, {49, 24, 25, 28, 68}) &&
                     mark != Mark::NounMarked;
  if (quiet) return;
  bool flag = false;
  if (C == 20 && P < 20) {
    flag = (N <= 20 && x.next.markFlag == '0') || nt == '<' || (N < 20 && x.next.markFlag == '1');
  }
  if (In(P, {6, 22, 24, 25, 30, 35, 37, 38, 40, 41, 45, 47, 49, 50, 60, 61, 63, 64, 65, 66, 67, 68,
             70, 75, 76})) {
    NounResult(w);
    return;
  }
  if (P == 20) {
    if (C == 20 || C == 21 || N == 65 || N == 68 || x.next.message == Msg::WrongVerb) flag = true;
  } else if (P == 10 || P == 18) {
    if (C == 11 || C == 21 || (N < 20 && x.prev.markFlag == '1')) flag = true;
    if (C == 20 && N == 21) {
      NounResult(w);
      return;
    }
  } else if (nt == '<') {
    NounResult(w);
    return;
  }
  if (flag || In(N, {11, 19, 22, 23, 24, 25, 28, 31, 47, 48, 50, 60, 63, 67, 68, 70, 75}))
    NounResult(w);
}

void Stage3(const Context& x, Mark mark) {
  WordRec* w = x.w;
  const int P = x.P;
  const int N = x.N;
  const bool any = In(P, {67, 64, 35}) || P < 20 || w->markFlag == '1' || w->wordClass == 21 ||
                   In(N, {40, 24, 25, 75}) || P == 30 || mark == Mark::NounMarked;
  if (!any) return;
  NounForm(w);
  w->suggestion.clear();
  ClearCodes(w);
}

void Stage2(const Context& x, Mark mark) {
  WordRec* w = x.w;
  const int C = w->wordClass;
  const int P = x.P;
  const int N = x.N;
  if ((C == 20 || C == 21) && mark == Mark::Plain && N < 20) {
    w->wordClass = 10;
    w->classCode = "NMS**";
    SetCodes(w, Msg::WrongChoice);
    return;
  }
  if (C == 20 && (In(P, {28, 29, 38}) || N == 67 || N == 68)) return;
  if (x.next.markFlag == '1' || C == 22 || N == 64) return;
  const bool toStage3 = C == 23 || In(P, {28, 29, 35, 70, 75}) ||
                        (P == 25 && x.prev.text[0] == 'h') || N == 75 ||
                        (C == 20 && (N == 40 || mark == Mark::AfterConjunction)) ||
                        ((P == 10 || P == 30) && C == 21 && N == 50) ||
                        (C == 21 && (N == 28 || N == 25)) || (P < 20 && N == 63) || P == 64 ||
                        (P == 67 && mark == Mark::Plain);
  if (toStage3) {
    Stage3(x, mark);
    return;
  }
  if (w->wordClass == 11 && P == 10) w->wordClass = 21;
  if (Contains(w->written, '-')) w->wordClass = 30;
  if (w->markFlag == '1' && w->wordClass == 20) w->wordClass = 10;
  Stage4(x, mark);
}

// First word of a sentence; answers the records to pass over.
int FirstWordRule(const Context& x) {
  WordRec* w = x.w;
  WordRec* next = Next(w);
  const int N = x.N;
  if (w->markFlag == '1' || In(N, {20, 21, 22, 28, 48, 67, 69}) || x.next.text[0] == '<' ||
      x.next.written[0] == 'N' || Contains(w->suggestion, "(n)")) {
    NounForm(w);
    w->classCode = "NMS*";
    ClearCodes(w);
    return 0;
  }
  if (w->wordClass == 20 && (In(N, {10, 18, 64, 76}) || x.next.markFlag == '1')) {
    // An imperative verb, and the noun after it wants its article.
    w->wordClass = 20;
    w->classCode = "V0**";
    ClearCodes(w);
    SetWordMessage(w, Msg::WrongVerb, 3614);
    if (N < 20 && next && !AtEnd(next) && next->markFlag == '0') {
      next->tag = "<AR>";
      BoundedText<81> the;
      the.format("the %s", next->written.c_str());
      next->suggestion = the.view();
      SetWordMessage(next, Msg::Spelling, 4768);
      return 1;
    }
  }
  return 0;
}

bool IsModalWord(const WordText& t) {
  for (std::string_view k : {"could", "do", "might", "may", "ought", "shall", "would", "should"})
    if (t == k) return true;
  return t.startsWith("take");
}

}  // namespace

namespace sentence_pass {

int VerbsAndNounsAsVerbs(WordRec* w) {
  const auto& T = w->text;
  if (IsModalWord(T)) {
    w->classCode.set(0, 'V');
    SetCodeChar(w, 1, '0');
    ClearCodes(w);
    w->wordClass = T[0] == 't' ? 20 : 28;
    return 0;
  }
  const Context x{w, PrevOr(w), NextOr(w), PrevOr(w).wordClass, NextOr(w).wordClass};
  const bool nounMarked =
      Contains(w->suggestion, "(n)") &&
      !(w->length >= 7 && w->lastLetter == 'g' && ascii::At(T, w->length - 2) == 'n');
  const Mark plainOrNoun = nounMarked ? Mark::NounMarked : Mark::Plain;
  if (w->message == Msg::ChangeToNoun && w->wordClass == 20) w->message = Msg::WrongVerb;
  if (w->splitKind == '1' || w->splitKind == '2') {
    w->wordClass = 10;
    w->subClass = w->message = Msg::Apostrophe;
    return 0;
  }
  if (w->sentencePos == 0) return FirstWordRule(x);
  if (w->classCode[3] != '3') {
    Stage4(x, plainOrNoun);
    return 0;
  }
  const int C = w->wordClass;
  const int P = x.P;
  const int N = x.N;
  if (P == 68 && C == 20 && w->markFlag == '0') return 0;
  if (!nounMarked && P < 20 && N < 20) return 0;
  if ((C == 21 || C == 23) && !nounMarked) {
    if (N < 20 || N == 68 || N == 49 || x.next.markFlag == '1') return 0;
    if (NextOr(w, 2).wordClass == 67 || w->lastLetter == 'g') return 0;
  }
  if (P == 29 && C == 20) return 0;
  if (w->sentencePos > 2 && P == 63 && PrevOr(w, 2).wordClass < 20 && C < 20) {
    w->markFlag = '1';
    Stage2(x, Mark::AfterConjunction);
    return 0;
  }
  if (!nounMarked) {
    Stage2(x, Mark::Plain);
    return 0;
  }
  if (C != 20 && C != 21) {
    if (C == 22 || In(P, {64, 49, 23, 75, 65, 60}) || In(N, {70, 50, 24, 25}) || N < 20 ||
        (P == 25 && x.prev.text[0] == 'h') || (P == 50 && x.next.classCode[0] == 'V') ||
        x.prev.text[0] == ',' || w->markFlag == '1' || N == 66) {
      NounForm(w);
      w->classCode = "NMS**";
      ClearCodes(w);
      return 0;
    }
    if (x.next.text[0] != '<') {
      Stage2(x, Mark::NounMarked);
      return 0;
    }
  }
  w->wordClass = C == 21 ? 11 : (w->lastLetter == 's' ? 11 : 10);
  w->classCode = "NMS**";
  ClearCodes(w);
  return 0;
}

void WrongChoice(WordRec* w) {
  const auto& T = w->text;
  const int P = PrevOr(w).wordClass;
  const int N = NextOr(w).wordClass;
  if (w->extraFlag == '8') {
    w->wordClass = 10;
    SetFamily(w, 'N');
    ClearCodes(w);
    SetWordMessage(w, Msg::Punctuation, 3672);
    return;
  }
  if (w->extraFlag == 'H' && N < 20) {
    ClearCodes(w);
    NounForm(w);
    return;
  }
  static const struct { const char* text; int wordClass; } kFunctionWords[] = {
      {"under", 60},   {"never", 77},  {"neither", 30}, {"normally", 50}, {"double", 30},
      {"either", 50},  {"even", 50},   {"every", 50},   {"further", 50},  {"both", 50},
      {"just", 50},    {"like", 46},   {"little", 30},  {"per", 40},      {"still", 71},
      {"so", 71},      {"later", 50},  {"whenever", 70}, {"whilst", 70},  {"whether", 70},
      {"over", 50},    {"quick", 50},  {"well", 50},
  };
  for (const auto& row : kFunctionWords) {
    if (T == row.text) {
      w->wordClass = row.wordClass;
      ClearCodes(w);
      w->suggestion.clear();
      return;
    }
  }
  if (Contains(w->suggestion, "(n)")) {
    if (w->lastLetter == 'd') {
      w->wordClass = 22;
      SetWordMessage(w, Msg::WrongVerb, 3614);
    } else if ((T == "case" || T == "cases") && w->sentencePos > 0 && (P < 20 || P == 30)) {
      w->tag = "<AR>";
      w->classCode = "NMS*";
      const bool plural = w->lastLetter == 's';
      w->suggestion = plural ? "housings" : "housing";
      w->wordClass = plural ? 19 : 18;
      SetCodes(w, Msg::Spelling);
    } else {
      ClearCodes(w);
      NounForm(w);
    }
    return;
  }
  CheckNounOrVerb(w);
}

}  // namespace sentence_pass
