// The tokenizer's steps for hyphens, commas, colons, semicolons, slashes,
// plus signs, parentheses and brackets.
#include "engine/entity_table.h"
#include "engine/tokenizer_scan.h"
#include "engine/word_tables.h"

namespace {

// "(1)", "(12)", "(123)" or a capital or digit and one more character, as
// in "(A1)": the length of the group, else 0.
std::size_t EnclosedGroupLength(const char* p) {
  std::size_t digits = 0;
  while (digits < 3 && IsDigit(Byte(p[1 + digits]))) ++digits;
  if (digits > 0 && p[1 + digits] == ')') return digits + 2;
  if ((IsAsciiUpper(Byte(p[1])) || IsDigit(Byte(p[1]))) && IsLetterOrDigit(Byte(p[2])) && p[3] == ')') return 4;
  return 0;
}

// A plural ending of two or three letters that ends in 's', as "(es)":
// the length of the group, else 0.
std::size_t PluralEndingLength(const char* p) {
  if (!IsLetter(Byte(p[1])) || !IsLetter(Byte(p[2]))) return 0;
  if (p[2] == 's' && p[3] == ')') return 4;
  if (IsLetter(Byte(p[3])) && p[3] == 's' && p[4] == ')') return 5;
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
        if (IsLetterOrDigit(Byte(c1))) {
          Append(s, c1);
          ++s.p;
        }
        s.pendingKind = 99;
      }
      return;
    }
    if (IsDigit(Byte(w[0])) && IsLetter(Byte(c1))) {
      Flush(s, IsNumberText(w) ? 110 : 187);
      ++s.p;
      return;
    }
    if (IsAsciiUpper(Byte(w[0])) && w.size() >= 2 && IsAsciiUpper(Byte(c1))) {
      Flush(s, 0);
      ++s.p;
      return;
    }
  }
  Append(s, '-');
  ++s.p;
}

// A soft hyphen only says where a line may break: the word is read as the
// writer sees it ("Re&#xAD;move" is "Remove"), and the editor's search passes
// over it in the same way.
void ScanSoftHyphen(Scan& s) { ++s.p; }

// ---- commas, colons and semicolons ------------------------------------------

void ScanComma(Scan& s) {
  const char c1 = Peek(s, 1);
  const char c2 = Peek(s, 2);
  const bool betweenDigits = IsDigit(Byte(s.last())) && IsDigit(Byte(c1));
  const bool betweenCapitals = s.length > 0 && IsAsciiUpper(Byte(s.token[0])) && IsAsciiUpper(Byte(c1));
  if (betweenDigits || betweenCapitals) {
    Append(s, ',');
    ++s.p;
    return;
  }
  const bool alone = s.length == 0 && IsSpace(Before(s, s.p)) && IsSpace(c1);
  ++s.p;
  Flush(s, 0);
  TokenState state;
  if (c1 == ' ' && IsLetter(Byte(c2))) {
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
  if ((IsDigit(Byte(s.last())) && IsDigit(Byte(c1))) || (c1 == '\\' && c2 == '\\') ||
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
  // A '&' the word holds opens a reference that this ';' closes; after a
  // whole reference ("&Pump;;") the ';' is a semicolon of its own.
  const std::size_t amp = w.rfind('&');
  const bool closesReference = amp != std::string_view::npos && EntityLength(s.token + amp) == 0;
  if (closesReference) {
    Append(s, ';');
    Flush(s, 9);
    return;
  }
  if (closesReference && w[0] == '&') {
    Discard(s);
    return;
  }
  Flush(s, 9);
  // The finding's marker is found again by the semicolon and the next
  // word's first letters after it. Where markup, a reference or other signs
  // stand between them, or the word after it is too long to be read, no
  // search could find that marker again: the semicolon is then plain
  // punctuation, not a finding.
  auto nextWord = [](const char* q, std::size_t* length) {
    while (*q == ' ' || *q == '\t' || *q == '\n' || *q == '\r') ++q;
    const char* word = q;
    while (IsLetterOrDigit(Byte(*q))) ++q;
    *length = static_cast<std::size_t>(q - word);
    return word;
  };
  std::size_t length = 0;
  const char* word = nextWord(s.p, &length);
  // An article before the word is left out of the key ("; ... xx").
  if (length == 3 && TextStartsWithNoCase(word, "the") && (word[3] == ' ' || word[3] == '\n'))
    word = nextWord(word + 3, &length);
  if (!IsLetter(Byte(*word)) || length > kTokenMax) {
    AddLiteral(s, ";", 9);
    return;
  }
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
  const bool keep = (IsDigit(Byte(s.last())) && IsDigit(Byte(c1))) ||
                    (!w.empty() && IsLetter(Byte(w[0])) && IsLetter(Byte(s.last())) && IsLetter(Byte(c1))) ||
                    (w.size() == 1 && IsAsciiUpper(Byte(w[0])) && IsAsciiUpper(Byte(c1)) && !IsLetter(Byte(c2))) ||
                    (w.size() > 6 && w.substr(0, 3) == "htt") || beforeWord == '>';
  if (keep) {
    Append(s, '/');
    ++s.p;
    return;
  }
  ++s.p;
  if (c1 == ' ') {
    if (w.substr(0, 3) == "CAN") Append(s, '/');
    Flush(s, 0);
    return;
  }
  Flush(s, s.pendingKind);
}

void ScanPlus(Scan& s) {
  const char c1 = Peek(s, 1);
  if (IsDigit(Byte(c1))) {
    Append(s, '+');
    ++s.p;
    return;
  }
  ++s.p;
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
  const bool startsLower = s.length == 0 && IsAsciiLower(Byte(c1));
  ++s.p;
  Flush(s, s.pendingKind == 8 ? 8 : 0);
  AddLiteral(s, "(", (startsLower || c1 == '<' || c1 == '&') ? 9 : 0);
}

void ScanOpenBracket(Scan& s) {
  const char c1 = Peek(s, 1);
  if (IsLetterOrDigit(Byte(c1)) && Peek(s, 2) == ']') {
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
