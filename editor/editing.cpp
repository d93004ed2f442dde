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

bool SameNode(const Document& doc, NodeIndex a, NodeIndex b) {
  const Node& x = doc.NodeAt(a);
  const Node& y = doc.NodeAt(b);
  if (x.isPi != y.isPi || x.name != y.name || x.data != y.data || x.attributes.size() != y.attributes.size())
    return false;
  for (std::size_t i = 0; i < x.attributes.size(); ++i)
    if (x.attributes[i].name != y.attributes[i].name || x.attributes[i].value != y.attributes[i].value) return false;
  return true;
}

bool SameItem(const Document& doc, const Item& a, const Item& b) {
  if (a.kind != b.kind) return false;
  switch (a.kind) {
    case ItemKind::Char:
    case ItemKind::EntityRef:
      return a.value == b.value;
    case ItemKind::Markup:
      return doc.MarkupText(a.value) == doc.MarkupText(b.value);
    default:
      return SameNode(doc, a.value, b.value);
  }
}

// What a replacement puts back as it was (the words a marker wraps) keeps
// the text it was read from, so that it is saved as it was written. The
// two runs are walked side by side: an item equal to the next one removed
// takes its source; a character put in place of another passes both. Text
// put in place of text of a CDATA section stays in the section, as typing
// there would: a character in place of one of it, and the characters after
// the last one replaced.
std::vector<Item> KeepSources(const Document& doc, const std::vector<Item>& removed,
                              const std::vector<Item>& items) {
  std::vector<Item> out = items;
  std::size_t j = 0;
  bool inCdata = false;  // the last text replaced was in a CDATA section
  for (Item& item : out) {
    if (j >= removed.size()) {
      if (IsTextItem(item)) item.inCdata = inCdata;
      continue;
    }
    if (SameItem(doc, item, removed[j])) {
      item.source = removed[j].source;
      item.sourceLength = removed[j].sourceLength;
      item.inCdata = removed[j].inCdata;
      if (IsTextItem(item)) inCdata = item.inCdata;
      ++j;
    } else if (IsTextItem(item) && IsTextItem(removed[j])) {
      item.inCdata = removed[j].inCdata;
      inCdata = item.inCdata;
      ++j;
    }
  }
  return out;
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
  std::vector<Item> removed;
  if (replaceSelection && state.hasSelection && state.doc.source.kept) {
    for (std::size_t i = state.selectionBegin; i < state.selectionEnd && i < state.doc.Size(); ++i)
      removed.push_back(state.doc.At(i));
  }
  if (replaceSelection) {
    if (!DeleteSelection(state, error)) return false;
  } else {
    ClearSelection(state);
  }
  NoteEdit(state);
  if (removed.empty())
    state.doc.Insert(state.caret, items);
  else
    state.doc.Insert(state.caret, KeepSources(state.doc, removed, items));
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
