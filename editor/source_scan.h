#pragma once
// Finds, in the text a document was read from, the stretch each of its items
// was read from. The reader builds the items from the parser's tree and
// asks for each one's span in document order; the scanner follows along in
// the text. When the text does not hold what the reader asks for (which a
// well-formed document read as the reader reads it never does), the scanner
// fails for good and the document is written afresh.
#include <cstdint>
#include <string_view>

#include "editor/source_text.h"

namespace editor {

struct SourceSpan {
  std::uint32_t begin = 0;
  std::uint32_t length = 0;
  bool inCdata = false;
};

class SourceScanner {
 public:
  // `source.text` must outlive the scanner; its glue is filled as it goes.
  explicit SourceScanner(SourceText& source);

  bool Ok() const { return ok_; }
  // The span of the next item, by what the reader met; false on a mismatch.
  bool Doctype(SourceSpan* span);
  bool Comment(SourceSpan* span);
  bool Pi(SourceSpan* span);
  bool StartTag(std::string_view name, SourceSpan* span);
  bool EndTag(SourceSpan* span);
  bool Char(char32_t c, SourceSpan* span);
  bool Entity(std::string_view name, SourceSpan* span);
  // After the last item: only blanks may follow. Sets the prolog's end and
  // the epilog's start; false when the text holds more.
  bool Finish();

 private:
  bool Fail() { return ok_ = false; }
  bool StartsWith(std::string_view s) const { return text_.substr(p_, s.size()) == s; }
  // Passes over what lies between the last item and the next: blanks and
  // the declaration outside the root, CDATA delimiters inside it.
  void SkipGlue();
  // Records the span [p_, end) as the next item's and moves past it.
  bool Take(std::size_t end, SourceSpan* span);
  // Past the first `close` at or after `from`; npos when there is none.
  std::size_t After(std::string_view close, std::size_t from) const;

  SourceText& source_;
  std::string_view text_;
  std::size_t p_ = 0;
  std::size_t lastEnd_ = 0;
  bool first_ = true;
  bool ok_ = true;
  bool inCdata_ = false;
  bool emptyOpen_ = false;  // the last start tag closed itself: its end is empty
  int depth_ = 0;
};

}  // namespace editor
