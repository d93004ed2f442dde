// Words outside the dictionaries judged by their endings, and the final
// tests that decide what is left.
#include <string_view>

#include "engine/pass_text.h"
#include "engine/message_codes.h"
#include "engine/name_lists.h"
#include "engine/neighbour_tests.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/unknown_word_steps.h"

using ascii::At;
using ascii::Contains;
using pass::ClearCodes;
using pass::SetClass;
using pass::SetFamily;

namespace {

// Number words that the endings turn into digits. Only these: other words
// with the same endings ("velveteen", "healthy", "lengthy") are no numbers.
bool IsTeenNumberWord(const WordText& t) {
  return OneOf(t.view(), {"thirteen", "fourteen", "fifteen", "sixteen", "seventeen", "eighteen",
                          "nineteen"});
}
bool IsTensNumberWord(const WordText& t) {
  return OneOf(t.view(),
               {"twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"});
}

const char* TeenDigits(const WordText& T) {
  switch (T[0]) {
    case 't': return "13";
    case 'f': return T[1] == 'i' ? "15" : "14";
    case 's': return "17";
    case 'e': return "18";
    case 'n': return "19";
    default: return nullptr;
  }
}

const char* TensDigits(const WordText& T) {
  switch (T[0]) {
    case 'e': return T[1] == 'i' ? "80" : nullptr;
    case 'f': return T[1] == 'u' ? "40" : T[1] == 'i' ? "50" : nullptr;
    case 'n': return "90";
    case 's': return T[1] == 'i' ? "60" : T[1] == 'e' ? "70" : nullptr;
    case 't': return T[3] == 'n' ? "20" : T[1] == 'h' ? "30" : nullptr;
    default: return nullptr;
  }
}

void NumberWord(WordRec* w, const char* digits, int ruleId) {
  ClearCodes(w);
  w->wordClass = 49;
  w->classCode = "D***";
  if (digits) w->suggestion = digits;
  SetWordMessage(w, Msg::Number, ruleId);
}

}  // namespace

