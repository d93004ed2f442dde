// The tokenizer's markup step: comments, processing instructions and tags
// are skipped, some elements become placeholder tokens, and the closing
// tags of block elements end the sentence.
#include <iterator>
#include <string>
#include <type_traits>

#include "engine/data_module_head.h"
#include "engine/markup_end.h"
#include "engine/tag_tables.h"
#include "engine/tokenizer.h"
#include "engine/tokenizer_scan.h"
#include "engine/word_rec.h"
#include "module/app_settings.h"
#include "platform/bounded_text.h"

namespace {

// After these a '<' is an operator and stays text.
bool IsOperatorFollower(char c) {
  return c == ' ' || c == '*' || c == '+' || c == '<' || c == '=' || c == '@' || c == '-' ||
         c == '\xB1';
}

bool IsOpeningTag(std::string_view tag) {
  return tag.size() > 1 && tag[1] != '/' && tag[1] != '?' && tag[1] != '!';
}

bool IsBoldOrUnderline(std::string_view tag) {
  return EqualsNoCase(tag, "<b>") || EqualsNoCase(tag, "<b >") || EqualsNoCase(tag, "<u >") ||
         EqualsNoCase(tag, "<u>");
}

// The markup at the cursor, read to its '>' (line feeds become blanks in the
// text) and kept by its first 251 characters.
struct Markup {
  char text[kTagMax + 1] = {};
  std::size_t length = 0;
  char* start = nullptr;  // the '<'
  char* end = nullptr;    // after the '>', or where the text ends
  std::string_view view() const { return {text, length}; }
  // "<name .../>", however long the tag.
  bool closesItself() const { return end - start >= 3 && end[-1] == '>' && end[-2] == '/'; }
};

bool AtTextEnd(const char* q) { return *q == '\0' || AtSentinel(q); }

void ReadMarkup(Scan& s, Markup* m) {
  m->start = s.p;
  m->end = MarkupEnd(s.p, AtTextEnd);
  for (char* q = s.p; q < m->end; ++q) {
    if (*q == '\n') *q = ' ';
    if (m->length < kTagMax) m->text[m->length++] = *q;
  }
  m->text[m->length] = '\0';
}

// The closing tag to look for next.
void LookFor(std::string_view closing) {
  Tokenizer.endTagCut = !Tokenizer.endTag.assign(closing);
}

// True where a tag's name, read up to `c`, ends: `c` is no character of an
// XML name ("</dmRef>", not "</dmRefIdent>").
bool NameEndsAt(char c) {
  const unsigned char b = Byte(c);
  return !(IsLetterOrDigit(b) || b >= 0x80 || CharIn(c, "-_.:"));
}

// True where the end tag in the buffer, found at `at`, is the element's own.
bool EndTagEndsAt(const char* at) {
  return Tokenizer.endTagCut || NameEndsAt(at[Tokenizer.endTag.view().size()]);
}

// The end tag in the end-tag buffer at or after `from`, or null. With `to`,
// only an end tag that begins no later than `to` is found.
char* FindEndTag(Scan& s, char* from, const char* to = nullptr) {
  const std::string_view tag = Tokenizer.endTag.view();
  Scan::MissedTag* const list = to ? s.missedBefore : s.missed;
  std::size_t& count = to ? s.missedBeforeCount : s.missedCount;
  constexpr std::size_t kSize = std::extent_v<decltype(Scan::missed)>;
  for (std::size_t i = 0; i < count && i < kSize; ++i)
    if (list[i].from <= from && (!list[i].to || (to && to <= list[i].to)) && EqualsNoCase(list[i].tag, tag) &&
        list[i].cut == Tokenizer.endTagCut)
      return nullptr;
  char* at = nullptr;
  if (!to) {
    at = FindBeforeEnd(from, tag);
    while (at && !EndTagEndsAt(at)) at = FindBeforeEnd(at + 1, tag);
  } else {
    for (char* q = from; q <= to && *q && !AtSentinel(q) && !at; ++q)
      if (TextStartsWithNoCase(q, tag) && EndTagEndsAt(q)) at = q;
  }
  if (!at) {
    Scan::MissedTag& miss = list[count++ % kSize];
    CopyBounded(miss.tag, sizeof miss.tag, tag);
    miss.cut = Tokenizer.endTagCut;
    miss.from = from;
    miss.to = to;
  }
  return at;
}

// True when the closing tag at `q` closes a paragraph, or any block: it
// ends a sentence (judged on what the closing-tag step reads of it).
bool ClosesParagraph(const char* q) {
  char head[kTagMax + 1] = {};
  std::size_t n = 0;
  while (n < kTagMax && *q && !AtSentinel(q)) {
    head[n++] = *q == '\n' ? ' ' : *q;
    if (*q++ == '>') break;
  }
  return EndsSentence({head, n});
}

// The first closing tag of a paragraph at or after `from`, or null. The
// cursor only moves on, and the answer holds for every later start up to
// it, so each search begins past the last answer: the text is read once for
// all of them.
char* NextParagraphEnd(Scan& s, char* from) {
  if (s.paragraphEndFrom && s.paragraphEndFrom <= from && (!s.paragraphEnd || from <= s.paragraphEnd))
    return s.paragraphEnd;
  char* q = from;
  while (*q && !AtSentinel(q) && !(q[0] == '<' && q[1] == '/' && ClosesParagraph(q))) ++q;
  s.paragraphEndFrom = from;
  s.paragraphEnd = (*q && !AtSentinel(q)) ? q : nullptr;
  return s.paragraphEnd;
}

// An inline element's closing tag, or null when its content is to be read:
// the closing tag never comes, or a paragraph closes first. The first
// closing tag of the name is the one the skip moves to, nested or not, so
// the content up to it is judged; the element's own closing tag may end a
// sentence itself. The search for it stops at that paragraph end.
char* InlineClosingTag(Scan& s, char* from) {
  return FindEndTag(s, from, NextParagraphEnd(s, from));
}

// Moves past an element whose content is not checked: to the closing tag in
// the end-tag buffer, after a placeholder token. An element that closes
// itself has no content; one whose closing tag never comes (or, for an
// inline element, one that holds a paragraph) is skipped only as far as its
// own '>'.
void SkipElement(Scan& s, const Markup& m, std::string_view placeholder, bool inlineElement = false) {
  if (m.closesItself()) {
    AddLiteral(s, placeholder, 9);
    s.p = m.end;
    return;
  }
  char* closing = inlineElement ? InlineClosingTag(s, m.end) : FindEndTag(s, m.end);
  if (!closing) {
    s.p = m.end;
    return;
  }
  AddLiteral(s, placeholder, 9);
  s.p = closing;
}

// A comment is skipped to its "-->" and ends the sentence's numbering.
void SkipComment(Scan& s, const Markup& m) {
  Flush(s, 9);
  ClearPending(s);
  s.p = m.end;
  s.wordNo = 0;
}

// The editor's own processing instructions.
void ScanPubInstruction(Scan& s, const Markup& m) {
  Flush(s, 0);
  ClearPending(s);
  if (!StartsWithNoCase(m.view(), "<?Pub _bookmark") && StartsWithNoCase(m.view(), "<?Pubref")) {
    AddLiteral(s, "<ref>", 9);
    LookFor("</pubref");
    char* closing = FindEndTag(s, m.end);
    s.p = closing ? closing : m.end;
    return;
  }
  s.p = m.end;
}

// The closing tag of an element skipped by its name: "</" and the name.
void LookForClosingTag(std::string_view tag) {
  LookFor("</" + std::string(OpeningTagName(tag)));
}

// The closing tag of an element whose content is skipped: the table's, or
// the element's own where its name runs on past the table's ("<graphicco>"
// opened by "<graphic"); a reference's own.
void LookForSkippedClosingTag(std::string_view tag, std::string_view closing) {
  if (!closing.empty() && OpeningTagName(tag).size() + 2 <= closing.size())
    LookFor(closing);
  else
    LookForClosingTag(tag);
}

// Code and literal computer text: one placeholder, whatever the element holds.
bool TryCodeElement(Scan& s, const Markup& m) {
  if (!IsCodeElement(m.view())) return false;
  Flush(s, 0);
  ClearPending(s);
  LookForClosingTag(m.view());
  SkipElement(s, m, "<Ref>");
  return true;
}

// Where the element opened by `name` at `from` closes: its own closing tag,
// past the elements of the same name nested in it; null when it never
// comes.
char* MatchingClosingTag(char* from, std::string_view name) {
  int depth = 0;
  for (char* q = from; *q && !AtSentinel(q); ++q) {
    if (*q != '<') continue;
    const bool closing = q[1] == '/';
    char* at = q + (closing ? 2 : 1);
    if (!TextStartsWithNoCase(at, name) || !NameEndsAt(at[name.size()])) continue;
    if (closing) {
      if (depth-- == 0) return q;
      continue;
    }
    const char* gt = MarkupEnd(q, AtTextEnd);
    if (gt - q >= 2 && gt[-1] == '>' && gt[-2] != '/') ++depth;
  }
  return nullptr;
}

// The opening tag of the writer's prose in metadata at or after `from`, or
// the metadata's end: what stands before it is names, dates and numbers.
// Comments and instructions are passed over whole.
char* NextMetadataProse(char* from, char* end) {
  for (char* q = from; q < end; ++q) {
    if (*q != '<') continue;
    if (OpensMetadataProse({q, static_cast<std::size_t>(end - q)})) return q;
    q = MarkupEnd(q, AtTextEnd) - 1;
  }
  return end;
}

// Metadata of which only the writer's prose is read: the scan goes on at
// its first prose element, and from the end of each at the next
// (ScanClosingTag), or at the metadata's end. One whose end never comes is
// read whole.
bool TryProseOnlyMetadata(Scan& s, const Markup& m) {
  if (m.closesItself() || !OpensProseOnlyMetadata(m.view())) return false;
  char* end = MatchingClosingTag(m.end, OpeningTagName(m.view()));
  if (!end) return false;
  Flush(s, 0);
  ClearPending(s);
  s.proseOnlyEnd = end;
  s.p = NextMetadataProse(m.end, end);
  return true;
}

// Index entries and notes to writers: skipped whole, closing tag included,
// and no word stands for them. An article before one still stands before
// the next word.
bool TryAsideElement(Scan& s, const Markup& m) {
  if (!IsAsideElement(m.view())) return false;
  const bool mark = s.pendingMark && s.length == 0;
  Flush(s, 0);
  ClearPending(s);
  s.pendingMark = mark;
  s.p = m.end;
  if (m.closesItself()) return true;
  if (char* closing = MatchingClosingTag(m.end, OpeningTagName(m.view()))) {
    Markup end;
    s.p = closing;
    ReadMarkup(s, &end);
    s.p = end.end;
    s.elementEnd = end.end;
  }
  return true;
}

// An inline element: one placeholder for its content, unless that holds a
// paragraph (inline elements hold names, codes and labels, so such an
// element is read as text).
bool TryInlineElement(Scan& s, const Markup& m) {
  std::string_view tag = m.view();
  if (!IsOpeningTag(tag) || tag.size() >= 30) return false;
  if (tag.back() == '>') tag.remove_suffix(1);
  char bare[32] = {};
  tag.copy(bare, tag.size());
  if (IsInlineTag(bare) != 1) return false;
  Flush(s, 0);
  ClearPending(s);
  LookForClosingTag(tag);
  SkipElement(s, m, "<Ref>", true);
  return true;
}

// With warnings hidden, a warning element becomes one placeholder that
// names its opening tag, cut to the token's field.
bool TryHiddenWarning(Scan& s, const Markup& m) {
  if (Settings.app.showWarnings != 0) return false;
  const std::string_view closing = WarningClosingTag(m.view());
  if (closing.empty()) return false;
  Flush(s, 0);
  ClearPending(s);
  char placeholder[kTokenMax + 1];
  FormatBounded(placeholder, sizeof placeholder, "<Ref_[%s]>", m.text);
  AddLiteral(s, placeholder, 0);
  LookFor(closing);
  char* at = FindEndTag(s, m.end);
  s.p = at ? at : m.end;
  return true;
}

// The mark that ends the list, a block's full stop or the writer's own
// mark before it, stands for the block's end.
void MarkBlockEnd() {
  if (WordList.tail && SentenceEnded()) WordList.tail->endsBlock = true;
}

// A block ends here: the word in progress is added and a full stop ends
// its sentence (a full stop the list ends with already stands for it).
void AddBlockEnd(Scan& s) {
  Flush(s, 9);
  ClearPending(s);
  s.wordNo = 0;
  AddLiteral(s, ".", 9);
  s.wordNo = 1;
  MarkBlockEnd();
}

// Ends the block's sentence in progress. Where nothing was read since the
// last sentence end (a full stop, a colon...), nothing is added.
void EndSentenceHere(Scan& s) {
  if (s.length != 0 || !SentenceEnded())
    AddBlockEnd(s);
  else
    MarkBlockEnd();
}

// Text right before a block's start tag ends its sentence, as at the
// block's end: the block's words are no part of it ("<li>Stop the
// pump<ul><li>..."). A block that closes itself holds no text and divides
// none.
void EndSentenceBeforeBlock(Scan& s, const Markup& m) {
  if (!IsOpeningTag(m.view()) || m.closesItself() || !OpensBlockElement(m.view())) return;
  // Its end tag names no placement: where it stands is kept for the
  // closing-tag step.
  if (OpensBreakImage(m.view())) s.breakImageEnd = MatchingClosingTag(m.end, OpeningTagName(m.view()));
  EndSentenceHere(s);
}

// A closing tag; block elements end the sentence, code blocks and images
// placed as blocks among them; inline code and inline elements do not
// ("</parameter>", "</ph>" are no "</p...>" block end).
void ScanClosingTag(Scan& s, const Markup& m) {
  Flush(s, 9);
  ClearPending(s);
  if (EndsSentence(m.view()) || (s.breakImageEnd && m.start == s.breakImageEnd)) AddBlockEnd(s);
  s.p = m.end;
  if (!s.proseOnlyEnd) return;
  if (m.start >= s.proseOnlyEnd) s.proseOnlyEnd = nullptr;
  else if (ClosesMetadataProse(m.view())) s.p = NextMetadataProse(m.end, s.proseOnlyEnd);
}

}  // namespace

