// Taking markers and the quality stamp out of the document again. A marker's
// tags go; the words inside stay where they are.
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "commands/body_text.h"
#include "commands/check_state.h"
#include "commands/command_work.h"
#include "commands/marker_text.h"
#include "commands/findings_view.h"
#include "engine/word_rec.h"
#include "platform/bounded_text.h"

namespace {
using Oid = BoundedText<16>;
using Name = BoundedText<32>;

// How far up the tree the search for an enclosing element looks.
constexpr int kMaxDepth = 512;

Oid EvalOid(HostChannel& host, const std::string& expr) { return Oid(host.Evaluate(expr)); }

Name NameOf(HostChannel& host, const Oid& oid) {
  return Name(host.Evaluate(Format("oid_name('%s')", oid.c_str())));
}

bool IsValid(HostChannel& host, const Oid& oid) {
  return std::atoi(host.Evaluate(Format("oid_valid('%s')", oid.c_str())).c_str()) == 1;
}

// Whether `oid` lies inside the element `outer` (climbing its parents).
bool IsInside(HostChannel& host, const Oid& oid, const Oid& outer) {
  Oid at = oid;
  for (int depth = 0; depth < kMaxDepth; ++depth) {
    Oid parent = EvalOid(host, Format("oid_parent('%s')", at.c_str()));
    if (parent == outer) return true;
    if (parent.empty() || parent == at || !IsValid(host, parent)) return false;
    at = parent;
  }
  return false;
}

void StoreElementText(const std::string& selection, std::string_view end) {
  Check.elementText.clear();
  Check.elementText.assign(selection);
  Check.elementText.append(end);
}
}  // namespace

HRESULT RemoveAllMarkersWork(HostChannel& host) {
  for (const char* option : {"set extendselection=off", "set tagscan=off", "set pendingdelete=on",
                             "set wrapscan=off", "set messagelocation=statusbar"})
    host.Execute(option);
  Check.markersRemoved = 0;
  Oid caret = EvalOid(host, "oid_caret()");
  Cursor.CurrentOid = caret.view();
  Oid first = EvalOid(host, "oid_first()");
  Cursor.CurrentOid = first.view();
  host.Execute(Format("goto_oid('%s');", first.c_str()));

  // Every marker id is collected before the first removal, so the removals
  // do not disturb the walk.
  std::vector<Oid> markers;
  Oid cursor = first;
  for (;;) {
    Oid next = EvalOid(host, Format("oid_forward('%s')", cursor.c_str()));
    if (!IsValid(host, next)) break;
    if (NameOf(host, next) == "_touchup") markers.push_back(next);
    cursor = next;
  }
  if (markers.empty()) {
    SendStatus(host, "KESta did not find any old messages.");
    SendStatus(host, "There are no KESta messages.");
    return S_OK;
  }
  SendStatus(host, Format("KESta will delete %d old messages.", static_cast<int>(markers.size())));
  host.Execute(Format("goto_oid('%s');", first.c_str()));
  int removed = 0;
  for (const Oid& marker : markers) {
    host.Execute(Format("goto_oid('%s');", marker.c_str()));
    host.Execute(Format("oid_select('%s',0,0,1);", marker.c_str()));
    host.Execute("dt;");
    Check.markersRemoved = ++removed;
  }
  // Nothing is saved here: the line says only what was removed.
  SendStatus(host, Format("KESta removed %d old messages.", removed));
  host.Execute(Format("scroll_to_oid('%s',1,-1)", caret.c_str()));
  return S_OK;
}

HRESULT RemoveMarksWork(HostChannel& host) {
  Cursor.WalkOid = Cursor.CurrentOid.view();
  Oid element(Cursor.WalkOid.view());
  host.Execute(Format("goto_oid('%s')", element.c_str()));

  // The markers inside the element under check, by name: counting the word
  // "Kesta" in its text could take the tags of other elements.
  std::vector<Oid> markers;
  Oid cursor = element;
  for (;;) {
    Oid next = EvalOid(host, Format("oid_forward('%s')", cursor.c_str()));
    if (next.empty() || next == cursor || !IsValid(host, next)) break;
    if (!IsInside(host, next, element)) break;
    if (NameOf(host, next) == "_touchup") markers.push_back(next);
    cursor = next;
  }
  if (markers.empty()) return S_OK;

  host.Execute(Format("goto_oid('%s');", element.c_str()));
  for (const Oid& marker : markers) {
    host.Execute(Format("goto_oid('%s');", marker.c_str()));
    host.Execute(Format("oid_select('%s',0,0,1);", marker.c_str()));
    host.Execute("dt;");
  }
  host.Execute(Format("goto_oid('%s');", element.c_str()));
  host.Execute(Format("select_element('%s')", element.c_str()));
  // Read as the check reads its text; nothing where that reading fails, so
  // that no text half read is checked.
  const std::optional<std::string> selection = host.EvaluateConverted("$selection");
  if (!selection) {
    Check.elementText.clear();
    return KESTA_E_BODY_UNREAD;
  }
  StoreElementText(*selection, kTextEnd);
  return S_OK;
}

