#include "editor/source_scan.h"

#include "editor/markup_text.h"

namespace editor {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The character whose UTF-8 form starts at s[i], and that form's length;
// false for a malformed sequence.
bool DecodeAt(std::string_view s, std::size_t i, char32_t* c, std::size_t* length) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  std::size_t n = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || i + n > s.size()) return false;
  char32_t value = n == 1 ? b0 : n == 2 ? (b0 & 0x1F) : n == 3 ? (b0 & 0x0F) : (b0 & 0x07);
  for (std::size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return false;
    value = (value << 6) | (b & 0x3F);
  }
  *c = value;
  *length = n;
  return true;
}

}  // namespace

SourceScanner::SourceScanner(SourceText& source) : source_(source), text_(source.text) {}

std::size_t SourceScanner::After(std::string_view close, std::size_t from) const {
  std::size_t at = text_.find(close, from);
  return at == std::string_view::npos ? at : at + close.size();
}

void SourceScanner::SkipGlue() {
  if (depth_ > 0) {
    while (true) {
      if (inCdata_ && StartsWith("]]>")) {
        p_ += 3;
        inCdata_ = false;
      } else if (!inCdata_ && StartsWith("<![CDATA[")) {
        p_ += 9;
        inCdata_ = true;
      } else {
        return;
      }
    }
  }
  if (first_ && p_ == 0) {
    if (StartsWith("\xEF\xBB\xBF")) p_ += 3;
    if (StartsWith("<?xml") && p_ + 5 < text_.size() && IsBlank(text_[p_ + 5])) {
      std::size_t end = After("?>", p_);
      if (end == std::string_view::npos) {
        Fail();
        return;
      }
      p_ = end;
    }
  }
  while (p_ < text_.size() && IsBlank(text_[p_])) ++p_;
}

bool SourceScanner::Take(std::size_t end, SourceSpan* span) {
  if (end == std::string_view::npos || end > text_.size()) return Fail();
  if (first_) {
    source_.prologEnd = static_cast<std::uint32_t>(p_);
    first_ = false;
  } else if (p_ > lastEnd_) {
    source_.glue[static_cast<std::uint32_t>(p_)] = static_cast<std::uint32_t>(p_ - lastEnd_);
  }
  span->begin = static_cast<std::uint32_t>(p_);
  span->length = static_cast<std::uint32_t>(end - p_);
  span->inCdata = inCdata_;
  lastEnd_ = end;
  p_ = end;
  return true;
}

bool SourceScanner::Doctype(SourceSpan* span) {
  if (!ok_ || emptyOpen_ || depth_ > 0) return Fail();
  SkipGlue();
  if (!StartsWith("<!DOCTYPE")) return Fail();
  std::size_t q = p_ + 9;
  bool inSubset = false;
  while (q < text_.size()) {
    char c = text_[q];
    if (c == '"' || c == '\'') {
      q = text_.find(c, q + 1);
      if (q == std::string_view::npos) return Fail();
      ++q;
    } else if (inSubset && text_.substr(q, 4) == "<!--") {
      q = After("-->", q + 4);
      if (q == std::string_view::npos) return Fail();
    } else if (inSubset && text_.substr(q, 2) == "<?") {
      q = After("?>", q + 2);
      if (q == std::string_view::npos) return Fail();
    } else if (c == '[' && !inSubset) {
      inSubset = true;
      ++q;
    } else if (c == ']' && inSubset) {
      inSubset = false;
      ++q;
    } else if (c == '>' && !inSubset) {
      return Take(q + 1, span);
    } else {
      ++q;
    }
  }
  return Fail();
}

bool SourceScanner::Comment(SourceSpan* span) {
  if (!ok_ || emptyOpen_) return Fail();
  SkipGlue();
  if (inCdata_ || !StartsWith("<!--")) return Fail();
  return Take(After("-->", p_ + 4), span);
}

bool SourceScanner::Pi(SourceSpan* span) {
  if (!ok_ || emptyOpen_) return Fail();
  SkipGlue();
  if (inCdata_ || !StartsWith("<?")) return Fail();
  return Take(After("?>", p_ + 2), span);
}

bool SourceScanner::StartTag(std::string_view name, SourceSpan* span) {
  if (!ok_ || emptyOpen_) return Fail();
  SkipGlue();
  if (inCdata_ || !StartsWith("<") || text_.substr(p_ + 1, name.size()) != name) return Fail();
  std::size_t q = p_ + 1 + name.size();
  if (q >= text_.size() || !(IsBlank(text_[q]) || text_[q] == '/' || text_[q] == '>')) return Fail();
  while (q < text_.size() && text_[q] != '>') {
    char c = text_[q];
    if (c == '"' || c == '\'') {
      q = text_.find(c, q + 1);
      if (q == std::string_view::npos) return Fail();
    }
    ++q;
  }
  if (q >= text_.size()) return Fail();
  emptyOpen_ = text_[q - 1] == '/';
  ++depth_;
  return Take(q + 1, span);
}

bool SourceScanner::EndTag(SourceSpan* span) {
  if (!ok_ || depth_ == 0) return Fail();
  if (emptyOpen_) {
    // <name/>: the end is the empty text right after it.
    emptyOpen_ = false;
    --depth_;
    return Take(p_, span);
  }
  SkipGlue();
  if (inCdata_ || !StartsWith("</")) return Fail();
  --depth_;
  std::size_t close = text_.find('>', p_);
  return Take(close == std::string_view::npos ? close : close + 1, span);
}

bool SourceScanner::Char(char32_t c, SourceSpan* span) {
  if (!ok_ || emptyOpen_ || depth_ == 0) return Fail();
  SkipGlue();
  if (p_ >= text_.size()) return Fail();
  const char b = text_[p_];
  if (!inCdata_ && b == '<') return Fail();
  if (!inCdata_ && b == '&') {
    Reference ref = ParseReference(text_, p_);
    if (ref.kind != Reference::Char || ref.code != c) return Fail();
    return Take(p_ + ref.length, span);
  }
  if (b == '\r') {
    // A line end as written, CR LF or CR alone, reads as one line feed.
    if (c != '\n') return Fail();
    std::size_t end = p_ + 1;
    if (end < text_.size() && text_[end] == '\n') ++end;
    return Take(end, span);
  }
  char32_t read = 0;
  std::size_t length = 0;
  if (!DecodeAt(text_, p_, &read, &length) || read != c) return Fail();
  return Take(p_ + length, span);
}

bool SourceScanner::Entity(std::string_view name, SourceSpan* span) {
  if (!ok_ || emptyOpen_ || depth_ == 0) return Fail();
  SkipGlue();
  if (inCdata_) return Fail();
  Reference ref = ParseReference(text_, p_);
  if (ref.kind != Reference::Entity || ref.name != name) return Fail();
  return Take(p_ + ref.length, span);
}

bool SourceScanner::Finish() {
  if (!ok_ || first_ || emptyOpen_ || depth_ != 0 || inCdata_) return Fail();
  source_.epilogBegin = static_cast<std::uint32_t>(lastEnd_);
  while (p_ < text_.size() && IsBlank(text_[p_])) ++p_;
  if (p_ != text_.size()) return Fail();
  return true;
}

}  // namespace editor
