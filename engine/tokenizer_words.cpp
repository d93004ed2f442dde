// The tokenizer's steps for letters and digits, breaks and the article,
// sentence ends and abbreviations.
#include "engine/dict_lookup.h"
#include "engine/tokenizer_scan.h"
#include "engine/word_rec.h"
#include "engine/word_tables.h"

namespace {

TokenState MakeState(char c0, char c1, char c2, char c3, char c4) {
  TokenState st;
  st.c[0] = c0;
  st.c[1] = c1;
  st.c[2] = c2;
  st.c[3] = c3;
  st.c[4] = c4;
  return st;
}

void EndSentence(Scan& s, int kind) {
  AddLiteral(s, ".", kind);
  s.wordNo = 0;
}

// "the" followed by a blank or a line feed at `q`.
bool ArticleAt(const char* q) {
  return TextStartsWithNoCase(q, "the") && (q[3] == ' ' || q[3] == '\n');
}

bool CanEndAbbreviation(char c) { return c == ' ' || c == '\n' || c == ')' || c == ',' || c == '<'; }

// The kind a word gets from the break after it: the repeated spacing, or the
// mark of the next word's start in its tag.
int BreakKind(const Scan& s, unsigned char brk, char next, TokenState* state) {
  const bool blank = IsBlank(static_cast<char>(brk));
  if (blank && IsBlank(next)) return 11;
  const bool lineBreak = brk == '\n' || brk == '\t';
  *state = MakeState('<', '+', next, '>', lineBreak ? '8' : '\0');
  const unsigned char n = Byte(next);
  const char before = Before(s, s.tokenStart);
  if (s.length == 1 && blank && (IsLetter(n) || next == '(')) return 169;
  if (s.length == 2 && blank &&
      (before == '\n' || before == '\t' || (IsBlank(before) && (IsLetter(n) || IsAsciiPunct(n)))))
    return 175;
  if (s.length < 9 && IsLetter(Byte(s.token[0])) && IsLetter(n)) return 170;
  *state = TokenState{};
  return 0;
}

}  // namespace

// ---- letters, digits and breaks -------------------------------------------

void ScanLetter(Scan& s) {
  // A lone small 'o' before a blank is a list bullet, not a word.
  if (*s.p == 'o' && s.length == 0 && Peek(s, 1) == ' ') {
    ++s.p;
    return;
  }
  // The rest of the run of letters and digits, without a return to the
  // scan loop for each.
  do {
    Append(s, *s.p);
    ++s.p;
  } while (IsLetterOrDigit(Byte(*s.p)));
}

void ScanBreak(Scan& s) {
  const unsigned char brk = Byte(*s.p);
  if (s.length == 0) {
    s.overlong = false;
    ++s.p;
    return;
  }
  if (EqualsNoCase(s.word(), "the")) {
    char* after = s.p + 1;
    if (ArticleAt(after)) {
      // A repeated article stays one token for the repetition rule.
      Append(s, ' ');
      AppendText(s, std::string_view(after, 3));
      Flush(s, 31);
      s.p = after + 3;
      return;
    }
    Discard(s);
    s.pendingMark = true;
    ++s.p;
    return;
  }
  if (brk == '\n' && s.p[1] == '\n') s.p[1] = ' ';
  const char next = s.p[1];
  ++s.p;
  // A kind chosen for this very token by an earlier character wins over the
  // break's own marks.
  if (s.pendingKind != 0) {
    Flush(s, s.pendingKind);
    return;
  }
  TokenState state;
  const int kind = BreakKind(s, brk, next, &state);
  Flush(s, kind, &state);
}

// ---- sentence ends and abbreviations ---------------------------------------

void ScanFullStop(Scan& s) {
  const char c1 = Peek(s, 1);
  const char c2 = Peek(s, 2);
  // Decimals (2.5, .5) and dotted abbreviations keep their inner stops.
  if (s.length > 0 || s.overlong ? IsLetterOrDigit(Byte(c1)) : IsDigit(Byte(c1))) {
    Append(s, '.');
    ++s.p;
    return;
  }
  ++s.p;
  if (s.length == 0) {
    EndSentence(s, 9);
    return;
  }
  const std::string_view w = s.word();
  if (IsLetter(Byte(w[0])) && w.size() < 8 && CanEndAbbreviation(c1)) {
    char probe[kTokenMax + 2] = {};
    w.copy(probe, w.size());
    probe[w.size()] = '.';
    const int result = IsKnownAbbreviation(probe);
    // A unit symbol the dictionary holds ("40 kg.") is an approved word: the
    // full stop after it ends the sentence, unless a small word runs on.
    const bool unitEnd = result == 99 && !(c1 == ' ' && IsAsciiLower(Byte(c2))) && IsTechnicalUnit(w);
    if ((result == 99 || result == 100) && !unitEnd) {
      Append(s, '.');
      Flush(s, result == 99 ? 114 : 115);
      return;
    }
  }
  if (EqualsNoCase(w, "in") && (s.lastWasNumber || (c1 == ' ' && IsAsciiLower(Byte(c2))))) {
    const TokenState inch = MakeState('i', 'n', 'c', 'h', '\0');
    Append(s, '.');
    Flush(s, 14, &inch);
    return;
  }
  if (EqualsNoCase(w, "sq") || EqualsNoCase(w, "ft")) {
    Append(s, '.');
    Flush(s, 9);
    return;
  }
  if (w.size() == 1 && IsDigit(Byte(w[0])) && c1 == ' ') {
    Append(s, '.');
    Flush(s, 9);
    s.wordNo = 0;
    return;
  }
  if (IsNumberText(w) && c1 == ' ' && IsAsciiUpper(Byte(c2))) {
    Append(s, '.');
    Flush(s, 9);
    EndSentence(s, 9);
    return;
  }
  if (c1 == '<' || c1 == '@') {
    const int kind = s.pendingKind;
    Flush(s, kind);
    EndSentence(s, kind);
    return;
  }
  Flush(s, 9);
  EndSentence(s, 9);
}

namespace {

// A '!' with no word in progress ends the sentence where it follows an
// element's end ("Run <filename>setup</filename>!"), as it does after a
// word, and as '.' and '?' do there: the element stands for its words. A
// sentence already ended there, an operator ("</varname>!=") and a '!'
// that begins a word ("</b>!important") are no such end.
bool EndsAfterElement(const Scan& s) {
  if (s.length != 0 || s.overlong || !s.elementEnd || s.p != s.elementEnd) return false;
  const char next = Peek(s, 1);
  return !IsLetterOrDigit(Byte(next)) && next != '=' && !SentenceEnded();
}

}  // namespace

void ScanExclamation(Scan& s) {
  const bool afterElement = EndsAfterElement(s);
  ++s.p;
  if (s.length == 0 && !afterElement) return;
  const int kind = s.pendingKind;
  Flush(s, kind);
  AddLiteral(s, "!", kind);
}

// Form feed and 0xA4: a full stop, but the sentence's numbering runs on.
void ScanPageBreak(Scan& s) {
  ++s.p;
  const int kind = s.pendingKind;
  Flush(s, 0);
  AddLiteral(s, ".", kind);
}

void ScanEmDash(Scan& s) {
  ++s.p;
  Flush(s, 0);
  EndSentence(s, 9);
}

void ScanSentinel(Scan& s) {
  Flush(s, 9);
  AddLiteral(s, ".", 9);
  AddLiteral(s, kSentinel, 9);
}