HRESULT RemoveKestaMarkersWork(HostChannel& host, CommandCalls& self) {
  host.Execute("set pendingdelete=off");
  host.Execute("set extendselection=off");
  host.Execute("set tagscan=off");
  BoundedText<80> mouse(host.Evaluate("mouse_at(0,0x001)"));
  bool table = mouse.startsWith("tabl.") || mouse.startsWith("row");

  auto climbs = [](const Name& name, std::size_t selectionLength) {
    return name == "_touchup" || name.startsWith("emph") || name.startsWith("xref") ||
           selectionLength < 24;
  };

  Oid element = EvalOid(host, "oid_caret()");
  Cursor.CurrentOid = element.view();
  if (!table) {
    host.Evaluate(Format("oid_select('%s')", element.c_str()));
    std::size_t length = host.Evaluate("$selection").size();
    Name name = NameOf(host, element);
    if (climbs(name, length)) {
      element = EvalOid(host, Format("oid_parent('%s')", element.c_str()));
      Cursor.CurrentOid = element.view();
      NameOf(host, element);
      host.Execute(Format("goto_oid('%s')", element.c_str()));
      host.Execute(Format("oid_select('%s',0,0,1);", element.c_str()));
      element = EvalOid(host, "oid_caret()");
      host.Execute(Format("select_element('%s')", element.c_str()));
    }
    StoreElementText(host.Evaluate("$selection"), " @@END");
    host.Execute(Format("goto_oid('%s')", element.c_str()));
    if (Check.elementText.view().find("_touchup") != std::string_view::npos) self.RemoveMarks();
    host.Execute(Format("goto_oid('%s')", element.c_str()));
    host.Execute(Format("oid_select('%s',0,0,1);", element.c_str()));
    StoreElementText(host.Evaluate("$selection"), " @@END");
    return S_OK;
  }

  host.Evaluate(Format("oid_select('%s')", element.c_str()));
  Name name = NameOf(host, element);
  std::string selection = host.Evaluate("$selection");
  StoreElementText(selection, " @@END");
  if (climbs(name, selection.size())) {
    element = EvalOid(host, Format("oid_parent('%s')", element.c_str()));
    Cursor.CurrentOid = element.view();
    NameOf(host, element);
    host.Execute(Format("goto_oid('%s')", element.c_str()));
    host.Execute(Format("oid_select('%s',0,0,1); clm;", element.c_str()));
    host.Execute(Format("select_element('%s')", element.c_str()));
    StoreElementText(host.Evaluate("$selection"), " @@END");
  }
  if (Check.elementText.view().find("Kesta") != std::string_view::npos) self.RemoveMarks();
  host.Execute(Format("goto_oid('%s')", element.c_str()));
  host.Execute(Format("goto_oid('%s'); clm;", element.c_str()));
  return S_OK;
}

HRESULT RemoveKestaPiWork(HostChannel& host) {
  Oid cursor = EvalOid(host, "oid_first()");
  Oid end = EvalOid(host, "oid_last()");
  host.Execute("goto_oid(oid_first())");
  int steps = 0;  // the walk stops after about fifty elements
  for (;;) {
    Oid next = EvalOid(host, Format("oid_forward('%s')", cursor.c_str()));
    Name name = NameOf(host, next);
    if (steps > 50) break;
    // Every element has a name: a nameless step is the null id after the
    // last element, and there is nothing beyond it.
    if (name.empty() && !IsValid(host, next)) break;
    bool deleted = false;
    if (name.startsWith("_pi")) {
      host.Execute(Format("oid_select('%s',0,0,1);", next.c_str()));
      BoundedText<336> text(host.Evaluate("$selection"));
      // Every stamp goes, not only the first: a document that an earlier
      // run left with two comes back with none.
      if (text.startsWith("<?KESSTA") || text.startsWith("<?acro")) {
        host.Execute("dt;");
        deleted = true;
      }
    }
    // The last element is looked at too: in a root that holds text or no
    // other element, the stamp is the last.
    if (next == end) break;
    // The walk goes on from the element before a deleted one.
    if (!deleted) cursor = next;
    ++steps;
  }
  return S_OK;
}

HRESULT RemoveMessageWork(HostChannel& host) {
  host.Execute("set pendingdelete=off");
  host.Execute("set extendselection=off");
  host.Execute("set tagscan=off");
  host.Execute("oid_select(oid_caret(),0,0,1);");
  BoundedText<201> selection(host.Evaluate("$selection"));
  if (IsRenderedMarker(selection.view()))
    host.Execute("dt;");
  else
    SendStatus(host, "To delete, put cursor inside a KESta Message.");
  return S_OK;
}

void CloseKestaForget() {
  FreeWordList(WordList.head);
  WordList.Forget();
  ClearFindings();
}

HRESULT CloseKestaWork(HostChannel& host, CommandCalls& self) {
  self.RemoveAllMarkers();
  SendStatus(host, "KESta removed messages. Document not saved.");
  return S_OK;
}
