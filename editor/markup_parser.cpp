#include "editor/markup_parser.h"

#include <cstdio>

#include "editor/markup_text.h"
#include "editor/render.h"
#include "editor/text_chars.h"

namespace editor {

namespace {

std::string CharName(char32_t c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
  return buf;
}

bool IsAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Instructions and comments cannot escape a carriage return; a reader
// would make a line feed of it, so it is one from the start.
std::string NormalizeLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out += text[i];
    } else {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
  }
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

class MarkupReader {
 public:
  MarkupReader(std::string_view text, Document& doc, std::vector<Item>* items)
      : s_(text), doc_(doc), items_(items) {}

  bool Run(std::string* error) {
    bool ok = Read();
    if (ok && !open_.empty()) ok = Fail("<" + doc_.NodeAt(open_.back()).name + "> is not closed");
    if (!ok) {
      for (NodeIndex n : created_) doc_.MutableNode(n).alive = false;
      items_->clear();
      if (error) *error = error_;
    }
    return ok;
  }

 private:
  bool Fail(std::string message) {
    error_ = std::move(message);
    return false;
  }

  bool StartsWith(std::string_view prefix) const { return s_.substr(i_, prefix.size()) == prefix; }

  bool Read() {
    while (i_ < s_.size()) {
      char c = s_[i_];
      if (c == '<') {
        if (!ReadMarkup()) return false;
      } else if (c == '&') {
        Reference ref = ParseReference(s_, i_);
        if (ref.kind == Reference::Char) {
          items_->push_back({ItemKind::Char, ref.code});
          i_ += ref.length;
        } else if (ref.kind == Reference::Entity) {
          items_->push_back({ItemKind::EntityRef, doc_.InternEntity(ref.name)});
          i_ += ref.length;
        } else {
          items_->push_back({ItemKind::Char, U'&'});
          ++i_;
        }
      } else if (!ReadChars()) {
        return false;
      }
    }
    return true;
  }

  // Characters up to the next '<' or '&'.
  bool ReadChars() {
    std::size_t end = i_;
    bool ascii = true;
    while (end < s_.size() && s_[end] != '<' && s_[end] != '&') {
      const unsigned char b = static_cast<unsigned char>(s_[end]);
      ascii = ascii && b < 0x80 && IsXmlChar(b);
      ++end;
    }
    if (ascii) {
      // ASCII that XML allows: each byte is one character.
      for (std::size_t k = i_; k < end; ++k) items_->push_back({ItemKind::Char, static_cast<unsigned char>(s_[k])});
      i_ = end;
      return true;
    }
    for (char32_t c : DecodeUtf8(s_.substr(i_, end - i_))) {
      if (!IsXmlChar(c)) return Fail("character " + CharName(c) + " cannot be held in an XML document");
      items_->push_back({ItemKind::Char, c});
    }
    i_ = end;
    return true;
  }

  bool ReadMarkup() {
    if (StartsWith("<?")) return ReadPi();
    if (StartsWith("<!--")) return ReadComment();
    if (StartsWith("<![CDATA[")) return ReadCdata();
    if (StartsWith("</")) return ReadEndTag();
    if (i_ + 1 < s_.size() && IsNameStart(static_cast<unsigned char>(s_[i_ + 1]))) return ReadStartTag();
    items_->push_back({ItemKind::Char, U'<'});  // a '<' that opens nothing is text
    ++i_;
    return true;
  }

  bool ReadPi() {
    std::size_t close = s_.find("?>", i_ + 2);
    if (close == std::string_view::npos) return Fail("a processing instruction is not closed");
    std::string_view body = s_.substr(i_ + 2, close - i_ - 2);
    i_ = close + 2;
    std::size_t t = 0;
    while (t < body.size() && !IsAsciiSpace(body[t])) ++t;
    std::string_view target = body.substr(0, t);
    std::size_t d = t;
    while (d < body.size() && IsAsciiSpace(body[d])) ++d;
    std::string_view data = body.substr(d);
    if (target == "Pub") {
      std::string_view marker(kMarkerName);
      std::string_view trimmed = data;
      while (!trimmed.empty() && IsAsciiSpace(trimmed.back())) trimmed.remove_suffix(1);
      if (trimmed == "/_touchup") return CloseElement(kMarkerName);
      if (data.substr(0, marker.size()) == marker &&
          (data.size() == marker.size() || IsAsciiSpace(data[marker.size()]))) {
        std::vector<Attribute> attributes;
        std::size_t p = marker.size();
        if (!ReadAttributes(data, &p, &attributes) || p != data.size())
          return Fail("the attributes of a marker cannot be read");
        OpenElement(kMarkerName, std::move(attributes));
        return true;
      }
    }
    return AddPi(target, data);
  }

  bool AddPi(std::string_view target, std::string_view data) {
    if (!IsNcName(target) || EqualsNoCase(target, "xml")) {
      std::string message = "\"";
      message += target;
      message += "\" cannot name a processing instruction";
      return Fail(message);
    }
    if (!AllXmlChars(data)) {
      for (char32_t c : DecodeUtf8(data))
        if (!IsXmlChar(c)) return Fail("character " + CharName(c) + " cannot be held in an XML document");
    }
    NodeIndex n = doc_.NewPi(std::string(target), NormalizeLineEnds(data));
    created_.push_back(n);
    items_->push_back({ItemKind::Pi, n});
    return true;
  }

  bool ReadComment() {
    std::size_t close = s_.find("-->", i_ + 4);
    if (close == std::string_view::npos) return Fail("a comment is not closed");
    std::string_view body = s_.substr(i_ + 4, close - i_ - 4);
    if (body.find("--") != std::string_view::npos || (!body.empty() && body.back() == '-'))
      return Fail("a comment holds \"--\"");
    for (char32_t c : DecodeUtf8(body))
      if (!IsXmlChar(c)) return Fail("character " + CharName(c) + " cannot be held in an XML document");
    items_->push_back({ItemKind::Markup, doc_.AddMarkup("<!--" + NormalizeLineEnds(body) + "-->")});
    i_ = close + 3;
    return true;
  }

