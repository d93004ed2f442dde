// kesta: the command a writer runs to check a document.
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "cli/install_layout.h"
#include "cli/kesta_command.h"

int main(int argc, char** argv) {
  try {
    std::vector<std::string> args(argv + 1, argv + argc);
    const CliPaths built{KESTA_MODULE_PATH, KESTA_BUILT_CUSTOM_DIR, KESTA_SOURCE_CUSTOM_DIR};
    return RunKestaCli(args, LocatePaths(ThisProgram(), KESTA_INSTALLED_MODULE, KESTA_INSTALLED_CUSTOM_DIR, built));
  } catch (const std::bad_alloc&) {
    // Out of memory before the run began: nothing was read or written.
    std::fputs("kesta: out of memory; nothing was written\n", stderr);
    return kExitFile;
  }
}
