// The scan loop, the shared primitives, and the steps for words, breaks,
// sentence ends, the code-page characters and the remaining punctuation.
#include "engine/tokenizer.h"

#include "engine/tokenizer_scan.h"
#include "engine/word_rec.h"
#include "engine/word_tables.h"

TokenizerState Tokenizer;

// ---- primitives ----------------------------------------------------------

char* EndOfText(char* q) {
  while (*q && !AtSentinel(q)) ++q;
  return q;
}

char* FindBeforeEnd(char* q, std::string_view needle) {
  if (needle.empty()) return nullptr;
  const char first = AsciiLower(static_cast<unsigned char>(needle[0]));
  for (; *q && !AtSentinel(q); ++q)
    if (AsciiLower(static_cast<unsigned char>(*q)) == first && TextStartsWithNoCase(q, needle))
      return q;
  return nullptr;
}

void Discard(Scan& s) {
  s.length = 0;
  s.token[0] = '\0';
  s.tokenStart = nullptr;
}

bool Append(Scan& s, char c) {
  if (s.length >= kTokenMax) {
    Discard(s);
    return false;
  }
  if (s.length == 0) s.tokenStart = s.p;
  s.token[s.length++] = c;
  s.token[s.length] = '\0';
  return true;
}

bool AppendText(Scan& s, std::string_view t) {
  if (s.length + t.size() > kTokenMax) {
    Discard(s);
    return false;
  }
  for (char c : t) Append(s, c);
  return true;
}

void ClearPending(Scan& s) {
  s.pendingMark = false;
  s.pendingKind = 0;
}

namespace {

const TokenState kNoState;

void AddRecord(Scan& s, char* token, int kind, const TokenState* state) {
  AddWordRec(token, s.pendingMark ? 1 : 0, s.wordNo, kind, (state ? state : &kNoState)->c);
  ++s.wordNo;
  ClearPending(s);
}

}  // namespace

void Flush(Scan& s, int kind, const TokenState* state) {
  if (s.length == 0) return;
  const bool number = IsNumberText(s.word());
  AddRecord(s, s.token, kind, state);
  s.lastWasNumber = number;
  Discard(s);
}

void AddLiteral(Scan& s, std::string_view text, int kind, const TokenState* state) {
  char buf[kTokenMax + 1] = {};
  const std::size_t n = text.size() < kTokenMax ? text.size() : kTokenMax;
  text.copy(buf, n);
  AddRecord(s, buf, kind, state);
  s.lastWasNumber = false;
}

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

// ---- letters, digits and breaks -------------------------------------------

void ScanLetter(Scan& s) {
  // A lone small 'o' before a blank is a list bullet, not a word.
  if (*s.p == 'o' && s.length == 0 && Peek(s, 1) == ' ') {
    ++s.p;
    return;
  }
  Append(s, *s.p);
  ++s.p;
}

// "the" followed by a blank or a line feed at `q`.
bool ArticleAt(const char* q) {
  return TextStartsWithNoCase(q, "the") && (q[3] == ' ' || q[3] == '\n');
}

// The kind a word gets from the break after it: the repeated spacing, or the
// mark of the next word's start in its tag.
int BreakKind(const Scan& s, unsigned char brk, char next, TokenState* state) {
  const bool blank = IsBlank(static_cast<char>(brk));
  if (blank && IsBlank(next)) return 11;
  const bool lineBreak = brk == '\n' || brk == '\t';
  *state = MakeState('<', '+', next, '>', lineBreak ? '8' : '\0');
  const unsigned char n = static_cast<unsigned char>(next);
  const char before = Before(s, s.tokenStart);
  if (s.length == 1 && blank && (IsLetter(n) || next == '(')) return 169;
  if (s.length == 2 && blank &&
      (before == '\n' || before == '\t' || (IsBlank(before) && (IsLetter(n) || IsAsciiPunct(n)))))
    return 175;
  if (s.length < 9 && IsLetter(static_cast<unsigned char>(s.token[0])) && IsLetter(n)) return 170;
  *state = TokenState{};
  return 0;
}

