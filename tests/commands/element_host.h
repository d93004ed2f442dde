#pragma once
// A small host for the command work: a flat list of elements in document
// order (ids, names, parents, attributes, selection text), a caret, every
// ACL string recorded, and failures on request; the calls a command makes
// on its own object; and a fixture with both.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "commands/check_state.h"
#include "commands/command_work.h"
#include "engine/word_rec.h"
#include "platform/scripted_interaction.h"

struct HostElement {
  std::string id;
  std::string name;
  int parent = -1;  // index; -1 for the root
  std::string kesta;
  std::string selection;  // what $selection answers when it is selected
  bool removed = false;
};

class ElementHost : public HostChannel {
 public:
  std::vector<HostElement> elements;
  std::vector<std::string> calls;  // "E text" evaluated, "X text" executed
  std::map<std::string, std::string> answers;  // fixed answers by expression
  std::string failPattern;  // a call containing it fails
  int caret = 0;
  int selected = -1;
  bool conversionFails = false;

  int Add(std::string name, int parent = -1, std::string selection = {}) {
    elements.push_back({"(1," + std::to_string(elements.size() + 10) + ",0)", std::move(name), parent, "",
                        std::move(selection)});
    return static_cast<int>(elements.size()) - 1;
  }
  const std::string& Id(int i) const { return At(i).id; }

  std::vector<std::string> Executed() const { return Only('X'); }
  std::vector<std::string> Evaluated() const { return Only('E'); }
  std::vector<std::string> Statuses() const {
    std::vector<std::string> out;
    for (const std::string& c : Executed())
      if (c.rfind("mes \"", 0) == 0) out.push_back(c.substr(5, c.size() - 6));
    return out;
  }

  std::string Evaluate(const std::string& e) override {
    Record('E', e);
    if (auto it = answers.find(e); it != answers.end()) return it->second;
    if (e == "oid_first()") return Next(-1, 1);
    if (e == "oid_last()") return Next(static_cast<int>(elements.size()), -1);
    if (e == "oid_caret()") return Id(caret);
    if (e == "$selection") return selected >= 0 ? At(selected).selection : "";
    std::smatch m;
    static const std::regex call(R"(oid_(forward|backward|name|valid|parent|select|attr)\('([^']*)'(\)|,"Kesta"\);))");
    if (!std::regex_match(e, m, call)) return "";
    const std::string op = m[1];
    const int i = Find(m[2]);
    if (op == "select") selected = i;
    if (op == "valid") return i >= 0 && !At(i).removed ? "1" : "0";
    if (op == "select" || ((op == "name" || op == "attr") && i < 0)) return "";
    if (op == "name" || op == "attr") return op == "name" ? At(i).name : At(i).kesta;
    if (i < 0) return "(0,0,0)";
    if (op == "parent") return At(i).parent < 0 ? "(0,0,0)" : Id(At(i).parent);
    return Next(i, op == "forward" ? 1 : -1);
  }

  std::optional<std::string> EvaluateConverted(const std::string& e) override {
    std::string v = Evaluate(e);
    if (conversionFails) return std::nullopt;
    return v;
  }

  std::string EvaluateMarkup(const std::string& e) override { return Evaluate(e); }

  void Execute(const std::string& c) override {
    Record('X', c);
    std::smatch m;
    if (std::regex_search(c, m, std::regex(R"(goto_oid\('([^']*)'\))")) && Find(m[1]) >= 0) caret = Find(m[1]);
    if (std::regex_search(c, m, std::regex(R"((oid_select|select_element)\('([^']*)')"))) selected = Find(m[2]);
    if (c == "goto_oid(oid_first())") caret = 0;
    if (c == "dt;" && selected > 0) At(selected).removed = true;
  }

 private:
  HostElement& At(int i) { return elements[static_cast<std::size_t>(i)]; }
  const HostElement& At(int i) const { return elements[static_cast<std::size_t>(i)]; }
  void Record(char kind, const std::string& text) {
    calls.push_back(std::string(1, kind) + " " + text);
    if (!failPattern.empty() && text.find(failPattern) != std::string::npos)
      throw _com_error(E_FAIL, "the host failed");
  }
  std::vector<std::string> Only(char kind) const {
    std::vector<std::string> out;
    for (const std::string& c : calls)
      if (c[0] == kind) out.push_back(c.substr(2));
    return out;
  }
  int Find(const std::string& id) const {
    for (std::size_t i = 0; i < elements.size(); ++i)
      if (elements[i].id == id) return static_cast<int>(i);
    return -1;
  }
  // The first element not removed from `from` on in the direction `step`.
  std::string Next(int from, int step) const {
    for (int j = from + step; j >= 0 && j < static_cast<int>(elements.size()); j += step)
      if (!At(j).removed) return Id(j);
    return "(0,0,0)";
  }
};

// Records the calls one command makes on its own object.
class RecordedCalls : public CommandCalls {
 public:
  std::vector<std::string> made;
  std::map<std::string, HRESULT> results;
  std::function<HRESULT()> removeMarks;

  HRESULT ChangeEditWinTitle() override { return Made("ChangeEditWinTitle"); }
  HRESULT FindKesta() override { return Made("FindKesta"); }
  HRESULT GetDocStart() override { return Made("GetDocStart"); }
  HRESULT MarkingEngine() override { return Made("MarkingEngine"); }
  HRESULT RemoveAllMarkers() override { return Made("RemoveAllMarkers"); }
  HRESULT RemoveKestaPi() override { return Made("RemoveKestaPi"); }
  HRESULT RemoveMarks() override {
    return removeMarks ? (Made("RemoveMarks"), removeMarks()) : Made("RemoveMarks");
  }

 private:
  HRESULT Made(const std::string& name) {
    made.push_back(name);
    auto it = results.find(name);
    return it == results.end() ? S_OK : it->second;
  }
};

// Command work against an ElementHost, from fresh module-wide state.
class ElementHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Cursor.Reset();
    Check.Reset();
  }
  ElementHost host;
  RecordedCalls self;
  ScriptedInteraction ui;
};
