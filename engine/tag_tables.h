#pragma once
// The markup the tokenizer knows by name: tags that end a sentence, elements
// whose content is not checked, structural tags and warning elements.
// Names are compared without regard to case, each entry by its own length.
#include <string_view>

// 1 when `tag`, a closing tag as written ("</para>" or "</para"), ends a
// sentence; else -1.
int IsBlockEndTag(const char* tag);

// 1 when `tag`, an opening tag without its '>', is an inline element whose
// content is replaced by one placeholder; else -1. Prose sections whose
// names share an inline prefix (context, result, conbody, conbodydiv,
// content) are not inline.
int IsInlineTag(const char* tag);

// True for a structural tag: the tag is skipped and its content is read.
bool IsStructuralTag(std::string_view tag);

// For a tag whose content is skipped, the closing tag to look for; else empty.
std::string_view SkippedContentClosingTag(std::string_view tag);

// For a warning element (warning, caution, danger, poison), the closing tag
// to look for; else empty.
std::string_view WarningClosingTag(std::string_view tag);
