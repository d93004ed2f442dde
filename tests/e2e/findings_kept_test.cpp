// `kesta check` then `CloseKesta` on documents whose words are hard to find
// again: every finding is marked on its own words, no search is lost, and
// the close gives back the text as it was.
#include <gtest/gtest.h>

#include "check_fixture.h"

namespace {

using Strings = std::vector<std::string>;

// The texts the markers of a saved document wrap, in document order.
Strings MarkedTexts(const std::string& doc) {
  Strings texts;
  const std::string open = "<?Pub _touchup ";
  const std::string close = "<?Pub /_touchup?>";
  for (std::size_t p = doc.find(open); p != std::string::npos; p = doc.find(open, p + 1)) {
    std::size_t begin = doc.find("?>", p);
    std::size_t end = doc.find(close, p);
    if (begin == std::string::npos || end == std::string::npos || end < begin) break;
    texts.push_back(doc.substr(begin + 2, end - begin - 2));
  }
  return texts;
}

class FindingsKept : public CheckFixture {
 protected:
  // Checks `path` into `marked`; the run's standard error.
  std::string CheckInto(const std::string& path, const std::string& marked) {
    ProgramRun run = Kesta({"check", path, "-o", (dir_.path() / marked).string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("Not found"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("[box"), std::string::npos) << run.err;
    return run.err;
  }
  // The document as the editor saves it after a close.
  std::string Closed(const std::string& name) {
    ProgramRun run = Kesta({"call", "CloseKesta", (dir_.path() / name).string(), "-o",
                            (dir_.path() / (name + ".closed")).string()});
    EXPECT_EQ(run.status, 0) << run.err;
    return dir_.Read(name + ".closed");
  }
};

TEST_F(FindingsKept, MarkersWrapTheirWordsAndTheCloseGivesTheTextBack) {
  const std::string longWord(90, 'q');
  struct Case {
    const char* name;
    std::string doctype;
    std::string body;
    Strings marked;
  };
  const Case cases[] = {
      // The semicolon's marker wraps the semicolon; no letter before it is taken.
      {"semicolon", "", "<p>Remove the valve; then stop the pump.</p>", {";", "stop"}},
      // The entity's ';' is no semicolon, and the search for the real one
      // cannot stop at the reference.
      {"internal entity", "<!DOCTYPE topic [<!ENTITY prod \"Fuel Pump\">]>",
       "<p>Remove the &prod; cover; then stop the pump.</p>", {";", "stop"}},
      // A word that holds a reference is read whole: nothing is marked inside it.
      {"word with a reference", "<!DOCTYPE topic [<!ENTITY lowbar \"_\">]>",
       "<p>Remove the valg&lowbar;eg cover and the glorp.</p>", {"glorp"}},
      // A soft hyphen is no character of the word; the marker holds it.
      {"soft hyphen", "", "<p>Frob&#xAD;nicate the valve and re&#xAD;move the glorp.</p>",
       {"Frob&#xAD;nicate", "glorp"}},
      // Escaped markup in preformatted text (a listing is not checked): the
      // markers after it stay on their words.
      {"escaped markup", "",
       "<p>Remove the valve.</p><pre>&lt;!ENTITY appa SYSTEM \"a.xml\"&gt;\n&amp;appa;\n"
       "&amp;glorp;</pre><p>Stop the pump; then glorp the valve.</p>",
       {"appa", "a.xml", "appa", "glorp", "Stop", ";", "glorp"}},
      // A word past 83 characters is left out whole, its rest too.
      {"long token", "", "<p>Remove the " + longWord + " and the glorp.</p>", {"glorp"}},
      // Long words between the same words: each finding is marked where it
      // stands, none on a later "pre-set".
      {"repeated words between long tokens", "",
       "<p>The pre-set " + longWord + " Re&#xAD;move pre-set " + longWord + " pre-set Re&#xAD;move the.</p>",
       {"pre-set", "pre-set", "pre-set", "the"}},
      // An accented letter kept as a reference stays inside its word.
      {"accented entity", "<!DOCTYPE topic [<!ENTITY iuml \"&#xEF;\">]>",
       "<p>Remove the na&iuml;ve glorp.</p>", {"glorp"}},
      // "&amp;" read as "and": its marker holds the sign, the article after
      // it and the next word; a one-letter word after it is searched whole.
      // Markup, or a reference the check passes over, between the semicolon
      // and the next word: the semicolon is marked all the same.
      {"semicolon before markup", "", "<p>Remove the valve; <ph>glorp</ph> the pump.</p>", {";", "glorp"}},
      {"semicolon before a reference", "<!DOCTYPE topic [<!ENTITY prod \"Fuel Pump\">]>",
       "<p>Remove the valve; the &prod; is glorp.</p>", {";", "glorp"}},
      {"ampersand", "", "<p>Remove the valve &amp; the pump.</p><p>Remove the valve &amp; B.</p>",
       {"&amp;", "&amp;"}},
      // A name that joins a dictionary word and another with '-' is one
      // word: no piece of it is searched for, no marker lands on the
      // punctuation after it, and the words after it keep their findings.
      {"names joining words", "",
       "<p>&valve-frobs; Remove the glorp. The &valve-frobs;. The &pump-zonk;, the &cover-zonk;s and "
       "(&pump-zonk;) then stop the glorp.</p><p>Remove &sle;&#160;&valve-frobs; and the glorp.</p>",
       {"glorp", "stop", "glorp", "glorp"}},
      // DocBook's computer text is one word whatever it holds: no word of it
      // is marked, nor is its slash; its closing tag ends no sentence.
      {"computer text", "",
       "<p>Remove the <email>core@example.org</email> and the <package>security/openssh-portable</package>.</p>"
       "<p>Remove the <paramdef>struct conf *<parameter>conf</parameter></paramdef> and the "
       "<systemitem>glorpd</systemitem>, then the <keycombo><keycap>Ctrl</keycap><keycap>Q</keycap></keycombo>, "
       "the <buildtarget>make glorp</buildtarget> and the <methodname>glorp</methodname> glorp.</p>",
       {"glorp"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string xml = c.doctype + "<topic id=\"t\"><title>T</title><body>" + c.body + "</body></topic>\n";
    const std::string path = dir_.Write("doc.xml", xml);
    CheckInto(path, "marked.xml");
    EXPECT_EQ(MarkedTexts(dir_.Read("marked.xml")), c.marked) << dir_.Read("marked.xml");
    EXPECT_EQ(Closed("marked.xml"), Closed("doc.xml"));
  }
}

// Checking a document that holds markers already: they are taken out first,
// and the new markers are the same as the first check's.
TEST_F(FindingsKept, CheckingAMarkedDocumentAgain) {
  const std::string path =
      dir_.Write("doc.xml", "<topic id=\"t\"><title>T</title><body><p>Remove the valve; then stop the truth "
                            "of it.</p></body></topic>\n");
  CheckInto(path, "once.xml");
  CheckInto((dir_.path() / "once.xml").string(), "twice.xml");
  const Strings marked = {";", "stop", "truth", "of"};
  EXPECT_EQ(MarkedTexts(dir_.Read("once.xml")), marked);
  EXPECT_EQ(MarkedTexts(dir_.Read("twice.xml")), marked);
  EXPECT_EQ(Closed("twice.xml"), Closed("doc.xml"));
}

// A phrase whose last word (or first) markup sets apart: its marker holds
// the words before the markup, and the advice, for the whole phrase, is a
// hint there, whichever dictionary holds the phrase, and where none holds
// it and the rule of "in order to" marks it (a core of its own words).
TEST_F(FindingsKept, APhraseDividedByMarkupGetsAHintFromEveryDictionary) {
  const char* const kLastApart = "Stop the pump in order <i>to</i> drain the oil.";
  const char* const kFirstApart = "Stop the pump <b>in</b> order to drain the oil.";
  const char* const kPhrase = "in+order+to 30268 to\n";
  const char* const kWords = "in 75\nto 68\nthe 64\nstop^20\npump 10\ndrain^20\noil 10\norder 10\n";
  const struct {
    const char* name;
    const char* paragraph;
    const char* tec;
    const char* ste;
    const char* syn;
    const char* category;
    const char* marked;
  } rows[] = {
      {"TECHNICAL", kLastApart, kPhrase, "zzz 10\n", "zzz 10\n", "02", "in order"},
      {"CORE", kLastApart, "zzz 10\n", kPhrase, "zzz 10\n", "02", "in order"},
      {"SYNONYM", kLastApart, "zzz 10\n", "zzz 10\n", kPhrase, "02", "in order"},
      {"CORE, first word apart", kFirstApart, "zzz 10\n", kPhrase, "zzz 10\n", "02", "in"},
      {"no phrase", kLastApart, "zzz 10\n", kWords, "zzz 10\n", "35", "in order"},
      {"no phrase, first word apart", kFirstApart, "zzz 10\n", kWords, "zzz 10\n", "35", "in"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = dir_.Write("doc.xml", std::string("<topic id=\"t\"><title>T</title><body><p>") +
                                                      row.paragraph + "</p></body></topic>\n");
    const struct {
      const char* file;
      const char* name;
      const char* lines;
    } slots[] = {{"TEC", "TECHNICAL", row.tec}, {"STE", "CORE", row.ste}, {"SYN", "SYNONYM", row.syn}};
    for (const auto& slot : slots)
      WriteTestDict(dir_, std::string("custom/dictionaries/") + slot.file + ".cmp",
                    std::string("name: ") + slot.name + "\nsecond-name: x\nversion: 1.0\n\n" + slot.lines);
    CheckInto(path, "marked.xml");
    const std::string marked = dir_.Read("marked.xml");
    EXPECT_TRUE(Marked(marked, row.category, "(to)", row.marked)) << marked;
  }
}

}  // namespace
