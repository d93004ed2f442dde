#pragma once
// The caret and the selection. Going to an element puts the caret at the
// start of its content; selecting an element selects it whole, tags and
// all, with the caret inside it, so that the caret's element is the one
// selected.
#include <cstddef>
#include <string>

#include "editor/editor_state.h"

namespace editor {

void ClearSelection(EditorState& state);
void SelectRange(EditorState& state, std::size_t begin, std::size_t end);
void PlaceCaretInside(EditorState& state, NodeIndex node);
void SelectNode(EditorState& state, NodeIndex node);
// The element or PI that the selection is exactly; kNoNode otherwise.
NodeIndex SelectedNode(const EditorState& state);
// The innermost element that holds the caret.
NodeIndex CaretElement(const EditorState& state);
// Moves the caret by characters (negative: back); tags count nothing.
// False, with the caret where it was, when the document has fewer.
bool MoveCaretByChars(EditorState& state, long count);
// The selection as markup text (empty without one).
std::string SelectionMarkup(const EditorState& state);

}  // namespace editor
