#pragma once
// Loads dictionaries written from source text in the test itself.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictbuild/dict_writer.h"
#include "engine/dict_file.h"
#include "engine/dict_store.h"
#include "tests/support/temp_dir.h"

namespace testing_words {

// Builds and loads one slot; a failure fails the test with the writer's errors.
inline void LoadSource(const TempDir& dir, int slot, const std::string& source) {
  std::string file;
  std::vector<DictBuildError> errors;
  ASSERT_TRUE(BuildDict(source, &file, &errors)) << FormatBuildErrors("source", errors);
  const std::string path = dir.Write("dict" + std::to_string(slot) + ".cmp", file);
  ASSERT_EQ(LoadDict(slot, path.c_str()), kDictLoaded);
}

// TECHNICAL, CORE and SYNONYM from three sources (an empty source still
// makes a loadable, empty dictionary).
inline void LoadDictionaries(const std::string& tec, const std::string& core, const std::string& syn) {
  Dictionaries.Reset();
  TempDir dir;
  LoadSource(dir, 0, tec);
  LoadSource(dir, 1, core);
  LoadSource(dir, 2, syn);
}

}  // namespace testing_words
