// `kesta check` end to end: the markers, the status lines and boxes, the
// document types, old markers and stamps.
#include <gtest/gtest.h>

#include <filesystem>

#include "check_fixture.h"

namespace {

using Strings = std::vector<std::string>;
using DocumentCheck = CheckFixture;

TEST_F(DocumentCheck, MarkerOfEachKind) {
  ProgramRun run = Check(
      "<topic><body>"
      "<p>Shut the valve slowly.</p>"
      "<p>Frobnicate the pump.</p>"
      "<p>Turn the valve; then stop the pump.</p>"
      "<p>It's the pump.</p>"
      "<p>Don't turn the valve.</p>"
      "<p>Stop the glorp. Stop an zonk, then stop it.</p>"
      "</body></topic>");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string doc = Body(run.out);
  // A verb with a preferred one (WRONG VERB, grey), a word no dictionary holds
  // (NOT-IN-DICTIONARY, yellow), the semicolon (PUNCTUATION), two
  // contractions (APOSTROPHE), and a long sentence whose marker goes on its
  // article (SENTENCE LENGTH, with the sentence's length as its number).
  // The number of the others is the word's place in its sentence, from 00,
  // where "the" is read with the next word and a comma counts ("stop" after
  // "Stop an zonk,").
  for (const std::string& marker :
       {Marker("0000Close", "CCCCCC", "Shut"), Marker("2500NONE", "FFFF66", "Frobnicate"),
        Marker("3700.", "FF99FF", ";"), Marker("1000It is/(Noun ... is)", "66FFFF", "It's"),
        Marker("1000Do not", "66FFFF", "Don't"), Marker("2501NONE", "FFFF66", "glorp"),
        Marker("2502NONE", "FFFF66", "zonk"), Marker("2505NONE", "FFFF66", "stop")})
    EXPECT_NE(doc.find(marker), std::string::npos) << marker << "\n" << doc;

  run = Check(
      "<topic><body><p>The pump and the valve and the cover and the pump and the valve and the cover "
      "and the pump and the valve and the cover and the pump and the valve and the cover and the pump "
      "and the valve.</p></body></topic>");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find(Marker("2826NONE", "FF6699", "The") + " pump and"), std::string::npos) << run.out;
}

// The prose sections of a task before and after its steps are checked.
TEST_F(DocumentCheck, ProseSectionsAreChecked) {
  const std::string unknown = "HighltBckclr=\"FFFF66\"?>Frobnicate<?Pub /_touchup?>";
  ProgramRun run = Check(
      "<task id=\"t\"><title>Pump</title><taskbody><context><p>Frobnicate the pump.</p></context>"
      "<steps><step><cmd>Stop the pump.</cmd></step></steps>"
      "<result><p>Frobnicate the valve.</p></result></taskbody></task>");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string doc = Body(run.out);
  const std::size_t first = doc.find(unknown);
  ASSERT_NE(first, std::string::npos) << doc;
  EXPECT_NE(doc.find(unknown, first + 1), std::string::npos) << doc;
}

// A file name with quotes is only text in the window title: the first
// check shows no box.
TEST_F(DocumentCheck, FileNameWithQuotesInTheTitle) {
  for (const char* name : {"my \"best\" manual.xml", "\"quoted\".xml"}) {
    ProgramRun run = Check("<topic><body><p>Frobnicate the pump.</p></body></topic>", name);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("[box"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("Frobnicate<?Pub /_touchup?>"), std::string::npos) << run.out;
  }
}

