#include "engine/entry_match.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "engine/ascii_text.h"
#include "engine/inflection.h"
#include "engine/lookup_state.h"
#include "engine/neighbours.h"

namespace {

constexpr int kNoMatch = -1;
constexpr int kFound = 99;
constexpr int kVariant = 6;

bool EndOfEntry(char c) { return c == '\0' || c == '|'; }

// Characters that end a stem or a word part inside an entry.
constexpr const char* kMarks = "!$&?^@";

// Reads characters from `p` into `out` until the entry ends, a character of
// `stops` comes, or `max` characters are taken. Returns where it stopped.
const char* ReadField(const char* p, const char* stops, std::size_t max, std::string& out) {
  out.clear();
  while (!EndOfEntry(*p) && !CharIn(*p, stops) && out.size() < max) out += *p++;
  return p;
}

// The data of a '!', '$' or '@' entry starts at the second character after
// the mark (the first is a blank or the '+' of a continuation).
const char* DataAfterMark(const char* mark) {
  return EndOfEntry(mark[1]) ? mark + 1 : mark + 2;
}

// Skips the end of a code: its '>' and the blank before the suggestion.
const char* SkipToSuggestion(const char* p, bool* variant) {
  if (*p == '>') {
    *variant = true;
    ++p;
  }
  if (*p == ' ') ++p;
  return p;
}

// The data part of an entry: the class code (at most 10 characters, ended
// by a character of `codeStops`), the '>' that makes it a variant, and the
// suggestion (at most `suggestionMax` characters, ended by '%').
struct EntryData {
  std::string code;
  std::string suggestion;
  bool variant = false;
};

EntryData ReadEntryData(const char* p, const char* codeStops, std::size_t suggestionMax) {
  EntryData d;
  p = ReadField(p, codeStops, 10, d.code);
  p = SkipToSuggestion(p, &d.variant);
  ReadField(p, "%", suggestionMax, d.suggestion);
  return d;
}

// Writes character `i` of a class code; positions before it that were never
// set read '*' (unset), so the code keeps its layout.
void SetCodeChar(WordRec* w, std::size_t i, char c) {
  if (i >= w->classCode.kMaxLength) return;
  while (w->classCode.length() < i) w->classCode.append('*');
  w->classCode.set(i, c);
}

struct Matcher {
  WordRec* word;       // the word under check: every result goes here
  WordRec* cur;        // the word being compared (a later one after '+')
  const char* e;       // the entry, at the character being compared
  std::size_t pos;     // position in cur's text
  int mode;
  int flags;

  std::string_view Text() const { return cur->text.view(); }
  std::string_view Rest() const {
    std::string_view t = Text();
    return pos <= t.size() ? t.substr(pos) : std::string_view();
  }
  bool FullyCompared() const { return pos == Text().size(); }

  int Fail() {
    Lookup.MatchExtraWords = 0;
    return kNoMatch;
  }

