#pragma once
// Edits of the document, all at the caret or the selection.
#include <string>
#include <vector>

#include "editor/editor_state.h"

namespace editor {

// Inserts at the caret, which then follows the new items. With
// `replaceSelection` the selection is deleted first (pending delete);
// otherwise it is only dropped. False when that would delete the root.
bool InsertAtCaret(EditorState& state, const std::vector<Item>& items, bool replaceSelection,
                   std::string* error);
// Deletes what is selected; the caret goes where it began. False, with
// nothing deleted, when the selection holds the root element.
bool DeleteSelection(EditorState& state, std::string* error);
// Removes an element's tags and keeps its content, or a processing
// instruction whole. False for the root.
bool RemoveTags(EditorState& state, NodeIndex node, std::string* error);
// Deletes the nearest character before (or after) the caret, passing over
// tags; false when there is none.
bool DeleteCharBefore(EditorState& state);
bool DeleteCharAfter(EditorState& state);

}  // namespace editor
