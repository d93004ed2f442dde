#include "editor/caret.h"

#include "editor/document_walk.h"
#include "editor/render.h"

namespace editor {

void ClearSelection(EditorState& state) {
  state.hasSelection = false;
  state.selectionBegin = state.selectionEnd = 0;
}

void SelectRange(EditorState& state, std::size_t begin, std::size_t end) {
  state.hasSelection = true;
  state.selectionBegin = begin;
  state.selectionEnd = end;
}

void PlaceCaretInside(EditorState& state, NodeIndex node) {
  ClearSelection(state);
  state.caret = state.doc.StartOf(node) + 1;
}

void SelectNode(EditorState& state, NodeIndex node) {
  std::size_t start = state.doc.StartOf(node);
  SelectRange(state, start, state.doc.EndOf(node) + 1);
  state.caret = start + 1;
}

NodeIndex SelectedNode(const EditorState& state) {
  if (!state.hasSelection || state.selectionEnd <= state.selectionBegin) return kNoNode;
  const Item& first = state.doc.At(state.selectionBegin);
  if (first.kind != ItemKind::StartTag && first.kind != ItemKind::Pi) return kNoNode;
  if (state.doc.EndOf(first.value) + 1 != state.selectionEnd) return kNoNode;
  return first.value;
}

NodeIndex CaretElement(const EditorState& state) { return InnermostElementAt(state.doc, state.caret); }

bool MoveCaretByChars(EditorState& state, long count) {
  const Document& doc = state.doc;
  std::size_t p = state.caret;
  for (; count > 0; --count) {
    while (p < doc.Size() && !IsTextItem(doc.At(p))) ++p;
    if (p >= doc.Size()) return false;
    ++p;
  }
  for (; count < 0; ++count) {
    while (p > 0 && !IsTextItem(doc.At(p - 1))) --p;
    if (p == 0) return false;
    --p;
  }
  ClearSelection(state);
  state.caret = p;
  return true;
}

std::string SelectionMarkup(const EditorState& state) {
  if (!state.hasSelection) return {};
  return RenderRange(state.doc, state.selectionBegin, state.selectionEnd, MarkupStyle::Selection);
}

}  // namespace editor
