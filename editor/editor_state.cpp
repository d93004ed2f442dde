#include "editor/editor_state.h"

#include "editor/text_chars.h"

namespace editor {

// As the host starts: searches ignore case and wrap round the document,
// typing replaces the selection.
void SetDefaultOptions(EditorState& state) {
  state.options = {{"case", "off"},    {"wrapscan", "on"},       {"wordscan", "off"},
                   {"tagscan", "off"}, {"pendingdelete", "on"}, {"changetracking", "off"}};
}

bool OptionOn(const EditorState& state, const std::string& name) {
  auto it = state.options.find(name);
  if (it == state.options.end()) return false;
  std::string v;
  for (char c : it->second) v += static_cast<char>(FoldCase(static_cast<unsigned char>(c)));
  return v == "on" || v == "yes" || v == "true" || v == "1";
}

}  // namespace editor
