#include "tests/support/source_advice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

#include "dictbuild/dict_writer.h"

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string AdviceOf(const std::string& typed) {
  std::size_t at = typed.find_first_of(" !$&?^@");
  while (at != std::string::npos && typed[at] != ' ' && at + 1 < typed.size() && typed[at + 1] == '+')
    at = typed.find_first_of(" !$&?^@", at + 2);
  if (at == std::string::npos) return {};
  std::string data = typed.substr(at + 1);
  data.resize(std::min(data.size(), data.find("%%")));
  const std::size_t from = data.find_first_not_of(' ');
  if (from == std::string::npos) return {};
  data.erase(0, from);
  // Fields before the advice: the code, and a phrasal verb's particle first.
  const int fields = typed[at] == '^' && typed[at + 1] == '+' ? 2 : 1;
  for (int i = 0; i < fields; ++i) {
    const std::size_t blank = data.find(' ');
    if (blank == std::string::npos) return {};
    data.erase(0, blank + 1);
  }
  return data;
}

std::vector<std::string> AdviceAlternatives(const std::string& advice) {
  std::vector<std::string> out;
  std::size_t from = 0;
  while (from < advice.size()) {
    const std::size_t slash = std::min(advice.find('/', from), advice.size());
    if (slash > from) out.push_back(advice.substr(from, slash - from));
    from = slash + 1;
  }
  return out;
}

std::vector<SourceAdvice> SourceAdviceOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  DictSource parsed;
  std::vector<DictBuildError> errors;
  std::vector<SourceAdvice> out;
  if (!ParseDictSource(source, &parsed, &errors)) {
    ADD_FAILURE() << FormatBuildErrors(path, errors);
    return out;
  }
  for (const DictSourceEntry& entry : parsed.entries) {
    std::string advice = AdviceOf(entry.typed);
    if (!advice.empty()) out.push_back({entry.line, entry.typed, std::move(advice)});
  }
  return out;
}