  int Run();
  bool NextWord();
  int Plain(const char* data);
  int PluralStem();
  int OptionalS();
  int Adjective();
  int VerbStem();
  int PhrasalVerb();
};

int Matcher::Run() {
  // The word's text does not change while it is compared: measured once per
  // word, not once per character.
  std::string_view text = Text();
  for (;;) {
    const char c = *e;
    if (EndOfEntry(c)) return Fail();  // an entry without its data part
    if (c == ' ') return Plain(e + 1);
    if (c == '!') return PluralStem();
    if (c == '$') return OptionalS();
    if (c == '@') return Adjective();
    if (c == '^' && e[1] == '+') return PhrasalVerb();
    if (c == '&' || c == '?' || c == '^') return VerbStem();
    if (c == '+') {
      if (!NextWord()) return Fail();
      text = Text();
      ++e;
      continue;
    }
    if (pos >= text.size() || text[pos] != c) return Fail();
    ++pos;
    ++e;
  }
}

// '+': the entry goes on with the next word of the text.
bool Matcher::NextWord() {
  if (mode == 2) mode = 0;
  const WordRec* next = cur->next;
  // The sentinel and a missing record end every multi-word entry.
  if (AtEnd(next)) return false;
  if (CharIn(cur->splitKind, "126") || CharIn(next->splitKind, "126") || next->markFlag == '1')
    return false;
  const char first = next->text[0];
  if (first == '\0' || IsDigit(first) || first == ' ') return false;
  if (Text().size() == 1 || !FullyCompared()) return false;
  // Quick reject: first letter right but the next two wrong. Only ordinary
  // entry characters count, so a short next word such as "up" or "a" is
  // left to the full comparison.
  auto differs = [&](std::size_t i) {
    const char ec = e[i + 1];
    if (EndOfEntry(ec) || ec == ' ' || ec == '+' || CharIn(ec, kMarks)) return false;
    return next->text[i] != ec;
  };
  if (first == e[1] && !EndOfEntry(e[1]) && differs(1) && !EndOfEntry(e[2]) && differs(2)) return false;
  ++Lookup.MatchExtraWords;
  cur = const_cast<WordRec*>(next);
  pos = 0;
  return true;
}

// A blank ends a plain word: the data is its code and suggestion.
int Matcher::Plain(const char* data) {
  if (!FullyCompared()) return Fail();
  std::string d;
  bool variant = false;
  const char* p = data;
  while (!EndOfEntry(*p) && *p != '>' && !(p[0] == '%' && p[1] == '%')) d += *p++;
  variant = *p == '>';

  const std::size_t percent = d.find('%');
  if (percent != std::string::npos) {
    if (percent == 4 && d[3] == '7') {
      std::string s = d.substr(percent + 1);
      s = s.substr(0, s.find_first_of(">%"));
      word->suggestion = s;
    }
    word->classCode = std::string_view(d).substr(0, std::min<std::size_t>(percent, 5));
    return kFound;
  }
  // A five-digit code and its blank are six characters; a shorter code ends
  // at its blank.
  std::size_t codeLen = std::min<std::size_t>(d.size(), 6);
  const std::size_t blank = d.find(' ');
  if (blank != std::string::npos && blank < codeLen) codeLen = blank + 1;
  word->classCode = std::string_view(d).substr(0, codeLen);
  word->suggestion = std::string_view(d).substr(codeLen, 76);
  word->verbForm = '=';
  return variant && word->splitKind != '-' ? kVariant : kFound;
}

// '!': a noun stem with its -y/-ies or -h/-o/-s/-x(es) forms.
int Matcher::PluralStem() {
  const std::string_view rest = Rest();
  const char before = pos > 0 ? Text()[pos - 1] : '\0';
  const bool hosx = CharIn(before, "hosx");
  if (!(rest == "ies" || rest == "y" || (rest == "es" && hosx) || (rest.empty() && hosx)))
    return Fail();
  if (e[1] == '+') {
    // Only the first word of a check's lookup may continue a plural stem.
    if (mode != 2) return Fail();
    const bool plural = !rest.empty() && (rest[0] == 'e' || rest[0] == 'i');
    pos = Text().size();
    ++e;
    const int result = Run();
    if (result > 0 && plural) word->pluralMarker = '$';
    return result;
  }
  const EntryData d = ReadEntryData(DataAfterMark(e), "> ", 99);
  word->classCode = d.code;
  word->suggestion = d.suggestion;
  if (word->classCode[0] == 'N') SetCodeChar(word, 2, 'S');

  const std::string_view text = Text();
  char last = text.empty() ? '\0' : text.back();
  if (last == 's' && (NextToLast(text) == 's' || !((rest.size() > 0 && rest[0] == 'e') ||
                                                   (rest.size() > 1 && rest[1] == 's'))))
    last = ' ';
  word->lastLetter = last;
  if (rest.substr(0, 2) == "es" || rest.substr(0, 3) == "ies") {
    word->lastLetter = 's';
    if (word->classCode[0] == 'N') SetCodeChar(word, 2, 'P');
    word->pluralMarker = '$';
    if (flags != 0) {
      SetCodeChar(word, 2, '1');
    } else {
      const std::size_t at = (word->classCode[0] == '3' && word->classCode[2] != '\0') ? 4 : 1;
      const char digit = word->classCode[at];
      if (digit == '0') SetCodeChar(word, at, '1');
      else if (digit == '8') SetCodeChar(word, at, '9');
    }
  }
  return d.variant ? kVariant : kFound;
}

// '$': the word as it stands, or the word and a final "s".
int Matcher::OptionalS() {
  const std::string_view rest = Rest();
  if (!(rest.empty() || rest == "s")) return Fail();
  const std::string_view text = Text();
  word->verbForm = '0';
  if (rest.empty() && !text.empty() && (text.back() == 's' || text.back() == 'x')) {
    word->lastLetter = 's';
    word->pluralMarker = '$';
    word->verbForm = '1';
    if (NextToLast(text) == 's') {
      word->lastLetter = ' ';
      word->pluralMarker = ' ';
      word->verbForm = '0';
    }
  }
  // The data ends at " |", "%%", '|', a '%' (unless it follows a '7') or
  // after 100 characters.
  std::string data;
  for (const char* p = DataAfterMark(e); !EndOfEntry(*p) && data.size() < 100; ++p) {
    if (p[0] == ' ' && p[1] == '|') break;
    if (p[0] == '%' && (p[1] == '%' || data.empty() || data.back() != '7')) break;
    data += *p;
  }
  const EntryData d = ReadEntryData(data.c_str(), "> %", 99);
  word->classCode = d.code;
  word->suggestion = d.suggestion;

  if (word->lastLetter == 's') {
    BoundedText<8>& c = word->classCode;
    if (c[0] == 'J') SetCodeChar(word, 2, '1');
    if (c[0] == '0' && CharIn(c[1], "0356")) {
      SetCodeChar(word, 0, '1');
      SetCodeChar(word, 1, '1');
      word->pluralMarker = '$';
    }
    if (c[0] == '1' && text.size() > 3 && NextToLast(text) != 's') {
      if (c[1] == '8') SetCodeChar(word, 1, '9');
      else if (c[1] == '0') SetCodeChar(word, 1, '1');
    }
    if (c[0] == '1' && c[1] == '6') {
      SetCodeChar(word, 1, '1');
      word->pluralMarker = '$';
    }
    if (c[0] == '3' && c[2] != '\0') {
      SetCodeChar(word, 3, '1');
      SetCodeChar(word, 4, '1');
      word->pluralMarker = '$';
    }
  } else if (word->classCode[0] == 'N' && word->classCode[2] == '1' && rest.empty()) {
    SetCodeChar(word, 2, 'S');
  }
  if (word->splitKind == '4' || word->splitKind == '6' || !d.variant) {
    word->verbForm = '=';
    return kFound;
  }
  word->verbForm = '*';
  return kVariant;
}

// '@': an adjective stem with its -er, -est and -ly forms.
int Matcher::Adjective() {
  const std::string_view rest = Rest();
  if (!(rest.empty() || rest == "er" || rest == "est" || rest == "ly")) return Fail();
  const EntryData d = ReadEntryData(DataAfterMark(e), "> %", 99);
  word->suggestion = d.suggestion;
  word->dictMarker = '@';
  // The form is the stem's ending, not the word's: "proper" is no comparative.
  if (rest == "er") word->classCode = "34";
  else if (rest == "est") word->classCode = "35";
  else if (rest == "ly") word->classCode = "50";
  else word->classCode = "30";
  return d.variant && rest.empty() ? kVariant : kFound;
}

// The position of the inflection code letter in a verb stem's data: the
// second character, or the fifth of a 3MM2C code followed by a blank.
std::size_t CodeLetterAt(const char* data) {
  for (int i = 0; i < 6; ++i)
    if (EndOfEntry(data[i])) return 1;
  return data[0] == '3' && data[5] == ' ' ? 4 : 1;
}

char FormDigit(int form) { return form == kFormIng ? '3' : static_cast<char>('0' + form); }

// '&', '?', '^': a verb stem inflected by its code letter.
int Matcher::VerbStem() {
  const char mark = *e;
  const std::string ending(Rest().substr(0, 24));
  const char* data = e + 1;
  const std::size_t at = CodeLetterAt(data);
  for (std::size_t i = 0; i <= at; ++i)
    if (EndOfEntry(data[i])) return Fail();
  const char letter = data[at];
  const int form = StripInflection(cur, letter, ending.c_str());
  if (form < 0) return Fail();
  word->pluralMarker = letter;

  const EntryData d = ReadEntryData(data, "> %", 82);
  word->classCode = d.code;
  word->suggestion = d.suggestion;
  const char digit = FormDigit(form);
  word->verbForm = digit;
  SetCodeChar(word, at, digit);

  BoundedText<8>& c = word->classCode;
  const bool simple = c.length() == 2;
  const bool gWord = word->text[0] == 'g';
  word->dictMarker = mark;
  if (mark == '&') {
    switch (form) {
      case kFormBase:
        word->wordClass = 20;
        if (simple) SetCodeChar(word, 0, 'X');
        if (c[1] == '3') SetCodeChar(word, 1, '0');
        break;
      case kFormS:
        word->wordClass = 21;
        if (c[0] == 'G') {
          SetCodeChar(word, 0, 'V');
          const std::string s = word->suggestion.str();
          word->suggestion = s.substr(0, s.find('/'));
        } else if (simple) {
          SetCodeChar(word, 0, 'Z');
        }
        break;
      case kFormPast:
        word->wordClass = 22;
        word->dictMarker = '^';
        if (simple) SetCodeChar(word, 0, 'P');
        break;
      default:
        word->wordClass = 23;
        if (simple) SetCodeChar(word, 0, 'G');
        break;
    }
  } else if (mark == '?') {
    word->wordClass = 20;
    static constexpr char kSimple[] = {'Y', 'Z', 'P', '\0', 'G'};
    if (simple) SetCodeChar(word, 0, kSimple[form]);
    if (form == kFormBase && c[1] == '3') SetCodeChar(word, 1, '0');
  } else {  // '^'
    switch (form) {
      case kFormBase:
        word->wordClass = 20;
        if (c[0] == 'G') SetCodeChar(word, 0, 'X');
        if (c[1] == '8' && gWord) SetCodeChar(word, 1, '0');
        if (c[1] == '3') SetCodeChar(word, 1, '0');
        if (c[2] == '4') word->subClass = 304;
        if (simple) SetCodeChar(word, 0, 'V');
        break;
      case kFormS:
        word->wordClass = 21;
        if (c[1] == '8' && gWord) SetCodeChar(word, 1, '1');
        else if (simple) SetCodeChar(word, 0, 'V');
        break;
      case kFormPast:
        word->wordClass = 22;
        if (simple) SetCodeChar(word, 0, 'P');
        if (c[1] == '8' && gWord) SetCodeChar(word, 1, '2');
        break;
      default:
        word->wordClass = 23;
        if (simple) SetCodeChar(word, 0, 'G');
        if (c[1] == '8' && gWord) SetCodeChar(word, 1, '3');
        break;
    }
  }
  return d.variant ? kVariant : kFound;
}

// "^+": a verb stem and its particle words, merged into one record.
int Matcher::PhrasalVerb() {
  // A phrasal verb starts its entry; it cannot follow a '+' continuation.
  if (cur != word) return Fail();
  const char* particle = e + 2;
  const WordRec* next = cur->next;
  if (AtEnd(next)) return Fail();
  const std::string_view nt = next->text.view();
  if (nt.empty() || nt[0] != particle[0] || nt.size() < 2 || !IsAsciiLetter(nt[0]) ||
      next->markFlag != '0' || next->wordClass == 64 || nt == ".")
    return Fail();
  const std::string ending(Rest().substr(0, 6));

  std::string words;
  const char* p = particle;
  for (; !EndOfEntry(*p) && *p != ' '; ++p) words += *p == '+' ? ' ' : *p;
  if (words.empty() || *p != ' ') return Fail();
  int following = 1;
  for (char ch : words) following += ch == ' ';

  const char* data = p + 1;
  if (EndOfEntry(data[0]) || EndOfEntry(data[1])) return Fail();
  const char letter = data[1];
  const int form = StripInflection(cur, letter, ending.c_str());
  if (form < 0) return Fail();

  // The particle words must stand, in order, after the verb.
  std::string joined;
  const WordRec* w = cur;
  for (int i = 0; i < following; ++i) {
    w = w->next;
    if (AtEnd(w)) return Fail();
    if (i > 0) joined += ' ';
    joined += w->text.view();
  }
  if (joined != words) return Fail();

  const char digit = FormDigit(form);
  if (data[0] == '2') {
    word->classCode.clear();
    word->classCode.append('2');
    word->classCode.append(digit);
    word->subClass = 0;
    word->message = 0;
    word->suggestion.clear();
    word->verbForm = ' ';
  } else {
    word->classCode = "3152";
    word->classCode.append(digit);
    bool variant = false;
    std::string sugg;
    ReadField(SkipToSuggestion(data + 2, &variant), "%", 82, sugg);
    word->suggestion = sugg;
  }
  word->pluralMarker = letter;

  for (int i = 0; i < following; ++i) {
    WordRec* n = word->next;
    RenumberReached(n);  // a deferred walk of an earlier merge passes over it
    if (!word->written.endsWith(".")) word->written.append(' ');
    word->written.append(n->written.view());
    word->text.append(' ');
    word->text.append(n->text.view());
    DeleteWordRec(n);
  }
  word->weight = following + 1;
  word->entryWords = 1;
  word->length = static_cast<int>(word->text.length());
  // The rest of the sentence moves up. Its closing stop is not looked up yet
  // (class 48 comes with the lookup), so the renumbering also ends where the
  // tokenizer began a new sentence (position 0): the sentences after keep
  // their own numbers, and the walk stays within this one sentence.
  RenumberSentenceFrom(word->next, word->sentencePos + 1);
  Lookup.MatchExtraWords = 0;
  return kFound;
}

}  // namespace

int MatchInflectedWord(WordRec* word, const char* entry, int mode, int flags, int /*slot*/) {
  Lookup.MatchExtraWords = 0;
  if (word == nullptr || entry == nullptr) return kNoMatch;
  word->classCode.clear();
  word->suggestion.clear();
  const std::size_t length = word->text.length();
  // A two-letter word is spelt whole in its run, unless the entry is the
  // digram's own stem (it begins with a mark): then the digram is the stem.
  std::size_t start = 2;
  if (length == 2 && !CharIn(entry[0], kMarks)) start = 0;
  if (start > length) return kNoMatch;
  Matcher m{word, word, entry, start, mode, flags};
  return m.Run();
}
