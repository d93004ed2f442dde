#pragma once
// Small pieces of markup text: references (&name;, &#N;, &#xH;), escaping
// of character data, and attribute values kept in their markup form.
#include <cstddef>
#include <string>
#include <string_view>

namespace editor {

struct Reference {
  enum Kind { None, Char, Entity } kind = None;
  std::size_t length = 0;  // bytes from the '&' through the ';'
  char32_t code = 0;       // Char: the character (predefined entities too)
  std::string name;        // Entity: the entity's name
};

// Reads the reference that starts at s[i] ('&'); kind None when the text
// there is not a well-formed reference to an XML character or an entity.
Reference ParseReference(std::string_view s, std::size_t i);

// Character data as markup: '&' and '<' always escaped; `forFile` adds '>'
// and carriage return, so the saved file reads back the same.
void AppendEscapedChar(std::string& out, char32_t c, bool forFile);

// Attribute values. The kept form escapes '&', '<' and '"' and writes tab,
// line feed and carriage return as character references.
std::string EscapeAttributeValue(std::string_view text);
// Raw markup between the quotes (as written in a tag) to the kept form:
// references stay; a stray '&', '<' or '"' is escaped, and so are tab,
// line feed and carriage return, which a reader would turn into blanks.
std::string NormalizeAttributeValue(std::string_view raw);
// The kept form to the value's text: character references and the
// predefined entities decoded, other entity references as written.
std::string DecodeAttributeValue(std::string_view kept);

}  // namespace editor
