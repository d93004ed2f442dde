#include "editor/editor_state.h"

#include "editor/text_chars.h"

namespace editor {

// As the host starts: searches ignore case and wrap round the document,
// typing replaces the selection.
void SetDefaultOptions(EditorState& state) {
  state.options = {{"case", "off"},    {"wrapscan", "on"},       {"wordscan", "off"},
                   {"tagscan", "off"}, {"pendingdelete", "on"}, {"changetracking", "off"}};
}

bool OptionOn(const EditorState& state, std::string_view name) {
  auto it = state.options.find(name);
  if (it == state.options.end()) return false;
  const std::string& v = it->second;
  auto is = [&v](std::string_view word) {
    if (v.size() != word.size()) return false;
    for (std::size_t i = 0; i < v.size(); ++i)
      if (FoldCase(static_cast<unsigned char>(v[i])) != static_cast<unsigned char>(word[i])) return false;
    return true;
  };
  return is("on") || is("yes") || is("true") || is("1");
}

}  // namespace editor
