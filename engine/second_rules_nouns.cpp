// Second rules for nouns: nouns used as verbs and their approved verbs,
// noun clusters that want "of"/"for", and "height"/"side" after LH and RH.
#include <initializer_list>
#include <string_view>

#include "engine/ascii_text.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/second_rules.h"
#include "engine/second_rules_steps.h"

using pass::ClearCodes;
using pass::NounForm;

namespace {

struct ApprovedVerb {
  const char* key;
  const char* suggestion;
};
const ApprovedVerb kApprovedVerbs[] = {
    {"access", "get access to"},
    {"check", "make a check"},
    {"contact", "touch/speak/spoke/refer/contact(operational verb)/contact(n)"},
    {"crank", "turn/operate"},
    {"damage", "cause damage to"},
    {"display", "show"},
    {"drop", "decrease/less than/fall/falls"},
    {"fit", "install/attach/repair/set/correct(adj)"},
    {"free", "release"},
    {"grease", "apply grease"},
    {"insert", "insert"},
    {"limit", "control/(Give a limit)"},
    {"plug", "connect"},
    {"position", "put/put xxx in position"},
    {"power", "apply electrical power to"},
    {"press", "push"},
    {"screw", "use a screw to .../turn"},
    {"slide", "Push/Put/Move"},
    {"stall", "stop/stops/not in operation"},
    {"stand", "hold/(held in position)"},
    {"support", "hold/use a support"},
    {"switch", "Push/Put/Move"},
    {"test", "make a test"},
    {"watch", "monitor"},
};

// Rule V1 for the first word of a sentence.
void VerbAtSentenceStart(WordRec* w, int N) {
  ClearCodes(w);
  if (N == 47) return;
  w->wordClass = 20;
  if (w->lastLetter == 's') {
    w->wordClass = 21;
    SuggestApprovedVerb(w);
    SetWordMessage(w, Msg::WrongVerb, 3469);
  } else if (!(w->lastLetter == 'g' && w->length >= 6)) {
    SuggestApprovedVerb(w);
    SetWordMessage(w, Msg::WrongVerb, 3469);
  } else {
    w->wordClass = 23;
    SetWordMessage(w, Msg::Gerund, 1386);
  }
}

// Rule V2 for a later word.
void VerbInSentence(WordRec* w) {
  if (w->lastLetter == 'g' && w->length >= 5) {
    w->wordClass = 23;
    SetWordMessage(w, Msg::Gerund, 3468);
    return;
  }
  if (w->lastLetter == 's') w->wordClass = 21;
  SuggestApprovedVerb(w);
  SetWordMessage(w, w->wordClass == 31 ? Msg::WrongVerb : Msg::ChangeToNoun, 3568);
}

void LaterNounUsedAsVerb(WordRec* w) {
  const WordRec& prev = PrevOr(w);
  const WordRec& next = NextOr(w);
  const int C = w->wordClass;
  const int P = prev.wordClass;
  const int N = next.wordClass;
  const int NN = NextOr(w, 2).wordClass;
  ClearCodes(w);
  if ((prev.markFlag == '1' && N == 48) || In(P, {67, 38, 49, 75}) ||
      In(N, {21, 22, 31, 60, 64, 70}) || next.markFlag == '1' ||
      (P < 20 && (N == 50 || N == 63)) || (C == 11 && (N == 63 || N == 20)) ||
      (N == 75 && NextOr(w, 2).markFlag == '1') || (P == 68 && IsDigit(next.text[0])) ||
      (P == 64 && N == 69) || next.text[0] == ':' || (P == 63 && N == 50)) {
    NounForm(w);
    return;
  }
  if (((C == 11 || C == 19) && (N == 10 || N == 18)) || In(N, {38, 66, 69, 46, 60, 75, 78, 50}) ||
      (P == 68 && N == 40) || (P == 73 && (N < 20 || N == 68)) || In(P, {24, 25, 29, 65, 50, 28}) ||
      ((C == 11 || C == 19) && N == 47 && NextOr(w, 2).markFlag == '1') ||
      (N == 63 && NN == 28) || ((P == 68 || P == 63) && N < 20) || N == 76) {
    VerbInSentence(w);
    return;
  }
  if (P == 64 || P == 76 || N == 63 || N == 70 || (P == 63 && N == 67)) {
    w->wordClass = 10;
    return;
  }
  if (N == 25 || In(P, {30, 31, 45, 69, 70, 77}) || N == 37 || N == 74 ||
      (P < 20 && (N < 20 || N == 40 || N == 48 || N == 68)) || (P == 40 && N == 48) ||
      (P == 20 && C == 11) || (P == 63 && (C == 11 || C == 19)) || (C == 18 && N == 10) ||
      prev.classCode[0] == 'A' || N == 24) {
    NounForm(w);
    return;
  }
  if (In(N, {28, 42, 47, 48, 54}) || ((C == 10 || C == 18) && N == 68) ||
      next.classCode[0] == 'V' || In(P, {20, 21, 23, 37}) || NN == 16 || (P < 20 && N == 68) ||
      (prev.classCode[0] == 'N' && next.classCode[0] == 'N' && next.markFlag == '0'))
    NounForm(w);
}

}  // namespace