// The closing count counts markers. The marking's own closing line comes
// before it only when the last finding was not marked the common way (a
// semicolon, "&" read as "and").
TEST_F(DocumentCheck, StatusLinesInOrder) {
  const struct {
    const char* text;
    Strings last;
  } rows[] = {
      {"Frobnicate the pump. Glorp the valve.", {"[status] KESta Messages=(2): F2-View  F6=Show Next"}},
      // A correction is a marker like any other: the marking ends on it.
      {"Frobnicate the pump. Remove the the cover.", {"[status] KESta Messages=(2): F2-View  F6=Show Next"}},
      {"Remove the the cover.", {"[status] KESta Messages=(1): F2-View  F6=Show Next"}},
      {"Frobnicate the pump; remove the valve.",
       {"[status] KESta: Found 2 errors.", "[status] KESta Messages=(2): F2-View  F6=Show Next"}},
      {"Glorp the pump &amp; the valve.",
       {"[status] KESta: Found 2 errors.", "[status] KESta Messages=(2): F2-View  F6=Show Next"}},
  };
  for (const auto& row : rows) {
    ProgramRun run = Check(std::string("<topic><body><p>") + row.text + "</p></body></topic>");
    ASSERT_EQ(run.status, 0) << run.err;
    Strings expected = {"[status] KESta removed old Quality marker.",
                        "[status] KESta Search complete. No KESta Messages.", "[status] NO KESta Messages to remove."};
    expected.insert(expected.end(), row.last.begin(), row.last.end());
    EXPECT_EQ(Lines(run.err), expected) << row.text;
  }
}

TEST_F(DocumentCheck, CleanTextIsExcellent) {
  const std::string xml = "<topic><body><p>Remove the valve.</p></body></topic>";
  ProgramRun run = Check(xml);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, xml);  // nothing to mark: the document as it was
  EXPECT_EQ(Lines(run.err).back(), "[box KESta Quality] Excellent:  Six sigma no errors.");
}

// A repeated article is shown as a marker whose advice is the one article;
// an article the sentence needs as a marker whose advice puts it in; the
// text stays as written. The noun gets no second marker for the same
// article.
TEST_F(DocumentCheck, CorrectionsAreMarkers) {
  const std::string cover = "cover";
  const struct {
    std::string text;
    std::string corrected;
  } rows[] = {
      {"Remove the the cover.", "Remove " + Marker("0401the", "66CC99", "the the") + " cover."},
      {"Remove cover slowly.", Marker("1100Remove the", "FF6699", "Remove") + " " + cover + " slowly."},
      {"Re&#xAD;move cover slowly.",
       Marker("1100Re\xC2\xADmove the", "FF6699", "Re&#xAD;move") + " " + cover + " slowly."},
      // The word is found whole, not as the start of a longer one.
      {"Turn it RemoveFilter. Remove cover slowly.",
       Marker("2500NONE", "FFFF66", "Turn") + " it RemoveFilter. " + Marker("1100Remove the", "FF6699", "Remove") +
           " " + cover + " slowly."},
  };
  for (const auto& row : rows) {
    ProgramRun run = Check("<topic><body><p>" + row.text + "</p></body></topic>");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Body(run.out), "<topic><body><p>" + row.corrected + "</p></body></topic>");
  }
}

// A dictionary entry that spells a word otherwise, a sign included: the
// advice is the word with its sign, and taking it writes the sign.
TEST_F(DocumentCheck, ASignFromTheDictionaryEntry) {
  WriteTestDict(dir_, "custom/dictionaries/TEC.cmp",
                "name: TECHNICAL\nsecond-name: tec\nversion: 1.0\n\nvalve$ 1014\npump 1017 pump&reg;\n");
  ProgramRun run = Check("<topic><body><p>Remove the pump slowly.</p></body></topic>");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Body(run.out), "<topic><body><p>Remove the " +
                               Marker("1101pump\xC2\xAE", "FF6699", "pump") + " slowly.</p></body></topic>");
  const std::string marked = dir_.Write("marked.xml", run.out);
  run = Kesta({"call", "ShowMe", marked, "--caret", "(1,4,0)", "--answer", "2"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Body(run.out), "<topic><body><p>Remove the pump\xC2\xAE slowly.</p></body></topic>");
}

