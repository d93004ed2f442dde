#include "tests/rules/rule_cases.h"

#include <gtest/gtest.h>

#include <cctype>
#include <deque>
#include <sstream>

namespace {

// Every text a case table points into, kept for the program's life.
const char* Keep(std::string s) {
  static std::deque<std::string> kept;
  return kept.emplace_back(std::move(s)).c_str();
}

bool AllDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

// "written/class{flags code=...}": '_' in the written form stands for a blank.
WordSpec ParseWord(std::string token) {
  WordSpec spec;
  std::string flags, item, rest;
  if (token.size() > 1 && token.back() == '}') {
    const std::size_t open = token.rfind('{');
    flags = token.substr(open + 1, token.size() - open - 2);
    token.resize(open);
  }
  for (std::istringstream in(flags); in >> item;) {
    if (item.rfind("code=", 0) == 0)
      spec.classCode = Keep(item.substr(5));
    else
      rest += (rest.empty() ? "" : " ") + item;
  }
  spec.flags = Keep(rest);
  const std::size_t slash = token.rfind('/');
  if (slash != std::string::npos && slash > 0 && AllDigits(token.substr(slash + 1))) {
    spec.wordClass = std::stoi(token.substr(slash + 1));
    token.resize(slash);
  }
  for (char& ch : token)
    if (ch == '_') ch = ' ';
  spec.written = Keep(token);
  return spec;
}

std::string Name(const WordRec* w, const TestWords& words) {
  if (!w) return "(none)";
  int nth = 1;
  for (WordRec* p = words.head(); p && p != w; p = p->next)
    if (p->written == w->written.view()) ++nth;
  return nth == 1 ? w->written.str() : w->written.str() + "#" + std::to_string(nth);
}

}  // namespace

std::unique_ptr<TestWords> BuildWords(const char* text) {
  std::vector<WordSpec> specs;
  std::string token;
  int depth = 0;  // blanks inside braces belong to the flags
  for (char c : std::string(text) + " ") {
    depth += (c == '{') - (c == '}');
    if (c != ' ' || depth > 0) {
      token += c;
    } else if (!token.empty()) {
      specs.push_back(ParseWord(token));
      token.clear();
    }
  }
  return std::make_unique<TestWords>(specs);
}

WordRec* FindWord(const TestWords& words, const char* name) {
  std::string n(name);
  int nth = 0;
  const std::size_t hash = n.rfind('#');
  if (hash != std::string::npos && hash > 0 && AllDigits(n.substr(hash + 1))) {
    nth = std::stoi(n.substr(hash + 1)) - 1;
    n.resize(hash);
  }
  return words.Find(n, nth);
}

const char* KeptFinding(const char* word, const char* suggestion, int code, int covers, int rule) {
  return Keep(Finding(word, suggestion, code, covers, rule));
}

void RunRowCases(std::span<const RuleRow> rows, std::span<const RowCase> cases) {
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const RowCase& k = cases[i];
    SCOPED_TRACE(testing::Message() << "case " << i << ": \"" << k.text << "\" at " << k.at);
    auto words = BuildWords(k.text);
    SentenceStateRec state;
    if (k.setup) k.setup(state);
    RuleContext c{
        .word = FindWord(*words, k.at), .head = words->head(), .state = state, .steDictionary = k.steDictionary};
    const int row = FirstMatch(c, rows);
    EXPECT_EQ(row, k.row);
    if (row >= 0) ApplyRow(c, rows[static_cast<std::size_t>(row)]);
    if (k.changes) {
      EXPECT_EQ(words->Changes(), k.changes);
    }
  }
}

std::string StateChanges(const SentenceStateRec& b, const SentenceStateRec& a) {
  using F = std::int32_t SentenceStateRec::*;
  static constexpr std::pair<const char*, F> kFields[] = {
      {"subjectSeen", &SentenceStateRec::subjectSeen},     {"subjectNumber", &SentenceStateRec::subjectNumber},
      {"sentenceKind", &SentenceStateRec::sentenceKind},   {"sentenceWordCount", &SentenceStateRec::sentenceWordCount},
      {"lastVerbClass", &SentenceStateRec::lastVerbClass}, {"verbIsSForm", &SentenceStateRec::verbIsSForm},
      {"skipAgreement", &SentenceStateRec::skipAgreement}, {"clauseState", &SentenceStateRec::clauseState},
      {"scratchIndex", &SentenceStateRec::scratchIndex},   {"scratchResult", &SentenceStateRec::scratchResult},
  };
  std::string out;
  for (const auto& [name, field] : kFields)
    if (b.*field != a.*field) out += (out.empty() ? "" : " ") + std::string(name) + '=' + std::to_string(a.*field);
  return out;
}

void RunBodyCases(RuleBody body, std::span<const BodyCase> cases) {
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const BodyCase& k = cases[i];
    SCOPED_TRACE(testing::Message() << "case " << i << ": \"" << k.text << "\" at " << k.at);
    auto words = BuildWords(k.text);
    SentenceStateRec state;
    if (k.setup) k.setup(state);
    const SentenceStateRec before = state;
    RuleContext c{
        .word = FindWord(*words, k.at), .head = words->head(), .state = state, .steDictionary = k.steDictionary};
    WordRec* resume = ResumeWord(c, body(c));
    EXPECT_EQ(words->Changes(), k.changes);
    if (k.resume) {
      EXPECT_EQ(Name(resume, *words), k.resume);
    }
    if (k.state) {
      EXPECT_EQ(StateChanges(before, state), k.state);
    }
  }
}