void PassOverStretch(Scan& s) {
  AddBlockEnd(s);
  // A step may have read on into the stretch; the scan never goes back.
  while (s.passOver != s.passOverEnd && s.At(s.passOver->begin) <= s.p) {
    char* end = s.At(s.passOver->end);
    if (end > s.p) s.p = end;
    ++s.passOver;
  }
  s.nextPassOver = s.passOver != s.passOverEnd ? s.At(s.passOver->begin) : nullptr;
  s.markupSeen = true;
}

namespace {

// Structural markup is skipped.
void SkipMarkup(Scan& s, const Markup& m) {
  Flush(s, 0);
  ClearPending(s);
  s.p = m.end;
}

// Anything else is skipped. An article dropped just before it still stands
// before the next word ("the <phrase>following</phrase>"): that word keeps
// its mark, so that no rule asks for the article again and no finding
// covers words the text does not hold side by side.
void SkipOtherMarkup(Scan& s, const Markup& m) {
  const bool mark = s.pendingMark && s.length == 0;
  Flush(s, 0);
  ClearPending(s);
  s.pendingMark = mark;
  s.p = m.end;
}

// A data module opens or closes: the names that S1000D and DocBook use in
// two ways are read as S1000D's inside it.
void NoteDataModule(const Markup& m) {
  const std::string_view tag = m.view();
  if (IsOpeningTag(tag) && !m.closesItself() && OpeningTagName(tag) == kDataModuleElement) {
    ++DocumentKind.dataModulesOpen;
  } else if (DocumentKind.dataModulesOpen > 0 && ClosingTagName(tag) == kDataModuleElement) {
    --DocumentKind.dataModulesOpen;
  }
}

// Only blanks stand before `at` in the text.
bool OpensTheText(const Scan& s, const char* at) {
  for (const char* q = s.text; q < at; ++q)
    if (!IsSpace(*q) && *q != '\r') return false;
  return true;
}

// A data module inside the text is read as one checked alone: from its
// content on, so that its identification and status draw no finding and
// its content's first sentence starts as the module's own. The module that
// opens the text is the element under check, which is read whole; so is a
// module without content, as one alone is.
bool TrySkipDataModuleHead(Scan& s, const Markup& m) {
  const std::string_view tag = m.view();
  if (!IsOpeningTag(tag) || m.closesItself() || OpeningTagName(tag) != kDataModuleElement ||
      OpensTheText(s, m.start))
    return false;
  char* text = DataModuleTextStart(m.end, AtTextEnd);
  if (!text) return false;
  EndSentenceHere(s);
  Flush(s, 0);
  ClearPending(s);
  s.p = text;
  return true;
}

}  // namespace

