#include <gtest/gtest.h>

#include "commands/check_state.h"
#include "commands/findings_view.h"
#include "findings_fixture.h"
#include "engine/tokenizer.h"
#include "engine/word_rec.h"
#include "element_host.h"
#include "platform/scripted_interaction.h"
#include "resources/string_table.h"


namespace {

using K = FindingKind;

using Strings = std::vector<std::string>;

MarkInput Finding(std::string key, FindingKind kind, int category, int marker = 3, int rule = 1234) {
  MarkInput in;
  in.searchKey = std::move(key);
  in.kind = kind;
  in.category = category;
  in.markerNumber = marker;
  in.ruleId = rule;
  return in;
}

const Strings kOptions = {"set pendingdelete=on", "set extendselection=off", "set tagscan=off",
                          "set case=on",          "set wrapscan=off",        "set gentext=on",
                          "set deletespaces=on",  "set wordscan=off"};

class MarkingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Cursor.Reset();
    Check.Reset();
    ClearFindings();
    CheckedText.Reset();
    host.Add("doc");
    Cursor.CurrentOid = "(1,10,0)";
  }
  void TearDown() override {
    ClearFindings();
    CheckedText.Reset();
  }
  // The commands after the options and the first goto.
  Strings Work() const {
    Strings x = host.Executed();
    return Strings(x.begin() + 9, x.end());
  }
  ElementHost host;
  ScriptedInteraction ui;
};

std::string Insert(const std::string& value, const char* colour, const std::string& text) {
  return "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"" + value + "\" HighltBckclr=\"" + colour +
         "\"?>" + text + "</_touchup>@";
}

// `in`, whose word also carries the length finding of a sentence of `length`.
MarkInput Long(MarkInput in, int length) {
  in.sentenceLength = length;
  return in;
}

std::string Select(std::size_t units) { return "clm; find -f -e -q -select @" + std::string(units, '.') + "@"; }

struct Placed {
  MarkInput finding;
  std::string at;  // the finding's word in the checked text
};

void AddAll(const std::string& text, const std::vector<Placed>& findings) {
  ClearFindings();
  SetCheckedText(text);
  for (const Placed& f : findings) AddFindingAt(f.finding, f.at);
}

