// A block's content as the overlays of the benchmark read it (see
// whole_paragraphs.h): markup, blanks and words, in order.
#pragma once

#include <string_view>
#include <vector>

namespace bench {

struct ContentPart {
  enum class Kind {
    kMarkup,       // a tag, a comment, a CDATA section or an instruction, whole
    kBlank,        // one blank character
    kWord,         // a run of text without blank or markup
    kPunctuation,  // such a run of closing punctuation alone
  };
  Kind kind;
  std::string_view text;     // a word without its closing punctuation
  std::string_view closing;  // a word's closing punctuation (. , ; : ! ?), but an entity's ';'
};

std::vector<ContentPart> ContentParts(std::string_view content);

// Whether a word's last character ends its sentence ('.', '!' or '?').
bool EndsSentence(const ContentPart& word);

}  // namespace bench
