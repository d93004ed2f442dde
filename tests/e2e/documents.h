#pragma once
// The documents the per-document tests run over: the shared corpus's and
// the samples.
#include <cstddef>
#include <string>
#include <vector>

// The documents as the build found them (documents.cpp), sorted; a folder
// that gave none stands in the list itself, so that its test skips and says
// so instead of passing unseen.
std::vector<std::string> Documents();

// The test name of Documents()'s entry `index`: the file's stem, after
// "missing_" for a folder standing in, in letters, digits and '_'.
std::string DocumentTestName(const std::string& document, std::size_t index);
