// The ACL functions the editor answers, as a table of rows.
#include <filesystem>
#include <string>
#include <vector>

#include "editor/acl.h"
#include "editor/caret.h"
#include "editor/document_walk.h"
#include "editor/editing.h"
#include "editor/element_ids.h"
#include "editor/markup_parser.h"
#include "editor/markup_text.h"
#include "editor/render.h"
#include "editor/text_chars.h"
#include "platform/files.h"
#include "platform/interaction.h"

namespace editor {

namespace {

using Args = std::vector<std::string>;

// A live object of the root element named by an id argument, or kNoNode.
// What stands before or after the root is not walkable.
NodeIndex Object(const EditorState& state, const std::string& id) {
  NodeIndex node = ParseId(id);
  return InsideRoot(state.doc, node) ? node : kNoNode;
}

NodeIndex RequireObject(const EditorState& state, const std::string& id) {
  NodeIndex node = Object(state, id);
  if (node == kNoNode) throw AclFailure{"no element has the id " + id};
  return node;
}

std::string DocName(EditorState& s, const Args&) { return s.name; }
std::string DocPath(EditorState& s, const Args&) {
  // The module takes it in its code page: its letters are found again.
  NoteGivenPath(s.path);
  return s.path;
}

// Words: runs of characters between white space and tags that hold a
// letter or a digit (or an entity reference). A marker's tags are no break:
// they only highlight the words, so a checked document counts as the same
// document unchecked.
std::string DocWordCount(EditorState& s, const Args&) {
  long words = 0;
  bool counted = false;  // the current run has been counted
  for (std::size_t i = 0; i < s.doc.Size(); ++i) {
    const Item& item = s.doc.At(i);
    if ((item.kind == ItemKind::StartTag || item.kind == ItemKind::EndTag) && IsMarker(s.doc.NodeAt(item.value)))
      continue;
    if (!IsTextItem(item) || (item.kind == ItemKind::Char && IsSpace(item.value))) {
      counted = false;
      continue;
    }
    bool wordy = item.kind == ItemKind::EntityRef || IsWordChar(item.value) || item.value > 0x24F;
    if (wordy && !counted) {
      ++words;
      counted = true;
    }
  }
  return std::to_string(words);
}

std::string FileSize(EditorState&, const Args& a) {
  std::error_code ec;
  auto size = std::filesystem::file_size(NativePath(a[0]), ec);
  return ec ? "-1" : std::to_string(size);
}

std::string OidFirst(EditorState& s, const Args&) { return IdOf(s.doc.Root()); }
std::string OidLast(EditorState& s, const Args&) { return IdOf(LastInOrder(s.doc)); }
std::string OidCaret(EditorState& s, const Args&) { return IdOf(CaretElement(s)); }

std::string OidForward(EditorState& s, const Args& a) { return IdOf(NextInOrder(s.doc, Object(s, a[0]))); }
std::string OidBackward(EditorState& s, const Args& a) { return IdOf(PrevInOrder(s.doc, Object(s, a[0]))); }
std::string OidParent(EditorState& s, const Args& a) { return IdOf(ParentOf(s.doc, Object(s, a[0]))); }

std::string OidName(EditorState& s, const Args& a) {
  NodeIndex node = Object(s, a[0]);
  if (node == kNoNode) return {};
  return s.doc.NodeAt(node).isPi ? "_pi" : s.doc.NodeAt(node).name;
}

std::string OidValid(EditorState& s, const Args& a) { return Object(s, a[0]) == kNoNode ? "0" : "1"; }

std::string OidAttr(EditorState& s, const Args& a) {
  NodeIndex node = Object(s, a[0]);
  if (node == kNoNode) return {};
  for (const Attribute& attr : s.doc.NodeAt(node).attributes)
    if (attr.name == a[1]) return DecodeAttributeValue(attr.value);
  return {};
}

std::string OidSelect(EditorState& s, const Args& a) {
  SelectNode(s, RequireObject(s, a[0]));
  return "1";
}

std::string GotoOid(EditorState& s, const Args& a) {
  PlaceCaretInside(s, RequireObject(s, a[0]));
  return "1";
}

// There is no view to scroll; the id must still name an element.
std::string ScrollToOid(EditorState& s, const Args& a) {
  RequireObject(s, a[0]);
  return "1";
}

void RequireEditTitle(const Args& a) {
  if (a[0] != "edit" || a[1] != "title")
    throw AclFailure{"window \"" + a[0] + "\" has no property \"" + a[1] + "\""};
}

std::string WindowGet(EditorState& s, const Args& a) {
  RequireEditTitle(a);
  return s.title;
}

std::string WindowSet(EditorState& s, const Args& a) {
  RequireEditTitle(a);
  s.title = a[2];
  return "1";
}

std::string Response(EditorState&, const Args& a) {
  std::vector<std::string> buttons(a.begin() + 1, a.end());
  return std::to_string(CurrentInteraction().Response(a[0], buttons));
}

std::string ChangeTrackingFind(EditorState& s, const Args&) {
  return s.trackedChange.empty() ? "(-1,0,0)" : s.trackedChange;
}

std::string MouseAt(EditorState& s, const Args&) { return s.mouseAnswer; }

std::string InsertPi(EditorState& s, const Args& a) {
  std::vector<Item> items;
  std::string error;
  if (!PiItems(a[0], s.doc, &items, &error) || !InsertAtCaret(s, items, false, &error))
    throw AclFailure{"insert_pi: " + error};
  return "1";
}

constexpr AclFunction kFunctions[] = {
    {.name = "doc_name", .minArgs = 0, .maxArgs = 1, .call = DocName},
    {.name = "doc_path", .minArgs = 0, .maxArgs = 1, .call = DocPath},
    {.name = "doc_word_count", .minArgs = 0, .maxArgs = -1, .call = DocWordCount},
    {.name = "file_size", .minArgs = 1, .maxArgs = 1, .call = FileSize},
    {.name = "oid_first", .minArgs = 0, .maxArgs = 1, .call = OidFirst},
    {.name = "oid_last", .minArgs = 0, .maxArgs = 1, .call = OidLast},
    {.name = "oid_caret", .minArgs = 0, .maxArgs = 1, .call = OidCaret},
    {.name = "oid_current_tag", .minArgs = 0, .maxArgs = 2, .call = OidCaret},
    {.name = "oid_forward", .minArgs = 1, .maxArgs = 2, .call = OidForward},
    {.name = "oid_backward", .minArgs = 1, .maxArgs = 2, .call = OidBackward},
    {.name = "oid_parent", .minArgs = 1, .maxArgs = 1, .call = OidParent},
    {.name = "oid_name", .minArgs = 1, .maxArgs = 2, .call = OidName},
    {.name = "oid_valid", .minArgs = 1, .maxArgs = 1, .call = OidValid},
    {.name = "oid_attr", .minArgs = 2, .maxArgs = 2, .call = OidAttr},
    {.name = "oid_select", .minArgs = 1, .maxArgs = 4, .call = OidSelect},
    {.name = "select_element", .minArgs = 1, .maxArgs = 1, .call = OidSelect},
    {.name = "goto_oid", .minArgs = 1, .maxArgs = 2, .call = GotoOid},
    {.name = "scroll_to_oid", .minArgs = 1, .maxArgs = 3, .call = ScrollToOid},
    {.name = "window_get", .minArgs = 2, .maxArgs = 2, .call = WindowGet},
    {.name = "window_set", .minArgs = 3, .maxArgs = 3, .call = WindowSet},
    {.name = "response", .minArgs = 1, .maxArgs = -1, .call = Response},
    {.name = "change_tracking_find", .minArgs = 0, .maxArgs = 3, .call = ChangeTrackingFind},
    {.name = "mouse_at", .minArgs = 0, .maxArgs = 2, .call = MouseAt},
    {.name = "insert_pi", .minArgs = 1, .maxArgs = 3, .call = InsertPi},
};

}  // namespace

const AclFunction* FindFunction(std::string_view name) {
  for (const AclFunction& f : kFunctions)
    if (name == f.name) return &f;
  return nullptr;
}

}  // namespace editor