void ScanBreak(Scan& s) {
  const unsigned char brk = static_cast<unsigned char>(*s.p);
  if (s.length == 0) {
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

bool CanEndAbbreviation(char c) { return c == ' ' || c == '\n' || c == ')' || c == ',' || c == '<'; }

void ScanFullStop(Scan& s) {
  const char c1 = Peek(s, 1);
  const char c2 = Peek(s, 2);
  // Decimals (2.5, .5) and dotted abbreviations keep their inner stops.
  if (s.length > 0 ? IsLetterOrDigit(static_cast<unsigned char>(c1)) : IsDigit(static_cast<unsigned char>(c1))) {
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
  if (IsLetter(static_cast<unsigned char>(w[0])) && w.size() < 8 && CanEndAbbreviation(c1)) {
    char probe[kTokenMax + 2] = {};
    w.copy(probe, w.size());
    probe[w.size()] = '.';
    const int result = IsKnownAbbreviation(probe);
    if (result == 99 || result == 100) {
      Append(s, '.');
      Flush(s, result == 99 ? 114 : 115);
      return;
    }
  }
  if (EqualsNoCase(w, "in") && (s.lastWasNumber || (c1 == ' ' && IsAsciiLower(static_cast<unsigned char>(c2))))) {
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
  if (w.size() == 1 && IsDigit(static_cast<unsigned char>(w[0])) && c1 == ' ') {
    Append(s, '.');
    Flush(s, 9);
    s.wordNo = 0;
    return;
  }
  if (IsNumberText(w) && c1 == ' ' && IsAsciiUpper(static_cast<unsigned char>(c2))) {
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

void ScanExclamation(Scan& s) {
  ++s.p;
  if (s.length == 0) return;
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

// ---- code-page characters ---------------------------------------------------

void ScanFraction(Scan& s, std::string_view name) {
  ++s.p;
  Discard(s);
  AddLiteral(s, name, 9);
}

void ScanDegree(Scan& s) {
  const char c1 = Peek(s, 1);
  ++s.p;
  if (!IsDigit(static_cast<unsigned char>(s.last()))) return;
  if (c1 == ' ') {
    Append(s, 'D');
    Flush(s, 9);
  } else if (c1 == 'C' || c1 == 'F') {
    Append(s, c1);
    Flush(s, 9);
    ++s.p;
  }
}

void ScanTimes(Scan& s) {
  const char c1 = Peek(s, 1);
  Append(s, 'x');
  ++s.p;
  if (IsSpace(c1)) Flush(s, 0);
}

// Micro sign and 0xBA: the unit before is dropped, and so is a following 'm'.
void ScanMicro(Scan& s) {
  const char c1 = Peek(s, 1);
  Discard(s);
  s.p += (c1 == 'm') ? 2 : 1;
}

// ---- other characters -------------------------------------------------------

void ScanQuestionMark(Scan& s) {
  const bool afterBlank = Before(s, s.p) == ' ';
  ++s.p;
  Flush(s, 9);
  AddLiteral(s, "?", afterBlank ? 189 : 9);
}

void ScanBrace(Scan& s) {
  // "{x}" stays together in the token; a lone brace is ignored.
  if (Peek(s, 1) != '\0' && Peek(s, 2) == '}') {
    AppendText(s, std::string_view(s.p, 3));
    s.p += 3;
    return;
  }
  ++s.p;
}

void ScanBar(Scan& s) {
  const unsigned char c1 = static_cast<unsigned char>(Peek(s, 1));
  if (IsLetterOrDigit(c1) || c1 == '|') Append(s, '|');
  ++s.p;
}

void ScanClosing(Scan& s) {
  const char c = *s.p;
  ++s.p;
  Flush(s, 0);
  AddLiteral(s, std::string_view(&c, 1), 0);
}

void AppendAndMove(Scan& s, char c) {
  Append(s, c);
  ++s.p;
}

void ScanCharacter(Scan& s) {
  const unsigned char c = static_cast<unsigned char>(*s.p);
  if (IsLetterOrDigit(c)) {
    ScanLetter(s);
    return;
  }
  switch (c) {
    case ' ': case '\t': case '\n': case 0xA0: ScanBreak(s); return;
    case '.': ScanFullStop(s); return;
    case '!': ScanExclamation(s); return;
    case '\f': case 0xA4: ScanPageBreak(s); return;
    case 0x97: ScanEmDash(s); return;
    case '-': ScanHyphen(s); return;
    case 0xAD: ScanSoftHyphen(s); return;
    case '\'': case '`': case 0x92: ScanApostrophe(s); return;
    case 0x91: case 0xAA: ScanLeftQuote(s); return;
    case '"': case 0x84: case 0x94: ScanQuotation(s); return;
    case ',': ScanComma(s); return;
    case ':': ScanColon(s); return;
    case ';': ScanSemicolon(s); return;
    case '/': ScanSlash(s); return;
    case '+': ScanPlus(s); return;
    case '(': ScanOpenParen(s); return;
    case '[': ScanOpenBracket(s); return;
    case ')': ScanCloseParen(s); return;
    case '<': ScanMarkup(s); return;
    case '&': ScanEntity(s); return;
    case '?': ScanQuestionMark(s); return;
    case '{': ScanBrace(s); return;
    case '|': ScanBar(s); return;
    case '}': case ']': ScanClosing(s); return;
    case '$': case '%': case '_': AppendAndMove(s, static_cast<char>(c)); return;
    case '#':
      if (s.length < 78) Append(s, '#');
      ++s.p;
      return;
    case 0xBC: ScanFraction(s, "#quarter#"); return;
    case 0xBD: ScanFraction(s, "#half#"); return;
    case 0xBE: ScanFraction(s, "#3qtr#"); return;
    case 0xB0: ScanDegree(s); return;
    case 0xB1: AppendAndMove(s, '+'); return;
    case 0xB7: AppendAndMove(s, '_'); return;
    case 0xD7: ScanTimes(s); return;
    case 0x96: AppendAndMove(s, '.'); return;
    case 0xB5: case 0xBA: ScanMicro(s); return;
    case 0x80: case 0xA3: case 0xA5: AppendAndMove(s, static_cast<char>(c)); return;
    default:
      // '~', control characters, superscripts and punctuation not named
      // above are passed over without ending the token.
      ++s.p;
      return;
  }
}

}  // namespace

void TokenizeText(char* text, int /*offset*/, int /*mode*/) {
  WordList.Forget();
  if (!text) return;
  Scan s;
  s.text = text;
  s.p = text;
  while (*s.p) {
    if (AtSentinel(s.p)) {
      ScanSentinel(s);
      return;
    }
    ScanCharacter(s);
  }
  // A text without its sentinel keeps its last word.
  Flush(s, s.pendingKind);
}
