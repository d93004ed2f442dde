// The tokenizer's steps for the Windows-1252 characters of its table and the
// remaining characters.
#include "engine/signs_read_as.h"
#include "engine/tokenizer_scan.h"
#include "platform/wide_text.h"

namespace {

// ---- code-page characters ---------------------------------------------------

void ScanFraction(Scan& s, std::string_view name) {
  ++s.p;
  Discard(s);
  AddLiteral(s, name, 9);
}

void ScanDegree(Scan& s) {
  const char c1 = Peek(s, 1);
  ++s.p;
  if (!IsDigit(Byte(s.last()))) return;
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
  Append(s, SignReadAs(0xD7));
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
  const unsigned char c1 = Byte(Peek(s, 1));
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

}  // namespace

void ScanSymbol(Scan& s) {
  const unsigned char c = Byte(*s.p);
  switch (c) {
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
    case 0xB1: case 0xB7: case 0x96: AppendAndMove(s, SignReadAs(c)); return;
    case 0xD7: ScanTimes(s); return;
    case 0xB5: case 0xBA: ScanMicro(s); return;
    case 0x80: case 0xA3: case 0xA5: AppendAndMove(s, static_cast<char>(c)); return;
    // A letter the code page cannot hold (the substitute the reading wrote
    // for it: a Greek or Cyrillic letter, the ohm sign) is a letter of its
    // word, which is then at most an unknown word: the sentence round it
    // keeps its shape and its findings.
    case static_cast<unsigned char>(kSubstituteChar): AppendAndMove(s, kSubstituteChar); return;
    default:
      // Control characters are passed over. '~', superscripts and punctuation
      // not named elsewhere are too, but they end the word in progress: a
      // word joined across them (bin\ant, registry=https) or a mark of the
      // next word's start taken over them (a trade mark sign before a blank)
      // would name text the document does not hold, which no marker finds.
      if (c >= 0x20 && c != 0x7F) Flush(s, s.pendingKind);
      ++s.p;
      return;
  }
}
