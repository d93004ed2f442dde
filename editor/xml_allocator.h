#pragma once
// libxml2 allocates through operator new, as the editor's own code does, so
// that a refusal inside the parser is seen where every other one is (see
// platform/memory_note.h) and is not taken for a document that is not
// well-formed.

namespace editor {

// Gives libxml2 these allocation functions; done once, before the program's
// main, since libxml2 must never free a block another allocator gave.
void UseXmlAllocator();

// How many requests of libxml2 were refused so far: the parser goes on
// after some refusals without a word, with a part of the document missing.
unsigned long XmlAllocationsRefused();

}  // namespace editor
