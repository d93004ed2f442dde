// The tokenizer's steps for hyphens, apostrophes, quotation marks, commas,
// colons, semicolons, slashes, plus signs, parentheses and brackets.
#include "engine/tokenizer_scan.h"
#include "engine/word_tables.h"

namespace {

unsigned char U(char c) { return static_cast<unsigned char>(c); }

bool IsQuotationMark(char c) { return c == '"' || c == '\x84' || c == '\x94'; }

// After an apostrophe written as '?', the rest of the word joins the
// contraction, which is added at once.
void AddContraction(Scan& s, int kind) {
  Append(s, '?');
  while (IsLetter(U(*s.p))) {
    Append(s, *s.p);
    ++s.p;
  }
  Flush(s, kind);
}

enum class Contraction { kNone, kAdd, kKeepPending };

Contraction ContractionAfter(std::string_view w, char c1, char c2) {
  if (EqualsNoCase(w, "you") && c1 == 'd') return Contraction::kKeepPending;
  if (c1 == 't' || c1 == 'T') return Contraction::kAdd;
  if ((c1 == 'm' || c1 == 'd' || c1 == 'a') && StartsWithNoCase(w, "i")) return Contraction::kAdd;
  if (c1 == 's' && (EqualsNoCase(w, "what") || StartsWithNoCase(w, "it"))) return Contraction::kAdd;
  if (c1 == 'l' && (StartsWithNoCase(w, "it") || StartsWithNoCase(w, "we"))) return Contraction::kAdd;
  if ((c1 == 'r' && c2 == 'e') || (c1 == 'v' && c2 == 'e') || (c1 == 'a' && c2 == 'm'))
    return Contraction::kAdd;
  return Contraction::kNone;
}

// "(1)", "(12)", "(123)" or a capital or digit and one more character, as
// in "(A1)": the length of the group, else 0.
std::size_t EnclosedGroupLength(const char* p) {
  std::size_t digits = 0;
  while (digits < 3 && IsDigit(U(p[1 + digits]))) ++digits;
  if (digits > 0 && p[1 + digits] == ')') return digits + 2;
  if ((IsAsciiUpper(U(p[1])) || IsDigit(U(p[1]))) && IsLetterOrDigit(U(p[2])) && p[3] == ')') return 4;
  return 0;
}

// A plural ending of two or three letters that ends in 's', as "(es)":
// the length of the group, else 0.
std::size_t PluralEndingLength(const char* p) {
  if (!IsLetter(U(p[1])) || !IsLetter(U(p[2]))) return 0;
  if (p[2] == 's' && p[3] == ')') return 4;
  if (IsLetter(U(p[3])) && p[3] == 's' && p[4] == ')') return 5;
  return 0;
}

}  // namespace

// ---- hyphens ----------------------------------------------------------------

void ScanHyphen(Scan& s) {
  const char c1 = Peek(s, 1);
  const char c2 = Peek(s, 2);
  if (c1 == '-' && c2 == '>') {
    Flush(s, s.pendingKind);
    s.p += 2;
    return;
  }
  const std::string_view w = s.word();
  if (!w.empty()) {
    char probe[kTokenMax + 2] = {};
    w.copy(probe, w.size());
    probe[w.size()] = '-';
    if (IsKnownPrefix(probe) == 1) {
      ++s.p;
      if (Append(s, '-')) {
        if (IsLetterOrDigit(U(c1))) {
          Append(s, c1);
          ++s.p;
        }
        s.pendingKind = 99;
      }
      return;
    }
    if (IsDigit(U(w[0])) && IsLetter(U(c1))) {
      Flush(s, IsNumberText(w) ? 110 : 187);
      ++s.p;
      return;
    }
    if (IsAsciiUpper(U(w[0])) && w.size() >= 2 && IsAsciiUpper(U(c1))) {
      Flush(s, 0);
      ++s.p;
      return;
    }
  }
  Append(s, '-');
  ++s.p;
}

void ScanSoftHyphen(Scan& s) {
  const char c1 = Peek(s, 1);
  if (s.length == 0 || IsLetterOrDigit(U(c1))) Append(s, '-');
  ++s.p;
}

// ---- apostrophes ------------------------------------------------------------

