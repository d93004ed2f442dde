// The characters of typeset technical text laid over the words of the
// benchmark's blocks (see whole_paragraphs.h), counted through the whole
// topic:
//   - numbers: every 6th becomes a dimension ("25" -> "25×25"), and every
//     6th from the 3rd gets a closing mark after it: in turn a closing
//     quotation mark (”), an inch mark (″) and the quotation mark as a
//     reference (&#8221;);
//   - other words that hold a letter or digit: a fraction before every
//     11th, in turn "¼", "(½)", "(1¼)", "¾" and "(1½)"; curly quotation
//     marks round every 13th (“word”); "’s" after every 17th that ends
//     with a letter;
//   - every 3rd start tag gets an attribute whose value holds '>'
//     (outputclass="a>b"), where it has no outputclass of its own;
//   - every 5th sentence stands between the instructions of a review
//     comment whose text holds '>' (<?oxy_comment_start ... comment="a > b"?>
//     before it, <?oxy_comment_end?> after it or at the block's end).
// A number is a word of digits with at most one '.' or ',' between them;
// words, sentences and markup are read as WithInlineMarkup reads them.
#pragma once

#include <string>

namespace bench {

struct TypographyRhythm {
  long numbers = 0;
  long words = 0;
  long tags = 0;
  long sentences = 0;
};

std::string WithTypography(const std::string& content, TypographyRhythm* rhythm);

}  // namespace bench
