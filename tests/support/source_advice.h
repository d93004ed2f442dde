#pragma once
// The advice that the entries of a readable dictionary source give, as
// typed in the source: for the tests that walk every advised word.
#include <string>
#include <vector>

// The advice of a source entry as typed: what follows the entry's code (a
// phrasal verb's particle and code), up to the extra data after "%%".
std::string AdviceOf(const std::string& typed);

// `text` in small letters, as advised words are compared.
std::string Lower(std::string text);

// The alternatives of an advice, '/' between them (empty ones left out).
std::vector<std::string> AdviceAlternatives(const std::string& advice);

struct SourceAdvice {
  int line;
  std::string typed;  // the entry as written
  std::string advice;
};

// The entries of the source file at `path` that give advice; a source that
// does not read fails the test.
std::vector<SourceAdvice> SourceAdviceOf(const std::string& path);
