#pragma once
// The stand-in host editor: one open document and the ACL it answers.
// The command line and the tests drive it through this class; the module
// reaches it only through the host's automation classes, which
// RegisterHostClasses binds to this editor (see host_objects.h).
//
// Text crosses the ACL interface as wide text; inside, the document is
// Unicode and the C++ calls here take and give UTF-8.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/editor_state.h"
#include "editor/host_faults.h"
#include "platform/com_types.h"
#include "platform/wide_text.h"

namespace editor {

struct HostLink;

class Editor {
 public:
  Editor();
  ~Editor();
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  // --- The document ---
  // Loads a file; on failure `error` names the file (and the line for text
  // that is not well-formed XML) and the open document stays as it was. A
  // path that names no regular file (a device, a named pipe, a folder) is
  // refused before anything is read.
  bool Load(const std::string& path, std::string* error);
  // Loads XML text under a name (doc_name; "" or "*scratch*" for none) and
  // a path (doc_path).
  bool LoadText(std::string_view xml, const std::string& name, std::string* error,
                const std::string& path = "");
  std::string SaveText() const;
  // Writes the document; the file is replaced only once the new text is
  // written in full.
  bool Save(const std::string& path, std::string* error) const;
  const std::string& Name() const { return state_->name; }
  const std::string& Path() const { return state_->path; }

  // --- Caret and selection ---
  // An element reference is an element id ("(1,42,0)") or the value of an
  // element's id attribute (id or xml:id). Resolve gives the element id,
  // or "" when nothing matches.
  std::string ResolveElement(std::string_view ref) const;
  // Caret at the start of the element's content (goto_oid); false when the
  // reference names nothing.
  bool PlaceCaretIn(std::string_view ref);
  // The whole element selected, the caret inside it (oid_select).
  bool SelectElement(std::string_view ref);
  std::string CaretElementId() const;  // oid_caret()
  std::size_t CaretPosition() const { return state_->caret; }
  bool HasSelection() const { return state_->hasSelection; }
  std::string SelectionMarkup() const;  // $selection
  void ClearSelection();

  // --- Host answers ---
  // What mouse_at answers ("text" unless set).
  void SetMouseAnswer(std::string answer) { state_->mouseAnswer = std::move(answer); }
  const std::string& MouseAnswer() const { return state_->mouseAnswer; }
  // A host option as set through "set NAME=VALUE" ("" when never set).
  std::string Option(const std::string& name) const;
  const std::string& WindowTitle() const { return state_->title; }

  // --- ACL, as the host's ACL object receives it ---
  HRESULT Evaluate(const Bstr& expression, Bstr* result);
  HRESULT Execute(const Bstr& command);
  HRESULT Evaluate(std::string_view expression, std::string* result);
  HRESULT Execute(std::string_view command);
  // Why the last failed call failed.
  const std::string& LastError() const { return state_->lastError; }

  // --- The record of every ACL string received, in order ---
  const std::vector<AclCall>& Calls() const { return state_->calls; }
  void ClearCalls() { state_->calls.clear(); }
  // On by default. A writer's run turns it off: over a large document the
  // record would hold every command of the marking.
  void RecordCalls(bool on) { state_->recordCalls = on; }

  // --- Host failures for tests ---
  // Fails the nth occurrence of a stage (counted from now, 1 = the next)
  // and the `times - 1` after it (times 0: every one from then on).
  void FailStage(HostStage stage, HRESULT hr = E_FAIL, int nth = 1, int times = 1);
  // Fails the nth ACL call from now (1 = the next). The failure carries
  // `description` as its error information (a fixed text when empty).
  void FailCall(int nth, HRESULT hr = E_FAIL, std::string description = {});
  // Fails the first ACL call whose text holds `pattern`.
  void FailCallMatching(std::string pattern, HRESULT hr = E_FAIL, std::string description = {});
  void ClearFailures() { state_->faults.Clear(); }
  // S_OK, or the failure asked for this occurrence of the stage (the host
  // objects ask it).
  HRESULT PassStage(HostStage stage) { return state_->faults.PassStage(stage); }

  // --- The host's automation classes ---
  // Registers CLSID_HostApplication and CLSID_HostAcl so that creating them
  // reaches this editor (taking them over from an editor registered
  // before); undone by RevokeHostClasses or the destructor.
  void RegisterHostClasses();
  void RevokeHostClasses();

  EditorState& State() { return *state_; }
  const EditorState& State() const { return *state_; }

 private:
  HRESULT Run(AclCall::Kind kind, std::string_view text, std::string* result);

  std::unique_ptr<EditorState> state_;
  std::shared_ptr<HostLink> link_;
};

}  // namespace editor