void SuggestApprovedVerb(WordRec* word) {
  if (!word) return;
  const auto& T = word->text;
  const ApprovedVerb* hit = nullptr;
  for (const ApprovedVerb& v : kApprovedVerbs) {
    if (T.startsWith(v.key)) {
      hit = &v;
      break;
    }
  }
  if (!hit) return;
  const int N = NextOr(word).wordClass;
  std::string_view key = hit->key;
  word->suggestion = hit->suggestion;
  if ((key == "check" || key == "contact") && N == 69) word->suggestion = "make sure";
  if (key == "display") {
    if (T == "displays") word->suggestion = "shows";
    word->tag = "<AR>";
  }
  if (key == "grease" && word->sentencePos == 0) word->suggestion = " Apply grease to";
  if (word->sentencePos == 0 && !word->suggestion.empty())
    word->suggestion.set(0, AsciiUpper(word->suggestion[0]));
  word->wordClass = (word->wordClass == 11 || word->wordClass == 19) ? 21 : 20;
}

namespace second_rules {

void NounUsedAsVerb(WordRec* w) {
  const WordRec& next = NextOr(w);
  const int N = next.wordClass;
  const int NN = NextOr(w, 2).wordClass;
  if (AtEnd(Next(w)) || w->markFlag == '1' ||
      In(N, {41, 6, 22, 67, 69, 75, 78}) || next.text[0] == ':' || next.text[0] == '/' ||
      (N == 47 && (NN < 20 || NN == 73))) {
    ClearCodes(w);
    w->classCode.set(0, 'N');
    NounForm(w);
    return;
  }
  if (w->sentencePos != 0) {
    LaterNounUsedAsVerb(w);
    return;
  }
  if (N == 15 || N == 17 || N == 21) {
    w->wordClass = 10;
    w->subClass = 0;
    return;
  }
  if (next.markFlag == '1' || In(N, {64, 38, 65, 45, 49, 70, 76}) || NN == 65 ||
      (N == 63 && NN == 20) || ((N == 10 || N == 18) && next.markFlag == '0') ||
      (N == 47 && NN < 19) || (N < 20 && (NN == 49 || NN == 40))) {
    VerbAtSentenceStart(w, N);
    return;
  }
  ClearCodes(w);
}

void ClusterNoun(WordRec* w) {
  const auto& T = w->text;
  const WordRec& prev = PrevOr(w);
  const WordRec& next = NextOr(w);
  const int P = prev.wordClass;
  const int N = next.wordClass;
  ClearCodes(w);
  const bool type = T.startsWith("type");
  // "type of" and "type for" are what the advice would make of it already.
  if (type && (N == 67 || next.text == "for")) return;
  if (!type) {
    if (next.markFlag == '1' || In(N, {76, 64, 48}) || w->sentencePos < 1 || P >= 20 || P == 15 ||
        next.classCode[0] != 'V' || prev.classCode[0] == 'A')
      return;
    if (T.startsWith("pressure") || T.startsWith("installation") || T.startsWith("connection") ||
        T.startsWith("temperature") || T == "table" || T == "tension" || T == "removal") {
      BoundedText<85> both;
      both.format("(%s of)/(%s for)", w->written.c_str(), w->written.c_str());
      w->suggestion = both.view();
      SetWordMessage(w, Msg::Translation, 2552);
    }
    return;
  }
  if (w->sentencePos == 0 && (next.markFlag == '1' || N == 64)) {
    w->suggestion = " enter";
    SetWordMessage(w, Msg::WrongVerb, 4288);
    return;
  }
  if (next.text[0] == ':' || next.text[0] == '.' || w->lastLetter == 's' || N == 49 ||
      w->sentencePos < 1)
    return;
  if (w->splitKind != '4' && prev.splitKind != '4' && prev.text[0] != '<' && P >= 20 && P != 68)
    return;
  w->suggestion = "(type of)/(type for)";
  w->wordClass = 10;
  SetWordMessage(w, Msg::WrongMeaning, 4288);
}

void NeedsOfOrFor(WordRec* w) {
  const WordRec& prev = PrevOr(w);
  WordRec* next = Next(w);
  const int N = NextOr(w).wordClass;
  const int P = prev.wordClass;
  if (w->sentencePos == 0 || N == 48 || NextOr(w).text[0] == '@' || w->markFlag == '1' || N == 67)
    return;
  if (Prev(w) && prev.tokenKind == 0 && P == 75 && next && next->text.startsWith("of")) {
    next->suggestion = "for";
    SetWordMessage(next, Msg::Preposition, 7257);
    return;
  }
  if ((w->splitKind == '4' && prev.splitKind == '4') || w->sentencePos < 2 || (P >= 20 && P != 38))
    return;
  w->entryWords = 1;
  BoundedText<85> both;
  both.format("%s of/%s for", w->text.c_str(), w->text.c_str());
  w->suggestion = both.view();
  SetWordMessage(w, Msg::Style, 2539);
}

void HeightAndSide(WordRec* w) {
  WordRec* prev = Prev(w);
  const WordRec& next = NextOr(w);
  const auto& T = w->text;
  w->subClass = 0;
  if (w->sentencePos == 0 || next.wordClass == 48 || w->splitKind == '4' || next.text[0] == '@')
    return;
  const WordRec& p = PrevOr(w);
  if (p.text.startsWith("left") || p.text.startsWith("hand") || p.text.startsWith("right")) return;
  if (prev && p.wordClass < 20 && (p.written == "LH" || p.written == "RH")) {
    // The finding sits on "LH"/"RH" and covers both words.
    prev->entryWords = 2;
    prev->suggestion = p.written[0] == 'R' ? "right side (RH)" : "left side (LH)";
    SetWordMessage(prev, Msg::Abbreviation, 6253);
    return;
  }
  if (p.wordClass >= 20) return;
  if (next.text == "of" || next.text == "for" || next.text == "by" || next.text == "from" ||
      T == "color")
    return;
  w->suggestion = T[0] == 'h' ? "height of/height for" : "side for/side of";
  SetWordMessage(w, Msg::Awkward, 2533);
}

}  // namespace second_rules
