#pragma once
// The checked text as the host holds it. The check reads the text from the
// host with its markup and references written out; here it is read again
// as the host's searches see it: one entry per character, a reference one
// character, markup no character but a stop that no match crosses. A
// word's place (an offset into the checked text) is then a character the
// marking can move the host's caret to, and a search can be followed here
// before it is sent, so that it is sent only where it finds its words.
//
// The searches follow the host's `find` as the marking sets it up (case
// on): a '.' of the pattern (with -e) matches any one character or a run of
// white space, a blank of the pattern matches a run of white space, a soft
// hyphen inside a match is passed over, and no match holds markup.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// In a pattern: one character of a word, whatever it is (a reference, an
// apostrophe the check read as '?'), but never white space.
inline constexpr char kWordCharWildcard = '\x01';

struct TextRange {
  std::size_t begin = 0;
  std::size_t end = 0;
  bool operator==(const TextRange&) const = default;
};

struct SearchFlags {
  bool anyDot = true;      // -e: '.' matches any one character
  bool wholeWord = false;  // wordscan: the match neither begins nor ends inside a word
  // The text as the check read it: a '.' or blank of the pattern also takes
  // the quotation and inch marks, semicolons and unheld characters round
  // the white space between two words ("0.5” turn", "; “turn"), and a
  // character the check read as another matches that one ("×" as "x").
  // The host is then sent the shape of what matched.
  bool asRead = false;
};

class TextPlaces {
 public:
  TextPlaces() = default;
  // Reads `checked`, the text as the check took it from the host, up to
  // the sentinel the reading appended.
  explicit TextPlaces(std::string_view checked);

  std::size_t Size() const { return chars_.size(); }
  // The character at or after a byte offset of the checked text (Size()
  // past its end; Size() too for a negative offset, which names no place).
  std::size_t CharAt(std::int64_t byteOffset) const;

  // The match of `pattern` that begins at `pos`, as the host's search would
  // take it there.
  std::optional<TextRange> MatchAt(std::size_t pos, std::string_view pattern, SearchFlags flags) const;
  // The first match beginning in [from, lastBegin] that ends after
  // `endsAfter` (any match, when 0).
  std::optional<TextRange> Forward(std::size_t from, std::size_t lastBegin, std::string_view pattern,
                                   SearchFlags flags, std::size_t endsAfter = 0) const;
  // The nearest match that begins at or after `floor` and before `from`,
  // and ends at or before `from`.
  std::optional<TextRange> Backward(std::size_t from, std::size_t floor, std::string_view pattern,
                                    SearchFlags flags) const;
  // Where a search for `pattern` must begin at the earliest to reach `pos`:
  // as many characters back as the pattern has (a run of white space
  // counts once), not before `floor` nor across markup.
  std::size_t ReachBack(std::size_t pos, std::size_t floor, std::string_view pattern) const;

  // A pattern of '.' that matches exactly `range` when searched from its
  // beginning (with -e), whatever characters the range holds.
  std::string Shape(TextRange range) const;
  // The characters of `range` as text, when each is one the text can
  // carry back (no reference the host keeps as an entity, no character the
  // code page could not hold); white space runs become one blank.
  std::optional<std::string> PlainText(TextRange range) const;

  unsigned char CodeAt(std::size_t i) const { return chars_[i].code; }
  // Markup stands before character i (and after character i - 1).
  bool MarkupBefore(std::size_t i) const { return (chars_[i].flags & kMarkupBefore) != 0; }
  bool IsSpaceAt(std::size_t i) const;
  bool IsWordAt(std::size_t i) const;

 private:
  enum class UnitKind : unsigned char { Space, Any, WordChar, Literal };
  struct Unit {
    UnitKind kind;
    unsigned char code;
  };
  static std::vector<Unit> Compile(std::string_view pattern, bool anyDot);
  std::optional<TextRange> MatchUnits(std::size_t pos, const std::vector<Unit>& units, SearchFlags flags) const;
  // A quotation or inch mark, a semicolon, white space or an unheld
  // character: what may stand between two words as the check read them.
  bool IsGapAt(std::size_t i) const;
  // After `p`, the run of such characters, up to markup.
  std::size_t PassGap(std::size_t p) const;

  static constexpr unsigned char kMarkupBefore = 1;
  static constexpr unsigned char kEntity = 2;  // a reference the host keeps as itself
  struct Char {
    unsigned char code;
    unsigned char flags;
  };
  bool IsSoftHyphenAt(std::size_t i) const;
  // The end of a step of a match from `p`: one character, or a run of white
  // space.
  std::size_t StepEnd(std::size_t p) const;
  // Soft hyphens passed over inside a match, from `p`.
  std::size_t PassSoftHyphens(std::size_t p) const;

  std::vector<Char> chars_;
  std::vector<std::uint32_t> byteOf_;  // the byte offset each character was read from
};
