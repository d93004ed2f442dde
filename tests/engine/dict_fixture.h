#pragma once
// Loads the three dictionary slots from sources written in the test itself.
#include <gtest/gtest.h>

#include <string>

#include "engine/dict_file.h"
#include "engine/dict_store.h"
#include "tests/support/dict_fixture.h"
#include "tests/support/temp_dir.h"

namespace testing_words {

// TECHNICAL, CORE and SYNONYM from three sources (an empty source still
// makes a loadable, empty dictionary).
inline void LoadDictionaries(const std::string& tec, const std::string& core, const std::string& syn) {
  Dictionaries.Reset();
  TempDir dir;
  const std::string sources[] = {tec, core, syn};
  for (int slot = 0; slot < kDictCount; ++slot) {
    const std::string path = WriteTestDict(dir, "dict" + std::to_string(slot) + ".cmp", sources[slot]);
    ASSERT_EQ(LoadDict(slot, path.c_str()), kDictLoaded) << "slot " << slot;
  }
}

}  // namespace testing_words