namespace unknown_word {

bool EndingRules(WordRec* w) {
  const auto& T = w->text;
  const int L = w->length;
  const char c3 = At(T, L - 3);
  const char c2 = At(T, L - 2);
  switch (w->lastLetter) {
    case ')':
      SetClass(w, 40, "D****");
      ClearCodes(w);
      return true;
    case 'c':
      if (L >= 7 && T.endsWith("tic")) {
        SetClass(w, 30, "AF**");
        SetWordMessage(w, Msg::PrefixSuffix, 5646);
        return true;
      }
      return false;
    case 'd':
      if (L > 6 && (T.endsWith("ised") || T.endsWith("ized"))) {
        SetClass(w, 30, "AF**");
        SetWordMessage(w, Msg::PrefixSuffix, 5646);
        return true;
      }
      if (L >= 5 && T.endsWith("ed")) {
        SetClass(w, 31, "AF***");
        return true;
      }
      return false;
    case 'e':
      if (L >= 7 && CharIn(c3, "ib") && CharIn(c2, "lsz")) {
        if (c3 == 'b') SetClass(w, 30, "AF**");
        else SetClass(w, 20, "V0**");
        SetWordMessage(w, Msg::PrefixSuffix, 5645);
        return true;
      }
      return false;
    case 'g':
      if (L == 7 && w->sentencePos > 0 && T.endsWith("ing")) {
        SetClass(w, 10, "NMS**");
        SetWordMessage(w, Msg::NotInDictionary, 5646);
        return true;
      }
      if (L >= 8) {
        if (T.endsWith("ising") || T.endsWith("izing")) w->wordClass = 23;
        pass::SetCodes(w, Msg::Gerund);
        return true;
      }
      return false;
    case 'm':
      if (T.endsWith("tmm")) {
        SetClass(w, 10, "NM*S");
        return true;
      }
      return false;
    case 'n':
      if (L >= 8 && T.endsWith("teen") && IsTeenNumberWord(T)) {
        NumberWord(w, TeenDigits(T), 7672);
        return true;
      }
      return false;
    case 's':
      if (L > 8 && CharIn(c3, "il") && c2 == 'e') {
        SetClass(w, 11, "N***");
        return true;
      }
      if (L > 8 && (T.endsWith("nths") || T.endsWith("eths"))) {
        NumberWord(w, nullptr, 6543);
        return true;
      }
      if (T == "picoseconds" || T == "nanoseconds") {
        ClearCodes(w);
        SetClass(w, 17, "D***");
        return true;
      }
      return false;
    case 'y':
      if (L >= 7 && CharIn(c3, "fhntx") && IsTensNumberWord(T)) {
        NumberWord(w, TensDigits(T), 7671);
        return true;
      }
      if (L >= 7 && T.endsWith("ify")) {
        SetClass(w, 30, "AF**");
        return true;
      }
      if (L >= 7 && CharIn(c3, "io") && CharIn(c2, "rc")) {
        SetClass(w, 10, "NM***");
        return true;
      }
      if (L >= 7 && T.endsWith("ly")) {
        SetClass(w, 50, "B***");
        return true;
      }
      return false;
    case 'f':
    case 'h':
    case 't':
      return false;
    default:
      if (IsAsciiLetter(w->lastLetter) && (T.startsWith("www.") || T.startsWith("url"))) {
        SetClass(w, 40, "D***");
        ClearCodes(w);
        return true;
      }
      return false;
  }
}

void FinalTests(WordRec* w) {
  const auto& T = w->text;
  const auto& W = w->written;
  const int L = w->length;
  WordRec* prev = Prev(w);
  WordRec* next = Next(w);
  const int P = PrevOr(w).wordClass;

  // A label before a control noun ("Start" in "Start button").
  if (w->caseFlag != '0' && w->lastLetter != 's' && next && NextIsControlNoun(next) == 1) {
    w->wordClass = 10;
    ClearCodes(w);
    SetFamily(w, 'N');
    return;
  }
  // Plural nouns by their ending.
  if (w->wordClass >= 20 && w->splitKind != '4' && w->lastLetter == 's') {
    if (IsAsciiLetter(T[0]) && L >= 8 && At(T, L - 4) == 'i' && CharIn(At(T, L - 3), "ov") &&
        CharIn(At(T, L - 2), "en")) {
      SetClass(w, 11, "NMP*");
      return;
    }
    if (L > 5 && CharIn(At(T, L - 3), "se") && CharIn(At(T, L - 2), "is")) {
      SetClass(w, 10, "NMS**");
      return;
    }
  }
  if (Contains(T, '?')) {
    w->subClass = w->message = Msg::Apostrophe;
    w->message2 = 0;
    w->classCode = "D****";
    return;
  }
  // Fractions written with the code page's own characters.
  if (!IsAsciiLetter(T[0]) && L < 5) {
    const char* advice = nullptr;
    if (Contains(T, '\xBD')) {
      advice = "(0.50 inch or metric)";
    } else if (Contains(T, '\xBE')) {
      advice = "(0.75 inch or metric)";
    } else if (Contains(T, '\xBC')) {
      ClearCodes(w);
      advice = "(0.25 inch or metric)";
    }
    if (advice) {
      w->suggestion = advice;
      SetWordMessage(w, Msg::Measurement, w->ruleId);
      return;
    }
  }
  if (Contains(T, '.') && L > 8) {
    SetClass(w, 40, "D***");
    ClearCodes(w);
    return;
  }
  if (Contains(T, '/')) {
    if (L >= 3) {
      w->wordClass = 40;
      ClearCodes(w);
      if (IsAsciiUpper(W[0]) && IsAsciiUpper(W[1])) w->classCode = "D***";
      return;
    }
  } else if (w->sentencePos > 0 && L >= 4 && L <= 11 && w->caseFlag == '1' && IsAsciiUpper(W[0]) &&
             next && IsNameContextWord(next->written.c_str()) == 1) {
    NameMark(w);
    next->wordClass = 40;
    ClearCodes(next);
    SetFamily(next, 'D');
    return;
  }
  // Inch marks: a double quotation mark, plain or the closing one of the code page.
  if (L > 4 && (W[1] == '"' || W[1] == '\x94')) {
    ClearCodes(w);
    w->wordClass = 40;
    w->suggestion = "(Use inch decimals or metric.)";
    SetWordMessage(w, Msg::Number, 5637);
    w->classCode = "D***";
    return;
  }
  // Roman numerals.
  if (w->sentencePos > 0 && L >= 2 && L <= 4 && (T[0] == 'i' || T[0] == 'v')) {
    const WordRec& p = PrevOr(w);
    if (TextIsOneOf(p, {"block", "class", "title", "part", "category"}) || p.written == "CAT") {
      AcceptNeutral(w);
      return;
    }
    if (T == "viii") {
      ClearCodes(w);
      SetWordMessage(w, Msg::Number, 7658);
      w->wordClass = 40;
      w->suggestion = "8";
      return;
    }
  }
  if (w->sentencePos > 0 && L > 4 &&
      TextIsOneOf(*w, {"third", "fourth", "fifth", "sixth", "seventh", "eighth", "ninth", "tenth"})) {
    ClearCodes(w);
    SetClass(w, 30, "D***");
    return;
  }
  // A quoted name after a reporting verb.
  if (w->sentencePos > 0 && L >= 3 && w->caseFlag == '1' && prev &&
      (prev->text.startsWith("say") || TextIsOneOf(*prev, {"quoted", "noted", "said"}))) {
    SetClass(w, 39, "DT***");
    ClearCodes(w);
    return;
  }
  if (L >= 7 && (T.startsWith("hundred") || T.startsWith("thousand") || T.startsWith("million") ||
                 T.startsWith("kilowatt") || T.startsWith("billion") || T == "horsepower")) {
    SetClass(w, w->lastLetter == 's' ? 11 : 17, "DT***");
    ClearCodes(w);
    return;
  }
  if (L >= 3 && w->caseFlag == '0' && (T.startsWith("---") || T.startsWith("the the"))) {
    SetClass(w, 40, "D***");
    ClearCodes(w);
    if (T.startsWith("the the")) {
      w->suggestion = "the";
      SetWordMessage(w, Msg::Delete, 325);
      return;
    }
  }
  if (w->sentencePos > 0) {
    if (P == 64 || P == 38 || P == 68 || P == 76) {
      w->wordClass = 10;
      ClearCodes(w);
      SetFamily(w, 'N');
    }
    if (w->caseFlag != '0' && NextIsControlWord(w) == 1) {
      w->wordClass = 40;
      ClearCodes(w);
      SetFamily(w, 'D');
      return;
    }
  }
  if (L >= 7 && w->lastLetter == 'y' && At(T, L - 2) == 'l') {
    w->wordClass = 50;
    SetFamily(w, 'B');
  }
  SetWordMessage(w, Msg::NotInDictionary, 325);
}

}  // namespace unknown_word