// Words that stand against characters the check passes over (a backslash,
// '=', '>' written in the text, a trade mark sign) are marked where they
// stand; no search fails.
TEST_F(DocumentCheck, WordsBesidePassedOverCharactersAreMarked) {
  ProgramRun run = Check(
      "<topic><body><p>Turn the valve to glorp\\frob and plonk=zing.</p>"
      "<p>Stop the &lt;wibble&gt; pump. Stop the Quux\u2122 Formatting pump.</p></body></topic>");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err.find("[box"), std::string::npos) << run.err;
  const std::string doc = Body(run.out);
  auto marked = [](const std::string& word) { return "HighltBckclr=\"FFFF66\"?>" + word + "<?Pub /_touchup?>"; };
  for (const char* word : {"glorp", "frob", "plonk", "zing", "wibble", "Quux", "Formatting"})
    EXPECT_NE(doc.find(marked(word)), std::string::npos) << word << "\n" << doc;
  EXPECT_NE(doc.find(marked("glorp") + "\\<?Pub"), std::string::npos) << doc;
  EXPECT_NE(doc.find(marked("wibble") + "&gt; pump"), std::string::npos) << doc;
  EXPECT_NE(doc.find(marked("Quux") + "\u2122 <?Pub"), std::string::npos) << doc;
}

TEST_F(DocumentCheck, OldMarkersAndStampGoFirst) {
  ProgramRun run = Check(
      "<topic><?KESSTA STE=green:SIX SIGMA#1?><body><p>" + Marker("2500NONE", "FFFF66", "Remove") +
      " the " + Marker("0103x", "6699FF", "valve") + ". Glorp the pump.</p></body></topic>");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Body(run.out), "<topic><body><p>Remove the valve. " + Marker("2500NONE", "FFFF66", "Glorp") +
                               " the pump.</p></body></topic>");
  EXPECT_EQ(Lines(run.err), (Strings{"[status] KESta removed old Quality marker.",
                                     "[status] KESta will delete 2 old messages.",
                                     "[status] KESta removed 2 old messages.",
                                     "[status] All old messages removed.",
                                     "[status] KESta Messages=(1): F2-View  F6=Show Next"}));
}

// Looking for markers removes none, and says nothing of a removal.
TEST_F(DocumentCheck, FindingMarkersRemovesNothing) {
  const std::string xml =
      "<topic><body><p>" + Marker("2500NONE", "FFFF66", "Glorp") + " the pump.</p></body></topic>\n";
  std::string file = dir_.Write("marked.xml", xml);
  for (std::vector<std::string> args : {std::vector<std::string>{"call", "FindKesta", file},
                                        {"call", "FindNextKesta", file},
                                        {"call", "GetKestaHelp", file, "--answer", "1"}}) {
    ProgramRun run = Kesta(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Body(run.out), xml) << args[1];
    EXPECT_EQ(run.err.find("removed"), std::string::npos) << args[1] << "\n" << run.err;
  }
}

// A marker in a later body is found and shown like any other: the second
// chapter of a book, the editor's element (1,8,0).
TEST_F(DocumentCheck, MarkersOfEveryBodyAreReached) {
  ProgramRun run = Check("<book><info><title>Frobnicate</title></info><chapter><para>Remove the valve.</para>"
                         "</chapter><chapter><para>Glorp the pump.</para></chapter></book>");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("<chapter><para>" + Marker("2500NONE", "FFFF66", "Glorp") + " the pump."), std::string::npos)
      << run.out;
  const std::string marked = dir_.Write("marked.xml", run.out);
  run = Kesta({"call", "FindNextKesta", marked});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err.find("not found"), std::string::npos) << run.err;
  run = Kesta({"call", "ShowMe", marked, "--caret", "(1,8,0)", "--answer", "0"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("[menu] 1 Glorp : NOT-IN-DICTIONARY\n"), std::string::npos) << run.err;
}

