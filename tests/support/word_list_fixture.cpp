#include "tests/support/word_list_fixture.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace {

bool IsUpper(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }

int ToInt(const std::string& v) { return static_cast<int>(std::strtol(v.c_str(), nullptr, 10)); }

// A char flag: "" or "NUL" gives '\0', anything else its first character.
char ToChar(const std::string& v) { return (v.empty() || v == "NUL") ? '\0' : v[0]; }

void ApplyFlag(WordRec* w, const std::string& name, const std::string& v) {
  if (name == "mark") w->markFlag = ToChar(v);
  else if (name == "aside") w->articleSetAside = v == "1";
  else if (name == "case") w->caseFlag = ToChar(v);
  else if (name == "split") w->splitKind = ToChar(v);
  else if (name == "token") w->tokenKind = ToInt(v);
  else if (name == "sub") w->subClass = ToInt(v);
  else if (name == "msg") w->message = ToInt(v);
  else if (name == "msg2") w->message2 = ToInt(v);
  else if (name == "rule") w->ruleId = ToInt(v);
  else if (name == "pos") w->sentencePos = ToInt(v);
  else if (name == "weight") w->weight = ToInt(v);
  else if (name == "end") w->sentenceEnd = ToInt(v);
  else if (name == "len") w->length = ToInt(v);
  else if (name == "entry") w->entryWords = ToInt(v);
  else if (name == "sentlen") w->sentenceLength = ToInt(v);
  else if (name == "verb") w->verbForm = ToChar(v);
  else if (name == "extra") w->extraFlag = ToChar(v);
  else if (name == "sep") w->separatorFlag = ToChar(v);
  else if (name == "dict") w->dictMarker = ToChar(v);
  else if (name == "plural") w->pluralMarker = ToChar(v);
  else if (name == "last") w->lastLetter = ToChar(v);
  else if (name == "tag") w->tag = v;
  else if (name == "sug") w->suggestion = v;
  else if (name == "text") {
    w->text = v;
    w->length = static_cast<std::int32_t>(w->text.length());
    w->lastLetter = w->text.last();
  } else {
    ADD_FAILURE() << "unknown word flag '" << name << "'";
  }
}

// "sug=a/b" items; a value runs to the next blank ("_" stands for a blank).
void ApplyFlags(WordRec* w, std::string_view flags) {
  std::istringstream in{std::string(flags)};
  std::string item;
  while (in >> item) {
    std::size_t eq = item.find('=');
    std::string name = item.substr(0, eq);
    std::string value = eq == std::string::npos ? "1" : item.substr(eq + 1);
    for (char& c : value)
      if (c == '_') c = ' ';
    ApplyFlag(w, name, value);
  }
}

WordRec* MakeRecord(const WordSpec& spec, int pos) {
  WordRec* w = NewWordRec();
  std::string_view written = spec.written ? spec.written : "";
  w->written = written;
  w->text = written;
  if (IsUpper(w->written.first())) {
    w->caseFlag = (IsUpper(w->written[1]) || w->written.length() == 1) ? '2' : '1';
    for (std::size_t i = 0; i < w->text.length(); ++i)
      w->text.set(i, static_cast<char>(std::tolower(static_cast<unsigned char>(w->text[i]))));
  }
  w->length = static_cast<std::int32_t>(w->text.length());
  w->lastLetter = w->text.last();
  w->wordClass = spec.wordClass;
  w->classCode = spec.classCode ? spec.classCode : "D****";
  w->sentencePos = pos;
  if (spec.wordClass == 48) w->sentenceEnd = 1;
  ApplyFlags(w, spec.flags ? spec.flags : "");
  return w;
}

template <typename T>
void Field(std::ostringstream& out, const char* name, const T& before, const T& after) {
  if (before == after) return;
  out << ' ' << name << '=' << after;
}

void CharField(std::ostringstream& out, const char* name, char before, char after) {
  if (before == after) return;
  out << ' ' << name << '=';
  if (after == '\0') out << "NUL";
  else if (after == ' ') out << "' '";
  else out << after;
}

void TextField(std::ostringstream& out, const char* name, std::string_view before,
               std::string_view after) {
  if (before == after) return;
  out << ' ' << name << "=\"" << after << '"';
}

}  // namespace

