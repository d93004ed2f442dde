#include "tests/support/dict_fixture.h"

#include <gtest/gtest.h>

#include <vector>

#include "dictbuild/dict_writer.h"

std::string BuildTestDict(std::string_view source) {
  std::string file;
  std::vector<DictBuildError> errors;
  if (!BuildDict(source, &file, &errors)) ADD_FAILURE() << FormatBuildErrors("test source", errors);
  return file;
}

std::string WriteTestDict(const TempDir& dir, const std::string& relative, std::string_view source) {
  return dir.Write(relative, BuildTestDict(source));
}
