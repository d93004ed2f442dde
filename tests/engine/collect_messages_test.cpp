#include "engine/collect_messages.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/message_list.h"
#include "tests/engine/list_cases.h"

namespace {

// "kind|searchKey|category|marker|rule|word", then the fields that are set
// among altWord, suggestion, markMode and subKind, of every record.
std::string Records() {
  std::ostringstream out;
  for (const MessageRec& r : MessageList.records) {
    out << r.kind.view() << '|' << r.searchKey << '|' << r.category << '|' << r.markerNumber << '|' << r.ruleId << '|'
        << r.word;
    if (!r.altWord.empty()) out << " alt=" << r.altWord;
    if (!r.suggestion.empty()) out << " sug=" << r.suggestion;
    if (r.markMode) out << " mode=" << r.markMode;
    if (!r.subKind.empty()) out << " sub=" << r.subKind.view();
    if (r.place >= 0) out << " at=" << r.place << '>' << r.nextPlace;
    if (r.sentenceLength) out << " length=" << r.sentenceLength;
    out << '\n';
  }
  return out.str();
}

// The records a collection writes, then what it changed in the words.
std::string Collect(TestWords& words) {
  MessageList.Clear();
  const int n = CollectMessages(words.head());
  EXPECT_EQ(static_cast<std::size_t>(n), MessageList.Count());
  std::string out = Records() + "--\n" + words.Changes();
  MessageList.Clear();
  return out;
}

// The stored letters name one kind each, so the marking reads back the kind
// the collection chose.
TEST(FindingKindLetters, ReadBackAsTheirKind) {
  for (const auto& row : kFindingKindLetters) {
    EXPECT_EQ(KindOfLetters(KindLetters(row.kind)), row.kind) << row.letters;
    EXPECT_EQ(KindLetters(row.kind), row.letters);
  }
  EXPECT_EQ(KindOfLetters("X"), FindingKind::None);
  EXPECT_EQ(KindOfLetters("WW"), FindingKind::None);
}

TEST(CollectMessagesTest, Cases) {
  EXPECT_EQ(CollectMessages(nullptr), 0);
  RunListCases(
      {
          {{}, "--\n"},
          // The finding kept in the second message.
          {{{"Use", 20}, {"fix", 20, nullptr, "msg2=301 rule=4444 pos=1"}, {".", 48}},
           "W|fix:| 0|1|1|4444|fix\n--\nfix: subClass=301 message=301 message2=0"},
          {{{"Go", 20}, {"in", 60, nullptr, "msg=331 entry=2 sug=to sentlen=12 rule=9"},
            {"order", 10, nullptr, "msg=301"}, {"now", 50}, {".", 48}},
           "W|in.order:|12!to|31|1|9|in order\n--\nin: subClass=331\norder: message=0"},
          // An article the tokenizer set aside between the covered words stands in the search as any three
          // letters between blanks; the rules' mark of the article ("b") does not count.
          {{{"Go", 20}, {"it", 60, nullptr, "msg=322 entry=2 rule=9"}, {"Remove", 20, nullptr, "aside=1"},
            {".", 48}, {"Go", 20}, {"in", 60, nullptr, "msg=322 entry=4 rule=9"}, {"a", 10, nullptr, "aside=1"},
            {"b", 10, nullptr, "mark=1"}, {"c", 10, nullptr, "aside=1"}, {".", 48}},
           "W|it.....Remove:| 0|22|1|9|it Remove\nW|in.....a.b.....c:| 0|22|1|9|in a b c\n--\nit: subClass=322\n"
           "in: subClass=322"},
          // A two-word correction is keyed as any finding of two words, so
          // that it is marked with its corrected text as the advice.
          {{{"Go", 20}, {"in", 60, nullptr, "msg=331 entry=2 sug=to tag=<AR>"}, {"order", 10, nullptr, "msg=301"},
            {".", 48}}, "A|in.order:| 0!to|31|1|0|in order alt=in sug=to\n--\nin: tag=\"\" subClass=331 message=311\n"
           "order: message=0"},
          {{{"Use", 20}, {"a", 64, nullptr, "msg=311 sug=an tag=<AR>"}, {"hour", 10},
            {"a", 64, nullptr, "msg=326 tag=<##>"}, {".", 48}},
           "A|a:|00!an|11|1|0|a alt=a sug=an\nA|a:|00||26|3|0|a\n--\na: tag=\"\" subClass=311\n"
           "a: tag=\"\" subClass=326 sentencePos=1"},
          // An article or measurement finding leaves the next word its own finding.
          {{{"Check", 20, nullptr, "msg=300 rule=3614"},
            {"valve", 10, nullptr, "msg=311 tag=<AR> sug=the_valve rule=4768"},
            {"blorf", 40, nullptr, "msg=325 rule=325"}, {".", 48}},
           "W|Check:| 0|0|0|3614|Check\nA|valve:|00!the valve|11|1|4768|valve alt=valve sug=the valve\n"
           "W|blorf:| 0|25|2|325|blorf\n--\nCheck: subClass=300\nvalve: tag=\"\" subClass=311\n"
           "blorf: subClass=325 extraFlag=NUL"},
          {{{"Use", 20}, {"12", 49, nullptr, "msg=305 sug=12_inch entry=2"}, {"blorf", 40, nullptr, "msg=325"},
            {".", 48}}, "A|12.:|00!12 inch|5|1|0|12.\nW|blorf:| 0|25|2|0|blorf\n--\n"
           "12: written=\"12.\" subClass=305 message=311 entryWords=1\nblorf: subClass=325 extraFlag=NUL"},
          {{{"Remove", 20, nullptr, "msg=328 sentlen=25 rule=7655"}, {"it", 66}, {".", 48}},
           "W|Remove:| 0|28|25|7655|Remove\n--\nRemove: subClass=328 sentenceLength=0"},
          // Over a finding of the word's own, or of the words it opens: the
          // record is that finding's, as in a sentence within the limit, its
          // words and advice kept; the marker shows the sentence's length.
          {{{"<Ref>", 40}, {"may", 28, nullptr, "msg=328 msg2=300 sub=300 entry=3 sentlen=24 rule=7655 sug=can_be_used"},
            {"be", 24}, {"used", 22}, {".", 48}},
           "W|may.be.used:| 0!can be used|0|1|7655|may be used length=24\n--\n"
           "may: message=300 message2=0 sentenceLength=0"},
          // So over the word after an article set aside, which the length
          // finding of a word without a finding of its own marks.
          {{{"kind", 10, nullptr, "msg=328 msg2=313 sub=313 entry=2 mark=1 sug=type_of/each_of_the sentlen=24 rule=7655"},
            {"of", 67}, {"it", 66}, {".", 48}},
           "W|kind.of:| 0!type of/each of the|13|0|7655|kind of length=24\n--\n"
           "kind: message=313 message2=0 sentenceLength=0"},
          // A contraction whole, spelt out or not; a possessive with its "'s".
          {{{"Don?t", 20, nullptr, "msg=328 msg2=310 sub=310 extra=4 sentlen=26 rule=7655"}, {"go", 20}, {".", 48}},
           "D|Don?t:| 0!Do not|10|0|7655|Don?t length=26\n--\n"
           "Don?t: suggestion=\"do not\" message=310 message2=0 sentenceLength=0"},
          {{{"<Ref>", 40}, {"It?s", 66, nullptr, "msg=328 msg2=310 sub=310 sug=it_is sentlen=23 rule=7655"},
            {"on", 75}, {".", 48}},
           "W|It?s:| 0!It is|10|1|7655|It?s length=23\n--\nIt?s: suggestion=\"It is\" message=310 message2=0 "
           "sentenceLength=0"},
          {{{"Won?t", 45, nullptr, "msg=328 msg2=309 sub=309 extra=4 sentlen=24 rule=7655"}, {"go", 20}, {".", 48}},
           "W|Won?t:| 0|9|0|7655|Won?t length=24\n--\nWon?t: message=309 message2=0 sentenceLength=0"},
          {{{"That", 10, nullptr, "msg=328 msg2=310 sub=310 split=2 sentlen=23 rule=7655"}, {"pump", 10}, {".", 48}},
           "Z|That..:| 0|10|0|7655|That..'s alt=That mode=1 length=23\n--\n"
           "That: written=\"That..\" message=310 message2=0 sentenceLength=0"},
          // An article the word wants, put before it or after it, as the
          // article's correction; the next word's finding for the same
          // article goes, as beside that correction.
          {{{"Data", 16, nullptr, "msg=328 msg2=311 sub=311 tag=<AR> sug=The_data sentlen=26 rule=7655"},
            {"modules", 11}, {".", 48}},
           "A|Data:|00!The data|11|0|7655|Data alt=Data sug=The data length=26\n--\n"
           "Data: tag=\"\" message=311 message2=0 sentenceLength=0"},
          {{{"Remove?cover", 20, nullptr, "msg=328 msg2=311 sub=311 tag=<AR> sentlen=23 rule=7655"},
            {"cover", 10, nullptr, "msg=326 sug=the_cover"}, {"now", 50}, {".", 48}},
           "A|Remove?cover:|00||11|0|7655|Remove?cover length=23\n--\n"
           "Remove?cover: tag=\"\" message=311 message2=0 sentenceLength=0\ncover: message=0"},
          {{{"Parts", 11}, {":", 48, nullptr, "msg=337"}, {"a", 64}, {".", 48}, {"Then", 50},
            {",", 47, nullptr, "msg=318 tag=<,ab>"}, {"go", 20}, {".", 48}},
           "W|::| 0!(Check use of colons)/(Use a bulleted list)|37|1|0|:\nC|,.ab:| 0!|18|1|0|,\n--\n"
           ":: subClass=337\n,: written=\",.ab\" tag=\"\" subClass=318"},
          // The category is taken when the word is selected.
          {{{"Use", 20}, {"well-known", 30, nullptr, "msg=301 extra=H"}, {".", 48}},
           "W|well-known:| 0|1|1|0|well-known\n--\nwell-known: subClass=301 message=317 message2=317"},
          // "S" gives way to the plain one-word form.
          {{{"don?t", 20, nullptr, "msg=310 extra=4 sug=do_not"}, {"open", 20},
            {"John", 10, nullptr, "msg=310 split=2"}, {"box", 10}, {".", 48}},
           "D|don?t:| 0!Do not|10|0|0|don?t\nZ|John..:| 0|10|2|0|John..'s alt=John mode=1\n--\n"
           "don?t: subClass=310\nJohn: written=\"John..\" subClass=310"},
          {{{"Stop", 20}, {";", 42, nullptr, "msg=337"}, {"then", 50}, {"go", 20}, {";", 42, nullptr, "msg=337"},
            {"1", 49}, {".", 48}}, "V|. th:|00||37|1|0|;\n--\n;: written=\". th\" subClass=337\n;: subClass=337"},
          // The article set aside before the next word stays in the semicolon's search.
          {{{"Stop", 20}, {";", 42, nullptr, "msg=337"}, {"va&lowbar;lve", 40, nullptr, "aside=1"}, {".", 48}},
           "V|. ... va:|00||37|1|0|;\n--\n;: written=\". ... va\" subClass=337"},
          // A part of a hyphenated word the check split: the advice, put in, would keep the rest beside it.
          {{{"Use", 20}, {"per", 60, nullptr, "msg=327 sug=for/(Rephrase)"}, {"topic", 10, nullptr, "sep=-"},
            {".", 48}},
           "W|per:| 0!(for)/(Rephrase)|27|1|0|per\n--\nper: subClass=327"},
          // Four words at the end of a list without the sentinel: the search holds the words there are.
          {{{"a", 40, nullptr, "msg=330 entry=4 sug=x"}, {"b", 40}},
           "W|a.b:| 0!x|30|0|0|a b  \n--\na: subClass=330", false},
          // Separators inside the word are escaped.
          {{{"Use", 20}, {"a:b!c", 40, nullptr, "msg=325 sug=x!y:z"}, {".", 48}},
           "D|a\\:b\\!c:| 0!x\\!y\\:z|25|1|0|a:b!c\n--\na:b!c: subClass=325 extraFlag=NUL"},
          // Two blanks in and after the word are each searched as two characters.
          {{{"Go", 20}, {"in  order", 60, nullptr, "msg=331 entry=2 tag=<DS> sug=to"}, {"now", 10}, {".", 48}},
           "W|in....order..now:| 0!(to)|31|1|0|in....order..now\n--\n"
           "in  order: written=\"in....order\" tag=\"\" subClass=331"},
          {{{"Use", 20}, {"/", 40, nullptr, "msg=337 tag=<*/*> sug=valve"}, {".", 48}},
           "W|/:| 0!valve|37|1|0|/ sub=J\n--\n/: tag=\"\" subClass=337"},
          {{{"Use", 20}, {"the", 64}, {"A bc", 10, nullptr, "msg=316 verb=R tag=<xy> sug=ABC"}, {".", 48}},
           "W|A.bc.y:| 0!ABC|16|2|0|A bc\n--\nA bc: subClass=316"},
          // Marks of the rules that shape the search: "<ES>" the word as its own advice; a tag word; "< b>" and
          // "<+c>" take the start of the next word; a number's unit mark covers the unit and keeps the advice
          // out; a label marked for the interface keeps its markup advice.
          {{{"Use", 20}, {"the", 64}, {"it", 66, nullptr, "msg=310 tag=<ES>"}, {".", 48},
            {"Press", 20}, {"ENTER", 40, nullptr, "msg=323 tag=<**> entry=2 sug=START"}, {".", 48},
            {"Use", 20}, {"x", 40, nullptr, "msg=309 tag=<_b>"}, {"b", 40}, {".", 48},
            {"Use", 20}, {"ab", 40, nullptr, "msg=309 tag=<+c>"}, {"cd", 40}, {".", 48},
            {"Use", 20}, {"higher", 34, nullptr, "msg=302 tag=<+t> sug=more"}, {"than", 40}, {".", 48},
            {"Use", 20}, {"ab", 40, nullptr, "msg=309 tag=<+(>8 sug=abc"}, {"(x)", 40}, {".", 48},
            {"Use", 20}, {"the", 64}, {"Abc", 10, nullptr, "msg=316 verb=R sug=ABC"}, {".", 48},
            {"Use", 20}, {"5", 49, nullptr, "msg=308 tag=<5m> sug=5_mm"}, {"m", 17, nullptr, "msg=325"}, {".", 48},
            {"Push", 20}, {"start", 10, nullptr, "msg=323 sep=U tag=<xy> sug=<uicontrol>START</uicontrol>"},
            {".", 48}},
           "A|it...:|00!it|10|2|0|it\nD|ENTER:| 0!START|23|1|0|ENTER alt=ENTER mode=1\nD|x.b:| 0|9|1|0|x sub=SP\n"
           "D|ab.c:| 0|9|1|0|ab\nD|higher.t:| 0!more|2|1|0|higher\nJ|ab.(:| 0!abc|9|1|0|ab (\n"
           "D|Abc:| 0!ABC|16|2|0|Abc\nW|5.m:| 0|8|1|0|5.m\n"
           "W|start:| 0!<uicontrol>START</uicontrol>|23|1|0|start\n--\n"
           "it: written=\"it...\" tag=\"\" subClass=310 message=337 sentencePos=1\n"
           "ENTER: tag=\"\" subClass=323 entryWords=1\nx: written=\"x b\" tag=\"\" subClass=309\n"
           "ab: written=\"ab.c\" tag=\"\" subClass=309\nhigher: written=\"higher.t\" tag=\"\" subClass=302\n"
           "ab: written=\"ab.(\" tag=\"\" subClass=309\nAbc: subClass=316\n5: written=\"5.m\" subClass=308\n"
           "m: message=0\nstart: tag=\"\" subClass=323"},
      },
      Collect);
}

TEST(CollectMessagesTest, LongWordsLeaveRoomForTheSeparator) {
  const std::string w(83, 'x');
  TestWords words({{w.c_str(), 40, nullptr, "msg=330 entry=4 sug=advice"}, {w.c_str(), 40}, {w.c_str(), 40},
                   {w.c_str(), 40}, {".", 48}});
  ASSERT_EQ(CollectMessages(words.head()), 1);
  const SearchKeyParts parts = ParseSearchKey(MessageList.records[0].searchKey);
  EXPECT_LE(MessageList.records[0].searchKey.size(), kSearchKeyMax);
  EXPECT_TRUE(parts.hasSeparator);
  EXPECT_EQ(parts.number, " 0");
  MessageList.Clear();
}

// Covered words that markup divides in the document: the search looks for
// the words before the markup, which stand together, and the advice, for
// all the words, is a hint there.
TEST(CollectMessagesTest, CoveredWordsDividedByMarkup) {
  const struct {
    int covers;
    int markupBefore;  // index of the word after the markup
    const char* key;
  } cases[] = {
      {2, 1, "is:| 0!(shows how)"},
      {3, 2, "is.how:| 0!(shows how)"},
      {3, 0, "is.how.stable:| 0!shows how"},  // markup before the finding's own word
      {4, 3, "is.how.stable:| 0!(shows how)"},
  };
  for (const auto& k : cases) {
    std::string spec = "msg=321 sug=shows_how entry=" + std::to_string(k.covers);
    TestWords words({{"is", 24, nullptr, spec.c_str()}, {"how", 52}, {"stable", 30}, {"now", 52}});
    WordRec* r = words.head();
    for (int i = 0; i < k.markupBefore; ++i) r = r->next;
    r->markupBefore = true;
    EXPECT_EQ(CollectMessages(words.head()), 1);
    EXPECT_EQ(MessageList.records[0].searchKey, k.key) << k.covers << " " << k.markupBefore;
    MessageList.Clear();
  }
}

// A search key holds one separator between two words whatever blanks the
// written form holds, allows once for an article that the written form
// holds again, and covers no word beyond the finding's; each record keeps
// where its word and the next stand.
TEST(CollectMessagesTest, KeysAndPlaces) {
  RunListCases(
      {
          // "a " with the next word's first letter: "a.u", not "a..u".
          {{{"Install", 20}, {"a", 64, nullptr, "msg=303 rule=4656 sug=an tag=<_u> written=a_ place=8"},
            {"update", 10, nullptr, "place=10"}, {".", 48, nullptr, "place=16"}},
           "D|a.u:| 0!an|3|1|4656|a  sub=SP at=8>10\n--\na : written=\"a u\" tag=\"\" subClass=303"},
          // The rule wrote the set-aside "the" back: it is searched once.
          {{{"Stop", 20}, {"in", 60, nullptr, "msg=301 entry=3 rule=7992 sug=if/when written=in_the_"},
            {"event", 10, nullptr, "aside=1"}, {"that", 69}, {"it", 66}, {".", 48}},
           "W|in.the.event.that:| 0!if/when|1|1|7992|in the event that\n--\nin the : subClass=301"},
          // A covered word joined to its next word for an article: the next
          // word keeps its own finding.
          {{{"color", 10, nullptr, "msg=301 entry=2 rule=4666 sug=becomes"},
            {"change", 10, nullptr, "written=change?bars"}, {"bars", 10, nullptr, "msg=325 rule=325"}, {".", 48}},
           "W|color.change:| 0!becomes|1|0|4666|color change\nW|bars:| 0|25|2|325|bars\n--\n"
           "color: subClass=301\nbars: subClass=325 extraFlag=NUL"},
          // A hint in parentheses is the advice of a marker.
          {{{"Use", 20}, {"#4", 40, nullptr, "msg=311 tag=<AR> sug=(No._4) rule=3149"}, {".", 48}},
           "W|#4:| 0!(No. 4)|11|1|3149|#4 sub=D\n--\n#4: tag=\"\" subClass=311"},
          // The rule wrote the set-aside "the" back before the next word.
          {{{"Record", 20}, {"at", 75, nullptr, "msg=331 entry=3 rule=2437 sug=during/when"},
            {"time", 10, nullptr, "aside=1 written=the_time"}, {"of", 67}, {"test", 10, nullptr, "aside=1"}, {".", 48}},
           "W|at.the.time.of:| 0!during/when|31|1|2437|at the time of\n--\nat: subClass=331"},
          // An article put in before the next word: the next word's own
          // finding for the same article is not marked again.
          {{{"Remove", 20, nullptr, "msg=311 tag=<AR> written=Remove?cover rule=2046 place=3"},
            {"cover", 10, nullptr, "msg=326 sug=the_cover rule=2356 place=10"}, {".", 48, nullptr, "place=15"}},
           "A|Remove?cover:|00||11|0|2046|Remove?cover at=3>10\n--\n"
           "Remove?cover: tag=\"\" subClass=311\ncover: message=0"},
      },
      Collect);
}

// A finding on a placeholder (markup the check read as one word) goes to
// the nearest word of its sentence: the one after it where it opens the
// sentence, else the one before it; a word with a finding of its own is
// not taken; words it covers after it carry it.
TEST(CollectMessagesTest, PlaceholderFindingsGoToTheWordsBesideThem) {
  RunListCases(
      {
          {{{"Set", 20, nullptr, "place=0"}, {"pump", 10, nullptr, "place=4"},
            {"<ref>", 10, nullptr, "msg=300 rule=6596 sug=in_ON_position place=9"},
            {"turn", 20, nullptr, "place=12"}, {"on", 75, nullptr, "place=17"}, {".", 48, nullptr, "place=19"}},
           "W|pump:| 0!in ON position|0|2|6596|pump at=4>9\n--\n<ref>: subClass=300"},
          {{{"<ref>", 10, nullptr, "msg=300 rule=6596 place=0"}, {"There", 50, nullptr, "place=8"},
            {"is", 24, nullptr, "place=14"}, {".", 48, nullptr, "place=16"}},
           "W|There:| 0|0|0|6596|There at=8>14\n--\n<ref>: subClass=300"},
          {{{"Set", 20, nullptr, "place=0"}, {"pump", 10, nullptr, "msg=325 rule=325 place=4"},
            {"<Ref>", 10, nullptr, "msg=300 rule=6596 place=9"}, {",", 47, nullptr, "place=12"},
            {"turn", 20, nullptr, "place=14"}, {".", 48, nullptr, "place=18"}},
           "W|pump:| 0|25|1|325|pump at=4>9\nW|turn:| 0|0|2|6596|turn at=14>18\n--\n"
           "pump: subClass=325 extraFlag=NUL\n<Ref>: subClass=300"},
          {{{"Set", 20, nullptr, "place=0"}, {"<ref>", 10, nullptr, "msg=331 entry=2 rule=8718 sug=at place=4"},
            {"on", 75, nullptr, "place=9"}, {"it", 66, nullptr, "place=12"}, {".", 48, nullptr, "place=14"}},
           "W|on:| 0!at|31|1|8718|on at=9>12\n--\n<ref>: subClass=331"},
      },
      Collect);
}

TEST(CollectMessagesTest, ExpandContraction) {
  TestWords words({{"won?t", 20}, {"they?", 66}, {"it", 66, nullptr, "sug=keep"}, {"she'll", 66}});
  for (const char* s : {"won?t", "they?", "it", "she'll"}) ExpandContraction(words[s]);
  EXPECT_EQ(words.Changes(),
            "won?t: suggestion=\"will not\"\nthey?: suggestion=\"they had/they did\"\nshe'll: suggestion=\"person\"");
}

// Keys read back: "text|number|advice" and the flags separator, colon first, colon finding.
TEST(SearchKeyTest, ReadingKeysBack) {
  const struct {
    const char* key;
    const char* parts;
  } cases[] = {
      {"in.order:|12!to", "in.order|12|to 100"},
      {"a:|00|", "a|00| 100"},
      {"::| 0!(Check use of colons)/(Use a bulleted list)", ":| 0|(Check use of colons)/(Use a bulleted list) 111"},
      {",.ab:| 0!", ",.ab| 0| 100"},
      {"no separator", "no separator|| 000"},
      {":| 0", "| 0| 110"},
      {"o\\?clock:| 0!(Time style hh:mm)/xx degrees", "o\\?clock| 0|(Time style hh:mm)/xx degrees 100"},
      {"a\\:b\\!c:| 0!x\\!y\\:z", "a:b!c| 0|x!y:z 100"},
  };
  for (const auto& c : cases) {
    SearchKeyParts p = ParseSearchKey(c.key);
    EXPECT_EQ(p.text + "|" + p.number + "|" + p.advice + " " + std::to_string(p.hasSeparator) +
                  std::to_string(p.colonFirst) + std::to_string(p.colonFinding),
              c.parts)
        << c.key;
  }
}

TEST(SearchKeyTest, EscapingNeverCutsAPair) {
  std::string key = "ab";
  EXPECT_FALSE(AppendKeyText(key, ":", 3));
  EXPECT_EQ(key, "ab");
  EXPECT_TRUE(AppendKeyText(key, "\\", 4));
  EXPECT_EQ(key, "ab\\\\");
}

}  // namespace
