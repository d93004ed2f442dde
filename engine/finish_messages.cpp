#include "engine/finish_messages.h"

#include "engine/pass_text.h"
#include "engine/rule_text.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"

using ascii::Contains;
using pass::ClearCodes;

namespace {

// Clears the codes and sets `code` again with the word's own rule id.
void Reissue(WordRec* w, int code) {
  ClearCodes(w);
  SetWordMessage(w, code, w->ruleId);
}

void WrongVerb(WordRec* w) {
  ClearCodes(w);
  if (w->splitKind == '4') return;
  if (Contains(w->text, '.')) {
    SetWordMessage(w, Msg::WrongChoice, 6594);
    w->wordClass = 40;
    return;
  }
  if (w->caseFlag == '2' && NextOr(w).text[0] == '(') return;
  if (w->wordClass == 23) {
    SetWordMessage(w, Msg::Gerund, 6495);
    return;
  }
  const int P = PrevOr(w).wordClass;
  const int N = NextOr(w).wordClass;
  if (w->sentencePos > 0 &&
      (w->markFlag == '1' || P == 38 || P == 30 || P == 64 || N == 48 || N == 67)) {
    SetWordMessage(w, Msg::WrongChoice, 6594);
    w->wordClass = 10;
    return;
  }
  SetWordMessage(w, Msg::WrongVerb, 6596);
}

void Abbreviation(WordRec* w) {
  const auto& T = w->text;
  if (w->wordClass == 45) return;
  if (w->sentencePos > 0) {
    const WordRec& prev = PrevOr(w);
    if (prev.text[0] == '=' || (w->length == 3 && T[1] == '/') ||
        (prev.text[0] == '(' && NextOr(w).text[0] == ')'))
      return;
  }
  if (T == "max" || T == "min" || T.startsWith("max.") || T.startsWith("min.")) {
    // After a number the short form is its unit ("10 min"): no finding.
    const WordRec& prev = PrevOr(w);
    if (w->sentencePos > 0 && (prev.wordClass == 49 || IsNumberText(prev.text.view()))) {
      ClearCodes(w);
      return;
    }
    w->entryWords = 1;
    w->wordClass = 45;
    w->suggestion = T[1] == 'a' ? "maximum" : "minimum";
    // The word put in place of the short form keeps its case ("Max").
    SuggestionInWordCase(w);
    w->tag = "<AR>";
    SetWordMessage(w, Msg::Spelling, 7669);
  } else if (w->length >= 4 && T[3] == '/') {
    SetWordMessage(w, Msg::Punctuation, 7865);
  } else {
    w->wordClass = 45;
    SetWordMessage(w, Msg::Abbreviation, 8765);
  }
}

// Cuts the written form before the character that stands before the first
// dash mark. Nothing is cut when no character would remain.
void CutBeforeDash(WordRec* w) {
  auto pos = w->written.view().find('~');
  if (pos == std::string_view::npos || pos < 2) return;
  w->written.truncate(pos - 1);
  w->length = static_cast<int>(w->written.length());
}

void Apostrophe(WordRec* w) {
  ClearCodes(w);
  if (w->separatorFlag == '9') {
    SetWordMessage(w, Msg::Apostrophe, 4086);
    return;
  }
  w->suggestion.clear();
  if (Contains(w->text, '~')) {
    CutBeforeDash(w);
    w->suggestion = "(Do not use EM or EN dash)";
    w->entryWords = 1;
    SetWordMessage(w, Msg::Punctuation, 4086);
    return;
  }
  if (NextOr(w).text[0] == '<') return;
  SetWordMessage(w, Msg::Apostrophe, 4576);
}

void Hyphenation(WordRec* w) {
  ClearCodes(w);
  if (w->text[0] == '-' || Contains(w->written, '-')) return;
  SetWordMessage(w, Msg::Hyphenation, 26031);
  const bool betweenCapitals = w->sentencePos > 0 && PrevOr(w).caseFlag == '2' &&
                               NextOr(w).caseFlag == '2';
  if (w->splitKind == '6' && !betweenCapitals) SetWordMessage(w, Msg::Punctuation, 26031);
}

void Settle(WordRec* w, int key) {
  const int N = NextOr(w).wordClass;
  switch (key) {
    case 300:
      WrongVerb(w);
      break;
    case 301: {
      ClearCodes(w);
      int code = Msg::WrongChoice;
      if (w->wordClass == 23 && w->markFlag == '0') {
        SetWordMessage(w, Msg::Gerund, 9995);
        break;
      }
      if (Contains(w->text, '-')) code = Msg::Hyphenation;
      else if (w->splitKind == '4') code = Msg::Adjective;
      SetWordMessage(w, code, w->ruleId);
      break;
    }
    case 302: case 303: case 305: case 306: case 313: case 318: case 319:
    case 320: case 321: case 324: case 327: case 330: case 338:
      Reissue(w, key);
      break;
    case 304:
      ClearCodes(w);
      if (w->sentencePos > 0 && w->text == "said") {
        if (WordRec* prev = Prev(w)) ClearCodes(prev);
        break;
      }
      Reissue(w, key);
      break;
    case 307:
      ClearCodes(w);
      SetWordMessage(w, Msg::ProductLiability, 307);
      break;
    case 308:
      ClearCodes(w);
      w->ruleId = 3088;
      SetWordMessage(w, Msg::Number, w->splitKind == '4' ? 3089 : 3088);
      break;
    case 309:
      Abbreviation(w);
      break;
    case 310:
      Apostrophe(w);
      break;
    case 311:
      ClearCodes(w);
      SetWordMessage(w, w->text == "much" && (N == 11 || N == 19) ? Msg::Agreement : Msg::Spelling,
                     w->ruleId);
      break;
    case 312:
      w->message = w->message2 = 0;
      SetWordMessage(w, Msg::Pronoun, w->ruleId);
      break;
    case 314:
      ClearCodes(w);
      SetWordMessage(w,
                     NextOr(w).markFlag == '1' || N == 64 || N == 76 ? Msg::ChangeToNoun
                                                                      : Msg::Terminology,
                     w->ruleId);
      break;
    case 315:
      ClearCodes(w);
      if (w->extraFlag != '~') SetWordMessage(w, Msg::Capitalization, w->ruleId);
      break;
    case 317:
      Hyphenation(w);
      break;
    case 322: {
      ClearCodes(w);
      int code = w->wordClass == 22 ? Msg::WrongVerb
                 : w->wordClass == 23 ? Msg::Gerund
                                      : Msg::ChangeToNoun;
      SetWordMessage(w, code, w->ruleId);
      break;
    }
    case 323:
      if (w->tokenKind <= 0) Reissue(w, key);
      break;
    case 325:
      ClearCodes(w);
      SetWordMessage(w, Msg::NotInDictionary, 325);
      break;
    case 337:
      ClearCodes(w);
      if (!IsDigit(w->text[0])) SetWordMessage(w, Msg::Punctuation, w->ruleId);
      break;
    default:  // 299, 316, 326, 328, 329, 331 to 336 and codes above 338 stay as they are
      break;
  }
}

}  // namespace

int FinishMessages(WordRec* head) {
  for (WordRec* w = head; !AtEnd(w); w = w->next) {
    if (w->splitKind == '1' || w->splitKind == '2' || w->splitKind == 't') w->subClass = 310;
    int key = w->subClass;
    if (key == 0 && w->message >= 300) w->subClass = key = w->message;
    switch (w->message) {
      case 328: case 315: case 316: case 321: case 326: case 338:
        continue;
      default:
        break;
    }
    if (key < 299) {
      w->subClass = 0;
      continue;
    }
    Settle(w, key);
  }
  return 0;
}
