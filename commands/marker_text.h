#pragma once
// The marker a finding becomes in the document: its `Kesta` value, its
// highlight colour and the markup that one insert command carries.
#include <string>
#include <string_view>

inline constexpr int kCategoryCount = 42;
inline constexpr const char* kDefaultColour = "FFFF66";

// The colour index (1..7, or 0) of a message category; 0 outside the table.
int CategoryColourIndex(int category);
// The six hexadecimal digits of a category's highlight colour.
const char* CategoryColour(int category);

// Category and marker number as two digits each (blanks written as '0'; a
// marker number above 99 as 99), then the advice, or "NONE" when there is
// none.
std::string KestaValue(int category, int markerNumber, std::string_view advice);

// Text made safe for an attribute value in double quotes inside an insert
// command: markup characters become references and '@', which would end
// the command's text, becomes "&#64;".
std::string EscapeAttribute(std::string_view text);
// Text made safe as element content inside an insert command: well-formed
// entity and character references stay, any other '&', '<' and '>' become
// references, and '@' becomes "&#64;".
std::string EscapeContent(std::string_view text);
// Text a correction puts into the document, as markup: as EscapeContent,
// but a sign written as a named reference of the HTML and ISO sets
// ("&deg;") becomes a numeric character reference, which every document
// can hold; the host writes the character itself where the document's
// encoding holds it. The five references XML predefines stay, and so do
// other names, which only the document's own text brings in.
std::string CorrectionMarkup(std::string_view text);
// A correction's text as a marker shows it, in the code page: a sign the
// rules name ("&deg;") or a character reference reads as the character it
// stands for where the code page holds it; other references stay.
std::string PlainAdvice(std::string_view text);
// Markup that is already the host's rendering of a text run: only '@' is
// rewritten, so the insert command's text is not ended early.
std::string ProtectAt(std::string_view markup);

// `<?Pub _touchup Kesta="V" HighltBckclr="C"?>TEXT</_touchup>`; the value
// is escaped here, the text must already be markup.
std::string MarkerMarkup(std::string_view kestaValue, std::string_view colour,
                         std::string_view markupText);
// The insert command that replaces the selection with `markup`.
std::string InsertMarkupCommand(std::string_view markup);

// Length of a well-formed reference ("&name;", "&#123;", "&#x1F;") at the
// start of `t`, or 0.
std::size_t ReferenceLength(std::string_view t);

// The number of document characters in a text the host rendered as
// markup: a character or entity reference counts as the one character it
// stands for.
std::size_t RenderedLength(std::string_view markup);

// Whether a selection, as the host renders it, is a marker: "<?Pub", white
// space, "_touchup", white space, and a Kesta attribute before "?>".
bool IsRenderedMarker(std::string_view selection);