void ScanApostrophe(Scan& s) {
  const char c = *s.p;
  const char c1 = Peek(s, 1);
  const char c2 = Peek(s, 2);
  if (s.length == 0) {
    s.pendingKind = 101;
    ++s.p;
    return;
  }
  const std::string_view w = s.word();
  if (IsDigit(U(s.last())) && IsDigit(U(c1))) {
    Append(s, c);
    ++s.p;
    return;
  }
  switch (ContractionAfter(w, c1, c2)) {
    case Contraction::kAdd:
      ++s.p;
      AddContraction(s, 113);
      return;
    case Contraction::kKeepPending:
      ++s.p;
      Append(s, '?');
      return;
    case Contraction::kNone:
      break;
  }
  if (w.size() >= 3 && w.back() == 's') {
    ++s.p;
    Flush(s, 102);
    return;
  }
  if (w.size() >= 3 && c1 == 's' && (c2 == ' ' || c2 == '\n')) {
    s.p += 2;
    Flush(s, 98);
    return;
  }
  if (IsAsciiUpper(U(w[0])) && c1 == 's' && c2 == ' ') {
    s.p += 2;
    Flush(s, 102);
    return;
  }
  ++s.p;
  Flush(s, 9);
}

// The left single quote 0x91 and 0xAA after a word.
void ScanLeftQuote(Scan& s) {
  if (s.length == 0) {
    ScanApostrophe(s);
    return;
  }
  const char c1 = Peek(s, 1);
  const char c2 = Peek(s, 2);
  const std::string_view w = s.word();
  const bool itIs = (w.size() == 2 && (w[0] == 'I' || w[0] == 'i') && c1 == 's') ||
                    (EqualsNoCase(w, "I") && (c1 == 'd' || c1 == 'm')) || EqualsNoCase(w, "there");
  if (itIs) {
    ++s.p;
    AddContraction(s, 123);
    return;
  }
  if (c1 == 'l' && c2 == 'l') {
    s.p += 3;
    Flush(s, 113);
    return;
  }
  if (c1 == 't' || c1 == 'T' || (c1 == 'r' && c2 == 'e') || (c1 == 'v' && c2 == 'e')) {
    ++s.p;
    AddContraction(s, 113);
    return;
  }
  if (c1 == 's') {
    s.p += 2;
    Flush(s, 102);
    return;
  }
  ++s.p;
  Flush(s, 101);
}

// ---- quotation marks --------------------------------------------------------

void ScanQuotation(Scan& s) {
  if (s.length > 0) {
    ++s.p;
    Flush(s, s.pendingKind);
    return;
  }
  const char c1 = Peek(s, 1);
  if (IsAsciiUpper(U(c1))) {
    // A short quotation in capitals becomes one token; the look-ahead gives
    // up at a small letter and never passes the end of the text.
    char* q = s.p + 1;
    for (int i = 0; i < 17 && *q && !AtSentinel(q); ++i, ++q) {
      if (IsQuotationMark(*q)) {
        char quoted[kTokenMax + 1] = {};
        std::size_t n = 0;
        for (const char* r = s.p; r <= q; ++r) quoted[n++] = (*r == '\n') ? ' ' : *r;
        s.p = q + 1;
        AddLiteral(s, std::string_view(quoted, n), 145);
        return;
      }
      if (IsAsciiLower(U(*q))) break;
    }
  }
  // Punctuation right after the mark stands as a token; markup, entities
  // and the sentinel are left to their own steps.
  if (IsAsciiPunct(U(c1)) && c1 != '<' && c1 != '&' && c1 != '@') {
    s.p += 2;
    AddLiteral(s, std::string_view(&c1, 1), 115);
    return;
  }
  ++s.p;
}

// ---- commas, colons and semicolons ------------------------------------------

void ScanComma(Scan& s) {
  const char c1 = Peek(s, 1);
  const char c2 = Peek(s, 2);
  const bool betweenDigits = IsDigit(U(s.last())) && IsDigit(U(c1));
  const bool betweenCapitals = s.length > 0 && IsAsciiUpper(U(s.token[0])) && IsAsciiUpper(U(c1));
  if (betweenDigits || betweenCapitals) {
    Append(s, ',');
    ++s.p;
    return;
  }
  const bool alone = s.length == 0 && IsSpace(Before(s, s.p)) && IsSpace(c1);
  ++s.p;
  Flush(s, 0);
  TokenState state;
  if (c1 == ' ' && IsLetter(U(c2))) {
    // The comma's tag records the start of the next word.
    state.c[0] = '<';
    state.c[1] = ',';
    state.c[2] = c1;
    state.c[3] = c2;
    state.c[4] = '>';
    AddLiteral(s, ",", 104, &state);
    return;
  }
  if (alone) {
    if (c1 == '\n') state.c[4] = '8';
    AddLiteral(s, ",", 178, &state);
    return;
  }
  AddLiteral(s, ",", 0);
}

