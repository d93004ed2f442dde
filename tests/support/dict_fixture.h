#pragma once
// Dictionaries for tests, written from source text in the test itself (the
// writer's format: see dictbuild/dict_writer.h). A writer error fails the test.
#include <string>
#include <string_view>

#include "tests/support/temp_dir.h"

// The ".cmp" bytes of `source`.
std::string BuildTestDict(std::string_view source);

// Writes the dictionary below `dir` and returns its path.
std::string WriteTestDict(const TempDir& dir, const std::string& relative, std::string_view source);

// Loads TECHNICAL, CORE and SYNONYM from three sources (an empty source still
// makes a loadable, empty dictionary), after forgetting what was loaded.
void LoadTestDictionaries(const std::string& tec, const std::string& core, const std::string& syn);
