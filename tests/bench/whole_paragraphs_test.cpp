#include "bench/paragraphs/whole_paragraphs.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <libxml/parser.h>

#include "bench/paragraphs/entity_names.h"
#include "bench/paragraphs/typography.h"
#include "tests/support/corpus.h"

namespace {

using bench::Block;

std::vector<Block> Blocks(const std::string& xml, bench::EntityTally* tally = nullptr) {
  bench::EntityTally own;
  std::vector<Block> blocks;
  std::string error;
  EXPECT_TRUE(bench::LeafBlocks(xml, "test.xml", &blocks, tally ? tally : &own, &error)) << error;
  return blocks;
}

std::vector<std::string> Contents(const std::vector<Block>& blocks) {
  std::vector<std::string> out;
  for (const Block& b : blocks) out.push_back((b.title ? "T:" : "") + b.content);
  return out;
}

// Errors of level error or worse, as `xmllint --noout --nonet --huge`
// reports them, but for references left to a DTD that is not read.
int XmlErrorCount(const std::string& xml) {
  int errors = 0;
  xmlSetStructuredErrorFunc(&errors, [](void* data, xmlErrorPtr e) {
    if (e->level >= XML_ERR_ERROR && e->code != XML_WAR_UNDECLARED_ENTITY) ++*static_cast<int*>(data);
  });
  xmlDocPtr doc = xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "t.xml", nullptr,
                                XML_PARSE_NONET | XML_PARSE_HUGE);
  xmlSetStructuredErrorFunc(nullptr, nullptr);
  if (!doc) return errors ? errors : 1;
  xmlFreeDoc(doc);
  return errors;
}

struct LeafCase {
  const char* what;
  const char* xml;
  std::vector<std::string> blocks;
};

void PrintTo(const LeafCase& c, std::ostream* os) { *os << c.what; }

class LeafBlocksTest : public ::testing::TestWithParam<LeafCase> {};

TEST_P(LeafBlocksTest, TakesWholeLeafBlocksInOrder) {
  EXPECT_EQ(Contents(Blocks(GetParam().xml)), GetParam().blocks);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, LeafBlocksTest,
    ::testing::Values(
        LeafCase{"dita: inline markup kept, a paragraph holding a list gives the list's items",
                 "<topic id='t'><title>Fit the <ph>pump</ph></title><prolog><p>Meta.</p></prolog>"
                 "<shortdesc>Short.</shortdesc><body><p>Set <codeph>a&lt;b</codeph> now.</p>"
                 "<ul><li>One.</li><li><p>Two.</p></li></ul><p>Lead-in<ul><li>Three.</li></ul></p>"
                 "<p>  <image href='x.png'/>  </p><codeblock>x = 1;</codeblock></body></topic>",
                 {"T:Fit the <ph>pump</ph>", "Short.", "Set <codeph>a&lt;b</codeph> now.", "One.", "Two.",
                  "Three."}},
        LeafCase{"docbook: namespaces dropped, xlink:href kept as href, tables and listings passed over",
                 "<article xmlns='http://docbook.org/ns/docbook' xmlns:xlink='http://www.w3.org/1999/xlink' "
                 "xml:id='a'><info><title>Guide</title><author><personname>Ann</personname></author></info>"
                 "<para>See <link xlink:href='u' href='v'>this</link> and <emphasis xml:id='e' "
                 "xlink:href='w'>that</emphasis>.</para><informaltable><tr><td><para>Cell.</para></td></tr>"
                 "</informaltable><para>Code: <programlisting>x</programlisting></para>"
                 "<variablelist><varlistentry><term>Term</term><listitem><para>Text.</para></listitem>"
                 "</varlistentry></variablelist><para>Note<footnote><para>Foot.</para></footnote></para></article>",
                 {"T:Guide", "See <link href=\"v\">this</link> and <emphasis href=\"w\">that</emphasis>.", "Term",
                  "Text.", "Foot."}},
        LeafCase{"s1000d: status section passed over, a listing of several lines is no paragraph",
                 "<dmodule><identAndStatusSection><simplePara>All</simplePara></identAndStatusSection>"
                 "<content><description><levelledPara><title>Use</title><para>Run <verbatimText>new</verbatimText>."
                 "</para><para><verbatimText><![CDATA[<a>\n</a>]]></verbatimText></para>"
                 "<para>Then:<verbatimText>a\nb</verbatimText></para></levelledPara></description></content>"
                 "</dmodule>",
                 {"T:Use", "Run <verbatimText>new</verbatimText>."}},
        LeafCase{"characters outside ASCII stay characters",
                 "<topic><body><p>It\xE2\x80\x99s 25&#xB0;C.</p></body></topic>", {"It\xE2\x80\x99s 25\xC2\xB0" "C."}}),
    [](const ::testing::TestParamInfo<LeafCase>& info) { return "Case" + std::to_string(info.index); });

