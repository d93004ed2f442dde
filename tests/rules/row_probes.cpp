#include "tests/rules/row_probes.h"

#include <deque>

namespace {

std::string FirstWord(const Words& w) {
  std::string_view l = w.List();
  l = l.substr(0, l.find('|'));
  if (!l.empty() && l.back() == '*') l.remove_suffix(1);
  return std::string(l);
}

int FirstClass(const Classes& k) {
  for (int i = 0; i < 128; ++i)
    if (k.Has(i)) return i;
  return 40;
}

std::string Slot(const Words& w, const Classes& k, const char* filler) {
  if (w.Empty() && k.Empty()) return filler;
  return (w.Empty() ? std::string("x") : FirstWord(w)) + "/" + std::to_string(FirstClass(k));
}

void Replace(std::string& s, const std::string& key, const std::string& value) {
  const std::size_t at = s.find(key);
  if (at != std::string::npos) s.replace(at, key.size(), value);
}

}  // namespace

void AddRowProbes(std::vector<RowCase>& cases, std::span<const RuleRow> rows, int first, int last,
                  const ProbeText& probe) {
  static std::deque<std::string> texts;
  for (int i = first; i <= last; ++i) {
    const RuleRow& r = rows[static_cast<std::size_t>(i)];
    std::string text = probe.pattern;
    Replace(text, "{p1}", Slot(r.p1, r.p1Class, probe.p1));
    Replace(text, "{n1}", Slot(r.n1, r.n1Class, probe.n1));
    Replace(text, "{n2}", Slot(r.n2, r.n2Class, probe.n2));
    Replace(text, "{n3}", Slot(r.n3, r.n3Class, probe.n3));
    cases.push_back({texts.emplace_back(std::move(text)).c_str(), probe.at, i, nullptr});
  }
}
