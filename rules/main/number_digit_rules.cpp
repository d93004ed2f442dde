// Numbers written in digits: degree and percent forms, temperatures written
// as one token, numbers glued to their units, list numbers, fractions with
// inch marks, feet marks, compounds with unit words, and single digits
// spelled as words. Numbers that stand as references or before ordinary
// unit words stay without a finding.
#include <string_view>

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"
#include "rules/main/number_rules.h"

namespace {

constexpr int kUnitRule = 7669;

bool Split(const WordRec& w) { return w.splitKind == '4'; }
bool Digit(char ch) { return IsDigit(static_cast<unsigned char>(ch)); }
bool Letter(char ch) { return IsAsciiLetter(static_cast<unsigned char>(ch)); }
bool Noun(const WordRec* w) { return w && w->wordClass < Cls::FirstNonNoun; }

// The correction that the marking writes into the text in place.
void Correct(WordRec* w, int code, int ruleId) {
  CopyTag(w, "<AR>");
  SetWordMessage(w, code, ruleId);
}

// Next words after which a longer number needs nothing more. For the ones
// that begin with a, b, c, d or h, some also become units.
constexpr Words kAfterLongNumber =
    "and|at|amp|bit|bps|byte|bar|by|display|cb|day|contact|hour|camera|from|gallon|frequency|minute|month|milli*|"
    "pulse|or|pin|pint|quart|phase|per|rated|second|through|size|set|thru|vdc|vac|year|volt";
// The first letters the list above is sorted by: a next word with another
// first letter is judged by its class and form instead.
constexpr std::string_view kListedFirstLetters = "abcdhfgmopqrstvwy";

// Next words after a single digit that keep it a digit.
constexpr Words kAfterDigit =
    "inch*|feet|digits|east|day*|figure*|connector*|hour*|places|nm|mm|n.m|north|part*|minute*|second|south|"
    "step*|time*|sec*|west|week*|year*";
constexpr std::string_view kDigitListLetters = "icdefhmnpstwy";

// Previous words (references and measures) after which a digit stays a digit.
constexpr Words kBeforeDigit =
    "appendix|around|allow*|area*|bit*|bar*|block*|byte*|course|clause|contactor|circuit|division|channe*|class*|"
    "chapter*|contact*|day*|device*|index|fig.|engine|figure*|hour*|no.|lan|number|level*|month*|motor*|modal*|"
    "mega*|minute*|phase*|pin*|rack*|part*|page*|times|thru|table*|step*|sheet*|size*|speed*|stage*|with|week*|"
    "year*";
constexpr std::string_view kPrevListLetters = "abcdefhilmnoprstwy";

// A character entity at the end of a written form ("&rdquo;"): seven
// characters, '&' first and ';' last, with `letter` fifth from the end.
bool EndsWithEntity(std::string_view t, char letter) {
  return t.size() >= 7 && t[t.size() - 7] == '&' && t.back() == ';' && t[t.size() - 5] == letter;
}

// "1/2&rdquo;", "3/4\"": the fraction with the unit written out.
bool FractionWithInchMark(WordRec* w) {
  const std::string_view t = w->written.view();
  if (w->length <= 2 || (w->written[1] != '/' && w->written[2] != '/') || t.empty()) return false;
  const unsigned char last = static_cast<unsigned char>(t.back());
  std::size_t cut = 0;
  if (last == '"' || last == 148 || last == 132)
    cut = 1;
  else if (EndsWithEntity(t, 'd'))
    cut = 7;
  else
    return false;
  BoundedText<kShortTextSize> number = t.substr(0, t.size() - cut);
  FormatSuggestion(w, "%s inch", number.c_str());
  SetWordMessage(w, Msg::Measurement, 6296);
  return true;
}

// "6&rsquo;", "6`": the feet mark goes.
bool FeetMark(WordRec* w) {
  const std::string_view t = w->written.view();
  if (t.empty()) return false;
  const unsigned char last = static_cast<unsigned char>(t.back());
  std::size_t cut = 0;
  if (last == 146 || last == '`')
    cut = 1;
  else if (w->length > 5 && EndsWithEntity(t, 's'))
    cut = 7;
  else
    return false;
  BoundedText<kShortTextSize> number = t.substr(0, t.size() - cut);
  WriteSuggestion(w, number.view());
  return true;
}

// The words after a longer number that need nothing more; false: the rules go on.
bool EndsBeforeListedWord(RuleContext& c) {
  WordRec* next = c.N(1);
  if (!next || IsSentinel(next)) return false;
  const char first = next->text.first();
  if (CharIn(first, kListedFirstLetters)) {
    if (!kAfterLongNumber.Has(*next)) return false;
    const char second = next->text[1];
    const char third = next->text[2];
    if ((first == 'a' || first == 'b') && (second == 'm' || (second == 'b' && next->length > 2)))
      next->wordClass = Cls::Unit;
    if ((first == 'c' || first == 'd' || first == 'h') && (second == 'a' || (third == 'u' && next->length > 2)))
      next->wordClass = Cls::Unit;
    return true;
  }
  return next->wordClass == Cls::To || next->wordClass > Cls::TimeConjunction ||
         (next->wordClass == Cls::Number && Letter(first)) || CharIn(first, "/-=x+*<") || next->splitKind == '1';
}

// Numbers of two characters or more.
Walk LongerNumber(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* next = c.N(1);
  const WordRec& n1 = c.n1();
  const WordRec& n2 = c.n2();
  const std::string_view text = w->text.view();
  if (w->text[1] == '.' && w->text[3] == '.') return Walk::Neutral;
  if (next && (CharIn(n1.text.first(), "=x)([/*<].,") || (c.N(2) && FirstIs(n2, ',')) ||
               ClassIsOneOf(n1, {Cls::Verb, Cls::VerbS, Cls::ShortForm, Cls::To}) || n1.wordClass > Cls::Number ||
               (n1.wordClass == Cls::Unit && c.N(2) && n2.wordClass == Cls::Inch)))
    return Walk::Neutral;
  if (next && !IsSentinel(next) && n1.written[0] == 'O' && n1.written[1] == 'C') {
    next->written = "Clock";
    next->text = "clock";
    WriteSuggestion(next, "(Use degrees or Mil. time)");
    next->wordClass = Cls::Neutral;
    SetWordMessage(next, Msg::Measurement, 5725);
    return Walk::PassNext;
  }
  if (next && !IsSentinel(next) && (n1.written == "in" || n1.written == "mins") && FirstIs(n2, '(')) {
    WriteSuggestion(next, n1.written == "mins" ? "minutes" : "inch");
    next->wordClass = Cls::Neutral;
    Correct(next, Msg::Spelling, kUnitRule);
    return Walk::Next;
  }
  if (IsMarked(*w) && next && n1.wordClass >= Cls::Class41) {
    SetWordMessage(w, Msg::Measurement, 5815);
    return Walk::Next;
  }
  if (!c.First() && c.P(1) && c.p1().wordClass == Cls::ShortForm) return Walk::Next;
  if (next && n1.wordClass == Cls::Unit) {
    if (Noun(c.N(2)) && !Split(*w) && !Split(n1) && n1.separatorFlag != 'S' && n1.lastLetter != 's') {
      w->entryWords = 2;
      FormatSuggestion(w, "%s-%s", w->written.c_str(), n1.written.c_str());
      SetWordMessage(w, Msg::Hyphenation, 6302);
      return Walk::SkipCovered;
    }
    return Walk::Next;
  }
  if (w->length > 2 && n1.wordClass != Cls::Comma && Letter(w->written.last()) && SplitNumberUnit(w) == 1) {
    pass::Reclass(w, Cls::Neutral, "S08**");
    SetWordMessage(w, Msg::Number, 5116);
    return Walk::Next;
  }
  const char last = w->lastLetter;
  const char before = NextToLast(text);
  if (w->length > 2 && CharIn(last, "mwz") && (CharIn(before, "mkho") || NextToLast(w->written.view()) == 'H')) {
    // "10mm": a blank before the unit.
    const std::string_view written = w->written.view();
    BoundedText<kShortTextSize> number = written.substr(0, written.size() - 2);
    BoundedText<kShortTextSize> unit = written.substr(written.size() - 2);
    FormatSuggestion(w, "%s %s", number.c_str(), unit.c_str());
    SetWordMessage(w, Msg::Number, 3367);
    return Walk::Next;
  }
  if (w->length > 6 || n1.wordClass == Cls::Comma) return Walk::Next;
  if (c.First() && !((c.state.sentenceWordCount >= 7 && n1.wordClass != Cls::SentenceEnd) ||
                     (next && n1.wordClass == Cls::Unit)))
    return Walk::Next;
  if (w->length > 2 && text.back() == '.') {
    // "12.": a list number written against its text.
    if (Digit(text[0]) && Digit(text[1])) {
      BoundedText<kShortTextSize> head = text.substr(0, 2);
      BoundedText<kShortTextSize> rest = w->written.view().substr(2);
      FormatSuggestion(w, "%s %s", head.c_str(), rest.c_str());
      SetWordMessage(w, Msg::Number, 8667);
    } else if (Digit(text[0]) && Letter(text[1])) {
      BoundedText<kShortTextSize> rest = w->written.view().substr(1);
      FormatSuggestion(w, "%c %s", text[0], rest.c_str());
      SetWordMessage(w, Msg::Number, 2687);
    }
    return Walk::Next;
  }
  if (EndsBeforeListedWord(c)) return Walk::Next;
  if (FractionWithInchMark(w)) return Walk::Next;
  if (FeetMark(w)) return Walk::Next;
  if (next && n1.wordClass == Cls::Unit && c.N(2) && n2.wordClass < Cls::FirstNonNoun && n2.markFlag == '0' &&
      Digit(n2.text.first()) && !Split(*w) && !Split(n1))
    return Walk::Next;
  // A range or a list of numbers: the word between is no word to judge.
  if (!c.First() && next && !IsSentinel(next) &&
      TextIsOneOf(n1, {"through", "size", "set", "to", "at", "and", "from", "or", "by"}))
    next->wordClass = Cls::Neutral;
  return Walk::Next;
}

// A single digit: the word for it, unless it stands as a reference or a measure.
Walk OneDigit(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* next = c.N(1);
  const WordRec& n1 = c.n1();
  const WordRec& n2 = c.n2();
  const std::string_view nt = n1.text.view();
  const bool andOr = next && n1.wordClass == Cls::AndOr;
  if (andOr && c.N(2) && n2.wordClass == Cls::Number) return Walk::PassNext;
  if ((next && ClassIsOneOf(n1, {Cls::SentenceEnd, Cls::Unit, Cls::MaterialNoun})) || Digit(n1.text.first()) ||
      IsAsciiUpper(static_cast<unsigned char>(n1.written.first())) ||
      (nt.size() >= 2 && (nt.substr(0, 2) == "mi" || nt.substr(0, 2) == "ba" || nt.substr(0, 2) == "in" ||
                          nt.substr(0, 2) == "dm" || nt.substr(0, 2) == "um")) ||
      andOr || FirstIs(n2, '&') || w->tokenKind == 9)
    return Walk::Next;
  if (!c.First()) {
    if (CharIn(n1.text.first(), kDigitListLetters) ? kAfterDigit.Has(n1)
                                                   : (n1.written.first() == 'A' || n2.written.first() == 'A'))
      return Walk::Next;
    WordRec* prev = c.P(1);
    const WordRec& p1 = c.p1();
    if (prev && TextStarts(p1, "allow")) {
      // "allow 5 persons": the verb is wrong, the digit is judged on.
      WriteSuggestion(prev, "let/(Rephrase)");
      SetWordMessage(prev, Msg::WrongVerb, 5667);
    } else if (CharIn(p1.text.first(), kPrevListLetters) ? kBeforeDigit.Has(p1) : FirstIs(p1, ',')) {
      return Walk::Next;
    }
  }
  if (next && n1.wordClass != Cls::AndOr && FirstIs(n1, 't') && c.N(2) && n2.wordClass == Cls::Number)
    return Walk::PassNext;
  WriteSuggestion(w, DigitWord(w->text.first()));
  if (w->text.first() == '1') c.state.subjectNumber = 0;
  if (Letter(n1.written.first())) SetWordMessage(w, Msg::Number, 2672);
  return Walk::Next;
}

}  // namespace

