#pragma once
// The text a document check reads: the body from its start tag on, ending
// with the sentinel that the reading appends.
#include <string>
#include <string_view>
#include <vector>

#include "commands/body_run.h"

// What the reading appends to the text it takes from the host.
inline constexpr std::string_view kTextEnd = ". @@END";

// Offset of the first `startTag` in the markup of `text`, passing over what
// comments, processing instructions and CDATA sections hold; npos when it
// does not occur there or when `startTag` is empty.
std::size_t FindStartTag(std::string_view text, std::string_view startTag);

// The same, but 0 where FindStartTag gives npos.
std::size_t BodyStartOffset(std::string_view text, std::string_view startTag);

// `text` with kTextEnd appended. A "@@END" inside the text itself is broken
// up (its second '@' becomes a blank), so the check reads up to the
// sentinel appended here and not to the document's own letters.
std::string WithSentinel(std::string_view text);

// The document text from `offset` on, with the sentinel (as above). When the
// text there begins with the body's own start tag (`<name>` or `<name ...>`
// for `startTagName`), that tag is left out: it holds no words.
std::string BodyFrom(std::string_view text, std::size_t offset, std::string_view startTagName = {});

// The text of every body of `run` in `text`, as BodyFrom reads the first
// one (from its start tag on, without it), up to the last body's end; the
// stretches between the bodies are appended to `passOver` as offsets into
// the text returned, and where that text begins in `text` goes to `begin`
// (when given).
std::string BodyRunText(std::string_view text, const BodyRun& run, std::string_view startTagName,
                        std::vector<TextStretch>* passOver, std::size_t* begin = nullptr);