// Each document type reads its body from its start tag: a word before the
// body is not checked, a word inside it is (cmm, task and roots read whole
// check both). The samples are the round trip's.
TEST_F(DocumentCheck, EachDocumentTypeChecksItsBody) {
  const std::pair<std::string, const char*> types[] = {
      {"cmm", "pgblk"},       {"amm", "conbody"}, {"procedure", "texte"},     {"dmodule", "content"},
      {"concept", "conbody"}, {"sb", "body"},     {"book", "chapter"},        {"reference", "refbody"},
      {"doc", "body"},        {"task", nullptr},  {"article", nullptr},       {"topic", nullptr},
      {"tech", "techbody"},   {"manual", nullptr}};
  for (const auto& [root, body] : types) {
    SCOPED_TRACE(root);
    std::string inside = "<para>Insideword the pump.</para>";
    if (body) inside = std::string("<") + body + ">" + inside + "</" + body + ">";
    const std::string title = "<title>Outsideword the valve.</title>";
    ProgramRun run = Check("<" + root + " id=\"d\">" + title + inside + "</" + root + ">", root + ".xml");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(Marker("2500NONE", "FFFF66", "Insideword")), std::string::npos) << run.out;
    bool wholeDocument = !body || root == "cmm" || root == "task";
    EXPECT_EQ(run.out.find("Outsideword<?Pub /_touchup?>") != std::string::npos, wholeDocument) << run.out;
  }
}

// A body's start tag inside a comment or an instruction starts nothing: the
// document is checked and scored as the same document without it.
TEST_F(DocumentCheck, ABodyNamedOnlyInACommentStartsNothing) {
  const std::pair<std::string, std::string> types[] = {{"concept", "conbody"}, {"book", "chapter"}, {"dmodule", "content"}};
  for (const auto& [root, body] : types) {
    for (const auto& [open, close] : {std::pair{"<!--", "-->"}, std::pair{"<?old ", "?>"}}) {
      const std::string aside = open + ("<" + body + "><para>Old glorp.</para></" + body + ">") + close;
      const std::string head = "<" + root + " id=\"d\"><title>Utilize the pump</title>";
      const std::string tail = "<para>Glorp the valve.</para></" + root + ">";
      SCOPED_TRACE(head + aside);
      ProgramRun plain = Check(head + tail), commented = Check(head + aside + tail);
      EXPECT_EQ(commented.status, plain.status) << commented.err;
      EXPECT_EQ(commented.err, plain.err);
      std::string out = commented.out;
      ASSERT_NE(out.find(aside), std::string::npos) << out;
      EXPECT_EQ(out.erase(out.find(aside), aside.size()), plain.out);
      ProgramRun scored = Kesta({"call", "SixsigmaRead", dir_.Write("doc.xml", head + aside + tail), "--answer", "2"});
      EXPECT_EQ(scored.status, 0) << scored.err;
      EXPECT_EQ(scored.err.find("Not found"), std::string::npos) << scored.err;
      EXPECT_EQ(scored.err.find("[box"), std::string::npos) << scored.err;
    }
  }
}

// A list item or definition that holds a paragraph is checked, though its
// name begins like an inline element's; a listing or a command is not. With
// the tests' own dictionaries, where "utilize", "commence" and "terminate"
// have preferred verbs; the three are told apart, as a marker goes on the
// first text that matches.
TEST_F(DocumentCheck, ParagraphsInListsAreCheckedAndCodeIsNot) {
  const std::string docs[] = {
      "<article xmlns=\"http://docbook.org/ns/docbook\" version=\"5.0\"><title>Wrench</title>"
      "<itemizedlist><listitem><para>Utilize a torque wrench.</para></listitem></itemizedlist>"
      "<programlisting>Commence the test.</programlisting>"
      "<para>Run <command>terminate</command> then stop the pump.</para></article>",
      "<topic id=\"t\"><title>Wrench</title><body><dl><dlentry><dt>Wrench</dt><dd><p>Utilize a torque wrench.</p>"
      "</dd></dlentry></dl><codeblock>Commence the test.</codeblock>"
      "<p>Run <cmdname>terminate</cmdname> then stop the pump.</p></body></topic>",
  };
  for (const std::string& xml : docs) {
    ProgramRun run = SampleCheck::Kesta({"check", dir_.Write("doc.xml", xml)});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string doc = Body(run.out);
    EXPECT_TRUE(Marked(doc, "00", "Use", "Utilize")) << doc;
    EXPECT_NE(doc.find(">Commence the test.</"), std::string::npos) << doc;
    EXPECT_NE(doc.find(">terminate</"), std::string::npos) << doc;
  }
}

}  // namespace
