#pragma once
// Structure questions on the document: which element holds a position,
// an object's parent, and the walk over elements and processing
// instructions in document order (pre-order, inside the root element).
// Each costs the items between the place asked about and the answer,
// skipping whole sibling elements through their recorded start tags.
#include "editor/document.h"

namespace editor {

// The innermost element whose content holds the position (a position right
// after a start tag is inside that element, one right after an end tag is
// not); kNoNode outside the root.
NodeIndex InnermostElementAt(const Document& doc, std::size_t pos);
// The element around a live object; kNoNode for the root.
NodeIndex ParentOf(const Document& doc, NodeIndex node);
// The next and the previous object in document order within the root;
// kNoNode after the last and before the root.
NodeIndex NextInOrder(const Document& doc, NodeIndex node);
NodeIndex PrevInOrder(const Document& doc, NodeIndex node);
NodeIndex LastInOrder(const Document& doc);
// True when the live object lies inside the root element (or is the root).
bool InsideRoot(const Document& doc, NodeIndex node);

}  // namespace editor
