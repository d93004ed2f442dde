// Two- and three-letter words outside the dictionaries: units, state codes,
// roman numerals, pronouns and short abbreviations.
#include <string_view>

#include "engine/ascii_text.h"
#include "engine/message_codes.h"
#include "engine/name_lists.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/unknown_word_steps.h"

using pass::ClearCodes;
using pass::Reclass;
using pass::SetCodes;
using pass::SetFamily;

namespace {

// The list of the two-letter rules; true when a row decided the word.
bool TwoLetterList(WordRec* w) {
  const auto& T = w->text;
  const auto& W = w->written;
  WordRec* prev = Prev(w);
  WordRec* next = Next(w);

  if (W == "OK") {
    SetFamily(w, 'D');
    w->wordClass = 40;
    if (next && (next->text == "button" || next->text == "lever")) {
      ClearCodes(w);
    } else {
      w->suggestion = "correct/(Rephrase)";
      SetWordMessage(w, Msg::WrongMeaning, 5637);
    }
    return true;
  }
  if (W == "CW") {
    w->suggestion = "to the right/(Use bold)";
    w->wordClass = 45;
    w->classCode = "D1***";
    SetCodes(w, Msg::Abbreviation);
    return true;
  }
  if (T[1] == '.') {
    Reclass(w, next && next->caseFlag != '0' ? 39 : 40, "D1**");
    return true;
  }
  if (T == "we") {
    ClearCodes(w);
    w->wordClass = 78;
    return true;
  }
  if (W == "US") {
    if (w->sentencePos > 0 && prev && prev->classCode.startsWith("V")) {
      w->suggestion = "you/(Rephrase)";
      SetCodes(w, Msg::WrongChoice);
    } else {
      w->suggestion = "U.S.A./(Rephrase)";
      SetCodes(w, Msg::Abbreviation);
    }
    w->wordClass = 40;
    w->classCode = "D1**";
    return true;
  }
  if (T == "ii" || W == "ID") {
    ClearCodes(w);
    return true;
  }
  if (T == "iv" || T == "vi") {
    ClearCodes(w);
    SetWordMessage(w, Msg::Number, T == "iv" ? 7255 : 7656);
    w->wordClass = 40;
    w->suggestion = T == "iv" ? "4" : "6";
    return true;
  }
  if (W[0] == '\xBA') {  // masculine ordinal indicator
    unknown_word::AcceptNeutral(w);
    return true;
  }
  if (T[1] == ')') {
    Reclass(w, 40, "D1**");
    return true;
  }
  if (w->sentencePos > 0 && prev && next && prev->text[0] == '(' && next->text[0] == ')') {
    Reclass(w, 45, "D1**");
    return true;
  }
  if (next && W[0] == next->written[1]) {
    Reclass(w, 40, "D1**");
    return true;
  }
  if (W == "OD" || W == "CO") {
    ClearCodes(w);
    if (W == "OD") {
      w->wordClass = 45;
      w->classCode = "D1**";
      w->suggestion = "Outside Diameter (OD)";
      SetWordMessage(w, Msg::Abbreviation, 5637);
    }
    return true;
  }
  if (T == "so") {
    Reclass(w, 71, "S1**");
    return true;
  }
  if (w->caseFlag == '2') {
    Reclass(w, 40, "D1**");
    return true;
  }
  if (W == "Ar" || W == "Ve" || W == "ml" || W == "Zo" || W == "mV" || W == "Ra") {
    Reclass(w, 17, "NMS*");
    return true;
  }
  if (IsAsciiLetter(T[0]) && w->sentencePos >= 2 && w->splitKind == '9') {
    w->wordClass = 39;
    w->subClass = w->message = 0;
    if (next && next->message == Msg::NotInDictionary && IsDigit(next->written[0])) {
      next->subClass = next->message = 0;
      next->wordClass = 39;
      return true;
    }
  }
  if (T == "my" || T == "he" || T == "me") {
    Reclass(w, 78, "D***");
    w->suggestion = "person/(Give title, user or technician)";
    SetWordMessage(w, Msg::Pronoun, 5637);
    return true;
  }
  const bool afterNumber = w->sentencePos > 0 && prev && IsDigit(prev->text[0]);
  if (T == "am") {
    ClearCodes(w);
    w->wordClass = 40;
    if (afterNumber) {
      w->wordClass = 45;
      w->suggestion = "a.m.";
      SetWordMessage(w, Msg::Abbreviation, 4671);
    } else {
      SetWordMessage(w, Msg::Pronoun, 4671);
    }
    return true;
  }
  if (T == "pm") {
    Reclass(w, 45, "D***");
    if (prev && IsDigit(prev->text[0])) w->suggestion = "p.m.";
    SetWordMessage(w, Msg::Abbreviation, 5637);
    return true;
  }
  if (T[0] == T[1]) {
    Reclass(w, 40, "D****");
    return true;
  }
  if (OneOf(T.view(), {"mm", "cm", "km", "oz", "rx", "kg"})) {
    Reclass(w, T == "rx" ? 45 : 17, "D***");
    return true;
  }
  if (W == "kN") {
    w->wordClass = 45;
    SetCodes(w, Msg::Abbreviation);
    SetFamily(w, 'D');
    return true;
  }
  if (W == "Mx" || W == "Ma") {
    Reclass(w, 17, "D***");
    return true;
  }
  if (T == "gb" || T == "mb") {
    Reclass(w, 17, "NMS**");
    return true;
  }
  return false;
}

}  // namespace

