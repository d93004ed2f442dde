#pragma once
// The markup the tokenizer knows by name: tags that end a sentence, elements
// whose content is not checked (code among them), structural tags and
// warning elements.
// Names are compared without regard to case, each entry by its own length.
#include <string_view>

// Module-wide: whether the text under check stands in an S1000D data
// module, for the names that two document types use in two ways (S1000D's
// block "action", DocBook's inline one); tables that ask it know the name
// whole. A data module may stand inside another document (a publication
// module holds the modules it publishes): the commands say whether the
// text begins inside one, and the tokenizer counts the modules that open
// and close in the text as it reads on.
struct DocumentKindState {
  bool dataModule = false;     // the text begins inside a data module
  int dataModulesOpen = 0;     // opened in the text and not yet closed
  bool InDataModule() const { return dataModule || dataModulesOpen > 0; }
  void Reset() { *this = DocumentKindState{}; }
};
extern DocumentKindState DocumentKind;

// The name of the element that holds a data module's text, as S1000D
// writes it.
inline constexpr std::string_view kDataModuleElement = "dmodule";

// The element name of an opening tag: after '<', up to a blank, '/' or '>'.
std::string_view OpeningTagName(std::string_view tag);

// The element name of a closing tag: after "</", up to a blank or '>';
// empty for any other tag.
std::string_view ClosingTagName(std::string_view tag);

// 1 when `tag`, a closing tag as written ("</para>" or "</para"), ends a
// sentence; else -1.
int IsBlockEndTag(const char* tag);

// 1 when `tag`, an opening tag without its '>', is an inline element whose
// content is replaced by one placeholder (the tokenizer reads one that holds
// a paragraph as text); else -1. Prose sections whose names share an inline
// prefix (context, result, conbody, conbodydiv, content, S1000D's business
// rules and others, by their whole names; a data module's action) are not
// inline.
int IsInlineTag(const char* tag);

// True when `tag`, an opening tag, opens an element that holds code or
// literal computer text, or a record's field that holds a value (a date, a
// revision's number; its name compared whole): its content is replaced by
// one placeholder, as an inline element's, even where it holds a
// paragraph.
bool IsCodeElement(std::string_view tag);

// True when `tag`, a closing tag ("</code>" or "</code"), closes such an
// element. Inline code's end ends no sentence, whatever its name begins
// like; a code block's does (see EndsSentence).
bool ClosesCodeElement(std::string_view tag);

// True when `tag`, a closing tag, closes a block element known by its whole
// name (a paragraph, list item, definition, table cell, figure, division,
// code or verbatim block) in any of the document types.
bool ClosesBlockElement(std::string_view tag);

// True when `tag` opens a DITA image placed as a block of its own
// (placement="break"), not one that closes itself. An image is inline
// otherwise.
bool OpensBreakImage(std::string_view tag);

// True when `tag` opens such a block element or such an image (an opening
// tag, not one that closes itself).
bool OpensBlockElement(std::string_view tag);

// True when `closingTag`, a closing tag as written, ends a sentence: a block
// element's, or one that IsBlockEndTag accepts (by its first 35 characters)
// and closes neither inline code nor an inline element known by its whole
// name ("</ph>", "</phrase>", "</dmRef>"). A break image's end is known only
// from its start tag: the tokenizer ends the sentence there.
bool EndsSentence(std::string_view closingTag);

// True when `tag`, an opening tag, opens an element that stands aside from
// the text (an index entry, a writer's or reviewer's note, a list of
// references or keywords before the text, metadata or a record that holds
// no text; its name compared whole): it is skipped whole and leaves no
// word.
bool IsAsideElement(std::string_view tag);

// True when `tag`, an opening tag, opens metadata of which only the
// writer's prose is read (a reference page's "refentryinfo"; its name
// compared whole): the tokenizer passes over its other fields.
bool OpensProseOnlyMetadata(std::string_view tag);

// True when `tag`, an opening tag, opens the writer's prose in such
// metadata (a revision's remark or description, a legal notice; its name
// compared whole); ClosesMetadataProse, when a closing tag closes it.
bool OpensMetadataProse(std::string_view tag);
bool ClosesMetadataProse(std::string_view tag);

// True for a structural tag: the tag is skipped and its content is read.
bool IsStructuralTag(std::string_view tag);

// True when `tag` opens one of S1000D's references that stand inside a
// sentence (dmRef, pmRef, externalPubRef, zoneRef and the others, known by
// their whole names, case included): its content is skipped to its own
// closing tag, as the table's below.
bool IsReferenceElement(std::string_view tag);

// For a tag whose content is skipped, the closing tag to look for; else empty.
std::string_view SkippedContentClosingTag(std::string_view tag);

// For a warning element (warning, caution, danger, poison), the closing tag
// to look for; else empty.
std::string_view WarningClosingTag(std::string_view tag);
