// kesta-dictbuild SOURCE OUT.cmp: writes a dictionary file from its readable
// source (see dict_writer.h for the format). Nothing is written on an error.
#include <cstdio>
#include <string>

#include "dictbuild/dict_writer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kesta-dictbuild SOURCE OUT.cmp\n");
    return 2;
  }
  std::string errors;
  if (!WriteDictFile(argv[1], argv[2], &errors)) {
    std::fputs(errors.c_str(), stderr);
    return 1;
  }
  return 0;
}