  bool ReadCdata() {
    std::size_t close = s_.find("]]>", i_ + 9);
    if (close == std::string_view::npos) return Fail("a CDATA section is not closed");
    for (char32_t c : DecodeUtf8(s_.substr(i_ + 9, close - i_ - 9))) {
      if (!IsXmlChar(c)) return Fail("character " + CharName(c) + " cannot be held in an XML document");
      items_->push_back({ItemKind::Char, c});
    }
    i_ = close + 3;
    return true;
  }

  std::string ReadName() {
    std::size_t start = i_;
    while (i_ < s_.size() && !IsAsciiSpace(s_[i_]) && s_[i_] != '>' && s_[i_] != '/' && s_[i_] != '=')
      ++i_;
    return std::string(s_.substr(start, i_ - start));
  }

  void SkipSpace(std::string_view text, std::size_t* p) {
    while (*p < text.size() && IsAsciiSpace(text[*p])) ++*p;
  }

  // name="v", name='v' or name=v, up to '>' or '/' or the end of `text`.
  bool ReadAttributes(std::string_view text, std::size_t* p, std::vector<Attribute>* out) {
    while (true) {
      SkipSpace(text, p);
      if (*p >= text.size() || text[*p] == '>' || text[*p] == '/') return true;
      std::size_t start = *p;
      while (*p < text.size() && !IsAsciiSpace(text[*p]) && text[*p] != '=' && text[*p] != '>' &&
             text[*p] != '/')
        ++*p;
      std::string name(text.substr(start, *p - start));
      if (!IsNcName(name) || name == "xmlns") return false;
      for (const Attribute& a : *out)
        if (a.name == name) return false;
      SkipSpace(text, p);
      if (*p >= text.size() || text[*p] != '=') return false;
      ++*p;
      SkipSpace(text, p);
      if (*p >= text.size()) return false;
      std::string_view raw;
      if (text[*p] == '"' || text[*p] == '\'') {
        char quote = text[(*p)++];
        std::size_t close = text.find(quote, *p);
        if (close == std::string_view::npos) return false;
        raw = text.substr(*p, close - *p);
        *p = close + 1;
      } else {
        std::size_t begin = *p;
        while (*p < text.size() && !IsAsciiSpace(text[*p]) && text[*p] != '>') ++*p;
        raw = text.substr(begin, *p - begin);
      }
      if (!AllXmlChars(raw)) return false;
      out->push_back({std::move(name), NormalizeAttributeValue(raw)});
    }
  }

  bool ReadStartTag() {
    ++i_;
    std::string name = ReadName();
    if (!IsNcName(name)) return Fail("<" + name + " cannot start an element");
    std::vector<Attribute> attributes;
    std::size_t p = i_;
    if (!ReadAttributes(s_, &p, &attributes)) return Fail("the attributes of <" + name + "> cannot be read");
    i_ = p;
    bool empty = false;
    if (i_ < s_.size() && s_[i_] == '/') {
      empty = true;
      ++i_;
    }
    if (i_ >= s_.size() || s_[i_] != '>') return Fail("the tag <" + name + " is not closed");
    ++i_;
    NodeIndex n = OpenElement(name, std::move(attributes));
    if (empty) {
      items_->push_back({ItemKind::EndTag, n});
      open_.pop_back();
    }
    return true;
  }

  bool ReadEndTag() {
    i_ += 2;
    std::string name = ReadName();
    SkipSpace(s_, &i_);
    if (i_ >= s_.size() || s_[i_] != '>') return Fail("the tag </" + name + " is not closed");
    ++i_;
    return CloseElement(name);
  }

  NodeIndex OpenElement(std::string name, std::vector<Attribute> attributes) {
    NodeIndex n = doc_.NewElement(std::move(name), std::move(attributes));
    created_.push_back(n);
    open_.push_back(n);
    items_->push_back({ItemKind::StartTag, n});
    return n;
  }

  bool CloseElement(const std::string& name) {
    if (open_.empty() || doc_.NodeAt(open_.back()).name != name)
      return Fail("</" + name + "> closes no open element");
    items_->push_back({ItemKind::EndTag, open_.back()});
    open_.pop_back();
    return true;
  }

  std::string_view s_;
  std::size_t i_ = 0;
  Document& doc_;
  std::vector<Item>* items_;
  std::vector<NodeIndex> open_;
  std::vector<NodeIndex> created_;
  std::string error_;
};

}  // namespace

bool PlainTextItems(std::string_view text, std::vector<Item>* items, std::string* error) {
  items->clear();
  for (char32_t c : DecodeUtf8(text)) {
    if (!IsXmlChar(c)) {
      items->clear();
      if (error) *error = "character " + CharName(c) + " cannot be held in an XML document";
      return false;
    }
    items->push_back({ItemKind::Char, c});
  }
  return true;
}

bool MarkupItems(std::string_view text, Document& doc, std::vector<Item>* items, std::string* error) {
  items->clear();
  return MarkupReader(text, doc, items).Run(error);
}

bool PiItems(std::string_view text, Document& doc, std::vector<Item>* items, std::string* error) {
  items->clear();
  std::string body(text);
  if (body.find("?>") != std::string::npos) {
    if (error) *error = "a processing instruction cannot hold \"?>\"";
    return false;
  }
  return MarkupItems("<?" + body + "?>", doc, items, error) && items->size() == 1 &&
         items->front().kind == ItemKind::Pi;
}

}  // namespace editor
