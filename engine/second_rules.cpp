#include "engine/second_rules.h"

#include <string>
#include <string_view>

#include "engine/pass_text.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/second_rules_steps.h"

using ascii::Contains;
using pass::ClearCodes;

namespace {

bool StartsWithTwoCapitals(const WordRec& w) {
  return IsAsciiUpper(w.written[0]) && IsAsciiUpper(w.written[1]);
}

// A word after the blank at `b` counts for title case unless it has two or
// three letters ("of", "the", "and" stay small).
bool CountsForTitle(std::string_view s, std::size_t b) {
  auto at = [&](std::size_t i) { return i < s.size() ? s[i] : '\0'; };
  return !(at(b + 3) == ' ' || at(b + 4) == ' ');
}

// `s` with its first letter and the first letter of each counted word in capitals.
std::string TitleCase(std::string_view s) {
  std::string out(s);
  if (!out.empty()) out[0] = AsciiUpper(out[0]);
  for (std::size_t b = 0; b < out.size(); ++b)
    if (out[b] == ' ' && b + 1 < out.size() && CountsForTitle(s, b))
      out[b + 1] = AsciiUpper(out[b + 1]);
  return out;
}

void Correction(WordRec* w, std::string_view suggestion, int ruleId) {
  w->suggestion = suggestion;
  w->tag = "<AR>";
  SetWordMessage(w, Msg::Spelling, ruleId);
}

// 1: a name that is written with a capital.
void InitialCapital(WordRec* w) {
  const auto& W = w->written;
  if (IsAsciiUpper(W[0])) {
    ClearCodes(w);
    return;
  }
  if (Contains(w->written, '&')) return;
  std::string s(W.view());
  if (!s.empty()) s[0] = AsciiUpper(s[0]);
  if (W[0] == 'n') s.insert(0, " ");
  Correction(w, BoundedText<85>(s).view(), 1252);
}

// 2: an abbreviation written in capitals ("a.c" -> "A C").
void CapitalAbbreviation(WordRec* w) {
  const auto& W = w->written;
  const auto& T = w->text;
  const int L = w->length;
  if (w->caseFlag == '2' || StartsWithTwoCapitals(*w) || NextOr(w).text[0] == '=' ||
      (L >= 4 && T[1] == '/') || (L >= 3 && T[2] == '&') || (L >= 4 && T[3] == '&')) {
    ClearCodes(w);
    return;
  }
  if (Contains(W, '/') || !IsAsciiLower(W[0]) || !IsAsciiLower(W[1])) return;
  std::string s(W.view().substr(0, static_cast<std::size_t>(L < 0 ? 0 : L)));
  for (char& c : s) c = c == '.' ? ' ' : AsciiUpper(c);
  Correction(w, BoundedText<85>(s).view(), 2332);
}

// 3: a multi-word name as the dictionary writes it.
void NameAsEntry(WordRec* w) {
  const auto& W = w->written;
  if (!Contains(W, ' ') || W[1] == '.' || W[1] == '/' || w->message == Msg::Style ||
      StartsWithTwoCapitals(*w)) {
    ClearCodes(w);
    return;
  }
  w->caseFlag = '0';
  ClearCodes(w);
  Correction(w, W.view(), 2333);
}

// 4: a dotted multi-word name in title case.
void TitleCaseName(WordRec* w) {
  const auto& W = w->written;
  if (!(Contains(W, '.') && Contains(W, ' ') && !(w->suggestion == W))) {
    ClearCodes(w);
    return;
  }
  std::string_view s = W.view();
  bool qualifies = IsAsciiLower(s[0]);
  for (std::size_t b = 0; !qualifies && b < s.size(); ++b)
    if (s[b] == ' ' && CountsForTitle(s, b) && b + 1 < s.size() && IsAsciiLower(s[b + 1]))
      qualifies = true;
  if (!qualifies) {
    ClearCodes(w);
    return;
  }
  Correction(w, BoundedText<81>(TitleCase(s)).view(), 2334);
}

// 5: a dotted name whose words want capitals.
void CapitalWords(WordRec* w) {
  if (w->splitKind != '0') return;
  if (w->message == Msg::Style) w->message = 0;
  const auto& W = w->written;
  if (!Contains(W, '.')) {
    ClearCodes(w);
    return;
  }
  if (!Contains(W, ' ')) return;
  if (w->suggestion == W) {
    ClearCodes(w);
    return;
  }
  std::string s(W.view());
  std::size_t firstBlank = s.find(' ');
  if (IsAsciiLower(s[1]))
    for (std::size_t i = 0; i < firstBlank; ++i) s[i] = AsciiUpper(s[i]);
  for (std::size_t b = firstBlank; b < s.size(); ++b) {
    if (s[b] != ' ' || b + 1 >= s.size() || !IsAsciiLower(s[b + 1])) continue;
    std::size_t end = s.find(' ', b + 1);
    bool shortA = s[b + 1] == 'a' && end != std::string::npos && end - (b + 1) == 3;
    if (!shortA) s[b + 1] = AsciiUpper(s[b + 1]);
  }
  if (s != W.view()) {
    Correction(w, BoundedText<85>(s).view(), 2336);
  } else {
    w->suggestion.clear();
  }
}

// 11: a user-interface label before a control word. The label keeps its
// written form, so that the marking command finds it in the document; the
// capitals go into the suggested markup.
void UiLabel(WordRec* w) {
  WordRec* prev = Prev(w);
  if (w->sentencePos <= 0 || !prev || !(prev->wordClass < 20 || prev->wordClass == 40)) return;
  BoundedText<84> label = prev->written.view();
  ascii::ToUpperAll(label);
  prev->separatorFlag = 'U';
  BoundedText<85> markup;
  markup.format("<uicontrol>%s</uicontrol>", label.c_str());
  prev->suggestion = markup.view();
  SetWordMessage(prev, Msg::NameLabel, 3235);
}

// 16: the suggestion in the case of the word.
void SuggestionCase(WordRec* w) {
  if (w->caseFlag == '2') ascii::ToUpperAll(w->suggestion);
  else if (w->caseFlag == '1' && !w->suggestion.empty())
    w->suggestion.set(0, AsciiUpper(w->suggestion[0]));
  w->tag = "<AR>";
}

// 17: a word whose dictionary spelling differs from the written one.
void DictionarySpelling(WordRec* w) {
  w->caseFlag = '0';
  w->tag.clear();
  ClearCodes(w);
  const auto& W = w->written;
  // A symbol in other capitals is a unit only after a number: "YYYY-MM-DD"
  // is a date pattern, not millimetres, and is left as written.
  const bool caseOnly = W.view().size() == w->suggestion.view().size() &&
                        TextStartsWithNoCase(W.c_str(), w->suggestion.view());
  const WordRec& prev = PrevOr(w);
  if (caseOnly && !(prev.wordClass == 49 || IsNumberText(prev.text.view()))) return;
  // A unit of two words ("newton metres") is never half shortened: its
  // other word keeps the form the short one would have to go with.
  if ((w->sentencePos > 0 && prev.wordClass == 17) || NextOr(w).wordClass == 17) return;
  if (!(W == w->suggestion) && W[1] != '.' && W[1] != '/') {
    w->tag = "<AR>";
    SetWordMessage(w, Msg::Spelling, 2334);
  }
}

// 18: "from ... to" kinds of reference words.
void Reference(WordRec* w) {
  if (w->sentencePos <= 0) return;
  const auto& T = w->text;
  const WordRec& prev = PrevOr(w);
  const WordRec& next = NextOr(w);
  const int P = prev.wordClass;
  if (T[2] == 'r') {
    if (next.classCode[0] == 'V') return;
    if (P == 68 || prev.text == "vac" || next.text == "line" || next.text == "drawn") {
      ClearCodes(w);
    } else if (next.classCode[0] == 'A') {
      w->suggestion = "Give reference.";
      SetWordMessage(w, Msg::WrongMeaning, 4418);
    }
  } else if (T[2] == 'm') {
    if (w->markFlag == '1' || P == 68 || prev.text == "vac" || next.text == "line" ||
        next.text == "connect") {
      ClearCodes(w);
    } else if (next.classCode[0] == 'N') {
      w->suggestion = "same/standard/(Electrical connection)";
      SetWordMessage(w, Msg::WrongMeaning, 4418);
    }
  }
}

// 19: a word that clears the finding before it.
void ClearsPrevious(WordRec* w) {
  WordRec* prev = Prev(w);
  if (w->sentencePos > 0 && prev && (prev->message > 0 || prev->message2 > 0))
    prev->message = prev->message2 = 0;
  if (w->message == Msg::Style || w->message2 > 0) {
    w->subClass = w->message = 0;
    if (w->suggestion[0] == 't') w->suggestion.clear();
  }
}

// 52: a word that wants a reference after it.
void MissingReference(WordRec* w) {
  if (w->wordClass == 23) {
    w->subClass = 0;
    SetWordMessage(w, Msg::Gerund, 7243);
    return;
  }
  if (w->sentencePos > 0 && In(PrevOr(w).wordClass, {68, 24, 25, 29})) return;
  WordRec* x = Next(w);
  for (int i = 0; i < 6 && x; ++i, x = x->next) {
    if (x->wordClass < 20) return;
    if (x->written[0] == '@' || x->wordClass == 47 || x->sentenceEnd > 0 ||
        NextOr(x).text[0] == ' ')
      break;
  }
  SetWordMessage(w, Msg::MissingReference, 2661);
}

// 54: a label in capitals after a verb.
void LabelAfterVerb(WordRec* w) {
  const WordRec& next = NextOr(w);
  const int P = PrevOr(w).wordClass;
  if (w->sentencePos <= 0 || next.wordClass == 48 || next.text[0] == '@' || P < 20 || P > 23 ||
      w->caseFlag == '0')
    return;
  for (std::string_view k : {"key", "control", "button", "switch", "position", "message", "cycle",
                             "field", "knob", "mode", "selector"})
    if (next.text.startsWith(k)) return;
  SetWordMessage(w, Msg::NameLabel, 246);
}

// 56: "who" where "whom" is wanted, and the other way round.
void WhoWhom(WordRec* w) {
  WordRec* x = Next(w);
  for (int i = 0; i < 7 && x; ++i, x = x->next) {
    const int C = x->wordClass;
    if (x->text[0] == ' ' || x->text[0] == '@' || C == 48 || C == 47 || (C >= 20 && C <= 29) ||
        (C == 60 && x->text[0] == 'w') || x->sentenceEnd > 1)
      return;
    const int after = NextOr(x).wordClass;
    if (C == 69 && x->text[0] == 't' && after >= 20 && after <= 29) {
      w->suggestion = w->wordClass == 11 ? "(Rephrase)" : "who";
      SetWordMessage(x, Msg::ThatWhich, 245);
      return;
    }
  }
}

// 59 and 61: two words that want a hyphen or a slash between them.
void JoinWords(WordRec* w, char joint, int code) {
  const auto& W = w->written;
  if (joint == '-' && (Contains(W, '-') || Contains(W, '/'))) {
    ClearCodes(w);
    return;
  }
  if (joint == '/' && Contains(W, '/')) return;
  w->suggestion = W.view();
  auto blank = w->suggestion.view().find(' ');
  if (blank == std::string_view::npos) return;
  w->suggestion.set(blank, joint);
  SetWordMessage(w, code, 1248);
}

// 80: a name that wants capitals.
void CapitalName(WordRec* w) {
  ClearCodes(w);
  w->classCode.set(0, 'D');
  if (w->classCode.length() < 2) w->classCode.append('*');
  else w->classCode.set(1, '*');
  w->wordClass = 40;
  if (w->caseFlag == '0' && IsAsciiLower(w->written[0])) {
    w->suggestion = BoundedText<81>(TitleCase(w->written.view())).view();
    SetWordMessage(w, Msg::Capitalization, 4253);
  }
}

void ApplyRule(WordRec* w) {
  const int N = NextOr(w).wordClass;
  switch (w->subClass) {
    case 1: InitialCapital(w); break;
    case 2: CapitalAbbreviation(w); break;
    case 3: NameAsEntry(w); break;
    case 4: TitleCaseName(w); break;
    case 5: CapitalWords(w); break;
    case 6:
    case 8: {
      const char mark = w->subClass == 6 ? 'T' : 'R';
      if (w->separatorFlag != mark) {
        ClearCodes(w);
        w->separatorFlag = mark;
      }
      break;
    }
    case 7:
      ClearCodes(w);
      if (w->sentencePos > 0 && N >= 20 && N <= 28) SetWordMessage(w, Msg::Pronoun, 235);
      break;
    case 9: case 10: case 58: case 79: case 81:
      ClearCodes(w);
      break;
    case 11: UiLabel(w); break;
    case 12: second_rules::NounUsedAsVerb(w); break;
    case 14: second_rules::ClusterNoun(w); break;
    case 15: case 20: case 21: case 22: case 23: case 24: case 25:
    case 55: case 76: case 84: case 87: case 88:
      w->subClass = 0;
      break;
    case 16: SuggestionCase(w); break;
    case 17: DictionarySpelling(w); break;
    case 18: Reference(w); break;
    case 19: ClearsPrevious(w); break;
    case 38: case 39:
      ClearCodes(w);
      w->suggestion.clear();
      break;
    case 52: MissingReference(w); break;
    case 53:
      if (w->sentencePos > 0 &&
          ((w->markFlag == '1' && N < 20) || N == 11 || N == 19))
        SetWordMessage(w, Msg::WrongMeaning, 3661);
      break;
    case 54: LabelAfterVerb(w); break;
    case 56: WhoWhom(w); break;
    case 59: JoinWords(w, '-', Msg::Hyphenation); break;
    case 60:
      if (N == 24 || N == 25 || N == 68 || w->markFlag == '1')
        SetWordMessage(w, Msg::ChangeToNoun, 247);
      break;
    case 61: JoinWords(w, '/', Msg::Punctuation); break;
    case 69:
      if (WordRec* next = Next(w)) {
        next->wordClass = 40;
        next->message = next->message2 = 0;
      }
      break;
    case 72: second_rules::NeedsOfOrFor(w); break;
    case 75: second_rules::HeightAndSide(w); break;
    case 80: CapitalName(w); break;
    default: break;
  }
}

}  // namespace

int ApplySecondRules(WordRec* head) {
  for (WordRec* w = head; !AtEnd(w); w = w->next) {
    if (w->message == Msg::SentenceLength) continue;
    if (w->subClass == 0 || w->subClass > 299) continue;
    ApplyRule(w);
  }
  return 0;
}
