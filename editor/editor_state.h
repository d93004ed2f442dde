#pragma once
// Everything the stand-in editor holds for its one open document: the
// document, its name and path, the caret and the selection (positions in
// the document's item sequence), the host options set through ACL, the
// window title, the mouse answer, and the record of the ACL it received.
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "editor/document.h"
#include "editor/host_faults.h"
#include "platform/com_types.h"

namespace editor {

struct AclCall {
  enum Kind { Evaluated, Executed } kind;
  std::string text;    // as received (UTF-8)
  std::string result;  // evaluated: the answer given
  HRESULT hr = S_OK;
};

struct EditorState {
  Document doc;
  std::string name;  // doc_name()
  std::string path;  // doc_path()
  std::size_t caret = 0;
  bool hasSelection = false;
  std::size_t selectionBegin = 0;
  std::size_t selectionEnd = 0;
  std::map<std::string, std::string, std::less<>> options;
  std::string title;
  std::string mouseAnswer = "text";
  std::string trackedChange;  // id where the first tracked change was made; empty: none
  std::vector<AclCall> calls;
  bool recordCalls = true;  // keep `calls` (tests read it; a writer's run need not)
  std::string lastError;
  HostFaults faults;
};

// Host options start as an editor starts.
void SetDefaultOptions(EditorState& state);
// An option that reads as on ("on", "yes", "true" or "1", any case).
bool OptionOn(const EditorState& state, std::string_view name);

}  // namespace editor
