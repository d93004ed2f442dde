#pragma once
// What a data module holds before its text: a data module checked alone is
// read from its content, so its description (rdf:Description), its
// identification and status (identAndStatusSection, 2.x idstatus) and
// whatever else stands before the content are no text of the writer's. A
// module inside another document is read the same way.
#include <string_view>

// Where the text of the data module whose start tag ends at `from` begins:
// after the start tag of its first `content` (names compared whole, as the
// schema writes them). Comments, processing instructions and CDATA sections
// show no tag. Null where the module has no content: its closing tag, or
// the start of another module, comes first, or the text ends. `atEnd(q)`
// is true where the text ends.
char* DataModuleTextStart(char* from, bool (*atEnd)(const char*));
