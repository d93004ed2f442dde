#include "editor/source_write.h"

#include <cstdio>
#include <string_view>

#include "editor/render.h"
#include "editor/text_chars.h"

namespace editor {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);
constexpr std::string_view kSectionStart = "<![CDATA[";
constexpr std::string_view kSectionEnd = "]]>";
constexpr std::string_view kEmptySection = "<![CDATA[]]>";

class SourceWriter {
 public:
  explicit SourceWriter(const Document& doc)
      : doc_(doc), source_(doc.source), text_(doc.source.text), encoding_(doc.source.encoding) {}

  std::string Write() {
    out_.reserve(text_.size() + text_.size() / 8);
    out_.append(text_.substr(0, source_.prologEnd));
    prevEnd_ = source_.prologEnd;
    const std::size_t size = doc_.Size();
    for (std::size_t i = 0; i < size; ++i) {
      const Item& item = doc_.At(i);
      if (item.source == kNoSource)
        i = WriteFresh(i);
      else
        i = WriteKept(i);
    }
    CloseCdata();
    out_.append(text_.substr(source_.epilogBegin));
    return std::move(out_);
  }

 private:
  void CloseCdata() {
    if (!inCdata_) return;
    out_ += "]]>";
    inCdata_ = false;
  }

  // What stood between the item written last and this one when they were
  // neighbours in the file. Else the CDATA delimiters that stood right
  // before this item (empty sections too), as far as they fit the state
  // written so far; else only what keeps a CDATA section whole.
  void Join(const Item& item) {
    const std::size_t begin = item.source;
    if (prevEnd_ != begin) {
      auto glue = source_.glue.find(item.source);
      const bool hasGlue = glue != source_.glue.end() && glue->second <= begin;
      bool neighbours = false;
      if (prevEnd_ != kNone && prevEnd_ < begin) neighbours = hasGlue && glue->second == begin - prevEnd_;
      std::string_view before = hasGlue ? text_.substr(begin - glue->second, glue->second) : std::string_view();
      const bool closes = before.starts_with(kSectionEnd), opens = before.starts_with(kSectionStart);
      if (neighbours) {
        out_.append(text_.substr(prevEnd_, begin - prevEnd_));
      } else if ((closes && inCdata_) || (opens && !inCdata_)) {
        out_.append(before);
      } else if (closes) {
        // Markup written afresh closed the section already: the empty
        // sections after its end stay. Markup put between two sections of
        // the file ("<![CDATA[a]]><![CDATA[b]]>") opens the second with an
        // empty one more, which tells, once that markup is gone, that they
        // were two: a section that markup only divides is one again.
        if (item.inCdata) out_ += kEmptySection;
        out_.append(before.substr(kSectionEnd.size()));
      } else if (inCdata_ && item.inCdata && before.starts_with(kEmptySection) &&
                 before.substr(kEmptySection.size()).starts_with(kSectionStart)) {
        out_ += kSectionEnd;
        out_.append(before.substr(kEmptySection.size()));
      } else if (inCdata_ && !item.inCdata) {
        out_ += kSectionEnd;
        if (opens) out_.append(before);  // empty sections after a divided one
      } else if (!inCdata_ && item.inCdata) {
        out_ += kSectionStart;
      }
    }
    inCdata_ = item.inCdata;
  }

  std::size_t WriteKept(std::size_t i) {
    const Item& item = doc_.At(i);
    Join(item);
    std::string_view raw = text_.substr(item.source, item.sourceLength);
    prevEnd_ = item.source + item.sourceLength;
    if (item.kind == ItemKind::StartTag && raw.size() >= 2 && raw.substr(raw.size() - 2) == "/>") {
      // Written as <name/>: whole while the element is still empty, else
      // opened with the same attributes as written.
      if (i + 1 < doc_.Size()) {
        const Item& next = doc_.At(i + 1);
        if (next.kind == ItemKind::EndTag && next.value == item.value && next.source == prevEnd_) {
          out_.append(raw);
          return i + 1;
        }
      }
      out_.append(raw.substr(0, raw.size() - 2));
      out_ += '>';
      return i;
    }
    if (item.kind == ItemKind::Char && raw == ">" && out_.size() >= 2 &&
        out_.compare(out_.size() - 2, 2, "]]") == 0) {
      // "]]>" may not stand in text, nor inside CDATA, which it would end;
      // an edit can bring "]]" before a '>'.
      out_ += item.inCdata ? "]]><![CDATA[>" : "&gt;";
      return i;
    }
    if (item.kind == ItemKind::EndTag && raw.empty()) {
      // The end of an element written as <name/> that has content now.
      out_ += EndMarkup(doc_, item.value, MarkupStyle::File);
      return i;
    }
    out_.append(raw);
    return i;
  }

  // A character put into a CDATA section in place of its text: written
  // there as itself; one the encoding cannot hold stands between two
  // sections as a character reference.
  void WriteFreshInCdata(const Item& item) {
    const char32_t c = item.value;
    if (!encoding_.Holds(c)) {
      CloseCdata();
      char ref[16];
      std::snprintf(ref, sizeof ref, "&#%u;", static_cast<unsigned>(c));
      out_ += ref;
      return;
    }
    if (!inCdata_) out_ += "<![CDATA[";
    inCdata_ = true;
    // "]]>" would end the section early.
    if (c == '>' && out_.size() >= 2 && out_.compare(out_.size() - 2, 2, "]]") == 0) out_ += "]]><![CDATA[";
    AppendUtf8(out_, c);
  }

  std::size_t WriteFresh(std::size_t i) {
    const Item& item = doc_.At(i);
    if (item.kind == ItemKind::Char && item.inCdata) {
      prevEnd_ = kNone;
      WriteFreshInCdata(item);
      return i;
    }
    CloseCdata();
    std::size_t end = i + 1;
    if (item.kind == ItemKind::StartTag && end < doc_.Size()) {
      const Item& next = doc_.At(end);
      if (next.kind == ItemKind::EndTag && next.value == item.value && next.source == kNoSource) ++end;
    }
    prevEnd_ = kNone;
    if (encoding_.HoldsAll()) {
      RenderRange(doc_, i, end, MarkupStyle::File, out_);
      return end - 1;
    }
    std::string fresh;
    RenderRange(doc_, i, end, MarkupStyle::File, fresh);
    // Characters the file's encoding cannot hold: a reference where markup
    // reads one, else a question mark (inside instructions and comments). A
    // marker's attributes are read back as attributes, references and all,
    // so that its advice keeps its signs.
    const bool references = item.kind == ItemKind::Char || item.kind == ItemKind::StartTag;
    for (char32_t c : DecodeUtf8(fresh)) {
      if (encoding_.Holds(c)) {
        AppendUtf8(out_, c);
      } else if (references) {
        char ref[16];
        std::snprintf(ref, sizeof ref, "&#%u;", static_cast<unsigned>(c));
        out_ += ref;
      } else {
        out_ += '?';
      }
    }
    return end - 1;
  }

  const Document& doc_;
  const SourceText& source_;
  std::string_view text_;
  EncodingTest encoding_;
  std::string out_;
  std::size_t prevEnd_ = 0;  // kNone after an item written afresh
  bool inCdata_ = false;
};

}  // namespace

bool WriteFromSource(const Document& doc, std::string* bytes) {
  std::string utf8 = SourceWriter(doc).Write();
  return EncodeSource(doc.source, utf8, bytes);
}

}  // namespace editor
