#include "editor/editing.h"

#include "editor/caret.h"
#include "editor/element_ids.h"

namespace editor {

namespace {

// With change tracking on, the first edit made is what
// change_tracking_find reports from then on.
void NoteEdit(EditorState& state) {
  if (state.trackedChange.empty() && OptionOn(state, "changetracking"))
    state.trackedChange = IdOf(CaretElement(state));
}

}  // namespace

bool DeleteSelection(EditorState& state, std::string* error) {
  if (!state.hasSelection) return true;
  std::size_t begin = state.selectionBegin;
  std::size_t end = state.selectionEnd;
  NodeIndex root = state.doc.Root();
  if (root != kNoNode && begin <= state.doc.StartOf(root) && state.doc.StartOf(root) < end) {
    if (error) *error = "the root element cannot be deleted";
    return false;
  }
  ClearSelection(state);
  if (end <= begin) return true;
  state.caret = begin;
  NoteEdit(state);
  state.doc.Erase(begin, end - begin);
  return true;
}

bool InsertAtCaret(EditorState& state, const std::vector<Item>& items, bool replaceSelection,
                   std::string* error) {
  if (state.doc.Root() == kNoNode) {
    if (error) *error = "no document is open";
    return false;
  }
  if (replaceSelection) {
    if (!DeleteSelection(state, error)) return false;
  } else {
    ClearSelection(state);
  }
  NoteEdit(state);
  state.doc.Insert(state.caret, items);
  state.caret += items.size();
  return true;
}

bool RemoveTags(EditorState& state, NodeIndex node, std::string* error) {
  Document& doc = state.doc;
  if (node == doc.Root()) {
    if (error) *error = "the root element's tags cannot be removed";
    return false;
  }
  ClearSelection(state);
  NoteEdit(state);
  std::size_t start = doc.StartOf(node);
  if (doc.NodeAt(node).isPi) {
    doc.Erase(start, 1);
    if (state.caret > start) --state.caret;
    return true;
  }
  std::size_t end = doc.EndOf(node);
  doc.Erase(end, 1);
  doc.Erase(start, 1);
  if (state.caret > end) --state.caret;
  if (state.caret > start) --state.caret;
  return true;
}

bool DeleteCharBefore(EditorState& state) {
  std::size_t p = state.caret;
  while (p > 0 && !IsTextItem(state.doc.At(p - 1))) --p;
  if (p == 0) return false;
  ClearSelection(state);
  NoteEdit(state);
  state.doc.Erase(p - 1, 1);
  --state.caret;
  return true;
}

bool DeleteCharAfter(EditorState& state) {
  std::size_t p = state.caret;
  while (p < state.doc.Size() && !IsTextItem(state.doc.At(p))) ++p;
  if (p >= state.doc.Size()) return false;
  ClearSelection(state);
  NoteEdit(state);
  state.doc.Erase(p, 1);
  return true;
}

}  // namespace editor
