#pragma once
// The text a document was read from, kept beside its items: an item nobody
// edited is saved as the very text it was read from (line ends, references,
// quoting, CDATA sections and all). The text is held as UTF-8; a file in
// another encoding is turned into UTF-8 when read and back when saved.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace editor {

struct SourceText {
  bool kept = false;  // the items name this text
  std::string text;
  // Everything before the first item (byte-order mark, XML declaration,
  // blanks) and after the last one (blanks) is written as it was.
  std::uint32_t prologEnd = 0;
  std::uint32_t epilogBegin = 0;
  // Text between two items that belongs to neither (CDATA delimiters,
  // blanks between the items outside the root): its length, by the source
  // offset of the item after it.
  std::unordered_map<std::uint32_t, std::uint32_t> glue;
  std::string encoding;  // the file's encoding; empty for UTF-8
  std::string bom;       // a UTF-16 byte-order mark, written before the text
};

// Fills text, encoding and bom of `source` from the file's bytes and the
// encoding its declaration names (null when none); false when the bytes do
// not turn into UTF-8 and back unchanged.
bool DecodeSource(std::string_view bytes, const char* declaredEncoding, SourceText* source);
// UTF-8 text to the file's encoding, its byte-order mark first; false when
// a character cannot be written in it.
bool EncodeSource(const SourceText& source, std::string_view utf8, std::string* bytes);

// Which characters the file's encoding can hold, for text written afresh.
class EncodingTest {
 public:
  explicit EncodingTest(const std::string& encoding);
  ~EncodingTest();
  EncodingTest(const EncodingTest&) = delete;
  EncodingTest& operator=(const EncodingTest&) = delete;
  bool HoldsAll() const { return unicode_; }
  bool Holds(char32_t c);

 private:
  bool unicode_ = true;
  void* converter_ = nullptr;
  std::unordered_map<char32_t, bool> known_;
};

}  // namespace editor
