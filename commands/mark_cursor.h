#pragma once
// The marking's hold on the host's caret. The checked text is read as the
// host holds it (TextPlaces); the caret is followed there as the marking
// moves it. A finding's words are looked for only at the place its word
// came from, and then selected in the host by moving the caret to them and
// searching for their shape from there: a search that cannot find them
// there is never sent, so none runs on to the words of later findings.
#include <optional>
#include <string>
#include <string_view>

#include "commands/host_channel.h"
#include "commands/mark_plan.h"
#include "commands/text_places.h"

class MarkCursor {
 public:
  // The host's caret stands `lead` characters before where the checked
  // text begins.
  MarkCursor(HostChannel& host, std::string_view checkedText, std::size_t lead = 0)
      : host_(host), text_(checkedText), lead_(lead) {}

  const TextPlaces& Text() const { return text_; }
  std::size_t Caret() const { return caret_; }
  // The character a finding's word begins at, and the one its next word
  // begins at; Text().Size() where the finding names no place.
  std::size_t PlaceOf(const MarkInput& in) const { return text_.CharAt(in.place); }
  std::size_t NextPlaceOf(const MarkInput& in) const;

  // The words of a finding: the first match of `pattern` from the caret
  // that ends after the finding's word begins and begins before the word
  // after it (the colon finding: at that word). Nothing when the words do
  // not stand there.
  std::optional<TextRange> Aim(const MarkInput& in, std::string_view pattern, SearchFlags flags) const;
  // The word that stands at a finding's place, up to white space, markup
  // or the punctuation that ends it, where it holds the characters of
  // `pattern` in their order from its first ('.' any one); nothing where
  // the place is behind the caret or holds no such word.
  std::optional<TextRange> WordAtPlace(const MarkInput& in, std::string_view pattern) const;
  // The last resort for a word the check read otherwise than the text holds
  // it ("#half#" for "½", a reference it read as a letter): the word at the
  // finding's place as the text holds it, up to white space, markup, the
  // punctuation that ends it or the next word's place (a mark that stands
  // there alone is the word). Nothing where the place is behind the caret
  // or is white space, and where the word holds only letters and digits of
  // ASCII, which the check reads as they stand, and does not begin as
  // `pattern` (the finding's search) does.
  std::optional<TextRange> WordAsWritten(const MarkInput& in, std::string_view pattern) const;

  // Finds in the host the first words of the checked text that a search
  // names (those after references the text may open with), from the caret,
  // and moves the caret back to where the text's first word begins: for a
  // text that may begin after the start of the element the marking starts
  // at (a selection the writer made). False when the host does not find
  // them; the caret then stays taken as the text's start.
  bool Anchor();
  // Moves the host's caret to `pos` (forward only).
  void MoveTo(std::size_t pos);
  // Selects `range` in the host. False, with the host's description of the
  // failure, when the host's search fails; the caret then stands at the
  // range's beginning.
  bool Select(TextRange range, std::string* failure);
  // The selection was replaced, or text went in at the caret: the text
  // after `range` is as the check read it, and the caret stands before it.
  void Replaced(TextRange range) { caret_ = range.end; }

 private:
  // The word at a finding's place, whatever it holds.
  std::optional<TextRange> WordThere(const MarkInput& in) const;

  HostChannel& host_;
  TextPlaces text_;
  std::size_t caret_ = 0;
  std::size_t lead_ = 0;  // still to pass before the checked text
};
