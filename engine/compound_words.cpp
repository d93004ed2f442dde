#include "engine/compound_words.h"

#include <cstring>
#include <string>
#include <string_view>

#include "engine/ascii_text.h"
#include "engine/dict_lookup.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/rule_text.h"

namespace {

constexpr std::string_view HyphenPrefixList[] = {
    "ex-",   "co-",   "de-",    "un-",    "hi",     "bi-",    "re-",    "pre-",
    "non-",  "pro-",  "mid-",   "dis-",   "tri-",   "sub-",   "anti-",  "mini-",
    "self-", "post-", "auto-",  "over-",  "in-",    "super-", "multi-", "inter-",
    "macro-", "ultra-", "under-", "on-",  "off-",   "semi-",  "no-",
};

constexpr std::string_view TensWordList[] = {"twenty-", "thirty-",  "forty-",  "fifty-",
                                             "sixty-",  "seventy-", "eighty-", "ninety-"};
constexpr std::string_view UnitWordList[] = {"one", "two",   "three", "four", "five",
                                             "six", "seven", "eight", "nine"};
constexpr std::string_view UnitDigits = "123456789";

// The first k characters of `text` equal the first k of `entry`, as a
// bounded compare of the two would say (an entry shorter than k differs).
bool SameFirst(std::string_view text, std::string_view entry, std::size_t k) {
  return text.size() >= k && entry.size() >= k && text.compare(0, k, entry, 0, k) == 0;
}

// Index of the first entry whose first k characters equal the first part's.
// A first part of fewer than two characters matches nothing: "e-mail" is no
// "ex-" and "t-bolt" no "twenty-".
template <std::size_t N>
int FindByFirstPart(std::string_view firstPart, const std::string_view (&list)[N]) {
  const std::size_t k = firstPart.size();
  if (k < 2) return -1;
  for (std::size_t i = 0; i < N; ++i)
    if (SameFirst(firstPart, list[i], k)) return static_cast<int>(i);
  return -1;
}

// -- Approved hyphenated words -------------------------------------------------

struct ApprovedWord {
  std::string_view word;
  std::size_t k;  // 0: the whole text equals the word
};

bool MatchesApproved(std::string_view text, const ApprovedWord& a) {
  return a.k == 0 ? text == a.word : SameFirst(text, a.word, a.k);
}

// clang-format off
constexpr ApprovedWord kApprovedBCF[] = {
    {"back-up", 0}, {"boots-up", 0}, {"boot-up", 0}, {"follow-on", 6}, {"first-in", 8},
    {"first-out", 9}, {"come-along", 10}, {"from-", 5},
};
constexpr ApprovedWord kApprovedHIL[] = {
    {"hand-held", 9}, {"hook-up", 7}, {"in-range", 7}, {"in-service", 9}, {"log-out", 7},
    {"lead-in", 7}, {"left-", 5}, {"left-right", 5}, {"lb-in", 5},
};
constexpr ApprovedWord kApprovedNOP[] = {
    {"newton-meter", 12}, {"non-", 4}, {"no-", 3}, {"off-road", 0}, {"one-", 4},
    {"on-screen", 9}, {"on-board", 8}, {"on-", 3}, {"n-m", 3}, {"on-off", 0}, {"pop-", 0},
    {"off-on", 0}, {"off-", 4},
};
constexpr ApprovedWord kApprovedRST[] = {
    {"slide-out", 9}, {"roll-", 5}, {"right-", 6}, {"shut-off", 8}, {"snug-fit", 8},
    {"start-up", 8}, {"turn-on", 7}, {"turn-off", 8}, {"sub-", 4}, {"run-up", 0},
    {"re-used", 0}, {"run-down", 0},
};
// clang-format on

template <std::size_t N>
bool AnyApproved(std::string_view text, const ApprovedWord (&list)[N]) {
  for (const ApprovedWord& a : list)
    if (MatchesApproved(text, a)) return true;
  return false;
}

bool IsApproved(std::string_view text) {
  switch (text.empty() ? '\0' : text[0]) {
    case 'b':
    case 'c':
    case 'f':
      return AnyApproved(text, kApprovedBCF);
    case 'h':
    case 'i':
    case 'l':
      return AnyApproved(text, kApprovedHIL);
    case 'n':
    case 'o':
    case 'p':
      return AnyApproved(text, kApprovedNOP);
    case 'r':
    case 's':
    case 't':
      return AnyApproved(text, kApprovedRST);
    default:
      return false;
  }
}

constexpr int kUnchanged = -1;

// What an approved word gets, by the letters of its text.
struct ApprovedOutcome {
  int wordClass;
  const char* suggestion;  // null: none written
  int message;             // 0: none
};

ApprovedOutcome OutcomeOf(const WordRec& w) {
  const char c1 = w.text[1], c2 = w.text[2], c3 = w.text[3];
  switch (w.text.first()) {
    case 'b':
      return {40, nullptr, 317};
    case 'c':
      return {kUnchanged, nullptr, 0};
    case 'f':
      if (c1 == 'i') return {10, nullptr, 0};
      if (c2 == 'o') return {10, "from xx to xxx", 301};
      return {10, nullptr, 301};
    case 'h':
      if (c1 == 'a') return {10, "small", 314};
      return {10, "connect/connection", 314};
    case 'i':
      return {30, "(Give range or limit)", 305};
    case 'l':
      if (c1 == 'o') return {40, "login", 301};
      if (c1 == 'e' && c2 == 'f') return {40, "left/left side", 301};
      if (c1 == 'e' && c2 == 'a') return {40, "first/(Rephrase)", 301};
      if (c1 == 'b') return {40, "in.-lb", 301};
      return {40, nullptr, 301};
    // Advice for the prefix alone ("not" for "non-", "on/has" for "on-")
    // would drop the rest of the word when put in its place: a hint.
    case 'n':
      if (c2 == 'w') return {40, "N.m", 314};
      if (c2 == 'n') return {40, "(not)", 314};
      if (c2 == '-') return {40, "(Rephrase)", 314};
      return {40, nullptr, 314};
    case 'o':
      if (c3 == 's') return {40, "shown on the screen", 301};
      // "one-" ("one-time") is no "on-": approved without advice.
      if (c1 == 'n' && c2 == 'e') return {40, nullptr, 0};
      if (c1 == 'n') return {40, "(on)/(has)", 301};
      if (c1 == 'f') return {40, "(not on)/(does not have)", 301};
      return {kUnchanged, nullptr, 0};
    case 'p':
      return {40, "show/pop-up menu", 301};
    case 'r':
      if (c2 == 'l') return {40, "move", 301};
      if (c1 == 'e') return {40, "used again/can be used again/use xxx again", 301};
      if (c2 == 'n') return {40, "(Decrease or increase - speed or time)", 301};
      return {40, nullptr, 301};
    case 's':
      if (c2 == 'u' && c3 == 'g') return {kUnchanged, "hand tighten/tight/(Give torque value)", 317};
      return {kUnchanged, nullptr, 317};
    default:
      return {kUnchanged, nullptr, 0};
  }
}

void AcceptApproved(WordRec* w) {
  pass::ClearCodes(w);
  w->splitKind = '0';
  w->separatorFlag = '\0';
  w->ruleId = 4152;
  w->classCode.set(0, 'D');
  if (w->lastLetter == 's') w->wordClass = 11;
  if (w->lastLetter == 'y' || w->lastLetter == 'r') w->wordClass = 10;
  const ApprovedOutcome o = OutcomeOf(*w);
  if (o.wordClass != kUnchanged) w->wordClass = o.wordClass;
  if (o.suggestion) WriteSuggestion(w, o.suggestion);
  if (o.message) {
    w->subClass = o.message;
    w->message = o.message;
  }
}

// -- Slashes -------------------------------------------------------------------

int CheckSlashWord(WordRec* w) {
  if (w->length == 3 || w->separatorFlag == 'S' || w->text[1] == '/' || w->wordClass == 17)
    return kCompoundLeftAlone;
  const std::size_t len = w->written.length();
  if ((len == 4 || len == 5) && IsAsciiUpper(w->written.first()) &&
      IsAsciiUpper(w->written.last())) {
    w->wordClass = 40;
    w->classCode = "D***";
    pass::ClearCodes(w);
    w->tag.clear();
    return kCompoundHandled;
  }
  if (w->written == "from/to") {
    WriteSuggestion(w, "(Use [or] for slash)");
    SetWordMessage(w, Msg::Punctuation, 5558);
    return kCompoundHandled;
  }
  // A unit: the class it gets here replaces the lookup's not-found finding.
  if (w->written.startsWith("kg/")) {
    w->wordClass = 17;
    w->classCode = "D***";
    pass::ClearCodes(w);
    return kCompoundHandled;
  }
  WriteSuggestion(w, "(Use [or] for slash)");
  w->classCode = "D**";
  SetWordMessage(w, Msg::Punctuation, 7558);
  return kCompoundHandled;
}

// -- Split compounds -----------------------------------------------------------

void SetText(WordRec* w, std::string_view text) {
  w->text.clear();
  w->text.assign(text);
  w->length = static_cast<std::int32_t>(w->text.length());
  w->lastLetter = w->text.last();
}

// Looks the word up on its own: a stand-in sentinel follows it during the
// lookup, so that a multi-word entry cannot fold the words after it (which
// are not part of the compound) into it.
int LookupAlone(WordRec* w) {
  WordRec* realNext = w->next;
  WordRec* stop = NewWordRec();
  if (!stop) return kLookupNotFound;
  stop->text = kSentinel;
  stop->written = kSentinel;
  stop->length = static_cast<std::int32_t>(stop->text.length());
  stop->prev = w;
  w->next = stop;
  const int result = LookupWord(w, 3, FinderMode, 0);
  if (w->next == stop) DestroyWordRec(stop);
  w->next = realNext;
  if (realNext) realNext->prev = w;
  return result;
}

}  // namespace

