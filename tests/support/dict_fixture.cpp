#include "tests/support/dict_fixture.h"

#include <gtest/gtest.h>

#include <vector>

#include "dictbuild/dict_writer.h"
#include "engine/dict_file.h"
#include "engine/dict_store.h"

std::string BuildTestDict(std::string_view source) {
  std::string file;
  std::vector<DictBuildError> errors;
  if (!BuildDict(source, &file, &errors)) ADD_FAILURE() << FormatBuildErrors("test source", errors);
  return file;
}

std::string WriteTestDict(const TempDir& dir, const std::string& relative, std::string_view source) {
  return dir.Write(relative, BuildTestDict(source));
}

void LoadTestDictionaries(const std::string& tec, const std::string& core, const std::string& syn) {
  Dictionaries.Reset();
  TempDir dir;
  const std::string sources[] = {tec, core, syn};
  for (int slot = 0; slot < kDictCount; ++slot) {
    const std::string path = WriteTestDict(dir, "dict" + std::to_string(slot) + ".cmp", sources[slot]);
    ASSERT_EQ(LoadDict(slot, path.c_str()), kDictLoaded) << "slot " << slot;
  }
}
