#include "engine/unknown_word.h"

#include <string_view>

#include "engine/pass_text.h"
#include "engine/message_codes.h"
#include "engine/name_lists.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/unknown_word_steps.h"

using ascii::At;
using ascii::Contains;
using pass::ClearCodes;
using pass::SetFamily;

namespace unknown_word {

void AcceptNeutral(WordRec* w) {
  ClearCodes(w);
  w->wordClass = 40;
}

void NameMark(WordRec* w) {
  SetFamily(w, 'D');
  w->wordClass = 39;
  ClearCodes(w);
}

void DateMark(WordRec* w) {
  w->wordClass = 39;
  ClearCodes(w);
  w->classCode = "DT***";
}

bool IsTitle(const WordRec& w) {
  static const char* const kTitles[] = {"Mr",  "Mr.", "Mrs",  "Mrs.", "Ms",  "Ms.",
                                        "Messrs", "Dr", "Dr.", "Sr",   "Sr.", "Inc.",
                                        "Ltd.", "No.", "Pty.", "Sen.", "Gen."};
  for (const char* t : kTitles)
    if (w.written == t) return true;
  return false;
}

}  // namespace unknown_word

namespace {

using namespace unknown_word;

// Characters that make a token a unit, a code or markup rather than a word:
// the ASCII ones and, in code page 1252, degree, middle dot, micro, euro,
// pound and yen signs.
bool HasNonWordCharacter(const WordRec& w) {
  static constexpr std::string_view kMarks = "#@&+_~<>'\xB0\xB7\xB5\x80\xA3\xA5";
  for (char c : w.written.view())
    if (IsDigit(c) || kMarks.find(c) != std::string_view::npos) return true;
  return false;
}

// Step 3: tokens that are not words at all.
bool IsNotAWord(const WordRec* w) {
  const auto& T = w->text;
  const auto& W = w->written;
  const int L = w->length;
  if (L > 2) {
    if (IsAsciiLetter(T[0]) && T[1] == '-') return true;
    if (IsAsciiLower(W[0]) && IsAsciiUpper(At(W, L - 1))) return true;
    if (W[0] == W[1] && W[1] == W[2]) return true;
    if (NextOr(w).written.startsWith("<Ref")) return true;
    if (IsAsciiLower(W[0]) && IsAsciiUpper(W[1])) return true;
    if (At(W, L - 2) == '.') return true;
  }
  if (w->wordClass == 50 || w->wordClass == 60 || w->wordClass == 23) return true;
  if (T[0] == '*' || T[1] == '*') return true;
  if (L >= 7 && (At(T, L - 4) == '.' || At(T, L - 3) == '.')) return true;
  return false;
}

// Step 4: counted compounds, acronyms and flagged words.
bool LetterWordRules(WordRec* w) {
  const auto& T = w->text;
  const auto& W = w->written;
  if (!(w->length > 2 && IsAsciiLetter(T[0]) && T[1] != '/')) return false;
  if (Contains(T, '-')) {
    static const struct { const char* prefix; const char* advice; } kCounted[] = {
        {"one-", "has one ..."}, {"two-", "has two ..."},
        {"three-", "has three ..."}, {"four-", "has four ..."}};
    for (const auto& row : kCounted) {
      if (T.startsWith(row.prefix)) {
        w->wordClass = 30;
        w->suggestion = row.advice;
        pass::SetCodes(w, Msg::Adjective);
        return true;
      }
    }
  }
  if (IsAsciiUpper(W[0])) {
    for (std::size_t i = 1; i < W.length(); ++i) {
      if (IsAsciiUpper(W[i])) {
        ClearCodes(w);
        w->wordClass = 40;
        w->classCode = "D1**";
        return true;
      }
    }
  }
  if (w->extraFlag == '9') {
    AcceptNeutral(w);
    return true;
  }
  return false;
}

// Step 8: month and day names, and the numbers and words around them.
bool DateRules(WordRec* w) {
  if (!(IsAsciiUpper(w->written[0]) && IsMonthOrDayName(w->text.c_str()) == 1)) return false;
  DateMark(w);
  w->classCode = "DT**";
  if (WordRec* prev = Prev(w)) {
    if (prev->text.startsWith("date") || prev->wordClass == 49) {
      DateMark(prev);
      prev->classCode = "DT**";
    }
  }
  if (WordRec* next = Next(w); next && next->wordClass == 49) {
    DateMark(next);
    next->classCode = "DT**";
  }
  WordRec* comma = Next(w, 2);
  WordRec* year = Next(w, 3);
  if (comma && year && comma->text == "," && year->wordClass == 49) year->classCode = "DT**";
  return true;
}

// Step 9: contractions, whose apostrophe the tokenizer wrote as '?'.
bool ContractionRules(WordRec* w) {
  const int L = w->length;
  if (!(L >= 3 && At(w->text, L - 2) == '?')) return false;
  if (w->lastLetter == 's') {
    ClearCodes(w);
    w->wordClass = 66;
    w->suggestion = "its/it is";
    w->extraFlag = '5';
    w->splitKind = '2';
    SetWordMessage(w, Msg::Apostrophe, 5671);
    w->classCode = "S***";
    return true;
  }
  if (w->lastLetter != 't') return false;
  static const struct { const char* key; const char* plain; int wordClass; } kNegations[] = {
      {"aren?t", "are not", 25}, {"couldn?t", "can not", 28}, {"can?t", "can not", 28},
      {"don?t", "do not", 20},   {"doesn?t", " does not", 21}, {"isn?t", "is not", 24}};
  for (const auto& row : kNegations) {
    if (!w->text.startsWith(row.key)) continue;
    w->suggestion = row.plain;
    w->wordClass = row.wordClass;
    w->extraFlag = '4';
    SetWordMessage(w, Msg::Apostrophe, 6671);
    w->classCode = "V0**";
    return true;
  }
  return false;
}

// Step 10: marks left by the tokenizer and the lookup.
bool TokenMarkRules(WordRec* w) {
  if (w->splitKind == '6') {
    ClearCodes(w);
    const WordRec* next = Next(w);
    if (next && next->splitKind == '6') {
      w->wordClass = 10;
      if (IsAsciiUpper(w->written[0]) && w->length < 4) return true;
    } else {
      w->wordClass = 40;
    }
    SetWordMessage(w, Msg::Punctuation, 4567);
    return true;
  }
  if (w->extraFlag == 'R') {
    ClearCodes(w);
    w->classCode = "NMS***";
    w->extraFlag = '\0';
    w->wordClass = 15;
    return true;
  }
  if (w->extraFlag == '8') {
    w->wordClass = 10;
    w->classCode = "N***";
    ClearCodes(w);
    SetWordMessage(w, Msg::Punctuation, 5672);
    return true;
  }
  if (w->separatorFlag == '8') {
    ClearCodes(w);
    w->wordClass = 40;
    w->classCode = "N***";
    w->suggestion = "driver/operator/persons/(Give title)";
    w->message = Msg::Pronoun;
    return true;
  }
  return false;
}

// Step 18: a capital between two small letters ("GmbH", "iPhone" forms).
bool HasInnerCapital(const WordRec& w) {
  const auto& W = w.written;
  for (int i = 1; i <= w.length - 2; ++i)
    if (IsAsciiUpper(At(W, i)) && IsAsciiLower(At(W, i - 1)) && IsAsciiLower(At(W, i + 1)))
      return true;
  return false;
}

// Step 24: reporting verbs, and the name that follows them.
bool ReportingVerbRules(WordRec* w) {
  const auto& T = w->text;
  if (T[0] != 's') return false;
  const bool say = T.startsWith("say");
  if (!(say || T == "stated" || T == "spoke" || T == "story" || T == "said")) return false;
  w->wordClass = 40;
  ClearCodes(w);
  w->classCode = "D****";
  if (say) {
    w->classCode = "V0***";
    w->suggestion = "show/shows/indication";
    w->wordClass = 20;
    w->message = Msg::WrongVerb;
  }
  if (WordRec* next = Next(w)) {
    if (next->text == "by" || next->text == "he" || next->text == "she") {
      next->wordClass = 39;
      ClearCodes(next);
      next->classCode = "DT***";
    } else if (next->subClass == Msg::NotInDictionary || next->message == Msg::NotInDictionary) {
      DateMark(next);
    }
  }
  return true;
}

// Step 25: dotted abbreviations that no list knows.
bool NewAbbreviationRules(WordRec* w) {
  const auto& T = w->text;
  const int L = w->length;
  if (!(L > 4 && w->sentencePos > 0 && w->splitKind == '0' && Contains(T, '.'))) return false;
  if (L >= 7 && At(T, L - 4) == '.') {
    w->wordClass = 39;
    ClearCodes(w);
    w->classCode = "D***";
  } else if (T == "ft.lb" || T == "in.lb" || w->written == "daN.m") {
    w->wordClass = 17;
    ClearCodes(w);
  } else {
    w->wordClass = 45;
    w->suggestion = "(Validate new abbrev.)";
    SetWordMessage(w, Msg::Abbreviation, 3681);
    w->classCode = "N*S*";
  }
  return true;
}

bool IsCompassWord(const WordRec& w) {
  return w.written == "North" || w.written == "South" || w.written == "East" || w.written == "West";
}

// Steps 11 to 23.
bool FormAndNameRules(WordRec* w) {
  const auto& T = w->text;
  const auto& W = w->written;
  const int L = w->length;
  const int P = PrevOr(w).wordClass;
  const int N = NextOr(w).wordClass;
  WordRec* prev = Prev(w);
  WordRec* next = Next(w);

  // 11: long hyphenated words and the endings that give a class.
  if (L > 5) {
    if (Contains(W, '-')) {
      ClearCodes(w);
      w->wordClass = 40;
      if (w->sentencePos > 0 && P == 49) {
        w->wordClass = 11;
        w->classCode = "N*P*";
        SetWordMessage(w, Msg::Terminology, 5672);
      } else {
        w->classCode = "D***";
      }
      return true;
    }
    if (T.endsWith("ed")) w->wordClass = 31;
    else if (T.endsWith("ing")) w->wordClass = 23;
    else if (T.endsWith("cal")) w->wordClass = 30;
  }
  // 12: a capitalised word before "'s".
  if (L >= 3 && w->splitKind == '2' && w->caseFlag == '1') {
    ClearCodes(w);
    w->wordClass = 10;
    w->verbForm = '*';
    w->extraFlag = '5';
    w->classCode = "NMS*";
    SetWordMessage(w, Msg::Apostrophe, 325);
    return true;
  }
  // 13: known abbreviations and dotted tokens.
  if (w->extraFlag == '4' || w->extraFlag == '9' || T[0] == '.') {
    ClearCodes(w);
    w->classCode = "D1***";
    w->wordClass = 45;
    if (T[0] == '.') {
      w->wordClass = 40;
      return true;
    }
    SetWordMessage(w, Msg::Abbreviation, 325);
    return true;
  }
  // 14: a form the lookup marked 'L' is a noun with the apostrophe message.
  if (L >= 3 && w->extraFlag == 'L') {
    w->wordClass = 10;
    SetWordMessage(w, Msg::Apostrophe, 7678);
    return true;
  }
  // 15: after a modal, a verb; after class 76, a noun or adjective.
  if (w->sentencePos > 0 && P == 28) {
    w->classCode = "V0**";
    ClearCodes(w);
    w->wordClass = 20;
    SetWordMessage(w, Msg::WrongVerb, 3637);
    return true;
  }
  if (w->sentencePos > 0 && P == 76) {
    w->classCode = "NMS**";
    w->wordClass = w->lastLetter == 's' ? 11 : 30;
    return true;
  }
  // 16: a word marked 't' or 'r' by the tokenizer is a noun of subclass 15.
  if (w->separatorFlag == 't' || w->separatorFlag == 'r') {
    w->wordClass = 10;
    w->subClass = 15;
    return true;
  }
  // 17: state names inside a sentence.
  if (w->sentencePos > 0 && w->caseFlag != '0' && L >= 4 && IsStateName(W.c_str(), 2) == 1) {
    NameMark(w);
    if (prev && next && prev->subClass == Msg::NotInDictionary && next->caseFlag == '1')
      DateMark(prev);
    return true;
  }
  // 18: inner capitals keep NOT-IN-DICTIONARY.
  if (L > 2 && HasInnerCapital(*w)) return true;
  // 19: words that mark names of persons, organisations and places.
  if (L > 2 && IsAsciiLetter(T[0])) {
    if (IsNameContextWord(W.c_str()) == 1) {
      NameMark(w);
      if (next && next->subClass == Msg::NotInDictionary && next->caseFlag == '1') DateMark(next);
      return true;
    }
    const WordRec* afterComma = Next(w, 2);
    if (L >= 4 && N == 47 && afterComma && afterComma->caseFlag == '0' &&
        IsNameContextWord(afterComma->written.c_str()) == 1) {
      NameMark(w);
      return true;
    }
  }
  // 20: hyphenated endings and marked tokens.
  if (L >= 5) {
    if (IsAsciiLetter(W[0]) && Contains(W, '-') && (At(W, L - 3) == '-' || At(W, L - 4) == '-')) {
      w->wordClass = 40;
      if (IsAsciiUpper(W[0])) {
        w->classCode = "D****";
        ClearCodes(w);
      } else {
        SetWordMessage(w, Msg::Hyphenation, 6678);
      }
      return true;
    }
    if (T[0] == '-' || T[0] == ':' || T[0] == '^' || (T[1] == '/' && T[3] == '/')) {
      ClearCodes(w);
      w->classCode = "D***";
      w->wordClass = 40;
      return true;
    }
  }
  // 21: a name part found by the two-letter rules accepts its neighbours.
  if (w->sentencePos > 0 && w->wordClass == 39) {
    for (WordRec* n : {prev, next}) {
      if (n && n->subClass == Msg::NotInDictionary) {
        ClearCodes(n);
        n->wordClass = 39;
      }
    }
    ClearCodes(w);
    return true;
  }
  // 22: names after a title, and state names.
  if (L >= 4 && IsAsciiLetter(W[0])) {
    if (w->sentencePos >= 2 && w->caseFlag == '1') {
      if (IsAsciiUpper(W[0]) && prev && prev->caseFlag == '1' && IsTitle(*prev)) {
        NameMark(w);
        prev->wordClass = 39;
        SetFamily(prev, 'D');
        ClearCodes(prev);
      }
      return true;
    }
    if (IsCompassWord(*w) && next && IsStateName(next->written.c_str(), 2) == 1) {
      NameMark(w);
      next->wordClass = 39;
      DateMark(next);
      return true;
    }
    if (IsStateName(W.c_str(), 2) == 1) {
      NameMark(w);
      if (next && next->subClass == Msg::NotInDictionary && next->caseFlag == '1') DateMark(next);
      return true;
    }
  }
  // 23: a label in capitals before a control word.
  if (w->caseFlag == '2' && next) {
    const auto& nt = next->text;
    if (nt == "mode" || nt == "label" || nt == "indication" || nt == "position" || nt == "mrk") {
      ClearCodes(w);
      w->classCode = "D***";
      w->wordClass = 40;
      return true;
    }
  }
  return false;
}

}  // namespace

