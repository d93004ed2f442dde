#pragma once
// Reading a document from XML text and writing it back. The reader never
// fetches anything: no DTD, no external entity, no network; an entity
// reference it cannot resolve stays an entity reference. Markers saved as
// pairs of processing instructions become `_touchup` elements again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editor/document.h"

namespace editor {

// The largest document the parser takes.
inline constexpr std::size_t kMostXmlBytes = INT32_MAX;

// Parses `bytes` into `out` (replaced only on success). On failure `error`
// names `sourceName` and the line: "FILE, line N: what is wrong".
bool ParseXml(std::string_view bytes, const std::string& sourceName, Document* out,
              std::string* error);

// The document as a file: what nobody edited as it was read (see
// source_write.h), else as UTF-8 XML text with a declaration of its own.
std::string WriteXml(const Document& doc);

}  // namespace editor
