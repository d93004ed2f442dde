#pragma once
// Characters of the document: UTF-8 in and out, the classes the search and
// the word count need, and the simple case folding of the search.
#include <string>
#include <string_view>

namespace editor {

// Decodes UTF-8; malformed bytes become U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);
void AppendUtf8(std::string& out, char32_t c);
std::string EncodeUtf8(std::u32string_view text);

// A character an XML 1.0 document may hold.
bool IsXmlChar(char32_t c);
// XML white space: blank, tab, line feed, carriage return.
bool IsSpace(char32_t c);
// Letters and digits of ASCII and Latin-1 (enough for whole-word tests).
bool IsWordChar(char32_t c);
// Lower case for ASCII, Latin-1 and the Windows-1252 letters beyond it.
char32_t FoldCase(char32_t c);

// XML 1.0 name characters: names that arrive in ACL text are checked
// before they become element, attribute, entity or PI names.
bool IsNameStart(char32_t c);
bool IsNameChar(char32_t c);
bool IsXmlName(std::string_view utf8);
// A name without a colon: what inserted markup may use, so that nothing
// inserted touches the document's namespaces.
bool IsNcName(std::string_view utf8);

}  // namespace editor