namespace unknown_word {

ShortResult TwoLetterRules(WordRec* w) {
  const auto& T = w->text;
  const auto& W = w->written;
  if (w->sentencePos == 0 && T[1] == '.') {
    w->wordClass = 40;
    return ShortResult::Decided;
  }
  if (W == "Ps" || W == "qt") {
    Reclass(w, 17, "D1***");
    return ShortResult::Decided;
  }
  bool stateCode = false;
  if ((w->caseFlag == '1' || w->caseFlag == '2') && IsStateName(W.c_str(), 1) == 1) {
    stateCode = true;
    SetFamily(w, 'D');
    ClearCodes(w);
    w->wordClass = 39;
    WordRec* prev = Prev(w);
    if (w->sentencePos > 1 && prev && prev->subClass == Msg::NotInDictionary) {
      ClearCodes(prev);
      prev->wordClass = 39;
      SetFamily(prev, 'D');
    }
  }
  if (TwoLetterList(w)) return ShortResult::Decided;
  return stateCode ? ShortResult::StateCode : ShortResult::Undecided;
}

bool ThreeLetterRules(WordRec* w) {
  const auto& T = w->text;
  const auto& W = w->written;
  WordRec* next = Next(w);

  if (W == "Abs" || W == "psi" || W == "Bkw" || W.startsWith("wt%") || T == "kph" || T == "mph") {
    ClearCodes(w);
    w->wordClass = 45;
    SetFamily(w, 'D');
    return true;
  }
  if (W[0] == 'N' && W[2] == 'm') {
    ClearCodes(w);
    w->wordClass = 17;
    SetFamily(w, 'D');
    return true;
  }
  if (W == "Yen" || W[1] == W[2]) {
    w->wordClass = 40;
    ClearCodes(w);
    return true;
  }
  if (next && W[2] == W[0] && W[0] == next->written[1]) {
    Reclass(w, 40, "D1**");
    return true;
  }
  if (OneOf(T.view(), {"pre", "max", "min", "ram", "non"})) {
    w->wordClass = 45;
    if (T == "max") w->suggestion = "maximum";
    else if (T == "ram") w->suggestion = "Random Access Memory/RAM/hydraulic cylinder";
    else if (T == "min") w->suggestion = "minimum/per minute";
    else if (T == "non") w->suggestion = "not/(Rephrase)";
    SetWordMessage(w, Msg::Abbreviation, 4637);
    return true;
  }
  if (W == "t/h") {
    w->suggestion = "Tons per Hour";
    w->wordClass = 45;
    SetWordMessage(w, Msg::Abbreviation, 5637);
    return true;
  }
  if (T == "c/w") {
    ClearCodes(w);
    w->wordClass = 45;
    w->suggestion = "(Use: to the right)";
    SetWordMessage(w, Msg::Abbreviation, 4567);
    return true;
  }
  if (W == "S/A") {
    ClearCodes(w);
    w->wordClass = 45;
    return true;
  }
  if (W == "P/N" || W == "S/N") {
    ClearCodes(w);
    w->classCode = "D***";
    w->wordClass = 45;
    const auto& nt = NextOr(w).text;
    if (!IsDigit(nt[0]) && !IsDigit(nt.last())) {
      w->suggestion = W == "S/N" ? "Serial Number" : "Part Number";
      SetWordMessage(w, Msg::Abbreviation, 5637);
      return true;
    }
  }
  if (T == "kpc") {
    w->wordClass = 17;
    w->subClass = 17;
    w->suggestion = "kPc";
    w->message = w->message2 = 0;
    return true;
  }
  if (T == "fax" || T == "sec") {
    w->wordClass = 45;
    ClearCodes(w);
    if (T == "fax") return true;
    w->suggestion = "second";
    w->wordClass = 17;
    if (next) next->classCode = "N***";
    SetWordMessage(w, Msg::Abbreviation, 5637);
    return true;
  }
  if (T[2] == ')') {
    Reclass(w, 40, "D1**");
    return true;
  }
  if (T == "in.") {
    ClearCodes(w);
    w->classCode = "D***";
    w->suggestion = "inch (xx mm)";
    SetWordMessage(w, Msg::Number, 5637);
    return true;
  }
  return false;
}

}  // namespace unknown_word
