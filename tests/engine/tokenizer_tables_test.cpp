// The tokenizer's tables of tags, abbreviations, prefixes and entities.
#include <gtest/gtest.h>

#include <string>

#include "engine/entity_table.h"
#include "engine/tag_tables.h"
#include "engine/word_tables.h"

namespace {

struct Row {
  const char* text;
  int expected;
};

TEST(TokenizerTables, TagsAbbreviationsAndPrefixes) {
  // "</p" alone makes every closing tag whose name begins with 'p' a block
  // end; "</sect" is a prefix of "</section>".
  for (const Row& r : {Row{"</para>", 1}, {"</PARA>", 1}, {"</para", 1}, {"</step1>", 1}, {"</title>", 1},
                       {"</pubtitle>", 1}, {"</ph>", 1}, {"</pubref>", 1}, {"</section", 1}, {"</section>", 1},
                       {"</simpara>", 1}, {"</sec>", -1}, {"</emphasis>", -1}, {"</b>", -1}, {"<para>", -1}, {"", -1}, {nullptr, -1}})
    EXPECT_EQ(IsBlockEndTag(r.text), r.expected) << (r.text ? r.text : "null");
  // Inline prefixes compared by their length; prose sections that share a
  // prefix with an inline element are read.
  for (const Row& r : {Row{"<nomen", 1}, {"<Nomen", 1}, {"<keyword keyref=\"x\"", 1}, {"<indexflag", 1},
                       {"<ui_string", 1}, {"<year", 1}, {"<jump", -1}, {"<para", -1}, {"<ye", -1}, {"</nomen", -1},
                       {nullptr, -1}, {"<context", -1}, {"<Context id=\"c1\"", -1}, {"<result", -1},
                       {"<result outputclass=\"x\"", -1}, {"<conbody", -1}, {"<conbodydiv", -1}, {"<content", -1},
                       {"<con", 1}, {"<conn", 1}, {"<con id=\"c\"", 1}, {"<contextual", 1}, {"<results", 1},
                       {"<resultant", 1}, {"<dd", -1}, {"<DD compact=\"yes\"", -1}, {"<ddhd", 1}, {"<lines", -1},
                       {"<lineset", 1}, {"<consequence", -1}, {"<tutorialinfo", -1}, {"<tutorial", 1},
                       {"<hazardstatement", -1}, {"<hazardsymbol", 1}, {"<condition", -1}, {"<termdef", -1},
                       // S1000D's business rules, short start tags too; the repositories'
                       // names and parts stay inline; DocBook's action is inline.
                       {"<contextRules", -1}, {"<contextrules", -1}, {"<contextRules a=\"1\"", -1}, {"<action", 1},
                       {"<actions", 1}, {"<terminologyDefinition", 1}, {"<partRef", 1}, {"<supplyDescr", 1}})
    EXPECT_EQ(IsInlineTag(r.text), r.expected) << (r.text ? r.text : "null");
  // Code elements by their whole name: "screen" is not "screenshot".
  for (const Row& r : {Row{"<codeblock>", 1}, {"<codeph outputclass=\"x\">", 1}, {"<CMDNAME>", 1}, {"<code/>", 1},
                       {"<programlisting language=\"c\" xml:space=\"preserve\">", 1}, {"<screen>", 1},
                       {"<option", 1}, {"<function>", 1}, {"<screenshot>", -1}, {"<screeninfo>", -1},
                       {"<codes>", -1}, {"<cod>", -1}, {"</code>", -1}, {"<?code?>", -1}, {"<", -1}, {"", -1},
                       {"<xmlatt>", 1}, {"<parmname>", 1}, {"<tag class=\"element\">", 1}, {"<markup>", 1},
                       {"<tagline>", -1}, {"<indexterm>", -1}, {"<email>", 1}, {"<paramdef>", 1},
                       {"<parameter class=\"function\">", 1}, {"<package>", 1}, {"<systemitem class=\"username\">", 1},
                       {"<keycap function=\"enter\">", 1}, {"<keycombo>", 1}, {"<buildtarget>", 1},
                       {"<methodname>", 1}, {"<uri>", 1}, {"<envar>", 1}, {"<errorname>", 1}, {"<classname>", 1},
                       {"<prompt>", 1}, {"<emailaddress>", -1}, {"<packages>", -1}, {"<param>", -1}})
    EXPECT_EQ(IsCodeElement(r.text), r.expected == 1) << r.text;
  // Their closing tags, which end no sentence.
  for (const Row& r : {Row{"</parameter>", 1}, {"</PACKAGE>", 1}, {"</programlisting", 1}, {"</code >", 1},
                       {"</para>", -1}, {"</parameters>", -1}, {"<parameter>", -1}, {"</", -1}, {"", -1}})
    EXPECT_EQ(ClosesCodeElement(r.text), r.expected == 1) << r.text;
  // A sentence ends at the end of a block, a code block's too, known by its
  // whole name; at no inline code's, whatever its name begins like, nor at
  // a name a family uses inline. Start tags the same, but one that closes
  // itself.
  for (const Row& r : {Row{"</programlisting>", 1}, {"</screen >", 1}, {"</LI>", 1}, {"</dd>", 1}, {"</figure>", 1},
                       {"</pubtitle>", 1}, {"</parameter>", -1}, {"</codeph>", -1}, {"</lineup>", -1},
                       {"</term>", -1}, {"</member>", -1}, {"</verbatimText>", -1}, {"<li>", -1}, {"</", -1},
                       // Inline elements whose names begin like a block end's prefix.
                       {"</ph>", -1}, {"</PHRASE>", -1}, {"</productname>", -1}, {"</dmRef>", -1},
                       {"</image>", -1}, {"</prereq>", 1}, {"</pd>", 1}, {"</part>", 1}, {"</consequence>", 1},
                       {"</typeofhazard>", 1}, {"</termdef>", -1}})
    EXPECT_EQ(EndsSentence(r.text), r.expected == 1) << r.text;
  for (const Row& r : {Row{"<programlisting language=\"c\">", 1}, {"<LI>", 1}, {"<p>", 1}, {"<ul>", -1},
                       {"<p/>", -1}, {"<image href=\"a\"/>", -1}, {"</p>", -1}, {"<term>", -1},
                       // An image is a block only where its placement says so.
                       {"<image href=\"a\">", -1}, {"<image href=\"a\" placement=\"break\">", 1},
                       {"<IMAGE placement = 'BREAK'>", 1}, {"<image placement=\"inline\">", -1},
                       {"<image data-placement=\"break\">", -1}, {"<image placement=\"break\"/>", -1}})
    EXPECT_EQ(OpensBlockElement(r.text), r.expected == 1) << r.text;
  // The code fields of S1000D's business rules are code blocks; the rules,
  // their descriptions and their values' labels end their sentences.
  // Known by their whole names.
  for (const Row& r : {Row{"<objectPath allowedObjectFlag=\"2\">", 1}, {"<objectPaths>", -1}})
    EXPECT_EQ(IsCodeElement(r.text), r.expected == 1) << r.text;
  for (const Row& r : {Row{"</objectValue>", 1}, {"</structureObjectRuleGroup>", -1}, {"</snsSystem>", -1}})
    EXPECT_EQ(EndsSentence(r.text), r.expected == 1) << r.text;
  // Titles of every kind and the metadata that holds them end their
  // sentences at both ends, by their whole names; a reference page's title
  // and volume also stand inside sentences (in "citerefentry"), as a
  // DocBook glossary term does: their ends end none.
  for (const Row& r : {Row{"</navtitle>", 1}, {"</linktext>", 1}, {"</topicmeta>", 1}, {"</mainbooktitle>", 1},
                       {"</booktitlealt>", 1}, {"</bookmeta>", 1}, {"</subtitle>", 1}, {"</titlealt>", 1},
                       {"</glossentry>", 1}, {"</refpurpose>", 1}, {"</refnamediv>", 1}, {"</chapterinfo>", 1},
                       {"</revremark>", 1}, {"</revision>", 1}, {"</variablelist>", 1}, {"</navtitles>", -1},
                       {"</refentrytitle>", -1}, {"</blockinfo>", 1}, {"</objectinfo>", 1}, {"</wiringData>", 1},
                       {"</manvolnum>", -1}, {"</glossterm>", -1}, {"</booktitlealts>", -1}})
    EXPECT_EQ(EndsSentence(r.text), r.expected == 1) << r.text;
  // A title's start ends no sentence: some documents write one inside a
  // paragraph; nor does a list's, which may stand inside a sentence.
  for (const Row& r : {Row{"<subtitle>", 1}, {"<navtitle>", 1}, {"<linktext>", 1}, {"<topicmeta>", 1},
                       {"<booktitle>", 1}, {"<refnamediv id=\"name\">", 1}, {"<revhistory>", 1},
                       {"<titlealts>", 1}, {"<title>", -1}, {"<variablelist>", -1}, {"<refentrytitle>", -1},
                       {"<topicref>", -1}})
    EXPECT_EQ(OpensBlockElement(r.text), r.expected == 1) << r.text;
  // A record's fields are one placeholder each, wherever they stand; a
  // date's end ends no sentence, the publication date's does, as its name
  // begins like a block end's.
  for (const Row& r : {Row{"<date>", 1}, {"<pubdate>", 1}, {"<revnumber>", 1}, {"<authorinitials>", 1},
                       {"<releaseinfo>", 1}, {"<edition>", 1}, {"<refname>", 1}, {"<enterpriseName>", 1},
                       {"<dates>", -1}, {"<dateFormat>", -1}, {"<revremark>", -1}, {"<refnamediv>", -1},
                       {"<enterpriseIdent manufacturerCodeValue=\"1\"/>", -1}})
    EXPECT_EQ(IsCodeElement(r.text), r.expected == 1) << r.text;
  for (const Row& r : {Row{"</date>", -1}, {"</pubdate>", 1}, {"</refname>", -1}, {"</enterpriseName>", -1}})
    EXPECT_EQ(EndsSentence(r.text), r.expected == 1) << r.text;
  // Index entries and notes to writers, by their whole names.
  for (const Row& r : {Row{"<indexterm>", 1}, {"<INDEXTERM id=\"i\">", 1}, {"<index-see-also>", 1},
                       {"<draft-comment author=\"x\">", 1}, {"<remark/>", 1}, {"<indexterms>", -1},
                       {"</indexterm>", -1}, {"<index>", -1}, {"<xmlatt>", -1},
                       // A reference page's names (its metadata's prose is
                       // read); S1000D's wires, harnesses and equipment, not
                       // their groups.
                       {"<refentryinfo>", -1}, {"<refmeta>", 1}, {"<wire id=\"w1\" itemOriginator=\"orig01\">", 1},
                       {"<harness>", 1}, {"<refmiscinfo>", -1}, {"<wireAlts>", -1}, {"<wireData>", -1},
                       {"<harnessData>", -1}, {"<wires>", -1}, {"<electricalEquip id=\"e1\">", 1},
                       {"<electricalEquipAlts>", -1}})
    EXPECT_EQ(IsAsideElement(r.text), r.expected == 1) << r.text;
  // S1000D's references that stand in sentences, by their whole names as
  // the schema writes them: not every name that ends in "Ref".
  for (const Row& r : {Row{"<dmRef>", 1}, {"<pmRef xlink:href=\"x\"/>", 1}, {"<functionalItemRef id=\"f\">", 1},
                       {"<externalPubRef>", 1}, {"<zoneRef zoneNumber=\"100\"/>", 1}, {"<brDecisionRef/>", 1},
                       {"<terminologyRef\nterminologyIdentNumber=\"t\"/>", 1}, {"<dmRefIdent>", -1}, {"<xref>", -1},
                       {"<Ref>", -1}, {"<DmRef>", -1}, {"<ZONEREF/>", -1}, {"<biblioref>", -1}, {"<footnoteref/>", -1},
                       {"</dmRef>", -1}, {"<", -1}, {"<reqCondNoRef>", -1}, {"<descrFunctionalItemRef>", -1},
                       {"<sectionRef>", -1}, {"<functionalPhysicalAreaRef/>", -1}, {"<brexDmRef>", -1}})
    EXPECT_EQ(IsReferenceElement(r.text), r.expected == 1) << r.text;
  for (const Row& r : {Row{"e.g.", 100}, {"E.G.", 100}, {"approx.", 100}, {"max.", 100}, {"fig.", 99}, {"U.S.A.", 99},
                       {"lbf.in.", 99}, {"Wed.", 99}, {"Feb.", 100}, {"fig", -1}, {"figs.", -1}, {"e.g", -1}, {"", -1},
                       {nullptr, -1}})
    EXPECT_EQ(IsKnownAbbreviation(r.text), r.expected) << (r.text ? r.text : "null");
  // The hyphen is compared too.
  for (const Row& r : {Row{"pre-", 1}, {"HI-", 1}, {"self-", 1}, {"non-self-", 1}, {"uni-", 1}, {"pre", -1},
                       {"press-", -1}, {"ultra-", -1}, {nullptr, -1}})
    EXPECT_EQ(IsKnownPrefix(r.text), r.expected) << (r.text ? r.text : "null");
  // The second character must be small as written, the rest is compared
  // without case; or a page-break instruction.
  for (const Row& r : {Row{"<para>", 1}, {"<PARA>", 0}, {"<pARA>", 1}, {"<step id=\"s1\">", 1},
                       {"<concept id=\"c\">", 1}, {"<concept>", 0}, {"<?pb 12?>", 1}, {"<?pub x?>", 0}, {"<b>", 0},
                       {"<", 0}})
    EXPECT_EQ(IsStructuralTag(r.text), r.expected == 1) << r.text;
}

TEST(TokenizerTables, ClosingTagsOfSkippedAndWarningElements) {
  const struct {
    const char* tag;
    const char* skipped;
    const char* warning;
  } rows[] = {
      {"<xref href=\"a\">", "</xref", ""}, {"<dmref>", "</dmRef", ""}, {"<Xref>", "", ""},  // capital second character
      {"<para>", "", ""}, {"<warning>", "", "</warning"}, {"<WARNING>", "", "</warning"},
      {"<warningAndCautionPara>", "", "</warningAndCautionPara"}, {"<caution id=\"c1\">", "", "</caution"},
      {"<note>", "", ""},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(SkippedContentClosingTag(r.tag), r.skipped) << r.tag;
    EXPECT_EQ(WarningClosingTag(r.tag), r.warning) << r.tag;
  }
}

TEST(TokenizerTables, Entities) {
  const std::string longName = "&" + std::string(90, 'a') + ";";
  for (const Row& r : {Row{"&amp;x", 5}, {"&#x2022;", 8}, {"& b;", 0}, {"&;", 0}, {"&amp", 0}, {longName.c_str(), 0},
                       {"&masq-gw;", 9}, {"&booth.conf;,", 12}, {"&linux_qdisc;", 13}, {"&db:x;", 6}, {"&caf\xE9;", 6}, {"&\x1Ax;", 4}, {"&a b;", 0}})
    EXPECT_EQ(EntityLength(r.text), static_cast<std::size_t>(r.expected)) << r.text;
  // "&FRAC14;" is named by "&frac14;&ndash;in".
  for (const Row& r : {Row{"&rsquo;", 1}, {"&FRAC14;", 1}, {"&#xa0;", 1}, {"&mu;", 0}, {"&", 0}})
    EXPECT_EQ(IsTableEntity(r.text), r.expected == 1) << r.text;
  for (char c : std::string("abcdefghlmnopqrstu#ABH")) EXPECT_TRUE(IsReadOnGroup(c)) << c;
  for (char c : std::string("ijkvwxyz0 ;")) EXPECT_FALSE(IsReadOnGroup(c)) << c;
}

}  // namespace
