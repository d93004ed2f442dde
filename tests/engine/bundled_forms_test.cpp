// The bundled default dictionaries give every form their generators meant
// to cover the word class meant for it: data/dictionaries/forms/*.tsv list
// each form with its class ("valves<TAB>11"), and each is looked up (a phrase from its first word)
// through the real lookup in the dictionaries the build writes. And every
// word that an entry of the bundled sources gives as advice is an approved
// word of the dictionaries: the check must not advise a word it then flags.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/advice_forms.h"
#include "engine/advice_hints.h"
#include "engine/dict_file.h"
#include "engine/dict_lookup.h"
#include "engine/inflection.h"
#include "tests/engine/bundled_lookup.h"
#include "tests/support/source_advice.h"
#include "tests/support/word_list_fixture.h"

namespace {

namespace fs = std::filesystem;

struct FormLine {
  std::string file;
  int line;
  std::string form;
  int wordClass;
};

std::vector<FormLine> ReadForms(const fs::path& dir) {
  std::vector<FormLine> out;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dir, ec)) {
    // The forms lists are named for their dictionary; other tables there
    // (sentences for the check) are not.
    const std::string stem = entry.path().stem().string();
    if (entry.path().extension() != ".tsv" || (stem != "TEC" && stem != "STE" && stem != "SYN")) continue;
    std::ifstream in(entry.path());
    std::string text;
    for (int n = 1; std::getline(in, text); ++n) {
      if (text.empty() || text[0] == '#') continue;
      const std::size_t tab = text.find('\t');
      out.push_back({entry.path().filename().string(), n, text.substr(0, tab),
                     tab == std::string::npos ? -1 : std::atoi(text.c_str() + tab + 1)});
    }
  }
  return out;
}

TEST(BundledForms, EveryListedFormHasItsClass) {
  ASSERT_NO_FATAL_FAILURE(LoadBundled());
  const std::vector<FormLine> forms = ReadForms(fs::path(KESTA_SOURCE_DIR) / "data" / "dictionaries" / "forms");
  ASSERT_FALSE(forms.empty());
  int wrong = 0;
  for (const FormLine& f : forms) {
    // A phrase is looked up from its first word, as the check meets it.
    std::vector<std::string> parts;
    std::istringstream split(f.form);
    for (std::string part; split >> part;) parts.push_back(part);
    std::vector<WordSpec> specs;
    for (const std::string& part : parts) specs.push_back(WordSpec{part.c_str()});
    TestWords words(specs);
    const int found = LookupWord(words.at(0), 3, CheckMode, 0);
    const WordRec* w = words.at(0);
    if (found == kLookupFound && w->wordClass == f.wordClass && w->message != 325) continue;
    // Past a few dozen the cause is one and the rest is noise.
    if (++wrong <= 40)
      ADD_FAILURE() << f.file << ":" << f.line << ": " << f.form << " has class " << w->wordClass << " (code "
                    << w->classCode.c_str() << ", message " << w->message << "), not " << f.wordClass;
  }
  EXPECT_EQ(wrong, 0) << "of " << forms.size() << " forms";
  Dictionaries.Reset();
}

// The words of one alternative as the check may write it: its base form and,
// after a code letter, every form it takes to agree with the word checked
// (-s, past, participle, -ing; a noun's plural).
std::vector<std::string> AdviceTexts(const std::string& alternative) {
  if (alternative.empty() || !IsInflectionCode(alternative[0])) return {alternative};
  const char code = alternative[0];
  const std::string base = alternative.substr(1);
  std::vector<std::string> out = {base};
  auto add = [&](const Alternative& a) {
    if (a.str() != base) out.push_back(a.str());
  };
  if (code == 'N') {
    WordRec checked;
    checked.lastLetter = 's';
    checked.pluralMarker = '$';
    Alternative a(base);
    if (InflectByCode(a, &checked, code, '0') == 1) add(a);
    return out;
  }
  for (const int form : {kFormS, kFormPast, kFormParticiple, kFormIng}) {
    Alternative a(base);
    if (InflectAlternative(a, code, form)) add(a);
  }
  return out;
}

