#include "commands/body_run.h"

#include <algorithm>

#include "engine/markup_end.h"

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
  Tag Read(std::size_t at) const {
    const std::size_t end = MarkupEnd(text_, at);
    const std::string_view rest = text_.substr(at);
    if (rest.starts_with("<!") || rest.starts_with("<?")) return {Tag::Other, {}, at, end};
    const bool closing = rest.starts_with("</");
    const std::size_t nameBegin = at + (closing ? 2 : 1);
    std::size_t nameEnd = std::min(text_.find_first_of(" \t\r\n/>", nameBegin), end);
    Tag tag;
    tag.name = text_.substr(nameBegin, nameEnd - nameBegin);
    tag.begin = at;
    tag.end = end;
    const bool closed = end - at >= 2 && text_[end - 1] == '>';
    tag.kind = closing ? Tag::Close : (closed && text_[end - 2] == '/') ? Tag::Empty : Tag::Open;
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