int WriteCompoundNumber(WordRec* word, int tensIndex, int unitIndex) {
  if (!word) return 1;
  if (tensIndex >= 0 && tensIndex <= 7) word->suggestion.set(0, static_cast<char>('2' + tensIndex));
  if (unitIndex >= 0 && unitIndex < static_cast<int>(UnitDigits.size()))
    word->suggestion.set(1, UnitDigits[static_cast<std::size_t>(unitIndex)]);
  word->suggestion.truncate(2);
  return 1;
}

int InsertWordAfter(const char* text, const char* written, char separator, WordRec* after) {
  if (!after) return -1;
  WordRec* w = NewWordRec();
  if (!w) return -1;
  const std::string_view t = text ? std::string_view(text, strnlen(text, 83)) : std::string_view();
  const std::string_view wr =
      written ? std::string_view(written, strnlen(written, 83)) : std::string_view();

  w->text.assign(t);
  if (IsAsciiUpper(w->text.first()))
    for (std::size_t i = 0; i < w->text.length(); ++i)
      w->text.set(i, AsciiLower(w->text[i]));
  w->written.assign(wr);
  if (separator == '/') {
    w->separatorFlag = '9';
    w->splitKind = '6';
  } else {
    w->separatorFlag = '-';
    w->splitKind = '4';
  }
  w->length = static_cast<std::int32_t>(t.size());
  w->lastLetter = t.empty() ? w->text.first() : w->text.last();
  if (IsAsciiUpper(w->written[0]) && IsAsciiUpper(w->written[1]))
    w->caseFlag = '2';
  else if (IsAsciiUpper(w->written[0]))
    w->caseFlag = '1';
  else
    w->caseFlag = '0';
  w->ruleId = 888;
  w->entryWords = 1;
  w->tokenKind = 0;
  w->weight = 1;
  w->sentenceLength = 0;
  w->sentenceEnd = 0;
  w->markFlag = '0';
  w->verbForm = ' ';
  w->extraFlag = ' ';
  w->dictMarker = '\0';
  w->pluralMarker = '\0';
  w->tag.clear();
  w->suggestion.clear();
  w->wordClass = 0;
  w->subClass = 0;
  w->message = 0;
  w->message2 = 0;
  if (t.size() == 1)
    w->classCode = "D*****";
  else
    w->classCode.clear();
  w->sentencePos = after->sentencePos;
  // The second part stands after the first and its separator.
  if (after->place >= 0) w->place = after->place + static_cast<std::int32_t>(after->written.length()) + 1;

  w->prev = after;
  w->next = after->next;
  if (after->next) after->next->prev = w;
  after->next = w;
  if (WordList.tail == after) WordList.tail = w;
  return 0;
}