TEST(LeafBlocks, DeclaredEntitiesGiveTheirTextUndeclaredOnesAreDropped) {
  bench::EntityTally tally;
  const std::vector<Block> blocks = Blocks(
      "<!DOCTYPE doc SYSTEM \"doc.dtd\" [<!ENTITY prod \"Widget <b>&ver;</b>\"><!ENTITY ver \"Pro\">]>"
      "<doc><para>Use &prod; at 25&deg;C &amp; &deg; more.</para></doc>",
      &tally);
  EXPECT_EQ(Contents(blocks), std::vector<std::string>{"Use Widget <b>Pro</b> at 25C &amp;  more."});
  EXPECT_EQ(tally.replaced, 2);
  EXPECT_EQ(tally.dropped, (std::map<std::string, long>{{"deg", 2}}));
}

TEST(LeafBlocks, TextThatIsNoXmlIsRefused) {
  std::vector<Block> blocks;
  bench::EntityTally tally;
  std::string error;
  EXPECT_FALSE(bench::LeafBlocks("<p>open", "broken.xml", &blocks, &tally, &error));
  EXPECT_NE(error.find("broken.xml"), std::string::npos);
  EXPECT_TRUE(blocks.empty());
}

TEST(TopicOfBlocks, TitlesOpenSectionsAndBlocksRepeatUntilTheSize) {
  const std::vector<Block> blocks = {{false, "Before."}, {true, "Part"}, {false, "In <b>it</b>."}};
  long count = 0;
  const std::string xml = bench::TopicOfBlocks(blocks, 300, &count);
  EXPECT_GE(xml.size(), 300u);
  EXPECT_EQ(XmlErrorCount(xml), 0) << xml;
  // A section runs to the next title.
  EXPECT_NE(xml.find("<body>\n<p>Before.</p>\n<section><title>Part</title>\n<p>In <b>it</b>.</p>\n<p>Before.</p>\n"
                     "</section>\n<section><title>Part</title>\n"),
            std::string::npos)
      << xml;
  // One block more than fills the size, never a block less.
  EXPECT_LT(bench::TopicOfBlocks(blocks, 300, nullptr).size() - 300, 60u);
  EXPECT_GT(count, 3);
}

// Bold on every 5th word, italic on every 7th, a cross reference before
// every 4th sentence, counted on through the blocks; closing punctuation,
// an entity's ';' and the markup already there are kept apart.
TEST(WithInlineMarkup, MarksWordsAndSentencesByTheirCount) {
  const struct {
    const char* content;
    const char* marked;
  } rows[] = {
      {"One two three four five six seven.", "One two three four <b>five</b> six <i>seven</i>."},
      {"A. B! C? D f&amp;; <ph>g h</ph>", "A. B! C? <xref href=\"x.dita\"/> D <b>f&amp;</b>; <ph>g <i>h</i></ph>"},
      {"<![CDATA[a b c d e]]> <!-- f g --> x", "<![CDATA[a b c d e]]> <!-- f g --> x"},
  };
  for (const auto& row : rows) {
    bench::MarkupRhythm rhythm;
    EXPECT_EQ(bench::WithInlineMarkup(row.content, &rhythm), row.marked);
  }
  bench::MarkupRhythm rhythm{.words = 34, .sentences = 3};
  EXPECT_EQ(bench::WithInlineMarkup("word word.", &rhythm), "<xref href=\"x.dita\"/> <b><i>word</i></b> word.");
}

// Signs after every 6th number and closing marks after every 6th from the
// 3rd; fractions, quotation marks and possessives on other words; '>' in an
// attribute of every 3rd start tag and in the instructions round every 5th
// sentence: each row starts its counts where its case falls.
TEST(WithTypography, LaysCharactersAndMarkupByTheirCount) {
  const struct {
    bench::TypographyRhythm start;
    const char* content;
    const char* typeset;
  } rows[] = {
      {{.numbers = 5}, "Cut 10 mm.", "Cut 10\xC3\x97" "10 mm."},
      {{.numbers = 2}, "Gap 3.5, then.", "Gap 3.5\xE2\x80\x9D, then."},
      {{.numbers = 8}, "Gap 2 in.", "Gap 2\xE2\x80\xB3 in."},
      {{.numbers = 14}, "Gap 2 in.", "Gap 2&#8221; in."},
      {{.numbers = 5}, "Page 1.2.3 or 12a.", "Page 1.2.3 or 12a."},
      {{.words = 10}, "Use a bolt.", "(\xC2\xBD) Use a \xE2\x80\x9C" "bolt\xE2\x80\x9D."},
      {{.words = 16}, "pump cover", "pump\xE2\x80\x99s cover"},
      {{.words = 16}, "&amp; x", "&amp; x"},
      {{.words = 12}, "( - ) ok", "( - ) \xE2\x80\x9Cok\xE2\x80\x9D"},
      {{.tags = 1}, "<b>x</b><xref href=\"a\"/>", "<b>x</b><xref href=\"a\" outputclass=\"a>b\"/>"},
      {{.tags = 2}, "<ph outputclass=\"k\">x</ph>", "<ph outputclass=\"k\">x</ph>"},
      {{.numbers = 5, .tags = 2}, "<!-- 1 2 --> <![CDATA[3 4]]> <?pi 5?>", "<!-- 1 2 --> <![CDATA[3 4]]> <?pi 5?>"},
      {{.sentences = 4}, "One two. Three.",
       "<?oxy_comment_start author=\"kesta\" comment=\"a > b\"?>One two.<?oxy_comment_end?> Three."},
      {{.sentences = 4}, "One <b>two</b>",
       "<?oxy_comment_start author=\"kesta\" comment=\"a > b\"?>One <b>two</b><?oxy_comment_end?>"},
  };
  for (const auto& row : rows) {
    bench::TypographyRhythm rhythm = row.start;
    EXPECT_EQ(bench::WithTypography(row.content, &rhythm), row.typeset) << row.content;
  }
}