bool InCodeSeries(const WordRec& w) {
  const std::string_view t = w.written.view();
  if (t.size() < 2) return false;
  const std::string_view number = t.substr(0, t.size() - 1);
  auto sibling = [&](const WordRec& o) {
    const std::string_view s = o.written.view();
    return s.size() == t.size() && s.substr(0, number.size()) == number && IsAsciiLetter(s.back()) &&
           !CharIn(s.back(), "CFcf");
  };
  for (const WordRec* o = w.prev; o && !IsSentinel(o); o = o->prev) {
    if (sibling(*o)) return true;
    if (o->sentencePos <= 0) break;
  }
  for (const WordRec* o = w.next; !AtEnd(o) && o->sentencePos > 0; o = o->next)
    if (sibling(*o)) return true;
  return false;
}

Walk DigitNumberRules(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* next = c.N(1);
  const WordRec& n1 = c.n1();
  const WordRec& n2 = c.n2();
  if (CharIn(n1.text.first(), ",.<&") || n1.written.first() == 'V') return Walk::Next;
  // A number and its unit before a comma ("250 psi, 1500 rpm") are written
  // as they should be: a hyphen between them would make them a compound.
  if (next && n1.wordClass == Cls::Unit && !Split(*w) && !Split(n1) && c.N(2) && n2.wordClass == Cls::Comma)
    return Walk::PassNext;
  // The scale is a word of its own ("25 deg C", "90 degrees Fahrenheit"),
  // not any word that begins with its letter ("90 degrees Filter").
  const char scale = n2.written.first();
  if (TextStarts(n1, "deg") && (scale == 'F' || scale == 'C') &&
      (n2.written.length() == 1 || TextIsOneOf(n2, {"fahrenheit", "celsius", "centigrade"}))) {
    FormatSuggestion(w, "%s&deg;%c", w->text.c_str(), scale);
    w->entryWords = 3;
    Correct(w, Msg::Spelling, kUnitRule);
    return Walk::SkipCovered;
  }
  if (TextIs(n1, "degrees") || TextIs(n1, "percent")) {
    w->entryWords = 2;
    FormatSuggestion(w, TextIs(n1, "degrees") ? "%s&deg;" : "%s%%", w->written.c_str());
    Correct(w, Msg::Spelling, kUnitRule);
    return Walk::SkipCovered;
  }
  const char last = w->written.last();
  if ((last == 'F' || last == 'C') && !InCodeSeries(*w)) {
    BoundedText<kShortTextSize> number = w->text.view().substr(0, w->text.length() - 1);
    FormatSuggestion(w, "%s&deg;%c", number.c_str(), last);
    w->entryWords = 1;
    Correct(w, Msg::Spelling, kUnitRule);
    return Walk::Next;
  }
  if (next && !IsSentinel(next) && n1.wordClass == Cls::PlacePreposition && TextIs(n1, "in") && c.N(2) &&
      !FirstIs(n2, '(') && c.N(3) && c.n3().wordClass == Cls::Number) {
    // "3 in 5 mm": the blank stays inside the written form's field. Only
    // "in" is the inch sign: "on" and "at" after a number are what they say.
    next->written.append(' ');
    WriteSuggestion(next, "inch ");
    next->wordClass = Cls::Neutral;
    Correct(next, Msg::Spelling, kUnitRule);
    return Walk::PassNext;
  }
  if (next && n1.wordClass == Cls::ShortForm && !Split(n1) && Noun(c.N(2))) {
    if (!(n1.written == "VDC" || n1.written == "VAC")) return Walk::Next;
    w->entryWords = 2;
    FormatSuggestion(w, "%s-%s", w->text.c_str(), n1.written.c_str());
    Correct(w, Msg::Spelling, kUnitRule);
    return Walk::PassNext;
  }
  if (!c.First() && c.p1().written.first() == 'W') return Walk::Next;
  if (next && !IsSentinel(next) && (n1.written == "sq." || n1.written == "in.")) {
    WriteSuggestion(next, FirstIs(n1, 'i') ? "inch" : "square");
    Correct(next, Msg::Spelling, kUnitRule);
    return Walk::Next;
  }
  if (w->length == 1) return OneDigit(c);
  return LongerNumber(c);
}
