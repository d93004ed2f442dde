#include "engine/sentence_pass.h"

#include <string_view>

#include "engine/pass_text.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/noun_or_verb.h"
#include "engine/pass_marks.h"
#include "engine/sentence_pass_steps.h"
#include "engine/unknown_word.h"

using ascii::At;
using ascii::Contains;
using pass::ClearCodes;
using pass::SetCodes;
using pass::SetFamily;

namespace sentence_pass {

void SetCodeChar(WordRec* w, int i, char c) {
  for (int k = static_cast<int>(w->classCode.length()); k < i; ++k) w->classCode.set(k, '*');
  w->classCode.set(static_cast<std::size_t>(i), c);
}

}  // namespace sentence_pass

namespace {

using sentence_pass::SetCodeChar;

bool IsSentenceEnd(const WordRec& w) {
  if (w.length != 1 || w.wordClass != 48) return false;
  char c = w.text[0];
  return CharIn(c, "!-.:;?");
}

// Adds one word for each blank of a multi-word entry and for each '.' that
// separates numbers ("1.5"), but not the dots of "a.m." or "U.S.A.".
void CountWeight(WordRec* w) {
  if (w->length <= 2) return;
  for (int i = 1; i <= w->length - 2; ++i) {
    char c = At(w->written, i);
    if (c == ' ') ++w->weight;
    else if (c == '.' && At(w->written, i + 2) != '.') ++w->weight;
  }
}

void WordWithoutCode(WordRec* w, WordRec* head) {
  const auto& W = w->written;
  if (w->classCode[0] == 'F' || w->extraFlag == '2') {
    SetCodes(w, Msg::NotInDictionary);
    if (w->extraFlag != '2') {
      CheckUnknownWord(w, head);
    } else {
      w->subClass = w->message = Msg::Abbreviation;
      w->wordClass = 45;
    }
    return;
  }
  if (w->length > 1 &&
      ((IsDigit(W[0]) && IsAsciiLetter(W[1])) || (IsAsciiLetter(W[0]) && IsDigit(W[1])))) {
    w->wordClass = 40;
    return;
  }
  if (w->separatorFlag != '8') {
    if (w->splitKind == '2') {
      w->wordClass = 10;
      w->classCode = "NMS**";
      ClearCodes(w);
      return;
    }
    if (w->wordClass == 40 && W.startsWith("<internalRef")) {
      w->subClass = w->message = Msg::Style;
      w->tag = "<##>";
      w->wordClass = 10;
    }
    if (w->extraFlag == 'A') {
      w->wordClass = 45;
      w->classCode = "D1**";
    }
    return;
  }
  // A word whose plural ending the tokenizer cut off ("valve(s)"). The
  // plural of a word no dictionary holds is a hint: it would be flagged.
  BoundedText<81> both;
  both.format(w->message == Msg::NotInDictionary ? "%s/(%ss)" : "%s/%ss", w->text.c_str(), w->text.c_str());
  if (w->caseFlag == '2') ascii::ToUpperAll(both);
  w->suggestion = both.view();
  w->subClass = w->message = Msg::Punctuation;
  w->wordClass = 10;
}

void DictionarySubclass12(WordRec* w) {
  WordRec* next = Next(w);
  if ((next && next->text[0] == '@') || w->wordClass == 50 || w->classCode[0] == 'A' ||
      w->markFlag == '1') {
    w->subClass = 0;
  } else if (w->message == Msg::Apostrophe) {
    w->wordClass = 10;
    w->subClass = 0;
    w->splitKind = '2';
    w->extraFlag = '5';
  } else if (w->caseFlag == '1' && next && next->wordClass == 45) {
    ClearCodes(next);
    next->wordClass = 45;
    SetCodeChar(next, 3, '3');
  } else if (w->splitKind == '2' || w->separatorFlag == '8') {
    w->wordClass = 10;
    w->subClass = 0;
    SetFamily(w, 'N');
    w->message = w->message2 = 0;
    if (w->separatorFlag == '8') {
      w->message = Msg::Punctuation;
      BoundedText<85> both;
      both.format("%s/%ss", w->written.c_str(), w->written.c_str());
      w->suggestion = both.view();
    }
  }
}

void Pronoun(WordRec* w) {
  const auto& T = w->text;
  if (w->lastLetter == 'f' || w->lastLetter == 's') {
    w->wordClass = 40;
    SetFamily(w, 'D');
    ClearCodes(w);
    SetWordMessage(w, Msg::Pronoun, 4772);
  } else if (T == "she" || T == "he") {
    w->wordClass = 66;
    w->classCode = "D***";
    ClearCodes(w);
  } else if (w->wordClass != 10) {
    if (T == "we") {
      w->wordClass = 40;
      w->suggestion = "(Be specific)";
      SetFamily(w, 'D');
      SetWordMessage(w, Msg::Pronoun, 3772);
    }
  } else {
    pass::NounForm(w);
    SetCodes(w, Msg::WrongChoice);
  }
}

void Hyphenated(WordRec* w) {
  const auto& T = w->text;
  const int N = NextOr(w).wordClass;
  const int C = w->wordClass;
  if (Contains(T, '-') && N < 20) {
    ClearCodes(w);
  } else if (T[0] == '<') {
    w->wordClass = 40;
    w->classCode = "D***";
    ClearCodes(w);
  } else if (Contains(w->suggestion, '(')) {
    const auto& S = w->suggestion;
    char after = S[S.view().find('(') + 1];
    w->wordClass = ((after == 'T' || after == 'R') && S[0] != '(' && C == 45) ? 15 : 10;
    w->subClass = 17;
  } else if (C == 60) {
  } else if ((C == 20 || C == 21) && w->markFlag == '1') {
    w->wordClass = 10;
    w->classCode = "NM**";
    SetCodes(w, Msg::WrongChoice);
  } else if (C == 23) {
    if (w->sentencePos >= 1 && NextOr(w).classCode[0] == 'N') {
      w->wordClass = 10;
      w->classCode = "NM***";
      SetCodes(w, Msg::WrongChoice);
    } else if (N >= 20) {
      w->message = Msg::NotInDictionary;
    } else {
      w->wordClass = 10;
      w->classCode = "NM***";
      w->message = Msg::NotInDictionary;
    }
  } else if (w->length > 2 && w->extraFlag == '5') {
    w->wordClass = 10;
    w->classCode = "NM***";
    w->message = Msg::Apostrophe;
    w->ruleId = 7893;
    w->subClass = 0;
  }
}

bool PrevOrNextBeginsWithDigit(const WordRec* w) {
  if (w->sentencePos > 0 && IsDigit(PrevOr(w).text[0])) return true;
  return IsDigit(NextOr(w).text[0]);
}

// Step 7 of the walk; answers the number of following records to pass over.
int Dispatch(WordRec* w, WordRec* head) {
  const auto& T = w->text;
  const auto& W = w->written;
  const int P = PrevOr(w).wordClass;
  const int N = NextOr(w).wordClass;
  switch (w->subClass) {
    case 0:
      WordWithoutCode(w, head);
      break;
    case 12:
      DictionarySubclass12(w);
      break;
    case 38:
      if (w->sentencePos >= 1 && (P == 24 || P == 25)) {
        w->wordClass = 30;
        w->subClass = 0;
      }
      break;
    case 300:
    case 322:
      return sentence_pass::VerbsAndNounsAsVerbs(w);
    case 301:
      sentence_pass::WrongChoice(w);
      break;
    case 302:
      if (T == "whilst") {
        w->wordClass = 70;
        ClearCodes(w);
        SetFamily(w, 'B');
        w->suggestion = w->sentencePos == 0 ? "When" : "while";
        SetWordMessage(w, Msg::Preposition, 4672);
      }
      break;
    case 304:
      if (T == "alone" || T == "such") {
        w->wordClass = 50;
        ClearCodes(w);
        w->suggestion.clear();
        SetFamily(w, 'B');
      }
      break;
    case 305:
      if (w->wordClass == 30 && Contains(W, '-') && N < 20) ClearCodes(w);
      break;
    case 308:
      if (!(w->splitKind == '4' || T[1] == '/' || T[2] == '/' || w->wordClass != 49 ||
            w->length == 1) &&
          (T[0] == 'i' || T[0] == 'v')) {
        ClearCodes(w);
        w->wordClass = 40;
        w->classCode = "D***";
      }
      break;
    case 309:
      if (EqualsNoCase(W.view(), "Fig")) {
        w->tag = "<AR>";
        w->suggestion = "Figure";
        SetWordMessage(w, Msg::Spelling, 3198);
      } else if (w->wordClass == 45) {
      } else if (Contains(T, '_')) {
        ClearCodes(w);
        w->wordClass = 40;
        w->classCode = "D***";
      }
      break;
    case 310:
      SetCodes(w, Msg::Apostrophe);
      if (w->splitKind == '1' || w->splitKind == '2') w->extraFlag = '5';
      break;
    case 311:
      if (Contains(w->suggestion, '(')) {
      } else if ((w->wordClass == 10 || w->wordClass == 18) && w->lastLetter == 's') {
        w->wordClass = 11;
        w->classCode = "NM***";
      }
      break;
    case 312:
      Pronoun(w);
      break;
    case 315:
      if (!EqualsNoCase(W.view(), "make sure") && !EqualsNoCase(W.view(), "makes sure")) {
        if (w->wordClass == 31 || w->wordClass == 22) {
          w->wordClass = 22;
          w->classCode = "V2**";
          SetWordMessage(w, Msg::WrongVerb, 5672);
        } else {
          SetWordMessage(w, Msg::PhrasalVerb, 4282);
        }
      } else {
        ClearCodes(w);
        w->wordClass = 20;
      }
      break;
    case 317:
      Hyphenated(w);
      break;
    case 325:
      CheckUnknownWord(w, head);
      break;
    case 326:
      w->wordClass = 28;
      ClearCodes(w);
      w->suggestion.clear();
      w->classCode = "V0***";
      if ((W == "May" || W == "MAY") && PrevOrNextBeginsWithDigit(w)) {
        w->wordClass = 39;
        w->classCode = "D***";
      }
      break;
    case 330:
      if (w->length > 2 && (T == "shall" || T == "might" || T == "ought")) {
        w->wordClass = 28;
        w->classCode = "V0***";
        ClearCodes(w);
      }
      break;
    case 337:
      w->subClass = w->message = Msg::Punctuation;
      if (w->splitKind == '6' && w->length == 1 && T == "/") {
        w->wordClass = 40;
        w->ruleId = 8765;
      }
      break;
    default:
      break;
  }
  return 0;
}

}  // namespace

void RunSentencePass() {
  WordRec* head = WordList.head;
  int counter = 0;
  for (WordRec* w = head; !AtEnd(w); w = w->next) {
    if (w->text[0] == ' ') continue;
    w->sentencePos = counter++;
    if (w->message >= 300 && w->subClass == 0) w->subClass = w->message;
    if (IsSentenceEnd(*w)) counter = 0;
    if (w->tag.startsWith(".?")) w->tag = "< .>";
    CountWeight(w);
    int skip = Dispatch(w, head);
    // A word the rule has dealt with is not dispatched again, but it still
    // counts once in its sentence, so the words after it keep their places.
    for (; skip > 0 && w->next && !AtEnd(w->next); --skip) {
      w = w->next;
      if (w->text[0] == ' ') continue;
      w->sentencePos = counter++;
      if (IsSentenceEnd(*w)) counter = 0;
    }
  }
}
