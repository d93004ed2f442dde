#pragma once
// Saving a document whose items still name the text it was read from: each
// item nobody edited is written as the text it was read from, together with
// what stood between it and its neighbour when both are unchanged; what was
// edited or inserted is written afresh, in the file's own encoding.
#include <string>

#include "editor/document.h"

namespace editor {

// The file's bytes; false when they cannot be written in its encoding.
bool WriteFromSource(const Document& doc, std::string* bytes);

}  // namespace editor