TEST(TopicOfBlocks, TypesetTopicIsWellFormed) {
  const std::vector<Block> blocks = {{true, "Size <ph>10</ph>"},
                                     {false, "Set 1 2 3 4 5 6 to <b>25</b> mm. Use <xref href=\"x\"/> it&apos;s."},
                                     {false, "A <i>b</i> c; d e f g h i j k l m n o p q r s t. U v."}};
  const std::string xml = bench::TopicOfBlocks(blocks, 4000, nullptr, bench::Overlay::kTypography);
  EXPECT_EQ(XmlErrorCount(xml), 0) << xml;
  for (const char* shape : {"\xC3\x97", "\xE2\x80\x9C", "outputclass=\"a>b\"", "<?oxy_comment_end?>"})
    EXPECT_NE(xml.find(shape), std::string::npos) << shape;
}

// A reference on every 7th word that holds a letter or digit, its shape and
// name taken in turn from the count of references: each row starts its
// counts so that "pump" is the word.
TEST(WithEntityNames, LaysReferencesByTheirCount) {
  const struct {
    bench::EntityNameRhythm start;
    const char* content;
    const char* named;
  } rows[] = {
      {{.words = 5}, "Set pump now.", "Set &masq-gw; now."},
      {{.words = 5, .references = 1}, "Set pump now.", "Set &booth.conf;s now."},
      {{.words = 5, .references = 2}, "Set pump now.", "Set (&linux_qdisc;) now."},
      {{.words = 5, .references = 3}, "Set pump now.", "Set &db:x;, now."},
      {{.words = 5, .references = 4}, "Set pump now.", "Set &param-rate;; now."},
      {{.words = 5, .references = 4}, "Set pump, now.", "Set &param-rate;, now."},
      {{.words = 5, .references = 5}, "Set pump now.", "Set &Prod2;. now."},
      {{.words = 5, .references = 6}, "Set pump now.", "Set &net:if.eth0;pump now."},
      {{.words = 5, .references = 7}, "Set pump now.", "Set pump&x86_64; now."},
      {{.words = 6}, "<b>( - )</b> pump &amp;", "<b>( - )</b> &masq-gw; &amp;"},
  };
  for (const auto& row : rows) {
    bench::EntityNameRhythm rhythm = row.start;
    EXPECT_EQ(bench::WithEntityNames(row.content, &rhythm), row.named) << row.content;
  }
}

TEST(TopicOfBlocks, TopicWithEntityNamesDeclaresSomeAndIsWellFormed) {
  const std::vector<Block> blocks = {{true, "Fit <ph>the</ph> pump"}, {false, "Set a b c d e f g h i j k l m n o p."}};
  const std::string xml = bench::TopicOfBlocks(blocks, 4000, nullptr, bench::Overlay::kEntityNames);
  EXPECT_EQ(XmlErrorCount(xml), 0) << xml;
  for (const char* shape : {"<!ENTITY masq-gw \"", "\"topic.dtd\" [", "&db:x;", "&yum.repo-id;"})
    EXPECT_NE(xml.find(shape), std::string::npos) << shape;
  EXPECT_EQ(xml.find("<!ENTITY db:x"), std::string::npos);
}

// The benchmark's documents are well-formed as a checker of XML reads them.
TEST(TopicOfBlocks, CorpusTopicIsWellFormed) {
  const std::vector<std::filesystem::path> files = CorpusDocuments();
  if (files.empty()) GTEST_SKIP() << CorpusMissing();
  std::vector<Block> blocks;
  bench::EntityTally tally;
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::string xml{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string error;
    EXPECT_TRUE(bench::LeafBlocks(xml, file.filename().string(), &blocks, &tally, &error)) << error;
  }
  ASSERT_GT(blocks.size(), 1000u);
  EXPECT_EQ(XmlErrorCount(bench::TopicOfBlocks(blocks, std::size_t{1} << 20, nullptr)), 0);
  EXPECT_EQ(XmlErrorCount(bench::TopicOfBlocks(blocks, std::size_t{1} << 20, nullptr, bench::Overlay::kInlineMarkup)), 0);
  EXPECT_EQ(XmlErrorCount(bench::TopicOfBlocks(blocks, std::size_t{1} << 20, nullptr, bench::Overlay::kTypography)), 0);
  EXPECT_EQ(XmlErrorCount(bench::TopicOfBlocks(blocks, std::size_t{1} << 20, nullptr, bench::Overlay::kEntityNames)), 0);
}

}  // namespace