TEST(BundledForms, EveryAdvisedWordIsApproved) {
  ASSERT_NO_FATAL_FAILURE(LoadBundled());
  int advices = 0;
  std::set<std::string> missing;
  for (const char* name : {"TEC", "STE", "SYN"}) {
    const fs::path path = fs::path(KESTA_SOURCE_DIR) / "data" / "dictionaries" / (std::string(name) + ".txt");
    for (const SourceAdvice& entry : SourceAdviceOf(path.string())) {
      for (const std::string& alternative : AdviceAlternatives(entry.advice)) {
        ++advices;
        for (const std::string& form : AdviceTexts(alternative)) {
          std::vector<std::string> parts;
          std::istringstream split(form);
          for (std::string part; split >> part;) {
            // A hint in parentheses ("(Rephrase)") and the "..." that stands
            // for the writer's own words are no words to look up.
            if (part.front() == '(' || part.find("...") != std::string::npos) break;
            parts.push_back(part);
          }
          for (const UnapprovedWord& w : UnapprovedWords(parts)) {
            // Once for each word: the entries that advise it are one fault.
            if (!missing.insert(w.written).second) continue;
            ADD_FAILURE() << name << ".txt:" << entry.line << ": " << entry.typed << ": the advice \"" << form
                          << "\" holds \"" << w.written << "\", which " << Why(w);
          }
        }
      }
    }
  }
  EXPECT_GT(advices, 100);
  EXPECT_TRUE(missing.empty()) << missing.size() << " words, in " << advices << " alternatives";
  Dictionaries.Reset();
}

