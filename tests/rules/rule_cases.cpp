#include "tests/rules/rule_cases.h"

#include <gtest/gtest.h>

#include <cctype>
#include <deque>
#include <sstream>

namespace {

// Owns the texts the specs point into.
struct ParsedText {
  std::deque<std::string> strings;
  std::vector<WordSpec> specs;
};

const char* Keep(ParsedText& p, std::string s) { return p.strings.emplace_back(std::move(s)).c_str(); }

bool AllDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

void ParseWord(ParsedText& p, std::string token) {
  WordSpec spec;
  std::string flags;
  if (token.size() > 1 && token.back() == '}') {
    const std::size_t open = token.rfind('{');
    flags = token.substr(open + 1, token.size() - open - 2);
    token.resize(open);
  }
  std::istringstream in(flags);
  std::string item, rest;
  while (in >> item) {
    if (item.rfind("code=", 0) == 0)
      spec.classCode = Keep(p, item.substr(5));
    else
      rest += (rest.empty() ? "" : " ") + item;
  }
  spec.flags = Keep(p, rest);
  const std::size_t slash = token.rfind('/');
  if (slash != std::string::npos && slash > 0 && AllDigits(token.substr(slash + 1))) {
    spec.wordClass = std::stoi(token.substr(slash + 1));
    token.resize(slash);
  }
  for (char& ch : token)
    if (ch == '_') ch = ' ';
  spec.written = Keep(p, token);
  p.specs.push_back(spec);
}

ParsedText Parse(const char* text) {
  ParsedText p;
  std::string s(text), token;
  int depth = 0;
  for (char c : s + " ") {
    if (c == '{') ++depth;
    if (c == '}') --depth;
    if (c == ' ' && depth == 0) {
      if (!token.empty()) ParseWord(p, token);
      token.clear();
    } else {
      token += c;
    }
  }
  return p;
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
  ParsedText p = Parse(text);
  return std::make_unique<TestWords>(p.specs);
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

void RunRowCases(std::span<const RuleRow> rows, std::span<const RowCase> cases) {
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const RowCase& k = cases[i];
    SCOPED_TRACE(testing::Message() << "case " << i << ": \"" << k.text << "\" at " << k.at);
    auto words = BuildWords(k.text);
    SentenceStateRec state;
    if (k.setup) k.setup(state);
    RuleContext c{.word = FindWord(*words, k.at), .head = words->head(), .state = state};
    const int row = FirstMatch(c, rows);
    EXPECT_EQ(row, k.row);
    if (row >= 0) ApplyRow(c, rows[static_cast<std::size_t>(row)]);
    if (k.changes) {
      EXPECT_EQ(words->Changes(), k.changes);
    }
  }
}

const char* KeptFinding(const char* word, const char* suggestion, int code, int covers, int rule) {
  static std::deque<std::string> kept;
  return kept.emplace_back(Finding(word, suggestion, code, covers, rule)).c_str();
}

std::string StateChanges(const SentenceStateRec& b, const SentenceStateRec& a) {
  std::ostringstream out;
  auto field = [&out](const char* name, int before, int after) {
    if (before != after) out << (out.tellp() > 0 ? " " : "") << name << '=' << after;
  };
  field("subjectSeen", b.subjectSeen, a.subjectSeen);
  field("subjectNumber", b.subjectNumber, a.subjectNumber);
  field("sentenceKind", b.sentenceKind, a.sentenceKind);
  field("sentenceWordCount", b.sentenceWordCount, a.sentenceWordCount);
  field("lastVerbClass", b.lastVerbClass, a.lastVerbClass);
  field("verbIsSForm", b.verbIsSForm, a.verbIsSForm);
  field("skipAgreement", b.skipAgreement, a.skipAgreement);
  field("clauseState", b.clauseState, a.clauseState);
  field("scratchIndex", b.scratchIndex, a.scratchIndex);
  field("scratchResult", b.scratchResult, a.scratchResult);
  return out.str();
}

void RunBodyCases(RuleBody body, std::span<const BodyCase> cases) {
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const BodyCase& k = cases[i];
    SCOPED_TRACE(testing::Message() << "case " << i << ": \"" << k.text << "\" at " << k.at);
    auto words = BuildWords(k.text);
    SentenceStateRec state;
    if (k.setup) k.setup(state);
    const SentenceStateRec before = state;
    RuleContext c{.word = FindWord(*words, k.at), .head = words->head(), .state = state};
    const Walk outcome = body(c);
    WordRec* resume = ResumeWord(c, outcome);
    EXPECT_EQ(words->Changes(), k.changes);
    if (k.resume) {
      EXPECT_EQ(Name(resume, *words), k.resume);
    }
    if (k.state) {
      EXPECT_EQ(StateChanges(before, state), k.state);
    }
  }
}