void ScanMarkup(Scan& s) {
  if (IsOperatorFollower(Peek(s, 1))) {
    Append(s, '<');
    ++s.p;
    return;
  }
  // Whatever the markup becomes, the word after it does not stand next to
  // the word before it in the document's text. Noted once the road below has
  // flushed the word in progress, so that only the next word is marked.
  struct NoteMarkup {
    Scan& s;
    ~NoteMarkup() { s.markupSeen = true; }
  } note{s};
  Markup m;
  ReadMarkup(s, &m);
  // Where the scan goes on right after an element's end, a sign there
  // follows the element.
  struct NoteElementEnd {
    Scan& s;
    const Markup& m;
    ~NoteElementEnd() {
      const std::string_view tag = m.view();
      const bool element = tag.size() > 1 && tag[1] != '!' && tag[1] != '?';
      if (element && s.p == m.end && (tag[1] == '/' || m.closesItself())) s.elementEnd = m.end;
    }
  } elementEnd{s, m};
  // The kinds of markup are tried in this order.
  const std::string_view tag = m.view();
  NoteDataModule(m);
  if (TrySkipDataModuleHead(s, m)) return;

  if (StartsWithNoCase(tag, "<!--")) {
    SkipComment(s, m);
    return;
  }
  if (StartsWithNoCase(tag, "<?Pub")) {
    ScanPubInstruction(s, m);
    return;
  }
  EndSentenceBeforeBlock(s, m);
  // Known by their whole names, before any prefix ("<parmname" begins
  // like the structural "<par").
  if (TryProseOnlyMetadata(s, m)) return;
  if (TryAsideElement(s, m)) return;
  if (TryCodeElement(s, m)) return;
  if (IsStructuralTag(tag)) {
    SkipMarkup(s, m);
    return;
  }
  // Markup shorter than four characters is neither skipped content nor inline.
  if (tag.size() >= 4) {
    // A reference stands in its sentence as one placeholder, whatever
    // parts of it are written out.
    const std::string_view closing = SkippedContentClosingTag(tag);
    if (!closing.empty() || IsReferenceElement(tag)) {
      Flush(s, 9);
      ClearPending(s);
      LookForSkippedClosingTag(tag, closing);
      SkipElement(s, m, "<ref>");
      return;
    }
    if (EqualsNoCase(tag, "<?sr?>")) {
      Flush(s, 9);
      ClearPending(s);
      s.p = m.end;
      return;
    }
    if (TryInlineElement(s, m)) return;
  }
  if (TryHiddenWarning(s, m)) return;
  if (IsBoldOrUnderline(tag)) {
    Flush(s, 0);
    ClearPending(s);
    // Where the sentence has a word; the count after a block's end says
    // so, but no word stands before it there, nor where a block opens the
    // text.
    if (s.wordNo > 0 && WordList.tail && !WordList.tail->endsBlock) AddLiteral(s, "<ref>", 9);
    ClearPending(s);
    s.p = m.end;
    return;
  }
  if (tag.size() > 1 && tag[1] == '/') {
    ScanClosingTag(s, m);
    return;
  }
  SkipOtherMarkup(s, m);
}