// The commands each kind of finding sends after the options and the first
// goto: the caret moves to the words where the check read them, one search
// of their shape selects them, and the marker replaces them. An empty list
// sends the options alone.
TEST_F(MarkingTest, CommandsOfEachKind) {
  MarkInput pump = Finding("pump:| 0", K::Replacement, 11);
  pump.altWord = "pump";
  pump.suggestion = "&reg;";
  struct Case {
    const char* name;
    std::string text;
    std::vector<Placed> findings;
    std::string fail;       // a call that fails
    std::string selection;  // what the host's search selects
    Strings work;
  } cases[] = {
      // What was found (with a no-break space, say) goes into the marker as it is.
      {"one word", "Turn the frobnicate now.", {{Finding("frobnicate:| 0!use", K::Word, 1), "frobnicate"}}, "",
       "Frobnicate", {"car edit 0,9", Select(10), Insert("0103use", "6699FF", "Frobnicate"), "clear_mark all"}},
      // A selection the host cannot give: the text from the search key. A
      // run of white space is one step of the search.
      {"text from the search key", "Do it in \n order now.", {{Finding("in.order:|12!to", K::Word, 1, 30), "in"}},
       "$selection", "", {"car edit 0,6", Select(8), Insert("0130to", "6699FF", "in order")}},
      {"escaped", "Put x here.", {{Finding("x:| 0!say \"a@b\" & <c>", K::Word, 25), "x"}}, "", "x@y",
       {"car edit 0,4", Select(1), Insert("2503say &quot;a&#64;b&quot; &amp; &lt;c&gt;", "FFFF66", "x&#64;y")}},
      // The same word earlier is passed over: the marker goes on the word
      // the finding names.
      {"earlier match", "You need not remove it. You must remove it.",
       {{Finding("remove:| 0", K::Word, 25), "must |remove"}}, "", "",
       {"car edit 0,33", Select(6)}},
      // A comma found with the start of the next word; when that start lies
      // behind markup or an article the key does not hold, the comma alone.
      {"comma alone", "the valve, <b>pump</b> it", {{Finding(",.pump:| 0!NONE", K::OneWord, 37), ","}}, "", ",",
       {"car edit 0,9", Select(1), Insert("3703NONE", "FF99FF", ",")}},
      // Words the search cannot hold together (markup or a set-aside article
      // between them): the finding goes on its first word.
      {"first word", "the parsing <b>pump</b> Remove it", {{Finding("parsing.pump.Remove:| 0", K::Word, 1), "parsing"}},
       "", "", {"car edit 0,4", Select(7)}},
      {"first hyphenated word", "re-use <b>pump</b> Remove it", {{Finding("re-use.pump.Remove:| 0", K::Word, 1), "re-use"}},
       "", "", {Select(6)}},
      // A phrase the dictionary holds, read as one word across the markup
      // round its first word: the marker holds the first word, and the
      // advice for the whole phrase is a hint there.
      {"phrase across markup", "Stop the pump <b>in</b> order to drain.",
       {{Finding("in order to:| 0!to", K::Word, 2), "in"}}, "", "",
       {"car edit 0,14", Select(2), Insert("0203(to)", "66FFFF", "in")}},
      // Advice made of a word with a letter the code page could not hold
      // names it as '?', as a hint.
      {"advice with an unheld letter", "Set 10\x1A" "5mm now", {{Finding("10\x1A" "5mm:| 0!10\x1A" "5 mm", K::Word, 8), "10"}},
       "", "", {"car edit 0,4", Select(6), Insert("0803(10?5 mm)", "FF99FF", "10\x1A" "5mm")}},
      // A character the check passed over (a quotation mark) divides them
      // too: the marker holds as many of the first words as stand together.
      {"first words that stand together", "the a pump is \"pump\" now",
       {{Finding("a.pump.is.pump:| 0", K::Word, 1), "a pump"}}, "", "", {"car edit 0,4", Select(15)}},
      // A possessive holds its "s" where one ends the word; a plural's
      // apostrophe is the last character it holds.
      {"possessives", "Set the valves'covers and the pump's cover.",
       {{Finding("valves..:| 0", K::Possessive, 10), "valves"}, {Finding("pump..:| 0", K::Possessive, 10), "pump"}},
       "", "",
       {"car edit 0,8", Select(7), Insert("1003NONE", "66FFFF", "valves'"), "clear_mark all", "car edit 0,15",
        Select(6), Insert("1003NONE", "66FFFF", "pump's")}},
      {"a number that stands apart", "Set \"20\" newton metres.",
       {{Finding("20.newton:| 1!20-newton", K::Word, 17), "20"}}, "", "",
       {"car edit 0,5", Select(10), Insert("1703(20-newton)", "66CC99", "20 newton")}},
      // Another finding on the sign read as "and" goes on the sign.
      {"a finding on the sign", "Turn &amp; &amp; valve",
       {{Finding("...and:| 0!(Repeated word -and-)", K::Word, 4), "&amp; &amp;"}}, "", "",
       {"car edit 0,5", Select(1), Insert("0403(Repeated word -and-)", "66CC99", "&amp;")}},
      // Corrections are markers whose advice is the corrected text, a sign
      // as its character; the last one ends the marking like any marker.
      {"corrections", "Wait five minutes for the pump now.",
       {{Finding("five:|00!5", K::Correction, 11), "five"}, {pump, "pump"}}, "", "",
       {"car edit 0,5", Select(4), Insert("11035", "FF6699", "five"), "clear_mark all", "car edit 0,17", Select(4),
        Insert("1103pump\xAE", "FF6699", "pump"), "clear_mark all"}},
      // Where markup divides a correction's words, the advice is a hint:
      // on the part of a compound ("twenty-<b>five</b>"), on the first words
      // that stand together.
      {"corrections divided by markup", "Wait twenty-<b>five</b> or 20 <b>degrees</b> now.",
       {{Finding("five:|00!25", K::Correction, 11), "five"},
        {Finding("20.degrees:| 0!20&deg;", K::Correction, 11), "20"}},
       "", "",
       {"car edit 0,12", Select(4), Insert("1103(25)", "FF6699", "five"), "clear_mark all", "car edit 0,4", Select(2),
        Insert("1103(20\xB0)", "FF6699", "20")}},
      // A sign that already follows its word wants no marker.
      {"sign already there", "Use the pump&#174; now.", {{pump, "pump"}}, "", "",
       {"mes \"KESta: Congratulations: NO ERRORS\""}},
      // Articles and "and" that the rules put in or change are shown as
      // markers with the words corrected as their advice.
      {"article and conjunction", "Remove cover. CHECK cover. Turn &amp; valve. Install a update.",
       {{Finding("Remove?:|00|", K::Correction, 11), "Remove"},
        {Finding("CHECK?:|00|", K::Correction, 11), "CHECK"},
        {Finding("...valve:|00!and", K::Correction, 11), "&amp;"},
        {Finding("a:|00!an", K::Correction, 3), "a update"}},
       "", "",
       {Select(6), Insert("1103Remove the", "FF6699", "Remove"), "clear_mark all", "car edit 0,8", Select(5),
        Insert("1103CHECK THE", "FF6699", "CHECK"), "clear_mark all", "car edit 0,13", Select(1),
        Insert("1103and", "FF6699", "&amp;"), "clear_mark all", "car edit 0,16", Select(1),
        Insert("0303an", "6699FF", "a")}},
      // A word the check read apart from the word it touches is taken at
      // its place.
      {"word touching another", "Set 30\xB0" "FRemove cover.", {{Finding("Remove?:|00|", K::Correction, 11), "Remove"}},
       "", "", {"car edit 0,8", Select(6), Insert("1103Remove the", "FF6699", "Remove")}},
      // A quotation mark that closes after the word goes with it; where the
      // word ends its element, the article goes before the next word.
      {"article beside quotation and markup", "Click \"push\" button. Set <b>value</b> pump.",
       {{Finding("push?:|00|", K::Correction, 11), "push"}, {Finding("value?:|00|", K::Correction, 11), "value"}},
       "", "",
       {"car edit 0,7", Select(5), Insert("1103push&quot; the", "FF6699", "push\""), "clear_mark all",
        "car edit 0,19", Select(4), Insert("1103the pump", "FF6699", "pump")}},
      // The semicolon is searched as itself at its place.
      {"semicolons", "Stop the pump; the valve; the cover.",
       {{Finding(". th:|00|", K::Semicolon, 37), ";"}, {Finding(". th:|00|", K::Semicolon, 37), ";"}}, "", "",
       {"car edit 0,13", Select(1), Insert("3700.", "FF99FF", ";"), "car edit 0,10", Select(1),
        Insert("3700.", "FF99FF", ";"), "mes \"KESta: Found 2 errors.\""}},
      // The article before a long sentence carries its finding.
      {"sentence article", "THE valve is long.", {{Finding("valve:|31", K::SentenceArticle, 28, 31), "valve"}}, "",
       "THE", {Select(3), Insert("2831NONE", "FF6699", "THE")}},
      // A finding whose word carries its sentence's length finding: marked
      // as it is, shown as the length finding.
      {"length finding over a finding", "The kind of pump. Remove cover now.",
       {{Long(Finding("kind.of:| 0!type of/each of the", K::Word, 13), 24), "kind"},
        {Long(Finding("Remove?:|00|", K::Correction, 11), 26), "Remove"}},
       "", "",
       {"car edit 0,4", Select(7), Insert("2824type of/each of the", "FF6699", "kind of"), "clear_mark all",
        "car edit 0,7", Select(6), Insert("2826Remove the", "FF6699", "Remove")}},
      // The length finding holds whole words: over a piece of one, it takes
      // in the rest, and advice for the piece is a hint.
      {"length finding over a piece", "Go. THERE'S A PUMP. SET-UP IS.",
       {{Finding("THERE:| 0", K::Word, 28, 28), "THERE"}, {Long(Finding("SET:| 0!PREPARE", K::Word, 15), 26), "SET"}},
       "", "",
       {"car edit 0,4", Select(7), Insert("2828NONE", "FF6699", "THERE'S"), "clear_mark all", "car edit 0,9",
        Select(6), Insert("2826(PREPARE)", "FF6699", "SET-UP")}},
      // Words that do not stand at the finding's place are not searched for
      // anywhere else: the finding alone is lost.
      {"not at its place", "Stop the pump. Remove the valve.",
       {{Finding("valve:| 0", K::Word, 25), "pump"}, {Finding("Remove:| 0", K::Word, 25), "Remove"}}, "", "",
       {"mes \"Not found: valve\"", "clear_mark all", "car edit 0,15", Select(6)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.calls.clear();
    host.answers.clear();
    ui.Clear();
    Check.markedCount = 0;
    AddAll(c.text, c.findings);
    host.failPattern = c.fail;
    if (!c.selection.empty()) host.answers["$selection"] = c.selection;
    EXPECT_EQ(MarkingEngineWork(host), S_OK);
    const Strings work = Work();
    EXPECT_EQ(Strings(work.begin(), work.begin() + static_cast<std::ptrdiff_t>(std::min(work.size(), c.work.size()))),
              c.work);
    if (std::string(c.name) != "not at its place") {
      EXPECT_TRUE(ui.Boxes().empty());
    }
    const Strings x = host.Executed();
    EXPECT_EQ(Strings(x.begin(), x.begin() + 8), kOptions);
    EXPECT_EQ(x[8], "clm; goto_oid('(1,10,0)');");
  }
  ClearFindings();
  host.calls.clear();
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(host.Executed(), kOptions);
}

// Where the marking starts before the checked text (a body read from its
// start tag within a larger selection), the first move passes over the
// characters between.
TEST_F(MarkingTest, FirstMovePassesTheLead) {
  AddAll("Glorp it.", {{Finding("Glorp:| 0", K::Word, 25), "Glorp"}});
  Check.checkedTextLead = 14;
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(Work()[0], "car edit 0,14");
}

TEST_F(MarkingTest, ProgressLinesCarryTheirClosingQuote) {
  std::string text;
  std::vector<Placed> findings;
  for (int i = 0; i < 45; ++i) {
    text += "w" + std::to_string(i) + " ";
    findings.push_back({Finding("w" + std::to_string(i) + ":| 0", K::Word, 25), "w" + std::to_string(i)});
  }
  AddAll(text, findings);
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(host.Statuses(), (Strings{"WAIT: KESta processed 20 of 45 errors",
                                      "WAIT: KESta processed 40 of 45 errors"}));
}

// Failures: the boxes shown, the result, and the command that follows. A
// record-level box, words not at their place or a search the host fails
// cost that record only; a failed marker insert ends the marking, a
// correction's as any other.
TEST_F(MarkingTest, FailuresAndTheirBoxes) {
  MarkInput pump = Finding("pump:| 0", K::Replacement, 11);
  pump.altWord = "pump";
  pump.suggestion = "&reg;";
  const struct {
    const char* name;
    std::string text;
    std::vector<Placed> findings;
    const char* fail;
    HRESULT result;
    Strings boxes;
    const char* then;  // the last command sent
  } rows[] = {
      {"record level", "nocolon x ok",
       {{Finding("nocolon", K::Word, 1, 3, 77), "nocolon"}, {Finding(":x", K::Word, 1), "x"},
        {Finding("ok:| 0", K::Word, 1), "ok"}},
       "", S_OK, {"Report KESta error Gate No. 77 at [nocolon].", "Report KESta error Dictionary [:x]"},
       "clear_mark all"},
      {"the host's search", "gone there",
       {{Finding("gone:| 0", K::Word, 25, 3, 4321), "gone"}, {Finding("there:| 0", K::Word, 25), "there"}}, "@....@",
       S_OK, {"the host failed Report KESta error (86).\n(KESta Search  -gone- Key W4321) "}, "clear_mark all"},
      {"marker insert", "gone", {{Finding("gone:| 0", K::Word, 25), "gone"}}, "insert_string", S_FALSE,
       {"the host failed KESta error (89) possible alignment or document is READ ONLY."}, nullptr},
      {"correction's marker insert", "five pump", {{Finding("five:|00!5", K::Correction, 11), "five"}, {pump, "pump"}},
       "insert_string", S_FALSE, {"the host failed KESta error (89) possible alignment or document is READ ONLY."},
       nullptr},
      {"not at their place", "Stop; the five valves.",
       {{Finding("gone:|00!an", K::Correction, 11, 3, 55), "Stop"}, {Finding(". th:|00|", K::Semicolon, 37, 0, 56), "the"},
        {Finding("five:|00!5", K::Correction, 11), "five"}},
       "", S_OK,
       {"Not found: gone Report KESta error (86).\n(KESta Search  -gone- Key A55) ",
        "Not found: ; Report KESta error (86).\n(KESta Search  -. th- Key V56) "},
       "clear_mark all"},
      {"other host failure", "Stop it.", {{Finding("it:| 0", K::Word, 11), "it"}}, "car edit", S_FALSE,
       {LoadStringResource(IDS_ACL_FAILED)}, nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    host.calls.clear();
    ui.Clear();
    AddAll(row.text, row.findings);
    host.failPattern = row.fail;
    EXPECT_EQ(MarkingEngineWork(host), row.result);
    Strings boxes;
    for (const auto& box : ui.Boxes()) boxes.push_back(box.text);
    EXPECT_EQ(boxes, row.boxes);
    if (row.then) {
      EXPECT_EQ(host.Executed().back(), row.then);
    }
  }
  EXPECT_EQ(ui.Boxes()[0].caption, "KESta Checker");
}

// A selection check's marking stays inside the element under check: text
// found inside it (in an inline element too) is marked; a search that ran
// past it ends the marking and clears the selection; without a scope the
// marking asks nothing of where the caret is.
TEST_F(MarkingTest, MarkingStaysInsideTheCheckedElement) {
  const int checked = host.Add("para", 0), inner = host.Add("emph", checked), after = host.Add("para", 0);
  auto run = [&](int caret, std::vector<Placed> findings) {
    host.calls.clear();
    AddAll("glorp frob", findings);
    host.answers["oid_caret()"] = host.Id(caret);
    EXPECT_EQ(MarkingEngineWork(host), S_OK);
    int inserts = 0;
    for (const std::string& c : host.Executed()) inserts += c.rfind("insert_string", 0) == 0;
    return inserts;
  };
  Cursor.CurrentOid = host.Id(checked);
  Check.markScope = host.Id(checked);
  EXPECT_EQ(run(inner, {{Finding("glorp:| 0", K::Word, 25), "glorp"}, {Finding("frob:| 0", K::Word, 25), "frob"}}), 2);
  for (FindingKind kind : {K::Word, K::Correction, K::Replacement}) {
    SCOPED_TRACE(KindLetters(kind));
    MarkInput first = Finding("glorp:| 0!x", kind, 25);
    first.suggestion = "&reg;";
    EXPECT_EQ(run(after, {{first, "glorp"}, {Finding("frob:| 0", K::Word, 25), "frob"}}), 0);
    EXPECT_EQ(host.Executed().back(), "clear_mark all");
  }
  Check.markScope.clear();
  EXPECT_EQ(run(after, {{Finding("glorp:| 0", K::Word, 25), "glorp"}}), 1);
  for (const std::string& e : host.Evaluated()) EXPECT_NE(e, "oid_caret()");
  EXPECT_TRUE(ui.Boxes().empty());
}

}  // namespace