void CheckUnknownWord(WordRec* word, WordRec* /*listHead*/) {
  if (!word) return;
  WordRec* w = word;
  // 1: abbreviations that the tokenizer recognised.
  if (w->verbForm == 'A' || w->verbForm == 'B') {
    w->wordClass = 45;
    w->classCode = "D1***";
    ClearCodes(w);
    if (w->verbForm == 'B') SetWordMessage(w, Msg::Abbreviation, 5637);
    return;
  }
  // 2: numbers, units and markup characters.
  if (HasNonWordCharacter(*w)) {
    w->wordClass = 40;
    w->subClass = 0;
    w->markFlag = '0';
    w->separatorFlag = 'S';
    w->message = w->message2 = 0;
    w->classCode = "D1***";
    return;
  }
  // 3: tokens that are not words at all are neutral.
  if (IsNotAWord(w)) {
    ClearCodes(w);
    w->wordClass = (w->separatorFlag == 't' || w->separatorFlag == 'r') ? 15 : 40;
    w->classCode = "D****";
    return;
  }
  // 4: counted compounds, acronyms and flagged words.
  if (LetterWordRules(w)) return;
  // 5: after "the" the word is a noun, or a neutral token when capitalised.
  if (w->markFlag == '1') {
    const auto& W = w->written;
    if (!IsAsciiLower(W[0]) || !IsAsciiLower(At(W, w->length - 1)))
      w->wordClass = 40;
    else
      pass::NounForm(w);
    return;
  }
  // 6: a single letter is a neutral token.
  if (w->length == 1) {
    w->classCode = "D1***";
    AcceptNeutral(w);
    return;
  }
  // 7: the lists of two- and three-letter words.
  if (w->length == 2) {
    ShortResult r = TwoLetterRules(w);
    if (r != ShortResult::Undecided) return;
  } else if (w->length == 3) {
    if (ThreeLetterRules(w)) return;
  }
  if (DateRules(w)) return;             // 8: month and day names
  if (ContractionRules(w)) return;      // 9: contractions
  if (TokenMarkRules(w)) return;        // 10: marks of the tokenizer
  if (FormAndNameRules(w)) return;      // 11 to 23: word forms and names
  if (ReportingVerbRules(w)) return;    // 24: reporting verbs
  if (NewAbbreviationRules(w)) return;  // 25: abbreviations no list knows
  if (w->length >= 6 && IsAsciiLower(w->written[0]) && EndingRules(w)) return;  // 26: endings
  FinalTests(w);                        // 27: in no dictionary
}