std::string DiffFields(const WordRec& b, const WordRec& a) {
  std::ostringstream out;
  TextField(out, "text", b.text.view(), a.text.view());
  TextField(out, "written", b.written.view(), a.written.view());
  TextField(out, "suggestion", b.suggestion.view(), a.suggestion.view());
  TextField(out, "tag", b.tag.view(), a.tag.view());
  TextField(out, "classCode", b.classCode.view(), a.classCode.view());
  Field(out, "wordClass", b.wordClass, a.wordClass);
  Field(out, "subClass", b.subClass, a.subClass);
  Field(out, "message", b.message, a.message);
  Field(out, "message2", b.message2, a.message2);
  Field(out, "entryWords", b.entryWords, a.entryWords);
  Field(out, "tokenKind", b.tokenKind, a.tokenKind);
  Field(out, "sentencePos", b.sentencePos, a.sentencePos);
  Field(out, "length", b.length, a.length);
  Field(out, "ruleId", b.ruleId, a.ruleId);
  Field(out, "weight", b.weight, a.weight);
  Field(out, "sentenceLength", b.sentenceLength, a.sentenceLength);
  Field(out, "sentenceEnd", b.sentenceEnd, a.sentenceEnd);
  CharField(out, "splitKind", b.splitKind, a.splitKind);
  CharField(out, "lastLetter", b.lastLetter, a.lastLetter);
  CharField(out, "caseFlag", b.caseFlag, a.caseFlag);
  CharField(out, "markFlag", b.markFlag, a.markFlag);
  CharField(out, "separatorFlag", b.separatorFlag, a.separatorFlag);
  CharField(out, "dictMarker", b.dictMarker, a.dictMarker);
  CharField(out, "verbForm", b.verbForm, a.verbForm);
  CharField(out, "extraFlag", b.extraFlag, a.extraFlag);
  CharField(out, "pluralMarker", b.pluralMarker, a.pluralMarker);
  std::string s = out.str();
  return s.empty() ? s : s.substr(1);
}

TestWords::TestWords(std::initializer_list<WordSpec> specs, bool sentinel) {
  Build(specs.begin(), specs.size(), sentinel);
}

TestWords::TestWords(std::initializer_list<const char*> written, bool sentinel) {
  std::vector<WordSpec> specs;
  for (const char* w : written) specs.push_back({.written = w});
  Build(specs.data(), specs.size(), sentinel);
}

TestWords::TestWords(const std::vector<WordSpec>& specs, bool sentinel) {
  Build(specs.data(), specs.size(), sentinel);
}

void TestWords::Build(const WordSpec* specs, std::size_t count, bool sentinel) {
  WordList.Reset();
  int pos = 0;
  WordRec* last = nullptr;
  auto link = [&](WordRec* w) {
    built_.push_back(w);
    if (!last) {
      WordList.head = w;
    } else {
      last->next = w;
      w->prev = last;
    }
    last = w;
    WordList.tail = w;
  };
  for (std::size_t i = 0; i < count; ++i) {
    const WordSpec& spec = specs[i];
    WordRec* w = MakeRecord(spec, pos);
    link(w);
    pos = spec.wordClass == 48 ? 0 : w->sentencePos + 1;
  }
  if (sentinel) link(MakeRecord({.written = kSentinel, .wordClass = 40}, pos));
  Snapshot();
}

TestWords::~TestWords() { WordList.Reset(); }

WordRec* TestWords::Find(std::string_view written, int nth) const {
  for (WordRec* w = WordList.head; w; w = w->next)
    if (w->written == written && nth-- == 0) return w;
  throw std::runtime_error("no word written \"" + std::string(written) + "\" in the list");
}

WordRec* TestWords::Nth(std::size_t i) const {
  WordRec* w = WordList.head;
  while (w && i-- > 0) w = w->next;
  return w;
}

std::size_t TestWords::Size() const {
  std::size_t n = 0;
  for (WordRec* w = WordList.head; w; w = w->next) ++n;
  return n;
}

void TestWords::Snapshot() {
  saved_.clear();
  for (WordRec* w = WordList.head; w; w = w->next) saved_.push_back({w, *w});
}

std::string TestWords::Changes() const {
  static const WordRec kFresh = [] {
    WordRec w;
    w.classCode.clear();
    return w;
  }();
  std::string out;
  auto line = [&](const std::string& s) {
    if (!out.empty()) out += '\n';
    out += s;
  };
  for (WordRec* w = WordList.head; w; w = w->next) {
    const Saved* before = nullptr;
    for (const Saved& s : saved_)
      if (s.rec == w) before = &s;
    if (!before) {
      line("+" + w->written.str() + ": " + DiffFields(kFresh, *w));
      continue;
    }
    std::string diff = DiffFields(before->fields, *w);
    if (!diff.empty()) line(before->fields.written.str() + ": " + diff);
  }
  for (const Saved& s : saved_) {
    bool present = false;
    for (WordRec* w = WordList.head; w && !present; w = w->next) present = (w == s.rec);
    if (!present) line("-" + s.fields.written.str());
  }
  return out;
}

std::string TestWords::Written() const {
  std::string out;
  for (WordRec* w = WordList.head; w; w = w->next) {
    if (!out.empty()) out += ' ';
    out += w->written.str();
  }
  return out;
}

WordRec LoneWord(const char* text) {
  WordRec w;
  w.text = text;
  w.written = text;
  w.length = static_cast<std::int32_t>(w.text.length());
  w.lastLetter = w.text.last();
  return w;
}
