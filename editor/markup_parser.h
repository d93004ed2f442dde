#pragma once
// The text of an insert command turned into document items. Plain text is
// taken character by character; markup text (the -sgml and -markup forms)
// is parsed: elements, a marker opened by `<?Pub _touchup A="v" ...?>` and
// closed by `</_touchup>` (or `<?Pub /_touchup?>`), processing
// instructions, comments, character and entity references. Names in
// inserted markup carry no namespace prefix and declare no namespace.
#include <string>
#include <string_view>
#include <vector>

#include "editor/document.h"

namespace editor {

// False, with nothing created, when a character cannot be held in XML.
bool PlainTextItems(std::string_view text, std::vector<Item>* items, std::string* error);
// Creates the nodes of the markup in `doc` and lists its items; false with
// an error (and every node it created dead) when the markup is not balanced
// or not well formed.
bool MarkupItems(std::string_view text, Document& doc, std::vector<Item>* items, std::string* error);
// A processing instruction's text "target data"; false when it cannot be
// one (no target, the reserved target xml, or "?>" inside).
bool PiItems(std::string_view text, Document& doc, std::vector<Item>* items, std::string* error);

}  // namespace editor
