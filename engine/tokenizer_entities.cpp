// The tokenizer's entity step: a character entity continues, ends or
// replaces the word in progress, as the entity table says.
#include "engine/entity_table.h"
#include "engine/tokenizer_scan.h"

namespace {

bool BetweenDigits(const Scan& s, char after) {
  return IsDigit(Byte(s.last())) && IsDigit(Byte(after));
}

void Apply(Scan& s, const EntityRow& row, char after) {
  switch (row.action) {
    case EntityAction::kDrop:
      // Like a character passed over, it ends the word in progress.
      Flush(s, s.pendingKind);
      break;
    case EntityAction::kAppend:
      AppendText(s, row.token);
      break;
    case EntityAction::kAppendAsWritten:
      break;  // the caller keeps the reference itself
    case EntityAction::kAddWord:
      Flush(s, row.kind);
      break;
    case EntityAction::kReplaceWord:
      Discard(s);
      AddLiteral(s, row.token, row.kind);
      break;
    case EntityAction::kAddWordThenToken:
      Flush(s, row.kind);
      AddLiteral(s, row.token, row.tokenKind);
      break;
    case EntityAction::kDiscardWord:
      Discard(s);
      break;
    case EntityAction::kDigitsOrSplit:
      if (!BetweenDigits(s, after)) Flush(s, row.kind);
      AppendText(s, row.token);
      break;
    case EntityAction::kDigitsOrAddWord:
      if (BetweenDigits(s, after))
        AppendText(s, row.token);
      else
        Flush(s, row.kind);
      break;
    case EntityAction::kEndSentence:
      AddLiteral(s, ".", 9);
      s.wordNo = 0;
      break;
    case EntityAction::kAppendAndAddWord:
      AppendText(s, row.token);
      Flush(s, row.kind);
      break;
    case EntityAction::kDiscardAfterMOrAddWord:
      if (s.last() == 'm' || s.last() == 'M')
        Discard(s);
      else
        Flush(s, row.kind);
      break;
  }
}

// What a dropped entity covers: up to its ';', or, without one, the '&' and
// the name characters after it, so that a lone '&' takes no text with it.
std::size_t DroppedLength(const char* at) {
  if (std::size_t whole = EntityLength(at)) return whole;
  std::size_t i = 1;
  while (IsLetterOrDigit(Byte(at[i])) || at[i] == '#') ++i;
  return i;
}

// An entity that the document keeps as a reference, inside a word: the word
// keeps the reference as written, so that the word is read whole and its
// finding's search finds it (the reference is one character there).
bool KeepInWord(Scan& s, std::size_t whole) {
  if (s.length == 0 && !IsLetterOrDigit(Byte(s.p[whole]))) return false;
  AppendText(s, std::string_view(s.p, whole));
  s.p += whole;
  return true;
}

}  // namespace

void ScanEntity(Scan& s) {
  const EntityContext context{s.word(), Before(s, s.p)};
  std::size_t consumed = 0;
  const std::size_t whole = EntityLength(s.p);
  if (const EntityRow* row = MatchEntity(s.p, context, &consumed)) {
    if (row->action == EntityAction::kAppendAsWritten) {
      if (!KeepInWord(s, whole)) s.p += whole;
      return;
    }
    const char after = s.p[consumed];
    Apply(s, *row, after);
    s.p += consumed;
    return;
  }
  if (whole > 0 && IsTableEntity(std::string_view(s.p, whole))) {
    // A known entity where none of its rows applies is dropped. The words
    // on either side of it do not stand together in the text: a search for
    // both would not find them.
    Flush(s, s.pendingKind);
    s.p += whole;
    s.markupSeen = true;
    return;
  }
  if (whole > 0 && s.p[1] != '#') {
    // Any other entity reference is a name the document declares elsewhere
    // (a product, a host, a file): it is read as a word, or as part of the
    // word it stands in, written as the reference, so that its finding is
    // marked on the whole reference. Its ';' is part of it.
    AppendText(s, std::string_view(s.p, whole));
    s.p += whole;
    return;
  }
  if (whole > 0) {
    // A character reference stands for one character of the document:
    // kept inside a word, passed over between words, and then the words on
    // either side of it do not stand together.
    if (!KeepInWord(s, whole)) {
      s.p += whole;
      s.markupSeen = true;
    }
    return;
  }
  if (IsReadOnGroup(Peek(s, 1))) {
    // An unknown entity of these groups loses its '&'; the rest is text.
    ++s.p;
    return;
  }
  Discard(s);
  s.p += DroppedLength(s.p);
}
