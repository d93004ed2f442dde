#pragma once
// The document's items as markup text, in two styles: as the host shows a
// selection (a marker as the `_touchup` element it is, opened by its
// processing instruction), and as the file is saved (a marker as a pair of
// processing instructions, so the document stays valid against its own
// schema).
#include <string>

#include "editor/document.h"

namespace editor {

enum class MarkupStyle { Selection, File };

inline constexpr const char* kMarkerName = "_touchup";
bool IsMarker(const Node& node);

std::string StartMarkup(const Document& doc, NodeIndex node, MarkupStyle style);
std::string EndMarkup(const Document& doc, NodeIndex node, MarkupStyle style);
// Appends items [begin, end) as markup.
void RenderRange(const Document& doc, std::size_t begin, std::size_t end, MarkupStyle style,
                 std::string& out);
std::string RenderRange(const Document& doc, std::size_t begin, std::size_t end, MarkupStyle style);

}  // namespace editor
