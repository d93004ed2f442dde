#include <gtest/gtest.h>

#include "commands/check_state.h"
#include "commands/findings_view.h"
#include "findings_fixture.h"
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
    host.Add("doc");
    Cursor.CurrentOid = "(1,10,0)";
  }
  void TearDown() override { ClearFindings(); }
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

// The commands each kind of finding sends after the options and the first
// goto (the start of them when the list is cut short), and no box; an empty
// list sends the options alone.
TEST_F(MarkingTest, CommandsOfEachKind) {
  auto replacement = [](const char* suggestion) {
    MarkInput b = Finding("pump:| 0", K::Replacement, 11);
    b.altWord = "pump";
    b.suggestion = suggestion;
    return b;
  };
  struct Case {
    const char* name;
    std::vector<MarkInput> findings;
    std::string fail;       // a search that finds nothing
    std::string selection;  // what the host's search selects
    Strings work;
  } cases[] = {
      // What was found (with a no-break space, say) goes into the marker as it is.
      {"one word", {Finding("frobnicate:| 0!use", K::Word, 1)}, "", "Frobnicate",
       {"clm; find -f -e -select @frobnicate@", "clear_mark all", "find -b -q -e -select @frobnicate@",
        Insert("0103use", "6699FF", "Frobnicate"), "clear_mark all"}},
      // A selection the host cannot give: the text from the search key.
      {"text from the search key", {Finding("in.order:|12!to", K::Word, 1, 30)}, "$selection", "",
       {"clm; find -f -e -q -select @in.order@", "clear_mark all", "find -b -q -e -select @in.order@",
        Insert("0130to", "6699FF", "in order")}},
      {"escaped", {Finding("x:| 0!say \"a@b\" & <c>", K::Word, 25)}, "", "x@y",
       {"clm; find -f -e -select @x@", "clear_mark all", "find -b -q -e -select @x@",
        Insert("2503say &quot;a&#64;b&quot; &amp; &lt;c&gt;", "FFFF66", "x&#64;y")}},
      // A comma found with the start of the next word; when that start lies
      // behind markup or an article the key does not hold, the first comma.
      {"comma alone", {Finding(",.pump:| 0!NONE", K::OneWord, 37)}, "@,.pump@", "",
       {"clm; find -f -e -q -select @,.pump@", "clm; find -f -e -select @,@", "clear_mark all",
        "find -b -q -e -select @,@"}},
      // Words the search cannot hold together (markup or a set-aside article
      // between them): the finding goes on its first word.
      {"first word", {Finding("parsing.pump.Remove:| 0", K::Word, 1)}, "@parsing.pump.Remove@", "",
       {"clm; find -f -e -q -select @parsing.pump.Remove@", "clm; find -f -e -select @parsing@"}},
      {"first hyphenated word", {Finding("re-use.pump.Remove:| 0", K::Word, 1)}, "@re-use.pump.Remove@", "",
       {"clm; find -f -e -q -select @re-use.pump.Remove@", "clm; find -f -e -select @re-use@"}},
      // A correction finds its word whole ("a" is not the end of "data"); the
      // corrections count for no marker.
      {"corrections", {Finding("a:|00!an", K::Correction, 11), replacement("&reg;")}, "", "",
       {"set wordscan=on", "clm; find -f -e -q -select @a@", "set wordscan=off",
        "insert_string -sgml -pendingdelete @an@", "set wordscan=on", "clm; find -f -e -q -select @pump@",
        "set wordscan=off", "insert_string -sgml -pendingdelete @pump&reg;@",
        "mes \"KESta: Congratulations: NO ERRORS\""}},
      // The article the tokenizer dropped ('?' in the key) goes back after the
      // word; "..." before a word puts "and" back in front of it.
      {"article and conjunction",
       {Finding("Remove?:|00|", K::Correction, 11), Finding("CHECK?:|00|", K::Correction, 11),
        Finding("...valve:|00!and", K::Correction, 11)},
       "", "",
       {"set wordscan=on", "clm; find -f -e -q -select @Remove@", "set wordscan=off", "clm;",
        "insert_string -sgml -pendingdelete @ the@", "set wordscan=on", "clm; find -f -e -q -select @CHECK@",
        "set wordscan=off", "clm;", "insert_string -sgml -pendingdelete @ THE@",
        "clm; find -f -e -q -select @...valve@", "car edit 0,-8; dc;", "insert_string -sgml -pendingdelete @ and@",
        "mes \"KESta: Congratulations: NO ERRORS\""}},
      // The move back counts the document's characters: a reference is one.
      {"conjunction after references", {Finding("...valve:|00!and", K::Correction, 11)}, "", "&amp; &prod;valve",
       {"clm; find -f -e -q -select @...valve@", "car edit 0,-8; dc;"}},
      {"correction without replacement", {Finding("percent:|00|", K::Correction, 11, 10)}, "", "",
       {"clm; find -f -e -select @percent@", "clear_mark all", "find -b -q -e -select @percent@",
        Insert("1110NONE", "FF6699", "percent"), "clear_mark all"}},
      // The semicolon is searched as itself (as '.' it would match the last
      // letter of any word before "th"), and the marker wraps the one found.
      {"semicolons", {Finding(". th:|00|", K::Semicolon, 37), Finding(". th:|00|", K::Semicolon, 37)}, "", "",
       {"find -f -e -q -select @; th@", "clm;", "find -b -q -e -select @;@", Insert("3700.", "FF99FF", ";"),
        "find -f -e -q -select @; th@", "clm;", "find -b -q -e -select @;@", Insert("3700.", "FF99FF", ";"),
        "mes \"KESta: Found 2 errors.\""}},
      // Without white space after it the next word follows it directly.
      {"semicolon before the word", {Finding(". th:|00|", K::Semicolon, 37)}, "@; th@", "",
       {"find -f -e -q -select @; th@", "find -f -e -q -select @;th@", "clm;", "find -b -q -e -select @;@",
        Insert("3700.", "FF99FF", ";"), "mes \"KESta: One error.\""}},
      {"sentence article", {Finding("valve:|31", K::SentenceArticle, 28, 31)}, "", "THE",
       {"find -f -q -select @valve@;", "find -b -e -q -select @T..@;", "clm;", "clear_mark all", "car edit 0,-3",
        "clm; find -f -e -select @THE@"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.calls.clear();
    host.answers.clear();
    ClearFindings();
    for (const MarkInput& f : c.findings) AddFinding(f);
    host.failPattern = c.fail;
    if (!c.selection.empty()) host.answers["$selection"] = c.selection;
    EXPECT_EQ(MarkingEngineWork(host), S_OK);
    const Strings work = Work();
    EXPECT_EQ(Strings(work.begin(), work.begin() + static_cast<std::ptrdiff_t>(std::min(work.size(), c.work.size()))),
              c.work);
    EXPECT_TRUE(ui.Boxes().empty());
    const Strings x = host.Executed();
    EXPECT_EQ(Strings(x.begin(), x.begin() + 8), kOptions);
    EXPECT_EQ(x[8], "clm; goto_oid('(1,10,0)');");
    EXPECT_EQ(MessageList.records.back().markMode, 6);  // the last record ends the method after its marker
  }
  ClearFindings();
  host.calls.clear();
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(host.Executed(), kOptions);
}

TEST_F(MarkingTest, ProgressLinesCarryTheirClosingQuote) {
  for (int i = 0; i < 45; ++i) AddFinding(Finding("w" + std::to_string(i) + ":| 0", K::Word, 25));
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(host.Statuses(), (Strings{"WAIT: KESta processed 20 of 45 errors",
                                      "WAIT: KESta processed 40 of 45 errors"}));
}

// Failures: the boxes shown, the result, and the command that follows. A
// record-level box or a failed forward search costs that record only; a
// failed backward search or marker insert ends the marking; a correction's
// failed insert goes on; a failed correction search skips its record, and
// the closing line counts only markers written.
TEST_F(MarkingTest, FailuresAndTheirBoxes) {
  MarkInput pump = Finding("pump:| 0", K::Replacement, 11);
  pump.altWord = "pump";
  const std::string e86 = "the host failed Report KESta error (86).\n(KESta Search  -";
  const struct {
    const char* name;
    std::vector<MarkInput> findings;
    const char* fail;
    HRESULT result;
    Strings boxes;
    const char* then;  // the first work command, or the last command sent
  } rows[] = {
      {"record level",
       {Finding("nocolon", K::Word, 1, 3, 77), Finding(":x", K::Word, 1), Finding("ok:| 0", K::Word, 1)}, "", S_OK,
       {"Report KESta error Gate No. 77 at [nocolon].", "Report KESta error Dictionary [:x]"},
       "clm; find -f -e -select @ok@"},
      {"forward search", {Finding("gone:| 0", K::Word, 25, 3, 4321), Finding("here:| 0", K::Word, 25)}, "@gone@",
       S_OK, {e86 + "gone- Key W4321) "}, "clm; find -f -e -select @gone@"},
      {"backward search", {Finding("gone:| 0", K::Word, 25, 3, 4321), Finding("here:| 0", K::Word, 25)},
       "find -b -q -e -select @gone@", S_FALSE,
       {"the host failed Report error (87) in KESta Engine.\n(KESta Search key -gone-) 4321"}, nullptr},
      {"marker insert", {Finding("gone:| 0", K::Word, 25)}, "insert_string", S_FALSE,
       {"the host failed KESta error (89) possible alignment or document is READ ONLY."}, nullptr},
      {"correction insert", {Finding("a:|00!an", K::Correction, 11), pump}, "insert_string", S_OK,
       {"KESta error(587) report this number.", "KESta error(588) report this number."}, nullptr},
      {"correction not found",
       {Finding("gone:|00!an", K::Correction, 11, 3, 55), Finding(". th:|00|", K::Semicolon, 37, 0, 56),
        Finding("a:|00!an", K::Correction, 11)},
       "@gone@", S_OK, {e86 + "gone- Key A55) "}, "mes \"KESta: One error.\""},
      {"no semicolon from the caret on", {Finding(". th:|00|", K::Semicolon, 37, 0, 56)}, "-select @;", S_OK,
       {e86 + ". th- Key V56) "}, "mes \"KESta: Congratulations: NO ERRORS\""},
      {"other host failure", {Finding("...x:|00!and", K::Correction, 11)}, "car edit", S_FALSE,
       {LoadStringResource(IDS_ACL_FAILED)}, nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    host.calls.clear();
    ui.Clear();
    ClearFindings();
    for (const MarkInput& f : row.findings) AddFinding(f);
    host.failPattern = row.fail;
    EXPECT_EQ(MarkingEngineWork(host), row.result);
    Strings boxes;
    for (const auto& box : ui.Boxes()) boxes.push_back(box.text);
    EXPECT_EQ(boxes, row.boxes);
    if (row.then) {
      const std::string last = host.Executed().back();
      EXPECT_TRUE(Work()[0] == row.then || last == row.then) << last;
    }
  }
  EXPECT_EQ(ui.Boxes()[0].caption, "KESta Checker");
}

// A selection check's marking stays inside the element under check: text
// found inside it (in an inline element too) is marked; a search that ran
// past it ends the marking and clears the selection (and a correction's
// whole-word search); without a scope the marking looks everywhere.
TEST_F(MarkingTest, MarkingStaysInsideTheCheckedElement) {
  const int checked = host.Add("para", 0), inner = host.Add("emph", checked), after = host.Add("para", 0);
  auto run = [&](int caret, std::vector<MarkInput> findings) {
    host.calls.clear();
    ClearFindings();
    for (const MarkInput& f : findings) AddFinding(f);
    host.answers["oid_caret()"] = host.Id(caret);
    EXPECT_EQ(MarkingEngineWork(host), S_OK);
    int inserts = 0;
    for (const std::string& c : host.Executed()) inserts += c.rfind("insert_string", 0) == 0;
    return inserts;
  };
  Cursor.CurrentOid = host.Id(checked);
  Check.markScope = host.Id(checked);
  EXPECT_EQ(run(inner, {Finding("glorp:| 0", K::Word, 25), Finding("frob:| 0", K::Word, 25)}), 2);
  for (FindingKind kind : {K::Word, K::Correction, K::Replacement, K::Semicolon}) {
    SCOPED_TRACE(KindLetters(kind));
    const char* key = kind == K::Semicolon ? ";:| 0" : "glorp:| 0!x";
    EXPECT_EQ(run(after, {Finding(key, kind, 25), Finding("frob:| 0", K::Word, 25)}), 0);
    const Strings executed = host.Executed();
    EXPECT_EQ(executed.back() == "set wordscan=off" ? executed[executed.size() - 2] : executed.back(),
              "clear_mark all");
  }
  Check.markScope.clear();
  EXPECT_EQ(run(after, {Finding("glorp:| 0", K::Word, 25)}), 1);
  for (const std::string& e : host.Evaluated()) EXPECT_NE(e, "oid_caret()");
  EXPECT_TRUE(ui.Boxes().empty());
}

}  // namespace
