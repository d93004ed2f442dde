#include "engine/noun_or_verb.h"

#include "engine/pass_text.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"

using ascii::Contains;
using pass::ClearCodes;
using pass::NounForm;
using pass::SetCodes;

namespace {

void Noun(WordRec* w, const char* classCode) {
  NounForm(w);
  ClearCodes(w);
  w->classCode = classCode;
}

// First word of its sentence.
void FirstWord(WordRec* w, int N) {
  const int C = w->wordClass;
  if (C == 50 || C == 30 || C < 20) return;
  if (w->markFlag != '1' && N >= 20 && N != 40 && N != 48) {
    w->message = w->subClass = Msg::WrongVerb;
    w->wordClass = 20;
    w->classCode = "V0**";
    return;
  }
  ClearCodes(w);
  w->wordClass = C == 21 ? 11 : 10;
  w->classCode = "NMS**";
  if (N != 40) w->message = w->subClass = Msg::WrongChoice;
}

// Later words: the first rule that matches decides.
void LaterWord(WordRec* w, bool code3, int P, int N) {
  const WordRec& next = NextOr(w);
  const auto& T = w->text;
  const int C = w->wordClass;
  if (code3) {
    w->wordClass = 10;
    w->classCode = "N**";
    SetCodes(w, Msg::WrongChoice);
    return;
  }
  if (P == 70 || C == 60 || N == 47 || N == 67 || w->markFlag == '1') return;
  if (In(C, {11, 21, 23, 31, 40, 50})) {
    w->wordClass = 40;
    if (T[0] == 'u') {
      w->wordClass = 10;
      ClearCodes(w);
    }
    return;
  }
  if (C == 10 && Contains(w->written, '-') && N < 20) {
    ClearCodes(w);
    return;
  }
  if (P == 28 || C == 20) {
    w->wordClass = 20;
    w->classCode = "V0**";
    return;
  }
  if (w->length > 4 && T.endsWith("ng")) {
    w->wordClass = 30;
    return;
  }
  if ((C == 30 && N < 20) || In(P, {32, 38, 61}) || N == 75 ||
      (N == 70 && next.text[0] == 'o') || next.text[0] == '.') {
    Noun(w, "NMS**");
    w->suggestion.clear();
    return;
  }
  if (!w->suggestion.empty() && (P == 24 || P == 25)) return;
  if (w->extraFlag == '4') {
    w->wordClass = 45;
    SetWordMessage(w, Msg::Abbreviation, 3942);
    return;
  }
  if (N == 64 || next.markFlag == '1') {
    if (Contains(w->written, ' ')) return;
    ClearCodes(w);
    w->wordClass = 10;
    w->classCode = "NMS*";
    return;
  }
  if (In(C, {10, 18, 30}) || P == 64 || PrevOr(w).classCode.startsWith("A") || N == 48) return;
  if (T == "never") {
    w->wordClass = 29;
    w->classCode = "SN**";
    ClearCodes(w);
  }
}

}  // namespace

void CheckNounOrVerb(WordRec* word) {
  if (!word) return;
  WordRec* w = word;
  const int P = PrevOr(w).wordClass;
  const int N = NextOr(w).wordClass;

  const bool nounMarked = Contains(w->suggestion, "(n)");
  if (nounMarked && w->lastLetter == 's') w->wordClass = 11;

  const bool code3 = w->classCode[3] == '3';
  const int C = w->wordClass;
  if (code3 && !w->suggestion.empty()) {
    if (In(C, {21, 22, 30, 31, 40, 50}) || (C < 20 && !nounMarked) || C > 49 ||
        (w->markFlag == '1' && !nounMarked)) {
      SetCodes(w, Msg::WrongChoice);
      return;
    }
  }
  if (w->splitKind == '2' || w->splitKind == '4' || w->splitKind == '6' || nounMarked) {
    if (!(w->markFlag == '1' || nounMarked) && N != 18 && N != 76 && N != 28) return;
    Noun(w, "NMS**");
    return;
  }
  if (w->sentencePos == 0)
    FirstWord(w, N);
  else
    LaterWord(w, code3, P, N);
}
