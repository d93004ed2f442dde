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

// The number and letter fields: the flag that sets each (null: none) and
// its name in a diff, in the order a diff lists them.
struct IntField {
  const char* flag;
  const char* name;
  std::int32_t WordRec::*member;
};
constexpr IntField kIntFields[] = {
    {nullptr, "wordClass", &WordRec::wordClass},   {"sub", "subClass", &WordRec::subClass},
    {"msg", "message", &WordRec::message},         {"msg2", "message2", &WordRec::message2},
    {"entry", "entryWords", &WordRec::entryWords}, {"token", "tokenKind", &WordRec::tokenKind},
    {"pos", "sentencePos", &WordRec::sentencePos}, {"len", "length", &WordRec::length},
    {"rule", "ruleId", &WordRec::ruleId},          {"weight", "weight", &WordRec::weight},
    {"sentlen", "sentenceLength", &WordRec::sentenceLength}, {"end", "sentenceEnd", &WordRec::sentenceEnd},
    {"place", "place", &WordRec::place}, {"held", "heldLength", &WordRec::heldLength}};
struct CharField {
  const char* flag;
  const char* name;
  char WordRec::*member;
};
constexpr CharField kCharFields[] = {
    {"split", "splitKind", &WordRec::splitKind},      {"last", "lastLetter", &WordRec::lastLetter},
    {"case", "caseFlag", &WordRec::caseFlag},         {"mark", "markFlag", &WordRec::markFlag},
    {"sep", "separatorFlag", &WordRec::separatorFlag}, {"dict", "dictMarker", &WordRec::dictMarker},
    {"verb", "verbForm", &WordRec::verbForm},         {"extra", "extraFlag", &WordRec::extraFlag},
    {"plural", "pluralMarker", &WordRec::pluralMarker}};

void ApplyFlag(WordRec* w, const std::string& name, const std::string& v) {
  for (const IntField& f : kIntFields)
    if (f.flag && name == f.flag) return void(w->*f.member = ToInt(v));
  for (const CharField& f : kCharFields)
    if (name == f.flag) return void(w->*f.member = ToChar(v));
  if (name == "aside") w->articleSetAside = v == "1";
  else if (name == "block") w->endsBlock = v == "1";
  else if (name == "tag") w->tag = v;
  else if (name == "sug") w->suggestion = v;
  else if (name == "written") w->written = v;
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
  for (const IntField& f : kIntFields)
    if (b.*f.member != a.*f.member) out << ' ' << f.name << '=' << a.*f.member;
  for (const CharField& f : kCharFields) {
    const char after = a.*f.member;
    if (b.*f.member == after) continue;
    out << ' ' << f.name << '=';
    if (after == '\0') out << "NUL";
    else if (after == ' ') out << "' '";
    else out << after;
  }
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
