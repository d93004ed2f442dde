// Documents for the benchmark made of whole paragraphs of real documents:
// every leaf text block (a paragraph, title, list item, note, term... whose
// content is text and inline markup) is taken whole, its inline markup kept
// and its namespaces dropped, and the blocks are laid out again in a DITA
// topic. No word is cut and no table is flattened, so that a finding the
// check loses on such a document is lost as on a real one.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace bench {

struct Block {
  bool title = false;   // a title: it opens a section of its own
  std::string content;  // the element's content as plain XML (no namespaces)
};

// What became of the entity references in the blocks taken: a reference to
// an entity the document declares gives its text; any other is dropped,
// since the topic declares none (the five XML predefines are text already).
struct EntityTally {
  long replaced = 0;
  std::map<std::string, long> dropped;  // by entity name
};

// The leaf text blocks of one document, in document order. Metadata,
// tables, code listings and index terms are passed over. False, with
// `*error` set, when the text is no well-formed XML.
bool LeafBlocks(const std::string& xml, const std::string& name, std::vector<Block>* blocks,
                EntityTally* tally, std::string* error);

// Inline markup laid over the words of the blocks, counted through the
// whole topic: bold (<b>) round every 5th word, italic (<i>) round every
// 7th (inside the bold where both fall on one word) and an empty cross
// reference (<xref href="x.dita"/>) before every 4th sentence. A word is
// a run of text without white space, its closing punctuation left out of
// the markup; a sentence begins a block or follows a word that ends with
// a full stop, '!' or '?'. Markup, comments and CDATA sections already in
// the content stay as they are.
struct MarkupRhythm {
  long words = 0;
  long sentences = 0;
};
std::string WithInlineMarkup(const std::string& content, MarkupRhythm* rhythm);

// What is laid over the words of each block: nothing, the markup of
// WithInlineMarkup, the characters of WithTypography (typography.h) or the
// references of WithEntityNames (entity_names.h), which also gives the
// topic a document type declaration with some of them declared.
enum class Overlay { kNone, kInlineMarkup, kTypography, kEntityNames };

// A DITA topic of at least `size` bytes (one block more than fills it):
// the blocks in order, over and over; a paragraph becomes a <p>, a title a
// <section><title>, so that titles without a full stop stand before text.
std::string TopicOfBlocks(const std::vector<Block>& blocks, std::size_t size, long* paragraphs,
                          Overlay overlay = Overlay::kNone);

}  // namespace bench
