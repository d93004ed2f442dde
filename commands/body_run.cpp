#include "commands/body_run.h"

namespace {

struct Tag {
  enum Kind { Open, Close, Empty, Other } kind = Other;
  std::string_view name;
  std::size_t begin = 0;  // the '<'
  std::size_t end = 0;    // after the '>'
};

// Reads markup in turn, from one '<' to the next; comments, CDATA sections,
// processing instructions and declarations are markup of no element.
class TagReader {
 public:
  explicit TagReader(std::string_view text) : text_(text) {}

  std::optional<Tag> Next() {
    const std::size_t at = text_.find('<', pos_);
    if (at == std::string_view::npos) return std::nullopt;
    Tag tag = Read(at);
    pos_ = tag.end;
    return tag;
  }

  // After the closing tag of the element that `open` opens (the end of
  // the text when it never comes).
  std::size_t ElementEnd(const Tag& open) {
    if (open.kind == Tag::Empty) return open.end;
    for (int depth = 0; std::optional<Tag> tag = Next();) {
      if (tag->kind == Tag::Open) ++depth;
      if (tag->kind == Tag::Close && depth-- == 0) return tag->end;
    }
    return text_.size();
  }

 private:
  std::size_t After(std::size_t at, std::string_view close) const {
    const std::size_t e = text_.find(close, at);
    return e == std::string_view::npos ? text_.size() : e + close.size();
  }

  Tag Read(std::size_t at) const {
    const std::string_view rest = text_.substr(at);
    if (rest.starts_with("<!--")) return {Tag::Other, {}, at, After(at + 4, "-->")};
    if (rest.starts_with("<![CDATA[")) return {Tag::Other, {}, at, After(at + 9, "]]>")};
    if (rest.starts_with("<?")) return {Tag::Other, {}, at, After(at + 2, "?>")};
    if (rest.starts_with("<!")) return {Tag::Other, {}, at, After(at + 2, ">")};
    const bool closing = rest.starts_with("</");
    const std::size_t nameBegin = at + (closing ? 2 : 1);
    std::size_t nameEnd = text_.find_first_of(" \t\r\n/>", nameBegin);
    if (nameEnd == std::string_view::npos) nameEnd = text_.size();
    // The tag ends at the first '>' outside a quoted attribute value.
    char quote = 0;
    std::size_t q = nameEnd;
    for (; q < text_.size(); ++q) {
      const char c = text_[q];
      if (quote) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '>') {
        break;
      }
    }
    Tag tag;
    tag.name = text_.substr(nameBegin, nameEnd - nameBegin);
    tag.begin = at;
    tag.end = q < text_.size() ? q + 1 : text_.size();
    tag.kind = closing ? Tag::Close : (q < text_.size() && text_[q - 1] == '/') ? Tag::Empty : Tag::Open;
    return tag;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

bool Opens(const Tag& tag) { return tag.kind == Tag::Open || tag.kind == Tag::Empty; }

}  // namespace

std::optional<BodyRun> FindBodyRun(std::string_view text, std::string_view firstBody, LaterBodies rule) {
  TagReader reader(text);
  std::optional<Tag> tag;
  do {
    tag = reader.Next();
  } while (tag && !(Opens(*tag) && tag->name == firstBody));
  if (!tag) return std::nullopt;
  BodyRun run;
  run.begin = tag->begin;
  run.end = reader.ElementEnd(*tag);
  while ((tag = reader.Next())) {
    if (!Opens(*tag) || !IsLaterBody(rule, tag->name, firstBody)) continue;
    run.between.push_back({run.end, tag->end});
    run.end = reader.ElementEnd(*tag);
  }
  return run;
}
