// `kesta check` then `kesta call CloseKesta` with the bundled dictionaries on
// the shapes that once lost findings or damaged text: each finding is
// marked on the words it names, in their own element, a search that cannot
// be made loses nothing after it, the text comes back as it was, byte for
// byte, and every result is well-formed.
#include <libxml/parser.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <regex>

#include "tests/e2e/sample_check.h"

namespace {

bool WellFormed(const std::string& xml) {
  xmlDocPtr doc = xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "doc.xml", nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  if (!doc) return false;
  xmlFreeDoc(doc);
  return true;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

class MarkingPlaces : public SampleCheck {
 protected:
  // Checks `body` (a topic's content) with the bundled dictionaries and
  // closes the result; the marked document's body.
  std::string CheckAndClose(const std::string& body, const std::string& encoding = "UTF-8") {
    return CheckAndCloseDocument("<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\n"
                                 "<!DOCTYPE topic [<!ENTITY prod \"Fuel Pump\"><!ENTITY masq-gw \"gateway\">"
                                 "<!ENTITY booth.conf \"booth.conf\"><!ENTITY linux-qdisc \"qdisc\">"
                                 "<!ENTITY linux_qdisc \"qdisc\"><!ENTITY param-rate \"rate\">"
                                 "<!ENTITY param-ceil \"ceil\"><!ENTITY db:x \"x\"><!ENTITY elements-shaping \"x\">"
                                 "<!ENTITY tools-edit \"e\"><!ENTITY booth-arbitrator \"b\"><!ENTITY geo \"g\">]>\n"
                                 "<topic id=\"t\">" +
                                 body + "</topic>\n");
  }
  // The same for a whole document.
  std::string CheckAndCloseDocument(const std::string& xml) {
    const std::string custom = std::string(KESTA_BUILD_DIR) + "/custom";
    const std::string marked = dir_.path() / "marked.xml", back = dir_.path() / "back.xml";
    run_ = Kesta({"check", dir_.Write("doc.xml", xml), "-o", marked}, custom);
    EXPECT_EQ(run_.status, 0) << run_.err;
    ProgramRun closed = Kesta({"call", "CloseKesta", marked, "-o", back}, custom);
    EXPECT_EQ(closed.status, 0) << closed.err;
    const std::string markedText = ReadAll(marked);
    EXPECT_TRUE(WellFormed(markedText)) << markedText;
    EXPECT_TRUE(WellFormed(ReadAll(back))) << ReadAll(back);
    closed_ = ReadAll(back);
    EXPECT_EQ(closed_, xml);
    return markedText;
  }
  // The marked document after the writer took the first suggestion of the
  // finding whose marker is element ID.
  std::string TakeAdvice(const std::string& id) {
    const std::string custom = std::string(KESTA_BUILD_DIR) + "/custom";
    const std::string taken = dir_.path() / "taken.xml";
    ProgramRun shown =
        Kesta({"call", "ShowMe", dir_.path() / "marked.xml", "--caret", id, "--answer", "2", "-o", taken}, custom);
    EXPECT_EQ(shown.status, 0) << shown.err;
    const std::string text = ReadAll(taken);
    EXPECT_TRUE(WellFormed(text)) << text;
    return text;
  }
  std::string closed_;  // the document after the close
};

// The rest of a sentence too long with any opening.
const std::string kLong =
    " the steps that you must do when the pump is on and the main valve is open and the pressure gauge shows a value "
    "that is more than the limit.";

// Each finding arrives where its words are, and no search is lost.
TEST_F(MarkingPlaces, FindingsArriveWhereTheirWordsAre) {
  const struct {
    const char* name;
    std::string body;
    std::vector<Expected> markers;
    std::vector<std::string> parts;  // in the marked document
  } cases[] = {
      // "a" before "URL" was searched as "a..U": the article and its advice.
      {"article before a capital",
       "<title>Terms</title><body><p>URL URI is the umbrella term for URNs, URLs, and all other Uniform Resource "
       "Identifiers.</p><p>Uniform Resource Locator, a name and address for an existing object accessible over the "
       "Internet. http://www.docbook.org is an example of a URL (see RFC 1738).</p></body>",
       {{"03", "an", "a"}},
       {}},
      {"article before a u-word", "<body><p>Install a update now.</p><p>A update is necessary.</p></body>",
       {{"03", "an", "a"}, {"03", "An", "A"}},
       {}},
      // A rule wrote the set-aside "the" back: the marker holds all the words.
      {"article written back",
       "<body><p>Stop the pump in the event that it leaks.</p><p>Put the tool at the back of the shelf.</p>"
       "<p>Record the value at the time of the test.</p></body>",
       {{"01", "if/when", "in the event that"}, {"02", "at the rear", "at the back"}},
       {}},
      // A finding holds the "be" a row's marker would take in: the row's
      // words keep their marker, with the advice that reads after the "be".
      {"be held by a finding",
       "<body><p>It is best to stop the pump.</p><p>Do it as it is best to do.</p><p>It is kept at room "
       "temperature.</p><p>Then valves is able to start.</p></body>",
       {{"02", "(Insert a noun subj.)", "It is"}, {"01", "(you must)/(Rephrase)", "best to"},
        {"31", "when", "as it is"}, {"13", "at", "kept at"}, {"03", "NONE", "is"}, {"01", "(can)", "able to"}},
       {"as it is<?Pub /_touchup?> <?Pub _touchup Kesta=\"0105(you must)/(Rephrase)\""}},
      // The "be"'s own finding over the word after it is one the wider
      // marker takes the place of.
      {"be whose own finding takes in the next word",
       "<body><p>The pump is going to stop.</p><p>It warns about passwords that are going to expire.</p></body>",
       {{"01", "will/is to/(Rephrase)", "is going to"}, {"01", "will/are to/(Rephrase)", "are going to"}},
       {}},
      // Definitions and lines are read as paragraphs are, whatever they
      // hold; a reference with its parts is one placeholder in its sentence.
      {"definitions and lines",
       "<body><dl><dlentry><dt>Pump D</dt><dd>Utilize the <ph>main</ph> pump to commence the flow.</dd></dlentry>"
       "</dl><lines>The pump is on.\nUtilize it.</lines></body>",
       {{"00", "Use", "Utilize"}, {"00", "start", "commence"}, {"00", "Use", "Utilize"}},
       {"<dd><?Pub _touchup", "\n<?Pub _touchup"}},
      {"reference with its parts",
       "<body><p>When the pump is on and the main valve is open, refer to <dmRef><dmRefIdent><dmCode "
       "modelIdentCode=\"ZQ\" infoCode=\"520\"/></dmRefIdent><dmRefAddressItems><dmTitle><techName>Pump</techName>"
       "</dmTitle></dmRefAddressItems></dmRef> and then close the valve slowly until the pressure gauge shows the "
       "correct value for the system.</p></body>",
       {{"28", "NONE", "When"}, {"02", ", then", "and then"}},
       {}},
      // A long sentence that opens with markup (or an article before it)
      // gets its length finding on the first of the writer's words.
      {"long sentences that open with markup",
       "<body><p>Open the valve.</p><p><codeph>pumpctl</codeph> gives the steps that you must do when the pump is on and the main valve is open and the pressure gauge shows a value that is more than the correct value for the system.</p><p>The <uicontrol>main</uicontrol> pump gives the steps that you must do when the pump is on and the main valve is open and the pressure gauge shows a value that is more than the correct value for the system.</p>"
       "<p><xref href=\"x\"/>, <cmdname>a</cmdname> and utilize gives the steps that you must do when the pump is on and the main valve is open and the pressure gauge shows a value that is more than the correct value for the system.</p><p><keyword>pumpctl</keyword> gives the steps that you must do when the pump is on and the main valve is open and the pressure gauge shows a value that is more than the correct value for the system.</p></body>",
       {{"28", "NONE", "gives"}, {"28", "NONE", "pump"}, {"28", "use", "utilize"}},
       {"</codeph> <?Pub _touchup Kesta=\"2829", "</keyword> <?Pub _touchup Kesta=\"2829"}},
      // The words after it are judged as after a plain word: a finding of
      // several words gives the length finding its marker, words and
      // advice; signs and the rest of a word are passed over; markup first
      // in the body is a word of the sentence.
      {"words after markup judged as written",
       "<body><p><codeph>pumpctl</codeph> gives the steps that you must do when the pump is on and the main valve is open and the pressure gauge shows a value that.</p>"
       "<p><codeph>mod_rewrite</codeph> may be used to allow any arbitrary file to be displayed as source code, without having to rename or copy it to another file in the folder of the server.</p>"
       "<p><codeph>a</codeph> - the <xmlelement>b</xmlelement>s give the steps that you must do when the pump is on and the main valve is open and the pressure gauge shows a value.</p>"
       "<p><xref href=\"x\"/> It&#8217;s a list of the documents that you must read when the pump is on and the main valve is open and the gauge shows a high value.</p></body>",
       {{"28", "NONE", "gives"}, {"28", "can be used/is used", "may be used"}, {"28", "NONE", "give"},
        {"28", "It is/(Noun ... is)", "It&#8217;s"}},
       {"</codeph> <?Pub _touchup Kesta=\"2822"}},
      // Every long sentence has its length finding on the first of the
      // writer's words: in brackets or quotation marks, past options, a
      // word with a digit and the list words after it; a phrase's finding
      // gives it its marker.
      {"length finding past signs, options and digits",
       "<body><p><cmdname>ls</cmdname> (verbose)" + kLong + "</p><p><filepath>agent.conf</filepath> [optional]" +
           kLong + "</p><p><codeph>open()</codeph> \"(default)\"" + kLong + "</p><p><cmdname>pumpctl</cmdname> -F, "
           "--fixed-password gives" + kLong + "</p><p>Subject to the rules of the unit," + kLong + "</p><p>HTML5 and "
           "XHTML output give" + kLong + "</p><p>In order to see it," + kLong + "</p></body>",
       {{"28", "NONE", "verbose"}, {"28", "NONE", "optional"}, {"28", "NONE", "default"}, {"28", "NONE", "gives"},
        {"28", "(Rephrase)", "Subject to"}, {"28", "NONE", "XHTML"}, {"28", "To", "In order to"}},
       {"--fixed-password <?Pub _touchup Kesta=\"28"}},
      // The findings of a long sentence's first words stay, with their
      // words and advice, in the length finding's marker or beside it; the
      // length finding holds whole words.
      {"first words of long sentences",
       "<body><p>10 mm bolts hold" + kLong + "</p><p>The kind of problem is" + kLong + "</p><p>The previous command " +
           "gives" + kLong + "</p><p>Remove pump and install" + kLong + "</p><p>Won't" + kLong + "</p><p>That's" +
           kLong + "</p><p>They'll see" + kLong + "</p><p>The HTML5 plug-in gives" + kLong + "</p></body>",
       {{"17", "10-mm", "10 mm"}, {"28", "NONE", "bolts"}, {"28", "type of/each of the", "kind of"},
        {"28", "last", "previous"}, {"28", "Remove the", "Remove"}, {"28", "NONE", "Won't"}, {"28", "NONE", "That's"},
        {"28", "NONE", "They'll"}, {"28", "NONE", "plug-in"}},
       {"<p>The <?Pub _touchup Kesta=\"2828type of"}},
      // S1000D: names that only end like a reference, and business rules
      // under a bare start tag, hold sentences that are read.
      {"sentences beside references",
       "<body><reqCondNoRef><reqCond>Utilize the pump.</reqCond></reqCondNoRef><contextRules><objectUse>Commence "
       "the flow.</objectUse></contextRules><p><zoneRef zoneNumber=\"100\"/> gives the steps that you must do when the pump is on and the main valve is open and the pressure gauge shows a value that is more than the correct value for the system.</p></body>",
       {{"00", "Use", "Utilize"}, {"00", "Start", "Commence"}, {"28", "NONE", "gives"}},
       {}},
      // The title's words are not the body's.
      {"title before a body",
       "<title>Inspection of the brake wear indicator</title><body><p>The brake wear indicator pins must be "
       "inspected at each daily check.</p></body>",
       {},
       {"<title>Inspection of the brake wear indicator</title>"}},
      {"two (2)", "<body><p>Install two (2) bolts.</p></body>", {{"08", "two", "two (2)"}}, {}},
      {"hint in parentheses", "<body><p>Use tool #4 on the nut.</p></body>", {{"11", "(No. 4)", "#4"}}, {}},
      // Found by the property fuzzer: "and" for the sign before other
      // findings, words on either side of a reference the check passes
      // over, an apostrophe after a reference, a sentence article in lower
      // case.
      {"and before other findings",
       "<body><p>Stop &amp; Remove valve housing</p><p>Remove &amp; <b>valve</b></p></body>",
       {{"11", "and", "&amp;"}}, {}},
      {"words beside a reference",
       "<body><p>a &prod; a valve</p><p>an &prod;s &prod; more then 5</p><p>re-use&prod;\xE2\x80\x98the cover"
       "\xE2\x80\x99</p></body>",
       {}, {}},
      {"sentence article in lower case", "<body><p>the pre-set\xE2\x80\x98the cover\xE2\x80\x99" + Repeat(" valve", 21) + "</p></body>",
       {}, {}},
      // A finding on the placeholder of markup (an inline element, a cross
      // reference, an interface control, code) goes on the nearest word of
      // its sentence: after it where it opens the sentence, else before it.
      {"placeholders", "<body><p>Set the pump <b>turn</b> on and open.</p><p><xref href=\"x.dita\"/> There is a stand.</p>"
       "<p>Set the bolt<xref href=\"x.dita\"/>turn on and open.</p><p>Set the cap <uicontrol>Start</uicontrol> turn on "
       "and open.</p><p>Set the lid <codeph>b</codeph> turn on and open.</p></body>",
       {{"00", "in ON position/illuminated/connected", "pump"}, {"00", "NONE", "There"},
        {"00", "in ON position/illuminated/connected", "bolt"}, {"00", "in ON position/illuminated/connected", "cap"},
        {"00", "in ON position/illuminated/connected", "lid"}},
       {}},
      // A phrase whose first word alone is in markup: the marker holds
      // the words that stand together, inside the markup.
      {"phrase with its first word in markup", "<body><p>Stop the pump <b>in</b> order to drain the oil.</p>"
       "<p>Remove <emphasis>all</emphasis> of the bolts.</p><p>Do this <i>prior</i> to the test.</p></body>",
       // The advice is for the whole phrase: on its first word, a hint.
       {{"02", "(to)", "in"}, {"01", "(all)", "all"}, {"01", "(before)", "prior"}},
       {}},
      // An article put in: the marker on the word before it, or on the next
      // word where the word ends its element; the noun gets no second marker.
      {"article before a plural in parentheses", "<body><p>Remove the pump and turn valve(s) to the left.</p></body>",
       {{"11", "turn the", "turn"}}, {"turn<?Pub /_touchup?> valve(s) to the left."}},
      {"article after an element", "<body><p><i>Remove</i> cover from the pump.</p></body>",
       {{"11", "the cover", "cover"}}, {"<p><i>Remove</i> <?Pub _touchup"}},
      // Found by the property fuzzer: a number and the word joined to it
      // with a quotation mark between them, marked on the number.
      {"number apart from the word joined to it", "<body><p>Set \"20\" newton metres.</p></body>",
       {{"17", "(20-newton)", "20\" newton"}}, {}},
      // A plural's possessive ends at its apostrophe: the marker leaves the
      // next word whole.
      {"plural possessive", "<body><p>Set &#8216;valves&#8217;frobs now.</p><p>Set the valves' covers.</p></body>",
       {{"10", "NONE", "valves&#8217;"}, {"25", "NONE", "frobs"}, {"10", "NONE", "valves'"}}, {}},
      // The word read for the sign is no word of the text, and the sign's
      // own finding leaves the reference after it its finding.
      {"sign before a reference", "<body><p>Remove the pump &amp; &amp; <xref href=\"x.dita\"/>There is a valve.</p>"
       "<p>Remove the pump &amp; <xref href=\"x.dita\"/>There is a valve.</p></body>",
       {{"11", "and", "&amp;"}, {"00", "NONE", "There"}}, {"&amp;<?Pub /_touchup?> <xref href=\"x.dita\"/><?Pub _touchup"}},
      // A name written as a reference is read by its name, as a word of its
      // own or a part of the word it stands in, and its ';' is no
      // semicolon: the words round it keep their findings, no marker lands
      // on a parenthesis or a comma beside it, and a finding on the word
      // that holds it is marked on the whole word.
      {"names written as references", "<body><p>Install the pump &prod;30&#176;F and the &prod;30&#176;F.</p>"
       "<p>Set the &masq-gw; and utilize the pump.</p><p>Edit &booth.conf; on each site; utilize the pump.</p>"
       "<p>Utilize the &linux-qdisc;s and the pump.</p><p>Utilize the pump (&linux_qdisc;).</p>"
       "<p>Use the &param-rate;, the &param-ceil; and the pump; utilize it.</p>"
       "<p>Do not utilize the &prod;'s cover.</p><p>Set the &db:x; and &db:x;s, then utilize the pump.</p></body>",
       {{"01", "use", "utilize"}, {"00", "Use", "Utilize"}, {"37", ".", ";"}, {"10", "NONE", "&prod;'s"}},
       {"<p>Install the pump &prod;30&#176;F and the &prod;30&#176;F.</p>", "the pump (&linux_qdisc;).</p>",
        "<p>Use the &param-rate;, the &param-ceil; and the pump<?Pub"}},
      // So is a name that joins a dictionary word and another with '-': no
      // piece of it is searched for, and no marker lands on the punctuation
      // after it.
      {"names joining words", "<body><p>A packet as a &elements-shaping; mechanism does. Utilize the pump.</p>"
       "<p>The &tools-edit;. &booth-arbitrator; Add an entry for each arbitrator you use in your &geo; cluster.</p>"
       "<p>Utilize the &tools-edit;, the &tools-edit;s and (&tools-edit;) now.</p></body>",
       {{"25", "NONE", "mechanism"}, {"00", "Use", "Utilize"}, {"25", "NONE", "arbitrator"}, {"25", "NONE", "cluster"}},
       {"<p>The &tools-edit;. &booth-arbitrator; Add an entry", "the &tools-edit;, the &tools-edit;s and (&tools-edit;) now."}},
      // A number and its unit read as one word across markup: the marker
      // holds them, without the blank after them.
      {"number joined to its unit across markup", "<body><p>Remove the 90degrees<b/> 90 degrees.</p>"
       "<p>Set the <i>90<![CDATA[]]>degrees</i> 90 degrees.</p></body>",
       {{"05", "NONE", "90degrees"}, {"05", "NONE", "90<![CDATA[]]>degrees"}}, {}},
      // The semicolon after it keeps its own marker.
      {"number joined to its unit before a semicolon", "<body><p>Set the 90degrees; valve now.</p></body>",
       {{"05", "NONE", "90degrees"}, {"37", ".", ";"}}, {}},
      // Signs the check reads as other text, and marks it passes over
      // between words: each finding is marked on its words as the text
      // holds them, a correction's advice a hint where it would take a
      // sign away.
      {"multiplication sign", "<body><p>Use a 10\xC3\x97" "10 mm plate. Utilize the tool.</p></body>",
       {{"17", "(10x10-mm)", "10\xC3\x97" "10 mm"}, {"00", "Use", "Utilize"}}, {}},
      {"fractions", "<body><p>Use a (\xC2\xBC) bolt and utilize the tool.</p><p>Use a (1\xC2\xBD) bolt.</p></body>",
       {{"08", "(Callout - (99) or circles)", "\xC2\xBC"}, {"01", "use", "utilize"},
        {"08", "(Callout - (99) or circles)", "\xC2\xBD"}}, {}},
      {"inch marks and quotation marks", "<body><p>Set the gap to .5&#8221; turn on the pump.</p>"
       "<p>Set the gap to 3/4&#8221; turn on the pump.</p><p>Wait; &#8220;turn on&#8221; the pump.</p></body>",
       {{"01", "(put in ON position)/(put in OFF position)/(connect)/(disconnect)", ".5&#8221; turn"},
        {"00", "(put in ON position)/(put in OFF position)/(connect)/(disconnect)", "3/4&#8221; turn"},
        {"00", "put in ON position/put in OFF position/connect/disconnect", "turn on"}}, {}},
      {"word after a temperature after a reference", "<body><p>Use &prod;30&#176;F and &prod;30&#176;Fpre-set then "
       "stop.</p><p>Set &prod;30\xC2\xB0" "F &prod;30\xC2\xB0" "Fglorp.</p></body>",
       {{"19", "NONE", "pre-set"}, {"25", "NONE", "glorp"}}, {}},
      // A marker ends where the next finding's word begins: the "s" after
      // a plural's apostrophe begins a finding of its own.
      {"possessive of a plural with its s", "<body><p>Put it into output formats\xE2\x80\x99s like HTML.</p></body>",
       {{"10", "NONE", "formats\xE2\x80\x99"}, {"13", "NONE", "s like"}}, {}},
      // A '>' in an attribute value or an instruction ends no tag; a letter
      // the code page cannot hold hides nothing.
      {"'>' inside markup", "<body><p>Remove the <b outputclass=\"a>glorp\">tool</b>. Utilize the pump.</p>"
       "<p>Remove the tool.<?oxy_comment_start author=\"r\" comment=\"a > b\"?> Utilize the pump.<?oxy_comment_end?>"
       "</p></body>",
       {{"00", "Use", "Utilize"}}, {"a>glorp\">tool</b>"}},
      {"letters outside the code page", "<body><p>Utilize the \xCE\xA9 meter.</p><p>Utilize the \xD0\xBC\xD0\xB5"
       "\xD1\x80\xD0\xBA\xD0\xB0 \xC4\x80 meter.</p></body>",
       {{"00", "Use", "Utilize"}}, {"Utilize<?Pub /_touchup?> the \xCE\xA9 meter.</p>"}},
      // No sentence runs across the end of a block: the paragraph after a
      // code block, and a list item without a paragraph, open their own.
      {"sentences end with their blocks", "<body><p>Here is an example:</p><codeblock>&lt;valve state=\"open\"/&gt;"
       "</codeblock><p>In this example, the valve is open.</p><screen>pump --stop</screen><p>If the valve is open, "
       "the pump stops.</p><ul><li>Stop the pump</li><li>In this example, the valve is open</li></ul></body>",
       {{"24", "For example", "In this example"}, {"02", "NONE", "If"}},
       {"<p><?Pub _touchup Kesta=\"24", "<li><?Pub _touchup Kesta=\"24"}},
      // An article after an element goes on the next word, never over the
      // word of the finding after it.
      {"article before a word that touches the next", "<body><p>Stop <i>Remove</i> 'valve'frobs</p></body>",
       {{"11", "the valve", "valve"}, {"25", "NONE", "frobs"}}, {"valve<?Pub /_touchup?>'<?Pub"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string marked = CheckAndClose(c.body);
    EXPECT_EQ(run_.err.find("Not found"), std::string::npos) << run_.err;
    EXPECT_EQ(run_.err.find("[box"), std::string::npos) << run_.err;
    for (const Expected& m : c.markers) EXPECT_TRUE(Marked(marked, m.category, m.advice, m.text)) << m.text << marked;
    for (const std::string& part : c.parts) EXPECT_NE(marked.find(part), std::string::npos) << part << marked;
    EXPECT_NE(closed_.find(c.body), std::string::npos) << closed_;
  }
}

// One name, two uses: DocBook's inline action stands in its sentence as one
// placeholder, a data module's fault isolation action holds sentences. In
// a business rules module each rule's description and each value's label
// is a sentence, and the XPath is code.
TEST_F(MarkingPlaces, DocumentKindsAndRulesModules) {
  const std::string book =
      "<book><chapter><title>Edit</title><para>This command <action>starts a new document</action> in the "
      "editing window.</para><para>This command <action>saves all modified open files</action>.</para><para>When "
      "you push the button, the editor <action moreinfo=\"none\">closes the document</action> and then removes "
      "the temporary files that the editor made in the folder of the server when the pump and the main valve were on.</para>"
      "</chapter></book>\n";
  std::string marked = CheckAndCloseDocument(book);
  EXPECT_TRUE(Marked(marked, "28", "NONE", "When")) << marked;
  EXPECT_TRUE(Marked(marked, "02", ", then", "and then")) << marked;
  for (const char* part : {"</action> in the editing window.", "<action>saves all modified open files</action>."})
    EXPECT_NE(marked.find(part), std::string::npos) << part << marked;
  EXPECT_EQ(run_.err.find("Not found"), std::string::npos) << run_.err;

  const std::string module =
      "<dmodule><content><faultIsolation><isolationProcedure><isolationMainProcedure><isolationStep>"
      "<action>Utilize the pump.</action><isolationStepQuestion>Is it on?</isolationStepQuestion></isolationStep>"
      "</isolationMainProcedure></isolationProcedure></faultIsolation><brex><contextRules><structureObjectRuleGroup>"
      "<structureObjectRule><objectPath allowedObjectFlag=\"2\">//@accessPointTypeValue</objectPath><objectUse>"
      "Attribute accessPointTypeValue - Access point</objectUse><objectValue valueForm=\"single\" "
      "valueAllowed=\"accpnl01\">Access is a door</objectValue><objectValue valueForm=\"single\" "
      "valueAllowed=\"accpnl04\">Access is a hatch</objectValue></structureObjectRule><structureObjectRule>"
      "<objectPath allowedObjectFlag=\"0\">//@caveat</objectPath><objectUse>Utilize the warning element in place "
      "of this attribute</objectUse></structureObjectRule></structureObjectRuleGroup></contextRules></brex>"
      "</content></dmodule>\n";
  marked = CheckAndCloseDocument(module);
  EXPECT_TRUE(Marked(marked, "00", "Use", "Utilize")) << marked;
  EXPECT_NE(marked.find("<objectUse><?Pub _touchup Kesta=\"0000Use\""), std::string::npos) << marked;
  for (const char* part : {"\">//@accessPointTypeValue</objectPath>", "\">//@caveat</objectPath>"})
    EXPECT_NE(marked.find(part), std::string::npos) << part << marked;
  EXPECT_EQ(marked.find("Kesta=\"28"), std::string::npos) << marked;
  EXPECT_EQ(run_.err.find("Not found"), std::string::npos) << run_.err;
}

std::string Repeat(const char* s, int n) { return Repeat(std::string(s), n); }

// References and keywords that stand before the text are no words of the
// first sentence after them: it is numbered as without them.
TEST_F(MarkingPlaces, ReferencesBeforeTheText) {
  const std::string dmRef = "<dmRef><dmRefIdent><dmCode modelIdentCode=\"X\" infoCode=\"041\"/></dmRefIdent></dmRef>";
  for (int refs : {1, 3, 25}) {
    SCOPED_TRACE(refs);
    const std::string marked = CheckAndCloseDocument(
        "<dmodule><content><refs>" + Repeat(dmRef, refs) + "</refs><description><levelledPara><title>Utilize the "
        "pump</title><para>General.</para></levelledPara></description></content></dmodule>\n");
    EXPECT_NE(marked.find("<title><?Pub _touchup Kesta=\"0000Use\""), std::string::npos) << marked;
    EXPECT_EQ(marked.find("Kesta=\"28"), std::string::npos) << marked;
  }
  const std::string keydef =
      "<keydef keys=\"k\"><topicmeta><keywords><keyword>Acme</keyword></keywords></topicmeta></keydef>";
  const std::string marked = CheckAndCloseDocument(
      "<map><title>Pumps</title>" + Repeat(keydef, 25) +
      "<topicref href=\"a.dita\"><topicmeta><navtitle>Utilize the pump</navtitle></topicmeta></topicref></map>\n");
  EXPECT_NE(marked.find("<navtitle><?Pub _touchup Kesta=\"0000Use\""), std::string::npos) << marked;
  EXPECT_EQ(marked.find("Kesta=\"28"), std::string::npos) << marked;
}

// Each title is a sentence of its own, and the metadata before a title ends
// its sentence: the title gets the findings and numbers it gets alone.
TEST_F(MarkingPlaces, TitlesAndMetadataBeforeTheText) {
  const char* kTitles[] = {"Features Overview", "Smart Navigation", "Quick Start", "System Requirements",
                           "Data Backup"};
  for (const char* element : {"navtitle", "linktext"}) {
    SCOPED_TRACE(element);
    std::string refs;
    for (int i = 0; i < 24; ++i)
      refs += std::string("<topicref href=\"t.dita\"><topicmeta><") + element + ">" + kTitles[i % 5] + "</" +
              element + "></topicmeta></topicref>";
    const std::string last = std::string("<topicref href=\"u.dita\"><topicmeta><") + element +
                             ">Utilize the pump</" + element + "></topicmeta></topicref>";
    for (const std::string& map :
         {"<map><title>User Guide</title>" + refs + last + "</map>\n",
          "<map><topicmeta><navtitle>Pump Guide</navtitle><linktext>Pump care</linktext><keywords><keyword>pump"
          "</keyword></keywords></topicmeta>" + last + "</map>\n"}) {
      const std::string marked = CheckAndCloseDocument(map);
      EXPECT_NE(marked.find("<" + std::string(element) + "><?Pub _touchup Kesta=\"0000Use\""), std::string::npos)
          << marked;
      EXPECT_EQ(marked.find("Kesta=\"28"), std::string::npos) << marked;
    }
  }
  // A bookmap's one-word title and a long chapter title: the length finding
  // stands on the chapter title's first word.
  std::string marked = CheckAndCloseDocument(
      "<bookmap><booktitle><mainbooktitle>Pump</mainbooktitle></booktitle><chapter href=\"c.dita\"><topicmeta>"
      "<navtitle>Installation of the pump on the frame of the machine when the frame is level and the operator has "
      "removed the old pump and cleaned the mounting surface with a dry cloth</navtitle></topicmeta></chapter>"
      "</bookmap>\n");
  EXPECT_TRUE(Marked(marked, "28", "NONE", "Installation")) << marked;
  EXPECT_FALSE(Marked(marked, "28", "NONE", "Pump")) << marked;
  // A reference page's purpose, with and without the page's metadata
  // before it.
  const std::string meta = "<refmeta><refentrytitle>pumpctl</refentrytitle><manvolnum>8</manvolnum><refmiscinfo "
                           "class=\"sectdesc\">System Management Commands</refmiscinfo></refmeta>";
  const std::string name = "<refnamediv><refname>pumpctl</refname><refpurpose>Utilize the pump from the command "
                           "line</refpurpose></refnamediv>";
  for (const std::string& info :
       {std::string(), std::string("<refentryinfo><author><firstname>Julianne Frances</firstname><surname>Haugh"
                                   "</surname><contrib>Creation, 1989</contrib></author><copyright><year>2021"
                                   "</year><holder>Acme</holder></copyright><date>01 May 2019</date>"
                                   "</refentryinfo>")}) {
    marked = CheckAndCloseDocument("<refentry id=\"p\">" + info + meta + name + "</refentry>\n");
    EXPECT_NE(marked.find("<refpurpose><?Pub _touchup Kesta=\"0000Use\""), std::string::npos) << marked;
    EXPECT_EQ(marked.find("Kesta=\"28"), std::string::npos) << marked;
    EXPECT_EQ(marked.find("Kesta=\"25"), std::string::npos) << marked;
  }
}

// The fields of records are no writer's words: a revision's number, date
// and initials and a wire's fields get no finding, and a run of them no
// length finding; a revision's remark is read as a sentence of its own.
TEST_F(MarkingPlaces, RecordFieldsAreNoWords) {
  const std::string revision = "<revision><revnumber>1.2</revnumber><date>04 April 2021</date><authorinitials>FPL"
                               "</authorinitials><revremark>Utilize the new pump figures</revremark></revision>";
  const std::string older = "<revision><revnumber>1.1</revnumber><date>01 May 2019</date><authorinitials>esr"
                            "</authorinitials><revremark>Added the various notes on the seal</revremark></revision>";
  for (const std::string& xml :
       {"<article><articleinfo><title>Pump notes</title><revhistory>" + revision + older + Repeat(older, 3) +
            "</revhistory></articleinfo><para>The pump of <date>01 May 2019</date> has a new seal.</para></article>\n",
        "<article xmlns=\"http://docbook.org/ns/docbook\"><info><title>Pump notes</title><revhistory>" + revision +
            older + "</revhistory></info><section><title>Changes</title><revhistory>" + revision +
            "</revhistory></section></article>\n",
        // A reference page's: its title, author, date and product are not read.
        "<refentry id=\"p\"><refentryinfo><title>Pump Tools Manual</title><author><surname>Haugh</surname><contrib>"
        "Creation, 1989</contrib></author><date>01 May 2019</date><productname>pumptools</productname><revhistory>" +
            revision + older + "</revhistory><legalnotice><para>Utilize this page with care.</para></legalnotice>"
            "</refentryinfo><refnamediv><refname>pumpctl</refname><refpurpose>Stop the pump</refpurpose>"
            "</refnamediv></refentry>\n"}) {
    const std::string marked = CheckAndCloseDocument(xml);
    for (const char* field : {"April", "May", "FPL", "esr", "2021", "1.2", "Haugh", "Creation", "pumptools"})
      EXPECT_EQ(marked.find(std::string("?>") + field), std::string::npos) << field << marked;
    EXPECT_NE(marked.find("<revremark><?Pub _touchup Kesta=\"0000Use\""), std::string::npos) << marked;
    if (xml.find("<legalnotice>") != std::string::npos) {
      EXPECT_NE(marked.find("<legalnotice><para><?Pub _touchup Kesta=\"0000Use\""), std::string::npos) << marked;
    }
    EXPECT_TRUE(Marked(marked, "01", "many", "various")) << marked;
    EXPECT_EQ(marked.find("Kesta=\"28"), std::string::npos) << marked;
  }
  const std::string wire = "<wire id=\"w1\" itemOriginator=\"orig01\"><wireNumber>W101</wireNumber><wireType>AP"
                           "</wireType><wireGauge>22</wireGauge><wireColor>red</wireColor><length lengthUnit=\"mm\">"
                           "1250</length><fromEquip><equipNumber>P1</equipNumber><contactNumber>12</contactNumber>"
                           "</fromEquip><groupingValue>May</groupingValue><enterpriseName>Acme Brake Systems"
                           "</enterpriseName></wire>";
  const std::string marked = CheckAndCloseDocument(
      "<dmodule><content><wiringData><wireData>" + Repeat(wire, 3) + "<wireAlts>" + Repeat(wire, 2) +
      "</wireAlts></wireData><harnessData><harness><name>Main brake harness</name><enterpriseName>Acme"
      "</enterpriseName></harness></harnessData></wiringData></content></dmodule>\n");
  EXPECT_EQ(marked.find("<?Pub _touchup"), std::string::npos) << marked;
}

// A data module is read as the root is, wherever it stands: inside a
// publication module, bare or in its content wrapper, its description,
// identification and status draw no finding, and its content gets the
// markers of the module alone, its actions among them. An element checked
// on purpose is read whole, as in the module alone.
TEST_F(MarkingPlaces, DataModuleInsideAPublication) {
  const std::string module =
      "<dmodule id=\"dm\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:rdf=\"http://www.w3.org/1999/02/"
      "22-rdf-syntax-ns#\"><rdf:Description><dc:format>text/xml</dc:format><dc:language>en-US</dc:language>"
      "</rdf:Description><identAndStatusSection><dmAddress><dmAddressItems><dmTitle><techName id=\"tn\">Cooling fan "
      "unit</techName></dmTitle></dmAddressItems></dmAddress><dmStatus><copyright><copyrightPara>This material is "
      "provided as is and neither the maker nor any person who has contributed to the creation of this material "
      "makes any promise of merchantability.</copyrightPara></copyright><brexDmRef><dmRef/></brexDmRef>"
      "<reasonForUpdate><simplePara>Utilize the new data.</simplePara></reasonForUpdate></dmStatus>"
      "</identAndStatusSection><content id=\"dc\"><faultIsolation><isolationProcedure><isolationMainProcedure>"
      "<isolationStep id=\"s1\"><action>Utilize a pressure gauge on the test port.</action><isolationStepQuestion>"
      "Is the pressure correct?</isolationStepQuestion></isolationStep><isolationProcedureEnd id=\"e1\"><action>"
      "Replace the pump, because a pump that cannot make pressure when the switch is ON and the reservoir is full "
      "has a worn gear set that the workshop must repair.</action></isolationProcedureEnd></isolationMainProcedure>"
      "</isolationProcedure></faultIsolation></content></dmodule>";
  auto moduleOf = [](const std::string& marked) {
    const std::size_t from = marked.find("<dmodule");
    return marked.substr(from, marked.find("</dmodule>") - from);
  };
  const std::string custom = std::string(KESTA_BUILD_DIR) + "/custom";
  auto errorsScored = [&](const std::string& doc) {
    const std::string err = Kesta({"call", "SixsigmaRead", doc, "--answer", "2"}, custom).err;
    const std::size_t at = err.find("KESta found ");
    return at == std::string::npos ? err : err.substr(at, err.find(" in ", at) - at);
  };
  std::string alone, aloneScore;
  std::map<std::string, std::string> aloneElements;
  for (const std::string& xml :
       {module + "\n", "<pm><content id=\"pc\"><pmEntry><pmEntryTitle>Faults</pmEntryTitle>" + module +
                           "</pmEntry></content></pm>\n",
        "<pm><content id=\"pc\"><pmEntry><dmContent>" + module + "</dmContent></pmEntry></content></pm>\n"}) {
    const std::string marked = CheckAndCloseDocument(xml);
    EXPECT_NE(marked.find("<action><?Pub _touchup Kesta=\"0000Use\""), std::string::npos) << marked;
    EXPECT_TRUE(Marked(marked, "28", "NONE", "Replace")) << marked;
    EXPECT_TRUE(Marked(marked, "02", "(Move when to main clause.)", "when")) << marked;
    EXPECT_GT(marked.find("Kesta="), marked.find("<content id=\"dc\">")) << marked;
    const std::string doc = dir_.Write("doc.xml", xml);
    if (alone.empty()) {
      alone = moduleOf(marked);
      aloneScore = errorsScored(doc);
    } else {
      EXPECT_EQ(moduleOf(marked), alone);
      EXPECT_EQ(errorsScored(doc), aloneScore);
      ProgramRun whole = Kesta({"check", doc, "--element", "pc"}, custom);
      EXPECT_EQ(moduleOf(whole.out), alone) << whole.err;
    }
    for (const char* id : {"dm", "dc", "tn", "s1"}) {
      ProgramRun element = Kesta({"check", doc, "--element", id}, custom);
      EXPECT_EQ(element.status, 0) << element.err;
      std::string& first = aloneElements[id];
      if (first.empty()) first = moduleOf(element.out);
      EXPECT_EQ(moduleOf(element.out), first) << id;
    }
  }
  EXPECT_NE(aloneElements["tn"].find("Kesta=\"3800"), std::string::npos) << aloneElements["tn"];
  EXPECT_NE(aloneElements["s1"].find("<action><?Pub _touchup Kesta=\"0000Use\""), std::string::npos);
}

// A figure ends its sentence: the paragraph after it opens a sentence of
// its own, as it would alone ("There" gets none of the findings that a
// placeholder before it in its sentence would give it).
TEST_F(MarkingPlaces, FigureBeforeAParagraph) {
  const std::string xml =
      "<dmodule id=\"d\"><content><description><levelledPara><title>Installing the pump on the stand</title>"
      "<figure><title /><graphic infoEntityIdent=\"ICN-1\"/></figure><para>There is a stand.</para>"
      "<figure><graphic infoEntityIdent=\"ICN-2\"/></figure><para>In this example, the stand is open.</para>"
      "</levelledPara></description></content></dmodule>\n";
  const std::string marked = CheckAndCloseDocument(xml);
  EXPECT_EQ(run_.err.find("Not found"), std::string::npos) << run_.err;
  EXPECT_NE(marked.find("<para>There is a stand.</para>"), std::string::npos) << marked;
  EXPECT_TRUE(Marked(marked, "24", "For example", "In this example")) << marked;
  EXPECT_EQ(closed_, xml);
}

// A correction is a marker whose advice is the corrected text, a sign as
// its character; the text stays as written. Where the corrected text would
// be wrong, no such advice is given; where markup divides a correction's
// words, the advice is a hint in parentheses, which the menu does not put
// in.
TEST_F(MarkingPlaces, CorrectionsAreAdvice) {
  const struct {
    const char* name;
    std::string text;
    std::vector<Expected> markers;
    std::vector<std::string> notAdvice;  // advice no marker holds
  } cases[] = {
      {"bracket after in", "Use the Plug-in) and the cable.", {}, {"inch"}},
      {"temperature", "Set the 258C code.", {{"11", "258\xC2\xB0" "C", "258C"}}, {}},
      {"quotation", "Click \xE2\x80\x9Cpush\xE2\x80\x9D button.", {}, {}},
      {"article needed", "Remove cover now.", {}, {}},
      {"repeated article", "Remove the the cover.", {{"04", "the", "the the"}}, {}},
      // Found by the property fuzzer: a sign already written, a repeated
      // article that opens a long sentence, a short form's full stop that
      // ends its sentence, the case of the long form.
      {"sign already written", "Remove 30\xC2\xB0" "F the valve.", {}, {"30\xC2\xB0" "F"}},
      {"repeated article before a long sentence", "the the" + Repeat(" valve", 22), {{"28", "the", "the the"}}, {}},
      {"short form ending its sentence", "The pump is min. Use max. bolts.",
       {{"11", "minimum", "min"}, {"11", "maximum", "max."}}, {}},
      {"short form in capitals", "Max pump is it. MAX PUMP IS IT.", {{"11", "Maximum", "Max"}, {"11", "MAXIMUM", "MAX"}},
       {}},
      // What rules could not see: units after a number, a unit of two
      // words, codes of a series, a word that begins like a unit, "on" and
      // "at" after a number, a finding before "turn on".
      {"unit of two words", "Tighten the bolt to 20 newton metres.", {}, {"m"}},
      {"min after a number", "Wait 10 min at 20C. Use 5 max. bolts.", {}, {"minimum", "maximum"}},
      {"codes of a series",
       "For example, if 258A means \"Other procedure\", 258B could mean \"Clean with water\" and 258C could mean "
       "\"Clean with air\".",
       {}, {"258\xC2\xB0" "C"}},
      {"a word that begins like a unit", "The documents, forming one section, are here.", {}, {"1"}},
      {"on and at after a number", "Set 5&#xa0;on&#8220;then&#8221;25 pumps. Put 2 at \"A\" 4 pumps.",
       {{"11", "than", "then"}}, {"inch", "inch "}},
      {"max before turn on", "Set max turn on and open the valve.",
       {{"11", "maximum", "max"}, {"01", "in ON position/illuminated/connected", "turn on"}}, {}},
      // Numbers in words: whole in any case; divided by markup, a hint.
      {"number in capitals", "WAIT TWENTY-FIVE MINUTES.", {{"11", "25", "TWENTY-FIVE"}}, {"5"}},
      {"number with capitals", "Wait Twenty-Five minutes.", {{"11", "25", "Twenty-Five"}}, {"5"}},
      {"number divided by markup", "Wait twenty-<b>five</b> minutes.", {{"11", "(25)", "five"}}, {"5", "25"}},
      {"number in CDATA", "Install <![CDATA[twenty-five]]> bolts.", {{"11", "25", "<![CDATA[twenty-five]]>"}}, {}},
      {"unit in CDATA", "Install <![CDATA[10 millimetre]]> bolts.", {}, {}},
      // Found by the property fuzzer: a word that begins like a scale
      // letter is no scale.
      {"word that begins like a scale", "90 degrees &prod; Filter&#8216;the cover&#8217;",
       {{"11", "90\xC2\xB0", "90 degrees"}}, {"90\xC2\xB0" "F"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string marked = CheckAndClose("<body><p>" + c.text + "</p></body>");
    for (const Expected& m : c.markers) EXPECT_TRUE(Marked(marked, m.category, m.advice, m.text)) << m.text << marked;
    for (const std::string& advice : c.notAdvice)
      EXPECT_EQ(std::regex_search(marked, std::regex("Kesta=\"[0-9]{4}" + advice + "\"")), false) << advice << marked;
    EXPECT_EQ(run_.err.find("Not found"), std::string::npos) << run_.err;
    EXPECT_EQ(run_.err.find("[box Report"), std::string::npos) << run_.err;
  }
}

// Taking a correction's advice through the menu puts the corrected text in:
// a sign as its character, in the document's encoding; text of a CDATA
// section stays in it; a hint puts nothing in.
TEST_F(MarkingPlaces, TakingTheAdvice) {
  const struct {
    const char* name;
    std::string encoding;
    std::string text;
    std::string taken;  // the paragraph after the suggestion was taken
    const char* marker = "(1,3,0)";  // the element id of the marker whose advice is taken
  } cases[] = {
      {"sign", "UTF-8", "Set the 258C code.", "Set the 258\xC2\xB0" "C code."},
      {"sign in Latin-1", "ISO-8859-1", "Set the 258C code.", "Set the 258\xB0" "C code."},
      // The marker keeps the sign of its advice through a file that cannot hold it.
      {"sign in ASCII", "US-ASCII", "Set the 258C code.", "Set the 258&#176;C code."},
      {"number in CDATA", "UTF-8", "Install <![CDATA[twenty-five]]> bolts.", "Install <![CDATA[25]]> bolts."},
      {"hint", "UTF-8", "Wait twenty-<b>five</b> minutes.",
       "twenty-<b><?Pub _touchup Kesta=\"1103(25)\" HighltBckclr=\"FF6699\"?>five<?Pub /_touchup?></b> minutes."},
      // Advice in the form of its place, and a marker that holds what it replaces.
      {"-s form", "UTF-8", "The tool cleans up the files.", "<p>The tool removes the files.</p>"},
      {"modal for three words", "UTF-8", "The tool is expected to start.", "<p>The tool can start.</p>"},
      {"it is", "UTF-8", "It's a good pump.", "<p>It is a good pump.</p>"},
      // The length finding over a contraction or a phrase it took the marker of.
      {"it is in a long sentence", "UTF-8", "It's" + kLong, "<p>It is the steps"},
      {"phrase in a long sentence", "UTF-8", "In order to see it," + kLong, "<p>To see "},
      {"phrase after an article in a long sentence", "UTF-8", "The kind of problem is" + kLong, "<p>The type of problem"},
      {"word after an article in a long sentence", "UTF-8", "The previous command gives" + kLong, "<p>The last command"},
      {"article put in in a long sentence", "UTF-8", "Remove pump and install" + kLong, "<p>Remove the pump and"},
      {"after a modal", "UTF-8", "The tool may clean up the files.", "?>may<?Pub /_touchup?> remove the files.</p>", "(1,4,0)"},
      {"for the subject of the be", "UTF-8", "If you are running the pump, stop it.", "<p>If you operate the pump"},
      {"be and its words", "UTF-8", "The tank is kept at room temperature.", "<p>The tank is at room"},
      {"modal for the be", "UTF-8", "The pumps are able to start.", "<p>The pumps can start.</p>"},
      {"verb noted", "UTF-8", "The user logs in to the system.", "<p>The user logs on to the system.</p>"},
      {"after a be a finding holds", "UTF-8", "It is kept at room temperature.", "It is<?Pub /_touchup?> at room",
       "(1,4,0)"},
      {"after a be a finding holds, kept", "UTF-8", "It is ready to start.",
       "It is<?Pub /_touchup?> prepared to start", "(1,4,0)"},
      {"the to it replaces", "UTF-8", "The tools allow you to publish the file.", "<p>The tools let you "},
      {"capital", "UTF-8", "Type the part number.", "<p>Enter the part number.</p>"},
      // A hint is not put in: the marker stays.
      {"placeholder", "UTF-8", "Stop the pump unless the valve is open.", "Kesta=\"0102(if ... not)\""},
      {"prefix", "UTF-8", "Use a non-metallic tool.", "Kesta=\"1402(not)\""},
      // No blank opens the sentence.
      {"advice with a blank before it", "UTF-8", "Stop the pump. Take care with the valve.", "pump. Obey with"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CheckAndClose("<p>" + c.text + "</p>", c.encoding);
    const std::string taken = TakeAdvice(c.marker);
    EXPECT_NE(taken.find(c.taken), std::string::npos) << taken;
  }
}

// A marker of a marked paragraph: where it begins and ends in the
// paragraph's text (markup read as one character) and its value.
struct Span {
  std::size_t begin, end;
  std::string value;
  bool operator==(const Span&) const = default;
};
void PrintTo(const Span& s, std::ostream* os) { *os << s.value << " @" << s.begin << "-" << s.end; }

// The text of a paragraph's content (markup as '\x01') and its markers.
std::pair<std::string, std::vector<Span>> Read(const std::string& content) {
  static const std::regex token("<\\?Pub _touchup Kesta=\"([^\"]*)\"[^?]*\\?>|<\\?Pub /_touchup\\?>|<[^>]*>|[^<]+");
  std::string text;
  std::vector<Span> spans;
  for (std::sregex_iterator t(content.begin(), content.end(), token), end; t != end; ++t) {
    const std::string s = t->str();
    if ((*t)[1].matched)
      spans.push_back({text.size(), 0, (*t)[1].str()});
    else if (s == "<?Pub /_touchup?>")
      spans.back().end = text.size();
    else
      text += s[0] == '<' ? std::string("\x01") : s;
  }
  return {text, spans};
}

// A sentence too long keeps every finding its first words get in a
// sentence within the limit that opens as it does, with its words and
// advice, as a marker of its own or as the length finding's marker; it has
// one length finding, on whole words; no other marker stands among its
// first words. So after an article, a placeholder, a bracket, a quotation
// mark, an option or a word with a digit, and in a sentence after another.
TEST_F(MarkingPlaces, LongSentencesKeepTheFindingsOfTheirFirstWords) {
  const char* const openings[] = {
      "10 mm bolts hold", "25 kg weights hold", "kind of problem is usually shown", "previous command", "note that",
      "various parts", "final step", "additional steps", "remove pump and install", "install cover and",
      "won't the pump", "can't the pump", "it's a pump", "that's the pump", "there's a pump", "let's remove",
      "I'm sure", "they'll remove", "you'd see", "pump's cover is", "valves' covers are", "plug-in units have",
      "HTML5 plug-in has been updated", "non-metallic tools are", "set-up is", "PLUG-IN UNITS HAVE",
      "in order to see it", "in many cases", "subject to the rules", "may be used", "prior to the test",
      "utilize the pump", "the the valve", "twenty-five bolts hold", "turn on the pump", "advise on"};
  const char* const leads[] = {"", "The ", "<codeph>pumpctl</codeph> ", "(", "\xE2\x80\x9C", "-F, ", "HTML5 ",
                               "<xref href=\"x.dita\"/> "};
  const char* const befores[] = {"", "<b>Stop</b>. "};
  const std::string shortTail = " and the pump stays in its place.";
  const std::string longTail = shortTail.substr(0, shortTail.size() - 1) +
                               " when the engine runs at a high speed and the valve must stay open for the test of the unit in the shop.";
  std::vector<std::string> cases;  // each paragraph's words before its tail
  std::string body = "<body>";
  for (const char* before : befores)
    for (const char* lead : leads)
      for (std::string opening : openings) {
        const std::string_view l = lead;
        if (l.empty() || l == "(" || l.starts_with("\xE2")) opening[0] = static_cast<char>(std::toupper(opening[0]));
        const std::string words = before + std::string(lead) + opening;
        const std::string n = std::to_string(cases.size());
        body += "<p id=\"s" + n + "\">" + words + shortTail + "</p><p id=\"l" + n + "\">" + words + longTail + "</p>";
        cases.push_back(words);
      }
  const std::string marked = CheckAndClose(body + "</body>");
  EXPECT_EQ(run_.err.find("Not found"), std::string::npos) << run_.err;
  EXPECT_EQ(run_.err.find("[box"), std::string::npos) << run_.err;
  auto paragraph = [&](const std::string& id) {
    const std::size_t open = marked.find("<p id=\"" + id + "\">");
    const std::size_t from = marked.find('>', open) + 1;
    return Read(marked.substr(from, marked.find("</p>", from) - from));
  };
  auto isLength = [](const Span& m) { return m.value.starts_with("28"); };
  auto inWord = [](const std::string& t, std::size_t i) {
    auto alnum = [&](std::size_t k) { return k < t.size() && std::isalnum(static_cast<unsigned char>(t[k])); };
    return alnum(i) || (i > 0 && alnum(i - 1) && alnum(i + 1) && (t[i] == '-' || t[i] == '\''));
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i]);
    const auto [shortText, shortMarkers] = paragraph("s" + std::to_string(i));
    const auto [longText, longMarkers] = paragraph("l" + std::to_string(i));
    const std::size_t first = Read(cases[i]).first.size();  // the first words end here
    std::vector<Span> lengths, kept;
    for (const Span& m : longMarkers) (isLength(m) ? lengths : kept).push_back(m);
    EXPECT_EQ(std::ranges::count_if(shortMarkers, isLength), 0);
    ASSERT_EQ(lengths.size(), 1u) << longText;
    const Span& length = lengths[0];
    EXPECT_FALSE(length.begin > 0 && inWord(longText, length.begin - 1) && inWord(longText, length.begin)) << longText;
    EXPECT_FALSE(inWord(longText, length.end) && inWord(longText, length.end - 1)) << longText;
    // The length finding carries advice only as the finding it holds.
    bool held = false;
    for (const Span& m : shortMarkers) {
      if (m.begin >= first) continue;
      const bool own = std::ranges::find(kept, m) != kept.end();
      const bool inLength = m.begin == length.begin && m.end == length.end && m.value.substr(4) == length.value.substr(4);
      EXPECT_TRUE(own || inLength) << m.value << " on " << shortText.substr(m.begin, m.end - m.begin) << " / " << longText;
      held = held || (inLength && !own);
    }
    for (const Span& m : kept) {
      if (m.begin < first) {
        EXPECT_NE(std::ranges::find(shortMarkers, m), shortMarkers.end()) << m.value << " / " << longText;
      }
    }
    if (!held) {
      EXPECT_TRUE(length.value.substr(4) == "NONE" || length.value[4] == '(') << length.value << longText;
    }
  }
}

// The README's worked example as it counts it: 22 words, and with "you" or
// "the test" changed, 23 ("2822") or 24 ("2823") where the change counts.
TEST_F(MarkingPlaces, SentenceLengthCountedAsTheReadmeSays) {
  const std::vector<std::array<std::string, 3>> cases = {  // for "you", before "test", the length or none
      {"you", "", ""}, {"you", "second ", "22"}, {"they'll", "second ", "22"}, {"they'll", "", ""},
      {"you", "/usr/bin ", "22"}, {"you", "<i>/dev/pump</i> ", "22"}, {"you", "/etc/pump.conf ", "23"},
      {"you", "/ ", ""}, {"you", "plug-in ", "23"}, {"you", "PLUG-IN ", "23"}, {"you", "3-way ", "23"},
      {"you", "hang-up ", "22"}, {"you", "O-ring ", "22"}, {"you", "self-test ", "22"}, {"you", "1.5 ", "23"}};
  std::string body = "<body>";
  for (const auto& [you, before, length] : cases)
    body += "<p>Remove the four bolts, the washer and the seal from the pump housing and put the pump on the bench "
            "with the inlet port up before " + you + " start the " + before + "test.</p>";
  const std::string marked = CheckAndClose(body + "</body>");
  for (std::size_t open = marked.find("<p>"); const auto& c : cases) {
    const std::string p = marked.substr(open, marked.find("</p>", open) - open);
    const std::size_t at = p.find("Kesta=\"28");
    EXPECT_EQ(at == std::string::npos ? "" : p.substr(at + 9, 2), c[2]) << p;
    open = marked.find("<p>", open + 1);
  }
}

}  // namespace

// The content of the element whose start tag holds ` id="ID"` in `marked`,
// read as Read reads it.
std::pair<std::string, std::vector<Span>> Element(const std::string& marked, const std::string& tag,
                                                  const std::string& id) {
  const std::size_t open = marked.find("<" + tag + " id=\"" + id + "\">");
  if (open == std::string::npos) return {};
  const std::size_t from = marked.find('>', open) + 1;
  return Read(marked.substr(from, marked.find("</" + tag + ">", from) - from));
}

// A block's words get the findings they get with a plain block beside it,
// whatever mark ends the block before it and whatever word opens the block
// after it; each also gets them checked alone.
TEST_F(MarkingPlaces, ABlockIsMarkedAsBesidePlainBlocks) {
  const char* const blocks[] = {
      "We don't usually know what they're not using.",  // the sentence's count
      "Map Visualizer",                                 // a label before a control noun
      "Common attribute sets",                          // a phrasal verb's particle
      "Files",                                          // a noun used as a verb
      "Use the shortcut as well.",                      // "as well as"
      "<b>Note</b> - the valves are often used.",       // bold that opens the block
      "What the URLs mean:",                            // short sentences counted as later ones
      "Removed from standard",
      "T - the information is related to training",
      "The &quot;IP&quot; parameters above can either be a full dotted decimal IP address or a hostname which "
      "will be looked up via the normal hostname resolution mechanisms.",  // a quotation opens a long sentence
  };
  const char* const befores[] = {"Close the valve.", "What are we missing?", "Stop!", "Do these steps:",
                                 "Where is the <b>valve</b>?", "Close the"};
  const char* const afters[] = {"Close the valve.", "Key Resolution", "Control the pump.", "Down the valve.",
                                "For the valve.", "As the valve opens, stop.", "Button"};
  std::string body = "<body>";
  auto add = [&](std::size_t b, std::size_t before, std::size_t after) {
    body += std::string("<p>") + befores[before] + "</p><p id=\"b" + std::to_string(b) + "-" +
            std::to_string(before) + "-" + std::to_string(after) + "\">" + blocks[b] + "</p><p>" + afters[after] +
            "</p>\n";
  };
  for (std::size_t b = 0; b < std::size(blocks); ++b) {
    for (std::size_t before = 0; before < std::size(befores); ++before) add(b, before, 0);
    for (std::size_t after = 1; after < std::size(afters); ++after) add(b, 0, after);
  }
  const std::string doc = "<topic id=\"t\"><title>Pumps</title>" + body + "</body></topic>\n";
  const std::string marked = CheckAndCloseDocument(doc);
  EXPECT_EQ(run_.err.find("Not found"), std::string::npos) << run_.err;
  for (std::size_t b = 0; b < std::size(blocks); ++b) {
    SCOPED_TRACE(blocks[b]);
    const std::string id = "b" + std::to_string(b) + "-";
    const auto plain = Element(marked, "p", id + "0-0");
    for (std::size_t before = 1; before < std::size(befores); ++before)
      EXPECT_EQ(Element(marked, "p", id + std::to_string(before) + "-0"), plain) << befores[before];
    for (std::size_t after = 1; after < std::size(afters); ++after)
      EXPECT_EQ(Element(marked, "p", id + "0-" + std::to_string(after)), plain) << afters[after];
    const ProgramRun alone =
        Kesta({"check", (dir_.path() / "doc.xml").string(), "--element", id + "1-0"}, std::string(KESTA_BUILD_DIR) + "/custom");
    EXPECT_EQ(Element(alone.out, "p", id + "1-0"), plain) << "checked alone";
  }
  EXPECT_TRUE(Marked(marked, "13", "(Rephrase)", "know what")) << marked;
  EXPECT_TRUE(Marked(marked, "38", "(Correct negative gerund)", "not using")) << marked;
  EXPECT_TRUE(Marked(marked, "25", "NONE", "Visualizer")) << marked;
}

// A "!" that ends the first sentence of what is checked ends it as any
// other: that sentence is measured alone, in every document type, after a
// word or an element, and in an element checked alone.
TEST_F(MarkingPlaces, AFirstSentenceEndedByAnExclamationMark) {
  const std::string kLonger =
      " Remove the pump when the engine runs at a high speed and the valve must stay open for the test of the unit in "
      "the shop near the main gate.";
  const std::string kWithin =
      " Remove the pump when the main valve is open and the pressure gauge shows a value that is more than the "
      "correct value for the system gate.";
  const char* const firsts[] = {"Stop!", "<b>Stop</b>!", "Warning!", "Caution!", "Go!"};
  const struct {
    const char* before;
    const char* after;
    const char* element;
  } documents[] = {
      {"<topic id=\"t\"><title>Pumps</title><body><p>Close it.</p><p id=\"x\">", "</p></body></topic>", "p"},
      {"<topic id=\"t\"><title id=\"x\">", "</title><body><p>Close it.</p></body></topic>", "title"},
      {"<article><para id=\"x\">", "</para></article>", "para"},
      {"<article><title id=\"x\">", "</title><para>Close it.</para></article>", "title"},
      {"<dmodule><content><description><levelledPara><title id=\"x\">",
       "</title><para>Close it.</para></levelledPara></description></content></dmodule>", "title"},
      {"<dmodule><content><description><levelledPara><title>Pumps</title><para id=\"x\">",
       "</para></levelledPara></description></content></dmodule>", "para"},
  };
  for (const auto& d : documents) {
    for (std::string first : firsts) {
      if (std::string_view(d.before).starts_with("<article>") && first == "<b>Stop</b>!")
        first = "<emphasis>Stop</emphasis>!";
      for (const std::string* rest : {&kLonger, &kWithin}) {
        SCOPED_TRACE(d.before + first + *rest);
        const std::string marked = CheckAndCloseDocument(d.before + first + *rest + d.after + "\n");
        const auto [text, spans] = Element(marked, d.element, "x");
        std::vector<std::string> lengths;
        for (const Span& s : spans)
          if (s.value.starts_with("28")) lengths.push_back(s.value + " " + text.substr(s.begin, s.end - s.begin));
        EXPECT_EQ(lengths, rest == &kLonger ? std::vector<std::string>{"2822NONE Remove"} : std::vector<std::string>{})
            << marked;
        const ProgramRun alone =
            Kesta({"check", (dir_.path() / "doc.xml").string(), "--element", "x"}, std::string(KESTA_BUILD_DIR) + "/custom");
        EXPECT_EQ(Element(alone.out, d.element, "x"), Element(marked, d.element, "x")) << alone.out;
      }
    }
  }
}