// The rules' advice in the form of the verb it is for: the verb that begins
// an alternative takes the form, one in another form is not offered, one
// that cannot take it is a hint; an alternative that names no verb stays.
TEST(BundledForms, AdviceFitsTheFormOfItsVerb) {
  ASSERT_NO_FATAL_FAILURE(LoadBundled());
  const struct {
    const char* advice;
    AdviceSlot slot;
    const char* fitted;
  } rows[] = {
      {"remove/clean", {.form = kFormS}, "removes/cleans"},
      {"clean/remove", {.form = kFormPast}, "cleaned/removed"},
      {"align to/aligns to", {.form = kFormParticiple, .afterBe = true}, "aligned to"},
      {"held in position/stays in position", {.form = kFormParticiple, .afterBe = true}, "held in position"},
      {"prepares/installs", {.form = kFormS}, "prepares/installs"},
      {"Remove/(Rephrase)", {.form = kFormIng}, "Removing/(Rephrase)"},
      // A modal stands for any subject, not after "be"; "want" has no -s form.
      {"can/(Rephrase for possible)", {.form = kFormS}, "can/(Rephrase for possible)"},
      {"can/(Rephrase for possible)", {.form = kFormParticiple, .afterBe = true}, "(can)/(Rephrase for possible)"},
      {"want", {.form = kFormS}, "(want)"},
      {"did/made", {.form = kFormPast}, "did/made"},
      // After "is" the text holds the "is": "is in" becomes "in".
      {"is/is in/are in", {.form = kFormParticiple, .afterBe = true}, "in"},
      {"in position/(Give position ref.)", {.form = kFormParticiple, .afterBe = true}, "in position/(Give position ref.)"},
      {"show/shows/indication", {.form = kFormS}, "shows/indication"},
      // After a modal: the base form ("may fall out"), no modal ("cannot expect to"); "have", "do", "want" are verbs there.
      {"falls from/fall from", {.form = kFormBase, .verb = true, .afterModal = true}, "fall from"},
      {"can/(Rephrase for possible)", {.form = kFormBase, .verb = true, .afterModal = true},
       "(can)/(Rephrase for possible)"},
      {"have/contain/do/want", {.form = kFormBase, .verb = true, .afterModal = true}, "have/contain/do/want"},
      {"have/contain", {.form = kFormS, .verb = true}, "has/contains"},
      {"do not/not/does not", {.afterModal = true}, "not"},
      // After "be" ("’re going to"): no modal.
      {"will/to/(Rephrase)", {.afterBe = true}, "to/(Rephrase)"},
      // In place of a finite "be": the form of its subject, "be" kept before what stands after it, no noun or pronoun.
      {"operates/operate/in operation", {.form = kFormBase, .replacesBe = true, .number = 2, .be = "are"},
       "operate/are in operation"},
      {"stay at/is at/are at", {.form = kFormPast, .replacesBe = true, .number = 1, .be = "was"}, "was at"},
      {"are for/is for/caused by", {.form = kFormS, .replacesBe = true, .number = 1, .be = "is"}, "is for/is caused by"},
      {"has damage", {.form = kFormBase, .replacesBe = true, .number = 2, .be = "are"}, "(has damage)"},
      // Before the verb that "to" stood before: what takes it ("is able to start": "can start").
      {"can/want to/(Rephrase)", {.form = kFormS, .replacesBe = true, .number = 1, .be = "is", .beforeBareVerb = true},
       "can/(Rephrase)"},
      {"let/(Rephrase)", {.form = kFormS, .replacesBe = true, .number = 1, .be = "is", .beforeBareVerb = true},
       "(let)/(Rephrase)"},
      {"you must/(Rephrase)", {.form = kFormS, .replacesBe = true, .number = 1, .be = "is", .beforeBareVerb = true},
       "(you must)/(Rephrase)"},
      {"let you/lets you", {.form = kFormS, .verb = true, .beforeBareVerb = true}, "lets you"},
      // A verb's note: "(v)" takes the form, "(n)" does not replace a verb.
      {"log on(v)/logon(n)", {.form = kFormS, .verb = true}, "logs on(v)"},
      {"make sure that/check(n)/examine", {.form = kFormBase, .verb = true}, "make sure that/examine"},
      // Opening the sentence: a capital, after the blank too.
      {"remove/removed", {.form = kFormBase, .verb = true, .capital = true}, "Remove"},
      {" enter", {.capital = true}, " Enter"},
      // A placeholder: a hint, whatever the slot.
      {"so that the xxx", {}, "(so that the xxx)"},
      {"(Simplify the verb tense)/use ... to", {.form = kFormBase, .verb = true}, "(Simplify the verb tense)/(use ... to)"},
      {"continues to .../continue to ...", {.form = kFormS, .verb = true}, "(continues to ...)/(continue to ...)"},
      {"used again/use xxx again", {}, "used again/(use xxx again)"},
  };
  for (const auto& r : rows) EXPECT_EQ(FitAdvice(r.advice, r.slot), r.fitted) << r.advice;
  // No alternative beside the same word, nor one the rules refuse beside
  // the words round it; a fraction is one suggestion.
  const struct {
    const char *advice, *before, *after, *twoBefore, *kept;
  } beside[] = {
      {"stop/remove", "stop", "the", "", "remove"},
      {"more/other", "more", "information", "", "(more)/(other)"},  // "more other": a second quantity word
      {"left/left side", "the", "side", "", "left"},
      {"for", "For", "of", "", "(for)"},
      {"1/4 inch", "1", "", "", "1/4 inch"},
      {"used again/(use xxx again)", "be", ",", "", "(used again)/(use xxx again)"},  // "again," is deleted
      {"from a reference to", "are", "the", "", "(from a reference to)"},  // "are from a"
      {"are from a reference to", "references", "the", "", "(are from a reference to)"},
      {"other/more", "any", "tool", "", "(other)/(more)"},
      {"thus", "and", "cannot", "", "(thus)"},
      {"if/when", "even", "the", "", "(if)/(when)"},
      {"examine/check", "to", "the", "", "examine"},
      {"applicable/serviceable", "be", ",", "can", "serviceable"},
      {"applicable/serviceable", "be", ",", "will", "applicable/serviceable"},
      {"start/go", "must", "with", "", "go"},
      {"made/done", "be", "to", "", "done"},
      {"see/find", "you", "that", "", "find"},
  };
  for (const auto& r : beside) EXPECT_EQ(DropRepeats(r.advice, r.before, r.after, r.twoBefore), r.kept) << r.advice;
  // Hints: every plain alternative in parentheses, a fraction whole; no alternative cut at the advice's limit.
  EXPECT_EQ(AsHints("to/(Rephrase)/ Obey"), "(to)/(Rephrase)/(Obey)");
  EXPECT_EQ(AsHints("1/4 inch/6 mm"), "(1/4 inch)/(6 mm)");
  EXPECT_EQ(WholeAlternatives("(can)/(Rephrase for possible)", 20), "(can)");
  EXPECT_EQ(WholeAlternatives("1/4 inch/6 mm", 9), "1/4 inch");
  EXPECT_EQ(WholeAlternatives("abcdefgh", 5), "abcde");
  for (const char* text : {"xx mm", "XXXX", "one... of", "from xxx to yyy", "wait\x85"}) EXPECT_TRUE(HoldsPlaceholder(text)) << text;
  for (const char* text : {"x", "exit box", "maxx", "use a 3.5 mm key"}) EXPECT_FALSE(HoldsPlaceholder(text)) << text;
  Dictionaries.Reset();
}

}  // namespace
