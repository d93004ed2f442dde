// The tokenizer's steps for apostrophes, contractions and quotation marks.
#include "engine/tokenizer_scan.h"

namespace {

bool IsQuotationMark(char c) { return c == '"' || c == '\x84' || c == '\x94'; }

// After an apostrophe written as '?', the rest of the word joins the
// contraction, which is added at once.
void AddContraction(Scan& s, int kind) {
  Append(s, '?');
  while (IsLetter(Byte(*s.p))) {
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

}  // namespace

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
  if (IsDigit(Byte(s.last())) && IsDigit(Byte(c1))) {
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
  if (IsAsciiUpper(Byte(w[0])) && c1 == 's' && c2 == ' ') {
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
  if (IsAsciiUpper(Byte(c1))) {
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
      if (IsAsciiLower(Byte(*q))) break;
    }
  }
  // Punctuation right after the mark stands as a token; markup, entities
  // and the sentinel are left to their own steps.
  if (IsAsciiPunct(Byte(c1)) && c1 != '<' && c1 != '&' && c1 != '@') {
    s.p += 2;
    AddLiteral(s, std::string_view(&c1, 1), 115);
    return;
  }
  ++s.p;
}
