#pragma once
// Where the bodies of a document stand in its text: the first body, which
// the walk found, and every body after it, so that a check reads them all,
// in document order, as one run of the host's text, and passes over what
// stands between them (a nested topic's title and prolog).
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "commands/doc_types.h"
#include "engine/tokenizer.h"

struct BodyRun {
  std::size_t begin = 0;  // where the first body's start tag begins
  std::size_t end = 0;    // after the last body's closing tag
  // Between two bodies: from after the closing tag of one to after the
  // start tag of the next.
  std::vector<TextStretch> between;
};

// In `text`, an element's markup as the host gives it: the first element
// named `firstBody` and the bodies after it that `rule` names. Nothing when
// no such element opens in the text. A body whose closing tag never comes
// runs to the end of the text.
std::optional<BodyRun> FindBodyRun(std::string_view text, std::string_view firstBody, LaterBodies rule);