int CheckCompoundWord(WordRec* word, WordRec* /*head*/) {
  if (!word) return kCompoundNone;
  const std::string text = word->text.str();
  if (text.find_first_of("$0123456789:+{}[]()=%_'#") != std::string::npos) {
    word->splitKind = '4';
    return kCompoundHandled;
  }
  if (text.size() < 4) return kCompoundLeftAlone;
  if (word->written.view().find('/') != std::string_view::npos) return CheckSlashWord(word);

  const std::size_t hyphen = text.find('-');
  if (hyphen == std::string::npos) return kCompoundNone;
  if (word->length > 25 || word->text[hyphen + 2] == '-' ||
      text.find('-', hyphen + 1) != std::string::npos)
    return kCompoundHandled;

  if (IsApproved(text)) {
    AcceptApproved(word);
    return kCompoundHandled;
  }

  const std::string firstPart = text.substr(0, hyphen);
  const std::string secondPart = text.substr(hyphen + 1);
  if (FindByFirstPart(firstPart, HyphenPrefixList) >= 0) {
    word->wordClass = 30;
    word->classCode = "AF**";
    pass::ClearCodes(word);
    word->subClass = Msg::PrefixSuffix;
    word->message = Msg::PrefixSuffix;
    return kCompoundHandled;
  }
  // A number in words in any case ("Twenty-Five", "TWENTY-FIVE") is one
  // number, not a tens word and a digit.
  std::string lowerFirst = firstPart;
  for (char& ch : lowerFirst) ch = AsciiLower(static_cast<unsigned char>(ch));
  const int tens = FindByFirstPart(lowerFirst, TensWordList);
  if (tens >= 0) {
    for (std::size_t unit = 0; unit < std::size(UnitWordList); ++unit) {
      if (!EqualsNoCase(secondPart, UnitWordList[unit])) continue;
      WriteCompoundNumber(word, tens, static_cast<int>(unit));
      CopyTag(word, "<AR>");
      word->wordClass = 49;
      word->subClass = 0;
      word->message = Msg::Spelling;
      word->message2 = 0;
      return kCompoundHandled;
    }
  }

  if (word->written.length() > 4 && IsAsciiUpper(word->written[1]) &&
      IsAsciiUpper(word->written.last()))
    return kCompoundHandled;
  if (word->text[1] == '-' && IsAsciiUpper(word->text[2])) return kCompoundHandled;

  for (std::string_view start : {"style", "free", "one", "two", "three", "four"}) {
    if (secondPart.compare(0, start.size(), start) == 0) {
      // An adjective, no longer a word outside the dictionaries: its code
      // too, or the sentence pass takes it for one again.
      word->wordClass = 30;
      word->classCode = "AF**";
      pass::ClearCodes(word);
      return kCompoundAdjective;
    }
  }

  // A hyphen at either end leaves nothing to look up or to split off: an
  // empty part would read as a full stop.
  if (firstPart.empty() || secondPart.empty()) return kCompoundHandled;
  SetText(word, firstPart);
  if (LookupAlone(word) != kLookupFound) return kCompoundHandled;

  // Split: the record keeps the first part, a new record takes the second.
  const std::string written = word->written.str();
  const std::size_t writtenHyphen = written.find('-');
  const std::string secondWritten =
      writtenHyphen == std::string::npos ? secondPart : written.substr(writtenHyphen + 1);
  SetText(word, firstPart);
  word->written.truncate(writtenHyphen == std::string::npos ? written.size() : writtenHyphen);
  word->splitKind = '4';
  if (LookupAlone(word) == kLookupFound) {
    pass::ClearCodes(word);
  } else {
    word->wordClass = 40;
    word->subClass = Msg::NotInDictionary;
    word->message = Msg::NotInDictionary;
    word->message2 = Msg::NotInDictionary;
  }
  if (word->sentencePos == 0 && word->next) word->sentencePos = word->next->sentencePos;
  InsertWordAfter(secondPart.c_str(), secondWritten.c_str(), '-', word);
  return kCompoundHandled;
}
