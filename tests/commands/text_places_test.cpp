#include "commands/text_places.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/document.h"
#include "editor/editor.h"
#include "editor/search.h"
#include "editor/text_chars.h"
#include "platform/wide_text.h"

namespace {

std::string Ansi(const std::string& utf8) { return WideToAnsi(Utf8ToWide(utf8)); }

// Documents with every kind of text the host holds: white space runs, a
// no-break space, typographic and unknown characters, soft hyphens, inline
// markup, references it resolves and references it keeps, comments,
// instructions, quoted '>' in attributes, CDATA.
const char* const kBodies[] = {
    "<p>Do it in\xC2\xA0order;   don\xE2\x80\x99t\n\t use ab\xE2\x89\xA4" "cd here. Do it.</p>",
    "<p>Re&#xAD;move the <b>valve</b>, then <i>pump</i>s &amp; 5 &lt; 6 the valve.</p>",
    "<p>A <!-- a > comment --> b<?pi x > y?> c <x a=\"1>2\" b='3'>d</x> e\xF0\x9F\x98\x80" "f e f</p>",
    "<p>the &prod; pump &prod;s the pump</p><p><![CDATA[a < b & c]]> d the</p>",
    "<p>mo<b/>&#xAD;ve and Re&#xAD;<i>move</i> then mo&#xAD;ve</p>",
};

struct Pattern {
  const char* text;
  SearchFlags flags;
};
const Pattern kPatterns[] = {
    {"the", {}},          {"valve", {}},        {"o.e", {}},           {"in.order", {}},  {"don.t", {}},
    {"ab.cd", {}},        {"d e", {}},          {".", {}},             {"..", {}},        {"Re.move", {}},
    {"Remove", {}},       {"pump.s", {}},       {"e.f", {}},           {"b.c", {}},       {"d the", {}},
    {"the", {.wholeWord = true}}, {"pump", {.wholeWord = true}}, {"o.e", {.anyDot = false}}, {";", {}},
    {"5.<", {}},          {".the", {}},         {"c d", {}},          {"move", {}},
};

// The model's answer and the host's own search, from every character of
// the text, forward and backward, as character ranges.
TEST(TextPlaces, FollowTheHostsSearch) {
  for (const char* body : kBodies) {
    SCOPED_TRACE(body);
    editor::Editor e;
    std::string error;
    ASSERT_TRUE(e.LoadText(std::string("<doc>") + body + "</doc>", "d.xml", &error)) << error;
    ASSERT_TRUE(e.SelectElement("(1,1,0)"));
    const TextPlaces text(Ansi(e.SelectionMarkup()) + ". @@END");
    const editor::Document& doc = e.State().doc;
    std::vector<std::size_t> itemOf;  // the item of each character
    std::vector<std::size_t> charOf(doc.Size() + 1);
    for (std::size_t i = 0; i < doc.Size(); ++i) {
      charOf[i] = itemOf.size();
      if (editor::IsTextItem(doc.At(i))) itemOf.push_back(i);
    }
    charOf[doc.Size()] = itemOf.size();
    ASSERT_EQ(itemOf.size(), text.Size());
    for (const Pattern& p : kPatterns) {
      const std::u32string pattern = editor::DecodeUtf8(WideToUtf8(AnsiToWide(p.text)));
      for (bool forward : {true, false}) {
        editor::SearchOptions options;
        options.forward = forward;
        options.anyDot = p.flags.anyDot;
        options.matchCase = true;
        options.wholeWord = p.flags.wholeWord;
        for (std::size_t c = 0; c <= text.Size(); ++c) {
          // Where the caret stands after moving over c characters.
          const std::size_t from = c == 0 ? 0 : itemOf[c - 1] + 1;
          editor::Match m;
          std::optional<TextRange> host;
          if (editor::FindText(doc, from, pattern, options, &m)) host = TextRange{charOf[m.begin], charOf[m.end]};
          const std::optional<TextRange> model =
              forward ? text.Forward(c, text.Size(), p.text, p.flags) : text.Backward(c, 0, p.text, p.flags);
          ASSERT_EQ(model.has_value(), host.has_value()) << p.text << (forward ? " forward" : " backward") << " from " << c;
          if (host) {
            EXPECT_EQ(model->begin, host->begin) << p.text << " from " << c;
            EXPECT_EQ(model->end, host->end) << p.text << " from " << c;
          }
        }
      }
    }
  }
}

// What the marking reads off the text: the character of a word's byte
// offset, the pattern that selects a range from its start whatever it
// holds, the range as advice text, and how far back a search may begin.
TEST(TextPlaces, PlacesShapesAndText) {
  const TextPlaces text("<p>Re&#xAD;move the <b>valve</b>,  then &prod; it\xA0now.</p>. @@END");
  // Characters: "Re", soft hyphen, "move the ", "valve", ",  then ", entity, " it", no-break space, "now."
  EXPECT_EQ(text.Size(), 34u);
  EXPECT_EQ(text.CharAt(3), 0u);    // "R"
  EXPECT_EQ(text.CharAt(5), 2u);    // the soft hyphen's reference
  EXPECT_EQ(text.CharAt(11), 3u);   // "m", after the reference
  EXPECT_EQ(text.CharAt(21), 12u);  // inside "<b>": the next character, "v"
  EXPECT_EQ(text.CharAt(-1), text.Size());
  EXPECT_TRUE(text.MarkupBefore(12));
  EXPECT_EQ(text.Shape({0, 7}), "......");  // the soft hyphen inside is passed over
  EXPECT_EQ(text.Shape({17, 27}), ".........");  // a run of blanks is one step, the entity one
  EXPECT_EQ(text.PlainText({0, 7}), "Re\xADmove");
  EXPECT_EQ(text.PlainText({17, 25}), ", then ");  // the run of blanks as one
  EXPECT_FALSE(text.PlainText({17, 28}).has_value());  // the entity cannot be written back
  EXPECT_EQ(text.ReachBack(15, 0, "valve"), 12u);       // not across the markup before "valve"
  EXPECT_EQ(text.ReachBack(7, 0, "e the"), 1u);         // five steps; the soft hyphen is none
  EXPECT_EQ(text.ReachBack(7, 5, "e the"), 5u);
}

// The words as the check read them: a sign it read as a letter, the marks
// it passed over between two words; the host is sent the shape of what
// matched. A character the code page cannot hold is no text to write back.
TEST(TextPlaces, WordsAsTheCheckReadThem) {
  const TextPlaces text("<p>a 10\xD7" "10 mm .5\x94 turn; \x93turn on\x94 x&#937;y</p>. @@END");
  const SearchFlags asRead{.asRead = true};
  const struct {
    const char* pattern;
    std::size_t begin, end;  // the range found as the check read it
  } rows[] = {
      {"10x10.mm", 2, 10},   // the multiplication sign read as "x"
      {".5.turn", 11, 19},   // an inch mark and a blank between the words
      {"5 turn", 12, 19},    // a blank of the pattern takes them too
      {";.turn", 19, 26},    // a semicolon, a blank and a quotation mark
      {"on.x", 27, 32},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.pattern);
    EXPECT_FALSE(text.Forward(0, text.Size(), row.pattern, {}).has_value());
    const std::optional<TextRange> m = text.Forward(0, text.Size(), row.pattern, asRead);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(*m, (TextRange{row.begin, row.end}));
    EXPECT_EQ(text.MatchAt(m->begin, text.Shape(*m), {}), m);  // the host finds it by its shape
  }
  // The gap between two words is never nothing.
  EXPECT_FALSE(text.Forward(0, text.Size(), "turnon", asRead).has_value());
  EXPECT_EQ(text.CodeAt(32), static_cast<unsigned char>(kSubstituteChar));
  EXPECT_FALSE(text.PlainText({31, 34}).has_value());
}

}  // namespace