void ScanColon(Scan& s) {
  const char c1 = Peek(s, 1);
  const char c2 = Peek(s, 2);
  const std::string_view w = s.word();
  if (EqualsNoCase(w, "http") || EqualsNoCase(w, "https") || EqualsNoCase(w, "CAGE")) {
    // An address or code: one placeholder for all of it, up to the next
    // blank (or markup, or the end of the text).
    Discard(s);
    AddLiteral(s, "<ref>", 9);
    ++s.p;
    while (*s.p && !AtSentinel(s.p) && !IsSpace(*s.p) && *s.p != '<') ++s.p;
    return;
  }
  if ((IsDigit(U(s.last())) && IsDigit(U(c1))) || (c1 == '\\' && c2 == '\\') ||
      (s.length == 0 && !IsSpace(c1) && c1 != '<')) {
    Append(s, ':');
    ++s.p;
    return;
  }
  ++s.p;
  Flush(s, 9);
  AddLiteral(s, ":", 9);
  s.wordNo = 0;
}

void ScanSemicolon(Scan& s) {
  const char c1 = Peek(s, 1);
  ++s.p;
  if (s.length == 0) return;
  const std::string_view w = s.word();
  if (w.find('&') != std::string_view::npos) {
    Append(s, ';');
    Flush(s, 9);
    return;
  }
  if (w[0] == '&') {
    Discard(s);
    return;
  }
  Flush(s, 9);
  TokenState state;
  if (c1 == '\n') {
    for (int i = 0; i < 4; ++i) state.c[i] = '*';
    state.c[4] = '8';
  }
  AddLiteral(s, ";", 171, &state);
}

// ---- slashes and plus signs -------------------------------------------------

void ScanSlash(Scan& s) {
  const char c1 = Peek(s, 1);
  const char c2 = Peek(s, 2);
  const std::string_view w = s.word();
  const char beforeWord = Before(s, w.empty() ? s.p : s.tokenStart);
  const bool keep = (IsDigit(U(s.last())) && IsDigit(U(c1))) ||
                    (!w.empty() && IsLetter(U(w[0])) && IsLetter(U(s.last())) && IsLetter(U(c1))) ||
                    (w.size() == 1 && IsAsciiUpper(U(w[0])) && IsAsciiUpper(U(c1)) && !IsLetter(U(c2))) ||
                    (w.size() > 6 && w.substr(0, 3) == "htt") || beforeWord == '>';
  ++s.p;
  if (keep) {
    Append(s, '/');
    return;
  }
  if (c1 == ' ') {
    if (w.substr(0, 3) == "CAN") Append(s, '/');
    Flush(s, 0);
    return;
  }
  Flush(s, s.pendingKind);
}

void ScanPlus(Scan& s) {
  const char c1 = Peek(s, 1);
  ++s.p;
  if (IsDigit(U(c1))) {
    Append(s, '+');
    return;
  }
  if (c1 == ' ') {
    if (s.word().substr(0, 3) != "CAN") Flush(s, 0);
    return;
  }
  Flush(s, s.pendingKind);
}

// ---- parentheses and brackets -----------------------------------------------

void ScanOpenParen(Scan& s) {
  if (const std::size_t n = EnclosedGroupLength(s.p)) {
    AppendText(s, std::string_view(s.p, n));
    s.p += n;
    return;
  }
  if (s.length >= 3) {
    if (s.p[1] == 's' && s.p[2] == ')') {
      AppendText(s, "(s)");
      s.p += 3;
      Flush(s, 108);
      return;
    }
    if (const std::size_t n = PluralEndingLength(s.p)) {
      AppendText(s, std::string_view(s.p, n));
      s.p += n;
      Flush(s, 1107);
      return;
    }
  }
  const char c1 = Peek(s, 1);
  const bool startsLower = s.length == 0 && IsAsciiLower(U(c1));
  ++s.p;
  Flush(s, s.pendingKind == 8 ? 8 : 0);
  AddLiteral(s, "(", (startsLower || c1 == '<' || c1 == '&') ? 9 : 0);
}

void ScanOpenBracket(Scan& s) {
  const char c1 = Peek(s, 1);
  if (IsLetterOrDigit(U(c1)) && Peek(s, 2) == ']') {
    AppendText(s, std::string_view(s.p, 3));
    s.p += 3;
    return;
  }
  ++s.p;
  Flush(s, 0);
  AddLiteral(s, "[", 0);
}

// The closing parenthesis, split by what stands around it: between blanks
// 199; before a blank 172 after a word of six or more characters, else 170
// (both with the state ")?", so that its tag is ")?"); otherwise 9.
void ScanCloseParen(Scan& s) {
  const char before = Before(s, s.p);
  const char c1 = Peek(s, 1);
  const std::size_t wordLength = s.length;
  ++s.p;
  if (wordLength == 0 && IsSpace(before) && IsSpace(c1)) {
    AddLiteral(s, ")", 199);
    return;
  }
  Flush(s, s.pendingKind);
  if (IsSpace(c1)) {
    TokenState state;
    state.c[0] = ')';
    state.c[1] = '?';
    AddLiteral(s, ")", wordLength >= 6 ? 172 : 170, &state);
    return;
  }
  AddLiteral(s, ")", 9);
}
