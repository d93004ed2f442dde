#include "editor/render.h"

#include "editor/markup_text.h"
#include "editor/text_chars.h"

namespace editor {

namespace {

// Inside a processing instruction nothing may read as its end.
void AppendAttributes(const Node& node, bool inPi, std::string& out) {
  for (const Attribute& a : node.attributes) {
    out += ' ';
    out += a.name;
    out += "=\"";
    if (inPi) {
      for (char c : a.value) {
        if (c == '>') out += "&gt;";
        else out += c;
      }
    } else {
      out += a.value;
    }
    out += '"';
  }
}

void AppendPi(const Node& node, std::string& out) {
  out += "<?";
  out += node.name;
  if (!node.data.empty()) {
    out += ' ';
    out += node.data;
  }
  out += "?>";
}

// An element without content is written as one empty-element tag.
bool IsEmptyElement(const Document& doc, NodeIndex n) {
  const Node& node = doc.NodeAt(n);
  return !node.isPi && !IsMarker(node) && doc.EndOf(n) == doc.StartOf(n) + 1;
}

}  // namespace

bool IsMarker(const Node& node) { return !node.isPi && node.name == kMarkerName; }

std::string StartMarkup(const Document& doc, NodeIndex n, MarkupStyle /*style*/) {
  const Node& node = doc.NodeAt(n);
  std::string out;
  if (node.isPi) {
    AppendPi(node, out);
  } else if (IsMarker(node)) {
    out += "<?Pub ";
    out += kMarkerName;
    AppendAttributes(node, true, out);
    out += "?>";
  } else {
    out += '<';
    out += node.name;
    AppendAttributes(node, false, out);
    out += '>';
  }
  return out;
}

std::string EndMarkup(const Document& doc, NodeIndex n, MarkupStyle style) {
  const Node& node = doc.NodeAt(n);
  if (node.isPi) return {};
  if (IsMarker(node)) return style == MarkupStyle::File ? "<?Pub /_touchup?>" : "</_touchup>";
  return "</" + node.name + ">";
}

void RenderRange(const Document& doc, std::size_t begin, std::size_t end, MarkupStyle style,
                 std::string& out) {
  bool forFile = style == MarkupStyle::File;
  for (std::size_t i = begin; i < end; ++i) {
    const Item& item = doc.At(i);
    switch (item.kind) {
      case ItemKind::Char:
        AppendEscapedChar(out, item.value, forFile);
        break;
      case ItemKind::EntityRef:
        out += '&';
        out += doc.EntityName(item.value);
        out += ';';
        break;
      case ItemKind::StartTag:
        if (IsEmptyElement(doc, item.value) && i + 1 < end) {
          std::string tag = StartMarkup(doc, item.value, style);
          out.append(tag, 0, tag.size() - 1);
          out += "/>";
          ++i;  // the end tag is written with it
        } else {
          out += StartMarkup(doc, item.value, style);
        }
        break;
      case ItemKind::EndTag:
        out += EndMarkup(doc, item.value, style);
        break;
      case ItemKind::Pi:
        AppendPi(doc.NodeAt(item.value), out);
        break;
      case ItemKind::Markup:
        out += doc.MarkupText(item.value);
        break;
    }
  }
}

std::string RenderRange(const Document& doc, std::size_t begin, std::size_t end, MarkupStyle style) {
  std::string out;
  RenderRange(doc, begin, end, style, out);
  return out;
}

}  // namespace editor
